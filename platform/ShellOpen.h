// Opening a document, a web address or a mail address with the desktop's
// "open" action, as the user's file manager would.
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Opens the target and returns at once: a web or "mailto:" address in the
// user's browser or mail program, anything else as a local file. False when
// nothing could be opened (an empty target, a missing file, no program for
// it). Callers report the failure themselves.
bool ShellOpen(const QString& target);

// Replaces how targets are opened (tests record them instead); an empty
// function restores the desktop's action. Returns the old one. A sandboxed
// run (tests) never launches a program with the desktop's action: it reports
// failure there.
using ShellOpener = std::function<bool(const QString& target)>;
ShellOpener SetShellOpener(ShellOpener opener);

}  // namespace platform
