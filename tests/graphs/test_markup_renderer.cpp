#include <gtest/gtest.h>

#include "graphs/Mini_HTFC_rut.h"
#include "graphs/RecordingTarget.h"
#include "platform/TextFile.h"

using namespace Mini_HTFC_rut;

namespace {
const QChar kEnDash(0x2013);

class Markup : public testing::Test {
 protected:
  void SetUp() override { IniciarSimbolosHTFC(); }

  // Renders from (x0, y0) on a fresh target and returns the plain text.
  QString Render(const QString& markup, bool printer = false) {
    target_ = std::make_unique<RecordingTarget>(printer);
    target_->SetCurrentX(x0);
    target_->SetCurrentY(y0);
    QString plain;
    EXPECT_TRUE(ImprimirHTFC(markup, *target_, plain)) << markup.toStdString();
    return plain;
  }
  const std::vector<PrintCall>& Calls() const { return target_->calls; }
  RecordingTarget& T() { return *target_; }

  const double x0 = 300, y0 = 600;
  std::unique_ptr<RecordingTarget> target_;
};

double Reduced(double base) {
  RecordingTarget t;
  t.SetFontSize(base * 8 / 12);
  return t.FontSize();
}
}  // namespace

TEST_F(Markup, PlainTextHoldsThePrintedCharactersAsWindows1252Bytes) {
  const struct {
    const char* markup;  // UTF-8
    QByteArray bytes;
  } cases[] = {
      {"&alfa&&b", "a&b"},
      {"1&.5&E-3",
       "1.5E\x96"
       "3"},
      {"a-b",
       "a\x96"
       "b"},
      {"x&+I y&-I", "x y"},
      {"x_2", "x2"},
      {"x__2", "x_2"},
      {"x^^2", "x^2"},
      {"x_", "x_"},
      {"^", "^"},
      {"&LF", "LF"},
      {"&SP=4:", "SP=4:"},
      {"#SEG(a)", "#SEG(a)"},
      {"&vacio", "\xC6"},
      {"&Vacio", "\xC6"},
      {"&pix", "px"},
      {"&Pix", "Px"},
      {"&PIC", "\xAA"},
      {"&union", "U"},
      {"&Eta", "Eta"},
      {"&E", "E"},
      {"2&E+05", "2E05"},
      {"2&E+", "2E"},
      {"2&E--3",
       "2E\x96\x96"
       "3"},
      {"&", ""},
      {"&&", "&"},
      {"&x", "x"},
      {"&alfax", "ax"},
      {"&oo&ads&aus", "\xA5\xAF\xAD"},
      {"&FS=12:x", "x"},
      {"&FN=:a&FC=:b", "ab"},
      {"N\xC2\xB7m^2", "N\xB7m2"},
      {"&union&inter&mp&hbar", "UImh"},
  };
  for (const auto& c : cases) {
    const QString plain = Render(QString::fromUtf8(c.markup));
    bool lossless = false;
    EXPECT_EQ(platform::EncodeWindows1252(plain, &lossless), c.bytes) << c.markup;
    EXPECT_TRUE(lossless) << c.markup;
  }
}

TEST_F(Markup, EverySymbolDrawsItsCodeInItsFontAndTheFirstNameWins) {
  EXPECT_TRUE(HTFC_Codigo[0].isEmpty());
  EXPECT_EQ(HTFC_Codigo[47], HTFC_Codigo[67]);
  for (int k = 1; k <= kNumSimbolos; ++k) {
    ASSERT_TRUE(HTFC_Codigo[k].startsWith('&')) << k;
    ASSERT_EQ(HTFC_Caracter[k].size(), 1) << k;
    Render(HTFC_Codigo[k] + "z");
    const int drawn = k == 67 ? 47 : k;  // the second "&vacio" is never reached
    ASSERT_EQ(Calls().size(), 2u) << k;
    EXPECT_EQ(Calls()[0].text, HTFC_Caracter[drawn]) << k;
    EXPECT_EQ(Calls()[0].font, k <= 74 ? "Symbol" : "MT Extra") << k;
    EXPECT_EQ(Calls()[1].text, "z") << k;
    EXPECT_EQ(Calls()[1].font, "Arial") << k;
  }
  EXPECT_EQ(HTFC_Caracter[53], QString(QChar(165)));  // &oo, infinity
  EXPECT_EQ(HTFC_Caracter[41], QString(QChar(173)));  // &aus
  EXPECT_EQ(HTFC_Caracter[75], "U");

  // "&Eta" is a power of ten with no exponent followed by "ta".
  Render("&Eta");
  ASSERT_EQ(Calls().size(), 4u);
  EXPECT_EQ(Calls()[0].text, QString::fromUtf8("\u00B710"));
  EXPECT_EQ(Calls()[1].text, "");
  EXPECT_EQ(Calls()[2].text, "t");
}

