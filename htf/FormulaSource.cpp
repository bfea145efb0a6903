#include "htf/FormulaSource.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace formulas {

const char* const kResults[4] = {"y", "theta", "M", "V"};

namespace {

struct Token {
  enum class Kind { Number, Name, Symbol, End } kind;
  std::string text;
};

bool IsKeyword(const std::string& s) {
  return s == "case" || s == "on" || s == "max" || s == "at";
}

bool IsFunction(const std::string& s) {
  return s == "sin" || s == "cos";
}

// Names the mark-up can show: one letter, a letter or theta with a
// one-character subscript (w0, RA, thetaA), E·I and pi.
bool IsShowableName(const std::string& s) {
  if (s == "EI" || s == "pi") return true;
  if (s.size() == 6 && s.compare(0, 5, "theta") == 0)
    return std::isupper(static_cast<unsigned char>(s[5]));
  if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
  if (s.size() == 1) return true;
  return s.size() == 2 && (std::isdigit(static_cast<unsigned char>(s[1])) ||
                           std::isupper(static_cast<unsigned char>(s[1])));
}

std::vector<Token> Tokenize(const std::string& line) {
  std::vector<Token> out;
  size_t i = 0;
  while (i < line.size()) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (std::isspace(c)) {
      ++i;
    } else if (std::isdigit(c)) {
      size_t j = i;
      while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j]))) ++j;
      if (j + 1 < line.size() && line[j] == '.' &&
          std::isdigit(static_cast<unsigned char>(line[j + 1]))) {
        ++j;
        while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j]))) ++j;
      }
      out.push_back({Token::Kind::Number, line.substr(i, j - i)});
      i = j;
    } else if (std::isalpha(c)) {
      size_t j = i;
      while (j < line.size() && std::isalnum(static_cast<unsigned char>(line[j]))) ++j;
      out.push_back({Token::Kind::Name, line.substr(i, j - i)});
      i = j;
    } else if (line.compare(i, 2, "<=") == 0) {
      out.push_back({Token::Kind::Symbol, "<="});
      i += 2;
    } else if (std::string("+-*/^()=<").find(static_cast<char>(c)) != std::string::npos) {
      out.push_back({Token::Kind::Symbol, std::string(1, static_cast<char>(c))});
      ++i;
    } else {
      throw SourceError(std::string("unexpected character '") + static_cast<char>(c) + "'");
    }
  }
  out.push_back({Token::Kind::End, ""});
  return out;
}

ExprPtr Make(Expr::Kind kind, ExprPtr a = nullptr, ExprPtr b = nullptr) {
  auto e = std::make_shared<Expr>();
  e->kind = kind;
  e->a = std::move(a);
  e->b = std::move(b);
  return e;
}

class ExpressionParser {
 public:
  explicit ExpressionParser(const std::vector<Token>& t, size_t pos = 0) : t_(t), i_(pos) {}

  size_t Position() const { return i_; }
  const Token& Peek() const { return t_[i_]; }
  bool At(const char* symbol) const {
    return Peek().kind == Token::Kind::Symbol && Peek().text == symbol;
  }
  void Expect(const char* symbol) {
    if (!At(symbol)) throw SourceError(std::string("expected '") + symbol + "'" + Found());
    ++i_;
  }
  std::string Found() const {
    return Peek().kind == Token::Kind::End ? " at the end" : " before '" + Peek().text + "'";
  }

  // expr := ['-'] term (('+' | '-') term)*
  ExprPtr Expression() {
    ExprPtr e;
    if (At("-")) {
      ++i_;
      e = Make(Expr::Kind::Negate, Term());
    } else {
      e = Term();
    }
    while (At("+") || At("-")) {
      const bool add = At("+");
      ++i_;
      e = Make(add ? Expr::Kind::Add : Expr::Kind::Subtract, e, Term());
    }
    return e;
  }

 private:
  const std::vector<Token>& t_;
  size_t i_;

