// Reading the formula sources: what an expression means, what it shows in
// the mark-up, and sources that must be refused with their line named.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "htf/FormulaMarkup.h"
#include "htf/FormulaSource.h"

using namespace formulas;

namespace {

double Value(const std::string& text, const Values& v) {
  return Evaluate(*ParseExpression(text), v);
}

TEST(FormulaExpressions, ReadAsTheyAreShown) {
  const Values v = {{"w0", 3}, {"x", 2}, {"L", 5}, {"a", 7}, {"b", 4}, {"EI", 10}};
  // Side by side and "*" both multiply; a divisor closes its term.
  EXPECT_DOUBLE_EQ(Value("-w0 x (L - x)/2", v), -9);
  EXPECT_DOUBLE_EQ(Value("w0 L^2/8 + 1", v), 75.0 / 8 + 1);
  EXPECT_DOUBLE_EQ(Value("a - b - x", v), 1);
  EXPECT_DOUBLE_EQ(Value("-x^2", v), -4);
  EXPECT_DOUBLE_EQ(Value("(a - b)^3/(6 L*EI)", v), 27.0 / 300);
  EXPECT_DOUBLE_EQ(Value("2 a*b", v), 56);
  EXPECT_DOUBLE_EQ(Value("0.5 L", v), 2.5);
  // The same under a locale whose decimal mark is a comma.
  const std::string kept = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_DOUBLE_EQ(Value("0.5 L", v), 2.5);
  }
  std::setlocale(LC_NUMERIC, kept.c_str());
  EXPECT_NEAR(Value("sin(pi x/(4 x))", v), std::sqrt(0.5), 1e-15);
  EXPECT_THROW(Value("z + 1", v), SourceError);  // no value for z
}

TEST(FormulaExpressions, WhatCouldBeReadTwoWaysIsRefused) {
  for (const char* text : {
           "a/2 b",   // (a/2)·b or a/(2b)?
           "a/b/x",   // the same
           "a/b*x",   //
           "x/EI",    // E·I shows as a product: x/(E·I) or (x/E)·I?
           "EI^2",    // E·I² or (E·I)²?
           "x 2",     // a number after a factor needs "*"
           "x^10",    // one-digit powers only
           "x^2^3",   //
           "w0x",     // no such name: a blank is missing
           "(a + b",  //
           "a + ",    //
           "a $ b",   //
           "theta",   // the slope is a result, not a name to use
       })
    EXPECT_THROW(ParseExpression(text), SourceError) << text;
}

TEST(FormulaMarkup, NamesAndOperatorsAsTheProgramWritesThem) {
  EXPECT_EQ(Markup(*ParseExpression("w0 L^2/8")), "&+Iw&-I_0&+IL&-I^2/8");
  EXPECT_EQ(Markup(*ParseExpression("-P a/(6 L*EI)")),
            "-&+IPa&-I/(6&+IL&-I\xC2\xB7&+IE&-I\xC2\xB7&+II&-I)");
  EXPECT_EQ(Markup(*ParseExpression("RA x + thetaB")), "&+IR&-I_A&+Ix&-I + &+I&theta&-I_B");
  EXPECT_EQ(Markup(*ParseExpression("sin(pi x/L)")), "sin(&pi&+Ix&-I/&+IL&-I)");
  EXPECT_EQ(Markup(*ParseExpression("0.5 x1")), "0&.5&+Ix&-I_1");
  // A divisor that shows as a product is bracketed, however the expression came about.
  const auto ei = std::make_shared<Expr>(Expr{Expr::Kind::Name, "EI", 0, nullptr, nullptr});
  EXPECT_EQ(Markup(Expr{Expr::Kind::Divide, "", 0, ParseExpression("x"), ei}),
            "&+Ix&-I/(&+IE&-I\xC2\xB7&+II&-I)");
  // A long formula may go on to the next line at each plus or minus.
  EXPECT_EQ(MarkupPieces(*ParseExpression("a - (b + x)")),
            (std::vector<std::string>{"&+Ia&-I", " - (&+Ib&-I", " + &+Ix&-I)"}));
}

