// Loading the main window: settings, check marks, texts, case lists and the
// tables the graph-type chooser reads.
#include <QAction>
#include <QMenu>

#include "MainwinTestSupport.h"
#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/MainState.h"

using mainwin_test::MainwinTest;

namespace {

struct Marks {
  int period;  // 1, 7, 30 or 0 when none is checked
  bool dot, comma;
  int digits;  // checked digits item, 0 when none
};

Marks MarksOf(const FormMain& f) {
  Marks m{0, f.mnu_Config_SepaDec_PTO->isChecked(), f.mnu_Config_SepaDec_COM->isChecked(), 0};
  int periods = 0;
  for (auto [item, days] : {std::pair{f.mnu_help_upd_set_1, 1}, std::pair{f.mnu_help_upd_set_7, 7},
                            std::pair{f.mnu_help_upd_set_30, 30}})
    if (item->isChecked()) m.period = days, ++periods;
  int digits = 0;
  for (int n = 4; n <= 12; ++n)
    if (f.mnu_NDIG[n]->isChecked()) m.digits = n, ++digits;
  EXPECT_LE(periods, 1);
  EXPECT_LE(digits, 1);
  return m;
}

using StartupTest = MainwinTest;

TEST_F(StartupTest, FirstRunShowsTheDefaultsAndAnUntouchedWindow) {
  FormMain f;
  const Marks m = MarksOf(f);
  EXPECT_EQ(m.period, 7);
  EXPECT_TRUE(m.dot);
  EXPECT_FALSE(m.comma);
  EXPECT_EQ(m.digits, 4);
  EXPECT_EQ(Vigas::SepDecimal, ".");
  EXPECT_EQ(Vigas::NumDigitos, 4);
  EXPECT_EQ(UltimaCarpeta, "");
  EXPECT_EQ(UltimaCarpetaTabla, "");
  EXPECT_EQ(Vigas::IdxUnidad[1], 0);  // metres from the default unit choice
  EXPECT_EQ(Vigas::IdxUnidad[6], 30);
  EXPECT_EQ(f.windowTitle(), "Quillenmarch - TORV");
  EXPECT_EQ(f.size(), QSize(1040, 734));
  EXPECT_EQ(FormMain::Instance(), &f);

  EXPECT_EQ(Vigas::TipoViga, 0);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(Vigas::CasoCarga[i], -1);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_FALSE(f.PicTASK[i]->Visible());
    EXPECT_FALSE(f.PicIO[i]->Visible());
    EXPECT_FALSE(f.mnu_TIPO_CAL[i]->isChecked());
    EXPECT_EQ(f.ImgMENU[i]->Left(), 166 * (i - 1) + 6);
    EXPECT_EQ(f.XposMENU[i], 166 * (i - 1) + 6);
    EXPECT_EQ(f.YposMENU[i], 2);
    EXPECT_EQ(f.LblMENU[i]->Top(), 6);
    EXPECT_EQ(f.LblMENU[i]->Width(), 166);
    EXPECT_EQ(f.LblMENU[i]->ForeColor(), QColor(96, 96, 96));
    EXPECT_FALSE(f.LblMENU[i]->FontBold());
    EXPECT_EQ(f.ImgMENU[i]->Picture().toImage(), f.ImgMENU_OFF->Picture().toImage());
    EXPECT_TRUE(f.LblCAL[i]->Enabled());
    EXPECT_TRUE(f.LblDEL[i]->Enabled());
    EXPECT_FALSE(f.LblGRA[i]->Enabled());
    EXPECT_FALSE(f.LblINF[i]->Enabled());
    EXPECT_EQ(f.ImgGRA[i]->Picture().toImage(), f.ImgWARE[0]->Picture().toImage());
    EXPECT_EQ(f.ImgCAL[i]->Picture().toImage(), f.ImgWARE[1]->Picture().toImage());
    // The Clear picture is created narrower; its picture makes it 120 x 34.
    EXPECT_EQ(f.ImgDEL[i]->Width(), 120);
    EXPECT_EQ(f.ImgDEL[i]->Height(), 34);
    EXPECT_EQ(f.LblDEL[i]->Width(), 120);
    EXPECT_EQ(f.LblDEL[i]->Height(), 26);
    EXPECT_EQ(f.List1[i]->Left(), 4);
    EXPECT_EQ(f.List1[i]->Top(), 27);
    EXPECT_EQ(f.List1[i]->Height(), 90);
    EXPECT_EQ(f.PicTASK[i]->Left(), 4);
    EXPECT_EQ(f.PicTASK[i]->Top(), 40);
    // Sized from the drawing area before the window is first shown.
    EXPECT_EQ(f.PicTASK[i]->Width(), f.ScaleWidth() - 8);
    EXPECT_EQ(f.PicTASK[i]->Height(), f.ScaleHeight() - 44);
    EXPECT_EQ(f.LblMainTIT[i]->Width(), f.ScaleWidth() - 6);
  }
  EXPECT_EQ(f.ScaleWidth(), 1040);
  const double captionSizes[6] = {0, 12, 11, 11, 10, 12};
  for (int i = 1; i <= 5; ++i)
    for (platform::Label* l : {f.LblCAL[i], f.LblDEL[i], f.LblGRA[i], f.LblINF[i]})
      EXPECT_EQ(l->FontSize(), captionSizes[i]);
  for (int r = 0; r < FormMain::kRows; ++r) {
    EXPECT_FALSE(f.Text1[r]->Visible());
    EXPECT_FALSE(f.Label1[r]->Visible());
    EXPECT_FALSE(f.Img1[r]->Visible());
    EXPECT_EQ(f.Text1[r]->Text(), "");
    EXPECT_EQ(f.Img1[r]->Width(), 41);  // the picture of ImgBOX(26)
    EXPECT_EQ(f.Img1[r]->Height(), 24);
  }
  EXPECT_FALSE(f.Ocupado);
  EXPECT_EQ(f.PicG->WidthPixels(), 1080);
  EXPECT_EQ(f.PicG->HeightPixels(), 600);
  EXPECT_EQ(ColorTextoGraf, 64 + 256 * 64 + 65536 * 96);
  EXPECT_EQ(ColorCurvaGraf, 200);
}

