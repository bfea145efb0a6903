// Choosing tabs and cases: the rows every case sets up against the reviewed
// table, the extra input rows of 104 and 112, tabs keeping their work, and
// Clear.
#include <cstring>

#include "CalcTestSupport.h"

using mainwin_test::CalcTest;
using mainwin_test::Click;
using mainwin_test::SendMouse;

namespace {

using CaseRowsTest = CalcTest;

TEST_F(CaseRowsTest, EveryCaseSetsUpTheRowsOfTheReviewedTable) {
  const auto golden = mainwin_test::ReadGoldenRows();
  ASSERT_EQ(golden.size(), 54u);
  const int listSizes[6] = {0, 21, 11, 9, 9, 4};
  for (int t = 1; t <= 5; ++t) EXPECT_EQ(F().List1[t]->ListCount(), listSizes[t]);

  for (const auto& [code, rows] : golden) {
    SCOPED_TRACE(code);
    ASSERT_EQ(rows.size(), 15u);
    ChooseCase(code);
    const int t = code / 100;
    ASSERT_EQ(Vigas::TipoViga, t);
    ASSERT_EQ(Vigas::CasoCarga[t], code % 100);
    EXPECT_EQ(F().Model().FilasExtra(t), (code == 104 || code == 112) ? 1 : 0);
    EXPECT_TRUE(F().PicIO[t]->Visible());
    EXPECT_EQ(F().LblMainTIT[t]->Caption(),
              F().LblMENU[t]->Caption() + " - " + F().List1[t]->List(code % 100));
    for (const auto& g : rows) {
      SCOPED_TRACE(g.row);
      const int i = Index(g.row);
      EXPECT_EQ(F().Text1[i]->Tag, g.key);
      EXPECT_EQ(F().Text1[i]->Locked(), !g.input);
      // Before a calculation only the input rows of the case show.
      EXPECT_EQ(F().Text1[i]->Visible(), g.input && !g.key.isEmpty());
      EXPECT_EQ(F().Label1[i]->Visible(), F().Text1[i]->Visible());
      EXPECT_EQ(F().ShaIOTX[i]->Visible(), F().Text1[i]->Visible());
      if (g.key.isEmpty()) {
        EXPECT_EQ(F().Label1[i]->Tag, "");
        EXPECT_EQ(F().Img1[i]->Tag, "");
        continue;
      }
      EXPECT_EQ(F().Label1[i]->Tag, " " + g.caption);
      EXPECT_EQ(F().Img1[i]->Tag, QString::number(g.kind));
      EXPECT_EQ(F().Img1[i]->Picture().toImage(), F().ImgBOX[g.picture]->Picture().toImage());
      const QString unit = QString::fromStdString(Vigas::UnidadSel[g.kind]);
      EXPECT_EQ(F().Label1[i]->Caption(),
                g.kind == 0 ? " " + g.caption : " " + g.caption + " (" + unit + ")");
    }
  }
}

TEST_F(CaseRowsTest, OnlyTheUserChoosesACaseAndTheCaseLoadedIsTheHighlightedRow) {
  ChooseTab(3);
  platform::ListBox* list = F().List1[3];
  // The list taking the focus (Tab, the window coming back) is no choice.
  for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
    QFocusEvent out(QEvent::FocusOut, reason), in(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(list, &out);
    QCoreApplication::sendEvent(list, &in);
    EXPECT_EQ(Vigas::CasoCarga[3], -1) << reason;
    EXPECT_EQ(F().LblMainTIT[3]->Caption(), F().LblMENU[3]->Caption());
    EXPECT_FALSE(F().PicIO[3]->Visible());
    EXPECT_TRUE(list->selectedItems().isEmpty());
  }
  // The keyboard moving the highlight chooses, however it moves it.
  const std::pair<Qt::KeyboardModifiers, int> moves[] = {
      {Qt::NoModifier, 0}, {Qt::ControlModifier, 1}, {Qt::NoModifier, 2}};
  for (auto [mods, row] : moves) {
    qt_test::Key(list, Qt::Key_Down, QString(), mods);
    EXPECT_EQ(Vigas::CasoCarga[3], row);
    EXPECT_EQ(F().LblMainTIT[3]->Caption(), F().LblMENU[3]->Caption() + " - " + list->List(row));
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->row(list->selectedItems()[0]), row);
  }
  // Ctrl+click on the chosen row leaves it chosen and highlighted.
  const QPoint onRow = list->visualItemRect(list->item(2)).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, onRow, list->viewport()->mapToGlobal(onRow), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::ControlModifier);
    QCoreApplication::sendEvent(list->viewport(), &click);
  }
  EXPECT_EQ(Vigas::CasoCarga[3], 2);
  EXPECT_TRUE(list->item(2)->isSelected());
}

// Home, End, PageUp and PageDown choose as the arrows do, also as the first
// key after Tab brought the focus to a list with no row chosen.
TEST_F(CaseRowsTest, PageKeysChooseAsTheArrowsDo) {
  ChooseTab(1);
  platform::ListBox* list = F().List1[1];
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(list, &in);
  ASSERT_EQ(list->ListIndex(), -1);
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_End, list->ListCount() - 1}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 4}};
  for (auto [key, row] : keys) {
    qt_test::Key(list, key);
    EXPECT_EQ(Vigas::CasoCarga[1], row) << key;
    EXPECT_TRUE(list->item(row)->isSelected());
  }
  ChooseTab(2);
  QCoreApplication::sendEvent(F().List1[2], &in);
  qt_test::Key(F().List1[2], Qt::Key_PageDown);
  EXPECT_EQ(Vigas::CasoCarga[2], 4);  // the last of the five rows in view
}

