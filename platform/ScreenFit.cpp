#include "platform/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {
// Room for a title bar and borders of the common window managers, in device
// pixels: a frame does not grow with the program's own scale factor, so it is
// at most this many of the window's (logical) pixels.
constexpr QMargins kExpectedFrame(6, 38, 6, 6);

int Centred(int start, int room, int length) {
  return start + std::max(0, (room - length) / 2);
}
}  // namespace

QRect FitInside(const QRect& available, QSize wanted, QSize minimum, const QMargins& frame) {
  const int roomW = available.width() - frame.left() - frame.right();
  const int roomH = available.height() - frame.top() - frame.bottom();
  const int w = std::max(minimum.width(), std::min(wanted.width(), roomW));
  const int h = std::max(minimum.height(), std::min(wanted.height(), roomH));
  const int outerW = w + frame.left() + frame.right();
  const int outerH = h + frame.top() + frame.bottom();
  const int x = Centred(available.left(), available.width(), outerW);
  const int y = Centred(available.top(), available.height(), outerH);
  return QRect(x + frame.left(), y + frame.top(), w, h);
}

QMargins FrameMargins(const QWidget* window) {
  if (window->isVisible()) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins real(client.left() - frame.left(), client.top() - frame.top(),
                        frame.right() - client.right(), frame.bottom() - client.bottom());
    if (real.top() > 0) return real;
  }
  return kExpectedFrame;
}

namespace {
// The window's smallest outer size, and the inside size that leaves with a
// frame; it sets the window's own minimum whenever the frame may have
// changed, so that the window manager offers no smaller size.
class OuterMinimum : public QObject {
 public:
  OuterMinimum(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {
    setObjectName(kName);
    window->installEventFilter(this);
  }
  static constexpr const char* kName = "OuterMinimum";
  static OuterMinimum* Of(const QWidget* window) {
    return window->findChild<OuterMinimum*>(kName, Qt::FindDirectChildrenOnly);
  }
  void SetOuter(QSize outer) { outer_ = outer; }
  QSize Inside(const QMargins& frame) const {
    return QSize(std::max(1, outer_.width() - frame.left() - frame.right()),
                 std::max(1, outer_.height() - frame.top() - frame.bottom()));
  }
  void Apply() {
    const QSize inside = Inside(FrameMargins(window_));
    if (window_->minimumSize() != inside) window_->setMinimumSize(inside);
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show || e->type() == QEvent::Move || e->type() == QEvent::Resize)
      Apply();
    return false;
  }

 private:
  QWidget* window_;
  QSize outer_;
};

void Place(QWidget* window, QSize wanted) {
  const QScreen* screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) {
    window->resize(wanted);
    return;
  }
  const QMargins frame = FrameMargins(window);
  const OuterMinimum* least = OuterMinimum::Of(window);
  const QSize minimum = least ? least->Inside(frame) : window->minimumSize();
  if (least) window->setMinimumSize(minimum);
  const QRect client = FitInside(screen->availableGeometry(), wanted, minimum, frame);
  window->resize(client.size());
  // A window's position is that of its frame.
  if (!window->parentWidget()) window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

// The window manager's frame is known only once the window shows; when it is
// larger than the room kept for it, the window is placed once more.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget* window, QSize wanted) : QObject(window), window_(window), wanted_(wanted) {
    setObjectName(kName);
    window->installEventFilter(this);
  }
  static constexpr const char* kName = "FrameWatch";
  void SetWanted(QSize wanted) { wanted_ = wanted; }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    const bool placed = e->type() == QEvent::Move || e->type() == QEvent::Resize;
    if (!placed || !window_->isVisible() || window_->frameGeometry() == window_->geometry())
      return false;
    window_->removeEventFilter(this);
    const QScreen* screen = window_->screen();
    if (screen && !screen->availableGeometry().contains(window_->frameGeometry()))
      Place(window_, wanted_);
    deleteLater();
    return false;
  }

 private:
  QWidget* window_;
  QSize wanted_;
};
}  // namespace

void FitToScreen(QWidget* window, QSize wanted) {
  Place(window, wanted);
  if (window->parentWidget() || window->isVisible()) return;
  if (QObject* watch = window->findChild<QObject*>(FrameWatch::kName, Qt::FindDirectChildrenOnly))
    static_cast<FrameWatch*>(watch)->SetWanted(wanted);
  else
    new FrameWatch(window, wanted);
}

void ResizeOuter(QWidget* window, QSize outer) {
  const QMargins frame = FrameMargins(window);
  window->resize(std::max(1, outer.width() - frame.left() - frame.right()),
                 std::max(1, outer.height() - frame.top() - frame.bottom()));
}

void KeepOuterMinimum(QWidget* window, QSize outer) {
  OuterMinimum* least = OuterMinimum::Of(window);
  if (least)
    least->SetOuter(outer);
  else
    least = new OuterMinimum(window, outer);
  least->Apply();
  // Set back when the window manager has made it smaller all the same.
  const QSize inside = window->minimumSize();
  if (window->width() < inside.width() || window->height() < inside.height())
    window->resize(window->size().expandedTo(inside));
}

}  // namespace platform
