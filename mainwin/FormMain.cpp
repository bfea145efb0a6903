// The main window's control set: every control exists from the start and
// lives as long as the window.
#include "mainwin/FormMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "engine/Vigas.h"
#include "mainwin/Artwork.h"
#include "platform/ButtonFace.h"
#include "platform/DrawTarget.h"
#include "shell/AppInfo.h"

namespace {
FormMain*& CurrentInstance() {
  static FormMain* instance = nullptr;
  return instance;
}

// Menu items keep the check marks the program gives them: a click does not
// toggle the mark by itself, the command decides.
void Connect(QAction* action, std::function<void()> handler) {
  QObject::connect(action, &QAction::triggered, action, [action, handler](bool) {
    if (action->isCheckable()) {
      const QSignalBlocker block(action);
      action->setChecked(!action->isChecked());
    }
    handler();
  });
}

QAction* CheckableItem(QMenu* menu) {
  QAction* a = menu->addAction(QString());
  a->setCheckable(true);
  return a;
}
}  // namespace

FormMain* FormMain::Instance() {
  return CurrentInstance();
}

FormMain::FormMain() {
  CurrentInstance() = this;
  surface_ = new QWidget(this);
  surface_->setObjectName(QStringLiteral("DrawingArea"));
  setCentralWidget(surface_);
  surface_->installEventFilter(this);
  CreateMenus();
  CreateControls();
  Form_Load();
}

FormMain::~FormMain() {
  Vigas::SetSeparatorTickHandler(nullptr);
  if (CurrentInstance() == this) CurrentInstance() = nullptr;
}

double FormMain::ScaleWidth() const {
  return surface_->width();
}
double FormMain::ScaleHeight() const {
  return surface_->height();
}

void FormMain::CreateMenus() {
  QMenuBar* bar = menuBar();

  mnu_archivo = bar->addMenu(QString());
  mnu_Archivo_Salir = mnu_archivo->addAction(QString());
  mnu_Archivo_Salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  Connect(mnu_Archivo_Salir, [this] { mnu_Archivo_Salir_Click(); });

  mnu_TIPO = bar->addMenu(QString());
  for (int i = 1; i <= kTabs; ++i) {
    mnu_TIPO_CAL[i] = CheckableItem(mnu_TIPO);
    Connect(mnu_TIPO_CAL[i], [this, i] { mnu_TIPO_CAL_Click(i); });
  }

  mnu_Config = bar->addMenu(QString());
  mnu_Config_SepaDec = mnu_Config->addMenu(QString());
  mnu_Config_SepaDec_PTO = CheckableItem(mnu_Config_SepaDec);
  Connect(mnu_Config_SepaDec_PTO, [this] { mnu_Config_SepaDec_PTO_Click(); });
  mnu_Config_SepaDec_COM = CheckableItem(mnu_Config_SepaDec);
  Connect(mnu_Config_SepaDec_COM, [this] { mnu_Config_SepaDec_COM_Click(); });
  mnu_Config_DigiSig = mnu_Config->addMenu(QString());
  for (int n = 4; n <= 12; ++n) {
    mnu_NDIG[n] = CheckableItem(mnu_Config_DigiSig);
    Connect(mnu_NDIG[n], [this, n] { mnu_NDIG_Click(n); });
  }
  mnu_Config_Unidades = mnu_Config->addAction(QString());
  Connect(mnu_Config_Unidades, [this] { mnu_Config_Unidades_Click(); });

  mnu_Ayuda = bar->addMenu(QString());
  mnu_Ayuda_Manual = mnu_Ayuda->addAction(QString());
  mnu_Ayuda_Manual->setShortcut(QKeySequence(Qt::Key_F1));
  Connect(mnu_Ayuda_Manual, [this] { mnu_Ayuda_Manual_Click(); });
  ZEP8512 = mnu_Ayuda->addSeparator();
  mnu_Ayuda_WEB = mnu_Ayuda->addAction(QString());
  mnu_Ayuda_WEB->setVisible(!shell::Addresses().homePage.isEmpty());  // no page, no item
  Connect(mnu_Ayuda_WEB, [this] { mnu_Ayuda_WEB_Click(); });
  mnu_help_update = mnu_Ayuda->addMenu(QString());
  mnu_help_update_now = mnu_help_update->addAction(QString());
  Connect(mnu_help_update_now, [this] { mnu_help_update_now_Click(); });
  mnu_help_upd_set = mnu_help_update->addMenu(QString());
  mnu_help_upd_set_1 = CheckableItem(mnu_help_upd_set);
  Connect(mnu_help_upd_set_1, [this] { mnu_help_upd_set_1_Click(); });
  mnu_help_upd_set_7 = CheckableItem(mnu_help_upd_set);
  Connect(mnu_help_upd_set_7, [this] { mnu_help_upd_set_7_Click(); });
  mnu_help_upd_set_30 = CheckableItem(mnu_help_upd_set);
  Connect(mnu_help_upd_set_30, [this] { mnu_help_upd_set_30_Click(); });
  mnu_Ayuda_Acerca = mnu_Ayuda->addAction(QString());
  Connect(mnu_Ayuda_Acerca, [this] { mnu_Ayuda_Acerca_Click(); });
}