TEST_F(StartupTest, StoredSettingsSetCheckMarksSeparatorDigitsAndFolders) {
  struct Case {
    QString period, separator, digits;
    Marks marks;
    const char* sep;
    double numDigitos;
  };
  const Case cases[] = {
      {" 30 ", ",", "9", {30, false, true, 9}, ",", 9},
      {"1", ".", "4.5", {1, true, false, 4}, ".", 4},
      {"2", ".", " 12", {7, true, false, 12}, ".", 12},
      {"", ",", "5 digits", {7, false, true, 5}, ",", 5},
      // Damaged values: the separator falls back to the point, the digits to 4.
      {"7", ";", "20", {7, true, false, 4}, ".", 4},
      {"30", " ,", "abc", {30, true, false, 4}, ".", 4},
      {"1", "", "0", {1, true, false, 4}, ".", 4},
      {"7", ".", "1e9", {7, true, false, 4}, ".", 4},
      {"7", ".", "9.4", {7, true, false, 4}, ".", 4},
      {"7", ".", "-6", {7, true, false, 4}, ".", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(
        ("period '" + c.period + "' separator '" + c.separator + "' digits '" + c.digits + "'")
            .toStdString());
    Store("CheckUPDATE", "PERIOD", c.period);
    Store("DOT", "SEPARATOR", c.separator);
    Store("NDIG", "SIGDIG", c.digits);
    FormMain f;
    const Marks m = MarksOf(f);
    EXPECT_EQ(m.period, c.marks.period);
    EXPECT_EQ(m.dot, c.marks.dot);
    EXPECT_EQ(m.comma, c.marks.comma);
    EXPECT_EQ(m.digits, c.marks.digits);
    EXPECT_EQ(Vigas::SepDecimal, c.sep);
    EXPECT_EQ(Vigas::NumDigitos, c.numDigitos);
    // Whatever was stored, numbers still format readably.
    EXPECT_EQ(Vigas::FormatoNumero(1234.5678, 0).size() > 0, true);
  }
  Store("PATH", "GRAF", "/home/user/graphs");
  Store("PATH", "TABLA", "/home/user/tables");
  Store("UNID", "IDOPT", "041113192531");
  FormMain f;
  EXPECT_EQ(UltimaCarpeta, "/home/user/graphs");
  EXPECT_EQ(UltimaCarpetaTabla, "/home/user/tables");
  EXPECT_EQ(Vigas::IdxUnidad[1], 4);   // ft
  EXPECT_EQ(Vigas::IdxUnidad[3], 13);  // kN
}

TEST_F(StartupTest, DigitsMenuAndSeparatorTicksFollowTheEngine) {
  FormMain f;
  f.mnu_NDIG_Click(12);
  EXPECT_EQ(MarksOf(f).digits, 12);
  EXPECT_EQ(Vigas::NumDigitos, 12);
  f.mnu_NDIG_Click(3);  // outside 4..12: no item checked, digits unchanged
  EXPECT_EQ(MarksOf(f).digits, 0);
  EXPECT_EQ(Vigas::NumDigitos, 12);
  // Reading a number typed with a comma moves the tick to the comma item.
  Vigas::LeerNumero("2,5");
  EXPECT_TRUE(f.mnu_Config_SepaDec_COM->isChecked());
  EXPECT_FALSE(f.mnu_Config_SepaDec_PTO->isChecked());
  Vigas::LeerNumero("2.5");
  EXPECT_TRUE(f.mnu_Config_SepaDec_PTO->isChecked());
  EXPECT_FALSE(f.mnu_Config_SepaDec_COM->isChecked());
  // A click on a checkable item does not toggle its mark by itself.
  f.mnu_NDIG[7]->trigger();
  EXPECT_EQ(MarksOf(f).digits, 7);
  f.mnu_NDIG[7]->trigger();
  EXPECT_EQ(MarksOf(f).digits, 7);
}

TEST_F(StartupTest, CaseListsCodesAndGraphTablesFromTheShippedTexts) {
  FormMain f;
  const int rows[6] = {0, 21, 11, 9, 9, 4};
  for (int i = 1; i <= 5; ++i) {
    ASSERT_EQ(f.List1[i]->ListCount(), rows[i]) << "tab " << i;
    for (int j = 0; j < rows[i]; ++j) {
      EXPECT_EQ(f.List1[i]->List(j), f.GetL_win("TC_V" + QString::number(100 * i + j)));
      EXPECT_FALSE(f.List1[i]->List(j).isEmpty());
    }
    EXPECT_EQ(f.List1[i]->ListIndex(), -1);
    EXPECT_EQ(f.List1[i]->FontSize(), 10);
  }
  // Focus on a list chooses no case.
  f.show();
  f.SetTabLook(2);
  f.List1[2]->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(f.List1[2]->ListIndex(), -1);
  EXPECT_EQ(ListaCodCasos[0], "");
  EXPECT_EQ(ListaCodCasos[1], "100");
  EXPECT_EQ(ListaCodCasos[21], "120");
  EXPECT_EQ(ListaCodCasos[22], "200");
  EXPECT_EQ(ListaCodCasos[33], "300");
  EXPECT_EQ(ListaCodCasos[42], "400");
  EXPECT_EQ(ListaCodCasos[51], "500");
  EXPECT_EQ(ListaCodCasos[54], "503");
  for (int k = 1; k <= 54; ++k) {
    EXPECT_TRUE(Vigas::CasoExiste(ListaCodCasos[k].toInt())) << k;
    EXPECT_EQ(GraficasCaso[k][0], 0);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(GraficasCaso[k][j], j);
  }
  for (int j = 0; j <= 4; ++j) EXPECT_EQ(GraficasCaso[0][j], 0);
  EXPECT_EQ(DescTipoGrafica[0], "");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(DescTipoGrafica[i].count('@'), 1);
}

TEST_F(StartupTest, TextsMenusAndTheBeamTypeMenuReadAsTheTabs) {
  FormMain f;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_FALSE(f.LblMENU[i]->Caption().isEmpty());
    EXPECT_EQ(f.mnu_TIPO_CAL[i]->text(), f.LblMENU[i]->Caption());
    EXPECT_EQ(f.LblCAL[i]->Caption(), f.GetL_win("Lbl_Cal"));
    EXPECT_EQ(f.LblDEL[i]->Caption(), f.GetL_win("Lbl_Del"));
    EXPECT_EQ(f.LblGRA[i]->Caption(), f.GetL_win("Lbl_Gra"));
    EXPECT_EQ(f.LblINF[i]->Caption(), f.GetL_win("Lbl_Inf"));
  }
  for (int n = 4; n <= 12; ++n)
    EXPECT_EQ(f.mnu_NDIG[n]->text().remove('&'), QString::number(n) + " " + f.GetL_win("digits"));
  EXPECT_EQ(f.mnu_help_update_now->text(), f.GetL_win("Help_Updates_Now") + "...");
  EXPECT_EQ(f.mnu_archivo->title(), f.GetL_win("mnu_File"));
  EXPECT_EQ(f.mnu_Ayuda_Acerca->text(), f.GetL_win("Help_About"));
  EXPECT_EQ(f.mnu_Archivo_Salir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
  EXPECT_EQ(f.mnu_Ayuda_Manual->shortcut(), QKeySequence(Qt::Key_F1));
  // The tab look puts the chosen tab in front and ticks its menu item.
  f.SetTabLook(3);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(f.PicTASK[i]->Visible(), i == 3);
    EXPECT_EQ(f.mnu_TIPO_CAL[i]->isChecked(), i == 3);
    EXPECT_EQ(f.LblMENU[i]->FontBold(), i == 3);
  }
  EXPECT_EQ(f.LblMENU[3]->ForeColor(), QColor(64, 64, 128));
}

