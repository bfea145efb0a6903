// The program's start-up: language files and settings checked, temporary
// folder, formula symbols, and the splash window, whose closing brings up the
// main window.
#pragma once

#include <QStringList>

#include "shell/StartupState.h"

namespace Vigas {

// Prefixes of the language files of the program's windows.
extern const QStringList kLanguagePrefixes;

// The entry: checks the files read at start, prepares the shared start-up
// state, remembers the shower and shows the splash window without waiting.
// False when the program cannot run (its language files are missing or
// unreadable): the user has been told, and the program should end.
bool Main(MainWindowShower showMainWindow);

}  // namespace Vigas