void FormMain::CreateControls() {
  PicMENU = new platform::Panel(surface_);
  PicMENU->SetBackColor(QColor(226, 234, 255));
  for (int i = 1; i <= kTabs; ++i) {
    ImgMENU[i] = new platform::ImageControl(PicMENU);
    ImgMENU[i]->SetPicture(artwork::TabPicture(false));
  }
  for (int i = 1; i <= kTabs; ++i) {
    LblMENU[i] = new platform::Label(PicMENU);
    LblMENU[i]->SetCentered(true);
    connect(LblMENU[i], &platform::Label::clicked, this, [this, i] { LblMENU_Click(i); });
    connect(LblMENU[i], &platform::Label::mouseDown, this,
            [this, i](int b) { LblMENU_MouseDown(i, b); });
    connect(LblMENU[i], &platform::Label::mouseUp, this,
            [this, i](int b) { LblMENU_MouseUp(i, b); });
  }

  for (int i = 1; i <= kTabs; ++i) CreateTabPage(i);

  // Stores of pictures, never shown.
  ImgMENU_ON = new platform::ImageControl(surface_);
  ImgMENU_ON->SetPicture(artwork::TabPicture(true));
  ImgMENU_OFF = new platform::ImageControl(surface_);
  ImgMENU_OFF->SetPicture(artwork::TabPicture(false));
  for (int k = 0; k < 2; ++k) {
    ImgWARE[k] = new platform::ImageControl(surface_);
    ImgWARE[k]->SetPicture(platform::ButtonFacePicture(k == 1));
  }
  Frame1 = new platform::Panel(surface_);
  for (int k = 0; k < kQuantityPictures; ++k) {
    ImgBOX[k] = new platform::ImageControl(Frame1);
    ImgBOX[k]->SetPicture(artwork::QuantityPicture(k));
  }
  ImgMENU_ON->SetVisible(false);
  ImgMENU_OFF->SetVisible(false);
  ImgWARE[0]->SetVisible(false);
  ImgWARE[1]->SetVisible(false);
  Frame1->SetVisible(false);

  Pictest = std::make_unique<platform::MeasureTarget>();
  PicG = std::make_unique<platform::PictureTarget>(1080, 600, platform::RGBColor(255, 255, 255));
}

