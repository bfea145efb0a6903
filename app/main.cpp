#include <QApplication>
#include <QDateTime>
#include <memory>

#include "app/ProgramFiles.h"
#include "app/WindowLinks.h"
#include "mainwin/FormMain.h"
#include "output/ReportFiles.h"
#include "shell/VigasMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::ConnectWindows();
  std::unique_ptr<FormMain> form;
  // The splash window brings the main window up when it closes.
  Vigas::Main(
      [&form] {
        if (!form) form = std::make_unique<FormMain>();
        form->show();
        form->raise();
        form->activateWindow();
      },
      app::DataFilesBesideProgram());
  // The work folder does not grow forever: reports a day old are not looked at again.
  report::RemoveOldReportFiles(QDateTime::currentDateTime());
  return application.exec();
}
