// Shared by the widget tests: where the source tree and the build folder are,
// running the event loop, timers the test fires, and mouse and key input sent
// as a user would.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <functional>
#include <vector>

namespace qt_test {

// The source tree: two folders up from this file (tests/support/...).
inline QString SourceRoot() {
  QDir d = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
  d.cdUp();
  d.cdUp();
  return d.absolutePath();
}

// Where screenshots go: beside the test program in the build folder.
inline QString BuildFolder() {
  return QCoreApplication::applicationDirPath();
}

// The folder the build writes the program and its data into (pictures,
// manual): the torv program's folder beside the tests' one.
inline QString BuiltProgramFolder() {
  return QDir(BuildFolder() + "/../app").absolutePath();
}

// Writes bytes to a file, creating its folder; false when it cannot.
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The whole file; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The value of an environment variable for the life of the object (a null
// value unsets it).
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~EnvironmentValue() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  EnvironmentValue(const EnvironmentValue&) = delete;
  EnvironmentValue& operator=(const EnvironmentValue&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// Delivers every event already posted (layouts, paints, deleteLater)
// without waiting for anything still to come: a test never waits on the clock.
inline void ProcessEvents() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs the event loop until the condition holds, for what this machine does
// not control: a socket, a process. There is no time limit: however busy the
// machine, the answer comes; a test that truly hangs is ended by ctest's
// timeout. A window's timer is held and fired instead.
inline bool WaitFor(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return true;
}

// Timers held still: while this object lives none of them fires on its own,
// however long the test takes; the test fires one with Fire(), as when its
// interval has passed. Hold a window's timers before the event loop first
// runs after they start.
class HeldTimers : public QObject {
 public:
  // Every timer the object owns (a window's timers), or the one timer.
  explicit HeldTimers(QObject* owner) {
    if (auto* timer = qobject_cast<QTimer*>(owner)) Hold(timer);
    for (QTimer* timer : owner->findChildren<QTimer*>()) Hold(timer);
  }
  ~HeldTimers() override {
    for (const QPointer<QTimer>& timer : timers_)
      if (timer) timer->removeEventFilter(this);
  }
  HeldTimers(const HeldTimers&) = delete;
  HeldTimers& operator=(const HeldTimers&) = delete;

  // One tick of a running timer (a single-shot one stops); false when the
  // timer is not running, so nothing would have fired.
  bool Fire(QTimer* timer) {
    if (!timer->isActive()) return false;
    firing_ = true;
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
    firing_ = false;
    return true;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::Timer && !firing_;
  }

 private:
  void Hold(QTimer* timer) {
    timer->installEventFilter(this);
    timers_.emplace_back(timer);
  }

  std::vector<QPointer<QTimer>> timers_;
  bool firing_ = false;
};

inline QPointF Centre(const QWidget* w) {
  return QPointF(w->width() / 2.0, w->height() / 2.0);
}

inline void SendMouse(QWidget* w, QEvent::Type type, QPointF local, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
  QMouseEvent e(type, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// At the widget's centre with the left button.
inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons) {
  SendMouse(w, type, Centre(w), Qt::LeftButton, buttons);
}

// The same at a screen position, wherever the widget has moved to since.
inline void SendMouseAt(QWidget* w, QEvent::Type type, QPointF global, Qt::MouseButton button,
                        Qt::MouseButtons buttons) {
  QMouseEvent e(type, w->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

inline void Click(QWidget* w, Qt::MouseButton b = Qt::LeftButton) {
  SendMouse(w, QEvent::MouseButtonPress, Centre(w), b, b);
  SendMouse(w, QEvent::MouseButtonRelease, Centre(w), b, Qt::NoButton);
}

// A click near the left edge, where an option button has its round mark.
inline void ClickOption(QWidget* w) {
  const QPointF mark(7, w->height() / 2.0);
  SendMouse(w, QEvent::MouseButtonPress, mark, Qt::LeftButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, mark, Qt::LeftButton, Qt::NoButton);
}

inline void DoubleClick(QWidget* w) {
  Click(w);
  SendMouse(w, QEvent::MouseButtonDblClick, Centre(w), Qt::LeftButton, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, Centre(w), Qt::LeftButton, Qt::NoButton);
}

// One key as the keyboard gives it: key code and the text it types.
inline void Key(QWidget* w, int key, const QString& text = QString(),
                Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QCoreApplication::sendEvent(w, &release);
}

inline void TypeText(QWidget* w, const QString& text) {
  for (QChar c : text) Key(w, c.toUpper().unicode(), QString(c));
}

// A window shown and made the active one, as when the user opens it, so the
// focus lands where the program leaves it. False where the platform lets no
// window take the focus.
inline bool ShowActive(QWidget* w) {
  w->show();
  QApplication::setActiveWindow(w);
  QCoreApplication::processEvents();
  return w->isActiveWindow();
}

// One key where the keyboard sends it: to the focused widget, or to the
// active window while nothing in it has the focus.
inline void KeyAtFocus(int key, const QString& text = QString()) {
  QWidget* at = QApplication::focusWidget();
  if (!at) at = QApplication::activeWindow();
  if (at) Key(at, key, text);
}

}  // namespace qt_test
