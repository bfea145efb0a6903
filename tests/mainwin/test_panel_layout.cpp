// The input/output panel laid out for a case, the formula pictures of a case
// read from img/, and screenshots after a calculation on every tab.
#include <QImage>
#include <QPainter>

#include "CalcTestSupport.h"
#include "mainwin/FormVigasEditUnits.h"

using mainwin_test::CalcTest;

namespace {

class PanelLayoutTest : public CalcTest {
 protected:
  // A picture file of the given size under img/ of the program folder.
  void WritePicture(const QString& name, int w, int h, const char* format) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(200, 220, 255));
    QDir().mkpath(folder_.path() + "/img");
    ASSERT_TRUE(img.save(folder_.path() + "/img/" + name, format));
  }
};

TEST_F(PanelLayoutTest, ColumnsAreAThirdOfThePanelUpTo250Pixels) {
  ChooseCase(109);
  FormMain& f = F();
  for (auto [width, W] : {std::pair{600.0, 199.0}, std::pair{900.0, 250.0}}) {
    SCOPED_TRACE(width);
    f.PicIO[1]->Move(2, 119, width, 434);
    f.PosicionaIOControls();
    const double H = 71;  // (434 - 6) / 6 rounded
    EXPECT_DOUBLE_EQ(f.Label1[2]->Left(), 2 * W + 10);
    EXPECT_DOUBLE_EQ(f.Label1[2]->Width(), W - 16);
    EXPECT_DOUBLE_EQ(f.Label1[6]->Top(), 3 * H + 8);  // an empty line above the results
    EXPECT_DOUBLE_EQ(f.Text1[2]->Left() + f.Text1[2]->Width(), 3 * W - 7);
    // Clear ends 3 pixels beyond the third column's caption; Graph and Report
    // stand at the left.
    EXPECT_EQ(f.XposDEL[1] + 120, std::nearbyint(3 * W - 6 + 3));
    EXPECT_EQ(f.XposCAL[1], f.XposDEL[1] - 130);
    EXPECT_EQ(f.XposGRA[1], 7);
    EXPECT_EQ(f.XposINF[1], 137);
    EXPECT_DOUBLE_EQ(f.LineIO[1]->Y1(), 3 * H + 8 - H / 4);
    // The slider runs under the x box and drives it.
    EXPECT_DOUBLE_EQ(f.LinSLD[1]->X1(), f.Text1[5]->Left());
    EXPECT_DOUBLE_EQ(f.LinSLD[1]->X2(), f.Text1[5]->Left() + f.Text1[5]->Width());
    EXPECT_DOUBLE_EQ(f.LinSLD[1]->Y1(), f.Text1[5]->Top() + 25);
    EXPECT_EQ(f.ImgSLD[1]->Tag, "5");
  }
}

TEST_F(PanelLayoutTest, FormulaPicturesOfTheCaseShowOrLeaveThePanelEmpty) {
  platform::SetResourceFolder(folder_.path());  // texts are loaded already
  FormMain& f = F();
  ChooseCase(100);  // no pictures at all
  EXPECT_FALSE(f.HayFormula[1]);
  EXPECT_FALSE(f.HayFormulaX[1]);
  EXPECT_TRUE(f.ImgFOR[1]->Picture().isNull());
  EXPECT_FALSE(f.Line1[1]->Visible());

  const double PW = f.PicFOR[1]->Width(), PH = f.PicFOR[1]->Height();
  WritePicture("F101.gif", 300, 200, "PNG");  // the loader goes by the contents
  WritePicture("X101.jpg", 200, 100, "JPG");
  ChooseCase(101);
  ASSERT_TRUE(f.HayFormula[1]);
  ASSERT_TRUE(f.HayFormulaX[1]);
  EXPECT_EQ(f.ImgFOR[1]->Picture().size(), QSize(300, 200));
  const double T = (PH - 100 - 200 - 10) / 3;
  EXPECT_DOUBLE_EQ(f.ImgFORX[1]->Top(), T);
  EXPECT_DOUBLE_EQ(f.ImgFOR[1]->Top(), 2 * T + 110);
  EXPECT_DOUBLE_EQ(f.ImgFOR[1]->Left(), (PW - 300) / 2);
  EXPECT_DOUBLE_EQ(f.ImgFORX[1]->Left(), (PW - 200) / 2);
  EXPECT_TRUE(f.ImgFORX[1]->Visible());
  EXPECT_TRUE(f.Line1[1]->Visible());
  EXPECT_DOUBLE_EQ(f.Line1[1]->Y1(), (T + 100 + 2 * T + 110) / 2);

  // Too tall together: the main picture alone, a third of the spare height above.
  WritePicture("F102.gif", 300, 200, "PNG");
  WritePicture("X102.jpg", 200, static_cast<int>(PH) - 210, "JPG");
  ChooseCase(102);
  EXPECT_FALSE(f.ImgFORX[1]->Visible());
  EXPECT_FALSE(f.Line1[1]->Visible());
  EXPECT_DOUBLE_EQ(f.ImgFOR[1]->Top(), (PH - 200) / 3);

  // A picture that cannot be read leaves the panel empty, not the formulas
  // of the case before.
  ChooseCase(101);
  ASSERT_TRUE(f.HayFormula[1]);
  mainwin_test::WriteBytes(folder_.path() + "/img/F103.gif", "GIF89a not really a picture");
  ChooseCase(103);
  EXPECT_FALSE(f.HayFormula[1]);
  EXPECT_FALSE(f.HayFormulaX[1]);
  EXPECT_TRUE(f.ImgFOR[1]->Picture().isNull());
  EXPECT_TRUE(f.ImgFORX[1]->Picture().isNull());
  EXPECT_FALSE(f.Line1[1]->Visible());
}

TEST_F(PanelLayoutTest, ScreenshotsAfterACalculationOnEveryTab) {
  const QString dir = mainwin_test::BuildFolder();
  for (int code : {103, 208, 305, 403, 500}) {
    ASSERT_TRUE(CalculateTypicalCase(code)) << code;
    const QImage shot = F().grab().toImage();
    EXPECT_TRUE(shot.save(dir + QString("/calc_tab%1.png").arg(code / 100)));
  }
  // Feet, pounds and the nine input rows of 112.
  for (auto [q, k] : {std::pair{1, 4}, {2, 11}, {3, 17}, {4, 22}, {5, 28}, {6, 34}})
    Vigas::SeleccionarUnidad(q, k);
  ChooseCase(112);
  FillInputs({{"EI", "7.3e9"},
              {"L", "20"},
              {"X", "8"},
              {"P1", "2000"},
              {"P2", "1500"},
              {"a", "5"},
              {"b", "6"}});
  Calculate();
  ASSERT_TRUE(GraphAndReportOn());
  EXPECT_EQ(F().Label1[3]->Caption(), " Concentrated load (lbf)");
  QCoreApplication::processEvents();
  EXPECT_TRUE(F().grab().toImage().save(dir + "/calc_tab1_us_units.png"));
  EXPECT_TRUE(messages_.messages.empty());

  FormVigasEditUnits d(F().Driver());
  d.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(d.grab().save(dir + "/units_dialog.png"));
}

}  // namespace
