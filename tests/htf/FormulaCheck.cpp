#include "FormulaCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "engine/CaseChecks.h"

namespace formula_check {

using formulas::CaseFormulas;
using formulas::Evaluate;
using formulas::Values;

namespace {

const std::map<std::string, int> kInputSlots = {
    {"EI", Vigas::Slot::EI}, {"L", Vigas::Slot::L},   {"a", Vigas::Slot::a},
    {"b", Vigas::Slot::b},   {"c", Vigas::Slot::c},   {"w0", Vigas::Slot::w0},
    {"w1", Vigas::Slot::w1}, {"w2", Vigas::Slot::w2}, {"P", Vigas::Slot::P},
    {"P1", Vigas::Slot::P1}, {"P2", Vigas::Slot::P2}, {"M0", Vigas::Slot::M0},
    {"M1", Vigas::Slot::M1}, {"M2", Vigas::Slot::M2}};

bool IsLoad(const std::string& name) {
  return name[0] == 'w' || name[0] == 'P' || name[0] == 'M';
}

// Names the case reads but does not define.
std::set<std::string> InputNames(const CaseFormulas& c) {
  std::set<std::string> defined{"x"};
  for (const auto& f : c.names) defined.insert(f.name);
  for (const auto& in : c.intervals)
    for (const auto& f : in.names) defined.insert(f.name);
  std::vector<std::string> used;
  formulas::NamesUsed(c, used);
  std::set<std::string> inputs;
  for (const auto& n : used)
    if (!defined.count(n)) inputs.insert(n);
  return inputs;
}

void PutInputs(const Values& in) {
  casecheck::InputList slots;
  for (const auto& [name, value] : in) slots.push_back({kInputSlots.at(name), value});
  casecheck::Inputs(slots);
}

// Random inputs the engine accepts; lengths are now and then exactly 0 or L.
bool RandomInputs(const CaseFormulas& c, const std::set<std::string>& names, int run,
                  std::mt19937& rng, Values& in) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    in.clear();
    in["EI"] = std::pow(10.0, casecheck::In(rng, 3, 7));
    in["L"] = casecheck::In(rng, 1, 20);
    for (const auto& n : names) {
      if (n == "EI" || n == "L") continue;
      if (IsLoad(n)) {
        const double m = casecheck::In(rng, 1, 100);
        in[n] = run == 0 ? m : run == 1 ? -m : casecheck::SignedIn(rng, 1, 100);
      } else {
        const double pick = casecheck::In(rng, 0, 1);
        in[n] = pick < 0.08 ? 0.0 : pick < 0.16 ? in["L"] : casecheck::In(rng, 0, in["L"]);
      }
    }
    PutInputs(in);
    if (casecheck::Eval(c.code, 0, true).ok) return true;
  }
  return false;
}

std::string Where(const CaseFormulas& c, int line, const std::string& what, const Values& v) {
  std::ostringstream os;
  os.precision(17);
  os << "case " << c.code << " line " << line << ": " << what << " (";
  for (const auto& [name, value] : v)
    if (kInputSlots.count(name) || name == "x") os << " " << name << "=" << value;
  os << " )";
  return os.str();
}

struct Scales {
  double force, span, EI;
  double Of(const std::string& q) const {
    if (q == "V" || q == "RA" || q == "RB") return force;
    if (q == "a" || q == "b" || q == "c") return span;
    if (q == "M" || q == "MA" || q == "MB") return force * span;
    if (q == "theta" || q == "thetaA" || q == "thetaB") return force * span * span / EI;
    return force * span * span * span / EI;  // y
  }
};

// Loads as forces: w over the beam, P as it is, couples over the span.
Scales ScalesOf(const Values& in, double span) {
  double F = 0;
  for (const auto& [name, value] : in) {
    if (name[0] == 'w') F += std::fabs(value) * span;
    if (name[0] == 'P') F += std::fabs(value);
    if (name[0] == 'M') F += std::fabs(value) / span;
  }
  return {F, span, in.at("EI")};
}

double Quantity(const casecheck::AtX& r, const std::string& q) {
  return q == "y" ? r.Y : q == "theta" ? r.Theta : q == "M" ? r.M : r.V;
}

bool Agree(double formula, double engine, double scale) {
  return std::fabs(formula - engine) <= 1e-9 * scale;
}

std::string Mismatch(const std::string& what, double formula, double engine) {
  std::ostringstream os;
  os.precision(17);
  os << what << ": formula " << formula << ", engine " << engine;
  return os.str();
}

bool Holds(const formulas::Interval& in, const Values& cv, double x) {
  const double lo = Evaluate(*in.lo, cv), hi = Evaluate(*in.hi, cv);
  return (in.loClosed ? x >= lo : x > lo) && (in.hiClosed ? x <= hi : x < hi);
}

// Reactions, the lengths the engine writes back, and the moments and slopes
// at the ends (where the end's own interval is not empty, as with a load
// exactly at the end), against the engine.
std::string CheckCaseNames(const CaseFormulas& c, const Values& cv, const Scales& s, double L) {
  const casecheck::AtX atA = casecheck::Eval(c.code, 0, true);
  const double* d = Vigas::Datos;
  std::map<std::string, double> engine = {{"RA", d[Vigas::Slot::Ra]}, {"RB", d[Vigas::Slot::Rb]}};
  for (const auto& [name, slot] :
       {std::pair{"a", Vigas::Slot::a}, {"b", Vigas::Slot::b}, {"c", Vigas::Slot::c}})
    if (d[slot] != Vigas::SinValor) engine[name] = d[slot];
  if (Holds(c.intervals.front(), cv, 0)) {
    engine["MA"] = atA.M;
    engine["thetaA"] = atA.Theta;
  }
  const casecheck::AtX atB = casecheck::Eval(c.code, L);
  if (Holds(c.intervals.back(), cv, L)) {
    engine["MB"] = atB.M;
    engine["thetaB"] = atB.Theta;
  }
  for (const auto& [name, value] : engine) {
    const auto it = cv.find(name);
    if ((name == "RA" || name == "RB") && value != Vigas::SinValor && it == cv.end())
      return "case " + std::to_string(c.code) + " gives no formula for " + name;
    if (it != cv.end() && !Agree(it->second, value, s.Of(name)))
      return Where(c, c.line, Mismatch(name, it->second, value), cv);
  }
  return "";
}

