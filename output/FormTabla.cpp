#include "output/FormTabla.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "graphs/GraphHooks.h"
#include "graphs/GraphState.h"
#include "output/OutputState.h"
#include "output/TableDrawing.h"
#include "output/Wheel.h"
#include "platform/ButtonFace.h"
#include "platform/Clipboard.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/SaveFileDialog.h"
#include "platform/TextFile.h"

namespace {
constexpr int kPicBotWidth = 128;
constexpr int kScrollWidth = 18;
constexpr int kCabWidth = 796, kCabHeight = 81;
constexpr int kTabHeight = 1125 - kCabHeight;
const QColor kViewportGrey(0xC0, 0xC0, 0xC0);
const char* const kCaptionKeys[5] = {"", "", "Bot_Print", "Bot_Copy", "Bot_Close"};
}  // namespace

// ---- TableScrollBar ---------------------------------------------------------

TableScrollBar::TableScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setSingleStep(SmallChange);
  setPageStep(LargeChange);
}

void TableScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  setRange(0, std::abs(max - min));
}

int TableScrollBar::Value() const {
  return min_ + Direction() * value();
}

void TableScrollBar::SetValue(int v) {
  if (v < std::min(min_, max_) || v > std::max(min_, max_)) return;
  setValue(Direction() * (v - min_));
}

void TableScrollBar::wheelEvent(QWheelEvent* e) {
  e->ignore();
}

// ---- FormTabla ----------------------------------------------------------------

FormTabla::FormTabla(QWidget* parent) : QDialog(parent) {
  CreateControls();
  Form_Load();
}

FormTabla::~FormTabla() {
  Form_Unload();
}

void FormTabla::CreateControls() {
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

  // Behind the viewport and toolbar, as shapes lie behind controls.
  ShaG = new FrameShape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  ShaBOT = new FrameShape(surface_, Qt::white, QColor(128, 128, 128), 1, false);
  PicG = new QWidget(surface_);
  PicG->setAutoFillBackground(true);
  PicBot = new QWidget(surface_);
  PicBot->setAutoFillBackground(true);
  // Stacking inside the viewport: the table passes under the header, the
  // mask strip above it and the scroll bar.
  PicTab = new platform::PictureBox(PicG, platform::RGBColor(255, 255, 255));
  PicCab = new platform::PictureBox(PicG, platform::RGBColor(255, 255, 255));
  PicSUP = new QWidget(PicG);
  PicSUP->setAutoFillBackground(true);
  VScroll1 = new TableScrollBar(PicG);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

  for (int i = 2; i <= 4; ++i) {
    Imgbot[i] = new ImageBox(PicBot);
    Lblbot[i] = new ButtonCaption(PicBot);
    connect(Lblbot[i], &ButtonCaption::clicked, this, [this, i] { Lblbot_Click(i); });
    connect(Lblbot[i], &ButtonCaption::mouseDown, this,
            [this, i](int b) { Lblbot_MouseDown(i, b); });
    connect(Lblbot[i], &ButtonCaption::mouseUp, this, [this, i](int b) { Lblbot_MouseUp(i, b); });
  }

  Timer2 = new QTimer(this);
  Timer2->setInterval(500);
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
}

int FormTabla::ScaleWidth() const {
  return surface_->width();
}

int FormTabla::ScaleHeight() const {
  return surface_->height();
}

void FormTabla::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("DataTable")));
  for (int i = 2; i <= 4; ++i) Lblbot[i]->setText(GetL_win(QString::fromLatin1(kCaptionKeys[i])));
  Lblbot[3]->setToolTip(GetL_win(QStringLiteral("TTT_Copy")));
  Lblbot[4]->setToolTip(GetL_win(QStringLiteral("TTT_Close")));
  mnu_archivo->setTitle(GetL_win(QStringLiteral("mnu_File")));
  mnu_archivo_saveas->setText(GetL_win(QStringLiteral("mnu_SaveTableAs")));
  mnu_archivo_imprimir->setText(GetL_win(QStringLiteral("mnu_Print")));
  mnu_archivo_cerrar->setText(GetL_win(QStringLiteral("mnu_Close")));
  mnu_edicion->setTitle(GetL_win(QStringLiteral("mnu_Edit")));
  mnu_edicion_copiar->setText(GetL_win(QStringLiteral("mnu_Copy")));
}

