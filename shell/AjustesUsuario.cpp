#include "shell/AjustesUsuario.h"

#include <cmath>

#include "engine/NumberText.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include "shell/AppInfo.h"

namespace AjustesUsuario {

namespace {
const QString kUpdateSection = QStringLiteral("CheckUPDATE");
}  // namespace

void GuardarPeriodo(const QString& days) {
  platform::SaveSetting(shell::kProgramName, kUpdateSection, QStringLiteral("PERIOD"), days);
}

int PeriodoActualizacion() {
  const QString stored = platform::TrimSpaces(platform::GetSetting(
      shell::kProgramName, kUpdateSection, QStringLiteral("PERIOD"), QStringLiteral("7")));
  if (stored == QLatin1String("1")) return 1;
  if (stored == QLatin1String("30")) return 30;
  return 7;
}

double UltimaConexion(double now) {
  const QString stored = platform::TrimSpaces(platform::GetSetting(
      shell::kProgramName, kUpdateSection, QStringLiteral("LAST_OLCON"), QStringLiteral("0")));
  // The whole text must be the number (QString reads it in the C locale).
  bool ok = false;
  const double serial = stored.toDouble(&ok);
  if (!ok || !std::isfinite(serial) || serial < 0 || serial > now) return 0;
  return serial;
}

void GuardarUltimaConexion(const QString& serialText) {
  platform::SaveSetting(shell::kProgramName, kUpdateSection, QStringLiteral("LAST_OLCON"),
                        serialText);
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
