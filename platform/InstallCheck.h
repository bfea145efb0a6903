// The files the programs read from beside themselves (language files, formula
// files, formula and beam pictures), checked once at start: a missing or
// damaged one would leave blank captions, an empty formula panel or a report
// without its formulas, and no word of why. The program tells so once and
// goes on without them.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// What is wrong with the language files of the prefixes (missing, damaged,
// or lacking texts the windows look up) and with the other files (paths
// relative to the resource folder), one sentence each: a missing folder once
// for all its files, at most a few other files named and the count of the
// rest. Empty when all are usable.
QStringList InstallProblems(const QStringList& languagePrefixes, const QStringList& dataFiles);

// The same problems, told in one message that ends with what the program
// does without those files (`without`); nothing is shown when there are
// none. The program goes on either way.
QStringList CheckInstall(const QString& programName, const QStringList& languagePrefixes,
                         const QStringList& dataFiles, const QString& without);

}  // namespace platform
