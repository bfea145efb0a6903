// Cantilever cases 200-210 against beam physics, textbook values and each other.
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

const double kPi = 4 * std::atan(1.0);

CaseTrial Make(int code, std::mt19937& rng) {
  CaseTrial t{code, In(rng, 1e2, 1e6), In(rng, 0.5, 12), {}, {}};
  const double L = t.L, w0 = SignedIn(rng, 1, 1e4), P = SignedIn(rng, 1, 1e4),
               M0 = SignedIn(rng, 1, 1e4), a = L * In(rng, 0.05, 0.95);
  LoadModel& ld = t.load;
  auto spread = [&](double from, double to, std::function<double(double)> w) {
    ld.w = w, ld.wFrom = from, ld.wTo = to;
  };
  auto uniform = [w0](double) { return w0; };
  switch (code) {
    case 200:
      t.inputs = {{S::w0, w0}}, spread(0, L, uniform);
      break;
    case 201:
      t.inputs = {{S::w0, w0}, {S::a, a}}, spread(0, a, uniform);
      break;
    case 202:
      t.inputs = {{S::w0, w0}, {S::b, a}}, spread(L - a, L, uniform);
      break;
    case 203: {
      const double b = (L - a) * In(rng, 0.05, 0.95);
      t.inputs = {{S::w0, w0}, {S::a, a}, {S::b, b}}, spread(a, a + b, uniform);
      break;
    }
    case 204:
      t.inputs = {{S::w0, w0}}, spread(0, L, [=](double x) { return w0 * x / L; });
      break;
    case 205:
      t.inputs = {{S::w0, w0}}, spread(0, L, [=](double x) { return w0 * (1 - x / L); });
      break;
    case 206:
      t.inputs = {{S::w0, w0}};
      spread(0, L, [=](double x) { return w0 * std::cos(kPi * x / (2 * L)); });
      break;
    case 207:
      t.inputs = {{S::P, P}}, ld.points = {{L, P}};
      break;
    case 208:
      t.inputs = {{S::P, P}, {S::a, a}}, ld.points = {{a, P}};
      break;
    // A positive M0 hogs the stretch next to the wall: mark -1.
    case 209:
      t.inputs = {{S::M0, M0}}, ld.couples = {{L, -M0}};
      break;
    case 210:
      t.inputs = {{S::M0, M0}, {S::a, a}}, ld.couples = {{a, -M0}};
      break;
  }
  return t;
}

void Rel(double got, double want) {
  EXPECT_NEAR(got, want, 1e-12 * std::fabs(want)) << want;
}

}  // namespace

TEST(CantileverCases, SupportsEquilibriumAndContinuity) {
  std::mt19937 rng(2024);
  for (int code = 200; code <= 210; ++code) {
    for (int trial = 0; trial < 6; ++trial) {
      const CaseTrial t = Make(code, rng);
      LoadTrial(t);
      const double L = t.L;
      const AtX s = Scales(code, L);
      const AtX A = Eval(code, 0, true), B = Eval(code, L);
      ASSERT_TRUE(A.ok && B.ok) << code;
      const double Ra = Vigas::Datos[S::Ra];
      // Built in at A.
      EXPECT_TRUE(Close(A.Y, 0, s.Y, 1e-12)) << code;
      EXPECT_TRUE(Close(A.Theta, 0, s.Theta, 1e-12)) << code;
      // Free at B: only a load placed on the tip acts there.
      double tipP = 0, tipC = 0;
      for (const auto& p : t.load.points) tipP += p.first == L ? p.second : 0;
      for (const auto& c : t.load.couples) tipC += c.first == L ? c.second : 0;
      EXPECT_TRUE(Close(B.M, tipC, s.M, 1e-9)) << code << " M(L) " << B.M;
      EXPECT_TRUE(Close(B.V, tipP, s.V, 1e-9)) << code << " V(L) " << B.V;
      // The wall takes the load and its moment; the end moment is M at x = 0.
      const double F = t.load.Force(), scale = t.load.Magnitude() * L;
      EXPECT_TRUE(Close(Ra, F, t.load.Magnitude(), 1e-9)) << code << " Ra " << Ra << " vs " << F;
      EXPECT_TRUE(Close(A.M, t.load.CoupleSum() - t.load.MomentAboutA(), scale, 1e-9))
          << code << " M(0) " << A.M;
      EXPECT_TRUE(Close(A.V, Ra, s.V, 1e-9)) << code << " V(0) " << A.V;
      ExpectLoadResponse(code, t.EI, L, t.load);
    }
  }
}

