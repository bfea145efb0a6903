// Simply supported beam, codes 100 to 120 (Parts 1.105, 1.106, 1.107).
//
// The cases are checked against the physics, not against their own formulas:
// each case is described only by its loads (distributed pieces, point loads,
// couples with the sign convention "couple on the beam = mark x value,
// counterclockwise"), from which an independent statics model gives the
// reactions, M and V by integration and Y and Theta through the Green's
// function of the simply supported beam. On top of that come the boundary
// conditions, equilibrium, the derivative chain, continuity and jumps,
// linearity, symmetry, textbook values, the worked edge cases of each Part and
// the range and no-value checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CaseChecks.h"
#include "engine/Vigas.h"

namespace {

using casecheck::AcrossBorder;
using casecheck::AtX;
using casecheck::Eval;
namespace S = Vigas::Slot;

const double kPi = 4 * std::atan(1.0);
using InputList = std::vector<std::pair<int, double>>;

// ---------------------------------------------------------------------------
// Independent statics model of a simply supported beam (A at 0, B at L).

struct Piece {
  double from, to;
  std::function<double(double)> w;  // downward load per length
  int sub = 1;                      // Gauss panels per stretch (1 is exact for polynomials)
};

struct Loads {
  std::vector<Piece> dist;
  std::vector<std::pair<double, double>> points;   // (position, downward force)
  std::vector<std::pair<double, double>> couples;  // (position, counterclockwise couple)
};

// Five-point Gauss-Legendre: exact for polynomials up to degree 9 per panel.
const double kGx[5] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                       0.9061798459386640};
const double kGw[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                       0.2369268850561891, 0.2369268850561891};

template <class F>
double Integrate(const F& f, double lo, double hi, int n) {
  if (!(hi > lo)) return 0;
  const double h = (hi - lo) / n;
  double s = 0;
  for (int i = 0; i < n; ++i) {
    const double c = lo + h * (i + 0.5);
    for (int k = 0; k < 5; ++k) s += kGw[k] * f(c + h / 2 * kGx[k]);
  }
  return s * h / 2;
}

class Statics {
 public:
  Statics(double L, double EI, Loads loads) : L_(L), EI_(EI), loads_(std::move(loads)) {
    for (const Piece& p : loads_.dist) {
      total_ += Integrate(p.w, p.from, p.to, p.sub);
      loadMomentA_ += Integrate([&](double s) { return p.w(s) * s; }, p.from, p.to, p.sub);
      magnitude_ += Integrate([&](double s) { return std::fabs(p.w(s)); }, p.from, p.to, 16);
      sub_ = std::max(sub_, p.sub);
    }
    for (const auto& [pos, P] : loads_.points) {
      total_ += P;
      loadMomentA_ += P * pos;
      magnitude_ += std::fabs(P);
    }
    for (const auto& [pos, C] : loads_.couples) {
      sumC_ += C;
      magnitude_ += std::fabs(C) / L_;
    }
  }

  double Total() const { return total_; }
  // Clockwise moment of the loads about A (positive for downward loads).
  double LoadMomentA() const { return loadMomentA_; }
  double SumCouples() const { return sumC_; }
  // Moment equilibrium about A, counterclockwise positive: Rb L - loads + couples = 0.
  double Rb() const { return (loadMomentA_ - sumC_) / L_; }
  double Ra() const { return total_ - Rb(); }

  // Sums of loads; a point load or couple counts for x strictly past it, a
  // couple at A always, a couple at B never (M at B is the value just left).
  double V(double x) const {
    double v = Ra();
    for (const Piece& p : loads_.dist) v -= Integrate(p.w, p.from, std::min(p.to, x), p.sub);
    for (const auto& [pos, P] : loads_.points)
      if (pos < x) v -= P;
    return v;
  }
  double M(double x) const {
    double m = Ra() * x;
    for (const Piece& p : loads_.dist)
      m -= Integrate([&](double t) { return p.w(t) * (x - t); }, p.from, std::min(p.to, x), p.sub);
    for (const auto& [pos, P] : loads_.points)
      if (pos < x) m -= P * (x - pos);
    for (const auto& [pos, C] : loads_.couples)
      if (pos < x || pos == 0) m -= C;
    return m;
  }
  // Y'' = M/EI with Y(0) = Y(L) = 0: Y(x) = integral of G(x,s) M(s)/EI.
  double Y(double x) const {
    return GreenIntegral(
        x, [&](double s) { return s <= x ? -s * (L_ - x) / L_ : -x * (L_ - s) / L_; });
  }
  double Theta(double x) const {
    return GreenIntegral(x, [&](double s) { return s <= x ? s / L_ : -(L_ - s) / L_; });
  }
  // Load magnitude: sum of |loads| plus |couples|/L.
  double Magnitude() const { return magnitude_; }

 private:
  template <class G>
  double GreenIntegral(double x, const G& g) const {
    std::vector<double> br{0, L_, x};
    for (const Piece& p : loads_.dist) br.insert(br.end(), {p.from, p.to});
    for (const auto& pt : loads_.points) br.push_back(pt.first);
    for (const auto& c : loads_.couples) br.push_back(c.first);
    for (double& b : br) b = std::clamp(b, 0.0, L_);
    std::sort(br.begin(), br.end());
    double s = 0;
    for (size_t i = 0; i + 1 < br.size(); ++i)
      s += Integrate([&](double t) { return g(t) * M(t); }, br[i], br[i + 1], sub_);
    return s / EI_;
  }

  double L_, EI_;
  Loads loads_;
  double total_ = 0, loadMomentA_ = 0, sumC_ = 0, magnitude_ = 0;
  int sub_ = 1;
};

// Sizes of the four results for a load of magnitude S.
struct Scales {
  double Y, T, M, V;
};
Scales ScalesOf(double S, double L, double EI) {
  return {S * L * L * L / EI, S * L * L / EI, S * L, S};
}

// ---------------------------------------------------------------------------
// The cases, described by their inputs and loads only.

struct Trial {
  double EI, L;
  InputList in;  // every input except "x"
  Loads loads;
  std::vector<double> borders;  // interval borders strictly inside (0, L), ascending
};

enum class Len { None, A, SumAB, SumAC, TwoA };

struct CaseDef {
  int code;
  std::vector<int> loadSlots;
  Len len;
  std::vector<int> completo;  // slots written with Completo true besides Y, Theta, M, V
  int symmetry;               // +1 mirror symmetric, -1 antisymmetric, 0 neither
  std::function<Trial(std::mt19937&)> make;
};

double RandEI(std::mt19937& r) {
  return casecheck::In(r, 1e3, 1e7);
}
double RandL(std::mt19937& r) {
  return casecheck::In(r, 0.5, 20);
}
double RandLoad(std::mt19937& r) {
  return casecheck::SignedIn(r, 10, 1e4);
}
double Frac(std::mt19937& r, double lo, double hi) {
  return casecheck::In(r, lo, hi);
}

Piece Uniform(double from, double to, double w) {
  return {from, to, [w](double) { return w; }};
}

