#include "platform/Controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "platform/Fonts.h"

namespace platform {

namespace {
int Px(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

int MouseButtonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}
}  // namespace

void Placement::SetLeft(double v) {
  left_ = v;
  ApplyGeometry();
}
void Placement::SetTop(double v) {
  top_ = v;
  ApplyGeometry();
}
void Placement::SetWidth(double v) {
  width_ = v;
  ApplyGeometry();
}
void Placement::SetHeight(double v) {
  height_ = v;
  ApplyGeometry();
}
void Placement::Move(double left, double top) {
  left_ = left;
  top_ = top;
  ApplyGeometry();
}
void Placement::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
}

void Placement::SetVisible(bool v) {
  visible_ = v;
  widget_->setVisible(v);
}

void Placement::SetEnabled(bool v) {
  enabled_ = v;
  widget_->setEnabled(v);
}

void Placement::ApplyGeometry() {
  const int x = Px(left_);
  const int y = Px(top_);
  const int w = std::max(0, Px(left_ + width_) - x);
  const int h = std::max(0, Px(top_ + height_) - y);
  widget_->setGeometry(x, y, w, h);
}

void SetFixedColours(QWidget* widget, const QColor& back, const QColor& text) {
  QPalette p = widget->palette();
  for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Button}) p.setColor(ground, back);
  p.setColor(QPalette::Base, QColor(255, 255, 255));
  p.setColor(QPalette::AlternateBase, QColor(255, 255, 255));
  for (QPalette::ColorRole ink : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    p.setColor(ink, text);
    p.setColor(QPalette::Disabled, ink, QColor(150, 150, 160));
  }
  widget->setPalette(p);
}

void SetBackColor(QWidget* widget, const QColor& color) {
  SetFixedColours(widget, color);
  widget->setAutoFillBackground(true);
}

QFont ScaledFont(double points, bool bold, const QString& face) {
  return WidgetFont(face, points, bold);
}

Panel::Panel(QWidget* parent) : QWidget(parent), Placement(this) {
  setAutoFillBackground(true);
  SetBackColor(QColor(255, 255, 255));
}

void Panel::SetBackColor(const QColor& c) {
  back_ = c;
  SetFixedColours(this, c);
}

void Panel::SetFontSize(double points, bool bold) {
  fontSize_ = points;
  setFont(ScaledFont(points, bold));
}

Label::Label(QWidget* parent) : QLabel(parent), Placement(this) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetForeColor(fore_);
}

void Label::SetCaption(const QString& c) {
  caption_ = c;
  setText(c);
}

void Label::SetForeColor(const QColor& c) {
  fore_ = c;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, c);
  // A disabled caption shows greyed, whatever its colour.
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 160));
  setPalette(p);
}

void Label::SetOpaqueBack(const QColor& c) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, c);
  setPalette(p);
}

void Label::SetFont(double points, bool bold) {
  fontSize_ = points;
  bold_ = bold;
  setFont(ScaledFont(points, bold));
}

void Label::SetFontBold(bool bold) {
  SetFont(fontSize_, bold);
}

