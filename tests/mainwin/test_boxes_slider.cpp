// Value boxes (key filter, Enter, focus, edits), the position slider dragged
// with the mouse, and the pressed look of the buttons.
#include <QApplication>
#include <QClipboard>
#include <algorithm>
#include <map>
#include <vector>

#include "CalcTestSupport.h"

using mainwin_test::CalcTest;
using mainwin_test::Key;
using mainwin_test::SendMouse;
using mainwin_test::TypeText;
namespace Slot = Vigas::Slot;

namespace {

class BoxesSliderTest : public CalcTest {
 protected:
  void SetUpBeam(int code, const std::map<QString, QString>& values) {
    ChooseCase(code);
    FillInputs(values);
    Calculate();
  }
  // Where the thumb's centre stands on its track, 0 .. 1.
  double ThumbFraction() {
    const int t = Tab();
    const double W = F().ImgSLD[t]->Width();
    return (F().ImgSLD[t]->Left() + W / 2 - F().LinSLD[t]->X1()) /
           (F().LinSLD[t]->X2() - F().LinSLD[t]->X1());
  }
  // Where the text cursor is drawn, in the box's pixels.
  static int CursorLeft(platform::TextBox* b) {
    return b->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
  }
  bool CaptionsFollowBoxes() {
    for (int r = 0; r < 15; ++r)
      if (F().Label1[Index(r)]->Visible() != Shown(r)) return false;
    return true;
  }
};

TEST_F(BoxesSliderTest, KeysThatMakeNoNumberAreRefused) {
  ChooseCase(100);
  platform::TextBox* b = Box(0);
  TypeText(b, "1a2 e,E+-/%x");
  Key(b, Qt::Key_Return, "\r");
  EXPECT_EQ(b->Text(), "12e,E+-/%");
  Key(b, Qt::Key_Backspace, QString(QChar(8)));
  EXPECT_EQ(b->Text(), "12e,E+-/");
  // Letters typed with Ctrl held are shortcuts, not characters.
  Key(b, Qt::Key_Q, QString(QChar(17)), Qt::ControlModifier);
  EXPECT_EQ(b->Text(), "12e,E+-/");
}

// The editing shortcuts, sent as the keyboard sends them: the key with its
// control character as text.
TEST_F(BoxesSliderTest, EditingShortcutsWorkInTheBoxes) {
  ChooseCase(100);
  platform::TextBox* b = Box(0);
  auto ctrl = [b](Qt::Key key, char letter) {
    Key(b, key, QString(QChar(letter - 'A' + 1)), Qt::ControlModifier);
  };
  TypeText(b, "12.5");
  b->setCursorPosition(1);
  ctrl(Qt::Key_A, 'A');  // select all
  EXPECT_EQ(b->selectedText(), "12.5");
  ctrl(Qt::Key_X, 'X');  // cut
  EXPECT_EQ(b->Text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
  ctrl(Qt::Key_Z, 'Z');  // undo the cut
  EXPECT_EQ(b->Text(), "12.5");
  ctrl(Qt::Key_A, 'A');
  QApplication::clipboard()->setText("7,25");
  ctrl(Qt::Key_V, 'V');  // paste over the selection
  EXPECT_EQ(b->Text(), "7,25");
  b->setSelection(0, 1);
  QApplication::clipboard()->clear();
  ctrl(Qt::Key_C, 'C');  // copy
  EXPECT_EQ(QApplication::clipboard()->text(), "7");
  ctrl(Qt::Key_Z, 'Z');  // undo the paste
  EXPECT_EQ(b->Text(), "12.5");
  b->setCursorPosition(0);
  Key(b, Qt::Key_Delete, QString(QChar(127)));  // the Delete key edits as usual
  EXPECT_EQ(b->Text(), "2.5");
  Key(b, Qt::Key_End);
  Key(b, Qt::Key_Left);
  Key(b, Qt::Key_Backspace, QString(QChar(8)));
  EXPECT_EQ(b->Text(), "25");
}

// A narrow box that the program writes, or that the user leaves, shows the
// whole value from its sign on, drawn smaller; the value at the box's own
// size is in its tooltip.
TEST_F(BoxesSliderTest, BoxesShowTheWholeValueAndItInTheTooltip) {
  Vigas::NumDigitos = 12;
  SetUpBeam(109, {{"EI", "1e6"}, {"L", "6"}, {"P", "1"}, {"a", "5.95"}, {"X", "0.3"}});
  const int row = RowOf("ThetaA");
  ASSERT_GE(row, 0);
  platform::TextBox* b = Box(row);
  const QString value = b->Text();
  ASSERT_TRUE(value.startsWith("-")) << value.toStdString();
  F().resize(980, 600);  // the narrowest window: the boxes are narrowest too
  QCoreApplication::processEvents();
  ASSERT_FALSE(b->TextFits()) << value.toStdString() << " in " << b->width() << " px";
  EXPECT_EQ(b->toolTip(), value);
  EXPECT_EQ(b->Text(), value);
  // Every result of the longest case, at 12 digits and the narrowest window.
  for (int r = 0; r < 15; ++r) {
    if (Shown(r)) {
      EXPECT_TRUE(Box(r)->ShowsWholeText()) << Text(r).toStdString();
    }
  }
  QImage picture = b->grab().toImage();  // lays the text out as on screen
  picture.save(qt_test::BuildFolder() + "/numbers_box_start.png");
  F().PicIO[Tab()]->grab().save(qt_test::BuildFolder() + "/numbers_panel_start.png");
  EXPECT_EQ(b->cursorPosition(), 0);
  EXPECT_LT(CursorLeft(b), 4);  // the start is in view, not scrolled away

  // A value that fits has no tooltip.
  platform::TextBox* x = Box(RowOf("X"));
  EXPECT_TRUE(x->TextFits());
  EXPECT_TRUE(x->toolTip().isEmpty());

  // The user types a long value and leaves the box: it shows its start again.
  F().activateWindow();
  QApplication::setActiveWindow(&F());
  QCoreApplication::processEvents();
  if (!F().isActiveWindow()) GTEST_SKIP() << "the window cannot take the focus here";
  x->setFocus();
  TypeText(x, "0.312345678912345");
  EXPECT_EQ(x->cursorPosition(), x->Text().size());
  EXPECT_EQ(x->toolTip(), x->Text());
  EXPECT_TRUE(x->ShowsWholeText());
  Box(0)->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(x->cursorPosition(), 0);
  x->grab();
  EXPECT_LT(CursorLeft(x), 4);
  Vigas::NumDigitos = 4;
}

// Every case at 12 digits in the narrowest window: every box shows its whole
// number, also those it is too narrow for at its own font.
TEST_F(BoxesSliderTest, EveryCaseShowsWholeNumbersAtTwelveDigitsInTheNarrowestWindow) {
  Vigas::NumDigitos = 12;
  F().resize(980, 600);
  QCoreApplication::processEvents();
  int narrow = 0;
  for (int code : mainwin_test::AllCodes()) {
    EXPECT_TRUE(CalculateTypicalCase(code)) << code;
    for (int r = 0; r < 15; ++r) {
      if (!Shown(r)) continue;
      EXPECT_TRUE(Box(r)->ShowsWholeText()) << code << ": " << Text(r).toStdString();
      narrow += !Box(r)->TextFits();
    }
  }
  EXPECT_GT(narrow, 50);
  Vigas::NumDigitos = 4;
}

TEST_F(BoxesSliderTest, EnterMovesOnAndEnteringABoxSelectsItsText) {
  ChooseCase(100);
  F().activateWindow();
  QApplication::setActiveWindow(&F());
  QCoreApplication::processEvents();
  if (!F().isActiveWindow()) GTEST_SKIP() << "the window cannot take the focus here";

  Enter(1, "12.5");
  Box(0)->setFocus();
  Key(Box(0), Qt::Key_Return, "\r");
  QCoreApplication::processEvents();
  EXPECT_TRUE(Box(1)->hasFocus());
  EXPECT_EQ(Box(1)->selectedText(), "12.5");  // typing replaces it
  TypeText(Box(1), "3");
  EXPECT_EQ(Text(1), "3");
  // Row 3 is empty in this case: Enter in row 2 stays there.
  Box(2)->setFocus();
  Key(Box(2), Qt::Key_Return, "\r");
  EXPECT_TRUE(Box(2)->hasFocus());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(BoxesSliderTest, AnEditEmptiesTheResultsAndMovesTheThumbForPositionAndLength) {
  SetUpBeam(100, {{"EI", "1"}, {"L", "4"}, {"W0", "1"}, {"X", "1"}});
  ASSERT_TRUE(GraphAndReportOn());
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.25);
  double kept[Vigas::kNumSlots];
  std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), kept);

