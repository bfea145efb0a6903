#include "shell/VigasMain.h"

#include <QDir>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/TempFolder.h"
#include "shell/FormSplash.h"

namespace Vigas {

void Main(MainWindowShower showMainWindow) {
  SetMainWindowShower(std::move(showMainWindow));
  // The user's temporary folder, without its trailing separator.
  platform::SetCarpetaTemp(QDir::tempPath());
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  auto* splash = new FormSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
}

}  // namespace Vigas
