// Simply supported beam: A at x = 0 and B at x = L, both pinned.
#include <cmath>

#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Code 100: w0 over the whole span.
void CaseSimpleUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double Ra = w0 * L / 2, Rb = w0 * L / 2;
  if (!f.PutAtX(-w0 * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI),
                -w0 * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI),
                w0 * (L * x - x * x) / 2, w0 * (L - 2 * x) / 2))
    return;
  if (!Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb);
}

// Results at x are written one at a time, Y, Theta, M, V, each expression
// evaluated only after the slot before it was stored: a fault in a later result
// leaves the earlier ones written, as the frame's error trap does.

// Code 101: w0 over the left half, 0 <= x <= L/2.
void CaseSimpleUniformHalf(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double half = L / 2;
  bool ok;
  if (x < half) {
    ok = f.Put(Slot::Y, -w0 * x * (9 * L * L * L - 24 * L * x * x + 16 * x * x * x) / (384 * EI)) &&
         f.Put(Slot::Theta, -w0 * (9 * L * L * L - 72 * L * x * x + 64 * x * x * x) / (384 * EI)) &&
         f.Put(Slot::M, w0 * (3 * L * x - 4 * x * x) / 8) &&
         f.Put(Slot::V, w0 * (3 * L - 8 * x) / 8);
  } else {
    ok = f.Put(Slot::Y, -w0 * L * (8 * x * x * x - 24 * L * x * x + 17 * L * L * x - L * L * L) /
                            (384 * EI)) &&
         f.Put(Slot::Theta, -w0 * L * (24 * x * x - 48 * L * x + 17 * L * L) / (384 * EI)) &&
         f.Put(Slot::M, w0 * L * (L - x) / 8) && f.Put(Slot::V, -w0 * L / 8);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, 3 * w0 * L / 8) && f.Put(Slot::Rb, w0 * L / 8) && f.Put(Slot::xC, L / 2);
}

// Code 102: w0 over 0 <= x <= a.
void CaseSimpleUniformStart(bool Completo) {
  CaseFrame f;
  // No-value order of this case: "x" comes before "a".
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x),
               a = f.In(Slot::a);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, -w0 * x *
                            (a * a * a * a - 4 * a * a * a * L + 4 * a * a * L * L +
                             2 * a * a * x * x - 4 * a * L * x * x + L * x * x * x) /
                            (24 * L * EI)) &&
         f.Put(Slot::Theta, -w0 *
                                (a * a * a * a - 4 * a * a * a * L + 4 * a * a * L * L +
                                 6 * a * a * x * x - 12 * a * L * x * x + 4 * L * x * x * x) /
                                (24 * L * EI)) &&
         f.Put(Slot::M, -w0 * (a * a * x - 2 * a * L * x + L * x * x) / (2 * L)) &&
         f.Put(Slot::V, -w0 * (a * a - 2 * a * L + 2 * L * x) / (2 * L));
  } else {
    ok =
        f.Put(Slot::Y, -w0 * a * a *
                           (4 * L * L * x - a * a * L + a * a * x - 6 * L * x * x + 2 * x * x * x) /
                           (24 * L * EI)) &&
        f.Put(Slot::Theta,
              -w0 * a * a * (a * a + 4 * L * L - 12 * L * x + 6 * x * x) / (24 * L * EI)) &&
        f.Put(Slot::M, w0 * a * a * (L - x) / (2 * L)) && f.Put(Slot::V, -w0 * a * a / (2 * L));
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * a * (2 * L - a) / (2 * L)) && f.Put(Slot::Rb, w0 * a * a / (2 * L)) &&
      f.Put(Slot::xC, a);
}

