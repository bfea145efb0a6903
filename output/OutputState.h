// State shared by the output windows (results table, report) that outlives
// any one of them.
#pragma once

#include <QString>

// Folder of the last saved table.
extern QString UltimaCarpetaTabla;