  bool StartsFactor() const {
    const Token& k = Peek();
    if (k.kind == Token::Kind::Name) return !IsKeyword(k.text);
    return k.kind == Token::Kind::Number || (k.kind == Token::Kind::Symbol && k.text == "(");
  }

  // term := power (['*'] power)* ['/' power]
  ExprPtr Term() {
    ExprPtr e = Power();
    for (;;) {
      if (At("*")) {
        ++i_;
        e = Make(Expr::Kind::Dot, e, Power());
      } else if (StartsFactor()) {
        if (Peek().kind == Token::Kind::Number)
          throw SourceError("a number after a factor needs '*'" + Found());
        e = Make(Expr::Kind::Juxtapose, e, Power());
      } else {
        break;
      }
    }
    if (At("/")) {
      ++i_;
      e = Make(Expr::Kind::Divide, e, Power());
      if (At("*") || At("/") || StartsFactor())
        throw SourceError("a divisor ends its term: put the divisor in parentheses" + Found());
      if (ShowsAsProduct(*e->b))
        throw SourceError("'" + e->b->text + "' after '/' shows as a product: write /(" +
                          e->b->text + ")");
    }
    return e;
  }

  // power := atom ['^' digit]
  ExprPtr Power() {
    ExprPtr e = Atom();
    if (At("^")) {
      if (ShowsAsProduct(*e))
        throw SourceError("a power of '" + e->text + "' needs parentheses: (" + e->text + ")^n");
      ++i_;
      const Token& k = Peek();
      if (k.kind != Token::Kind::Number || k.text.size() != 1 || k.text == "0" || k.text == "1")
        throw SourceError("a power is one digit from 2 to 9" + Found());
      auto p = std::make_shared<Expr>();
      p->kind = Expr::Kind::Power;
      p->a = e;
      p->value = k.text[0] - '0';
      ++i_;
      e = p;
      if (At("^")) throw SourceError("a power of a power needs parentheses");
    }
    return e;
  }

  ExprPtr Atom() {
    const Token k = Peek();
    if (k.kind == Token::Kind::Number) {
      ++i_;
      auto e = std::make_shared<Expr>();
      e->kind = Expr::Kind::Number;
      e->text = k.text;
      // Read the same under every locale ("0.5" is a half, not 0).
      std::from_chars(k.text.data(), k.text.data() + k.text.size(), e->value);
      return e;
    }
    if (At("(")) {
      ++i_;
      ExprPtr inner = Expression();
      Expect(")");
      return Make(Expr::Kind::Group, inner);
    }
    if (k.kind == Token::Kind::Name && !IsKeyword(k.text)) {
      ++i_;
      auto e = std::make_shared<Expr>();
      e->text = k.text;
      if (IsFunction(k.text)) {
        Expect("(");
        e->kind = Expr::Kind::Call;
        e->a = Expression();
        Expect(")");
        return e;
      }
      if (!IsShowableName(k.text))
        throw SourceError("'" + k.text + "' is no name the formulas show");
      e->kind = Expr::Kind::Name;
      return e;
    }
    throw SourceError("expected a number, a name or '('" + Found());
  }
};

ExprPtr WholeExpression(const std::vector<Token>& t, size_t pos) {
  ExpressionParser p(t, pos);
  ExprPtr e = p.Expression();
  if (p.Peek().kind != Token::Kind::End) throw SourceError("unexpected" + p.Found());
  return e;
}

bool IsResult(const std::string& s) {
  return std::find(std::begin(kResults), std::end(kResults), s) != std::end(kResults);
}

// Reads the statements of one source, keeping where each came from.
class SourceParser {
 public:
  std::vector<CaseFormulas> cases;

