// Graph set-up: grid steps, ranges, titles, and the failures that must end
// with "Invalid data." instead of a graph that can never be drawn.
#include <cmath>

#include "GraphTestSupport.h"

using namespace graph_test;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

double Step(double r) {
  double s = -1;
  EXPECT_TRUE(PasoRejilla(r, s)) << r;
  return s;
}

TEST(StepRule, TwentiethTenthOrFifthOfThePowerOfTenByLeadingFigure) {
  EXPECT_DOUBLE_EQ(Step(2), 0.1);  // f = 0.30103, just above 0.301
  EXPECT_DOUBLE_EQ(Step(3), 0.1);
  EXPECT_DOUBLE_EQ(Step(5), 0.2);
  EXPECT_DOUBLE_EQ(Step(10), 0.5);
  EXPECT_DOUBLE_EQ(Step(1.5), 0.05);
  EXPECT_DOUBLE_EQ(Step(0.004), 0.0002);
  EXPECT_DOUBLE_EQ(Step(250), 10);
  // ln(1000) / ln(10) falls just below 3: the step of 100 to 999 applies.
  EXPECT_LT(std::log(1000.0) / std::log(10.0), 3.0);
  EXPECT_DOUBLE_EQ(Step(1000), 20);

  // A fraction of exactly 0.301 takes the /20 branch, 0.602 the /10 branch,
  // whichever ranges give them exactly.
  for (double target : {0.301, 0.602}) {
    double r = std::pow(10.0, 1 + target);
    for (int k = 0; k < 64; ++k, r = std::nextafter(r, 0.0)) {
      const double lg = std::log(r) / std::log(10.0);
      if (lg - std::floor(lg) != target) continue;
      EXPECT_DOUBLE_EQ(Step(r), target < 0.5 ? 0.5 : 1.0) << r;
    }
  }

  double s = 7;
  for (double bad : {0.0, -3.0, HUGE_VAL, std::nan("")}) {
    EXPECT_FALSE(PasoRejilla(bad, s)) << bad;
    EXPECT_EQ(s, 0);
  }
}

using GraphSetup = GraphTest;

TEST_F(GraphSetup, XRangeFollowsSpanOverhangsAndLengthUnit) {
  Datos[Slot::L] = 5;
  Prepare(1);
  EXPECT_EQ(GrXmin, 0);
  EXPECT_EQ(GrXmax, 5);
  EXPECT_DOUBLE_EQ(GrPasoX, 0.4);
  EXPECT_EQ(GrEtiqX, 2);

  Datos[Slot::L] = 10;
  Prepare(1);
  EXPECT_DOUBLE_EQ(GrPasoX, 1);

  // A right overhang adds to the span; the span itself is not made absolute.
  Datos[Slot::L] = 4;
  Datos[Slot::xR] = -1.5;
  Prepare(1);
  EXPECT_EQ(GrXmin, 0);
  EXPECT_EQ(GrXmax, 5.5);
  Datos[Slot::xL] = 0.75;
  Vigas::SeleccionarUnidad(1, 1);  // cm
  Prepare(1);
  EXPECT_DOUBLE_EQ(GrXmin, -75);
  EXPECT_DOUBLE_EQ(GrXmax, 550);
  EXPECT_EQ(TituloEjeX, "Position &+Ix&-I (cm)");
}

TEST_F(GraphSetup, YRangeSpecialCasesAndExchange) {
  struct Case {
    double lo, hi, ymin, ymax, step;
  } cases[] = {
      {0, 0, -1, 1, 0.1},            // both zero
      {2.5, 2.5, 0, 3.75, 0.1},      // equal, positive
      {-2.5, -2.5, -3.75, 0, 0.1},   // equal, negative
      {3, -1, -1, 3, 0.2},           // given the wrong way round
      {-0.004, 0, -0.004, 0, 2e-4},  // not rounded to the step
  };
  for (const Case& c : cases) {
    Datos[Slot::MMin] = c.lo;
    Datos[Slot::Mmax] = c.hi;
    Prepare(3);
    EXPECT_DOUBLE_EQ(GrYmin, c.ymin) << c.lo << " " << c.hi;
    EXPECT_DOUBLE_EQ(GrYmax, c.ymax) << c.lo << " " << c.hi;
    EXPECT_DOUBLE_EQ(GrPasoY, c.step) << c.lo << " " << c.hi;
    EXPECT_EQ(GrEtiqY, 4);
  }
}

