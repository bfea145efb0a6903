// Beam built in at both ends.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Not built yet: every call fails.
void CaseFixedUniform(bool) {
  FlagError = 1;
}
void CaseFixedUniformHalf(bool) {
  FlagError = 1;
}
void CaseFixedUniformStart(bool) {
  FlagError = 1;
}
void CaseFixedUniformPart(bool) {
  FlagError = 1;
}
void CaseFixedPointCenter(bool) {
  FlagError = 1;
}
void CaseFixedPoint(bool) {
  FlagError = 1;
}
void CaseFixedTwoPointsSym(bool) {
  FlagError = 1;
}
void CaseFixedMomentCenter(bool) {
  FlagError = 1;
}
void CaseFixedMoment(bool) {
  FlagError = 1;
}

}  // namespace Vigas