  void Statement(const std::string& text, int line) {
    const std::vector<Token> t = Tokenize(text);
    if (t[0].kind != Token::Kind::Name) throw SourceError("a line starts with a name");
    const std::string& head = t[0].text;
    if (head == "case") return StartCase(t, line);
    if (cases.empty()) throw SourceError("formulas before the first 'case'");
    CaseFormulas& c = cases.back();
    if (head == "on") return StartInterval(c, t, line);
    if (head == "max") return AddExtreme(c, t, line);
    if (t[1].kind != Token::Kind::Symbol || t[1].text != "=")
      throw SourceError("expected '=' after '" + head + "'");
    Formula f{head, WholeExpression(t, 2), line};
    if (IsResult(head)) {
      if (c.intervals.empty()) throw SourceError("'" + head + "' before the first 'on'");
      Interval& in = c.intervals.back();
      const size_t k = in.results.size();
      if (k >= 4 || head != kResults[k])
        throw SourceError("the results of an interval are y, theta, M, V in this order");
      in.results.push_back(f);
      return;
    }
    if (!IsShowableName(head) || head == "pi" || head == "x")
      throw SourceError("'" + head + "' cannot be defined");
    if (!c.extremes.empty()) throw SourceError("names after the extremes");
    std::vector<Formula>& scope = c.intervals.empty() ? c.names : c.intervals.back().names;
    if (!c.intervals.empty() && !c.intervals.back().results.empty())
      throw SourceError("names of an interval come before its results");
    for (const Formula& g : scope)
      if (g.name == head) throw SourceError("'" + head + "' is defined twice");
    scope.push_back(f);
  }

  void Finish() {
    if (!cases.empty()) CheckCase(cases.back());
  }

 private:
  void StartCase(const std::vector<Token>& t, int line) {
    if (t[1].kind != Token::Kind::Number || t[2].kind != Token::Kind::End)
      throw SourceError("expected 'case <code>'");
    Finish();
    CaseFormulas c;
    c.code = std::stoi(t[1].text);
    c.line = line;
    cases.push_back(c);
  }

  void StartInterval(CaseFormulas& c, const std::vector<Token>& t, int line) {
    if (!c.extremes.empty()) throw SourceError("an interval after the extremes");
    if (!c.intervals.empty()) CheckInterval(c.intervals.back());
    Interval in;
    in.line = line;
    ExpressionParser p(t, 1);
    in.lo = p.Expression();
    in.loClosed = Relation(p);
    if (p.Peek().kind != Token::Kind::Name || p.Peek().text != "x")
      throw SourceError("expected 'on lo <= x <= hi'");
    ExpressionParser q(t, p.Position() + 1);
    in.hiClosed = Relation(q);
    in.hi = q.Expression();
    if (q.Peek().kind != Token::Kind::End) throw SourceError("unexpected" + q.Found());
    c.intervals.push_back(in);
  }

  static bool Relation(ExpressionParser& p) {
    if (p.At("<=")) {
      p.Expect("<=");
      return true;
    }
    p.Expect("<");
    return false;
  }

  void AddExtreme(CaseFormulas& c, const std::vector<Token>& t, int line) {
    if (c.intervals.empty()) throw SourceError("an extreme before the intervals");
    if (c.extremes.empty()) CheckInterval(c.intervals.back());
    Extreme e;
    e.line = line;
    if (t[1].kind != Token::Kind::Name || !IsResult(t[1].text))
      throw SourceError("expected 'max y|theta|M|V = value at position'");
    e.quantity = t[1].text;
    ExpressionParser p(t, 2);
    p.Expect("=");
    e.value = p.Expression();
    if (p.Peek().kind != Token::Kind::Name || p.Peek().text != "at")
      throw SourceError("expected 'at' after the value");
    e.where = WholeExpression(t, p.Position() + 1);
    c.extremes.push_back(e);
  }

  static void CheckInterval(const Interval& in) {
    if (in.results.size() != 4)
      throw SourceError("the interval on line " + std::to_string(in.line) +
                        " lacks one of y, theta, M, V");
  }

  static void CheckCase(const CaseFormulas& c) {
    if (c.intervals.empty())
      throw SourceError("case " + std::to_string(c.code) + " has no interval");
    if (c.extremes.empty()) CheckInterval(c.intervals.back());
  }
};

}  // namespace

