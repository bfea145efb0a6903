// The user's private work folder, where the report and its pictures are
// written and the update check downloads to. Nobody else may read it, write
// it or plant a link in it: it is checked before every use.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// The folder without a trailing "/" or "\": the user's private folder
// (DefaultCarpetaTemp) unless one was set.
QString CarpetaTemp();
// Sets the folder (start-up, or a test's own folder); trailing separators are
// dropped. An empty text goes back to the user's private folder.
void SetCarpetaTemp(const QString& folder);

// "torv" in the user's runtime folder ($XDG_RUNTIME_DIR) when that is a
// private folder of the user's, else "torv" in the user's cache folder. Never
// in the system's shared temporary folder: another user could make the
// folder there first. Not created here.
QString DefaultCarpetaTemp();
// The same for any user: uid, the runtime folder named in that user's
// environment ("" when none) and that user's cache folder.
QString PrivateFolderFor(uid_t uid, const QString& runtimeFolder, const QString& cacheFolder);
// $XDG_CACHE_HOME when it is an absolute path, else ".cache" in the user's
// home folder.
QString UserCacheFolder();

enum class FolderFault {
  None,
  Missing,       // no such folder, or it cannot be made (reason says why)
  SymbolicLink,  // a link, whatever it points to
  NotAFolder,    // a file or other thing of that name
  ForeignOwner,  // belongs to another user
  OpenToOthers,  // permissions other than 0700 (rwx------)
  UnsafeParent,  // a folder above it that someone else may change (parent says which)
};

// Why someone else may change a folder above the work folder.
enum class ParentFault {
  None,
  Unchecked,       // it cannot be examined (parentError says why)
  ForeignOwner,    // belongs to neither the administrator nor the user
  NotAFolder,      // a file or other thing of that name
  GroupMayWrite,   // no sticky bit, and its group, which may write in it, holds someone else
  OthersMayWrite,  // no sticky bit, and anybody may write in it
};

// Which command met the folder: the advice says what makes it again.
enum class FolderUse { Report, UpdateCheck };

struct FolderCheck {
  FolderFault fault = FolderFault::None;
  QString folder;
  // The system's words for Missing; the permissions found for OpenToOthers.
  QString reason;
  // The folder above at fault, and why (UnsafeParent).
  QString parent;
  ParentFault parentFault = ParentFault::None;
  mode_t parentMode = 0;  // its permissions
  int parentError = 0;    // the system's error for Unchecked
  bool ok() const { return fault == FolderFault::None; }
};

// What the system's account and group databases say, asked when a folder
// above the work folder may be written by its group. Tests put in their own,
// since they cannot make accounts.
class AccountDatabase {
 public:
  virtual ~AccountDatabase() = default;
  // The name and primary group of the account `uid`; false when there is none.
  virtual bool FindAccount(uid_t uid, QByteArray& name, gid_t& primaryGroup) const = 0;
  // The names the group lists as its members; false when there is no such
  // group or it cannot be read.
  virtual bool ListedMembers(gid_t gid, QList<QByteArray>& names) const = 0;
  // Every account whose primary group is `gid`, from a walk of the whole
  // database; false when the walk fails.
  virtual bool PrimaryMembers(gid_t gid, std::vector<uid_t>& uids) const = 0;
};
// The databases the checks below ask: the system's unless a test set its own
// (nullptr gives the system's back).
void SetAccountDatabase(const AccountDatabase* accounts);
// Whether the group `gid` lets nobody but `owner` write: it is the owner's
// primary group, lists no member but the owner, and no other account has it
// as its primary group. Where the walk of the accounts does not meet the
// owner (a directory service that lists only some of them) it cannot be
// sure, and the answer is false.
bool GroupHoldsOnlyOwner(gid_t gid, uid_t owner);

// Whether the folder is a real folder (not a link), owned by `owner` and
// open to nobody else (0700), and whether every folder from / down to it
// (links followed too) belongs to the administrator or to `owner` and lets
// others write in it only with the sticky bit, its group only when the group
// holds nobody but the folder's owner: otherwise someone else could swap the
// folder for another after this check.
FolderCheck CheckPrivateFolder(const QString& folder, uid_t owner);
FolderCheck CheckPrivateFolder(const QString& folder);  // owned by this user
// Makes the folder with mode 0700 when it is missing (its parent must
// exist), then checks it. Something already there is never changed.
FolderCheck MakePrivateFolder(const QString& folder);
// MakePrivateFolder(CarpetaTemp()), with the missing folders above it made
// private too: call it before each use of the folder and write nothing there
// unless it is ok().
FolderCheck PrepareCarpetaTemp();
// The message for the user: the folder refused, the folder's path, what is
// wrong with it and what the user can do, for the command that met it; ""
// when the check is ok.
QString PrivateFolderMessage(const FolderCheck& check, FolderUse use = FolderUse::Report);

// Removes the regular files of the user's in the folder whose names match
// one of the patterns (regular expressions, whole name) and that were last
// changed before `before`. Nothing is followed through a link. Returns how
// many were removed.
int RemoveFilesOlderThan(const QString& folder, const QStringList& patterns,
                         const QDateTime& before);

}  // namespace platform