const std::vector<CaseDef>& Cases() {
  static const std::vector<CaseDef> cases = [] {
    std::vector<CaseDef> v;
    auto base = [](std::mt19937& r) {
      Trial t;
      t.EI = RandEI(r);
      t.L = RandL(r);
      t.in = {{S::EI, t.EI}, {S::L, t.L}};
      return t;
    };
    v.push_back({100, {S::w0}, Len::None, {S::Ra, S::Rb}, 1, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w0 = RandLoad(r);
                   t.in.push_back({S::w0, w0});
                   t.loads.dist = {Uniform(0, t.L, w0)};
                   return t;
                 }});
    v.push_back({101, {S::w0}, Len::None, {S::Ra, S::Rb, S::xC}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w0 = RandLoad(r);
                   t.in.push_back({S::w0, w0});
                   t.loads.dist = {Uniform(0, t.L / 2, w0)};
                   t.borders = {t.L / 2};
                   return t;
                 }});
    v.push_back({102, {S::w0}, Len::A, {S::Ra, S::Rb, S::xC}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w0 = RandLoad(r), a = t.L * Frac(r, 0.05, 0.95);
                   t.in.insert(t.in.end(), {{S::w0, w0}, {S::a, a}});
                   t.loads.dist = {Uniform(0, a, w0)};
                   t.borders = {a};
                   return t;
                 }});
    v.push_back(
        {103, {S::w0}, Len::SumAB, {S::Ra, S::Rb, S::c, S::xC, S::xD}, 0, [=](std::mt19937& r) {
           Trial t = base(r);
           const double w0 = RandLoad(r), a = t.L * Frac(r, 0.05, 0.45),
                        b = t.L * Frac(r, 0.05, 0.45);
           t.in.insert(t.in.end(), {{S::w0, w0}, {S::a, a}, {S::b, b}});
           t.loads.dist = {Uniform(a, a + b, w0)};
           t.borders = {a, a + b};
           return t;
         }});
    v.push_back({104,
                 {S::w1, S::w2},
                 Len::SumAC,
                 {S::Ra, S::Rb, S::xC, S::xD, S::b},
                 0,
                 [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w1 = RandLoad(r), w2 = RandLoad(r), a = t.L * Frac(r, 0.05, 0.45),
                                c = t.L * Frac(r, 0.05, 0.45);
                   t.in.insert(t.in.end(), {{S::w1, w1}, {S::w2, w2}, {S::a, a}, {S::c, c}});
                   t.loads.dist = {Uniform(0, a, w1), Uniform(t.L - c, t.L, w2)};
                   t.borders = {a, t.L - c};
                   return t;
                 }});
    v.push_back({105, {S::w0}, Len::None, {S::Ra, S::Rb}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w0 = RandLoad(r), L = t.L;
                   t.in.push_back({S::w0, w0});
                   t.loads.dist = {{0, L, [=](double s) { return w0 * s / L; }}};
                   return t;
                 }});
    v.push_back({106, {S::w0}, Len::None, {S::Ra, S::Rb, S::xC}, 1, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double w0 = RandLoad(r), L = t.L;
                   t.in.push_back({S::w0, w0});
                   t.loads.dist = {{0, L / 2, [=](double s) { return w0 * 2 * s / L; }},
                                   {L / 2, L, [=](double s) { return w0 * 2 * (L - s) / L; }}};
                   t.borders = {L / 2};
                   return t;
                 }});
    v.push_back(
        {107, {S::w0}, Len::None, {S::Ra, S::Rb}, 1, [=](std::mt19937& r) {
           Trial t = base(r);
           const double w0 = RandLoad(r), L = t.L;
           t.in.push_back({S::w0, w0});
           t.loads.dist = {{0, L, [=](double s) { return w0 * std::sin(kPi * s / L); }, 16}};
           return t;
         }});
    v.push_back({108, {S::P}, Len::None, {S::Ra, S::Rb, S::xC}, 1, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double P = RandLoad(r);
                   t.in.push_back({S::P, P});
                   t.loads.points = {{t.L / 2, P}};
                   t.borders = {t.L / 2};
                   return t;
                 }});
    v.push_back({109, {S::P}, Len::A, {S::Ra, S::Rb, S::xC, S::b}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double P = RandLoad(r), a = t.L * Frac(r, 0.05, 0.95);
                   t.in.insert(t.in.end(), {{S::P, P}, {S::a, a}});
                   t.loads.points = {{a, P}};
                   t.borders = {a};
                   return t;
                 }});
    v.push_back({110, {S::P}, Len::TwoA, {S::Ra, S::Rb, S::xC, S::xD}, 1, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double P = RandLoad(r), a = t.L * Frac(r, 0.05, 0.45);
                   t.in.insert(t.in.end(), {{S::P, P}, {S::a, a}});
                   t.loads.points = {{a, P}, {t.L - a, P}};
                   t.borders = {a, t.L - a};
                   return t;
                 }});
    v.push_back({111, {S::P}, Len::SumAB, {S::Ra, S::Rb, S::xC, S::xD}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double P = RandLoad(r), a = t.L * Frac(r, 0.05, 0.45),
                                b = t.L * Frac(r, 0.05, 0.45);
                   t.in.insert(t.in.end(), {{S::P, P}, {S::a, a}, {S::b, b}});
                   t.loads.points = {{a, P}, {t.L - b, P}};
                   t.borders = {a, t.L - b};
                   return t;
                 }});
    v.push_back(
        {112, {S::P1, S::P2}, Len::SumAB, {S::Ra, S::Rb, S::xC, S::xD}, 0, [=](std::mt19937& r) {
           Trial t = base(r);
           const double P1 = RandLoad(r), P2 = RandLoad(r), a = t.L * Frac(r, 0.05, 0.45),
                        b = t.L * Frac(r, 0.05, 0.45);
           t.in.insert(t.in.end(), {{S::P1, P1}, {S::P2, P2}, {S::a, a}, {S::b, b}});
           t.loads.points = {{a, P1}, {t.L - b, P2}};
           t.borders = {a, t.L - b};
           return t;
         }});
    // Couples: the load model holds mark x value, counterclockwise.
    v.push_back({113, {S::M0}, Len::None, {S::Ra, S::Rb, S::sM0}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double M0 = RandLoad(r);
                   t.in.push_back({S::M0, M0});
                   t.loads.couples = {{t.L, M0}};
                   return t;
                 }});
    v.push_back({114, {S::M0}, Len::None, {S::Ra, S::Rb, S::sM0}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double M0 = RandLoad(r);
                   t.in.push_back({S::M0, M0});
                   t.loads.couples = {{0, M0}};
                   return t;
                 }});
    v.push_back({115, {S::M0}, Len::None, {S::Ra, S::Rb, S::sM0}, 0, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double M0 = RandLoad(r);
                   t.in.push_back({S::M0, M0});
                   t.loads.couples = {{0, -M0}};
                   return t;
                 }});
    v.push_back({116, {S::M0}, Len::None, {S::Ra, S::Rb, S::xC, S::sM0}, -1, [=](std::mt19937& r) {
                   Trial t = base(r);
                   const double M0 = RandLoad(r);
                   t.in.push_back({S::M0, M0});
                   t.loads.couples = {{t.L / 2, M0}};
                   t.borders = {t.L / 2};
                   return t;
                 }});
    v.push_back(
        {117, {S::M0}, Len::A, {S::Ra, S::Rb, S::xC, S::b, S::sM0}, 0, [=](std::mt19937& r) {
           Trial t = base(r);
           const double M0 = RandLoad(r), a = t.L * Frac(r, 0.05, 0.95);
           t.in.insert(t.in.end(), {{S::M0, M0}, {S::a, a}});
           t.loads.couples = {{a, M0}};
           t.borders = {a};
           return t;
         }});
    v.push_back(
        {118, {S::M1, S::M2}, Len::None, {S::Ra, S::Rb, S::sM1, S::sM2}, 0, [=](std::mt19937& r) {
           Trial t = base(r);
           const double M1 = RandLoad(r), M2 = RandLoad(r);
           t.in.insert(t.in.end(), {{S::M1, M1}, {S::M2, M2}});
           t.loads.couples = {{0, M1}, {t.L, -M2}};
           return t;
         }});
    v.push_back(
        {119, {S::M1, S::M2}, Len::None, {S::Ra, S::Rb, S::sM1, S::sM2}, 0, [=](std::mt19937& r) {
           Trial t = base(r);
           const double M1 = RandLoad(r), M2 = RandLoad(r);
           t.in.insert(t.in.end(), {{S::M1, M1}, {S::M2, M2}});
           t.loads.couples = {{0, M1}, {t.L, M2}};
           return t;
         }});
    v.push_back(
        {120, {S::M0}, Len::None, {S::Ra, S::Rb, S::sM0A, S::sM0B}, 1, [=](std::mt19937& r) {
           Trial t = base(r);
           const double M0 = RandLoad(r);
           t.in.push_back({S::M0, M0});
           t.loads.couples = {{0, -M0}, {t.L, M0}};
           return t;
         }});
    return v;
  }();
  return cases;
}

// ---------------------------------------------------------------------------
// Small helpers.

void Load(const InputList& in) {
  for (double& d : Vigas::Datos) d = Vigas::SinValor;
  for (const auto& [slot, value] : in) Vigas::Datos[slot] = value;
}

AtX RunCase(int code, const InputList& in, double x, bool completo = false) {
  Load(in);
  return Eval(code, x, completo);
}

double Get(const InputList& in, int slot) {
  for (const auto& [s, v] : in)
    if (s == slot) return v;
  ADD_FAILURE() << "slot " << slot << " not among the inputs";
  return 0;
}

InputList With(InputList in, int slot, double value) {
  for (auto& [s, v] : in)
    if (s == slot) {
      v = value;
      return in;
    }
  in.push_back({slot, value});
  return in;
}

std::string Where(int code, double x) {
  std::ostringstream os;
  os.precision(17);
  os << "code " << code << " x " << x;
  return os.str();
}

void ExpectClose(const AtX& got, const AtX& want, const Scales& sc, double rel,
                 const std::string& what) {
  ASSERT_TRUE(got.ok) << what;
  EXPECT_NEAR(got.Y, want.Y, rel * sc.Y) << what << " (Y)";
  EXPECT_NEAR(got.Theta, want.Theta, rel * sc.T) << what << " (Theta)";
  EXPECT_NEAR(got.M, want.M, rel * sc.M) << what << " (M)";
  EXPECT_NEAR(got.V, want.V, rel * sc.V) << what << " (V)";
}

AtX Mirror(AtX r) {
  r.Theta = -r.Theta;
  r.V = -r.V;
  return r;
}
AtX Plus(const AtX& a, const AtX& b) {
  return {a.Y + b.Y, a.Theta + b.Theta, a.M + b.M, a.V + b.V, a.ok && b.ok};
}
AtX Times(const AtX& a, double k) {
  return {a.Y * k, a.Theta * k, a.M * k, a.V * k, a.ok};
}

// A random position inside (0, L) at least 1e-4 L away from every border.
double XAwayFromBorders(std::mt19937& r, const Trial& t) {
  for (;;) {
    const double x = t.L * Frac(r, 0.001, 0.999);
    bool far = true;
    for (double b : t.borders) far = far && std::fabs(x - b) > 1e-4 * t.L;
    for (double b : t.borders) far = far && std::fabs((t.L - x) - b) > 1e-4 * t.L;
    if (far) return x;
  }
}

constexpr int kTrials = 12;

// ---------------------------------------------------------------------------

