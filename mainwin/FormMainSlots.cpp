// Handlers wired to the main window's controls and menus whose work comes
// with the graphs, the report and the application shell. Each is connected
// already; its body is still to be written.
#include "mainwin/FormMain.h"

