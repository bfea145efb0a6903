#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/DataVector.h"
#include "graphs/Mini_HTFC_rut.h"

using Mini_HTFC_rut::FormatoNumeroHTFC;
using Mini_HTFC_rut::LeerColor;

TEST(LeerColor, ComponentsNumbersAndNames) {
  EXPECT_EQ(LeerColor(" 0;128;255 "), 16744448);
  EXPECT_EQ(LeerColor("orange"), 33023);
  EXPECT_EQ(LeerColor("12abc"), 12);
  EXPECT_EQ(LeerColor("teal"), 0);
  EXPECT_EQ(LeerColor("255;128"), 255 + 128 * 256 + 128 * 65536);  // blue read again
  EXPECT_EQ(LeerColor("1;2;3"), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(LeerColor("0.5;1.5;2.5"), 0 + 2 * 256 + 2 * 65536);  // halves to even
  EXPECT_EQ(LeerColor(" 7 ; 8 ; 9 ;10"), 7 + 8 * 256 + 9 * 65536);
  EXPECT_EQ(LeerColor(";"), 0);
  EXPECT_EQ(LeerColor(""), 0);
  EXPECT_EQ(LeerColor("   "), 0);
  EXPECT_EQ(LeerColor("16744448"), 16744448);
  EXPECT_EQ(LeerColor("2.5"), 2);

  const std::pair<const char*, int32_t> names[] = {
      {"BLACK", 0},          {"negro", 0},       {"Blue", 16711680},   {"AZUL", 16711680},
      {"cyan", 16776960},    {"CIAN", 16776960}, {"GREEN", 65280},     {"verde", 65280},
      {"MAGENTA", 16711935}, {"PINK", 16744703}, {"ROSA", 16744703},   {"FUCSIA", 16744703},
      {"VIOLETA", 16711808}, {"RED", 255},       {"rojo", 255},        {"WHITE", 16777215},
      {"BLANCO", 16777215},  {"YELLOW", 65535},  {"AMARILLO", 65535},  {"BROWN", 16512},
      {"MARRON", 16512},     {"CANELO", 16512},  {"GREY", 12632256},   {"GRIS", 12632256},
      {"ORANGE", 33023},     {"NARANJA", 33023}, {"NaranjadO", 33023}, {" red ", 255}};
  for (const auto& n : names) EXPECT_EQ(LeerColor(n.first), n.second) << n.first;
}

TEST(LeerColor, ComponentsAndValuesAreClampedToTheColourRange) {
  EXPECT_EQ(LeerColor("300;-20;1e9"), 255 + 0 + 255 * 65536);
  EXPECT_EQ(LeerColor("99999999999"), 16777215);
  EXPECT_EQ(LeerColor("1e400"), 0);  // beyond the double range reads as nothing
  EXPECT_EQ(LeerColor("1e400;2;3"), 0 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(LeerColor("-5"), 0);  // not a digit first: a (missing) name
}

TEST(FormatoNumeroHTFC, PlainAndPowerOfTenForms) {
  Vigas::NumDigitos = 4;
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {0.01, "0&.01"},
      {0.0099999, "1&.00&E-2"},  // form chosen from the unrounded magnitude
      {99999.6, "100000"},
      {200000, "2&.00&E5"},
      {123456, "1&.235&E5"},
      {-0.001234, "-1&.234&E-3"},
      {-0.0042, "-4&.20&E-3"},
      {1200, "1200"},
      {0.0125, "0&.0125"},
      {0.5, "0&.5"},
      {-1234, "-1234"},
      {999999, "1&.00&E6"},  // a mantissa rounded up to 10 carries
      {12345.67, "12350"},
      {1.28e299, "1&.28&E299"},  // "&." counts as two of the five characters
  };
  for (const auto& c : cases) EXPECT_EQ(FormatoNumeroHTFC(c.first, 4), c.second) << c.first;
  EXPECT_EQ(FormatoNumeroHTFC(123456, 0), "1&.235&E5");
}

TEST(FormatoNumeroHTFC, DefaultDigitsAndTheFlagOfTheRounding) {
  Vigas::NumDigitos = 6;
  EXPECT_EQ(FormatoNumeroHTFC(12345.67), "12345&.7");
  EXPECT_EQ(FormatoNumeroHTFC(123456.7), "1&.23457&E5");
  EXPECT_EQ(FormatoNumeroHTFC(1.0 / 3.0), "0&.333333");
  EXPECT_EQ(FormatoNumeroHTFC(2e-7), "2&.0000&E-7");
  EXPECT_EQ(FormatoNumeroHTFC(1.5, 12), "1&.5");
  Vigas::FlagError = 1;
  FormatoNumeroHTFC(3.25, 4);
  EXPECT_EQ(Vigas::FlagError, 0);  // the rounding clears it
  Vigas::NumDigitos = 4;
}

TEST(FormatoNumeroHTFC, OddDigitCountsAndExtremeValuesGiveSoundText) {
  // One digit: no point, and no zero that would change the value.
  EXPECT_EQ(FormatoNumeroHTFC(200000, 1), "2&E5");
  EXPECT_EQ(FormatoNumeroHTFC(0.5, 1), "0&.5");
  EXPECT_EQ(FormatoNumeroHTFC(200000, -3), "2&E5");
  EXPECT_EQ(FormatoNumeroHTFC(200000, 1e9), "2&.0000000000000&E5");  // at most 15 digits
  // Near the ends of the double range the value still comes out right.
  EXPECT_EQ(FormatoNumeroHTFC(3e-310, 4), "3&.00&E-310");
  EXPECT_EQ(FormatoNumeroHTFC(1e-320, 4), "1&.00&E-320");  // 9.99989e-321 as a subnormal
  EXPECT_EQ(FormatoNumeroHTFC(-DBL_MAX, 4), "-1&.798&E308");
  EXPECT_EQ(FormatoNumeroHTFC(DBL_MIN, 4), "2&.225&E-308");
  EXPECT_EQ(FormatoNumeroHTFC(std::numeric_limits<double>::denorm_min(), 4), "4&.941&E-324");
  // Below the normal range the powers of ten are too coarse to find the
  // exponent by: these came out as "0&.988&E-323" and "1&.000&E-320".
  EXPECT_EQ(FormatoNumeroHTFC(2 * std::numeric_limits<double>::denorm_min(), 4), "9&.881&E-324");
  EXPECT_EQ(FormatoNumeroHTFC(9.9998886718268301e-321, 5), "9&.9999&E-321");
  EXPECT_FALSE(FormatoNumeroHTFC(std::numeric_limits<double>::infinity(), 4).empty());
  EXPECT_FALSE(FormatoNumeroHTFC(std::nan(""), 4).empty());
}

namespace {

// Reads a mark-up number back: mantissa text, exponent (0 without one).
bool ReadMarkupNumber(const std::string& t, std::string& mantissa, int& exponent) {
  std::string plain;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t.compare(i, 2, "&.") == 0) {
      plain += '.';
      ++i;
    } else {
      plain += t[i];
    }
  }
  const size_t e = plain.find("&E");
  mantissa = plain.substr(0, e);
  exponent = e == std::string::npos ? 0 : std::stoi(plain.substr(e + 2));
  return !mantissa.empty();
}

}  // namespace

