// Formula pictures: long formulas go on to the next line, what cannot fit is
// refused with a reason, and the GIF files hold exactly the picture drawn.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "graphs/FormulaFont.h"
#include "graphs/Mini_HTFC_rut.h"
#include "htf/FormulaPicture.h"
#include "htf/GifFile.h"

using namespace formulas;

namespace {

CaseFormulas OneCase(const std::string& body) {
  return ParseSource("case 100\n" + body, "test.txt").at(0);
}

std::string Interval(const std::string& y) {
  return "on 0 <= x <= L\ny = " + y + "\ntheta = x\nM = x\nV = x\n";
}

class FormulaPictureTest : public ::testing::Test {
 protected:
  void SetUp() override { Mini_HTFC_rut::IniciarSimbolosHTFC(); }

  QImage Picture(const CaseFormulas& c) {
    error_.clear();
    return FormulaPicture(c, error_);
  }
  QString error_;
};

TEST_F(FormulaPictureTest, ALongFormulaGoesOnToTheNextLine) {
  const QImage one = Picture(OneCase(Interval("a + b")));
  ASSERT_FALSE(one.isNull()) << error_.toStdString();
  std::string sum = "a";
  for (int k = 0; k < 40; ++k) sum += " + b";
  const QImage wrapped = Picture(OneCase(Interval(sum)));
  ASSERT_FALSE(wrapped.isNull()) << error_.toStdString();
  EXPECT_LE(wrapped.width(), kPictureMaxWidth);
  EXPECT_GT(wrapped.height(), one.height() + 30);  // at least two more lines
}

TEST_F(FormulaPictureTest, WhatCannotFitIsRefusedWithTheReason) {
  // No plus or minus to break at.
  std::string product = "a";
  for (int k = 0; k < 60; ++k) product += " b";
  EXPECT_TRUE(Picture(OneCase(Interval(product))).isNull());
  EXPECT_TRUE(error_.contains("too wide")) << error_.toStdString();

  std::string tall;
  for (int k = 0; k < 12; ++k) tall += Interval("a");
  EXPECT_TRUE(Picture(OneCase(tall)).isNull());
  EXPECT_TRUE(error_.contains("more than 430")) << error_.toStdString();
}

// "(x - a)^4)/(24" as case 303 shows it: the bracket that closes after the
// power stands clear of the "/", a column of background between them,
// wherever between two pixels the formula starts.
TEST_F(FormulaPictureTest, ABracketClosedAfterAPowerDoesNotTouchTheSlash) {
  auto draw = [](const QString& markup, double x) {
    platform::SmoothPictureTarget t(90, 30, platform::RGBColor(255, 255, 255));
    Mini_HTFC_rut::SetFormulaFont(t);
    t.SetCurrentX(x);
    Mini_HTFC_rut::ImprimirHTFC(markup, t);
    return t.Image();
  };
  auto inkIn = [](const QImage& picture, int x) {
    for (int y = 0; y < picture.height(); ++y)
      if (qGray(picture.pixel(x, y)) < 255) return true;
    return false;
  };
  const QString bracket = "(&+Ix&-I - &+Ia&-I)^4)";
  for (double x = 0; x < 15; x += 15.0 / 8) {
    const QImage before = draw(bracket, x), whole = draw(bracket + "/(24", x);
    int end = 0;  // the bracket's last column
    for (int column = 0; column < before.width(); ++column)
      if (inkIn(before, column)) end = column;
    EXPECT_FALSE(inkIn(whole, end + 1)) << x;
    EXPECT_TRUE(inkIn(whole, end + 3)) << x;  // the slash
  }
}

TEST(GifFiles, HoldThePictureAndReplaceAnOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("F.gif");
  QImage picture(37, 21, QImage::Format_RGB32);
  picture.fill(Qt::white);
  for (int x = 0; x < 37; ++x) picture.setPixel(x, 5, qRgb(0, 0, 128));
  picture.setPixel(3, 15, qRgb(0, 0, 0));
  QString error;
  ASSERT_TRUE(WriteGifFile(picture, path, error)) << error.toStdString();
  QImage back(path, "GIF");
  ASSERT_EQ(back.size(), picture.size());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);

  // A picture of more than 256 colours is written reduced, over the old file.
  QImage colourful(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) colourful.setPixel(x, y, qRgb(x * 4, y * 4, 128));
  ASSERT_TRUE(WriteGifFile(colourful, path, error)) << error.toStdString();
  EXPECT_EQ(QImage(path).size(), QSize(64, 64));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"F.gif"});

  EXPECT_FALSE(WriteGifFile(picture, dir.filePath("no/such/folder/F.gif"), error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(WriteGifFile(QImage(), path, error));
}

}  // namespace
