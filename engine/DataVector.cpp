#include "engine/DataVector.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

namespace Vigas {

double Datos[kNumSlots] = {};
std::string NomDatos[kNumSlots];
int16_t FlagError = 0;
int16_t TipoViga = 0;
int16_t CasoCarga[6] = {-1, -1, -1, -1, -1, -1};
std::string SimboloSigno[7][3];

KeepData::KeepData() : flag_(FlagError) {
  std::copy(std::begin(Datos), std::end(Datos), kept_);
}

void KeepData::Restore() {
  std::copy(std::begin(kept_), std::end(kept_), Datos);
  FlagError = flag_;
}

void IniciarVariables() {
  static const char* const kKeys[kNumSlots] = {
      "EI",       "L",        "-",      "-",         "-",      "x",      "-",    "-",    "-",
      "-",        "-",        "-",      "-",         "-",      "-",      "a",    "b",    "c",
      "d",        "w0",       "w1",     "w2",        "P",      "P1",     "P2",   "M0",   "M1",
      "M2",       "Y",        "Ymin",   "Ymax",      "Ya",     "Yb",     "Yc",   "Yd",   "Theta",
      "ThetaMin", "ThetaMax", "ThetaA", "ThetaB",    "ThetaC", "ThetaD", "M",    "MMin", "Mmax",
      "Ma",       "Mb",       "Mc",     "Md",        "V",      "VMin",   "Vmax", "Va",   "Vb",
      "Vc",       "Vd",       "Ra",     "Rb",        "Rc",     "Rd",     "sM0",  "sM1",  "sM2",
      "xL",       "xR",       "xYmax",  "xThetaMax", "xMMax",  "xVMax",  "xC",   "xD",   "sM0A",
      "sM0B"};
  for (int i = 0; i < kNumSlots; ++i) NomDatos[i] = kKeys[i];
}

void IniciarSimbolosSigno() {
  static const char* const kSuffixes[7][3] = {
      {" (&ads&aus)", "", " (&aus&ads)"},  // shear force
      {" ( &inter )", "", " ( &union )"},  // bending moment
      {" (\\)", "", " (/)"},               // slope
      {" (&ads)", "", " (&aus)"},          // deflection
      {" (&aus&ads)", "", " (&ads&aus)"},  // applied couple
      {" (&aus)", "", " (&ads)"},          // load
      {" (&ads)", "", " (&aus)"},          // reaction
  };
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 3; ++c) SimboloSigno[r][c] = kSuffixes[r][c];
}

void Intercambiar(double& a, double& b) {
  std::swap(a, b);
}

bool SmallerMagnitude(double a, double b) {
  return std::fabs(b) - std::fabs(a) > kRoundingShare * std::fabs(b);
}

static std::string UpperAscii(const std::string& s) {
  std::string u = s;
  for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return u;
}

int IndiceDato(const std::string& key) {
  std::string k = key;
  if (!k.empty() && k[0] == '#') k.erase(0, 1);
  k = UpperAscii(k);
  if (k.empty() || k == "-") return -1;
  for (int i = 0; i < kNumSlots; ++i)
    if (UpperAscii(NomDatos[i]) == k) return i;
  return -1;
}

}  // namespace Vigas
