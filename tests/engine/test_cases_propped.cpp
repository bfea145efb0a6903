// Beam built in at A and pinned at B (codes 400 to 408), checked against the
// physics: supports, equilibrium, the derivative chain, jumps at the loads and
// textbook values.
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

namespace propped {

// A random beam of one case, with its loads described physically.
struct Beam {
  int code = 0;
  double EI = 0, L = 0, w0 = 0, P = 0, M0 = 0, a = 0, b = 0;
  casecheck::LoadModel load;
};

Beam Make(int code, std::mt19937& rng) {
  Beam s;
  s.code = code;
  s.EI = casecheck::In(rng, 1e2, 1e7);
  s.L = casecheck::In(rng, 0.5, 12);
  const double L = s.L;
  s.w0 = casecheck::SignedIn(rng, 10, 1e4);
  s.P = casecheck::SignedIn(rng, 10, 1e5);
  s.M0 = casecheck::SignedIn(rng, 10, 1e5);
  casecheck::Inputs({{Slot::EI, s.EI}, {Slot::L, L}});
  auto uniform = [&](double from, double to) {
    Datos[Slot::w0] = s.w0;
    s.load.w = [w = s.w0](double) { return w; };
    s.load.wFrom = from;
    s.load.wTo = to;
  };
  auto point = [&](double at) {
    Datos[Slot::P] = s.P;
    s.load.points.push_back({at, s.P});
  };
  // The couple acts clockwise for a positive M0 (sign mark -1).
  auto couple = [&](double at) {
    Datos[Slot::M0] = s.M0;
    s.load.couples.push_back({at, -s.M0});
  };
  switch (code) {
    case 400:
      uniform(0, L);
      break;
    case 401:
      s.a = Datos[Slot::a] = casecheck::In(rng, 0.1, 0.9) * L;
      uniform(0, s.a);
      break;
    case 402:
      s.b = Datos[Slot::b] = casecheck::In(rng, 0.1, 0.9) * L;
      uniform(L - s.b, L);
      break;
    case 403:
      s.a = Datos[Slot::a] = casecheck::In(rng, 0.05, 0.45) * L;
      s.b = Datos[Slot::b] = casecheck::In(rng, 0.05, 0.5) * L;
      uniform(s.a, s.a + s.b);
      break;
    case 404:
      point(L / 2);
      break;
    case 405:
      s.a = Datos[Slot::a] = casecheck::In(rng, 0.1, 0.9) * L;
      point(s.a);
      break;
    case 406:
      s.a = Datos[Slot::a] = casecheck::In(rng, 0.05, 0.45) * L;
      point(s.a);
      point(L - s.a);
      break;
    case 407:
      s.a = Datos[Slot::a] = casecheck::In(rng, 0.1, 0.9) * L;
      couple(s.a);
      break;
    case 408:
      couple(L);
      break;
  }
  return s;
}

double Near(double scale) {
  return 1e-9 * (std::fabs(scale) + 1e-300);
}

constexpr int kCodes[] = {400, 401, 402, 403, 404, 405, 406, 407, 408};

}  // namespace propped

using propped::Beam;
using propped::Near;

TEST(ProppedCases, SupportsAndEquilibrium) {
  std::mt19937 rng(400);
  for (int code : propped::kCodes) {
    for (int trial = 0; trial < 25; ++trial) {
      const Beam s = propped::Make(code, rng);
      const AtX sc = casecheck::Scales(code, s.L, 80);
      const AtX A = Eval(code, 0, true);
      ASSERT_TRUE(A.ok) << code;
      const double Ra = Datos[Slot::Ra], Rb = Datos[Slot::Rb];
      const AtX B = Eval(code, s.L);
      ASSERT_TRUE(B.ok) << code;
      // Built in at A, pinned at B; a couple at B is the moment there.
      EXPECT_NEAR(A.Y, 0, Near(sc.Y)) << code;
      EXPECT_NEAR(A.Theta, 0, Near(sc.Theta)) << code;
      EXPECT_NEAR(B.Y, 0, Near(sc.Y)) << code;
      const double atB = code == 408 ? s.load.couples[0].second : 0;
      EXPECT_NEAR(B.M, atB, Near(sc.M)) << code;
      // Vertical forces and moments about A, with the clamp's couple -M(0).
      const double F = std::fabs(s.load.Force()) + std::fabs(Ra) + std::fabs(Rb);
      EXPECT_NEAR(Ra + Rb, s.load.Force(), 1e-10 * F) << code;
      const double C = s.load.CoupleSum(), mScale = F * s.L + std::fabs(C) + std::fabs(A.M);
      EXPECT_NEAR(-A.M + Rb * s.L - s.load.MomentAboutA() + C, 0, 1e-10 * mScale) << code;
      EXPECT_NEAR(A.V, Ra, Near(sc.V)) << code;
      EXPECT_NEAR(B.V, -Rb, Near(sc.V)) << code;
    }
  }
}

