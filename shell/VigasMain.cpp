#include "shell/VigasMain.h"

#include "graphs/Mini_HTFC_rut.h"
#include "platform/TempFolder.h"
#include "shell/FormSplash.h"

namespace Vigas {

void Main(MainWindowShower showMainWindow) {
  SetMainWindowShower(std::move(showMainWindow));
  // The user's private work folder; it is made and checked where it is used.
  platform::SetCarpetaTemp(platform::DefaultCarpetaTemp());
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  auto* splash = new FormSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
}

}  // namespace Vigas
