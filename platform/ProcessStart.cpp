#include "platform/ProcessStart.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

namespace {
ProgramStarter& Starter() {
  static ProgramStarter starter;
  return starter;
}
}  // namespace

bool StartProgram(const QString& program, const QStringList& arguments) {
  if (Starter()) return Starter()(program, arguments);
  if (!QFileInfo(program).isExecutable()) return false;
  return QProcess::startDetached(program, arguments);
}

ProgramStarter SetProgramStarter(ProgramStarter starter) {
  ProgramStarter old = std::move(Starter());
  Starter() = std::move(starter);
  return old;
}

}  // namespace platform
