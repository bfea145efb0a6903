#include "shell/StartupState.h"

namespace Vigas {

bool SplashMostrado = false;

namespace {
MainWindowShower& Shower() {
  static MainWindowShower shower;
  return shower;
}
}  // namespace

void SetMainWindowShower(MainWindowShower shower) {
  Shower() = std::move(shower);
}

void MostrarFormMain() {
  if (Shower()) {
    MainWindowShower shower = Shower();
    shower();
  }
}

}  // namespace Vigas
