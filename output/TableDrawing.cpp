#include "output/TableDrawing.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "graphs/GraphState.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"

namespace {
constexpr double kTwipsPerMm = 1440.0 / 25.4;
constexpr double kMargin = 2 * kTwipsPerMm;
// The first printed row starts this far below the top of the page.
constexpr double kPrinterRowsTop = 21.5 * kTwipsPerMm;
const QString kCrLf = QStringLiteral("\r\n");

// The row height and the two columns. A column is as wide as a number of
// NumDigitos + 8 characters, or wider when its title needs it: a title is
// never cut.
struct Measures {
  double hT;       // row height
  double wCol[2];  // drawn column widths
  int n[2];        // text column widths in characters
};

// A column title's readable text and drawn width, measured in the target's
// font without drawing.
struct TitleMeasure {
  QString text;
  double width;
};
TitleMeasure MeasureTitle(const platform::DrawTarget& OB, const QString& markup) {
  platform::MeasureTarget m;
  m.SetFontAs(OB);
  QString plain, readable;
  Mini_HTFC_rut::ImprimirHTFC(markup, m, plain, readable);
  return {readable, m.CurrentX()};
}

Measures Measure(const platform::DrawTarget& OB) {
  const int n = AnchoCampoTabla();
  const double digits = OB.TextWidth(QString(n, u'9'));
  const double gap = OB.TextWidth(QStringLiteral("  "));
  const TitleMeasure x = MeasureTitle(OB, TituloEjeX), y = MeasureTitle(OB, TituloEjeY);
  Measures m{OB.TextHeight(QStringLiteral("VX")), {}, {}};
  // The first column keeps a blank after its title in the text.
  m.wCol[0] = std::max(digits, x.width + gap);
  m.wCol[1] = std::max(digits, y.width);
  m.n[0] = std::max(n, static_cast<int>(x.text.size()) + 1);
  m.n[1] = std::max(n, static_cast<int>(y.text.size()));
  return m;
}

// Draws the mark-up at (x, y) and returns its text as a reader sees it.
QString Draw(platform::DrawTarget& OB, double x, double y, const QString& markup) {
  OB.SetCurrentX(x);
  OB.SetCurrentY(y);
  QString plain, readable;
  Mini_HTFC_rut::ImprimirHTFC(markup, OB, plain, readable);
  return readable;
}

QString Number(double x) {
  return QString::fromStdString(Mini_HTFC_rut::FormatoNumeroHTFC(x, 0));
}

QString Rule(const Measures& m) {
  return QString(m.n[0] + m.n[1], u'=') + kCrLf;
}
}  // namespace

int AnchoCampoTabla() {
  // The digits come from the settings file: keep them to what a number can
  // show, so a damaged setting cannot make absurd columns.
  double digits = Vigas::NumDigitos;
  if (!(digits >= 1)) digits = 1;
  if (digits > 15) digits = 15;
  return static_cast<int>(std::lround(digits)) + 8;
}

QString CampoTabla(const QString& texto, int n) {
  return (texto + QString(n, u' ')).left(n);
}

void DrawTableHeader(platform::DrawTarget& OB, QString& TextoTabla) {
  TextoTabla.clear();
  OB.SetDrawWidth(OB.IsPrinter() ? 1440.0 * 0.1 / 25.4 : 1.0);
  const Measures m = Measure(OB);
  const double right = kMargin + m.wCol[0] + m.wCol[1];

  OB.SetFontBold(true);
  const QString title1 = Draw(OB, kMargin, 0, TituloCaso1);
  OB.SetFontBold(false);
  TextoTabla += title1 + kCrLf;
  TextoTabla += Draw(OB, kMargin, 1.1 * m.hT, TituloCaso2) + kCrLf;
  TextoTabla += Draw(OB, kMargin, 2.2 * m.hT, TituloGrafica) + kCrLf;
  TextoTabla += Rule(m);
  TextoTabla += CampoTabla(Draw(OB, kMargin, 3.6 * m.hT, TituloEjeX), m.n[0]);
  TextoTabla += CampoTabla(Draw(OB, kMargin + m.wCol[0], 3.6 * m.hT, TituloEjeY), m.n[1]) + kCrLf;
  TextoTabla += Rule(m);

  OB.Line(kMargin, 3.6 * m.hT, right, 3.6 * m.hT);
  OB.Line(kMargin, 4.9 * m.hT, right, 4.9 * m.hT);
}

void DrawTableRows(platform::DrawTarget& OB, QString& TextoTabla) {
  const Measures m = Measure(OB);
  const double offset = OB.IsPrinter() ? kPrinterRowsTop - m.hT : -m.hT;
  for (int i = 1; i <= kPuntosGrafica; ++i) {
    const double y = i * m.hT + offset;
    if (y + m.hT > OB.ScaleHeight()) return;
    TextoTabla += CampoTabla(Draw(OB, kMargin, y, Number(PuntosX[i])), m.n[0]);
    TextoTabla += CampoTabla(Draw(OB, kMargin + m.wCol[0], y, Number(PuntosY[i])), m.n[1]) + kCrLf;
  }
  const double y = kPuntosGrafica * m.hT + offset + 1.1 * m.hT;
  OB.Line(kMargin, y, kMargin + m.wCol[0] + m.wCol[1], y);
  TextoTabla += Rule(m);
}
