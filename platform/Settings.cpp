#include "platform/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "platform/RegularFile.h"

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

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
  const QString file = StoreFile(appName);
  if (!StoreUsable(file)) return;
  QSettings s(file, QSettings::IniFormat);
  s.setValue(section + "/" + key, value);
  s.sync();
}

QString SettingsStoreProblem(const QString& appName) {
  const QString file = StoreFile(appName);
  const FileRefusal refusal = CheckSmallRegularFile(file, kSettingsFileLimit);
  if (refusal == FileRefusal::None || refusal == FileRefusal::Missing) return QString();
  return file + QLatin1Char(' ') + RefusalText(refusal, kSettingsFileLimit);
}

}  // namespace platform
