#include "platform/Modal.h"

#include <QDialog>

#include "platform/ScreenFit.h"

namespace platform {

namespace {
ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}
}  // namespace

void ShowModal(QDialog& dialog) {
  FitToScreen(&dialog, dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint());
  if (!Runner()) {
    dialog.exec();
    return;
  }
  // The runner may replace itself (a nested window): call a copy.
  ModalRunner runner = Runner();
  dialog.setModal(true);
  dialog.show();
  runner(dialog);
  if (dialog.isVisible()) dialog.close();
}

ModalRunner SetModalRunner(ModalRunner runner) {
  ModalRunner old = std::move(Runner());
  Runner() = std::move(runner);
  return old;
}

}  // namespace platform