TEST(FormatoNumeroHTFC, ExactPowersOfTenKeepTheirExponent) {
  // A quotient of logarithms falls just short at 1000, 1e6, 1e9, ... .
  for (int e = -300; e <= 300; ++e) {
    const double x = std::stod("1e" + std::to_string(e));
    const std::string expected = e >= -2 && e <= 4 ? (e < 0 ? "0&." + std::string(-e - 1, '0') + "1"
                                                            : "1" + std::string(e, '0'))
                                                   : "1&.00&E" + std::to_string(e);
    ASSERT_EQ(FormatoNumeroHTFC(x, 4), expected) << e;
    ASSERT_EQ(FormatoNumeroHTFC(-x, 4), "-" + expected) << e;
  }
}

TEST(FormatoNumeroHTFC, APowerOfTenMantissaIsAlwaysFromOneToBelowTen) {
  // Values just under a power of ten, as sums of grid steps land, and values
  // that round up to the next power: the mantissa carries, and the text
  // still reads back as the value.
  for (int digits : {4, 6, 12}) {
    for (int e = -40; e <= 40; ++e) {
      const double p = std::stod("1e" + std::to_string(e));
      for (double x :
           {p, std::nextafter(p, 0.0), p * (1 - 1e-15), p * (1 - 0.4 * std::pow(10.0, -digits)),
            9.9999999 * p, 9.99999999999999 * p, 5.5 * p}) {
        if (x >= 0.01 && x < 100000) continue;  // plain form
        const std::string t = FormatoNumeroHTFC(x, digits);
        std::string mantissa;
        int exponent = 0;
        ASSERT_TRUE(ReadMarkupNumber(t, mantissa, exponent)) << t;
        const double m = std::stod(mantissa);
        ASSERT_GE(m, 1) << t;
        ASSERT_LT(m, 10) << t;
        const double back = m * std::pow(10.0, exponent);
        ASSERT_NEAR(back, x,
                    0.6 * std::pow(10.0, std::floor(std::log10(x)) + 1 - digits) + 1e-14 * x)
            << t;
      }
    }
  }
}
