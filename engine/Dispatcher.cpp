#include <iterator>

#include "engine/Cases.h"

namespace Vigas {

namespace {
struct CaseEntry {
  int code;
  void (*procedure)(bool);
};

const CaseEntry kCases[] = {
    {100, CaseSimpleUniform},
    {101, CaseSimpleUniformHalf},
    {102, CaseSimpleUniformStart},
    {103, CaseSimpleUniformPart},
    {104, CaseSimpleUniformBothEnds},
    {105, CaseSimpleTriangular},
    {106, CaseSimpleTriangularCenter},
    {107, CaseSimpleSine},
    {108, CaseSimplePointCenter},
    {109, CaseSimplePoint},
    {110, CaseSimpleTwoPointsSym},
    {111, CaseSimpleTwoPoints},
    {112, CaseSimpleTwoPointsUnequal},
    {113, CaseSimpleMomentEndB},
    {114, CaseSimpleMomentEndA},
    {115, CaseSimpleMomentEndAReverse},
    {116, CaseSimpleMomentCenter},
    {117, CaseSimpleMoment},
    {118, CaseSimpleEndMomentsOpposite},
    {119, CaseSimpleEndMomentsSame},
    {120, CaseSimpleEqualEndMoments},
    {200, CaseCantileverUniform},
    {201, CaseCantileverUniformStart},
    {202, CaseCantileverUniformEnd},
    {203, CaseCantileverUniformPart},
    {204, CaseCantileverTriangularToFree},
    {205, CaseCantileverTriangularToFixed},
    {206, CaseCantileverCosine},
    {207, CaseCantileverPointEnd},
    {208, CaseCantileverPoint},
    {209, CaseCantileverMomentEnd},
    {210, CaseCantileverMoment},
    {300, CaseFixedUniform},
    {301, CaseFixedUniformHalf},
    {302, CaseFixedUniformStart},
    {303, CaseFixedUniformPart},
    {304, CaseFixedPointCenter},
    {305, CaseFixedPoint},
    {306, CaseFixedTwoPointsSym},
    {307, CaseFixedMomentCenter},
    {308, CaseFixedMoment},
    {400, CaseProppedUniform},
    {401, CaseProppedUniformStart},
    {402, CaseProppedUniformEnd},
    {403, CaseProppedUniformPart},
    {404, CaseProppedPointCenter},
    {405, CaseProppedPoint},
    {406, CaseProppedTwoPointsSym},
    {407, CaseProppedMoment},
    {408, CaseProppedMomentEndB},
    {500, CaseOverhangUniform},
    {501, CaseOverhangUniformOverhang},
    {502, CaseOverhangPointTip},
    {503, CaseOverhangPointSpan},
};

const CaseEntry* Find(int code) {
  for (const CaseEntry& e : kCases)
    if (e.code == code) return &e;
  return nullptr;
}
}  // namespace

bool CasoExiste(int Codigo) {
  return Find(Codigo) != nullptr;
}

void CalcularCaso(int Codigo, bool Completo) {
  if (const CaseEntry* e = Find(Codigo)) e->procedure(Completo);
}

}  // namespace Vigas
