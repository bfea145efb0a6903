// The beam formulas as the user reads them: one reviewed text per support
// type, read into expression trees that can be evaluated (so a test can hold
// them against the engine) and written as formula mark-up (so the formula
// texts and pictures show exactly what was checked).
//
// A source holds cases:
//
//   case 103                       the case code
//   c = L - a - b                  names valid for the whole case (reactions
//   RA = w0 b (2 c + b)/(2 L)      RA, RB and end moments MA, MB among them)
//   on 0 <= x < a                  an interval of x, as the engine chooses it
//   u = L - x                      names valid within the interval
//   y = ...  theta = ...  M = ...  V = ...   one line each, all four
//   max y = ... at L/2             an extreme of larger magnitude, where it is
//
// Expressions: numbers, names, + - * / ^ and parentheses. A blank between two
// factors multiplies them and shows them side by side; "*" shows a "·". A
// divisor is a single factor and ends the term ("w0 L^2/8", never "a/2 b"),
// and EI, shown as the product E·I, is put in parentheses after "/" or before
// "^" ("x/(EI)"), so what is shown reads one way only. Powers are single
// digits. Functions: sin, cos; the constant pi.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace formulas {

struct Expr;
using ExprPtr = std::shared_ptr<const Expr>;

struct Expr {
  enum class Kind {
    Number,  // text holds the digits as written
    Name,
    Group,   // parentheses as written: a
    Negate,  // -a
    Add,
    Subtract,
    Juxtapose,  // a b
    Dot,        // a * b
    Divide,
    Power,  // a ^ digit (exponent in value)
    Call,   // text(a)
  };
  Kind kind;
  std::string text;
  double value = 0;
  ExprPtr a, b;
};

// A named formula: "lhs = rhs" on source line `line`.
struct Formula {
  std::string name;
  ExprPtr rhs;
  int line = 0;
};

// lo <(=) x <(=) hi
struct Interval {
  ExprPtr lo, hi;
  bool loClosed = true, hiClosed = true;
  std::vector<Formula> names;    // local names, in order
  std::vector<Formula> results;  // y, theta, M, V in that order
  int line = 0;
};

// "max q = value at where": q reaches its extreme of larger magnitude there.
struct Extreme {
  std::string quantity;  // y, theta, M or V
  ExprPtr where;
  ExprPtr value;
  int line = 0;
};

struct CaseFormulas {
  int code = 0;
  std::vector<Formula> names;
  std::vector<Interval> intervals;
  std::vector<Extreme> extremes;
  int line = 0;
};

// The four results of an interval, in the order they are written.
extern const char* const kResults[4];

// A source that cannot be read: names the file and line and says why.
class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads one source text; `origin` names it in error messages.
std::vector<CaseFormulas> ParseSource(const std::string& text, const std::string& origin);

// One expression (for tests and tools).
ExprPtr ParseExpression(const std::string& text);

using Values = std::map<std::string, double>;

// Value of an expression; a name without a value throws SourceError.
double Evaluate(const Expr& e, const Values& values);

// The case's names evaluated in order over the inputs (inputs kept).
Values CaseValues(const CaseFormulas& c, const Values& inputs);
// The interval's local names added, at x.
Values IntervalValues(const Interval& i, const Values& caseValues, double x);

// Whether the expression, shown without brackets around it, reads as a
// product or a quotient ("E·I", "2L", "a/b"): as a divisor or the base of a
// power it needs them.
bool ShowsAsProduct(const Expr& e);

// Names an expression reads, in no particular order.
void NamesUsed(const Expr& e, std::vector<std::string>& names);
// Names a case reads anywhere: interval borders, names, results, extremes.
void NamesUsed(const CaseFormulas& c, std::vector<std::string>& names);

}  // namespace formulas
