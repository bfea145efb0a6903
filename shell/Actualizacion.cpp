#include "shell/Actualizacion.h"

#include <QDateTime>
#include <QFile>
#include <cmath>
#include <cstdint>

#include "engine/NumberText.h"
#include "platform/Download.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/Settings.h"
#include "platform/ShellOpen.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "shell/AppInfo.h"

namespace Actualizacion {

bool HayActualizacion = false;
QString URLActualizacion;
QString VersionNueva;

namespace {
QString& EndpointOverride() {
  static QString address;
  return address;
}

const QString kSection = QStringLiteral("CheckUPDATE");

// The leading number of a text, 0 when there is none.
double Val(const QString& text) {
  double v = 0;
  if (!Vigas::LeadingValue(text.toStdString(), v)) return 0;
  return v;
}

// The leading number rounded to a whole number (halves to even); false when
// it does not fit in 32 bits.
bool WholeVal(const QString& text, int32_t& value) {
  double v = 0;
  if (!Vigas::LeadingValue(text.toStdString(), v)) return false;
  v = std::nearbyint(v);
  if (!(v >= INT32_MIN && v <= INT32_MAX)) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t VersionNumber(int64_t major, int64_t minor, int64_t revision) {
  const int64_t n = major * 1000000 + minor * 1000 + revision;
  return n >= INT32_MIN && n <= INT32_MAX ? static_cast<int32_t>(n) : 0;
}

// True while a check runs: the download's event loop may deliver another
// activation of the main window meanwhile.
bool checking = false;
}  // namespace

QString UpdateEndpoint() {
  return EndpointOverride().isEmpty() ? kUpdateEndpoint : EndpointOverride();
}

void SetUpdateEndpoint(const QString& address) {
  EndpointOverride() = address;
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

bool LeerArchivoVersion(const QString& text, int ownNumber, QString& version, QString& url) {
  const QString verKey = shell::kProgramName + QStringLiteral("_VER=");
  const QString urlKey = shell::kProgramName + QStringLiteral("_URL=");

  int at = text.indexOf(verKey);
  if (at < 0) return false;
  QString s = text.mid(at + verKey.size());
  int semi = s.indexOf(QLatin1Char(';'));
  if (semi <= 0) return false;
  s = s.left(semi);

  int dot = s.indexOf(QLatin1Char('.'));
  if (dot < 0) return false;
  int32_t major = 0, minor = 0, revision = 0;
  if (!WholeVal(s.left(dot), major)) return false;
  s = s.mid(dot + 1);
  dot = s.indexOf(QLatin1Char('.'));
  if (dot < 0) return false;
  if (!WholeVal(s.left(dot), minor) || !WholeVal(s.mid(dot + 1), revision)) return false;

  if (VersionNumber(major, minor, revision) <= ownNumber) return false;

  at = text.indexOf(urlKey);
  if (at < 0) return false;
  s = text.mid(at + urlKey.size());
  semi = s.indexOf(QLatin1Char(';'));
  if (semi < 0) return false;
  url = s.left(semi);
  version = QString::number(major) + QLatin1Char('.') + QString::number(minor) + QLatin1Char('.') +
            QString::number(revision);
  return true;
}

void ComprobarActualizacion(bool Forzar) {
  if (checking) return;
  const QString app = shell::kProgramName;

  HayActualizacion = false;
  URLActualizacion.clear();
  VersionNueva.clear();

  const double last =
      Val(platform::GetSetting(app, kSection, QStringLiteral("LAST_OLCON"), QStringLiteral("0")));
  const double period =
      Val(platform::GetSetting(app, kSection, QStringLiteral("PERIOD"), QStringLiteral("7")));
  if (!Forzar && DateSerialNow() - last < period) return;

  const QString request = UpdateEndpoint() + QStringLiteral("?rand=") +
                          DateSerialText(DateSerialNow()) + QStringLiteral("&idprod=") + app;
  // Where the address cannot be reached at all (a headless run), leave the
  // temporary folder alone too.
  if (!platform::DownloadPermitted(request)) return;

  checking = true;
  platform::BusyCursor hourglass;
  struct Done {
    ~Done() { checking = false; }
  } done;

  // A file left by an earlier check must never count.
  const QString path = ArchivoVersion();
  if (QFile::exists(path) && !QFile::remove(path)) return;

  platform::DownloadToFile(request, path);

  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
  if (file.size() == 0) return;
  const QByteArray bytes = file.read(platform::kDownloadSizeLimit + 1);
  // Any answer at all restarts the period.
  platform::SaveSetting(app, kSection, QStringLiteral("LAST_OLCON"),
                        DateSerialText(DateSerialNow()));
  file.close();

  const shell::AppVersion own = shell::ProgramVersion();
  QString version, url;
  if (!LeerArchivoVersion(platform::DecodeWindows1252(bytes),
                          VersionNumber(own.major, own.minor, own.revision), version, url))
    return;
  URLActualizacion = url;
  VersionNueva = version;
  HayActualizacion = true;
}

void AbrirURL(const QString& URL) {
  if (!platform::ShellOpen(URL))
    platform::MsgBox(QStringLiteral("Sorry, cannot connect.\r\n") + URL, shell::kProgramName,
                     platform::MsgIcon::Exclamation);
}

}  // namespace Actualizacion
