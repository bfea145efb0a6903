// The user's temporary folder, where the report and its pictures are written
// and the update check downloads to.
#pragma once

#include <QString>

namespace platform {

// The folder without a trailing "/" or "\": the system's temporary folder
// unless one was set.
QString CarpetaTemp();
// Sets the folder (start-up, or a test's own folder); trailing separators are
// dropped. An empty text goes back to the system's folder.
void SetCarpetaTemp(const QString& folder);

}  // namespace platform
