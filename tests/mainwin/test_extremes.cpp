// The extremes the program shows: never smaller than any value it shows for
// the same quantity, nor than a dense search of the beam that takes both
// sides of every jump. Also the search on its own, with no window.
#include <QString>
#include <algorithm>
#include <cmath>
#include <random>

#include "CalcTestSupport.h"
#include "engine/CaseTable.h"
#include "mainwin/Extremes.h"
#include "output/ReportText.h"

using mainwin_test::CalcTest;
using Vigas::Datos;
using Vigas::HasValue;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace {

constexpr int kQuantities[4] = {Slot::Y, Slot::Theta, Slot::M, Slot::V};

// Every value of the four quantities along [0, end]: 20,001 even points,
// and each place a load starts, ends or acts, at the place itself and at the
// nearest doubles either side. The places come from the inputs alone.
std::vector<std::vector<double>> DenseValues(int code, double end) {
  const double L = Datos[Slot::L];
  std::vector<double> places = {0, L, end, L / 2};
  for (int s : {Slot::a, Slot::b, Slot::c}) {
    if (!HasValue(Datos[s])) continue;
    places.push_back(Datos[s]);
    places.push_back(L - Datos[s]);
  }
  if (HasValue(Datos[Slot::a]) && HasValue(Datos[Slot::b]))
    places.push_back(Datos[Slot::a] + Datos[Slot::b]);
  std::vector<double> xs;
  for (int i = 0; i <= 20000; ++i) xs.push_back(std::min(end, end * i / 20000));
  for (double p : places)
    for (double x : {std::nextafter(p, -1.0), p, std::nextafter(p, end + 1)})
      if (x >= 0 && x <= end) xs.push_back(x);

  std::vector<std::vector<double>> values(4);
  for (double x : xs) {
    Datos[Slot::x] = x;
    Vigas::CalcularCaso(code, false);
    if (Vigas::FlagError != 0) continue;
    for (int q = 0; q < 4; ++q) values[q].push_back(Datos[kQuantities[q]]);
  }
  return values;
}

// The size of each quantity that the loads now in Datos give a beam of this
// length: the scale of the rounding residue a value that should be 0 keeps.
std::vector<double> LoadScales(double end) {
  double load = 0;
  for (int s : {Slot::w0, Slot::w1, Slot::w2})
    if (HasValue(Datos[s])) load += std::fabs(Datos[s]) * end;
  for (int s : {Slot::P, Slot::P1, Slot::P2})
    if (HasValue(Datos[s])) load += std::fabs(Datos[s]);
  for (int s : {Slot::M0, Slot::M1, Slot::M2})
    if (HasValue(Datos[s])) load += std::fabs(Datos[s]) / end;
  const double EI = Datos[Slot::EI];
  return {load * end * end * end / EI, load * end * end / EI, load * end, load};
}

class ExtremesTest : public CalcTest {
 protected:
  // Types the inputs now in Datos (base units) into the case's boxes, with
  // every digit, and x; then calculates.
  bool CalculateWith(const double (&inputs)[Vigas::kNumSlots], double x) {
    const int t = Tab();
    for (int r = 0; r < F().Model().InputRows(t); ++r) {
      if (!Shown(r)) continue;
      const int slot = r == RowOf("X") ? Slot::x : F().Model().Row(Tab(), r).slot;
      const double v = slot == Slot::x ? x : inputs[slot];
      Box(r)->SetText(QString::number(v * F().Model().RowFactor(Tab(), r), 'g', 17));
    }
    return F().Driver().Calcular();
  }
  // Calls check(k, inputs, rng, trial) for `trials` random valid input sets
  // of every case, with the case chosen and its inputs (base units) in
  // `inputs`; stops at the first failure.
  template <typename Check>
  void ForRandomInputsOfEveryCase(unsigned seed, int trials, Check check) {
    std::mt19937 rng(seed);
    for (const allcases::CaseInputs& k : allcases::Table()) {
      ChooseCase(k.code);
      for (int trial = 0; trial < trials && !HasFailure(); ++trial) {
        ASSERT_TRUE(allcases::RandomInputs(k, rng)) << k.code;
        double inputs[Vigas::kNumSlots];
        std::copy(std::begin(Datos), std::end(Datos), inputs);
        check(k, inputs, rng, trial);
      }
      if (HasFailure()) return;
    }
  }
  // The report's line of the maximum of one quantity, after "_M_A_X = ".
  QString MaxLine(const QString& symbol) {
    const report::TextLookup text = [this](const QString& key) { return F().GetL_win(key); };
    const QString solution = report::ReportSolution(report::ReportDataFromEngine(""), text);
    const QString start = "&SP=4:" + symbol + "_M_A_X = ";
    const int from = solution.indexOf(start);
    if (from < 0) return QString();
    return solution.mid(from + start.size(), solution.indexOf("&LF", from) - from - start.size());
  }
};

TEST_F(ExtremesTest, ShownExtremesBoundEveryValueOfTheirQuantity) {
  int ties = 0;
  ForRandomInputsOfEveryCase(2026, 5, [&](const auto& k, const auto& inputs, auto& rng, int trial) {
    const double end = allcases::End(k);
    const double x = std::uniform_real_distribution<double>(0, end)(rng);
    ASSERT_TRUE(CalculateWith(inputs, x)) << k.code;
    ASSERT_TRUE(messages_.messages.empty()) << k.code;

    double shown[4][7];  // per quantity: min, max, and at x, A, B, C, D
    for (int q = 0; q < 4; ++q) {
      const int Q = kQuantities[q];
      const int where[7] = {Q + 1, Q + 2, Q, Q + 3, Q + 4, Q + 5, Q + 6};
      for (int i = 0; i < 7; ++i) shown[q][i] = Datos[where[i]];
    }
    const auto dense = DenseValues(k.code, end);
    const std::vector<double> scales = LoadScales(end);

    for (int q = 0; q < 4; ++q) {
      SCOPED_TRACE(::testing::Message() << "code " << k.code << " trial " << trial << " "
                                        << Vigas::NomDatos[kQuantities[q]]);
      ASSERT_TRUE(HasValue(shown[q][0]) && HasValue(shown[q][1]));
      const double hi = std::max(shown[q][0], shown[q][1]);
      const double lo = std::min(shown[q][0], shown[q][1]);
      // The extreme shown as "max" is the one of larger magnitude; of two
      // equal to rounding, the true maximum.
      EXPECT_GE(std::fabs(shown[q][1]), std::fabs(shown[q][0]) * (1 - 1e-12));
      if (std::fabs(std::fabs(shown[q][1]) - std::fabs(shown[q][0])) <=
          1e-12 * std::fabs(shown[q][1])) {
        ++ties;
        EXPECT_GE(shown[q][1], shown[q][0]) << "a tie shows the minimum";
      }
      double largest = std::max(std::fabs(hi), std::fabs(lo));
      for (double v : dense[q]) largest = std::max(largest, std::fabs(v));
      // Relative 1e-9, and no less than the residue of a quantity that is
      // 0 all along (a load of no length, say).
      const double tol = std::max(1e-9 * largest, 1e-12 * scales[q]);
      for (int i = 2; i < 7; ++i) {
        if (!HasValue(shown[q][i])) continue;
        EXPECT_LE(shown[q][i], hi + tol) << "shown value " << i;
        EXPECT_GE(shown[q][i], lo - tol) << "shown value " << i;
      }
      ASSERT_GT(dense[q].size(), 20000u);
      const double denseHigh = *std::max_element(dense[q].begin(), dense[q].end());
      const double denseLow = *std::min_element(dense[q].begin(), dense[q].end());
      EXPECT_LE(denseHigh, hi + tol) << "dense search finds " << denseHigh << " above " << hi;
      EXPECT_GE(denseLow, lo - tol) << "dense search finds " << denseLow << " below " << lo;
    }
  });
  EXPECT_GT(ties, 20);  // symmetric cases tie on every input
}

// The two cases in which the search used to stop L/10000 short of a jump.
TEST_F(ExtremesTest, OneSidedLimitsAtJumpsAreFound) {
  // Uniform load over span and overhang: the shear just left of B,
  // -w0 (L^2 + a^2) / 2L, is larger than the shear right of it, w0 a.
  ChooseCase(500);
  FillInputs({{"EI", "2e6"}, {"L", "6"}, {"X", "1"}, {"W0", "10000"}, {"#a", "1.5"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_NEAR(Datos[Slot::Vmax], -31875, 31875 * 1e-12);
  EXPECT_NEAR(Datos[Slot::xVMax], 6, 1e-12);  // the report states it with its place

  // A couple in a fixed beam: the moment jumps by M0 at a; the larger value
  // is the limit from the left, 5000/9.
  ChooseCase(308);
  FillInputs({{"EI", "2e6"}, {"L", "6"}, {"X", "3"}, {"M0", "1000"}, {"a", "1"}});
  ASSERT_TRUE(F().Driver().Calcular());
  Datos[Slot::x] = std::nextafter(1.0, 0.0);
  const double mmax = Datos[Slot::Mmax];
  Vigas::CalcularCaso(308, false);
  EXPECT_NEAR(std::fabs(mmax), 5000.0 / 9, 1e-9);
  EXPECT_GE(std::fabs(mmax), std::fabs(Datos[Slot::M]));
  EXPECT_TRUE(messages_.messages.empty());
}

// A value whose magnitude is below 1e-12 of the largest of its quantity is
// rounding noise: the boxes show 0 and the report reads 0.
TEST_F(ExtremesTest, RoundingNoiseShowsAndReportsAsZero) {
  // Midspan slope of a uniform load, in feet: the formula leaves a residue.
  Vigas::SeleccionarUnidad(1, 4);   // ft
  Vigas::SeleccionarUnidad(4, 22);  // lbf/ft
  ChooseCase(100);
  FillInputs({{"EI", "3e6"}, {"L", "20"}, {"W0", "150"}, {"X", "10"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Datos[Slot::Theta], 0.0);
  EXPECT_EQ(Text(RowOf("Theta")), "0");
  EXPECT_EQ(Datos[Slot::V], 0.0);
  EXPECT_EQ(Text(RowOf("V")), "0");
  EXPECT_EQ(report::ReportDataFromEngine(QString()).Datos[Slot::Theta], 0.0);
  EXPECT_NE(Datos[Slot::ThetaA], 0.0);  // the slopes at the supports are no noise

  // All 54 cases: every value shown for a quantity is 0 or clearly not noise.
  ForRandomInputsOfEveryCase(12, 3, [&](const auto& k, const auto& inputs, auto& rng, int trial) {
    // x at a support or a load point half the time: where values vanish.
    const double end = allcases::End(k);
    const double xs[] = {std::uniform_real_distribution<double>(0, end)(rng), end / 2,
                         Datos[Slot::L], inputs[Slot::a] == SinValor ? 0 : inputs[Slot::a]};
    ASSERT_TRUE(CalculateWith(inputs, xs[trial % 4])) << k.code;
    const report::ReportData d = report::ReportDataFromEngine(QString());
    for (int Q : kQuantities) {
      const int where[7] = {Q, Q + 1, Q + 2, Q + 3, Q + 4, Q + 5, Q + 6};
      double largest = 0;
      for (int s : where)
        if (HasValue(Datos[s])) largest = std::max(largest, std::fabs(Datos[s]));
      for (int s : where) {
        if (!HasValue(Datos[s])) continue;
        EXPECT_TRUE(Datos[s] == 0 || std::fabs(Datos[s]) >= 1e-12 * largest)
            << k.code << " " << Vigas::NomDatos[s] << " " << Datos[s];
        EXPECT_EQ(d.Datos[s], Datos[s]);
      }
    }
    // What the boxes show is what Datos holds.
    for (int r = F().Model().InputRows(Tab()); r < 15; ++r) {
      const int slot = F().Model().Row(Tab(), r).slot;
      if (!Shown(r) || slot < 0 || Datos[slot] != 0) continue;
      EXPECT_EQ(Text(r), "0") << k.code << " " << Vigas::NomDatos[slot];
    }
  });
}

// Two extremes of equal magnitude: the true maximum is shown, with its own
// position, in the boxes and in the report.
TEST_F(ExtremesTest, ATieKeepsTheMaximumWithItsPosition) {
  // Uniform load, simply supported: the end slopes are +-w0 L^3 / 24 EI.
  ChooseCase(100);
  FillInputs({{"EI", "8510000"}, {"L", "3.35"}, {"W0", "32900"}, {"X", "1"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(MaxLine("&+I&theta&-I"), "6&.056&E-3 (/)  at  &+Ix = &-I3&.35 m.");

  // Central point load on a fixed beam: +PL/8 at midspan, -PL/8 at the ends.
  ChooseCase(304);
  FillInputs({{"EI", "1020000"}, {"L", "9.78"}, {"P", "14200"}, {"X", "1"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Text(RowOf("Mmax")), "17360");
  EXPECT_EQ(MaxLine("&+IM&-I"), "17360 N·m ( &union )  at  &+Ix = &-I4&.89 m.");
  // The shear is +-P/2 on either side: the positive half, left of the load.
  EXPECT_EQ(Datos[Slot::Vmax], 7100);

  // Two equal loads placed symmetrically, of either sign: the slope and the
  // shear tie at the ends, and the deflection peaks at midspan.
  ChooseCase(112);
  for (const QString load : {"2500", "-730"}) {
    FillInputs({{"EI", "3.1e6"}, {"L", "7.3"}, {"a", "2.1"}, {"b", "2.1"}, {"X", "0.5"}});
    FillInputs({{"P1", load}, {"P2", load}});
    ASSERT_TRUE(F().Driver().Calcular());
    EXPECT_GT(Datos[Slot::ThetaMax], 0);
    EXPECT_TRUE(MaxLine("&+IV&-I").contains("(&aus&ads)"));
    EXPECT_NEAR(Datos[Slot::xYmax], 3.65, 1e-12 * 7.3);
  }
}

// A smooth extreme inside the beam is where its rate of change turns: the
// slope for the deflection, the moment for the slope, the shear for the
// moment. Its position is right to every digit shown.
TEST_F(ExtremesTest, InteriorExtremesLieWhereTheirRateTurns) {
  Vigas::NumDigitos = 12;

  ChooseCase(100);
  FillInputs({{"EI", "8510000"}, {"L", "3.35"}, {"W0", "32900"}, {"X", "1"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_NEAR(Datos[Slot::xYmax], 1.675, 1e-12 * 3.35);

  // Fixed at A, pinned at B, uniform load: y' = 0 at L (15 - sqrt 33) / 16.
  ChooseCase(400);
  FillInputs({{"EI", "2.7e6"}, {"L", "5.9"}, {"W0", "-4100"}, {"X", "1"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_NEAR(Datos[Slot::xYmax], 5.9 * (15 - std::sqrt(33.0)) / 16, 1e-12 * 5.9);

  // Central load on a fixed beam, lengths in mm: the slope peaks at 3L/4.
  Vigas::SeleccionarUnidad(1, 2);
  ChooseCase(304);
  FillInputs({{"EI", "1020000"}, {"L", "9780"}, {"P", "14200"}, {"X", "1000"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_TRUE(MaxLine("&+I&theta&-I").endsWith("&+Ix = &-I7335 mm."));
  Vigas::SeleccionarUnidad(1, 0);
  Vigas::NumDigitos = 4;

  // Every case: a shown extreme away from the ends and the load points has
  // its rate of opposite signs 2e-12 of the length either side.
  const int rates[3][2] = {{Slot::Y, Slot::Theta}, {Slot::Theta, Slot::M}, {Slot::M, Slot::V}};
  int checked = 0;
  ForRandomInputsOfEveryCase(30, 4, [&](const auto& k, const auto& inputs, auto&, int) {
    const double end = allcases::End(k), L = inputs[Slot::L];
    ASSERT_TRUE(CalculateWith(inputs, end / 3)) << k.code;
    std::vector<double> places = {0, L, end, L / 2};
    for (int s : {Slot::a, Slot::b, Slot::c})
      if (HasValue(inputs[s])) places.insert(places.end(), {inputs[s], L - inputs[s]});
    if (HasValue(inputs[Slot::a]) && HasValue(inputs[Slot::b]))
      places.push_back(inputs[Slot::a] + inputs[Slot::b]);
    const std::vector<double> scales = LoadScales(end);
    double kept[Vigas::kNumSlots];
    std::copy(std::begin(Datos), std::end(Datos), kept);
    for (int q = 0; q < 3; ++q) {
      const int Q = rates[q][0], R = rates[q][1];
      const double at = kept[Slot::xYmax + q];
      bool nearPlace = false;
      for (double p : places) nearPlace = nearPlace || std::fabs(at - p) < 1e-9 * end;
      if (nearPlace || !HasValue(kept[Q + 2])) continue;
      auto rate = [&](double x) {
        Datos[Slot::x] = x;
        Vigas::CalcularCaso(k.code, false);
        return Datos[R];
      };
      const double before = rate(at - 2e-12 * end), after = rate(at + 2e-12 * end);
      const bool flat = std::max(std::fabs(before), std::fabs(after)) < 1e-10 * scales[q + 1];
      ++checked;
      EXPECT_TRUE(flat || before * after <= 0)
          << k.code << " " << Vigas::NomDatos[Q] << " at " << at << ": " << before << " " << after;
    }
  });
  EXPECT_GT(checked, 100);
}

// The search needs no window: the inputs in Datos are enough.
TEST(ExtremesSearch, RunsOnDatosAlone) {
  for (double& d : Datos) d = SinValor;
  Datos[Slot::EI] = 2e6, Datos[Slot::L] = 6, Datos[Slot::w0] = 10000, Datos[Slot::a] = 1.5;
  Datos[Slot::x] = 0;
  Vigas::CalcularCaso(500, true);
  ASSERT_EQ(Vigas::FlagError, 0);
  EXPECT_EQ(extremes::SearchLength(), 7.5);
  const std::vector<double> borders = extremes::IntervalBorders();
  EXPECT_EQ(borders, std::vector<double>({0, 6, 7.5, 7.5}));

  const extremes::ExtremesFound v = extremes::FindExtremes(500, Slot::V, 7.5, borders);
  ASSERT_TRUE(v.found);
  EXPECT_DOUBLE_EQ(v.max, -31875);
  EXPECT_DOUBLE_EQ(v.min, 28125);  // at A
  // Without the borders the jump at B is approached from a sampled distance only.
  const extremes::ExtremesFound coarse = extremes::FindExtremes(500, Slot::V, 7.5, {});
  EXPECT_LT(std::fabs(coarse.max), 31875);

  // Deflection: the search narrows in on a smooth extreme to the last digits.
  const extremes::ExtremesFound y = extremes::FindExtremes(500, Slot::Y, 7.5, borders);
  ASSERT_TRUE(y.found);
  double best = 0;
  for (int i = 0; i <= 200000; ++i) {
    Datos[Slot::x] = y.xMax - 1e-3 + 2e-3 * i / 200000;
    Vigas::CalcularCaso(500, false);
    best = std::max(best, std::fabs(Datos[Slot::Y]));
  }
  EXPECT_GE(std::fabs(y.max), best * (1 - 1e-13));

  // A case that cannot be solved, or no length, finds nothing.
  EXPECT_FALSE(extremes::FindExtremes(500, Slot::V, 0, borders).found);
  Datos[Slot::EI] = -1;
  EXPECT_FALSE(extremes::FindExtremes(500, Slot::V, 7.5, borders).found);
}

}  // namespace
