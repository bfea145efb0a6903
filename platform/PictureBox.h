// A picture box: a widget showing a persistent picture that the drawing code
// draws on. The picture follows the widget's size and keeps what was drawn;
// it reports left clicks and double clicks. On a scaled screen it is shown
// from its copy at the screen's density.
#pragma once

#include <QWidget>

#include "platform/DrawTarget.h"

namespace platform {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr, ColorValue backColor = 0xFFFFFF);

  // The picture, at the widget's current size (also while hidden, when Qt
  // defers the resize event).
  PictureTarget& Target();
  const PictureTarget& Target() const { return target_; }

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  PictureTarget target_;
};

}  // namespace platform
