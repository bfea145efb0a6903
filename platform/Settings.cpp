#include "platform/Settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/RegularFile.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {
QString& RedirectFolder() {
  static QString folder;
  return folder;
}

QString StoreFile(const QString& appName) {
  QString dir = RedirectFolder();
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(dir).filePath(appName + ".ini");
}

// A store that does not exist yet is fine: the first setting saved makes it.
bool StoreUsable(const QString& file) {
  const FileRefusal refusal = CheckSmallRegularFile(file, kSettingsFileLimit);
  return refusal == FileRefusal::None || refusal == FileRefusal::Missing;
}
}  // namespace

void RedirectSettings(const QString& folder) {
  RedirectFolder() = folder;
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
  const QString file = StoreFile(appName);
  if (!StoreUsable(file)) return defaultValue;
  QSettings s(file, QSettings::IniFormat);
  const QVariant v = s.value(section + "/" + key);
  return v.isValid() ? v.toString() : defaultValue;
}

namespace {
// The settings library says only that its write failed; the folder and the
// file tell why, without writing anything.
QString WhyNotWritten(const QString& file) {
  const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
  struct stat st;
  if (::stat(folder.constData(), &st) != 0) {
    // The library could not make it either: the reason is mkdir's.
    if (::mkdir(folder.constData(), 0700) != 0) return SystemWords(errno);
    ::rmdir(folder.constData());
  }
  if (::access(folder.constData(), W_OK) != 0) return SystemWords(errno);
  const QByteArray name = QFile::encodeName(file);
  if (::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0)
    return SystemWords(errno);
  if (DiskFull(QFile::decodeName(folder))) return SystemWords(ENOSPC);
  return PlatformText(QStringLiteral("SettingsNoReason"));
}
}  // namespace

SettingsWrite SaveSettings(const QString& appName, const std::vector<SettingValue>& values) {
  SettingsWrite w;
  w.file = StoreFile(appName);
  const FileRefusal refusal = CheckSmallRegularFile(w.file, kSettingsFileLimit);
  if (refusal != FileRefusal::None && refusal != FileRefusal::Missing) {
    w.ok = false;
    w.reason =
        QStringLiteral("The file ") + RefusalText(refusal, kSettingsFileLimit) + QLatin1Char('.');
    return w;
  }
  FileStamp before;
  CheckSmallRegularFile(w.file, kSettingsFileLimit, &before);
  QSettings s(w.file, QSettings::IniFormat);
  bool changes = false;
  for (const SettingValue& v : values) {
    const QString key = v.section + "/" + v.key;
    changes = changes || s.value(key) != QVariant(v.value);
    s.setValue(key, v.value);
  }
  s.sync();
  // A store that could not be parsed keeps its status for good, and a
  // failed write does not change it: then the file itself tells.
  bool written = s.status() == QSettings::NoError;
  if (s.status() == QSettings::FormatError) {
    FileStamp after;
    const bool exists =
        CheckSmallRegularFile(w.file, kSettingsFileLimit, &after) == FileRefusal::None;
    written = !changes || (exists && !(after == before));
  }
  if (!written) {
    w.ok = false;
    w.reason = WhyNotWritten(w.file);
  }
  return w;
}

SettingsWrite SaveSetting(const QString& appName, const QString& section, const QString& key,
                          const QString& value) {
  return SaveSettings(appName, {{section, key, value}});
}

QString SettingsNotSavedMessage(const SettingsWrite& write, bool closing) {
  if (write.ok) return QString();
  const QString crlf = QStringLiteral("\r\n");
  return PlatformText(closing ? QStringLiteral("SettingsNotSavedAtClose")
                              : QStringLiteral("SettingsNotSaved")) +
         crlf + QuotedText(write.file) + crlf + AsSentence(write.reason);
}

QString SettingsStoreProblem(const QString& appName) {
  const QString file = StoreFile(appName);
  const FileRefusal refusal = CheckSmallRegularFile(file, kSettingsFileLimit);
  if (refusal == FileRefusal::None || refusal == FileRefusal::Missing) return QString();
  return file + QLatin1Char(' ') + RefusalText(refusal, kSettingsFileLimit);
}

}  // namespace platform
