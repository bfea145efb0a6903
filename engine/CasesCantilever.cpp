// Cantilever: built in at x = 0, free at x = L.
#include <cmath>

#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

namespace {
// Extremes a cantilever case knows in closed form: the other extreme is always
// 0 (the end where the quantity vanishes), the larger one sits at `where`.
bool PutExtremes(CaseFrame& f, int minSlot, int maxSlot, int posSlot, double maxValue,
                 double where) {
  return f.Put(minSlot, 0) && f.Put(maxSlot, maxValue) && f.Put(posSlot, where);
}
}  // namespace

// Code 200: w0 over the whole length.
void CaseCantileverUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  if (!f.PutAtX(-w0 * x * x * (6 * L * L - 4 * L * x + x * x) / (24 * EI),
                -w0 * x * (3 * L * L - 3 * L * x + x * x) / (6 * EI), -w0 * (L - x) * (L - x) / 2,
                w0 * (L - x)))
    return;
  if (!Completo) return;
  const double Ra = w0 * L;
  f.Put(Slot::Ra, Ra) && PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, Ra, 0);
}

// Code 201: w0 over [0, a].
void CaseCantileverUniformStart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-w0 * x * x * (6 * a * a - 4 * a * x + x * x) / (24 * EI),
                  -w0 * x * (3 * a * a - 3 * a * x + x * x) / (6 * EI), -w0 * (a - x) * (a - x) / 2,
                  w0 * (a - x));
  } else {
    ok = f.PutAtX(-w0 * a * a * a * (4 * x - a) / (24 * EI), -w0 * a * a * a / (6 * EI), 0, 0);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * a) && f.Put(Slot::xC, a) &&
      PutExtremes(f, Slot::Ymin, Slot::Ymax, Slot::xYmax, -w0 * a * a * a * (4 * L - a) / (24 * EI),
                  L) &&
      PutExtremes(f, Slot::ThetaMin, Slot::ThetaMax, Slot::xThetaMax, -w0 * a * a * a / (6 * EI),
                  L) &&
      PutExtremes(f, Slot::MMin, Slot::Mmax, Slot::xMMax, -w0 * a * a / 2, 0) &&
      PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, w0 * a, 0);
}

// Code 202: w0 over [L - b, L].
void CaseCantileverUniformEnd(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), b = f.In(Slot::b),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(b, L);
  if (!f.Ready()) return;
  // Start of the load; b may pass L by the tolerance, the start stays on the beam.
  const double a = std::fabs(L - b);
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-w0 * b * x * x * (3 * a + 3 * L - 2 * x) / (12 * EI),
                  -w0 * b * x * (a + L - x) / (2 * EI), -w0 * b * (a + L - 2 * x) / 2, w0 * b);
  } else {
    ok = f.PutAtX(-w0 *
                      (x * x * x * x - 4 * L * x * x * x + 6 * L * L * x * x - 4 * a * a * a * x +
                       a * a * a * a) /
                      (24 * EI),
                  -w0 * (x * x * x - 3 * L * x * x + 3 * L * L * x - a * a * a) / (6 * EI),
                  -w0 * (L - x) * (L - x) / 2, w0 * (L - x));
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * b) && f.Put(Slot::xC, a) &&
      PutExtremes(f, Slot::Ymin, Slot::Ymax, Slot::xYmax,
                  -w0 * (3 * L * L * L * L - 4 * a * a * a * L + a * a * a * a) / (24 * EI), L) &&
      PutExtremes(f, Slot::ThetaMin, Slot::ThetaMax, Slot::xThetaMax,
                  -w0 * (L * L * L - a * a * a) / (6 * EI), L) &&
      PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, w0 * b, 0);
}

// Code 203: w0 over [a, a + b].
void CaseCantileverUniformPart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), a = f.In(Slot::a),
               b = f.In(Slot::b), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckNonNegative(b);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  const double e = a + b;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-w0 * b * x * x * (6 * a + 3 * b - 2 * x) / (12 * EI),
                  -w0 * b * x * (2 * a + b - x) / (2 * EI), -w0 * b * (2 * a + b - 2 * x) / 2,
                  w0 * b);
  } else if (x <= e) {
    ok = f.PutAtX(-w0 *
                      (x * x * x * x - 4 * e * x * x * x + 6 * e * e * x * x - 4 * a * a * a * x +
                       a * a * a * a) /
                      (24 * EI),
                  -w0 * (x * x * x - 3 * e * x * x + 3 * e * e * x - a * a * a) / (6 * EI),
                  -w0 * (e - x) * (e - x) / 2, w0 * (e - x));
  } else {
    ok = f.PutAtX(
        -w0 * (4 * x * (e * e * e - a * a * a) - e * e * e * e + a * a * a * a) / (24 * EI),
        -w0 * (e * e * e - a * a * a) / (6 * EI), 0, 0);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * b) && f.Put(Slot::c, L - a - b) && f.Put(Slot::xC, a) &&
      f.Put(Slot::xD, a + b);
}

