// The extremes of deflection, slope, moment and shear along the beam, and the
// rounding noise cleared once they are known. Plain calculation over Datos:
// no window is read or written, so the driver and the tests share it.
#pragma once

#include <vector>

namespace extremes {

struct ExtremesFound {
  bool found = false;  // false when the case cannot be solved along the beam
  double max = 0;      // the extreme of larger magnitude
  double min = 0;      // the other extreme
  double xMax = 0;     // where max occurs
};

// After a complete solve of the case at x: the length searched, L plus the
// overhang the case stated ("xR"), and where its intervals meet: the ends,
// support B, and the points C and D the case marked.
double SearchLength();
std::vector<double> IntervalBorders();

// Searches quantity `quantity` (the slot of "Y", "Theta", "M" or "V") of case
// `code` along [0, length], with the inputs in Datos: a scan of 101 points,
// both sides of every border (the case at the border and at the nearest
// doubles either side, so a jump's one-sided limits count), a finer scan
// around the lowest and the highest value, and a last narrowing there. The
// extreme shown is placed where its rate of change (slope, moment, shear)
// turns, to the last bit, unless it lies at an end, a border or a jump.
// Of two extremes equal to rounding, the maximum is the one of larger
// magnitude. Leaves "x" at the last position evaluated.
ExtremesFound FindExtremes(int code, int quantity, double length,
                           const std::vector<double>& borders);

// Searches the extremes of the quantity at slot id_VAR for case IDT over the
// beam and writes them: "min", "max" and the position of "max". Writes
// nothing when the search fails. Datos must hold a complete solve at x.
void GetMAXMin(int IDT, int id_VAR);

// Once the extremes are known: a value at x, at A to D or an extreme whose
// magnitude is below Vigas::kRoundingShare of its quantity's largest one is
// rounding noise and becomes exactly 0, in the boxes and in the report alike.
void ZeroRoundingNoise();

}  // namespace extremes
