// Graph drawing and curve sampling: what is drawn where, in which colour and
// width, how many evaluations are made, and which 64 points are kept.
#include <QImage>
#include <cmath>

#include "GraphTestSupport.h"

using namespace graph_test;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

using GraphDrawing = GraphTest;

void SpoilPoints() {
  for (int i = 0; i <= kFilasPuntos; ++i) PuntosX[i] = PuntosY[i] = 7;
}

void ExpectPointsCleared() {
  for (int i = 0; i <= kFilasPuntos; ++i) {
    ASSERT_EQ(PuntosX[i], 0) << i;
    ASSERT_EQ(PuntosY[i], 0) << i;
  }
}

TEST_F(GraphDrawing, NothingIsDrawnForEmptyOrUnwalkableRangesButPointsAreCleared) {
  Prepare(1);
  struct Bad {
    const char* what;
    double xmin, xmax, ymin, ymax, px, py;
  } bad[] = {
      {"zero x range", 2, 2, -1, 1, 0.4, 0.1},
      {"negative y range", 0, 4, 1, -1, 0.4, 0.1},
      {"zero y step", 0, 4, -1, 1, 0.4, 0},
      {"negative x step", 0, 4, -1, 1, -0.4, 0.1},
      {"flat far from zero", 0, 4, 1e17, 1e17 + 16, 0.4, 0.5},
      {"not a number", 0, 4, -1, std::nan(""), 0.4, 0.1},
      {"infinite", 0, HUGE_VAL, -1, 1, 0.4, 0.1},
  };
  for (const Bad& b : bad) {
    GrXmin = b.xmin, GrXmax = b.xmax, GrYmin = b.ymin, GrYmax = b.ymax;
    GrPasoX = b.px, GrPasoY = b.py;
    SpoilPoints();
    LineRecorder t;
    CountingEvaluator evaluations;
    DibujarGrafica(t, true);
    EXPECT_TRUE(t.lines.empty()) << b.what;
    EXPECT_TRUE(t.texts.empty()) << b.what;
    EXPECT_EQ(evaluations.count, 0) << b.what;
    ExpectPointsCleared();
  }
}

TEST_F(GraphDrawing, PictureCurveEvaluatesEverySampleAndKeeps64Points) {
  Vigas::SeleccionarUnidad(2, 8);  // mm
  Prepare(1);
  platform::PictureTarget pic(1080, 600);
  pic.SetFontName("Arial");
  pic.SetFontSize(10);
  SpoilPoints();
  CountingEvaluator evaluations;
  DibujarGrafica(pic, true);

  // Samples 0, 4, ..., 248 are points 1 to 63 and the last sample, at the
  // end of the range, is point 64; all 257 samples are drawn.
  EXPECT_EQ(evaluations.count, 257);
  for (int code : evaluations.codes) ASSERT_EQ(code, 100);
  for (int n = 1; n <= 63; ++n) EXPECT_EQ(PuntosX[n], (n - 1) * kL / 64) << n;
  EXPECT_EQ(PuntosX[64], kL);
  EXPECT_EQ(PuntosY[1], 0);
  EXPECT_NEAR(PuntosY[64], 0, 1e-15);
  const double mid = -5 * kW * std::pow(kL, 4) / (384 * kEI) * 1000;
  EXPECT_NEAR(PuntosY[33], mid, std::fabs(mid) * 1e-12);
  EXPECT_EQ(PuntosX[0], 0);
  for (int n = 65; n <= kFilasPuntos; ++n) ASSERT_EQ(PuntosX[n], 0);
  // The slots keep the last sample, at the end of the beam.
  EXPECT_EQ(Datos[Slot::x], kL);
  EXPECT_EQ(FactorMuestras, 1);
}

