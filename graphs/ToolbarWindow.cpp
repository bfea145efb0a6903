#include "graphs/ToolbarWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "graphs/GraphHooks.h"
#include "platform/ButtonFace.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/SaveFileDialog.h"

ToolbarWindow::ToolbarWindow(const QString& prefix, int firstButton, QWidget* parent)
    : QDialog(parent), idioma_(prefix), firstButton_(firstButton) {
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Menus = new QMenuBar(this);
  layout->setMenuBar(Menus);
  surface_ = new QWidget(this);
  layout->addWidget(surface_);
  surface_->installEventFilter(this);
  platform::SetBackColor(surface_, QColor(240, 240, 240));

  mnu_archivo = Menus->addMenu(QString());
  mnu_archivo_saveas = mnu_archivo->addAction(QString());
  mnu_archivo_saveas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  mnu_archivo_imprimir = mnu_archivo->addAction(QString());
  mnu_archivo_imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  zep001 = mnu_archivo->addSeparator();
  mnu_archivo_cerrar = mnu_archivo->addAction(QString());
  mnu_archivo_cerrar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  mnu_edicion = Menus->addMenu(QString());
  mnu_edicion_copiar = mnu_edicion->addAction(QString());
  mnu_edicion_copiar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(mnu_archivo_saveas, &QAction::triggered, this, [this] { mnu_archivo_saveas_Click(); });
  connect(mnu_archivo_imprimir, &QAction::triggered, this,
          [this] { mnu_archivo_imprimir_Click(); });
  connect(mnu_archivo_cerrar, &QAction::triggered, this, [this] { mnu_archivo_cerrar_Click(); });
  connect(mnu_edicion_copiar, &QAction::triggered, this, [this] { mnu_edicion_copiar_Click(); });

  // Behind the pictures, as shapes lie behind controls.
  ShaG = new platform::Shape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  ShaBOT = new platform::Shape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  PicBot = new QWidget(surface_);
  PicBot->resize(kPicBotWidth, PicBot->height());
  platform::SetBackColor(PicBot, QColor(240, 244, 255));
  for (int i = firstButton_; i < 5; ++i) {
    Imgbot[i] = new platform::ImageControl(PicBot);
    Lblbot[i] = new platform::ButtonCaption(PicBot);
    platform::ConnectButtonCaption(Lblbot[i], this, i, &ToolbarWindow::Lblbot_Click,
                                   &ToolbarWindow::Lblbot_MouseDown,
                                   &ToolbarWindow::Lblbot_MouseUp);
  }

  Timer2 = new QTimer(this);
  Timer2->setInterval(500);
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

  // Enter and Space would press the first button, where the window's keys
  // do nothing but close it.
  platform::FocusWindowOnOpen(this);
}

ToolbarWindow::~ToolbarWindow() = default;

int ToolbarWindow::ScaleWidth() const {
  return surface_->width();
}

int ToolbarWindow::ScaleHeight() const {
  return surface_->height();
}

void ToolbarWindow::PlaceButtons() {
  for (int i = firstButton_; i < 5; ++i) {
    Imgbot[i]->SetPicture(platform::ButtonFacePicture());
    Lblbot[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
    BotX[i] = 4;
    BotY[i] = 11 + 60 * (i - firstButton_);
    Imgbot[i]->Move(BotX[i], BotY[i]);
    Lblbot[i]->Move(BotX[i], BotY[i] + 7, Imgbot[i]->Width(), 26);
  }
}

void ToolbarWindow::SetMenuTexts(const QString& saveAsKey) {
  mnu_archivo->setTitle(GetL_win(QStringLiteral("mnu_File")));
  mnu_archivo_saveas->setText(GetL_win(saveAsKey));
  mnu_archivo_imprimir->setText(GetL_win(QStringLiteral("mnu_Print")));
  mnu_archivo_cerrar->setText(GetL_win(QStringLiteral("mnu_Close")));
  mnu_edicion->setTitle(GetL_win(QStringLiteral("mnu_Edit")));
  mnu_edicion_copiar->setText(GetL_win(QStringLiteral("mnu_Copy")));
}

void ToolbarWindow::Lblbot_Click(int Index) {
  if (Index == 2) mnu_archivo_imprimir_Click();
  if (Index == 3) mnu_edicion_copiar_Click();
  if (Index == 4) mnu_archivo_cerrar_Click();
}

void ToolbarWindow::mnu_archivo_cerrar_Click() {
  close();
}

void ToolbarWindow::Timer2_Timer() {
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) return;
  Lblbot[2]->setToolTip(printers.CurrentPrinterName());
}

void ToolbarWindow::Lblbot_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, true);
}

void ToolbarWindow::Lblbot_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, false);
}

void ToolbarWindow::Form_KeyPress(int KeyAscii) {
  if (KeyAscii == 27) close();
}

QString ToolbarWindow::AskSavePath(const QString& kindKey, const QString& extension,
                                   QString& lastFolder) {
  const QString pattern = QStringLiteral("*") + extension;
  const QString filter = GetL_win(kindKey) + QStringLiteral(" (") + pattern + QStringLiteral(")|") +
                         pattern + QStringLiteral("|") + GetL_win(QStringLiteral("AllFiles")) +
                         QStringLiteral(" (*.*)|*.*");
  const QString path = platform::DialogoGuardarArchivo(filter, GetL_win(QStringLiteral("Save")),
                                                       lastFolder, QString(), this, extension);
  if (path.isEmpty()) return path;
  const QString named = platform::WithExtension(path, extension);
  lastFolder = platform::FolderOf(named);
  return named;
}

bool ToolbarWindow::PrintCopies(const QString& jobName,
                                const std::function<void(platform::PrinterTarget&)>& drawCopy) {
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) {
    platform::MsgBox(GetL_win(QStringLiteral("NoPrinter")), platform::kProgramName,
                     platform::MsgIcon::Exclamation);
    return false;
  }
  if (!AskPrintCopies()) return false;
  QPrinter* printer = printers.CurrentPrinter();
  if (!printer) return false;

  printer->setDocName(jobName);
  const int n = static_cast<int16_t>(std::clamp<int32_t>(NumCopias, -32768, 32767));
  platform::PrinterTarget page(printer);
  for (int i = 1; i <= n; ++i) {
    drawCopy(page);
    if (i < n) page.NewPage();
  }
  page.EndDoc();
  return true;
}

bool ToolbarWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize) Form_Resize();
  return QDialog::eventFilter(watched, event);
}

void ToolbarWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Form_KeyPress(27);
    return;
  }
  QDialog::keyPressEvent(event);
}
