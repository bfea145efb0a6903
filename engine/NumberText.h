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

double LeerNumero(const std::string& Texto);
double Redondear(double x, double Posicion);
std::string FormatoNumero(double x, double NumDig = 0);

// Up to 15 significant digits, "." as point, no leading zero before the point
// (".25"), scientific ("1.5E-07", "1E+20") only outside 1e-4 .. 1e15.
std::string ShortestText(double x);

// Value of the longest leading part of the text that reads as a decimal number
// (sign, digits with one ".", exponent "E" or "D"); 0 when there is none.
// Returns false when the value is beyond the double range.
bool LeadingValue(const std::string& text, double& value);

// One left-to-right pass replacing every non-overlapping occurrence.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace Vigas

namespace Mini_HTFC_rut {
// A number as formula mark-up: "&." for the point, "&E" for the exponent mark.
std::string NumeroAHTFC(double x);
}  // namespace Mini_HTFC_rut
