// The units dialog: the user picks the display unit of each of the six
// quantity kinds. OK and Apply make the choice current, store it, and show
// the values typed in every tab with a case again in the new units.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "mainwin/CalcDriver.h"
#include "mainwin/Idioma.h"
#include "platform/Controls.h"

class FormVigasEditUnits : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kKinds = 6;
  static constexpr int kOptions = 42;
  // The drawing area of a window whose outer size is 628 x 496.
  static constexpr int kClientWidth = 622;
  static constexpr int kClientHeight = 467;

  // Loads the dialog over the rows the driver reads and writes (not shown
  // yet). The dialog has no owner window; open it with exec() for a modal
  // session.
  explicit FormVigasEditUnits(mainwin::CalcDriver& driver);

  // Language table of the dialog (prefix "EUN").
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  // Makes the checked units current, stores them and rewrites every tab
  // with a case from the values read when the dialog opened.
  void Aplicar();
  void SetLanguage();

  // ---- Handlers -------------------------------------------------------------
  void Form_Load();
  void Form_KeyPress(int KeyAscii);
  void Lblbot_Click(int Index);  // 0 OK, 1 Cancel, 2 Apply
  void Lblbot_MouseDown(int Index, int Button);
  void Lblbot_MouseUp(int Index, int Button);
  void Option1_Click(int Index);

  // ---- Controls -------------------------------------------------------------
  platform::Panel* Picture1[kKinds + 1] = {};  // 1..6
  platform::Label* Label1[kKinds + 1] = {};    // 1..6
  platform::OptionButton* Option1[kOptions] = {};
  platform::Panel* PicBOTTOM = nullptr;
  platform::ImageControl* Imgbot[3] = {};
  platform::ButtonCaption* Lblbot[3] = {};

  // ---- State ----------------------------------------------------------------
  // Base-unit value of row r of tab t as read when the dialog opened;
  // SinValor where the row had no readable value.
  mainwin::CalcDriver::Snapshot DatosTipo{};
  int32_t BotX[3] = {};
  int32_t BotY[3] = {};

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();

  mainwin::CalcDriver& driver_;
  // The unit kind of each option.
  int optionKind_[kOptions] = {};
  LanguageTable idioma_{QStringLiteral("EUN")};
};
