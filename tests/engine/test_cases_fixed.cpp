// Beams built in at both ends, cases 300-308: physics, textbook values, symmetry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "CaseChecks.h"
#include "engine/CaseFrame.h"
#include "engine/Vigas.h"

using namespace casecheck;
namespace S = Vigas::Slot;

namespace {

CaseTrial Make(int code, std::mt19937& rng) {
  CaseTrial t{code, In(rng, 1e2, 1e6), In(rng, 0.5, 12), {}, {}};
  const double L = t.L, w0 = SignedIn(rng, 1, 1e4), P = SignedIn(rng, 1, 1e4),
               M0 = SignedIn(rng, 1, 1e4), a = L * In(rng, 0.05, 0.95);
  LoadModel& ld = t.load;
  auto spread = [&](double from, double to) {
    ld.w = [w0](double) { return w0; }, ld.wFrom = from, ld.wTo = to;
  };
  switch (code) {
    case 300:
      t.inputs = {{S::w0, w0}}, spread(0, L);
      break;
    case 301:
      t.inputs = {{S::w0, w0}}, spread(0, L / 2);
      break;
    case 302:
      t.inputs = {{S::w0, w0}, {S::a, a}}, spread(0, a);
      break;
    case 303: {
      const double b = (L - a) * In(rng, 0.05, 0.95);
      t.inputs = {{S::w0, w0}, {S::a, a}, {S::b, b}}, spread(a, a + b);
      break;
    }
    case 304:
      t.inputs = {{S::P, P}}, ld.points = {{L / 2, P}};
      break;
    case 305:
      t.inputs = {{S::P, P}, {S::a, a}}, ld.points = {{a, P}};
      break;
    case 306:
      t.inputs = {{S::P, P}, {S::a, a / 2}}, ld.points = {{a / 2, P}, {L - a / 2, P}};
      break;
    case 307:
      t.inputs = {{S::M0, M0}}, ld.couples = {{L / 2, M0}};
      break;
    case 308:
      t.inputs = {{S::M0, M0}, {S::a, a}}, ld.couples = {{a, M0}};
      break;
  }
  return t;
}

void Rel(double got, double want, const char* what) {
  EXPECT_NEAR(got, want, 1e-12 * std::fabs(want)) << what;
}

}  // namespace

TEST(FixedCases, SupportsEquilibriumAndContinuity) {
  std::mt19937 rng(1977);
  for (int code = 300; code <= 308; ++code) {
    for (int trial = 0; trial < 6; ++trial) {
      const CaseTrial t = Make(code, rng);
      LoadTrial(t);
      const double L = t.L;
      const AtX s = Scales(code, L);
      const AtX A = Eval(code, 0, true), B = Eval(code, L);
      ASSERT_TRUE(A.ok && B.ok) << code;
      const double Ra = Vigas::Datos[S::Ra], Rb = Vigas::Datos[S::Rb];
      EXPECT_TRUE(Close(A.Y, 0, s.Y, 1e-12)) << code;
      EXPECT_TRUE(Close(A.Theta, 0, s.Theta, 1e-12)) << code;
      EXPECT_TRUE(Close(B.Y, 0, s.Y, 1e-9)) << code << " Y(L) " << B.Y;
      EXPECT_TRUE(Close(B.Theta, 0, s.Theta, 1e-9)) << code << " Theta(L) " << B.Theta;
      // Vertical forces; moments about A with the wall couples -M(0) and +M(L).
      const double F = t.load.Force(), scale = t.load.Magnitude() * L;
      EXPECT_TRUE(Close(Ra + Rb, F, t.load.Magnitude(), 1e-9)) << code << " Ra+Rb " << Ra + Rb;
      EXPECT_TRUE(
          Close(-A.M + B.M + Rb * L - t.load.MomentAboutA() + t.load.CoupleSum(), 0, scale, 1e-9))
          << code << " moments about A";
      EXPECT_TRUE(Close(A.V, Ra, s.V, 1e-9)) << code << " V(0) " << A.V << " Ra " << Ra;
      EXPECT_TRUE(Close(B.V, -Rb, s.V, 1e-9)) << code << " V(L) " << B.V << " Rb " << Rb;
      ExpectLoadResponse(code, t.EI, L, t.load);
    }
  }
}

