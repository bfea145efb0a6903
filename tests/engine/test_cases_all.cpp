// Properties every one of the 54 cases must keep, whatever the inputs: no
// slot ever left infinite or NaN, refused inputs leave Datos untouched, and
// FlagError = 0 only when the results at x were really written. Procedures
// still being built fail every call without writing, which passes too.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "CaseChecks.h"
#include "CaseTable.h"
#include "engine/CaseFrame.h"

using namespace Vigas;

namespace allcases {

using namespace Vigas;

// Runs the case twice, with the slots it may write pre-filled first with the
// marker and then with another value, so that every write shows, even one
// that happens to store the marker's value; then checks what must hold.
// Returns FlagError.
int RunAndCheck(const CaseInputs& k, bool completo, std::mt19937& rng, const char* what) {
  if (NomDatos[0].empty()) IniciarVariables();  // slot names for the messages
  const bool valid = Valid(k);
  std::vector<bool> read(kNumSlots, false);
  for (int s : {Slot::EI, Slot::L, Slot::x}) read[s] = true;
  for (int s : k.inputs) read[s] = true;

  double before[2][kNumSlots], after[2][kNumSlots];
  int flags[2];
  for (int run = 0; run < 2; ++run) {
    for (int s = 0; s < kNumSlots; ++s)
      if (!read[s]) Datos[s] = run == 0 ? SinValor : 0.5;
    std::memcpy(before[run], Datos, sizeof Datos);
    FlagError = std::bernoulli_distribution(0.5)(rng) ? 1 : 0;
    CalcularCaso(k.code, completo);
    flags[run] = FlagError;
    std::memcpy(after[run], Datos, sizeof Datos);
    std::memcpy(Datos, before[0], sizeof Datos);
  }
  std::vector<bool> written(kNumSlots);
  bool any = false;
  for (int s = 0; s < kNumSlots; ++s) {
    written[s] = !SameBits(after[0][s], before[0][s]) || !SameBits(after[1][s], before[1][s]);
    any = any || written[s];
  }
  const int code = k.code;
  auto where = [&] {
    std::string text = std::string(what) + " code " + std::to_string(code) +
                       (completo ? " complete" : " at x") + (valid ? " valid" : " invalid");
    for (int s : {Slot::EI, Slot::L, Slot::x})
      text += " " + NomDatos[s] + "=" + std::to_string(before[0][s]);
    for (int s : k.inputs) text += " " + NomDatos[s] + "=" + std::to_string(before[0][s]);
    return text;
  };

  EXPECT_EQ(flags[0], flags[1]) << "depends on slots it does not read; " << where();
  EXPECT_TRUE(flags[0] == 0 || flags[0] == 1) << where();
  for (int run = 0; run < 2; ++run)
    for (int s = 0; s < kNumSlots; ++s)
      EXPECT_TRUE(std::isfinite(after[run][s])) << NomDatos[s] << " not finite; " << where();
  for (int s = 0; s < kNumSlots; ++s) {
    const bool mayWrite =
        (s >= Slot::Y && s != Slot::xL && s != Slot::Rc && s != Slot::Rd) || IsLength(s);
    EXPECT_FALSE(written[s] && (read[s] || !mayWrite)) << NomDatos[s] << " written; " << where();
  }
  for (int s : {Slot::sM0, Slot::sM1, Slot::sM2, Slot::sM0A, Slot::sM0B})
    if (written[s]) {
      EXPECT_EQ(std::fabs(after[0][s]), 1.0) << NomDatos[s] << "; " << where();
    }

  if (!valid) {
    EXPECT_EQ(flags[0], 1) << where();
    EXPECT_FALSE(any) << "refused inputs but wrote; " << where();
    return flags[0];
  }
  if (!completo) {
    for (int s = 0; s < kNumSlots; ++s) {
      const bool atX = s == Slot::Y || s == Slot::Theta || s == Slot::M || s == Slot::V;
      EXPECT_FALSE(written[s] && !atX) << NomDatos[s] << " written at x only; " << where();
    }
  }
  if (flags[0] == 0) {
    std::vector<int> due = {Slot::Y, Slot::Theta, Slot::M, Slot::V};
    if (completo) due.push_back(Slot::Ra);
    if (completo && code / 100 != 2) due.push_back(Slot::Rb);
    for (int s : due) EXPECT_TRUE(written[s]) << NomDatos[s] << " not written; " << where();
  }
  return flags[0];
}

bool Finished(int code) {
  return code == 100 || code >= 400;
}

}  // namespace allcases

using allcases::CaseInputs;

TEST(AllCases, TableCoversEveryCode) {
  int count = 0;
  for (int code = -1; code <= 1000; ++code) {
    bool listed = false;
    for (const CaseInputs& k : allcases::Table()) listed = listed || k.code == code;
    EXPECT_EQ(CasoExiste(code), listed) << code;
    count += listed;
  }
  EXPECT_EQ(count, 54);
}

