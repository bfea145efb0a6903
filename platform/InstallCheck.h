// The files the windows load from beside the program (formula files, formula
// and beam pictures), checked once at start: a missing or damaged one would
// leave a blank panel or a report without its formulas, and no word of why.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// What is wrong with the files (paths relative to the resource folder), one
// sentence each: a missing folder once for all its files, at most a few
// files named and the count of the rest. Empty when all are usable.
QStringList DataFileProblems(const QStringList& relativePaths);

// True when every file is usable; otherwise one message naming the folder
// and the problems, and the program ends.
bool DataFilesUsable(const QString& programName, const QStringList& relativePaths);

}  // namespace platform
