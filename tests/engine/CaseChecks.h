// Shared checks for the beam cases: evaluate a case at a position and test it
// against the physics (boundary conditions, equilibrium, the derivative chain,
// continuity) rather than against its own formulas.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/Vigas.h"

namespace casecheck {

struct AtX {
  double Y, Theta, M, V;
  bool ok;
};

// Sums and multiples of results, for superposition.
inline AtX operator+(const AtX& p, const AtX& q) {
  return {p.Y + q.Y, p.Theta + q.Theta, p.M + q.M, p.V + q.V, p.ok && q.ok};
}
inline AtX operator*(double k, const AtX& r) {
  return {k * r.Y, k * r.Theta, k * r.M, k * r.V, r.ok};
}
// The results seen from the other end of the beam: Theta and V change sign;
// sign -1 turns every result over as well.
inline AtX Mirrored(const AtX& r, double sign = 1) {
  return {sign * r.Y, -sign * r.Theta, sign * r.M, -sign * r.V, r.ok};
}

using InputList = std::vector<std::pair<int, double>>;

// Fills Datos with the marker, then sets the given slots.
inline void Inputs(const InputList& slots) {
  for (double& d : Vigas::Datos) d = Vigas::SinValor;
  for (const auto& [slot, value] : slots) Vigas::Datos[slot] = value;
}

// The inputs with one slot set to a value (added when it is not among them).
inline InputList With(InputList in, int slot, double value) {
  for (auto& [s, v] : in)
    if (s == slot) {
      v = value;
      return in;
    }
  in.push_back({slot, value});
  return in;
}

// "code C x X" with every digit of X, for messages.
inline std::string Where(int code, double x) {
  std::ostringstream os;
  os.precision(17);
  os << "code " << code << " x " << x;
  return os.str();
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

// Runs a case (inputs and x already in Datos) and expects it refused:
// FlagError = 1 and every slot as it was, bit for bit.
inline void ExpectRefused(int code, const std::string& what) {
  std::vector<double> before(std::begin(Vigas::Datos), std::end(Vigas::Datos));
  Vigas::FlagError = 0;
  Vigas::CalcularCaso(code, true);
  EXPECT_EQ(Vigas::FlagError, 1) << code << " " << what;
  for (int s = 0; s < Vigas::kNumSlots; ++s)
    ASSERT_EQ(std::memcmp(&Vigas::Datos[s], &before[s], sizeof(double)), 0)
        << code << " " << what << ": slot " << s << " changed";
}

// The same, expecting it accepted: FlagError = 0 and no slot infinite or NaN.
inline void ExpectAccepted(int code, const std::string& what) {
  Vigas::FlagError = 1;
  Vigas::CalcularCaso(code, true);
  EXPECT_EQ(Vigas::FlagError, 0) << code << " " << what;
  EXPECT_TRUE(AllSlotsFiniteOrMarker()) << code << " " << what;
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

// ---- Loads described physically, for equilibrium, continuity and jump checks.

#include <algorithm>
#include <functional>

namespace casecheck {

// Forces and the distributed load positive downward; couples as they act on
// the beam, mark × value, counterclockwise.
struct LoadModel {
  std::vector<std::pair<double, double>> points;   // (position, force)
  std::vector<std::pair<double, double>> couples;  // (position, couple)
  std::function<double(double)> w;                 // distributed load on [wFrom, wTo]
  double wFrom = 0, wTo = 0;
  std::vector<double> breaks;  // where w jumps or kinks inside (wFrom, wTo), ascending

  double LoadAt(double x) const { return w && x >= wFrom && x <= wTo ? w(x) : 0.0; }

  // Simpson's rule over each smooth piece of the loaded stretch of f(x)·w(x).
  double Integral(const std::function<double(double)>& f) const {
    if (!w || wTo <= wFrom) return 0;
    std::vector<double> ends{wFrom};
    ends.insert(ends.end(), breaks.begin(), breaks.end());
    ends.push_back(wTo);
    const int n = 2000;
    double total = 0;
    for (size_t k = 0; k + 1 < ends.size(); ++k) {
      const double h = (ends[k + 1] - ends[k]) / n;
      double s = 0;
      for (int i = 0; i <= n; ++i) {
        const double x = ends[k] + i * h;
        s += (i == 0 || i == n ? 1 : (i % 2 ? 4 : 2)) * f(x) * w(x);
      }
      total += s * h / 3;
    }
    return total;
  }
  // Total downward load.
  double Force() const {
    double F = Integral([](double) { return 1.0; });
    for (const auto& p : points) F += p.second;
    return F;
  }
  // Moment of the loads about A, clockwise positive (sum of force × position).
  double MomentAboutA() const {
    double m = Integral([](double x) { return x; });
    for (const auto& p : points) m += p.second * p.first;
    return m;
  }
  double CoupleSum() const {
    double c = 0;
    for (const auto& p : couples) c += p.second;
    return c;
  }
  // Sum of |loads|: a scale for the tolerances.
  double Magnitude() const {
    double m = std::fabs(Integral([](double) { return 1.0; }));
    for (const auto& p : points) m += std::fabs(p.second);
    for (const auto& p : couples) m += std::fabs(p.second);
    return m;
  }
  // Where a load acts, starts or ends, strictly inside (0, L), sorted.
  std::vector<double> Borders(double L) const {
    std::vector<double> b;
    auto add = [&](double x) {
      if (x > L * 1e-9 && x < L * (1 - 1e-9)) b.push_back(x);
    };
    for (const auto& p : points) add(p.first);
    for (const auto& p : couples) add(p.first);
    if (w) add(wFrom), add(wTo);
    for (double x : breaks) add(x);
    std::sort(b.begin(), b.end());
    return b;
  }
};

// Largest magnitudes of Y, Theta, M, V over n + 1 evenly spaced points of [0, L].
inline AtX Scales(int code, double L, int n = 40) {
  AtX s{0, 0, 0, 0, true};
  for (int i = 0; i <= n; ++i) {
    const AtX r = Eval(code, L * i / n);
    s.Y = std::max(s.Y, std::fabs(r.Y));
    s.Theta = std::max(s.Theta, std::fabs(r.Theta));
    s.M = std::max(s.M, std::fabs(r.M));
    s.V = std::max(s.V, std::fabs(r.V));
    s.ok = s.ok && r.ok;
  }
  return s;
}

// The response of a case (inputs already in Datos) against its load: the
// derivative chain and dV/dx = -w (at loadPoints evenly spaced points) inside
// every stretch between borders; Y and Theta continuous across each border, V
// falling by the point load and M by the couple found there.
inline void ExpectLoadResponse(int code, double EI, double L, const LoadModel& load,
                               int loadPoints = 1) {
  const AtX s = Scales(code, L);
  ASSERT_TRUE(s.ok) << "code " << code;
  std::vector<double> edges = load.Borders(L);
  edges.insert(edges.begin(), 0.0);
  edges.push_back(L);
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const double lo = edges[i], hi = edges[i + 1];
    if (hi - lo < L * 1e-6) continue;
    ExpectDerivativeChain(code, EI, lo, hi, 5);
    for (int k = 1; k <= loadPoints; ++k) {
      const double xm = lo + (hi - lo) * k / (loadPoints + 1), h = (hi - lo) * 1e-4;
      const double dV = (Eval(code, xm + h).V - Eval(code, xm - h).V) / (2 * h);
      EXPECT_TRUE(Close(dV, -load.LoadAt(xm), s.V / L + std::fabs(load.LoadAt(xm)), 1e-5))
          << "code " << code << " x " << xm << ": dV/dx " << dV << " vs load " << load.LoadAt(xm);
    }
  }
  for (size_t i = 1; i + 1 < edges.size(); ++i) {
    const double x = edges[i];
    double P = 0, C = 0;
    for (const auto& p : load.points)
      if (p.first == x) P += p.second;
    for (const auto& c : load.couples)
      if (c.first == x) C += c.second;
    const auto [l, r] = AcrossBorder(code, x, L);
    const std::string at = "code " + std::to_string(code) + " border " + std::to_string(x);
    EXPECT_TRUE(Close(l.Y, r.Y, s.Y, 1e-7)) << at << ": Y " << l.Y << " | " << r.Y;
    EXPECT_TRUE(Close(l.Theta, r.Theta, s.Theta, 1e-7))
        << at << ": Theta " << l.Theta << " | " << r.Theta;
    EXPECT_TRUE(Close(r.V - l.V, -P, s.V + load.Magnitude(), 1e-7))
        << at << ": V jump " << r.V - l.V;
    EXPECT_TRUE(Close(r.M - l.M, -C, s.M + load.Magnitude(), 1e-7))
        << at << ": M jump " << r.M - l.M;
  }
}

}  // namespace casecheck

// ---- A random case set up for the checks above.

namespace casecheck {

struct CaseTrial {
  int code;
  double EI, L;
  std::vector<std::pair<int, double>> inputs;  // besides EI and L
  LoadModel load;
};

// Fills Datos with the marker, then the trial's EI, L and inputs.
inline void LoadTrial(const CaseTrial& t) {
  for (double& d : Vigas::Datos) d = Vigas::SinValor;
  Vigas::Datos[Vigas::Slot::EI] = t.EI;
  Vigas::Datos[Vigas::Slot::L] = t.L;
  for (const auto& [slot, v] : t.inputs) Vigas::Datos[slot] = v;
}

// Two result sets agree relative to the scales s (see Scales).
inline void ExpectSameResults(const AtX& p, const AtX& q, const AtX& s, const std::string& what,
                              double rel = 1e-9) {
  EXPECT_TRUE(Close(p.Y, q.Y, s.Y, rel)) << what << ": Y " << p.Y << " vs " << q.Y;
  EXPECT_TRUE(Close(p.Theta, q.Theta, s.Theta, rel))
      << what << ": Theta " << p.Theta << " vs " << q.Theta;
  EXPECT_TRUE(Close(p.M, q.M, s.M, rel)) << what << ": M " << p.M << " vs " << q.M;
  EXPECT_TRUE(Close(p.V, q.V, s.V, rel)) << what << ": V " << p.V << " vs " << q.V;
}

// Loads and flexibility far outside the double range, and a span so short that
// its cube underflows: a case either fails or writes finite values only.
inline void ExpectNoNonFiniteResults(int code, const std::vector<int>& lengthSlots) {
  using namespace Vigas;
  for (int setup = 0; setup < 2; ++setup) {
    const double L = setup == 0 ? 1e3 : 1e-110, EI = setup == 0 ? 1e-300 : 1.0;
    const double load = setup == 0 ? 1e300 : 1.0;
    Inputs({{Slot::EI, EI},
            {Slot::L, L},
            {Slot::w0, load},
            {Slot::w1, load},
            {Slot::w2, load},
            {Slot::P, load},
            {Slot::P1, load},
            {Slot::P2, load},
            {Slot::M0, load},
            {Slot::M1, load},
            {Slot::M2, load}});
    for (int s : lengthSlots) Datos[s] = L / 3;
    for (double x : {0.0, L / 2, L}) {
      Datos[Slot::x] = x;
      CalcularCaso(code, true);
      EXPECT_TRUE(AllSlotsFiniteOrMarker()) << "code " << code << " L " << L << " x " << x;
    }
  }
}

// Runs a case on a valid set of inputs (L = 2) changed as given and tells
// whether it failed; a failed case must leave its results unwritten.
inline bool FailsWithChanged(int code, std::initializer_list<std::pair<int, double>> change) {
  namespace S = Vigas::Slot;
  Inputs({{S::EI, 1e3},
          {S::L, 2},
          {S::x, 0.75},
          {S::w0, 5},
          {S::P, 5},
          {S::M0, 5},
          {S::a, 0.5},
          {S::b, 1}});
  for (const auto& [slot, v] : change) Vigas::Datos[slot] = v;
  Vigas::Datos[S::Y] = 123;
  Vigas::CalcularCaso(code, true);
  const bool failed = Vigas::FlagError == 1;
  if (failed) {
    EXPECT_EQ(Vigas::Datos[S::Y], 123) << code << " wrote after a failed check";
  }
  return failed;
}

// Results that scale with the loads and the flexibility: Y and Theta by
// `deflection`, M and V by `force` (a factor of 1 must give the same double).
inline void ExpectScaled(const AtX& got, const AtX& base, double deflection, double force,
                         int code) {
  auto expect = [code](double g, double b, double k, const char* what) {
    if (k == 1) {
      EXPECT_DOUBLE_EQ(g, b) << code << " " << what;
    } else {
      EXPECT_NEAR(g, k * b, 1e-12 * std::fabs(b)) << code << " " << what;
    }
  };
  expect(got.Y, base.Y, deflection, "Y");
  expect(got.Theta, base.Theta, deflection, "Theta");
  expect(got.M, base.M, force, "M");
  expect(got.V, base.V, force, "V");
}

}  // namespace casecheck
