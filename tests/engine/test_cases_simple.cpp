// Simply supported beam, codes 100 to 120, checked against a reference built
// from the loads alone (statics, and the Green's function of the beam), the
// supports, equilibrium, the derivative chain, continuity and jumps, linearity,
// mirror images and superposition, textbook and worked values, the side a
// border belongs to, exact values, the slots written and the range checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "CaseChecks.h"
#include "engine/CaseFrame.h"
#include "engine/Vigas.h"

using namespace casecheck;
namespace S = Vigas::Slot;

namespace {

const double kPi = 4 * std::atan(1.0);
constexpr int kTrials = 12;

// Five-point Gauss-Legendre on four panels: exact for polynomials up to degree 9.
template <class F>
double Gauss(const F& f, double lo, double hi) {
  static const double gx[] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                              0.9061798459386640};
  static const double gw[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                              0.2369268850561891, 0.2369268850561891};
  const double h = (hi - lo) / 4;
  double s = 0;
  for (int i = 0; i < 4 && hi > lo; ++i)
    for (int k = 0; k < 5; ++k) s += gw[k] * f(lo + h * (i + 0.5 + gx[k] / 2));
  return s * h / 2;
}

// Sizes of Y, Theta, M and V under loads of total size S.
AtX Sizes(double S, double L, double EI) {
  return {S * L * L * L / EI, S * L * L / EI, S * L, S, true};
}

// Results from the loads alone: reactions by statics, V and M by integrating
// the loads from A, Y and Theta through the Green's function of the beam
// (Y'' = M / EI with Y(0) = Y(L) = 0).
struct Reference {
  const CaseTrial& t;
  std::vector<double> edges;        // 0, the borders of the loads, L
  double Ra = 0, Rb = 0, size = 0;  // size: sum of |loads| plus |couples| / L

  explicit Reference(const CaseTrial& trial) : t(trial), edges(trial.load.Borders(trial.L)) {
    edges.insert(edges.begin(), 0.0);
    edges.push_back(t.L);
    double couples = 0;
    for (const auto& c : t.load.couples) couples += c.second, size += std::fabs(c.second) / t.L;
    for (const auto& p : t.load.points) size += std::fabs(p.second);
    auto sign = [&](double u) { return t.load.w(u) < 0 ? -1.0 : 1.0; };
    if (t.load.w) size += Loads(t.L, sign, false);
    // Moments about A, counterclockwise positive: Rb L - loads + couples = 0.
    Rb = (Loads(2 * t.L, [](double u) { return u; }) - couples) / t.L;
    Ra = Loads(2 * t.L, [](double) { return 1.0; }) - Rb;
  }
  AtX Scales() const { return Sizes(size, t.L, t.EI); }
  // Sum of f x load over [0, x]: the distributed load stretch by stretch, a
  // point load for x strictly past it.
  template <class F>
  double Loads(double x, const F& f, bool points = true) const {
    const LoadModel& m = t.load;
    double s = 0;
    for (size_t i = 0; m.w && i + 1 < edges.size(); ++i)
      s += Gauss([&](double u) { return f(u) * m.w(u); }, std::max(edges[i], m.wFrom),
                 std::min({edges[i + 1], x, m.wTo}));
    for (const auto& [pos, P] : m.points)
      if (points && pos < x) s += f(pos) * P;
    return s;
  }
  double V(double x) const {
    return Ra - Loads(x, [](double) { return 1.0; });
  }
  // A couple counts for x strictly past it, and always at A.
  double M(double x) const {
    double m = Ra * x - Loads(x, [x](double u) { return x - u; });
    for (const auto& [pos, C] : t.load.couples)
      if (pos < x || pos == 0) m -= C;
    return m;
  }
  // Y, or its slope Theta.
  double Green(double x, bool slope) const {
    const double L = t.L;
    std::vector<double> br = edges;
    br.push_back(x);
    std::sort(br.begin(), br.end());
    auto g = [&](double u) {
      return (slope ? (u <= x ? u : u - L) : (u <= x ? u * (x - L) : x * (u - L))) / L;
    };
    double s = 0;
    for (size_t i = 0; i + 1 < br.size(); ++i)
      s += Gauss([&](double u) { return g(u) * M(u); }, br[i], br[i + 1]);
    return s / t.EI;
  }
  AtX At(double x) const { return {Green(x, false), Green(x, true), M(x), V(x), true}; }
};

// The cases.

enum class Len { None, A, SumAB, SumAC, TwoA };  // the bounds on the lengths

struct Case {
  int code;
  std::vector<int> slots;  // the inputs besides EI, L and x
  Len len;
  int symmetry;  // +1 symmetric, -1 antisymmetric about midspan, 0 neither
};