TEST(ProppedCases, DerivativeChainContinuityAndJumps) {
  std::mt19937 rng(401);
  for (int code : propped::kCodes) {
    for (int trial = 0; trial < 6; ++trial) {
      const Beam s = propped::Make(code, rng);
      casecheck::ExpectLoadResponse(code, s.EI, s.L, s.load);
    }
  }
}

TEST(ProppedCases, LinearInTheLoadsAndInTheFlexibility) {
  std::mt19937 rng(402);
  for (int code : propped::kCodes) {
    const Beam s = propped::Make(code, rng);
    const double x = 0.37 * s.L;
    const AtX base = Eval(code, x);
    for (int slot : {Slot::w0, Slot::P, Slot::M0})
      if (Datos[slot] != SinValor) Datos[slot] *= -2.5;
    const AtX scaled = Eval(code, x);
    Datos[Slot::EI] = 4 * s.EI;
    const AtX stiffer = Eval(code, x);
    ASSERT_TRUE(base.ok && scaled.ok && stiffer.ok) << code;
    ExpectScaled(scaled, base, -2.5, -2.5, code);
    ExpectScaled(stiffer, scaled, 1.0 / 4, 1, code);
  }
}

TEST(ProppedCases, TextbookValues) {
  const double EI = 2e6, L = 6, w = 1500, P = 8000, M0 = 5000;
  // Uniform load: the 5/8 and 3/8 reactions, wL²/8 at the clamp, and the
  // largest deflection wL⁴(39 + 55√33)/(65536 EI) at x = L(15 - √33)/16.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::w0, w}});
  AtX r = Eval(400, 0, true);
  EXPECT_DOUBLE_EQ(Datos[Slot::Ra], 5 * w * L / 8);
  EXPECT_DOUBLE_EQ(Datos[Slot::Rb], 3 * w * L / 8);
  EXPECT_NEAR(r.M, -w * L * L / 8, 1e-9);
  EXPECT_NEAR(r.V, 5 * w * L / 8, 1e-9);
  const double xm = L * (15 - std::sqrt(33.0)) / 16;
  r = Eval(400, xm);
  EXPECT_NEAR(r.Y, -w * std::pow(L, 4) * (39 + 55 * std::sqrt(33.0)) / (65536 * EI), 1e-12);
  EXPECT_NEAR(r.Theta, 0, 1e-15);
  r = Eval(400, L);
  EXPECT_NEAR(r.M, 0, 1e-9);
  EXPECT_NEAR(r.V, -3 * w * L / 8, 1e-9);

  // Point load at midspan: 11/16 and 5/16, -3PL/16 at the clamp, 5PL/32 under
  // the load (right-hand formulas at x = L/2), deflection 7PL³/768EI there.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::P, P}});
  r = Eval(404, L / 2, true);
  EXPECT_DOUBLE_EQ(Datos[Slot::Ra], 11 * P / 16);
  EXPECT_DOUBLE_EQ(Datos[Slot::Rb], 5 * P / 16);
  EXPECT_DOUBLE_EQ(Datos[Slot::xC], L / 2);
  EXPECT_DOUBLE_EQ(r.V, -5 * P / 16);
  EXPECT_NEAR(r.M, 5 * P * L / 32, 1e-9);
  EXPECT_NEAR(r.Y, -7 * P * L * L * L / (768 * EI), 1e-15);
  EXPECT_NEAR(Eval(404, 0).M, -3 * P * L / 16, 1e-9);

  // Point load at a: clamp moment -Pab(L + b)/2L², deflection under the load
  // -Pa³b²(3L + b)/12EIL³.
  const double a = 2.2, b = L - a;
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::P, P}, {Slot::a, a}});
  EXPECT_NEAR(Eval(405, 0).M, -P * a * b * (L + b) / (2 * L * L), 1e-9);
  EXPECT_NEAR(Eval(405, a).Y, -P * a * a * a * b * b * (3 * L + b) / (12 * EI * L * L * L), 1e-15);

  // Couple at the pinned end: half of it carried over to the clamp, end slope
  // M0·L/4EI.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::M0, M0}});
  r = Eval(408, 0, true);
  EXPECT_NEAR(r.M, M0 / 2, 1e-9);
  EXPECT_EQ(Datos[Slot::sM0], -1);
  r = Eval(408, L);
  EXPECT_NEAR(r.M, -M0, 1e-9);
  EXPECT_NEAR(r.Theta, -M0 * L / (4 * EI), 1e-15);

  // Couple at a: right-hand formulas at x = a.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::M0, M0}, {Slot::a, a}});
  EXPECT_NEAR(Eval(407, a).M, 3 * M0 * a * b * (b + L) / (2 * L * L * L), 1e-9);

  // Two symmetric loads: clamp moment -3Pa(L - a)/2L; the middle shear at both load points.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::P, P}, {Slot::a, a}});
  EXPECT_NEAR(Eval(406, 0).M, -3 * P * a * (L - a) / (2 * L), 1e-9);
  EXPECT_NEAR(Eval(406, a).V, 3 * P * a * (L - a) / (2 * L * L), 1e-9);
  EXPECT_NEAR(Eval(406, L - a).V, 3 * P * a * (L - a) / (2 * L * L), 1e-9);
}

