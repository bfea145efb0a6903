// The curve runs through every sample to the end of the range, so a load
// near the end shows its peak and its jump; the 64 table points stay where
// they were, and the rounding residue of a true zero is tabled as 0.
#include <cmath>

#include "GraphTestSupport.h"
#include "engine/CaseTable.h"

using namespace graph_test;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

class CurvePoints : public GraphTest {
 protected:
  // Case 109: simply supported, a point load P at a.
  static constexpr double kSpan = 6, kAt = 5.95, kLoad = 10000;

  void SetUpNearEndLoad() {
    using namespace Vigas;
    std::fill(std::begin(Datos), std::end(Datos), SinValor);
    TipoViga = 1;
    CasoCarga[1] = 9;
    Datos[Slot::EI] = 2e7;
    Datos[Slot::L] = kSpan;
    Datos[Slot::a] = kAt;
    Datos[Slot::P] = kLoad;
    const double m = At(kAt).M;
    const double vLeft = At(3).V, vRight = At(5.99).V;
    Datos[Slot::MMin] = std::min(0.0, m);
    Datos[Slot::Mmax] = std::max(0.0, m);
    Datos[Slot::VMin] = std::min(vLeft, vRight);
    Datos[Slot::Vmax] = std::max(vLeft, vRight);
    FlagError = 0;
  }

  struct Values {
    double M, V;
  };
  static Values At(double x) {
    Datos[Slot::x] = x;
    Vigas::CalcularCaso(109, false);
    EXPECT_EQ(Vigas::FlagError, 0);
    return {Datos[Slot::M], Datos[Slot::V]};
  }

  // The curve's corners in graph units.
  static std::vector<std::pair<double, double>> Vertices(const LineRecorder& t) {
    std::vector<std::pair<double, double>> out;
    auto unmap = [](double px, double py) {
      return std::make_pair((px - OrigenX - 0.1 * AnchoRef) / EscalaX + DibXmin,
                            DibYmin + (AltoDestino - 3 * AltoRef - py) / EscalaY);
    };
    for (const auto& l : t.LinesIn(kCurva)) {
      if (out.empty()) out.push_back(unmap(l.x1, l.y1));
      out.push_back(unmap(l.x2, l.y2));
    }
    return out;
  }
};

TEST_F(CurvePoints, ALoadNearTheEndShowsItsPeakAndItsJump) {
  SetUpNearEndLoad();
  const double peak = kLoad * kAt * (kSpan - kAt) / kSpan;  // 495.83 N·m
  const double shearRight = kLoad * kAt / kSpan;            // 9916.7 N
  ASSERT_NEAR(std::fabs(At(kAt).M), peak, 1e-9 * peak);

  Prepare(3);
  LineRecorder moment;
  DibujarGrafica(moment, true);
  const auto m = Vertices(moment);
  EXPECT_EQ(m.size(), 257u);
  double highest = 0;
  for (const auto& v : m) highest = std::max(highest, std::fabs(v.second));
  // The nearest sample, 6 * 253 / 256 = 5.9297 m, is within half a percent.
  EXPECT_GT(highest, 0.995 * peak);
  EXPECT_LE(highest, peak * (1 + 1e-9));
  EXPECT_DOUBLE_EQ(m.back().first, kSpan);
  EXPECT_NEAR(m.back().second, 0, 1e-9 * peak);

  // The table keeps its 64 points: every fourth sample, then the end.
  for (int n = 1; n <= 63; ++n) ASSERT_DOUBLE_EQ(PuntosX[n], (n - 1) * kSpan / 64) << n;
  EXPECT_EQ(PuntosX[64], kSpan);

  // Past the load the shear is drawn at its value, not as a ramp from the
  // 63rd point: the samples at 5.953, 5.977 and 6 m.
  Prepare(4);
  LineRecorder shear;
  DibujarGrafica(shear, true);
  int beyond = 0;
  for (const auto& v : Vertices(shear)) {
    if (v.first <= kAt) continue;
    ++beyond;
    EXPECT_NEAR(std::fabs(v.second), shearRight, 1e-6 * shearRight) << v.first;
  }
  EXPECT_EQ(beyond, 3);
}

