// The results table of the current graph drawn on any drawing target (the
// table window's pictures or the printer), together with the plain-text copy
// of what was drawn that the table window saves and copies.
//
// Text layout (every line ends with CR LF): the three title lines, a rule of
// "=", the two column titles as fields, the rule again, one line per drawn
// row (x field, value field) and, only when all 64 rows were drawn, a closing
// rule. A column is n = NumDigitos + 8 characters wide, or wider when its
// title is longer (the first keeps a blank after its title); a field is the
// text padded with spaces to the column's width, and a rule as long as the
// two columns. The text is as a reader sees it: "-" for a minus, "E" for a
// power of ten, Greek letters as themselves.
#pragma once

#include <QString>

namespace platform {
class DrawTarget;
}

// Width of a text column in characters before its title is considered: the
// significant digits plus 8.
int AnchoCampoTabla();
// The text padded with spaces or cut to exactly n characters.
QString CampoTabla(const QString& texto, int n);

// Draws the three title lines, the column titles and their two rules, and
// starts the text copy: TextoTabla is replaced.
void DrawTableHeader(platform::DrawTarget& OB, QString& TextoTabla);
// Draws the 64 rows of PuntosX/PuntosY and the closing rule below the header,
// and continues the text copy. Rows that would pass the bottom of the target
// are left out, and with them the closing rule.
void DrawTableRows(platform::DrawTarget& OB, QString& TextoTabla);
