#include "graphs/FormEditGRAF.h"

#include <QKeyEvent>
#include <QLabel>
#include <cmath>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/ButtonFace.h"
#include "platform/Fonts.h"

namespace {
const QColor kOptionBack(226, 234, 255);
constexpr int kOptionWidth = 30, kOptionHeight = 25;
}  // namespace

FormEditGRAF::FormEditGRAF(QWidget* parent) : QDialog(parent) {
  CreateControls();
  Form_Load();
}

void FormEditGRAF::CreateControls() {
  platform::SetBackColor(this, QColor(240, 240, 240));
  // Frames first, so they stay behind what they frame.
  ShaG = new platform::Shape(this, Qt::white, QColor(144, 160, 255));
  Shabor = new platform::Shape(this, kOptionBack, QColor(255, 128, 0), 2);
  LblTIT = new QLabel(this);
  LblINSTR = new QLabel(this);
  for (QLabel* l : {LblTIT, LblINSTR}) l->setTextFormat(Qt::PlainText);
  for (int i = 0; i < 4; ++i) {
    Option1[i] = new platform::OptionButton(this);
    platform::SetBackColor(Option1[i], kOptionBack);
    Option1[i]->installEventFilter(this);
    connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    connect(Option1[i], &platform::OptionButton::doubleClicked, this,
            [this, i] { Option1_DblClick(i); });
    Picture1[i] = new platform::PictureBox(this, platform::RGBColor(226, 234, 255));
    connect(Picture1[i], &platform::PictureBox::clicked, this, [this, i] { Picture1_Click(i); });
    connect(Picture1[i], &platform::PictureBox::doubleClicked, this,
            [this, i] { Picture1_DblClick(i); });
  }
  PicBOTTOM = new QWidget(this);
  platform::SetBackColor(PicBOTTOM, QColor(240, 244, 255));
  for (int i = 0; i < 2; ++i) {
    Imgbot[i] = new platform::ImageControl(PicBOTTOM);
    Lblbot[i] = new platform::ButtonCaption(PicBOTTOM);
    platform::ConnectButtonCaption(Lblbot[i], this, i, &FormEditGRAF::Lblbot_Click,
                                   &FormEditGRAF::Lblbot_MouseDown, &FormEditGRAF::Lblbot_MouseUp);
  }
  // Without an option on offer the OK button would take the focus first.
  platform::FocusWindowOnOpen(this);
}

void FormEditGRAF::SetLanguage() {
  setWindowTitle(GetL_win(QStringLiteral("SelectingTypeGraph")));
  Lblbot[0]->setText(GetL_win(QStringLiteral("But_OK")));
  Lblbot[1]->setText(GetL_win(QStringLiteral("But_Cancel")));
  LblINSTR->setText(GetL_win(QStringLiteral("SelectTypeGraph")));
}

