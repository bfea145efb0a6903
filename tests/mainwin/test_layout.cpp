// Layout of the main window as it is resized, its minimum size, and
// screenshots of its five tab pages.
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include "MainwinTestSupport.h"
#include "engine/Vigas.h"
#include "mainwin/FormMain.h"

using mainwin_test::MainwinTest;

namespace {

class LayoutTest : public MainwinTest {
 protected:
  // Sizes the window so that its drawing area is W x H pixels.
  static void SetDrawingArea(FormMain& f, int W, int H) {
    const int menu = f.height() - static_cast<int>(f.ScaleHeight());
    f.resize(W, H + menu);
    QCoreApplication::processEvents();
  }
  static void ExpectPlace(const platform::Placement* c, double left, double top, double width,
                          double height) {
    EXPECT_DOUBLE_EQ(c->Left(), left);
    EXPECT_DOUBLE_EQ(c->Top(), top);
    EXPECT_DOUBLE_EQ(c->Width(), width);
    EXPECT_DOUBLE_EQ(c->Height(), height);
  }
  static QPixmap Blank(int w, int h) {
    QPixmap p(w, h);
    p.fill(Qt::gray);
    return p;
  }
};

TEST_F(LayoutTest, PagesAtTheSizeOf1000By600) {
  FormMain f;
  f.show();
  SetDrawingArea(f, 1000, 600);
  ASSERT_EQ(f.ScaleWidth(), 1000);
  ASSERT_EQ(f.ScaleHeight(), 600);
  for (int i = 1; i <= 5; ++i) {  // every page, shown or not
    SCOPED_TRACE(i);
    ExpectPlace(f.PicTASK[i], 4, 40, 992, 556);
    EXPECT_DOUBLE_EQ(f.List1[i]->Width(), 521);
    ExpectPlace(f.PicIO[i], 2, 119, 523, 434);
    ExpectPlace(f.ShaOPT[i], 1, 24, 525, 93);
    ExpectPlace(f.ShaIO[i], 1, 116, 525, 438);
    ExpectPlace(f.PicFOR[i], 529, 25, 459, 528);
    ExpectPlace(f.ShaFOR[i], 525, 24, 465, 530);
    EXPECT_DOUBLE_EQ(f.LblMainTIT[i]->Width(), 994);
    EXPECT_DOUBLE_EQ(f.LblMainTIT[i]->Height(), 19);
  }
  EXPECT_DOUBLE_EQ(f.PicMENU->Width(), 1000);
  EXPECT_DOUBLE_EQ(f.PicMENU->Height(), 34);
  // An odd page width gives halves, kept as they are.
  SetDrawingArea(f, 1001, 600);
  EXPECT_DOUBLE_EQ(f.PicTASK[2]->Width(), 993);
  EXPECT_DOUBLE_EQ(f.List1[2]->Width(), 521.5);
  EXPECT_DOUBLE_EQ(f.PicFOR[2]->Left(), 529.5);
  EXPECT_DOUBLE_EQ(f.PicFOR[2]->Width(), 459.5);
  EXPECT_DOUBLE_EQ(f.ShaFOR[2]->Left(), 525.5);
}

// 980 x 600 is the outer size: before the window shows, its inside is
// that less a title bar and borders of the common window managers; once
// shown, less the frame it really has.
TEST_F(LayoutTest, WindowKeepsItsOuterMinimumSizeAndIgnoresMinimising) {
  FormMain f;
  EXPECT_EQ(f.minimumSize(), QSize(980 - 6 - 6, 600 - 38 - 6));
  f.show();
  QCoreApplication::processEvents();
  ASSERT_NE(f.frameGeometry(), f.geometry()) << "the platform gives windows no frame";
  f.resize(900, 500);
  QCoreApplication::processEvents();
  EXPECT_EQ(f.frameGeometry().size(), QSize(980, 600));
  EXPECT_DOUBLE_EQ(f.PicTASK[1]->Width(), f.ScaleWidth() - 8);
  EXPECT_DOUBLE_EQ(f.PicTASK[1]->Height(), f.ScaleHeight() - 44);

  SetDrawingArea(f, 1000, 600);
  f.setWindowState(Qt::WindowMinimized);
  f.Form_Resize();
  EXPECT_DOUBLE_EQ(f.PicTASK[1]->Width(), 992);
}

TEST_F(LayoutTest, FormulaPicturesStackCentreOrStandAlone) {
  FormMain f;
  f.show();
  SetDrawingArea(f, 1000, 592);  // formula panel 459 x 520
  const int t = 4;
  ASSERT_DOUBLE_EQ(f.PicFOR[t]->Height(), 520);
  f.ImgFOR[t]->SetPicture(Blank(300, 200));
  f.ImgFORX[t]->SetPicture(Blank(200, 100));
  f.HayFormula[t] = true;
  f.HayFormulaX[t] = true;
  f.Form_Resize();
  EXPECT_TRUE(f.ImgFORX[t]->Visible());
  EXPECT_TRUE(f.Line1[t]->Visible());
  EXPECT_DOUBLE_EQ(f.ImgFORX[t]->Top(), 70);
  EXPECT_DOUBLE_EQ(f.ImgFOR[t]->Top(), 250);
  EXPECT_DOUBLE_EQ(f.ImgFOR[t]->Left(), 79.5);
  EXPECT_DOUBLE_EQ(f.ImgFORX[t]->Left(), 129.5);
  EXPECT_DOUBLE_EQ(f.Line1[t]->X1(), 10);
  EXPECT_DOUBLE_EQ(f.Line1[t]->X2(), 449);
  EXPECT_DOUBLE_EQ(f.Line1[t]->Y1(), 210);
  EXPECT_DOUBLE_EQ(f.Line1[t]->Y2(), 210);

  // Exactly filling the panel is too tall: the main picture stands alone.
  f.ImgFOR[t]->SetPicture(Blank(300, 410));
  f.Form_Resize();
  EXPECT_FALSE(f.ImgFORX[t]->Visible());
  EXPECT_FALSE(f.Line1[t]->Visible());
  EXPECT_DOUBLE_EQ(f.ImgFOR[t]->Left(), 79.5);
  EXPECT_DOUBLE_EQ(f.ImgFOR[t]->Top(), 110.0 / 3);

  // Without a second picture: centred, a third of the spare height above.
  f.ImgFOR[t]->SetPicture(Blank(300, 200));
  f.HayFormulaX[t] = false;
  f.Form_Resize();
  EXPECT_FALSE(f.ImgFORX[t]->Visible());
  EXPECT_FALSE(f.Line1[t]->Visible());
  EXPECT_DOUBLE_EQ(f.ImgFOR[t]->Top(), 320.0 / 3);
}

TEST_F(LayoutTest, ScreenshotsOfTheFiveTabs) {
  FormMain f;
  f.show();
  QCoreApplication::processEvents();
  const QString dir = mainwin_test::BuildFolder();
  ASSERT_TRUE(f.grab().save(dir + "/mainwin_start.png"));
  for (int i = 1; i <= 5; ++i) {
    f.SetTabLook(i);
    f.LblMainTIT[i]->SetCaption(f.LblMENU[i]->Caption() + " - " + f.List1[i]->List(0));
    QCoreApplication::processEvents();
    const QImage shot = f.grab().toImage();
    EXPECT_TRUE(shot.save(dir + QString("/mainwin_tab%1.png").arg(i)));
    // The page's white formula panel shows right of the case list.
    EXPECT_EQ(shot.pixelColor(800, f.height() - 100), QColor(255, 255, 255));
  }
  // The menus with their captions and check marks, side by side.
  QImage menus(1400, 220, QImage::Format_RGB32);
  menus.fill(Qt::white);
  QPainter p(&menus);
  int x = 0;
  for (QMenu* m : {f.mnu_archivo, f.mnu_TIPO, f.mnu_Config, f.mnu_Config_SepaDec,
                   f.mnu_Config_DigiSig, f.mnu_Ayuda, f.mnu_help_update, f.mnu_help_upd_set}) {
    m->adjustSize();
    const QPixmap shot = m->grab();
    p.drawPixmap(x, 0, shot);
    x += shot.width() + 6;
  }
  p.end();
  EXPECT_TRUE(menus.save(dir + "/mainwin_menus.png"));

  SetDrawingArea(f, 1000, 600);
  EXPECT_TRUE(f.grab().save(dir + "/mainwin_resized.png"));
  f.resize(1400, 900);
  QCoreApplication::processEvents();
  EXPECT_TRUE(f.grab().save(dir + "/mainwin_large.png"));
}

}  // namespace
