#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace platform {

PictureBox::PictureBox(QWidget* parent, ColorValue backColor)
    : QWidget(parent), target_(std::max(1, width()), std::max(1, height()), backColor) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  target_.SetChangedHandler([this] { update(); });
  target_.SetSharpRatio(devicePixelRatioF());
}

PictureTarget& PictureBox::Target() {
  target_.Resize(width(), height());
  return target_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  // A window moved to a screen of another density: what is drawn from now on
  // is as sharp as that screen's text.
  if (devicePixelRatioF() != target_.SharpRatio()) target_.SetSharpRatio(devicePixelRatioF());
  QPainter p(this);
  p.drawImage(QPointF(0, 0), target_.ShownImage());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  target_.Resize(event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace platform
