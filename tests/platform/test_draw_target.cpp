#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/Program.h"
#include "platform/TextFile.h"

using namespace platform;

namespace {
// Bounding box of the pixels that differ from white.
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

QImage Page600(int w, int h) {
  QImage page(w, h, QImage::Format_RGB32);
  page.setDotsPerMeterX(23622);  // 600 dpi
  page.setDotsPerMeterY(23622);
  page.fill(Qt::white);
  return page;
}
}  // namespace

TEST(Fonts, WindowsNamesMapToInstalledFontsWithTheSameMetrics) {
  EXPECT_EQ(MapFontFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(MapFontFamily("arial"), "Liberation Sans");
  EXPECT_EQ(MapFontFamily("Courier New"), "Liberation Mono");
  EXPECT_EQ(MapFontFamily("Times New Roman"), "Liberation Serif");
  EXPECT_FALSE(MapFontFamily("Symbol").isEmpty());
  EXPECT_FALSE(MapFontFamily(DialogFontName()).isEmpty());
  EXPECT_EQ(MapFontFamily("DejaVu Sans"), "DejaVu Sans");  // installed: stands for itself
  EXPECT_EQ(MapFontFamily("No Such Font 123"), "");
  EXPECT_EQ(MapFontFamily(""), "");
  EXPECT_EQ(CanonicalFontName("courier new"), "Courier New");

  // The realised fonts are really there, not a fallback.
  EXPECT_EQ(QFontInfo(WidgetFont("Arial", 10)).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(WidgetFont("Courier New", 10)).family(), "Liberation Mono");
  // Design size 10 points keeps the 13 pixels it had on a 96-dpi screen.
  EXPECT_EQ(WidgetFont("Arial", 10).pixelSize(), 13);
  EXPECT_EQ(WidgetFont("Arial", 8, true).pixelSize(), 11);
  EXPECT_TRUE(WidgetFont("Arial", 8, true).bold());
  EXPECT_DOUBLE_EQ(DesignFontSize(10), 10);
}

TEST(Fonts, SymbolFontTextShowsItsUnicodeEquivalents) {
  const auto sym = [](int code) {
    return SymbolFontToUnicode("Symbol", QString(QChar(static_cast<char16_t>(code))));
  };
  EXPECT_EQ(sym('a'), QString(QChar(0x03B1)));
  EXPECT_EQ(sym('W'), QString(QChar(0x03A9)));
  EXPECT_EQ(sym('j'), QString(QChar(0x03D5)));
  EXPECT_EQ(sym(165), QString(QChar(0x221E)));
  EXPECT_EQ(sym(198), QString(QChar(0x2205)));
  EXPECT_EQ(sym(175), QString(QChar(0x2193)));
  EXPECT_EQ(sym(222), QString(QChar(0x21D2)));
  EXPECT_EQ(sym(242), QString(QChar(0x222B)));
  EXPECT_EQ(sym('1'), "1");  // digits and brackets are themselves
  EXPECT_EQ(SymbolFontToUnicode("MT Extra", "UImh"), QString::fromUtf8("\u222A\u2229\u2213\u210F"));
  EXPECT_EQ(SymbolFontToUnicode("Arial", "a"), "a");
}

TEST(DrawTargetFont, SizesReadBackInWholeDevicePixelsAndBadValuesAreIgnored) {
  PictureTarget pic(50, 50);
  pic.SetFontName("Arial");
  pic.SetFontSize(10);
  EXPECT_DOUBLE_EQ(pic.FontSize(), 9.75);  // 13 pixels of 15 twips
  pic.SetFontSize(12);
  EXPECT_DOUBLE_EQ(pic.FontSize(), 12);
  for (double bad : {0.0, -3.0, 2160.5, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
    pic.SetFontSize(bad);
    EXPECT_DOUBLE_EQ(pic.FontSize(), 12) << bad;
  }
  pic.SetFontSize(2160);
  EXPECT_NEAR(pic.FontSize(), 2160, 0.75);

  QImage page = Page600(100, 100);
  PrinterTarget printer(&page);
  EXPECT_TRUE(printer.IsPrinter());
  EXPECT_DOUBLE_EQ(printer.TwipsPerPixelY(), 2.4);
  printer.SetFontSize(10);
  EXPECT_NEAR(printer.FontSize(), 83 * 2.4 / 20, 1e-12);  // 83 pixels at 600 dpi

  // Unknown and empty names are ignored; known ones read back in their usual form.
  pic.SetFontName("courier new");
  EXPECT_EQ(pic.FontName(), "Courier New");
  pic.SetFontName("No Such Font 123");
  pic.SetFontName("");
  EXPECT_EQ(pic.FontName(), "Courier New");
  EXPECT_EQ(QFontInfo(pic.RealFont()).family(), "Liberation Mono");
}

TEST(DrawTargetText, PrintDrawsFromTheTopLeftAndAdvancesByTheMeasuredWidth) {
  PictureTarget pic(300, 60);
  EXPECT_DOUBLE_EQ(pic.ScaleWidth(), 4500);
  EXPECT_DOUBLE_EQ(pic.ScaleHeight(), 900);
  pic.SetFontName("Arial");
  pic.SetFontSize(12);
  const double w = pic.TextWidth("Hxy");
  const double h = pic.TextHeight("Hxy");
  const double ascent = pic.FontAscent();
  EXPECT_GT(w, 0);
  EXPECT_EQ(std::fmod(h, 15.0), 0.0);  // lines are whole pixels high
  EXPECT_GT(h, ascent);
  EXPECT_DOUBLE_EQ(pic.TextHeight("a\r\nb"), 2 * h);
  EXPECT_DOUBLE_EQ(pic.TextWidth("Hxy\r\nH"), w);

  pic.SetCurrentX(150);
  pic.SetCurrentY(300);
  pic.Print("Hxy");
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 150 + w);
  EXPECT_DOUBLE_EQ(pic.CurrentY(), 300);
  const QRect ink = Ink(pic.Image());
  ASSERT_FALSE(ink.isEmpty());
  // The capital's top lies near the ascent below the text top; the ink stays
  // within the measured box.
  EXPECT_GE(ink.left(), 10 - 1);
  EXPECT_LE(ink.right(), 10 + w / 15 + 1);
  EXPECT_GE(ink.top(), 20);
  EXPECT_LE(ink.top(), 20 + ascent / 15 * 0.4);
  EXPECT_LE(ink.bottom(), 20 + h / 15);

  // The measuring picture measures alike and draws nothing.
  MeasureTarget measure;
  measure.SetFontName("Arial");
  measure.SetFontSize(12);
  measure.Print("Hxy");
  EXPECT_DOUBLE_EQ(measure.CurrentX(), w);
  EXPECT_DOUBLE_EQ(measure.FontAscent(), ascent);
}

// Ink columns of a picture: for each column, whether any pixel differs from
// white.
std::vector<bool> InkColumns(const QImage& image) {
  std::vector<bool> inked(image.width(), false);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) inked[x] = true;
  return inked;
}

