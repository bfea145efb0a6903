// The state every beam calculation shares: the data vector, its slot keys,
// the no-value marker, the error flag and the current case selection.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace Vigas {

constexpr int kNumSlots = 73;

// Inputs (slots 0..27) and results (28..72) of the current case, in base units.
extern double Datos[kNumSlots];
// Key of each slot; "-" for slots no box names.
extern std::string NomDatos[kNumSlots];

// "No value": parsing returns it for empty text, the driver fills Datos with it.
constexpr double SinValor = 1.28e299;

// A value that is there: neither the marker (of either sign) nor infinite or NaN.
inline bool HasValue(double v) {
  return std::isfinite(v) && std::fabs(v) != SinValor;
}

// 0 when the last step succeeded, 1 when it failed.
extern int16_t FlagError;

// Puts the data vector and the error flag back as they were when it was
// made, however the scope ends: sampling a case along the beam moves x and
// overwrites the results.
class KeepData {
 public:
  KeepData();
  ~KeepData() { Restore(); }
  KeepData(const KeepData&) = delete;
  KeepData& operator=(const KeepData&) = delete;
  void Restore();

 private:
  double kept_[kNumSlots];
  int16_t flag_;
};

// Selected support type (1..5, 0 = none) and chosen list row per tab (-1 = none).
extern int16_t TipoViga;
extern int16_t CasoCarga[6];

// Mark-up suffixes appended to signed results: row = quantity, column = sign + 1.
extern std::string SimboloSigno[7][3];

void IniciarVariables();
void IniciarSimbolosSigno();
void Intercambiar(double& a, double& b);

// Values computed by different formulas or at different places keep
// rounding residues of a few parts in 1e15 of the quantity; this share of
// the larger magnitude is where a difference stops being such a residue.
constexpr double kRoundingShare = 1e-12;

// Whether |a| is smaller than |b| by more than rounding: two extremes of
// equal magnitude, one computed a little smaller, still count as a tie.
bool SmallerMagnitude(double a, double b);

// Slot of a box key, compared without regard to case; one leading "#" (the
// overhang input) is dropped. -1 when no slot has that key ("-" never matches).
int IndiceDato(const std::string& key);

// Slot numbers by key, so code reads like the table of keys.
namespace Slot {
constexpr int EI = 0, L = 1, x = 5;
constexpr int a = 15, b = 16, c = 17, d = 18;
constexpr int w0 = 19, w1 = 20, w2 = 21;
constexpr int P = 22, P1 = 23, P2 = 24;
constexpr int M0 = 25, M1 = 26, M2 = 27;
constexpr int Y = 28, Ymin = 29, Ymax = 30, Ya = 31, Yb = 32, Yc = 33, Yd = 34;
constexpr int Theta = 35, ThetaMin = 36, ThetaMax = 37, ThetaA = 38, ThetaB = 39, ThetaC = 40,
              ThetaD = 41;
constexpr int M = 42, MMin = 43, Mmax = 44, Ma = 45, Mb = 46, Mc = 47, Md = 48;
constexpr int V = 49, VMin = 50, Vmax = 51, Va = 52, Vb = 53, Vc = 54, Vd = 55;
constexpr int Ra = 56, Rb = 57, Rc = 58, Rd = 59;
constexpr int sM0 = 60, sM1 = 61, sM2 = 62;
constexpr int xL = 63, xR = 64;
constexpr int xYmax = 65, xThetaMax = 66, xMMax = 67, xVMax = 68;
constexpr int xC = 69, xD = 70;
constexpr int sM0A = 71, sM0B = 72;
}  // namespace Slot

}  // namespace Vigas