// Code 103: w0 over a <= x <= a + b.
void CaseSimpleUniformPart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), a = f.In(Slot::a),
               b = f.In(Slot::b), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckNonNegative(b);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  const double c = L - a - b;
  const double Ra = w0 * b * (2 * c + b) / (2 * L);
  const double Rb = w0 * b * (2 * a + b) / (2 * L);
  const double ab = a + b;
  const double K1 = (4 * w0 * a * b * b * b + 3 * w0 * b * b * b * b - 8 * Ra * ab * ab * ab -
                     12 * Rb * c * c * L + 8 * Rb * c * c * c) /
                    (24 * EI);
  const double K2 =
      (w0 * b * b * b * L - 6 * EI * K1 - 3 * Rb * c * c * L - 3 * Ra * L * ab * ab) / (6 * L * EI);
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, Ra * x * x * x / (6 * EI) + K2 * x) &&
         f.Put(Slot::Theta, Ra * x * x / (2 * EI) + K2) && f.Put(Slot::M, Ra * x) &&
         f.Put(Slot::V, Ra);
  } else if (x <= ab) {
    const double s = x - a;
    ok = f.Put(Slot::Y, Ra * x * x * x / (6 * EI) - w0 * s * s * s * s / (24 * EI) + K2 * x) &&
         f.Put(Slot::Theta, Ra * x * x / (2 * EI) - w0 * s * s * s / (6 * EI) + K2) &&
         f.Put(Slot::M, Ra * x - w0 * s * s / 2) && f.Put(Slot::V, Ra - w0 * s);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, Rb * u * u * u / (6 * EI) + K1 * u / L) &&
         f.Put(Slot::Theta, -Rb * u * u / (2 * EI) - K1 / L) && f.Put(Slot::M, Rb * u) &&
         f.Put(Slot::V, -Rb);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::c, c) && f.Put(Slot::xC, a) &&
      f.Put(Slot::xD, ab);
}

// Code 104: w1 over 0 <= x <= a and w2 over L - c <= x <= L.
void CaseSimpleUniformBothEnds(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w1 = f.In(Slot::w1), w2 = f.In(Slot::w2),
               a = f.In(Slot::a), c = f.In(Slot::c), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckNonNegative(c);
  f.CheckWithin(a + c, L);
  if (!f.Ready()) return;
  const double b = L - a - c;
  const double Ra = (w1 * a * (2 * L - a) + w2 * c * c) / (2 * L);
  const double Rb = (w2 * c * (2 * L - c) + w1 * a * a) / (2 * L);
  const double Lc = L - c;
  const double C4 =
      (-8 * (Ra - w1 * a) * Lc * Lc * Lc - 6 * w1 * a * a * Lc * Lc + w1 * a * a * a * a +
       8 * Rb * c * c * c - 3 * w2 * c * c * c * c - 12 * Rb * c * c * L + 4 * w2 * c * c * c * L) /
      24;
  const double C3 = -C4 / L;
  const double C0 = w1 * a * a * a * a / 24;
  const double C2 =
      C3 - Rb * c * c / 2 + w2 * c * c * c / 6 - (Ra - w1 * a) * Lc * Lc / 2 - w1 * a * a * Lc / 2;
  const double C1 = C2 + w1 * a * a * a / 6;
  const double ab = a + b;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, (Ra * x * x * x / 6 - w1 * x * x * x * x / 24 + C1 * x) / EI) &&
         f.Put(Slot::Theta, (Ra * x * x / 2 - w1 * x * x * x / 6 + C1) / EI) &&
         f.Put(Slot::M, Ra * x - w1 * x * x / 2) && f.Put(Slot::V, Ra - w1 * x);
  } else if (x <= ab) {
    ok = f.Put(Slot::Y,
               ((Ra - w1 * a) * x * x * x / 6 + w1 * a * a * x * x / 4 + C2 * x + C0) / EI) &&
         f.Put(Slot::Theta, ((Ra - w1 * a) * x * x / 2 + w1 * a * a * x / 2 + C2) / EI) &&
         f.Put(Slot::M, Ra * x - w1 * a * (2 * x - a) / 2) && f.Put(Slot::V, Ra - w1 * a);
  } else {
    const double u = L - x;
    double Y = (Rb * u * u * u / 6 - w2 * u * u * u * u / 24 + C3 * x + C4) / EI;
    if (x == L) Y = 0;
    ok = f.Put(Slot::Y, Y) &&
         f.Put(Slot::Theta, (-Rb * u * u / 2 + w2 * u * u * u / 6 + C3) / EI) &&
         f.Put(Slot::M, Rb * u - w2 * u * u / 2) && f.Put(Slot::V, w2 * u - Rb);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, a) && f.Put(Slot::xD, ab) &&
      f.Put(Slot::b, b);
}

