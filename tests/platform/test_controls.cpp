// The windows' control widgets: fractional geometry, own visibility, picture
// sizes, lines, and the key hooks of the value boxes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>

#include "platform/Controls.h"
#include "platform/ScreenFit.h"

namespace platform {
namespace {

TEST(Controls, GeometryKeepsHalvesAndRoundsEdgesOnScreen) {
  QWidget parent;
  Label l(&parent);
  l.Move(10.5, 3, 20.5, 18);
  EXPECT_DOUBLE_EQ(l.Left(), 10.5);
  EXPECT_DOUBLE_EQ(l.Width(), 20.5);
  // Edges 10.5 and 31 on screen: 11 .. 31.
  EXPECT_EQ(l.geometry(), QRect(11, 3, 20, 18));

  // Visibility is the control's own, even inside a hidden container.
  Panel page(&parent);
  page.SetVisible(false);
  TextBox box(&page);
  box.SetVisible(true);
  EXPECT_TRUE(box.Visible());
  EXPECT_FALSE(box.isVisible());
  box.SetLocked(true);
  EXPECT_TRUE(box.Locked());
  EXPECT_TRUE(box.isReadOnly());
}

TEST(Controls, ImagesTakeTheirPicturesSizeAndLinesTheirEnds) {
  QWidget parent;
  ImageControl img(&parent);
  img.Move(5, 6, 33, 16);
  QPixmap pic(41, 24);
  pic.fill(Qt::blue);
  img.SetPicture(pic);
  EXPECT_EQ(img.Width(), 41);
  EXPECT_EQ(img.Height(), 24);
  EXPECT_EQ(img.Left(), 5);

  LineControl line(&parent);
  line.SetLine(449, 210, 10, 210);
  EXPECT_DOUBLE_EQ(line.X1(), 449);
  EXPECT_DOUBLE_EQ(line.X2(), 10);
  EXPECT_EQ(line.geometry(), QRect(10, 210, 440, 1));
}

TEST(Controls, KeyHookMayDiscardATypedCharacter) {
  TextBox box(nullptr);
  QObject::connect(&box, &TextBox::keyPress, [](int* code) {
    if (*code == 'x' || *code == 13) *code = 0;
  });
  int enterDown = 0;
  QObject::connect(&box, &TextBox::keyDown, [&](int code, int) { enterDown += code == 13; });
  for (auto [key, text] : {std::pair{Qt::Key_1, "1"}, std::pair{Qt::Key_X, "x"},
                           std::pair{Qt::Key_2, "2"}, std::pair{Qt::Key_Return, "\r"}}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QCoreApplication::sendEvent(&box, &e);
  }
  EXPECT_EQ(box.Text(), "12");
  EXPECT_EQ(enterDown, 1);
}

// Every window's image buttons are this caption: the hand pointer, buttons
// coded 1, 2 and 4, and Space or Enter pressing it as the left button does.
TEST(Controls, ButtonCaptionTakesTheMouseAndTheKeyboardAlike) {
  QWidget window;
  ButtonCaption caption(&window);
  caption.Move(0, 0, 120, 26);
  caption.SetCaption(QStringLiteral("Calculate"));
  EXPECT_EQ(caption.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(caption.focusPolicy(), Qt::TabFocus);
  QStringList heard;
  QObject::connect(&caption, &Label::mouseDown, [&](int b) { heard << QString("down%1").arg(b); });
  QObject::connect(&caption, &Label::mouseUp, [&](int b) { heard << QString("up%1").arg(b); });
  QObject::connect(&caption, &Label::clicked, [&] { heard << "click"; });
  auto send = [&](QEvent::Type type, int key) {
    QKeyEvent e(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&caption, &e);
    return e.isAccepted();
  };
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), b, b, {});
    QCoreApplication::sendEvent(&caption, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), b, {}, {});
    QCoreApplication::sendEvent(&caption, &release);
  }
  EXPECT_EQ(heard.join(' '), "down1 up1 click down2 up2 down4 up4");

  heard.clear();
  for (int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
    send(QEvent::KeyPress, key);
    EXPECT_EQ(heard.last(), "down1");  // down at once, the click when the key comes up
    send(QEvent::KeyRelease, key);
  }
  EXPECT_EQ(heard.join(' '), "down1 up1 click down1 up1 click down1 up1 click");
  // Leaving while held lets the button up without a click; Esc is the window's.
  heard.clear();
  send(QEvent::KeyPress, Qt::Key_Space);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(&caption, &out);
  send(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(heard.join(' '), "down1 up1");
  EXPECT_FALSE(send(QEvent::KeyPress, Qt::Key_Escape));
}

}  // namespace
}  // namespace platform

TEST(ScreenFit, WindowsOpenWhollyInsideTheAvailableArea) {
  const QMargins frame(1, 20, 1, 1);
  const QRect area(0, 30, 1280, 690);  // 1280 x 720 below a 30-pixel panel
  const QRect r = platform::FitInside(area, QSize(1040, 734), QSize(980, 600), frame);
  EXPECT_EQ(r.size(), QSize(1040, 690 - 21));
  EXPECT_TRUE(area.contains(r.marginsAdded(frame)));
  EXPECT_EQ(platform::FitInside(area, QSize(400, 300), QSize(), frame),
            QRect(440, 30 + 184 + 20, 400, 300));  // centred, its own size
  // The minimum wins over the screen; the title bar stays reachable.
  EXPECT_EQ(platform::FitInside(QRect(0, 0, 800, 500), QSize(1040, 734), QSize(980, 600), frame),
            QRect(1, 20, 980, 600));
}
