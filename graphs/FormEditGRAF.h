// The graph-type chooser: the graph types the current case offers, each a
// radio button beside its description in formula mark-up. OK sets
// TipoGrafica and prepares the graph; EditGrafAceptado tells the caller
// whether that succeeded. Made afresh for every showing.
#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/Controls.h"
#include "platform/LanguageTable.h"
#include "platform/PictureBox.h"

class QLabel;

class FormEditGRAF : public QDialog {
  Q_OBJECT

 public:
  // Loads the window (texts, options, preselection); shown by the caller.
  explicit FormEditGRAF(QWidget* parent = nullptr);

  // Language table with the prefix "EGF".
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }
  void SetLanguage();

  void Form_Load();
  // Key codes as the keyboard gives them: 38 Up, 40 Down; 13 Enter, 27 Esc.
  void Form_KeyDown(int KeyCode, int Shift);
  void Form_KeyPress(int KeyAscii);
  void Lblbot_Click(int Index);
  void Lblbot_MouseDown(int Index, int Button);
  void Lblbot_MouseUp(int Index, int Button);
  void Option1_Click(int Index);
  void Option1_DblClick(int Index);
  void Picture1_Click(int Index);
  void Picture1_DblClick(int Index);

  // Selects option i as a click would (the frame follows).
  void SelectOption(int Index);
  // The first selected option, -1 when none.
  int SelectedOption() const;

  // ---- Controls -----------------------------------------------------------
  QLabel* LblTIT = nullptr;
  QLabel* LblINSTR = nullptr;
  platform::Shape* ShaG = nullptr;
  platform::Shape* Shabor = nullptr;
  platform::OptionButton* Option1[4] = {};
  platform::PictureBox* Picture1[4] = {};
  QWidget* PicBOTTOM = nullptr;
  platform::ImageControl* Imgbot[2] = {};
  platform::ButtonCaption* Lblbot[2] = {};
  int32_t BotX[2] = {};
  int32_t BotY[2] = {};

 protected:
  // The window sees key strokes before its controls.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  bool HandleKey(QKeyEvent* event);

  platform::LanguageTable idioma_{QStringLiteral("EGF")};
};