  Enter(0, "2");
  EXPECT_FALSE(GraphAndReportOn());
  EXPECT_EQ(F().ImgINF[1]->Picture().toImage(), F().ImgWARE[0]->Picture().toImage());
  for (int r = 6; r < 15; ++r) {
    EXPECT_EQ(Text(r), "") << r;
    EXPECT_EQ(Shown(r), r != 11) << r;  // emptied, still in place
  }
  EXPECT_EQ(std::memcmp(kept, Vigas::Datos, sizeof kept), 0);
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.25);

  Enter(5, "3");
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.75);
  Enter(1, "6");
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.5);
  // Beyond the beam: the thumb's left edge goes to the middle.
  Enter(5, "7");
  EXPECT_DOUBLE_EQ(F().ImgSLD[1]->Left(), (F().LinSLD[1]->X1() + F().LinSLD[1]->X2()) / 2);

  // The overhang length counts on the scale.
  SetUpBeam(500, {{"EI", "1"}, {"L", "3"}, {"W0", "1"}, {"#a", "1"}, {"X", "2"}});
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.5);
  Enter(3, "5");
  EXPECT_DOUBLE_EQ(ThumbFraction(), 0.25);
  EXPECT_DOUBLE_EQ(F().GetXtraLONG_R(), 5);
  Enter(3, "-1");
  EXPECT_EQ(F().GetXtraLONG_R(), Vigas::SinValor);
}

