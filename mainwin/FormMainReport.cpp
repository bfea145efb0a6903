// The Report command: the graphs are measured in the report picture's font
// size, then the report of the current case is made and handed to the viewer.
#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "output/ReportCommand.h"
#include "platform/DrawTarget.h"

void FormMain::LblINF_Click(int) {
  Pictest->SetFontSize(PicG->FontSize());
  const int t = Vigas::TipoViga;
  report::ReportContext context;
  context.picture = PicG.get();
  context.text = [this](const QString& key) { return GetL_win(key); };
  context.caseTitle = t >= 1 && t <= kTabs && LblMainTIT[t] ? LblMainTIT[t]->Caption() : QString();
  report::CrearINFORME_HTFC_NEU(context);
}
