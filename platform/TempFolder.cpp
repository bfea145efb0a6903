#include "platform/TempFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/WholeFile.h"

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
  return DefaultCarpetaTemp();
}

void SetCarpetaTemp(const QString& folder) {
  Override() = WithoutTrailingSeparator(folder);
}

QString PrivateFolderFor(uid_t uid, const QString& runtimeFolder, const QString& cacheFolder) {
  const QString runtime = WithoutTrailingSeparator(runtimeFolder);
  if (QDir::isAbsolutePath(runtime) && CheckPrivateFolder(runtime, uid).ok())
    return runtime + QStringLiteral("/torv");
  return WithoutTrailingSeparator(cacheFolder) + QStringLiteral("/torv");
}

QString UserCacheFolder() {
  const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (QDir::isAbsolutePath(cache)) return WithoutTrailingSeparator(cache);
  QString home = qEnvironmentVariable("HOME");
  if (!QDir::isAbsolutePath(home)) {
    // Started without a usable HOME: the account's own home folder.
    if (const passwd* account = ::getpwuid(::geteuid())) home = QFile::decodeName(account->pw_dir);
  }
  return WithoutTrailingSeparator(home) + QStringLiteral("/.cache");
}

QString DefaultCarpetaTemp() {
  return PrivateFolderFor(::geteuid(), qEnvironmentVariable("XDG_RUNTIME_DIR"), UserCacheFolder());
}

namespace {
// Why others may change the folder or link at `path` ("" when only the
// administrator or `owner` can).
QString OthersMayChange(const QByteArray& path, uid_t owner) {
  struct stat st;
  if (::lstat(path.constData(), &st) != 0) {
    // Not there: making the folder below fails and says so.
    if (errno == ENOENT) return QString();
    return PlatformText(QStringLiteral("ParentUnchecked")) + QLatin1Char(' ') + SystemWords(errno);
  }
  if (st.st_uid != 0 && st.st_uid != owner) return PlatformText(QStringLiteral("ParentForeign"));
  if (S_ISLNK(st.st_mode)) return QString();  // where it leads is checked on its own
  if (!S_ISDIR(st.st_mode)) return PlatformText(QStringLiteral("ParentNotFolder"));
  if ((st.st_mode & 022) != 0 && (st.st_mode & S_ISVTX) == 0)
    return PlatformText(QStringLiteral("ParentOpen"))
        .replace(QStringLiteral("%MODE%"),
                 QStringLiteral("0%1").arg(st.st_mode & 07777, 3, 8, QLatin1Char('0')));
  return QString();
}

// Every folder above `folder` as written and, where links lead elsewhere,
// every folder above where they lead.
void CheckFoldersAbove(const QString& folder, uid_t owner, FolderCheck& c) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  QStringList above;
  for (QString p = QFileInfo(absolute).path();; p = QFileInfo(p).path()) {
    above.prepend(p);
    if (p == QLatin1String("/") || p.isEmpty()) break;
  }
  const QByteArray parent = QFile::encodeName(QFileInfo(absolute).path());
  if (char* real = ::realpath(parent.constData(), nullptr)) {
    const QString resolved = QFile::decodeName(real);
    ::free(real);
    for (QString p = resolved; !above.contains(p); p = QFileInfo(p).path()) {
      above << p;
      if (p == QLatin1String("/")) break;
    }
  }
  for (const QString& p : above) {
    const QString why = OthersMayChange(QFile::encodeName(p), owner);
    if (why.isEmpty()) continue;
    c.fault = FolderFault::UnsafeParent;
    c.parent = p;
    c.reason = why;
    return;
  }
}
}  // namespace

FolderCheck CheckPrivateFolder(const QString& folder, uid_t owner) {
  FolderCheck c;
  c.folder = folder;
  struct stat st;
  if (folder.isEmpty()) {
    c.fault = FolderFault::Missing;
    c.reason = SystemWords(ENOENT);
  } else if (::lstat(QFile::encodeName(folder).constData(), &st) != 0) {
    c.fault = FolderFault::Missing;
    c.reason = SystemWords(errno);
  } else if (S_ISLNK(st.st_mode)) {
    c.fault = FolderFault::SymbolicLink;
  } else if (!S_ISDIR(st.st_mode)) {
    c.fault = FolderFault::NotAFolder;
  } else if (st.st_uid != owner) {
    c.fault = FolderFault::ForeignOwner;
  } else if ((st.st_mode & 07777) != 0700) {
    c.fault = FolderFault::OpenToOthers;
    c.reason = QStringLiteral("0%1").arg(st.st_mode & 07777, 3, 8, QLatin1Char('0'));
  } else {
    CheckFoldersAbove(folder, owner, c);
  }
  return c;
}

