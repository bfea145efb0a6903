#include "platform/TempFolder.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>
#include <mutex>
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
// Room for one entry of the account or group database; more is asked for
// when an entry does not fit.
constexpr size_t kEntryRoom = 16384;
constexpr size_t kMostEntryRoom = size_t{1} << 24;

// Runs a reentrant lookup of the account or group database, with more room
// while its entry does not fit, and hands the entry found to `use` while its
// strings still live. False when there is no such entry or the lookup fails.
template <typename Entry, typename Lookup, typename Use>
bool WithEntry(Lookup lookup, Use use) {
  for (std::vector<char> room(kEntryRoom); room.size() <= kMostEntryRoom;
       room.resize(room.size() * 2)) {
    Entry entry;
    Entry* found = nullptr;
    const int error = lookup(&entry, room.data(), room.size(), &found);
    if (error == ERANGE) continue;
    if (error != 0 || found == nullptr) return false;
    use(entry);
    return true;
  }
  return false;
}

class SystemAccountDatabase : public AccountDatabase {
 public:
  bool FindAccount(uid_t uid, QByteArray& name, gid_t& primaryGroup) const override {
    return WithEntry<passwd>(
        [uid](passwd* e, char* room, size_t size, passwd** found) {
          return ::getpwuid_r(uid, e, room, size, found);
        },
        [&](const passwd& e) {
          name = QByteArray(e.pw_name);
          primaryGroup = e.pw_gid;
        });
  }

  bool ListedMembers(gid_t gid, QList<QByteArray>& names) const override {
    return WithEntry<group>(
        [gid](group* e, char* room, size_t size, group** found) {
          return ::getgrgid_r(gid, e, room, size, found);
        },
        [&](const group& e) {
          names.clear();
          for (char** member = e.gr_mem; member != nullptr && *member != nullptr; ++member)
            names << QByteArray(*member);
        });
  }

  bool PrimaryMembers(gid_t gid, std::vector<uid_t>& uids) const override {
    // The walk's position is shared by the whole process.
    static std::mutex walking;
    const std::lock_guard<std::mutex> lock(walking);
    uids.clear();
    std::vector<char> room(kEntryRoom);
    ::setpwent();
    bool complete = false;
    for (;;) {
      passwd entry;
      passwd* found = nullptr;
      const int error = ::getpwent_r(&entry, room.data(), room.size(), &found);
      if (error == ERANGE && room.size() < kMostEntryRoom) {
        room.resize(room.size() * 2);  // the same entry comes again
        continue;
      }
      if (error == ENOENT || (error == 0 && found == nullptr)) {
        complete = true;
        break;
      }
      if (error != 0) break;
      if (entry.pw_gid == gid) uids.push_back(entry.pw_uid);
    }
    ::endpwent();
    return complete;
  }
};

const AccountDatabase*& ChosenAccounts() {
  static const AccountDatabase* accounts = nullptr;
  return accounts;
}

const AccountDatabase& Accounts() {
  static const SystemAccountDatabase system;
  return ChosenAccounts() != nullptr ? *ChosenAccounts() : system;
}

}  // namespace

void SetAccountDatabase(const AccountDatabase* accounts) {
  ChosenAccounts() = accounts;
}

bool GroupHoldsOnlyOwner(gid_t gid, uid_t owner) {
  const AccountDatabase& accounts = Accounts();
  QByteArray name;
  gid_t primary = 0;
  if (!accounts.FindAccount(owner, name, primary) || primary != gid) return false;
  QList<QByteArray> listed;
  if (!accounts.ListedMembers(gid, listed)) return false;
  for (const QByteArray& member : listed)
    if (member != name) return false;
  std::vector<uid_t> primaryMembers;
  if (!accounts.PrimaryMembers(gid, primaryMembers)) return false;
  // A walk that never meets the owner has not seen every account (a
  // directory service that lists only some), so another might hold it too.
  bool ownerMet = false;
  for (const uid_t uid : primaryMembers) {
    if (uid != owner) return false;
    ownerMet = true;
  }
  return ownerMet;
}

namespace {
// Why others may change the folder or link at `path` (None when only the
// administrator or `owner` can); the permissions or the error go to `c`.
ParentFault OthersMayChange(const QByteArray& path, uid_t owner, FolderCheck& c) {
  struct stat st;
  if (::lstat(path.constData(), &st) != 0) {
    // Not there: making the folder below fails and says so.
    if (errno == ENOENT) return ParentFault::None;
    c.parentError = errno;
    return ParentFault::Unchecked;
  }
  if (st.st_uid != 0 && st.st_uid != owner) return ParentFault::ForeignOwner;
  if (S_ISLNK(st.st_mode)) return ParentFault::None;  // where it leads is checked on its own
  if (!S_ISDIR(st.st_mode)) return ParentFault::NotAFolder;
  // With the sticky bit nobody may rename or remove what is not theirs.
  if ((st.st_mode & S_ISVTX) != 0) return ParentFault::None;
  c.parentMode = st.st_mode & 07777;
  if ((st.st_mode & S_IWOTH) != 0) return ParentFault::OthersMayWrite;
  if ((st.st_mode & S_IWGRP) != 0 && !GroupHoldsOnlyOwner(st.st_gid, st.st_uid))
    return ParentFault::GroupMayWrite;
  return ParentFault::None;
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
    const ParentFault why = OthersMayChange(QFile::encodeName(p), owner, c);
    if (why == ParentFault::None) continue;
    c.fault = FolderFault::UnsafeParent;
    c.parent = p;
    c.parentFault = why;
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

namespace {
QString WhyParentUnsafe(const FolderCheck& check) {
  switch (check.parentFault) {
    case ParentFault::None:
      break;
    case ParentFault::Unchecked:
      return PlatformText(QStringLiteral("ParentUnchecked")) + QLatin1Char(' ') +
             SystemWords(check.parentError);
    case ParentFault::ForeignOwner:
      return PlatformText(QStringLiteral("ParentForeign"));
    case ParentFault::NotAFolder:
      return PlatformText(QStringLiteral("ParentNotFolder"));
    case ParentFault::GroupMayWrite:
    case ParentFault::OthersMayWrite:
      return PlatformText(QStringLiteral("ParentOpen"))
          .replace(QStringLiteral("%MODE%"),
                   QStringLiteral("0%1").arg(check.parentMode, 3, 8, QLatin1Char('0')));
  }
  return QString();
}
}  // namespace

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
                 .replace(QStringLiteral("%WHY%"), WhyParentUnsafe(check));
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