TEST(SimpleBeam, AgreesWithIndependentStatics) {
  std::mt19937 rng(1051);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Statics st(t.L, t.EI, t.loads);
      const Scales sc = ScalesOf(st.Magnitude(), t.L, t.EI);
      Load(t.in);
      for (int k = 0; k < 6; ++k) {
        const double x = XAwayFromBorders(rng, t);
        const AtX r = Eval(cd.code, x);
        const AtX want{st.Y(x), st.Theta(x), st.M(x), st.V(x), true};
        ExpectClose(r, want, sc, 1e-9, Where(cd.code, x));
      }
    }
  }
}

TEST(SimpleBeam, BoundaryConditions) {
  std::mt19937 rng(1052);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Statics st(t.L, t.EI, t.loads);
      const Scales sc = ScalesOf(st.Magnitude(), t.L, t.EI);
      // A couple at an end sets M there: -C at A, +C at B (C counterclockwise).
      double mA = 0, mB = 0;
      for (const auto& [pos, C] : t.loads.couples) {
        if (pos == 0) mA -= C;
        if (pos == t.L) mB += C;
      }
      Load(t.in);
      const AtX a = Eval(cd.code, 0), b = Eval(cd.code, t.L);
      ASSERT_TRUE(a.ok && b.ok) << cd.code;
      EXPECT_NEAR(a.Y, 0, 1e-12 * sc.Y) << Where(cd.code, 0);
      EXPECT_NEAR(b.Y, 0, 1e-12 * sc.Y) << Where(cd.code, t.L);
      EXPECT_NEAR(a.M, mA, 1e-12 * sc.M) << Where(cd.code, 0);
      EXPECT_NEAR(b.M, mB, 1e-12 * sc.M) << Where(cd.code, t.L);
      // The end slopes match the statics model too (free rotation, not zero).
      EXPECT_NEAR(a.Theta, st.Theta(0), 1e-9 * sc.T) << Where(cd.code, 0);
      EXPECT_NEAR(b.Theta, st.Theta(t.L), 1e-9 * sc.T) << Where(cd.code, t.L);
    }
  }
}

TEST(SimpleBeam, EquilibriumAndEndShears) {
  std::mt19937 rng(1053);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Statics st(t.L, t.EI, t.loads);
      const double S = st.Magnitude();
      Load(t.in);
      const AtX r = Eval(cd.code, t.L * Frac(rng, 0, 1), true);
      ASSERT_TRUE(r.ok) << cd.code;
      const double Ra = Vigas::Datos[S::Ra], Rb = Vigas::Datos[S::Rb];
      EXPECT_NEAR(Ra + Rb, st.Total(), 1e-12 * S) << cd.code << ": vertical equilibrium";
      EXPECT_NEAR(Rb * t.L - st.LoadMomentA() + st.SumCouples(), 0, 1e-12 * S * t.L)
          << cd.code << ": moments about A";
      // V just right of A is Ra; V at B is -Rb.
      EXPECT_NEAR(Eval(cd.code, 0).V, Ra, 1e-12 * S) << cd.code;
      EXPECT_NEAR(Eval(cd.code, t.L).V, -Rb, 1e-12 * S) << cd.code;
    }
  }
}

TEST(SimpleBeam, DerivativeChainAndLoadIntensity) {
  std::mt19937 rng(1054);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < 4; ++n) {
      const Trial t = cd.make(rng);
      Load(t.in);
      std::vector<double> ends{0};
      ends.insert(ends.end(), t.borders.begin(), t.borders.end());
      ends.push_back(t.L);
      const double S = Statics(t.L, t.EI, t.loads).Magnitude();
      for (size_t i = 0; i + 1 < ends.size(); ++i) {
        casecheck::ExpectDerivativeChain(cd.code, t.EI, ends[i], ends[i + 1]);
        // -dV/dx is the load intensity of the model inside the interval.
        const double lo = ends[i], hi = ends[i + 1], h = (hi - lo) * 1e-4;
        for (int k = 1; k <= 5; ++k) {
          const double x = lo + (hi - lo) * k / 6.0;
          double w = 0;
          for (const Piece& p : t.loads.dist)
            if (x > p.from && x < p.to) w += p.w(x);
          const double dV = (Eval(cd.code, x + h).V - Eval(cd.code, x - h).V) / (2 * h);
          EXPECT_NEAR(-dV, w, 1e-6 * S / t.L) << Where(cd.code, x);
        }
      }
    }
  }
}

TEST(SimpleBeam, ContinuityAndJumpsAtBorders) {
  std::mt19937 rng(1055);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Statics st(t.L, t.EI, t.loads);
      const Scales sc = ScalesOf(st.Magnitude(), t.L, t.EI);
      Load(t.in);
      for (double border : t.borders) {
        double dV = 0, dM = 0;
        for (const auto& [pos, P] : t.loads.points)
          if (pos == border) dV -= P;
        for (const auto& [pos, C] : t.loads.couples)
          if (pos == border) dM -= C;
        const auto [l, r] = AcrossBorder(cd.code, border, t.L);
        ASSERT_TRUE(l.ok && r.ok) << Where(cd.code, border);
        EXPECT_NEAR(r.Y - l.Y, 0, 1e-8 * sc.Y) << Where(cd.code, border);
        EXPECT_NEAR(r.Theta - l.Theta, 0, 1e-8 * sc.T) << Where(cd.code, border);
        EXPECT_NEAR(r.M - l.M, dM, 1e-7 * sc.M) << Where(cd.code, border);
        EXPECT_NEAR(r.V - l.V, dV, 1e-7 * sc.V) << Where(cd.code, border);
      }
    }
  }
}

TEST(SimpleBeam, LinearityInLoadsAndFlexibility) {
  std::mt19937 rng(1056);
  for (const CaseDef& cd : Cases()) {
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Scales sc = ScalesOf(Statics(t.L, t.EI, t.loads).Magnitude(), t.L, t.EI);
      const double x = t.L * Frac(rng, 0, 1);
      const AtX r0 = RunCase(cd.code, t.in, x, true);
      const double Ra0 = Vigas::Datos[S::Ra], Rb0 = Vigas::Datos[S::Rb];
      const double k = casecheck::SignedIn(rng, 0.25, 4);
      InputList scaled = t.in;
      for (int slot : cd.loadSlots) scaled = With(scaled, slot, Get(t.in, slot) * k);
      const AtX rk = RunCase(cd.code, scaled, x, true);
      ExpectClose(
          rk, Times(r0, k),
          {sc.Y * std::fabs(k), sc.T * std::fabs(k), sc.M * std::fabs(k), sc.V * std::fabs(k)},
          1e-12, Where(cd.code, x) + " loads scaled");
      EXPECT_NEAR(Vigas::Datos[S::Ra], k * Ra0, 1e-12 * sc.V * std::fabs(k)) << cd.code;
      EXPECT_NEAR(Vigas::Datos[S::Rb], k * Rb0, 1e-12 * sc.V * std::fabs(k)) << cd.code;
      // Y and Theta go with 1/EI; M and V do not depend on EI.
      const double e = casecheck::In(rng, 0.25, 4);
      const AtX re = RunCase(cd.code, With(t.in, S::EI, t.EI * e), x);
      ExpectClose(re, {r0.Y / e, r0.Theta / e, r0.M, r0.V, true}, sc, 1e-12,
                  Where(cd.code, x) + " EI scaled");
    }
  }
}

TEST(SimpleBeam, MirrorSymmetry) {
  std::mt19937 rng(1057);
  // Cases whose load is symmetric (+1) or antisymmetric (-1) about midspan.
  for (const CaseDef& cd : Cases()) {
    if (cd.symmetry == 0) continue;
    for (int n = 0; n < kTrials; ++n) {
      const Trial t = cd.make(rng);
      const Scales sc = ScalesOf(Statics(t.L, t.EI, t.loads).Magnitude(), t.L, t.EI);
      const double x = XAwayFromBorders(rng, t);
      Load(t.in);
      const AtX l = Eval(cd.code, x), r = Eval(cd.code, t.L - x);
      const AtX want = cd.symmetry > 0 ? Mirror(l) : Times(Mirror(l), -1);
      ExpectClose(r, want, sc, 1e-10, Where(cd.code, x) + " mirrored");
    }
  }
  // Pairs that are each other's mirror image: the reflection moves a load at p
  // to L - p and turns a counterclockwise couple into a clockwise one.
  for (int n = 0; n < kTrials; ++n) {
    const double EI = RandEI(rng), L = RandL(rng), x = L * Frac(rng, 0.01, 0.99);
    const double q = RandLoad(rng), q2 = RandLoad(rng), a = L * Frac(rng, 0.1, 0.4),
                 b = L * Frac(rng, 0.1, 0.4);
    const InputList base{{S::EI, EI}, {S::L, L}};
    const Scales sc = ScalesOf(std::fabs(q) + std::fabs(q2), L, EI);
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    auto pair = [&](int c1, const InputList& i1, int c2, const InputList& i2, const char* what) {
      ExpectClose(RunCase(c2, i2, L - x), Mirror(RunCase(c1, i1, x)), sc, 1e-10,
                  std::string(what) + " " + Where(c1, x));
    };
    pair(113, in({{S::M0, q}}), 115, in({{S::M0, q}}), "113/115");
    pair(114, in({{S::M0, q}}), 113, in({{S::M0, -q}}), "114/113");
    pair(109, in({{S::P, q}, {S::a, a}}), 109, in({{S::P, q}, {S::a, L - a}}), "109");
    pair(112, in({{S::P1, q}, {S::P2, q2}, {S::a, a}, {S::b, b}}), 112,
         in({{S::P1, q2}, {S::P2, q}, {S::a, b}, {S::b, a}}), "112");
    pair(117, in({{S::M0, q}, {S::a, a}}), 117, in({{S::M0, -q}, {S::a, L - a}}), "117");
    pair(118, in({{S::M1, q}, {S::M2, q2}}), 118, in({{S::M1, q2}, {S::M2, q}}), "118");
    pair(119, in({{S::M1, q}, {S::M2, q2}}), 119, in({{S::M1, -q2}, {S::M2, -q}}), "119");
    const Scales scw = ScalesOf((std::fabs(q) + std::fabs(q2)) * L, L, EI);
    auto pairw = [&](int c1, const InputList& i1, int c2, const InputList& i2, const char* what) {
      ExpectClose(RunCase(c2, i2, L - x), Mirror(RunCase(c1, i1, x)), scw, 1e-10,
                  std::string(what) + " " + Where(c1, x));
    };
    pairw(102, in({{S::w0, q}, {S::a, a}}), 104,
          in({{S::w1, 0.0}, {S::w2, q}, {S::a, 0.0}, {S::c, a}}), "102/104");
    pairw(103, in({{S::w0, q}, {S::a, a}, {S::b, b}}), 103,
          in({{S::w0, q}, {S::a, L - a - b}, {S::b, b}}), "103");
    pairw(104, in({{S::w1, q}, {S::w2, q2}, {S::a, a}, {S::c, b}}), 104,
          in({{S::w1, q2}, {S::w2, q}, {S::a, b}, {S::c, a}}), "104");
  }
}

