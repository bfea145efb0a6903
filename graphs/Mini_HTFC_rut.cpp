#include "graphs/Mini_HTFC_rut.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/DataVector.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/TextFile.h"

namespace Mini_HTFC_rut {

namespace {

constexpr char16_t kEnDash = 0x2013;
constexpr char16_t kMiddleDot = 0x00B7;
constexpr double kMaxFontPoints = 2160;
// Space after a bracket that closes behind a sub- or superscript, in Hp.
constexpr double kGapAfterBracket = 0.1;

bool StartsAt(const QString& text, int i, QStringView code) {
  return i >= 0 && text.size() - i >= code.size() && QStringView(text).mid(i, code.size()) == code;
}

bool IsDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// Length of the character at i: a surrogate pair counts as one character.
int CharLen(const QString& text, int i) {
  if (i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) return 2;
  return 1;
}

using platform::TrimSpaces;

// The leading number of a text, blanks skipped anywhere; 0 when there is none
// or when it lies beyond the double range.
double LeadingNumber(const QString& text) {
  return Vigas::LeadingValueIgnoring(text.toStdString(), " \t\n\r");
}

// Whole number, halves to even, within [lo, hi].
int RoundClamped(double v, int lo, int hi) {
  if (!(v >= lo)) return lo;  // also NaN
  if (v > hi) return hi;
  return static_cast<int>(std::nearbyint(v));
}

struct NombreColor {
  const char* nombre;
  int32_t valor;
};

const NombreColor kColores[] = {
    {"BLACK", 0},          {"NEGRO", 0},       {"BLUE", 16711680},   {"AZUL", 16711680},
    {"CYAN", 16776960},    {"CIAN", 16776960}, {"GREEN", 65280},     {"VERDE", 65280},
    {"MAGENTA", 16711935}, {"PINK", 16744703}, {"ROSA", 16744703},   {"FUCSIA", 16744703},
    {"VIOLETA", 16711808}, {"RED", 255},       {"ROJO", 255},        {"WHITE", 16777215},
    {"BLANCO", 16777215},  {"YELLOW", 65535},  {"AMARILLO", 65535},  {"BROWN", 16512},
    {"MARRON", 16512},     {"CANELO", 16512},  {"GREY", 12632256},   {"GRIS", 12632256},
    {"ORANGE", 33023},     {"NARANJA", 33023}, {"NARANJADO", 33023},
};

// One call of the renderer: the target, the state kept at entry and the
// plain text collected so far.
class Renderer {
 public:
  Renderer(const QString& texto, platform::DrawTarget& d,
           double limite = std::numeric_limits<double>::infinity())
      : t_(texto),
        d_(d),
        printer_(d.IsPrinter()),
        nombre0_(d.FontName()),
        size0_(d.FontSize()),
        italic0_(d.FontItalic()),
        bold0_(d.FontBold()),
        color0_(d.ForeColor()),
        base_(size0_),
        hp_(d.TextHeight(QStringLiteral("Hp"))),
        ascent0_(d.FontAscent()),
        top_(d.CurrentY()),
        limite_(limite) {}

  // False when a size, font or colour code lacked its ":".
  bool Run() {
    const int n = static_cast<int>(t_.size());
    for (int i = 0; i < n && !(d_.CurrentX() > limite_); ++i) {
      const QChar c = t_[i];
      if (c == u'&') {
        if (!Codigo(i)) return false;
      } else if (c == u'_' || c == u'^') {
        Indice(i);
      } else {
        Caracter(i);
      }
    }
    d_.SetFontName(nombre0_);
    d_.SetFontSize(size0_);
    d_.SetFontItalic(italic0_);
    d_.SetFontBold(bold0_);
    d_.SetForeColor(color0_);
    return true;
  }

  const QString& Plano() const { return plano_; }
  const QString& Legible() const { return legible_; }

 private:
  const QString t_;
  platform::DrawTarget& d_;
  const bool printer_;
  const QString nombre0_;
  const double size0_;
  const bool italic0_;
  const bool bold0_;
  const platform::ColorValue color0_;
  double base_;
  double hp_;
  const double ascent0_;
  const double top_;
  const double limite_;
  QString plano_;
  QString legible_;
  // The last thing printed was a lowered or raised character.
  bool afterIndex_ = false;

