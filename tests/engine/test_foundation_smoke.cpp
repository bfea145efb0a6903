#include <gtest/gtest.h>

#include "engine/Vigas.h"

TEST(EngineSmoke, Case100Midspan) {
  using namespace Vigas;
  for (double& d : Datos) d = SinValor;
  Datos[Slot::EI] = 1;
  Datos[Slot::L] = 1;
  Datos[Slot::x] = 0.5;
  Datos[Slot::w0] = 1;
  CalcularCaso(100, true);
  EXPECT_EQ(FlagError, 0);
  EXPECT_NEAR(Datos[Slot::Y], -5.0 / 384, 1e-15);
}
