// Beam pinned at x = 0 and x = L with a free overhang beyond B (codes 500 to
// 503), checked against the physics and textbook values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "CaseChecks.h"
#include "engine/CaseFrame.h"

using namespace Vigas;
using casecheck::AtX;
using casecheck::Eval;

namespace overhang {

// A random beam of one case: forces downward positive; `end` is the free tip.
struct Beam {
  int code = 0;
  double EI = 0, L = 0, end = 0, load = 0, a = 0, c = 0;
  double total = 0, momentA = 0, tipForce = 0;
  std::vector<std::pair<double, double>> points;  // (position, force) inside the beam
  std::vector<double> borders;                    // interior interval borders
};

Beam Make(int code, std::mt19937& rng) {
  Beam s;
  s.code = code;
  s.EI = casecheck::In(rng, 1e2, 1e7);
  s.L = casecheck::In(rng, 0.5, 12);
  const double L = s.L;
  casecheck::Inputs({{Slot::EI, s.EI}, {Slot::L, L}});
  if (code == 503) {
    s.load = Datos[Slot::P] = casecheck::SignedIn(rng, 10, 1e5);
    s.a = Datos[Slot::a] = casecheck::In(rng, 0.1, 0.9) * L;
    s.c = Datos[Slot::c] = casecheck::In(rng, 0.05, 1.5) * L;
    s.end = L + s.c;
    s.total = s.load;
    s.momentA = s.load * s.a;
    s.points = {{s.a, s.load}};
    s.borders = {s.a, L};
    return s;
  }
  s.a = Datos[Slot::a] = casecheck::In(rng, 0.05, 1.5) * L;
  s.end = L + s.a;
  s.borders = {L};
  if (code == 502) {
    s.load = Datos[Slot::P] = casecheck::SignedIn(rng, 10, 1e5);
    s.total = s.load;
    s.momentA = s.load * s.end;
    s.tipForce = s.load;
    return s;
  }
  s.load = Datos[Slot::w0] = casecheck::SignedIn(rng, 10, 1e4);
  const double from = code == 500 ? 0 : L;
  s.total = s.load * (s.end - from);
  s.momentA = s.total * (from + s.end) / 2;
  return s;
}

double Near(double scale) {
  return 1e-9 * (std::fabs(scale) + 1e-300);
}

constexpr int kCodes[] = {500, 501, 502, 503};

}  // namespace overhang

using overhang::Beam;
using overhang::Near;

TEST(OverhangCases, SupportsTipAndEquilibrium) {
  std::mt19937 rng(500);
  for (int code : overhang::kCodes) {
    for (int trial = 0; trial < 25; ++trial) {
      const Beam s = overhang::Make(code, rng);
      const AtX sc = casecheck::Scales(code, s.end, 80);
      const AtX A = Eval(code, 0, true);
      ASSERT_TRUE(A.ok) << code;
      const double Ra = Datos[Slot::Ra], Rb = Datos[Slot::Rb];
      const AtX B = Eval(code, s.L), tip = Eval(code, s.end);
      ASSERT_TRUE(B.ok && tip.ok) << code;
      EXPECT_NEAR(A.Y, 0, Near(sc.Y)) << code;
      EXPECT_NEAR(A.M, 0, Near(sc.M)) << code;
      EXPECT_NEAR(B.Y, 0, Near(sc.Y)) << code;
      // The free tip: no moment, and just inside it only the force applied there.
      EXPECT_NEAR(tip.M, 0, Near(sc.M)) << code;
      EXPECT_NEAR(tip.V, s.tipForce, Near(sc.V)) << code;
      const double F = std::fabs(s.total) + std::fabs(Ra) + std::fabs(Rb);
      EXPECT_NEAR(Ra + Rb, s.total, 1e-12 * F) << code;
      EXPECT_NEAR(Rb * s.L, s.momentA, 1e-12 * F * s.end) << code;
      EXPECT_NEAR(A.V, Ra, Near(sc.V)) << code;
      // Past B the shear has taken up the support's reaction.
      const auto [left, right] = casecheck::AcrossBorder(code, s.L, s.end);
      EXPECT_NEAR(right.V - left.V, Rb, 1e-6 * sc.V) << code;
    }
  }
}

TEST(OverhangCases, DerivativeChainAndContinuity) {
  std::mt19937 rng(501);
  for (int code : overhang::kCodes) {
    for (int trial = 0; trial < 6; ++trial) {
      const Beam s = overhang::Make(code, rng);
      const AtX sc = casecheck::Scales(code, s.end, 80);
      std::vector<double> edges = {0};
      edges.insert(edges.end(), s.borders.begin(), s.borders.end());
      edges.push_back(s.end);
      for (size_t i = 0; i + 1 < edges.size(); ++i)
        casecheck::ExpectDerivativeChain(code, s.EI, edges[i], edges[i + 1]);
      for (double at : s.borders) {
        const auto [lo, hi] = casecheck::AcrossBorder(code, at, s.end);
        ASSERT_TRUE(lo.ok && hi.ok) << code;
        EXPECT_NEAR(hi.Y, lo.Y, 1e-6 * sc.Y) << code << " at " << at;
        EXPECT_NEAR(hi.Theta, lo.Theta, 1e-6 * sc.Theta) << code << " at " << at;
        EXPECT_NEAR(hi.M, lo.M, 1e-6 * sc.M) << code << " at " << at;
        for (const auto& p : s.points) {
          if (p.first != at) continue;
          EXPECT_NEAR(hi.V - lo.V, -p.second, 1e-6 * sc.V) << code;
        }
      }
    }
  }
}

