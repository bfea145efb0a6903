#include "engine/Cases.h"
#include "engine/DataVector.h"
#include "engine/SupportZeros.h"

namespace Vigas {

namespace {
struct CaseEntry {
  int code;
  void (*procedure)(bool);
  // Point loads and couples that may stand on an end of the beam.
  EndLoads endLoads = {};
  // The input that extends the beam past B, -1 for none.
  int overhangSlot = -1;
};

constexpr LoadSpot kA = LoadSpot::A, kB = LoadSpot::B, kXA = LoadSpot::XA,
                   kLMinusA = LoadSpot::LMinusA, kLMinusB = LoadSpot::LMinusB,
                   kLPlusA = LoadSpot::LPlusA;

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
    {109, CaseSimplePoint, {PointLoad(kXA)}},
    {110, CaseSimpleTwoPointsSym, {PointLoad(kXA), PointLoad(kLMinusA)}},
    {111, CaseSimpleTwoPoints, {PointLoad(kXA), PointLoad(kLMinusB)}},
    {112, CaseSimpleTwoPointsUnequal, {PointLoad(kXA), PointLoad(kLMinusB)}},
    {113, CaseSimpleMomentEndB, {Couple(kB)}},
    {114, CaseSimpleMomentEndA, {Couple(kA)}},
    {115, CaseSimpleMomentEndAReverse, {Couple(kA)}},
    {116, CaseSimpleMomentCenter},
    {117, CaseSimpleMoment, {Couple(kXA)}},
    {118, CaseSimpleEndMomentsOpposite, {Couple(kA), Couple(kB)}},
    {119, CaseSimpleEndMomentsSame, {Couple(kA), Couple(kB)}},
    {120, CaseSimpleEqualEndMoments, {Couple(kA), Couple(kB)}},
    {200, CaseCantileverUniform},
    {201, CaseCantileverUniformStart},
    {202, CaseCantileverUniformEnd},
    {203, CaseCantileverUniformPart},
    {204, CaseCantileverTriangularToFree},
    {205, CaseCantileverTriangularToFixed},
    {206, CaseCantileverCosine},
    {207, CaseCantileverPointEnd, {PointLoad(kB)}},
    {208, CaseCantileverPoint, {PointLoad(kXA)}},
    {209, CaseCantileverMomentEnd, {Couple(kB)}},
    {210, CaseCantileverMoment, {Couple(kXA)}},
    {300, CaseFixedUniform},
    {301, CaseFixedUniformHalf},
    {302, CaseFixedUniformStart},
    {303, CaseFixedUniformPart},
    {304, CaseFixedPointCenter},
    {305, CaseFixedPoint, {PointLoad(kXA)}},
    {306, CaseFixedTwoPointsSym, {PointLoad(kXA), PointLoad(kLMinusA)}},
    {307, CaseFixedMomentCenter},
    {308, CaseFixedMoment, {Couple(kXA)}},
    {400, CaseProppedUniform},
    {401, CaseProppedUniformStart},
    {402, CaseProppedUniformEnd},
    {403, CaseProppedUniformPart},
    {404, CaseProppedPointCenter},
    {405, CaseProppedPoint, {PointLoad(kXA)}},
    {406, CaseProppedTwoPointsSym, {PointLoad(kXA), PointLoad(kLMinusA)}},
    {407, CaseProppedMoment, {Couple(kXA)}},
    {408, CaseProppedMomentEndB, {Couple(kB)}},
    {500, CaseOverhangUniform, {}, Slot::a},
    {501, CaseOverhangUniformOverhang, {}, Slot::a},
    {502, CaseOverhangPointTip, {PointLoad(kLPlusA)}, Slot::a},
    {503, CaseOverhangPointSpan, {PointLoad(kXA)}, Slot::c},
};

static_assert(sizeof kCases / sizeof kCases[0] == kCaseCount, "one entry per case");

const CaseEntry* Find(int code) {
  for (const CaseEntry& e : kCases)
    if (e.code == code) return &e;
  return nullptr;
}
}  // namespace

bool CasoExiste(int Codigo) {
  return Find(Codigo) != nullptr;
}

int CasesOfType(int Tipo) {
  int n = 0;
  for (const CaseEntry& e : kCases)
    if (e.code / 100 == Tipo) ++n;
  return n;
}

int CaseCode(int Tipo, int Caso) {
  if (Caso < 0 || Caso >= CasesOfType(Tipo)) return 0;
  return Tipo * 100 + Caso;
}

int CurrentCaseCode() {
  if (TipoViga < 1 || TipoViga > kSupportTypes) return 0;
  return CaseCode(TipoViga, CasoCarga[TipoViga]);
}

void CalcularCaso(int Codigo, bool Completo) {
  const CaseEntry* e = Find(Codigo);
  if (!e) return;
  e->procedure(Completo);
  if (FlagError == 0) ZeroWhatSupportsFix(Codigo, e->endLoads, e->overhangSlot);
}

}  // namespace Vigas
