// The table the beam pictures are drawn from, held against the calculation:
// every drawn load acts where and as the engine takes it, every couple turns
// the way its sign mark says, every dimension measures the distance its
// label names, the points C and D sit where the results are taken, and the
// legend's senses are the signs the program prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>

#include "engine/CaseChecks.h"
#include "engine/Vigas.h"
#include "img/BeamCases.h"
#include "img/BeamDrawing.h"
#include "mainwin/CaseRows.h"

namespace {

using beam_cases::BeamCase;
using beam_cases::Lengths;
using casecheck::Eval;
using Vigas::Datos;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int Sign(double v) {
  return (v > 0) - (v < 0);
}

// The row keys of a case, lower-cased, without the overhang mark: "w0", "a".
std::set<std::string> RowKeys(int code, bool inputsOnly) {
  std::set<std::string> keys;
  const int inputs = 3 * case_rows::ExtraRows(code) + 6;
  for (const auto& r : case_rows::RowsOfCase(code)) {
    if (inputsOnly && r.row >= inputs) continue;
    std::string k = Lower(r.tag);
    if (!k.empty() && k[0] == '#') k.erase(0, 1);
    keys.insert(k);
  }
  return keys;
}

bool IsLoadKey(const std::string& k) {
  return k[0] == 'w' || k[0] == 'p' || k[0] == 'm';
}
bool IsLengthKey(const std::string& k) {
  return k == "a" || k == "b" || k == "c";
}

double Value(const std::string& key) {
  return Datos[Vigas::IndiceDato(key)];
}

// Random valid inputs of the case in Datos, calculated with every result;
// the lengths as the case leaves them (derived ones written back).
struct Trial {
  Lengths len;
  double end = 0;  // the far end of the beam
  double EI = 0;
};

Trial Calculate(const BeamCase& beam, std::mt19937& rng) {
  casecheck::Inputs({});
  Trial t;
  t.EI = casecheck::In(rng, 1e4, 1e6);
  t.len.L = casecheck::In(rng, 2, 10);
  Datos[Slot::EI] = t.EI;
  Datos[Slot::L] = t.len.L;
  Datos[Slot::x] = t.len.L / 2;
  // Each distance at most 0.3 L, so every sum of them fits the span.
  for (const std::string& k : RowKeys(beam.code, true)) {
    if (IsLengthKey(k))
      Datos[Vigas::IndiceDato(k)] = t.len.L * casecheck::In(rng, 0.05, 0.3);
    else if (IsLoadKey(k))
      Datos[Vigas::IndiceDato(k)] = casecheck::SignedIn(rng, 1, 100);
  }
  Vigas::CalcularCaso(beam.code, true);
  EXPECT_EQ(Vigas::FlagError, 0) << beam.code;
  auto length = [](int slot) { return Datos[slot] == SinValor ? 0.0 : Datos[slot]; };
  t.len.a = length(Slot::a);
  t.len.b = length(Slot::b);
  t.len.c = length(Slot::c);
  t.end = beam.end.At(t.len);
  return t;
}

constexpr int kTrials = 12;

class BeamCases : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Vigas::IniciarVariables(); }
};

TEST_F(BeamCases, OneForEachCaseOfTheEngine) {
  int count = 0;
  for (int code = 0; code < 1000; ++code) {
    const bool exists = Vigas::CasoExiste(code);
    EXPECT_EQ(beam_cases::FindCase(code) != nullptr, exists) << code;
    count += exists;
  }
  EXPECT_EQ(count, 54);
  EXPECT_EQ(beam_cases::AllCases().size(), 54u);
}

