// The main window's own pictures, drawn by the program.
#pragma once

#include <QPixmap>
#include <QString>

namespace artwork {

constexpr int kTabWidth = 166, kTabHeight = 31;
constexpr int kThumbWidth = 15, kThumbHeight = 14;
constexpr int kQuantityHeight = 24;
constexpr int kNumQuantities = 28;

// A tab with rounded upper corners: light blue when selected, white to light
// grey when not.
QPixmap TabPicture(bool selected);

// The slider thumb: a small blue marker pointing up at the track.
QPixmap SliderThumbPicture();

// Width in pixels of quantity picture i (0..27).
int QuantityWidth(int index);
// The quantity's symbol followed by an equals sign, in formula mark-up.
QString QuantityMarkup(int index);
// Quantity picture i: the symbol and its equals sign, 24 pixels high.
QPixmap QuantityPicture(int index);

}  // namespace artwork
