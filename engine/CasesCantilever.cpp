// Cantilever: built in at x = 0, free at x = L.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Not built yet: every call fails.
void CaseCantileverUniform(bool) {
  FlagError = 1;
}
void CaseCantileverUniformStart(bool) {
  FlagError = 1;
}
void CaseCantileverUniformEnd(bool) {
  FlagError = 1;
}
void CaseCantileverUniformPart(bool) {
  FlagError = 1;
}
void CaseCantileverTriangularToFree(bool) {
  FlagError = 1;
}
void CaseCantileverTriangularToFixed(bool) {
  FlagError = 1;
}
void CaseCantileverCosine(bool) {
  FlagError = 1;
}
void CaseCantileverPointEnd(bool) {
  FlagError = 1;
}
void CaseCantileverPoint(bool) {
  FlagError = 1;
}
void CaseCantileverMomentEnd(bool) {
  FlagError = 1;
}
void CaseCantileverMoment(bool) {
  FlagError = 1;
}

}  // namespace Vigas
