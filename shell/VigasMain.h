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
// `dataFiles` are the files the windows load from beside the program
// (relative paths). False when the program cannot run (a language file or
// one of those files is missing, damaged or lacks what its windows need):
// the user has been told, and the program should end.
bool Main(MainWindowShower showMainWindow, const QStringList& dataFiles = {});

}  // namespace Vigas