TEST(ProppedCases, LimitingLoadPositionsAndSpecialPoints) {
  const double EI = 3e5, L = 4.5, w = -700, P = 1200;
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::w0, w}});
  std::vector<AtX> whole;
  for (int i = 0; i <= 10; ++i) whole.push_back(Eval(400, L * i / 10));
  auto sameAsWhole = [&](int code) {
    for (int i = 0; i <= 10; ++i) {
      const AtX r = Eval(code, L * i / 10);
      ASSERT_TRUE(r.ok) << code;
      EXPECT_NEAR(r.Y, whole[i].Y, 1e-12) << code << " " << i;
      EXPECT_NEAR(r.Theta, whole[i].Theta, 1e-12) << code << " " << i;
      EXPECT_NEAR(r.M, whole[i].M, 1e-9) << code << " " << i;
      EXPECT_NEAR(r.V, whole[i].V, 1e-9) << code << " " << i;
    }
  };
  Datos[Slot::a] = L;
  sameAsWhole(401);
  Datos[Slot::a] = 0;
  Datos[Slot::b] = L;
  sameAsWhole(403);

  // At the clamp the partial load gives exact zeros and the clamp moment.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::w0, w}, {Slot::a, 1.7}});
  AtX r = Eval(401, 0);
  EXPECT_EQ(r.Y, 0);
  EXPECT_EQ(r.Theta, 0);
  const double b = L - 1.7;
  EXPECT_NEAR(r.M, -w * 1.7 * 1.7 * (b + L) * (b + L) / (8 * L * L), 1e-9);

  // Load over the whole span from B: the uniform clamp moment, and a = 0 written back.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::w0, w}, {Slot::b, L}});
  r = Eval(402, 0, true);
  EXPECT_NEAR(r.M, -w * L * L / 8, 1e-9);
  EXPECT_EQ(Datos[Slot::a], 0);
  EXPECT_EQ(Datos[Slot::xC], 0);

  // A point load at midspan through the general case.
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::P, P}});
  std::vector<AtX> center;
  for (int i = 0; i <= 10; ++i) center.push_back(Eval(404, L * i / 10));
  Datos[Slot::a] = L / 2;
  for (int i = 0; i <= 10; ++i) {
    r = Eval(405, L * i / 10);
    EXPECT_NEAR(r.Y, center[i].Y, 1e-15) << i;
    EXPECT_NEAR(r.Theta, center[i].Theta, 1e-15) << i;
    EXPECT_NEAR(r.M, center[i].M, 1e-9) << i;
    EXPECT_NEAR(r.V, center[i].V, 1e-9) << i;
  }

  // 2a just above L: between L - a and a the last interval stands (V = -Rb < 0).
  const double a = L / 2 * 1.000004;
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::P, P}, {Slot::a, a}});
  r = Eval(406, L / 2, true);
  ASSERT_TRUE(r.ok);
  EXPECT_NEAR(r.V, -Datos[Slot::Rb], 1e-9);
  EXPECT_LT(r.V, 0);

  // x at the tolerance bound is evaluated on the last interval.
  for (int code : propped::kCodes) {
    std::mt19937 rng(code);
    const Beam s = propped::Make(code, rng);
    const AtX atL = Eval(code, s.L);
    const AtX beyond = Eval(code, ToleranceBound(s.L));
    ASSERT_TRUE(atL.ok && beyond.ok) << code;
    EXPECT_NEAR(beyond.Y, atL.Y, 1e-4 * std::fabs(atL.Theta) * s.L + 1e-300) << code;
    EXPECT_NEAR(beyond.V, atL.V, 1e-4 * std::fabs(atL.V) + 1e-3 * std::fabs(s.w0 * s.L)) << code;
  }
}

