// Who the program is: its name, version and maker, as the About window, the
// update check and the new-version window show them.
#pragma once

#include <QString>
#include <functional>

namespace shell {

// The program's name, also the application name of its settings.
inline const QString kProgramName = QStringLiteral("TORV");
// The two lines of its descriptive name.
inline const QString kDescriptiveName1 = QStringLiteral("Elastic beam");
inline const QString kDescriptiveName2 = QStringLiteral("calculator");
inline const QString kMakerName = QStringLiteral("Quillenmarch");
inline const QString kCopyrightLine = QStringLiteral("(c) 2026 Quillenmarch");

// The maker's web host, home page and contact address. Placeholders until
// the maker's own are known.
inline const QString kWebHost = QStringLiteral("www.example.com");
inline const QString kHomePage = QStringLiteral("https://www.example.com/index.html");
inline const QString kContactMail = QStringLiteral("info@example.com");

struct AppVersion {
  int major = 0, minor = 0, revision = 0;
};

// The running program's version (tests may pretend another).
AppVersion ProgramVersion();
void SetProgramVersion(const AppVersion& version);

// "major.minor.revision", each in plain decimal.
QString VersionText(const AppVersion& version);

// Ends the program at once. Tests replace the ending (an empty function
// restores the real one); returns the old one.
void EndProgram();
using ProgramEnder = std::function<void()>;
ProgramEnder SetProgramEnder(ProgramEnder ender);

}  // namespace shell
