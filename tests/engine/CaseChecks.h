// Shared checks for the beam cases: evaluate a case at a position and test it
// against the physics (boundary conditions, equilibrium, the derivative chain,
// continuity) rather than against its own formulas.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "engine/Vigas.h"

namespace casecheck {

struct AtX {
  double Y, Theta, M, V;
  bool ok;
};

// Fills Datos with the marker, then sets the given slots.
inline void Inputs(std::initializer_list<std::pair<int, double>> slots) {
  for (double& d : Vigas::Datos) d = Vigas::SinValor;
  for (const auto& [slot, value] : slots) Vigas::Datos[slot] = value;
}

inline AtX Eval(int code, double x, bool completo = false) {
  Vigas::Datos[Vigas::Slot::x] = x;
  Vigas::CalcularCaso(code, completo);
  return {Vigas::Datos[Vigas::Slot::Y], Vigas::Datos[Vigas::Slot::Theta],
          Vigas::Datos[Vigas::Slot::M], Vigas::Datos[Vigas::Slot::V], Vigas::FlagError == 0};
}

// Relative-or-absolute closeness with a scale taken from the problem.
inline bool Close(double a, double b, double scale, double rel = 1e-6) {
  return std::fabs(a - b) <= rel * (std::fabs(scale) + 1e-300);
}

// Theta = dY/dx, M = EI dTheta/dx, V = dM/dx by central differences at n
// points strictly inside (from, to). Scales are the largest magnitudes seen,
// so the tolerance is relative to the size of each quantity along the stretch.
inline void ExpectDerivativeChain(int code, double EI, double from, double to, int n = 7,
                                  double rel = 1e-5) {
  const double span = to - from;
  if (span <= 0) return;
  const double h = span * 1e-4;
  double sY = 0, sT = 0, sM = 0, sV = 0;
  for (int i = 0; i <= 20; ++i) {
    const AtX r = Eval(code, from + span * i / 20.0);
    sY = std::max(sY, std::fabs(r.Y));
    sT = std::max(sT, std::fabs(r.Theta));
    sM = std::max(sM, std::fabs(r.M));
    sV = std::max(sV, std::fabs(r.V));
  }
  for (int i = 1; i <= n; ++i) {
    const double x = from + span * i / (n + 1.0);
    const AtX lo = Eval(code, x - h), hi = Eval(code, x + h), mid = Eval(code, x);
    ASSERT_TRUE(lo.ok && hi.ok && mid.ok) << "code " << code << " x " << x;
    const double dY = (hi.Y - lo.Y) / (2 * h);
    const double dT = (hi.Theta - lo.Theta) / (2 * h);
    const double dM = (hi.M - lo.M) / (2 * h);
    EXPECT_TRUE(Close(dY, mid.Theta, sT + sY / span, rel))
        << "code " << code << " x " << x << ": dY/dx " << dY << " vs Theta " << mid.Theta;
    EXPECT_TRUE(Close(EI * dT, mid.M, sM + EI * sT / span, rel))
        << "code " << code << " x " << x << ": EI dTheta/dx " << EI * dT << " vs M " << mid.M;
    EXPECT_TRUE(Close(dM, mid.V, sV + sM / span, rel))
        << "code " << code << " x " << x << ": dM/dx " << dM << " vs V " << mid.V;
  }
}

// Values just left and right of a border (a relative nudge of the beam length).
inline std::pair<AtX, AtX> AcrossBorder(int code, double border, double length) {
  const double eps = length * 1e-9;
  return {Eval(code, border - eps), Eval(code, border + eps)};
}

// Every slot holds a finite value or the no-value marker.
inline bool AllSlotsFiniteOrMarker() {
  for (double d : Vigas::Datos)
    if (!(std::isfinite(d))) return false;
  return true;
}

// A random magnitude in [lo, hi] with a random sign.
inline double SignedIn(std::mt19937& rng, double lo, double hi) {
  std::uniform_real_distribution<double> mag(lo, hi);
  std::bernoulli_distribution neg(0.5);
  const double v = mag(rng);
  return neg(rng) ? -v : v;
}

inline double In(std::mt19937& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}

}  // namespace casecheck