TEST_F(Markup, WidthsGrowByTheMeasuredTextAndOperatorsGetGaps) {
  const double hp = RecordingTarget().TextHeight("Hp");
  Render("a+b=c-d(1)");
  double x = x0;
  for (const PrintCall& c : Calls()) {
    const bool op = c.text == "+" || c.text == "=" || c.text == QString(kEnDash);
    const double g = op ? 0.04 * hp : 0;
    EXPECT_NEAR(c.x, x + g, 1e-9) << c.text.toStdString();
    x = c.x + T().WidthOf(c) + g;
    EXPECT_DOUBLE_EQ(c.y, y0);
  }
  EXPECT_NEAR(T().CurrentX(), x, 1e-9);
  EXPECT_DOUBLE_EQ(T().CurrentY(), y0);
  EXPECT_GT(hp, 0);
}

TEST_F(Markup, DigitsBracketsAndOperatorsStayUprightInItalicText) {
  Render("&+Ixy2(z)+w&-Iv&+Bb&-B");
  const std::vector<std::pair<QString, bool>> italic = {
      {"x", true},  {"y", true},  {"2", false}, {"(", false}, {"z", true},
      {")", false}, {"+", false}, {"w", true},  {"v", false}, {"b", false}};
  ASSERT_EQ(Calls().size(), italic.size());
  for (size_t i = 0; i < italic.size(); ++i) {
    EXPECT_EQ(Calls()[i].text, italic[i].first);
    EXPECT_EQ(Calls()[i].italic, italic[i].second) << i;
  }
  EXPECT_TRUE(Calls().back().bold);
  EXPECT_FALSE(T().FontItalic());
}

TEST_F(Markup, SubscriptsAreLoweredAndSuperscriptsHangFromTheLineTop) {
  Render("&+Ix_2y^3z_a");
  const double small = Reduced(9.75);
  RecordingTarget reduced;
  reduced.SetFontSize(small);
  const double dy = reduced.TextHeight("9") / 1.4;
  ASSERT_EQ(Calls().size(), 6u);
  EXPECT_EQ(Calls()[1].text, "2");
  EXPECT_DOUBLE_EQ(Calls()[1].size, small);
  EXPECT_DOUBLE_EQ(Calls()[1].y, y0 + dy);
  EXPECT_FALSE(Calls()[1].italic);  // a digit
  EXPECT_EQ(Calls()[3].text, "3");
  EXPECT_DOUBLE_EQ(Calls()[3].y, y0);
  EXPECT_DOUBLE_EQ(Calls()[3].size, small);
  EXPECT_EQ(Calls()[5].text, "a");
  EXPECT_TRUE(Calls()[5].italic);  // a letter keeps the italic
  EXPECT_DOUBLE_EQ(Calls()[5].y, y0 + dy);
  EXPECT_DOUBLE_EQ(Calls()[2].size, 9.75);  // back to the base size
  EXPECT_DOUBLE_EQ(Calls()[2].y, y0);
  EXPECT_DOUBLE_EQ(T().CurrentY(), y0);
}

TEST_F(Markup, PowersOfTenPrintUprightWithAReducedExponentAtTheLineTop) {
  Render("&+I1&.5&E-3x");
  ASSERT_EQ(Calls().size(), 6u);
  EXPECT_EQ(Calls()[3].text, QString::fromUtf8("\u00B710"));
  EXPECT_FALSE(Calls()[3].italic);
  EXPECT_DOUBLE_EQ(Calls()[3].size, 9.75);
  EXPECT_EQ(Calls()[4].text, QString(kEnDash) + "3");
  EXPECT_DOUBLE_EQ(Calls()[4].size, Reduced(9.75));
  EXPECT_DOUBLE_EQ(Calls()[4].y, y0);
  EXPECT_EQ(Calls()[5].text, "x");
  EXPECT_TRUE(Calls()[5].italic);
}

TEST_F(Markup, SizeAndFontCodesReseatTheLineOnTheFirstBaseline) {
  const double ascent0 = RecordingTarget().FontAscent();
  Render("a&FS=20:b&FN=Courier New:c&FS=8:d&FN=No Such Font:e&FN=Times New Roman:f");
  ASSERT_EQ(Calls().size(), 6u);
  EXPECT_DOUBLE_EQ(Calls()[0].y, y0);
  for (const PrintCall& c : Calls()) EXPECT_NEAR(c.y + c.ascent, y0 + ascent0, 1e-9);
  EXPECT_DOUBLE_EQ(Calls()[1].size, 20.25);  // 27 pixels
  EXPECT_EQ(Calls()[2].font, "Courier New");
  EXPECT_DOUBLE_EQ(Calls()[3].size, 8.25);
  EXPECT_EQ(Calls()[4].font, "Courier New");  // an unknown name leaves Courier New
  EXPECT_EQ(Calls()[5].font, "Times New Roman");
  // The line stays seated where the last change put it; the font is restored.
  EXPECT_NEAR(T().CurrentY() + Calls()[5].ascent, y0 + ascent0, 1e-9);
  EXPECT_EQ(T().FontName(), "Arial");
  EXPECT_DOUBLE_EQ(T().FontSize(), 9.75);

  // A symbol goes back to the entry font, not to one an earlier code chose.
  Render("&FN=Courier New:a&alfa b");
  EXPECT_EQ(Calls()[0].font, "Courier New");
  EXPECT_EQ(Calls()[2].font, "Arial");
}

