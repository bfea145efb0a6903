// PrepararGrafica: ranges, grid steps and titles of the chosen graph.
#include <cmath>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace {

QString UnitMarkup(int kind) {
  return QString::fromStdString(Vigas::UnidadSelHTFC[kind]);
}

struct TypeSlots {
  int minSlot, maxSlot, unitKind;  // unit kind 0: the value as stored
};

TypeSlots SlotsOf(int type) {
  using namespace Vigas::Slot;
  switch (type) {
    case 1:
      return {Ymin, Ymax, 2};
    case 2:
      return {ThetaMin, ThetaMax, 0};
    case 3:
      return {MMin, Mmax, 5};
    default:
      return {VMin, Vmax, 3};
  }
}

}  // namespace

bool PasoRejilla(double rango, double& paso) {
  paso = 0;
  if (!(rango > 0) || !std::isfinite(rango)) return false;
  // ln/ln rather than log10: an exact power of ten such as 1000 may fall just
  // below its whole number, and the step then follows that smaller figure.
  const double lg = std::log(rango) / std::log(10.0);
  const double entero = std::floor(lg);
  const double p = std::pow(10.0, entero);
  const double f = lg - entero;
  if (f <= 0.301) {
    paso = p / 20;
  } else if (f <= 0.602) {
    paso = p / 10;
  } else {
    paso = p / 5;
  }
  return paso > 0 && std::isfinite(paso);
}

bool RejillaRecorrible(double lo, double hi, double paso) {
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(paso)) return false;
  if (!(paso > 0) || !(hi > lo)) return false;
  // Past a million lines the step is no grid step, and an addition that
  // leaves a value unchanged would never reach the end.
  if ((hi - lo) / paso > 1e6) return false;
  return lo + paso > lo && hi + paso > hi;
}

void PrepararGrafica() {
  using namespace Vigas;
  bool failed = false;

  // Header lines: the case title split at its first "-".
  const QString caption = TituloPestana(TipoViga);
  const int dash = caption.indexOf(QLatin1Char('-'));
  if (dash >= 0) {
    TituloCaso2 = platform::TrimSpaces(caption.mid(dash + 1));
    TituloCaso1 = platform::TrimSpaces(caption.left(dash));
  } else {
    TituloCaso1 = caption;
    TituloCaso2.clear();
  }

  // X range, overhangs included.
  const double f1 = FactorUnidad[1];
  double xmax = Datos[Slot::L] * f1;
  double xmin = 0;
  if (std::fabs(Datos[Slot::xL]) != SinValor) xmin = -std::fabs(Datos[Slot::xL]) * f1;
  if (std::fabs(Datos[Slot::xR]) != SinValor)
    xmax = (std::fabs(Datos[Slot::xR]) + Datos[Slot::L]) * f1;

  // X grid: twice the rounded step, every second line labelled.
  double pasoX = 0;
  if (!PasoRejilla(xmax - xmin, pasoX)) failed = true;
  GrXmin = xmin;
  GrXmax = xmax;
  GrPasoX = 2 * pasoX;
  GrEtiqX = 2;
  if (!RejillaRecorrible(GrXmin, GrXmax, GrPasoX)) failed = true;

  // The x-axis title, in the chosen length unit.
  TituloEjeX = QStringLiteral("Position &+Ix&-I (") + UnitMarkup(1) + QStringLiteral(")");

  // Y range and titles of the graph type.
  if (TipoGrafica >= 1 && TipoGrafica <= 4) {
    const TypeSlots s = SlotsOf(TipoGrafica);
    const double factor = s.unitKind == 0 ? 1.0 : FactorUnidad[s.unitKind];
    double ymin = Datos[s.minSlot] * factor;
    double ymax = Datos[s.maxSlot] * factor;
    if (ymin > ymax) Intercambiar(ymin, ymax);
    if (ymin == 0 && ymax == 0) {
      ymin = -1;
      ymax = 1;
    }
    if (ymin > 0 && ymin == ymax) {
      ymin = 0;
      ymax = 1.5 * ymax;
    }
    if (ymin < 0 && ymin == ymax) {
      ymin = 1.5 * ymin;
      ymax = 0;
    }
    GrYmin = ymin;
    GrYmax = ymax;
    double pasoY = 0;
    if (!PasoRejilla(ymax - ymin, pasoY)) failed = true;
    GrPasoY = pasoY;
    GrEtiqY = 4;
    if (!RejillaRecorrible(GrYmin, GrYmax, GrPasoY)) failed = true;

    switch (TipoGrafica) {
      case 1:
        TituloGrafica = QStringLiteral("Deflection &+Iy&-I  versus position  &+Ix&-I");
        TituloEjeY = QStringLiteral("Deflection &+Iy&-I (") + UnitMarkup(2) + QStringLiteral(")");
        break;
      case 2:
        TituloGrafica = QStringLiteral("Slope &+I&theta&-I  versus position  &+Ix&-I");
        TituloEjeY = QStringLiteral("Slope &+I&theta&-I");
        break;
      case 3:
        TituloGrafica = QStringLiteral("Bending moment &+IM&-I  versus position  &+Ix&-I");
        TituloEjeY = QStringLiteral("Moment &+IM&-I (") + UnitMarkup(5) + QStringLiteral(")");
        break;
      default:
        TituloGrafica = QStringLiteral("Shear force &+IV&-I versus position  &+Ix&-I");
        TituloEjeY = QStringLiteral("Shear &+IV&-I (") + UnitMarkup(3) + QStringLiteral(")");
        break;
    }
  }

  // An error left by the calculation counts too.
  if (failed || FlagError != 0) {
    FlagError = 1;
    platform::MsgBox(QStringLiteral("Invalid data."), QStringLiteral("Error"),
                     platform::MsgIcon::Exclamation);
  }
}
