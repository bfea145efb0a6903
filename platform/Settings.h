// The per-user settings store: strings under application name / section / key.
#pragma once

#include <QString>

namespace platform {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);

// A store file that is not a regular file (a pipe would hang the program) or
// is absurdly large is left alone: reading gives the defaults and nothing is
// stored. This says why, in words for a message ("" when the store is fine
// or does not exist yet).
QString SettingsStoreProblem(const QString& appName);
constexpr qint64 kSettingsFileLimit = 1 << 20;

// Tests keep the store in a folder of their own instead of the user's.
void RedirectSettings(const QString& folder);

}  // namespace platform