TEST(ProppedCases, WrittenSlotsAndSignMarks) {
  const double L = 5;
  struct Expect {
    int code;
    std::vector<std::pair<int, double>> slots;
  };
  const Expect expected[] = {
      {400, {}},
      {401, {{Slot::b, 3}, {Slot::xC, 2}}},
      {402, {{Slot::a, 3}, {Slot::xC, 3}}},
      {403, {{Slot::c, 2}, {Slot::xC, 2}, {Slot::xD, 3}}},
      {404, {{Slot::xC, 2.5}}},
      {405, {{Slot::b, 3}, {Slot::xC, 2}}},
      {406, {{Slot::xC, 2}, {Slot::xD, 3}}},
      {407, {{Slot::b, 3}, {Slot::xC, 2}, {Slot::sM0, -1}}},
      {408, {{Slot::sM0, -1}}},
  };
  for (const Expect& e : expected) {
    casecheck::Inputs(
        {{Slot::EI, 1e4}, {Slot::L, L}, {Slot::w0, 10}, {Slot::P, 10}, {Slot::M0, 10}});
    Datos[Slot::a] = 2;
    Datos[Slot::b] = e.code == 402 ? 2 : 1;
    const double aIn = Datos[Slot::a], bIn = Datos[Slot::b];
    Eval(e.code, 1.0, false);
    ASSERT_EQ(FlagError, 0) << e.code;
    EXPECT_EQ(Datos[Slot::Ra], SinValor) << e.code;
    EXPECT_EQ(Datos[Slot::Rb], SinValor) << e.code;
    EXPECT_EQ(Datos[Slot::xC], SinValor) << e.code;
    Eval(e.code, 1.0, true);
    ASSERT_EQ(FlagError, 0) << e.code;
    EXPECT_NE(Datos[Slot::Ra], SinValor) << e.code;
    EXPECT_NE(Datos[Slot::Rb], SinValor) << e.code;
    for (const auto& [slot, value] : e.slots) EXPECT_NEAR(Datos[slot], value, 1e-12) << e.code;
    for (int untouched : {Slot::xD, Slot::c, Slot::sM0, Slot::xL, Slot::Rc, Slot::Rd, Slot::xR}) {
      bool listed = false;
      for (const auto& p : e.slots) listed = listed || p.first == untouched;
      if (!listed) {
        EXPECT_EQ(Datos[untouched], SinValor) << e.code << " slot " << untouched;
      }
    }
    if (e.code != 402) {
      EXPECT_EQ(Datos[Slot::a], aIn) << e.code;
    }
    if (e.code != 401 && e.code != 405 && e.code != 407) {
      EXPECT_EQ(Datos[Slot::b], bIn) << e.code;
    }
  }
}