// Code 105: load rising linearly from 0 at A to w0 at B.
void CaseSimpleTriangular(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok =
      f.Put(Slot::Y, -w0 * x * (7 * L * L * L * L - 10 * L * L * x * x + 3 * x * x * x * x) /
                         (360 * L * EI)) &&
      f.Put(Slot::Theta,
            -w0 * (7 * L * L * L * L - 30 * L * L * x * x + 15 * x * x * x * x) / (360 * L * EI)) &&
      f.Put(Slot::M, w0 * (L * L * x - x * x * x) / (6 * L)) &&
      f.Put(Slot::V, w0 * (L * L - 3 * x * x) / (6 * L));
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * L / 6) && f.Put(Slot::Rb, w0 * L / 3);
}

// Code 106: load rising linearly from 0 at each support to w0 at L/2.
void CaseSimpleTriangularCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double half = L / 2;
  bool ok;
  if (x < half) {
    const double q = 5 * L * L - 4 * x * x;
    ok = f.Put(Slot::Y, -w0 * x * q * q / (960 * L * EI)) &&
         f.Put(Slot::Theta, -w0 * (5 * L * L - 4 * x * x) * (L * L - 4 * x * x) / (192 * L * EI)) &&
         f.Put(Slot::M, w0 * x * (3 * L * L - 4 * x * x) / (12 * L)) &&
         f.Put(Slot::V, w0 * (L * L - 4 * x * x) / (4 * L));
  } else {
    const double u = L - x;
    const double q = 5 * L * L - 4 * u * u;
    ok = f.Put(Slot::Y, -w0 * u * q * q / (960 * L * EI)) &&
         f.Put(Slot::Theta, w0 * (5 * L * L - 4 * u * u) * (L * L - 4 * u * u) / (192 * L * EI)) &&
         f.Put(Slot::M, w0 * u * (3 * L * L - 4 * u * u) / (12 * L)) &&
         f.Put(Slot::V, -w0 * (L * L - 4 * u * u) / (4 * L));
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, w0 * L / 4) && f.Put(Slot::Rb, w0 * L / 4) && f.Put(Slot::xC, L / 2);
}

// Code 107: half-sine load w0 sin(pi x / L).
void CaseSimpleSine(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double Pi = 4 * std::atan(1.0);
  const double half = L / 2;
  double Y = -w0 * L * L * L * L * std::sin(Pi * x / L) / (Pi * Pi * Pi * Pi * EI);
  if (x == L) Y = 0;
  if (!f.Put(Slot::Y, Y)) return;
  double Theta = -w0 * L * L * L * std::cos(Pi * x / L) / (Pi * Pi * Pi * EI);
  if (x == half) Theta = 0;
  if (!f.Put(Slot::Theta, Theta)) return;
  double M = w0 * L * L * std::sin(Pi * x / L) / (Pi * Pi);
  if (x == L) M = 0;
  if (!f.Put(Slot::M, M)) return;
  double V = w0 * L * std::cos(Pi * x / L) / Pi;
  if (x == half) V = 0;
  if (!f.Put(Slot::V, V)) return;
  if (!Completo) return;
  f.Put(Slot::Ra, w0 * L / Pi) && f.Put(Slot::Rb, w0 * L / Pi);
}

