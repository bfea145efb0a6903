#include "platform/Program.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

namespace platform {

QString ProgramFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  // Before the application object exists the system still knows the executable.
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

BusyCursor::BusyCursor() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    active_ = true;
  }
}

BusyCursor::~BusyCursor() {
  Release();
}

void BusyCursor::Release() {
  if (!active_) return;
  active_ = false;
  if (QCoreApplication::instance()) QGuiApplication::restoreOverrideCursor();
}

namespace {
bool g_sandboxed = false;
}  // namespace

void SetSandboxed(bool sandboxed) {
  g_sandboxed = sandboxed;
}

bool Sandboxed() {
  return g_sandboxed;
}

}  // namespace platform