void FormTabla::Form_Load() {
  // 1-2. Sizes and fonts.
  setMinimumSize(640, 480);
  resize(798, 578);
  const QFont buttonFont = platform::WidgetFont(QStringLiteral("Arial"), 10);
  for (int i = 2; i <= 4; ++i) {
    Imgbot[i]->SetPicture(platform::ButtonFacePicture());
    Lblbot[i]->setFont(buttonFont);
  }
  PicBot->resize(kPicBotWidth, PicBot->height());
  for (platform::PictureBox* p : {PicTab, PicCab}) {
    p->Target().SetFontName(QStringLiteral("Arial"));
    p->Target().SetFontSize(platform::DesignFontSize(10));
  }
  PicG->setFont(buttonFont);
  VScroll1->resize(kScrollWidth, VScroll1->height());

  // 3.
  Wheel::Hook(*this, [this](int32_t keys, int32_t rotation, int32_t x, int32_t y) {
    MouseWheel(keys, rotation, x, y);
  });

  // 4-5. Colours, places and the two pictures.
  graphs_ui::SetBackColor(surface_, QColor(240, 240, 240));
  graphs_ui::SetBackColor(PicBot, QColor(0xF0, 0xF4, 0xFF));
  graphs_ui::SetBackColor(PicG, kViewportGrey);
  PicG->move(6, 6);
  PicBot->move(PicBot->x(), PicG->y());
  ShaG->move(PicG->x() - 1, PicG->y() - 1);
  PicCab->resize(kCabWidth, kCabHeight);
  PicTab->resize(kCabWidth, kTabHeight);
  PicCab->Target().Cls();
  PicTab->Target().SetBackColor(platform::RGBColor(255, 255, 255));
  graphs_ui::SetBackColor(PicSUP, kViewportGrey);

  // 6. Toolbar buttons at rest, 60 px apart.
  for (int i = 2; i <= 4; ++i) {
    BotX[i] = 4;
    BotY[i] = 11 + 60 * (i - 2);
    Imgbot[i]->move(BotX[i], BotY[i]);
    Lblbot[i]->setGeometry(BotX[i], BotY[i] + 7, Imgbot[i]->width(), 26);
  }

  // 7.
  LoadIdioma(QStringLiteral("TAV"));
  SetLanguage();
  Timer2->start();

  // 8.
  PonerCabecera(PicCab->Target());
  PonerTabla(PicTab->Target());
  layout()->activate();
  Form_Resize();
}

void FormTabla::Form_Resize() {
  if (isMinimized()) return;
  if (width() < 640 || height() < 480) {
    resize(std::max(width(), 640), std::max(height(), 480));
    return;  // the resize to the minimum lays the window out again
  }
  const int SW = ScaleWidth(), SH = ScaleHeight();
  PicG->resize(std::max(1, SW - kPicBotWidth - 15), std::max(1, SH - 11));
  const int gw = PicG->width(), gh = PicG->height();
  ShaG->setGeometry(PicG->x() - 1, PicG->y() - 1, gw + 1, gh + 2);
  PicBot->setGeometry(PicG->x() + gw + 3, PicG->y(), kPicBotWidth, gh);
  ShaBOT->setGeometry(PicBot->x() - 3, PicBot->y() - 1, PicBot->width() + 5, gh + 2);
  VScroll1->setGeometry(gw - kScrollWidth, 0, kScrollWidth, gh);

  const int cabTop = 4;
  const int free = gw - kScrollWidth;
  const int left = free > kCabWidth ? (free - kCabWidth) / 2 : 4;
  PicCab->move(left, cabTop);
  PicTab->move(left, cabTop + kCabHeight);
  PicSUP->setGeometry(left, 0, kCabWidth, cabTop);

  const int tableTop = cabTop + kCabHeight;
  if (gh - tableTop >= kTabHeight) {
    VScroll1->hide();
    return;
  }
  VScroll1->show();
  {
    // The new range may keep the old value: place the table explicitly.
    const QSignalBlocker quiet(VScroll1);
    VScroll1->SetRange(tableTop, gh - kTabHeight - 4);
    VScroll1->SetValue(tableTop);
  }
  VScroll1_Change();
}

