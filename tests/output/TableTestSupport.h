// Shared set-up of the output window tests: known graph points and titles,
// the shipped language files, settings in a temporary folder, printers of the
// tests' own (PDF files), recorded messages and scripted modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

#include "engine/Vigas.h"
#include "graphs/GraphState.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Printers.h"
#include "platform/SaveFileDialog.h"
#include "platform/Settings.h"
#include "support/ModalScripts.h"
#include "support/QtTestSupport.h"

namespace output_test {

using qt_test::ModalScripts;

// A save-file dialog that answers with one path ("" = cancel).
class OneAnswerDialog : public platform::SaveFileDialog {
 public:
  explicit OneAnswerDialog(QString answer) : answer_(std::move(answer)) {
    old_ = platform::SetSaveFileDialog(this);
  }
  ~OneAnswerDialog() override { platform::SetSaveFileDialog(old_); }
  QString Ask(const platform::SaveFileRequest& request) override {
    asked = request;
    return answer_;
  }
  platform::SaveFileRequest asked;

 private:
  QString answer_;
  platform::SaveFileDialog* old_;
};

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    platform::RedirectSettings(temp_.filePath("settings"));
    platform::SetResourceFolder(qt_test::SourceRoot());
    Mini_HTFC_rut::IniciarSimbolosHTFC();
    Vigas::NumDigitos = 4;
    TituloCaso1 = "Simply supported beam";
    TituloCaso2 = "Uniform load w&_0";
    TituloGrafica = "Deflection";
    TituloEjeX = "x (m)";
    TituloEjeY = "y (mm)";
    for (int i = 1; i <= kPuntosGrafica; ++i) {
      PuntosX[i] = 4.0 * (i - 1) / 63.0;
      PuntosY[i] = -12.5 * (i - 1) / 63.0;
    }
    pdf_ = std::make_unique<platform::PdfPrinters>(temp_.path(), QStringList{"Office", "Plotter"},
                                                   150);
    oldPrinters_ = platform::SetPrinterSystem(pdf_.get());
  }
  void TearDown() override {
    platform::SetPrinterSystem(oldPrinters_);
    platform::SetResourceFolder(QString());
  }

  QString TempPath(const QString& name) const { return temp_.filePath(name); }
  platform::PdfPrinters& Pdf() { return *pdf_; }

  QTemporaryDir temp_;
  platform::RecordingMessageSink messages;
  ModalScripts modals;

 private:
  std::unique_ptr<platform::PdfPrinters> pdf_;
  platform::PrinterSystem* oldPrinters_ = nullptr;
};

}  // namespace output_test