TEST(CantileverCases, LinearInLoadsAndFlexibility) {
  std::mt19937 rng(77);
  for (int code = 200; code <= 210; ++code) {
    CaseTrial t = Make(code, rng);
    const double x = t.L * 0.37;
    LoadTrial(t);
    const AtX base = Eval(code, x);
    for (auto& [slot, v] : t.inputs)
      if (slot != S::a && slot != S::b) v *= -2.5;
    t.EI *= 4;
    LoadTrial(t);
    const AtX k = Eval(code, x);
    ASSERT_TRUE(base.ok && k.ok);
    ExpectScaled(k, base, -2.5 / 4, -2.5, code);
  }
}

// The extremes a case writes itself must be those a dense search finds.
TEST(CantileverCases, SuppliedExtremesMatchDenseSearch) {
  struct Q {
    double AtX::*field;
    int minSlot, maxSlot, posSlot;
  };
  const Q Yq{&AtX::Y, S::Ymin, S::Ymax, S::xYmax},
      Tq{&AtX::Theta, S::ThetaMin, S::ThetaMax, S::xThetaMax},
      Mq{&AtX::M, S::MMin, S::Mmax, S::xMMax}, Vq{&AtX::V, S::VMin, S::Vmax, S::xVMax};
  const std::vector<std::pair<int, std::vector<Q>>> supplied = {
      {200, {Vq}}, {201, {Yq, Tq, Mq, Vq}}, {202, {Yq, Tq, Vq}}, {204, {Vq}}, {205, {Vq}},
      {206, {Vq}}, {209, {Yq, Tq}},         {210, {Yq}}};
  std::mt19937 rng(5);
  for (const auto& [code, qs] : supplied) {
    for (int trial = 0; trial < 3; ++trial) {
      const CaseTrial t = Make(code, rng);
      LoadTrial(t);
      ASSERT_TRUE(Eval(code, 0, true).ok);
      const int n = 20000;
      std::vector<AtX> dense(n + 1);
      for (int i = 0; i <= n; ++i) dense[i] = Eval(code, t.L * i / n);
      for (const Q& q : qs) {
        double lo = dense[0].*q.field, hi = lo;
        for (const AtX& r : dense) lo = std::min(lo, r.*q.field), hi = std::max(hi, r.*q.field);
        const double big = std::fabs(hi) >= std::fabs(lo) ? hi : lo, other = big == hi ? lo : hi;
        const double mx = Vigas::Datos[q.maxSlot], mn = Vigas::Datos[q.minSlot],
                     pos = Vigas::Datos[q.posSlot];
        EXPECT_NEAR(mx, big, 1e-9 * std::fabs(big)) << code << " max slot " << q.maxSlot;
        EXPECT_NEAR(mn, other, 1e-9 * std::fabs(big)) << code << " min slot " << q.minSlot;
        ASSERT_TRUE(pos >= 0 && pos <= t.L) << code;
        const AtX at = Eval(code, pos);
        EXPECT_NEAR(at.*q.field, mx, 1e-9 * std::fabs(big)) << code << " position " << pos;
      }
    }
  }
}

TEST(CantileverCases, TextbookAndSpecialPoints) {
  const double EI = 2e4, L = 3, w0 = 1200, P = 900, M0 = 700;
  Inputs({{S::EI, EI}, {S::L, L}, {S::w0, w0}});
  AtX r = Eval(200, 0, true);
  Rel(r.M, -w0 * L * L / 2);
  Rel(r.V, w0 * L);
  Rel(Vigas::Datos[S::VMin], 0);
  Rel(Vigas::Datos[S::Vmax], w0 * L);
  Rel(Vigas::Datos[S::xVMax], 0);
  EXPECT_EQ(Vigas::Datos[S::Ymax], Vigas::SinValor);  // left to the driver
  r = Eval(200, L);
  Rel(r.Y, -w0 * std::pow(L, 4) / (8 * EI));
  Rel(r.Theta, -w0 * L * L * L / (6 * EI));
  EXPECT_EQ(r.M, 0.0);
  Rel(Eval(204, L).Y, -11 * w0 * std::pow(L, 4) / (120 * EI));
  Rel(Eval(204, 0, true).M, -w0 * L * L / 3);
  Rel(Vigas::Datos[S::Ra], w0 * L / 2);
  Rel(Eval(205, L).Y, -w0 * std::pow(L, 4) / (30 * EI));
  Rel(Eval(205, 0, true).M, -w0 * L * L / 6);
  Rel(Vigas::Datos[S::Ra], w0 * L / 2);
  r = Eval(206, 0, true);
  Rel(r.V, 2 * w0 * L / kPi);
  Rel(r.M, -2 * w0 * L * L * (kPi - 2) / (kPi * kPi));
  Rel(Vigas::Datos[S::Ra], 2 * w0 * L / kPi);
  r = Eval(206, L);
  EXPECT_EQ(r.M, 0.0);
  EXPECT_NEAR(r.V, 0, 1e-12 * w0 * L);

  Inputs({{S::EI, EI}, {S::L, L}, {S::P, P}, {S::M0, M0}});
  r = Eval(207, L);
  Rel(r.Y, -P * L * L * L / (3 * EI));
  Rel(r.Theta, -P * L * L / (2 * EI));
  EXPECT_EQ(r.M, 0.0);
  EXPECT_EQ(r.V, P);
  r = Eval(209, L, true);
  Rel(r.Y, -M0 * L * L / (2 * EI));
  EXPECT_EQ(r.V, 0.0);
  EXPECT_EQ(Vigas::Datos[S::Ra], 0.0);
  EXPECT_EQ(Vigas::Datos[S::sM0], -1.0);
  EXPECT_EQ(Vigas::Datos[S::Ymax], r.Y);
  EXPECT_EQ(Vigas::Datos[S::xYmax], L);
}

