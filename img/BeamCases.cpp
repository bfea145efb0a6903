#include "img/BeamCases.h"

#include <cmath>

namespace beam_cases {

double ShapeAt(Shape shape, double t) {
  const double pi = 4 * std::atan(1.0);
  switch (shape) {
    case Shape::Uniform:
      return 1;
    case Shape::Rising:
      return t;
    case Shape::Falling:
      return 1 - t;
    case Shape::Triangle:
      return t <= 0.5 ? 2 * t : 2 * (1 - t);
    case Shape::HalfSine:
      return std::sin(pi * t);
    case Shape::QuarterCosine:
      return std::cos(pi * t / 2);
  }
  return 0;
}

namespace {

// Places used by the table.
constexpr Position A{};
constexpr Position B{1};
constexpr Position Half{0.5};
constexpr Position Xa{0, 1};
constexpr Position Xab{0, 1, 1};
constexpr Position LminusA{1, -1};
constexpr Position LminusB{1, 0, -1};
constexpr Position LminusC{1, 0, 0, -1};
constexpr Position LplusA{1, 1};
constexpr Position LplusC{1, 0, 0, 1};

constexpr Shape U = Shape::Uniform;

// Drawn proportions: the loads where a reader expects them, no label crowded.
constexpr Lengths kWhole{1, 0, 0, 0};
constexpr Lengths kStart{1, 0.45, 0, 0};
constexpr Lengths kEnd{1, 0, 0.4, 0};
constexpr Lengths kPart{1, 0.25, 0.45, 0.3};
constexpr Lengths kBothEnds{1, 0.3, 0.45, 0.25};
constexpr Lengths kPoint{1, 0.35, 0.65, 0};
constexpr Lengths kSymmetric{1, 0.25, 0, 0};
constexpr Lengths kTwoPoints{1, 0.25, 0.3, 0};
constexpr Lengths kOverhang{1, 0.35, 0, 0};
constexpr Lengths kOverhangSpan{1, 0.4, 0, 0.35};

const std::vector<Dimension> kHalves = {{A, Half, "L/2"}, {Half, B, "L/2"}};
const std::vector<Marker> kC = {{Half, 'C'}};

std::vector<BeamCase> MakeCases() {
  // Columns: code, drawn proportions, distributed loads, point loads,
  // couples, distances, points C and D, far end.
  return {
      // Simply supported, distributed loads
      {100, kWhole, {{A, B, U, "w0"}}, {}, {}, {}, {}, B},
      {101, kWhole, {{A, Half, U, "w0"}}, {}, {}, kHalves, kC, B},
      {102, kStart, {{A, Xa, U, "w0"}}, {}, {}, {{A, Xa, "a"}}, {{Xa, 'C'}}, B},
      {103,
       kPart,
       {{Xa, Xab, U, "w0"}},
       {},
       {},
       {{A, Xa, "a"}, {Xa, Xab, "b"}, {Xab, B, "c"}},
       {{Xa, 'C'}, {Xab, 'D'}},
       B},
      {104,
       kBothEnds,
       {{A, Xa, U, "w1"}, {LminusC, B, U, "w2"}},
       {},
       {},
       {{A, Xa, "a"}, {Xa, LminusC, "b"}, {LminusC, B, "c"}},
       {{Xa, 'C'}, {LminusC, 'D'}},
       B},
      {105, kWhole, {{A, B, Shape::Rising, "w0"}}, {}, {}, {}, {}, B},
      {106, kWhole, {{A, B, Shape::Triangle, "w0"}}, {}, {}, kHalves, kC, B},
      {107, kWhole, {{A, B, Shape::HalfSine, "w0"}}, {}, {}, {}, {}, B},
      // Simply supported, point loads
      {108, kWhole, {}, {{Half, "P"}}, {}, kHalves, kC, B},
      {109, kPoint, {}, {{Xa, "P"}}, {}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {110,
       kSymmetric,
       {},
       {{Xa, "P"}, {LminusA, "P"}},
       {},
       {{A, Xa, "a"}, {LminusA, B, "a"}},
       {{Xa, 'C'}, {LminusA, 'D'}},
       B},
      {111,
       kTwoPoints,
       {},
       {{Xa, "P"}, {LminusB, "P"}},
       {},
       {{A, Xa, "a"}, {LminusB, B, "b"}},
       {{Xa, 'C'}, {LminusB, 'D'}},
       B},
      {112,
       kTwoPoints,
       {},
       {{Xa, "P1"}, {LminusB, "P2"}},
       {},
       {{A, Xa, "a"}, {LminusB, B, "b"}},
       {{Xa, 'C'}, {LminusB, 'D'}},
       B},
      // Simply supported, couples
      {113, kWhole, {}, {}, {{B, "M0", +1, "sM0"}}, {}, {}, B},
      {114, kWhole, {}, {}, {{A, "M0", +1, "sM0"}}, {}, {}, B},
      {115, kWhole, {}, {}, {{A, "M0", -1, "sM0"}}, {}, {}, B},
      {116, kWhole, {}, {}, {{Half, "M0", +1, "sM0"}}, kHalves, kC, B},
      {117, kPoint, {}, {}, {{Xa, "M0", +1, "sM0"}}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {118, kWhole, {}, {}, {{A, "M1", +1, "sM1"}, {B, "M2", -1, "sM2"}}, {}, {}, B},
      {119, kWhole, {}, {}, {{A, "M1", +1, "sM1"}, {B, "M2", +1, "sM2"}}, {}, {}, B},
      {120, kWhole, {}, {}, {{A, "M0", -1, "sM0A"}, {B, "M0", +1, "sM0B"}}, {}, {}, B},
      // Cantilever, built in at A
      {200, kWhole, {{A, B, U, "w0"}}, {}, {}, {}, {}, B},
      {201, kStart, {{A, Xa, U, "w0"}}, {}, {}, {{A, Xa, "a"}}, {{Xa, 'C'}}, B},
      {202, kEnd, {{LminusB, B, U, "w0"}}, {}, {}, {{LminusB, B, "b"}}, {{LminusB, 'C'}}, B},
      {203,
       kPart,
       {{Xa, Xab, U, "w0"}},
       {},
       {},
       {{A, Xa, "a"}, {Xa, Xab, "b"}, {Xab, B, "c"}},
       {{Xa, 'C'}, {Xab, 'D'}},
       B},
      {204, kWhole, {{A, B, Shape::Rising, "w0"}}, {}, {}, {}, {}, B},
      {205, kWhole, {{A, B, Shape::Falling, "w0"}}, {}, {}, {}, {}, B},
      {206, kWhole, {{A, B, Shape::QuarterCosine, "w0"}}, {}, {}, {}, {}, B},
      {207, kWhole, {}, {{B, "P"}}, {}, {}, {}, B},
      {208, kPoint, {}, {{Xa, "P"}}, {}, {{A, Xa, "a"}}, {{Xa, 'C'}}, B},
      {209, kWhole, {}, {}, {{B, "M0", -1, "sM0"}}, {}, {}, B},
      {210, kPoint, {}, {}, {{Xa, "M0", -1, "sM0"}}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      // Built in at both ends
      {300, kWhole, {{A, B, U, "w0"}}, {}, {}, {}, {}, B},
      {301, kWhole, {{A, Half, U, "w0"}}, {}, {}, kHalves, kC, B},
      {302, kStart, {{A, Xa, U, "w0"}}, {}, {}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {303,
       kPart,
       {{Xa, Xab, U, "w0"}},
       {},
       {},
       {{A, Xa, "a"}, {Xa, Xab, "b"}, {Xab, B, "c"}},
       {{Xa, 'C'}, {Xab, 'D'}},
       B},
      {304, kWhole, {}, {{Half, "P"}}, {}, kHalves, kC, B},
      {305, kPoint, {}, {{Xa, "P"}}, {}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {306,
       kSymmetric,
       {},
       {{Xa, "P"}, {LminusA, "P"}},
       {},
       {{A, Xa, "a"}, {LminusA, B, "a"}},
       {{Xa, 'C'}, {LminusA, 'D'}},
       B},
      {307, kWhole, {}, {}, {{Half, "M0", +1, "sM0"}}, kHalves, kC, B},
      {308, kPoint, {}, {}, {{Xa, "M0", +1, "sM0"}}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      // Built in at A, pinned at B
      {400, kWhole, {{A, B, U, "w0"}}, {}, {}, {}, {}, B},
      {401, kStart, {{A, Xa, U, "w0"}}, {}, {}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {402,
       kEnd,
       {{LminusB, B, U, "w0"}},
       {},
       {},
       {{A, LminusB, "a"}, {LminusB, B, "b"}},
       {{LminusB, 'C'}},
       B},
      {403,
       kPart,
       {{Xa, Xab, U, "w0"}},
       {},
       {},
       {{A, Xa, "a"}, {Xa, Xab, "b"}, {Xab, B, "c"}},
       {{Xa, 'C'}, {Xab, 'D'}},
       B},
      {404, kWhole, {}, {{Half, "P"}}, {}, kHalves, kC, B},
      {405, kPoint, {}, {{Xa, "P"}}, {}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {406,
       kSymmetric,
       {},
       {{Xa, "P"}, {LminusA, "P"}},
       {},
       {{A, Xa, "a"}, {LminusA, B, "a"}},
       {{Xa, 'C'}, {LminusA, 'D'}},
       B},
      {407, kPoint, {}, {}, {{Xa, "M0", -1, "sM0"}}, {{A, Xa, "a"}, {Xa, B, "b"}}, {{Xa, 'C'}}, B},
      {408, kWhole, {}, {}, {{B, "M0", -1, "sM0"}}, {}, {}, B},
      // Pinned at A and B, overhang beyond B
      {500, kOverhang, {{A, LplusA, U, "w0"}}, {}, {}, {{B, LplusA, "a"}}, {{LplusA, 'C'}}, LplusA},
      {501, kOverhang, {{B, LplusA, U, "w0"}}, {}, {}, {{B, LplusA, "a"}}, {{LplusA, 'C'}}, LplusA},
      {502, kOverhang, {}, {{LplusA, "P"}}, {}, {{B, LplusA, "a"}}, {{LplusA, 'C'}}, LplusA},
      {503,
       kOverhangSpan,
       {},
       {{Xa, "P"}},
       {},
       {{A, Xa, "a"}, {B, LplusC, "c"}},
       {{Xa, 'C'}, {LplusC, 'D'}},
       LplusC},
  };
}

}  // namespace

const std::vector<BeamCase>& AllCases() {
  static const std::vector<BeamCase> cases = MakeCases();
  return cases;
}

const BeamCase* FindCase(int code) {
  for (const BeamCase& c : AllCases())
    if (c.code == code) return &c;
  return nullptr;
}

}  // namespace beam_cases
