// Shared set-up of the graph window tests: the shipped language files, the
// main window's graph tables, printers of the tests' own, and modal windows
// driven by scripts instead of waiting for a person.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "GraphTestSupport.h"
#include "platform/Fonts.h"
#include "platform/LanguageTable.h"
#include "platform/Modal.h"
#include "platform/Printers.h"
#include "support/ModalScripts.h"
#include "support/QtTestSupport.h"

namespace graph_test {

using qt_test::BuildFolder;
using qt_test::Click;
using qt_test::DoubleClick;
using qt_test::HeldTimers;
using qt_test::Key;
using qt_test::ProcessEvents;
using qt_test::SendMouse;
using qt_test::SourceRoot;

using qt_test::ModalScripts;

// The graph tests' case, with the main window's graph tables and colours,
// the shipped texts and two PDF printers.
class WindowTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    platform::SetResourceFolder(SourceRoot());
    platform::LanguageTable ksl("KSL");
    for (int i = 1; i <= 4; ++i) DescTipoGrafica[i] = ksl.GetL_win(QString("H_TG%1").arg(i));
    int k = 0;
    for (int t = 1; t <= Vigas::kSupportTypes; ++t)
      for (int r = 0; r < Vigas::CasesOfType(t); ++r) {
        ListaCodCasos[++k] = QString::number(Vigas::CaseCode(t, r));
        for (int j = 1; j <= 4; ++j) GraficasCaso[k][j] = static_cast<int16_t>(j);
      }
    CodigoCaso = "100";
    TipoGrafica = 0;
    EditGrafAceptado = false;
    UltimaCarpeta.clear();
    measure_->SetFontSize(platform::DesignFontSize(12));  // as the main window leaves it
    ASSERT_TRUE(pdfFolder_.isValid());
    pdf_ = std::make_unique<platform::PdfPrinters>(pdfFolder_.path(),
                                                   QStringList{"Office", "Plotter"}, 300);
    oldPrinters_ = platform::SetPrinterSystem(pdf_.get());
  }
  void TearDown() override {
    platform::SetPrinterSystem(oldPrinters_);
    platform::SetResourceFolder(QString());
    GraphTest::TearDown();
  }

  ModalScripts modal;
  QTemporaryDir pdfFolder_;
  std::unique_ptr<platform::PdfPrinters> pdf_;
  platform::PrinterSystem* oldPrinters_ = nullptr;
};

}  // namespace graph_test
