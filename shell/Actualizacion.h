// The online update check: at most once per chosen period (or on demand) the
// program fetches a small version file from its maker's server and learns
// whether a newer version exists and where to download it. The download runs
// on the event loop: the program keeps taking input meanwhile. Also the
// opening of web addresses in the browser.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "shell/AppInfo.h"

namespace platform {
class Download;
}

namespace Actualizacion {

// What the last check found; written only by the check.
extern bool HayActualizacion;
extern QString URLActualizacion;
extern QString VersionNueva;

enum class CheckOutcome {
  NotConfigured,   // the program has no update address: nothing was asked
  NotDue,          // automatic: the period has not passed, or an automatic
                   // check already failed in this run
  AlreadyRunning,  // another check is under way; this one was dropped
  Failed,          // nothing was checked (see the detail)
  UpToDate,        // the version file just downloaded names no newer version
  NewerVersion,    // the three values above are set
};

struct CheckResult {
  CheckOutcome outcome = CheckOutcome::Failed;
  QString detail;  // with Failed: what failed, in words for a message
};
using CheckDone = std::function<void(const CheckResult&)>;

// The address the check asks: the update script the program was built with
// ("" when none).
QString UpdateEndpoint();

// The version file: the last version file downloaded, kept in the user's
// private work folder. The check never reads it back.
QString ArchivoVersion();

// Starts a check and returns at once. `done` runs when the check ends: at
// once when nothing is asked, otherwise later from the event loop, and not
// at all when `context` is destroyed before. Without Forzar nothing is asked
// until the chosen period has passed since the last successful download, nor
// after an automatic check failed in this run. Forzar while a check runs
// waits for that check's result. Never shows a message.
void ComprobarActualizacion(bool Forzar, CheckDone done = {}, QObject* context = nullptr);

// The download of the running check, nullptr when none runs (a test ends it
// at its time limit this way instead of waiting).
platform::Download* RunningDownload();

// Back to the state at program start: nothing known, nothing running.
void Reset();

// Opens the address in the user's browser; on failure says so.
void AbrirURL(const QString& URL);

// The current time as a date serial: days since 30 December 1899, local
// time, with the time of day as the fraction.
double DateSerialNow();
// A date serial as the settings keep it ("46000.5").
QString DateSerialText(double serial);

// A version compares as major * 1000000 + minor * 1000 + revision, each part
// 0 to 999 so that none spills into the next.
int VersionNumber(const shell::AppVersion& version);

enum class VersionFileContent { Unreadable, NotNewer, Newer };
// Reads a version file's text: "TORV_VER=" major "." minor "." revision ";"
// and "TORV_URL=" address ";". A version part that is missing or outside
// 0..999, or a newer version without an address, makes it unreadable. With
// Newer, `version` and `url` are set.
VersionFileContent LeerArchivoVersion(const QString& text, const shell::AppVersion& own,
                                      QString& version, QString& url);

}  // namespace Actualizacion