// Code 108: P at midspan.
void CaseSimplePointCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double half = L / 2;
  bool ok;
  if (x < half) {
    ok = f.Put(Slot::Y, -P * x * (3 * L * L - 4 * x * x) / (48 * EI)) &&
         f.Put(Slot::Theta, -P * (L * L - 4 * x * x) / (16 * EI)) && f.Put(Slot::M, P * x / 2) &&
         f.Put(Slot::V, P / 2);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, -P * u * (3 * L * L - 4 * u * u) / (48 * EI)) &&
         f.Put(Slot::Theta, P * (L * L - 4 * u * u) / (16 * EI)) && f.Put(Slot::M, P * u / 2) &&
         f.Put(Slot::V, -P / 2);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P / 2) && f.Put(Slot::Rb, P / 2) && f.Put(Slot::xC, L / 2);
}

// Code 109: P at x = a.
void CaseSimplePoint(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, -P * b * x * (L * L - b * b - x * x) / (6 * L * EI)) &&
         f.Put(Slot::Theta, -P * b * (L * L - b * b - 3 * x * x) / (6 * L * EI)) &&
         f.Put(Slot::M, P * b * x / L) && f.Put(Slot::V, P * b / L);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, -P * a * u * (L * L - a * a - u * u) / (6 * L * EI)) &&
         f.Put(Slot::Theta, P * a * (L * L - a * a - 3 * u * u) / (6 * L * EI)) &&
         f.Put(Slot::M, P * a * u / L) && f.Put(Slot::V, -P * a / L);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P * b / L) && f.Put(Slot::Rb, P * a / L) && f.Put(Slot::xC, a) &&
      f.Put(Slot::b, b);
}

// Code 110: P at x = a and at x = L - a.
void CaseSimpleTwoPointsSym(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckWithin(2 * a, L);
  if (!f.Ready()) return;
  const double La = L - a;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, -P * x * (3 * a * L - 3 * a * a - x * x) / (6 * EI)) &&
         f.Put(Slot::Theta, -P * (a * L - a * a - x * x) / (2 * EI)) && f.Put(Slot::M, P * x) &&
         f.Put(Slot::V, P);
  } else if (x <= La) {
    ok = f.Put(Slot::Y, -P * a * (3 * L * x - 3 * x * x - a * a) / (6 * EI)) &&
         f.Put(Slot::Theta, -P * a * (L - 2 * x) / (2 * EI)) && f.Put(Slot::M, P * a) &&
         f.Put(Slot::V, 0.0);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, -P * u * (3 * a * L - 3 * a * a - u * u) / (6 * EI)) &&
         f.Put(Slot::Theta, P * (a * L - a * a - u * u) / (2 * EI)) && f.Put(Slot::M, P * u) &&
         f.Put(Slot::V, -P);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P) && f.Put(Slot::Rb, P) && f.Put(Slot::xC, a) && f.Put(Slot::xD, La);
}

namespace {
// Codes 111 and 112: P1 at x = a and P2 at x = e = L - b; inputs already checked.
void TwoPointLoads(CaseFrame& f, bool Completo, double EI, double L, double x, double P1, double P2,
                   double a, double b) {
  const double e = L - b;
  const double Ra = (P1 * (L - a) + P2 * b) / L;
  const double Rb = (P2 * (L - b) + P1 * a) / L;
  const double C4 = (P1 * a * a * a - 2 * P2 * e * e * e - 3 * e * e * (P1 * a - Rb * L)) / 6;
  const double C3 = -Rb * L * L / 3 - C4 / L;
  const double C0 = P1 * a * a * a / 6;
  const double C2 = C3 - P2 * e * e / 2 - (P1 * a - Rb * L) * e;
  const double C1 = C2 + P1 * a * a / 2;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, (Ra * x * x * x / 6 + C1 * x) / EI) &&
         f.Put(Slot::Theta, (Ra * x * x / 2 + C1) / EI) && f.Put(Slot::M, Ra * x) &&
         f.Put(Slot::V, Ra);
  } else if (x <= e) {
    ok = f.Put(Slot::Y, ((Ra - P1) * x * x * x / 6 + P1 * a * x * x / 2 + C2 * x + C0) / EI) &&
         f.Put(Slot::Theta, ((Ra - P1) * x * x / 2 + P1 * a * x + C2) / EI) &&
         f.Put(Slot::M, Ra * x - P1 * (x - a)) && f.Put(Slot::V, Ra - P1);
  } else {
    double Y = (Rb * L * x * x / 2 - Rb * x * x * x / 6 + C3 * x + C4) / EI;
    if (x == L) Y = 0;
    ok = f.Put(Slot::Y, Y) && f.Put(Slot::Theta, (Rb * L * x - Rb * x * x / 2 + C3) / EI) &&
         f.Put(Slot::M, Rb * (L - x)) && f.Put(Slot::V, -Rb);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, a) && f.Put(Slot::xD, e);
}
}  // namespace

