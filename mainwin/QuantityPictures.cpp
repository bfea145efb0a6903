// The row pictures of the quantities, drawn from their formula mark-up.
#include <QFontMetricsF>
#include <QPainter>

#include "mainwin/Artwork.h"
#include "mainwin/Controls.h"

namespace artwork {

namespace {
// Draws (or, without a painter, measures) the mark-up subset the quantity
// pictures use: italics on/off, theta, one lowered character per "_".
double DrawMarkup(QPainter* p, const QString& s, double x, double baseline) {
  QFont base = ScaledFont(13, false, QStringLiteral("Times New Roman"));
  bool italic = false;
  for (int i = 0; i < s.size(); ++i) {
    QString ch = s.mid(i, 1);
    bool sub = false;
    if (s.mid(i, 3) == QLatin1String("&+I")) {
      italic = true;
      i += 2;
      continue;
    }
    if (s.mid(i, 3) == QLatin1String("&-I")) {
      italic = false;
      i += 2;
      continue;
    }
    if (s.mid(i, 6) == QLatin1String("&theta")) {
      ch = QString(QChar(0x03B8));
      i += 5;
    } else if (ch == QLatin1String("_") && i + 1 < s.size()) {
      ch = s.mid(++i, 1);
      sub = true;
    }
    QFont f = base;
    if (sub) f.setPixelSize(qRound(base.pixelSize() * 8.0 / 12));
    const bool upright = sub || ch == QLatin1String("=");
    f.setItalic(italic && !upright);
    const QFontMetricsF fm(f);
    const double gap = ch == QLatin1String("=") ? 0.04 * QFontMetricsF(base).height() : 0;
    const double y = sub ? baseline + QFontMetricsF(base).ascent() * 0.35 : baseline;
    x += gap;
    if (p) {
      p->setFont(f);
      p->drawText(QPointF(x, y), ch);
    }
    x += fm.horizontalAdvance(ch) + gap;
  }
  return x;
}
}  // namespace

QPixmap QuantityPicture(int index) {
  const int w = QuantityWidth(index);
  if (w <= 0) return QPixmap();
  QPixmap pix(w, kQuantityHeight);
  pix.fill(QColor(248, 250, 255));
  QPainter p(&pix);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(0, 0, 0));
  const QString markup = QuantityMarkup(index);
  // Right-aligned, so the equals sign stands next to the value box.
  const double textWidth = DrawMarkup(nullptr, markup, 0, 0);
  DrawMarkup(&p, markup, w - 2 - textWidth, 16);
  return pix;
}

}  // namespace artwork
