// The calculation driver: reads the input boxes into Datos, solves the case
// at x, at the ends and load points, searches the extremes and writes the
// results back into the rows; and its two error reports.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/Vigas.h"
#include "mainwin/Extremes.h"
#include "mainwin/FormMain.h"
#include "platform/Messages.h"

using Vigas::Datos;
using Vigas::FlagError;
using Vigas::HasValue;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace {

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

bool FormMain::ReadBoxValue(int i, double& value) {
  value = SinValor;
  const QString text = Text1[i]->Text();
  if (IsBlank(text)) return true;
  const int16_t before = FlagError;
  FlagError = 0;
  // "10 kN" or "1.000.000" would read as their leading number: only a box
  // holding one whole number counts as read.
  bool complete = false;
  const double v = Vigas::LeerNumero(text.toStdString(), &complete) / RowFactor(i);
  const bool ok = complete && FlagError == 0 && std::isfinite(v);
  FlagError = before;
  if (ok) value = v;
  return ok;
}

void FormMain::LblCAL_Click(int Index) {
  if (Index < 1 || Index > kTabs) return;
  Vigas::TipoViga = static_cast<int16_t>(Index);
  Calcular();
}

bool FormMain::Calcular() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs || Vigas::CasoCarga[t] == -1) {
    FlagError = 1;  // no case chosen: nothing to calculate
    return false;
  }
  LeerDATOS();
  if (FlagError != 0) {
    ErrorLeerDatos();
    return false;
  }
  const int code = t * 100 + Vigas::CasoCarga[t];
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

  const int base = (t - 1) * kRowsPerTab;
  bool valid = true;
  for (int r = 0; r < InputRows(t) && valid; ++r)
    if (std::fabs(Datos[r]) == SinValor && Text1[base + r]->Visible()) valid = false;
  SetGraphReport(t, valid);
  EscribirDATOS();
  // Formatting the boxes touches the flag; leave it telling the outcome.
  FlagError = valid ? 0 : 1;
  return valid;
}

void FormMain::LeerDATOS() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs || Vigas::CasoCarga[t] == -1) return;
  std::fill(std::begin(Datos), std::end(Datos), SinValor);
  FlagError = 0;
  unreadableBox_ = -1;
  const int base = (t - 1) * kRowsPerTab;
  for (int r = 0; r < InputRows(t); ++r) {
    const int i = base + r;
    if (!Text1[i]->Visible() || IsBlank(Text1[i]->Text())) continue;
    double v = SinValor;
    if (!ReadBoxValue(i, v)) {
      FlagError = 1;
      unreadableBox_ = i;
      Datos[r] = SinValor;
      return;  // later rows are not read
    }
    Datos[r] = v;
    const int j = NamedSlot(i);
    if (j >= 0) Datos[j] = v;
  }
}

void FormMain::EscribirDATOS() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs || Vigas::CasoCarga[t] == -1) return;
  const int base = (t - 1) * kRowsPerTab;
  {
    BusyGuard busy(Ocupado);
    for (int r = 0; r < kRowsPerTab; ++r) {
      const int i = base + r;
      const int j = NamedSlot(i);
      if (j >= 0) Datos[r] = Datos[j];
      const bool input = r < InputRows(t);
      if (!HasValue(Datos[r])) {
        if (!input) Text1[i]->SetVisible(false);
        continue;
      }
      const double shown = Datos[r] * RowFactor(i);
      // Inputs keep the number the user gave; results are rounded to the
      // chosen significant digits.
      Text1[i]->SetText(input ? InputText(shown)
                              : QString::fromStdString(Vigas::FormatoNumero(shown, 0)));
      Text1[i]->SetVisible(true);
    }
  }
  // While dragging, the panel is re-laid only when a row appears or goes.
  bool relay = !Arrastrando;
  for (int r = 0; r < kRowsPerTab && !relay; ++r)
    relay = Label1[base + r]->Visible() != Text1[base + r]->Visible();
  if (relay) PosicionaIOControls();
}

namespace {
// Clears the result rows of tab t in Datos: their own slots and the slots
// they name, so a failed calculation shows nothing left from before.
void BlankResultSlots(FormMain& f, int t) {
  const int base = (t - 1) * FormMain::kRowsPerTab;
  for (int r = f.InputRows(t); r < FormMain::kRowsPerTab; ++r) {
    Datos[r] = SinValor;
    const int j = f.NamedSlot(base + r);
    bool input = false;
    for (int k = 0; k < f.InputRows(t); ++k) input = input || f.NamedSlot(base + k) == j;
    if (j >= 0 && !input) Datos[j] = SinValor;
  }
}
}  // namespace

void FormMain::ErrorCalculo() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return;
  BlankResultSlots(*this, t);
  EscribirDATOS();
  SetGraphReport(t, false);
  if (!Arrastrando)
    platform::MsgBox(GetL_win(QStringLiteral("InvalidInputValues")),
                     GetL_win(QStringLiteral("Error")), platform::MsgIcon::Exclamation,
                     platform::MsgButtons::Ok);
  FlagError = 1;
}

// Names the row that could not be read and what was typed in it.
QString FormMain::UnreadableInputText() {
  const QString general = GetL_win(QStringLiteral("InvalidInputValuesRead"));
  const QString named = GetL_win(QStringLiteral("InputNotANumber"));
  const int i = unreadableBox_;
  if (named.isEmpty() || i < 0 || i >= kRows) return general;
  constexpr int kLongest = 40;  // a long paste is cut, not shown whole
  QString typed = Text1[i]->Text().trimmed();
  if (typed.size() > kLongest) typed = typed.left(kLongest) + QStringLiteral("...");
  return named.arg(Label1[i]->Caption().trimmed(), typed);
}

void FormMain::ErrorLeerDatos() {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return;
  SetGraphReport(t, false);
  if (!Arrastrando)
    platform::MsgBox(UnreadableInputText(), GetL_win(QStringLiteral("Error")),
                     platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
  BlankResultSlots(*this, t);
  EscribirDATOS();
  FlagError = 1;
}
