// The splash window, shown once at start-up, and the same window as the
// About window. At start-up it closes itself after 1.5 s or at the first
// click or key; as the About window it shows the web and mail links and
// stays until a click outside them or a key. Its closing shows the main
// window.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;
namespace platform {
class Shape;
class ImageControl;
class ButtonCaption;
}  // namespace platform

class FormSplash : public QDialog {
  Q_OBJECT

 public:
  // Loads the window: start-up mode while Vigas::SplashMostrado is false,
  // About mode afterwards.
  explicit FormSplash(QWidget* parent = nullptr);

  void Form_Load();
  void Form_Activate();
  void Form_Click();
  void Form_KeyPress(int KeyAscii);
  void Form_Unload();
  void Timer1_Timer();
  void LblWEB_Click();
  void LlblMAIL_Click();

  static constexpr int kWidth = 541, kHeight = 377;
  static constexpr int kClosingDelay = 1500;

  platform::Shape* Shape1[3] = {};
  platform::Shape* Shape2 = nullptr;
  platform::ImageControl* ImageUP = nullptr;
  platform::ImageControl* ImageDW = nullptr;
  // Banner pictures per colour theme; only theme 2 ("VER") is drawn.
  platform::ImageControl* ImgUP[4] = {};
  platform::ImageControl* ImgDW[4] = {};
  platform::ImageControl* ImgLOGO = nullptr;
  QLabel* LblTIT0 = nullptr;
  QLabel* LblTIT1 = nullptr;
  QLabel* LblTIT2 = nullptr;
  QLabel* LblTIT3 = nullptr;
  QLabel* LblRef = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* LblYear = nullptr;
  platform::ButtonCaption* LblWEB = nullptr;
  platform::ButtonCaption* LlblMAIL = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void CreateControls();
  bool unloaded_ = false;
};
