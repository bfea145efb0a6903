#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace platform {

namespace {
FileStamp StampOf(const struct stat& st) {
  return {static_cast<qint64>(st.st_dev), static_cast<qint64>(st.st_ino),
          static_cast<qint64>(st.st_size),
          static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

FileRefusal Judge(const struct stat& st, qint64 maxBytes) {
  if (!S_ISREG(st.st_mode)) return FileRefusal::NotRegular;
  if (st.st_size > maxBytes) return FileRefusal::TooLarge;
  return FileRefusal::None;
}

FileRefusal FromErrno(int error) {
  return error == ENOENT || error == ENOTDIR ? FileRefusal::Missing : FileRefusal::Unreadable;
}
}  // namespace

FileRefusal CheckSmallRegularFile(const QString& path, qint64 maxBytes, FileStamp* stamp) {
  struct stat st {};
  if (path.isEmpty()) return FileRefusal::Missing;
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return FromErrno(errno);
  if (stamp) *stamp = StampOf(st);
  return Judge(st, maxBytes);
}

FileRefusal ReadSmallRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes,
                                 FileStamp* stamp) {
  bytes.clear();
  if (path.isEmpty()) return FileRefusal::Missing;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FromErrno(errno);
  struct stat st {};
  FileRefusal refusal = ::fstat(fd, &st) == 0 ? Judge(st, maxBytes) : FileRefusal::Unreadable;
  if (refusal == FileRefusal::None) {
    if (stamp) *stamp = StampOf(st);
    // Never more than the limit, even if the file grows while it is read.
    QByteArray data;
    data.reserve(static_cast<qsizetype>(st.st_size));
    char chunk[65536];
    for (;;) {
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        refusal = FileRefusal::Unreadable;
        break;
      }
      if (n == 0) break;
      if (data.size() + n > maxBytes) {
        refusal = FileRefusal::TooLarge;
        break;
      }
      data.append(chunk, n);
    }
    if (refusal == FileRefusal::None) bytes = data;
  }
  ::close(fd);
  return refusal;
}

QString RefusalText(FileRefusal refusal, qint64 maxBytes) {
  switch (refusal) {
    case FileRefusal::None:
      return QString();
    case FileRefusal::Missing:
      return QStringLiteral("is missing");
    case FileRefusal::NotRegular:
      return QStringLiteral("is not a regular file");
    case FileRefusal::TooLarge:
      return QStringLiteral("is larger than %1 bytes").arg(maxBytes);
    case FileRefusal::Unreadable:
      return QStringLiteral("cannot be read");
  }
  return QString();
}

}  // namespace platform
