#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "engine/DataVector.h"

namespace Vigas {

std::string SepDecimal = ".";
double NumDigitos = 4;

namespace {
std::function<void(bool)>& SeparatorTickHandler() {
  static std::function<void(bool)> handler;
  return handler;
}

void SetSeparator(bool comma) {
  SepDecimal = comma ? "," : ".";
  if (SeparatorTickHandler()) SeparatorTickHandler()(comma);
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const size_t last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

std::string RemoveChar(const std::string& s, char ch) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != ch) out += c;
  return out;
}

// The digits and exponent of |x| rounded to 15 significant digits.
struct Decimal15 {
  std::string digits;  // without trailing zeros, at least one digit
  int exponent;        // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 is at 10^exponent
};

// The e with 10^e <= a < 10^(e + 1) for a finite a > 0, read from the exact
// decimal digits of a: a quotient of logarithms falls just short at some
// exact powers of ten (1000, 1e6), and below the normal range the powers of
// ten themselves are too coarse to check against.
int DecimalExponent(double a) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 40);
  *res.ptr = '\0';
  return std::atoi(std::strchr(buf, 'e') + 1);
}

Decimal15 ToDecimal15(double a) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
  std::string s(buf, res.ptr);
  const size_t e = s.find('e');
  Decimal15 d;
  d.digits = RemoveChar(s.substr(0, e), '.');
  d.exponent = std::atoi(s.c_str() + e + 1);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}
}  // namespace

void SetSeparatorTickHandler(std::function<void(bool comma)> handler) {
  SeparatorTickHandler() = std::move(handler);
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string out;
  size_t pos = 0;
  for (;;) {
    const size_t hit = text.find(from, pos);
    if (hit == std::string::npos) break;
    out.append(text, pos, hit - pos);
    out += to;
    pos = hit + from.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

std::string ShortestText(double x) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
  if (x == 0) return "0";
  const Decimal15 d = ToDecimal15(std::fabs(x));
  std::string out = x < 0 ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= 15 || d.exponent < -4) {
    out += d.digits.substr(0, 1);
    if (n > 1) out += "." + d.digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const int ae = std::abs(d.exponent);
    if (ae < 10) out += "0";
    out += std::to_string(ae);
  } else if (d.exponent < 0) {
    out += "." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
  } else if (n <= d.exponent + 1) {
    out += d.digits + std::string(static_cast<size_t>(d.exponent + 1 - n), '0');
  } else {
    out += d.digits.substr(0, static_cast<size_t>(d.exponent + 1)) + "." +
           d.digits.substr(static_cast<size_t>(d.exponent + 1));
  }
  return out;
}

bool LeadingValue(const std::string& text, double& value, size_t* used, Exponent exponent) {
  value = 0;
  if (used) *used = 0;
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string num;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') num += '-';
    ++i;
  }
  size_t mantissaDigits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      num += c;
      ++mantissaDigits;
    } else if (c == '.' && !point) {
      num += c;
      point = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return true;  // no number at the start: reads as 0
  size_t end = i;
  if (exponent == Exponent::Read && i < text.size() &&
      (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::string expo = "e";
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) expo += text[j++];
    size_t expDigits = 0;
    for (; j < text.size() && text[j] >= '0' && text[j] <= '9'; ++j, ++expDigits) expo += text[j];
    if (expDigits > 0) {
      num += expo;
      end = j;
    }
  }
  if (used) *used = end;
  if (num[0] == '-' && num.size() > 1 && num[1] == '.') num.insert(1, "0");
  if (num[0] == '.') num.insert(0, "0");
  const char* first = num.data();
  const char* last = num.data() + num.size();
  double v = 0;
  const auto res = std::from_chars(first, last, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large is an error.
    const size_t e = num.find('e');
    const bool negativeExponent = e != std::string::npos && e + 1 < num.size() && num[e + 1] == '-';
    if (negativeExponent) return true;
    return false;
  }
  if (res.ec != std::errc()) return true;
  value = v;
  return std::isfinite(v);
}

double LeadingValueIgnoring(const std::string& text, const char* blanks, Exponent exponent) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text)
    if (!std::strchr(blanks, c) || c == '\0') compact += c;
  double v = 0;
  if (!LeadingValue(compact, v, nullptr, exponent)) return 0;
  return v;
}

