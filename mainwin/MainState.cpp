#include "mainwin/MainState.h"

QString DescTipoGrafica[5];
QString ListaCodCasos[55];
int16_t GraficasCaso[55][5] = {};

platform::ColorValue ColorTextoGraf = 0;
platform::ColorValue ColorEjesGraf = 0;
platform::ColorValue ColorRejillaGraf = 0;
platform::ColorValue ColorCurvaGraf = 0;

QString UltimaCarpeta;
QString UltimaCarpetaTabla;
