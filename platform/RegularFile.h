// Reading a file that must be an ordinary file: a pipe, a device or a folder
// given in its place is refused at once instead of blocking the program.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class RegularFileRead {
  Ok,
  Unreadable,  // missing, not permitted, or a read error
  NotRegular,  // a folder, pipe, socket or device
  TooLarge,    // more than the caller's limit
};

// The whole file into bytes; bytes is left empty unless the result is Ok.
RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

}  // namespace platform
