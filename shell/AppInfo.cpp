#include "shell/AppInfo.h"

#include <QCoreApplication>
#include <QUrl>

#include "shell/BuildSettings.h"

namespace shell {

namespace {
AppVersion& Version() {
  static AppVersion version = BuiltVersion();
  return version;
}

MakerAddresses& CurrentAddresses() {
  static MakerAddresses addresses = BuiltAddresses();
  return addresses;
}

ProgramEnder& Ender() {
  static ProgramEnder ender;
  return ender;
}
}  // namespace

MakerAddresses Addresses() {
  return CurrentAddresses();
}

MakerAddresses BuiltAddresses() {
  return {QStringLiteral(TORV_WEB_PAGE).trimmed(), QStringLiteral(TORV_CONTACT_EMAIL).trimmed(),
          QStringLiteral(TORV_UPDATE_URL).trimmed()};
}

MakerAddresses SetAddresses(const MakerAddresses& addresses) {
  MakerAddresses old = CurrentAddresses();
  CurrentAddresses() = addresses;
  return old;
}

QString WebHost() {
  const QString page = Addresses().homePage;
  const QString host = QUrl(page).host();
  return host.isEmpty() ? page : host;
}

AppVersion ProgramVersion() {
  return Version();
}

AppVersion BuiltVersion() {
  return {TORV_VERSION_MAJOR, TORV_VERSION_MINOR, TORV_VERSION_REVISION};
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
