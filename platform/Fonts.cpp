#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct FontAlias {
  const char* windowsName;
  const char* family;
};

// Liberation fonts share the metrics of the fonts they stand for. The symbol
// fonts are drawn as Unicode in a font that holds all their glyphs.
const FontAlias kAliases[] = {
    {"Arial", "Liberation Sans"},         {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"}, {"Microsoft Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},  {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},        {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "Liberation Sans"},      {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},       {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},        {"Symbol", "DejaVu Sans"},
    {"MT Extra", "DejaVu Sans"},
};

// Unicode shown by codes 0x20..0xFF of the "Symbol" font; 0 where the code
// shows the same character as in Windows-1252.
const char16_t kSymbolEncoding[224] = {
    // 0x20
    0, 0, 0x2200, 0, 0x2203, 0, 0, 0x220B, 0, 0, 0x2217, 0, 0, 0x2212, 0, 0,
    // 0x30
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A,
    0x039B, 0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0,
    0x2234, 0, 0x22A5, 0,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA,
    0x03BB, 0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0, 0, 0,
    0x223C, 0,
    // 0x80 .. 0x9F: unused by the font
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248,
    0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284,
    0x2282, 0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3,
    0x23A7, 0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6,
    0x23AB, 0x23AC, 0x23AD, 0};

// The "MT Extra" glyphs the program uses.
char16_t MtExtra(char16_t c) {
  switch (c) {
    case u'U':
      return 0x222A;  // union
    case u'I':
      return 0x2229;  // intersection
    case u'm':
      return 0x2213;  // minus-plus
    case u'h':
      return 0x210F;  // h-bar
    default:
      return 0;
  }
}

const FontAlias* FindAlias(const QString& name) {
  for (const FontAlias& a : kAliases)
    if (name.compare(QLatin1String(a.windowsName), Qt::CaseInsensitive) == 0) return &a;
  return nullptr;
}

QString InstalledFamily(const QString& name) {
  if (!QGuiApplication::instance()) return QString();
  for (const QString& f : QFontDatabase::families())
    if (f.compare(name, Qt::CaseInsensitive) == 0) return f;
  return QString();
}

}  // namespace

double ScreenTwipsPerPixelX() {
  return kScreenTwipsPerPixel;
}

double ScreenTwipsPerPixelY() {
  return kScreenTwipsPerPixel;
}

double DesignFontSize(double points) {
  return points * ScreenTwipsPerPixelX() / 15.0;
}

QString DialogFontName() {
  return QStringLiteral("MS Sans Serif");
}

QString MapFontFamily(const QString& windowsName) {
  const QString name = windowsName.trimmed();
  if (name.isEmpty()) return QString();
  if (const FontAlias* a = FindAlias(name)) return QString::fromLatin1(a->family);
  return InstalledFamily(name);
}

QString CanonicalFontName(const QString& windowsName) {
  const QString name = windowsName.trimmed();
  if (name.isEmpty()) return QString();
  if (const FontAlias* a = FindAlias(name)) return QString::fromLatin1(a->windowsName);
  return InstalledFamily(name);
}

bool IsSymbolFont(const QString& windowsName) {
  return windowsName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 ||
         windowsName.compare(QLatin1String("MT Extra"), Qt::CaseInsensitive) == 0;
}

QString SymbolFontToUnicode(const QString& windowsName, const QString& text) {
  if (!IsSymbolFont(windowsName)) return text;
  const bool symbol = windowsName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
  QString out = text;
  for (QChar& qc : out) {
    const char16_t c = qc.unicode();
    char16_t u = 0;
    if (symbol) {
      if (c >= 0x20 && c <= 0xFF) u = kSymbolEncoding[c - 0x20];
    } else {
      u = MtExtra(c);
    }
    if (u) qc = QChar(u);
  }
  return out;
}

QFont WidgetFont(const QString& windowsName, double points, bool bold, bool italic) {
  QString family = MapFontFamily(windowsName);
  if (family.isEmpty()) family = MapFontFamily(DialogFontName());
  QFont f(family);
  // Points to pixels on the 96-dpi screen the windows were designed on.
  double size = DesignFontSize(points);
  if (!(size > 0)) size = 8;
  size = std::min(size, 2160.0);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(size * 20.0 / kScreenTwipsPerPixel))));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

}  // namespace platform
