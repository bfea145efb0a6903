#include "output/OutputWindows.h"

#include <QApplication>

#include "graphs/GraphHooks.h"
#include "output/FormTabla.h"
#include "output/frmImprimir.h"
#include "platform/Modal.h"

namespace output {

void RegisterWindows() {
  SetDataTableWindow([] {
    FormTabla window(QApplication::activeWindow());
    platform::ShowModal(window);
  });
  SetPrintDialog([] {
    frmImprimir dialog(QApplication::activeWindow());
    platform::ShowModal(dialog);
  });
}

}  // namespace output
