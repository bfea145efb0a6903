// The program's name, its place on disk and the busy pointer.
#pragma once

#include <QString>

namespace platform {

// The program's name: the caption of its own messages, the application name
// of its settings, the creator of the documents it writes.
inline const QString kProgramName = QStringLiteral("TORV");

// The folder of the executable, without a trailing "/".
QString ProgramFolder();

// Shows the busy (hourglass) pointer while it lives and always restores the
// pointer when it goes, however the scope is left. Guards may nest.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  // Restores the pointer early; the destructor then does nothing.
  void Release();

 private:
  bool active_ = false;
};

// Test and benchmark programs run sandboxed: no desktop action starts another
// program, and downloads reach only this machine (127.0.0.1, ::1, localhost).
void SetSandboxed(bool sandboxed);
bool Sandboxed();

}  // namespace platform