TEST(FixedCases, LinearInLoadsAndFlexibility) {
  std::mt19937 rng(31);
  for (int code = 300; code <= 308; ++code) {
    CaseTrial t = Make(code, rng);
    const double x = t.L * 0.29;
    LoadTrial(t);
    const AtX base = Eval(code, x);
    for (auto& [slot, v] : t.inputs)
      if (slot != S::a && slot != S::b) v *= -3;
    t.EI *= 0.5;
    LoadTrial(t);
    const AtX k = Eval(code, x);
    ASSERT_TRUE(base.ok && k.ok);
    ExpectScaled(k, base, -6, -3, code);
  }
}

// Seen from B the beam is the same beam: Y and M keep their values, Theta and
// V change sign, and a couple turns the other way.
TEST(FixedCases, MirrorSymmetry) {
  const double EI = 3e4, L = 6, w0 = 450, P = -720, M0 = 380, a = 1.4, b = 2.1;
  Inputs({{S::EI, EI}, {S::L, L}, {S::w0, w0}, {S::P, P}, {S::M0, M0}});
  auto set = [](std::initializer_list<std::pair<int, double>> slots) {
    for (const auto& [slot, v] : slots) Vigas::Datos[slot] = v;
  };
  for (int i = 0; i <= 24; ++i) {
    const double x = L * i / 24 + (i == 12 ? 1e-7 : 0), xm = L - x;  // off the midspan border
    for (int code : {300, 304, 306, 307}) {
      set({{S::a, a}});
      ExpectSameResults(Eval(code, x), Mirrored(Eval(code, xm), code == 307 ? -1 : 1),
                        Scales(code, L), "self-mirror " + std::to_string(code));
    }
    set({{S::a, a}, {S::b, b}});
    const AtX p303 = Eval(303, x), p305 = Eval(305, x), p308 = Eval(308, x);
    const AtX s303 = Scales(303, L), s305 = Scales(305, L), s308 = Scales(308, L);
    set({{S::a, L - a - b}});
    ExpectSameResults(p303, Mirrored(Eval(303, xm), 1), s303, "303 mirrored");
    set({{S::a, L - a}});
    ExpectSameResults(p305, Mirrored(Eval(305, xm), 1), s305, "305 mirrored");
    set({{S::M0, -M0}});
    ExpectSameResults(p308, Mirrored(Eval(308, xm), 1), s308, "308 mirrored");
    set({{S::M0, M0}});
  }
}

