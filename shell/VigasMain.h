// The program's start-up: temporary folder, formula symbols, and the splash
// window, whose closing brings up the main window.
#pragma once

#include <functional>

namespace Vigas {

// False until the splash window has closed once; afterwards the same window
// opens as the About window.
extern bool SplashMostrado;

// Shows the main window, creating it first when needed, and brings it to
// the front when it is shown already.
using MainWindowShower = std::function<void()>;
void SetMainWindowShower(MainWindowShower shower);
// Calls the shower given (nothing without one).
void MostrarFormMain();

// The entry: prepares the shared start-up state, remembers the shower and
// shows the splash window without waiting.
void Main(MainWindowShower showMainWindow);

}  // namespace Vigas
