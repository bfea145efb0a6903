// Parsing what the user typed, rounding and writing results.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Vigas.h"

using namespace Vigas;

namespace {
struct SeparatorRecorder {
  int calls = 0;
  bool lastComma = false;
  SeparatorRecorder() {
    SetSeparatorTickHandler([this](bool comma) {
      ++calls;
      lastComma = comma;
    });
  }
  ~SeparatorRecorder() { SetSeparatorTickHandler(nullptr); }
};
}  // namespace

TEST(LeerNumero, SeparatorsSpacesAndDoubledPoints) {
  SeparatorRecorder ticks;
  SepDecimal = ".";
  EXPECT_EQ(LeerNumero("1 000,5"), 1000.5);
  EXPECT_EQ(SepDecimal, ",");
  EXPECT_TRUE(ticks.lastComma);
  EXPECT_EQ(LeerNumero("1.5"), 1.5);
  EXPECT_EQ(SepDecimal, ".");
  EXPECT_FALSE(ticks.lastComma);
  EXPECT_EQ(LeerNumero("1.000,5"), 1.0);  // both: "," wins, text reads "1.000.5"
  EXPECT_EQ(SepDecimal, ",");
  EXPECT_TRUE(ticks.lastComma);
  EXPECT_EQ(LeerNumero("12,,5"), 12.5);
  EXPECT_EQ(LeerNumero("1...5"), 1.5);
  const int before = ticks.calls;
  EXPECT_EQ(LeerNumero("7"), 7);  // no separator typed: no tick moves
  EXPECT_EQ(ticks.calls, before);
}

TEST(LeerNumero, PercentFractionsAndLeadingValue) {
  FlagError = 0;
  EXPECT_EQ(LeerNumero("50%"), 0.5);
  EXPECT_EQ(LeerNumero("%"), 0);
  EXPECT_EQ(LeerNumero("1/4"), 0.25);
  EXPECT_EQ(LeerNumero("-3/4"), -0.75);
  EXPECT_EQ(LeerNumero("/4"), 0);
  EXPECT_EQ(LeerNumero("1/2%"), 0.01);
  EXPECT_EQ(LeerNumero("abc"), 0);
  EXPECT_EQ(LeerNumero("12abc"), 12);
  EXPECT_EQ(LeerNumero("2.5E3"), 2500);
  EXPECT_EQ(LeerNumero("2.5D-1"), 0.25);
  EXPECT_EQ(LeerNumero("1e"), 1);
  EXPECT_EQ(LeerNumero(".5"), 0.5);
  EXPECT_EQ(LeerNumero("-.5"), -0.5);
  EXPECT_EQ(LeerNumero("+3"), 3);
  EXPECT_EQ(LeerNumero("1/2/3"), 0.5);
  EXPECT_EQ(LeerNumero("1e-400"), 0);
  EXPECT_EQ(FlagError, 0);
}

TEST(LeerNumero, FailuresGiveTheMarker) {
  FlagError = 0;
  EXPECT_EQ(LeerNumero(""), SinValor);
  EXPECT_EQ(LeerNumero("   "), SinValor);
  EXPECT_EQ(FlagError, 0);  // empty text is no error
  FlagError = 0;
  EXPECT_EQ(LeerNumero("1/0"), SinValor);
  EXPECT_EQ(FlagError, 1);
  FlagError = 0;
  EXPECT_EQ(LeerNumero("0/0"), SinValor);
  EXPECT_EQ(FlagError, 1);
  FlagError = 0;
  EXPECT_EQ(LeerNumero("1%/2"), SinValor);
  EXPECT_EQ(FlagError, 1);
  FlagError = 0;
  EXPECT_EQ(LeerNumero("1e400"), SinValor);
  EXPECT_EQ(FlagError, 1);
  FlagError = 0;
  EXPECT_EQ(LeerNumero("1e300/1e-300"), SinValor);
  EXPECT_EQ(FlagError, 1);
  FlagError = 1;
  EXPECT_EQ(LeerNumero("3"), 3);
  EXPECT_EQ(FlagError, 1);  // parsing never clears the flag
}

