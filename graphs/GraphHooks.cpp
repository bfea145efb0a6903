#include "graphs/GraphHooks.h"

bool VerCopias = false;
bool VerCollate = false;
bool VerBN = false;
bool ImprimirAceptado = false;
int32_t NumCopias = 1;

namespace {
std::function<void()>& PrintDialog() {
  static std::function<void()> show;
  return show;
}

std::function<void()>& DataTable() {
  static std::function<void()> show;
  return show;
}
}  // namespace

void SetPrintDialog(std::function<void()> show) {
  PrintDialog() = std::move(show);
}

void MostrarDialogoImprimir() {
  ImprimirAceptado = false;
  if (PrintDialog()) {
    PrintDialog()();
    return;
  }
  ImprimirAceptado = true;
  NumCopias = 1;
}

bool AskPrintCopies(const std::function<void()>& show) {
  VerCopias = true;
  VerCollate = false;
  VerBN = false;
  show();
  return ImprimirAceptado;
}

void SetDataTableWindow(std::function<void()> show) {
  DataTable() = std::move(show);
}

void MostrarTablaDatos() {
  if (DataTable()) DataTable()();
}