const std::vector<Case> kCases = {{100, {S::w0}, Len::None, 1},
                                  {101, {S::w0}, Len::None, 0},
                                  {102, {S::w0, S::a}, Len::A, 0},
                                  {103, {S::w0, S::a, S::b}, Len::SumAB, 0},
                                  {104, {S::w1, S::w2, S::a, S::c}, Len::SumAC, 0},
                                  {105, {S::w0}, Len::None, 0},
                                  {106, {S::w0}, Len::None, 1},
                                  {107, {S::w0}, Len::None, 1},
                                  {108, {S::P}, Len::None, 1},
                                  {109, {S::P, S::a}, Len::A, 0},
                                  {110, {S::P, S::a}, Len::TwoA, 1},
                                  {111, {S::P, S::a, S::b}, Len::SumAB, 0},
                                  {112, {S::P1, S::P2, S::a, S::b}, Len::SumAB, 0},
                                  {113, {S::M0}, Len::None, 0},
                                  {114, {S::M0}, Len::None, 0},
                                  {115, {S::M0}, Len::None, 0},
                                  {116, {S::M0}, Len::None, -1},
                                  {117, {S::M0, S::a}, Len::A, 0},
                                  {118, {S::M1, S::M2}, Len::None, 0},
                                  {119, {S::M1, S::M2}, Len::None, 0},
                                  {120, {S::M0}, Len::None, 1}};

bool IsLength(int slot) {
  return slot == S::a || slot == S::b || slot == S::c;
}

// A case with its inputs: the first load, the first length (a), the second
// length (b or c) and the second load.
struct Call {
  int code;
  double q = 0, a = 0, b = 0, q2 = 0;
};

InputList InputsOf(const Call& k) {
  InputList in;
  bool first = true;
  for (int slot : kCases[k.code - 100].slots) {
    if (slot == S::a) in.push_back({slot, k.a});
    if (slot == S::b || slot == S::c) in.push_back({slot, k.b});
    if (!IsLength(slot)) in.push_back({slot, first ? k.q : k.q2}), first = false;
  }
  return in;
}

LoadModel Spread(double from, double to, std::function<double(double)> w,
                 std::vector<double> breaks = {}) {
  LoadModel m;
  m.w = std::move(w), m.wFrom = from, m.wTo = to, m.breaks = std::move(breaks);
  return m;
}
LoadModel Uniform(double from, double to, double w) {
  return Spread(from, to, [w](double) { return w; });
}
using Spots = std::vector<std::pair<double, double>>;  // (position, value)
LoadModel Acting(Spots points, Spots couples = {}) {
  LoadModel m;
  m.points = std::move(points), m.couples = std::move(couples);
  return m;
}

// The loads of a case, couples as mark x value, and the slots it writes with
// Completo besides Y, Theta, M, V, Ra and Rb, with their values.
struct Made {
  LoadModel load;
  InputList extra;
};
Made Build(const Call& k, double L) {
  const double q = k.q, a = k.a, b = k.b, q2 = k.q2;
  const int c = k.code;
  if (c == 100) return {Uniform(0, L, q), {}};
  if (c == 101) return {Uniform(0, L / 2, q), {{S::xC, L / 2}}};
  if (c == 102) return {Uniform(0, a, q), {{S::xC, a}}};
  if (c == 103) return {Uniform(a, a + b, q), {{S::c, L - a - b}, {S::xC, a}, {S::xD, a + b}}};
  if (c == 104) {  // w1 over [0, a], w2 over [L - c, L]
    auto w = [=](double x) { return x <= a ? q : (x >= L - b ? q2 : 0); };
    return {Spread(0, L, w, {a, L - b}), {{S::xC, a}, {S::xD, L - b}, {S::b, L - a - b}}};
  }
  if (c == 105) return {Spread(0, L, [=](double x) { return q * x / L; }), {}};
  if (c == 106) {
    auto w = [=](double x) { return q * (1 - std::fabs(2 * x / L - 1)); };
    return {Spread(0, L, w, {L / 2}), {{S::xC, L / 2}}};
  }
  if (c == 107) return {Spread(0, L, [=](double x) { return q * std::sin(kPi * x / L); }), {}};
  if (c == 108) return {Acting({{L / 2, q}}), {{S::xC, L / 2}}};
  if (c == 109) return {Acting({{a, q}}), {{S::xC, a}, {S::b, L - a}}};
  if (c == 110) return {Acting({{a, q}, {L - a, q}}), {{S::xC, a}, {S::xD, L - a}}};
  if (c == 111) return {Acting({{a, q}, {L - b, q}}), {{S::xC, a}, {S::xD, L - b}}};
  if (c == 112) return {Acting({{a, q}, {L - b, q2}}), {{S::xC, a}, {S::xD, L - b}}};
  if (c == 113) return {Acting({}, {{L, q}}), {{S::sM0, 1}}};
  if (c == 114) return {Acting({}, {{0, q}}), {{S::sM0, 1}}};
  if (c == 115) return {Acting({}, {{0, -q}}), {{S::sM0, -1}}};
  if (c == 116) return {Acting({}, {{L / 2, q}}), {{S::xC, L / 2}, {S::sM0, 1}}};
  if (c == 117) return {Acting({}, {{a, q}}), {{S::xC, a}, {S::b, L - a}, {S::sM0, 1}}};
  if (c == 118) return {Acting({}, {{0, q}, {L, -q2}}), {{S::sM1, 1}, {S::sM2, -1}}};
  if (c == 119) return {Acting({}, {{0, q}, {L, q2}}), {{S::sM1, 1}, {S::sM2, 1}}};
  return {Acting({}, {{0, -q}, {L, q}}), {{S::sM0A, -1}, {S::sM0B, 1}}};  // case 120, the one left
}

