// Small widgets that behave like a window's controls: each keeps its own
// position and size in (possibly fractional) pixels, its visibility, enabled
// state and tag, so the program can read back exactly what it set even while
// the control sits on a hidden page.
#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace platform {

// Position, size, visibility and tag of one control. Geometry is applied to
// the widget rounded to whole pixels (edges rounded, so sizes stay consistent).
class Placement {
 public:
  // The widget starts at (0, 0) with no size, like the control's own state.
  explicit Placement(QWidget* widget) : widget_(widget) { widget_->setGeometry(0, 0, 0, 0); }
  virtual ~Placement() = default;

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double v);
  void SetTop(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  QString Tag;

 protected:
  virtual void ApplyGeometry();
  QWidget* widget_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

// Gives the widget (and the children that set none of their own) a fixed
// back colour and the text colours that read on it: a theme's text colours
// suit only the theme's own backgrounds, white text on a dark theme's.
// Boxes and lists inside get a white ground; a disabled text shows grey.
void SetFixedColours(QWidget* widget, const QColor& back, const QColor& text = QColor(0, 0, 0));

// A fixed back colour, with its text colours, for any widget.
void SetBackColor(QWidget* widget, const QColor& color);

// Font of design size n points at the screen's pixel scale, face Arial.
QFont ScaledFont(double points, bool bold = false, const QString& face = QStringLiteral("Arial"));

// Widget with a back colour that holds other controls: a page, a panel, a
// group box, a button strip.
class Panel : public QWidget, public Placement {
  Q_OBJECT
 public:
  explicit Panel(QWidget* parent);
  QColor BackColor() const { return back_; }
  void SetBackColor(const QColor& c);
  double FontSize() const { return fontSize_; }
  void SetFontSize(double points, bool bold = false);

 private:
  QColor back_;
  double fontSize_ = 8;
};

// Text label; transparent unless given an opaque back colour. Reports the
// mouse buttons as 1 (left), 2 (right) and 4 (middle).
class Label : public QLabel, public Placement {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c);
  QColor ForeColor() const { return fore_; }
  void SetForeColor(const QColor& c);
  void SetOpaqueBack(const QColor& c);
  double FontSize() const { return fontSize_; }
  bool FontBold() const { return bold_; }
  void SetFont(double points, bool bold);
  void SetFontBold(bool bold);
  void SetCentered(bool centered);

 signals:
  void mouseDown(int button);
  void mouseUp(int button);
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QString caption_;
  QColor fore_{0, 0, 0};
  double fontSize_ = 8;
  bool bold_ = false;
  bool pressed_ = false;
};

// The caption of an image button, laid over its face: centred, with the hand
// pointer. Tab reaches it; focused, it shows a dotted frame, and Space or
// Enter press it as the left button does: mouseDown(1) when the key goes
// down, mouseUp(1) and clicked when it comes up.
class ButtonCaption : public Label {
  Q_OBJECT
 public:
  explicit ButtonCaption(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  int heldKey_ = 0;  // the key holding the button down
};

// Wires an image button's caption to its window's handlers of button index:
// the click, and the button (or key) going down and coming up.
template <class Window>
void ConnectButtonCaption(ButtonCaption* caption, Window* window, int index,
                          void (Window::*click)(int), void (Window::*down)(int, int),
                          void (Window::*up)(int, int)) {
  QObject::connect(caption, &Label::clicked, window, [=] { (window->*click)(index); });
  QObject::connect(caption, &Label::mouseDown, window, [=](int b) { (window->*down)(index, b); });
  QObject::connect(caption, &Label::mouseUp, window, [=](int b) { (window->*up)(index, b); });
}

// Opens the window (each time it shows) with the focus on the window itself
// rather than on its first button: keys go to the window's own handler, so
// Enter does only what the window gives it, until the user moves to a
// control with Tab.
void FocusWindowOnOpen(QWidget* window);

// Image: shows its picture at the picture's own size (in the screen's units,
// whatever its pixel ratio); assigning a picture gives the control that size.
// The mouse goes through it to what lies behind unless it takes the mouse (a
// slider thumb).
class ImageControl : public QWidget, public Placement {
  Q_OBJECT
 public:
  explicit ImageControl(QWidget* parent);
  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& p);
  void TakeMouse();
  // Horizontal screen position of the cursor at the last mouse event.
  double CursorX() const { return cursorX_; }

