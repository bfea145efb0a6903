#include "mainwin/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {
QPixmap Blank(int w, int h) {
  QPixmap p(w, h);
  p.fill(Qt::transparent);
  return p;
}
}  // namespace

QPixmap TabPicture(bool selected) {
  QPixmap pix = Blank(kTabWidth, kTabHeight);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = 7;
  QPainterPath path;
  path.moveTo(0.5, kTabHeight);
  path.lineTo(0.5, r);
  path.quadTo(0.5, 0.5, r, 0.5);
  path.lineTo(kTabWidth - r, 0.5);
  path.quadTo(kTabWidth - 0.5, 0.5, kTabWidth - 0.5, r);
  path.lineTo(kTabWidth - 0.5, kTabHeight);
  QLinearGradient g(0, 0, 0, kTabHeight);
  if (selected) {
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(0.45, QColor(214, 228, 255));
    g.setColorAt(1, QColor(176, 200, 248));
  } else {
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.6, QColor(240, 240, 242));
    g.setColorAt(1, QColor(212, 212, 218));
  }
  p.fillPath(path, g);
  p.setPen(QPen(selected ? QColor(96, 120, 184) : QColor(150, 150, 160), 1));
  p.drawPath(path);
  return pix;
}

QPixmap SliderThumbPicture() {
  QPixmap pix = Blank(kThumbWidth, kThumbHeight);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  // A house-shaped marker: point at the top centre, on the track.
  QPainterPath path;
  path.moveTo(7.5, 0.5);
  path.lineTo(14.5, 6.5);
  path.lineTo(14.5, 13.5);
  path.lineTo(0.5, 13.5);
  path.lineTo(0.5, 6.5);
  path.closeSubpath();
  QLinearGradient g(0, 0, 0, kThumbHeight);
  g.setColorAt(0, QColor(120, 160, 240));
  g.setColorAt(1, QColor(30, 70, 170));
  p.fillPath(path, g);
  p.setPen(QPen(QColor(20, 40, 110), 1));
  p.drawPath(path);
  return pix;
}

namespace {
struct Quantity {
  const char* markup;
  int width;
};

// Symbol in italics, subscripts small and low ("_" lowers one character),
// letter subscripts upright.
const Quantity kQuantities[kNumQuantities] = {
    {"&+IE&-I\xC2\xB7&+II&-I =", 43},  // 0  E·I
    {"&+IL&-I =", 27},                 // 1  L
    {"&+Ia&-I =", 25},                 // 2  a
    {"&+Ib&-I =", 25},                 // 3  b
    {"&+Ic&-I =", 24},                 // 4  c
    {"&+IP&-I =", 28},                 // 5  P
    {"&+IP&-I_1 =", 31},               // 6  P1
    {"&+IP&-I_2 =", 33},               // 7  P2
    {"&+Iw&-I_0 =", 34},               // 8  w0
    {"&+Iw&-I =", 27},                 // 9  w
    {"&+IM&-I_0 =", 41},               // 10  M0
    {"&+IM&-I_A =", 43},               // 11  MA
    {"&+IM&-I_B =", 42},               // 12  MB
    {"&+Ix&-I =", 25},                 // 13  x
    {"&+Iy&-I =", 26},                 // 14  y
    {"&+Iy&-I_M_A_X =", 54},           // 15  yMAX
    {"&+I&theta&-I =", 26},            // 16  θ
    {"&+I&theta&-I_A =", 32},          // 17  θA
    {"&+I&theta&-I_B =", 32},          // 18  θB
    {"&+IM&-I =", 37},                 // 19  M
    {"&+IM&-I_M_A_X =", 64},           // 20  MMAX
    {"&+IV&-I =", 28},                 // 21  V
    {"&+Iw&-I_1 =", 34},               // 22  w1
    {"&+Iw&-I_2 =", 36},               // 23  w2
    {"&+IV&-I_A =", 35},               // 24  VA
    {"&+IV&-I_B =", 34},               // 25  VB
    {"&+IM&-I_1 =", 41},               // 26  M1
    {"&+IM&-I_2 =", 43},               // 27  M2
};
}  // namespace

int QuantityWidth(int index) {
  if (index < 0 || index >= kNumQuantities) return 0;
  return kQuantities[index].width;
}

QString QuantityMarkup(int index) {
  if (index < 0 || index >= kNumQuantities) return QString();
  return QString::fromUtf8(kQuantities[index].markup);
}

}  // namespace artwork
