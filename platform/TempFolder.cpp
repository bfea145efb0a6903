#include "platform/TempFolder.h"

#include <QDir>

namespace platform {

namespace {
QString& Override() {
  static QString folder;
  return folder;
}

QString WithoutTrailingSeparator(QString f) {
  while (f.size() > 1 && (f.endsWith('/') || f.endsWith('\\'))) f.chop(1);
  return f;
}
}  // namespace

QString CarpetaTemp() {
  if (!Override().isEmpty()) return Override();
  return WithoutTrailingSeparator(QDir::tempPath());
}

void SetCarpetaTemp(const QString& folder) {
  Override() = WithoutTrailingSeparator(folder);
}

}  // namespace platform
