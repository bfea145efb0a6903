// The rows of each load case: which of the 15 rows of a tab are inputs and
// which are results, with the slot key, caption, quantity picture and unit
// kind of each.
#pragma once

#include <vector>

namespace case_rows {

// One row setting: row 0..14, caption (without the leading space), index of
// the quantity picture, unit kind 0..6 and the slot key the box names.
struct RowSetting {
  int row;
  const char* caption;
  int picture;
  int kind;
  const char* tag;
};

// Extra groups of three input rows of a case: 1 for 104 and 112, else 0.
int ExtraRows(int code);

// The row settings of a case in the order they are applied; a row named
// twice keeps the later setting. A code outside the 54 gets only the rows
// every case has.
std::vector<RowSetting> RowsOfCase(int code);

}  // namespace case_rows
