// Units on offer per quantity kind and the user's current choice.
#pragma once

#include <cstdint>
#include <string>

namespace Vigas {

constexpr int kNumKinds = 7;  // 0 slope, 1 length, 2 deflection, 3 force,
                              // 4 distributed load, 5 moment, 6 flexural rigidity
constexpr int kNumUnitOptions = 42;

extern std::string UnidadNombre[kNumKinds][kNumUnitOptions];
extern std::string UnidadNombreHTFC[kNumKinds][kNumUnitOptions];
extern std::string UnidadFactorTxt[kNumKinds][kNumUnitOptions];

extern int16_t IdxUnidad[kNumKinds];
extern double FactorUnidad[kNumKinds];
extern std::string UnidadSel[kNumKinds];
extern std::string UnidadSelHTFC[kNumKinds];

// The stored choice when the user never picked one: m, m, N, N/m, N·m, N·m².
extern const char* const kDefaultUnitChoice;  // "000612182430"

// Builds the tables and loads the choice from the stored "IDOPT" text (the
// caller reads it from the settings, with kDefaultUnitChoice as default).
void IniciarUnidades(const std::string& storedChoice);

// Makes option k the current unit of kind q (used by the units dialog).
void SeleccionarUnidad(int q, int k);

// The stored form of the current choice: six two-digit option numbers.
std::string TextoUnidadesActuales();

// The option the program uses for kind q when nothing valid is stored.
int DefaultUnitOption(int q);

// Whether option k is one of kind q's units.
bool UnitBelongsToKind(int q, int k);

}  // namespace Vigas