TEST(FixedCases, TextbookValues) {
  const double EI = 4e4, L = 5, w0 = 960, P = 1500, M0 = 640, a = 1.5, b = L - a;
  Inputs({{S::EI, EI}, {S::L, L}, {S::w0, w0}, {S::P, P}, {S::M0, M0}, {S::a, a}});
  AtX r = Eval(300, L / 2, true);
  Rel(r.Y, -w0 * std::pow(L, 4) / (384 * EI), "300 Y mid");
  Rel(r.M, w0 * L * L / 24, "300 M mid");
  EXPECT_NEAR(r.V, 0, 1e-12 * w0 * L);
  Rel(Eval(300, 0).M, -w0 * L * L / 12, "300 M end");
  Rel(Vigas::Datos[S::Ra], w0 * L / 2, "300 Ra");
  // Left half loaded.
  Rel(Eval(301, 0, true).M, -11 * w0 * L * L / 192, "301 MA");
  Rel(Eval(301, L).M, -5 * w0 * L * L / 192, "301 MB");
  Rel(Vigas::Datos[S::Ra], 13 * w0 * L / 32, "301 Ra");
  Rel(Vigas::Datos[S::Rb], 3 * w0 * L / 32, "301 Rb");
  EXPECT_EQ(Vigas::Datos[S::xC], L / 2);
  // Point at midspan: the right-hand side holds at L/2.
  r = Eval(304, L / 2, true);
  Rel(r.Y, -P * L * L * L / (192 * EI), "304 Y mid");
  Rel(r.M, P * L / 8, "304 M mid");
  EXPECT_EQ(r.V, -P / 2);
  Rel(Eval(304, 0).M, -P * L / 8, "304 MA");
  Rel(Eval(304, L / 2 - 1e-9).V, P / 2, "304 V left");
  // Point at a: end moments P·a·b²/L² and P·a²·b/L².
  Rel(Eval(305, 0, true).M, -P * a * b * b / (L * L), "305 MA");
  Rel(Eval(305, L).M, -P * a * a * b / (L * L), "305 MB");
  Rel(Eval(305, a).M, 2 * P * a * a * b * b / (L * L * L), "305 M at load");
  EXPECT_EQ(Vigas::Datos[S::b], b);
  EXPECT_EQ(Vigas::Datos[S::xC], a);
  // Two symmetric points.
  Rel(Eval(306, 0, true).M, -P * a * (L - a) / L, "306 MA");
  Rel(Eval(306, L / 2).M, P * a * a / L, "306 M mid");
  EXPECT_EQ(Eval(306, a).V, 0.0);
  EXPECT_EQ(Eval(306, L - a).V, 0.0);
  Eval(306, 1, true);
  EXPECT_EQ(Vigas::Datos[S::xC], a);
  EXPECT_EQ(Vigas::Datos[S::xD], L - a);
  Eval(302, 1, true);
  EXPECT_EQ(Vigas::Datos[S::xC], a);
  EXPECT_EQ(Vigas::Datos[S::b], b);
  Eval(304, 1, true);
  EXPECT_EQ(Vigas::Datos[S::xC], L / 2);
  // Couple at midspan: M falls by M0 there; the right-hand side holds at L/2.
  Rel(Eval(307, 0, true).M, -M0 / 4, "307 MA");
  Rel(Eval(307, L / 2).M, -M0 / 2, "307 M at couple");
  EXPECT_NEAR(Eval(307, L / 2 - 1e-9).M, M0 / 2, 1e-6 * M0) << "307 M left of couple";
  EXPECT_EQ(Vigas::Datos[S::sM0], 1.0);
  Rel(Vigas::Datos[S::Rb], -3 * M0 / (2 * L), "307 Rb");
  Eval(308, 1, true);
  EXPECT_EQ(Vigas::Datos[S::sM0], 1.0);
  EXPECT_EQ(Vigas::Datos[S::b], b);
  Vigas::Datos[S::Ra] = 0;
  Eval(307, 1);  // Completo false leaves the reactions alone
  EXPECT_EQ(Vigas::Datos[S::Ra], 0.0);
}

// Cases that coincide at particular inputs, and the borders at the limits.
TEST(FixedCases, CoincidingCasesAndLimits) {
  const double EI = 2e4, L = 4, w0 = -530, P = 810, M0 = -260;
  Inputs({{S::EI, EI}, {S::L, L}, {S::w0, w0}, {S::P, P}, {S::M0, M0}});
  const AtX s300 = Scales(300, L), s301 = Scales(301, L), s304 = Scales(304, L),
            s307 = Scales(307, L);
  for (int i = 0; i <= 20; ++i) {
    const double x = L * i / 20;
    const AtX u = Eval(300, x), half = Eval(301, x), pc = Eval(304, x), mc = Eval(307, x);
    Vigas::Datos[S::a] = L;
    ExpectSameResults(Eval(302, x), u, s300, "302 a=L");
    Vigas::Datos[S::a] = 0, Vigas::Datos[S::b] = L;
    ExpectSameResults(Eval(303, x), u, s300, "303 a=0 b=L");
    Vigas::Datos[S::a] = L / 2;
    ExpectSameResults(Eval(302, x), half, s301, "302 a=L/2");
    ExpectSameResults(Eval(305, x), pc, s304, "305 a=L/2");
    ExpectSameResults(Eval(308, x), mc, s307, "308 a=L/2");
    Vigas::Datos[S::a] = 0;
    const AtX none = Eval(305, x);
    EXPECT_EQ(std::fabs(none.Y) + std::fabs(none.Theta) + std::fabs(none.M) + std::fabs(none.V),
              0.0)
        << "305 a=0 x=" << x;
  }
  Vigas::Datos[S::a] = 0;
  Eval(305, 1, true);
  EXPECT_EQ(Vigas::Datos[S::Ra], P);
  EXPECT_EQ(Vigas::Datos[S::Rb], 0.0);
  Vigas::Datos[S::a] = L, Eval(302, 1, true);
  Rel(Vigas::Datos[S::Ra], w0 * L / 2, "302 a=L Ra");
  Rel(Vigas::Datos[S::Rb], w0 * L / 2, "302 a=L Rb");
  Vigas::Datos[S::a] = 0, Vigas::Datos[S::b] = L, Eval(303, 1, true);
  EXPECT_EQ(Vigas::Datos[S::c], 0.0);
  // 2a = L: the middle stretch is the single point L/2.
  Vigas::Datos[S::a] = L / 2;
  EXPECT_EQ(Eval(306, L / 2).V, 0.0);
  EXPECT_EQ(Eval(306, L / 2 - 1e-9).V, P);
  EXPECT_EQ(Eval(306, L / 2 + 1e-9).V, -P);
  // 2a just above L: where the outer stretches overlap the last one stands.
  const double bound = Vigas::ToleranceBound(L);
  Vigas::Datos[S::a] = bound / 2;
  const AtX over = Eval(306, L / 2);
  ASSERT_TRUE(over.ok);
  EXPECT_EQ(over.V, -P);
  // x up to the tolerance is taken by the last stretch; c may go slightly negative.
  Vigas::Datos[S::a] = 1, Vigas::Datos[S::b] = bound - 1;
  const AtX tip = Eval(303, bound, true);
  ASSERT_TRUE(tip.ok);
  EXPECT_LT(Vigas::Datos[S::c], 0);
  EXPECT_EQ(Vigas::Datos[S::xD], bound);
  EXPECT_EQ(Eval(304, bound).V, -P / 2);
}

