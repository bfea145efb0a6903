// Windows font names mapped to installed fonts, the symbol fonts' 8-bit
// encodings, and the design-size rule for fonts on the screen.
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Windows are laid out in screen pixels of 15 twips, whatever the real screen:
// a 96-dpi design keeps its pixel sizes.
constexpr double kScreenTwipsPerPixel = 15.0;
double ScreenTwipsPerPixelX();
double ScreenTwipsPerPixelY();

// A font of design size N points is set to N * (twips per pixel) / 15, so that
// text keeps its pixel size.
double DesignFontSize(double points);

// The font the windows' controls use.
QString DialogFontName();

// The installed family that stands for a Windows font name ("Arial" gives
// "Liberation Sans", "Symbol" a font holding the symbols' Unicode equivalents).
// Names are compared without regard to case. An installed family stands for
// itself. Empty for an empty or unknown name.
QString MapFontFamily(const QString& windowsName);

// The name as the program knows it ("arial" gives "Arial"); empty when unknown.
QString CanonicalFontName(const QString& windowsName);

// "Symbol" and "MT Extra": their text is in the font's own 8-bit encoding.
bool IsSymbolFont(const QString& windowsName);

// Text written in a symbol font's encoding (each character taken as its
// Windows-1252 code) turned into the Unicode characters that font shows:
// "a" in "Symbol" is U+03B1. Other fonts' text is returned unchanged.
QString SymbolFontToUnicode(const QString& windowsName, const QString& text);

// A widget font for a Windows name and design size in points, sized in pixels
// so that it looks as it did on a 96-dpi screen.
QFont WidgetFont(const QString& windowsName, double points, bool bold = false, bool italic = false);

}  // namespace platform
