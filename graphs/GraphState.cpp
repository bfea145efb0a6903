#include "graphs/GraphState.h"

QString DescTipoGrafica[5];
QString ListaCodCasos[Vigas::kCaseCount + 1];
int16_t GraficasCaso[Vigas::kCaseCount + 1][5] = {};

platform::ColorValue ColorTextoGraf = 0;
platform::ColorValue ColorEjesGraf = 0;
platform::ColorValue ColorRejillaGraf = 0;
platform::ColorValue ColorCurvaGraf = 0;

QString UltimaCarpeta;

int16_t TipoGrafica = 0;
QString CodigoCaso;
bool EditGrafAceptado = false;

QString TituloCaso1;
QString TituloCaso2;
QString TituloGrafica;
QString TituloEjeX;
QString TituloEjeY;

double GrXmin = 0, GrXmax = 0, GrYmin = 0, GrYmax = 0;
double GrPasoX = 0, GrPasoY = 0;
int32_t GrEtiqX = 0, GrEtiqY = 0;

double AnchoDestino = 0, AltoDestino = 0;
double DibXmin = 0, DibXmax = 0, DibYmin = 0, DibYmax = 0;
double PasoDibX = 0, PasoDibY = 0;
double RangoX = 0, RangoY = 0;
double AltoRef = 0, AnchoRef = 0;
double EscalaX = 0, EscalaY = 0;
double OrigenX = 0;
double GrosorLinea = 1;
int32_t FactorMuestras = 1;

double PuntosX[kFilasPuntos + 1] = {};
double PuntosY[kFilasPuntos + 1] = {};

namespace {
std::function<QString(int)>& CaseTitleSource() {
  static std::function<QString(int)> source;
  return source;
}

std::function<platform::DrawTarget*()>& MeasuringSource() {
  static std::function<platform::DrawTarget*()> source;
  return source;
}
}  // namespace

void SetCaseTitleSource(std::function<QString(int tab)> source) {
  CaseTitleSource() = std::move(source);
}

QString TituloPestana(int tab) {
  return CaseTitleSource() ? CaseTitleSource()(tab) : QString();
}

void SetMeasuringPictureSource(std::function<platform::DrawTarget*()> source) {
  MeasuringSource() = std::move(source);
}

platform::DrawTarget& MeasuringPicture() {
  if (MeasuringSource()) {
    if (platform::DrawTarget* t = MeasuringSource()()) return *t;
  }
  static platform::MeasureTarget own;
  return own;
}
