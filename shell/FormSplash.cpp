#include "shell/FormSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/ShellOpen.h"
#include "shell/AppInfo.h"
#include "shell/ShellPictures.h"
#include "shell/StartupState.h"

using platform::ImageControl;
using platform::Shape;

namespace {
const QColor kWhite(255, 255, 255);
const QColor kGreyText(64, 64, 64);

QLabel* TextLabel(QWidget* parent, int left, int top, int width, int height, double points,
                  bool bold, const QColor& colour) {
  auto* l = new QLabel(parent);
  l->setGeometry(left, top, width, height);
  l->setFont(platform::WidgetFont(QStringLiteral("Arial"), points, bold));
  l->setTextFormat(Qt::PlainText);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setAttribute(Qt::WA_TranslucentBackground);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, colour);
  l->setPalette(pal);
  return l;
}

platform::ButtonCaption* LinkLabel(QWidget* parent, int left, int top, int width, int height) {
  auto* l = new platform::ButtonCaption(parent);
  l->Move(left, top, width, height);
  QFont f = platform::WidgetFont(QStringLiteral("Arial"), 11);
  f.setUnderline(true);
  l->setFont(f);
  l->SetForeColor(kGreyText);
  // Any key closes the window: a link takes the mouse only.
  l->setFocusPolicy(Qt::NoFocus);
  return l;
}
}  // namespace

FormSplash::FormSplash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FormSplash"));
  CreateControls();
  Form_Load();
}

void FormSplash::CreateControls() {
  setAutoFillBackground(true);
  platform::SetFixedColours(this, QColor(192, 192, 192));

  Shape2 = new platform::Shape(this, kWhite, kWhite, 1, false);
  Shape1[0] = new platform::Shape(this, QColor(0, 102, 51), QColor(0, 102, 51));
  Shape1[1] = new platform::Shape(this, QColor(197, 250, 215), QColor(197, 250, 215));
  Shape1[2] = new platform::Shape(this, kWhite, kWhite);
  for (int i = 0; i < 4; ++i) {
    ImgUP[i] = new platform::ImageControl(this);
    ImgDW[i] = new platform::ImageControl(this);
    ImgUP[i]->hide();
    ImgDW[i]->hide();
  }
  ImgUP[2]->SetPicture(shell::UpperBannerPicture());
  ImgDW[2]->SetPicture(shell::LowerBannerPicture());
  ImageUP = new platform::ImageControl(this);
  ImageDW = new platform::ImageControl(this);
  ImgLOGO = new platform::ImageControl(this);
  ImgLOGO->SetPicture(shell::LogoPicture());

  LblTIT0 = TextLabel(this, 30, 20, 344, 31, 18, false, kWhite);
  LblTIT1 = TextLabel(this, 30, 43, 368, 50, 28, true, kWhite);
  LblTIT2 = TextLabel(this, 30, 81, 372, 64, 28, true, kWhite);
  LblTIT3 = TextLabel(this, 30, 119, 372, 59, 28, true, kWhite);
  LblRef = TextLabel(this, 390, 20, 171, 18, 11, false, kWhite);
  lblVersion = TextLabel(this, 390, 40, 171, 18, 11, false, kWhite);
  LblYear = TextLabel(this, 20, 340, 220, 17, 9, false, kGreyText);
  LblWEB = LinkLabel(this, 200, 200, 157, 17);
  LlblMAIL = LinkLabel(this, 198, 230, 159, 17);
  connect(LblWEB, &platform::ButtonCaption::clicked, this, [this] { LblWEB_Click(); });
  connect(LlblMAIL, &platform::ButtonCaption::clicked, this, [this] { LlblMAIL_Click(); });

  // Every control but the two links passes its clicks on to the window,
  // which closes on them.
  for (QWidget* w : findChildren<QWidget*>())
    if (w != LblWEB && w != LlblMAIL) w->setAttribute(Qt::WA_TransparentForMouseEvents);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kClosingDelay);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void FormSplash::Form_Load() {
  // 1. Size, centred on the screen.
  setFixedSize(kWidth, kHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));

  // 2. Title lines.
  LblTIT0->setText(shell::kProgramName);
  LblTIT1->setText(shell::kDescriptiveName1);
  LblTIT2->setText(shell::kDescriptiveName2);
  LblTIT3->setText(QString());
  LblYear->setText(shell::kCopyrightLine);

  // 3. Theme "VER": banners with the bands and the frame around them.
  ImageUP->SetPicture(shell::UpperBannerPicture());
  ImageDW->SetPicture(shell::LowerBannerPicture());
  ImageUP->Move(10, 120, shell::kBannerWidth, shell::kBannerHeight);
  ImageDW->Move(10, 240, shell::kBannerWidth, shell::kBannerHeight);
  const int bandWidth = shell::kBannerWidth + 1;
  const int upBottom = ImageUP->y() + ImageUP->height();
  const int dwBottom = ImageDW->y() + ImageDW->height();
  Shape1[0]->Move(10, 10, bandWidth, ImageUP->y() - 10);
  Shape1[1]->Move(10, upBottom, bandWidth, ImageDW->y() - upBottom);
  Shape1[2]->Move(10, dwBottom, bandWidth, 50);
  Shape2->Move(9, 9, shell::kBannerWidth + 2, 355);
  ImgLOGO->Move(361, 296, shell::kLogoWidth, shell::kLogoHeight);

  // 4. Version, reference and links.
  lblVersion->setText(QStringLiteral("Version: ") + shell::VersionText(shell::ProgramVersion()));
  LblRef->setText(QStringLiteral("Reference: ") + shell::kProgramName);
  LblWEB->setText(shell::WebHost());
  LblWEB->setToolTip(shell::WebHost());
  LlblMAIL->setText(shell::Addresses().contactMail);

  // Stacking order: frame and bands behind, then pictures, then texts.
  Shape2->lower();
  for (QWidget* w :
       std::initializer_list<QWidget*>{ImageUP, ImageDW, ImgLOGO, LblTIT0, LblTIT1, LblTIT2,
                                       LblTIT3, LblRef, lblVersion, LblYear, LblWEB, LlblMAIL})
    w->raise();

  // 5. Start-up mode: no links, and the closing timer runs. A link the
  // program was built without is never offered.
  if (!Vigas::SplashMostrado) {
    LblWEB->hide();
    LlblMAIL->hide();
    Timer1->start();
  } else {
    LblWEB->setVisible(!shell::Addresses().homePage.isEmpty());
    LlblMAIL->setVisible(!shell::Addresses().contactMail.isEmpty());
  }
}

