// What the graph window and the table window share: a menu bar over a
// drawing surface, the strip of image buttons on the right with their
// pressed look, the current printer's name in the Print button's tooltip,
// Esc to close, and the print command's flow.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "platform/Controls.h"
#include "platform/LanguageTable.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

namespace platform {
class PrinterTarget;
}

class ToolbarWindow : public QDialog {
  Q_OBJECT

 public:
  ~ToolbarWindow() override;

  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdioma(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }

  // Esc (27) closes the window.
  void Form_KeyPress(int KeyAscii);
  virtual void Form_Resize() = 0;
  // Buttons 2, 3 and 4 print, copy and close.
  virtual void Lblbot_Click(int Index);
  virtual void mnu_archivo_saveas_Click() = 0;
  virtual void mnu_archivo_imprimir_Click() = 0;
  virtual void mnu_edicion_copiar_Click() = 0;
  void mnu_archivo_cerrar_Click();
  void Lblbot_MouseDown(int Index, int Button);
  void Lblbot_MouseUp(int Index, int Button);
  void Timer2_Timer();

  // The surface below the menus, in pixels.
  int ScaleWidth() const;
  int ScaleHeight() const;

  QMenuBar* Menus = nullptr;
  // File: save as, print, a separator, close; Edit: copy.
  QMenu* mnu_archivo = nullptr;
  QAction* mnu_archivo_saveas = nullptr;
  QAction* mnu_archivo_imprimir = nullptr;
  QAction* zep001 = nullptr;
  QAction* mnu_archivo_cerrar = nullptr;
  QMenu* mnu_edicion = nullptr;
  QAction* mnu_edicion_copiar = nullptr;
  platform::Shape* ShaG = nullptr;
  platform::Shape* ShaBOT = nullptr;
  QWidget* PicBot = nullptr;
  // Buttons firstButton..4 of the strip; button 2 prints.
  platform::ImageControl* Imgbot[5] = {};
  platform::ButtonCaption* Lblbot[5] = {};
  QTimer* Timer2 = nullptr;
  int32_t BotX[5] = {};
  int32_t BotY[5] = {};

 protected:
  static constexpr int kPicBotWidth = 128;

  // The window's language file has the given prefix.
  ToolbarWindow(const QString& prefix, int firstButton, QWidget* parent);

  // Faces and captions of the buttons at rest, 60 px apart from the top of
  // the strip.
  void PlaceButtons();
  // The texts of the shared menus; the save command's text has its own key.
  void SetMenuTexts(const QString& saveAsKey);
  // Asks where to save a file of the kind the language key describes: the
  // path with the extension, the folder kept in lastFolder; "" on cancel.
  QString AskSavePath(const QString& kindKey, const QString& extension, QString& lastFolder);
  // Asks the print dialog, then prints the copies it accepted as one job
  // named jobName, drawCopy drawing each on pages of its own. False when
  // nothing was printed (no printer, the dialog cancelled).
  bool PrintCopies(const QString& jobName,
                   const std::function<void(platform::PrinterTarget&)>& drawCopy);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  QWidget* surface_ = nullptr;

 private:
  platform::LanguageTable idioma_;
  int firstButton_;
};