// Separate runs of inked columns: glyphs that touch or overlap make one.
int InkRuns(const QImage& image) {
  int runs = 0;
  bool before = false;
  for (bool inked : InkColumns(image)) {
    if (inked && !before) ++runs;
    before = inked;
  }
  return runs;
}

TEST(DrawTargetText, CharactersPrintedOneAtATimeLandWhereTheWholeTextWould) {
  // Mark-up is drawn a character at a time: each must start where the
  // font's own layout of the text puts it, on a picture, on the measuring
  // picture and on a 600-dpi printer page, or long numbers drift and crowd.
  QImage page = Page600(2000, 200);
  PictureTarget pic(600, 40);
  MeasureTarget measure;
  PrinterTarget printer(&page);
  const QString text = "30000 -1234567.890 HTFC";
  for (DrawTarget* t : std::initializer_list<DrawTarget*>{&pic, &measure, &printer}) {
    for (double size : {8.0, 10.0, 14.0}) {
      t->SetFontName("Arial");
      t->SetFontSize(size);
      const QImage device = [&] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dpm = t->IsPrinter() ? 23622 : 3780;
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
      }();
      const QFontMetricsF fm(t->RealFont(), &device);
      const double x0 = 150;
      t->SetCurrentX(x0);
      for (int k = 0; k < text.size(); ++k) {
        const double expected = x0 + fm.horizontalAdvance(text.left(k)) * t->TwipsPerPixelX();
        ASSERT_NEAR(t->CurrentX(), expected, 1e-6) << size << " " << t->IsPrinter() << " " << k;
        t->Print(text.mid(k, 1));
      }
      EXPECT_NEAR(t->CurrentX() - x0, t->TextWidth(text), 1e-6);
    }
  }
  printer.EndDoc();
}