TEST_F(CurvePoints, TheResidueOfATrueZeroIsTabledAsZero) {
  Prepare(1);
  // A range from -1.2 m: the 64th sum of steps misses 0 by 1.5e-15.
  GrXmin = -1.2;
  GrXmax = 3.6;
  const double ymax = 1e-3;
  CaseEvaluator old = SetCaseEvaluator([&](int, bool) {
    const double x = Datos[Slot::x];
    double y = ymax * std::sin(M_PI * (x + 1.2) / 4.8);  // sin(pi) leaves 1.2e-19
    if (std::fabs(x - 0.6) < 1e-9) y = 5e-13 * ymax;     // below a 1e-12 share
    if (std::fabs(x - 2.4) < 1e-9) y = -2e-12 * ymax;    // above it
    Datos[Slot::Y] = y;
  });
  LineRecorder t;
  DibujarGrafica(t, true);
  SetCaseEvaluator(old);

  EXPECT_EQ(PuntosX[17], 0);  // the sample at x = 0
  EXPECT_EQ(PuntosX[1], -1.2);
  EXPECT_EQ(PuntosY[1], 0);
  EXPECT_EQ(PuntosY[64], 0);
  EXPECT_EQ(PuntosY[25], 0);
  EXPECT_EQ(PuntosY[49], -2e-12 * ymax);
  EXPECT_NEAR(PuntosY[33], ymax, 1e-15);
}

TEST_F(CurvePoints, TheMidspanSlopeOfASymmetricBeamIsTabledAsZero) {
  // Case 100: the slope at midspan is 0 by symmetry whatever the span.
  for (double span : {3.7, 6.1, 7.3, 9.9, 12.2, 1.83}) {
    Datos[Slot::L] = span;
    Datos[Slot::ThetaMin] = -kW * span * span * span / (24 * kEI);
    Datos[Slot::ThetaMax] = kW * span * span * span / (24 * kEI);
    Prepare(2);
    LineRecorder t;
    DibujarGrafica(t, true);
    EXPECT_NEAR(PuntosX[33], span / 2, 1e-12 * span) << span;
    EXPECT_EQ(PuntosY[33], 0) << span;
    const double end = kW * span * span * span / (24 * kEI);
    EXPECT_NEAR(std::fabs(PuntosY[1]), end, 1e-9 * end) << span;
  }
}

}  // namespace

// Every case: the table holds an exact 0 wherever a support holds the beam
// (deflection at A, and at B unless B is a free end), and no value is left
// that is only the residue of a zero, whatever the inputs.
TEST_F(CurvePoints, EveryCaseTablesSupportsAndResidueAsZero) {
  std::mt19937 rng(20261209);
  const int kinds[] = {Slot::Y, Slot::Theta, Slot::M, Slot::V};
  const int lows[] = {Slot::Ymin, Slot::ThetaMin, Slot::MMin, Slot::VMin};
  const int highs[] = {Slot::Ymax, Slot::ThetaMax, Slot::Mmax, Slot::Vmax};
  for (const allcases::CaseInputs& k : allcases::Table()) {
    for (int trial = 0; trial < 4; ++trial) {
      ASSERT_TRUE(allcases::RandomInputs(k, rng)) << k.code;
      Vigas::TipoViga = static_cast<int16_t>(k.code / 100);
      Vigas::CasoCarga[Vigas::TipoViga] = static_cast<int16_t>(k.code % 100);
      // The graph's range from a scan of the beam, as the window's search
      // would leave it.
      const double end = allcases::End(k);
      double lo[4] = {0, 0, 0, 0}, hi[4] = {0, 0, 0, 0};
      for (int i = 0; i <= 400; ++i) {
        Datos[Slot::x] = end * i / 400;
        Vigas::CalcularCaso(k.code, false);
        ASSERT_EQ(Vigas::FlagError, 0) << k.code;
        for (int q = 0; q < 4; ++q) {
          lo[q] = std::min(lo[q], Datos[kinds[q]]);
          hi[q] = std::max(hi[q], Datos[kinds[q]]);
        }
      }
      for (int q = 0; q < 4; ++q) {
        Datos[lows[q]] = lo[q];
        Datos[highs[q]] = hi[q];
      }
      for (int type = 1; type <= 4; ++type) {
        TipoGrafica = static_cast<int16_t>(type);
        PrepararGrafica();
        if (Vigas::FlagError != 0) continue;  // a quantity that is 0 all along
        LineRecorder t;
        DibujarGrafica(t, true);
        double largest = 0;
        for (int n = 1; n <= 64; ++n) largest = std::max(largest, std::fabs(PuntosY[n]));
        for (int n = 1; n <= 64; ++n) {
          const double v = std::fabs(PuntosY[n]);
          EXPECT_TRUE(v == 0 || v >= 1e-12 * largest)
              << k.code << " type " << type << " point " << n << ": " << PuntosY[n];
        }
        if (type != 1) continue;
        ASSERT_EQ(PuntosX[1], 0) << k.code;
        EXPECT_EQ(PuntosY[1], 0) << k.code << " deflection at A";
        const bool freeEndAtB = k.code / 100 == 2 || k.overhang >= 0;
        if (!freeEndAtB) {
          EXPECT_EQ(PuntosY[64], 0) << k.code << " deflection at B";
        }
      }
      sink.messages.clear();
      Vigas::FlagError = 0;
    }
  }
}
