#include "platform/Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

PrinterSystem::~PrinterSystem() = default;

namespace {

// The installed printers as the print system reports them; the default
// printer is current until the program chooses another.
class SystemPrinters : public PrinterSystem {
 public:
  QStringList PrinterNames() override { return QPrinterInfo::availablePrinterNames(); }

  QString CurrentPrinterName() override {
    if (current_.isEmpty()) {
      current_ = QPrinterInfo::defaultPrinterName();
      if (current_.isEmpty()) current_ = PrinterNames().value(0);
    }
    return current_;
  }

  bool SetCurrentPrinter(const QString& name) override {
    if (!PrinterNames().contains(name)) return false;
    current_ = name;
    return true;
  }

  QPrinter* CurrentPrinter() override {
    const QString name = CurrentPrinterName();
    if (name.isEmpty()) return nullptr;
    if (!printer_ || printer_->printerName() != name) {
      printer_ =
          std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    }
    return printer_.get();
  }

 private:
  QString current_;
  std::unique_ptr<QPrinter> printer_;
};

PrinterSystem* g_replacement = nullptr;

}  // namespace

PrinterSystem& Printers() {
  if (g_replacement) return *g_replacement;
  static SystemPrinters system;
  return system;
}

PrinterSystem* SetPrinterSystem(PrinterSystem* printers) {
  PrinterSystem* old = g_replacement;
  g_replacement = printers;
  return old;
}

PdfPrinters::PdfPrinters(const QString& folder, const QStringList& names, int dpi)
    : folder_(folder), names_(names), current_(names.value(0)), dpi_(dpi) {}

PdfPrinters::~PdfPrinters() = default;

bool PdfPrinters::SetCurrentPrinter(const QString& name) {
  if (!names_.contains(name)) return false;
  current_ = name;
  return true;
}

QString PdfPrinters::OutputFile(const QString& name) const {
  return folder_ + QLatin1Char('/') + name + QStringLiteral(".pdf");
}

QPrinter* PdfPrinters::CurrentPrinter() {
  if (current_.isEmpty()) return nullptr;
  auto& p = printers_[current_];
  if (!p) {
    p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setResolution(dpi_);
    p->setPageSize(QPageSize(QPageSize::A4));
    p->setOutputFileName(OutputFile(current_));
    p->setDocName(current_);
  }
  return p.get();
}

}  // namespace platform