TEST_F(GraphDrawing, PictureAndPrinterColoursWidthsAndSampling) {
  Prepare(3);
  LineRecorder pic;
  DibujarGrafica(pic, true);
  const double tw = AnchoRef, th = AltoRef, W = AnchoDestino, H = AltoDestino;
  // Grid one pixel, axes three; titles bold in the text colour, labels not.
  for (const auto& l : pic.LinesIn(kRejilla)) ASSERT_EQ(l.width, 1);
  const auto axes = pic.LinesIn(kEjes);
  ASSERT_EQ(axes.size(), 3u);  // bottom, zero line (on the bottom: 0..3000), left
  for (const auto& l : axes) EXPECT_EQ(l.width, 3);
  EXPECT_DOUBLE_EQ(axes[0].y1, H - 3 * th);
  EXPECT_DOUBLE_EQ(axes[1].y1, H - 3 * th);
  EXPECT_DOUBLE_EQ(axes[2].x1, OrigenX + 0.1 * tw);
  EXPECT_DOUBLE_EQ(axes[2].y1, 3.5 * th);
  const auto curve = pic.LinesIn(kCurva);
  ASSERT_EQ(curve.size(), 256u);  // 257 samples, the first only lifts the pen
  for (const auto& l : curve) ASSERT_EQ(l.width, 3);
  EXPECT_NEAR(curve.back().x2, W - 0.51 * tw, 1e-6);
  for (const auto& t : pic.texts) EXPECT_TRUE(t.color == kTexto) << t.text.toStdString();

  // The printer: 0.1 and 0.3 mm lines at 600 dpi, black labels, grid and
  // axes, titles and curve in their colours, four times the samples and no
  // points kept.
  LineRecorder printer(true);
  CountingEvaluator evaluations;
  SpoilPoints();
  DibujarGrafica(printer, true);
  EXPECT_EQ(evaluations.count, 1025);
  ExpectPointsCleared();
  EXPECT_EQ(FactorMuestras, 4);
  EXPECT_NEAR(GrosorLinea, 0.3 / 25.4 * 1440 / 2.4, 1e-12);
  EXPECT_TRUE(printer.LinesIn(kRejilla).empty());
  EXPECT_TRUE(printer.LinesIn(kEjes).empty());
  EXPECT_EQ(printer.LinesIn(kCurva).size(), 1024u);
  int gridWidth = 0, axisWidth = 0;
  for (const auto& l : printer.LinesIn(0)) (l.width == 2 ? gridWidth : axisWidth)++;
  EXPECT_GT(gridWidth, 10);
  EXPECT_EQ(axisWidth, 3);
  for (const auto& l : printer.LinesIn(0))
    EXPECT_TRUE(l.width == 2 || l.width == 7) << l.width;  // 2.36 and 7.09 rounded
  bool boldTitles = false, blackLabels = false;
  for (const auto& t : printer.texts) {
    if (t.bold) {
      boldTitles = true;
      EXPECT_EQ(t.color, kTexto);
    } else {
      blackLabels = true;
      EXPECT_EQ(t.color, 0);
    }
  }
  EXPECT_TRUE(boldTitles && blackLabels);
}

TEST_F(GraphDrawing, ZeroGridLineReadsZeroAndZeroLineOnlyWhenZeroIsInRange) {
  // -0.6 to 0.6 in steps of 0.05: the twelfth addition misses zero by a
  // rounding residue; that line is labelled.
  Datos[Slot::MMin] = -0.6;
  Datos[Slot::Mmax] = 0.6;
  Prepare(3);
  ASSERT_DOUBLE_EQ(GrPasoY, 0.05);
  double y = GrYmin;
  for (int i = 0; i < 12; ++i) y += GrPasoY;
  ASSERT_NE(y, 0);
  EXPECT_EQ(EtiquetaRejilla(y, GrPasoY), "0");
  EXPECT_EQ(EtiquetaRejilla(-y, GrPasoY), "0");
  EXPECT_EQ(EtiquetaRejilla(1e-9 * 0.05, 0.05), "5&.00&E-11");
  EXPECT_EQ(EtiquetaRejilla(-0.2, 0.05), "-0&.2");

  LineRecorder t;
  DibujarGrafica(t, false);
  EXPECT_EQ(t.LinesIn(kRejilla).size(), 25u + 11u);  // 25 horizontal, 11 vertical
  for (const auto& c : t.texts) EXPECT_NE(c.text, QString::fromUtf8("\u00B710"));
  EXPECT_EQ(t.LinesIn(kEjes).size(), 3u);

  // Wholly above zero: no zero line.
  Datos[Slot::MMin] = 1;
  Datos[Slot::Mmax] = 3;
  Prepare(3);
  LineRecorder above;
  DibujarGrafica(above, false);
  EXPECT_EQ(above.LinesIn(kEjes).size(), 2u);
  EXPECT_TRUE(above.LinesIn(kCurva).empty());
}

