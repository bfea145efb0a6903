#include "mainwin/Extremes.h"

#include <algorithm>
#include <cmath>

#include "engine/Vigas.h"

using Vigas::Datos;
using Vigas::HasValue;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace extremes {

namespace {
// Slots of a quantity: its extremes and where the larger one lies.
struct QuantitySlots {
  int min, max, position;
};
bool SlotsOf(int quantity, QuantitySlots& s) {
  switch (quantity) {
    case Slot::Y:
      s = {Slot::Ymin, Slot::Ymax, Slot::xYmax};
      return true;
    case Slot::Theta:
      s = {Slot::ThetaMin, Slot::ThetaMax, Slot::xThetaMax};
      return true;
    case Slot::M:
      s = {Slot::MMin, Slot::Mmax, Slot::xMMax};
      return true;
    case Slot::V:
      s = {Slot::VMin, Slot::Vmax, Slot::xVMax};
      return true;
    default:
      return false;
  }
}

// The lowest and highest values met so far, with their positions.
class Search {
 public:
  Search(int code, int quantity) : code_(code), quantity_(quantity) {}

  bool Solve(double x, double& v) {
    Datos[Slot::x] = x;
    Vigas::CalcularCaso(code_, false);
    v = Datos[quantity_];
    return Vigas::FlagError == 0 && v != SinValor;
  }
  // Solves at x for the value and for the quantity that is its rate of
  // change (or has that rate's sign); the value is offered.
  bool SolveWithRate(double x, int rate, double& v, double& r) {
    if (!Solve(x, v)) return false;
    r = Datos[rate];
    if (r == SinValor) return false;
    Offer(x, v);
    return true;
  }
  int Quantity() const { return quantity_; }
  void Offer(double x, double v) {
    if (v < min) min = v, xMin = x;
    if (v > max) max = v, xMax = x;
  }
  // Solves at x and keeps the value when it is a new lowest or highest.
  bool Take(double x) {
    double v = 0;
    if (!Solve(x, v)) return false;
    Offer(x, v);
    return true;
  }

  double min = 1e300, max = -1e300, xMin = 0, xMax = 0;

 private:
  int code_, quantity_;
};

constexpr int kCoarseSteps = 100;
constexpr int kFineSteps = 10000;  // per length: the finer scan's spacing
constexpr int kNarrowings = 20;    // golden-section steps: the window shrinks 15,000-fold
// Below this share the finer scan cannot yet tell which extreme is larger.
constexpr double kUndecided = 1e-6;

// Golden-section narrowing of [a, b] towards the highest (or lowest) value;
// every value solved is offered to the search, so it never makes it worse.
void Narrow(Search& s, double a, double b, bool highest) {
  const double r = (std::sqrt(5.0) - 1) / 2;
  const double sign = highest ? 1 : -1;
  auto f = [&](double x, double& v) {
    if (!s.Solve(x, v)) return false;
    s.Offer(x, v);
    v *= sign;
    return true;
  };
  double c = b - r * (b - a), d = a + r * (b - a), fc = 0, fd = 0;
  if (!f(c, fc) || !f(d, fd)) return;
  for (int i = 0; i < kNarrowings && c < d; ++i) {
    if (fc >= fd) {
      b = d, d = c, fd = fc;
      c = b - r * (b - a);
      if (!f(c, fc)) return;
    } else {
      a = c, c = d, fc = fd;
      d = a + r * (b - a);
      if (!f(d, fd)) return;
    }
  }
}

// The quantity whose sign tells which way a quantity runs along the beam:
// the slope for the deflection, the moment for the slope (EI is positive),
// the shear for the moment. The shear has none.
int RateOf(int quantity) {
  switch (quantity) {
    case Slot::Y:
      return Slot::Theta;
    case Slot::Theta:
      return Slot::M;
    case Slot::M:
      return Slot::V;
    default:
      return -1;
  }
}

int SignOf(double v) {
  return (v > 0) - (v < 0);
}

// Where, within [lo, hi], the highest (or lowest) value of the search's
// quantity lies, from the sign of its rate of change. A smooth extreme is
// where the rate turns: the bracket is halved down to two neighbouring
// doubles and the one whose rate is nearer 0 is taken. A rate that keeps
// its sign all through leads to an end of the bracket, taken when that end
// is a border (a support, a load point or an end of the beam), where the
// search met it. False when neither tells a place.
bool PlaceOfExtreme(Search& s, double lo, double hi, bool loBorder, bool hiBorder, bool highest,
                    double& where) {
  const int rate = RateOf(s.Quantity());
  if (rate < 0 || !(lo < hi)) return false;
  double v = 0, rLo = 0, rHi = 0;
  if (!s.SolveWithRate(lo, rate, v, rLo) || !s.SolveWithRate(hi, rate, v, rHi)) return false;
  const int toward = highest ? 1 : -1;  // the rate's sign on the way to the extreme
  auto toExtreme = [toward](double r) { return SignOf(r) == toward; };
  auto away = [toward](double r) { return SignOf(r) == -toward; };
  if (toExtreme(rLo) && toExtreme(rHi)) {
    where = hi;
    return hiBorder;
  }
  if (away(rLo) && away(rHi)) {
    where = lo;
    return loBorder;
  }
  if (away(rLo) || toExtreme(rHi)) return false;  // a turn the other way
  if (rLo == 0 && rHi == 0) return false;         // flat: no single place to name
  if (rLo == 0 || rHi == 0) {
    where = rLo == 0 ? lo : hi;
    return true;
  }
  for (;;) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi)) break;
    double r = 0;
    if (!s.SolveWithRate(mid, rate, v, r)) return false;
    if (r == 0) {
      where = mid;
      return true;
    }
    if (toExtreme(r))
      lo = mid, rLo = r;
    else
      hi = mid, rHi = r;
  }
  where = std::fabs(rLo) <= std::fabs(rHi) ? lo : hi;
  return true;
}