TEST(DrawTargetText, DigitsDrawnOneAtATimeOnAPictureStayApart) {
  // "30000" in the sizes of the graphs, tables and report pictures: five
  // separate shapes, not a smear of touching zeros.
  for (double size : {10.0, 11.0, 12.0, 14.0}) {
    PictureTarget pic(200, 40);
    pic.SetFontName("Arial");
    pic.SetFontSize(DesignFontSize(size));
    pic.SetCurrentX(150);
    pic.SetCurrentY(75);
    for (QChar c : QString("30000")) pic.Print(c);
    EXPECT_EQ(InkRuns(pic.Image()), 5) << size;
  }
}

TEST(DrawTargetText, SymbolFontTextIsDrawnAsItsGlyphs) {
  PictureTarget pic(100, 40);
  pic.SetFontName("Symbol");
  pic.SetFontSize(20);
  const QFontMetricsF fm(pic.RealFont());
  EXPECT_TRUE(fm.inFont(QChar(0x03B1)));
  EXPECT_TRUE(fm.inFont(QChar(0x222B)));
  EXPECT_TRUE(fm.inFontUcs4(0x222A));
  // Width of the glyph shown, not of the letter in the encoding.
  pic.SetFontName("Symbol");
  const double alpha = pic.TextWidth("a");
  EXPECT_DOUBLE_EQ(alpha, fm.horizontalAdvance(QChar(0x03B1)) * 15);
  pic.Print(QString(QChar(0xA5)));  // infinity
  EXPECT_FALSE(Ink(pic.Image()).isEmpty());
}

TEST(DrawTargetLines, LinesUseColourAndWidthAndMoveTheCurrentPosition) {
  PictureTarget pic(100, 100);
  pic.SetDrawWidth(2.6);
  EXPECT_EQ(pic.DrawWidth(), 3);
  pic.SetDrawWidth(0.2);
  EXPECT_EQ(pic.DrawWidth(), 1);
  pic.SetDrawWidth(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(pic.DrawWidth(), 1);
  pic.SetDrawWidth(3);
  pic.Line(150, 750, 1350, 750, RGBColor(200, 0, 0));
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 1350);
  EXPECT_DOUBLE_EQ(pic.CurrentY(), 750);
  const QRect ink = Ink(pic.Image());
  EXPECT_EQ(ink.height(), 3);
  EXPECT_NEAR(ink.center().y(), 50, 1);
  EXPECT_NEAR(ink.left(), 10, 2);
  EXPECT_NEAR(ink.right(), 90, 2);
  EXPECT_GT(CountColour(pic.Image(), qRgb(200, 0, 0)), 200);

  pic.SetForeColor(RGBColor(0, 64, 128));
  pic.SetDrawWidth(1);
  pic.Line(300, 0, 300, 1500);
  EXPECT_GT(CountColour(pic.Image(), qRgb(0, 64, 128)), 90);
  // Absurd coordinates draw nothing and do not fail.
  pic.Line(0, 0, 1e300, std::numeric_limits<double>::quiet_NaN());

  EXPECT_EQ(RGBColor(300, -4, 128), 255 + 128 * 65536);
  EXPECT_EQ(ToQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
}

TEST(PictureTargetImage, ClearResizeAndBackColourKeepThePersistentImageRight) {
  PictureTarget pic(40, 30, RGBColor(240, 244, 255));
  int changes = 0;
  pic.SetChangedHandler([&] { ++changes; });
  EXPECT_EQ(pic.Image().pixel(0, 0), qRgb(240, 244, 255));
  pic.SetBackColor(0xFFFFFF);
  pic.SetDrawWidth(1);
  pic.Line(0, 0, 150, 0, 0);
  EXPECT_GT(changes, 0);
  pic.Resize(80, 10);
  EXPECT_EQ(pic.WidthPixels(), 80);
  EXPECT_DOUBLE_EQ(pic.ScaleHeight(), 150);
  EXPECT_EQ(pic.Image().pixel(5, 0) & 0xFFFFFF, 0u);  // kept
  EXPECT_EQ(pic.Image().pixel(70, 5), qRgb(255, 255, 255));
  pic.SetCurrentX(99);
  pic.Cls();
  EXPECT_TRUE(Ink(pic.Image()).isEmpty());
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 0);
  pic.Resize(0, -5);  // never below one pixel
  EXPECT_EQ(pic.WidthPixels(), 1);
}

