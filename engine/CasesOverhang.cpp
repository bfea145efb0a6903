// Beam pinned at x = 0 and x = L, overhanging beyond B.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

namespace {

// x may run to the free tip; the overhang itself has no upper bound.
void CheckOverhang(CaseFrame& f, double EI, double L, double x, double overhang) {
  f.CheckPositive(EI);
  f.CheckPositive(L);
  f.CheckNonNegative(overhang);
  f.CheckWithin(x, L + overhang);
}
}  // namespace

// Code 500: w0 over the span and the overhang, [0, L + a].
void CaseOverhangUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0),
               a = f.In(Slot::a);
  CheckOverhang(f, EI, L, x, a);
  if (!f.Ready()) return;
  const double L2 = Sq(L), a2 = Sq(a);
  if (x < L) {
    if (!f.PutAtX(-w0 * x * (Sq(L2) - 2 * L2 * Sq(x) + L * Cube(x) - 2 * a2 * L2 + 2 * a2 * Sq(x)) /
                      (24 * EI * L),
                  -w0 * (Sq(L2) - 6 * L2 * Sq(x) + 4 * L * Cube(x) - 2 * a2 * L2 + 6 * a2 * Sq(x)) /
                      (24 * EI * L),
                  w0 * x * (L2 - L * x - a2) / (2 * L), w0 * (L2 - 2 * L * x - a2) / (2 * L)))
      return;
  } else {
    const double x1 = x - L;
    if (!f.PutAtX(
            -w0 * x1 * (4 * a2 * L - Cube(L) + 6 * a2 * x1 - 4 * a * Sq(x1) + Cube(x1)) / (24 * EI),
            -w0 * (4 * a2 * L - Cube(L) + 12 * a2 * x1 - 12 * a * Sq(x1) + 4 * Cube(x1)) /
                (24 * EI),
            -w0 * Sq(a - x1) / 2, w0 * (a - x1)))
      return;
  }
  if (!Completo) return;
  const double Ra = w0 * (L2 - a2) / (2 * L), Rb = w0 * Sq(L + a) / (2 * L);
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, L + a) && f.Put(Slot::xR, a);
}

// Code 501: w0 over the overhang only, [L, L + a].
void CaseOverhangUniformOverhang(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), w0 = f.In(Slot::w0),
               a = f.In(Slot::a);
  CheckOverhang(f, EI, L, x, a);
  if (!f.Ready()) return;
  const double a2 = Sq(a);
  if (x < L) {
    if (!f.PutAtX(w0 * a2 * x * (Sq(L) - Sq(x)) / (12 * EI * L),
                  w0 * a2 * (Sq(L) - 3 * Sq(x)) / (12 * EI * L), -w0 * a2 * x / (2 * L),
                  -w0 * a2 / (2 * L)))
      return;
  } else {
    const double x1 = x - L;
    if (!f.PutAtX(-w0 * x1 * (4 * a2 * L + 6 * a2 * x1 - 4 * a * Sq(x1) + Cube(x1)) / (24 * EI),
                  -w0 * (a2 * L + 3 * a2 * x1 - 3 * a * Sq(x1) + Cube(x1)) / (6 * EI),
                  -w0 * Sq(a - x1) / 2, w0 * (a - x1)))
      return;
  }
  if (!Completo) return;
  const double Ra = -w0 * a2 / (2 * L), Rb = w0 * a * (2 * L + a) / (2 * L);
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, L + a) && f.Put(Slot::xR, a);
}

// Code 502: P at the free tip, x = L + a. A holds the beam down.
void CaseOverhangPointTip(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), P = f.In(Slot::P),
               a = f.In(Slot::a);
  CheckOverhang(f, EI, L, x, a);
  if (!f.Ready()) return;
  if (x < L) {
    if (!f.PutAtX(P * a * x * (Sq(L) - Sq(x)) / (6 * EI * L),
                  P * a * (Sq(L) - 3 * Sq(x)) / (6 * EI * L), -P * a * x / L, -P * a / L))
      return;
  } else {
    const double x1 = x - L;
    if (!f.PutAtX(-P * x1 * (2 * a * L + 3 * a * x1 - Sq(x1)) / (6 * EI),
                  -P * (2 * a * L + 6 * a * x1 - 3 * Sq(x1)) / (6 * EI), -P * (a - x1), P))
      return;
  }
  if (!Completo) return;
  const double Ra = -P * a / L, Rb = P * (L + a) / L;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, L + a) && f.Put(Slot::xR, a);
}

// Code 503: P at x = a between the supports; the overhang c carries no load.
void CaseOverhangPointSpan(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), x = f.In(Slot::x), P = f.In(Slot::P),
               a = f.In(Slot::a), c = f.In(Slot::c);
  CheckOverhang(f, EI, L, x, c);
  f.CheckWithin(a, L);
  if (!f.Ready()) return;
  const double b = L - a;
  // With a just above L the first and last intervals overlap; the overhang's values stand.
  if (x < a) {
    if (!f.PutAtX(-P * b * x * (Sq(L) - Sq(b) - Sq(x)) / (6 * EI * L),
                  -P * b * (Sq(L) - Sq(b) - 3 * Sq(x)) / (6 * EI * L), P * b * x / L, P * b / L))
      return;
  }
  if (a <= x && x <= L) {
    if (!f.PutAtX(-P * a * (L - x) * (2 * L * x - Sq(x) - Sq(a)) / (6 * EI * L),
                  -P * a * (2 * Sq(L) - 6 * L * x + 3 * Sq(x) + Sq(a)) / (6 * EI * L),
                  P * a * (L - x) / L, -P * a / L))
      return;
  }
  if (x > L) {
    // The unloaded overhang stays straight: no moment, no shear.
    if (!f.PutAtX(P * a * b * (a + L) * (x - L) / (6 * EI * L), P * a * b * (a + L) / (6 * EI * L),
                  0, 0))
      return;
  }
  if (!Completo) return;
  const double Ra = P * b / L, Rb = P * a / L;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb) && f.Put(Slot::xC, a) && f.Put(Slot::xD, L + c) &&
      f.Put(Slot::xR, c);
}

}  // namespace Vigas