void FormSplash::Form_Activate() {
  update();
}

void FormSplash::Form_Click() {
  close();
}

void FormSplash::Form_KeyPress(int) {
  close();
}

void FormSplash::Timer1_Timer() {
  close();
}

void FormSplash::Form_Unload() {
  Timer1->stop();
  Vigas::MostrarFormMain();
  Vigas::SplashMostrado = true;
}

void FormSplash::LblWEB_Click() {
  const QString page = shell::Addresses().homePage;
  if (!platform::ShellOpen(page))
    platform::MsgBox(QStringLiteral("Sorry, cannot connect.\r\n") + page, shell::kProgramName,
                     platform::MsgIcon::Exclamation);
}

void FormSplash::LlblMAIL_Click() {
  if (!platform::ShellOpen(QStringLiteral("mailto:") + shell::Addresses().contactMail))
    platform::MsgBox(QStringLiteral("Sorry, cannot found your email client application."),
                     shell::kProgramName, platform::MsgIcon::Exclamation);
}

void FormSplash::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void FormSplash::closeEvent(QCloseEvent* event) {
  // The main window comes up exactly once, however the window is closed.
  if (!unloaded_) {
    unloaded_ = true;
    Form_Unload();
  }
  event->accept();
}

void FormSplash::keyPressEvent(QKeyEvent* event) {
  // Modifier keys alone type nothing and do not close the window.
  switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
      return;
    default:
      break;
  }
  Form_KeyPress(event->text().isEmpty() ? 0 : event->text().at(0).unicode());
}

void FormSplash::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint())) Form_Click();
}