TEST_F(GraphSetup, EachTypeReadsItsSlotsInItsUnitWithItsTitles) {
  Vigas::SeleccionarUnidad(2, 8);   // deflection in mm
  Vigas::SeleccionarUnidad(3, 13);  // force in kN
  Vigas::SeleccionarUnidad(5, 25);  // moment in kN·m
  Prepare(1);
  EXPECT_DOUBLE_EQ(GrYmin, 1000 * Datos[Slot::Ymin]);
  EXPECT_EQ(TituloGrafica, "Deflection &+Iy&-I  versus position  &+Ix&-I");
  EXPECT_EQ(TituloEjeY, "Deflection &+Iy&-I (mm)");
  Prepare(2);
  EXPECT_DOUBLE_EQ(GrYmax, Datos[Slot::ThetaMax]);  // radians as stored
  EXPECT_EQ(TituloGrafica, "Slope &+I&theta&-I  versus position  &+Ix&-I");
  EXPECT_EQ(TituloEjeY, "Slope &+I&theta&-I");
  Prepare(3);
  EXPECT_DOUBLE_EQ(GrYmax, 3);  // 3000 N·m
  EXPECT_EQ(TituloGrafica, "Bending moment &+IM&-I  versus position  &+Ix&-I");
  EXPECT_EQ(TituloEjeY, QString::fromUtf8("Moment &+IM&-I (kN\u00B7m)"));
  Prepare(4);
  EXPECT_DOUBLE_EQ(GrYmin, -3);
  EXPECT_EQ(TituloGrafica, "Shear force &+IV&-I versus position  &+Ix&-I");
  EXPECT_EQ(TituloEjeY, "Shear &+IV&-I (kN)");

  // A type outside 1..4 leaves the y part as it was.
  Datos[Slot::L] = 8;
  Prepare(0);
  EXPECT_EQ(GrXmax, 8);
  EXPECT_DOUBLE_EQ(GrYmin, -3);
  EXPECT_EQ(TituloEjeY, "Shear &+IV&-I (kN)");
}

TEST_F(GraphSetup, CaseTitleSplitsAtItsFirstDash) {
  title = "Cantilever - Point load - at the free end ";
  Prepare(1);
  EXPECT_EQ(TituloCaso1, "Cantilever");
  EXPECT_EQ(TituloCaso2, "Point load - at the free end");
  title = "  No dash here  ";
  Prepare(1);
  EXPECT_EQ(TituloCaso1, "  No dash here  ");
  EXPECT_EQ(TituloCaso2, "");
}

TEST_F(GraphSetup, FailuresSetTheFlagAndSayInvalidData) {
  auto expectFailure = [this](const char* what) {
    EXPECT_EQ(Vigas::FlagError, 1) << what;
    ASSERT_EQ(sink.messages.size(), 1u) << what;
    EXPECT_EQ(sink.messages[0].prompt, "Invalid data.");
    EXPECT_EQ(sink.messages[0].title, "Error");
    EXPECT_EQ(sink.messages[0].icon, platform::MsgIcon::Exclamation);
    sink.messages.clear();
    Vigas::FlagError = 0;
    SetUpUniformLoad();
  };

  // An error left by the calculation counts even when every step succeeds.
  Vigas::FlagError = 1;
  TipoGrafica = 1;
  PrepararGrafica();
  EXPECT_EQ(GrXmax, 4);  // the state is still written
  expectFailure("flag on entry");

  Datos[Slot::L] = 0;
  PrepararGrafica();
  EXPECT_EQ(GrPasoX, 0);
  expectFailure("zero span");

  // So flat a range that adding its step leaves the value unchanged.
  Datos[Slot::Ymin] = 1e17;
  Datos[Slot::Ymax] = 1e17 + 16;
  PrepararGrafica();
  expectFailure("flat range far from zero");

  Datos[Slot::Ymin] = std::nan("");
  PrepararGrafica();
  expectFailure("not a number");

  Datos[Slot::Mmax] = 1e308;
  Vigas::SeleccionarUnidad(5, 29);  // lbf·in: overflows in display units
  TipoGrafica = 3;
  PrepararGrafica();
  expectFailure("infinite range");
}

}  // namespace
