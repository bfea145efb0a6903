// Graph of the current case: the set-up from the last calculation, and the
// drawing of titles, grid, labels, axes and curve on any drawing target.
#pragma once

#include <QString>
#include <functional>

#include "graphs/GraphState.h"

namespace platform {
class DrawTarget;
}

// Turns the last calculation into the graph state of TipoGrafica: header
// lines, ranges, grid steps and titles. Draws nothing. On failure (or when
// FlagError is already set) FlagError becomes 1 and "Invalid data." is shown.
void PrepararGrafica();

// Draws the whole graph on the target (without clearing it first) and, with
// ConCurva, the curve. Every call first sets the graph points to 0; a
// drawing on a picture with the curve keeps 64 new ones.
void DibujarGrafica(platform::DrawTarget& Destino, bool ConCurva);

// The curve, sampled along the x range (256 intervals on a picture, 1024 on
// the printer) and drawn through every sample to the end; run by
// DibujarGrafica as its last step, with the frame it has just laid out. On a
// picture it keeps every fourth sample as points 1 to 63 and the end of the
// range as point 64; a value below 1e-12 of the largest of its kind is kept
// as 0.
void DibujarCurva(platform::DrawTarget& Destino);

// Grid spacing of a range: a twentieth, tenth or fifth of its power of ten
// by its leading figure. False (and 0) when the range is not a positive
// finite number.
bool PasoRejilla(double rango, double& paso);

// Whether a grid from lo to hi in steps of paso can be walked by repeated
// addition: finite values, a positive step that still moves both ends, and a
// sane count of lines.
bool RejillaRecorrible(double lo, double hi, double paso);

// The tick label of a grid value: a value within a billionth of a step of
// zero is a rounding residue of the repeated addition and reads "0"; other
// residues are dropped at twelve significant digits.
QString EtiquetaRejilla(double valor, double paso);

// How the curve evaluates the case at Datos(x): the engine's CalcularCaso
// unless replaced (tests count or spoil evaluations). Returns the old one;
// an empty function restores the engine's.
using CaseEvaluator = std::function<void(int Codigo, bool Completo)>;
CaseEvaluator SetCaseEvaluator(CaseEvaluator evaluator);