void Label::SetCentered(bool centered) {
  setAlignment((centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}

void Label::mousePressEvent(QMouseEvent* e) {
  pressed_ = true;
  emit mouseDown(MouseButtonCode(e->button()));
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
  emit mouseUp(MouseButtonCode(e->button()));
  const bool inside = rect().contains(e->position().toPoint());
  if (pressed_ && inside && e->button() == Qt::LeftButton) emit clicked();
  pressed_ = false;
}

void Label::mouseDoubleClickEvent(QMouseEvent* e) {
  pressed_ = true;
  emit mouseDown(MouseButtonCode(e->button()));
  emit doubleClicked();
}

ButtonCaption::ButtonCaption(QWidget* parent) : Label(parent) {
  SetCentered(true);
  SetForeColor(QColor(0, 0, 128));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
}

void ButtonCaption::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if (k != Qt::Key_Space && k != Qt::Key_Return && k != Qt::Key_Enter) {
    Label::keyPressEvent(e);  // Esc and the rest go on to the window
    return;
  }
  if (!e->isAutoRepeat() && heldKey_ == 0) {
    heldKey_ = k;
    emit mouseDown(1);
  }
}

void ButtonCaption::keyReleaseEvent(QKeyEvent* e) {
  if (e->isAutoRepeat() || e->key() != heldKey_ || heldKey_ == 0) {
    Label::keyReleaseEvent(e);
    return;
  }
  heldKey_ = 0;
  emit mouseUp(1);
  emit clicked();
}

void ButtonCaption::focusOutEvent(QFocusEvent* e) {
  // Leaving while a key holds it down lets it up without a click.
  if (heldKey_ != 0) {
    heldKey_ = 0;
    emit mouseUp(1);
  }
  Label::focusOutEvent(e);
}

void ButtonCaption::paintEvent(QPaintEvent* e) {
  Label::paintEvent(e);
  if (!hasFocus()) return;
  QPainter p(this);
  p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  const QRect text =
      fontMetrics().boundingRect(rect(), static_cast<int>(alignment()), this->text());
  p.drawRect(text.adjusted(-3, -1, 2, 0).intersected(rect().adjusted(0, 0, -1, -1)));
}

namespace {
class FocusOnShow : public QObject {
 public:
  explicit FocusOnShow(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    // Before the window is activated, which would focus its first button.
    if (e->type() == QEvent::Show) window_->setFocus(Qt::OtherFocusReason);
    return false;
  }

 private:
  QWidget* window_;
};
}  // namespace

void FocusWindowOnOpen(QWidget* window) {
  new FocusOnShow(window);
}

ImageControl::ImageControl(QWidget* parent) : QWidget(parent), Placement(this) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::TakeMouse() {
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void ImageControl::SetPicture(const QPixmap& p) {
  picture_ = p;
  if (!p.isNull()) {
    // A picture drawn for a scaled screen has more pixels than it is wide.
    width_ = p.deviceIndependentSize().width();
    height_ = p.deviceIndependentSize().height();
    ApplyGeometry();
  }
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

// An image that does not take the mouse leaves it to what lies behind.
void ImageControl::mousePressEvent(QMouseEvent* e) {
  if (testAttribute(Qt::WA_TransparentForMouseEvents)) return e->ignore();
  cursorX_ = e->globalPosition().x();
  emit mouseDown(MouseButtonCode(e->button()));
}
void ImageControl::mouseMoveEvent(QMouseEvent* e) {
  if (testAttribute(Qt::WA_TransparentForMouseEvents)) return e->ignore();
  cursorX_ = e->globalPosition().x();
  emit mouseMove();
}
void ImageControl::mouseReleaseEvent(QMouseEvent* e) {
  if (testAttribute(Qt::WA_TransparentForMouseEvents)) return e->ignore();
  cursorX_ = e->globalPosition().x();
  emit mouseUp(MouseButtonCode(e->button()));
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), Placement(this) {
  QPalette p = palette();
  p.setColor(QPalette::Base, QColor(255, 255, 255));
  p.setColor(QPalette::Text, QColor(0, 0, 128));
  setPalette(p);
  setFrame(false);
  connect(this, &QLineEdit::textChanged, this, [this] { FitTextToBox(); });
}

void TextBox::SetText(const QString& t) {
  setText(t);
  // Setting the text puts the cursor at its end, which scrolls a narrow box
  // to the last digits and hides the sign.
  setCursorPosition(0);
}

void TextBox::SelectAllShowingStart() {
  const int n = static_cast<int>(text().size());
  setSelection(n, -n);  // the cursor ends at the start
}

int TextBox::TextRoom() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
  constexpr int kSideMargins = 2 * 2;  // the line edit keeps 2 pixels free on each side
  return contents.width() - kSideMargins;
}

bool TextBox::TextFits() const {
  return QFontMetrics(ScaledFont(fontSize_, bold_)).horizontalAdvance(text()) <= TextRoom();
}

bool TextBox::ShowsWholeText() const {
  return fontMetrics().horizontalAdvance(text()) <= TextRoom();
}

// Half-point steps down to a size that still reads, then a narrower face:
// a number shown whole, however small, is never read wrong.
void TextBox::FitTextToBox() {
  constexpr double kSmallestPoints = 7;
  constexpr int kNarrowestStretch = 50;
  const int room = TextRoom();
  const QString t = text();
  QFont f = ScaledFont(fontSize_, bold_);
  int width = QFontMetrics(f).horizontalAdvance(t);
  const bool fitsAtOwnFont = width <= room;
  for (double points = fontSize_; width > room && points > kSmallestPoints;) {
    points = std::max(kSmallestPoints, points - 0.5);
    f = ScaledFont(std::min(points, fontSize_), bold_);
    width = QFontMetrics(f).horizontalAdvance(t);
  }
  for (int stretch = 95; width > room && room > 0 && stretch >= kNarrowestStretch; stretch -= 5) {
    f.setStretch(stretch);
    width = QFontMetrics(f).horizontalAdvance(t);
  }
  if (f != font()) setFont(f);
  setToolTip(fitsAtOwnFont ? QString() : t);
}

void TextBox::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  FitTextToBox();
}

void TextBox::SetLocked(bool v) {
  locked_ = v;
  setReadOnly(v);
}

void TextBox::SetFont(double points, bool bold) {
  fontSize_ = points;
  bold_ = bold;
  setFont(ScaledFont(points, bold));
  FitTextToBox();
}

void TextBox::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  emit keyDown(enter ? 13 : e->key(), static_cast<int>(e->modifiers() >> 25));
  // Only a typed character goes through the filter: with Ctrl or Meta held a
  // key is a shortcut, and its control code (1 for Ctrl+A, 26 for Ctrl+Z) is
  // no character.
  const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  int code = 0;
  if (enter)
    code = 13;
  else if (e->key() == Qt::Key_Backspace)
    code = 8;
  else if (!shortcut && !e->text().isEmpty() && e->text().at(0).isPrint())
    code = e->text().at(0).unicode();
  if (code != 0) {
    int kept = code;
    emit keyPress(&kept);
    if (kept == 0) return;
  }
  QLineEdit::keyPressEvent(e);
}