TEST(OverhangCases, LinearInTheLoadAndInTheFlexibility) {
  std::mt19937 rng(502);
  for (int code : overhang::kCodes) {
    const Beam s = overhang::Make(code, rng);
    for (double x : {0.3 * s.L, s.L + 0.4 * (s.end - s.L)}) {
      const AtX base = Eval(code, x);
      const int loadSlot = code >= 502 ? Slot::P : Slot::w0;
      Datos[loadSlot] = -3 * s.load;
      const AtX scaled = Eval(code, x);
      Datos[Slot::EI] = 5 * s.EI;
      const AtX stiffer = Eval(code, x);
      Datos[loadSlot] = s.load;
      Datos[Slot::EI] = s.EI;
      ASSERT_TRUE(base.ok && scaled.ok && stiffer.ok) << code;
      ExpectScaled(scaled, base, -3, -3, code);
      ExpectScaled(stiffer, scaled, 1.0 / 5, 1, code);
    }
  }
}

TEST(OverhangCases, TextbookValues) {
  const double EI = 4e6, L = 5, a = 1.8, w = 2000, P = 9000;
  const double tipX = L + a;
  // Tip deflections of the three overhang loads.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::a, a}, {Slot::w0, w}, {Slot::P, P}});
  EXPECT_NEAR(Eval(500, tipX).Y, -w * a * (4 * a * a * L - L * L * L + 3 * a * a * a) / (24 * EI),
              1e-15);
  EXPECT_NEAR(Eval(501, tipX).Y, -w * a * a * a * (4 * L + 3 * a) / (24 * EI), 1e-15);
  EXPECT_NEAR(Eval(502, tipX).Y, -P * a * a * (L + a) / (3 * EI), 1e-15);
  // A holds the beam down under a tip load.
  Eval(502, 1, true);
  EXPECT_LT(Datos[Slot::Ra], 0);
  EXPECT_DOUBLE_EQ(Datos[Slot::Ra], -P * a / L);
  EXPECT_DOUBLE_EQ(Datos[Slot::Rb], P * (L + a) / L);
  // At x = L the overhang formulas apply: zero deflection, the overhang's shear.
  for (int code : {500, 501, 502}) {
    const AtX r = Eval(code, L);
    EXPECT_EQ(r.Y, 0) << code;
    EXPECT_NEAR(r.V, code == 502 ? P : w * a, 1e-9) << code;
  }

  // No overhang: the simply supported uniform load.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::a, 0}, {Slot::w0, w}});
  AtX r = Eval(500, L / 2, true);
  EXPECT_NEAR(r.Y, -5 * w * L * L * L * L / (384 * EI), 1e-15);
  EXPECT_NEAR(r.M, w * L * L / 8, 1e-9);
  EXPECT_DOUBLE_EQ(Datos[Slot::Ra], w * L / 2);
  EXPECT_DOUBLE_EQ(Datos[Slot::Rb], w * L / 2);
  for (double x : {0.0, 1.3, L}) {
    r = Eval(501, x, true);
    EXPECT_EQ(r.Y, 0);
    EXPECT_EQ(r.Theta, 0);
    EXPECT_EQ(r.M, 0);
    EXPECT_EQ(r.V, 0);
    EXPECT_EQ(Datos[Slot::Ra], 0);
    EXPECT_EQ(Datos[Slot::Rb], 0);
  }

  // Point load at midspan: PL³/48EI; the unloaded overhang stays straight.
  const double c = 2.5;
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::a, L / 2}, {Slot::c, c}, {Slot::P, P}});
  r = Eval(503, L / 2);
  EXPECT_NEAR(r.Y, -P * L * L * L / (48 * EI), 1e-15);
  const AtX atB = Eval(503, L);
  EXPECT_NEAR(atB.V, -P / 2, 1e-9);
  EXPECT_NEAR(atB.Theta, P * L * L / (16 * EI), 1e-15);
  for (double t : {1e-6, 0.7, c}) {
    r = Eval(503, L + t);
    EXPECT_EQ(r.M, 0);
    EXPECT_EQ(r.V, 0);
    EXPECT_NEAR(r.Y, atB.Theta * t, 1e-15);
    EXPECT_NEAR(r.Theta, atB.Theta, 1e-15);
  }
  // Load point just beyond B (within the tolerance): the overhang values stand.
  Datos[Slot::a] = L * 1.000005;
  r = Eval(503, L * 1.000002);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.M, 0);
  EXPECT_EQ(r.V, 0);
  Datos[Slot::a] = 1.5;
  EXPECT_NEAR(Eval(503, 1.5).V, -P * 1.5 / L, 1e-9);
}

