#include "graphs/FormGraficaVIGAS.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "graphs/FormEditGRAF.h"
#include "graphs/Graficas.h"
#include "graphs/GraphHooks.h"
#include "platform/ButtonFace.h"
#include "platform/Clipboard.h"
#include "platform/Fonts.h"
#include "platform/ImageFiles.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/SaveFileDialog.h"

namespace {
constexpr int kPicBotWidth = 128;
const char* const kCaptionKeys[5] = {"Bot_selGraph", "Bot_DataTable", "Bot_Print", "Bot_Copy",
                                     "Bot_Close"};
const char* const kTooltipKeys[5] = {"TTT_SelGraph", "TTT_DataTable", "TTT_Print", "TTT_Copy",
                                     "TTT_Close"};
}  // namespace

FormGraficaVIGAS::FormGraficaVIGAS(QWidget* parent) : QDialog(parent) {
  CreateControls();
  Form_Load();
}

FormGraficaVIGAS::~FormGraficaVIGAS() = default;

void FormGraficaVIGAS::CreateControls() {
  using namespace graphs_ui;
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

  mnu_archivo = Menus->addMenu(QString());
  mnu_archivo_editar = mnu_archivo->addAction(QString());
  mnu_archivo_editar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
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
  mnu_ver = Menus->addMenu(QString());
  mnu_ver_tabla = mnu_ver->addAction(QString());
  mnu_ver_tabla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(mnu_archivo_editar, &QAction::triggered, this, [this] { mnu_archivo_editar_Click(); });
  connect(mnu_archivo_saveas, &QAction::triggered, this, [this] { mnu_archivo_saveas_Click(); });
  connect(mnu_archivo_imprimir, &QAction::triggered, this,
          [this] { mnu_archivo_imprimir_Click(); });
  connect(mnu_archivo_cerrar, &QAction::triggered, this, [this] { mnu_archivo_cerrar_Click(); });
  connect(mnu_edicion_copiar, &QAction::triggered, this, [this] { mnu_edicion_copiar_Click(); });
  connect(mnu_ver_tabla, &QAction::triggered, this, [this] { mnu_ver_tabla_Click(); });

  ShaG = new FrameShape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  ShaBOT = new FrameShape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  PicG = new ClickablePicture(surface_, platform::RGBColor(255, 255, 255));
  PicBot = new QWidget(surface_);
  for (int i = 0; i < 5; ++i) {
    Imgbot[i] = new ImageBox(PicBot);
    Lblbot[i] = new ButtonCaption(PicBot);
    connect(Lblbot[i], &ButtonCaption::clicked, this, [this, i] { Lblbot_Click(i); });
    connect(Lblbot[i], &ButtonCaption::mouseDown, this,
            [this, i](int b) { Lblbot_MouseDown(i, b); });
    connect(Lblbot[i], &ButtonCaption::mouseUp, this, [this, i](int b) { Lblbot_MouseUp(i, b); });
  }

  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  Timer1->setInterval(20);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  Timer2 = new QTimer(this);
  Timer2->setInterval(500);
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
}

int FormGraficaVIGAS::ScaleWidth() const {
  return surface_->width();
}

int FormGraficaVIGAS::ScaleHeight() const {
  return surface_->height();
}

void FormGraficaVIGAS::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("Graphic")));
  for (int i = 0; i < 5; ++i) {
    Lblbot[i]->setText(GetL_win(QString::fromLatin1(kCaptionKeys[i])));
    Lblbot[i]->setToolTip(GetL_win(QString::fromLatin1(kTooltipKeys[i])));
  }
  mnu_archivo->setTitle(GetL_win(QStringLiteral("mnu_File")));
  mnu_archivo_editar->setText(GetL_win(QStringLiteral("mnu_SelectTypeGraph")));
  mnu_archivo_saveas->setText(GetL_win(QStringLiteral("mnu_SaveImgAs")));
  mnu_archivo_imprimir->setText(GetL_win(QStringLiteral("mnu_Print")));
  mnu_archivo_cerrar->setText(GetL_win(QStringLiteral("mnu_Close")));
  mnu_edicion->setTitle(GetL_win(QStringLiteral("mnu_Edit")));
  mnu_edicion_copiar->setText(GetL_win(QStringLiteral("mnu_Copy")));
  mnu_ver->setTitle(GetL_win(QStringLiteral("mnu_View")));
  mnu_ver_tabla->setText(GetL_win(QStringLiteral("mnu_DataTable")));
}

