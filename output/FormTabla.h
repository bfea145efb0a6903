// The results table window: the 64 points of the current graph under the
// graph's titles, in a scrollable viewport, with commands to save them as a
// text file, copy them to the clipboard and print them. Opened modally from
// the graph window.
#pragma once

#include <QScrollBar>
#include <cstdint>

#include "graphs/ToolbarWindow.h"
#include "platform/PictureBox.h"

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

class FormTabla : public ToolbarWindow {
  Q_OBJECT

 public:
  explicit FormTabla(QWidget* parent = nullptr);
  ~FormTabla() override;

  // Language texts from the file with the prefix "TAV".
  void SetLanguage();

  void Form_Load();
  void Form_Resize() override;
  void Form_Unload();
  void mnu_archivo_saveas_Click() override;
  void mnu_archivo_imprimir_Click() override;
  void mnu_edicion_copiar_Click() override;
  void VScroll1_Change();
  void MouseWheel(int32_t MouseKeys, int32_t Rotation, int32_t Xpos, int32_t Ypos);

  // The table on a target: header (which restarts TextoTabla), then rows.
  void PonerCabecera(platform::DrawTarget& OB);
  void PonerTabla(platform::DrawTarget& OB);

  // Plain text of the last drawing (screen or printer): what is saved and
  // copied.
  QString TextoTabla;

  // ---- Controls -----------------------------------------------------------
  QWidget* PicG = nullptr;
  platform::PictureBox* PicTab = nullptr;
  platform::PictureBox* PicCab = nullptr;
  QWidget* PicSUP = nullptr;
  TableScrollBar* VScroll1 = nullptr;

 protected:
  void done(int result) override;

 private:
  void CreateControls();

  bool unloaded_ = false;
};
