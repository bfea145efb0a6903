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
// When Desborde is given it tells whether the whole text is one number whose
// value lies beyond the range of a double ("1e400", "1e300/1e-300"): that
// reads as a failure like any other, but it is a number all the same.
double LeerNumero(const std::string& Texto, bool* Completo = nullptr, bool* Desborde = nullptr);
double Redondear(double x, double Posicion);
// A result as the number boxes show it: FormatoNumeroHTFC's rounding written
// plain, with the user's separator and without padding zeros ("1.5E-7").
std::string FormatoNumero(double x, double NumDig = 0);

// The one rounding of every number the program shows, as mark-up: x rounded
// to `digits` significant digits, plain for 0.01 <= |x| < 100000, otherwise
// mantissa (padded with zeros after its point) and power of ten.
std::string RoundedMarkup(double x, double digits);

// Up to 15 significant digits, "." as point, no leading zero before the point
// (".25"), scientific ("1.5E-07", "1E+20") only outside 1e-4 .. 1e15.
std::string ShortestText(double x);

// Whether a leading number may carry an exponent ("1.5E3", "2D-4").
enum class Exponent { Read, Ignore };

// Value of the longest leading part of the text that reads as a decimal number
// (sign, digits with one ".", exponent "E" or "D"); 0 when there is none.
// Returns false when the value is beyond the double range. `used`, when
// given, receives the count of characters the number takes (leading blanks
// included), 0 when there is none.
bool LeadingValue(const std::string& text, double& value, size_t* used = nullptr,
                  Exponent exponent = Exponent::Read);
// The same with every character of `blanks` passed over wherever it stands
// ("1 000" reads 1000); 0 when there is no number or it is beyond the double
// range.
double LeadingValueIgnoring(const std::string& text, const char* blanks,
                            Exponent exponent = Exponent::Read);

// One left-to-right pass replacing every non-overlapping occurrence.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace Vigas

namespace Mini_HTFC_rut {
// A number as formula mark-up: "&." for the point, "&E" for the exponent mark.
std::string NumeroAHTFC(double x);

// A number as mark-up rounded to NumDig significant digits (0: the user's
// NumDigitos; kept within 1..15): plain for 0.01 <= |x| < 100000 ("0&.0125",
// "-1234"), otherwise mantissa and power of ten ("1&.235&E5", "-4&.20&E-3").
std::string FormatoNumeroHTFC(double x, double NumDig = 0);
}  // namespace Mini_HTFC_rut