void FormTabla::VScroll1_Change() {
  PicTab->move(PicTab->x(), VScroll1->Value());
}

void FormTabla::MouseWheel(int32_t, int32_t Rotation, int32_t, int32_t) {
  if (VScroll1->isHidden()) return;
  const int mn = VScroll1->Min(), mx = VScroll1->Max();
  const int d = mx > mn ? 1 : (mx < mn ? -1 : 0);
  int v;
  if (Rotation > 0) {
    v = VScroll1->Value() - d * VScroll1->SmallChange;
    if (d == 1 ? v < mn : v > mn) v = mn;
  } else {
    v = VScroll1->Value() + d * VScroll1->SmallChange;
    if (d == 1 ? v > mx : v < mx) v = mx;
  }
  VScroll1->SetValue(v);
}

void FormTabla::PonerCabecera(platform::DrawTarget& OB) {
  DrawTableHeader(OB, TextoTabla);
}

void FormTabla::PonerTabla(platform::DrawTarget& OB) {
  DrawTableRows(OB, TextoTabla);
}

void FormTabla::Timer2_Timer() {
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) return;
  Lblbot[2]->setToolTip(printers.CurrentPrinterName());
}

void FormTabla::Lblbot_Click(int Index) {
  switch (Index) {
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

void FormTabla::Lblbot_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, true);
}

void FormTabla::Lblbot_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, false);
}

void FormTabla::Form_KeyPress(int KeyAscii) {
  if (KeyAscii == 27) close();
}

void FormTabla::mnu_archivo_cerrar_Click() {
  close();
}

void FormTabla::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Timer2->stop();
  if (Wheel::WheelForm == this) Wheel::Unhook();
}

void FormTabla::mnu_archivo_saveas_Click() {
  const QString filter = GetL_win(QStringLiteral("TXT_file")) + QStringLiteral(" (*.txt)|*.txt|") +
                         GetL_win(QStringLiteral("AllFiles")) + QStringLiteral(" (*.*)|*.*");
  QString path =
      platform::DialogoGuardarArchivo(filter, GetL_win(QStringLiteral("Save")), UltimaCarpetaTabla,
                                      QString(), this, QStringLiteral(".txt"));
  if (path.isEmpty()) return;
  path = platform::WithExtension(path, QStringLiteral(".txt"));
  UltimaCarpetaTabla = platform::FolderOf(path);

  // Complete or not at all: a failed save keeps the old file and says why.
  const platform::WriteResult saved = platform::WriteLocaleTextFile(path, TextoTabla);
  if (!saved)
    platform::MsgBox(GetL_win(QStringLiteral("CantSaveFile")) + QStringLiteral("\r\n") + path +
                         QStringLiteral("\r\n") + saved.reason,
                     platform::kProgramName, platform::MsgIcon::Exclamation);
}

void FormTabla::mnu_edicion_copiar_Click() {
  if (!platform::CopyTextToClipboard(TextoTabla)) {
    platform::MsgBox(GetL_win(QStringLiteral("CantCopyTable")), GetL_win(QStringLiteral("Error")),
                     platform::MsgIcon::Exclamation);
    return;
  }
  platform::MsgBox(GetL_win(QStringLiteral("OKCopyTable")), GetL_win(QStringLiteral("Bot_Copy")),
                   platform::MsgIcon::Information);
}

void FormTabla::mnu_archivo_imprimir_Click() {
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

  const platform::PictureTarget& cab = PicCab->Target();
  platform::PrinterTarget page(printer);
  for (int32_t i = 1; i <= NumCopias; ++i) {
    page.SetOrientation(platform::PrinterTarget::Orientation::Portrait);
    page.SetFontName(cab.FontName());
    page.SetFontSize(cab.FontSize());
    page.SetFontItalic(cab.FontItalic());
    page.SetFontBold(cab.FontBold());
    PonerCabecera(page);
    PonerTabla(page);
    if (i < NumCopias) page.NewPage();
  }
  page.EndDoc();
}

bool FormTabla::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize) Form_Resize();
  return QDialog::eventFilter(watched, event);
}

void FormTabla::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Form_KeyPress(27);
    return;
  }
  QDialog::keyPressEvent(event);
}

void FormTabla::done(int result) {
  Form_Unload();
  QDialog::done(result);
}