TEST(ProppedCases, RangeChecksAndMissingInputs) {
  struct Case {
    int code;
    std::vector<int> inputs;
  };
  const Case cases[] = {
      {400, {Slot::w0}},          {401, {Slot::w0, Slot::a}},
      {402, {Slot::w0, Slot::b}}, {403, {Slot::w0, Slot::a, Slot::b}},
      {404, {Slot::P}},           {405, {Slot::P, Slot::a}},
      {406, {Slot::P, Slot::a}},  {407, {Slot::M0, Slot::a}},
      {408, {Slot::M0}},
  };
  const double L = 10;
  auto fill = [&](const Case& c) {
    casecheck::Inputs({{Slot::EI, 5e3}, {Slot::L, L}, {Slot::x, 4}});
    for (int s : c.inputs) Datos[s] = s == Slot::a ? 3 : s == Slot::b ? 4 : -20;
  };
  auto expectRefused = [&](const Case& c, const char* what) {
    double before[kNumSlots];
    std::memcpy(before, Datos, sizeof Datos);
    FlagError = 0;
    CalcularCaso(c.code, true);
    EXPECT_EQ(FlagError, 1) << c.code << " " << what;
    EXPECT_EQ(std::memcmp(before, Datos, sizeof Datos), 0) << c.code << " " << what;
  };
  auto expectAccepted = [&](const Case& c, const char* what) {
    CalcularCaso(c.code, false);
    EXPECT_EQ(FlagError, 0) << c.code << " " << what;
  };
  const double above = std::nextafter(ToleranceBound(L), 1e300);
  for (const Case& c : cases) {
    fill(c);
    expectAccepted(c, "valid");
    for (int s : std::vector<int>{Slot::EI, Slot::L, Slot::x}) {
      fill(c);
      Datos[s] = SinValor;
      expectRefused(c, "missing EI/L/x");
    }
    for (int s : c.inputs) {
      fill(c);
      Datos[s] = SinValor;
      expectRefused(c, "missing input");
    }
    for (double bad : {0.0, -0.0, -1.0}) {
      fill(c);
      Datos[Slot::EI] = bad;
      expectRefused(c, "EI");
      fill(c);
      Datos[Slot::L] = bad;
      expectRefused(c, "L");
    }
    fill(c);
    Datos[Slot::x] = -1e-300;
    expectRefused(c, "x below 0");
    Datos[Slot::x] = above;
    expectRefused(c, "x above the bound");
    Datos[Slot::x] = ToleranceBound(L);
    expectAccepted(c, "x at the bound");
    Datos[Slot::x] = -0.0;
    expectAccepted(c, "x = -0");
    for (int s : c.inputs) {
      if (s != Slot::a && s != Slot::b) continue;
      fill(c);
      Datos[s] = -1e-300;
      expectRefused(c, "negative length");
      Datos[s] = above;
      expectRefused(c, "length above the bound");
      Datos[s] = 0;
      expectAccepted(c, "zero length");
    }
  }
  // Bounds on sums and doubles, each single length being fine.
  fill(cases[3]);
  Datos[Slot::a] = 6;
  Datos[Slot::b] = 4.001;
  expectRefused(cases[3], "a + b");
  Datos[Slot::b] = 4;
  expectAccepted(cases[3], "a + b = L");
  fill(cases[6]);
  Datos[Slot::a] = ToleranceBound(L) / 2;
  expectAccepted(cases[6], "2a at the bound");
  Datos[Slot::a] = std::nextafter(Datos[Slot::a], 1e300);
  expectRefused(cases[6], "2a above the bound");
  Datos[Slot::a] = 7;
  expectRefused(cases[6], "2a above L");
  // Loads of any sign, zero included.
  for (const Case& c : cases) {
    fill(c);
    Datos[c.inputs[0]] = 0;
    const AtX r = Eval(c.code, 4);
    ASSERT_TRUE(r.ok) << c.code;
    EXPECT_EQ(r.Y, 0) << c.code;
    EXPECT_EQ(r.M, 0) << c.code;
  }
}
