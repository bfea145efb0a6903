#include "output/frmImprimir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QValidator>
#include <cmath>

#include "engine/NumberText.h"
#include "graphs/GraphHooks.h"
#include "graphs/GraphState.h"
#include "platform/ButtonFace.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Printers.h"
#include "platform/Program.h"

namespace {
constexpr int kClientWidth = 477, kClientHeight = 286;
constexpr int kFaceWidth = 141, kFaceHeight = 34;

// Sheets numbered 1 2 3, in sets of three (collated) or page by page.
QPixmap SheetsPicture(int width, int height, bool collated) {
  QPixmap p(width, height);
  p.fill(Qt::white);
  QPainter g(&p);
  g.setFont(platform::WidgetFont(QStringLiteral("Arial"), 7));
  const char* const order = collated ? "123123" : "112233";
  const int sheet = collated ? 13 : 16;
  for (int k = 0; k < 6; ++k) {
    const int x = 2 + k * (sheet + 2), y = collated ? 4 + (k % 3) * 3 : 4 + (k % 2) * 3;
    const QRect r(x, y, sheet, height - 12);
    g.setPen(QColor(64, 64, 128));
    g.setBrush(QColor(240, 244, 255));
    g.drawRect(r);
    g.drawText(r, Qt::AlignCenter, QString(QChar::fromLatin1(order[k])));
  }
  return p;
}

// What the copies box may hold after any edit, typed, pasted or dropped: at
// most four characters, digits after a blank the dialog may put in front.
class CopiesValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (input.size() > 4) return Invalid;
    qsizetype i = 0;
    while (i < input.size() && input[i] == u' ') ++i;
    for (; i < input.size(); ++i)
      if (input[i] < u'0' || input[i] > u'9') return Invalid;
    return Acceptable;
  }
};

QPixmap FacePicture() {
  return platform::ButtonFacePicture().scaled(kFaceWidth, kFaceHeight, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
}
}  // namespace

int32_t CopiesInBox(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > 4) return 0;
  for (QChar c : digits)
    if (c < u'0' || c > u'9') return 0;
  return digits.toInt();
}

double BoxLeadingValue(const QString& text) {
  return Vigas::LeadingValueIgnoring(text.toStdString(), " \t", Vigas::Exponent::Ignore);
}

// ---- CopiesSpinner -------------------------------------------------------------

CopiesSpinner::CopiesSpinner(QWidget* parent) : QWidget(parent) {
  Up = new QToolButton(this);
  Up->setArrowType(Qt::UpArrow);
  Up->setAutoRepeat(true);
  Up->setFocusPolicy(Qt::NoFocus);
  Down = new QToolButton(this);
  Down->setArrowType(Qt::DownArrow);
  Down->setAutoRepeat(true);
  Down->setFocusPolicy(Qt::NoFocus);
  connect(Up, &QToolButton::clicked, this, [this] { SetValue(value_ + 1); });
  connect(Down, &QToolButton::clicked, this, [this] { SetValue(value_ - 1); });
}

bool CopiesSpinner::SetValue(double value) {
  if (!std::isfinite(value)) return false;
  const double v = std::nearbyint(value);
  if (v < Min || v > Max) return false;
  if (static_cast<int>(v) == value_) return true;
  value_ = static_cast<int>(v);
  emit changed();
  return true;
}

void CopiesSpinner::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  Up->setGeometry(0, 0, width(), half);
  Down->setGeometry(0, half, width(), height() - half);
}

// ---- frmImprimir ------------------------------------------------------------------

frmImprimir::frmImprimir(QWidget* parent) : QDialog(parent) {
  CreateControls();
  Form_Load();
}

void frmImprimir::CreateControls() {
  Shape1 = new platform::Shape(this, Qt::white, QColor(192, 192, 255));
  Label2 = new QLabel(this);
  Combo1 = new QComboBox(this);
  Combo1->setEditable(false);
  Label1 = new QLabel(this);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Text1 = new QLineEdit(this);
  Text1->setValidator(new CopiesValidator(Text1));
  VScroll1 = new CopiesSpinner(this);
  ChkCOLLATE = new QCheckBox(this);
  for (int i = 0; i < 2; ++i) ImgCOLLATE[i] = new platform::ImageControl(this);
  ChK_BN = new QCheckBox(this);
  for (int i = 0; i < 2; ++i) {
    Image1[i] = new platform::ImageControl(this);
    Label3[i] = new platform::ButtonCaption(this);
    platform::ConnectButtonCaption(Label3[i], this, i, &frmImprimir::Label3_Click,
                                   &frmImprimir::Label3_MouseDown, &frmImprimir::Label3_MouseUp);
  }

  connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  connect(ChkCOLLATE, &QCheckBox::clicked, this, [this] { ChkCOLLATE_Click(); });
  connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(VScroll1, &CopiesSpinner::changed, this, [this] { VScroll1_Change(); });
  Text1->installEventFilter(this);
}