TEST(SimpleBeam, SuperpositionAndSpecialisations) {
  std::mt19937 rng(1058);
  for (int n = 0; n < kTrials; ++n) {
    const double EI = RandEI(rng), L = RandL(rng);
    const double q = RandLoad(rng), q2 = RandLoad(rng), a = L * Frac(rng, 0.1, 0.4),
                 b = L * Frac(rng, 0.1, 0.4);
    const InputList base{{S::EI, EI}, {S::L, L}};
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    const Scales sp = ScalesOf(std::fabs(q) + std::fabs(q2), L, EI);
    const Scales sw = ScalesOf((std::fabs(q) + std::fabs(q2)) * L, L, EI);
    for (int k = 0; k < 4; ++k) {
      double x = L * Frac(rng, 0.01, 0.99);
      // Keep away from every load point used below.
      for (double p : {a, L - a, L - b, L / 2, L - a - b})
        if (std::fabs(x - p) < 1e-3 * L) x += 2e-3 * L;
      const std::string w = Where(0, x);
      // Two point loads are the sum of one-load cases.
      ExpectClose(RunCase(112, in({{S::P1, q}, {S::P2, q2}, {S::a, a}, {S::b, b}}), x),
                  Plus(RunCase(109, in({{S::P, q}, {S::a, a}}), x),
                       RunCase(109, in({{S::P, q2}, {S::a, L - b}}), x)),
                  sp, 1e-10, "112 = 109 + 109 " + w);
      ExpectClose(RunCase(111, in({{S::P, q}, {S::a, a}, {S::b, b}}), x),
                  RunCase(112, in({{S::P1, q}, {S::P2, q}, {S::a, a}, {S::b, b}}), x), sp, 0,
                  "111 = 112 " + w);
      ExpectClose(RunCase(110, in({{S::P, q}, {S::a, a}}), x),
                  RunCase(111, in({{S::P, q}, {S::a, a}, {S::b, a}}), x), sp, 1e-10,
                  "110 = 111 " + w);
      ExpectClose(RunCase(108, in({{S::P, q}}), x), RunCase(109, in({{S::P, q}, {S::a, L / 2}}), x),
                  sp, 1e-10, "108 = 109 " + w);
      // Distributed loads.
      ExpectClose(RunCase(104, in({{S::w1, q}, {S::w2, q2}, {S::a, a}, {S::c, b}}), x),
                  Plus(RunCase(102, in({{S::w0, q}, {S::a, a}}), x),
                       RunCase(103, in({{S::w0, q2}, {S::a, L - b}, {S::b, b}}), x)),
                  sw, 1e-10, "104 = 102 + 103 " + w);
      ExpectClose(RunCase(101, in({{S::w0, q}}), x),
                  RunCase(102, in({{S::w0, q}, {S::a, L / 2}}), x), sw, 1e-10, "101 = 102 " + w);
      ExpectClose(RunCase(100, in({{S::w0, q}}), x), RunCase(102, in({{S::w0, q}, {S::a, L}}), x),
                  sw, 1e-10, "100 = 102 " + w);
      ExpectClose(RunCase(100, in({{S::w0, q}}), x),
                  RunCase(103, in({{S::w0, q}, {S::a, 0.0}, {S::b, L}}), x), sw, 1e-10,
                  "100 = 103 " + w);
      // Couples.
      ExpectClose(RunCase(119, in({{S::M1, q}, {S::M2, q2}}), x),
                  Plus(RunCase(114, in({{S::M0, q}}), x), RunCase(113, in({{S::M0, q2}}), x)), sp,
                  1e-10, "119 = 114 + 113 " + w);
      ExpectClose(RunCase(118, in({{S::M1, q}, {S::M2, q2}}), x),
                  Plus(RunCase(114, in({{S::M0, q}}), x), RunCase(113, in({{S::M0, -q2}}), x)), sp,
                  1e-10, "118 = 114 + 113 " + w);
      ExpectClose(RunCase(120, in({{S::M0, q}}), x),
                  Plus(RunCase(114, in({{S::M0, -q}}), x), RunCase(113, in({{S::M0, q}}), x)), sp,
                  1e-10, "120 = 114 + 113 " + w);
      ExpectClose(RunCase(116, in({{S::M0, q}}), x),
                  RunCase(117, in({{S::M0, q}, {S::a, L / 2}}), x), sp, 1e-10, "116 = 117 " + w);
    }
  }
}