TEST(FixedCases, RangeChecksAndMissingInputs) {
  const double L = 2, bound = Vigas::ToleranceBound(L),
               above = std::nextafter(bound, std::numeric_limits<double>::infinity());
  const auto fails = casecheck::FailsWithChanged;
  const std::vector<std::vector<int>> reads = {
      {S::w0},      {S::w0},      {S::w0, S::a}, {S::w0, S::a, S::b}, {S::P},
      {S::P, S::a}, {S::P, S::a}, {S::M0},       {S::M0, S::a}};
  for (int code = 300; code <= 308; ++code) {
    EXPECT_FALSE(fails(code, {{S::x, bound}})) << code;
    for (auto [slot, v] : std::vector<std::pair<int, double>>{
             {S::EI, 0}, {S::EI, -1}, {S::L, 0}, {S::L, -2}, {S::x, -1e-300}, {S::x, above}})
      EXPECT_TRUE(fails(code, {{slot, v}})) << code << " slot " << slot << " = " << v;
    const std::vector<int>& r = reads[code - 300];
    for (int slot : {S::EI, S::L, S::x, S::w0, S::P, S::M0, S::a, S::b}) {
      const bool read = slot == S::EI || slot == S::L || slot == S::x ||
                        std::find(r.begin(), r.end(), slot) != r.end();
      EXPECT_EQ(fails(code, {{slot, Vigas::SinValor}}), read) << code << " missing slot " << slot;
    }
    ExpectNoNonFiniteResults(code, {S::a, S::b});
  }
  for (int code : {302, 305, 308}) {
    EXPECT_FALSE(fails(code, {{S::a, bound}})) << code;
    EXPECT_TRUE(fails(code, {{S::a, above}})) << code;
    EXPECT_TRUE(fails(code, {{S::a, -1e-12}})) << code;
  }
  EXPECT_FALSE(fails(306, {{S::a, bound / 2}}));
  EXPECT_TRUE(fails(306, {{S::a, above / 2}}));
  EXPECT_TRUE(fails(306, {{S::a, -1e-12}}));
  // 303 bounds each length and their sum.
  EXPECT_FALSE(fails(303, {{S::a, 0}, {S::b, bound}}));
  EXPECT_FALSE(fails(303, {{S::a, 1.5}, {S::b, bound - 1.5}}));
  EXPECT_TRUE(fails(303, {{S::a, 1.5}, {S::b, 0.6}}));
  EXPECT_TRUE(fails(303, {{S::a, above}, {S::b, 0}}));
  EXPECT_TRUE(fails(303, {{S::a, 0}, {S::b, above}}));
  EXPECT_TRUE(fails(303, {{S::a, -1e-12}}));
  EXPECT_TRUE(fails(303, {{S::b, -1e-12}}));
}
