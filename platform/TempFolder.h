// The user's private work folder, where the report and its pictures are
// written and the update check downloads to. Nobody else may read it, write
// it or plant a link in it: it is checked before every use.
#pragma once

#include <sys/types.h>

#include <QDateTime>
#include <QString>
#include <QStringList>

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

// Which command met the folder: the advice says what makes it again.
enum class FolderUse { Report, UpdateCheck };

struct FolderCheck {
  FolderFault fault = FolderFault::None;
  QString folder;
  // The system's words for Missing; the permissions found for OpenToOthers;
  // why others may change it for UnsafeParent.
  QString reason;
  QString parent;  // the folder above at fault (UnsafeParent)
  bool ok() const { return fault == FolderFault::None; }
};

// Whether the folder is a real folder (not a link), owned by `owner` and
// open to nobody else (0700), and whether every folder from / down to it
// (links followed too) belongs to the administrator or to `owner` and lets
// others write in it only with the sticky bit: otherwise someone else could
// swap the folder for another after this check.
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