TEST(SimpleBeam, TextbookValues) {
  const double EI = 2.5e6, L = 6.4, w = 1200, P = 3500, M0 = 900;
  const double tol = 1e-12;
  auto near = [&](double got, double want, const char* what) {
    EXPECT_NEAR(got, want, tol * std::fabs(want) + 1e-300) << what;
  };
  // 100: 5wL^4/384EI, wL^2/8, wL/2.
  Load({{S::EI, EI}, {S::L, L}, {S::w0, w}});
  AtX r = Eval(100, L / 2, true);
  near(r.Y, -5 * w * L * L * L * L / (384 * EI), "100 Y mid");
  near(r.M, w * L * L / 8, "100 M mid");
  near(Vigas::Datos[S::Ra], w * L / 2, "100 Ra");
  // 101: 3/8 and 1/8 reactions, Mmax = 9wL^2/128 at 3L/8.
  Load({{S::EI, EI}, {S::L, L}, {S::w0, w}});
  r = Eval(101, 3 * L / 8, true);
  near(Vigas::Datos[S::Ra], 3 * w * L / 8, "101 Ra");
  near(Vigas::Datos[S::Rb], w * L / 8, "101 Rb");
  near(r.M, 9 * w * L * L / 128, "101 Mmax");
  EXPECT_NEAR(r.V, 0, 1e-12 * w * L);
  // 102: Rb = wa^2/2L, Mmax = Ra^2/2w at x = Ra/w.
  {
    const double a = 2.2;
    Load({{S::EI, EI}, {S::L, L}, {S::w0, w}, {S::a, a}});
    Eval(102, 0, true);
    const double Ra = Vigas::Datos[S::Ra];
    near(Vigas::Datos[S::Rb], w * a * a / (2 * L), "102 Rb");
    near(Ra, w * a * (2 * L - a) / (2 * L), "102 Ra");
    near(Eval(102, Ra / w).M, Ra * Ra / (2 * w), "102 Mmax");
  }
  // 103: Ra = wb(2c+b)/2L, Mmax = Ra(a + Ra/2w) at x = a + Ra/w.
  {
    const double a = 1.5, b = 2.5, c = L - a - b;
    Load({{S::EI, EI}, {S::L, L}, {S::w0, w}, {S::a, a}, {S::b, b}});
    Eval(103, 0, true);
    const double Ra = Vigas::Datos[S::Ra];
    near(Ra, w * b * (2 * c + b) / (2 * L), "103 Ra");
    near(Eval(103, a + Ra / w).M, Ra * (a + Ra / (2 * w)), "103 Mmax");
  }
  // 105: Ra = wL/6, Rb = wL/3, Mmax = wL^2/(9 sqrt 3) at L/sqrt 3,
  // Ymax = 0.00652 wL^4/EI at 0.5193 L.
  Load({{S::EI, EI}, {S::L, L}, {S::w0, w}});
  Eval(105, 0, true);
  near(Vigas::Datos[S::Ra], w * L / 6, "105 Ra");
  near(Vigas::Datos[S::Rb], w * L / 3, "105 Rb");
  near(Eval(105, L / std::sqrt(3.0)).M, w * L * L / (9 * std::sqrt(3.0)), "105 Mmax");
  {
    const double xm = L * std::sqrt(1 - std::sqrt(8.0 / 15));
    EXPECT_NEAR(xm / L, 0.5193, 1e-4);
    const AtX m = Eval(105, xm);
    EXPECT_NEAR(m.Theta, 0, 1e-12 * w * L * L * L / EI);
    EXPECT_NEAR(m.Y / (w * L * L * L * L / EI), -0.00652, 0.00001);
  }
  // 106: Y mid = wL^4/120EI, M mid = wL^2/12, Theta A = 5wL^3/192EI.
  Load({{S::EI, EI}, {S::L, L}, {S::w0, w}});
  r = Eval(106, L / 2, true);
  near(r.Y, -w * L * L * L * L / (120 * EI), "106 Y mid");
  near(r.M, w * L * L / 12, "106 M mid");
  near(Eval(106, 0).Theta, -5 * w * L * L * L / (192 * EI), "106 Theta A");
  near(Vigas::Datos[S::Ra], w * L / 4, "106 Ra");
  // 107: Y mid = wL^4/(pi^4 EI), M mid = wL^2/pi^2, Ra = wL/pi.
  Load({{S::EI, EI}, {S::L, L}, {S::w0, w}});
  r = Eval(107, L / 2, true);
  near(r.Y, -w * std::pow(L / kPi, 4) / EI, "107 Y mid");
  near(r.M, w * L * L / (kPi * kPi), "107 M mid");
  near(Vigas::Datos[S::Ra], w * L / kPi, "107 Ra");
  // 108: PL^3/48EI, PL/4, Theta A = PL^2/16EI.
  Load({{S::EI, EI}, {S::L, L}, {S::P, P}});
  r = Eval(108, L / 2, true);
  near(r.Y, -P * L * L * L / (48 * EI), "108 Y mid");
  near(r.M, P * L / 4, "108 M mid");
  near(Eval(108, 0).Theta, -P * L * L / (16 * EI), "108 Theta A");
  // 109: Y at load = Pa^2b^2/3EIL, M = Pab/L.
  {
    const double a = 2.0, b = L - a;
    Load({{S::EI, EI}, {S::L, L}, {S::P, P}, {S::a, a}});
    r = Eval(109, a);
    near(r.Y, -P * a * a * b * b / (3 * EI * L), "109 Y at load");
    near(r.M, P * a * b / L, "109 M at load");
  }
  // 110: Y mid = Pa(3L^2 - 4a^2)/24EI, M = Pa.
  {
    const double a = 1.6;
    Load({{S::EI, EI}, {S::L, L}, {S::P, P}, {S::a, a}});
    r = Eval(110, L / 2);
    near(r.Y, -P * a * (3 * L * L - 4 * a * a) / (24 * EI), "110 Y mid");
    near(r.M, P * a, "110 M mid");
  }
  // 113: end slopes ML/6EI and ML/3EI, Ymax = ML^2/(9 sqrt 3 EI) at L/sqrt 3.
  Load({{S::EI, EI}, {S::L, L}, {S::M0, M0}});
  near(Eval(113, 0).Theta, -M0 * L / (6 * EI), "113 Theta A");
  near(Eval(113, L).Theta, M0 * L / (3 * EI), "113 Theta B");
  near(Eval(113, L / std::sqrt(3.0)).Y, -M0 * L * L / (9 * std::sqrt(3.0) * EI), "113 Ymax");
  // 116: Ymax = ML^2/(72 sqrt 3 EI) at L/(2 sqrt 3), end slopes ML/24EI.
  Load({{S::EI, EI}, {S::L, L}, {S::M0, M0}});
  near(Eval(116, L / (2 * std::sqrt(3.0))).Y, -M0 * L * L / (72 * std::sqrt(3.0) * EI), "116 Ymax");
  near(Eval(116, 0).Theta, -M0 * L / (24 * EI), "116 Theta A");
  // 120: Y mid = ML^2/8EI, end slopes ML/2EI.
  Load({{S::EI, EI}, {S::L, L}, {S::M0, M0}});
  near(Eval(120, L / 2).Y, -M0 * L * L / (8 * EI), "120 Y mid");
  near(Eval(120, 0).Theta, -M0 * L / (2 * EI), "120 Theta A");
}

// Exact values set at special points instead of the formulas' rounding residue,
// and inputs passed through unchanged; over many inputs, since the residue is
// often zero by itself.
TEST(SimpleBeam, ExactValuesAtSpecialPoints) {
  std::mt19937 rng(1065);
  for (int n = 0; n < 400; ++n) {
    const double EI = RandEI(rng), L = RandL(rng), q = RandLoad(rng), q2 = RandLoad(rng);
    const double a = L * Frac(rng, 0.05, 0.45), c = L * Frac(rng, 0.05, 0.45);
    const InputList base{{S::EI, EI}, {S::L, L}};
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    EXPECT_EQ(RunCase(104, in({{S::w1, q}, {S::w2, q2}, {S::a, a}, {S::c, c}}), L).Y, 0);
    EXPECT_EQ(RunCase(111, in({{S::P, q}, {S::a, a}, {S::b, c}}), L).Y, 0);
    EXPECT_EQ(RunCase(112, in({{S::P1, q}, {S::P2, q2}, {S::a, a}, {S::b, c}}), L).Y, 0);
    Load(in({{S::w0, q}}));
    EXPECT_EQ(Eval(107, L).Y, 0);
    EXPECT_EQ(Eval(107, L).M, 0);
    EXPECT_EQ(Eval(107, L / 2).Theta, 0);
    EXPECT_EQ(Eval(107, L / 2).V, 0);
    EXPECT_EQ(RunCase(110, in({{S::P, q}, {S::a, a}}), L * Frac(rng, 0.45, 0.55)).V, 0);
    const double x = L * Frac(rng, 0, 1);
    EXPECT_EQ(RunCase(120, in({{S::M0, q}}), x).M, q) << "M = M0, the input itself";
    EXPECT_EQ(RunCase(120, in({{S::M0, q}}), x).V, 0);
  }
}

