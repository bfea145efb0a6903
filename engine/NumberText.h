// Number text: parsing what the user typed, rounding, and writing results.
// Independent of the process locale.
#pragma once

#include <functional>
#include <string>

namespace Vigas {

// Current decimal separator ("." or ",") and count of significant digits (4..12).
extern std::string SepDecimal;
extern double NumDigitos;

// The main window registers this to move the tick between its two separator
// menu items whenever LeerNumero switches the separator (true = comma).
void SetSeparatorTickHandler(std::function<void(bool comma)> handler);

// Reads what the user typed. When Completo is given it tells whether the whole
// text (blanks aside) is one number, percentage or fraction, rather than a
// number followed by something else ("10 kN", "1.000.000") or no number.
double LeerNumero(const std::string& Texto, bool* Completo = nullptr);
double Redondear(double x, double Posicion);
std::string FormatoNumero(double x, double NumDig = 0);

// Up to 15 significant digits, "." as point, no leading zero before the point
// (".25"), scientific ("1.5E-07", "1E+20") only outside 1e-4 .. 1e15.
std::string ShortestText(double x);

// Value of the longest leading part of the text that reads as a decimal number
// (sign, digits with one ".", exponent "E" or "D"); 0 when there is none.
// Returns false when the value is beyond the double range. `used`, when
// given, receives the count of characters the number takes (leading blanks
// included), 0 when there is none.
bool LeadingValue(const std::string& text, double& value, size_t* used = nullptr);

// One left-to-right pass replacing every non-overlapping occurrence.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace Vigas

namespace Mini_HTFC_rut {
// A number as formula mark-up: "&." for the point, "&E" for the exponent mark.
std::string NumeroAHTFC(double x);
}  // namespace Mini_HTFC_rut
