// A sheet of mark-up samples drawn on a picture and on a 600-dpi printer page,
// saved as PNG files beside the test program for a person to look at.
#include <gtest/gtest.h>

#include <QImage>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/Program.h"

using namespace Mini_HTFC_rut;

namespace {

// Mark-up source in UTF-8; the number samples are added from the formatter.
const char* const kSamples[] = {
    "&alfa &beta &gamma &delta &epsilon &zeta &eta &teta &iota &kappa &lambda",
    "&mu &nu &xi &pi &ro &sigma &tau &ypsilon &fi &ji &psi &omega &theta",
    "&Gamma &Delta &Teta &Lambda &Xi &Pi &Sigma &Ypsilon &Fi &Psi &Omega",
    "&als &aus &ars &ads &alrs   &ald &aud &ard &add &alrd",
    "a &divi b &!= c &iorden d &aprox e &<= f &>= g &pm h &mp i &aspa j",
    "&vacio &perte &noperte &union &inter &and &or &todo &exist &real",
    "&itg f dx,  &parci F / &parci x,  &nabla,  &perpen,  &oo,  &hbar",
    "&TRE &DIA &COR &PIC   &pix &Pix   &Eta",
    "&+IM&-I_m_a_x = &+Iw L&-I^2 / 8",
    "&+I&sigma&-I = &+IM y&-I / &+II&-I",
    "&+IEI&-I = 2&.1&E5 N\xC2\xB7mm^2",
    "&+IY&-I_A = -1&.234&E-3 m (&ads)",
    "&+I&Theta&-I_B = 4&.5&E-4 rad (/)",
    "&+IR&-I_a = 1&.25&E4 N (&aus)    &+IM&-I_C = 3&.1 kN\xC2\xB7m ( &union )",
    "&+Iy&-I(&+Ix&-I) = &+IP x&-I^3 / (6 &+IEI&-I)",
    "x_1 + x_2 = x_3,  x__y,  a^^b,  end_",
    "&FS=8:size 8 &FS=12:size 12 &FS=16:size 16 &FS=20:size 20",
    "&FS=10:x&FS=24:X&FS=10:x  (one baseline)",
    "&FN=Courier New:Courier &FN=Times New Roman:Times &FN=Arial:Arial",
    "&FC=red:red &FC=GREEN:green &FC=azul:blue &FC=VIOLETA:violeta",
    "&FC=0;128;255:0;128;255 &FC=orange:orange &FC=300;-20;1e9:clamped",
    "&+Bbold&-B, &+Iitalic&-I, &+B&+Ibold italic&-I&-B, 0123(4)",
    "1&.5&E-3,  6&.022&E+23,  1&E-12,  &E alone",
    "&&, #, &xyz, &LF, &SP=4:",
    "&FS=14:&+I&Delta&-I&FS=10:L = 5&.0 mm",
    "Stops at a size code without colon: &FS=12 never drawn",
};

const double kNumbers[] = {-0.0042, 123456, 0.0125, 999999, 1200, 200000};

QString NumberSample() {
  QString s;
  for (double x : kNumbers) {
    if (!s.isEmpty()) s += ",  ";
    s += QString::fromStdString(FormatoNumeroHTFC(x, 4));
  }
  return s;
}

// Draws the sheet on any target: the source in small Courier New on the
// left, its rendering on the right. Returns the number of incomplete renders.
int DrawSheet(platform::DrawTarget& t, const QString& heading) {
  t.SetForeColor(0);
  t.SetFontName("Arial");
  t.SetFontSize(10);
  const double row = 1.7 * t.TextHeight("Hp");
  t.SetFontBold(true);
  t.SetCurrentX(300);
  t.SetCurrentY(200);
  t.Print(heading);
  t.SetFontBold(false);
  t.SetDrawWidth(1);
  t.Line(300, 200 + row, 13000, 200 + row, platform::RGBColor(196, 196, 196));

  QStringList samples;
  for (const char* s : kSamples) samples << QString::fromUtf8(s);
  samples << NumberSample();
  int incomplete = 0;
  double y = 200 + 1.3 * row;
  for (const QString& s : samples) {
    t.SetFontName("Courier New");
    t.SetFontSize(7);
    t.SetForeColor(platform::RGBColor(96, 96, 96));
    t.SetCurrentX(300);
    t.SetCurrentY(y + 40);
    t.Print(s);
    t.SetFontName("Arial");
    t.SetFontSize(10);
    t.SetForeColor(platform::RGBColor(0, 0, 0));
    t.SetCurrentX(6400);
    t.SetCurrentY(y);
    QString plain;
    if (!ImprimirHTFC(s, t, plain)) ++incomplete;
    y += row;
  }
  return incomplete;
}

int CountRed(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) ++n;
    }
  return n;
}

}  // namespace

TEST(MarkupSheet, SamplesOnAPictureAndOnA600DpiPrinterPage) {
  IniciarSimbolosHTFC();
  const QString folder = platform::ProgramFolder();

  platform::PictureTarget picture(900, 880);
  EXPECT_EQ(DrawSheet(picture, "Mark-up samples on a picture (15 twips per pixel)"), 1);
  const QString picturePath = folder + "/markup_sheet_picture.png";
  ASSERT_TRUE(picture.Image().save(picturePath));
  EXPECT_GT(CountRed(picture.Image()), 20);

  // 8.5 x 8.5 inches at 600 dpi.
  QImage page(5100, 5100, QImage::Format_RGB32);
  page.setDotsPerMeterX(23622);
  page.setDotsPerMeterY(23622);
  page.fill(Qt::white);
  {
    platform::PrinterTarget printer(&page);
    EXPECT_EQ(
        DrawSheet(printer, "Mark-up samples on a printer page (600 dpi, 2.4 twips per pixel)"), 1);
    printer.EndDoc();
  }
  const QString printerPath = folder + "/markup_sheet_printer600.png";
  ASSERT_TRUE(page.save(printerPath));
  EXPECT_GT(CountRed(page), 20 * 25);
  std::printf("Sheets: %s\n        %s\n", qPrintable(picturePath), qPrintable(printerPath));
}
