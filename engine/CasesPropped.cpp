// Beam built in at A (x = 0) and pinned at B (x = L).
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Code 400: w0 over the whole span.
void CaseProppedUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double u = L - x;
  if (!f.PutAtX(-w0 * u * (2 * Cube(u) + Cube(L) - 3 * L * Sq(u)) / (48 * EI),
                -w0 * x * (6 * Sq(L) - 15 * L * x + 8 * Sq(x)) / (48 * EI),
                -w0 * (Sq(L) - 5 * L * x + 4 * Sq(x)) / 8, w0 * (5 * L - 8 * x) / 8))
    return;
  if (!Completo) return;
  const double Ra = 5 * w0 * L / 8, Rb = 3 * w0 * L / 8;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb);
}

// Code 401: w0 over [0, a], next to the built-in end.
void CaseProppedUniformStart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0),
               a = f.In(Slot::a);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a;
  // Fixed-end moment first: the reactions are the simple-span ones corrected by MA/L.
  const double MA = -w0 * Sq(a) * Sq(b + L) / (8 * Sq(L));
  const double Ra = ((b + L) * w0 * a - 2 * MA) / (2 * L);
  const double Rb = (w0 * Sq(a) + 2 * MA) / (2 * L);
  if (x < a) {
    double Y = -(4 * w0 * L * Sq(Sq(a - x)) - 16 * Rb * L * Cube(L - x) +
                 2 * w0 * Cube(a) * (L - x) * (3 * b + L)) /
               (96 * EI * L);
    double Theta =
        -(48 * Rb * L * Sq(L - x) - 16 * w0 * L * Cube(a - x) - 2 * w0 * Cube(a) * (3 * b + L)) /
        (96 * EI * L);
    // At the clamp the formulas leave only rounding residue.
    if (x == 0) Y = Theta = 0;
    if (!f.PutAtX(Y, Theta, Rb * (L - x) - w0 * Sq(a - x) / 2, w0 * (a - x) - Rb)) return;
  } else {
    const double u = L - x;
    if (!f.PutAtX(-u * (2 * w0 * Cube(a) * (3 * b + L) - 16 * Rb * L * Sq(u)) / (96 * EI * L),
                  -(24 * Rb * L * Sq(u) - w0 * Cube(a) * (3 * b + L)) / (48 * EI * L), Rb * u, -Rb))
      return;
  }
  if (!Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::b, b) && f.Put(Slot::xC, a);
}

// Code 402: w0 over [L - b, L], next to the pinned end.
void CaseProppedUniformEnd(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0),
               b = f.In(Slot::b);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(b, L);
  if (!f.Ready()) return;
  const double a = L - b;
  const double MA = -w0 * Sq(b) * ((2 * L + b) * (a + L) - Sq(b)) / (16 * Sq(L));
  const double Ra = (w0 * Sq(b) - 2 * MA) / (2 * L);
  const double Rb = ((2 * a + b) * w0 * b + 2 * MA) / (2 * L);
  if (x < a) {
    if (!f.PutAtX(Sq(x) * (Ra * x + 3 * MA) / (6 * EI), x * (Ra * x + 2 * MA) / (2 * EI),
                  Ra * x + MA, Ra))
      return;
  } else {
    const double u = L - x;
    const double k = 2 * w0 * Sq(b) * (6 * Sq(a) + 3 * a * b + b * L);  // same term in Y and Theta
    if (!f.PutAtX(-u * (4 * w0 * L * Cube(u) - 16 * Rb * L * Sq(u) + k) / (96 * EI * L),
                  -(48 * Rb * L * Sq(u) - 16 * w0 * L * Cube(u) - k) / (96 * EI * L),
                  Rb * u - w0 * Sq(u) / 2, w0 * u - Rb))
      return;
  }
  if (!Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::a, a) && f.Put(Slot::xC, a);
}

