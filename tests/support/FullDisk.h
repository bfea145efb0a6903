// A small file system of the test's own (a tmpfs of a few pages), to fill up
// for real. Mounting needs the administrator; elsewhere `mounted` stays false
// and the test falls back to an injected failure.
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>

namespace qt_test {

class FullDisk {
 public:
  // 64 KiB: a few small files fit, a larger one cannot.
  FullDisk() {
    if (!dir_.isValid()) return;
    mounted = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                      "size=64k,mode=0700") == 0;
  }
  ~FullDisk() {
    if (mounted) ::umount(QFile::encodeName(dir_.path()).constData());
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  QString Path(const QString& name) const { return dir_.filePath(name); }
  // Takes all the space left; true when the disk is full afterwards.
  bool Fill() {
    const int fd =
        ::open(QFile::encodeName(Path("ballast")).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return errno == ENOSPC;
    const QByteArray block(1024, 'x');
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
  }

  bool mounted = false;

 private:
  QTemporaryDir dir_;
};

}  // namespace qt_test
