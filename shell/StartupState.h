// What the start-up and the splash window share: whether the splash has
// closed once, and how to bring up the main window.
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

}  // namespace Vigas
