// The language tables now live in the platform layer, shared by every window;
// the main window's code keeps its familiar names.
#pragma once

#include "platform/LanguageTable.h"

using platform::LanguageFilePath;
using platform::LanguageTable;
using platform::ParseLanguageText;
