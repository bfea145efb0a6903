// The files the windows load from beside the program, as the build writes
// them there: checked at start so that a damaged install is named, not left
// to show blank panels unexplained.
#pragma once

#include <QStringList>

namespace app {

// Paths relative to the program folder: for every case its formula file
// (htf/f<code>.htf), formula picture (img/F<code>.gif), beam picture for the
// panel (img/X<code>.jpg) and for the report (h<code>.jpg).
QStringList DataFilesBesideProgram();

}  // namespace app
