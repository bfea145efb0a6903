// The program's windows made known to one another, once, where the program
// starts: the graph window opens the results table and the print dialog, and
// reads the case titles and the measuring picture of the main window.
#pragma once

namespace app {
void ConnectWindows();
}