// Random values a trial is built from: loads q and q2 of either sign, a length
// a anywhere on the span and two lengths s and t that fit on it together.
struct Draw {
  double EI, L, q = 0, q2 = 0, a = 0, s = 0, t = 0;
};
Draw NewDraw(std::mt19937& r) {
  Draw d{In(r, 1e3, 1e7), In(r, 0.5, 20)};
  d.q = SignedIn(r, 10, 1e4), d.q2 = SignedIn(r, 10, 1e4);
  d.a = d.L * In(r, 0.05, 0.95), d.s = d.L * In(r, 0.05, 0.45), d.t = d.L * In(r, 0.05, 0.45);
  return d;
}

Call CallOf(const Case& c, const Draw& d) {
  return {c.code, d.q, c.len == Len::A ? d.a : d.s, d.t, d.q2};
}
CaseTrial Trial(const Case& c, const Draw& d) {
  const Call k = CallOf(c, d);
  return {c.code, d.EI, d.L, InputsOf(k), Build(k, d.L).load};
}

// Results of a case on the beam of a draw.
AtX Solve(const Draw& d, const Call& k, double x, bool completo = false) {
  Inputs(With(With(InputsOf(k), S::EI, d.EI), S::L, d.L));
  return Eval(k.code, x, completo);
}

// Every case against its loads.

TEST(SimpleBeam, EveryCaseAgainstItsLoads) {
  std::mt19937 rng(1051);
  for (const Case& c : kCases) {
    for (int n = 0; n < kTrials; ++n) {
      CaseTrial t = Trial(c, NewDraw(rng));
      const Reference ref(t);
      const AtX sc = ref.Scales();
      LoadTrial(t);
      for (int k = 0; k < 6; ++k) {
        const double x = t.L * In(rng, 0.001, 0.999);
        const AtX r = Eval(c.code, x);
        ASSERT_TRUE(r.ok) << Where(c.code, x);
        ExpectSameResults(r, ref.At(x), sc, Where(c.code, x));
      }
      // Pinned ends: Y = 0, M set by a couple there, free slopes; V = Ra at A, -Rb at B.
      const AtX A = Eval(c.code, 0), B = Eval(c.code, t.L, true);
      ASSERT_TRUE(A.ok && B.ok) << c.code;
      const double Ra = Vigas::Datos[S::Ra], Rb = Vigas::Datos[S::Rb];
      double mA = 0, mB = 0;
      for (const auto& [pos, C] : t.load.couples) mA -= pos == 0 ? C : 0, mB += pos == t.L ? C : 0;
      const AtX ends{sc.Y, 1e3 * sc.Theta, sc.M, sc.V, true};  // Theta to 1e-9
      ExpectSameResults(A, {0, ref.Green(0, true), mA, Ra, true}, ends, Where(c.code, 0), 1e-12);
      ExpectSameResults(B, {0, ref.Green(t.L, true), mB, -Rb, true}, ends, Where(c.code, t.L),
                        1e-12);
      EXPECT_NEAR(Ra, ref.Ra, 1e-12 * ref.size) << c.code << ": vertical equilibrium";
      EXPECT_NEAR(Rb, ref.Rb, 1e-12 * ref.size) << c.code << ": moments about A";
      // The derivative chain and the load inside each stretch, continuity and jumps at the borders.
      ExpectLoadResponse(c.code, t.EI, t.L, t.load, 5);
      // Linear in the loads; Y and Theta go with 1 / EI, M and V do not depend on EI.
      const double x = t.L * In(rng, 0, 1), k = SignedIn(rng, 0.25, 4), e = In(rng, 0.25, 4);
      const AtX r0 = Eval(c.code, x, true), kk = std::fabs(k) * sc;
      const double Ra0 = Vigas::Datos[S::Ra], Rb0 = Vigas::Datos[S::Rb];
      for (auto& [slot, v] : t.inputs)
        if (!IsLength(slot)) v *= k;
      LoadTrial(t);
      const AtX rk = Eval(c.code, x, true);
      ASSERT_TRUE(rk.ok);
      ExpectSameResults(rk, k * r0, kk, Where(c.code, x) + " loads scaled", 1e-12);
      EXPECT_NEAR(Vigas::Datos[S::Ra], k * Ra0, 1e-12 * kk.V) << c.code;
      EXPECT_NEAR(Vigas::Datos[S::Rb], k * Rb0, 1e-12 * kk.V) << c.code;
      Vigas::Datos[S::EI] = t.EI * e;
      const AtX re = Eval(c.code, x);
      ASSERT_TRUE(re.ok);
      ExpectSameResults(re, {rk.Y / e, rk.Theta / e, rk.M, rk.V, true}, kk,
                        Where(c.code, x) + " EI scaled", 1e-12);
    }
  }
}

// Cases against each other: mirror images, superposition, limiting positions.

struct Relation {
  Call lhs;
  std::vector<Call> rhs;        // summed
  bool mirrored = false;        // rhs at L - x, seen from B
  double rel = 1e-10;           // of the largest results; 0: bit for bit
  std::vector<double> xs = {};  // empty: both ends and two points inside
  bool reactions = false;       // Ra and Rb too
};

