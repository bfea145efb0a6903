// The new-version window: the installed and the available version, the
// download address and two buttons. OK (or a click on the address) opens the
// address in the browser and closes the window; Cancel, Esc or C close it;
// Ctrl+C copies the address. Enter and Space press only a button the user
// has moved to with Tab. Made afresh for every showing; shown modally by the
// caller.
#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/LanguageTable.h"

class QLabel;
class QLineEdit;
namespace platform {
class Shape;
class ImageControl;
class ButtonCaption;
}  // namespace platform

class FormNuevaVersion : public QDialog {
  Q_OBJECT

 public:
  explicit FormNuevaVersion(QWidget* parent = nullptr);

  // Language table with the prefix "A2R".
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }

  void Form_Load();
  void SetLanguage_VER();
  void Label3_Click(int Index);
  void Label3_MouseDown(int Index, int Button);
  void Label3_MouseUp(int Index, int Button);
  void Text1_Click();
  // Key codes: 27 Esc, 67 the C key; Shift 2 is Ctrl.
  void Form_KeyDown(int KeyCode, int Shift);
  void Set2Catala() {}
  void Set2English() {}

  static constexpr int kWidth = 500, kHeight = 414;
  static constexpr int kButtonWidth = 141, kButtonHeight = 34;

  QLabel* Label1[15] = {};
  QLineEdit* Text1 = nullptr;
  platform::ImageControl* Image2 = nullptr;
  platform::Shape* ShapeFrame = nullptr;
  platform::Shape* ShapeBand = nullptr;
  platform::ImageControl* Image1[2] = {};
  platform::ButtonCaption* Label3[2] = {};
  int32_t BotX[2] = {};
  int32_t BotY[2] = {};

 protected:
  // The window sees key strokes before its controls, but for Tab and the
  // keys that press a focused button.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  // Opens the download address; on failure names the home page instead.
  void OpenDownloadAddress(bool letEventsRun);

  platform::LanguageTable idioma_{QStringLiteral("A2R")};
};