FolderCheck CheckPrivateFolder(const QString& folder) {
  return CheckPrivateFolder(folder, ::geteuid());
}

FolderCheck MakePrivateFolder(const QString& folder) {
  if (!folder.isEmpty()) {
    // Nothing is made where others could swap it.
    FolderCheck above;
    above.folder = folder;
    CheckFoldersAbove(folder, ::geteuid(), above);
    if (!above.ok()) return above;
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) == 0) {
      // A narrow umask must not leave the folder unusable to its owner.
      ::chmod(name.constData(), 0700);
    } else if (errno != EEXIST) {
      FolderCheck c;
      c.fault = FolderFault::Missing;
      c.folder = folder;
      c.reason = SystemWords(errno);
      return c;
    }
  }
  return CheckPrivateFolder(folder);
}

FolderCheck PrepareCarpetaTemp() {
  const QString folder = CarpetaTemp();
  // A new account may have no cache folder yet: it is made private, like
  // the folders above it that are missing. What is there stays as it is.
  QStringList missing;
  for (QString p = QFileInfo(folder).absolutePath(); !QFileInfo::exists(p);) {
    missing.prepend(p);
    const QString up = QFileInfo(p).absolutePath();
    if (up == p) break;
    p = up;
  }
  for (const QString& p : missing) ::mkdir(QFile::encodeName(p).constData(), 0700);
  return MakePrivateFolder(folder);
}

QString PrivateFolderMessage(const FolderCheck& check, FolderUse use) {
  QString what;
  QString remedy = QStringLiteral("FolderRemoveIt");
  switch (check.fault) {
    case FolderFault::None:
      return QString();
    case FolderFault::Missing:
      what = PlatformText(QStringLiteral("FolderMissing")) + QLatin1Char(' ') + check.reason;
      remedy = QStringLiteral("FolderMakeRoom");
      break;
    case FolderFault::SymbolicLink:
      what = PlatformText(QStringLiteral("FolderLink"));
      break;
    case FolderFault::NotAFolder:
      what = PlatformText(QStringLiteral("FolderNotFolder"));
      break;
    case FolderFault::ForeignOwner:
      what = PlatformText(QStringLiteral("FolderForeign"));
      break;
    case FolderFault::OpenToOthers:
      what = PlatformText(QStringLiteral("FolderOpen"))
                 .replace(QStringLiteral("%MODE%"), check.reason);
      remedy = QStringLiteral("FolderMakePrivate");
      break;
    case FolderFault::UnsafeParent:
      what = PlatformText(QStringLiteral("FolderUnsafeParent"))
                 .replace(QStringLiteral("%PARENT%"), QuotedText(check.parent))
                 .replace(QStringLiteral("%WHY%"), check.reason);
      remedy = QStringLiteral("FolderSafeParent");
      break;
  }
  const bool report = use == FolderUse::Report;
  const QString crlf = QStringLiteral("\r\n");
  return PlatformText(QStringLiteral("FolderRefused")) + crlf + QuotedText(check.folder) + crlf +
         what + crlf +
         PlatformText(remedy)
             .replace(QStringLiteral("%FOLDER%"), QuotedText(check.folder))
             .replace(QStringLiteral("%NEXT%"), PlatformText(report ? QStringLiteral("NextReport")
                                                                    : QStringLiteral("NextCheck")))
             .replace(QStringLiteral("%AGAIN%"),
                      PlatformText(report ? QStringLiteral("AgainReport")
                                          : QStringLiteral("AgainCheck")));
}

int RemoveFilesOlderThan(const QString& folder, const QStringList& patterns,
                         const QDateTime& before) {
  std::vector<QRegularExpression> names;
  for (const QString& p : patterns) names.emplace_back(QRegularExpression::anchoredPattern(p));
  const qint64 limit = before.toSecsSinceEpoch();
  int removed = 0;
  const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& entry : entries) {
    bool matches = false;
    for (const QRegularExpression& n : names) matches = matches || n.match(entry).hasMatch();
    if (!matches) continue;
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + entry);
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (st.st_uid != ::geteuid() || st.st_mtime >= limit) continue;
    if (::unlink(path.constData()) == 0) ++removed;
  }
  return removed;
}

}  // namespace platform