TEST(SimpleBeam, MirrorImagesSuperpositionAndLimitingPositions) {
  std::mt19937 rng(1057);
  for (int n = 0; n < kTrials; ++n) {
    const Draw d = NewDraw(rng);
    const double L = d.L, q = d.q, q2 = d.q2, a = d.a, s = d.s, t = d.t;
    const double x = L * In(rng, 0.01, 0.99);
    // A load at p moves to L - p and a couple turns over.
    std::vector<Relation> table = {
        {{113, q}, {{115, q}}, true},
        {{114, q}, {{113, -q}}, true},
        {{109, q, a}, {{109, q, L - a}}, true},
        {{112, q, s, t, q2}, {{112, q2, t, s, q}}, true},
        {{117, q, a}, {{117, -q, L - a}}, true},
        {{118, q, 0, 0, q2}, {{118, q2, 0, 0, q}}, true},
        {{119, q, 0, 0, q2}, {{119, -q2, 0, 0, -q}}, true},
        {{102, q, a}, {{104, 0, 0, a, q}}, true},
        {{103, q, s, t}, {{103, q, L - s - t, t}}, true},
        {{104, q, s, t, q2}, {{104, q2, t, s, q}}, true},
        // Superposition, and general cases with their loads at particular places.
        {{112, q, s, t, q2}, {{109, q, s}, {109, q2, L - t}}},
        {{111, q, s, t}, {{112, q, s, t, q}}, false, 0, {0, s, L - t, x, L}, true},
        {{110, q, s}, {{111, q, s, s}}},
        {{108, q}, {{109, q, L / 2}}},
        {{112, q, s, t, 0}, {{109, q, s}}},
        {{104, q, s, t, q2}, {{102, q, s}, {103, q2, L - t, t}}},
        {{104, q, a, 0, q2}, {{104, q, a, 0, 0}}, false, 0, {0, a, x, L}},  // c = 0: w2 unused
        {{104, q, a, 0, q2}, {{102, q, a}}},
        {{101, q}, {{102, q, L / 2}}},
        {{100, q}, {{102, q, L}}, false, 1e-12},
        {{100, q}, {{103, q, 0, L}}, false, 1e-12},
        {{119, q, 0, 0, q2}, {{114, q}, {113, q2}}},
        {{118, q, 0, 0, q2}, {{114, q}, {113, -q2}}},
        {{120, q}, {{114, -q}, {113, q}}},
        {{115, q}, {{114, -q}}, false, 0, {}, true},
        {{116, q}, {{117, q, L / 2}}, false, 1e-12, {0, x, L / 2, L}},
        // With a = L the couple of 117 acts at B, but M at x = L is the value past it.
        {{117, q, L}, {{113, q}}, false, 1e-12, {0, x, L / 2}},
        {{118, q}, {{114, q}}, false, 1e-12},
        {{119, q}, {{114, q}}, false, 1e-12},
        {{119, 0, 0, 0, q2}, {{113, q2}}, false, 1e-12},
    };
    for (const Case& c : kCases) {
      Call k = CallOf(c, d), turned = k;
      turned.q *= c.symmetry;
      if (c.symmetry != 0) table.push_back({k, {turned}, true});
    }
    for (const Relation& r : table) {
      Solve(d, r.lhs, 0);
      AtX sc = Scales(r.lhs.code, L);
      for (const Call& k : r.rhs) Solve(d, k, 0), sc = sc + Scales(k.code, L);
      for (double xx :
           r.xs.empty() ? std::vector<double>{0, x, L * In(rng, 0.01, 0.99), L} : r.xs) {
        const std::string what = Where(r.lhs.code, xx) + " against " + Where(r.rhs[0].code, xx);
        const AtX got = Solve(d, r.lhs, xx, true);
        const double Ra = Vigas::Datos[S::Ra], Rb = Vigas::Datos[S::Rb];
        AtX want{0, 0, 0, 0, true};
        double wantRa = 0, wantRb = 0;
        for (const Call& k : r.rhs) {
          const AtX v = Solve(d, k, r.mirrored ? L - xx : xx, true);
          want = want + (r.mirrored ? Mirrored(v) : v);
          wantRa += Vigas::Datos[S::Ra], wantRb += Vigas::Datos[S::Rb];
        }
        ASSERT_TRUE(got.ok && want.ok) << what;
        ExpectSameResults(got, want, sc, what, r.rel);
        if (r.reactions) {
          EXPECT_TRUE(Ra == wantRa && Rb == wantRb) << what;
        }
      }
    }
  }
}

// Worked values: the textbook, special points, the side a border belongs to.

// An expected slot value: bit for bit, within four units in the last place
// (kUlps), relative 1e-12 (kRel) or within an absolute tolerance.
constexpr double kUlps = -1, kRel = -2;
struct Want {
  int slot;
  double value, tol;
};
Want Is(int slot, double value, double tol = 0) {
  return {slot, value, tol == kRel ? 1e-12 * std::fabs(value) : tol};
}
std::vector<Want> Zeros(std::vector<Want> more) {
  more.insert(more.end(), {Is(S::Y, 0), Is(S::Theta, 0), Is(S::M, 0), Is(S::V, 0)});
  return more;
}

struct Worked {
  Call k;
  std::vector<double> xs;
  std::vector<Want> want;
};
Worked W(const Call& k, std::vector<double> xs, std::vector<Want> want) {
  return {k, std::move(xs), std::move(want)};
}

