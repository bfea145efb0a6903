// Start-up of the main window: size, starting layout, language table,
// settings, case tables, texts, tab pages, rows and graph colours.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <cmath>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/MainState.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/ScreenFit.h"
#include "shell/AjustesUsuario.h"

namespace {
// Button captions of tabs 1..5 differ in size.
constexpr double kButtonCaptionSize[6] = {0, 12, 11, 11, 10, 12};
}  // namespace

void FormMain::Form_Load() {
  // Window size; the resize rules keep it at 980 x 600 or more, frame and
  // title bar included.
  platform::KeepOuterMinimum(this, QSize(980, 600));
  platform::FitToScreen(this, QSize(1040, 734));
  layout()->activate();  // the drawing area takes its size before the window shows

  ApplyStartingLayout();

  LoadIdioma(QStringLiteral("KSL"));

  Vigas::TipoViga = 0;

  // Update period, decimal separator, significant digits, folders.
  Vigas::SetSeparatorTickHandler([this](bool comma) {
    mnu_Config_SepaDec_COM->setChecked(comma);
    mnu_Config_SepaDec_PTO->setChecked(!comma);
  });
  ReadStartupSettings();

  // Case tables.
  for (int i = 0; i <= kTabs; ++i) Vigas::CasoCarga[i] = -1;
  PutDescripcionesenListas();
  Vigas::IniciarUnidades(AjustesUsuario::EleccionUnidades().toStdString());
  Vigas::IniciarSimbolosSigno();
  Vigas::IniciarVariables();

  // Maker and program name: a fixed caption.
  setWindowTitle(QStringLiteral("Quillenmarch - TORV"));

  // Texts; the type menu reads as the tab captions.
  SetMAINTitulos();
  SetLanguage();
  for (int i = 1; i <= kTabs; ++i) mnu_TIPO_CAL[i]->setText(LblMENU[i]->Caption());

  // Tab pages.
  for (int i = 1; i <= kTabs; ++i) {
    List1[i]->Move(4, 27, 357, 90);
    List1[i]->SetFont(10);

    ImgMENU[i]->Move(ImgMENU[i]->Width() * (i - 1) + 6, 2);
    ImgMENU[i]->SetPicture(ImgMENU_OFF->Picture());
    XposMENU[i] = static_cast<int32_t>(std::nearbyint(ImgMENU[i]->Left()));
    YposMENU[i] = static_cast<int32_t>(std::nearbyint(ImgMENU[i]->Top()));

    LblMENU[i]->SetWidth(ImgMENU[i]->Width());
    LblMENU[i]->SetLeft(XposMENU[i]);
    LblMENU[i]->SetTop(YposMENU[i] + 4);
    LblMENU[i]->SetForeColor(QColor(96, 96, 96));

    PicTASK[i]->SetVisible(false);
    PicTASK[i]->SetBackColor(QColor(255, 255, 255));
    PicFOR[i]->SetBackColor(QColor(255, 255, 255));
    PicIO[i]->SetBackColor(QColor(248, 250, 255));
    ShaOPT[i]->SetBackColor(QColor(240, 244, 255));
    ShaIO[i]->SetBackColor(QColor(248, 250, 255));
    ShaFOR[i]->SetBackColor(QColor(255, 255, 255));

    LblMainTIT[i]->SetLeft(6);
    LblMainTIT[i]->SetTop(0);
    LblMainTIT[i]->SetWidth(ScaleWidth() - LblMainTIT[i]->Left());

    PicTASK[i]->Move(4, 40, ScaleWidth() - 8, ScaleHeight() - 44);

    ImgCAL[i]->SetPicture(ImgWARE[1]->Picture());
    ImgDEL[i]->SetPicture(ImgWARE[1]->Picture());
    ImgGRA[i]->SetPicture(ImgWARE[0]->Picture());
    ImgINF[i]->SetPicture(ImgWARE[0]->Picture());

    LblGRA[i]->SetWidth(ImgGRA[i]->Width());
    LblCAL[i]->SetWidth(ImgCAL[i]->Width());
    LblDEL[i]->SetWidth(ImgDEL[i]->Width());
    LblINF[i]->SetWidth(ImgINF[i]->Width());

    LblCAL[i]->SetEnabled(true);
    LblDEL[i]->SetEnabled(true);
    LblGRA[i]->SetEnabled(false);
    LblINF[i]->SetEnabled(false);

    LblGRA[i]->SetForeColor(LblGRA[1]->ForeColor());
    LblCAL[i]->SetForeColor(LblGRA[1]->ForeColor());
    LblDEL[i]->SetForeColor(LblGRA[1]->ForeColor());
    LblINF[i]->SetForeColor(LblINF[1]->ForeColor());

    for (platform::Label* l : {LblGRA[i], LblCAL[i], LblDEL[i], LblINF[i]}) {
      l->SetFontBold(false);
      l->raise();
    }

    ImgGRA[i]->SetVisible(true);
    LblGRA[i]->SetVisible(true);
    ImgINF[i]->SetVisible(true);
    LblINF[i]->SetVisible(true);

    PicIO[i]->SetVisible(false);
  }

  // Rows, emptied and hidden without their change handling.
  {
    BusyGuard busy(Ocupado);
    for (int r = 0; r < kRows; ++r) {
      Label1[r]->SetCaption(QString());
      Text1[r]->SetText(QString());
      Text1[r]->SetFont(11, true);
      Img1[r]->SetWidth(33);
      Img1[r]->SetHeight(16);
      Img1[r]->SetPicture(ImgBOX[26]->Picture());
      Label1[r]->SetVisible(false);
      Img1[r]->SetVisible(false);
      Text1[r]->SetVisible(false);
      Label1[r]->SetFont(10, false);
      Label1[r]->SetWidth(60);
      Label1[r]->SetHeight(16);
      Text1[r]->SetWidth(62);
      Text1[r]->SetHeight(20);
    }
  }

  // Report graphs: colours and the picture they are drawn on.
  ColorTextoGraf = platform::RGBColor(64, 64, 96);
  ColorEjesGraf = platform::RGBColor(0, 64, 128);
  ColorRejillaGraf = platform::RGBColor(196, 196, 196);
  ColorCurvaGraf = platform::RGBColor(200, 0, 0);
  PicG->Resize(1080, 600);
  CrearListaDescripTiposGraficas();
}

