#include "platform/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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
}  // namespace

void RedirectSettings(const QString& folder) {
  RedirectFolder() = folder;
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
  QSettings s(StoreFile(appName), QSettings::IniFormat);
  const QVariant v = s.value(section + "/" + key);
  return v.isValid() ? v.toString() : defaultValue;
}

void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
  QSettings s(StoreFile(appName), QSettings::IniFormat);
  s.setValue(section + "/" + key, value);
  s.sync();
}

}  // namespace platform