void ExpectWorked(const Draw& d, const std::vector<Worked>& table) {
  for (const Worked& w : table)
    for (double x : w.xs) {
      ASSERT_TRUE(Solve(d, w.k, x, true).ok) << Where(w.k.code, x);
      for (const Want& e : w.want) {
        const double got = Vigas::Datos[e.slot];
        const std::string at = Where(w.k.code, x) + " slot " + std::to_string(e.slot);
        if (e.tol == 0)
          EXPECT_EQ(got, e.value) << at;
        else if (e.tol == kUlps)
          EXPECT_DOUBLE_EQ(got, e.value) << at;
        else
          EXPECT_NEAR(got, e.value, e.tol) << at;
      }
    }
}

TEST(SimpleBeam, TextbookValues) {
  const double EI = 2.5e6, L = 6.4, w = 1200, P = 3500, M0 = 900, r3 = std::sqrt(3.0);
  const double Ra102 = w * 2.2 * (2 * L - 2.2) / (2 * L), b109 = L - 2.0;
  const double Ra103 = w * 2.5 * (2 * (L - 1.5 - 2.5) + 2.5) / (2 * L);
  // 105: Ymax = 0.00652 wL^4/EI at 0.5193 L.
  const double xm = L * std::sqrt(1 - std::sqrt(8.0 / 15)), wL4 = w * L * L * L * L / EI;
  EXPECT_NEAR(xm / L, 0.5193, 1e-4);
  ExpectWorked(
      {EI, L},
      {
          W({100, w}, {L / 2},
            {Is(S::Y, -5 * wL4 / 384, kRel), Is(S::M, w * L * L / 8, kRel),
             Is(S::Ra, w * L / 2, kRel)}),
          // Mmax = 9wL^2/128 at 3L/8.
          W({101, w}, {3 * L / 8},
            {Is(S::Ra, 3 * w * L / 8, kRel), Is(S::Rb, w * L / 8, kRel),
             Is(S::M, 9 * w * L * L / 128, kRel), Is(S::V, 0, 1e-12 * w * L)}),
          // Mmax = Ra^2/2w at x = Ra/w; for 103 Ra(a + Ra/2w) at x = a + Ra/w.
          W({102, w, 2.2}, {Ra102 / w},
            {Is(S::Ra, Ra102, kRel), Is(S::Rb, w * 2.2 * 2.2 / (2 * L), kRel),
             Is(S::M, Ra102 * Ra102 / (2 * w), kRel)}),
          W({103, w, 1.5, 2.5}, {1.5 + Ra103 / w},
            {Is(S::Ra, Ra103, kRel), Is(S::M, Ra103 * (1.5 + Ra103 / (2 * w)), kRel)}),
          W({105, w}, {L / r3},
            {Is(S::Ra, w * L / 6, kRel), Is(S::Rb, w * L / 3, kRel),
             Is(S::M, w * L * L / (9 * r3), kRel)}),
          W({105, w}, {xm},
            {Is(S::Theta, 0, 1e-12 * w * L * L * L / EI), Is(S::Y, -0.00652 * wL4, 0.00001 * wL4)}),
          W({106, w}, {L / 2},
            {Is(S::Y, -wL4 / 120, kRel), Is(S::M, w * L * L / 12, kRel),
             Is(S::Ra, w * L / 4, kRel)}),
          W({106, w}, {0}, {Is(S::Theta, -5 * w * L * L * L / (192 * EI), kRel)}),
          W({107, w}, {L / 2},
            {Is(S::Y, -w * std::pow(L / kPi, 4) / EI, kRel),
             Is(S::M, w * L * L / (kPi * kPi), kRel), Is(S::Ra, w * L / kPi, kRel)}),
          W({108, P}, {L / 2},
            {Is(S::Y, -P * L * L * L / (48 * EI), kRel), Is(S::M, P * L / 4, kRel)}),
          W({108, P}, {0}, {Is(S::Theta, -P * L * L / (16 * EI), kRel)}),
          W({109, P, 2.0}, {2.0},
            {Is(S::Y, -P * 2.0 * 2.0 * b109 * b109 / (3 * EI * L), kRel),
             Is(S::M, P * 2.0 * b109 / L, kRel)}),
          W({110, P, 1.6}, {L / 2},
            {Is(S::Y, -P * 1.6 * (3 * L * L - 4 * 1.6 * 1.6) / (24 * EI), kRel),
             Is(S::M, P * 1.6, kRel)}),
          W({113, M0}, {0}, {Is(S::Theta, -M0 * L / (6 * EI), kRel)}),
          W({113, M0}, {L}, {Is(S::Theta, M0 * L / (3 * EI), kRel)}),
          W({113, M0}, {L / r3}, {Is(S::Y, -M0 * L * L / (9 * r3 * EI), kRel)}),
          W({116, M0}, {L / (2 * r3)}, {Is(S::Y, -M0 * L * L / (72 * r3 * EI), kRel)}),
          W({116, M0}, {0}, {Is(S::Theta, -M0 * L / (24 * EI), kRel)}),
          W({120, M0}, {L / 2}, {Is(S::Y, -M0 * L * L / (8 * EI), kRel)}),
          W({120, M0}, {0}, {Is(S::Theta, -M0 * L / (2 * EI), kRel)}),
      });
  // A worked example: 3 per unit length over 7 with EI = 2100000.
  ExpectWorked({2100000, 7}, {W({100, 3}, {3.5},
                                {Is(S::Y, -4.46614583e-5, 0.000000005e-5),
                                 Is(S::Y, -5 * 3 * 2401.0 / (384 * 2100000), kUlps),
                                 Is(S::Theta, 0), Is(S::M, 18.375, kUlps), Is(S::V, 0),
                                 Is(S::Ra, 10.5, kUlps), Is(S::Rb, 10.5, kUlps)})});
}

