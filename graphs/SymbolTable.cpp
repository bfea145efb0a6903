// The mark-up's symbol names and the character each is drawn with in its
// symbol font's encoding.
#include "graphs/Mini_HTFC_rut.h"

namespace Mini_HTFC_rut {

QString HTFC_Codigo[kNumSimbolos + 1];
QString HTFC_Caracter[kNumSimbolos + 1];

namespace {
struct Simbolo {
  const char* nombre;
  unsigned char codigo;
};

// Order matters: the first name that matches wins, so the second "&vacio"
// is never drawn.
const Simbolo kTabla[kNumSimbolos] = {
    {"&alfa", 97},     {"&beta", 98},     {"&gamma", 103},  {"&Gamma", 71},   {"&delta", 100},
    {"&Delta", 68},    {"&epsilon", 101}, {"&zeta", 122},   {"&eta", 104},    {"&teta", 113},
    {"&Teta", 81},     {"&iota", 105},    {"&kappa", 107},  {"&lambda", 108}, {"&Lambda", 76},
    {"&mu", 109},      {"&nu", 110},      {"&xi", 120},     {"&Xi", 88},      {"&pi", 112},
    {"&Pi", 80},       {"&ro", 114},      {"&sigma", 115},  {"&Sigma", 83},   {"&tau", 116},
    {"&ypsilon", 117}, {"&Ypsilon", 161}, {"&fi", 106},     {"&Fi", 70},      {"&ji", 99},
    {"&psi", 121},     {"&Psi", 89},      {"&omega", 119},  {"&Omega", 87},   {"&ald", 220},
    {"&aud", 221},     {"&ard", 222},     {"&add", 223},    {"&alrd", 219},   {"&als", 172},
    {"&aus", 173},     {"&ars", 174},     {"&ads", 175},    {"&alrs", 171},   {"&divi", 184},
    {"&!=", 185},      {"&vacio", 198},   {"&iorden", 187}, {"&aprox", 64},   {"&real", 194},
    {"&<=", 163},      {"&>=", 179},      {"&oo", 165},     {"&Vacio", 198},  {"&theta", 113},
    {"&Theta", 81},    {"&perte", 206},   {"&nabla", 209},  {"&perpen", 94},  {"&todo", 34},
    {"&exist", 36},    {"&parci", 182},   {"&itg", 242},    {"&pm", 177},     {"&aspa", 180},
    {"&noperte", 207}, {"&vacio", 102},   {"&TRE", 167},    {"&DIA", 168},    {"&COR", 169},
    {"&PIC", 170},     {"&rho", 114},     {"&and", 217},    {"&or", 218},     {"&union", 85},
    {"&inter", 73},    {"&mp", 109},      {"&hbar", 104},
};
}  // namespace

void IniciarSimbolosHTFC() {
  HTFC_Codigo[0].clear();
  HTFC_Caracter[0].clear();
  for (int k = 1; k <= kNumSimbolos; ++k) {
    HTFC_Codigo[k] = QString::fromLatin1(kTabla[k - 1].nombre);
    // Every code used lies outside 0x80..0x9F, where Windows-1252 and Latin-1 agree.
    HTFC_Caracter[k] = QString(QChar(static_cast<char16_t>(kTabla[k - 1].codigo)));
  }
}

QString FuenteSimbolo(int k) {
  return k <= kUltimoSymbol ? QStringLiteral("Symbol") : QStringLiteral("MT Extra");
}

}  // namespace Mini_HTFC_rut
