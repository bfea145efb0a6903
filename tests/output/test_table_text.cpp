// The table drawing and its text copy on pictures and on a printer page.
#include <QImage>

#include "TableTestSupport.h"
#include "output/TableDrawing.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"

using output_test::OutputTest;

namespace {
QStringList Lines(const QString& text) {
  QStringList lines = text.split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.back(), QString()) << "every line ends with CR LF";
  lines.removeLast();
  return lines;
}

void SetArial(platform::DrawTarget& t, double points) {
  t.SetFontName("Arial");
  t.SetFontSize(points);
}

class TableTextTest : public OutputTest {
 protected:
  QString DrawOnPictures(int tableHeightPixels) {
    platform::PictureTarget cab(796, 81), tab(796, tableHeightPixels);
    SetArial(cab, platform::DesignFontSize(10));
    SetArial(tab, platform::DesignFontSize(10));
    QString text;
    DrawTableHeader(cab, text);
    DrawTableRows(tab, text);
    return text;
  }
  double RowHeightPixels() {
    platform::PictureTarget t(10, 10);
    SetArial(t, platform::DesignFontSize(10));
    return t.TextHeight("VX") / 15.0;
  }
};
}  // namespace

TEST_F(TableTextTest, FullTableHasTitlesRulesFixedFieldsAndClosingRule) {
  TituloCaso2.clear();
  TituloEjeY = "Deflection of the beam y (mm)";  // longer than a field
  PuntosX[2] = 123456.0;                         // power-of-ten form
  const QStringList lines = Lines(DrawOnPictures(1044));
  ASSERT_EQ(lines.size(), 71);
  EXPECT_EQ(lines[0], "Simply supported beam");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Deflection");
  // The value column widens to its title, which is never cut.
  const QString rule(12 + 29, u'=');
  EXPECT_EQ(lines[3], rule);
  EXPECT_EQ(lines[4], "x (m)       Deflection of the beam y (mm)");
  EXPECT_EQ(lines[5], rule);
  for (int i = 6; i < 70; ++i) EXPECT_EQ(lines[i].size(), 12 + 29) << i;
  EXPECT_EQ(lines[6], "0           0" + QString(28, u' '));
  EXPECT_EQ(lines[7].left(12).trimmed(), "1.235E5");
  // A minus is the hyphen-minus a reader and a number parser expect.
  EXPECT_EQ(lines[69], "4           -12.5" + QString(24, u' '));
  EXPECT_EQ(lines[70], rule);
}

TEST_F(TableTextTest, FieldWidthFollowsSignificantDigits) {
  Vigas::NumDigitos = 12;
  const QStringList lines = Lines(DrawOnPictures(1044));
  ASSERT_EQ(lines.size(), 71);
  EXPECT_EQ(lines[3], QString(40, u'='));
  EXPECT_EQ(lines[4], "x (m)               y (mm)              ");
  EXPECT_EQ(CampoTabla("abc", 5), "abc  ");
  EXPECT_EQ(CampoTabla("abcdefg", 5), "abcde");
  // A damaged setting cannot make absurd columns.
  Vigas::NumDigitos = 1e9;
  EXPECT_EQ(AnchoCampoTabla(), 23);
  Vigas::NumDigitos = -3;
  EXPECT_EQ(AnchoCampoTabla(), 9);
}

TEST_F(TableTextTest, ShortPictureEndsAtLastRowThatFitsWithoutClosingRule) {
  const double hT = RowHeightPixels();
  // 64 rows fit exactly: all rows and the closing rule.
  EXPECT_EQ(Lines(DrawOnPictures(static_cast<int>(64 * hT))).size(), 71);
  // 63.5 rows: row 64 is cut, and with it the closing rule.
  const QStringList lines = Lines(DrawOnPictures(static_cast<int>(63.5 * hT)));
  ASSERT_EQ(lines.size(), 69);
  EXPECT_NE(lines.back(), QString(24, u'='));
}

TEST_F(TableTextTest, PrinterPageStartsRowsBelowHeaderAndCutsWhatPassesThePage) {
  QImage page(1240, 1754, QImage::Format_RGB32);  // A4 at 150 dpi
  page.fill(Qt::white);
  {
    platform::PrinterTarget printer(&page);
    SetArial(printer, 9.75);
    QString text;
    DrawTableHeader(printer, text);
    DrawTableRows(printer, text);
    EXPECT_EQ(Lines(text).size(), 71);
    EXPECT_EQ(printer.DrawWidth(), 6);
    printer.EndDoc();
  }
  ASSERT_TRUE(page.save(qt_test::BuildFolder() + "/table_printed_page.png"));
  // Row 1 is printed about 21.5 mm below the top: nothing but the header
  // above 15 mm, numbers between 21.5 and 26 mm.
  const auto inkBetween = [&](double mmTop, double mmBottom) {
    for (int y = static_cast<int>(mmTop * 150 / 25.4); y < mmBottom * 150 / 25.4; ++y)
      for (int x = 20; x < 300; ++x)
        if (qGray(page.pixel(x, y)) < 128) return true;
    return false;
  };
  EXPECT_TRUE(inkBetween(21.5, 25.5));

  QImage small(1240, 1754, QImage::Format_RGB32);
  platform::PrinterTarget big(&small);
  SetArial(big, 40);
  QString text;
  DrawTableHeader(big, text);
  DrawTableRows(big, text);
  const double hT = big.TextHeight("VX");
  const int rows = static_cast<int>((big.ScaleHeight() - 1440 * 21.5 / 25.4) / hT);
  ASSERT_LT(rows, 64);
  const QStringList lines = Lines(text);
  EXPECT_EQ(lines.size(), 6 + rows);
  EXPECT_NE(lines.back(), QString(24, u'='));
}