// Over many inputs, since the rounding residue an exact value replaces is
// often zero by itself.
TEST(SimpleBeam, WorkedValuesAndBorderSides) {
  std::mt19937 rng(1065);
  for (int n = 0; n < 400; ++n) {
    const Draw d = NewDraw(rng);
    const double EI = d.EI, L = d.L, q = d.q, q2 = d.q2, a = d.a, s = d.s, t = d.t;
    const double x = L * In(rng, 0, 1), bound = Vigas::ToleranceBound(L), u = L - L / 2;
    const AtX sw = Sizes(std::fabs(q) * L, L, EI), sp = Sizes(std::fabs(q) + std::fabs(q2), L, EI);
    const AtX sc = Sizes((std::fabs(q) + std::fabs(q2)) / L, L, EI);
    double bb = bound - s;  // a + b just within the bound
    while (s + bb > bound) bb = std::nextafter(bb, 0.0);
    const double Ra103 = q * t * (2 * (L - s - t) + t) / (2 * L);
    const double Ra104 = (q * s * (2 * L - s) + q2 * t * t) / (2 * L);
    std::vector<double> grid;
    for (int k = 0; k <= 40; ++k) grid.push_back(L * k / 40);
    std::vector<Worked> table = {
        // A border belongs to the interval on its right; the load of 103 and 104
        // and the middle of 110, 111 and 112 keep theirs.
        W({101, q}, {L / 2}, {Is(S::V, -q * L / 8)}),
        W({102, q, a}, {a},
          {Is(S::M, q * a * a * (L - a) / (2 * L)), Is(S::V, -q * a * a / (2 * L))}),
        W({103, q, s, t}, {s}, {Is(S::V, Ra103 - q * (s - s))}),
        W({103, q, s, t}, {s + t},
          {Is(S::V, Ra103 - q * (s + t - s)),
           Is(S::M, Ra103 * (s + t) - q * (s + t - s) * (s + t - s) / 2)}),
        W({104, q, s, t, q2}, {s + (L - s - t)}, {Is(S::V, Ra104 - q * s)}),
        W({106, q}, {L / 2},
          {Is(S::M, q * u * (3 * L * L - 4 * u * u) / (12 * L)),
           Is(S::V, -q * (L * L - 4 * u * u) / (4 * L))}),
        W({108, q}, {L / 2},
          {Is(S::Y, -q * L * L * L / (48 * EI), 1e-14 * sp.Y), Is(S::Theta, 0),
           Is(S::M, q * L / 4, 1e-14 * sp.M), Is(S::V, -q / 2)}),
        W({109, q, a}, {a}, {Is(S::V, -q * a / L)}),
        W({110, q, s}, {s, L - s, L / 2 + (L / 2 - s) * In(rng, -0.9, 0.9)}, {Is(S::V, 0)}),
        W({110, q, s}, {s, L - s}, {Is(S::M, q * s)}),
        W({110, q, L / 2}, {L / 2}, {Is(S::V, 0), Is(S::M, q * (L / 2))}),
        W({110, q, L / 2}, {L / 2 * (1 - 1e-9)}, {Is(S::V, q)}),
        W({110, q, L / 2}, {L / 2 * (1 + 1e-9)}, {Is(S::V, -q)}),
        W({111, q, s, t}, {s, L - t}, {Is(S::V, (q * (L - s) + q * t) / L - q)}),
        W({112, q, s, t, q2}, {s, L - t}, {Is(S::V, (q * (L - s) + q2 * t) / L - q)}),
        W({116, q}, {L / 2}, {Is(S::M, -q / 2, kUlps), Is(S::Y, 0), Is(S::V, q / L)}),
        W({116, q}, {L / 2 * (1 - 1e-12)}, {Is(S::M, q / 2, 1e-9 * sc.M)}),
        W({117, q, a}, {a}, {Is(S::M, -q * (L - a) / L)}),
        // Exact values where the formulas would leave a rounding residue.
        W({104, q, s, t, q2}, {L}, {Is(S::Y, 0)}),
        W({111, q, s, t}, {L}, {Is(S::Y, 0)}),
        W({112, q, s, t, q2}, {L}, {Is(S::Y, 0)}),
        W({107, q}, {L}, {Is(S::Y, 0), Is(S::M, 0)}),
        W({107, q}, {L / 2},
          {Is(S::Theta, 0), Is(S::V, 0), Is(S::Y, -q * std::pow(L / kPi, 4) / EI, 1e-14 * sw.Y)}),
        W({107, q}, {0}, {Is(S::Y, 0, 1e-15 * sw.Y), Is(S::V, q * L / kPi, 1e-14 * sw.V)}),
        W({120, q}, grid, {Is(S::V, 0), Is(S::M, q), Is(S::Ra, 0), Is(S::Rb, 0)}),
        // Loads at the ends or of no length, lengths at their bounds.
        W({102, q, 0}, {0, x, L}, Zeros({Is(S::Ra, 0), Is(S::Rb, 0)})),
        W({103, q, s, bb}, {L}, {Is(S::c, L - s - bb)}),
        W({104, q, s, s, q}, {L / 2},
          {Is(S::Ra, q * s, 1e-12 * sw.V), Is(S::Rb, q * s, 1e-12 * sw.V),
           Is(S::Theta, 0, 1e-10 * sw.Theta), Is(S::V, 0, 1e-12 * sw.V)}),
        W({105, q}, {L}, {Is(S::Y, 0, 1e-13 * sw.Y), Is(S::V, -q * L / 3, 1e-13 * sw.V)}),
        W({109, q, 0}, {0, x, L}, Zeros({Is(S::Ra, q, kUlps), Is(S::Rb, 0), Is(S::b, L)})),
        W({109, q, bound}, {x}, {Is(S::b, L - bound)}),
        W({110, q, 0}, {0, x, L}, Zeros({Is(S::Ra, q), Is(S::Rb, q)})),
        W({113, q}, {L},
          {Is(S::Y, 0), Is(S::Theta, q * L / (3 * EI), 1e-14 * sc.Theta), Is(S::M, q, kUlps)}),
        W({113, q}, {0}, {Is(S::Theta, -q * L / (6 * EI), 1e-14 * sc.Theta), Is(S::M, 0)}),
        W({114, q}, {0}, {Is(S::M, -q, kUlps), Is(S::Theta, q * L / (3 * EI), 1e-14 * sc.Theta)}),
        W({117, q, a}, {0}, {Is(S::b, L - a)}),
        W({117, q, L * 1.00001}, {L}, {Is(S::b, L - L * 1.00001)}),
        W({117, q, L}, {L},
          {Is(S::Y, 0, 1e-12 * sc.Y), Is(S::Theta, q * L / (3 * EI), 1e-12 * sc.Theta), Is(S::M, 0),
           Is(S::V, q / L, 1e-12 * sc.V)}),
        W({118, q, 0, 0, q}, {0, x, L},
          {Is(S::V, 0), Is(S::M, -q, kUlps), Is(S::Ra, 0), Is(S::Rb, 0)}),
        W({120, q}, {L / 2}, {Is(S::Y, -q * L * L / (8 * EI), 1e-14 * sc.Y)}),
    };
    if (s + (L - s) == L)  // then x = L lies in the middle interval of 104 with c = 0
      table.push_back(
          W({104, q, s, 0, q2}, {L}, {Is(S::V, q * s * (2 * L - s) / (2 * L) - q * s)}));
    ExpectWorked(d, table);
    // No exact zero past B.
    const AtX past = Solve(d, {104, q, s, t, q2}, bound);
    ASSERT_TRUE(past.ok);
    EXPECT_NE(past.Y, 0);
    EXPECT_NEAR(past.Y, 0, 1e-4 * sw.Y);
    // Pure bending bends most at midspan.
    double largest = 0, where = -1;
    for (double g : grid) {
      const double y = std::fabs(Solve(d, {120, q}, g).Y);
      if (y > largest) largest = y, where = g;
    }
    EXPECT_DOUBLE_EQ(where, L / 2);
    // Couples alone: one shear all along the beam.
    for (int code = 113; code <= 120; ++code) {
      const Call k = CallOf(kCases[code - 100], d);
      const double v0 = Solve(d, k, 0).V;
      for (double xx : {x, L / 2, a, L}) EXPECT_EQ(Solve(d, k, xx).V, v0) << code;
    }
  }
}