void TextBox::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Leaving the box ends the edit; a menu or another window opening does not.
  if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
    setCursorPosition(0);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent), Placement(this) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // The current row is always the highlighted one, however it was moved
  // (Ctrl+arrow moves it alone), before anyone hears of the change.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && !item(row)->isSelected())
      selectionModel()->select(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
  });
  setUniformItemSizes(true);
  // A white list like the page it lies on, whatever the theme; the strip
  // below the last whole row looks like the rest of the list.
  SetFixedColours(this, QColor(255, 255, 255));
  setAutoFillBackground(true);
}

QString ListBox::List(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->text() : QString();
}

void ListBox::SetFont(double points) {
  fontSize_ = points;
  setFont(ScaledFont(points));
  ShowWholeRowsOnly();
}

void ListBox::focusInEvent(QFocusEvent* e) {
  // Taking the focus (Tab, the window coming back) chooses no row: the view
  // would make the first row current, which would read as a choice.
  viewport()->update();  // the focus frame shows
  if (currentRow() >= 0) {
    QListWidget::focusInEvent(e);
    return;
  }
  const QSignalBlocker block(this);
  QListWidget::focusInEvent(e);
  selectionModel()->clear();
}

void ListBox::focusOutEvent(QFocusEvent* e) {
  QListWidget::focusOutEvent(e);
  viewport()->update();  // the focus frame goes
}

// From no chosen row the view would take every key to the first row: End
// and PageDown go where they would have gone from the first row.
void ListBox::keyPressEvent(QKeyEvent* e) {
  const int last = count() - 1;
  if (currentRow() < 0 && last >= 0 && e->modifiers() == Qt::NoModifier) {
    if (e->key() == Qt::Key_End) {
      setCurrentRow(last);
      return;
    }
    if (e->key() == Qt::Key_PageDown) {
      setCurrentRow(std::min(last, RowsPerPage() - 1));
      return;
    }
  }
  QListWidget::keyPressEvent(e);
}

