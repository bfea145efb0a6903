#include "mainwin/CalcDriver.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "engine/Vigas.h"
#include "mainwin/Extremes.h"
#include "platform/Messages.h"

using Vigas::Datos;
using Vigas::FlagError;
using Vigas::HasValue;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace mainwin {

namespace {

constexpr int kRows = CaseModel::kRowsPerTab;

// Text of a value written back into an input box: 15 significant digits, so
// that what the user typed reads back as the same number ("10.004" stays).
QString InputText(double v) {
  std::string s = Vigas::ShortestText(v);
  if (s.rfind(".", 0) == 0)
    s.insert(0, "0");
  else if (s.rfind("-.", 0) == 0)
    s.insert(1, "0");
  return QString::fromStdString(Vigas::ReplaceAll(s, ".", Vigas::SepDecimal));
}

bool IsBlank(const QString& text) {
  for (QChar c : text)
    if (c != QLatin1Char(' ')) return false;
  return true;
}

// The tab of the calculation, when it has a case; 0 otherwise.
int TabWithCase() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > CaseModel::kTabs || Vigas::CasoCarga[t] == -1) return 0;
  return t;
}

// Result slots of the four points: deflection, slope, moment, shear.
struct PointSlots {
  int Y, Theta, M, V;
};
constexpr PointSlots kPointA{Slot::Ya, Slot::ThetaA, Slot::Ma, Slot::Va};
constexpr PointSlots kPointB{Slot::Yb, Slot::ThetaB, Slot::Mb, Slot::Vb};
constexpr PointSlots kPointC{Slot::Yc, Slot::ThetaC, Slot::Mc, Slot::Vc};
constexpr PointSlots kPointD{Slot::Yd, Slot::ThetaD, Slot::Md, Slot::Vd};

// Solves the case at x and keeps the four values as the point's results; a
// point the case cannot be solved at gets no values rather than those left
// over from the previous solve.
void SolveAtPoint(int code, double x, const PointSlots& p) {
  Datos[Slot::x] = x;
  Vigas::CalcularCaso(code, false);
  const bool ok = FlagError == 0;
  Datos[p.Y] = ok ? Datos[Slot::Y] : SinValor;
  Datos[p.Theta] = ok ? Datos[Slot::Theta] : SinValor;
  Datos[p.M] = ok ? Datos[Slot::M] : SinValor;
  Datos[p.V] = ok ? Datos[Slot::V] : SinValor;
}

}  // namespace

CalcDriver::CalcDriver(const CaseModel& model, RowsView& view, TextLookup text)
    : model_(model), view_(view), text_(std::move(text)) {}

CalcDriver::Reading CalcDriver::ReadRow(int t, int r, double& value) const {
  value = SinValor;
  const QString text = view_.BoxText(t, r);
  if (IsBlank(text)) return Reading::Read;
  Vigas::KeepData kept;
  FlagError = 0;
  // "10 kN" or "1.000.000" would read as their leading number: only a box
  // holding one whole number counts as read.
  bool complete = false, beyond = false;
  const double typed = Vigas::LeerNumero(text.toStdString(), &complete, &beyond);
  const bool number = complete && FlagError == 0;
  kept.Restore();
  if (!number) return beyond ? Reading::TooLarge : Reading::NotANumber;
  // A value at the no-value mark or past it, or one the unit conversion
  // takes out of range, cannot be held, let alone computed with.
  const double v = typed / model_.RowFactor(t, r);
  if (!(std::fabs(typed) < SinValor) || !(std::fabs(v) < SinValor)) return Reading::TooLarge;
  value = v;
  return Reading::Read;
}

bool CalcDriver::Calcular() {
  const int t = TabWithCase();
  if (t == 0) {
    FlagError = 1;  // no case chosen: nothing to calculate
    return false;
  }
  LeerDATOS();
  if (FlagError != 0) {
    ErrorLeerDatos();
    return false;
  }
  const int code = Vigas::CurrentCaseCode();
  const double x = Datos[Slot::x];
  Vigas::CalcularCaso(code, true);
  if (FlagError != 0) {
    ErrorCalculo();
    return false;
  }
  const double xC = Datos[Slot::xC];
  const double xD = Datos[Slot::xD];
  SolveAtPoint(code, 0, kPointA);
  SolveAtPoint(code, Datos[Slot::L], kPointB);
  if (xC != SinValor) SolveAtPoint(code, xC, kPointC);
  if (xD != SinValor) SolveAtPoint(code, xD, kPointD);

  const int kQuantities[4][2] = {{Slot::Y, Slot::xYmax},
                                 {Slot::Theta, Slot::xThetaMax},
                                 {Slot::M, Slot::xMMax},
                                 {Slot::V, Slot::xVMax}};
  for (const auto& q : kQuantities) {
    const int Q = q[0];
    const bool supplied =
        Datos[Q + 1] != SinValor && Datos[Q + 2] != SinValor && Datos[q[1]] != SinValor;
    if (supplied || Datos[Q] == SinValor) continue;
    extremes::GetMAXMin(code, Q);
  }

  Datos[Slot::x] = x;
  Vigas::CalcularCaso(code, true);
  if (FlagError != 0) {
    ErrorCalculo();
    return false;
  }
  extremes::ZeroRoundingNoise();

  bool valid = true;
  for (int r = 0; r < model_.InputRows(t) && valid; ++r)
    if (std::fabs(Datos[r]) == SinValor && view_.BoxShown(t, r)) valid = false;
  view_.SetGraphReport(t, valid);
  EscribirDATOS();
  // Formatting the boxes touches the flag; leave it telling the outcome.
  FlagError = valid ? 0 : 1;
  return valid;
}