void FormGraficaVIGAS::Form_Load() {
  // 1. Size; the resize rules keep it at 800 x 600 or more.
  setMinimumSize(800, 600);
  resize(798, 578);
  layout()->activate();
  platform::PictureTarget& g = PicG->Target();
  g.SetFontName(QStringLiteral("Arial"));
  g.SetFontSize(platform::DesignFontSize(10));
  PicBot->resize(kPicBotWidth, PicBot->height());
  for (int i = 0; i < 5; ++i) {
    Imgbot[i]->SetPicture(platform::ButtonFacePicture());
    Lblbot[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
  }

  // 2. Colours and places.
  graphs_ui::SetBackColor(surface_, QColor(240, 240, 240));
  graphs_ui::SetBackColor(PicBot, QColor(240, 244, 255));
  PicG->move(6, 6);
  PicBot->move(PicBot->x(), PicG->y());
  ShaG->move(PicG->x() - 1, PicG->y() - 1);

  // 3. Titles and labels are measured in the graph's font size.
  MeasuringPicture().SetFontSize(g.FontSize());

  // 4. Toolbar buttons at rest, 60 px apart.
  for (int i = 0; i < 5; ++i) {
    BotX[i] = 4;
    BotY[i] = 11 + 60 * i;
    Imgbot[i]->move(BotX[i], BotY[i]);
    Lblbot[i]->setGeometry(BotX[i], BotY[i] + 7, Imgbot[i]->width(), 26);
  }

  // 5.
  LoadIdioma(QStringLiteral("GFV"));
  SetLanguage();
  Timer2->start();
}

void FormGraficaVIGAS::Form_Resize() {
  if (isMinimized()) return;
  if (width() < 800 || height() < 600) {
    resize(std::max(width(), 800), std::max(height(), 600));
    return;  // the resize to the minimum lays the window out again
  }
  const int SW = ScaleWidth(), SH = ScaleHeight();
  PicG->setGeometry(PicG->x(), PicG->y(), std::max(1, SW - kPicBotWidth - 15),
                    std::max(1, SH - 11));
  PicBot->setGeometry(PicG->x() + PicG->width() + 3, PicG->y(), kPicBotWidth, PicG->height());
  ShaG->setGeometry(PicG->x() - 1, PicG->y() - 1, PicG->width() + 4, PicG->height() + 2);
  ShaBOT->setGeometry(PicBot->x() - 1, PicBot->y() - 1, PicBot->width() + 2, PicBot->height() + 2);

  // Titles, grid and axes at once; the curve once resizing has paused.
  platform::PictureTarget& g = PicG->Target();
  g.Cls();
  DibujarGrafica(g, false);
  Timer1->stop();
  Timer1->start();
}

void FormGraficaVIGAS::Timer1_Timer() {
  Timer1->stop();
  DibujarGrafica(PicG->Target(), true);
}

void FormGraficaVIGAS::Timer2_Timer() {
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) return;
  Lblbot[2]->setToolTip(printers.CurrentPrinterName());
}

void FormGraficaVIGAS::Lblbot_Click(int Index) {
  switch (Index) {
    case 0:
      mnu_archivo_editar_Click();
      break;
    case 1:
      mnu_ver_tabla_Click();
      break;
    case 2:
      mnu_archivo_imprimir_Click();
      break;
    case 3:
      mnu_edicion_copiar_Click();
      break;
    case 4:
      mnu_archivo_cerrar_Click();
      break;
    default:
      break;
  }
}

void FormGraficaVIGAS::Lblbot_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, true);
}

void FormGraficaVIGAS::Lblbot_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, false);
}

