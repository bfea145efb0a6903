// The user's settings that the shell's menu commands and the closing of the
// main window store.
#pragma once

#include <QString>

namespace AjustesUsuario {

// Stores the update-check period in days ("1", "7" or "30") at once.
void GuardarPeriodo(const QString& days);

// Stores what the main window keeps until it closes: the last graph and table
// folders, the decimal separator and the significant digits (as "4").
void GuardarAjustesSalida(const QString& UltimaCarpeta, const QString& UltimaCarpetaTabla,
                          const QString& SepDecimal, double NumDigitos);

// Every "from" in the text replaced by "to": a number box's text after the
// decimal separator changed.
QString CambiarSeparador(const QString& text, QChar from, QChar to);

}  // namespace AjustesUsuario
