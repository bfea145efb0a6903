// DibujarGrafica and DibujarCurva: one graph on a picture or the printer.
// All geometry follows from two text measurements on the target, so the
// same code serves a window and a printed page.
#include <QByteArray>
#include <algorithm>
#include <cmath>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/Program.h"

namespace {

// Only their size matters: one line of capitals and digits.
const QString kMuestraAlto = QStringLiteral("W8M0");
const QString kMuestraAncho = QStringLiteral("W8M0X");

CaseEvaluator& Evaluator() {
  static CaseEvaluator evaluator;
  return evaluator;
}

void Evaluate(int code) {
  if (Evaluator()) {
    Evaluator()(code, false);
  } else {
    Vigas::CalcularCaso(code, false);
  }
}

// Width of a mark-up text, rendered from (0, 0) on the measuring picture.
double Measure(const QString& text) {
  platform::DrawTarget& m = MeasuringPicture();
  m.SetCurrentX(0);
  m.SetCurrentY(0);
  Mini_HTFC_rut::ImprimirHTFC(text, m);
  return m.CurrentX();
}

void PrintAt(platform::DrawTarget& d, const QString& text, double x, double y) {
  d.SetCurrentX(x);
  d.SetCurrentY(y);
  Mini_HTFC_rut::ImprimirHTFC(text, d);
}

// Below this share of the largest magnitude of its quantity a stored point
// is taken as 0.
constexpr double kCeroRelativo = 1e-12;

// Grid walks add the step each time; the count cap is only a safety net
// behind the checks that the walk advances.
constexpr long kMaxGridLines = 1000000;

}  // namespace

CaseEvaluator SetCaseEvaluator(CaseEvaluator evaluator) {
  CaseEvaluator old = std::move(Evaluator());
  Evaluator() = std::move(evaluator);
  return old;
}

QString EtiquetaRejilla(double valor, double paso) {
  if (std::fabs(valor) < 1e-9 * std::fabs(paso)) return QStringLiteral("0");
  // The sum of steps lands a few units of the last place off the grid value,
  // possibly just under a power of ten (0.009999999999999998 for 0.01):
  // twelve significant digits give the value back.
  const double limpio = QByteArray::number(valor, 'g', 12).toDouble();
  return QString::fromStdString(Mini_HTFC_rut::FormatoNumeroHTFC(limpio, 4));
}

