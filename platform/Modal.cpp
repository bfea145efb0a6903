#include "platform/Modal.h"

#include <QDialog>

namespace platform {

namespace {
ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}
}  // namespace

void ShowModal(QDialog& dialog) {
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
