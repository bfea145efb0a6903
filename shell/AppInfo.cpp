#include "shell/AppInfo.h"

#include <QCoreApplication>

namespace shell {

namespace {
AppVersion& Version() {
  static AppVersion version{1, 0, 0};
  return version;
}

ProgramEnder& Ender() {
  static ProgramEnder ender;
  return ender;
}
}  // namespace

AppVersion ProgramVersion() {
  return Version();
}

void SetProgramVersion(const AppVersion& version) {
  Version() = version;
}

QString VersionText(const AppVersion& v) {
  return QString::number(v.major) + QLatin1Char('.') + QString::number(v.minor) + QLatin1Char('.') +
         QString::number(v.revision);
}

void EndProgram() {
  if (Ender()) {
    ProgramEnder ender = Ender();
    ender();
    return;
  }
  QCoreApplication::exit(0);
}

ProgramEnder SetProgramEnder(ProgramEnder ender) {
  ProgramEnder old = std::move(Ender());
  Ender() = std::move(ender);
  return old;
}

}  // namespace shell
