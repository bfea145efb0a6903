// The printers: the system's list, the program's current printer and the
// printer object a job draws on. Tests put printers of their own in place
// (PDF files), so no test ever reaches a real printer.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

class QPrinter;

namespace platform {

class PrinterSystem {
 public:
  virtual ~PrinterSystem();
  // Device names of the installed printers, in the system's order.
  virtual QStringList PrinterNames() = 0;
  // Device name of the program's current printer; "" when there is none.
  virtual QString CurrentPrinterName() = 0;
  // Makes the named printer current; false (and no change) when no printer
  // has that exact name.
  virtual bool SetCurrentPrinter(const QString& name) = 0;
  // The current printer, kept from job to job; nullptr when there is none.
  virtual QPrinter* CurrentPrinter() = 0;
};

// The program's printers: the system's unless a test put others in place.
PrinterSystem& Printers();
// Puts a printer system in place (nullptr: the system's); returns the one
// put in place before (nullptr for the system's).
PrinterSystem* SetPrinterSystem(PrinterSystem* printers);

// Printers that write each job as a PDF file "<folder>/<name>.pdf" at the
// given resolution; the first one is current.
class PdfPrinters : public PrinterSystem {
 public:
  PdfPrinters(const QString& folder, const QStringList& names, int dpi = 600);
  ~PdfPrinters() override;
  QStringList PrinterNames() override { return names_; }
  QString CurrentPrinterName() override { return current_; }
  bool SetCurrentPrinter(const QString& name) override;
  QPrinter* CurrentPrinter() override;
  QString OutputFile(const QString& name) const;

 private:
  QString folder_;
  QStringList names_;
  QString current_;
  int dpi_;
  std::map<QString, std::unique_ptr<QPrinter>> printers_;
};

}  // namespace platform