void ListBox::paintEvent(QPaintEvent* e) {
  QListWidget::paintEvent(e);
  if (!hasFocus()) return;
  QPainter p(viewport());
  p.setPen(palette().color(QPalette::Active, QPalette::Highlight));
  p.setBrush(Qt::NoBrush);
  p.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

// Ctrl+click on the chosen row would take its highlight while the row stays
// chosen: a row is chosen by choosing another one, never un-chosen.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
    return QItemSelectionModel::NoUpdate;
  return flags;
}

int ListBox::RowsPerPage() const {
  const int hint = count() > 0 ? sizeHintForRow(0) : -1;
  const int row = std::max(1, hint > 0 ? hint : fontMetrics().height() + 2);
  return std::max(1, viewport()->height() / row);
}

void ListBox::resizeEvent(QResizeEvent* e) {
  QListWidget::resizeEvent(e);
  ShowWholeRowsOnly();
}

// Like a list box of fixed height, the list shows whole rows only: the spare
// pixels below the last whole row stay empty instead of showing a cut row.
void ListBox::ShowWholeRowsOnly() {
  const int hint = count() > 0 ? sizeHintForRow(0) : -1;
  const int row = std::max(1, hint > 0 ? hint : fontMetrics().height() + 2);
  const int frame = 2 * frameWidth();
  const int spare = std::max(0, height() - frame) % row;
  setViewportMargins(0, 0, 0, spare);
}

Shape::Shape(QWidget* parent) : QWidget(parent), Placement(this) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

Shape::Shape(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth,
             bool filled)
    : Shape(parent) {
  back_ = fill;
  border_ = border;
  borderWidth_ = borderWidth;
  filled_ = filled;
}

void Shape::SetBackColor(const QColor& c) {
  back_ = c;
  update();
}

void Shape::SetBorderColor(const QColor& c) {
  border_ = c;
  update();
}

// The border is four filled strips, not a drawn outline: at a fractional
// scale factor a one-pixel pen along the right and bottom edges falls outside
// the widget's pixels, and one along the left edge beside them.
void Shape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (filled_) p.fillRect(rect(), back_);
  const int b = borderWidth_;
  for (const QRect& side : {QRect(0, 0, width(), b), QRect(0, height() - b, width(), b),
                            QRect(0, 0, b, height()), QRect(width() - b, 0, b, height())})
    p.fillRect(side, border_);
}

LineControl::LineControl(QWidget* parent) : QWidget(parent), Placement(this) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::SetLine(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  ApplyGeometry();
}

void LineControl::SetBorderColor(const QColor& c) {
  color_ = c;
  update();
}

void LineControl::ApplyGeometry() {
  // The widget covers the line's bounding box, one pixel wider and higher.
  left_ = std::min(x1_, x2_);
  top_ = std::min(y1_, y2_);
  width_ = std::fabs(x2_ - x1_);
  height_ = std::fabs(y2_ - y1_);
  const int x = Px(left_);
  const int y = Px(top_);
  widget_->setGeometry(x, y, Px(left_ + width_) - x + 1, Px(top_ + height_) - y + 1);
  update();
}

void LineControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(color_);
  const QPoint origin(Px(left_), Px(top_));
  p.drawLine(QPoint(Px(x1_), Px(y1_)) - origin, QPoint(Px(x2_), Px(y2_)) - origin);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent), Placement(this) {
  setAutoFillBackground(true);
}

void OptionButton::SetFont(double points, bool bold) {
  fontSize_ = points;
  bold_ = bold;
  setFont(ScaledFont(points, bold));
}

void OptionButton::SetFontBold(bool bold) {
  if (bold != bold_) SetFont(fontSize_, bold);
}

void OptionButton::SetBackColor(const QColor& c) {
  SetFixedColours(this, c);
}

void OptionButton::mouseDoubleClickEvent(QMouseEvent* e) {
  QRadioButton::mouseDoubleClickEvent(e);
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace platform