TEST_F(BeamCases, LoadsAndDistancesAreTheRowsOfTheCase) {
  for (const BeamCase& beam : beam_cases::AllCases()) {
    std::set<std::string> drawnLoads, rowLoads;
    for (const auto& l : beam.spread) drawnLoads.insert(Lower(l.key));
    for (const auto& l : beam.points) drawnLoads.insert(Lower(l.key));
    for (const auto& l : beam.couples) drawnLoads.insert(Lower(l.key));
    std::set<std::string> drawnLengths;
    for (const auto& d : beam.parts) drawnLengths.insert(d.label);
    for (const std::string& k : RowKeys(beam.code, false)) {
      if (IsLoadKey(k) && k != "m" && k != "mmax") rowLoads.insert(k);
      // Every distance a row shows is drawn.
      if (IsLengthKey(k)) {
        EXPECT_TRUE(drawnLengths.count(k)) << beam.code << " " << k;
      }
    }
    EXPECT_EQ(drawnLoads, rowLoads) << beam.code;
  }
}

// The dimension lines measure what their labels name: the distance the case
// reads or writes back under that key, or half the span.
TEST_F(BeamCases, DimensionsMeasureTheirDistances) {
  std::mt19937 rng(7);
  for (const BeamCase& beam : beam_cases::AllCases())
    for (int i = 0; i < kTrials; ++i) {
      const Trial t = Calculate(beam, rng);
      for (const auto& d : beam.parts) {
        const std::string label = d.label;
        const double measured = d.to.At(t.len) - d.from.At(t.len);
        const double named = label == "L/2" ? t.len.L / 2 : Value(label);
        ASSERT_NE(named, SinValor) << beam.code << " " << label;
        EXPECT_NEAR(measured, named, 1e-12 * t.len.L) << beam.code << " " << label;
        EXPECT_GE(d.from.At(t.len), -1e-12) << beam.code;
        EXPECT_LE(d.to.At(t.len), t.end * (1 + 1e-12)) << beam.code;
      }
    }
}

TEST_F(BeamCases, PointsCAndDAreWhereTheResultsAreTaken) {
  std::mt19937 rng(11);
  for (const BeamCase& beam : beam_cases::AllCases())
    for (int i = 0; i < kTrials; ++i) {
      const Trial t = Calculate(beam, rng);
      double xC = SinValor, xD = SinValor;
      for (const auto& m : beam.markers) (m.name == 'C' ? xC : xD) = m.at.At(t.len);
      for (auto [slot, drawn] : {std::pair{Slot::xC, xC}, std::pair{Slot::xD, xD}}) {
        if (drawn == SinValor)
          EXPECT_EQ(Datos[slot], SinValor) << beam.code << " slot " << slot;
        else
          EXPECT_NEAR(Datos[slot], drawn, 1e-12 * t.len.L) << beam.code << " slot " << slot;
      }
    }
}

// Drawn loads against the calculated shear force: a distributed load w makes
// V fall at the rate w, a point load P makes it drop by P; both positive
// downward, as drawn.
TEST_F(BeamCases, LoadsActWhereAndHowTheyAreDrawn) {
  std::mt19937 rng(23);
  for (const BeamCase& beam : beam_cases::AllCases())
    for (int i = 0; i < kTrials; ++i) {
      const Trial t = Calculate(beam, rng);
      const double L = t.len.L;
      double scale = 0;  // a load per length of the case's size
      std::vector<double> borders{0, L, t.end};
      for (const auto& l : beam.spread) {
        scale += std::fabs(Value(l.key));
        borders.push_back(l.from.At(t.len));
        borders.push_back(l.to.At(t.len));
        if (l.shape == beam_cases::Shape::Triangle)  // its peak is a kink
          borders.push_back((l.from.At(t.len) + l.to.At(t.len)) / 2);
      }
      for (const auto& p : beam.points) {
        scale += std::fabs(Value(p.key)) / L;
        borders.push_back(p.at.At(t.len));
      }
      for (const auto& c : beam.couples) {
        scale += std::fabs(Value(c.key)) / (L * L);
        borders.push_back(c.at.At(t.len));
      }

      // The distributed load between the borders.
      const double h = 1e-5 * L;
      for (int k = 1; k < 100; ++k) {
        const double x = t.end * k / 100.0;
        const bool nearBorder = std::any_of(borders.begin(), borders.end(),
                                            [&](double b) { return std::fabs(x - b) < 10 * h; });
        if (nearBorder) continue;
        double w = 0;
        for (const auto& l : beam.spread) {
          const double from = l.from.At(t.len), to = l.to.At(t.len);
          if (x > from && x < to)
            w += Value(l.key) * beam_cases::ShapeAt(l.shape, (x - from) / (to - from));
        }
        const double dV = (Eval(beam.code, x + h).V - Eval(beam.code, x - h).V) / (2 * h);
        EXPECT_NEAR(-dV, w, 1e-5 * scale) << beam.code << " x/L " << x / L;
      }

      // The point loads.
      const double eps = 1e-9 * L;
      for (const auto& p : beam.points) {
        const double s = p.at.At(t.len);
        const double left = s > 0 ? Eval(beam.code, s - eps).V : 0;
        const double right = s < t.end ? Eval(beam.code, s + eps).V : 0;
        EXPECT_NEAR(right - left, -Value(p.key), 1e-6 * scale * L) << beam.code << " " << p.key;
      }
    }
}

