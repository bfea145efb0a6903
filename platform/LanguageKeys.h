// The keys of each language file as the program ships it: what its windows
// ask for. The build writes them from lang/*.lmo, so the list follows the
// files as they change.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Upper-cased and trimmed, in file order; empty for a prefix not shipped.
QStringList ShippedLanguageKeys(const QString& prefix);

}  // namespace platform