TEST_F(CaseRowsTest, NineInputRowsComeAndGoWithTheirCases) {
  // A click in a case list before any tab was chosen changes nothing.
  F().List1[1]->setCurrentRow(3);
  EXPECT_EQ(Vigas::CasoCarga[1], -1);
  EXPECT_FALSE(F().PicIO[1]->Visible());

  ChooseCase(104);
  std::vector<int> shown;
  for (int r = 0; r < 15; ++r)
    if (Shown(r)) shown.push_back(r);
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 3, 4, 5, 6, 7}));
  for (int r = 9; r < 15; ++r) EXPECT_TRUE(Box(r)->Locked()) << r;
  // Buttons stand on line 3, the separator a quarter line above line 4.
  const double H = std::min(std::nearbyint((F().PicIO[1]->Height() - 6) / 6), 90.0);
  EXPECT_EQ(F().YposCAL[1], 3 * H + 12);
  EXPECT_DOUBLE_EQ(F().LineIO[1]->Y1(), 4 * H + 8 - H / 4);
  EXPECT_DOUBLE_EQ(F().Label1[Index(9)]->Top(), 4 * H + 8);

  ChooseCase(112);
  ChooseCase(100);
  EXPECT_EQ(F().Model().FilasExtra(1), 0);
  for (int r : {6, 7, 8}) {
    EXPECT_TRUE(Box(r)->Locked()) << r;
    EXPECT_FALSE(Shown(r)) << r;
  }
  EXPECT_FALSE(Box(5)->Locked());
  EXPECT_EQ(F().YposCAL[1], 2 * H + 12);
}

TEST_F(CaseRowsTest, TypeMenuAndTabCaptionSelectTheSameTab) {
  F().mnu_TIPO_CAL[3]->trigger();
  EXPECT_EQ(Vigas::TipoViga, 3);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(F().PicTASK[i]->Visible(), i == 3);
    EXPECT_EQ(F().mnu_TIPO_CAL[i]->isChecked(), i == 3);
    EXPECT_EQ(F().LblMENU[i]->FontBold(), i == 3);
  }
  EXPECT_EQ(F().LblMainTIT[3]->Caption(), F().LblMENU[3]->Caption());
  EXPECT_EQ(F().LblMENU[3]->ForeColor(), QColor(64, 64, 128));

  // Pressing a tab moves it; the current tab keeps its colour meanwhile.
  SendMouse(F().LblMENU[3], QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(F().ImgMENU[3]->Left(), F().XposMENU[3] + 1);
  EXPECT_EQ(F().LblMENU[3]->Top(), F().YposMENU[3] + 5);
  EXPECT_EQ(F().LblMENU[3]->ForeColor(), QColor(64, 64, 128));
  SendMouse(F().LblMENU[3], QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(F().ImgMENU[3]->Top(), F().YposMENU[3]);
  EXPECT_EQ(F().LblMENU[3]->Top(), F().YposMENU[3] + 4);
  SendMouse(F().LblMENU[2], QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(F().LblMENU[2]->ForeColor(), QColor(40, 40, 40));
  SendMouse(F().LblMENU[2], QEvent::MouseButtonRelease, {500, 5}, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(F().LblMENU[2]->ForeColor(), QColor(96, 96, 96));
  EXPECT_EQ(Vigas::TipoViga, 3);  // released outside: no click
}

TEST_F(CaseRowsTest, ATabKeepsItsWorkWhileAnotherIsShownAndClearEmptiesIt) {
  ChooseCase(300);
  FillInputs({{"EI", "2"}, {"L", "4"}, {"W0", "3"}, {"X", "1"}});
  Calculate();
  ASSERT_TRUE(GraphAndReportOn());
  const double thumb = F().ImgSLD[3]->Left();
  const QString moment = Text(9);

  ChooseCase(100);
  ChooseTab(3);
  EXPECT_EQ(Vigas::CasoCarga[3], 0);
  EXPECT_EQ(Text(1), "4");
  EXPECT_EQ(Text(9), moment);
  EXPECT_TRUE(Shown(9));
  EXPECT_FALSE(GraphAndReportOn());  // until the next calculation

  double kept[Vigas::kNumSlots];
  std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), kept);
  F().activateWindow();
  QCoreApplication::processEvents();
  Click(F().LblDEL[3]);
  for (int r = 0; r < 15; ++r) {
    EXPECT_EQ(Text(r), "") << r;
    EXPECT_EQ(Shown(r), r <= 5 && r != 3 && r != 4) << r;
  }
  EXPECT_FALSE(GraphAndReportOn());
  EXPECT_EQ(F().ImgGRA[3]->Picture().toImage(), F().ImgWARE[0]->Picture().toImage());
  EXPECT_EQ(std::memcmp(kept, Vigas::Datos, sizeof kept), 0);
  // The panel is laid out again: the empty boxes put the thumb's left edge
  // at the middle of its track.
  EXPECT_NE(F().ImgSLD[3]->Left(), thumb);
  EXPECT_DOUBLE_EQ(F().ImgSLD[3]->Left(), (F().LinSLD[3]->X1() + F().LinSLD[3]->X2()) / 2);
  if (F().isActiveWindow()) {
    EXPECT_TRUE(Box(0)->hasFocus());
  }
}

}  // namespace
