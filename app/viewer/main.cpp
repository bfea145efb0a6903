// plomview: shows a TORV report file given on the command line.
#include <QApplication>

#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportViewer.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  const auto window = report::StartPlomview(QApplication::arguments());
  if (!window) return 1;
  return app.exec();
}
