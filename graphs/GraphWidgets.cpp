#include "graphs/GraphWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace graphs_ui {

void SetBackColor(QWidget* widget, const QColor& color) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, color);
  pal.setColor(QPalette::Button, color);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

FrameShape::FrameShape(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth,
                       bool filled)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth), filled_(filled) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (filled_) p.fillRect(rect(), fill_);
  p.setPen(Qt::NoPen);
  p.setBrush(border_);
  const int b = borderWidth_;
  p.drawRect(0, 0, width(), b);
  p.drawRect(0, height() - b, width(), b);
  p.drawRect(0, 0, b, height());
  p.drawRect(width() - b, 0, b, height());
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  resize(picture.size());
  update();
}

void ImageBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

ButtonCaption::ButtonCaption(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
  setPalette(pal);
  setCursor(Qt::PointingHandCursor);
}

void ButtonCaption::mousePressEvent(QMouseEvent* e) {
  pressed_ = true;
  emit mouseDown(e->button() == Qt::LeftButton ? 1 : 2);
}

void ButtonCaption::mouseReleaseEvent(QMouseEvent* e) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  emit mouseUp(e->button() == Qt::LeftButton ? 1 : 2);
  if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
    emit clicked();
}

ClickablePicture::ClickablePicture(QWidget* parent, platform::ColorValue backColor)
    : platform::PictureBox(parent, backColor) {}

void ClickablePicture::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
}

void ClickablePicture::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace graphs_ui
