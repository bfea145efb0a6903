#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/Program.h"

namespace platform {

namespace {
ShellOpener& Opener() {
  static ShellOpener opener;
  return opener;
}

bool DesktopOpen(const QString& target) {
  if (target.trimmed().isEmpty() || Sandboxed()) return false;
  const QUrl asUrl(target, QUrl::StrictMode);
  const QString scheme = asUrl.scheme().toLower();
  // A one-letter scheme is a drive letter, not an address.
  if (asUrl.isValid() && scheme.size() > 1) {
    if (scheme == QLatin1String("file") && !QFileInfo::exists(asUrl.toLocalFile())) return false;
    return QDesktopServices::openUrl(asUrl);
  }
  const QFileInfo file(target);
  if (!file.exists()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
}  // namespace

bool ShellOpen(const QString& target) {
  if (Opener()) {
    ShellOpener opener = Opener();
    return opener(target);
  }
  return DesktopOpen(target);
}

ShellOpener SetShellOpener(ShellOpener opener) {
  ShellOpener old = std::move(Opener());
  Opener() = std::move(opener);
  return old;
}

}  // namespace platform
