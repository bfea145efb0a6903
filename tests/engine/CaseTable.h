// The 54 cases as their inputs describe them: what each reads, the bounds
// on its lengths within the span, and the input that extends the beam past B.
// Shared by the tests that run every case.
#pragma once

#include <cstring>
#include <random>
#include <vector>

#include "engine/CaseFrame.h"
#include "engine/Vigas.h"

namespace allcases {

using namespace Vigas;

enum class Limit { Single, Sum, Double };
struct Bound {
  Limit kind;
  int first, second;
};
struct CaseInputs {
  int code;
  std::vector<int> inputs;    // read besides EI, L and x
  std::vector<Bound> bounds;  // upper bounds on the lengths within the span
  int overhang = -1;          // slot whose length extends the beam past B
};

inline const std::vector<CaseInputs>& Table() {
  using namespace Vigas::Slot;
  const Bound sa{Limit::Single, a, -1}, sb{Limit::Single, b, -1};
  const Bound sumAB{Limit::Sum, a, b}, sumAC{Limit::Sum, a, c}, twoA{Limit::Double, a, -1};
  static const std::vector<CaseInputs> table = {
      {100, {w0}, {}},
      {101, {w0}, {}},
      {102, {w0, a}, {sa}},
      {103, {w0, a, b}, {sumAB}},
      {104, {w1, w2, a, c}, {sumAC}},
      {105, {w0}, {}},
      {106, {w0}, {}},
      {107, {w0}, {}},
      {108, {P}, {}},
      {109, {a, P}, {sa}},
      {110, {a, P}, {twoA}},
      {111, {a, b, P}, {sumAB}},
      {112, {a, b, P1, P2}, {sumAB}},
      {113, {M0}, {}},
      {114, {M0}, {}},
      {115, {M0}, {}},
      {116, {M0}, {}},
      {117, {a, M0}, {sa}},
      {118, {M1, M2}, {}},
      {119, {M1, M2}, {}},
      {120, {M0}, {}},
      {200, {w0}, {}},
      {201, {w0, a}, {sa}},
      {202, {w0, b}, {sb}},
      {203, {w0, a, b}, {sumAB}},
      {204, {w0}, {}},
      {205, {w0}, {}},
      {206, {w0}, {}},
      {207, {P}, {}},
      {208, {a, P}, {sa}},
      {209, {M0}, {}},
      {210, {M0, a}, {sa}},
      {300, {w0}, {}},
      {301, {w0}, {}},
      {302, {a, w0}, {sa}},
      {303, {a, b, w0}, {sa, sb, sumAB}},
      {304, {P}, {}},
      {305, {a, P}, {sa}},
      {306, {a, P}, {twoA}},
      {307, {M0}, {}},
      {308, {a, M0}, {sa}},
      {400, {w0}, {}},
      {401, {a, w0}, {sa}},
      {402, {b, w0}, {sb}},
      {403, {a, b, w0}, {sa, sb, sumAB}},
      {404, {P}, {}},
      {405, {a, P}, {sa}},
      {406, {a, P}, {twoA}},
      {407, {a, M0}, {sa}},
      {408, {M0}, {}},
      {500, {w0, a}, {}, a},
      {501, {w0, a}, {}, a},
      {502, {P, a}, {}, a},
      {503, {P, a, c}, {sa}, c},
  };
  return table;
}

inline bool IsLength(int slot) {
  return slot == Slot::a || slot == Slot::b || slot == Slot::c;
}

inline bool SameBits(double p, double q) {
  return std::memcmp(&p, &q, sizeof p) == 0;
}
inline bool IsMarker(double v) {
  return SameBits(v, SinValor);
}

// End of the beam: L, or the tip of the overhang.
inline double End(const CaseInputs& k) {
  return Datos[Slot::L] + (k.overhang >= 0 ? Datos[k.overhang] : 0.0);
}

// Whether the inputs now in Datos are ones the case must accept.
inline bool Valid(const CaseInputs& k) {
  std::vector<int> read = {Slot::EI, Slot::L, Slot::x};
  read.insert(read.end(), k.inputs.begin(), k.inputs.end());
  for (int s : read)
    if (IsMarker(Datos[s])) return false;
  const double L = Datos[Slot::L], x = Datos[Slot::x];
  if (!(Datos[Slot::EI] > 0) || !(L > 0)) return false;
  if (!(x >= 0 && x <= ToleranceBound(End(k)))) return false;
  for (int s : k.inputs)
    if (IsLength(s) && !(Datos[s] >= 0)) return false;
  for (const Bound& b : k.bounds) {
    const double v = b.kind == Limit::Single ? Datos[b.first]
                     : b.kind == Limit::Sum  ? Datos[b.first] + Datos[b.second]
                                             : 2 * Datos[b.first];
    if (!(v <= ToleranceBound(L))) return false;
  }
  return true;
}

// Random valid inputs for the case in Datos, with x = 0: EI and L of any
// size a beam may have, loads of either sign, lengths often at the ends of
// their range so that loads stand on the supports too. Every other slot
// holds the marker. False when no valid set turned up.
inline bool RandomInputs(const CaseInputs& k, std::mt19937& rng) {
  auto in = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (double& d : Datos) d = SinValor;
    const double L = in(0.5, 20);
    Datos[Slot::EI] = in(1e2, 1e7);
    Datos[Slot::L] = L;
    Datos[Slot::x] = 0;
    for (int s : k.inputs) {
      if (!IsLength(s)) {
        Datos[s] = in(1, 1e4) * (std::bernoulli_distribution(0.5)(rng) ? 1 : -1);
        continue;
      }
      double room = s == k.overhang ? 2 * L : L;
      for (const Bound& b : k.bounds) {
        if (b.kind == Limit::Double && b.first == s) room = L / 2;
        if (b.kind == Limit::Sum && b.second == s) room = L - Datos[b.first];
      }
      const int pick = std::uniform_int_distribution<int>(0, 3)(rng);
      Datos[s] = pick == 0 ? 0.0 : pick == 1 ? room : in(0, room);
    }
    if (Valid(k)) return true;
  }
  return false;
}

}  // namespace allcases