const char* const kSmallSource =
    "# a comment\n"
    "case 108\n"
    "RA = P/2\n"
    "on 0 <= x < L/2\n"
    "u = L - x\n"
    "y = -P x (3 L^2\n"
    "  - 4 x^2)/(48 EI)\n"
    "theta = 0\n"
    "M = P x/2\n"
    "V = RA\n"
    "max M = P L/4 at L/2\n";

TEST(FormulaSources, CaseIntervalsAndExtremesAreRead) {
  const auto cases = ParseSource(kSmallSource, "small.txt");
  ASSERT_EQ(cases.size(), 1u);
  const CaseFormulas& c = cases[0];
  EXPECT_EQ(c.code, 108);
  ASSERT_EQ(c.names.size(), 1u);
  ASSERT_EQ(c.intervals.size(), 1u);
  const Interval& in = c.intervals[0];
  EXPECT_TRUE(in.loClosed);
  EXPECT_FALSE(in.hiClosed);
  ASSERT_EQ(in.names.size(), 1u);
  ASSERT_EQ(in.results.size(), 4u);
  EXPECT_EQ(in.results[0].line, 6);  // the formula goes on over line 7
  const Values v = IntervalValues(in, CaseValues(c, {{"P", 2}, {"L", 4}, {"EI", 1}}), 1);
  EXPECT_DOUBLE_EQ(v.at("u"), 3);
  EXPECT_DOUBLE_EQ(Evaluate(*in.results[0].rhs, v), -2.0 * 44 / 48);
  ASSERT_EQ(c.extremes.size(), 1u);
  EXPECT_EQ(c.extremes[0].quantity, "M");

  // One line per heading and formula, indented by the report's columns.
  EXPECT_EQ(FormulaText(c),
            "&SP=4:&+IR&-I_A = &+IP&-I/2\r\n"
            "&SP=2:0 &<= &+Ix&-I < &+IL&-I/2,  &+Iu&-I = &+IL&-I - &+Ix&-I\r\n"
            "&SP=4:&+Iy&-I = -&+IPx&-I(3&+IL&-I^2 - 4&+Ix&-I^2)/(48&+IE&-I\xC2\xB7&+II&-I)\r\n"
            "&SP=4:&+I&theta&-I = 0\r\n"
            "&SP=4:&+IM&-I = &+IPx&-I/2\r\n"
            "&SP=4:&+IV&-I = &+IR&-I_A\r\n"
            "&SP=4:&+IM&-I_M_A_X = &+IM&-I(&+IL&-I/2) = &+IPL&-I/4\r\n");
}

// A source mistake stops the build with the file and line that hold it.
TEST(FormulaSources, MistakesNameTheirFileAndLine) {
  const struct {
    const char* text;
    const char* where;
  } bad[] = {
      {"case 100\non 0 <= x <= L\ny = 1\ntheta = 1\nM = 1\n", "s.txt: the interval on line 2"},
      {"case 100\non 0 <= x <= L\ny = 1\nM = 1\n", "s.txt:4:"},
      {"case 100\nRA = 1\nRA = 2\n", "s.txt:3:"},
      {"case 100\nRA = 1\n", "s.txt: case 100 has no interval"},
      {"RA = 1\n", "s.txt:1:"},
      {"case 100\nmax y = 1 at 0\n", "s.txt:2:"},
      {"case 100\non 0 <= x <= L\ny = 1\ntheta = 1\nM = 1\nV = 1\nu = 2\n", "s.txt:7:"},
      {"case 100\non 0 <= L\n", "s.txt:2:"},
      {"case 100\nx = 2\n", "s.txt:2:"},
      {"case 209\non 0 <= x <= L\ny = 0\ntheta = -M0 x/EI\n", "s.txt:4: 'EI' after '/'"},
  };
  for (const auto& b : bad) {
    try {
      ParseSource(b.text, "s.txt");
      ADD_FAILURE() << "accepted: " << b.text;
    } catch (const SourceError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(b.where, 0), 0u) << e.what();
    }
  }
}

}  // namespace
