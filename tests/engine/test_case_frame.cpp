// The frame all case procedures share, seen through code 100.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "CaseChecks.h"

using namespace Vigas;
using casecheck::Inputs;

namespace {
void Case100(double EI, double L, double x, double w0) {
  Inputs({{Slot::EI, EI}, {Slot::L, L}, {Slot::x, x}, {Slot::w0, w0}});
}
bool SameBits(const double* a, const double* b) {
  return std::memcmp(a, b, sizeof Datos) == 0;
}
}  // namespace

TEST(CaseFrame, UnknownCodesTouchNothing) {
  Case100(1, 1, 0.5, 1);
  double before[kNumSlots];
  std::memcpy(before, Datos, sizeof Datos);
  for (int code : {0, -100, 99, 121, 199, 211, 299, 309, 399, 409, 499, 504, 32767}) {
    for (int16_t flag : {0, 1}) {
      FlagError = flag;
      CalcularCaso(code, true);
      EXPECT_EQ(FlagError, flag) << code;
      EXPECT_TRUE(SameBits(before, Datos)) << code;
    }
  }
}

TEST(CaseFrame, RangeChecksAndTheToleranceBorder) {
  Case100(0, 10, 5, 1);
  Datos[Slot::Y] = 123;
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 1);
  EXPECT_EQ(Datos[Slot::Y], 123);

  Case100(1, 10, 10.0001, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 0);
  Case100(1, 10, 10.0002, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 1);

  Case100(1, 10, -0.0, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 0);
  Case100(1, 10, -1e-300, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 1);

  Case100(1, -10, 0, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 1);
  Case100(-1, 10, 0, 1);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 1);
}

TEST(CaseFrame, MissingInputsAndUpwardLoads) {
  Case100(1, 10, 5, SinValor);
  Datos[Slot::Y] = 7;
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 1);
  EXPECT_EQ(Datos[Slot::Y], 7);

  // Only the marker itself is missing; a huge ordinary value is not.
  Case100(1, 10, 5, std::nextafter(SinValor, 0.0));
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 0);
  EXPECT_LT(Datos[Slot::Y], -1e300);

  Case100(1, 10, 5, -5);
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 0);
  EXPECT_GT(Datos[Slot::Y], 0);
}

TEST(CaseFrame, CompletoFalseLeavesTheReactions) {
  Case100(1, 10, 5, 2);
  Datos[Slot::Ra] = 99;
  Datos[Slot::Rb] = 98;
  CalcularCaso(100, false);
  EXPECT_EQ(FlagError, 0);
  EXPECT_EQ(Datos[Slot::Ra], 99);
  EXPECT_EQ(Datos[Slot::Rb], 98);
  CalcularCaso(100, true);
  EXPECT_EQ(Datos[Slot::Ra], 10);
  EXPECT_EQ(Datos[Slot::Rb], 10);
}

// A result beyond the double range is an error, and nothing infinite is stored.
TEST(CaseFrame, OverflowSetsTheFlagAndStoresNoInfinity) {
  Case100(1e-300, 10, 5, 1e300);
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 1);
  EXPECT_TRUE(casecheck::AllSlotsFiniteOrMarker());

  // Y underflows to a finite value but EI * something overflowed on the way:
  // still a fault.
  Case100(1e308, 1e10, 5e9, 1);
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 1);
  EXPECT_TRUE(casecheck::AllSlotsFiniteOrMarker());

  // Writes made before the fault stay: M and V are finite while Y overflows here.
  Case100(1e-300, 10, 5, 1e10);
  Datos[Slot::M] = 1;
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 1);
  EXPECT_EQ(Datos[Slot::M], 1);
}

TEST(CaseFrame, CaseCodesOfTheTabsAndTheirChoice) {
  const int counts[6] = {0, 21, 11, 9, 9, 4};
  int all = 0;
  for (int t = 0; t <= kSupportTypes + 1; ++t) {
    EXPECT_EQ(CasesOfType(t), t <= kSupportTypes ? counts[t] : 0) << t;
    for (int k = -1; k <= 21; ++k) {
      const int code = CaseCode(t, k);
      EXPECT_EQ(code != 0, CasoExiste(t * 100 + k)) << t << " " << k;
      if (code != 0) ++all;
    }
  }
  EXPECT_EQ(all, kCaseCount);
  TipoViga = 3;
  CasoCarga[3] = 8;
  EXPECT_EQ(CurrentCaseCode(), 308);
  CasoCarga[3] = 9;  // a row the tab does not have
  EXPECT_EQ(CurrentCaseCode(), 0);
  CasoCarga[3] = -1;
  EXPECT_EQ(CurrentCaseCode(), 0);
  TipoViga = 0;
  EXPECT_EQ(CurrentCaseCode(), 0);
}
