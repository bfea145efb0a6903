// The formula picture of a case (img/F<code>.gif): its formulas drawn with the
// program's mark-up renderer, smoothed, in greys on white, in the face and
// size of the quantity pictures beside the value boxes.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

#include "htf/FormulaSource.h"

namespace formulas {

// Largest picture the formula panel shows under the beam picture at the
// default window size.
constexpr int kPictureMaxWidth = 460;
constexpr int kPictureMaxHeight = 430;

// The picture, no wider than kPictureMaxWidth: short formulas share a line
// in two columns, long ones go on to the next line after a plus or minus.
// Empty, with `error` set, when a formula cannot be made to fit the width or
// the picture comes out higher than kPictureMaxHeight. The sizes are those of
// the picture on the screen, at 96 dpi; a `scale` above 1 draws the same
// picture that many times finer, for print (4: 384 dpi). In greys
// (QImage::Format_Grayscale8), its resolution stored with it.
QImage FormulaPicture(const CaseFormulas& c, QString& error, int scale = 1);
// The picture's size in its pixels, and the same drawing on a painter whose
// transform maps those pixels: vector graphics on a PDF page. Both fail as
// FormulaPicture does.
QSize FormulaPictureSize(const CaseFormulas& c, QString& error);
bool DrawFormulas(const CaseFormulas& c, QPainter& painter, QString& error);

// Every case of the sources (*.txt) in the folder.
bool ReadSources(const QString& folder, std::vector<CaseFormulas>& cases, QString& error);

}  // namespace formulas