TEST_F(StartupTest, WithoutALanguageFileTheWindowOpensWithEmptyCaptions) {
  UseEmptyResourceFolder();
  FormMain f;
  f.show();
  EXPECT_TRUE(f.isVisible());
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(f.LblMENU[i]->Caption(), "");
    EXPECT_EQ(f.mnu_TIPO_CAL[i]->text(), "");
    EXPECT_EQ(f.List1[i]->ListCount(), 0);
    EXPECT_EQ(f.LblCAL[i]->Caption(), "");
  }
  EXPECT_EQ(f.mnu_NDIG[7]->text(), "&7 ");
  EXPECT_EQ(f.mnu_help_update_now->text(), "...");
  EXPECT_EQ(ListaCodCasos[1], "");
  EXPECT_EQ(GraficasCaso[1][1], 0);
  EXPECT_EQ(DescTipoGrafica[1], "");
  EXPECT_EQ(MarksOf(f).period, 7);
}

TEST_F(StartupTest, CountsAreCappedByTheTabsAndTheEngineCases) {
  QStringList lines = {"[NTTV]=7 tabs", "[NTC_V1]=30",  "[NTC_V2]=0", "[NTC_V3]=9 cases",
                       "[NTC_V4]=8.5",  "[NTC_V5]=2.5", "[NTC_V6]=3", "[TV6]=Sixth"};
  for (int i = 1; i <= 6; ++i) lines << QString("[TV%1]=Tab %1").arg(i);
  for (int code : {100, 130, 300, 400, 500, 600}) lines << QString("[TC_V%1]=Case %1").arg(code);
  UseOwnLanguageFile(lines);
  FormMain f;
  EXPECT_EQ(f.List1[1]->ListCount(), 21);  // 30 asked, the engine has 21
  EXPECT_EQ(f.List1[2]->ListCount(), 0);
  EXPECT_EQ(f.List1[3]->ListCount(), 9);
  EXPECT_EQ(f.List1[4]->ListCount(), 8);  // 8.5 rounds half to even
  EXPECT_EQ(f.List1[5]->ListCount(), 2);  // so does 2.5
  EXPECT_EQ(f.List1[1]->List(0), "Case 100");
  EXPECT_EQ(f.List1[1]->List(1), "");  // no text for 101
  EXPECT_EQ(f.LblMENU[5]->Caption(), "Tab 5");
  // Codes keep their rows; only the entry numbers shift past the empty tab.
  EXPECT_EQ(ListaCodCasos[21], "120");
  EXPECT_EQ(ListaCodCasos[22], "300");
  EXPECT_EQ(ListaCodCasos[31], "400");
  EXPECT_EQ(ListaCodCasos[39], "500");
  EXPECT_EQ(ListaCodCasos[40], "501");
  EXPECT_EQ(ListaCodCasos[41], "");
  EXPECT_EQ(GraficasCaso[41][1], 0);
}

}  // namespace
