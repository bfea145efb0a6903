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
  // a part in 1e8; narrow in on it.
  const double xLow = s.xMin, xHigh = s.xMax;
  Narrow(s, std::max(0.0, xLow - fine), std::min(length, xLow + fine), false);
  Narrow(s, std::max(0.0, xHigh - fine), std::min(length, xHigh + fine), true);

  out.found = true;
  out.max = s.max, out.xMax = s.xMax;
  out.min = s.min;
  if (std::fabs(out.max) < std::fabs(out.min)) {
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
      if (HasValue(Datos[s]) && std::fabs(Datos[s]) < 1e-12 * largest) Datos[s] = 0;
  }
}

}  // namespace extremes