namespace {
// The leading value of a part of the text, noting in `complete` whether the
// number takes the whole part (trailing tabs aside).
bool WholeValue(const std::string& part, double& value, bool& complete) {
  size_t used = 0;
  const bool ok = LeadingValue(part, value, &used);
  complete = complete && used > 0 && part.find_first_not_of('\t', used) == std::string::npos;
  return ok;
}

double ReadTyped(const std::string& Texto, bool& complete, bool& beyond) {
  complete = true;
  beyond = false;
  if (Texto.find('.') != std::string::npos) SetSeparator(false);
  if (Texto.find(',') != std::string::npos) SetSeparator(true);

  std::string t = RemoveChar(Texto, ' ');
  t = ReplaceAll(t, ",", ".");
  t = ReplaceAll(t, "..", ".");
  t = ReplaceAll(t, "..", ".");
  if (t.empty()) {
    complete = false;
    return SinValor;
  }

  auto fail = [&complete] {
    FlagError = 1;
    complete = false;
    return SinValor;
  };
  // A number, but one no double holds: a failure that says so when the number
  // is the whole text.
  auto overflow = [&] {
    beyond = complete;
    return fail();
  };
  double v = 0;
  if (t.back() == '%') {
    if (!WholeValue(t.substr(0, t.size() - 1), v, complete)) return overflow();
    return v / 100;
  }
  const size_t p = t.find('/', 1);
  if (p != std::string::npos) {
    if (t.find('%') != std::string::npos) return fail();
    double num = 0, den = 0;
    // Both parts read, so that `complete` speaks of the whole fraction.
    const bool numRead = WholeValue(t.substr(0, p), num, complete);
    const bool denRead = WholeValue(t.substr(p + 1), den, complete);
    if (!numRead || !denRead) return overflow();
    if (den == 0) return fail();
    const double q = num / den;
    if (!std::isfinite(q)) return overflow();
    return q;
  }
  if (!WholeValue(t, v, complete)) return overflow();
  return v;
}
}  // namespace

double LeerNumero(const std::string& Texto, bool* Completo, bool* Desborde) {
  bool complete = false, beyond = false;
  const double v = ReadTyped(Texto, complete, beyond);
  if (Completo) *Completo = complete;
  if (Desborde) *Desborde = beyond;
  return v;
}

double Redondear(double x, double Posicion) {
  FlagError = 0;
  const double k = std::pow(10.0, -1 - Posicion);
  const double r = std::floor(x * k + 0.5) / k;
  if (!std::isfinite(k) || k == 0 || !std::isfinite(r)) {
    FlagError = 1;
    return 0;
  }
  return r;
}

std::string FormatoNumero(double x, double NumDig) {
  // The mark-up number written plain: no codes, no zeros padding the mantissa
  // of a power of ten, and the user's separator.
  std::string t = RemoveChar(RoundedMarkup(x, NumDig == 0 ? NumDigitos : NumDig), '&');
  for (int i = 0; i < 12; ++i) t = ReplaceAll(t, "0E", "E");
  t = ReplaceAll(t, ".E", "E");
  return ReplaceAll(t, ".", SepDecimal);
}

std::string RoundedMarkup(double x, double digits) {
  // The program asks for 4 to 12 digits; anything else is kept within what a
  // double holds.
  if (!(digits >= 1)) digits = 1;
  if (digits > 15) digits = 15;
  const int s = x > 0 ? 1 : (x < 0 ? -1 : 0);
  const double a = std::fabs(x);
  if (a == 0) return "0";
  if (!std::isfinite(a)) return Mini_HTFC_rut::NumeroAHTFC(x);
  int e = DecimalExponent(a);

  if (a >= 0.01 && a < 100000) {
    const double r = Redondear(a, e - digits);
    return Trim(Mini_HTFC_rut::NumeroAHTFC(r * s));
  }

  const double r = Redondear(a, e - digits);
  double m = r / std::pow(10.0, e);
  if (FlagError != 0 || !std::isfinite(m) || m == 0) {
    // Near the ends of the double range the scale factors overflow: round the
    // mantissa itself, scaling in two steps that stay in range.
    const int half = e / 2;
    m = Redondear(a / std::pow(10.0, half) / std::pow(10.0, e - half), -digits);
  }
  std::string t = Trim(Mini_HTFC_rut::NumeroAHTFC(m));
  // A mantissa rounded up to ten carries into the exponent: "1.00E6", not
  // "10.0E5".
  if (t == "10") {
    t = "1";
    ++e;
  }
  if (t.find("&.") == std::string::npos && digits >= 2) t += "&.";
  // Zeros only after a point: without one they would change the value.
  if (t.find("&.") != std::string::npos)
    while (static_cast<double>(t.size()) < digits + 1) t += "0";
  t += "&E" + std::to_string(e);
  if (s < 0) t = "-" + t;
  return t;
}

}  // namespace Vigas

namespace Mini_HTFC_rut {

std::string FormatoNumeroHTFC(double x, double NumDig) {
  return Vigas::RoundedMarkup(x, NumDig == 0 ? Vigas::NumDigitos : NumDig);
}

std::string NumeroAHTFC(double x) {
  if (!std::isfinite(x)) return Vigas::ShortestText(x);
  std::string t = Vigas::ShortestText(std::fabs(x));
  if (!t.empty() && t[0] == '.') t = "0" + t;
  const size_t p = t.find('E');
  if (p != std::string::npos) {
    std::string ex = t.substr(p + 1);
    t = t.substr(0, p) + "&E";
    if (!ex.empty() && ex[0] == '-') {
      t += "-";
      ex.erase(0, 1);
    }
    if (!ex.empty() && ex[0] == '0') ex.erase(0, 1);
    t += ex;
  }
  if (x < 0) t = "-" + t;
  return Vigas::ReplaceAll(t, ".", "&.");
}

}  // namespace Mini_HTFC_rut
