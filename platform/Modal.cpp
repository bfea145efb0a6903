#include "platform/Modal.h"

#include <QDialog>
#include <set>

#include "platform/ScreenFit.h"

namespace platform {

namespace {
ModalRunner& Runner() {
  static ModalRunner runner;
  return runner;
}

std::set<const QDialog*>& Refused() {
  static std::set<const QDialog*> refused;
  return refused;
}
}  // namespace

void RefuseShowing(QDialog& dialog) {
  if (!Refused().insert(&dialog).second) return;
  const QDialog* key = &dialog;
  QObject::connect(&dialog, &QObject::destroyed, [key] { Refused().erase(key); });
}

void ShowModal(QDialog& dialog) {
  if (Refused().count(&dialog)) return;
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
