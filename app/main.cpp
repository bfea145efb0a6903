#include <QApplication>
#include <memory>

#include "mainwin/FormMain.h"
#include "shell/VigasMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::unique_ptr<FormMain> form;
  // The splash window brings the main window up when it closes.
  const bool started = Vigas::Main([&form] {
    if (!form) form = std::make_unique<FormMain>();
    form->show();
    form->raise();
    form->activateWindow();
  });
  if (!started) return 1;
  return app.exec();
}