  void Imprimir(const QString& s) { Imprimir(s, platform::SymbolFontToUnicode(d_.FontName(), s)); }
  // What is printed, and the same as a reader sees it.
  void Imprimir(const QString& s, const QString& legible) {
    d_.Print(s);
    plano_ += s;
    legible_ += legible;
    afterIndex_ = false;
  }

  // After a size or font change: measure again and keep the baseline of the
  // font the line started with.
  void Reasentar() {
    hp_ = d_.TextHeight(QStringLiteral("Hp"));
    d_.SetCurrentY(top_ + ascent0_ - d_.FontAscent());
  }

  bool Codigo(int& i) {
    static const struct {
      const char16_t* code;
      bool italic;
      bool on;
    } kEstilos[] = {
        {u"&+I", true, true}, {u"&-I", true, false}, {u"&+B", false, true}, {u"&-B", false, false}};
    for (const auto& e : kEstilos) {
      if (StartsAt(t_, i, e.code)) {
        if (e.italic)
          d_.SetFontItalic(e.on);
        else
          d_.SetFontBold(e.on);
        i += 2;
        return true;
      }
    }

    if (StartsAt(t_, i, u"&FS") || StartsAt(t_, i, u"&FN") || StartsAt(t_, i, u"&FC")) {
      const int colon = static_cast<int>(t_.indexOf(u':', i));
      if (colon < 0) return false;
      // The fourth character, normally "=", is skipped unchecked.
      const QString a = colon > i + 4 ? t_.mid(i + 4, colon - (i + 4)) : QString();
      switch (t_[i + 2].unicode()) {
        case u'S': {
          const double size = LeadingNumber(a);
          if (size > 0 && size <= kMaxFontPoints) {
            d_.SetFontSize(printer_ ? size : size * platform::ScreenTwipsPerPixelX() / 15.0);
            base_ = d_.FontSize();
            Reasentar();
          }
          break;
        }
        case u'N':
          // An unknown name leaves the text in Courier New.
          d_.SetFontName(QStringLiteral("Courier New"));
          d_.SetFontName(a);
          Reasentar();
          break;
        default:
          d_.SetForeColor(LeerColor(a));
          break;
      }
      i = colon;
      return true;
    }

    for (int k = 1; k <= kNumSimbolos; ++k) {
      const QString& nombre = HTFC_Codigo[k];
      if (nombre.isEmpty() || !StartsAt(t_, i, nombre)) continue;
      d_.SetFontName(FuenteSimbolo(k));
      // The printer's symbols sit a little low against the text.
      const double dy = printer_ ? -15 : 0;
      const double y = d_.CurrentY();
      d_.SetCurrentY(y + dy);
      Imprimir(HTFC_Caracter[k]);
      d_.SetCurrentY(y);
      d_.SetFontName(QStringLiteral("Courier New"));
      d_.SetFontName(nombre0_);
      i += static_cast<int>(nombre.size()) - 1;
      return true;
    }

    if (StartsAt(t_, i, u"&&")) {
      Imprimir(QStringLiteral("&"));
      i += 1;
      return true;
    }

    if (StartsAt(t_, i, u"&E")) {
      const int n = static_cast<int>(t_.size());
      int j = i + 2;
      while (j < n && (IsDigit(t_[j]) || (j == i + 2 && (t_[j] == u'+' || t_[j] == u'-')))) ++j;
      QString e = t_.mid(i + 2, j - (i + 2));
      if (e.startsWith(u'+'))
        e.remove(0, 1);
      else if (e.startsWith(u'-'))
        e[0] = QChar(kEnDash);
      const bool italic = d_.FontItalic();
      d_.SetFontItalic(false);
      d_.Print(QString(QChar(kMiddleDot)) + QStringLiteral("10"));
      plano_ += u'E';
      legible_ += u'E';
      // The exponent hangs from the line top in the smaller size.
      d_.SetFontSize(base_ * 8 / 12);
      Imprimir(e, e.startsWith(QChar(kEnDash)) ? QStringLiteral("-") + e.mid(1) : e);
      d_.SetFontSize(base_);
      d_.SetFontItalic(italic);
      i = j - 1;
      return true;
    }

    // Anything else: only the "&" is dropped.
    return true;
  }

