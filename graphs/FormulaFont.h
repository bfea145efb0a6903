// The face and size formulas are drawn in beside the value boxes (the
// quantity pictures) and in the formula panel, so the symbols match.
#pragma once

#include "platform/DrawTarget.h"

namespace Mini_HTFC_rut {

inline void SetFormulaFont(platform::DrawTarget& t) {
  t.SetFontName(QStringLiteral("Times New Roman"));
  t.SetFontSize(11);
  t.SetFontItalic(false);
  t.SetFontBold(false);
  t.SetForeColor(0);
}

}  // namespace Mini_HTFC_rut