void frmImprimir::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("Print")));
  Label2->setText(GetL_win(QStringLiteral("Printer")));
  Label1->setText(GetL_win(QStringLiteral("NumberCopies")));
  ChkCOLLATE->setText(GetL_win(QStringLiteral("Collate")));
  ChK_BN->setText(GetL_win(QStringLiteral("Black&White")));
  Label3[0]->setText(GetL_win(QStringLiteral("Print")));
  Label3[1]->setText(GetL_win(QStringLiteral("Cancel")));
}

void frmImprimir::Form_Load() {
  // Fixed client size, centred on the screen, controls in place.
  setFixedSize(kClientWidth, kClientHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
  platform::SetBackColor(this, QColor(226, 234, 255));
  setAutoFillBackground(true);
  const QFont font = platform::WidgetFont(QStringLiteral("Arial"), 9.75);
  Label2->setGeometry(22, 18, 133, 20);
  Combo1->setGeometry(22, 37, 432, Combo1->sizeHint().height());
  Shape1->Move(21, 82, 432, 108);
  Label1->setGeometry(23, 103, 152, 20);
  Text1->setGeometry(175, 101, 48, 23);
  VScroll1->setGeometry(226, 100, 19, 24);
  ChkCOLLATE->setGeometry(298, 98, 116, 22);
  ImgCOLLATE[0]->Move(291, 136);
  ImgCOLLATE[0]->SetPicture(SheetsPicture(111, 34, false));
  ImgCOLLATE[1]->Move(298, 131);
  ImgCOLLATE[1]->SetPicture(SheetsPicture(93, 43, true));
  ChK_BN->setGeometry(32, 153, 200, 22);
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Combo1),
                     static_cast<QWidget*>(Label1), static_cast<QWidget*>(Text1),
                     static_cast<QWidget*>(ChkCOLLATE), static_cast<QWidget*>(ChK_BN)})
    w->setFont(font);
  for (QCheckBox* c : {ChkCOLLATE, ChK_BN}) platform::SetBackColor(c, Qt::white);
  const QFont captionFont = platform::WidgetFont(QStringLiteral("Arial"), 11.25, true);
  for (int i = 0; i < 2; ++i) {
    Image1[i]->SetPicture(FacePicture());
    Label3[i]->setFont(captionFont);
    QPalette pal = Label3[i]->palette();
    pal.setColor(QPalette::WindowText, QColor(64, 64, 128));
    Label3[i]->setPalette(pal);
  }
  ChkCOLLATE->setChecked(true);
  ChK_BN->setChecked(false);
  ImgCOLLATE[0]->hide();

  // The window's texts; nothing is accepted until Print is pressed.
  LoadIdioma(QStringLiteral("PRD"));
  SetLanguage();
  ImprimirAceptado = false;

  // Only the choices the caller offers are shown.
  if (!VerCopias) {
    Label1->hide();
    Text1->hide();
    VScroll1->hide();
  }
  if (!VerCollate) {
    ChkCOLLATE->hide();
    ImgCOLLATE[0]->hide();
    ImgCOLLATE[1]->hide();
  }
  if (!VerBN) ChK_BN->hide();

  // One copy to start with.
  SetCopiesText(QStringLiteral(" 1"));
  VScroll1->SetValue(BoxLeadingValue(Text1->text()));

  // An empty printer list for now, and the buttons at their resting places.
  {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
  }
  BotX[0] = 160;
  BotX[1] = 312;
  BotY[0] = BotY[1] = 220;
  for (int i = 0; i < 2; ++i) {
    Image1[i]->Move(BotX[i], BotY[i]);
    Label3[i]->Move(BotX[i], BotY[i] + 6, Image1[i]->width(), kFaceHeight);
  }

  // The current printer is selected when the list holds it.
  platform::PrinterSystem& printers = platform::Printers();
  const QStringList names = printers.PrinterNames();
  if (names.isEmpty()) {
    Combo1->hide();
    return;
  }
  {
    const QSignalBlocker quiet(Combo1);
    Combo1->addItems(names);
    Combo1->setCurrentIndex(-1);
  }
  const int current = static_cast<int>(names.indexOf(printers.CurrentPrinterName()));
  if (current >= 0) Combo1->setCurrentIndex(current);
}

