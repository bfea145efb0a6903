// The formulas shown to the user are the engine's: every formula of the 54
// cases agrees with Vigas::CalcularCaso at random valid inputs, and a wrong
// sign or factor anywhere in them would be caught.
#include <gtest/gtest.h>

#include <set>

#include "FormulaCheck.h"
#include "engine/Cases.h"
#include "htf/FormulaMarkup.h"

using formula_check::Disagreement;
using formula_check::ReadAllSources;
using formulas::CaseFormulas;
using formulas::Expr;
using formulas::ExprPtr;

namespace {

TEST(FormulasVsEngine, EveryCaseHasFormulasThatAgreeWithTheEngine) {
  const std::vector<CaseFormulas> cases = ReadAllSources();
  std::set<int> codes;
  for (const CaseFormulas& c : cases) {
    EXPECT_TRUE(codes.insert(c.code).second) << "case " << c.code << " twice";
    EXPECT_TRUE(Vigas::CasoExiste(c.code)) << "no case " << c.code;
    EXPECT_EQ(Disagreement(c, 40, 1000 + c.code), "");
  }
  for (int code = 0; code < 1000; ++code)
    EXPECT_EQ(Vigas::CasoExiste(code), codes.count(code) == 1) << "formulas of case " << code;
  EXPECT_EQ(codes.size(), 54u);
}

// Copies of an expression, each with one slip: a number one larger, a plus
// written as a minus or the other way round.
void Slips(const ExprPtr& e, std::vector<ExprPtr>& out) {
  auto with = [&](auto change) {
    auto copy = std::make_shared<Expr>(*e);
    change(*copy);
    out.push_back(copy);
  };
  if (e->kind == Expr::Kind::Number)
    with([](Expr& m) {
      m.value += 1;
      m.text = std::to_string(m.value);
    });
  if (e->kind == Expr::Kind::Add) with([](Expr& m) { m.kind = Expr::Kind::Subtract; });
  if (e->kind == Expr::Kind::Subtract) with([](Expr& m) { m.kind = Expr::Kind::Add; });
  for (ExprPtr Expr::*child : {&Expr::a, &Expr::b}) {
    if (!(e.get()->*child)) continue;
    std::vector<ExprPtr> inner;
    Slips(e.get()->*child, inner);
    for (const ExprPtr& m : inner) with([&](Expr& copy) { copy.*child = m; });
  }
}

// Every formula of the case with one slip at a time, the right-hand side
// turned over among them (unless it is a plain 0); `apply` sees each mutated
// case with the source line of the slip and the slipped expression. The
// position of an extreme is only turned over: moved along a stretch where the
// quantity is constant (V of a couple), it would rightly give the same value.
template <typename F>
void EachSlip(CaseFormulas& c, F apply) {
  auto mutate = [&](ExprPtr& rhs, int line, bool inside = true) {
    const ExprPtr original = rhs;
    std::vector<ExprPtr> slips;
    if (inside) Slips(original, slips);
    if (!(original->kind == Expr::Kind::Number && original->value == 0)) {
      auto negated = std::make_shared<Expr>();
      negated->kind = Expr::Kind::Negate;
      negated->a = original;
      slips.push_back(negated);
    }
    for (const ExprPtr& m : slips) {
      rhs = m;
      apply(line, *m);
    }
    rhs = original;
  };
  for (auto& f : c.names) mutate(f.rhs, f.line);
  for (auto& in : c.intervals) {
    for (auto& f : in.names) mutate(f.rhs, f.line);
    for (auto& f : in.results) mutate(f.rhs, f.line);
  }
  for (auto& e : c.extremes) {
    mutate(e.value, e.line);
    mutate(e.where, e.line, false);
  }
}

TEST(FormulasVsEngine, AWrongSignOrFactorInAnyFormulaIsCaught) {
  std::vector<CaseFormulas> cases = ReadAllSources();
  int tried = 0;
  for (CaseFormulas& c : cases) {
    if (!Disagreement(c, 2, 7).empty()) continue;  // the test above reports it
    EachSlip(c, [&](int line, const Expr& slip) {
      ++tried;
      EXPECT_NE(Disagreement(c, 8, 2000 + c.code), "")
          << "case " << c.code << ": a slip on line " << line
          << " goes unnoticed: " << formulas::Markup(slip);
    });
  }
  EXPECT_GT(tried, 2000);
}

}  // namespace
