// Number text: whatever is typed into a number box reads as a finite value or
// as "no value", and every number the program shows reads back as itself
// within the digits shown.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "engine/DataVector.h"
#include "engine/NumberText.h"
#include "fuzz/FuzzCheck.h"

namespace {

// Outside this range the shown rounding can leave the double range (1.8E308
// after rounding up, or a subnormal that reads back as 0); results that large
// or small are not beam results (the "no value" mark itself is 1.28E299).
bool Representable(double x) {
  const double a = std::fabs(x);
  return a == 0 || (a >= 1e-300 && a <= 1e300);
}

// What reading a decimal text back into a double may add to the rounding.
constexpr double kSlack = 4 * std::numeric_limits<double>::epsilon();

void CheckReading(const std::string& text) {
  Vigas::FlagError = 0;
  const double v = Vigas::LeerNumero(text);
  FUZZ_CHECK(std::isfinite(v));
  if (Vigas::FlagError != 0) FUZZ_CHECK(v == Vigas::SinValor);
  FUZZ_CHECK(Vigas::SepDecimal == "." || Vigas::SepDecimal == ",");
}

// Shown with `digits` significant digits, read back: within half a unit of
// the last digit shown.
void CheckRoundTrip(double x, int digits, bool comma) {
  if (!std::isfinite(x) || !Representable(x)) return;
  Vigas::SepDecimal = comma ? "," : ".";
  const std::string shown = Vigas::FormatoNumero(x, digits);
  FUZZ_CHECK(!shown.empty());
  FUZZ_CHECK(shown.find(comma ? '.' : ',') == std::string::npos);
  Vigas::FlagError = 0;
  const double back = Vigas::LeerNumero(shown);
  if (Vigas::FlagError != 0 ||
      !(std::fabs(back - x) <= (0.5 * std::pow(10.0, 1 - digits) + kSlack) * std::fabs(x))) {
    std::fprintf(stderr, "%.17g with %d digits shows \"%s\", reads back %.17g\n", x, digits,
                 shown.c_str(), back);
    FUZZ_CHECK(false);
  }

  // The short form settings and files keep: 15 significant digits.
  double v = 0;
  const std::string text = Vigas::ShortestText(x);
  FUZZ_CHECK(Vigas::LeadingValue(text, v));
  FUZZ_CHECK(std::fabs(v - x) <= (5e-15 + kSlack) * std::fabs(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckReading(std::string(reinterpret_cast<const char*>(data), size));
  // The same bytes as a number, a count of digits (4..12) and a separator.
  if (size >= sizeof(double) + 2) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    CheckRoundTrip(x, 4 + data[sizeof x] % 9, data[sizeof x + 1] & 1);
  }
  return 0;
}
