// The per-user settings store: strings under application name / section / key.
#pragma once

#include <QString>
#include <vector>

namespace platform {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());

// One value to store.
struct SettingValue {
  QString section;
  QString key;
  QString value;
};

// What became of storing: on failure the store's file and why, in the
// system's words where it gave them.
struct SettingsWrite {
  bool ok = true;
  QString file;
  QString reason;
};

// Stores the values in one write of the store.
SettingsWrite SaveSettings(const QString& appName, const std::vector<SettingValue>& values);
SettingsWrite SaveSetting(const QString& appName, const QString& section, const QString& key,
                          const QString& value);
// The message for the user when a write failed: the file and the cause;
// "" when it was stored. `closing`: the write the program makes as it ends,
// after which the settings are not kept anywhere.
QString SettingsNotSavedMessage(const SettingsWrite& write, bool closing = false);

// A store file that is not a regular file (a pipe would hang the program) or
// is absurdly large is left alone: reading gives the defaults and nothing is
// stored. This says why, in words for a message ("" when the store is fine
// or does not exist yet).
QString SettingsStoreProblem(const QString& appName);
constexpr qint64 kSettingsFileLimit = 1 << 20;

// Tests keep the store in a folder of their own instead of the user's.
void RedirectSettings(const QString& folder);

}  // namespace platform
