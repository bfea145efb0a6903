// The windows' control widgets: fractional geometry, own visibility, picture
// sizes, lines, and the key hooks of the value boxes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/Controls.h"

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

}  // namespace
}  // namespace platform
