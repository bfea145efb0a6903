// A picture box: a widget showing a persistent picture that the drawing code
// draws on. The picture follows the widget's size and keeps what was drawn.
#pragma once

#include <QWidget>

#include "platform/DrawTarget.h"

namespace platform {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent = nullptr, ColorValue backColor = 0xFFFFFF);

  // The picture, at the widget's current size (also while hidden, when Qt
  // defers the resize event).
  PictureTarget& Target();
  const PictureTarget& Target() const { return target_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  PictureTarget target_;
};

}  // namespace platform