void CalcDriver::LeerDATOS() {
  const int t = TabWithCase();
  if (t == 0) return;
  std::fill(std::begin(Datos), std::end(Datos), SinValor);
  FlagError = 0;
  unreadableTab_ = unreadableRow_ = -1;
  for (int r = 0; r < model_.InputRows(t); ++r) {
    if (!view_.BoxShown(t, r) || IsBlank(view_.BoxText(t, r))) continue;
    double v = SinValor;
    const Reading reading = ReadRow(t, r, v);
    if (reading != Reading::Read) {
      FlagError = 1;
      unreadableTab_ = t;
      unreadableRow_ = r;
      unreadable_ = reading;
      Datos[r] = SinValor;
      return;  // later rows are not read
    }
    Datos[r] = v;
    const int j = model_.Row(t, r).slot;
    if (j >= 0) Datos[j] = v;
  }
}

void CalcDriver::EscribirDATOS() {
  const int t = TabWithCase();
  if (t == 0) return;
  for (int r = 0; r < kRows; ++r) {
    const int j = model_.Row(t, r).slot;
    if (j >= 0) Datos[r] = Datos[j];
    const bool input = model_.IsInputRow(t, r);
    if (!HasValue(Datos[r])) {
      if (!input) view_.SetBoxShown(t, r, false);
      continue;
    }
    const double shown = Datos[r] * model_.RowFactor(t, r);
    // Inputs keep the number the user gave; results are rounded to the
    // chosen significant digits.
    view_.SetBoxText(
        t, r, input ? InputText(shown) : QString::fromStdString(Vigas::FormatoNumero(shown, 0)));
    view_.SetBoxShown(t, r, true);
  }
  view_.RowsWritten(t);
}

// Clears the result rows of tab t in Datos: their own slots and the slots
// they name, so a failed calculation shows nothing left from before.
void CalcDriver::BlankResultSlots(int t) {
  for (int r = model_.InputRows(t); r < kRows; ++r) {
    Datos[r] = SinValor;
    const int j = model_.Row(t, r).slot;
    bool input = false;
    for (int k = 0; k < model_.InputRows(t); ++k) input = input || model_.Row(t, k).slot == j;
    if (j >= 0 && !input) Datos[j] = SinValor;
  }
}

void CalcDriver::ErrorCalculo() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > CaseModel::kTabs) return;
  BlankResultSlots(t);
  EscribirDATOS();
  view_.SetGraphReport(t, false);
  view_.ShowError(text_(QStringLiteral("InvalidInputValues")), text_(QStringLiteral("Error")));
  FlagError = 1;
}

// Names the row that could not be read and what was typed in it.
QString CalcDriver::UnreadableInputText() const {
  const QString general = text_(QStringLiteral("InvalidInputValuesRead"));
  const QString named = text_(unreadable_ == Reading::TooLarge ? QStringLiteral("InputTooLarge")
                                                               : QStringLiteral("InputNotANumber"));
  if (named.isEmpty() || unreadableRow_ < 0) return general;
  constexpr int kLongest = 40;  // a long paste is cut, not shown whole
  const QString typed =
      platform::QuotedText(view_.BoxText(unreadableTab_, unreadableRow_).trimmed(), kLongest);
  const QString caption =
      QString::fromStdString(model_.CaptionShown(unreadableTab_, unreadableRow_)).trimmed();
  return named.arg(caption, typed);
}

void CalcDriver::ErrorLeerDatos() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > CaseModel::kTabs) return;
  view_.SetGraphReport(t, false);
  view_.ShowError(UnreadableInputText(), text_(QStringLiteral("Error")));
  BlankResultSlots(t);
  EscribirDATOS();
  FlagError = 1;
}

CalcDriver::Snapshot CalcDriver::ReadTabs() const {
  Snapshot snapshot;
  for (TabValues& tab : snapshot) tab.fill(SinValor);
  if (Vigas::TipoViga == 0) return snapshot;
  for (int t = 1; t <= CaseModel::kTabs; ++t) {
    if (Vigas::CasoCarga[t] == -1) continue;
    for (int r = 0; r < model_.InputRows(t) && r < kRows; ++r) {
      double v = SinValor;
      if (view_.BoxShown(t, r) && ReadRow(t, r, v) != Reading::Read) v = SinValor;
      snapshot[t][r] = v;
    }
  }
  return snapshot;
}

// Datos as reading tab t's rows in base units would leave it.
void CalcDriver::PutValues(int t, const TabValues& values) {
  std::fill(std::begin(Datos), std::end(Datos), SinValor);
  for (int r = 0; r < kRows; ++r) Datos[r] = values[r];
  for (int r = 0; r < kRows; ++r) {
    if (values[r] == SinValor) continue;
    const int j = model_.Row(t, r).slot;
    if (j >= 0) Datos[j] = values[r];
  }
}

void CalcDriver::RewriteTabs(const Snapshot& snapshot) {
  if (Vigas::TipoViga == 0) return;
  const int16_t current = Vigas::TipoViga;
  for (int t = 1; t <= CaseModel::kTabs; ++t) {
    if (Vigas::CasoCarga[t] == -1) continue;
    Vigas::TipoViga = static_cast<int16_t>(t);
    view_.SetGraphReport(t, false);
    PutValues(t, snapshot[t]);
    EscribirDATOS();
  }
  Vigas::TipoViga = current;
  if (current >= 1 && current <= CaseModel::kTabs && Vigas::CasoCarga[current] != -1)
    PutValues(current, snapshot[current]);
  view_.SetGraphReport(current, false);
}

}  // namespace mainwin
