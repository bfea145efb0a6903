#include "engine/CaseFrame.h"

#include <cfenv>
#include <cmath>
#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>
#endif

#include "engine/DataVector.h"

namespace Vigas {

namespace {
// The graph sampling calls the cases thousands of times: on x86-64 the flags
// live in MXCSR, which is far cheaper to touch than the whole fenv.
#if defined(__x86_64__) && defined(__SSE2__)
constexpr unsigned kMxcsrFaults = 0x01 | 0x04 | 0x08;  // invalid, divide-by-zero, overflow
void ClearFaults() {
  _mm_setcsr(_mm_getcsr() & ~kMxcsrFaults);
}
bool FaultRaised() {
  return (_mm_getcsr() & kMxcsrFaults) != 0;
}
#else
constexpr int kTrappedFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
void ClearFaults() {
  std::feclearexcept(kTrappedFaults);
}
bool FaultRaised() {
  return std::fetestexcept(kTrappedFaults) != 0;
}
#endif

// "Missing" means the marker itself, not merely a huge value.
bool IsMarker(double v) {
  return v == SinValor;
}
}  // namespace

double ToleranceBound(double end) {
  volatile double bound = end * 1.00001;
  return bound;
}

CaseFrame::CaseFrame() {
  FlagError = 0;
  ClearFaults();
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
  ClearFaults();
  return true;
}

bool CaseFrame::Put(int slot, double v) {
  if (failed_) return false;
  // Test the value first: the branch forces it to be computed before the flags are read.
  if (!std::isfinite(v) || FaultRaised()) {
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
