// The print dialog: choose the printer (which becomes the program's current
// printer) and the number of copies. Its callers set VerCopias, VerCollate
// and VerBN, show it modally and then read ImprimirAceptado and NumCopias,
// all through AskPrintCopies (graphs/GraphHooks.h).
#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/Controls.h"
#include "platform/LanguageTable.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

// The copies spinner: 1 to 1999, its upper arrow adds one, its lower arrow
// takes one away.
class CopiesSpinner : public QWidget {
  Q_OBJECT
 public:
  explicit CopiesSpinner(QWidget* parent);
  int Value() const { return value_; }
  // A value that is not a whole number within Min..Max after rounding is
  // refused: false, and the spinner keeps its value.
  bool SetValue(double value);
  int Min = 1;
  int Max = 1999;
  QToolButton* Up = nullptr;
  QToolButton* Down = nullptr;

 signals:
  void changed();

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  int value_ = 1;
};

class frmImprimir : public QDialog {
  Q_OBJECT

 public:
  explicit frmImprimir(QWidget* parent = nullptr);

  // Language table with the prefix "PRD".
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }
  void SetLanguage();

  void Aceptar();
  void Cancelar();

  void Form_Load();
  void Combo1_Click();
  void ChkCOLLATE_Click();
  void Label3_Click(int Index);
  void Label3_MouseDown(int Index, int Button);
  void Label3_MouseUp(int Index, int Button);
  void Text1_Change();
  // True when the key is discarded.
  bool Text1_KeyDown(int KeyCode);
  void Text1_LostFocus();
  void VScroll1_Change();

  // ---- Controls -----------------------------------------------------------
  QLabel* Label2 = nullptr;
  QComboBox* Combo1 = nullptr;
  platform::Shape* Shape1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  CopiesSpinner* VScroll1 = nullptr;
  QCheckBox* ChkCOLLATE = nullptr;
  platform::ImageControl* ImgCOLLATE[2] = {};
  QCheckBox* ChK_BN = nullptr;
  platform::ImageControl* Image1[2] = {};
  platform::ButtonCaption* Label3[2] = {};
  int32_t BotX[2] = {};
  int32_t BotY[2] = {};

 public slots:
  // Every way out other than a valid OK (Cancel, Esc, the close box) is a
  // cancel.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetCopiesText(const QString& text);

  platform::LanguageTable idioma_{QStringLiteral("PRD")};
};

// The value of the number a text starts with, blanks skipped anywhere and no
// exponent read ("" gives 0).
double BoxLeadingValue(const QString& text);
// The copies the box asks for: one to four digits with blanks around them;
// anything else gives 0.
int32_t CopiesInBox(const QString& text);