std::string CheckIntervals(const CaseFormulas& c, const Values& cv, const Scales& s,
                           std::mt19937& rng) {
  for (const auto& in : c.intervals) {
    const double lo = Evaluate(*in.lo, cv), hi = Evaluate(*in.hi, cv);
    std::vector<double> xs;
    if (in.loClosed) xs.push_back(lo);
    if (in.hiClosed) xs.push_back(hi);
    if (hi > lo)
      for (int k = 0; k < 5; ++k) xs.push_back(lo + (hi - lo) * casecheck::In(rng, 0.001, 0.999));
    for (double x : xs) {
      if (!(x >= lo && x <= hi) || (x == lo && !in.loClosed) || (x == hi && !in.hiClosed)) continue;
      const Values v = formulas::IntervalValues(in, cv, x);
      const casecheck::AtX r = casecheck::Eval(c.code, x);
      if (!r.ok) return Where(c, in.line, "the engine refuses this x", v);
      for (const auto& f : in.results) {
        const double mine = Evaluate(*f.rhs, v), theirs = Quantity(r, f.name);
        if (!Agree(mine, theirs, s.Of(f.name)))
          return Where(c, f.line, Mismatch(f.name, mine, theirs), v);
      }
    }
  }
  return "";
}

// Each extreme is the engine's value there, and nowhere along the beam is
// the quantity larger. With the loads as drawn, of two extremes of equal
// size the one named is the maximum, as the program shows it.
std::string CheckExtremes(const CaseFormulas& c, const Values& cv, const Scales& s) {
  bool asDrawn = true;
  for (const char* load : {"w0", "w1", "w2", "P", "P1", "P2", "M0", "M1", "M2"}) {
    const auto it = cv.find(load);
    if (it != cv.end() && !(it->second > 0)) asDrawn = false;
  }
  for (const auto& e : c.extremes) {
    const double where = Evaluate(*e.where, cv), value = Evaluate(*e.value, cv);
    const double tol = 1e-9 * s.Of(e.quantity);
    const casecheck::AtX at = casecheck::Eval(c.code, where);
    if (!at.ok) return Where(c, e.line, "the engine refuses the position of the extreme", cv);
    const double there = Quantity(at, e.quantity);
    if (!Agree(value, there, s.Of(e.quantity)))
      return Where(c, e.line, Mismatch("extreme " + e.quantity, value, there), cv);
    const int n = 400;
    for (int k = 0; k <= n; ++k) {
      const double x = s.span * k / n;
      const double q = Quantity(casecheck::Eval(c.code, x), e.quantity);
      // The other side of a jump at the place named is no other extreme.
      const bool elsewhere = std::fabs(x - where) > 1e-9 * s.span;
      const bool larger = std::fabs(q) > std::fabs(value) + tol;
      if (larger ||
          (asDrawn && elsewhere && std::fabs(q) > std::fabs(value) - tol && q > value + tol)) {
        Values at = cv;
        at["x"] = x;
        return Where(
            c, e.line,
            Mismatch(larger ? "larger than the extreme" : "the maximum of a tie", value, q), at);
      }
    }
  }
  return "";
}

}  // namespace

std::vector<CaseFormulas> ReadAllSources() {
  namespace fs = std::filesystem;
  // Two folders up from tests/htf/ is the source tree.
  const fs::path folder =
      fs::path(__FILE__).parent_path().parent_path().parent_path() / "htf/cases";
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  EXPECT_FALSE(files.empty()) << folder;
  std::vector<CaseFormulas> all;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(in.good() || in.eof()) << file;
    try {
      for (auto& c : formulas::ParseSource(text.str(), file.filename().string()))
        all.push_back(std::move(c));
    } catch (const formulas::SourceError& e) {
      ADD_FAILURE() << e.what();
    }
  }
  return all;
}

std::string Disagreement(const CaseFormulas& c, int runs, uint32_t seed) {
  std::mt19937 rng(seed);
  const std::set<std::string> names = InputNames(c);
  for (const auto& n : names)
    if (!kInputSlots.count(n))
      return "case " + std::to_string(c.code) + " reads '" + n + "', which it never defines";
  try {
    for (int run = 0; run < runs; ++run) {
      Values in;
      if (!RandomInputs(c, names, run, rng, in))
        return "case " + std::to_string(c.code) + ": no inputs the engine accepts";
      const Values cv = formulas::CaseValues(c, in);
      double span = 0;
      for (const auto& i : c.intervals) span = std::max(span, Evaluate(*i.hi, cv));
      const Scales s = ScalesOf(in, span);
      std::string d = CheckCaseNames(c, cv, s, in.at("L"));
      if (d.empty()) d = CheckIntervals(c, cv, s, rng);
      if (d.empty()) d = CheckExtremes(c, cv, s);
      if (!d.empty()) return d;
    }
  } catch (const formulas::SourceError& e) {
    return "case " + std::to_string(c.code) + ": " + e.what();
  }
  return "";
}

}  // namespace formula_check
