// Small files the program reads whole at start (language files, the settings
// store). Anything but a regular file of sensible size is refused before it
// is read: a pipe would hang the start, a huge file stall it.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class FileRefusal { None, Missing, NotRegular, TooLarge, Unreadable };

// What identifies one version of a file: a reader may keep what it read
// while the stamp stays the same.
struct FileStamp {
  qint64 device = 0, inode = 0, size = 0, modifiedNs = 0, changedNs = 0;
  bool operator==(const FileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size && modifiedNs == o.modifiedNs &&
           changedNs == o.changedNs;
  }
};

// Looks at the file (following links) without opening it.
FileRefusal CheckSmallRegularFile(const QString& path, qint64 maxBytes, FileStamp* stamp = nullptr);

// Reads the whole file when it is a regular file of at most maxBytes. The
// file is opened without waiting and checked through the open handle, so a
// pipe put in its place meanwhile is refused too.
FileRefusal ReadSmallRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes,
                                 FileStamp* stamp = nullptr);

// The reason in words, for a message: "is not a regular file", ...
QString RefusalText(FileRefusal refusal, qint64 maxBytes);

}  // namespace platform
