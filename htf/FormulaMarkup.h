// The formulas of a case written in the program's formula mark-up: as the
// lines of its formula text (htf/f<code>.htf) and as the blocks its formula
// picture lays out.
#pragma once

#include <string>
#include <vector>

#include "htf/FormulaSource.h"

namespace formulas {

// A name as mark-up: an italic letter with its subscript (w0, RA), E·I, π, θ.
std::string NameMarkup(const std::string& name);

// An expression as mark-up, cut where a long formula may go on to the next
// line: every piece after the first starts with its " + " or " - ".
std::vector<std::string> MarkupPieces(const Expr& e);
std::string Markup(const Expr& e);

// One formula to show: "lhs = " and its right-hand side in pieces.
struct ShownFormula {
  std::string lhs;  // mark-up up to and including " = "
  std::vector<std::string> pieces;
};

// A heading (an interval of x with the names it defines, or none) and the
// formulas under it.
struct ShownBlock {
  std::string heading;
  std::vector<ShownFormula> formulas;
};

// The case's names, then each interval with y, θ, M, V, then the extremes.
std::vector<ShownBlock> ShownBlocks(const CaseFormulas& c);

// The formula text: one mark-up line per heading and formula, indented with
// the report's column code, lines ended by CR LF.
std::string FormulaText(const CaseFormulas& c);

}  // namespace formulas
