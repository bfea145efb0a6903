// Puts the output windows in place of the graph window's stand-ins: its table
// command opens the results table window and its print commands (and the
// table window's) show the print dialog.
#pragma once

namespace output {
void RegisterWindows();
}
