#include "output/FormTabla.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "graphs/GraphHooks.h"
#include "graphs/GraphState.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/OutputState.h"
#include "output/TableDrawing.h"
#include "output/Wheel.h"
#include "platform/Clipboard.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/ScreenFit.h"
#include "platform/TextFile.h"

namespace {
constexpr int kScrollWidth = 18;
constexpr int kCabWidth = 796, kCabHeight = 81;
constexpr int kTabHeight = 1125 - kCabHeight;
const QColor kViewportGrey(0xC0, 0xC0, 0xC0);
const char* const kCaptionKeys[5] = {"", "", "Bot_Print", "Bot_Copy", "Bot_Close"};
// Outer size, frame and title bar included.
constexpr QSize kMinimumSize(640, 480);
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

FormTabla::FormTabla(QWidget* parent) : ToolbarWindow(QStringLiteral("TAV"), 2, parent) {
  CreateControls();
  Form_Load();
}

FormTabla::~FormTabla() {
  Form_Unload();
}

void FormTabla::CreateControls() {
  PicG = new QWidget(surface_);
  PicG->setAutoFillBackground(true);
  // Stacking inside the viewport: the table passes under the header, the
  // mask strip above it and the scroll bar.
  PicTab = new platform::PictureBox(PicG, platform::RGBColor(255, 255, 255));
  PicCab = new platform::PictureBox(PicG, platform::RGBColor(255, 255, 255));
  PicSUP = new QWidget(PicG);
  PicSUP->setAutoFillBackground(true);
  VScroll1 = new TableScrollBar(PicG);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
}

void FormTabla::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("DataTable")));
  for (int i = 2; i <= 4; ++i) Lblbot[i]->setText(GetL_win(QString::fromLatin1(kCaptionKeys[i])));
  Lblbot[3]->setToolTip(GetL_win(QStringLiteral("TTT_Copy")));
  Lblbot[4]->setToolTip(GetL_win(QStringLiteral("TTT_Close")));
  SetMenuTexts(QStringLiteral("mnu_SaveTableAs"));
}

void FormTabla::Form_Load() {
  // Sizes with the frame; the resize rules keep it at 640 x 480 or more.
  platform::KeepOuterMinimum(this, kMinimumSize);
  platform::ResizeOuter(this, QSize(798, 578));
  for (platform::PictureBox* p : {PicTab, PicCab}) {
    p->Target().SetFontName(QStringLiteral("Arial"));
    p->Target().SetFontSize(platform::DesignFontSize(10));
  }
  PicG->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
  VScroll1->resize(kScrollWidth, VScroll1->height());

  Wheel::Hook(*this, [this](int32_t keys, int32_t rotation, int32_t x, int32_t y) {
    MouseWheel(keys, rotation, x, y);
  });

  // Colours, places and the two pictures.
  platform::SetBackColor(PicG, kViewportGrey);
  PicG->move(6, 6);
  PicBot->move(PicBot->x(), PicG->y());
  ShaG->move(PicG->x() - 1, PicG->y() - 1);
  PicCab->resize(kCabWidth, kCabHeight);
  PicTab->resize(kCabWidth, kTabHeight);
  PicCab->Target().Cls();
  PicTab->Target().SetBackColor(platform::RGBColor(255, 255, 255));
  platform::SetBackColor(PicSUP, kViewportGrey);

  PlaceButtons();
  LoadIdioma(QStringLiteral("TAV"));
  SetLanguage();
  Timer2->start();

  PonerCabecera(PicCab->Target());
  PonerTabla(PicTab->Target());
  layout()->activate();
  Form_Resize();
}

void FormTabla::Form_Resize() {
  if (isMinimized()) return;
  platform::KeepOuterMinimum(this, kMinimumSize);
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

void FormTabla::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Timer2->stop();
  if (Wheel::WheelForm == this) Wheel::Unhook();
}

void FormTabla::mnu_archivo_saveas_Click() {
  const QString path =
      AskSavePath(QStringLiteral("TXT_file"), QStringLiteral(".txt"), UltimaCarpetaTabla);
  if (path.isEmpty()) return;

  // Complete or not at all: a failed save keeps the old file and says why.
  const platform::WriteResult saved = platform::WriteLocaleTextFile(path, TextoTabla);
  if (!saved)
    platform::MsgBox(GetL_win(QStringLiteral("CantSaveFile")) + QStringLiteral("\r\n") +
                         platform::QuotedText(path) + QStringLiteral("\r\n") +
                         platform::AsSentence(saved.reason),
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
  const platform::PictureTarget& cab = PicCab->Target();
  const QString job = GetL_win(QStringLiteral("DataTable")) + QStringLiteral(": ") +
                      Mini_HTFC_rut::ReadableText(TituloGrafica);
  PrintCopies(job, [this, &cab](platform::PrinterTarget& page) {
    page.SetOrientation(platform::PrinterTarget::Orientation::Portrait);
    page.SetFontAs(cab);
    PonerCabecera(page);
    PonerTabla(page);
  });
}

void FormTabla::done(int result) {
  Form_Unload();
  QDialog::done(result);
}
