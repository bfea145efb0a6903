// The text of a mark-up as a reader sees it, which files and the clipboard
// get: symbols as their own characters, a minus as "-", a power of ten as
// "E" with its sign.
#include <gtest/gtest.h>

#include "graphs/Mini_HTFC_rut.h"
#include "graphs/RecordingTarget.h"

using namespace Mini_HTFC_rut;

TEST(MarkupReadableText, SymbolsMinusAndPowersOfTenAsAReaderWritesThem) {
  IniciarSimbolosHTFC();
  const struct {
    const char* markup;
    const char* readable;  // UTF-8
  } cases[] = {
      {"Slope &+I&theta&-I", "Slope \u03B8"},
      {"-1&.235&E-5", "-1.235E-5"},
      {"4&.2&E+12", "4.2E12"},
      {"w_0 &<= 5 &alfa&& &ads", "w0 \u2264 5 \u03B1& \u2193"},
      {"a \u2013 b - c", "a \u2013 b - c"},  // a dash written as such stays one
  };
  for (const auto& c : cases) {
    RecordingTarget t;
    QString plain, readable;
    EXPECT_TRUE(ImprimirHTFC(QString::fromUtf8(c.markup), t, plain, readable)) << c.markup;
    EXPECT_EQ(readable, QString::fromUtf8(c.readable)) << c.markup;
    // As long as the printed text, character for character.
    EXPECT_EQ(readable.size(), plain.size()) << c.markup;
  }
}