void frmImprimir::SetCopiesText(const QString& text) {
  Text1->setText(text);
}

void frmImprimir::Combo1_Click() {
  platform::PrinterSystem& printers = platform::Printers();
  const QString chosen = Combo1->currentText();
  for (const QString& name : printers.PrinterNames()) {
    if (name != chosen) continue;
    printers.SetCurrentPrinter(name);
    QCoreApplication::processEvents();
    printers.SetCurrentPrinter(name);
    return;
  }
}

void frmImprimir::ChkCOLLATE_Click() {
  const bool collated = ChkCOLLATE->isChecked();
  ImgCOLLATE[1]->setVisible(collated);
  ImgCOLLATE[0]->setVisible(!collated);
}

void frmImprimir::Label3_Click(int Index) {
  if (Index == 0) Aceptar();
  if (Index == 1) Cancelar();
}

void frmImprimir::Label3_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Image1[Index], Label3[Index], BotX[Index], BotY[Index], 6, true);
}

void frmImprimir::Label3_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Image1[Index], Label3[Index], BotX[Index], BotY[Index], 6, false);
}

void frmImprimir::Aceptar() {
  ImprimirAceptado = true;
  // Only a whole count: "12abc" is no count at all, not 12.
  NumCopias = CopiesInBox(Text1->text());
  if (NumCopias >= 1 && NumCopias <= 1999) {
    accept();
    return;
  }
  platform::MsgBox(GetL_win(QStringLiteral("TooMuchCopies")), platform::kProgramName,
                   platform::MsgIcon::Exclamation);
}

void frmImprimir::Cancelar() {
  ImprimirAceptado = false;
  QDialog::reject();
}

void frmImprimir::reject() {
  Cancelar();
}

void frmImprimir::Text1_Change() {
  if (Text1->text().trimmed().isEmpty()) {
    SetCopiesText(QStringLiteral("1"));  // changes the text again
    return;
  }
  VScroll1->SetValue(BoxLeadingValue(Text1->text()));
}

void frmImprimir::VScroll1_Change() {
  SetCopiesText(QString::number(VScroll1->Value()));
}

void frmImprimir::Text1_LostFocus() {
  VScroll1->SetValue(BoxLeadingValue(Text1->text()));
  SetCopiesText(QString::number(VScroll1->Value()));
}

bool frmImprimir::Text1_KeyDown(int KeyCode) {
  if (KeyCode == Qt::Key_Down || KeyCode == Qt::Key_Up) {
    const double v = BoxLeadingValue(Text1->text()) + (KeyCode == Qt::Key_Up ? 1 : -1);
    SetCopiesText(QStringLiteral(" ") + QString::number(v));
    Text1_LostFocus();
    return true;
  }
  switch (KeyCode) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    // Moving on and cancelling stay with the dialog.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
      return false;
    default:
      break;
  }
  if (KeyCode >= Qt::Key_0 && KeyCode <= Qt::Key_9) {
    // At most four digits typed.
    return Text1->text().size() - Text1->selectedText().size() >= 4;
  }
  return true;
}

bool frmImprimir::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1) {
    if (event->type() == QEvent::KeyPress) {
      auto* e = static_cast<QKeyEvent*>(event);
      // The box's rule holds for what these put in, so they may work.
      for (QKeySequence::StandardKey k :
           {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll})
        if (e->matches(k)) return false;
      if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return e->key() != Qt::Key_Escape;
      if (Text1_KeyDown(e->key())) return true;
      // Only digits and Backspace type anything.
      const QString typed = e->text();
      if (!typed.isEmpty() && e->key() != Qt::Key_Backspace && e->key() != Qt::Key_Escape &&
          !(typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9') &&
          typed != QStringLiteral("\t"))
        return true;
    } else if (event->type() == QEvent::FocusOut) {
      Text1_LostFocus();
    }
  }
  return QDialog::eventFilter(watched, event);
}
