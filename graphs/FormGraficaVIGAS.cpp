#include "graphs/FormGraficaVIGAS.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>

#include "graphs/FormEditGRAF.h"
#include "graphs/Graficas.h"
#include "graphs/GraphHooks.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/Clipboard.h"
#include "platform/Fonts.h"
#include "platform/ImageFiles.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Program.h"
#include "platform/ScreenFit.h"

namespace {
const char* const kCaptionKeys[5] = {"Bot_selGraph", "Bot_DataTable", "Bot_Print", "Bot_Copy",
                                     "Bot_Close"};
const char* const kTooltipKeys[5] = {"TTT_SelGraph", "TTT_DataTable", "TTT_Print", "TTT_Copy",
                                     "TTT_Close"};
// Outer size, frame and title bar included.
constexpr QSize kMinimumSize(800, 600);
}  // namespace

FormGraficaVIGAS::FormGraficaVIGAS(QWidget* parent)
    : ToolbarWindow(QStringLiteral("GFV"), 0, parent) {
  CreateControls();
  Form_Load();
}

FormGraficaVIGAS::~FormGraficaVIGAS() = default;

void FormGraficaVIGAS::CreateControls() {
  // Choosing another graph comes first in the File menu.
  mnu_archivo_editar = new QAction(this);
  mnu_archivo->insertAction(mnu_archivo_saveas, mnu_archivo_editar);
  mnu_archivo_editar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  mnu_ver = Menus->addMenu(QString());
  mnu_ver_tabla = mnu_ver->addAction(QString());
  mnu_ver_tabla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(mnu_archivo_editar, &QAction::triggered, this, [this] { mnu_archivo_editar_Click(); });
  connect(mnu_ver_tabla, &QAction::triggered, this, [this] { mnu_ver_tabla_Click(); });

  PicG = new platform::PictureBox(surface_, platform::RGBColor(255, 255, 255));

  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  Timer1->setInterval(20);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void FormGraficaVIGAS::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("Graphic")));
  for (int i = 0; i < 5; ++i) {
    Lblbot[i]->setText(GetL_win(QString::fromLatin1(kCaptionKeys[i])));
    Lblbot[i]->setToolTip(GetL_win(QString::fromLatin1(kTooltipKeys[i])));
  }
  SetMenuTexts(QStringLiteral("mnu_SaveImgAs"));
  mnu_archivo_editar->setText(GetL_win(QStringLiteral("mnu_SelectTypeGraph")));
  mnu_ver->setTitle(GetL_win(QStringLiteral("mnu_View")));
  mnu_ver_tabla->setText(GetL_win(QStringLiteral("mnu_DataTable")));
}

void FormGraficaVIGAS::Form_Load() {
  // Sizes with the frame; the resize rules keep it at 800 x 600 or more.
  platform::KeepOuterMinimum(this, kMinimumSize);
  platform::ResizeOuter(this, QSize(798, 578));
  layout()->activate();
  platform::PictureTarget& g = PicG->Target();
  g.SetFontName(QStringLiteral("Arial"));
  g.SetFontSize(platform::DesignFontSize(10));

  PicG->move(6, 6);
  PicBot->move(PicBot->x(), PicG->y());
  ShaG->move(PicG->x() - 1, PicG->y() - 1);

  // Titles and labels are measured in the graph's font size.
  MeasuringPicture().SetFontSize(g.FontSize());

  PlaceButtons();
  LoadIdioma(QStringLiteral("GFV"));
  SetLanguage();
  Timer2->start();
}

void FormGraficaVIGAS::Form_Resize() {
  if (isMinimized()) return;
  platform::KeepOuterMinimum(this, kMinimumSize);
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

void FormGraficaVIGAS::Lblbot_Click(int Index) {
  if (Index == 0)
    mnu_archivo_editar_Click();
  else if (Index == 1)
    mnu_ver_tabla_Click();
  else
    ToolbarWindow::Lblbot_Click(Index);
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
  using Orientation = platform::PrinterTarget::Orientation;
  const platform::PictureTarget& screen = PicG->Target();
  const bool tall = screen.ScaleHeight() >= screen.ScaleWidth();
  const bool printed = PrintCopies(Mini_HTFC_rut::ReadableText(TituloGrafica), [&](auto& page) {
    page.SetOrientation(tall ? Orientation::Portrait : Orientation::Landscape);
    page.SetFontAs(screen);
    page.SetFontSize(10);
    DibujarGrafica(page, true);
  });
  // The printed drawing cleared the points: the screen graph fills them again.
  if (printed) DibujarGrafica(PicG->Target(), true);
}

void FormGraficaVIGAS::mnu_archivo_saveas_Click() {
  const QString path =
      AskSavePath(QStringLiteral("BMP_image"), QStringLiteral(".bmp"), UltimaCarpeta);
  if (path.isEmpty()) return;

  platform::BusyCursor busy;
  QString reason;
  const platform::SaveResult result =
      platform::SaveImageFile(PicG->Target().Image(), path, "BMP", -1, &reason);
  busy.Release();
  if (result == platform::SaveResult::Ok) return;
  const QString key = result == platform::SaveResult::WriteProtected
                          ? QStringLiteral("ErrorWriteProtectFile")
                          : QStringLiteral("CantSaveFile");
  platform::MsgBox(GetL_win(key) + QStringLiteral("\r\n") + platform::QuotedText(path) +
                       QStringLiteral("\r\n") + platform::AsSentence(reason),
                   platform::kProgramName, platform::MsgIcon::Exclamation);
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
