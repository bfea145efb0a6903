#include "shell/AjustesUsuario.h"

#include <cmath>
#include <vector>

#include "engine/NumberText.h"
#include "engine/Units.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include "shell/AppInfo.h"

namespace AjustesUsuario {

namespace {
// One stored setting: section, key and the value read when none is stored.
struct Setting {
  const char* section;
  const char* key;
  const char* byDefault;
};

constexpr Setting kPeriod{"CheckUPDATE", "PERIOD", "7"};
constexpr Setting kLastCheck{"CheckUPDATE", "LAST_OLCON", "0"};
constexpr Setting kSeparator{"DOT", "SEPARATOR", "."};
constexpr Setting kDigits{"NDIG", "SIGDIG", "4"};
constexpr Setting kGraphFolder{"PATH", "GRAF", ""};
constexpr Setting kTableFolder{"PATH", "TABLA", ""};
constexpr Setting kUnits{"UNID", "IDOPT", nullptr};  // the engine's default choice

QString Read(const Setting& s) {
  const QString byDefault = s.byDefault ? QString::fromLatin1(s.byDefault)
                                        : QString::fromLatin1(Vigas::kDefaultUnitChoice);
  return platform::GetSetting(shell::kProgramName, QString::fromLatin1(s.section),
                              QString::fromLatin1(s.key), byDefault);
}

platform::SettingValue Value(const Setting& s, const QString& value) {
  return {QString::fromLatin1(s.section), QString::fromLatin1(s.key), value};
}

// Stores the values in one write; a write that fails is told once, naming
// the file and the cause, since the choice would otherwise vanish at exit.
enum class Telling { Now, AtClose, Silent };

bool Write(const std::vector<platform::SettingValue>& values, Telling tell = Telling::Now) {
  const platform::SettingsWrite w = platform::SaveSettings(shell::kProgramName, values);
  if (!w.ok && tell != Telling::Silent)
    platform::MsgBox(platform::SettingsNotSavedMessage(w, tell == Telling::AtClose),
                     shell::kProgramName, platform::MsgIcon::Exclamation);
  return w.ok;
}
}  // namespace

int PeriodoActualizacion() {
  const QString stored = platform::TrimSpaces(Read(kPeriod));
  if (stored == QLatin1String("1")) return 1;
  if (stored == QLatin1String("30")) return 30;
  return 7;
}

bool GuardarPeriodo(const QString& days) {
  return Write({Value(kPeriod, days)});
}

double UltimaConexion(double now) {
  const QString stored = platform::TrimSpaces(Read(kLastCheck));
  // The whole text must be the number (QString reads it in the C locale).
  bool ok = false;
  const double serial = stored.toDouble(&ok);
  if (!ok || !std::isfinite(serial) || serial < 0 || serial > now) return 0;
  return serial;
}

bool GuardarUltimaConexion(const QString& serialText, bool tell) {
  return Write({Value(kLastCheck, serialText)}, tell ? Telling::Now : Telling::Silent);
}

QString SeparadorDecimal() {
  const QString sep = Read(kSeparator);
  if (sep != QLatin1String(",") && sep != QLatin1String(".")) return QStringLiteral(".");
  return sep;
}

int DigitosSignificativos() {
  double n = 0;
  if (!Vigas::LeadingValue(Read(kDigits).toStdString(), n) || !(n >= 4 && n <= 12) ||
      n != std::floor(n))
    return 4;
  return static_cast<int>(n);
}

QString CarpetaGraficas() {
  return Read(kGraphFolder);
}

QString CarpetaTablas() {
  return Read(kTableFolder);
}

QString EleccionUnidades() {
  return Read(kUnits);
}

bool GuardarEleccionUnidades(const QString& choice) {
  return Write({Value(kUnits, choice)});
}

bool GuardarAjustesSalida(const QString& UltimaCarpeta, const QString& UltimaCarpetaTabla,
                          const QString& SepDecimal, double NumDigitos) {
  QString digits = QString::fromStdString(Vigas::ShortestText(NumDigitos));
  if (digits.startsWith(QLatin1Char('.'))) digits.prepend(QLatin1Char('0'));
  return Write({Value(kGraphFolder, UltimaCarpeta), Value(kTableFolder, UltimaCarpetaTabla),
                Value(kSeparator, SepDecimal), Value(kDigits, digits)},
               Telling::AtClose);
}

QString CambiarSeparador(const QString& text, QChar from, QChar to) {
  QString s = text;
  s.replace(from, to);
  return s;
}

}  // namespace AjustesUsuario
