// What the graph window opens that lives in later parts of the program: the
// print dialog and the data table window. Each registers itself here; until
// then the graph window gets sound stand-ins.
#pragma once

#include <cstdint>
#include <functional>

// The print dialog's exchange with its callers: they set the three flags,
// show the dialog, then read whether it was accepted and how many copies.
extern bool VerCopias;
extern bool VerCollate;
extern bool VerBN;
extern bool ImprimirAceptado;
extern int32_t NumCopias;

// Shows the print dialog modally. Without one registered, printing is
// accepted with one copy on the current printer.
void SetPrintDialog(std::function<void()> show);
void MostrarDialogoImprimir();

// The callers' side of the exchange, the same for every print: the dialog
// with its copies group only, shown by 'show'; true when it was accepted,
// NumCopias then holding the count.
bool AskPrintCopies(const std::function<void()>& show = MostrarDialogoImprimir);

// Shows the data table window modally; nothing happens until one is
// registered.
void SetDataTableWindow(std::function<void()> show);
void MostrarTablaDatos();
