// Beam built in at both ends.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

namespace {
// Segment that starts at A and carries w0 from x = 0, given the end moment
// and reaction at A.
bool PutLeftEnd(CaseFrame& f, double EI, double w0, double Ra, double MA, double x) {
  return f.PutAtX(-x * x * (w0 * x * x - 4 * Ra * x - 12 * MA) / (24 * EI),
                  -x * (w0 * x * x - 3 * Ra * x - 6 * MA) / (6 * EI), Ra * x + MA - w0 * x * x / 2,
                  Ra - w0 * x);
}

// Unloaded segment that ends at B, given the end moment and reaction at B.
bool PutRightEnd(CaseFrame& f, double EI, double L, double Rb, double MB, double x) {
  return f.PutAtX(-(Rb * x * x * x - 3 * (L * Rb + MB) * x * x + 3 * L * (L * Rb + 2 * MB) * x -
                    L * L * (L * Rb + 3 * MB)) /
                      (6 * EI),
                  -(Rb * x * x - 2 * (L * Rb + MB) * x + L * (L * Rb + 2 * MB)) / (2 * EI),
                  (L - x) * Rb + MB, -Rb);
}
}  // namespace

// Code 300: w0 over the whole span.
void CaseFixedUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  if (!f.PutAtX(-w0 * x * x * (L - x) * (L - x) / (24 * EI),
                -w0 * x * (L * L - 3 * L * x + 2 * x * x) / (12 * EI),
                -w0 * (L * L - 6 * L * x + 6 * x * x) / 12, w0 * (L - 2 * x) / 2))
    return;
  if (!Completo) return;
  f.Put(Slot::Ra, w0 * L / 2) && f.Put(Slot::Rb, w0 * L / 2);
}

// Code 301: w0 over the left half.
void CaseFixedUniformHalf(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  const double MA = -11 * w0 * L * L / 192, MB = -5 * w0 * L * L / 192;
  const double Ra = 3 * w0 * L / 8 - (MA - MB) / L, Rb = w0 * L / 8 + (MA - MB) / L;
  const bool ok = x < L / 2 ? PutLeftEnd(f, EI, w0, Ra, MA, x) : PutRightEnd(f, EI, L, Rb, MB, x);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, L / 2);
}

// Code 302: w0 over [0, a].
void CaseFixedUniformStart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double L2 = L * L;
  const double MA = -w0 * a * a * (6 * L2 - 8 * L * a + 3 * a * a) / (12 * L2);
  const double MB = -w0 * a * a * a * (4 * L - 3 * a) / (12 * L2);
  const double Ra = w0 * a * ((L - a) + L) / (2 * L) - (MA - MB) / L;
  const double Rb = w0 * a * a / (2 * L) + (MA - MB) / L;
  const bool ok = x < a ? PutLeftEnd(f, EI, w0, Ra, MA, x) : PutRightEnd(f, EI, L, Rb, MB, x);
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::b, L - a) && f.Put(Slot::xC, a);
}

// Code 303: w0 over [a, a + b].
void CaseFixedUniformPart(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), a = f.In(Slot::a),
               b = f.In(Slot::b), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  f.CheckWithin(b, L);
  f.CheckWithin(a + b, L);
  if (!f.Ready()) return;
  const double c = L - a - b, L2 = L * L;
  const double MA =
      -w0 * b * (b * b * (2 * L - 6 * c - 3 * b) + (2 * c + b) * (2 * c + b) * (3 * b + 6 * a)) /
      (24 * L2);
  const double MB =
      -w0 * b * (b * b * (2 * L - 6 * a - 3 * b) + (2 * a + b) * (2 * a + b) * (6 * c + 3 * b)) /
      (24 * L2);
  const double Ra = ((2 * c + b) * b * w0 - 2 * MA + 2 * MB) / (2 * L);
  const double Rb = ((2 * a + b) * b * w0 + 2 * MA - 2 * MB) / (2 * L);
  bool ok;
  if (x < a) {
    ok = f.PutAtX(x * x * (Ra * x + 3 * MA) / (6 * EI), x * (Ra * x + 2 * MA) / (2 * EI),
                  Ra * x + MA, Ra);
  } else if (x <= a + b) {
    const double u = x - a;
    ok = f.PutAtX(-(w0 * u * u * u * u - 4 * Ra * x * x * x - 12 * MA * x * x) / (24 * EI),
                  -(w0 * u * u * u - 3 * Ra * x * x - 6 * MA * x) / (6 * EI),
                  (2 * Ra * x + 2 * MA - w0 * u * u) / 2, Ra - w0 * u);
  } else {
    ok = PutRightEnd(f, EI, L, Rb, MB, x);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::c, c) && f.Put(Slot::xC, a) &&
      f.Put(Slot::xD, a + b);
}

// Code 304: P at midspan.
void CaseFixedPointCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  bool ok;
  if (x < L / 2) {
    ok = f.PutAtX(-P * x * x * (3 * L - 4 * x) / (48 * EI), -P * x * (L - 2 * x) / (8 * EI),
                  -P * (L - 4 * x) / 8, P / 2);
  } else {
    ok = f.PutAtX(-P * (L - x) * (L - x) * (4 * x - L) / (48 * EI),
                  -P * (L * L - 3 * L * x + 2 * x * x) / (8 * EI), P * (3 * L - 4 * x) / 8, -P / 2);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P / 2) && f.Put(Slot::Rb, P / 2) && f.Put(Slot::xC, L / 2);
}

