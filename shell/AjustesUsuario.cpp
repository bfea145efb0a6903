#include "shell/AjustesUsuario.h"

#include "engine/NumberText.h"
#include "platform/Settings.h"
#include "shell/AppInfo.h"

namespace AjustesUsuario {

void GuardarPeriodo(const QString& days) {
  platform::SaveSetting(shell::kProgramName, QStringLiteral("CheckUPDATE"),
                        QStringLiteral("PERIOD"), days);
}

void GuardarAjustesSalida(const QString& UltimaCarpeta, const QString& UltimaCarpetaTabla,
                          const QString& SepDecimal, double NumDigitos) {
  const QString app = shell::kProgramName;
  platform::SaveSetting(app, QStringLiteral("PATH"), QStringLiteral("GRAF"), UltimaCarpeta);
  platform::SaveSetting(app, QStringLiteral("PATH"), QStringLiteral("TABLA"), UltimaCarpetaTabla);
  platform::SaveSetting(app, QStringLiteral("DOT"), QStringLiteral("SEPARATOR"), SepDecimal);
  QString digits = QString::fromStdString(Vigas::ShortestText(NumDigitos));
  if (digits.startsWith(QLatin1Char('.'))) digits.prepend(QLatin1Char('0'));
  platform::SaveSetting(app, QStringLiteral("NDIG"), QStringLiteral("SIGDIG"), digits);
}

QString CambiarSeparador(const QString& text, QChar from, QChar to) {
  QString s = text;
  s.replace(from, to);
  return s;
}

}  // namespace AjustesUsuario
