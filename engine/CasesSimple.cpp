// Simply supported beam: A at x = 0 and B at x = L, both pinned.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Code 100: w0 over the whole span.
void CaseSimpleUniform(bool Completo) {
  CaseFrame f;
  const double EI = f.In(Slot::EI), L = f.In(Slot::L), w0 = f.In(Slot::w0), x = f.In(Slot::x);
  f.CheckPositive(EI);
  f.CheckPositive(L);
  f.CheckWithin(x, L);
  if (!f.Ready()) return;
  const double Ra = w0 * L / 2, Rb = w0 * L / 2;
  if (!f.PutAtX(-w0 * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI),
                -w0 * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI),
                w0 * (L * x - x * x) / 2, w0 * (L - 2 * x) / 2))
    return;
  if (!Completo) return;
  f.Put(Slot::Ra, Ra) && f.Put(Slot::Rb, Rb);
}

// Not built yet: every call fails.
void CaseSimpleUniformHalf(bool) {
  FlagError = 1;
}
void CaseSimpleUniformStart(bool) {
  FlagError = 1;
}
void CaseSimpleUniformPart(bool) {
  FlagError = 1;
}
void CaseSimpleUniformBothEnds(bool) {
  FlagError = 1;
}
void CaseSimpleTriangular(bool) {
  FlagError = 1;
}
void CaseSimpleTriangularCenter(bool) {
  FlagError = 1;
}
void CaseSimpleSine(bool) {
  FlagError = 1;
}
void CaseSimplePointCenter(bool) {
  FlagError = 1;
}
void CaseSimplePoint(bool) {
  FlagError = 1;
}
void CaseSimpleTwoPointsSym(bool) {
  FlagError = 1;
}
void CaseSimpleTwoPoints(bool) {
  FlagError = 1;
}
void CaseSimpleTwoPointsUnequal(bool) {
  FlagError = 1;
}
void CaseSimpleMomentEndB(bool) {
  FlagError = 1;
}
void CaseSimpleMomentEndA(bool) {
  FlagError = 1;
}
void CaseSimpleMomentEndAReverse(bool) {
  FlagError = 1;
}
void CaseSimpleMomentCenter(bool) {
  FlagError = 1;
}
void CaseSimpleMoment(bool) {
  FlagError = 1;
}
void CaseSimpleEndMomentsOpposite(bool) {
  FlagError = 1;
}
void CaseSimpleEndMomentsSame(bool) {
  FlagError = 1;
}
void CaseSimpleEqualEndMoments(bool) {
  FlagError = 1;
}

}  // namespace Vigas
