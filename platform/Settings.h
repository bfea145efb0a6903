// The per-user settings store: strings under application name / section / key.
#pragma once

#include <QString>

namespace platform {

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);

// Tests keep the store in a folder of their own instead of the user's.
void RedirectSettings(const QString& folder);

}  // namespace platform
