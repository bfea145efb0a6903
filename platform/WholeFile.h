// Writing a whole file so that it is either complete or not changed at all:
// every save of the program (table, report, pictures, version file) goes
// through here.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What became of a write. On failure `error` is the system's error number and
// `reason` says it in the system's words ("No space left on device"), for the
// caller's message.
struct WriteResult {
  bool ok = false;
  int error = 0;
  QString reason;
  explicit operator bool() const { return ok; }
};

// An error number in the system's words ("No space left on device"): the
// reason every file and folder message of the program gives.
QString SystemWords(int error);

// Whether the disk that holds the folder has no room left (no free block or
// no free file entry): the reason for a write whose own error got lost.
bool DiskFull(const QString& folder);

// Writes the bytes as the whole new content of the file. They go to a
// temporary file made exclusively beside it (never through a link); every
// write, the flush to disk and the close are checked, and only then is the
// temporary renamed over the target. A symbolic link at the target is
// replaced itself, the file it points to is never written. An existing file
// keeps its permissions; one that may not be written, or a folder, is not
// replaced. On any failure the old file is as it was and the temporary is
// gone.
WriteResult WriteWholeFile(const QString& path, const QByteArray& bytes);

// The steps of a write, for tests that make one of them fail.
enum class WriteStep { Create, Write, Flush, Close, Rename };
// Tests: every following write fails at the step with the system error
// `error` (ENOSPC for a full disk; a failed write leaves half the bytes
// written); with a file name pattern ("restemp*.rex") only the writes of
// files of such names. An error of 0 ends it.
void InjectWriteFailure(WriteStep step, int error, const QString& namePattern = QString());

}  // namespace platform
