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

struct Measures {
  double hT;    // row height
  double wCol;  // column width
  int n;        // column width in characters
};

Measures Measure(const platform::DrawTarget& OB) {
  const int n = AnchoCampoTabla();
  return {OB.TextHeight(QStringLiteral("VX")), OB.TextWidth(QString(n, u'9')), n};
}

// Draws the mark-up at (x, y) and returns the characters printed.
QString Draw(platform::DrawTarget& OB, double x, double y, const QString& markup) {
  OB.SetCurrentX(x);
  OB.SetCurrentY(y);
  QString plain;
  Mini_HTFC_rut::ImprimirHTFC(markup, OB, plain);
  return plain;
}

QString Number(double x) {
  return QString::fromStdString(Mini_HTFC_rut::FormatoNumeroHTFC(x, 0));
}

QString Rule(int n) {
  return QString(2 * n, u'=') + kCrLf;
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

void PonerCabecera(platform::DrawTarget& OB, QString& TextoTabla) {
  TextoTabla.clear();
  OB.SetDrawWidth(OB.IsPrinter() ? 1440.0 * 0.1 / 25.4 : 1.0);
  const Measures m = Measure(OB);

  OB.SetFontBold(true);
  const QString title1 = Draw(OB, kMargin, 0, TituloCaso1);
  OB.SetFontBold(false);
  TextoTabla += title1 + kCrLf;
  TextoTabla += Draw(OB, kMargin, 1.1 * m.hT, TituloCaso2) + kCrLf;
  TextoTabla += Draw(OB, kMargin, 2.2 * m.hT, TituloGrafica) + kCrLf;
  TextoTabla += Rule(m.n);
  TextoTabla += CampoTabla(Draw(OB, kMargin, 3.6 * m.hT, TituloEjeX), m.n);
  TextoTabla += CampoTabla(Draw(OB, kMargin + m.wCol, 3.6 * m.hT, TituloEjeY), m.n) + kCrLf;
  TextoTabla += Rule(m.n);

  OB.Line(kMargin, 3.6 * m.hT, kMargin + 2 * m.wCol, 3.6 * m.hT);
  OB.Line(kMargin, 4.9 * m.hT, kMargin + 2 * m.wCol, 4.9 * m.hT);
}

void PonerTabla(platform::DrawTarget& OB, QString& TextoTabla) {
  const Measures m = Measure(OB);
  const double offset = OB.IsPrinter() ? kPrinterRowsTop - m.hT : -m.hT;
  for (int i = 1; i <= kPuntosGrafica; ++i) {
    const double y = i * m.hT + offset;
    if (y + m.hT > OB.ScaleHeight()) return;
    TextoTabla += CampoTabla(Draw(OB, kMargin, y, Number(PuntosX[i])), m.n);
    TextoTabla += CampoTabla(Draw(OB, kMargin + m.wCol, y, Number(PuntosY[i])), m.n) + kCrLf;
  }
  const double y = kPuntosGrafica * m.hT + offset + 1.1 * m.hT;
  OB.Line(kMargin, y, kMargin + 2 * m.wCol, y);
  TextoTabla += Rule(m.n);
}
