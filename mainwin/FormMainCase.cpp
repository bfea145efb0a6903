// Choosing a support-type tab and a load case, setting up the case's rows,
// and the Clear action.
#include <QColor>
#include <vector>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "platform/ButtonFace.h"

namespace {
const QColor kTabCurrent(64, 64, 128);
const QColor kTabOther(96, 96, 96);
const QColor kTabPressed(40, 40, 40);
}  // namespace

void FormMain::LblMENU_Click(int Index) {
  if (Index < 1 || Index > kTabs) return;
  Vigas::TipoViga = static_cast<int16_t>(Index);
  SetGraphReport(Index, false);
  SetTabLook(Index);
  Vigas::CasoCarga[Index] = static_cast<int16_t>(List1[Index]->ListIndex());
  if (Vigas::CasoCarga[Index] == -1) LblMainTIT[Index]->SetCaption(LblMENU[Index]->Caption());
  PosicionaIOControls();
}

void FormMain::LblMENU_MouseDown(int Index, int) {
  if (Index < 1 || Index > kTabs) return;
  platform::ShowButtonPressed(ImgMENU[Index], LblMENU[Index], XposMENU[Index], YposMENU[Index], 4,
                              true);
  if (Index != Vigas::TipoViga) LblMENU[Index]->SetForeColor(kTabPressed);
}

void FormMain::LblMENU_MouseUp(int Index, int) {
  if (Index < 1 || Index > kTabs) return;
  platform::ShowButtonPressed(ImgMENU[Index], LblMENU[Index], XposMENU[Index], YposMENU[Index], 4,
                              false);
  LblMENU[Index]->SetForeColor(Index == Vigas::TipoViga ? kTabCurrent : kTabOther);
}

void FormMain::ConfigurarItemIO(int ID_item) {
  const int t = Vigas::TipoViga;
  if (t < 1 || t > kTabs || ID_item < 0 || ID_item >= kRowsPerTab) return;
  const mainwin::CaseRow& row = model_.Row(t, ID_item);
  if (row.role == mainwin::RowRole::Empty) return;
  const int i = (t - 1) * kRowsPerTab + ID_item;
  // The tags show what the row stands for; the model decides.
  Label1[i]->Tag = QLatin1Char(' ') + QString::fromStdString(row.caption);
  if (row.picture >= 0 && row.picture < kQuantityPictures)
    Img1[i]->SetPicture(ImgBOX[row.picture]->Picture());
  Img1[i]->Tag = QString::number(row.kind);
  Text1[i]->Tag = QString::fromStdString(row.key);
  // Result boxes appear when the calculation gives them a value.
  if (model_.IsInputRow(t, ID_item)) Text1[i]->SetVisible(true);
}

void FormMain::List1_Click(int Index) {
  const int t = Vigas::TipoViga;
  // Only the list of the current tab chooses its case.
  if (t == 0 || Index != t || List1[Index]->ListIndex() == -1) return;
  Vigas::CasoCarga[t] = static_cast<int16_t>(List1[Index]->ListIndex());
  const int base = (t - 1) * kRowsPerTab;
  model_.SetCase(t, Vigas::CurrentCaseCode());
  SetGraphReport(t, false);
  for (int r = 0; r < kRowsPerTab; ++r) Text1[base + r]->SetLocked(false);
  LblDEL_Click(t);
  PicIO[t]->SetVisible(true);
  LblMainTIT[t]->SetCaption(LblMENU[t]->Caption() + QStringLiteral(" - ") + List1[Index]->Text());
  LoadImgFORMULAS(QStringLiteral(".gif"));

  for (int r = 0; r < kRowsPerTab; ++r) {
    Text1[base + r]->SetVisible(false);
    Text1[base + r]->Tag.clear();
    Label1[base + r]->Tag.clear();
    Img1[base + r]->Tag.clear();
    if (!model_.IsInputRow(t, r)) Text1[base + r]->SetLocked(true);
  }
  for (int r = 0; r < kRowsPerTab; ++r) ConfigurarItemIO(r);
  SetTabOrder(t);
  PosicionaIOControls();
}

void FormMain::SetTabOrder(int t) {
  const int base = (t - 1) * kRowsPerTab;
  const int inputs = model_.InputRows(t);
  std::vector<QWidget*> order{List1[t]};
  for (int r = 0; r < inputs; ++r) order.push_back(Text1[base + r]);
  for (QWidget* button : {LblGRA[t], LblINF[t], LblCAL[t], LblDEL[t]}) order.push_back(button);
  for (int r = inputs; r < kRowsPerTab; ++r) order.push_back(Text1[base + r]);
  for (size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void FormMain::LblDEL_Click(int Index) {
  if (Index < 1 || Index > kTabs) return;
  Vigas::TipoViga = static_cast<int16_t>(Index);
  const int base = (Index - 1) * kRowsPerTab;
  {
    BusyGuard busy(Ocupado);
    for (int r = 0; r < kRowsPerTab; ++r) Text1[base + r]->SetText(QString());
    for (int r = model_.InputRows(Index); r < kRowsPerTab; ++r) Text1[base + r]->SetVisible(false);
    SetGraphReport(Index, false);
    PosicionaIOControls();
    if (Text1[base]->Visible()) Text1[base]->setFocus();
  }
}
