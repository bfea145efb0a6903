// Small controls the graph windows are built from: framed rectangles, the
// picture of an image button with its caption over it, and picture boxes
// that report clicks and double clicks.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "platform/ButtonFace.h"
#include "platform/PictureBox.h"

namespace graphs_ui {

constexpr int kButtonWidth = platform::kButtonFaceWidth,
              kButtonHeight = platform::kButtonFaceHeight;

// A filled rectangle with a border, drawn behind other controls.
class FrameShape : public QWidget {
 public:
  FrameShape(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth = 1,
             bool filled = true);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor fill_, border_;
  int borderWidth_;
  bool filled_;
};

// A picture shown at its own size.
class ImageBox : public QWidget {
 public:
  explicit ImageBox(QWidget* parent);
  void SetPicture(const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap picture_;
};

// The caption of an image button: centred text that takes the mouse.
class ButtonCaption : public QLabel {
  Q_OBJECT
 public:
  explicit ButtonCaption(QWidget* parent);

 signals:
  void mouseDown(int button);
  void mouseUp(int button);
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
};

// A picture box that reports clicks and double clicks.
class ClickablePicture : public platform::PictureBox {
  Q_OBJECT
 public:
  ClickablePicture(QWidget* parent, platform::ColorValue backColor);

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A widget with a plain background colour.
void SetBackColor(QWidget* widget, const QColor& color);

}  // namespace graphs_ui
