// The graph window: one graph of the current case with a toolbar and menus
// to choose another graph type, open the data table, print, save the
// picture as a BMP file, copy it and close. Shown modally by the main
// window's Graph command once a graph type was accepted.
#pragma once

#include "graphs/ToolbarWindow.h"
#include "platform/PictureBox.h"

class QAction;
class QMenu;
class QTimer;

class FormGraficaVIGAS : public ToolbarWindow {
  Q_OBJECT

 public:
  // Loads the window; the first resize draws the graph.
  explicit FormGraficaVIGAS(QWidget* parent = nullptr);
  ~FormGraficaVIGAS() override;

  // Language texts from the file with the prefix "GFV".
  void SetLanguage();

  void Form_Load();
  void Form_Resize() override;
  void Lblbot_Click(int Index) override;
  void mnu_archivo_editar_Click();
  void mnu_archivo_imprimir_Click() override;
  void mnu_archivo_saveas_Click() override;
  void mnu_edicion_copiar_Click() override;
  void mnu_ver_tabla_Click();
  void Timer1_Timer();

  // ---- Controls -----------------------------------------------------------
  QAction* mnu_archivo_editar = nullptr;
  QMenu* mnu_ver = nullptr;
  QAction* mnu_ver_tabla = nullptr;

  platform::PictureBox* PicG = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  void CreateControls();
};
