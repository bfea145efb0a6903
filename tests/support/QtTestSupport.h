// Shared by the widget tests: where the source tree and the build folder are,
// running the event loop, and mouse and key input sent as a user would.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <functional>

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

// Lets the event loop run (timers included) for a while.
inline void RunEvents(int ms) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (clock.elapsed() < ms);
}

// Runs the event loop until the condition holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

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

}  // namespace qt_test
