#include "htf/FormulaMarkup.h"

namespace formulas {

namespace {

const char* const kMiddleDot = "\xC2\xB7";  // UTF-8

std::string Italic(const std::string& s) {
  return "&+I" + s + "&-I";
}

// Neighbouring italic stretches joined: "&+IL&-I&+Ix&-I" becomes "&+ILx&-I".
std::string JoinItalics(std::string s) {
  for (size_t p; (p = s.find("&-I&+I")) != std::string::npos;) s.erase(p, 6);
  return s;
}

std::string NumberMarkup(const std::string& digits) {
  std::string s = digits;
  const size_t point = s.find('.');
  if (point != std::string::npos) s.replace(point, 1, "&.");
  return s;
}

// Writes an expression into pieces; a binary plus or minus starts a new one.
class PieceWriter {
 public:
  std::vector<std::string> pieces{std::string()};

  void Write(const Expr& e) {
    switch (e.kind) {
      case Expr::Kind::Number:
        Emit(NumberMarkup(e.text));
        break;
      case Expr::Kind::Name:
        Emit(NameMarkup(e.text));
        break;
      case Expr::Kind::Group:
        Emit("(");
        Write(*e.a);
        Emit(")");
        break;
      case Expr::Kind::Negate:
        Emit("-");
        Write(*e.a);
        break;
      case Expr::Kind::Add:
      case Expr::Kind::Subtract:
        Write(*e.a);
        pieces.push_back(e.kind == Expr::Kind::Add ? " + " : " - ");
        Write(*e.b);
        break;
      case Expr::Kind::Juxtapose:
        Write(*e.a);
        Write(*e.b);
        break;
      case Expr::Kind::Dot:
        Write(*e.a);
        Emit(kMiddleDot);
        Write(*e.b);
        break;
      case Expr::Kind::Divide:
        Write(*e.a);
        Emit("/");
        WriteFactor(*e.b);
        break;
      case Expr::Kind::Power:
        WriteFactor(*e.a);
        Emit("^" + std::to_string(static_cast<int>(e.value)));
        break;
      case Expr::Kind::Call:
        Emit(e.text + "(");
        Write(*e.a);
        Emit(")");
        break;
    }
  }

 private:
  void Emit(const std::string& s) { pieces.back() += s; }

  // A divisor or the base of a power, bracketed when it would read as a
  // product: "/(E·I)", never "/E·I", whatever the source wrote.
  void WriteFactor(const Expr& e) {
    const bool bracket = ShowsAsProduct(e);
    if (bracket) Emit("(");
    Write(e);
    if (bracket) Emit(")");
  }
};

std::string QuantityMarkup(const std::string& q) {
  return NameMarkup(q);
}

ShownFormula Shown(const std::string& lhs, const Expr& rhs) {
  return {lhs + " = ", MarkupPieces(rhs)};
}

std::string Relation(bool closed) {
  return closed ? " &<= " : " < ";
}

}  // namespace

std::string NameMarkup(const std::string& name) {
  if (name == "EI") return Italic("E") + kMiddleDot + Italic("I");
  if (name == "pi") return "&pi";
  if (name.compare(0, 5, "theta") == 0) {
    const std::string sub = name.substr(5);
    return Italic("&theta") + (sub.empty() ? "" : "_" + sub);
  }
  if (name.size() == 2) return Italic(name.substr(0, 1)) + "_" + name.substr(1, 1);
  return Italic(name);
}

std::vector<std::string> MarkupPieces(const Expr& e) {
  PieceWriter w;
  w.Write(e);
  for (std::string& p : w.pieces) p = JoinItalics(p);
  return w.pieces;
}

std::string Markup(const Expr& e) {
  std::string s;
  for (const std::string& p : MarkupPieces(e)) s += p;
  return JoinItalics(s);
}

std::vector<ShownBlock> ShownBlocks(const CaseFormulas& c) {
  std::vector<ShownBlock> blocks;
  ShownBlock names;
  for (const Formula& f : c.names) names.formulas.push_back(Shown(NameMarkup(f.name), *f.rhs));
  if (!names.formulas.empty()) blocks.push_back(names);

  for (const Interval& in : c.intervals) {
    // The interval's own names go on its heading line: "L/2 ≤ x ≤ L,  u = L − x".
    ShownBlock b;
    b.heading = Markup(*in.lo) + Relation(in.loClosed) + Italic("x") + Relation(in.hiClosed) +
                Markup(*in.hi);
    for (const Formula& f : in.names)
      b.heading += ",  " + NameMarkup(f.name) + " = " + Markup(*f.rhs);
    b.heading = JoinItalics(b.heading);
    for (const Formula& f : in.results) b.formulas.push_back(Shown(QuantityMarkup(f.name), *f.rhs));
    blocks.push_back(b);
  }

  ShownBlock extremes;
  for (const Extreme& e : c.extremes) {
    const std::string q = QuantityMarkup(e.quantity);
    extremes.formulas.push_back(
        Shown(JoinItalics(q + "_M_A_X = " + q + "(" + Markup(*e.where) + ")"), *e.value));
  }
  if (!extremes.formulas.empty()) blocks.push_back(extremes);
  return blocks;
}

std::string FormulaText(const CaseFormulas& c) {
  std::string text;
  for (const ShownBlock& b : ShownBlocks(c)) {
    if (!b.heading.empty()) text += "&SP=2:" + b.heading + "\r\n";
    for (const ShownFormula& f : b.formulas) {
      text += "&SP=4:" + f.lhs;
      for (const std::string& p : f.pieces) text += p;
      text += "\r\n";
    }
  }
  return text;
}

}  // namespace formulas
