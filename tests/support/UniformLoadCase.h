// The beam many tests and benchmarks start from: simply supported under a
// uniform load (code 100), EI 2e7 N·m², L 4 m, w0 1500 N/m downwards, in the
// default units. Only the inputs are set; the caller calculates.
#pragma once

#include <algorithm>
#include <iterator>

#include "engine/Vigas.h"

namespace uniform_load {

inline constexpr double kEI = 2e7, kL = 4, kW = 1500;

// Every slot empty, tab 1 on its first case, the inputs of code 100 at x.
inline void LoadInputs(double x = 1) {
  using namespace Vigas;
  std::fill(std::begin(Datos), std::end(Datos), SinValor);
  TipoViga = 1;
  CasoCarga[1] = 0;
  Datos[Slot::EI] = kEI;
  Datos[Slot::L] = kL;
  Datos[Slot::w0] = kW;
  Datos[Slot::x] = x;
}

}  // namespace uniform_load
