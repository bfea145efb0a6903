// Beam pinned at x = 0 and x = L, overhanging beyond B.
#include "engine/CaseFrame.h"
#include "engine/Cases.h"
#include "engine/DataVector.h"

namespace Vigas {

// Not built yet: every call fails.
void CaseOverhangUniform(bool) {
  FlagError = 1;
}
void CaseOverhangUniformOverhang(bool) {
  FlagError = 1;
}
void CaseOverhangPointTip(bool) {
  FlagError = 1;
}
void CaseOverhangPointSpan(bool) {
  FlagError = 1;
}

}  // namespace Vigas
