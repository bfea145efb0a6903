// The pictures the main window draws itself: sizes, states, and that every
// quantity symbol fits its picture.
#include <QImage>
#include <QPainter>

#include "MainwinTestSupport.h"
#include "mainwin/Artwork.h"
#include "mainwin/FormMain.h"

using mainwin_test::MainwinTest;

namespace {

using ArtworkTest = MainwinTest;

// Columns and rows that hold ink (differ from the top-left background pixel).
QRect InkBounds(const QImage& img) {
  const QRgb back = img.pixel(0, 0);
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != back) r |= QRect(x, y, 1, 1);
  return r;
}

TEST_F(ArtworkTest, PicturesHaveTheirSizesAndDistinctStates) {
  FormMain f;
  EXPECT_EQ(f.ImgMENU_ON->Picture().size(), QSize(166, 31));
  EXPECT_EQ(f.ImgMENU_OFF->Picture().size(), QSize(166, 31));
  EXPECT_NE(f.ImgMENU_ON->Picture().toImage(), f.ImgMENU_OFF->Picture().toImage());
  EXPECT_EQ(f.ImgWARE[0]->Picture().size(), QSize(120, 34));
  EXPECT_EQ(f.ImgWARE[1]->Picture().size(), QSize(120, 34));
  EXPECT_NE(f.ImgWARE[0]->Picture().toImage(), f.ImgWARE[1]->Picture().toImage());
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(f.ImgSLD[i]->Width(), 15);
    EXPECT_EQ(f.ImgSLD[i]->Height(), 14);
  }
  const int widths[28] = {43, 27, 25, 25, 24, 28, 31, 33, 34, 27, 41, 43, 42, 25,
                          26, 54, 26, 32, 32, 37, 64, 28, 34, 36, 35, 34, 41, 43};
  for (int k = 0; k < 28; ++k) {
    SCOPED_TRACE(k);
    const QImage img = f.ImgBOX[k]->Picture().toImage();
    ASSERT_EQ(img.size(), QSize(widths[k], 24));
    // Symbol and equals sign inside the picture, clear of every edge.
    const QRect ink = InkBounds(img);
    EXPECT_GT(ink.left(), 0);
    EXPECT_GT(ink.top(), 0);
    EXPECT_LT(ink.right(), img.width() - 1);
    EXPECT_LT(ink.bottom(), img.height() - 1);
  }
  // Pictures with the same symbol and another subscript differ.
  EXPECT_NE(f.ImgBOX[6]->Picture().toImage(), f.ImgBOX[5]->Picture().toImage().copy(0, 0, 31, 24));
  EXPECT_NE(f.ImgBOX[17]->Picture().toImage(), f.ImgBOX[18]->Picture().toImage());
}

TEST_F(ArtworkTest, SheetOfAllPicturesForALook) {
  FormMain f;
  QImage sheet(560, 200, QImage::Format_RGB32);
  sheet.fill(QColor(248, 250, 255));
  QPainter p(&sheet);
  p.drawPixmap(4, 4, f.ImgMENU_ON->Picture());
  p.drawPixmap(176, 4, f.ImgMENU_OFF->Picture());
  p.drawPixmap(348, 4, f.ImgWARE[1]->Picture());
  p.drawPixmap(348, 42, f.ImgWARE[0]->Picture());
  p.drawPixmap(480, 10, f.ImgSLD[1]->Picture());
  int x = 4, y = 90;
  for (int k = 0; k < 28; ++k) {
    const QPixmap& pic = f.ImgBOX[k]->Picture();
    if (x + pic.width() > 556) x = 4, y += 30;
    p.drawPixmap(x, y, pic);
    p.setPen(QColor(220, 220, 240));
    p.drawRect(x - 1, y - 1, pic.width() + 1, pic.height() + 1);
    x += pic.width() + 8;
  }
  p.end();
  EXPECT_TRUE(
      sheet.scaled(sheet.size() * 2).save(mainwin_test::BuildFolder() + "/mainwin_artwork.png"));
}

}  // namespace
