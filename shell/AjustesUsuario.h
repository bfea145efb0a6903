// The user's settings: the one place that knows their sections, keys,
// defaults and what a stored value must look like to be taken. The main
// window reads them when it loads and stores them when it closes, the menus,
// the units dialog and the update check as they change them. Each store
// tells the user when it fails (one message, naming the file and the cause)
// and returns whether it was stored.
#pragma once

#include <QString>

namespace AjustesUsuario {

// The update-check period in days as stored: 1, 7 or 30 (the menu's
// periods, blanks around allowed); any other value gives 7. The menu and the
// check both read it this way.
int PeriodoActualizacion();
// Stores the update-check period in days ("1", "7" or "30") at once.
bool GuardarPeriodo(const QString& days);

// The date serial of the last successful download of the version file; 0
// ("never checked") when none is stored, the stored text is not a number, or
// it lies after `now`.
double UltimaConexion(double now);
// `tell` false: a failure is not shown (the automatic check shows nothing of
// its own; the next save the user asks for tells).
bool GuardarUltimaConexion(const QString& serialText, bool tell = true);

// The decimal separator, "." or ","; a stored value other than these is
// damaged and would make every number unreadable, so the point stands in.
QString SeparadorDecimal();
// The significant digits: only a whole number 4..12 is taken; anything else
// (text, 0, a huge number) gives 4 rather than break the formatter.
int DigitosSignificativos();
// The folders last used to save a graph and a table ("" when none).
QString CarpetaGraficas();
QString CarpetaTablas();

// The chosen units: six two-digit unit numbers, one per quantity kind.
QString EleccionUnidades();
bool GuardarEleccionUnidades(const QString& choice);

// Stores what the main window keeps until it closes: the last graph and table
// folders, the decimal separator and the significant digits (as "4").
bool GuardarAjustesSalida(const QString& UltimaCarpeta, const QString& UltimaCarpetaTabla,
                          const QString& SepDecimal, double NumDigitos);

// Every "from" in the text replaced by "to": a number box's text after the
// decimal separator changed.
QString CambiarSeparador(const QString& text, QChar from, QChar to);

}  // namespace AjustesUsuario
