#include "mainwin/FormVigasEditUnits.h"

#include <QEvent>
#include <QKeyEvent>
#include <cstdio>

#include "engine/Vigas.h"
#include "mainwin/Artwork.h"
#include "mainwin/MainState.h"
#include "platform/ButtonFace.h"
#include "shell/AjustesUsuario.h"

namespace {
const QColor kGroupBack(240, 240, 240);
const QColor kWhite(255, 255, 255);

int KeyCodeOf(const QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return 13;
  if (e->key() == Qt::Key_Escape) return 27;
  return e->text().isEmpty() ? 0 : e->text().at(0).unicode();
}
}  // namespace

FormVigasEditUnits::FormVigasEditUnits(mainwin::CalcDriver& driver)
    : QDialog(nullptr), driver_(driver) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowModality(Qt::ApplicationModal);
  CreateControls();
  Form_Load();
}

void FormVigasEditUnits::CreateControls() {
  setAutoFillBackground(true);
  platform::SetFixedColours(this, kWhite);

  for (int q = 1; q <= kKinds; ++q) {
    Picture1[q] = new platform::Panel(this);
    Label1[q] = new platform::Label(Picture1[q]);
  }
  for (int k = 0; k < kOptions; ++k) {
    // Each option moves into the group box of its kind when the options are
    // filled; the options of one box are exclusive.
    Option1[k] = new platform::OptionButton(this);
    Option1[k]->installEventFilter(this);
    connect(Option1[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) Option1_Click(k);
    });
  }
  PicBOTTOM = new platform::Panel(this);
  for (int i = 0; i < 3; ++i) {
    Imgbot[i] = new platform::ImageControl(PicBOTTOM);
    Lblbot[i] = new platform::ButtonCaption(PicBOTTOM);
    platform::ConnectButtonCaption(Lblbot[i], this, i, &FormVigasEditUnits::Lblbot_Click,
                                   &FormVigasEditUnits::Lblbot_MouseDown,
                                   &FormVigasEditUnits::Lblbot_MouseUp);
  }
}

void FormVigasEditUnits::Form_Load() {
  // 1. Size and the controls' sizes, fonts and first places.
  setFixedSize(kClientWidth, kClientHeight);
  for (int q = 1; q <= kKinds; ++q) {
    Picture1[q]->Move(20, 20 + 58 * (q - 1), 583, q == kKinds ? 70 : 47);
    Picture1[q]->SetBackColor(kGroupBack);
    Picture1[q]->SetFontSize(11);
    Label1[q]->SetOpaqueBack(kWhite);
    Label1[q]->SetFont(11, false);
    Label1[q]->SetHeight(18);
  }
  PicBOTTOM->Move(0, kClientHeight - 54, kClientWidth, 54);
  PicBOTTOM->SetBackColor(QColor(240, 244, 255));
  for (int i = 0; i < 3; ++i) {
    Imgbot[i]->SetPicture(platform::ButtonFacePicture(true));
    Lblbot[i]->SetHeight(26);
    Lblbot[i]->SetFont(10, false);
    Lblbot[i]->raise();
  }

  // 3. Buttons.
  const int32_t botX[3] = {180, 330, 480};
  for (int i = 0; i < 3; ++i) {
    BotX[i] = botX[i];
    BotY[i] = 11;
    Imgbot[i]->Move(BotX[i], BotY[i]);
    Lblbot[i]->Move(BotX[i], BotY[i] + 7);
    Lblbot[i]->SetWidth(Imgbot[i]->Width());
  }

  // 4. Group boxes and their titles.
  for (int q = 1; q <= kKinds; ++q) {
    Label1[q]->Move(0, 0);
    Label1[q]->SetWidth(Picture1[q]->Width());
    Picture1[q]->Move(20, 20 + 58 * (q - 1));
  }

  // 5. One option per unit, in the box of its kind.
  int n = -1;
  for (int q = 1; q <= kKinds; ++q) {
    for (int k = 0; k < kOptions; ++k) {
      if (Vigas::UnidadNombre[q][k].empty() || n + 1 >= kOptions) continue;
      ++n;
      platform::OptionButton* o = Option1[n];
      o->setParent(Picture1[q]);
      o->setText(QString::fromStdString(Vigas::UnidadNombre[q][k]));
      o->Tag = QString::number(q);
      optionKind_[n] = q;
      o->SetBackColor(kGroupBack);
      o->SetFont(11, false);
      o->Move(5 + 96 * (n % 6), n >= 36 ? 47 : 24, 96, 21);
      o->SetVisible(true);
    }
  }

  // 6. Texts.
  LoadIdioma(QStringLiteral("EUN"));
  SetLanguage();

  // 7. The current units, checked.
  for (int q = 1; q <= kKinds; ++q) {
    const int k = Vigas::IdxUnidad[q];
    if (k >= 0 && k < kOptions && Vigas::UnitBelongsToKind(q, k)) Option1[k]->SetValue(true);
  }

  // 8. What every tab with a case holds, in base units, before any unit
  // changes. Each row is read on its own: a row that cannot be read keeps no
  // value, but the rows after it are still read. Datos and FlagError are not
  // touched, so leaving without applying changes nothing.
  DatosTipo = driver_.ReadTabs();
}