// Settles the place of an extreme the scans found near it.
class Placing {
 public:
  Placing(Search& s, double length, double fine, const std::vector<double>& borders)
      : s_(s), length_(length), fine_(fine), borders_(borders) {}

  // Places the extreme where its rate tells, from a place found near it.
  // Every value solved on the way was offered: should rounding have put one
  // a hair beyond the value at that place, that value stays.
  bool Pinpoint(double from, bool highest) {
    const Stretch t = Around(from);
    double where = 0;
    if (t.onBorder || !PlaceOfExtreme(s_, t.lo, t.hi, t.loBorder, t.hiBorder, highest, where))
      return false;
    PlaceOf(highest) = where;
    return true;
  }

  // The extreme likely shown is placed; otherwise, or when its rate tells
  // no place, the search narrows in on its value. True once it is placed.
  bool Settle(double at, bool highest, bool shown) {
    if (shown && Pinpoint(at, highest)) return true;
    const double before = highest ? s_.max : s_.min;
    Narrow(s_, std::max(0.0, at - fine_), std::min(length_, at + fine_), highest);
    if (!Around(at).onBorder) return false;
    // Beside an end or a border where the quantity is flat, narrowing meets
    // values larger only by rounding: the extreme stays where it was met.
    // One larger beyond that lies just inside, and is placed as any other.
    const double after = highest ? s_.max : s_.min;
    const double scale = std::max(std::fabs(s_.max), std::fabs(s_.min));
    if (std::fabs(after - before) > Vigas::kRoundingShare * scale)
      return shown && Pinpoint(PlaceOf(highest), highest);
    PlaceOf(highest) = at;
    return true;
  }

 private:
  // The stretch around a place, up to the borders either side, and whether
  // the place is itself an end or a border (or a double beside one).
  struct Stretch {
    double lo, hi;
    bool loBorder, hiBorder, onBorder;
  };
  Stretch Around(double at) const {
    Stretch t{std::max(0.0, at - fine_), std::min(length_, at + fine_), false, false,
              at == 0 || at == length_};
    t.loBorder = t.lo == 0, t.hiBorder = t.hi == length_;
    for (double b : borders_) {
      if (b == at || std::nextafter(b, -1.0) == at || std::nextafter(b, length_ + 1) == at)
        t.onBorder = true;
      else if (b < at && b >= t.lo)
        t.lo = b, t.loBorder = true;
      else if (b > at && b <= t.hi)
        t.hi = b, t.hiBorder = true;
    }
    return t;
  }
  double& PlaceOf(bool highest) { return highest ? s_.xMax : s_.xMin; }

  Search& s_;
  const double length_, fine_;
  const std::vector<double>& borders_;
};
}  // namespace

double SearchLength() {
  const double overhang = HasValue(Datos[Slot::xR]) ? Datos[Slot::xR] : 0;
  return Datos[Slot::L] + overhang;
}

