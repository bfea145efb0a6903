// plomview: shows a TORV report file given on the command line.
#include <QApplication>
#include <QStringList>

#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportViewer.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  const QStringList args = QApplication::arguments();
  report::FormPlomview window;
  if (args.size() < 2) {
    platform::LanguageTable texts(QStringLiteral("PLV"));
    platform::MsgBox(texts.GetL_win("NoReportFile"), texts.GetL_win("Error"));
    return 1;
  }
  if (!window.OpenReport(args[1])) return 1;
  window.show();
  return app.exec();
}
