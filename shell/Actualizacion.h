// The online update check: at most once per chosen period (or on demand) the
// program fetches a small version file from its maker's server into the
// temporary folder and learns whether a newer version exists and where to
// download it. Also the opening of web addresses in the browser.
#pragma once

#include <QString>

namespace Actualizacion {

// What the last check found; written only by ComprobarActualizacion.
extern bool HayActualizacion;
extern QString URLActualizacion;
extern QString VersionNueva;

// The maker's update script. A placeholder until the maker's own server is
// known: it answers nothing useful, so the checks end without a finding.
inline const QString kUpdateEndpoint = QStringLiteral("https://www.example.com/torv/update.php");

// The address the check asks (tests point it at a server of their own);
// an empty text goes back to kUpdateEndpoint.
QString UpdateEndpoint();
void SetUpdateEndpoint(const QString& address);

// The version file in the temporary folder.
QString ArchivoVersion();

// Runs the check. Without Forzar it does nothing until the chosen period has
// passed since the last successful download. Never shows a message.
void ComprobarActualizacion(bool Forzar);

// Opens the address in the user's browser; on failure says so.
void AbrirURL(const QString& URL);

// The current time as a date serial: days since 30 December 1899, local
// time, with the time of day as the fraction.
double DateSerialNow();
// A date serial as the settings keep it ("46000.5").
QString DateSerialText(double serial);

// The newer version a version file names, when it is newer than `own`
// (major * 1000000 + minor * 1000 + revision compared) and names a download
// address too. False otherwise.
bool LeerArchivoVersion(const QString& text, int ownNumber, QString& version, QString& url);

}  // namespace Actualizacion
