// The calculation driver: turns the typed texts of a tab's rows into one
// complete calculation of its case in Datos, and gives back what the rows
// show, whether Graph and Report are on, and which error to tell. It knows
// rows, not widgets: a window shows what it is told through RowsView.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "mainwin/CaseModel.h"
#include "platform/LanguageTable.h"

namespace mainwin {

// The rows of the tabs as a window shows them: the driver reads what was
// typed there and tells the window what to show.
class RowsView {
 public:
  virtual ~RowsView() = default;
  // What box r of tab t holds, and whether it is on show.
  virtual QString BoxText(int t, int r) const = 0;
  virtual bool BoxShown(int t, int r) const = 0;
  // The program's own writes, not to be taken for the user's edits.
  virtual void SetBoxText(int t, int r, const QString& text) = 0;
  virtual void SetBoxShown(int t, int r, bool shown) = 0;
  // The rows of tab t were written; the window lays its panel out.
  virtual void RowsWritten(int t) = 0;
  virtual void SetGraphReport(int t, bool enabled) = 0;
  // An error for the user; the window may keep quiet (during a slider drag).
  virtual void ShowError(const QString& prompt, const QString& title) = 0;
};

class CalcDriver {
 public:
  // The text of a language key ("" when missing).
  using TextLookup = platform::TextLookup;
  // Base-unit values of the 15 rows of a tab, and of every tab (1..5).
  using TabValues = std::array<double, CaseModel::kRowsPerTab>;
  using Snapshot = std::array<TabValues, CaseModel::kTabs + 1>;

  CalcDriver(const CaseModel& model, RowsView& view, TextLookup text);

  // The routines below work on tab TipoViga.
  // One complete calculation. True when it succeeded and every shown input
  // held a value; on failure FlagError is 1.
  bool Calcular();
  // Reads the shown, non-blank input rows into Datos; stops at the first
  // unreadable one with FlagError 1.
  void LeerDATOS();
  // Writes every row that has a value; hides result rows without one.
  void EscribirDATOS();
  // Invalid data, and unreadable input: results gone, Graph and Report off,
  // and the message.
  void ErrorCalculo();
  void ErrorLeerDatos();

  // Reads row r of tab t in base units: Read (an empty row gives SinValor),
  // or, with value SinValor, NotANumber when its text is not one whole
  // number and TooLarge when it is one too large to compute with, as typed or
  // in base units. FlagError is left as it was.
  enum class Reading { Read, NotANumber, TooLarge };
  Reading ReadRow(int t, int r, double& value) const;

  // For a change of units. What the input rows of every tab with a case
  // hold, in base units, each row read on its own (SinValor where a row is
  // hidden, empty or unreadable); nothing when no tab was chosen yet.
  Snapshot ReadTabs() const;
  // Shows the snapshot in the units now current on every tab with a case:
  // results gone, Graph and Report off. Datos is left as reading the current
  // tab would leave it.
  void RewriteTabs(const Snapshot& snapshot);

 private:
  void PutValues(int t, const TabValues& values);
  void BlankResultSlots(int t);
  QString UnreadableInputText() const;

  const CaseModel& model_;
  RowsView& view_;
  TextLookup text_;
  // Where the last reading of the inputs stopped and why; -1 for nowhere.
  int unreadableTab_ = -1;
  int unreadableRow_ = -1;
  Reading unreadable_ = Reading::Read;
};

}  // namespace mainwin
