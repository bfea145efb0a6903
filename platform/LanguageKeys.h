// The keys of each language file that the program looks up. The build finds
// them in the sources (platform/LanguageKeys.cmake), so the list follows the
// code and the files as they change: a key that the files carry but no
// window asks for is not in it.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Upper-cased and trimmed, in file order; empty for a prefix not shipped.
QStringList LookedUpLanguageKeys(const QString& prefix);

}  // namespace platform
