// Who the program is: its name, version and maker, as the About window, the
// update check and the new-version window show them.
#pragma once

#include <QString>
#include <functional>

#include "platform/Program.h"

namespace shell {

using platform::kProgramName;
// The two lines of its descriptive name.
inline const QString kDescriptiveName1 = QStringLiteral("Elastic beam");
inline const QString kDescriptiveName2 = QStringLiteral("calculator");
inline const QString kMakerName = QStringLiteral("Quillenmarch");
inline const QString kCopyrightLine = QStringLiteral("(c) 2026 Quillenmarch");

// The maker's addresses, given when the program is built. An empty one is
// not configured: its link is not offered, and without an update script the
// program never asks online.
struct MakerAddresses {
  QString homePage;      // web page
  QString contactMail;   // e-mail address, without "mailto:"
  QString updateScript;  // the script the update check asks
};
MakerAddresses Addresses();
// The addresses the program was built with.
MakerAddresses BuiltAddresses();
// Tests pretend other addresses; returns the old ones.
MakerAddresses SetAddresses(const MakerAddresses& addresses);
// The web page's host name as the About window shows it ("" without a page).
QString WebHost();

struct AppVersion {
  int major = 0, minor = 0, revision = 0;
};

// The running program's version: the project's version unless a test
// pretends another.
AppVersion ProgramVersion();
AppVersion BuiltVersion();
void SetProgramVersion(const AppVersion& version);

// "major.minor.revision", each in plain decimal.
QString VersionText(const AppVersion& version);

// Ends the program at once. Tests replace the ending (an empty function
// restores the real one); returns the old one.
void EndProgram();
using ProgramEnder = std::function<void()>;
ProgramEnder SetProgramEnder(ProgramEnder ender);

}  // namespace shell