// Partial loads at their limits become the full cases; loads superpose.
TEST(CantileverCases, PartialCasesReduceAndSuperpose) {
  const double EI = 5e3, L = 4, w0 = -800, P = 350, M0 = -420, a = 1.3;
  Inputs({{S::EI, EI}, {S::L, L}, {S::w0, w0}, {S::P, P}, {S::M0, M0}});
  const AtX s200 = Scales(200, L), s207 = Scales(207, L), s209 = Scales(209, L);
  for (int i = 0; i <= 16; ++i) {
    const double x = L * i / 16;
    const AtX full = Eval(200, x), tip = Eval(207, x), end = Eval(209, x);
    Vigas::Datos[S::a] = L, Vigas::Datos[S::b] = L;
    ExpectSameResults(Eval(201, x), full, s200, "201 a=L");
    ExpectSameResults(Eval(202, x), full, s200, "202 b=L");
    AtX p = Eval(208, x), m = Eval(210, x);
    if (i == 16) {
      EXPECT_EQ(p.V, 0.0);  // the load sits at x = a, counted on the right
      EXPECT_EQ(m.M, 0.0);
      p.V = tip.V, m.M = end.M;
    }
    ExpectSameResults(p, tip, s207, "208 a=L");
    ExpectSameResults(m, end, s209, "210 a=L");
    Vigas::Datos[S::a] = 0;
    ExpectSameResults(Eval(203, x), full, s200, "203 a=0 b=L");
    // w0 on [0, a] plus w0 on [a, L] is w0 everywhere.
    Vigas::Datos[S::a] = a, Vigas::Datos[S::b] = L - a;
    const AtX u = Eval(201, x), v = Eval(202, x);
    ExpectSameResults(u + v, full, s200, "201+202");
    // w0 on [a, a + b] is w0 on [0, a + b] less w0 on [0, a].
    Vigas::Datos[S::b] = 1.5;
    const AtX part = Eval(203, x), small = Eval(201, x);
    Vigas::Datos[S::a] = a + 1.5;
    const AtX big = Eval(201, x);
    ExpectSameResults(part, big + -1 * small, s200, "203 by difference");
  }
  // The load point and couple point fall on the right-hand side.
  Vigas::Datos[S::a] = a;
  EXPECT_EQ(Eval(201, a).M, 0.0);
  EXPECT_EQ(Eval(208, a).V, 0.0);
  EXPECT_EQ(Eval(210, a).M, 0.0);
  // Beyond a partial load nothing bends: M and V are 0, Theta is constant.
  Vigas::Datos[S::b] = 1.5;
  const AtX past1 = Eval(203, 3.0), past2 = Eval(203, L);
  EXPECT_EQ(past1.M, 0.0);
  EXPECT_EQ(past2.V, 0.0);
  EXPECT_EQ(past1.Theta, past2.Theta);
  Vigas::Datos[S::b] = 1.5;
  EXPECT_NEAR(Eval(203, a + 1.5).M, 0, 1e-9);  // computed on the loaded stretch
  // No load at all with b = 0.
  Vigas::Datos[S::b] = 0;
  for (double x : {0.0, 1.0, L}) {
    const AtX z = Eval(202, x);
    EXPECT_NEAR(std::fabs(z.Y) + std::fabs(z.Theta) + std::fabs(z.M) + std::fabs(z.V), 0, 1e-10);
  }
}

