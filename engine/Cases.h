// The case dispatcher and the 54 case procedures.
#pragma once

namespace Vigas {

// Runs the case procedure of Codigo (TipoViga * 100 + CasoCarga). An unknown
// code returns without touching Datos or FlagError.
void CalcularCaso(int Codigo, bool Completo);

// Whether Codigo names one of the 54 cases.
bool CasoExiste(int Codigo);

// The support types (tabs 1..5) and how many load cases each has.
constexpr int kSupportTypes = 5;
constexpr int kCaseCount = 54;
// Cases of support type Tipo: 21, 11, 9, 9 and 4; 0 for anything else.
int CasesOfType(int Tipo);
// Code of case Caso (0-based) of support type Tipo; 0 when there is none.
int CaseCode(int Tipo, int Caso);
// Code of the case chosen on the current tab (TipoViga and its CasoCarga);
// 0 when no case is chosen.
int CurrentCaseCode();

// Simply supported, distributed loads
void CaseSimpleUniform(bool Completo);
void CaseSimpleUniformHalf(bool Completo);
void CaseSimpleUniformStart(bool Completo);
void CaseSimpleUniformPart(bool Completo);
void CaseSimpleUniformBothEnds(bool Completo);
void CaseSimpleTriangular(bool Completo);
void CaseSimpleTriangularCenter(bool Completo);
void CaseSimpleSine(bool Completo);
// Simply supported, point loads
void CaseSimplePointCenter(bool Completo);
void CaseSimplePoint(bool Completo);
void CaseSimpleTwoPointsSym(bool Completo);
void CaseSimpleTwoPoints(bool Completo);
void CaseSimpleTwoPointsUnequal(bool Completo);
// Simply supported, applied couples
void CaseSimpleMomentEndB(bool Completo);
void CaseSimpleMomentEndA(bool Completo);
void CaseSimpleMomentEndAReverse(bool Completo);
void CaseSimpleMomentCenter(bool Completo);
void CaseSimpleMoment(bool Completo);
void CaseSimpleEndMomentsOpposite(bool Completo);
void CaseSimpleEndMomentsSame(bool Completo);
void CaseSimpleEqualEndMoments(bool Completo);
// Cantilever
void CaseCantileverUniform(bool Completo);
void CaseCantileverUniformStart(bool Completo);
void CaseCantileverUniformEnd(bool Completo);
void CaseCantileverUniformPart(bool Completo);
void CaseCantileverTriangularToFree(bool Completo);
void CaseCantileverTriangularToFixed(bool Completo);
void CaseCantileverCosine(bool Completo);
void CaseCantileverPointEnd(bool Completo);
void CaseCantileverPoint(bool Completo);
void CaseCantileverMomentEnd(bool Completo);
void CaseCantileverMoment(bool Completo);
// Fixed at both ends
void CaseFixedUniform(bool Completo);
void CaseFixedUniformHalf(bool Completo);
void CaseFixedUniformStart(bool Completo);
void CaseFixedUniformPart(bool Completo);
void CaseFixedPointCenter(bool Completo);
void CaseFixedPoint(bool Completo);
void CaseFixedTwoPointsSym(bool Completo);
void CaseFixedMomentCenter(bool Completo);
void CaseFixedMoment(bool Completo);
// Fixed at A, pinned at B
void CaseProppedUniform(bool Completo);
void CaseProppedUniformStart(bool Completo);
void CaseProppedUniformEnd(bool Completo);
void CaseProppedUniformPart(bool Completo);
void CaseProppedPointCenter(bool Completo);
void CaseProppedPoint(bool Completo);
void CaseProppedTwoPointsSym(bool Completo);
void CaseProppedMoment(bool Completo);
void CaseProppedMomentEndB(bool Completo);
// Pinned with an overhang beyond B
void CaseOverhangUniform(bool Completo);
void CaseOverhangUniformOverhang(bool Completo);
void CaseOverhangPointTip(bool Completo);
void CaseOverhangPointSpan(bool Completo);

}  // namespace Vigas