std::vector<CaseFormulas> ParseSource(const std::string& text, const std::string& origin) {
  SourceParser parser;
  std::istringstream in(text);
  std::string raw, statement;
  int number = 0, statementLine = 0;
  auto flush = [&] {
    if (statement.empty()) return;
    try {
      parser.Statement(statement, statementLine);
    } catch (const SourceError& e) {
      throw SourceError(origin + ":" + std::to_string(statementLine) + ": " + e.what());
    }
    statement.clear();
  };
  while (std::getline(in, raw)) {
    ++number;
    std::string line = raw.substr(0, raw.find('#'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    // A line that starts with "+" or "-" goes on with the formula above it.
    if ((line[first] == '+' || line[first] == '-') && !statement.empty()) {
      statement += " " + line.substr(first);
      continue;
    }
    flush();
    statement = line.substr(first);
    statementLine = number;
  }
  flush();
  try {
    parser.Finish();
  } catch (const SourceError& e) {
    throw SourceError(origin + ": " + e.what());
  }
  return parser.cases;
}

ExprPtr ParseExpression(const std::string& text) {
  return WholeExpression(Tokenize(text), 0);
}

double Evaluate(const Expr& e, const Values& values) {
  switch (e.kind) {
    case Expr::Kind::Number:
      return e.value;
    case Expr::Kind::Name: {
      if (e.text == "pi") return 4 * std::atan(1.0);
      const auto it = values.find(e.text);
      if (it == values.end()) throw SourceError("'" + e.text + "' has no value");
      return it->second;
    }
    case Expr::Kind::Group:
      return Evaluate(*e.a, values);
    case Expr::Kind::Negate:
      return -Evaluate(*e.a, values);
    case Expr::Kind::Add:
      return Evaluate(*e.a, values) + Evaluate(*e.b, values);
    case Expr::Kind::Subtract:
      return Evaluate(*e.a, values) - Evaluate(*e.b, values);
    case Expr::Kind::Juxtapose:
    case Expr::Kind::Dot:
      return Evaluate(*e.a, values) * Evaluate(*e.b, values);
    case Expr::Kind::Divide:
      return Evaluate(*e.a, values) / Evaluate(*e.b, values);
    case Expr::Kind::Power: {
      const double base = Evaluate(*e.a, values);
      double p = 1;
      for (int k = 0; k < static_cast<int>(e.value); ++k) p *= base;
      return p;
    }
    case Expr::Kind::Call: {
      const double v = Evaluate(*e.a, values);
      return e.text == "sin" ? std::sin(v) : std::cos(v);
    }
  }
  return 0;
}

Values CaseValues(const CaseFormulas& c, const Values& inputs) {
  Values v = inputs;
  for (const Formula& f : c.names) v[f.name] = Evaluate(*f.rhs, v);
  return v;
}

Values IntervalValues(const Interval& i, const Values& caseValues, double x) {
  Values v = caseValues;
  v["x"] = x;
  for (const Formula& f : i.names) v[f.name] = Evaluate(*f.rhs, v);
  return v;
}

bool ShowsAsProduct(const Expr& e) {
  switch (e.kind) {
    case Expr::Kind::Name:
      return e.text == "EI";
    case Expr::Kind::Juxtapose:
    case Expr::Kind::Dot:
    case Expr::Kind::Divide:
      return true;
    default:
      return false;
  }
}

void NamesUsed(const Expr& e, std::vector<std::string>& names) {
  if (e.kind == Expr::Kind::Name && e.text != "pi") names.push_back(e.text);
  if (e.a) NamesUsed(*e.a, names);
  if (e.b) NamesUsed(*e.b, names);
}

void NamesUsed(const CaseFormulas& c, std::vector<std::string>& names) {
  for (const Formula& f : c.names) NamesUsed(*f.rhs, names);
  for (const Interval& in : c.intervals) {
    NamesUsed(*in.lo, names);
    NamesUsed(*in.hi, names);
    for (const Formula& f : in.names) NamesUsed(*f.rhs, names);
    for (const Formula& f : in.results) NamesUsed(*f.rhs, names);
  }
  for (const Extreme& e : c.extremes) {
    NamesUsed(*e.value, names);
    NamesUsed(*e.where, names);
  }
}

}  // namespace formulas