// Slots, ranges, faults.

// Results at x always; reactions, points, derived lengths and marks only with
// Completo true; nothing else.
TEST(SimpleBeam, WrittenSlots) {
  std::mt19937 rng(1062);
  for (const Case& c : kCases) {
    const Draw d = NewDraw(rng);
    const double x = d.L * In(rng, 0, 1);
    const InputList extra = Build(CallOf(c, d), d.L).extra;
    for (bool completo : {false, true}) {
      LoadTrial(Trial(c, d));
      Vigas::Datos[S::x] = x;
      std::vector<double> before(std::begin(Vigas::Datos), std::end(Vigas::Datos));
      Vigas::FlagError = 1;
      Vigas::CalcularCaso(c.code, completo);
      ASSERT_EQ(Vigas::FlagError, 0) << c.code << " clears FlagError on success";
      std::vector<int> written{S::Y, S::Theta, S::M, S::V, S::Ra, S::Rb};
      for (const auto& e : extra) written.push_back(e.first);
      if (!completo) written.resize(4);
      for (int s = 0; s < Vigas::kNumSlots; ++s)
        if (std::count(written.begin(), written.end(), s))
          EXPECT_NE(Vigas::Datos[s], Vigas::SinValor) << c.code << " should write slot " << s;
        else
          EXPECT_EQ(Vigas::Datos[s], before[s]) << c.code << " should not write slot " << s;
    }
    for (const auto& [slot, value] : extra)
      EXPECT_NEAR(Vigas::Datos[slot], value, 1e-14 * d.L) << c.code << " slot " << slot;
  }
}

