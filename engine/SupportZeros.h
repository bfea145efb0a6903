// Values a support fixes at zero: deflection at every support, slope at a
// built-in end, moment at a pinned or free end, shear at a free end. The
// formulas leave rounding residue there (-9.9e-18 m at a built-in end); the
// dispatcher stores exactly 0 instead.
#pragma once

#include <array>

namespace Vigas {

// Where a case's point load or couple sits, as its inputs place it.
// A and B: the ends; XA: x = a; LMinusA, LMinusB: x = L - a, L - b; LPlusA:
// the tip of an overhang a.
enum class LoadSpot : unsigned char { None, A, B, XA, LMinusA, LMinusB, LPlusA };
// A point load or couple that may stand on an end of the beam; there the
// moment (couple) or the shear (point load) is not zero.
struct EndLoad {
  bool couple = false;
  LoadSpot spot = LoadSpot::None;
};
using EndLoads = std::array<EndLoad, 2>;

constexpr EndLoad PointLoad(LoadSpot at) {
  return {false, at};
}
constexpr EndLoad Couple(LoadSpot at) {
  return {true, at};
}

// After case `code` was solved at x without error: writes exactly 0 into
// "Y", "Theta", "M" or "V" where x is a support or an end that fixes it.
// overhangSlot: the input that extends the beam past B, -1 for none.
void ZeroWhatSupportsFix(int code, const EndLoads& loads, int overhangSlot);

}  // namespace Vigas
