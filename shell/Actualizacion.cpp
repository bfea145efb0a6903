#include "shell/Actualizacion.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/NumberText.h"
#include "platform/Download.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/ShellOpen.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "platform/WholeFile.h"
#include "shell/AjustesUsuario.h"

namespace Actualizacion {

bool HayActualizacion = false;
QString URLActualizacion;
QString VersionNueva;

namespace {
struct Waiter {
  QPointer<QObject> context;
  bool hasContext = false;
  CheckDone done;
};

// The check under way: its download and who waits for its result.
struct RunningCheck {
  platform::Download* download = nullptr;
  bool forced = false;
  std::vector<Waiter> waiters;
  std::unique_ptr<platform::BusyCursor> busy;
};

std::unique_ptr<RunningCheck>& Running() {
  static std::unique_ptr<RunningCheck> running;
  return running;
}

// An automatic check that failed is not repeated in the same run: a server
// that keeps failing would otherwise be asked at every activation.
bool automaticFailed = false;
// When the server answered in this run but the settings could not keep the
// date: the period restarts all the same, or every activation would ask
// again and tell again that the date cannot be saved.
double answeredAt = 0;

void Tell(Waiter& waiter, const CheckResult& result) {
  if (!waiter.done || (waiter.hasContext && !waiter.context)) return;
  waiter.done(result);
}

void Tell(const CheckDone& done, QObject* context, CheckOutcome outcome) {
  Waiter waiter{context, context != nullptr, done};
  Tell(waiter, CheckResult{outcome, QString()});
}

// A version part: a leading whole number 0..999 ("003" is 3); false when the
// piece does not start with a number or the number is out of range.
bool VersionPart(const QString& piece, int& value) {
  const QString s = platform::TrimSpaces(piece);
  int i = 0;
  if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) ++i;
  if (i >= s.size() || s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9')) return false;
  double v = 0;
  if (!Vigas::LeadingValue(s.toStdString(), v)) return false;
  v = std::nearbyint(v);
  if (!(v >= 0 && v <= 999)) return false;
  value = static_cast<int>(v);
  return true;
}

// What a version file just downloaded says, as the result of the check.
CheckResult Judge(const QByteArray& body) {
  QString version, url;
  switch (LeerArchivoVersion(platform::DecodeWindows1252(body), shell::ProgramVersion(), version,
                             url)) {
    case VersionFileContent::Unreadable:
      return {CheckOutcome::Failed,
              QStringLiteral("The version file from the server cannot be read.")};
    case VersionFileContent::NotNewer:
      return {CheckOutcome::UpToDate, QString()};
    case VersionFileContent::Newer:
      URLActualizacion = url;
      VersionNueva = version;
      HayActualizacion = true;
      return {CheckOutcome::NewerVersion, QString()};
  }
  return {};
}

CheckResult Conclude(const platform::DownloadOutcome& download, bool forced) {
  if (download.kind != platform::DownloadOutcome::Received)
    return {CheckOutcome::Failed, download.detail};
  if (download.body.isEmpty())
    return {CheckOutcome::Failed, QStringLiteral("The server sent an empty version file.")};
  // Any answer at all restarts the period.
  const double now = DateSerialNow();
  if (!AjustesUsuario::GuardarUltimaConexion(DateSerialText(now), forced)) answeredAt = now;
  // Kept in the user's private folder only, and never read back: what is
  // judged is what was just downloaded.
  const platform::FolderCheck folder = platform::PrepareCarpetaTemp();
  if (!folder.ok())
    return {CheckOutcome::Failed,
            platform::PrivateFolderMessage(folder, platform::FolderUse::UpdateCheck)};
  const QString path = ArchivoVersion();
  const platform::WriteResult written = platform::WriteWholeFile(path, download.body);
  if (!written)
    return {CheckOutcome::Failed, QStringLiteral("The version file cannot be written: ") + path +
                                      QStringLiteral(" (") + written.reason + QLatin1Char(')')};
  return Judge(download.body);
}

void Finish(const platform::DownloadOutcome& download) {
  std::unique_ptr<RunningCheck> check = std::move(Running());
  if (!check) return;
  check->download->deleteLater();
  const CheckResult result = Conclude(download, check->forced);
  if (result.outcome == CheckOutcome::Failed && !check->forced) automaticFailed = true;
  check->busy.reset();
  for (Waiter& waiter : check->waiters) Tell(waiter, result);
}
}  // namespace

QString UpdateEndpoint() {
  return shell::Addresses().updateScript;
}

QString ArchivoVersion() {
  return platform::CarpetaTemp() + QStringLiteral("/outfile") + shell::kProgramName +
         QStringLiteral("_UPDT.dat");
}

double DateSerialNow() {
  const QDateTime now = QDateTime::currentDateTime();
  static const QDate kEpoch(1899, 12, 30);
  return static_cast<double>(kEpoch.daysTo(now.date())) +
         now.time().msecsSinceStartOfDay() / 86400000.0;
}

QString DateSerialText(double serial) {
  QString s = QString::fromStdString(Vigas::ShortestText(serial));
  if (s.startsWith(QLatin1Char('.'))) s.prepend(QLatin1Char('0'));
  if (s.startsWith(QLatin1String("-."))) s.insert(1, QLatin1Char('0'));
  return s;
}

int VersionNumber(const shell::AppVersion& v) {
  return v.major * 1000000 + v.minor * 1000 + v.revision;
}

VersionFileContent LeerArchivoVersion(const QString& text, const shell::AppVersion& own,
                                      QString& version, QString& url) {
  const QString verKey = shell::kProgramName + QStringLiteral("_VER=");
  const QString urlKey = shell::kProgramName + QStringLiteral("_URL=");

  int at = text.indexOf(verKey);
  if (at < 0) return VersionFileContent::Unreadable;
  QString s = text.mid(at + verKey.size());
  int semi = s.indexOf(QLatin1Char(';'));
  if (semi <= 0) return VersionFileContent::Unreadable;
  s = s.left(semi);

  const QStringList parts = s.split(QLatin1Char('.'));
  if (parts.size() < 3) return VersionFileContent::Unreadable;
  // The revision runs to the ";": "1.2.3.4" reads its leading "3".
  shell::AppVersion remote;
  if (!VersionPart(parts[0], remote.major) || !VersionPart(parts[1], remote.minor) ||
      !VersionPart(s.section(QLatin1Char('.'), 2), remote.revision))
    return VersionFileContent::Unreadable;
  if (VersionNumber(remote) <= VersionNumber(own)) return VersionFileContent::NotNewer;

  at = text.indexOf(urlKey);
  if (at < 0) return VersionFileContent::Unreadable;
  s = text.mid(at + urlKey.size());
  semi = s.indexOf(QLatin1Char(';'));
  if (semi < 0) return VersionFileContent::Unreadable;
  url = s.left(semi);
  version = shell::VersionText(remote);
  return VersionFileContent::Newer;
}

void ComprobarActualizacion(bool Forzar, CheckDone done, QObject* context) {
  if (RunningCheck* check = Running().get()) {
    // A check on demand takes the result of the one under way.
    if (Forzar && !check->forced) {
      check->forced = true;
      check->busy = std::make_unique<platform::BusyCursor>();
      check->waiters.push_back({context, context != nullptr, std::move(done)});
      return;
    }
    Tell(done, context, CheckOutcome::AlreadyRunning);
    return;
  }

  HayActualizacion = false;
  URLActualizacion.clear();
  VersionNueva.clear();

  const QString endpoint = UpdateEndpoint();
  if (endpoint.isEmpty()) {
    Tell(done, context, CheckOutcome::NotConfigured);
    return;
  }
  const double now = DateSerialNow();
  const double last = std::max(AjustesUsuario::UltimaConexion(now), answeredAt);
  if (!Forzar && (automaticFailed || now - last < AjustesUsuario::PeriodoActualizacion())) {
    Tell(done, context, CheckOutcome::NotDue);
    return;
  }

  const QString request = endpoint + QStringLiteral("?rand=") + DateSerialText(now) +
                          QStringLiteral("&idprod=") + shell::kProgramName;
  auto check = std::make_unique<RunningCheck>();
  check->forced = Forzar;
  if (Forzar) check->busy = std::make_unique<platform::BusyCursor>();
  check->waiters.push_back({context, context != nullptr, std::move(done)});
  RunningCheck* started = check.get();
  Running() = std::move(check);
  started->download = new platform::Download(
      request, [](const platform::DownloadOutcome& outcome) { Finish(outcome); },
      QCoreApplication::instance());
}

platform::Download* RunningDownload() {
  return Running() ? Running()->download : nullptr;
}

void Reset() {
  if (std::unique_ptr<RunningCheck> check = std::move(Running())) {
    check->download->Cancel();
    check->download->deleteLater();
  }
  automaticFailed = false;
  answeredAt = 0;
  HayActualizacion = false;
  URLActualizacion.clear();
  VersionNueva.clear();
}

void AbrirURL(const QString& URL) {
  if (!platform::ShellOpen(URL))
    platform::MsgBox(QStringLiteral("Sorry, cannot connect.\r\n") + URL, shell::kProgramName,
                     platform::MsgIcon::Exclamation);
}

}  // namespace Actualizacion