// Worked values for the distributed loads.
TEST(SimpleBeam, DistributedLoadEdgeCases) {
  std::mt19937 rng(1059);
  // 100 worked example.
  Load({{S::EI, 2100000}, {S::L, 7}, {S::w0, 3}});
  AtX r = Eval(100, 3.5, true);
  ASSERT_TRUE(r.ok);
  EXPECT_NEAR(r.Y, -4.46614583e-5, 0.000000005e-5);
  EXPECT_DOUBLE_EQ(r.Y, -5 * 3 * 2401.0 / (384 * 2100000));
  EXPECT_EQ(r.Theta, 0);
  EXPECT_DOUBLE_EQ(r.M, 18.375);
  EXPECT_EQ(r.V, 0);
  EXPECT_DOUBLE_EQ(Vigas::Datos[S::Ra], 10.5);
  EXPECT_DOUBLE_EQ(Vigas::Datos[S::Rb], 10.5);

  for (int n = 0; n < kTrials; ++n) {
    const double EI = RandEI(rng), L = RandL(rng), w0 = RandLoad(rng), w2 = RandLoad(rng);
    const double a = L * Frac(rng, 0.1, 0.9), b = L * Frac(rng, 0.05, 0.9) * (L - a) / L;
    const Scales sc = ScalesOf(std::fabs(w0) * L, L, EI);
    const InputList base{{S::EI, EI}, {S::L, L}};
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    // 101 at x = L/2 uses the right-hand interval: V = -w0 L/8.
    EXPECT_EQ(RunCase(101, in({{S::w0, w0}}), L / 2).V, -w0 * L / 8);
    // 102 at x = a uses the right-hand interval.
    r = RunCase(102, in({{S::w0, w0}, {S::a, a}}), a);
    EXPECT_EQ(r.M, w0 * a * a * (L - a) / (2 * L));
    EXPECT_EQ(r.V, -w0 * a * a / (2 * L));
    // 102 with a = 0: nothing at all.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      r = RunCase(102, in({{S::w0, w0}, {S::a, 0.0}}), x, true);
      ASSERT_TRUE(r.ok);
      EXPECT_EQ(r.Y, 0);
      EXPECT_EQ(r.Theta, 0);
      EXPECT_EQ(r.M, 0);
      EXPECT_EQ(r.V, 0);
      EXPECT_EQ(Vigas::Datos[S::Ra], 0);
      EXPECT_EQ(Vigas::Datos[S::Rb], 0);
    }
    // 102 with a = L is 100, 103 with a = 0 and b = L too, at every x.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      const AtX u = RunCase(100, in({{S::w0, w0}}), x);
      ExpectClose(RunCase(102, in({{S::w0, w0}, {S::a, L}}), x), u, sc, 1e-12, "102 a=L");
      ExpectClose(RunCase(103, in({{S::w0, w0}, {S::a, 0.0}, {S::b, L}}), x), u, sc, 1e-12,
                  "103 a=0 b=L");
    }
    // 103 at x = a and at x = a + b uses the middle interval.
    {
      const double c = L - a - b, Ra = w0 * b * (2 * c + b) / (2 * L);
      const InputList i103 = in({{S::w0, w0}, {S::a, a}, {S::b, b}});
      EXPECT_EQ(RunCase(103, i103, a).V, Ra - w0 * (a - a));
      const double xe = a + b;
      EXPECT_EQ(RunCase(103, i103, xe).V, Ra - w0 * (xe - a));
      EXPECT_EQ(RunCase(103, i103, xe).M, Ra * xe - w0 * (xe - a) * (xe - a) / 2);
    }
    // 103 with a + b slightly above L (within the tolerance): accepted, c < 0.
    {
      const double bound = L * 1.00001;
      double bb = bound - a;
      while (a + bb > bound) bb = std::nextafter(bb, 0.0);
      r = RunCase(103, in({{S::w0, w0}, {S::a, a}, {S::b, bb}}), L, true);
      EXPECT_TRUE(r.ok);
      EXPECT_LT(Vigas::Datos[S::c], 0);
      EXPECT_EQ(Vigas::Datos[S::c], L - a - bb);
    }
    // 104 symmetric: a = c and w1 = w2.
    {
      const double ac = L * Frac(rng, 0.05, 0.5);
      const InputList i104 = in({{S::w1, w0}, {S::w2, w0}, {S::a, ac}, {S::c, ac}});
      RunCase(104, i104, 0, true);
      EXPECT_NEAR(Vigas::Datos[S::Ra], Vigas::Datos[S::Rb], 1e-12 * std::fabs(w0) * L);
      EXPECT_NEAR(RunCase(104, i104, L / 2).Theta, 0, 1e-10 * sc.T);
      EXPECT_NEAR(RunCase(104, i104, L / 2).V, 0, 1e-12 * sc.V);
    }
    // 104 with c = 0: w2 has no effect, and x = L falls in the middle interval.
    {
      const InputList i0 = in({{S::w1, w0}, {S::w2, 0.0}, {S::a, a}, {S::c, 0.0}});
      const InputList i2 = in({{S::w1, w0}, {S::w2, w2}, {S::a, a}, {S::c, 0.0}});
      for (double x : {0.0, a, L * Frac(rng, 0, 1), L}) {
        const AtX r0 = RunCase(104, i0, x, true), r2 = RunCase(104, i2, x, true);
        EXPECT_EQ(r0.Y, r2.Y);
        EXPECT_EQ(r0.Theta, r2.Theta);
        EXPECT_EQ(r0.M, r2.M);
        EXPECT_EQ(r0.V, r2.V);
      }
      if (a + (L - a - 0.0) == L) {
        const double Ra = (w0 * a * (2 * L - a) + w2 * 0.0 * 0.0) / (2 * L);
        EXPECT_EQ(RunCase(104, i2, L).V, Ra - w0 * a) << "x = L in the middle interval";
      }
      // and it is 102 with w0 = w1.
      const double x = L * Frac(rng, 0, 1);
      ExpectClose(RunCase(104, i2, x), RunCase(102, in({{S::w0, w0}, {S::a, a}}), x), sc, 1e-10,
                  "104 c=0");
    }
    // 104 at x = a + b (middle interval) and its exact zero at x = L.
    {
      const double c = L * Frac(rng, 0.05, 0.9) * (L - a) / L;
      const InputList i104 = in({{S::w1, w0}, {S::w2, w2}, {S::a, a}, {S::c, c}});
      const double bb = L - a - c, Ra = (w0 * a * (2 * L - a) + w2 * c * c) / (2 * L);
      EXPECT_EQ(RunCase(104, i104, a + bb).V, Ra - w0 * a);
      r = RunCase(104, i104, L);
      EXPECT_EQ(r.Y, 0);
      const double bound = L * 1.00001;
      r = RunCase(104, i104, bound);
      ASSERT_TRUE(r.ok);
      EXPECT_NE(r.Y, 0) << "no exact zero when x differs from L";
      EXPECT_NEAR(r.Y, 0, 1e-4 * sc.Y);
    }
    // 105 at x = L.
    Load(in({{S::w0, w0}}));
    r = Eval(105, L, true);
    EXPECT_NEAR(r.Y, 0, 1e-13 * sc.Y);
    EXPECT_NEAR(r.V, -w0 * L / 3, 1e-13 * sc.V);
    EXPECT_NEAR(r.V, -Vigas::Datos[S::Rb], 1e-13 * sc.V);
    // 106 at x = L/2 uses the right-hand interval: M = w0 L^2/12.
    r = RunCase(106, in({{S::w0, w0}}), L / 2);
    EXPECT_NEAR(r.M, w0 * L * L / 12, 1e-14 * sc.M);
    {
      const double u = L - L / 2;
      EXPECT_EQ(r.M, w0 * u * (3 * L * L - 4 * u * u) / (12 * L));
      EXPECT_EQ(r.V, -w0 * (L * L - 4 * u * u) / (4 * L));
    }
    // 107 exact zeros.
    Load(in({{S::w0, w0}}));
    r = Eval(107, L);
    EXPECT_EQ(r.Y, 0);
    EXPECT_EQ(r.M, 0);
    r = Eval(107, L / 2);
    EXPECT_EQ(r.Theta, 0);
    EXPECT_EQ(r.V, 0);
    EXPECT_NEAR(r.Y, -w0 * std::pow(L, 4) / (std::pow(kPi, 4) * EI), 1e-14 * sc.Y);
    r = Eval(107, 0);
    EXPECT_NEAR(r.Y, 0, 1e-15 * sc.Y);
    EXPECT_NEAR(r.V, w0 * L / kPi, 1e-14 * sc.V);
  }
}

// Worked values for the point loads.
TEST(SimpleBeam, PointLoadEdgeCases) {
  std::mt19937 rng(1060);
  for (int n = 0; n < kTrials; ++n) {
    const double EI = RandEI(rng), L = RandL(rng), P = RandLoad(rng), P2 = RandLoad(rng);
    const double a = L * Frac(rng, 0.05, 0.45), b = L * Frac(rng, 0.05, 0.45);
    const Scales sc = ScalesOf(std::fabs(P) + std::fabs(P2), L, EI);
    const InputList base{{S::EI, EI}, {S::L, L}};
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    // 108 at x = L/2: right-hand interval.
    AtX r = RunCase(108, in({{S::P, P}}), L / 2);
    EXPECT_NEAR(r.Y, -P * L * L * L / (48 * EI), 1e-14 * sc.Y);
    EXPECT_EQ(r.Theta, 0);
    EXPECT_NEAR(r.M, P * L / 4, 1e-14 * sc.M);
    EXPECT_EQ(r.V, -P / 2);
    // 109 at x = a: right-hand interval.
    EXPECT_EQ(RunCase(109, in({{S::P, P}, {S::a, a}}), a).V, -P * a / L);
    // 109 with a = 0.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      r = RunCase(109, in({{S::P, P}, {S::a, 0.0}}), x, true);
      ASSERT_TRUE(r.ok);
      EXPECT_EQ(r.Y, 0);
      EXPECT_EQ(r.Theta, 0);
      EXPECT_EQ(r.M, 0);
      EXPECT_EQ(r.V, 0);
      EXPECT_DOUBLE_EQ(Vigas::Datos[S::Ra], P);
      EXPECT_EQ(Vigas::Datos[S::Rb], 0);
      EXPECT_EQ(Vigas::Datos[S::b], L);
    }
    // 109 with a slightly above L: accepted, b slightly negative.
    {
      const double bound = L * 1.00001;
      r = RunCase(109, in({{S::P, P}, {S::a, bound}}), L * Frac(rng, 0, 1), true);
      EXPECT_TRUE(r.ok);
      EXPECT_LT(Vigas::Datos[S::b], 0);
      EXPECT_EQ(Vigas::Datos[S::b], L - bound);
    }
    // 110 at x = a and x = L - a: middle interval.
    {
      const InputList i = in({{S::P, P}, {S::a, a}});
      for (double x : {a, L - a}) {
        r = RunCase(110, i, x);
        EXPECT_EQ(r.V, 0) << Where(110, x);
        EXPECT_EQ(r.M, P * a) << Where(110, x);
      }
      // V is exactly 0 all over the middle.
      EXPECT_EQ(RunCase(110, i, L / 2 + (L / 2 - a) * Frac(rng, -0.9, 0.9)).V, 0);
    }
    // 110 with 2a = L: the middle is the single point L/2.
    {
      const InputList i = in({{S::P, P}, {S::a, L / 2}});
      r = RunCase(110, i, L / 2);
      EXPECT_EQ(r.V, 0);
      EXPECT_EQ(r.M, P * (L / 2));
      EXPECT_EQ(RunCase(110, i, L / 2 * (1 - 1e-9)).V, P);
      EXPECT_EQ(RunCase(110, i, L / 2 * (1 + 1e-9)).V, -P);
    }
    // 110 with a = 0: all zero for x from 0 to L, Ra = Rb = P.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      r = RunCase(110, in({{S::P, P}, {S::a, 0.0}}), x, true);
      ASSERT_TRUE(r.ok);
      EXPECT_EQ(r.Y, 0);
      EXPECT_EQ(r.Theta, 0);
      EXPECT_EQ(r.M, 0);
      EXPECT_EQ(r.V, 0);
      EXPECT_EQ(Vigas::Datos[S::Ra], P);
      EXPECT_EQ(Vigas::Datos[S::Rb], P);
    }
    // 111 and 112: exact zero at x = L; the load points use the middle interval.
    {
      const InputList i111 = in({{S::P, P}, {S::a, a}, {S::b, b}});
      const InputList i112 = in({{S::P1, P}, {S::P2, P2}, {S::a, a}, {S::b, b}});
      EXPECT_EQ(RunCase(111, i111, L).Y, 0);
      EXPECT_EQ(RunCase(112, i112, L).Y, 0);
      const double Ra111 = (P * (L - a) + P * b) / L, Ra112 = (P * (L - a) + P2 * b) / L;
      for (double x : {a, L - b}) {
        EXPECT_EQ(RunCase(111, i111, x).V, Ra111 - P) << Where(111, x);
        EXPECT_EQ(RunCase(112, i112, x).V, Ra112 - P) << Where(112, x);
      }
      // 112 with P2 = 0 is 109 with P = P1.
      const double x = L * Frac(rng, 0.01, 0.99);
      ExpectClose(RunCase(112, in({{S::P1, P}, {S::P2, 0.0}, {S::a, a}, {S::b, b}}), x),
                  RunCase(109, in({{S::P, P}, {S::a, a}}), x), sc, 1e-10,
                  "112 P2=0 " + Where(112, x));
      // 111 is 112 with P1 = P2 = P, bit for bit, everywhere (borders included).
      for (double xx : {0.0, a, L - b, x, L}) {
        const AtX r1 = RunCase(111, i111, xx, true);
        const double Ra1 = Vigas::Datos[S::Ra];
        const AtX r2 = RunCase(112, in({{S::P1, P}, {S::P2, P}, {S::a, a}, {S::b, b}}), xx, true);
        EXPECT_EQ(r1.Y, r2.Y);
        EXPECT_EQ(r1.Theta, r2.Theta);
        EXPECT_EQ(r1.M, r2.M);
        EXPECT_EQ(r1.V, r2.V);
        EXPECT_EQ(Ra1, Vigas::Datos[S::Ra]);
      }
    }
  }
}

