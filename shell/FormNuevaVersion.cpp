#include "shell/FormNuevaVersion.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <cmath>

#include "platform/ButtonFace.h"
#include "platform/Clipboard.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/ShellOpen.h"
#include "shell/Actualizacion.h"
#include "shell/AppInfo.h"
#include "shell/ShellPictures.h"

using platform::ButtonCaption;
using platform::ImageControl;
using platform::Shape;

namespace {
const QColor kBorder(102, 153, 255);
constexpr int kLabelLeft = 19;

// The download address comes from the server's version file: only a web
// address is handed on, never a local file, a program or another scheme.
bool IsWebAddress(const QString& address) {
  const QUrl url(address, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  return url.isValid() && !url.host().isEmpty() &&
         (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// A label as wide as its text.
void FitWidth(QLabel* l) {
  l->resize(l->fontMetrics().horizontalAdvance(l->text()) + 2, l->height());
}
}  // namespace

FormNuevaVersion::FormNuevaVersion(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormNuevaVersion"));
  CreateControls();
  Form_Load();
}

void FormNuevaVersion::CreateControls() {
  setAutoFillBackground(true);
  platform::SetFixedColours(this, Qt::white);

  ShapeFrame = new platform::Shape(this, Qt::white, kBorder, 1, false);
  ShapeBand = new platform::Shape(this, QColor(232, 240, 255), kBorder, 10);
  for (int i = 0; i < 15; ++i) {
    Label1[i] = new QLabel(this);
    Label1[i]->setTextFormat(Qt::PlainText);
    QPalette lp = Label1[i]->palette();
    lp.setColor(QPalette::WindowText, Qt::black);
    Label1[i]->setPalette(lp);
    Label1[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 12));
    Label1[i]->setVisible(i <= 5);
  }
  Text1 = new QLineEdit(this);
  Text1->setReadOnly(true);
  Text1->setFrame(false);
  Text1->setCursor(Qt::PointingHandCursor);
  Text1->setFont(platform::WidgetFont(QStringLiteral("Arial"), 13));
  QPalette tp = Text1->palette();
  tp.setColor(QPalette::Text, QColor(0, 0, 128));
  tp.setColor(QPalette::Base, Qt::white);
  Text1->setPalette(tp);
  Text1->installEventFilter(this);

  Image2 = new platform::ImageControl(this);
  Image2->SetPicture(shell::NewVersionNoticePicture());

  const QPixmap face = platform::ButtonFacePicture(true).scaled(
      kButtonWidth, kButtonHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (int i = 0; i < 2; ++i) {
    Image1[i] = new platform::ImageControl(this);
    Image1[i]->SetPicture(face);
    Label3[i] = new platform::ButtonCaption(this);
    Label3[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 11, true));
    Label3[i]->installEventFilter(this);
    platform::ConnectButtonCaption(Label3[i], this, i, &FormNuevaVersion::Label3_Click,
                                   &FormNuevaVersion::Label3_MouseDown,
                                   &FormNuevaVersion::Label3_MouseUp);
  }
}

void FormNuevaVersion::Form_Load() {
  setFixedSize(kWidth, kHeight);
  setWindowTitle(shell::kProgramName);
  const int inner = width();

  Label1[0]->setGeometry(kLabelLeft, 15, inner - 2 * kLabelLeft, 50);
  Label1[0]->setWordWrap(true);
  Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Text1->setGeometry(Label1[0]->x() + 10, 65, inner - 39, 26);
  Label1[1]->setGeometry(kLabelLeft, 130, 100, 22);
  Label1[2]->setGeometry(kLabelLeft, 130, 100, 22);
  QFont bold = platform::WidgetFont(QStringLiteral("Arial"), 12, true);
  Label1[3]->setFont(bold);
  Label1[4]->setFont(bold);
  Label1[3]->setGeometry(kLabelLeft, 157, 100, 22);
  Label1[4]->setGeometry(kLabelLeft, 157, 100, 22);
  Label1[5]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
  Label1[5]->setGeometry(kLabelLeft, 270, 330, 45);
  Label1[5]->setWordWrap(true);
  Image2->Move(360, 110, shell::kNoticeWidth, shell::kNoticeHeight);

  ShapeFrame->Move(0, 0, inner, 333);
  ShapeBand->Move(0, 333, inner, 77);
  ShapeFrame->lower();

  LoadIdioma(QStringLiteral("A2R"));
  if (Actualizacion::HayActualizacion) SetLanguage_VER();

  // Buttons from the band's final place.
  const double bandTop = ShapeBand->y();
  BotX[0] = static_cast<int32_t>(std::lround(inner / 2.0 - 10 - kButtonWidth));
  BotX[1] = static_cast<int32_t>(std::lround(inner / 2.0 + 10));
  for (int i = 0; i < 2; ++i) {
    BotY[i] = static_cast<int32_t>(std::lround(bandTop + 20));
    Image1[i]->Move(BotX[i], BotY[i], kButtonWidth, kButtonHeight);
    Label3[i]->Move(BotX[i], BotY[i] + 6, kButtonWidth, kButtonHeight - 8);
    Image1[i]->raise();
    Label3[i]->raise();
  }
}

void FormNuevaVersion::SetLanguage_VER() {
  const QString name = shell::kProgramName;
  Label1[0]->setText(
      GetL_win(QStringLiteral("New_ver_avail")).replace(QStringLiteral("%NOM%"), name));
  Text1->setText(Actualizacion::URLActualizacion);
  Text1->setCursorPosition(0);
  Label1[1]->setText(GetL_win(QStringLiteral("Installed_ver")));
  Label1[3]->setText(GetL_win(QStringLiteral("Available_ver")));
  Label1[5]->setText(
      GetL_win(QStringLiteral("Close_bef_ins")).replace(QStringLiteral("%NOM%"), name));
  Label3[0]->setText(GetL_win(QStringLiteral("But_Ok")));
  Label3[1]->setText(GetL_win(QStringLiteral("But_Cancel")));

  FitWidth(Label1[1]);
  FitWidth(Label1[3]);
  Label1[2]->move(Label1[1]->x() + Label1[1]->width() + 8, Label1[1]->y());
  Label1[4]->move(Label1[3]->x() + Label1[3]->width() + 8, Label1[3]->y());
  Label1[2]->setText(shell::VersionText(shell::ProgramVersion()));
  Label1[4]->setText(Actualizacion::VersionNueva);
  FitWidth(Label1[2]);
  FitWidth(Label1[4]);
}

void FormNuevaVersion::OpenDownloadAddress(bool letEventsRun) {
  if (letEventsRun) QCoreApplication::processEvents();
  const bool opened = IsWebAddress(Actualizacion::URLActualizacion) &&
                      platform::ShellOpen(Actualizacion::URLActualizacion);
  if (letEventsRun) QCoreApplication::processEvents();
  // The home page is named as the place to go instead; a program built
  // without one names the download address.
  if (!opened) {
    const QString page = shell::Addresses().homePage;
    platform::MsgBox(QStringLiteral("Sorry, cannot connect.\r\n") +
                         (page.isEmpty() ? Actualizacion::URLActualizacion : page),
                     shell::kProgramName, platform::MsgIcon::Exclamation);
  }
  close();
}

void FormNuevaVersion::Label3_Click(int Index) {
  if (Index == 0)
    OpenDownloadAddress(true);
  else if (Index == 1)
    close();
}

void FormNuevaVersion::Text1_Click() {
  OpenDownloadAddress(false);
}

void FormNuevaVersion::Label3_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Image1[Index], Label3[Index], BotX[Index], BotY[Index], 6, true);
}

void FormNuevaVersion::Label3_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Image1[Index], Label3[Index], BotX[Index], BotY[Index], 6, false);
}

void FormNuevaVersion::Form_KeyDown(int KeyCode, int Shift) {
  const bool control = (Shift & 2) != 0;
  if (KeyCode == 67 && control)
    platform::CopyTextToClipboard(Actualizacion::URLActualizacion);
  else if (KeyCode == 27 || KeyCode == 67)
    close();
}

bool FormNuevaVersion::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool onButton = watched == Label3[0] || watched == Label3[1];
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab ||
        (onButton && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)))
      return false;
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  if (watched == Text1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      Text1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    Text1_Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FormNuevaVersion::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  int code = key;
  if (key == Qt::Key_Escape) code = 27;
  if (key == Qt::Key_C) code = 67;
  int shift = 0;
  if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (event->modifiers() & Qt::ControlModifier) shift |= 2;
  if (event->modifiers() & Qt::AltModifier) shift |= 4;
  Form_KeyDown(code, shift);
}
