// The graph window: one graph of the current case with a toolbar and menus
// to choose another graph type, open the data table, print, save the
// picture as a BMP file, copy it and close. Shown modally by the main
// window's Graph command once a graph type was accepted.
#pragma once

#include <QDialog>
#include <cstdint>

#include "graphs/GraphWidgets.h"
#include "platform/LanguageTable.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

class FormGraficaVIGAS : public QDialog {
  Q_OBJECT

 public:
  // Loads the window; the first resize draws the graph.
  explicit FormGraficaVIGAS(QWidget* parent = nullptr);
  ~FormGraficaVIGAS() override;

  // Language table with the prefix "GFV".
  void LoadIdioma(const QString& OBJ) { idioma_.LoadIdiomaOrTell(OBJ); }
  QString GetL_win(const QString& Etiqueta, bool RemoveAMPERSAND = false) {
    return idioma_.GetL_win(Etiqueta, RemoveAMPERSAND);
  }
  void SetLanguage();

  void Form_KeyPress(int KeyAscii);
  void Form_Load();
  void Form_Resize();
  void Lblbot_Click(int Index);
  void Lblbot_MouseDown(int Index, int Button);
  void Lblbot_MouseUp(int Index, int Button);
  void mnu_archivo_cerrar_Click();
  void mnu_archivo_editar_Click();
  void mnu_archivo_imprimir_Click();
  void mnu_archivo_saveas_Click();
  void mnu_edicion_copiar_Click();
  void mnu_ver_tabla_Click();
  void Timer1_Timer();
  void Timer2_Timer();

  // The drawing area below the menus, in pixels.
  int ScaleWidth() const;
  int ScaleHeight() const;

  // ---- Controls -----------------------------------------------------------
  QMenuBar* Menus = nullptr;
  QMenu* mnu_archivo = nullptr;
  QAction* mnu_archivo_editar = nullptr;
  QAction* mnu_archivo_saveas = nullptr;
  QAction* mnu_archivo_imprimir = nullptr;
  QAction* zep001 = nullptr;
  QAction* mnu_archivo_cerrar = nullptr;
  QMenu* mnu_edicion = nullptr;
  QAction* mnu_edicion_copiar = nullptr;
  QMenu* mnu_ver = nullptr;
  QAction* mnu_ver_tabla = nullptr;

  graphs_ui::FrameShape* ShaG = nullptr;
  graphs_ui::FrameShape* ShaBOT = nullptr;
  graphs_ui::ClickablePicture* PicG = nullptr;
  QWidget* PicBot = nullptr;
  graphs_ui::ImageBox* Imgbot[5] = {};
  graphs_ui::ButtonCaption* Lblbot[5] = {};
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  int32_t BotX[5] = {};
  int32_t BotY[5] = {};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();

  platform::LanguageTable idioma_{QStringLiteral("GFV")};
  QWidget* surface_ = nullptr;
};
