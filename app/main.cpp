#include <QApplication>

#include "mainwin/FormMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FormMain form;
  form.show();
  return app.exec();
}
