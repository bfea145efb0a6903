// The program's start-up: the files beside the program and the settings
// checked, temporary folder, formula symbols, and the splash window, whose
// closing brings up the main window.
#pragma once

#include <QStringList>

#include "shell/StartupState.h"

namespace Vigas {

// Prefixes of the language files of the program's windows.
extern const QStringList kLanguagePrefixes;

// The entry: checks the files read at start, prepares the shared start-up
// state, remembers the shower and shows the splash window without waiting.
// `dataFiles` are the files the windows load from beside the program
// (relative paths). A language file or one of those files that is missing,
// damaged or lacks texts the windows look up is told in one message, and
// the program runs without it.
void Main(MainWindowShower showMainWindow, const QStringList& dataFiles = {});

}  // namespace Vigas
