// Mouse-wheel scrolling of the results table: one small step per wheel event.
#include <QWheelEvent>

#include "TableTestSupport.h"
#include "output/FormTabla.h"
#include "output/Wheel.h"

using output_test::OutputTest;

namespace {
// A vertical wheel turn over the widget, passed up to its parents while
// each ignores it, as the application passes on a wheel turn of the mouse.
void Turn(QWidget* over, int delta) {
  const QPoint global = over->mapToGlobal(QPoint(over->width() / 2, over->height() / 2));
  for (QWidget* w = over; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    QWheelEvent e(w->mapFromGlobal(QPointF(global)), QPointF(global), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
    if (e.isAccepted()) break;
  }
}

// Counts the wheel events that reach the window's own handling.
class WheelCounter : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Wheel) ++count;
    return false;
  }
};

using WheelTest = OutputTest;
}  // namespace

TEST_F(WheelTest, EachEventMovesOneStepWithinTheRange) {
  FormTabla w;
  w.show();
  qt_test::ProcessEvents();
  ASSERT_TRUE(w.VScroll1->isVisible());
  WheelCounter reached;
  w.installEventFilter(&reached);
  const int top = w.VScroll1->Min(), bottom = w.VScroll1->Max();
  ASSERT_LT(bottom, top);

  Turn(w.PicTab, 120);  // already at the top
  EXPECT_EQ(w.VScroll1->Value(), top);
  Turn(w.PicTab, -120);
  EXPECT_EQ(w.VScroll1->Value(), top - 16);
  EXPECT_EQ(w.PicTab->y(), top - 16);
  Turn(w.PicCab, 240);  // two notches in one event: still one step
  EXPECT_EQ(w.VScroll1->Value(), top);
  Turn(w.VScroll1, -360);  // over the bar itself: the same single step
  EXPECT_EQ(w.VScroll1->Value(), top - 16);
  for (int i = 0; i < 100; ++i) Turn(w.PicTab, -120);
  EXPECT_EQ(w.VScroll1->Value(), bottom);
  EXPECT_EQ(w.PicTab->y() + w.PicTab->height(), w.PicG->height() - 4);
  EXPECT_EQ(reached.count, 104);

  // Table fits: no scrolling, but the events still reach the window.
  w.resize(w.width(), 1300);
  qt_test::ProcessEvents();
  ASSERT_TRUE(w.VScroll1->isHidden());
  const int y = w.PicTab->y();
  Turn(w.PicTab, -120);
  EXPECT_EQ(w.PicTab->y(), y);
  EXPECT_EQ(reached.count, 105);
  w.removeEventFilter(&reached);
}

TEST_F(WheelTest, OneWindowHookedAtATime) {
  QWidget first, second;
  int firstCalls = 0, secondCalls = 0, lastRotation = 0;
  Wheel::Hook(first, [&](int32_t, int32_t r, int32_t, int32_t) {
    ++firstCalls;
    lastRotation = r;
  });
  Wheel::Hook(second, [&](int32_t, int32_t, int32_t, int32_t) { ++secondCalls; });
  EXPECT_TRUE(Wheel::WheelHooked);
  EXPECT_EQ(Wheel::WheelForm, &first);
  Turn(&first, -240);
  Turn(&second, 120);
  EXPECT_EQ(firstCalls, 1);
  EXPECT_EQ(lastRotation, -240);
  EXPECT_EQ(secondCalls, 0);
  Wheel::Unhook();
  EXPECT_FALSE(Wheel::WheelHooked);
  Turn(&first, 120);
  EXPECT_EQ(firstCalls, 1);

  // The table window hooks itself and unhooks when it closes.
  {
    FormTabla w;
    EXPECT_EQ(Wheel::WheelForm, &w);
    w.show();
    w.close();
    EXPECT_FALSE(Wheel::WheelHooked);
  }
  {
    FormTabla again;
    EXPECT_EQ(Wheel::WheelForm, &again);
  }
  EXPECT_FALSE(Wheel::WheelHooked);
}
