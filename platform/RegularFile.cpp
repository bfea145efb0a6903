#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace platform {

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
  bytes.clear();
  // Opened without waiting (a pipe with no writer would block the open), then
  // looked at through the open handle, so nothing can be swapped in between.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return RegularFileRead::Unreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return RegularFileRead::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return RegularFileRead::NotRegular;
  }
  if (st.st_size > maxBytes) {
    ::close(fd);
    return RegularFileRead::TooLarge;
  }
  QFile f;
  if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return RegularFileRead::Unreadable;
  }
  // The file may grow while it is read: never past the limit.
  bytes.reserve(static_cast<qsizetype>(st.st_size));
  char chunk[65536];
  for (;;) {
    const qint64 n = f.read(chunk, sizeof chunk);
    if (n < 0) {
      bytes.clear();
      return RegularFileRead::Unreadable;
    }
    if (n == 0) return RegularFileRead::Ok;
    if (bytes.size() + n > maxBytes) {
      bytes.clear();
      return RegularFileRead::TooLarge;
    }
    bytes.append(chunk, static_cast<qsizetype>(n));
  }
}

}  // namespace platform