// The check a calculation makes on each box: the value read stays as
// LeerNumero has always given it, and the text must be one whole number.
TEST(LeerNumero, TellsWhetherTheWholeTextIsOneNumber) {
  SeparatorRecorder ticks;
  FlagError = 0;
  struct Typed {
    const char* text;
    double value;
    bool complete;
  };
  const Typed cases[] = {
      {"2.5", 2.5, true},
      {" -2,5 ", -2.5, true},
      {"1 000,5", 1000.5, true},
      {"12,,5", 12.5, true},
      {"1...5", 1.5, true},
      {"5.", 5, true},
      {".5", 0.5, true},
      {"+3", 3, true},
      {"2.5E3", 2500, true},
      {"2.5D-1", 0.25, true},
      {"1e-400", 0, true},
      {"50%", 0.5, true},
      {"-3/4", -0.75, true},
      {"1.5/0.5", 3, true},
      {"7\t", 7, true},
      {"10 kN", 10, false},
      {"10kN", 10, false},
      {"abc", 0, false},
      {"-", 0, false},
      {"e5", 0, false},
      {"1e", 1, false},
      {"1e+", 1, false},
      {"232.000.000", 232, false},
      {"1.000,5", 1, false},
      {"%", 0, false},
      {"/4", 0, false},
      {"1/2%", 0.01, false},
      {"1/2/3", 0.5, false},
      {"1/2x", 0.5, false},
      {"12abc", 12, false},
      {".", 0, false},
      {"1,5 m", 1.5, false},
      {"3\xC2\xA0", 3, false},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.text);
    bool complete = !c.complete;
    EXPECT_EQ(LeerNumero(c.text, &complete), c.value);
    EXPECT_EQ(LeerNumero(c.text), c.value);
    EXPECT_EQ(complete, c.complete);
  }
  EXPECT_EQ(FlagError, 0);  // an incomplete number is not a parse failure

  // Empty text and failures are no number either; of them only a whole
  // number beyond the double range is told apart.
  const std::pair<const char*, bool> failures[] = {
      {"", false},        {"   ", false},      {"1/0", false},     {"1%/2", false},
      {"1e400", true},    {"-1,5e400", true},  {"1e400%", true},   {"1e300/1e-300", true},
      {"1e400/x", false}, {"1e400 kN", false}, {"x/1e400", false},
  };
  for (auto [text, beyond] : failures) {
    SCOPED_TRACE(text);
    bool complete = true, tooLarge = !beyond;
    EXPECT_EQ(LeerNumero(text, &complete, &tooLarge), SinValor);
    EXPECT_FALSE(complete);
    EXPECT_EQ(tooLarge, beyond);
  }
  // The separator still follows what was typed, whole number or not.
  LeerNumero("1,5 m");
  EXPECT_EQ(SepDecimal, ",");
  LeerNumero("2.5x");
  EXPECT_EQ(SepDecimal, ".");
  FlagError = 0;
}

TEST(Redondear, HalvesRoundUpAndFailuresGiveZero) {
  EXPECT_EQ(Redondear(1234.5, -1), 1235);
  EXPECT_EQ(Redondear(-1234.5, -1), -1234);
  EXPECT_DOUBLE_EQ(Redondear(0.012345, -5), 0.0123);
  EXPECT_DOUBLE_EQ(Redondear(0.012345, -4), 0.012);
  FlagError = 1;
  Redondear(1, -1);
  EXPECT_EQ(FlagError, 0);
  EXPECT_EQ(Redondear(1, -400), 0);  // the scale factor overflows
  EXPECT_EQ(FlagError, 1);
}

TEST(FormatoNumero, PlainAndScientificForms) {
  SepDecimal = ".";
  EXPECT_EQ(FormatoNumero(12345.678, 4), "12350");
  EXPECT_EQ(FormatoNumero(0.0123456, 4), "0.01235");
  EXPECT_EQ(FormatoNumero(123456.7, 4), "1.235E5");
  EXPECT_EQ(FormatoNumero(0.00012, 4), "1.2E-4");
  EXPECT_EQ(FormatoNumero(-2000000, 4), "-2E6");
  EXPECT_EQ(FormatoNumero(99999.99, 4), "100000");
  EXPECT_EQ(FormatoNumero(1000000, 4), "1E6");
  EXPECT_EQ(FormatoNumero(-1000000, 4), "-1E6");
  EXPECT_EQ(FormatoNumero(0.001, 4), "1E-3");
  EXPECT_EQ(FormatoNumero(0, 4), "0");
  EXPECT_EQ(FormatoNumero(0, 12), "0");
  EXPECT_EQ(FormatoNumero(100000, 4), "1E5");
  EXPECT_EQ(FormatoNumero(0.01, 4), "0.01");
  EXPECT_EQ(FormatoNumero(0.0099999, 4), "1E-2");
  EXPECT_EQ(FormatoNumero(-9.99996E7, 4), "-1E8");
  EXPECT_EQ(FormatoNumero(-0.013020833333333334, 4), "-0.01302");
  EXPECT_EQ(FormatoNumero(1.0 / 3, 12), "0.333333333333");
  NumDigitos = 6;
  EXPECT_EQ(FormatoNumero(1.0 / 3), "0.333333");
  NumDigitos = 4;
  EXPECT_EQ(FormatoNumero(1.0 / 3), "0.3333");
  SepDecimal = ",";
  EXPECT_EQ(FormatoNumero(1.5, 4), "1,5");
  EXPECT_EQ(FormatoNumero(1.5e-7, 4), "1,5E-7");
  SepDecimal = ".";
}