// Worked values for the applied couples.
TEST(SimpleBeam, CoupleEdgeCases) {
  std::mt19937 rng(1061);
  for (int n = 0; n < kTrials; ++n) {
    const double EI = RandEI(rng), L = RandL(rng), M0 = RandLoad(rng), M2 = RandLoad(rng);
    const Scales sc = ScalesOf((std::fabs(M0) + std::fabs(M2)) / L, L, EI);
    const InputList base{{S::EI, EI}, {S::L, L}};
    auto in = [&](InputList extra) {
      InputList v = base;
      v.insert(v.end(), extra.begin(), extra.end());
      return v;
    };
    const InputList one = in({{S::M0, M0}});
    // 113 ends.
    AtX r = RunCase(113, one, L);
    EXPECT_EQ(r.Y, 0);
    EXPECT_NEAR(r.Theta, M0 * L / (3 * EI), 1e-14 * sc.T);
    EXPECT_DOUBLE_EQ(r.M, M0);
    r = RunCase(113, one, 0);
    EXPECT_NEAR(r.Theta, -M0 * L / (6 * EI), 1e-14 * sc.T);
    EXPECT_EQ(r.M, 0);
    // 114 at x = 0; 115 is 114 negated at every x, marks and reactions too.
    r = RunCase(114, one, 0);
    EXPECT_DOUBLE_EQ(r.M, -M0);
    EXPECT_NEAR(r.Theta, M0 * L / (3 * EI), 1e-14 * sc.T);
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      const AtX r4 = RunCase(114, one, x, true);
      const double Ra4 = Vigas::Datos[S::Ra], Rb4 = Vigas::Datos[S::Rb];
      const AtX r5 = RunCase(115, one, x, true);
      EXPECT_EQ(r5.Y, -r4.Y);
      EXPECT_EQ(r5.Theta, -r4.Theta);
      EXPECT_EQ(r5.M, -r4.M);
      EXPECT_EQ(r5.V, -r4.V);
      EXPECT_EQ(Vigas::Datos[S::Ra], -Ra4);
      EXPECT_EQ(Vigas::Datos[S::Rb], -Rb4);
      EXPECT_EQ(Vigas::Datos[S::sM0], -1);
    }
    // 116 at x = L/2: right-hand interval.
    r = RunCase(116, one, L / 2);
    EXPECT_DOUBLE_EQ(r.M, -M0 / 2);
    EXPECT_EQ(r.Y, 0);
    EXPECT_EQ(r.V, M0 / L);
    EXPECT_NEAR(RunCase(116, one, L / 2 * (1 - 1e-12)).M, M0 / 2, 1e-9 * sc.M);
    // 117 at x = a: right-hand interval.
    const double a = L * Frac(rng, 0.05, 0.95);
    r = RunCase(117, in({{S::M0, M0}, {S::a, a}}), a);
    EXPECT_EQ(r.M, -M0 * (L - a) / L);
    // 117 with a = L/2 is 116; with a = L it is 113 except M at L.
    for (double x : {0.0, L * Frac(rng, 0, 1), L / 2, L}) {
      ExpectClose(RunCase(117, in({{S::M0, M0}, {S::a, L / 2}}), x), RunCase(116, one, x), sc,
                  1e-12, "117 a=L/2 " + Where(117, x));
      const AtX r7 = RunCase(117, in({{S::M0, M0}, {S::a, L}}), x), r3 = RunCase(113, one, x);
      EXPECT_NEAR(r7.Y, r3.Y, 1e-12 * sc.Y) << Where(117, x);
      EXPECT_NEAR(r7.Theta, r3.Theta, 1e-12 * sc.T) << Where(117, x);
      EXPECT_NEAR(r7.V, r3.V, 1e-12 * sc.V) << Where(117, x);
      if (x < L)
        EXPECT_NEAR(r7.M, r3.M, 1e-12 * sc.M) << Where(117, x);
      else
        EXPECT_EQ(r7.M, 0) << "117 with a = L: M at L is 0, not M0";
    }
    // "b" = L - a written back, slightly negative for a just above L.
    RunCase(117, in({{S::M0, M0}, {S::a, a}}), 0, true);
    EXPECT_EQ(Vigas::Datos[S::b], L - a);
    EXPECT_TRUE(RunCase(117, in({{S::M0, M0}, {S::a, L * 1.00001}}), L, true).ok);
    EXPECT_LT(Vigas::Datos[S::b], 0);
    // 118 and 119 with M2 = 0 are 114 with M0 = M1; 119 with M1 = 0 is 113 with M0 = M2.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      const AtX r4 = RunCase(114, one, x);
      ExpectClose(RunCase(118, in({{S::M1, M0}, {S::M2, 0.0}}), x), r4, sc, 1e-12, "118 M2=0");
      ExpectClose(RunCase(119, in({{S::M1, M0}, {S::M2, 0.0}}), x), r4, sc, 1e-12, "119 M2=0");
      ExpectClose(RunCase(119, in({{S::M1, 0.0}, {S::M2, M2}}), x),
                  RunCase(113, in({{S::M0, M2}}), x), sc, 1e-12, "119 M1=0");
    }
    // 118 with M1 = M2: V = 0, M = -M1 everywhere, no reactions.
    for (double x : {0.0, L * Frac(rng, 0, 1), L}) {
      r = RunCase(118, in({{S::M1, M0}, {S::M2, M0}}), x, true);
      EXPECT_EQ(r.V, 0);
      EXPECT_DOUBLE_EQ(r.M, -M0);
      EXPECT_EQ(Vigas::Datos[S::Ra], 0);
      EXPECT_EQ(Vigas::Datos[S::Rb], 0);
    }
    // 120: pure bending.
    double largest = 0, where = -1;
    for (int k = 0; k <= 40; ++k) {
      const double x = L * k / 40;
      r = RunCase(120, one, x, true);
      EXPECT_EQ(r.V, 0);
      EXPECT_EQ(r.M, M0);
      EXPECT_EQ(Vigas::Datos[S::Ra], 0);
      EXPECT_EQ(Vigas::Datos[S::Rb], 0);
      if (std::fabs(r.Y) > largest) largest = std::fabs(r.Y), where = x;
    }
    EXPECT_DOUBLE_EQ(where, L / 2);
    EXPECT_NEAR(RunCase(120, one, L / 2).Y, -M0 * L * L / (8 * EI), 1e-14 * sc.Y);
    // In every couple case V is the same at every x.
    const std::vector<std::pair<int, InputList>> cs = {{113, one},
                                                       {114, one},
                                                       {115, one},
                                                       {116, one},
                                                       {117, in({{S::M0, M0}, {S::a, a}})},
                                                       {118, in({{S::M1, M0}, {S::M2, M2}})},
                                                       {119, in({{S::M1, M0}, {S::M2, M2}})},
                                                       {120, one}};
    for (const auto& [code, i] : cs) {
      const double v0 = RunCase(code, i, 0).V;
      for (double x : {L * Frac(rng, 0, 1), L / 2, a, L})
        EXPECT_EQ(RunCase(code, i, x).V, v0) << code;
    }
  }
}