void FormEditGRAF::Form_Load() {
  // Size and fonts.
  setFixedSize(743, 404);
  for (int i = 0; i < 2; ++i) {
    Imgbot[i]->SetPicture(platform::ButtonFacePicture());
    Lblbot[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
  }
  LblTIT->setFont(platform::WidgetFont(QStringLiteral("Arial"), 11, true));
  LblINSTR->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
  for (int i = 0; i < 4; ++i) {
    Option1[i]->setFont(platform::WidgetFont(QStringLiteral("Arial"), 10));
    platform::PictureTarget& t = Picture1[i]->Target();
    t.SetFontName(QStringLiteral("Arial"));
    t.SetFontSize(platform::DesignFontSize(11));
  }
  const int SW = width(), SH = height();

  LoadIdioma(QStringLiteral("EGF"));

  // Buttons at rest.
  BotX[0] = 460, BotX[1] = 600;
  BotY[0] = 11, BotY[1] = 11;
  PicBOTTOM->setGeometry(0, SH - 54, SW, 54);
  for (int i = 0; i < 2; ++i) {
    Imgbot[i]->Move(BotX[i], BotY[i]);
    Lblbot[i]->Move(BotX[i], BotY[i] + 7, Imgbot[i]->width(), 26);
  }

  EditGrafAceptado = false;

  // Title, instruction and the frame around them and the options.
  LblTIT->setText(TituloPestana(Vigas::TipoViga));
  LblTIT->setGeometry(10, 10, SW - 20, 24);
  LblINSTR->setGeometry(10, 30, SW - 20, 19);
  ShaG->Move(5, 5, SW - 10, SH - PicBOTTOM->height() - 10);

  // Options, each with its description box beside it.
  for (int i = 0; i < 4; ++i) {
    Option1[i]->setText(QString());
    Option1[i]->Move(15, 58 + 28 * i, kOptionWidth, kOptionHeight);
    Picture1[i]->setGeometry(15 + kOptionWidth, Option1[i]->y(), SW - kOptionWidth - 30,
                             kOptionHeight);
  }

  // The case in the lists.
  int k = 0;
  for (int n = 1; n <= Vigas::kCaseCount; ++n) {
    if (ListaCodCasos[n] == CodigoCaso) {
      k = n;
      break;
    }
  }

  // The types the case offers.
  for (int j = 1; j <= 4; ++j) {
    const int i = j - 1;
    const int g = GraficasCaso[k][j];
    if (g == 0) {
      Option1[i]->SetVisible(false);
      Picture1[i]->hide();
      continue;
    }
    Option1[i]->SetVisible(true);
    Picture1[i]->show();
    QString description = g >= 1 && g <= 4 ? DescTipoGrafica[g] : QString();
    description.remove(QLatin1Char('@'));
    platform::PictureTarget& t = Picture1[i]->Target();
    t.Cls();
    t.SetCurrentX(90);
    t.SetCurrentY(30);
    Option1[i]->Tag = QString::number(g);
    Mini_HTFC_rut::ImprimirHTFC(description, t);
  }

  // Preselection: the current type, or the first option.
  for (int i = 0; i < 4; ++i)
    if (Option1[i]->Tag == QString::number(TipoGrafica)) SelectOption(i);
  if (TipoGrafica == 0) SelectOption(0);
  if (SelectedOption() < 0) Shabor->hide();

  SetLanguage();
}

void FormEditGRAF::SelectOption(int Index) {
  if (Index < 0 || Index > 3) return;
  Option1[Index]->setChecked(true);
  Option1_Click(Index);
}

int FormEditGRAF::SelectedOption() const {
  for (int i = 0; i < 4; ++i)
    if (Option1[i]->isChecked()) return i;
  return -1;
}

void FormEditGRAF::Option1_Click(int Index) {
  QWidget* o = Option1[Index];
  QWidget* p = Picture1[Index];
  Shabor->Move(o->x() - 1, o->y() - 1, o->width() + p->width() + 3, p->height() + 3);
  // No frame around an option that is not offered.
  Shabor->setHidden(o->isHidden());
}

void FormEditGRAF::Option1_DblClick(int Index) {
  SelectOption(Index);
  Lblbot_Click(0);
}

void FormEditGRAF::Picture1_Click(int Index) {
  SelectOption(Index);
}

void FormEditGRAF::Picture1_DblClick(int Index) {
  SelectOption(Index);
  Lblbot_Click(0);
}

void FormEditGRAF::Lblbot_Click(int Index) {
  EditGrafAceptado = false;
  if (Index == 0) {
    const int i = SelectedOption();
    int chosen = 0;
    if (i >= 0) {
      bool ok = false;
      const double v = Option1[i]->Tag.trimmed().toDouble(&ok);
      if (ok && std::isfinite(v) && std::fabs(v) < 32768)
        chosen = static_cast<int>(std::nearbyint(v));
    }
    if (chosen == 0) return;  // nothing to confirm: the window stays open
    TipoGrafica = static_cast<int16_t>(chosen);
    PrepararGrafica();
    if (Vigas::FlagError == 0) EditGrafAceptado = true;
    close();
  } else if (Index == 1) {
    close();
  }
}

void FormEditGRAF::Lblbot_MouseDown(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, true);
}

void FormEditGRAF::Lblbot_MouseUp(int Index, int) {
  platform::ShowButtonPressed(Imgbot[Index], Lblbot[Index], BotX[Index], BotY[Index], 7, false);
}

void FormEditGRAF::Form_KeyPress(int KeyAscii) {
  if (KeyAscii == 27) {
    close();
  } else if (KeyAscii == 13) {
    Lblbot_Click(0);
  }
}

void FormEditGRAF::Form_KeyDown(int KeyCode, int) {
  int cur = 0, last = 0;
  for (int i = 0; i < 4; ++i) {
    if (Option1[i]->isHidden()) continue;
    last = i;
    if (Option1[i]->isChecked()) cur = i;
  }
  if (KeyCode == 40) {
    if (cur >= 3) {
      SelectOption(0);
    } else if (!Option1[cur + 1]->isHidden()) {
      SelectOption(cur + 1);
    } else {
      SelectOption(0);
    }
  } else if (KeyCode == 38) {
    SelectOption(cur <= 0 ? last : cur - 1);
  }
}

bool FormEditGRAF::HandleKey(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Escape:
      Form_KeyPress(27);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Form_KeyPress(13);
      return true;
    case Qt::Key_Down:
      Form_KeyDown(40, 0);
      return true;
    case Qt::Key_Up:
      Form_KeyDown(38, 0);
      return true;
    default:
      return false;
  }
}

bool FormEditGRAF::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

void FormEditGRAF::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QDialog::keyPressEvent(event);
}
