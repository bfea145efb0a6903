#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

struct Injected {
  WriteStep step = WriteStep::Create;
  int error = 0;
  QRegularExpression names;  // empty: every file
  bool now = false;          // the current write is one of them
};

Injected& Injection() {
  static Injected injected;
  return injected;
}

bool InjectedAt(WriteStep step) {
  if (!Injection().now || Injection().step != step) return false;
  errno = Injection().error;
  return true;
}

WriteResult Failure(int error) {
  WriteResult r;
  r.error = error;
  r.reason = SystemWords(error);
  return r;
}

// A new file beside the target with a name nobody else chose: created
// exclusively in the target's folder, and never through a link planted on
// that name.
int CreateTemporary(int folder, const QByteArray& base, mode_t mode, QByteArray& name) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    QByteArray suffix;
    for (int i = 0; i < 8; ++i) suffix += kLetters[QRandomGenerator::global()->bounded(62)];
    // Short enough for the longest name the target itself may have.
    name = "." + base.left(200) + "." + suffix + ".tmp";
    if (InjectedAt(WriteStep::Create)) return -1;
    const int fd = ::openat(folder, name.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  qsizetype left = bytes.size();
  if (Injection().now && Injection().step == WriteStep::Write) {
    // A disk that fills up half way.
    const qsizetype half = left / 2;
    if (half > 0 && ::write(fd, p, static_cast<size_t>(half)) < 0) return false;
    errno = Injection().error;
    return false;
  }
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

}  // namespace

QString SystemWords(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

bool DiskFull(const QString& folder) {
  struct statvfs disk;
  return ::statvfs(QFile::encodeName(folder).constData(), &disk) == 0 &&
         (disk.f_bavail == 0 || disk.f_favail == 0);
}

WriteResult WriteWholeFile(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return Failure(ENOENT);
  const QFileInfo info(path);
  const QByteArray name = QFile::encodeName(info.fileName());
  if (name.isEmpty()) return Failure(EISDIR);
  Injected& injected = Injection();
  injected.now = injected.error != 0 && (injected.names.pattern().isEmpty() ||
                                         injected.names.match(info.fileName()).hasMatch());

  // Everything from here on is done in the one folder opened now: a folder
  // swapped for another meanwhile gets neither the file nor a temporary
  // left behind.
  const int folder = ::open(QFile::encodeName(info.absolutePath()).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return Failure(errno);
  const auto fail = [folder](int error) {
    ::close(folder);
    return Failure(error);
  };

  mode_t mode = 0666;  // less the user's umask, for a new file
  bool replacing = false;
  struct stat st;
  if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (S_ISREG(st.st_mode)) {
      if (::faccessat(folder, name.constData(), W_OK, 0) != 0) return fail(errno);
      mode = st.st_mode & 07777;
      replacing = true;
    }
  }

  QByteArray temporary;
  const int fd = CreateTemporary(folder, name, mode, temporary);
  if (fd < 0) return fail(errno);

  int error = 0;
  if (!WriteAll(fd, bytes)) error = errno;
  if (error == 0 && (InjectedAt(WriteStep::Flush) || ::fsync(fd) != 0)) error = errno;
  // The umask narrows a new file only: a replaced one keeps its permissions,
  // 0666 included.
  if (error == 0 && replacing && ::fchmod(fd, mode) != 0) error = errno;
  // Some file systems report a failed write only when the file is closed.
  const bool injectedClose = InjectedAt(WriteStep::Close);
  const int closeError = injectedClose ? errno : 0;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (injectedClose && error == 0) error = closeError;
  if (error == 0 && (InjectedAt(WriteStep::Rename) ||
                     ::renameat(folder, temporary.constData(), folder, name.constData()) != 0))
    error = errno;
  if (error != 0) {
    ::unlinkat(folder, temporary.constData(), 0);
    return fail(error);
  }
  // Makes the rename itself last; a failure here costs nothing already done.
  ::fsync(folder);
  ::close(folder);
  WriteResult done;
  done.ok = true;
  return done;
}

void InjectWriteFailure(WriteStep step, int error, const QString& namePattern) {
  Injected& injected = Injection();
  injected.step = step;
  injected.error = error;
  injected.names =
      namePattern.isEmpty() ? QRegularExpression() : QRegularExpression::fromWildcard(namePattern);
}

}  // namespace platform