void FormMain::CreateTabPage(int i) {
  PicTASK[i] = new platform::Panel(surface_);
  platform::Panel* page = PicTASK[i];
  // Frames first, so they stay behind what they frame.
  ShaOPT[i] = new platform::Shape(page);
  ShaIO[i] = new platform::Shape(page);
  ShaFOR[i] = new platform::Shape(page);
  for (platform::Shape* s : {ShaOPT[i], ShaIO[i], ShaFOR[i]})
    s->SetBorderColor(QColor(128, 128, 128));

  List1[i] = new platform::ListBox(page);
  connect(List1[i], &QListWidget::currentRowChanged, this, [this, i](int) { List1_Click(i); });

  LblMainTIT[i] = new platform::Label(page);
  LblMainTIT[i]->SetForeColor(QColor(0, 0, 128));

  PicIO[i] = new platform::Panel(page);
  platform::Panel* io = PicIO[i];
  const int base = (i - 1) * kRowsPerTab;
  for (int r = 0; r < kRowsPerTab; ++r) {
    ShaIOTX[base + r] = new platform::Shape(io);
    ShaIOTX[base + r]->SetBorderColor(QColor(144, 160, 255));
    ShaIOTX[base + r]->SetVisible(false);  // shown with its row
  }
  LineIO[i] = new platform::LineControl(io);
  LineIO[i]->SetBorderColor(i == 1 ? QColor(128, 128, 128) : QColor(192, 192, 192));
  LinSLD[i] = new platform::LineControl(io);
  LinSLD[i]->SetBorderColor(QColor(145, 162, 200));
  for (int r = 0; r < kRowsPerTab; ++r) {
    const int k = base + r;
    Label1[k] = new platform::Label(io);
    Label1[k]->SetOpaqueBack(QColor(224, 228, 255));
    connect(Label1[k], &platform::Label::doubleClicked, this, [this, k] { Label1_DblClick(k); });
    Img1[k] = new platform::ImageControl(io);
    Text1[k] = new platform::TextBox(io);
    connect(Text1[k], &platform::TextBox::keyPress, this,
            [this, k](int* a) { Text1_KeyPress(k, *a); });
    connect(Text1[k], &platform::TextBox::keyDown, this,
            [this, k](int code, int shift) { Text1_KeyDown(k, code, shift); });
    connect(Text1[k], &platform::TextBox::gotFocus, this, [this, k] { Text1_GotFocus(k); });
    connect(Text1[k], &QLineEdit::textChanged, this, [this, k] { Text1_Change(k); });
  }
  ImgSLD[i] = new platform::ImageControl(io);
  ImgSLD[i]->TakeMouse();
  ImgSLD[i]->SetPicture(artwork::SliderThumbPicture());
  // Slider, second formula picture and separator appear when a case places them.
  LinSLD[i]->SetVisible(false);
  ImgSLD[i]->SetVisible(false);
  connect(ImgSLD[i], &platform::ImageControl::mouseDown, this,
          [this, i](int b) { ImgSLD_MouseDown(i, b); });
  connect(ImgSLD[i], &platform::ImageControl::mouseMove, this, [this, i] { ImgSLD_MouseMove(i); });
  connect(ImgSLD[i], &platform::ImageControl::mouseUp, this,
          [this, i](int b) { ImgSLD_MouseUp(i, b); });

  ImgCAL[i] = new platform::ImageControl(io);
  ImgDEL[i] = new platform::ImageControl(io);
  ImgGRA[i] = new platform::ImageControl(io);
  ImgINF[i] = new platform::ImageControl(io);
  // The Clear button is drawn narrower at first; its picture gives it its size.
  ImgCAL[i]->Move(0, 0, 120, 34);
  ImgDEL[i]->Move(0, 0, 114, 34);
  ImgGRA[i]->Move(0, 0, 120, 34);
  ImgINF[i]->Move(0, 0, 120, 34);
  LblCAL[i] = new platform::ButtonCaption(io);
  LblDEL[i] = new platform::ButtonCaption(io);
  LblGRA[i] = new platform::ButtonCaption(io);
  LblINF[i] = new platform::ButtonCaption(io);
  platform::ConnectButtonCaption(LblCAL[i], this, i, &FormMain::LblCAL_Click,
                                 &FormMain::LblCAL_MouseDown, &FormMain::LblCAL_MouseUp);
  platform::ConnectButtonCaption(LblDEL[i], this, i, &FormMain::LblDEL_Click,
                                 &FormMain::LblDEL_MouseDown, &FormMain::LblDEL_MouseUp);
  platform::ConnectButtonCaption(LblGRA[i], this, i, &FormMain::LblGRA_Click,
                                 &FormMain::LblGRA_MouseDown, &FormMain::LblGRA_MouseUp);
  connect(LblINF[i], &platform::Label::clicked, this, [this, i] { LblINF_Click(i); });

  PicFOR[i] = new platform::Panel(page);
  ImgFOR[i] = new platform::ImageControl(PicFOR[i]);
  ImgFORX[i] = new platform::ImageControl(PicFOR[i]);
  Line1[i] = new platform::LineControl(PicFOR[i]);
  Line1[i]->SetBorderColor(QColor(128, 128, 128));
  ImgFORX[i]->SetVisible(false);
  Line1[i]->SetVisible(false);
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize) Form_Resize();
  return QMainWindow::eventFilter(watched, event);
}

void FormMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void FormMain::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}
