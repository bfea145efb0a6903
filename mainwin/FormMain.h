// The main window: five support-type tabs, each with its case list, its
// input/output panel of 15 rows and its formula panel, plus the menus.
// Controls that repeat per tab are arrays indexed 1..5 (index 0 unused); the
// rows are arrays 0..74, row r of tab t at (t - 1) * 15 + r.
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <memory>

#include "engine/Cases.h"
#include "mainwin/CalcDriver.h"
#include "mainwin/CaseModel.h"
#include "mainwin/Idioma.h"
#include "platform/Controls.h"

class QAction;
class QMenu;
namespace platform {
class MeasureTarget;
class PictureTarget;
}  // namespace platform

// Holds a flag set for as long as it lives and puts back its old value, so
// the flag is cleared again however the scope is left.
class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~BusyGuard() { flag_ = old_; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// The window shows the rows of the case model and lets the calculation
// driver read and write them.
class FormMain : public QMainWindow, private mainwin::RowsView {
  Q_OBJECT

 public:
  static constexpr int kTabs = Vigas::kSupportTypes;
  static constexpr int kRowsPerTab = 15;
  static constexpr int kRows = kTabs * kRowsPerTab;
  static constexpr int kQuantityPictures = 28;

  // Creates the controls and loads the window (not shown yet).
  FormMain();
  ~FormMain() override;

  // The main window while it exists (other windows read its controls).
  static FormMain* Instance();

  // Text of the main window's language table (prefix "KSL").
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }

  void Form_Resize();

  // The drawing area in pixels (the window inside its menu bar).
  double ScaleWidth() const;
  double ScaleHeight() const;

  // The look of the tabs with tab `current` (1..5) in front: its picture,
  // bold caption, page and type-menu check; the other tabs behind.
  void SetTabLook(int current);

  // ---- Handlers -----------------------------------------------------------
  // Significant-digits menu (also used by start-up).
  void mnu_NDIG_Click(int Index);
  void mnu_TIPO_CAL_Click(int Index);

  // Tabs, case lists, rows, buttons and the slider.
  void LblMENU_Click(int Index);
  void LblMENU_MouseDown(int Index, int Button);
  void LblMENU_MouseUp(int Index, int Button);
  void List1_Click(int Index);
  void LblCAL_Click(int Index);
  void LblDEL_Click(int Index);
  void LblGRA_Click(int Index);
  void LblINF_Click(int Index);
  void LblCAL_MouseDown(int Index, int Button);
  void LblCAL_MouseUp(int Index, int Button);
  void LblDEL_MouseDown(int Index, int Button);
  void LblDEL_MouseUp(int Index, int Button);
  void LblGRA_MouseDown(int Index, int Button);
  void LblGRA_MouseUp(int Index, int Button);
  void ImgSLD_MouseDown(int Index, int Button);
  void ImgSLD_MouseMove(int Index);
  void ImgSLD_MouseUp(int Index, int Button);
  void Label1_DblClick(int Index);
  void Text1_KeyPress(int Index, int& KeyAscii);
  void Text1_KeyDown(int Index, int KeyCode, int Shift);
  void Text1_GotFocus(int Index);
  void Text1_Change(int Index);

  // ---- Case rows, panel layout and the calculation --------------------------
  // The rows of each tab's case, and the calculation over them.
  const mainwin::CaseModel& Model() const { return model_; }
  mainwin::CalcDriver& Driver() { return driver_; }

  void PosicionaIOControls();
  // Overhang length typed in the current tab, in the user's length unit: 0
  // without an overhang row, SinValor when unreadable or negative.
  double GetXtraLONG_R();

  // Menu commands of the application shell.
  void mnu_Archivo_Salir_Click();
  void mnu_Config_SepaDec_PTO_Click();
  void mnu_Config_SepaDec_COM_Click();
  void mnu_Config_Unidades_Click();
  void mnu_Ayuda_Manual_Click();
  void mnu_Ayuda_WEB_Click();
  void mnu_help_update_now_Click();
  void mnu_help_upd_set_1_Click();
  void mnu_help_upd_set_7_Click();
  void mnu_help_upd_set_30_Click();
  void mnu_Ayuda_Acerca_Click();
  void Form_Activate();

  // ---- Controls -----------------------------------------------------------
  platform::Panel* PicMENU = nullptr;
  platform::ImageControl* ImgMENU[6] = {};
  platform::Label* LblMENU[6] = {};

  platform::Panel* PicTASK[6] = {};
  platform::ListBox* List1[6] = {};
  platform::Label* LblMainTIT[6] = {};
  platform::Shape* ShaOPT[6] = {};
  platform::Shape* ShaIO[6] = {};
  platform::Shape* ShaFOR[6] = {};

