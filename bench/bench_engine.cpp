// Per-call cost of the number formatter and of the case dispatcher.
#include <benchmark/benchmark.h>

#include "engine/Vigas.h"

namespace {

void SetUpCase(int code) {
  using namespace Vigas;
  for (double& d : Datos) d = SinValor;
  Datos[Slot::EI] = 2.1e7;
  Datos[Slot::L] = 6;
  Datos[Slot::x] = 2.5;
  Datos[Slot::a] = 1.5;
  Datos[Slot::b] = 1;
  Datos[Slot::c] = 1;
  for (int s :
       {Slot::w0, Slot::w1, Slot::w2, Slot::P, Slot::P1, Slot::P2, Slot::M0, Slot::M1, Slot::M2})
    Datos[s] = 1000;
  if (code == 503) Datos[Slot::a] = 3;
}

void BM_FormatoNumero(benchmark::State& state) {
  double v = 0.012345678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Vigas::FormatoNumero(v, 4));
    v = -v;
  }
}
BENCHMARK(BM_FormatoNumero);

void BM_FormatoNumeroScientific(benchmark::State& state) {
  double v = 123456789.0;
  for (auto _ : state) benchmark::DoNotOptimize(Vigas::FormatoNumero(v, 6));
}
BENCHMARK(BM_FormatoNumeroScientific);

void BM_CalcularCaso(benchmark::State& state) {
  const int code = static_cast<int>(state.range(0));
  SetUpCase(code);
  for (auto _ : state) {
    Vigas::CalcularCaso(code, false);
    benchmark::DoNotOptimize(Vigas::Datos[Vigas::Slot::Y]);
  }
  state.SetLabel(Vigas::FlagError ? "error" : "ok");
}
BENCHMARK(BM_CalcularCaso)
    ->DenseRange(100, 120)
    ->DenseRange(200, 210)
    ->DenseRange(300, 308)
    ->DenseRange(400, 408)
    ->DenseRange(500, 503);

}  // namespace

BENCHMARK_MAIN();
