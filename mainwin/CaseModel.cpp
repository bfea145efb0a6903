#include "mainwin/CaseModel.h"

#include "engine/DataVector.h"
#include "engine/Units.h"
#include "mainwin/CaseRows.h"

namespace mainwin {

namespace {
const CaseRow kEmptyRow{};
}  // namespace

void CaseModel::SetCase(int t, int code) {
  if (!ValidTab(t)) return;
  filasExtra_[t] = case_rows::ExtraRows(code);
  rows_[t].fill(CaseRow{});
  // A row named twice keeps the later setting.
  for (const case_rows::RowSetting& s : case_rows::RowsOfCase(code)) {
    if (s.row < 0 || s.row >= kRowsPerTab) continue;
    CaseRow& row = rows_[t][s.row];
    row.key = s.tag;
    row.caption = s.caption;
    row.picture = s.picture;
    row.kind = s.kind;
    row.slot = Vigas::IndiceDato(row.key);
    if (!IsInputRow(t, s.row))
      row.role = RowRole::Result;
    else if (row.key.rfind('#', 0) == 0)
      row.role = RowRole::OverhangInput;
    else
      row.role = RowRole::Input;
  }
}

const CaseRow& CaseModel::Row(int t, int r) const {
  if (!ValidTab(t) || r < 0 || r >= kRowsPerTab) return kEmptyRow;
  return rows_[t][r];
}

int CaseModel::FilasExtra(int t) const {
  return ValidTab(t) ? filasExtra_[t] : 0;
}

double CaseModel::RowFactor(int t, int r) const {
  const int k = Row(t, r).kind;
  if (k < 0 || k >= Vigas::kNumKinds) return 1;
  return Vigas::FactorUnidad[k];
}

std::string CaseModel::CaptionShown(int t, int r) const {
  const CaseRow& row = Row(t, r);
  if (row.role == RowRole::Empty) return std::string();
  std::string caption = " " + row.caption;
  if (row.kind > 0 && row.kind < Vigas::kNumKinds)
    caption += " (" + Vigas::UnidadSel[row.kind] + ")";
  return caption;
}

int CaseModel::PositionRow(int t) const {
  for (int r = 0; r < kRowsPerTab; ++r)
    if (Row(t, r).key == "X") return r;
  return -1;
}

int CaseModel::OverhangRow(int t) const {
  for (int r = 0; r < kRowsPerTab; ++r)
    if (Row(t, r).role == RowRole::OverhangInput) return r;
  return -1;
}

}  // namespace mainwin