// Range checks and missing inputs: FlagError = 1 and not a slot changed.
TEST(SimpleBeam, RangeChecksAndMissingInputs) {
  std::mt19937 rng(1063);
  const double up = std::numeric_limits<double>::infinity();
  for (const Case& c : kCases) {
    const CaseTrial t = Trial(c, NewDraw(rng));
    const double L = t.L, bound = Vigas::ToleranceBound(L), x = L * In(rng, 0, 1);
    const InputList all = With(With(t.inputs, S::EI, t.EI), S::L, L);
    auto check = [&](bool ok, const InputList& in, double at, const std::string& what) {
      Inputs(in);
      Vigas::Datos[S::x] = at;
      ok ? ExpectAccepted(c.code, what) : ExpectRefused(c.code, what);
    };
    for (const auto& [slot, value] : all)
      check(false, With(all, slot, Vigas::SinValor), x, "missing slot " + std::to_string(slot));
    check(false, all, Vigas::SinValor, "missing x");
    for (double bad : {0.0, -0.0, -1.0, -1e-300}) {
      check(false, With(all, S::EI, bad), x, "EI <= 0");
      check(false, With(all, S::L, bad), 0, "L <= 0");
    }
    check(true, all, -0.0, "x = -0");
    check(true, all, bound, "x at its bound");
    check(false, all, -1e-300, "x < 0");
    check(false, all, std::nextafter(bound, up), "x above its bound");
    check(false, all, std::nan(""), "x NaN");
    for (int slot : c.slots)
      for (double q : {0.0, -7.5, 7.5})
        if (!IsLength(slot)) check(true, With(all, slot, q), x, "load of any sign");
    if (c.len == Len::A || c.len == Len::TwoA) {
      const double top = c.len == Len::A ? bound : bound / 2;
      check(true, With(all, S::a, 0.0), x, "a = 0");
      check(true, With(all, S::a, top), x, "a at its bound");
      check(false, With(all, S::a, -1e-300), x, "a < 0");
      check(false, With(all, S::a, std::nextafter(top, up)), x, "a above its bound");
      if (c.len == Len::TwoA) check(false, With(all, S::a, 0.6 * L), x, "a = 0.6 L");
    } else if (c.len != Len::None) {
      const int second = c.len == Len::SumAB ? S::b : S::c;
      auto two = [&](double a, double s) { return With(With(all, S::a, a), second, s); };
      check(true, two(0, 0), x, "a = second = 0");
      check(true, two(bound, 0), x, "a alone at the bound");
      check(true, two(0, bound), x, "second alone at the bound");
      check(true, two(0.25 * L, bound - 0.25 * L), x, "sum near the bound");
      check(false, two(-1e-300, 0.5 * L), x, "a < 0");
      check(false, two(0.5 * L, -1e-300), x, "second < 0");
      check(false, two(std::nextafter(bound, up), 0), x, "a above the bound");
      check(false, two(0, std::nextafter(bound, up)), x, "second above the bound");
      check(false, two(0.5 * L, 0.5 * L * 1.0001), x, "sum above the bound");
    }
  }
  // A value that is merely huge is not the marker: code 120 with M0 = -SinValor runs.
  Inputs({{S::EI, 1e300}, {S::L, 1}, {S::M0, -Vigas::SinValor}});
  EXPECT_TRUE(Eval(120, 0.5).ok);
}

// An arithmetic fault stores no infinite value and raises FlagError; the
// slots written before the fault keep their new values.
TEST(SimpleBeam, ArithmeticFaults) {
  for (const Case& c : kCases) {
    std::mt19937 rng(1064);
    CaseTrial t = Trial(c, NewDraw(rng));
    for (auto& [slot, v] : t.inputs)
      if (!IsLength(slot)) v = 1e308;
    t.EI = 1e-300;
    LoadTrial(t);
    Eval(c.code, t.L * 0.3, true);
    EXPECT_EQ(Vigas::FlagError, 1) << c.code;
    EXPECT_TRUE(AllSlotsFiniteOrMarker()) << c.code;
  }
  // 120 at x = 0: Y = 0 is stored, then Theta overflows: Theta, M, V keep their values.
  Inputs({{S::EI, 1e-300}, {S::L, 4}, {S::M0, 1e10}});
  Vigas::Datos[S::Y] = 7, Vigas::Datos[S::Theta] = 8, Vigas::Datos[S::M] = 9;
  Vigas::Datos[S::Ra] = 10;
  Eval(120, 0, true);
  EXPECT_EQ(Vigas::FlagError, 1);
  EXPECT_EQ(Vigas::Datos[S::Y], 0);
  EXPECT_EQ(Vigas::Datos[S::Theta], 8);
  EXPECT_EQ(Vigas::Datos[S::M], 9);
  EXPECT_EQ(Vigas::Datos[S::Ra], 10);
  // With Completo false the reactions are not touched.
  Inputs({{S::EI, 1}, {S::L, 1}, {S::w0, 1}, {S::Ra, 10}});
  EXPECT_TRUE(Eval(105, 0.5, false).ok);
  EXPECT_EQ(Vigas::Datos[S::Ra], 10);
}

}  // namespace