void FormMain::ApplyStartingLayout() {
  PicMENU->Move(0, 0, ScaleWidth(), 34);
  for (int i = 1; i <= kTabs; ++i) {
    ImgMENU[i]->Move(166 * (i - 1) + 6, 2);
    LblMENU[i]->Move(166 * (i - 1) + 6, 6, 166, 20);
    LblMENU[i]->SetFont(10, false);
    LblMainTIT[i]->Move(6, 0, 900, 19);
    LblMainTIT[i]->SetFont(12, true);
    PicTASK[i]->Move(4, 40, 1024, 640);
    for (platform::Label* l : {LblCAL[i], LblDEL[i], LblGRA[i], LblINF[i]}) {
      l->Move(0, 6, 120, 26);
      l->SetFont(kButtonCaptionSize[i], false);
    }
    ImgSLD[i]->Move(0, 0);
  }
  Pictest->SetFontName(QStringLiteral("Arial"));
  Pictest->SetFontSize(platform::DesignFontSize(12));
  PicG->SetFontName(QStringLiteral("Arial"));
  PicG->SetFontSize(platform::DesignFontSize(14));
}

void FormMain::ReadStartupSettings() {
  // Update period: exactly one of the three items carries the check mark,
  // read the same way as the update check reads it.
  const int period = AjustesUsuario::PeriodoActualizacion();
  mnu_help_upd_set_1->setChecked(period == 1);
  mnu_help_upd_set_7->setChecked(period == 7);
  mnu_help_upd_set_30->setChecked(period == 30);

  const QString sep = AjustesUsuario::SeparadorDecimal();
  Vigas::SepDecimal = sep.toStdString();
  mnu_Config_SepaDec_COM->setChecked(sep == QLatin1String(","));
  mnu_Config_SepaDec_PTO->setChecked(sep == QLatin1String("."));

  const int digits = AjustesUsuario::DigitosSignificativos();
  Vigas::NumDigitos = digits;
  mnu_NDIG_Click(digits);

  UltimaCarpeta = AjustesUsuario::CarpetaGraficas();
  UltimaCarpetaTabla = AjustesUsuario::CarpetaTablas();
}

void FormMain::mnu_NDIG_Click(int Index) {
  for (int i = 4; i <= 12; ++i) {
    if (i == Index) {
      mnu_NDIG[i]->setChecked(true);
      Vigas::NumDigitos = i;
    } else {
      mnu_NDIG[i]->setChecked(false);
    }
  }
}

void FormMain::mnu_TIPO_CAL_Click(int Index) {
  LblMENU_Click(Index);
}

void FormMain::SetTabLook(int current) {
  for (int i = 1; i <= kTabs; ++i) {
    const bool on = i == current;
    LblMENU[i]->SetForeColor(on ? QColor(64, 64, 128) : QColor(96, 96, 96));
    ImgMENU[i]->SetPicture(on ? ImgMENU_ON->Picture() : ImgMENU_OFF->Picture());
    PicTASK[i]->SetVisible(on);
    LblMENU[i]->SetFontBold(on);
    mnu_TIPO_CAL[i]->setChecked(on);
  }
}