void DibujarGrafica(platform::DrawTarget& Destino, bool ConCurva) {
  platform::DrawTarget& d = Destino;

  // The points belong to the drawing that fills them.
  for (int i = 0; i <= kFilasPuntos; ++i) {
    PuntosX[i] = 0;
    PuntosY[i] = 0;
  }

  // Frame from the graph state.
  const double W = d.ScaleWidth();
  const double H = d.ScaleHeight();
  AnchoDestino = W;
  AltoDestino = H;
  DibXmin = GrXmin;
  DibXmax = GrXmax;
  DibYmin = GrYmin;
  DibYmax = GrYmax;
  PasoDibX = GrPasoX;
  PasoDibY = GrPasoY;
  RangoX = DibXmax - DibXmin;
  RangoY = DibYmax - DibYmin;

  // Nothing to draw, or a grid that could never be walked to its end.
  if (!(RangoX > 0 && RangoY > 0 && PasoDibX > 0 && PasoDibY > 0)) return;
  if (!RejillaRecorrible(DibXmin, DibXmax, PasoDibX) ||
      !RejillaRecorrible(DibYmin, DibYmax, PasoDibY))
    return;

  // The hourglass while the frame is drawn.
  platform::BusyCursor busy;

  // Reference sizes in the target's own font.
  const double th = d.TextHeight(kMuestraAlto);
  const double tw = d.TextWidth(kMuestraAncho);
  AltoRef = th;
  AnchoRef = tw;
  EscalaY = (H - 6.5 * th) / RangoY;

  // Header lines and titles, centred by their measured widths.
  d.SetFontBold(true);
  d.SetForeColor(ColorTextoGraf);
  double w = Measure(TituloCaso1);
  double x = (W - w + tw) / 2;
  PrintAt(d, TituloCaso1, x > 0 ? x : 0, 0.2 * th);
  w = Measure(TituloCaso2);
  PrintAt(d, TituloCaso2, (W - w + tw) / 2, 1.2 * th);
  w = Measure(TituloGrafica);
  PrintAt(d, TituloGrafica, (W - w + tw) / 2, 2.2 * th);
  PrintAt(d, TituloEjeY, 0.3 * tw, 1.0 * th);
  w = Measure(TituloEjeX);
  PrintAt(d, TituloEjeX, (W - w) / 2, H - 1.5 * th);
  d.SetFontBold(false);

  // Grid lines 0.1 mm wide on the printer, one pixel on a picture.
  OrigenX = 0;
  GrosorLinea = 1;
  if (d.IsPrinter()) GrosorLinea = (0.1 / 25.4 * 1440) / d.TwipsPerPixelX();
  if (GrosorLinea < 1) GrosorLinea = 1;
  d.SetDrawWidth(GrosorLinea);

  // The label column is as wide as the widest y label.
  const double limiteY = DibYmax + PasoDibY / 10;
  long n = 0;
  for (double y = DibYmin; y <= limiteY && n < kMaxGridLines; y += PasoDibY, ++n) {
    w = Measure(EtiquetaRejilla(y, PasoDibY));
    if (w + 0.1 * tw > OrigenX) OrigenX = w + 0.1 * tw;
  }

  // The printer draws labels, grid and axes in black.
  platform::ColorValue colorEjes = ColorEjesGraf;
  platform::ColorValue colorRejilla = ColorRejillaGraf;
  if (d.IsPrinter()) {
    d.SetForeColor(0);
    colorEjes = 0;
    colorRejilla = 0;
  } else {
    d.SetForeColor(ColorTextoGraf);
  }

  // Horizontal grid; every GrEtiqY-th line labelled, half a line above it.
  long i = 0;
  for (double y = DibYmin; y <= limiteY && i < kMaxGridLines; y += PasoDibY, ++i) {
    if (GrEtiqY > 0 && i % GrEtiqY == 0) {
      const QString label = EtiquetaRejilla(y, PasoDibY);
      w = Measure(label);
      PrintAt(d, label, OrigenX - w, H - 3.5 * th - (y - DibYmin) * EscalaY);
    }
    const double Y = H - (y - DibYmin) * EscalaY - 3 * th;
    d.Line(OrigenX + 0.1 * tw, Y, W - 0.5 * tw, Y, colorRejilla);
  }

  // The x scale, now that the label column's width is known.
  EscalaX = (W - OrigenX - 0.61 * tw) / RangoX;

  // Vertical grid; every GrEtiqX-th line labelled, centred below the box.
  const double limiteX = DibXmax + PasoDibX / 10;
  i = 0;
  for (double xv = DibXmin; xv <= limiteX && i < kMaxGridLines; xv += PasoDibX, ++i) {
    const double X = (xv - DibXmin) * EscalaX + OrigenX + 0.1 * tw;
    if (GrEtiqX > 0 && i % GrEtiqX == 0) {
      const QString label = EtiquetaRejilla(xv, PasoDibX);
      w = Measure(label);
      PrintAt(d, label, X - w / 2, H - 2.7 * th);
    }
    d.Line(X, 3.5 * th, X, H - 3 * th, colorRejilla);
  }

  // Axes 0.3 mm wide on the printer, which samples the curve finer.
  GrosorLinea = 3;
  FactorMuestras = 1;
  if (d.IsPrinter()) {
    GrosorLinea = (0.3 / 25.4 * 1440) / d.TwipsPerPixelX();
    FactorMuestras = 4;
  }
  if (GrosorLinea < 3) GrosorLinea = 3;
  d.SetDrawWidth(GrosorLinea);

  // Bottom axis, zero line, left axis; no top or right frame.
  const double left = OrigenX + 0.1 * tw;
  d.Line(left, H - 3 * th, W - 0.5 * tw, H - 3 * th, colorEjes);
  if (DibYmin <= 0 && 0 <= DibYmax) {
    const double Y0 = DibYmin * EscalaY + H - 3 * th;
    d.Line(left, Y0, W - 0.5 * tw, Y0, colorEjes);
  }
  d.Line(left, 3.5 * th, left, H - 3 * th, colorEjes);

  // The frame is done; the curve shows its own hourglass.
  busy.Release();
  if (ConCurva) DibujarCurva(d);
}