TEST_F(Markup, ColoursAndStylesChangeWithTheCodesAndAreRestoredAtTheEnd) {
  target_ = std::make_unique<RecordingTarget>();
  T().SetForeColor(platform::RGBColor(64, 64, 96));
  T().SetFontBold(true);
  QString plain;
  ASSERT_TRUE(ImprimirHTFC("&FC=red:a&FC= 0;128;255 :b&-B&+Ic&FS=14:d", T(), plain));
  EXPECT_EQ(plain, "abcd");
  EXPECT_EQ(Calls()[0].color, 255);
  EXPECT_EQ(Calls()[1].color, 16744448);
  EXPECT_FALSE(Calls()[2].bold);
  EXPECT_TRUE(Calls()[2].italic);
  EXPECT_EQ(T().ForeColor(), platform::RGBColor(64, 64, 96));
  EXPECT_TRUE(T().FontBold());
  EXPECT_FALSE(T().FontItalic());
  EXPECT_DOUBLE_EQ(T().FontSize(), 9.75);
  EXPECT_EQ(T().FontName(), "Arial");
}

TEST_F(Markup, ThePrinterRaisesSymbolsAndTakesSizesAsPoints) {
  Render("a&alfa&FS=10:b", true);
  ASSERT_EQ(Calls().size(), 3u);
  EXPECT_DOUBLE_EQ(Calls()[1].y, y0 - 15);
  EXPECT_DOUBLE_EQ(Calls()[0].y, y0);
  EXPECT_NEAR(Calls()[2].size, 83 * 2.4 / 20, 1e-9);  // 10 points in whole 600-dpi pixels
  Render("a&alfa&FS=10:b", false);
  EXPECT_DOUBLE_EQ(Calls()[1].y, y0);
  EXPECT_DOUBLE_EQ(Calls()[2].size, 9.75);
}

TEST_F(Markup, ACodeWithoutItsColonStopsDrawingAndLeavesTheFontChanged) {
  target_ = std::make_unique<RecordingTarget>();
  QString plain = "stale text of an earlier call";
  EXPECT_FALSE(ImprimirHTFC("ab&+I&FS=14:c&FN=Courier New:d&FS=12", T(), plain));
  EXPECT_EQ(plain, "abcd");
  EXPECT_EQ(Calls().size(), 4u);
  EXPECT_TRUE(T().FontItalic());
  EXPECT_DOUBLE_EQ(T().FontSize(), 14.25);
  EXPECT_EQ(T().FontName(), "Courier New");

  for (const char* s : {"x&FN=Arial", "x&FC=red", "x&FS"}) {
    RecordingTarget t;
    QString p;
    EXPECT_FALSE(ImprimirHTFC(s, t, p)) << s;
    EXPECT_EQ(p, "x") << s;
  }
}

TEST_F(Markup, BadSizeCodesAreIgnored) {
  const double ascent0 = RecordingTarget().FontAscent();
  for (const char* s :
       {"&FS=0:a", "&FS=-3:a", "&FS=2161:a", "&FS=abc:a", "&FS=1e999:a", "&FS:a", "&FS=:a"}) {
    EXPECT_EQ(Render(s), "a") << s;
    ASSERT_EQ(Calls().size(), 1u) << s;
    EXPECT_DOUBLE_EQ(Calls()[0].size, 9.75) << s;
    EXPECT_DOUBLE_EQ(Calls()[0].y, y0) << s;
    EXPECT_DOUBLE_EQ(Calls()[0].ascent, ascent0) << s;
  }
  EXPECT_EQ(Render("&FS= 1 2 :a"), "a");  // blanks inside the number are skipped
  EXPECT_DOUBLE_EQ(Calls()[0].size, 12);
}

TEST_F(Markup, AnEmptySymbolTableNeitherHangsNorDrawsSymbols) {
  for (QString& s : HTFC_Codigo) s.clear();
  EXPECT_EQ(Render("&alfa"), "alfa");
  IniciarSimbolosHTFC();
  EXPECT_EQ(Render("&alfa"), "a");
}
