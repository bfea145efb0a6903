// The results table window: the 64 points of the current graph under the
// graph's titles, in a scrollable viewport, with commands to save them as a
// text file, copy them to the clipboard and print them. Opened modally from
// the graph window.
#pragma once

#include <QDialog>
#include <QScrollBar>
#include <cstdint>

#include "graphs/GraphWidgets.h"
#include "platform/LanguageTable.h"
#include "platform/PictureBox.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

// The table's scroll bar. It leaves wheel turns to the window, which scrolls
// one small step per turn. Min and Max as the window sets them: Max may lie
// below Min (the table moves up as the value falls).
class TableScrollBar : public QScrollBar {
 public:
  explicit TableScrollBar(QWidget* parent);
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const;
  // A value outside Min..Max is refused (no change).
  void SetValue(int value);
  int SmallChange = 16;
  int LargeChange = 80;

 protected:
  void wheelEvent(QWheelEvent* e) override;

 private:
  int min_ = 0;
  int max_ = 0;
  int Direction() const { return max_ < min_ ? -1 : 1; }
};

class FormTabla : public QDialog {
  Q_OBJECT

 public:
  explicit FormTabla(QWidget* parent = nullptr);
  ~FormTabla() override;

  // Language table with the prefix "TAV".
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdiomaOrTell(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }
  void SetLanguage();

  void Form_KeyPress(int KeyAscii);
  void Form_Load();
  void Form_Resize();
  void Form_Unload();
  void Lblbot_Click(int Index);
  void Lblbot_MouseDown(int Index, int Button);
  void Lblbot_MouseUp(int Index, int Button);
  void mnu_archivo_saveas_Click();
  void mnu_archivo_imprimir_Click();
  void mnu_archivo_cerrar_Click();
  void mnu_edicion_copiar_Click();
  void Timer2_Timer();
  void VScroll1_Change();
  void MouseWheel(int32_t MouseKeys, int32_t Rotation, int32_t Xpos, int32_t Ypos);

  // The table on a target: header (which restarts TextoTabla), then rows.
  void PonerCabecera(platform::DrawTarget& OB);
  void PonerTabla(platform::DrawTarget& OB);

  // The client area below the menus, in pixels.
  int ScaleWidth() const;
  int ScaleHeight() const;

  // Plain text of the last drawing (screen or printer): what is saved and
  // copied.
  QString TextoTabla;

  // ---- Controls -----------------------------------------------------------
  QMenuBar* Menus = nullptr;
  QMenu* mnu_archivo = nullptr;
  QAction* mnu_archivo_saveas = nullptr;
  QAction* mnu_archivo_imprimir = nullptr;
  QAction* zep001 = nullptr;
  QAction* mnu_archivo_cerrar = nullptr;
  QMenu* mnu_edicion = nullptr;
  QAction* mnu_edicion_copiar = nullptr;

  graphs_ui::FrameShape* ShaG = nullptr;
  graphs_ui::FrameShape* ShaBOT = nullptr;
  QWidget* PicG = nullptr;
  QWidget* PicBot = nullptr;
  platform::PictureBox* PicTab = nullptr;
  platform::PictureBox* PicCab = nullptr;
  QWidget* PicSUP = nullptr;
  TableScrollBar* VScroll1 = nullptr;
  graphs_ui::ImageBox* Imgbot[5] = {};
  graphs_ui::ButtonCaption* Lblbot[5] = {};
  QTimer* Timer2 = nullptr;
  int32_t BotX[5] = {};
  int32_t BotY[5] = {};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void CreateControls();

  platform::LanguageTable idioma_{QStringLiteral("TAV")};
  QWidget* surface_ = nullptr;
  bool unloaded_ = false;
};