void DibujarCurva(platform::DrawTarget& Destino) {
  using namespace Vigas;
  platform::BusyCursor busy;
  FlagError = 0;
  const int codigo = CurrentCaseCode();

  const int k = FactorMuestras >= 1 ? FactorMuestras : 1;
  const double tol = std::fabs(DibYmax - DibYmin) / 100;
  const double s = RangoX / (256.0 * k);
  if (!RejillaRecorrible(DibXmin, DibXmax, s)) return;
  const double tw = AnchoRef;
  const double th = AltoRef;
  const double H = AltoDestino;
  // On a picture the table keeps every fourth sample as points 1 to 63 and
  // the end of the range as point 64; the curve itself gets every sample.
  const bool guardar = k == 1;

  double px0 = -1, py0 = -1;  // pen up
  int n = 0;
  long i = 0;
  double mayorY = 0;
  const long intervalos = 256L * k;
  double x = DibXmin;
  for (long j = 0; j <= intervalos; ++j, x += s) {
    // The last sample is the end of the range itself, not the sum of steps.
    if (j == intervalos) x = DibXmax;
    Datos[Slot::x] = x / FactorUnidad[1];
    Evaluate(codigo);
    double y = 0;
    switch (TipoGrafica) {
      case 1:
        y = Datos[Slot::Y] * FactorUnidad[2];
        break;
      case 2:
        y = Datos[Slot::Theta];
        break;
      case 3:
        y = Datos[Slot::M] * FactorUnidad[5];
        break;
      case 4:
        y = Datos[Slot::V] * FactorUnidad[3];
        break;
      default:
        break;
    }
    if (!std::isfinite(y) || !std::isfinite(Datos[Slot::x])) {
      // A sample that failed lifts the pen and is not counted.
      px0 = -1;
      py0 = -1;
      continue;
    }
    mayorY = std::max(mayorY, std::fabs(y));
    const bool fin = j == intervalos;
    if (guardar && ((i % 4 == 0 && n + 1 < kPuntosGrafica) || fin) && n < kPuntosGrafica) {
      ++n;
      PuntosX[n] = x;
      PuntosY[n] = y;
    }
    ++i;
    const double px = (x - DibXmin) * EscalaX + OrigenX + 0.1 * tw;
    const double py = H - (y - DibYmin) * EscalaY - 3 * th;
    if (y < DibYmin - tol || y > DibYmax + tol) {
      px0 = -1;
      py0 = -1;
    } else {
      if (px0 >= 0 && py0 >= 0) Destino.Line(px0, py0, px, py, ColorCurvaGraf);
      px0 = px;
      py0 = py;
    }
  }

  // A value below 1e-12 of the largest of its kind is the rounding residue
  // of a true zero (a support, the middle of a symmetric beam): the table
  // shows it as 0.
  const double mayorX = std::max(std::fabs(DibXmin), std::fabs(DibXmax));
  for (int p = 1; p <= n; ++p) {
    if (std::fabs(PuntosX[p]) < kCeroRelativo * mayorX) PuntosX[p] = 0;
    if (std::fabs(PuntosY[p]) < kCeroRelativo * mayorY) PuntosY[p] = 0;
  }
}
