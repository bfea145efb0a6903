// The program's start-up: temporary folder, formula symbols, and the splash
// window, whose closing brings up the main window.
#pragma once

#include "shell/StartupState.h"

namespace Vigas {

// The entry: prepares the shared start-up state, remembers the shower and
// shows the splash window without waiting.
void Main(MainWindowShower showMainWindow);

}  // namespace Vigas