// Code 403: w0 over [a, a + b].
void CaseProppedUniformPart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0),
               a = f.In(Slot::a), b = f.In(Slot::b);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  f.CheckWithin(b, L);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  const double c = L - a - b, end = a + b;
  const double K = 2 * Sq(b) * L - 3 * Sq(b) * (2 * a + b) + 3 * Sq(2 * a + b) * (2 * c + b);
  const double MA =
      -w0 * b * (2 * c + b) * ((2 * c + 2 * L + b) * (2 * a + b) - Sq(b)) / (16 * Sq(L));
  const double Ra = ((2 * c + b) * w0 * b - 2 * MA) / (2 * L);
  const double Rb = ((2 * a + b) * w0 * b + 2 * MA) / (2 * L);
  const double u = L - x;
  if (x < a) {
    if (!f.PutAtX(Sq(x) * (Ra * x + 3 * MA) / (6 * EI), x * (Ra * x + 2 * MA) / (2 * EI),
                  Ra * x + MA, Ra))
      return;
  }
  if (a <= x && x <= end) {
    const double s = L - x - c;
    if (!f.PutAtX(
            -(4 * w0 * L * Sq(Sq(s)) - 16 * Rb * L * Cube(u) + K * b * w0 * u) / (96 * EI * L),
            -(48 * Rb * L * Sq(u) - 16 * w0 * L * Cube(s) - K * b * w0) / (96 * EI * L),
            Rb * u - w0 * Sq(s) / 2, w0 * s - Rb))
      return;
  }
  if (x > end) {
    if (!f.PutAtX(-u * (K * b * w0 - 16 * Rb * L * Sq(u)) / (96 * EI * L),
                  -(48 * Rb * L * Sq(u) - K * b * w0) / (96 * EI * L), Rb * u, -Rb))
      return;
  }
  if (!Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::c, c) && f.Put(Slot::xC, a) &&
      f.Put(Slot::xD, end);
}

// Code 404: P at midspan.
void CaseProppedPointCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), P = f.In(Slot::P);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double mid = L / 2;
  if (x < mid) {
    if (!f.PutAtX(-P * Sq(x) * (9 * L - 11 * x) / (96 * EI), -P * x * (6 * L - 11 * x) / (32 * EI),
                  -P * (3 * L - 11 * x) / 16, 11 * P / 16))
      return;
  } else {
    const double u = L - x;
    if (!f.PutAtX(-P * u * (3 * Sq(L) - 5 * Sq(u)) / (96 * EI),
                  -P * (4 * Sq(L) - 10 * L * x + 5 * Sq(x)) / (32 * EI), 5 * P * u / 16,
                  -5 * P / 16))
      return;
  }
  if (!Completo) return;
  const double Ra = 11 * P / 16, Rb = 5 * P / 16;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, mid);
}

// Code 405: P at x = a.
void CaseProppedPoint(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), P = f.In(Slot::P),
               a = f.In(Slot::a);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a, L2 = Sq(L), L3 = Cube(L), b2 = Sq(b);
  if (x < a) {
    if (!f.PutAtX(-P * b * Sq(x) * (3 * L3 - 3 * b2 * L - 3 * L2 * x + b2 * x) / (12 * EI * L3),
                  -P * b * x * (2 * L3 - 2 * b2 * L - 3 * L2 * x + b2 * x) / (4 * EI * L3),
                  -P * b * (L3 - b2 * L - 3 * L2 * x + b2 * x) / (2 * L3),
                  P * b * (3 * L2 - b2) / (2 * L3)))
      return;
  } else {
    const double u = L - x;
    if (!f.PutAtX(-P * Sq(a) * u * (3 * b * L2 - (2 * L + b) * Sq(u)) / (12 * EI * L3),
                  -P * Sq(a) * (2 * L3 - 4 * L2 * x - 2 * b * L * x + 2 * L * Sq(x) + b * Sq(x)) /
                      (4 * EI * L3),
                  P * Sq(a) * (2 * L + b) * u / (2 * L3), -P * Sq(a) * (2 * L + b) / (2 * L3)))
      return;
  }
  if (!Completo) return;
  const double Ra = P * b * (3 * L2 - b2) / (2 * L3), Rb = P * Sq(a) * (2 * L + b) / (2 * L3);
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::b, b) && f.Put(Slot::xC, a);
}