  platform::Panel* PicIO[6] = {};
  platform::TextBox* Text1[kRows] = {};
  platform::Label* Label1[kRows] = {};
  platform::ImageControl* Img1[kRows] = {};
  platform::Shape* ShaIOTX[kRows] = {};
  platform::LineControl* LineIO[6] = {};
  platform::LineControl* LinSLD[6] = {};
  platform::ImageControl* ImgSLD[6] = {};
  platform::ImageControl* ImgCAL[6] = {};
  platform::ButtonCaption* LblCAL[6] = {};
  platform::ImageControl* ImgDEL[6] = {};
  platform::ButtonCaption* LblDEL[6] = {};
  platform::ImageControl* ImgGRA[6] = {};
  platform::ButtonCaption* LblGRA[6] = {};
  platform::ImageControl* ImgINF[6] = {};
  platform::ButtonCaption* LblINF[6] = {};

  platform::Panel* PicFOR[6] = {};
  platform::ImageControl* ImgFOR[6] = {};
  platform::ImageControl* ImgFORX[6] = {};
  platform::LineControl* Line1[6] = {};

  // Hidden stores of pictures.
  platform::ImageControl* ImgMENU_ON = nullptr;
  platform::ImageControl* ImgMENU_OFF = nullptr;
  platform::ImageControl* ImgWARE[2] = {};
  platform::Panel* Frame1 = nullptr;
  platform::ImageControl* ImgBOX[kQuantityPictures] = {};

  // Hidden surfaces: text measuring, and the picture report graphs are drawn on.
  std::unique_ptr<platform::MeasureTarget> Pictest;
  std::unique_ptr<platform::PictureTarget> PicG;

  // ---- Menus --------------------------------------------------------------
  QMenu* mnu_archivo = nullptr;
  QAction* mnu_Archivo_Salir = nullptr;
  QMenu* mnu_TIPO = nullptr;
  QAction* mnu_TIPO_CAL[6] = {};
  QMenu* mnu_Config = nullptr;
  QMenu* mnu_Config_SepaDec = nullptr;
  QAction* mnu_Config_SepaDec_PTO = nullptr;
  QAction* mnu_Config_SepaDec_COM = nullptr;
  QMenu* mnu_Config_DigiSig = nullptr;
  QAction* mnu_NDIG[13] = {};  // 4..12
  QAction* mnu_Config_Unidades = nullptr;
  QMenu* mnu_Ayuda = nullptr;
  QAction* mnu_Ayuda_Manual = nullptr;
  QAction* ZEP8512 = nullptr;
  QAction* mnu_Ayuda_WEB = nullptr;
  QMenu* mnu_help_update = nullptr;
  QAction* mnu_help_update_now = nullptr;
  QMenu* mnu_help_upd_set = nullptr;
  QAction* mnu_help_upd_set_1 = nullptr;
  QAction* mnu_help_upd_set_7 = nullptr;
  QAction* mnu_help_upd_set_30 = nullptr;
  QAction* mnu_Ayuda_Acerca = nullptr;

  // ---- Form-level state ---------------------------------------------------
  // True while the program itself rewrites boxes: their change handling waits.
  // Set it through a BusyGuard.
  bool Ocupado = false;
  // True while a slider thumb is dragged.
  bool Arrastrando = false;
  bool HayFormula[6] = {};
  bool HayFormulaX[6] = {};
  int32_t XposMENU[6] = {}, YposMENU[6] = {};
  int32_t XposDEL[6] = {}, YposDEL[6] = {};
  int32_t XposCAL[6] = {}, YposCAL[6] = {};
  int32_t XposGRA[6] = {}, YposGRA[6] = {};
  int32_t XposINF[6] = {}, YposINF[6] = {};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Start-up and texts.
  void Form_Load();
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  void PutDescripcionesenListas();
  void SetMAINTitulos();
  void SetLanguage();
  void CrearListaDescripTiposGraficas();
  void Form_Unload();
  void CreateControls();
  void CreateTabPage(int i);
  void CreateMenus();
  void ApplyStartingLayout();
  void ReadStartupSettings();
  void LayoutPage(int i, double W, double H);
  void LoadImgFORMULAS(const QString& EXT);
  void PlaceFormulaPictures(int t);
  void ActualizaSlider();
  // Shows row ID_item of the current tab as the model sets it up: caption,
  // quantity picture, unit kind and slot key; an input row's box appears.
  void ConfigurarItemIO(int ID_item);
  // Tab goes through tab t as a reader meets it: the case list, the inputs
  // row by row, the buttons from left to right, then the results.
  void SetTabOrder(int t);

  // The rows as the driver reads and writes them.
  QString BoxText(int t, int r) const override;
  bool BoxShown(int t, int r) const override;
  void SetBoxText(int t, int r, const QString& text) override;
  void SetBoxShown(int t, int r, bool shown) override;
  void RowsWritten(int t) override;
  // Graph and Report of tab t on or off, with their pictures.
  void SetGraphReport(int t, bool enabled) override;
  void ShowError(const QString& prompt, const QString& title) override;

  LanguageTable idioma_{QStringLiteral("KSL")};
  mainwin::CaseModel model_;
  // Cursor x minus the thumb's left, taken when a drag starts.
  int32_t DesfaseSLD = 0;
  mainwin::CalcDriver driver_{model_, *this, [this](const QString& key) { return GetL_win(key); }};
  QWidget* surface_ = nullptr;
};