TEST(FormatoNumero, ClearsTheFlagAndKeepsMantissaAtTheRangeEnds) {
  FlagError = 1;
  FormatoNumero(2.5, 4);
  EXPECT_EQ(FlagError, 0);
  // Here the rounding's scale factor overflows; the mantissa must still be right.
  EXPECT_EQ(FormatoNumero(1e-300, 12), "1E-300");
  EXPECT_EQ(FormatoNumero(1e-300, 4), "1E-300");
  EXPECT_EQ(FormatoNumero(-2.5e-310, 4), "-2.5E-310");
  EXPECT_EQ(FormatoNumero(1.23456e300, 4), "1.235E300");
  EXPECT_EQ(FlagError, 0);
}

TEST(NumeroAHTFC, MarkupPointAndExponent) {
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(0.25), "0&.25");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(-3.5), "-3&.5");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(12), "12");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(1.5e-7), "1&.5&E-7");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(1e20), "1&E+20");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(-1e-20), "-1&E-20");
  EXPECT_EQ(ShortestText(0.25), ".25");
  EXPECT_EQ(ShortestText(-0.25), "-.25");
  EXPECT_EQ(ShortestText(1e20), "1E+20");
  EXPECT_EQ(ShortestText(1.5e-7), "1.5E-07");
  EXPECT_EQ(ShortestText(123456789012345.0), "123456789012345");
  EXPECT_EQ(ShortestText(0.1 + 0.2), ".3");
  EXPECT_EQ(ShortestText(0.0001), ".0001");
}

TEST(ReplaceAll, OnePassLeftToRight) {
  EXPECT_EQ(ReplaceAll("...", "..", "."), "..");
  EXPECT_EQ(ReplaceAll("a0E0E", "0E", "E"), "aEE");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

// Qt sets the C locale from the environment: number text must not follow it.
TEST(NumberText, IndependentOfADecimalCommaLocale) {
  const char* set = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "es_ES.UTF-8"})
    if ((set = std::setlocale(LC_ALL, name))) break;
  if (!set) GTEST_SKIP() << "no decimal-comma locale installed";
  SepDecimal = ".";
  EXPECT_EQ(LeerNumero("2.5"), 2.5);
  EXPECT_EQ(LeerNumero("2.5E3"), 2500);
  EXPECT_EQ(FormatoNumero(0.0123456, 4), "0.01235");
  EXPECT_EQ(ShortestText(3.28083989501312), "3.28083989501312");
  EXPECT_EQ(Mini_HTFC_rut::NumeroAHTFC(0.25), "0&.25");
  std::setlocale(LC_ALL, "C");
}

// Both formatters round through one core. The table holds what each wrote
// before they shared it: powers of ten and their neighbours over the whole
// double range, the ends of the plain form, and a spread of values, at the
// digit counts the program uses.
TEST(FormatoNumero, WritesWhatBothFormattersAlwaysWrote) {
  const std::string file = std::string(__FILE__);
  std::ifstream in(file.substr(0, file.find_last_of('/') + 1) + "formatted_numbers.txt");
  ASSERT_TRUE(in) << "formatted_numbers.txt beside this file";
  NumDigitos = 4;
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string xText, plain, markup;
    double digits = 0;
    ASSERT_TRUE(fields >> xText >> digits >> plain >> markup) << line;
    const double x = std::strtod(xText.c_str(), nullptr);
    SepDecimal = ".";
    EXPECT_EQ(FormatoNumero(x, digits), plain) << line;
    EXPECT_EQ(Mini_HTFC_rut::FormatoNumeroHTFC(x, digits), markup) << line;
    SepDecimal = ",";
    EXPECT_EQ(FormatoNumero(x, digits), ReplaceAll(plain, ".", ",")) << line;
    ++rows;
  }
  SepDecimal = ".";
  EXPECT_GT(rows, 2000);
}
