#include "platform/ButtonFace.h"

#include <QLinearGradient>
#include <QPainter>

#include "platform/Controls.h"

namespace platform {

QPixmap ButtonFacePicture(bool enabled) {
  QPixmap pix(kButtonFaceWidth, kButtonFaceHeight);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face(0.5, 0.5, kButtonFaceWidth - 2, kButtonFaceHeight - 2);
  // A soft shadow one pixel down and right.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(face.translated(1, 1), 8, 8);
  QLinearGradient g(0, 0, 0, kButtonFaceHeight);
  if (enabled) {
    g.setColorAt(0, QColor(246, 250, 255));
    g.setColorAt(0.5, QColor(208, 224, 255));
    g.setColorAt(1, QColor(168, 194, 246));
  } else {
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.5, QColor(242, 242, 244));
    g.setColorAt(1, QColor(214, 214, 220));
  }
  p.setBrush(g);
  p.setPen(QPen(enabled ? QColor(90, 116, 180) : QColor(168, 168, 176), 1));
  p.drawRoundedRect(face, 8, 8);
  return pix;
}

void ShowButtonPressed(Placement* face, Placement* caption, int x, int y, int captionDrop,
                       bool pressed) {
  const int d = pressed ? 1 : 0;
  face->Move(x + d, y + d);
  caption->Move(x + d, y + captionDrop + d);
}

}  // namespace platform
