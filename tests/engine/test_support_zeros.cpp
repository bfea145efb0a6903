// What the supports fix: deflection zero at every support, slope zero at a
// built-in end, moment zero at a pinned or free end and shear zero at a free
// end, stored as exact zeros rather than rounding residue; only a couple or
// point load standing on the end keeps the moment or shear there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "CaseChecks.h"
#include "CaseTable.h"

using namespace Vigas;
using allcases::CaseInputs;

namespace {

enum class Support { Pinned, Fixed, Free };

// The support types, from the hundreds of the code: (end A, end B).
std::pair<Support, Support> Ends(int code) {
  switch (code / 100) {
    case 2:
      return {Support::Fixed, Support::Free};
    case 3:
      return {Support::Fixed, Support::Fixed};
    case 4:
      return {Support::Fixed, Support::Pinned};
    default:
      return {Support::Pinned, Support::Pinned};
  }
}

struct Largest {
  double Y = 0, Theta = 0, M = 0, V = 0;
};
Largest Scales(int code, double end) {
  Largest s;
  for (int i = 0; i <= 200; ++i) {
    const casecheck::AtX r = casecheck::Eval(code, end * i / 200);
    s.Y = std::max(s.Y, std::fabs(r.Y));
    s.Theta = std::max(s.Theta, std::fabs(r.Theta));
    s.M = std::max(s.M, std::fabs(r.M));
    s.V = std::max(s.V, std::fabs(r.V));
  }
  return s;
}

// Exactly zero, or clearly the value of a load standing there.
bool ZeroOrLoaded(double v, double scale) {
  return v == 0 || std::fabs(v) >= 1e-6 * scale;
}

TEST(SupportValues, AreExactZerosUnlessALoadStandsOnTheEnd) {
  std::mt19937 rng(303);
  int loadedEnds = 0;
  for (const CaseInputs& k : allcases::Table()) {
    for (int trial = 0; trial < 60; ++trial) {
      ASSERT_TRUE(allcases::RandomInputs(k, rng)) << k.code;
      const double L = Datos[Slot::L], end = allcases::End(k);
      const Largest s = Scales(k.code, end);
      const auto [atA, atB] = Ends(k.code);
      struct Point {
        double x;
        Support kind;
      };
      std::vector<Point> points = {{0.0, atA}};
      if (end > L) {
        points.push_back({L, Support::Pinned});  // B, inside the beam: deflection only
        points.push_back({end, Support::Free});
      } else {
        points.push_back({L, atB});
      }
      for (size_t p = 0; p < points.size(); ++p) {
        const double x = points[p].x;
        const Support kind = points[p].kind;
        const casecheck::AtX r = casecheck::Eval(k.code, x, trial % 2 == 0);
        const std::string where = casecheck::Where(k.code, x) + " trial " + std::to_string(trial);
        ASSERT_TRUE(r.ok) << where;
        const bool insideSupport = end > L && p == 1;
        if (kind != Support::Free) {
          EXPECT_EQ(r.Y, 0.0) << where << ": Y " << r.Y;
        }
        if (kind == Support::Fixed) {
          EXPECT_EQ(r.Theta, 0.0) << where << ": Theta " << r.Theta;
        }
        if (kind != Support::Fixed && !insideSupport) {
          EXPECT_TRUE(ZeroOrLoaded(r.M, s.M)) << where << ": M " << r.M;
          loadedEnds += r.M != 0;
        }
        if (kind == Support::Free) {
          EXPECT_TRUE(ZeroOrLoaded(r.V, s.V)) << where << ": V " << r.V;
          loadedEnds += r.V != 0;
        }
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
  EXPECT_GT(loadedEnds, 100);  // the end loads were met in earnest
}

// An end that carries a couple keeps its moment, a free end that carries a
// point load keeps its shear.
TEST(SupportValues, EndLoadsKeepTheirMomentAndShear) {
  using casecheck::Eval;
  casecheck::Inputs({{Slot::EI, 1e4}, {Slot::L, 3}, {Slot::M0, 7}, {Slot::P, 5}, {Slot::a, 1}});
  EXPECT_DOUBLE_EQ(Eval(113, 3).M, 7);   // couple at B
  EXPECT_DOUBLE_EQ(Eval(114, 0).M, -7);  // couple at A
  EXPECT_DOUBLE_EQ(Eval(209, 3).M, -7);  // couple at the free end
  EXPECT_DOUBLE_EQ(Eval(408, 3).M, -7);  // couple at the pinned end B
  EXPECT_DOUBLE_EQ(Eval(207, 3).V, 5);   // load at the free end
  EXPECT_DOUBLE_EQ(Eval(502, 4).V, 5);   // load at the tip of the overhang
  EXPECT_EQ(Eval(502, 4).M, 0);          // ... where the moment is zero
  Datos[Slot::M1] = 2, Datos[Slot::M2] = 3;
  EXPECT_DOUBLE_EQ(std::fabs(Eval(118, 0).M), 2);
  EXPECT_DOUBLE_EQ(std::fabs(Eval(119, 3).M), 3);
}

// The residues the formulas leave, now exact: a built-in end of 303 and the
// far support of a uniform load.
TEST(SupportValues, ResiduesOfTheFormulasAreGone) {
  casecheck::Inputs(
      {{Slot::EI, 2e6}, {Slot::L, 6}, {Slot::w0, 1000}, {Slot::a, 1.1}, {Slot::b, 2.3}});
  for (int code : {303, 403, 300, 100, 105, 107}) {
    const casecheck::AtX r = casecheck::Eval(code, 6);
    EXPECT_EQ(r.Y, 0.0) << code;
    EXPECT_EQ(code / 100 == 3 ? r.Theta : r.M, 0.0) << code;
  }
}

}  // namespace