TEST(OverhangCases, WrittenSlots) {
  for (int code : overhang::kCodes) {
    casecheck::Inputs(
        {{Slot::EI, 1e4}, {Slot::L, 4}, {Slot::a, 1.5}, {Slot::c, 2}, {Slot::w0, 3}, {Slot::P, 3}});
    Eval(code, 1, false);
    ASSERT_EQ(FlagError, 0) << code;
    for (int slot : {Slot::Ra, Slot::Rb, Slot::xC, Slot::xD, Slot::xR})
      EXPECT_EQ(Datos[slot], SinValor) << code;
    Eval(code, 1, true);
    ASSERT_EQ(FlagError, 0) << code;
    EXPECT_NE(Datos[Slot::Ra], SinValor) << code;
    EXPECT_NE(Datos[Slot::Rb], SinValor) << code;
    if (code == 503) {
      EXPECT_EQ(Datos[Slot::xC], 1.5);
      EXPECT_EQ(Datos[Slot::xD], 6);
      EXPECT_EQ(Datos[Slot::xR], 2);
      EXPECT_EQ(Datos[Slot::b], SinValor);
    } else {
      EXPECT_EQ(Datos[Slot::xC], 5.5) << code;
      EXPECT_EQ(Datos[Slot::xR], 1.5) << code;
      EXPECT_EQ(Datos[Slot::xD], SinValor) << code;
    }
    for (int slot : {Slot::xL, Slot::Rc, Slot::Rd, Slot::sM0}) EXPECT_EQ(Datos[slot], SinValor);
  }
}

TEST(OverhangCases, RangeChecksAndMissingInputs) {
  const double L = 10;
  auto fill = [&](int code) {
    casecheck::Inputs({{Slot::EI, 5e3}, {Slot::L, L}, {Slot::x, 4}});
    if (code == 503) {
      Datos[Slot::P] = 7;
      Datos[Slot::a] = 4;
      Datos[Slot::c] = 3;
    } else {
      Datos[code == 502 ? Slot::P : Slot::w0] = 7;
      Datos[Slot::a] = 3;
    }
  };
  auto run = [&](int code, bool expectOk, const char* what) {
    double before[kNumSlots];
    std::memcpy(before, Datos, sizeof Datos);
    FlagError = expectOk ? 1 : 0;
    CalcularCaso(code, true);
    EXPECT_EQ(FlagError, expectOk ? 0 : 1) << code << " " << what;
    if (!expectOk) {
      EXPECT_EQ(std::memcmp(before, Datos, sizeof Datos), 0) << code << " " << what;
    }
  };
  for (int code : overhang::kCodes) {
    const int over = code == 503 ? Slot::c : Slot::a;
    const std::vector<int> inputs =
        code == 503 ? std::vector<int>{Slot::P, Slot::a, Slot::c}
                    : std::vector<int>{code == 502 ? Slot::P : Slot::w0, Slot::a};
    fill(code);
    run(code, true, "valid");
    for (int s : {Slot::EI, Slot::L, Slot::x}) {
      fill(code);
      Datos[s] = SinValor;
      run(code, false, "missing EI/L/x");
    }
    for (int s : inputs) {
      fill(code);
      Datos[s] = SinValor;
      run(code, false, "missing input");
    }
    for (double bad : {0.0, -0.0, -2.0}) {
      fill(code);
      Datos[Slot::EI] = bad;
      run(code, false, "EI");
      fill(code);
      Datos[Slot::L] = bad;
      run(code, false, "L");
    }
    // x reaches the tip with the tolerance; the overhang has no upper bound.
    fill(code);
    const double bound = ToleranceBound(L + Datos[over]);
    Datos[Slot::x] = bound;
    run(code, true, "x at the tip bound");
    Datos[Slot::x] = std::nextafter(bound, 1e300);
    run(code, false, "x past the tip bound");
    Datos[Slot::x] = -1e-300;
    run(code, false, "x below 0");
    Datos[Slot::x] = -0.0;
    run(code, true, "x = -0");
    Datos[over] = -1e-300;
    run(code, false, "negative overhang");
    Datos[over] = 0;
    run(code, true, "no overhang");
    Datos[over] = 1e6;
    Datos[Slot::x] = 9e5;
    run(code, true, "long overhang");
  }
  // The load point of 503 stays within the span.
  fill(503);
  Datos[Slot::a] = ToleranceBound(L);
  run(503, true, "a at the bound");
  Datos[Slot::a] = std::nextafter(ToleranceBound(L), 1e300);
  run(503, false, "a past the bound");
  Datos[Slot::a] = -1e-300;
  run(503, false, "a below 0");
}
