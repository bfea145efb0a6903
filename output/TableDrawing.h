// The results table of the current graph drawn on any drawing target (the
// table window's pictures or the printer), together with the plain-text copy
// of what was drawn that the table window saves and copies.
//
// Text layout (n = NumDigitos + 8, every line ends with CR LF): the three
// title lines, 2n "=", the two column titles as fields of n characters, 2n
// "=", one line per drawn row (x field, value field) and, only when all 64
// rows were drawn, a closing 2n "=". A field is the text padded with spaces
// and cut to exactly n characters.
#pragma once

#include <QString>

namespace platform {
class DrawTarget;
}

// Width of one text column in characters: the significant digits plus 8.
int AnchoCampoTabla();
// The text padded with spaces or cut to exactly n characters.
QString CampoTabla(const QString& texto, int n);

// Draws the three title lines, the column titles and their two rules, and
// starts the text copy: TextoTabla is replaced.
void PonerCabecera(platform::DrawTarget& OB, QString& TextoTabla);
// Draws the 64 rows of PuntosX/PuntosY and the closing rule below the header,
// and continues the text copy. Rows that would pass the bottom of the target
// are left out, and with them the closing rule.
void PonerTabla(platform::DrawTarget& OB, QString& TextoTabla);
