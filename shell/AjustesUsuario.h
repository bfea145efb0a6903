// The user's settings that the shell's menu commands, the update check and
// the closing of the main window read and store.
#pragma once

#include <QString>

namespace AjustesUsuario {

// Stores the update-check period in days ("1", "7" or "30") at once.
void GuardarPeriodo(const QString& days);

// The update-check period in days as stored: 1, 7 or 30 (the menu's
// periods, blanks around allowed); any other value gives 7. The menu and the
// check both read it this way.
int PeriodoActualizacion();

// The date serial of the last successful download of the version file; 0
// ("never checked") when none is stored, the stored text is not a number, or
// it lies after `now`.
double UltimaConexion(double now);
void GuardarUltimaConexion(const QString& serialText);

// Stores what the main window keeps until it closes: the last graph and table
// folders, the decimal separator and the significant digits (as "4").
void GuardarAjustesSalida(const QString& UltimaCarpeta, const QString& UltimaCarpetaTabla,
                          const QString& SepDecimal, double NumDigitos);

// Every "from" in the text replaced by "to": a number box's text after the
// decimal separator changed.
QString CambiarSeparador(const QString& text, QChar from, QChar to);

}  // namespace AjustesUsuario