std::vector<double> IntervalBorders() {
  std::vector<double> borders = {0.0, Datos[Slot::L], SearchLength()};
  for (int slot : {Slot::xC, Slot::xD})
    if (HasValue(Datos[slot])) borders.push_back(Datos[slot]);
  return borders;
}

ExtremesFound FindExtremes(int code, int quantity, double length,
                           const std::vector<double>& borders) {
  ExtremesFound out;
  if (!(length > 0) || !std::isfinite(length)) return out;
  Search s(code, quantity);

  // Coarse scan over 101 points counted by index, so the end is always met.
  const double step = length / kCoarseSteps;
  for (int i = 0; i <= kCoarseSteps; ++i)
    if (!s.Take(i == kCoarseSteps ? length : i * step)) return out;

  // A jump at a border has a value on each side; the search meets both.
  for (double b : borders) {
    if (!(b >= 0 && b <= length)) continue;
    for (double x : {std::nextafter(b, -1.0), b, std::nextafter(b, length + 1)})
      if (x >= 0 && x <= length) s.Take(x);
  }

  // Finer scan within one coarse step either side, 1/10000 of the length apart.
  const double fine = length / kFineSteps;
  auto refine = [&](double centre, bool highest) {
    const double a = std::max(0.0, centre - step);
    const double b = std::min(length, centre + step);
    if (a == b) return;
    const int n = std::min(1000, static_cast<int>(std::ceil((b - a) / fine - 1e-9)));
    for (int i = 0; i <= n; ++i) {
      const double x = i == n ? b : std::min(a + i * fine, b);
      double v = 0;
      if (!s.Solve(x, v)) continue;
      if (!highest && v < s.min) s.min = v, s.xMin = x;
      if (highest && v > s.max) s.max = v, s.xMax = x;
    }
  };
  refine(s.xMin, false);
  refine(s.xMax, true);

  // Between two points of the finer scan a smooth extreme can still rise by
  // a part in 1e8, and its place is known only to the scan's spacing. The
  // extreme likely shown is placed where its rate turns, to the last bit;
  // the other is narrowed in on for its value alone. Should the scan have
  // guessed wrong (a peak narrower than its spacing), the one shown is
  // placed afterwards: placing only makes an extreme larger, so it stays
  // the one shown.
  Placing place(s, length, fine, borders);
  const double xLow = s.xMin, xHigh = s.xMax;
  const double gap = std::fabs(std::fabs(s.max) - std::fabs(s.min));
  const bool close = gap <= kUndecided * std::max(std::fabs(s.max), std::fabs(s.min));
  const bool showHigh = close || !Vigas::SmallerMagnitude(s.max, s.min);
  const bool lowPlaced = place.Settle(xLow, false, close || !showHigh);
  const bool highPlaced = place.Settle(xHigh, true, showHigh);
  const bool lowShown = Vigas::SmallerMagnitude(s.max, s.min);
  if (lowShown && !lowPlaced) place.Pinpoint(s.xMin, false);
  if (!lowShown && !highPlaced) place.Pinpoint(s.xMax, true);

  out.found = true;
  out.max = s.max, out.xMax = s.xMax;
  out.min = s.min;
  if (Vigas::SmallerMagnitude(out.max, out.min)) {
    Vigas::Intercambiar(out.min, out.max);
    out.xMax = s.xMin;
  }
  return out;
}

void GetMAXMin(int IDT, int id_VAR) {
  QuantitySlots target{};
  if (!SlotsOf(id_VAR, target)) return;
  const ExtremesFound e = FindExtremes(IDT, id_VAR, SearchLength(), IntervalBorders());
  if (!e.found) return;
  Datos[target.min] = e.min;
  Datos[target.max] = e.max;
  Datos[target.position] = e.xMax;
}

void ZeroRoundingNoise() {
  for (int Q : {Slot::Y, Slot::Theta, Slot::M, Slot::V}) {
    QuantitySlots target{};
    if (!SlotsOf(Q, target)) continue;
    if (!HasValue(Datos[target.min]) || !HasValue(Datos[target.max])) continue;
    // The value at x, the extremes and the values at A, B, C and D.
    const int values[] = {Q, target.min, target.max, Q + 3, Q + 4, Q + 5, Q + 6};
    double largest = 0;
    for (int s : values)
      if (HasValue(Datos[s])) largest = std::max(largest, std::fabs(Datos[s]));
    for (int s : values)
      if (HasValue(Datos[s]) && std::fabs(Datos[s]) < Vigas::kRoundingShare * largest) Datos[s] = 0;
  }
}

}  // namespace extremes