TEST(AllCases, RandomValidInputsSucceedOrTouchNothing) {
  std::mt19937 rng(54);
  for (const CaseInputs& k : allcases::Table()) {
    for (int trial = 0; trial < 200; ++trial) {
      casecheck::Inputs({});
      const double L = casecheck::In(rng, 0.5, 20);
      Datos[Slot::EI] = casecheck::In(rng, 1e2, 1e7);
      Datos[Slot::L] = L;
      // a ≤ L/2 and a + b + c < L satisfy every case's bounds at once.
      const double lengths[] = {casecheck::In(rng, 0, 0.45) * L, casecheck::In(rng, 0, 0.3) * L,
                                casecheck::In(rng, 0, 0.2) * L};
      for (int s : k.inputs) {
        if (s == k.overhang)
          Datos[s] = casecheck::In(rng, 0, 2) * L;
        else if (allcases::IsLength(s))
          Datos[s] = lengths[s - Slot::a];
        else
          Datos[s] = casecheck::SignedIn(rng, 1, 1e4);
      }
      const double end = allcases::End(k);
      const double xs[] = {0.0, -0.0, end, ToleranceBound(end), casecheck::In(rng, 0, end)};
      Datos[Slot::x] = xs[trial % 5];
      ASSERT_TRUE(allcases::Valid(k)) << k.code;
      const bool completo = trial % 2 == 0;
      const int flag = allcases::RunAndCheck(k, completo, rng, "random");
      if (allcases::Finished(k.code)) {
        EXPECT_EQ(flag, 0) << k.code << " trial " << trial;
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(AllCases, ExtremeAndInvalidInputsKeepDatosSound) {
  const double marker = SinValor, big = DBL_MAX, tiny = 5e-324;
  const std::vector<double> eis = {1, 1e-300, tiny, 1e300, big, 2.5e7, 0, -0.0, -1, marker};
  const std::vector<double> spans = {1, 1e-300, 1e-150, 1e150, 1e300, 7.3, 0, -0.0, -3, marker};
  const std::vector<double> loads = {0,       -0.0, 1,    -1,      1e300, -1e300, 1e-300,
                                     -1e-300, big,  -big, -marker, tiny,  123.4,  marker};
  std::mt19937 rng(10000);
  auto pick = [&](const std::vector<double>& pool) {
    return pool[std::uniform_int_distribution<size_t>(0, pool.size() - 1)(rng)];
  };
  int valid = 0, invalid = 0;
  for (const CaseInputs& k : allcases::Table()) {
    for (int trial = 0; trial < 1500; ++trial) {
      casecheck::Inputs({});
      const double L = pick(spans);
      Datos[Slot::EI] = pick(eis);
      Datos[Slot::L] = L;
      const double bound = ToleranceBound(L);
      const std::vector<double> lengths = {
          0,       -0.0,  L,       L / 2,  bound,   bound / 2, std::nextafter(bound, INFINITY),
          0.3 * L, 1e300, -1e-300, marker, 0.25 * L};
      for (int s : k.inputs) Datos[s] = allcases::IsLength(s) ? pick(lengths) : pick(loads);
      const double end = allcases::End(k), endBound = ToleranceBound(end);
      const std::vector<double> xs = {
          0,         -0.0,        end,     endBound, std::nextafter(endBound, INFINITY),
          0.5 * end, 0.999 * end, -1e-300, marker,   L};
      Datos[Slot::x] = pick(xs);
      if (!std::isfinite(Datos[Slot::x])) Datos[Slot::x] = 0;
      (allcases::Valid(k) ? valid : invalid)++;
      allcases::RunAndCheck(k, trial % 2 == 0, rng, "extreme");
      if (::testing::Test::HasFailure()) return;
    }
  }
  // Both kinds were exercised in earnest.
  EXPECT_GT(valid, 54 * 100);
  EXPECT_GT(invalid, 54 * 100);
}

TEST(AllCases, EachMissingOrNegativeInputIsRefused) {
  std::mt19937 rng(7);
  for (const CaseInputs& k : allcases::Table()) {
    std::vector<int> read = {Slot::EI, Slot::L, Slot::x};
    read.insert(read.end(), k.inputs.begin(), k.inputs.end());
    auto fill = [&] {
      casecheck::Inputs({{Slot::EI, 3e4}, {Slot::L, 8}, {Slot::x, 3}});
      for (int s : k.inputs) Datos[s] = allcases::IsLength(s) ? 1.5 : -40;
    };
    for (int s : read) {
      fill();
      Datos[s] = SinValor;
      EXPECT_EQ(allcases::RunAndCheck(k, true, rng, "missing"), 1) << k.code << " " << NomDatos[s];
      if (s == Slot::x || allcases::IsLength(s)) {
        fill();
        Datos[s] = -1e-300;
        EXPECT_EQ(allcases::RunAndCheck(k, true, rng, "negative"), 1)
            << k.code << " " << NomDatos[s];
      }
    }
    if (::testing::Test::HasFailure()) return;
  }
}