void FormGraficaVIGAS::Form_KeyPress(int KeyAscii) {
  if (KeyAscii == 27) close();
}

void FormGraficaVIGAS::mnu_archivo_cerrar_Click() {
  close();
}

void FormGraficaVIGAS::mnu_ver_tabla_Click() {
  MostrarTablaDatos();
}

void FormGraficaVIGAS::mnu_archivo_editar_Click() {
  EditGrafAceptado = false;
  {
    FormEditGRAF chooser;
    platform::ShowModal(chooser);
  }
  if (EditGrafAceptado) {
    platform::PictureTarget& g = PicG->Target();
    g.Cls();
    DibujarGrafica(g, true);
  }
}

void FormGraficaVIGAS::mnu_archivo_imprimir_Click() {
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) {
    platform::MsgBox(GetL_win(QStringLiteral("NoPrinter")), platform::kProgramName,
                     platform::MsgIcon::Exclamation);
    return;
  }
  VerCopias = true;
  VerCollate = false;
  VerBN = false;
  MostrarDialogoImprimir();
  if (!ImprimirAceptado) return;
  QPrinter* printer = printers.CurrentPrinter();
  if (!printer) return;

  const int n = static_cast<int16_t>(std::clamp<int32_t>(NumCopias, -32768, 32767));
  const platform::PictureTarget& screen = PicG->Target();
  {
    platform::PrinterTarget page(printer);
    for (int i = 1; i <= n; ++i) {
      page.SetOrientation(screen.ScaleHeight() >= screen.ScaleWidth()
                              ? platform::PrinterTarget::Orientation::Portrait
                              : platform::PrinterTarget::Orientation::Landscape);
      page.SetFontName(screen.FontName());
      page.SetFontSize(10);
      page.SetFontItalic(screen.FontItalic());
      page.SetFontBold(screen.FontBold());
      DibujarGrafica(page, true);
      if (i < NumCopias) page.NewPage();
    }
    page.EndDoc();
  }
  // The printed drawing cleared the points: the screen graph fills them again.
  DibujarGrafica(PicG->Target(), true);
}

void FormGraficaVIGAS::mnu_archivo_saveas_Click() {
  const QString filter = GetL_win(QStringLiteral("BMP_image")) + QStringLiteral(" (*.bmp)|*.bmp|") +
                         GetL_win(QStringLiteral("AllFiles")) + QStringLiteral(" (*.*)|*.*");
  QString path =
      platform::DialogoGuardarArchivo(filter, GetL_win(QStringLiteral("Save")), UltimaCarpeta,
                                      QString(), this, QStringLiteral(".bmp"));
  if (path.isEmpty()) return;
  path = platform::WithExtension(path, QStringLiteral(".bmp"));
  UltimaCarpeta = platform::FolderOf(path);

  platform::BusyCursor busy;
  const platform::SaveResult result = platform::SaveImageFile(PicG->Target().Image(), path, "BMP");
  busy.Release();
  if (result == platform::SaveResult::Ok) return;
  const QString key = result == platform::SaveResult::WriteProtected
                          ? QStringLiteral("ErrorWriteProtectFile")
                          : QStringLiteral("CantSaveFile");
  platform::MsgBox(GetL_win(key) + QStringLiteral("\r\n") + path, platform::kProgramName,
                   platform::MsgIcon::Exclamation);
}

void FormGraficaVIGAS::mnu_edicion_copiar_Click() {
  if (!platform::CopyImageToClipboard(PicG->Target().Image())) {
    platform::MsgBox(GetL_win(QStringLiteral("CantCopyImg")), GetL_win(QStringLiteral("Error")),
                     platform::MsgIcon::Exclamation);
    return;
  }
  platform::MsgBox(GetL_win(QStringLiteral("OKCopyImg")), GetL_win(QStringLiteral("Bot_Copy")),
                   platform::MsgIcon::Information);
}

bool FormGraficaVIGAS::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize) Form_Resize();
  return QDialog::eventFilter(watched, event);
}

void FormGraficaVIGAS::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Form_KeyPress(27);
    return;
  }
  QDialog::keyPressEvent(event);
}