void FormVigasEditUnits::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("UnitsSetup")));
  const char* const titles[kKinds + 1] = {
      "", "Len_Dis_Pos", "Defor_Deflec", "Forces", "DistribLoad", "Moment", "FlexRig"};
  for (int q = 1; q <= kKinds; ++q) Label1[q]->SetCaption(GetL_win(QString::fromLatin1(titles[q])));
  Lblbot[0]->SetCaption(GetL_win(QStringLiteral("But_OK")));
  Lblbot[1]->SetCaption(GetL_win(QStringLiteral("But_Cancel")));
  Lblbot[2]->SetCaption(GetL_win(QStringLiteral("But_Apply")));
}

void FormVigasEditUnits::Aplicar() {
  std::string s;
  for (int k = 0; k < kOptions; ++k) {
    if (!Option1[k]->Value()) continue;
    const int q = optionKind_[k];
    if (q < 1 || q > kKinds) continue;
    Vigas::SeleccionarUnidad(q, k);
    char pair[8];
    std::snprintf(pair, sizeof pair, "%02d", k);
    s += pair;
  }
  AjustesUsuario::GuardarEleccionUnidades(QString::fromStdString(s));
  driver_.RewriteTabs(DatosTipo);
}

void FormVigasEditUnits::Lblbot_Click(int Index) {
  switch (Index) {
    case 0:
      Aplicar();
      accept();
      break;
    case 1:
      reject();
      break;
    case 2:
      Aplicar();
      break;
    default:
      break;
  }
}

void FormVigasEditUnits::Form_KeyPress(int KeyAscii) {
  if (KeyAscii == 13) Lblbot_Click(0);
  if (KeyAscii == 27) Lblbot_Click(1);
}

void FormVigasEditUnits::Lblbot_MouseDown(int Index, int) {
  if (Index < 0 || Index > 2) return;
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, true);
}

void FormVigasEditUnits::Lblbot_MouseUp(int Index, int) {
  if (Index < 0 || Index > 2) return;
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, false);
}

void FormVigasEditUnits::Option1_Click(int) {
  for (int k = 0; k < kOptions; ++k) Option1[k]->SetFontBold(Option1[k]->Value());
}

void FormVigasEditUnits::keyPressEvent(QKeyEvent* e) {
  Form_KeyPress(KeyCodeOf(e));
}

// Enter and Esc act on the dialog whichever option has the focus.
bool FormVigasEditUnits::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int code = KeyCodeOf(static_cast<QKeyEvent*>(event));
    if (code == 13 || code == 27) {
      Form_KeyPress(code);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