// Code 111: P at x = a and at x = L - b.
void CaseSimpleTwoPoints(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               b = f.In(Slot::b), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckNonNegative(b);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  TwoPointLoads(f, Completo, EI, L, x, P, P, a, b);
}

// Code 112: P1 at x = a, P2 at x = L - b.
void CaseSimpleTwoPointsUnequal(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P1 = f.In(Slot::P1), P2 = f.In(Slot::P2),
               a = f.In(Slot::a), b = f.In(Slot::b), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckNonNegative(b);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  TwoPointLoads(f, Completo, EI, L, x, P1, P2, a, b);
}

// Code 113: couple M0 at B (mark +1).
void CaseSimpleMomentEndB(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok = f.Put(Slot::Y, -M0 * x * (L * L - x * x) / (6 * L * EI)) &&
                  f.Put(Slot::Theta, -M0 * (L * L - 3 * x * x) / (6 * L * EI)) &&
                  f.Put(Slot::M, M0 * x / L) && f.Put(Slot::V, M0 / L);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, M0 / L) && f.Put(Slot::Rb, -M0 / L) && f.Put(Slot::sM0, 1.0);
}

// Code 114: couple M0 at A (mark +1).
void CaseSimpleMomentEndA(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok = f.Put(Slot::Y, M0 * x * (2 * L * L - 3 * L * x + x * x) / (6 * L * EI)) &&
                  f.Put(Slot::Theta, M0 * (2 * L * L - 6 * L * x + 3 * x * x) / (6 * L * EI)) &&
                  f.Put(Slot::M, -M0 * (L - x) / L) && f.Put(Slot::V, M0 / L);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, M0 / L) && f.Put(Slot::Rb, -M0 / L) && f.Put(Slot::sM0, 1.0);
}

// Code 115: couple M0 at A with the opposite sense (mark -1).
void CaseSimpleMomentEndAReverse(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok = f.Put(Slot::Y, -M0 * x * (2 * L * L - 3 * L * x + x * x) / (6 * L * EI)) &&
                  f.Put(Slot::Theta, -M0 * (2 * L * L - 6 * L * x + 3 * x * x) / (6 * L * EI)) &&
                  f.Put(Slot::M, M0 * (L - x) / L) && f.Put(Slot::V, -M0 / L);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, -M0 / L) && f.Put(Slot::Rb, M0 / L) && f.Put(Slot::sM0, -1.0);
}

// Code 116: couple M0 at midspan (mark +1).
void CaseSimpleMomentCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double half = L / 2;
  bool ok;
  if (x < half) {
    ok = f.Put(Slot::Y, -M0 * x * (L * L - 4 * x * x) / (24 * L * EI)) &&
         f.Put(Slot::Theta, -M0 * (L * L - 12 * x * x) / (24 * L * EI)) &&
         f.Put(Slot::M, M0 * x / L) && f.Put(Slot::V, M0 / L);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, M0 * u * (L * L - 4 * u * u) / (24 * L * EI)) &&
         f.Put(Slot::Theta, -M0 * (L * L - 12 * u * u) / (24 * L * EI)) &&
         f.Put(Slot::M, -M0 * u / L) && f.Put(Slot::V, M0 / L);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, M0 / L) && f.Put(Slot::Rb, -M0 / L) && f.Put(Slot::xC, L / 2) &&
      f.Put(Slot::sM0, 1.0);
}

