// What the picture of each of the 54 load cases shows: the loads with their
// places and senses, the distances named as the case's rows name them, and
// the points C and D. One table; the drawing and the tests read it.
#pragma once

#include <vector>

namespace beam_cases {

// Support types in tab order: 1 simply supported ... 5 pinned with an overhang.
enum class Support { Simple = 1, Cantilever, Fixed, Propped, Overhang };

// The lengths of one beam: span L and the case's distances a, b, c.
struct Lengths {
  double L = 1, a = 0, b = 0, c = 0;
};

// A place on the beam as a sum of the lengths: L·L + a·a + b·b + c·c from A.
struct Position {
  double L = 0, a = 0, b = 0, c = 0;
  double At(const Lengths& s) const { return L * s.L + a * s.a + b * s.b + c * s.c; }
};

// How a distributed load varies from its start to its end.
enum class Shape {
  Uniform,
  Rising,         // 0 at the start to the full value at the end
  Falling,        // the full value at the start to 0 at the end
  Triangle,       // 0 at both ends, the full value halfway
  HalfSine,       // sin(pi·t), the full value halfway
  QuarterCosine,  // cos(pi·t/2), the full value at the start
};

// The intensity of the shape at t (0 at the start, 1 at the end), as a
// fraction of the load's value.
double ShapeAt(Shape shape, double t);

// Every load acts downward for a positive value.
struct SpreadLoad {
  Position from, to;
  Shape shape;
  const char* key;  // slot key of its value: "w0", "w1", "w2"
};

struct PointLoad {
  Position at;
  const char* key;  // "P", "P1", "P2"
};

// A positive couple turns counterclockwise (x to the right, y up) when its
// sense is +1, clockwise when -1; `mark` names the slot where the
// calculation writes that sense.
struct Couple {
  Position at;
  const char* key;  // "M0", "M1", "M2"
  int sense;
  const char* mark;  // "sM0", "sM1", "sM2", "sM0A", "sM0B"
};

// A dimension line between two places, labelled with the key of the
// distance it measures ("a", "b", "c") or "L/2".
struct Dimension {
  Position from, to;
  const char* label;
};

// A point the results name (C or D).
struct Marker {
  Position at;
  char name;
};

struct BeamCase {
  int code;
  Lengths drawn;  // the proportions of the picture (L = 1)
  std::vector<SpreadLoad> spread;
  std::vector<PointLoad> points;
  std::vector<Couple> couples;
  std::vector<Dimension> parts;  // besides the span L and the position x
  std::vector<Marker> markers;
  Position end;  // the far end: L, or the tip of the overhang

  Support support() const { return static_cast<Support>(code / 100); }
};

// The 54 cases in list order.
const std::vector<BeamCase>& AllCases();
// The case of a code; nullptr for a code outside the 54.
const BeamCase* FindCase(int code);

}  // namespace beam_cases
