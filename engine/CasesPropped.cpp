// Beam built in at A (x = 0) and pinned at B (x = L).
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Not built yet: every call fails.
void CaseProppedUniform(bool) {
  FlagError = 1;
}
void CaseProppedUniformStart(bool) {
  FlagError = 1;
}
void CaseProppedUniformEnd(bool) {
  FlagError = 1;
}
void CaseProppedUniformPart(bool) {
  FlagError = 1;
}
void CaseProppedPointCenter(bool) {
  FlagError = 1;
}
void CaseProppedPoint(bool) {
  FlagError = 1;
}
void CaseProppedTwoPointsSym(bool) {
  FlagError = 1;
}
void CaseProppedMoment(bool) {
  FlagError = 1;
}
void CaseProppedMomentEndB(bool) {
  FlagError = 1;
}

}  // namespace Vigas