// The slots each case writes: results at x always; reactions, points, derived
// lengths and marks only with Completo true; nothing else.
TEST(SimpleBeam, WrittenSlots) {
  std::mt19937 rng(1062);
  for (const CaseDef& cd : Cases()) {
    const Trial t = cd.make(rng);
    const double x = t.L * Frac(rng, 0, 1);
    for (bool completo : {false, true}) {
      Load(t.in);
      Vigas::Datos[S::x] = x;
      std::vector<double> before(std::begin(Vigas::Datos), std::end(Vigas::Datos));
      Vigas::FlagError = 1;
      Vigas::CalcularCaso(cd.code, completo);
      ASSERT_EQ(Vigas::FlagError, 0) << cd.code << " clears FlagError on success";
      std::vector<int> expected{S::Y, S::Theta, S::M, S::V};
      if (completo) expected.insert(expected.end(), cd.completo.begin(), cd.completo.end());
      for (int s = 0; s < Vigas::kNumSlots; ++s) {
        const bool written = std::find(expected.begin(), expected.end(), s) != expected.end();
        if (written)
          EXPECT_NE(Vigas::Datos[s], Vigas::SinValor) << cd.code << " should write slot " << s;
        else
          EXPECT_EQ(Vigas::Datos[s], before[s]) << cd.code << " should not write slot " << s;
      }
    }
    // The values of the extra slots.
    Load(t.in);
    Eval(cd.code, x, true);
    const double L = t.L;
    std::map<int, double> want;
    switch (cd.code) {
      case 101:
      case 106:
      case 108:
      case 116:
        want[S::xC] = L / 2;
        break;
      case 102:
        want[S::xC] = Get(t.in, S::a);
        break;
      case 103:
        want[S::c] = L - Get(t.in, S::a) - Get(t.in, S::b);
        want[S::xC] = Get(t.in, S::a);
        want[S::xD] = Get(t.in, S::a) + Get(t.in, S::b);
        break;
      case 104:
        want[S::b] = L - Get(t.in, S::a) - Get(t.in, S::c);
        want[S::xC] = Get(t.in, S::a);
        want[S::xD] = L - Get(t.in, S::c);
        break;
      case 109:
        want[S::xC] = Get(t.in, S::a), want[S::b] = L - Get(t.in, S::a);
        break;
      case 110:
        want[S::xC] = Get(t.in, S::a), want[S::xD] = L - Get(t.in, S::a);
        break;
      case 111:
      case 112:
        want[S::xC] = Get(t.in, S::a), want[S::xD] = L - Get(t.in, S::b);
        break;
      case 117:
        want[S::xC] = Get(t.in, S::a), want[S::b] = L - Get(t.in, S::a);
        break;
      default:
        break;
    }
    switch (cd.code) {
      case 113:
      case 114:
      case 116:
      case 117:
        want[S::sM0] = 1;
        break;
      case 115:
        want[S::sM0] = -1;
        break;
      case 118:
        want[S::sM1] = 1, want[S::sM2] = -1;
        break;
      case 119:
        want[S::sM1] = 1, want[S::sM2] = 1;
        break;
      case 120:
        want[S::sM0A] = -1, want[S::sM0B] = 1;
        break;
      default:
        break;
    }
    for (const auto& [slot, value] : want)
      EXPECT_NEAR(Vigas::Datos[slot], value, 1e-14 * L) << cd.code << " slot " << slot;
  }
}

// Range checks and missing inputs: FlagError = 1 and not a slot changed.
TEST(SimpleBeam, RangeChecksAndMissingInputs) {
  std::mt19937 rng(1063);
  auto expectRefused = [](int code, const InputList& in, double x, const std::string& what) {
    Load(in);
    Vigas::Datos[S::x] = x;
    std::vector<double> before(std::begin(Vigas::Datos), std::end(Vigas::Datos));
    Vigas::FlagError = 0;
    Vigas::CalcularCaso(code, true);
    EXPECT_EQ(Vigas::FlagError, 1) << code << " " << what;
    for (int s = 0; s < Vigas::kNumSlots; ++s)
      ASSERT_EQ(std::memcmp(&Vigas::Datos[s], &before[s], sizeof(double)), 0)
          << code << " " << what << ": slot " << s << " changed";
  };
  auto expectAccepted = [](int code, const InputList& in, double x, const std::string& what) {
    Load(in);
    Vigas::FlagError = 1;
    const AtX r = Eval(code, x, true);
    EXPECT_TRUE(r.ok) << code << " " << what;
    EXPECT_TRUE(casecheck::AllSlotsFiniteOrMarker()) << code << " " << what;
  };
  const double up = std::numeric_limits<double>::infinity();
  for (const CaseDef& cd : Cases()) {
    const Trial t = cd.make(rng);
    const double L = t.L, bound = L * 1.00001, x = L * Frac(rng, 0, 1);
    // Each input missing in turn (x too).
    for (const auto& [slot, value] : t.in)
      expectRefused(cd.code, With(t.in, slot, Vigas::SinValor), x,
                    "missing slot " + std::to_string(slot));
    expectRefused(cd.code, t.in, Vigas::SinValor, "missing x");
    // EI and L positive.
    for (double bad : {0.0, -0.0, -1.0, -1e-300}) {
      expectRefused(cd.code, With(t.in, S::EI, bad), x, "EI <= 0");
      expectRefused(cd.code, With(t.in, S::L, bad), 0, "L <= 0");
    }
    // x within [0, L 1.00001].
    expectAccepted(cd.code, t.in, -0.0, "x = -0");
    expectAccepted(cd.code, t.in, bound, "x at its bound");
    expectRefused(cd.code, t.in, -1e-300, "x < 0");
    expectRefused(cd.code, t.in, std::nextafter(bound, up), "x above its bound");
    expectRefused(cd.code, t.in, std::nan(""), "x NaN");
    // Loads: any sign and zero pass.
    for (int slot : cd.loadSlots)
      for (double q : {0.0, -7.5, 7.5}) expectAccepted(cd.code, With(t.in, slot, q), x, "load");
    // Lengths.
    switch (cd.len) {
      case Len::None:
        break;
      case Len::A:
        expectAccepted(cd.code, With(t.in, S::a, 0.0), x, "a = 0");
        expectAccepted(cd.code, With(t.in, S::a, bound), x, "a at bound");
        expectRefused(cd.code, With(t.in, S::a, -1e-300), x, "a < 0");
        expectRefused(cd.code, With(t.in, S::a, std::nextafter(bound, up)), x, "a above bound");
        break;
      case Len::TwoA:
        expectAccepted(cd.code, With(t.in, S::a, 0.0), x, "a = 0");
        expectAccepted(cd.code, With(t.in, S::a, bound / 2), x, "2a at bound");
        expectRefused(cd.code, With(t.in, S::a, -1e-300), x, "a < 0");
        expectRefused(cd.code, With(t.in, S::a, std::nextafter(bound / 2, up)), x,
                      "2a above bound");
        expectRefused(cd.code, With(t.in, S::a, 0.6 * L), x, "a = 0.6 L");
        break;
      case Len::SumAB:
      case Len::SumAC: {
        const int second = cd.len == Len::SumAB ? S::b : S::c;
        auto two = [&](double a, double s) { return With(With(t.in, S::a, a), second, s); };
        expectAccepted(cd.code, two(0, 0), x, "a = second = 0");
        expectAccepted(cd.code, two(bound, 0), x, "a alone at bound");
        expectAccepted(cd.code, two(0, bound), x, "second alone at bound");
        expectAccepted(cd.code, two(0.25 * L, bound - 0.25 * L), x, "sum near bound");
        expectRefused(cd.code, two(-1e-300, 0.5 * L), x, "a < 0");
        expectRefused(cd.code, two(0.5 * L, -1e-300), x, "second < 0");
        expectRefused(cd.code, two(std::nextafter(bound, up), 0), x, "a above bound");
        expectRefused(cd.code, two(0, std::nextafter(bound, up)), x, "second above bound");
        expectRefused(cd.code, two(0.5 * L, 0.5 * L * 1.0001), x, "sum above bound");
        break;
      }
    }
  }
  // A value that is merely huge is not the marker: code 120 with M0 = -SinValor runs.
  Load({{S::EI, 1e300}, {S::L, 1}, {S::M0, -Vigas::SinValor}});
  EXPECT_TRUE(Eval(120, 0.5).ok);
}

// An arithmetic fault stores no infinite value and raises FlagError; the
// slots written before the fault keep their new values.
TEST(SimpleBeam, ArithmeticFaults) {
  for (const CaseDef& cd : Cases()) {
    std::mt19937 rng(1064);
    const Trial t = cd.make(rng);
    InputList huge = t.in;
    for (int slot : cd.loadSlots) huge = With(huge, slot, 1e308);
    huge = With(huge, S::EI, 1e-300);
    Load(huge);
    Eval(cd.code, t.L * 0.3, true);
    EXPECT_EQ(Vigas::FlagError, 1) << cd.code;
    EXPECT_TRUE(casecheck::AllSlotsFiniteOrMarker()) << cd.code;
  }
  // 120 at x = 0: Y = 0 is stored, then Theta overflows: Theta, M, V keep their values.
  Load({{S::EI, 1e-300}, {S::L, 4}, {S::M0, 1e10}});
  Vigas::Datos[S::Y] = 7;
  Vigas::Datos[S::Theta] = 8;
  Vigas::Datos[S::M] = 9;
  Vigas::Datos[S::Ra] = 10;
  Eval(120, 0, true);
  EXPECT_EQ(Vigas::FlagError, 1);
  EXPECT_EQ(Vigas::Datos[S::Y], 0);
  EXPECT_EQ(Vigas::Datos[S::Theta], 8);
  EXPECT_EQ(Vigas::Datos[S::M], 9);
  EXPECT_EQ(Vigas::Datos[S::Ra], 10);
  // With Completo false the reactions are not touched.
  Load({{S::EI, 1}, {S::L, 1}, {S::w0, 1}});
  Vigas::Datos[S::Ra] = 10;
  EXPECT_TRUE(Eval(105, 0.5, false).ok);
  EXPECT_EQ(Vigas::Datos[S::Ra], 10);
}

}  // namespace
