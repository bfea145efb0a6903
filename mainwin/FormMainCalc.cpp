// The Calculate button, and the rows as the calculation driver sees them:
// the boxes' texts, what it writes into them, Graph and Report, its errors.
#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "platform/Messages.h"

void FormMain::LblCAL_Click(int Index) {
  if (Index < 1 || Index > kTabs) return;
  Vigas::TipoViga = static_cast<int16_t>(Index);
  driver_.Calcular();
}

QString FormMain::BoxText(int t, int r) const {
  return Text1[(t - 1) * kRowsPerTab + r]->Text();
}

bool FormMain::BoxShown(int t, int r) const {
  return Text1[(t - 1) * kRowsPerTab + r]->Visible();
}

void FormMain::SetBoxText(int t, int r, const QString& text) {
  BusyGuard busy(Ocupado);
  Text1[(t - 1) * kRowsPerTab + r]->SetText(text);
}

void FormMain::SetBoxShown(int t, int r, bool shown) {
  Text1[(t - 1) * kRowsPerTab + r]->SetVisible(shown);
}

void FormMain::RowsWritten(int t) {
  // While dragging, the panel is re-laid only when a row appears or goes.
  const int base = (t - 1) * kRowsPerTab;
  bool relay = !Arrastrando;
  for (int r = 0; r < kRowsPerTab && !relay; ++r)
    relay = Label1[base + r]->Visible() != Text1[base + r]->Visible();
  if (relay) PosicionaIOControls();
}

void FormMain::SetGraphReport(int t, bool enabled) {
  if (t < 1 || t > kTabs) return;
  const QPixmap& face = ImgWARE[enabled ? 1 : 0]->Picture();
  ImgGRA[t]->SetPicture(face);
  LblGRA[t]->SetEnabled(enabled);
  ImgINF[t]->SetPicture(face);
  LblINF[t]->SetEnabled(enabled);
}

// A drag recalculates on every step: its errors are not told.
void FormMain::ShowError(const QString& prompt, const QString& title) {
  if (!Arrastrando)
    platform::MsgBox(prompt, title, platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
}
