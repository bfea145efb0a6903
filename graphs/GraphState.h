// Program-wide graph state. The main window fills the tables and colours at
// start-up; the graph set-up writes the titles, ranges and steps; the drawing
// writes its frame and the 64 graph points, which the table window and the
// report read.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "engine/Cases.h"
#include "platform/DrawTarget.h"

// ---- Filled by the main window at start-up ----------------------------------

// Description of graph type i (1 deflection, 2 slope, 3 moment, 4 shear), in
// formula mark-up with one "@" before the part used as the graph's subtitle.
extern QString DescTipoGrafica[5];
// Case code of list entry k (1..54) in list order: "100" .. "503".
extern QString ListaCodCasos[Vigas::kCaseCount + 1];
// Graph type offered in option slot j (1..4) of list entry k; 0 = none.
extern int16_t GraficasCaso[Vigas::kCaseCount + 1][5];

// Colours of the graphs: titles and labels, axes, grid, curve.
extern platform::ColorValue ColorTextoGraf;
extern platform::ColorValue ColorEjesGraf;
extern platform::ColorValue ColorRejillaGraf;
extern platform::ColorValue ColorCurvaGraf;

// Folder of the last saved graph picture.
extern QString UltimaCarpeta;

// ---- The chosen graph --------------------------------------------------------

// 1 deflection, 2 slope, 3 bending moment, 4 shear force; 0 = none chosen yet.
extern int16_t TipoGrafica;
// The current case code as text ("100" .. "503").
extern QString CodigoCaso;
// True once the chooser was closed with OK and the graph set-up succeeded.
extern bool EditGrafAceptado;

// Header lines, graph title and axis titles, in formula mark-up.
extern QString TituloCaso1;
extern QString TituloCaso2;
extern QString TituloGrafica;
extern QString TituloEjeX;
extern QString TituloEjeY;

// Ranges in display units, grid spacings, and every how many grid lines a
// label is written.
extern double GrXmin, GrXmax, GrYmin, GrYmax;
extern double GrPasoX, GrPasoY;
extern int32_t GrEtiqX, GrEtiqY;

// ---- Drawing frame of the last drawing (read by the curve) -------------------

extern double AnchoDestino, AltoDestino;
extern double DibXmin, DibXmax, DibYmin, DibYmax;
extern double PasoDibX, PasoDibY;
extern double RangoX, RangoY;
// Height of a 4-character and width of a 5-character sample text.
extern double AltoRef, AnchoRef;
extern double EscalaX, EscalaY;
extern double OrigenX;
// Line width in device pixels.
extern double GrosorLinea;
// Curve samples per picture sample: 1 on a picture, 4 on the printer.
extern int32_t FactorMuestras;

// ---- Graph points --------------------------------------------------------------

// Rows 1..64 hold x (length unit) and y (the graph's unit) of the points a
// drawing on a picture keeps; every drawing first sets all rows to 0.
constexpr int kFilasPuntos = 100;
constexpr int kPuntosGrafica = 64;
extern double PuntosX[kFilasPuntos + 1];
extern double PuntosY[kFilasPuntos + 1];

// ---- What the graphs read of the main window ---------------------------------

// The case title shown on a tab of the main window (its case-title label).
void SetCaseTitleSource(std::function<QString(int tab)> source);
QString TituloPestana(int tab);

// The hidden picture titles and labels are measured on (the main window's);
// until one is registered the graphs measure on one of their own.
void SetMeasuringPictureSource(std::function<platform::DrawTarget*()> source);
platform::DrawTarget& MeasuringPicture();
