// Starting another program without waiting for it (the report viewer).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Starts the program with its arguments, each handed over whole (a path
// with blanks stays one argument), and returns at once. False when the
// program could not be started.
bool StartProgram(const QString& program, const QStringList& arguments);

// Replaces how programs are started (tests record the calls instead); an
// empty function restores the real start. Returns the old one.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
ProgramStarter SetProgramStarter(ProgramStarter starter);

}  // namespace platform
