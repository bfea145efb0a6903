// The Graph command: recalculate the tab's case, let the user choose a graph
// type, then show the graph window.
#include "engine/Vigas.h"
#include "graphs/FormEditGRAF.h"
#include "graphs/FormGraficaVIGAS.h"
#include "mainwin/FormMain.h"
#include "mainwin/MainState.h"
#include "platform/Modal.h"

void FormMain::LblGRA_Click(int Index) {
  using namespace Vigas;
  if (TipoViga == 0) return;
  LblCAL_Click(Index);

  // Drawing samples the case along the beam and leaves the last sample in
  // the data; what the calculation left is put back when the graph closes,
  // so a report made afterwards states the user's own x.
  const KeepData kept;

  CodigoCaso = QString::number(CurrentCaseCode());
  TipoGrafica = 0;
  EditGrafAceptado = false;
  {
    FormEditGRAF chooser;
    platform::ShowModal(chooser);
  }
  if (EditGrafAceptado) {
    FormGraficaVIGAS window;
    platform::ShowModal(window);
  }
}
