// The per-case row table, kept as data: the rows common to every case, the
// result rows of each support type, and the load rows of each load pattern.
#include "mainwin/CaseRows.h"

#include <cstring>
#include <initializer_list>

namespace case_rows {

namespace {

// Load rows: slot key, caption, picture, unit kind.
struct LoadRow {
  const char* tag;
  const char* caption;
  int picture;
  int kind;
};

const LoadRow kLoadRows[] = {
    {"W0", "Distributed load", 8, 4},  {"W1", "Distributed load", 22, 4},
    {"W2", "Distributed load", 23, 4}, {"P", "Concentrated load", 5, 3},
    {"P1", "Concentrated load", 6, 3}, {"P2", "Concentrated load", 7, 3},
    {"M0", "Moment", 10, 5},           {"M1", "Moment", 26, 5},
    {"M2", "Moment", 27, 5},           {"a", "Distance", 2, 1},
    {"b", "Distance", 3, 1},           {"c", "Distance", 4, 1},
    {"#a", "Distance", 2, 1},          {"#c", "Distance", 4, 1},
};

RowSetting Load(int row, const char* tag) {
  for (const LoadRow& l : kLoadRows)
    if (std::strcmp(l.tag, tag) == 0) return {row, l.caption, l.picture, l.kind, l.tag};
  return {row, "", 0, 0, ""};
}

// Rows of every case (rows 6, 7 and 8 only without extra input rows).
const RowSetting kCommonUpper[] = {
    {6, "Deflection", 14, 2, "Y"},
    {7, "Maximum deflection", 15, 2, "Ymax"},
    {8, "Shear", 21, 3, "V"},
};
const RowSetting kCommonLower[] = {
    {9, "Moment", 19, 5, "M"},
    {10, "Maximum moment", 20, 5, "Mmax"},
    {12, "Slope", 16, 0, "Theta"},
};
const RowSetting kInputs[] = {
    {0, "Flexural rigidity", 0, 6, "EI"},
    {1, "Length", 1, 1, "L"},
    {5, "Position", 13, 1, "X"},
};

// Result rows of each support type 1..5.
const RowSetting kSlopeA{13, "Slope at A", 17, 0, "ThetaA"};
const RowSetting kSlopeB13{13, "Slope at B", 18, 0, "ThetaB"};
const RowSetting kSlopeB14{14, "Slope at B", 18, 0, "ThetaB"};
const RowSetting kShearA11{11, "Shear at A", 24, 3, "Va"};
const RowSetting kShearA13{13, "Shear at A", 24, 3, "Va"};
const RowSetting kShearA14{14, "Shear at A", 24, 3, "Va"};
const RowSetting kShearB14{14, "Shear at B", 25, 3, "Vb"};

std::vector<RowSetting> SupportRows(int type) {
  switch (type) {
    case 1:
      return {kSlopeA, kSlopeB14};
    case 2:
      return {kSlopeB13, kShearA14};
    case 3:
      return {kShearA13, kShearB14};
    case 4:
    case 5:
      return {kShearA11, kSlopeB13, kShearB14};
    default:
      return {};
  }
}

// Load patterns of the cases with six input rows: the keys of rows 2, 3 and
// 4 ("" = row left empty) and whether row 11 shows the derived distance c.
struct Pattern {
  const char* row2;
  const char* row3;
  const char* row4;
  bool derivedC;
  std::initializer_list<int> codes;
};

const Pattern kPatterns[] = {
    {"W0", "", "", false, {100, 101, 105, 106, 107, 200, 204, 205, 206, 300, 301, 400}},
    {"W0", "a", "", false, {102, 201, 302, 401}},
    {"W0", "b", "", false, {202, 402}},
    {"W0", "a", "b", true, {103, 203, 303, 403}},
    {"P", "", "", false, {108, 207, 304, 404}},
    {"P", "a", "", false, {109, 110, 208, 305, 306, 405, 406}},
    {"P", "a", "b", false, {111}},
    {"M0", "", "", false, {113, 114, 115, 116, 120, 209, 307, 408}},
    {"M0", "a", "", false, {117, 210, 308, 407}},
    {"", "M1", "M2", false, {118, 119}},
    {"W0", "#a", "", false, {500, 501}},
    {"P", "#a", "", false, {502}},
    {"P", "a", "#c", false, {503}},
};

const Pattern* PatternOf(int code) {
  for (const Pattern& p : kPatterns)
    for (int c : p.codes)
      if (c == code) return &p;
  return nullptr;
}

// The cases with nine input rows: loads in rows 3, 4, 6 and 7, results in
// rows 9 to 14 (row 14 of 112 stays the slope at B of its support type).
std::vector<RowSetting> NineInputRows(int code) {
  if (code == 104)
    return {Load(3, "W1"),
            Load(4, "W2"),
            Load(6, "a"),
            Load(7, "c"),
            {9, "Deflection", 14, 2, "y"},
            {10, "Slope", 16, 0, "Theta"},
            {11, "Moment", 19, 5, "M"},
            {12, "Shear", 21, 3, "V"},
            {13, "Distance", 3, 1, "b"},
            {14, "Maximum deflection", 15, 2, "Ymax"}};
  return {Load(3, "P1"),
          Load(4, "P2"),
          Load(6, "a"),
          Load(7, "b"),
          {9, "Deflection", 14, 2, "Y"},
          {10, "Slope", 16, 0, "Theta"},
          {11, "Moment", 19, 5, "M"},
          {12, "Shear", 21, 3, "V"},
          {13, "Maximum deflection", 15, 2, "Ymax"}};
}

}  // namespace

int ExtraRows(int code) {
  return (code == 104 || code == 112) ? 1 : 0;
}

std::vector<RowSetting> RowsOfCase(int code) {
  std::vector<RowSetting> rows;
  if (ExtraRows(code) == 0)
    rows.insert(rows.end(), std::begin(kCommonUpper), std::end(kCommonUpper));
  rows.insert(rows.end(), std::begin(kCommonLower), std::end(kCommonLower));
  const std::vector<RowSetting> support = SupportRows(code / 100);
  rows.insert(rows.end(), support.begin(), support.end());
  rows.insert(rows.end(), std::begin(kInputs), std::end(kInputs));

  if (ExtraRows(code) == 1) {
    const std::vector<RowSetting> nine = NineInputRows(code);
    rows.insert(rows.end(), nine.begin(), nine.end());
    return rows;
  }
  const Pattern* p = PatternOf(code);
  if (p == nullptr) return rows;
  // Loads first, the overhang input last.
  const char* keys[3] = {p->row2, p->row3, p->row4};
  for (int i = 0; i < 3; ++i)
    if (*keys[i] != '\0' && *keys[i] != '#') rows.push_back(Load(2 + i, keys[i]));
  if (p->derivedC) rows.push_back(Load(11, "c"));
  for (int i = 0; i < 3; ++i)
    if (*keys[i] == '#') rows.push_back(Load(2 + i, keys[i]));
  return rows;
}

}  // namespace case_rows