// On a scaled screen a picture is shown from a finer copy; what is saved,
// copied and printed stays the picture drawn at one pixel per unit.
TEST(PictureTargetImage, TheSharpCopyForScaledScreensLeavesThePictureAsItWas) {
  PictureTarget plain(60, 20), sharp(60, 20);
  sharp.SetSharpRatio(2);
  for (PictureTarget* t : {&plain, &sharp}) {
    t->SetFontName("Arial");
    t->SetFontSize(10);
    t->SetCurrentX(30);
    t->Print("x = 1.5");
    t->Line(0, 270, 900, 270, 0);
    t->Resize(70, 25);
  }
  EXPECT_TRUE(sharp.Image() == plain.Image());
  EXPECT_EQ(sharp.ShownImage().size(), QSize(140, 50));
  EXPECT_DOUBLE_EQ(sharp.ShownImage().devicePixelRatio(), 2);
  // The same drawing in the same place, in twice as many pixels.
  const QRect fine = Ink(sharp.ShownImage()), coarse = Ink(plain.Image());
  EXPECT_LE((fine.topLeft() - 2 * coarse.topLeft()).manhattanLength(), 3);
  EXPECT_LE((fine.bottomRight() - 2 * coarse.bottomRight()).manhattanLength(), 4);
  sharp.Cls();
  EXPECT_TRUE(Ink(sharp.ShownImage()).isEmpty());
}

TEST(PrinterTargetJob, PdfPrinterGetsPagesAtItsOwnResolution) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("out.pdf"));
  printer.setResolution(600);
  PrinterTarget target(&printer);
  EXPECT_DOUBLE_EQ(target.TwipsPerPixelX(), 2.4);
  target.SetOrientation(PrinterTarget::Orientation::Landscape);
  EXPECT_EQ(target.GetOrientation(), PrinterTarget::Orientation::Landscape);
  EXPECT_GT(target.ScaleWidth(), target.ScaleHeight());
  // A4 or Letter landscape, less the margins: between 9 and 11.7 inches wide.
  EXPECT_GT(target.ScaleWidth(), 9 * 1440);
  EXPECT_LT(target.ScaleWidth(), 11.7 * 1440);

  EXPECT_FALSE(target.Printing());
  target.SetFontName("Arial");
  target.SetFontSize(10);
  target.SetCurrentX(1440);
  target.SetCurrentY(1440);
  target.Print("Page one");
  EXPECT_TRUE(target.Printing());
  target.SetDrawWidth(0.3 / 25.4 * 1440 / 2.4);
  EXPECT_EQ(target.DrawWidth(), 7);
  target.Line(0, 0, 2880, 2880);
  target.NewPage();
  EXPECT_DOUBLE_EQ(target.CurrentX(), 0);
  target.Print("Page two");
  target.EndDoc();
  EXPECT_FALSE(target.Printing());

  QFile pdf(dir.filePath("out.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray data = pdf.readAll();
  EXPECT_TRUE(data.startsWith("%PDF"));
  EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page "),
            2);
}

TEST(ProgramPlace, ProgramFolderIsTheExecutablesFolder) {
  const QString exe = QFileInfo("/proc/self/exe").canonicalFilePath();
  EXPECT_EQ(ProgramFolder(), QFileInfo(exe).absolutePath());
  EXPECT_FALSE(ProgramFolder().endsWith('/'));
}

TEST(BusyPointer, GuardRestoresThePointerHoweverTheScopeEnds) {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    BusyCursor outer;
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      BusyCursor inner;
      inner.Release();
      inner.Release();
      EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  try {
    BusyCursor busy;
    throw std::runtime_error("failed step");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(PictureBoxWidget, ShowsThePersistentPictureAndFollowsTheWidgetsSize) {
  PictureBox box;
  box.resize(120, 80);
  EXPECT_EQ(box.Target().WidthPixels(), 120);
  EXPECT_EQ(box.Target().HeightPixels(), 80);
  box.Target().SetDrawWidth(4);
  box.Target().Line(0, 600, 1800, 600, RGBColor(200, 0, 0));
  const QImage shown = box.grab().toImage();
  EXPECT_EQ(shown.pixel(60, 40) & 0xFFFFFF, qRgb(200, 0, 0) & 0xFFFFFF);
  EXPECT_EQ(shown.pixel(60, 10) & 0xFFFFFF, 0xFFFFFFu);
  box.resize(200, 100);
  EXPECT_EQ(box.Target().Image().pixel(60, 40) & 0xFFFFFF, qRgb(200, 0, 0) & 0xFFFFFF);
  EXPECT_DOUBLE_EQ(box.Target().ScaleWidth(), 3000);
}
