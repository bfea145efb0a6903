// Number boxes (key filter, Enter, focus, edits), the position slider, the
// pressed look of the action buttons, and opening the units dialog.
#include <QTimer>
#include <cmath>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/FormVigasEditUnits.h"
#include "platform/ButtonFace.h"
#include "platform/Modal.h"

// Filters typed characters only: shortcuts never arrive here (TextBox).
void FormMain::Text1_KeyPress(int, int& KeyAscii) {
  const int k = KeyAscii;
  const bool digit = k >= '0' && k <= '9';
  const bool sign =
      k == '.' || k == ',' || k == 'e' || k == 'E' || k == '+' || k == '-' || k == '/' || k == '%';
  if (!digit && !sign && k != 8) KeyAscii = 0;  // Backspace edits
}

void FormMain::Text1_KeyDown(int Index, int KeyCode, int) {
  if (KeyCode != 13 || Index + 1 >= kRows) return;
  platform::TextBox* next = Text1[Index + 1];
  if (next->Visible() && next->isVisible() && next->isEnabled()) next->setFocus();
}

void FormMain::Text1_GotFocus(int Index) {
  platform::TextBox* box = Text1[Index];
  box->SelectAllShowingStart();
  // A click that gave the focus places the cursor after this; select again
  // once it is done, so typing replaces the text.
  QTimer::singleShot(0, box, [box] {
    if (box->hasFocus()) box->SelectAllShowingStart();
  });
}

void FormMain::Text1_Change(int Index) {
  const int t = Vigas::TipoViga;
  if (Ocupado || t < 1 || t > kTabs) return;
  const int base = (t - 1) * kRowsPerTab;
  {
    BusyGuard busy(Ocupado);
    for (int r = model_.InputRows(t); r < kRowsPerTab; ++r) Text1[base + r]->SetText(QString());
  }
  if (LblGRA[t]->Enabled()) SetGraphReport(t, false);
  // Position, length and overhang move the thumb.
  const mainwin::CaseRow& row = model_.Row(Index / kRowsPerTab + 1, Index % kRowsPerTab);
  if (row.key == "X" || Index == base + 1 || row.role == mainwin::RowRole::OverhangInput)
    ActualizaSlider();
}

// ---- Position slider ---------------------------------------------------------

void FormMain::ImgSLD_MouseDown(int Index, int) {
  if (Index < 1 || Index > kTabs) return;
  Arrastrando = true;
  DesfaseSLD =
      static_cast<int32_t>(std::nearbyint(ImgSLD[Index]->CursorX() - ImgSLD[Index]->Left()));
}

void FormMain::ImgSLD_MouseMove(int Index) {
  if (!Arrastrando || Index < 1 || Index > kTabs) return;
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs) return;
  platform::ImageControl* thumb = ImgSLD[Index];
  double left = static_cast<float>(thumb->CursorX() - DesfaseSLD);
  const double W = thumb->Width();
  const double X1 = LinSLD[Index]->X1();
  const double X2 = LinSLD[Index]->X2();
  if (left + W / 2 < X1) left = X1 - W / 2;
  if (left + W / 2 > X2) left = X2 - W / 2;
  thumb->SetLeft(left);
  if (X2 == X1) return;
  const double p = (left - X1 + W / 2) / (X2 - X1) * 100;

  const double L = Vigas::LeerNumero(Text1[(t - 1) * kRowsPerTab + 1]->Text().toStdString());
  const double a = GetXtraLONG_R();
  if (std::fabs(L) == Vigas::SinValor || std::fabs(a) == Vigas::SinValor) return;
  double v = (a + L) * p / 100;
  if (v < 0) v = 0;
  if (a + L < v) v = a + L;

  const int r = model_.PositionRow(Index);
  if (r < 0) return;
  platform::TextBox* box = Text1[(Index - 1) * kRowsPerTab + r];
  if (Vigas::LeerNumero(box->Text().toStdString()) == v) return;
  // Not under the busy flag: the edit empties the results and moves the thumb
  // before the case is calculated again.
  box->SetText(QString::fromStdString(Vigas::FormatoNumero(v, 5)));
  driver_.Calcular();
}

void FormMain::ImgSLD_MouseUp(int, int) {
  Arrastrando = false;
}

// ---- Pressed look of the buttons ---------------------------------------------

namespace {
// Button Index (1..5) of one kind: its picture, its caption and where they rest.
void ShowPressed(platform::ImageControl* const (&img)[6], platform::ButtonCaption* const (&lbl)[6],
                 const int32_t (&x)[6], const int32_t (&y)[6], int Index, bool pressed) {
  if (Index >= 1 && Index <= FormMain::kTabs)
    platform::ShowButtonPressed(img[Index], lbl[Index], x[Index], y[Index], 6, pressed);
}
}  // namespace

void FormMain::LblCAL_MouseDown(int Index, int) {
  ShowPressed(ImgCAL, LblCAL, XposCAL, YposCAL, Index, true);
}
void FormMain::LblCAL_MouseUp(int Index, int) {
  ShowPressed(ImgCAL, LblCAL, XposCAL, YposCAL, Index, false);
}
void FormMain::LblDEL_MouseDown(int Index, int) {
  ShowPressed(ImgDEL, LblDEL, XposDEL, YposDEL, Index, true);
}
void FormMain::LblDEL_MouseUp(int Index, int) {
  ShowPressed(ImgDEL, LblDEL, XposDEL, YposDEL, Index, false);
}
void FormMain::LblGRA_MouseDown(int Index, int) {
  ShowPressed(ImgGRA, LblGRA, XposGRA, YposGRA, Index, true);
}
void FormMain::LblGRA_MouseUp(int Index, int) {
  ShowPressed(ImgGRA, LblGRA, XposGRA, YposGRA, Index, false);
}

// ---- Units dialog ------------------------------------------------------------

void FormMain::mnu_Config_Unidades_Click() {
  FormVigasEditUnits dialog(driver_);
  platform::ShowModal(dialog);
}

void FormMain::Label1_DblClick(int) {
  mnu_Config_Unidades_Click();
}
