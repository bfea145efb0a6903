#include "app/WindowLinks.h"

#include "graphs/GraphState.h"
#include "mainwin/FormMain.h"
#include "output/OutputWindows.h"

namespace app {

void ConnectWindows() {
  SetCaseTitleSource([](int tab) -> QString {
    FormMain* f = FormMain::Instance();
    if (!f || tab < 1 || tab > FormMain::kTabs || !f->LblMainTIT[tab]) return QString();
    return f->LblMainTIT[tab]->Caption();
  });
  SetMeasuringPictureSource([]() -> platform::DrawTarget* {
    FormMain* f = FormMain::Instance();
    return f ? f->Pictest.get() : nullptr;
  });
  output::RegisterWindows();
}

}  // namespace app
