#include "engine/Units.h"

#include "engine/NumberText.h"

namespace Vigas {

std::string UnidadNombre[kNumKinds][kNumUnitOptions];
std::string UnidadNombreHTFC[kNumKinds][kNumUnitOptions];
std::string UnidadFactorTxt[kNumKinds][kNumUnitOptions];

int16_t IdxUnidad[kNumKinds] = {};
double FactorUnidad[kNumKinds] = {};
std::string UnidadSel[kNumKinds];
std::string UnidadSelHTFC[kNumKinds];

const char* const kDefaultUnitChoice = "000612182430";

namespace {
struct UnitOption {
  int kind;
  const char* name;
  const char* markup;  // nullptr: same as the name
  double factor;       // display units per base unit
};

// Quotients are computed in double and kept as their 15-digit text, like every factor.
const UnitOption kOptions[kNumUnitOptions] = {
    {1, "m", nullptr, 1},
    {1, "cm", nullptr, 100},
    {1, "mm", nullptr, 1000},
    {1, "\u00B5m", nullptr, 1000000},
    {1, "ft", nullptr, 1 / 0.3048},
    {1, "in", nullptr, 1 / 0.0254},
    {2, "m", nullptr, 1},
    {2, "cm", nullptr, 100},
    {2, "mm", nullptr, 1000},
    {2, "\u00B5m", nullptr, 1000000},
    {2, "ft", nullptr, 1 / 0.3048},
    {2, "in", nullptr, 1 / 0.0254},
    {3, "N", nullptr, 1},
    {3, "kN", nullptr, 0.001},
    {3, "MN", nullptr, 0.000001},
    {3, "GN", nullptr, 0.000000001},
    {3, "kp", nullptr, 1 / 9.80665},
    {3, "lbf", nullptr, 1 / 4.4482216152605},
    {4, "N/m", nullptr, 1},
    {4, "kN/m", nullptr, 0.001},
    {4, "MN/m", nullptr, 0.000001},
    {4, "kp/m", nullptr, 1 / 9.80665},
    {4, "lbf/ft", nullptr, 1 / 14.5939029372064},
    {4, "lbf/in", nullptr, 1 / 175.126835246476},
    {5, "N\u00B7m", nullptr, 1},
    {5, "kN\u00B7m", nullptr, 0.001},
    {5, "MN\u00B7m", nullptr, 0.000001},
    {5, "kp\u00B7m", nullptr, 1 / 9.80665},
    {5, "lbf\u00B7ft", nullptr, 1 / 1.3558179483314},
    {5, "lbf\u00B7in", nullptr, 1 / 0.112984829027617},
    {6, "N\u00B7m\u00B2", "N\u00B7m^2", 1},
    {6, "kN\u00B7m\u00B2", "kN\u00B7m^2", 0.001},
    {6, "MN\u00B7m\u00B2", "MN\u00B7m^2", 0.000001},
    {6, "GN\u00B7m\u00B2", "GN\u00B7m^2", 0.000000001},
    {6, "lbf\u00B7in\u00B2", "lbf\u00B7in^2", 1 / 0.00286981465730146},
    {6, "ksi\u00B7in^4", nullptr, 1 / 2.86981465730146},
    {6, "Pa\u00B7m^4", nullptr, 1},
    {6, "kPa\u00B7m^4", nullptr, 0.001},
    {6, "MPa\u00B7m^4", nullptr, 0.000001},
    {6, "GPa\u00B7m^4", nullptr, 0.000000001},
    {6, "psi\u00B7in^4", nullptr, 1 / 0.00286981465730146},
    {6, "kp\u00B7m\u00B2", "kp\u00B7m^2", 1 / 9.80665},
};

const int kDefaultOptions[kNumKinds] = {0, 0, 6, 12, 18, 24, 30};

double FactorOf(int q, int k) {
  double v = 0;
  LeadingValue(UnidadFactorTxt[q][k], v);
  return v;
}
}  // namespace

int DefaultUnitOption(int q) {
  return (q >= 0 && q < kNumKinds) ? kDefaultOptions[q] : 0;
}

bool UnitBelongsToKind(int q, int k) {
  return q >= 1 && q < kNumKinds && k >= 0 && k < kNumUnitOptions && kOptions[k].kind == q;
}

void SeleccionarUnidad(int q, int k) {
  if (q < 0 || q >= kNumKinds || k < 0 || k >= kNumUnitOptions) return;
  IdxUnidad[q] = static_cast<int16_t>(k);
  FactorUnidad[q] = FactorOf(q, k);
  UnidadSel[q] = UnidadNombre[q][k];
  UnidadSelHTFC[q] = UnidadNombreHTFC[q][k];
}

void IniciarUnidades(const std::string& storedChoice) {
  for (int q = 0; q < kNumKinds; ++q)
    for (int k = 0; k < kNumUnitOptions; ++k) {
      UnidadNombre[q][k].clear();
      UnidadNombreHTFC[q][k].clear();
      UnidadFactorTxt[q][k] = "1";
    }
  for (int k = 0; k < kNumUnitOptions; ++k) {
    const UnitOption& o = kOptions[k];
    UnidadNombre[o.kind][k] = o.name;
    UnidadNombreHTFC[o.kind][k] = o.markup ? o.markup : o.name;
    UnidadFactorTxt[o.kind][k] = ShortestText(o.factor);
  }

  // Slopes are shown in radians, without a unit name.
  SeleccionarUnidad(0, 0);

  // A pair that names no unit of its kind (missing, unreadable, out of range,
  // another kind's option) falls back to the kind's default, so every kind
  // always has a name-bearing unit and a usable factor.
  for (int q = 1; q < kNumKinds; ++q) {
    const size_t pos = static_cast<size_t>(2 * q - 2);
    std::string pair = pos < storedChoice.size() ? storedChoice.substr(pos, 2) : std::string();
    double v = 0;
    int k = -1;
    if (pair.size() == 2 && LeadingValue(pair, v) && v >= 0 && v < kNumUnitOptions)
      k = static_cast<int>(v);
    if (!UnitBelongsToKind(q, k)) k = kDefaultOptions[q];
    SeleccionarUnidad(q, k);
  }
}

std::string TextoUnidadesActuales() {
  std::string s;
  for (int q = 1; q < kNumKinds; ++q) {
    const int k = IdxUnidad[q];
    s += static_cast<char>('0' + (k / 10) % 10);
    s += static_cast<char>('0' + k % 10);
  }
  return s;
}

}  // namespace Vigas
