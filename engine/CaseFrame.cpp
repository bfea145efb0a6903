#include "engine/CaseFrame.h"

#include <cfenv>
#include <cmath>
#include <cstring>

#include "engine/DataVector.h"

namespace Vigas {

namespace {
constexpr int kTrappedFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

bool IsMarker(double v) {
  // "Missing" means the marker itself, bit for bit, not merely a huge value.
  double marker = SinValor;
  return std::memcmp(&v, &marker, sizeof v) == 0;
}
}  // namespace

double ToleranceBound(double end) {
  volatile double bound = end * 1.00001;
  return bound;
}

CaseFrame::CaseFrame() {
  FlagError = 0;
  std::feclearexcept(kTrappedFaults);
}

double CaseFrame::In(int slot) {
  const double v = Datos[slot];
  if (IsMarker(v)) missing_ = true;
  return v;
}

void CaseFrame::CheckPositive(double v) {
  if (!(v > 0)) outOfRange_ = true;
}

void CaseFrame::CheckNonNegative(double v) {
  if (!(v >= 0)) outOfRange_ = true;
}

void CaseFrame::CheckWithin(double v, double end) {
  if (!(v >= 0 && v <= ToleranceBound(end))) outOfRange_ = true;
}

bool CaseFrame::Ready() {
  if (missing_ || outOfRange_) {
    FlagError = 1;
    failed_ = true;
    return false;
  }
  // Comparisons with the inputs must not count as faults of the formulas.
  std::feclearexcept(kTrappedFaults);
  return true;
}

bool CaseFrame::Put(int slot, double v) {
  if (failed_) return false;
  // Test the value first: the branch forces it to be computed before the flags are read.
  if (!std::isfinite(v) || std::fetestexcept(kTrappedFaults)) {
    FlagError = 1;
    failed_ = true;
    return false;
  }
  Datos[slot] = v;
  return true;
}

bool CaseFrame::PutAtX(double Y, double Theta, double M, double V) {
  return Put(Slot::Y, Y) && Put(Slot::Theta, Theta) && Put(Slot::M, M) && Put(Slot::V, V);
}

}  // namespace Vigas
