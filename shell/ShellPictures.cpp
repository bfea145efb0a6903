#include "shell/ShellPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/Fonts.h"

namespace shell {

namespace {
// A band of soft diagonal stripes from one green to another.
QPixmap Banner(const QColor& from, const QColor& to, const QColor& stripe) {
  QPixmap p(kBannerWidth, kBannerHeight);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, kBannerWidth, kBannerHeight);
  fill.setColorAt(0, from);
  fill.setColorAt(1, to);
  g.fillRect(p.rect(), fill);
  g.setPen(QPen(stripe, 9));
  for (int x = -kBannerHeight; x < kBannerWidth; x += 46)
    g.drawLine(x, kBannerHeight + 4, x + kBannerHeight + 8, -4);
  return p;
}
}  // namespace

QPixmap UpperBannerPicture() {
  return Banner(QColor(0, 102, 51), QColor(96, 190, 128), QColor(255, 255, 255, 28));
}

QPixmap LowerBannerPicture() {
  return Banner(QColor(150, 222, 172), QColor(197, 250, 215), QColor(0, 102, 51, 24));
}

QPixmap LogoPicture() {
  QPixmap p(kLogoWidth, kLogoHeight);
  p.fill(Qt::white);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0, 102, 51), 2));
  g.setBrush(QColor(197, 250, 215));
  g.drawEllipse(QRectF(6, 13, 32, 32));
  g.setPen(QPen(QColor(0, 102, 51), 4));
  g.drawLine(QPointF(12, 29), QPointF(32, 29));
  g.setPen(QColor(0, 102, 51));
  g.setFont(platform::WidgetFont(QStringLiteral("Arial"), 12, true));
  g.drawText(QRectF(44, 0, kLogoWidth - 46, kLogoHeight), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("Quillenmarch"));
  return p;
}

QPixmap NewVersionNoticePicture() {
  QPixmap p(kNoticeWidth, kNoticeHeight);
  p.fill(Qt::white);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  // A box with an arrow pointing down into it.
  const QColor blue(102, 153, 255), dark(0, 0, 128);
  g.setPen(QPen(dark, 2));
  g.setBrush(QColor(232, 240, 255));
  g.drawRoundedRect(QRectF(12, 78, 78, 50), 6, 6);
  QPainterPath arrow;
  arrow.moveTo(40, 12);
  arrow.lineTo(62, 12);
  arrow.lineTo(62, 48);
  arrow.lineTo(78, 48);
  arrow.lineTo(51, 80);
  arrow.lineTo(24, 48);
  arrow.lineTo(40, 48);
  arrow.closeSubpath();
  g.setBrush(blue);
  g.drawPath(arrow);
  g.setFont(platform::WidgetFont(QStringLiteral("Arial"), 11, true));
  g.drawText(QRectF(12, 92, 78, 30), Qt::AlignCenter, QStringLiteral("NEW"));
  return p;
}

}  // namespace shell