TEST_F(BoxesSliderTest, DraggingTheThumbRecalculatesWithoutMessages) {
  SetUpBeam(100, {{"EI", "1"}, {"L", "4"}, {"W0", "1"}, {"X", "1"}});
  const int t = 1;
  const double track = F().LinSLD[t]->X2() - F().LinSLD[t]->X1();
  QStringList moments;
  platform::ImageControl* thumb = F().ImgSLD[t];
  const QPointF start = thumb->mapToGlobal(mainwin_test::Centre(thumb));
  mainwin_test::SendMouseAt(thumb, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(F().Arrastrando);
  for (int step = 1; step <= 4; ++step) {
    mainwin_test::SendMouseAt(thumb, QEvent::MouseMove, start + QPointF(track * 0.1 * step, 0),
                              Qt::NoButton, Qt::LeftButton);
    // x follows the thumb with five significant digits and the case is solved.
    const double v = 4 * ThumbFraction();
    EXPECT_EQ(Text(5).toStdString(), Vigas::FormatoNumero(v, 5));
    EXPECT_TRUE(GraphAndReportOn());
    moments << Text(RowOf("M"));
  }
  mainwin_test::SendMouseAt(thumb, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(F().Arrastrando);
  EXPECT_EQ(moments.removeDuplicates(), 0);  // the results followed every step

  // Past the right end: the thumb's centre stops at the end, x is L.
  DragThumb(2 * track, 3);
  EXPECT_DOUBLE_EQ(ThumbFraction(), 1);
  EXPECT_EQ(Text(5), "4");
  EXPECT_EQ(Vigas::Datos[Slot::x], 4);
  EXPECT_EQ(Text(RowOf("M")), "0");
  // Past the left end: 0.
  DragThumb(-2 * track, 2);
  EXPECT_EQ(Text(5), "0");
  EXPECT_TRUE(messages_.messages.empty());

  // With an overhang the end of the track is L + a.
  SetUpBeam(501, {{"EI", "1"}, {"L", "3"}, {"W0", "1"}, {"#a", "1.5"}, {"X", "1"}});
  DragThumb(2 * track, 2);
  EXPECT_EQ(Text(5), "4.5");
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(BoxesSliderTest, ADragOverBadInputsShowsNoMessageAndNoResults) {
  SetUpBeam(100, {{"EI", "1"}, {"L", "4"}, {"W0", "1"}, {"X", "1"}});
  const double track = F().LinSLD[1]->X2() - F().LinSLD[1]->X1();
  Enter(2, "1/0");
  DragThumb(track * 0.3, 3);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_FALSE(GraphAndReportOn());
  EXPECT_EQ(Vigas::FlagError, 1);
  for (int r = 6; r < 15; ++r) EXPECT_FALSE(Shown(r)) << r;
  EXPECT_TRUE(CaptionsFollowBoxes());
  EXPECT_NE(Text(5), "1");  // x itself still follows

  // A missing load: the case refuses it, again silently.
  Enter(2, "");
  DragThumb(-track * 0.1, 2);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_TRUE(CaptionsFollowBoxes());

  // Good data again: the rows come back with their captions.
  Enter(2, "2");
  DragThumb(-track * 0.1, 1);
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_TRUE(Shown(RowOf("Mmax")));
  EXPECT_TRUE(CaptionsFollowBoxes());

  // Without a length the thumb moves but nothing is written or solved.
  Enter(1, "");
  const QString x = Text(5);
  const double left = F().ImgSLD[1]->Left();
  DragThumb(track * 0.2, 1);
  EXPECT_NE(F().ImgSLD[1]->Left(), left);
  EXPECT_EQ(Text(5), x);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(BoxesSliderTest, ButtonsLookPressedWhileHeldExceptReportAndDisabledOnes) {
  SetUpBeam(100, {{"EI", "1"}, {"L", "4"}, {"W0", "1"}, {"X", "1"}});
  FormMain& f = F();
  struct Button {
    platform::ImageControl* img;
    platform::Label* lbl;
    int x, y;
  };
  for (Button b : {Button{f.ImgCAL[1], f.LblCAL[1], f.XposCAL[1], f.YposCAL[1]},
                   Button{f.ImgDEL[1], f.LblDEL[1], f.XposDEL[1], f.YposDEL[1]},
                   Button{f.ImgGRA[1], f.LblGRA[1], f.XposGRA[1], f.YposGRA[1]}}) {
    EXPECT_EQ(b.img->Left(), b.x);
    SendMouse(b.lbl, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(b.img->Left(), b.x + 1);
    EXPECT_EQ(b.img->Top(), b.y + 1);
    EXPECT_EQ(b.lbl->Left(), b.x + 1);
    EXPECT_EQ(b.lbl->Top(), b.y + 7);
    SendMouse(b.lbl, QEvent::MouseButtonRelease, {3, 3}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(b.img->Top(), b.y);
    EXPECT_EQ(b.lbl->Top(), b.y + 6);
  }
  SendMouse(f.LblINF[1], QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(f.ImgINF[1]->Left(), f.XposINF[1]);
  SendMouse(f.LblINF[1], QEvent::MouseButtonRelease, {500, 3}, Qt::LeftButton, Qt::NoButton);

  Enter(0, "3");  // Graph is off now
  SendMouse(f.LblGRA[1], QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(f.ImgGRA[1]->Left(), f.XposGRA[1]);
  SendMouse(f.LblGRA[1], QEvent::MouseButtonRelease, {3, 3}, Qt::LeftButton, Qt::NoButton);
}

// Case 100 by keyboard alone: Tab to the case list and each box, type, Tab
// on past the rows to Calculate and press Space; the buttons follow the rows.
TEST_F(BoxesSliderTest, CaseHundredIsCalculatedByKeyboardAlone) {
  F().mnu_TIPO_CAL[1]->trigger();
  F().activateWindow();
  QApplication::setActiveWindow(&F());
  QCoreApplication::processEvents();
  if (!F().isActiveWindow()) GTEST_SKIP() << "the window cannot take the focus here";
  // Keys go where the focus is; to the window while nothing has it.
  auto press = [this](int key, const QString& text = QString()) {
    QWidget* focus = QApplication::focusWidget();
    Key(focus ? focus : &F(), key, text);
  };
  std::vector<QWidget*> visited;
  auto tabTo = [&](QWidget* target) {
    for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i) {
      press(Qt::Key_Tab);
      visited.push_back(QApplication::focusWidget());
    }
    return QApplication::focusWidget() == target;
  };
  ASSERT_TRUE(tabTo(F().List1[1]));
  press(Qt::Key_Home);
  ASSERT_EQ(Vigas::CasoCarga[1], 0);
  for (const auto& [key, value] :
       std::map<QString, QString>{{"EI", "20000000"}, {"L", "5"}, {"X", "1"}, {"W0", "10000"}}) {
    ASSERT_TRUE(tabTo(Box(RowOf(key))));
    TypeText(QApplication::focusWidget(), value);
  }
  ASSERT_TRUE(tabTo(F().LblCAL[1]));
  for (int r = 0; r < 15; ++r)  // every row shown came before Calculate
    EXPECT_TRUE(!Box(r)->isVisible() || std::count(visited.begin(), visited.end(), Box(r))) << r;
  const QPoint rest = F().ImgCAL[1]->pos();
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QCoreApplication::sendEvent(F().LblCAL[1], &down);
  EXPECT_EQ(F().ImgCAL[1]->pos(), rest + QPoint(1, 1));  // pressed as by the mouse
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
  QCoreApplication::sendEvent(F().LblCAL[1], &up);
  EXPECT_EQ(F().ImgCAL[1]->pos(), rest);
  ASSERT_TRUE(GraphAndReportOn());
  EXPECT_NEAR(Vigas::Datos[Slot::Ymax], -5 * 10000 * 625 / (384 * 2e7), 1e-9);  // 5wL^4/384EI
  EXPECT_FALSE(Text(RowOf("Ymax")).isEmpty());
}

// Tab goes as a reader meets the page: from the case list through the
// inputs row by row, the buttons as they stand from left to right, then the
// results below them, and round again.
TEST_F(BoxesSliderTest, TabFollowsThePageFromTheCaseListToTheResults) {
  SetUpBeam(100, {{"EI", "20000000"}, {"L", "5"}, {"X", "1"}, {"W0", "10000"}});
  if (!qt_test::ShowActive(&F())) GTEST_SKIP() << "no window takes the focus here";
  const int t = Tab();
  // EI, L, w0, then x below w0; y, ymax, V; M, Mmax; theta, thetaA, thetaB.
  std::vector<QWidget*> expected;
  for (int r : {0, 1, 2, 5}) expected.push_back(Box(r));
  for (QWidget* b : {F().LblGRA[t], F().LblINF[t], F().LblCAL[t], F().LblDEL[t]})
    expected.push_back(b);
  for (int r : {6, 7, 8, 9, 10, 12, 13, 14}) expected.push_back(Box(r));
  expected.push_back(F().List1[t]);
  F().List1[t]->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> visited;
  for (size_t i = 0; i < expected.size(); ++i) {
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