// Code 204: load rising linearly from 0 at the built-in end to w0 at the free end.
void CaseCantileverTriangularToFree(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double L2 = L * L, L3 = L2 * L, x3 = x * x * x;
  if (!f.PutAtX(-w0 * x * x * (20 * L3 - 10 * L2 * x + x3) / (120 * L * EI),
                -w0 * x * (8 * L3 - 6 * L2 * x + x3) / (24 * L * EI),
                -w0 * (2 * L3 - 3 * L2 * x + x3) / (6 * L), w0 * (L2 - x * x) / (2 * L)))
    return;
  if (!Completo) return;
  const double Ra = w0 * L / 2;
  f.Put(Slot::Ra, Ra) && PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, Ra, 0);
}

// Code 205: load falling linearly from w0 at the built-in end to 0 at the free end.
void CaseCantileverTriangularToFixed(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double L2 = L * L, L3 = L2 * L, x2 = x * x, x3 = x2 * x;
  if (!f.PutAtX(-w0 * x2 * (10 * L3 - 10 * L2 * x + 5 * L * x2 - x3) / (120 * L * EI),
                -w0 * x * (4 * L3 - 6 * L2 * x + 4 * L * x2 - x3) / (24 * L * EI),
                -w0 * (L3 - 3 * L2 * x + 3 * L * x2 - x3) / (6 * L),
                w0 * (L - x) * (L - x) / (2 * L)))
    return;
  if (!Completo) return;
  const double Ra = w0 * L / 2;
  f.Put(Slot::Ra, Ra) && PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, Ra, 0);
}

// Code 206: load w0·cos(πx/2L), largest at the built-in end.
void CaseCantileverCosine(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double pi = 4 * std::atan(1.0), pi2 = pi * pi, pi3 = pi2 * pi;
  const double t = pi * x / (2 * L), L2 = L * L, L3 = L2 * L;
  const double Y = -w0 * L *
                   (48 * L3 * std::cos(t) - 48 * L3 + 3 * pi3 * L * x * x - pi3 * x * x * x) /
                   (3 * pi2 * pi2 * EI);
  const double Theta =
      -w0 * L * (2 * pi2 * L * x - 8 * L2 * std::sin(t) - pi2 * x * x) / (pi3 * EI);
  // cos t at the free end leaves a rounding residue; the moment there is zero.
  const double M = x == L ? 0.0 : -2 * w0 * L * (pi * L - pi * x - 2 * L * std::cos(t)) / pi2;
  if (!f.PutAtX(Y, Theta, M, 2 * w0 * L * (1 - std::sin(t)) / pi)) return;
  if (!Completo) return;
  const double Ra = 2 * w0 * L / pi;
  f.Put(Slot::Ra, Ra) && PutExtremes(f, Slot::VMin, Slot::Vmax, Slot::xVMax, Ra, 0);
}

// Code 207: P at the free end.
void CaseCantileverPointEnd(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  if (!f.PutAtX(-P * x * x * (3 * L - x) / (6 * EI), -P * x * (2 * L - x) / (2 * EI), -P * (L - x),
                P))
    return;
  if (!Completo) return;
  f.Put(Slot::Ra, P);
}

// Code 208: P at x = a.
void CaseCantileverPoint(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-P * x * x * (3 * a - x) / (6 * EI), -P * x * (2 * a - x) / (2 * EI),
                  -P * (a - x), P);
  } else {
    ok = f.PutAtX(-P * a * a * (3 * x - a) / (6 * EI), -P * a * a / (2 * EI), 0, 0);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P) && f.Put(Slot::xC, a);
}

// Code 209: couple M0 at the free end, hogging for a positive M0.
void CaseCantileverMomentEnd(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  if (!f.PutAtX(-M0 * x * x / (2 * EI), -M0 * x / EI, -M0, 0)) return;
  if (!Completo) return;
  f.Put(Slot::Ra, 0) && f.Put(Slot::sM0, -1) &&
      PutExtremes(f, Slot::Ymin, Slot::Ymax, Slot::xYmax, -M0 * L * L / (2 * EI), L) &&
      PutExtremes(f, Slot::ThetaMin, Slot::ThetaMax, Slot::xThetaMax, -M0 * L / EI, L);
}

// Code 210: couple M0 at x = a, hogging between the built-in end and the couple.
void CaseCantileverMoment(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-M0 * x * x / (2 * EI), -M0 * x / EI, -M0, 0);
  } else {
    ok = f.PutAtX(-M0 * a * (2 * x - a) / (2 * EI), -M0 * a / EI, 0, 0);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, 0) && f.Put(Slot::xC, a) && f.Put(Slot::b, L - a) && f.Put(Slot::sM0, -1) &&
      PutExtremes(f, Slot::Ymin, Slot::Ymax, Slot::xYmax, -M0 * a * (2 * L - a) / (2 * EI), L);
}

}  // namespace Vigas