// Code 305: P at x = a.
void CaseFixedPoint(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a, L3 = L * L * L;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-P * b * b * x * x * (3 * a * (L - x) - b * x) / (6 * EI * L3),
                  -P * b * b * x * (2 * a * L - 3 * a * x - b * x) / (2 * EI * L3),
                  -P * b * b * (a * L - 3 * a * x - b * x) / L3, P * b * b * (L + 2 * a) / L3);
  } else {
    ok = f.PutAtX(-P * a * a * (L - x) * (L - x) * (3 * b * x - a * L + a * x) / (6 * EI * L3),
                  -P * a * a * (L - x) * (L * L - (3 * b + a) * x) / (2 * EI * L3),
                  P * a * a * (L * L + b * L - L * x - 2 * b * x) / L3,
                  -P * a * a * (L + 2 * b) / L3);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, P * b * b * (L + 2 * a) / L3) && f.Put(Slot::Rb, P * a * a * (L + 2 * b) / L3) &&
      f.Put(Slot::xC, a) && f.Put(Slot::b, b);
}

// Code 306: P at x = a and at x = L - a.
void CaseFixedTwoPointsSym(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), P = f.In(Slot::P), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckNonNegative(a);
  f.CheckWithin(2 * a, L);
  if (!f.Ready()) return;
  const double La = L - a, k = 2 * a * L - 2 * a * a;
  // The stretches are tested one after the other: when 2a passes L by the
  // tolerance they overlap, and the last one that holds stands.
  if (x < a) {
    if (!f.PutAtX(-P * x * x * (3 * a * L - 3 * a * a - L * x) / (6 * EI * L),
                  -P * x * (k - L * x) / (2 * EI * L), P * (a * a + (x - a) * L) / L, P))
      return;
  }
  if (a <= x && x <= La) {
    if (!f.PutAtX(-P * a * a * (3 * L * x - 3 * x * x - a * L) / (6 * EI * L),
                  -P * a * a * (L - 2 * x) / (2 * EI * L), P * a * a / L, 0))
      return;
  }
  if (x > La) {
    const double u = L - x;
    if (!f.PutAtX(-P * u * u * (3 * a * L - 3 * a * a - L * u) / (6 * EI * L),
                  P * u * (k - L * u) / (2 * EI * L), P * (a * a + (u - a) * L) / L, -P))
      return;
  }
  if (!Completo) return;
  f.Put(Slot::Ra, P) && f.Put(Slot::Rb, P) && f.Put(Slot::xC, a) && f.Put(Slot::xD, La);
}

// Code 307: couple M0 at midspan.
void CaseFixedMomentCenter(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  if (!f.Ready()) return;
  bool ok;
  if (x < L / 2) {
    ok = f.PutAtX(M0 * x * x * (2 * x - L) / (8 * EI * L), M0 * x * (3 * x - L) / (4 * EI * L),
                  M0 * (6 * x - L) / (4 * L), 3 * M0 / (2 * L));
  } else {
    ok = f.PutAtX(-M0 * (L * L * L - 4 * L * L * x + 5 * L * x * x - 2 * x * x * x) / (8 * EI * L),
                  -M0 * (10 * L * x - 6 * x * x - 4 * L * L) / (8 * EI * L),
                  -M0 * (5 * L - 6 * x) / (4 * L), 3 * M0 / (2 * L));
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, 3 * M0 / (2 * L)) && f.Put(Slot::Rb, -3 * M0 / (2 * L)) &&
      f.Put(Slot::xC, L / 2) && f.Put(Slot::sM0, 1);
}

// Code 308: couple M0 at x = a.
void CaseFixedMoment(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), M0 = f.In(Slot::M0), a = f.In(Slot::a),
               x = f.In(Slot::x);
  f.CheckBeam(EI, L, x);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a, L3 = L * L * L;
  const double Ra = 6 * M0 * a * b / L3;
  bool ok;
  if (x < a) {
    ok = f.PutAtX(-M0 * b * x * x * (2 * a * L - 2 * a * x - b * L) / (2 * EI * L3),
                  -M0 * b * x * (2 * a * L - 3 * a * x - b * L) / (EI * L3),
                  -M0 * b * (2 * a * L - 6 * a * x - b * L) / L3, Ra);
  } else {
    ok = f.PutAtX(M0 * a * (L - x) * (L - x) * (2 * b * x - a * L) / (2 * EI * L3),
                  M0 * a * (L - x) * (L * L - 3 * b * x) / (EI * L3),
                  M0 * a * (6 * b * x - 4 * b * L - a * L) / L3, Ra);
  }
  if (!ok || !Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, -Ra) && f.Put(Slot::b, b) && f.Put(Slot::xC, a) &&
      f.Put(Slot::sM0, 1);
}

}  // namespace Vigas
