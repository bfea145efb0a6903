// The formula picture of a case (img/F<code>.gif): its formulas drawn with the
// program's mark-up renderer on white, in the face and size of the quantity
// pictures beside the value boxes.
#pragma once

#include <QImage>
#include <QString>

#include "htf/FormulaSource.h"

namespace formulas {

// Largest picture the formula panel shows under the beam picture at the
// default window size.
constexpr int kPictureMaxWidth = 460;
constexpr int kPictureMaxHeight = 430;

// The picture, no wider than kPictureMaxWidth: short formulas share a line
// in two columns, long ones go on to the next line after a plus or minus.
// Empty, with `error` set, when a formula cannot be made to fit the width or
// the picture comes out higher than kPictureMaxHeight.
QImage FormulaPicture(const CaseFormulas& c, QString& error);

}  // namespace formulas
