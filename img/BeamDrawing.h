// The picture of a load case: the beam on its supports, its loads, the
// distances and the position x, and a legend of the signs of the results.
// Drawn in the formula panel's pixels and scaled for print.
#pragma once

#include <QImage>

class QPainter;

#include "img/BeamCases.h"

namespace beam_drawing {

// The picture in the formula panel: X<code>.jpg.
constexpr int kWidth = 460, kHeight = 217;
// The report shows the beam 81 mm wide: about 600 dots per inch.
constexpr int kPrintWidth = 1914;
constexpr double kPrintScale = double(kPrintWidth) / kWidth;
constexpr int kPrintHeight = 903;  // kHeight at the print scale, rounded

// The sense the legend draws for a positive result, +1 as written, -1 the
// other way.
struct LegendSigns {
  int deflectionUp;
  int slopeCounterclockwise;  // x to the right, y up
  int momentSagging;          // tension in the bottom fibre
  int shearUpOnLeftFace;      // up on a piece's left face, down on its right face
};
extern const LegendSigns kLegend;

// The case drawn `scale` times the panel size on white.
QImage DrawCase(const beam_cases::BeamCase& beam, double scale);
// The same drawing on a painter whose transform maps the panel's pixels
// (kWidth × kHeight), the labels laid out as on the picture of that scale:
// vector graphics on a PDF page.
void DrawCaseOn(QPainter& painter, const beam_cases::BeamCase& beam, double scale);

}  // namespace beam_drawing