// Code 117: couple M0 at x = a (mark +1).
void CaseSimpleMoment(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a;
  bool ok;
  if (x < a) {
    ok = f.Put(Slot::Y, -M0 * x * (L * L - 3 * b * b - x * x) / (6 * L * EI)) &&
         f.Put(Slot::Theta, -M0 * (L * L - 3 * b * b - 3 * x * x) / (6 * L * EI)) &&
         f.Put(Slot::M, M0 * x / L) && f.Put(Slot::V, M0 / L);
  } else {
    const double u = L - x;
    ok = f.Put(Slot::Y, M0 * u * (L * L - 3 * a * a - u * u) / (6 * L * EI)) &&
         f.Put(Slot::Theta, M0 * (3 * a * a + 3 * u * u - L * L) / (6 * L * EI)) &&
         f.Put(Slot::M, -M0 * u / L) && f.Put(Slot::V, M0 / L);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, M0 / L) && f.Put(Slot::Rb, -M0 / L) && f.Put(Slot::xC, a) && f.Put(Slot::b, b) &&
      f.Put(Slot::sM0, 1.0);
}

// Code 118: M1 at A (mark +1) and M2 at B (mark -1).
void CaseSimpleEndMomentsOpposite(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M1 = f.In(Slot::M1), M2 = f.In(Slot::M2),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok =
      f.Put(Slot::Y, x * (L - x) * ((2 * M1 + M2) * L - (M1 - M2) * x) / (6 * L * EI)) &&
      f.Put(Slot::Theta,
            ((M1 - M2) * (3 * x * x - 2 * L * x) - (2 * M1 + M2) * (2 * L * x - L * L)) /
                (6 * L * EI)) &&
      f.Put(Slot::M, ((M1 - M2) * x - M1 * L) / L) && f.Put(Slot::V, (M1 - M2) / L);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, (M1 - M2) / L) && f.Put(Slot::Rb, (M2 - M1) / L) && f.Put(Slot::sM1, 1.0) &&
      f.Put(Slot::sM2, -1.0);
}

// Code 119: M1 at A and M2 at B, both mark +1.
void CaseSimpleEndMomentsSame(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M1 = f.In(Slot::M1), M2 = f.In(Slot::M2),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok =
      f.Put(Slot::Y, x * (L - x) * ((2 * M1 - M2) * L - (M1 + M2) * x) / (6 * L * EI)) &&
      f.Put(Slot::Theta,
            ((M1 + M2) * (3 * x * x - 2 * L * x) - (2 * M1 - M2) * (2 * L * x - L * L)) /
                (6 * L * EI)) &&
      f.Put(Slot::M, ((M1 + M2) * x - M1 * L) / L) && f.Put(Slot::V, (M1 + M2) / L);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, (M1 + M2) / L) && f.Put(Slot::Rb, -(M1 + M2) / L) && f.Put(Slot::sM1, 1.0) &&
      f.Put(Slot::sM2, 1.0);
}

// Code 120: equal couples M0 at A (mark -1) and B (mark +1), pure bending.
void CaseSimpleEqualEndMoments(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const bool ok = f.Put(Slot::Y, -M0 * x * (L - x) / (2 * EI)) &&
                  f.Put(Slot::Theta, -M0 * (L - 2 * x) / (2 * EI)) && f.Put(Slot::M, M0) &&
                  f.Put(Slot::V, 0.0);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, 0.0) && f.Put(Slot::Rb, 0.0) && f.Put(Slot::sM0A, -1.0) && f.Put(Slot::sM0B, 1.0);
}

}  // namespace Vigas