TEST_F(GraphDrawing, LabelsOfRangesAcrossAPowerOfTenReadAsTheirGridValues) {
  // The y labels: whole texts ending at the label column's right edge.
  auto yLabels = [](const LineRecorder& t) {
    QStringList out;
    for (const TextCall& c : t.JoinedTexts())
      if (std::fabs(c.xEnd - OrigenX) < 1e-6) out << c.text;
    return out;
  };
  const QString dash = QString(QChar(0x2013));
  const QString times10 = QString::fromUtf8("\u00B710");

  // -0.012 to 0 m in steps of 0.0005: the fourth sum lands just above -0.01;
  // below 0.01 the labels take the power-of-ten form.
  Datos[Slot::Ymin] = -0.012;
  Datos[Slot::Ymax] = 0;
  Prepare(1);
  ASSERT_EQ(GrPasoY, 0.0005);
  LineRecorder deflection;
  DibujarGrafica(deflection, false);
  QStringList expected;
  expected << dash + "0.012" << dash + "0.01";
  for (const char* v : {"8.00", "6.00", "4.00", "2.00"})
    expected << dash + v + times10 + dash + "3";
  expected << "0";
  EXPECT_EQ(yLabels(deflection), expected);

  // 0 to 1.2e6 N·m: 1e6 is an exact power of ten whose logarithm falls short.
  Datos[Slot::MMin] = 0;
  Datos[Slot::Mmax] = 1.2e6;
  Prepare(3);
  LineRecorder moment;
  DibujarGrafica(moment, false);
  expected.clear();
  expected << "0";
  for (const char* v : {"2.00", "4.00", "6.00", "8.00"}) expected << v + times10 + "5";
  expected << "1.00" + times10 + "6"
           << "1.20" + times10 + "6";
  EXPECT_EQ(yLabels(moment), expected);
}

TEST_F(GraphDrawing, CurveLiftsThePenOutsideTheBoxAndOnFailedSamples) {
  Datos[Slot::MMin] = 0;
  Datos[Slot::Mmax] = 2;
  Prepare(3);
  const double tol = 0.02;
  int calls = 0;
  CaseEvaluator old = SetCaseEvaluator([&](int, bool) {
    ++calls;
    const double x = Datos[Slot::x];
    double m = 1;
    if (x >= 1 && x <= 1.25) m = 2 + tol;  // on the margin: still inside
    if (x > 1.5 && x < 2.5) m = 10;        // far above: a gap
    if (calls == 10) m = std::nan("");     // a failed sample
    Datos[Slot::M] = m;
  });
  LineRecorder t;
  DibujarGrafica(t, true);
  SetCaseEvaluator(old);

  const double s = 4.0 / 256;
  auto xAt = [&](double px) { return (px - OrigenX - 0.1 * AnchoRef) / EscalaX + DibXmin; };
  const auto curve = t.LinesIn(kCurva);
  bool marginDrawn = false, resumedAtGapEnd = false;
  for (const auto& l : curve) {
    const double x1 = xAt(l.x1), x2 = xAt(l.x2);
    EXPECT_FALSE(x2 > 1.5 + 1e-9 && x1 < 2.5 - 1e-9) << x1 << " " << x2;  // nothing across the gap
    if (std::fabs(x2 - 1.125) < 1e-9) marginDrawn = true;
    if (std::fabs(x1 - 2.5) < 1e-9) resumedAtGapEnd = true;
    EXPECT_FALSE(std::fabs(x2 - 9 * s) < 1e-9 || std::fabs(x1 - 9 * s) < 1e-9);
  }
  EXPECT_TRUE(marginDrawn);
  EXPECT_TRUE(resumedAtGapEnd);

  // The failed sample is not counted: later points shift by one sample, and
  // the 64th point is still the end of the range.
  EXPECT_EQ(calls, 257);
  EXPECT_EQ(PuntosX[3], 8 * s);
  EXPECT_EQ(PuntosX[4], 13 * s);
  EXPECT_EQ(PuntosX[63], 249 * s);
  EXPECT_EQ(PuntosX[64], 4);
}

TEST_F(GraphDrawing, DrawingOverAGraphLeavesThePictureUnchanged) {
  Prepare(2);
  platform::PictureTarget pic(1080, 600);
  pic.SetFontName("Arial");
  pic.SetFontSize(10);
  DibujarGrafica(pic, true);
  const QImage once = pic.Image().copy();
  DibujarGrafica(pic, true);
  EXPECT_TRUE(pic.Image() == once);
  pic.Cls();
  DibujarGrafica(pic, false);
  DibujarGrafica(pic, true);
  EXPECT_TRUE(pic.Image() == once);
}

}  // namespace
