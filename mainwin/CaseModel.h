// The rows of the case chosen on each tab, as data: for each of the 15 rows
// of a tab, the slot its box names, its caption, quantity picture, unit kind
// and whether it is an input or a result. The main window shows it; the
// calculation reads it.
#pragma once

#include <array>
#include <string>

#include "engine/Cases.h"

namespace mainwin {

enum class RowRole {
  Empty,          // no case uses the row
  Input,          // a value the user types
  OverhangInput,  // the overhang length beyond B (support type 5)
  Result,         // a value the calculation writes
};

struct CaseRow {
  RowRole role = RowRole::Empty;
  std::string key;      // slot key as the row table gives it ("X", "W0", "#a"); "" when empty
  std::string caption;  // without the unit ("Length")
  int picture = -1;     // quantity picture 0..27; -1 when empty
  int kind = 0;         // unit kind 0..6
  int slot = -1;        // the Datos slot the key names; -1 for none
};

class CaseModel {
 public:
  static constexpr int kTabs = Vigas::kSupportTypes;
  static constexpr int kRowsPerTab = 15;

  // Sets up the rows of case `code` on tab t (1..5): every row emptied, then
  // the rows of the case's table. A code outside the 54 gets the rows every
  // case has.
  void SetCase(int t, int code);

  // Row r (0..14) of tab t; an empty row for anything out of range.
  const CaseRow& Row(int t, int r) const;

  // Extra groups of three input rows on tab t: 1 for 104 and 112, else 0.
  int FilasExtra(int t) const;
  // Inputs are rows 0 .. InputRows(t) - 1, results the rest.
  int InputRows(int t) const { return 3 * FilasExtra(t) + 6; }
  bool IsInputRow(int t, int r) const { return r < InputRows(t); }

  // Display units per base unit of the row's values.
  double RowFactor(int t, int r) const;
  // The caption as the row shows it: " Length (m)", " Slope" for a value
  // without unit, "" for an empty row.
  std::string CaptionShown(int t, int r) const;

  // The row of the position x (the slider drives it), and the first row of
  // the overhang length; -1 when the tab has none.
  int PositionRow(int t) const;
  int OverhangRow(int t) const;

 private:
  static bool ValidTab(int t) { return t >= 1 && t <= kTabs; }

  std::array<std::array<CaseRow, kRowsPerTab>, kTabs + 1> rows_{};
  std::array<int, kTabs + 1> filasExtra_{};
};

}  // namespace mainwin
