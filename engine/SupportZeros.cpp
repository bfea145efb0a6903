#include "engine/SupportZeros.h"

#include "engine/DataVector.h"

namespace Vigas {

namespace {
enum class End { Pinned, Fixed, Free };

// Support type by the hundreds of the code: A at x = 0, B at x = L.
struct Ends {
  End atA, atB;
};
Ends EndsOf(int code) {
  switch (code / 100) {
    case 2:
      return {End::Fixed, End::Free};
    case 3:
      return {End::Fixed, End::Fixed};
    case 4:
      return {End::Fixed, End::Pinned};
    default:  // simply supported, and pinned with an overhang
      return {End::Pinned, End::Pinned};
  }
}

double Position(LoadSpot spot, double L) {
  switch (spot) {
    case LoadSpot::A:
      return 0;
    case LoadSpot::B:
      return L;
    case LoadSpot::XA:
      return Datos[Slot::a];
    case LoadSpot::LMinusA:
      return L - Datos[Slot::a];
    case LoadSpot::LMinusB:
      return L - Datos[Slot::b];
    case LoadSpot::LPlusA:
      return L + Datos[Slot::a];
    case LoadSpot::None:
      break;
  }
  return -1;
}

// Whether a load of the kind stands on the end at `end` (0 for A). A load
// the tolerance of the checks puts just past the end counts as on it.
bool LoadOnEnd(const EndLoads& loads, bool couple, double end, double L) {
  for (const EndLoad& l : loads) {
    if (l.spot == LoadSpot::None || l.couple != couple) continue;
    const double p = Position(l.spot, L);
    if (end == 0 ? p <= 0 : p >= end) return true;
  }
  return false;
}

void ZeroAtEnd(End kind, const EndLoads& loads, double end, double L) {
  if (kind != End::Free) Datos[Slot::Y] = 0;
  if (kind == End::Fixed) Datos[Slot::Theta] = 0;
  if (kind != End::Fixed && !LoadOnEnd(loads, true, end, L)) Datos[Slot::M] = 0;
  if (kind == End::Free && !LoadOnEnd(loads, false, end, L)) Datos[Slot::V] = 0;
}
}  // namespace

void ZeroWhatSupportsFix(int code, const EndLoads& loads, int overhangSlot) {
  const double x = Datos[Slot::x], L = Datos[Slot::L];
  const double overhang = overhangSlot >= 0 ? Datos[overhangSlot] : 0;
  const Ends ends = EndsOf(code);
  if (x == 0) {
    ZeroAtEnd(ends.atA, loads, 0, L);
  } else if (x == L) {
    if (overhang > 0)
      Datos[Slot::Y] = 0;  // B holds the beam, which runs on past it
    else
      ZeroAtEnd(ends.atB, loads, L, L);
  } else if (overhang > 0 && x == L + overhang) {
    ZeroAtEnd(End::Free, loads, L + overhang, L);
  }
}

}  // namespace Vigas
