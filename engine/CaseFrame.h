// The frame every case procedure runs in: clear the flag, copy the inputs,
// refuse missing values and out-of-range lengths, then write results that are
// finite, stopping at the first arithmetic fault.
#pragma once

namespace Vigas {

class CaseFrame {
 public:
  // Clears FlagError and the floating-point fault flags.
  CaseFrame();

  // Copy of slot `slot`; notes a missing input when it holds SinValor bit for bit.
  double In(int slot);

  // EI > 0, L > 0.
  void CheckPositive(double v);
  // v >= 0.
  void CheckNonNegative(double v);
  // 0 <= v <= end * 1.00001 (the bound rounded to a double before comparing).
  void CheckWithin(double v, double end);

  // The checks every case makes: EI > 0, L > 0 and 0 <= x <= L (with tolerance).
  void CheckBeam(double EI, double L, double x) {
    CheckPositive(EI);
    CheckPositive(L);
    CheckWithin(x, L);
  }

  // True when every input was present and every check passed; otherwise sets
  // FlagError and the case must return without writing.
  bool Ready();

  // Writes v into the slot unless it is not finite or an overflow, division by
  // zero or invalid operation happened since the frame began: then FlagError
  // becomes 1 and nothing more may be written (returns false).
  bool Put(int slot, double v);

  // Writes the four results at x in order, each only if the ones before succeeded.
  bool PutAtX(double Y, double Theta, double M, double V);

  bool Failed() const { return failed_; }

 private:
  bool missing_ = false;
  bool outOfRange_ = false;
  bool failed_ = false;
};

// Small powers the case formulas use.
inline double Sq(double v) {
  return v * v;
}
inline double Cube(double v) {
  return v * v * v;
}

// Bound of the range checks: the end rounded after the 1.00001 tolerance.
double ToleranceBound(double end);

}  // namespace Vigas