// Code 406: P at x = a and at x = L - a.
void CaseProppedTwoPointsSym(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), P = f.In(Slot::P),
               a = f.In(Slot::a);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckWithin(2 * a, L);
  if (!f.Ready()) return;
  const double second = L - a, L2 = Sq(L), a2 = Sq(a), u = L - x;
  // With 2a just above L the outer intervals overlap; the last one written stands.
  if (x < a) {
    const double k = 3 * a2 - 3 * a * L - 2 * L2;
    if (!f.PutAtX(
            P * Sq(x) * (2 * L * (L2 + 3 * a2 - 3 * a * L) + k * u) / (12 * EI * L2),
            P * x * (4 * L * (L2 + 3 * a2 - 3 * a * L) + k * (2 * L - 3 * x)) / (12 * EI * L2),
            P * ((2 * L2 + 3 * a * L - 3 * a2) * x + 3 * a2 * L - 3 * a * L2) / (2 * L2),
            P * (2 * L2 + 3 * a * L - 3 * a2) / (2 * L2)))
      return;
  }
  if (a <= x && x <= second) {
    if (!f.PutAtX(
            -P * a * (3 * (L - a) * Cube(u) - 6 * L2 * Sq(u) + 3 * L2 * (a + L) * u - 2 * a2 * L2) /
                (12 * EI * L2),
            -P * a * (4 * L2 * u - 3 * (L - a) * Sq(u) - L2 * (a + L)) / (4 * EI * L2),
            -P * a * (3 * (L - a) * u - 2 * L2) / (2 * L2), 3 * P * a * (L - a) / (2 * L2)))
      return;
  }
  if (x > second) {
    const double K = 3 * a * L - 3 * a2 - 2 * L2;
    if (!f.PutAtX(-P * u * (3 * a * Cube(L) - 3 * a2 * L2 + K * Sq(u)) / (12 * EI * L2),
                  P * (a * L2 * (L - a) + K * Sq(u)) / (4 * EI * L2), -P * K * u / (2 * L2),
                  P * K / (2 * L2)))
      return;
  }
  if (!Completo) return;
  const double Ra = P * (2 * L2 - 3 * a2 + 3 * a * L) / (2 * L2);
  const double Rb = P * (2 * L2 + 3 * a2 - 3 * a * L) / (2 * L2);
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, a) && f.Put(Slot::xD, second);
}

// Code 407: couple M0 at x = a; M rises by M0 across it.
void CaseProppedMoment(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), M0 = f.In(Slot::M0),
               a = f.In(Slot::a);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a, L2 = Sq(L), L3 = Cube(L), b2 = Sq(b);
  const double V = -3 * M0 * a * (b + L) / (2 * L3);
  if (x < a) {
    if (!f.PutAtX(-M0 * Sq(x) * (2 * b2 * L - (L2 - b2) * (L - x)) / (4 * EI * L3),
                  -M0 * x * (4 * b2 * L - (L2 - b2) * (2 * L - 3 * x)) / (4 * EI * L3),
                  -M0 * (2 * b2 * L - (L2 - b2) * (L - 3 * x)) / (2 * L3), V))
      return;
  } else {
    const double u = L - x;
    if (!f.PutAtX(M0 * a * u * (4 * L3 + (Sq(u) - 3 * L2) * (b + L)) / (4 * EI * L3),
                  -M0 * a * (4 * L3 + 3 * (b + L) * (Sq(x) - 2 * L * x)) / (4 * EI * L3),
                  3 * M0 * a * (b + L) * u / (2 * L3), V))
      return;
  }
  if (!Completo) return;
  const double Ra = -3 * M0 * a * (b + L) / (2 * L3), Rb = -Ra;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::b, b) && f.Put(Slot::xC, a) &&
      f.Put(Slot::sM0, -1);
}

// Code 408: couple M0 at the pinned end; M reaches -M0 at B.
void CaseProppedMomentEndB(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), M0 = f.In(Slot::M0);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  if (!f.PutAtX(M0 * Sq(x) * (L - x) / (4 * EI * L), M0 * x * (2 * L - 3 * x) / (4 * EI * L),
                M0 * (L - 3 * x) / (2 * L), -3 * M0 / (2 * L)))
    return;
  if (!Completo) return;
  const double Ra = -3 * M0 / (2 * L), Rb = 3 * M0 / (2 * L);
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::sM0, -1);
}

}  // namespace Vigas