 signals:
  void mouseDown(int button);
  void mouseMove();
  void mouseUp(int button);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QPixmap picture_;
  double cursorX_ = 0;
};

// Single-line value box. A box that is not being edited shows the start of
// its text (the sign and leading digits of a number). Text wider than the box
// is drawn smaller, then narrower, until the whole of it fits, so a number
// never loses its exponent; when the text does not fit at the box's own
// font, the whole of it is also the box's tooltip.
class TextBox : public QLineEdit, public Placement {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent);
  QString Text() const { return text(); }
  // The program's own write: the box shows the start of the new text.
  void SetText(const QString& t);
  // Selects the whole text and shows its start, so typing replaces it.
  void SelectAllShowingStart();
  // Whether the whole text fits in the box at the font it was given.
  bool TextFits() const;
  // Whether the whole text fits in the box at the font it is drawn with.
  bool ShowsWholeText() const;
  bool Locked() const { return locked_; }
  void SetLocked(bool v);
  double FontSize() const { return fontSize_; }
  void SetFont(double points, bool bold);

 signals:
  // A typed character (its code; 13 Enter, 8 Backspace). A handler that sets
  // the code to 0 discards the key. Shortcuts (select all, copy, cut, paste,
  // undo) and movement keys are no characters: they always reach the box.
  void keyPress(int* keyAscii);
  // Any key pressed: Qt key code (13 for Enter) and modifiers.
  void keyDown(int keyCode, int shift);
  void gotFocus();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Width in pixels the text may take.
  int TextRoom() const;
  void FitTextToBox();
  bool locked_ = false;
  double fontSize_ = 8;
  bool bold_ = false;
};

// List of text rows; ListIndex -1 while no row is chosen. The current row is
// always the highlighted one; a focused list shows a frame.
class ListBox : public QListWidget, public Placement {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* parent);
  void AddItem(const QString& t) { addItem(t); }
  void Clear() { clear(); }
  int ListCount() const { return count(); }
  QString List(int row) const;
  int ListIndex() const { return currentRow(); }
  void SetListIndex(int row) { setCurrentRow(row); }
  QString Text() const { return List(currentRow()); }
  double FontSize() const { return fontSize_; }
  void SetFont(double points);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  void ShowWholeRowsOnly();
  // Whole rows the list shows at once.
  int RowsPerPage() const;
  double fontSize_ = 8;
};

// Rectangle with a border, filled unless made a frame only, drawn behind the
// controls; the mouse goes through it.
class Shape : public QWidget, public Placement {
  Q_OBJECT
 public:
  explicit Shape(QWidget* parent);
  Shape(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth = 1,
        bool filled = true);
  QColor BackColor() const { return back_; }
  void SetBackColor(const QColor& c);
  QColor BorderColor() const { return border_; }
  void SetBorderColor(const QColor& c);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor back_{255, 255, 255};
  QColor border_{0, 0, 0};
  int borderWidth_ = 1;
  bool filled_ = true;
};

// Straight line between (X1, Y1) and (X2, Y2) in its container's pixels.
class LineControl : public QWidget, public Placement {
  Q_OBJECT
 public:
  explicit LineControl(QWidget* parent);
  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetLine(double x1, double y1, double x2, double y2);
  void SetX1(double v) { SetLine(v, y1_, x2_, y2_); }
  void SetX2(double v) { SetLine(x1_, y1_, v, y2_); }
  void SetY1(double v) { SetLine(x1_, v, x2_, y2_); }
  void SetY2(double v) { SetLine(x1_, y1_, x2_, v); }
  QColor BorderColor() const { return color_; }
  void SetBorderColor(const QColor& c);

 protected:
  void ApplyGeometry() override;
  void paintEvent(QPaintEvent*) override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  QColor color_{0, 0, 0};
};

// Option button; exclusive with the other options of its group. Reports
// double clicks.
class OptionButton : public QRadioButton, public Placement {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent);
  bool Value() const { return isChecked(); }
  void SetValue(bool v) { setChecked(v); }
  bool FontBold() const { return bold_; }
  void SetFont(double points, bool bold);
  void SetFontBold(bool bold);
  void SetBackColor(const QColor& c);

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  double fontSize_ = 8;
  bool bold_ = false;
};

}  // namespace platform