  // "_" lowers and "^" raises the one character after it, taken literally.
  void Indice(int& i) {
    const QChar marca = t_[i];
    const int n = static_cast<int>(t_.size());
    if (i + 1 < n && t_[i + 1] == marca) {
      Imprimir(QString(marca));
      i += 1;
      return;
    }
    // At the very end the mark itself is the character.
    const QString c = i + 1 < n ? t_.mid(i + 1, CharLen(t_, i + 1)) : QString(marca);
    const int largo = i + 1 < n ? 1 + static_cast<int>(c.size()) : 1;
    d_.SetFontSize(base_ * 8 / 12);
    const bool italic = d_.FontItalic();
    const double dy = marca == u'_' ? d_.TextHeight(QStringLiteral("9")) / 1.4 : 0;
    const double y = d_.CurrentY();
    d_.SetCurrentY(y + dy);
    if (c.size() == 1 && IsDigit(c[0])) d_.SetFontItalic(false);
    Imprimir(c);
    afterIndex_ = true;
    d_.SetFontItalic(italic);
    d_.SetCurrentY(y);
    d_.SetFontSize(base_);
    i += largo - 1;
  }

  void Caracter(int& i) {
    const QString written = t_.mid(i, CharLen(t_, i));
    QString c = written;
    if (c == QLatin1String("-")) c = QString(QChar(kEnDash));
    const bool italic = d_.FontItalic();
    double g = 0;
    const char16_t u = c.size() == 1 ? c[0].unicode() : 0;
    if (u == u'+' || u == kEnDash || u == u'=') {
      g = 0.04 * hp_;
      d_.SetFontItalic(false);
    } else if (u && QStringView(u"0123456789.,:;()[]|{}").contains(QChar(u))) {
      d_.SetFontItalic(false);
    }
    // A bracket closed after a small raised or lowered character stands
    // clear of what follows: ")" and "/" would otherwise touch in "(u^4)/(24".
    const double after = afterIndex_ && (u == u')' || u == u']') ? kGapAfterBracket * hp_ : g;
    const double y = d_.CurrentY();
    d_.SetCurrentX(d_.CurrentX() + g);
    Imprimir(c, platform::SymbolFontToUnicode(d_.FontName(), written));
    d_.SetCurrentX(d_.CurrentX() + after);
    d_.SetCurrentY(y);
    d_.SetFontItalic(italic);
    i += static_cast<int>(c.size()) - 1;
  }
};

}  // namespace

bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino, QString& TextoPlano,
                  QString& TextoLegible) {
  Renderer r(Texto, Destino);
  const bool completo = r.Run();
  TextoPlano = r.Plano();
  TextoLegible = r.Legible();
  return completo;
}

bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino, QString& TextoPlano) {
  QString legible;
  return ImprimirHTFC(Texto, Destino, TextoPlano, legible);
}

bool ImprimirHTFC(const QString& Texto, platform::DrawTarget& Destino) {
  QString plano;
  return ImprimirHTFC(Texto, Destino, plano);
}

QString ReadableText(const QString& markup) {
  platform::MeasureTarget nowhere;
  QString plain, readable;
  ImprimirHTFC(markup, nowhere, plain, readable);
  return readable.simplified();
}

bool DrawMarkupCutAt(const QString& markup, platform::DrawTarget& target, double rightLimit) {
  return Renderer(markup, target, rightLimit).Run();
}

int32_t LeerColor(const QString& Texto) {
  QString s = TrimSpaces(Texto);
  const int p = static_cast<int>(s.indexOf(u';'));
  if (p >= 0) {
    const double red = LeadingNumber(s);
    s = s.mid(p + 1);
    const double green = LeadingNumber(s);
    const int q = static_cast<int>(s.indexOf(u';'));
    const double blue = LeadingNumber(q >= 0 ? s.mid(q + 1) : s);
    return platform::RGBColor(RoundClamped(red, 0, 255), RoundClamped(green, 0, 255),
                              RoundClamped(blue, 0, 255));
  }
  if (!s.isEmpty() && IsDigit(s[0])) return RoundClamped(LeadingNumber(s), 0, 0xFFFFFF);
  const QString upper = s.toUpper();
  for (const NombreColor& c : kColores)
    if (upper == QLatin1String(c.nombre)) return c.valor;
  return 0;
}

}  // namespace Mini_HTFC_rut