TEST(CantileverCases, CompletoWrites) {
  const double L = 5, a = 1.75, b = 2;
  Inputs({{S::EI, 1e4}, {S::L, L}, {S::w0, 10}, {S::P, 10}, {S::M0, 10}, {S::a, a}, {S::b, b}});
  auto slot = [](int s) { return Vigas::Datos[s]; };
  // Completo false leaves the extra slots alone.
  Eval(201, 1);
  EXPECT_EQ(slot(S::Ra), Vigas::SinValor);
  EXPECT_EQ(slot(S::Ymax), Vigas::SinValor);
  Eval(201, 1, true);
  EXPECT_EQ(slot(S::xC), a);
  Eval(202, 1, true);
  EXPECT_EQ(slot(S::xC), L - b);
  EXPECT_EQ(slot(S::a), a);  // the start of the load goes to xC only
  Eval(203, 1, true);
  EXPECT_EQ(slot(S::xC), a);
  EXPECT_EQ(slot(S::xD), a + b);
  EXPECT_EQ(slot(S::c), L - a - b);
  EXPECT_EQ(slot(S::Rb), Vigas::SinValor);
  Vigas::Datos[S::xC] = 0;
  Eval(208, 1, true);
  EXPECT_EQ(slot(S::xC), a);
  Vigas::Datos[S::b] = 0;
  Eval(210, 1, true);
  EXPECT_EQ(slot(S::xC), a);
  EXPECT_EQ(slot(S::b), L - a);
  EXPECT_EQ(slot(S::sM0), -1.0);
  // Within the tolerance: xC = |L - b| stays on the beam, c goes slightly negative.
  const double over = Vigas::ToleranceBound(L);
  Vigas::Datos[S::b] = over;
  ASSERT_TRUE(Eval(202, 1, true).ok);
  EXPECT_EQ(slot(S::xC), over - L);
  Vigas::Datos[S::a] = 0, Vigas::Datos[S::b] = over;
  ASSERT_TRUE(Eval(203, 1, true).ok);
  EXPECT_LT(slot(S::c), 0);
  Vigas::Datos[S::b] = L;
  Eval(203, 1, true);
  EXPECT_EQ(slot(S::c), 0.0);
}

TEST(CantileverCases, RangeChecksAndMissingInputs) {
  const double L = 2, bound = Vigas::ToleranceBound(L),
               above = std::nextafter(bound, std::numeric_limits<double>::infinity());
  const auto fails = casecheck::FailsWithChanged;
  const std::vector<std::vector<int>> reads = {
      {S::w0}, {S::w0, S::a}, {S::w0, S::b}, {S::w0, S::a, S::b}, {S::w0}, {S::w0}, {S::w0},
      {S::P},  {S::P, S::a},  {S::M0},       {S::M0, S::a}};
  for (int code = 200; code <= 210; ++code) {
    EXPECT_FALSE(fails(code, {{S::x, bound}})) << code;
    for (auto [slot, v] : std::vector<std::pair<int, double>>{
             {S::EI, 0}, {S::EI, -1}, {S::L, 0}, {S::x, -1e-300}, {S::x, above}})
      EXPECT_TRUE(fails(code, {{slot, v}})) << code << " slot " << slot << " = " << v;
    // Exactly the inputs a case reads are needed.
    const std::vector<int>& r = reads[code - 200];
    for (int slot : {S::EI, S::L, S::x, S::w0, S::P, S::M0, S::a, S::b}) {
      const bool read = slot == S::EI || slot == S::L || slot == S::x ||
                        std::find(r.begin(), r.end(), slot) != r.end();
      EXPECT_EQ(fails(code, {{slot, Vigas::SinValor}}), read) << code << " missing slot " << slot;
    }
    ExpectNoNonFiniteResults(code, {S::a, S::b});
  }
  // A lone length lies in [0, L]; in 203 only the sum is bounded.
  for (auto [code, slot] :
       std::vector<std::pair<int, int>>{{201, S::a}, {202, S::b}, {208, S::a}, {210, S::a}}) {
    EXPECT_FALSE(fails(code, {{slot, bound}})) << code;
    EXPECT_TRUE(fails(code, {{slot, above}})) << code;
    EXPECT_TRUE(fails(code, {{slot, -1e-12}})) << code;
  }
  EXPECT_FALSE(fails(203, {{S::a, 0}, {S::b, bound}}));
  EXPECT_FALSE(fails(203, {{S::a, 1.5}, {S::b, bound - 1.5}}));
  EXPECT_TRUE(fails(203, {{S::a, 1.5}, {S::b, 0.6}}));
  EXPECT_TRUE(fails(203, {{S::a, -1e-12}}));
  EXPECT_TRUE(fails(203, {{S::b, -1e-12}}));
}
