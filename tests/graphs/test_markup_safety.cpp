// Mark-up comes from language and formula files: no text may make the
// renderer fail, read past the end or leave the target in a bad state.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"

using namespace Mini_HTFC_rut;

namespace {

const char* const kPieces[] = {"&",
                               "&",
                               "&",
                               "_",
                               "^",
                               ":",
                               ";",
                               "=",
                               "-",
                               "+",
                               " ",
                               "F",
                               "S",
                               "N",
                               "C",
                               "E",
                               "I",
                               "B",
                               "&+I",
                               "&-I",
                               "&+B",
                               "&-B",
                               "&FS=",
                               "&FN=",
                               "&FC=",
                               "&FS",
                               "&E",
                               "&E-",
                               "&E+",
                               "&&",
                               "0",
                               "7",
                               "12",
                               ".",
                               "a",
                               "x",
                               "Hp",
                               "&alfa",
                               "&vac",
                               "&vacio",
                               "&Eta",
                               "&pi",
                               "&union",
                               "&hbar",
                               "&oo",
                               "Courier New",
                               "Arial",
                               "Symbol",
                               "MT Extra",
                               "No Such Font",
                               "red",
                               "0;128;255",
                               "300;-1;1e9",
                               "1e999",
                               "-5",
                               "2161",
                               "0",
                               "1e-300",
                               "nan",
                               "inf",
                               "\xF0\x9F\x98\x80",
                               "\xC2\xB7",
                               "\xE2\x80\x93",
                               "\t",
                               "\r\n",
                               "#SEG(",
                               "&LF",
                               "&SP=4:"};

QString RandomMarkup(std::mt19937& rng) {
  std::uniform_int_distribution<int> count(0, 14);
  std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
  QString s;
  for (int n = count(rng); n > 0; --n) s += QString::fromUtf8(kPieces[pick(rng)]);
  // Now and then a lone surrogate or a NUL.
  std::uniform_int_distribution<int> odd(0, 40);
  if (odd(rng) == 0) s += QChar(0xD800);
  if (odd(rng) == 0) s.insert(0, QChar(0));
  return s;
}

struct Entry {
  QString name;
  double size;
  bool italic, bold;
  platform::ColorValue color;
};

Entry EntryOf(const platform::DrawTarget& t) {
  return {t.FontName(), t.FontSize(), t.FontItalic(), t.FontBold(), t.ForeColor()};
}

void RenderChecked(const QString& markup, platform::DrawTarget& target) {
  target.SetFontName("Arial");
  target.SetFontSize(10);
  target.SetFontItalic(false);
  target.SetFontBold(false);
  target.SetForeColor(0);
  target.SetCurrentX(100);
  target.SetCurrentY(100);
  const Entry before = EntryOf(target);
  QString plain = "stale";
  const bool complete = ImprimirHTFC(markup, target, plain);
  const std::string what = markup.toStdString();
  ASSERT_LE(plain.size(), markup.size()) << what;
  ASSERT_TRUE(std::isfinite(target.CurrentX())) << what;
  ASSERT_TRUE(std::isfinite(target.CurrentY())) << what;
  ASSERT_GE(target.CurrentX(), 100) << what;
  if (complete) {
    const Entry after = EntryOf(target);
    ASSERT_EQ(after.name, before.name) << what;
    ASSERT_EQ(after.size, before.size) << what;
    ASSERT_EQ(after.italic, before.italic) << what;
    ASSERT_EQ(after.bold, before.bold) << what;
    ASSERT_EQ(after.color, before.color) << what;
  } else {
    ASSERT_TRUE(markup.contains("&F")) << what;
  }
}

}  // namespace

TEST(MarkupSafety, ThousandsOfRandomTextsOnEveryKindOfTarget) {
  IniciarSimbolosHTFC();
  std::mt19937 rng(20240611);
  platform::MeasureTarget measure;
  for (int i = 0; i < 4000; ++i) {
    RenderChecked(RandomMarkup(rng), measure);
    if (HasFatalFailure()) return;
  }
  platform::PictureTarget picture(120, 40);
  QImage page(300, 100, QImage::Format_RGB32);
  page.setDotsPerMeterX(23622);
  page.setDotsPerMeterY(23622);
  platform::PrinterTarget printer(&page);
  for (int i = 0; i < 600; ++i) {
    const QString s = RandomMarkup(rng);
    RenderChecked(s, picture);
    RenderChecked(s, printer);
    if (HasFatalFailure()) return;
  }
}

TEST(MarkupSafety, EveryPrefixOfRealMarkupIsSafe) {
  IniciarSimbolosHTFC();
  const char* const texts[] = {
      "&+IM&-I_max = &+Iw L&-I^2 / 8 &FS=12:&FN=Courier New:&FC=0;128;255:x",
      "1&.5&E-3 &alfa&&b x__2 y^^3 &Eta &pix &vacio &union&inter&mp&hbar",
      "&FS=8:a&FS:b&FS=:c&FN=:d&FC=:e&E+&E-&E"};
  platform::MeasureTarget target;
  for (const char* t : texts) {
    const QString full = QString::fromUtf8(t);
    for (int n = 0; n <= full.size(); ++n) {
      RenderChecked(full.left(n), target);
      RenderChecked(full.mid(n), target);
      if (HasFatalFailure()) return;
    }
  }
}