// A couple drawn counterclockwise (sense +1) makes the bending moment fall by
// its value where it acts, going from A to B: M = -value just right of end A,
// +value at end B. The engine writes the same sense into the couple's mark.
TEST_F(BeamCases, CouplesTurnTheWayTheirMarksSay) {
  std::mt19937 rng(31);
  int couples = 0;
  for (const BeamCase& beam : beam_cases::AllCases())
    for (int i = 0; i < kTrials; ++i) {
      if (beam.couples.empty()) break;
      const Trial t = Calculate(beam, rng);
      std::vector<std::pair<std::string, double>> marks;
      for (const auto& c : beam.couples) marks.push_back({c.mark, Value(c.mark)});

      const double eps = 1e-9 * t.len.L;
      for (size_t k = 0; k < beam.couples.size(); ++k) {
        const auto& c = beam.couples[k];
        ++couples;
        EXPECT_EQ(marks[k].second, c.sense) << beam.code << " " << c.mark;
        const double m = Value(c.key), s = c.at.At(t.len);
        double fall;  // M just left minus M just right of the couple
        if (s == 0)
          fall = -Eval(beam.code, 0).M;
        else if (s == t.len.L)
          fall = Eval(beam.code, t.len.L).M;
        else
          fall = Eval(beam.code, s - eps).M - Eval(beam.code, s + eps).M;
        EXPECT_NEAR(fall, c.sense * m, 1e-6 * std::fabs(m)) << beam.code << " " << c.key;
      }
    }
  EXPECT_EQ(couples, 17 * kTrials);  // 14 cases with one couple, 3 with two
}

// A simply supported beam under a downward load, read with the legend: the
// beam goes down, turns clockwise at A, sags, and A pushes up on the piece
// beside it. The program's signs must say what the legend shows.
TEST_F(BeamCases, LegendShowsTheSignsThePrintedResultsHave) {
  const double L = 7, EI = 2.1e6, w0 = 3;
  casecheck::Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::w0, w0}, {Slot::x, L / 2}});
  Vigas::CalcularCaso(100, true);
  ASSERT_EQ(Vigas::FlagError, 0);
  const double Ra = Datos[Slot::Ra];
  const double h = L * 1e-3;
  const auto mid = Eval(100, L / 2), start = Eval(100, 0), nearA = Eval(100, h);
  const auto left = Eval(100, L / 2 - h), right = Eval(100, L / 2 + h);

  const auto& legend = beam_drawing::kLegend;
  // Down is the opposite of the legend's positive deflection.
  EXPECT_EQ(Sign(mid.Y), -legend.deflectionUp);
  // Going down from A the beam turns clockwise.
  ASSERT_LT(nearA.Y, start.Y);
  EXPECT_EQ(Sign(start.Theta), -legend.slopeCounterclockwise);
  // Lowest at midspan: the beam sags there.
  ASSERT_GT(left.Y + right.Y - 2 * mid.Y, 0);
  EXPECT_EQ(Sign(mid.M), legend.momentSagging);
  // The support pushes up on the left face of the piece beside it.
  ASSERT_GT(Ra, 0);
  EXPECT_EQ(Sign(start.V), legend.shearUpOnLeftFace);
}

}  // namespace
