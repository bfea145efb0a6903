// Module Mini_HTFC_rut: the program's inline formula mark-up. Draws one line of
// mark-up on a drawing target, reads colour arguments, and writes numbers as
// mark-up.
//
// Mark-up codes: "&+I"/"&-I" italic on/off, "&+B"/"&-B" bold on/off,
// "&FS=n:" size, "&FN=name:" font, "&FC=colour:" colour, "&" + symbol name
// (Greek letters, arrows, operators), "&&" an ampersand, "&E" a power of ten
// with its exponent, "_c" and "^c" a lowered or raised small character, "&."
// (any unknown "&x") the character after the "&".
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "engine/NumberText.h"  // NumeroAHTFC and FormatoNumeroHTFC belong to this module too

namespace platform {
class DrawTarget;
}

namespace Mini_HTFC_rut {

constexpr int kNumSimbolos = 78;
// Entries 1 to 74 are drawn in the font "Symbol", 75 to 78 in "MT Extra".
constexpr int kUltimoSymbol = 74;

// Symbol names (each beginning with "&") and the character each is drawn
// with, in its symbol font's 8-bit encoding, held as the Windows-1252
// character of that code. Entry 0 stays empty. Empty until
// IniciarSimbolosHTFC runs at start-up; read-only afterwards.
extern QString HTFC_Codigo[kNumSimbolos + 1];
extern QString HTFC_Caracter[kNumSimbolos + 1];

void IniciarSimbolosHTFC();

// The font symbol k is drawn in.
QString FuenteSimbolo(int k);

// Draws one line of mark-up at the target's current position. CurrentX ends
// after the last character; CurrentY where the last size or font change
// re-seated the line (the entry value if none did). The font name, size,
// style and colour are restored at the end. A ")" or "]" right after a
// lowered or raised character is followed by a little space (0.1 of the
// height of "Hp"), so that it does not touch the next character.
//
// TextoPlano receives the characters printed, each a Windows-1252 character:
// a power of ten gives "E", a symbol its font character, "-" the en dash.
//
// A size, font or colour code without its ":" stops the drawing there and
// leaves the font as the codes before it set it; the result is then false
// and TextoPlano holds what was printed up to that point.
bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino, QString& TextoPlano);
// The same, also giving the text as a reader sees it, for text files and the
// clipboard: a symbol as its own character ("θ"), a minus as "-", a power of
// ten as "E" ("-1.5E-3").
bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino, QString& TextoPlano,
                  QString& TextoLegible);
bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino);
// The text as a reader sees it, drawn nowhere, runs of blanks as one: the
// name of a print job.
QString ReadableText(const QString& markup);
// The same, stopping at the first character that would start right of
// rightLimit (twips): a line longer than its page is cut at the edge rather
// than drawn unseen, however long it is.
bool DrawMarkupCutAt(const QString& markup, platform::DrawTarget& target, double rightLimit);

// A colour argument: "r;g;b", a number, or a colour name in English or
// Spanish ("orange", "NARANJA"); anything else is black. The value is
// red + 256 * green + 65536 * blue, components clamped to 0..255.
int32_t LeerColor(const QString& Texto);

}  // namespace Mini_HTFC_rut
