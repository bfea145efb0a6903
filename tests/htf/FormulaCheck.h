// Holding the formula sources against the engine: every formula of a case
// evaluated at random valid inputs, on every interval, and compared with what
// Vigas::CalcularCaso computes there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "htf/FormulaSource.h"

namespace formula_check {

// Every case of every source in htf/cases; fails the test on a source that
// cannot be read.
std::vector<formulas::CaseFormulas> ReadAllSources();

// The first disagreement between the case's formulas and the engine over
// `runs` random sets of inputs (the first all loads positive, the second all
// negative), or "" when they agree to 1e-9 of each quantity's scale.
std::string Disagreement(const formulas::CaseFormulas& c, int runs, uint32_t seed);

}  // namespace formula_check
