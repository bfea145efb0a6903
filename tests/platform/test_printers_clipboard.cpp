// Printers of the tests' own (PDF files), the clipboard with its read-back,
// and modal windows driven by a runner instead of a person.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "PdfPages.h"
#include "platform/Clipboard.h"
#include "platform/DrawTarget.h"
#include "platform/Modal.h"
#include "platform/Printers.h"

using namespace platform;

namespace {

TEST(PdfPrinterSystem, ChoosesByExactNameAndPrintsPagesToItsFile) {
  QTemporaryDir dir;
  PdfPrinters pdf(dir.path(), {"Office", "Plotter"}, 300);
  PrinterSystem* old = SetPrinterSystem(&pdf);
  EXPECT_EQ(&Printers(), &pdf);
  EXPECT_EQ(Printers().PrinterNames(), QStringList({"Office", "Plotter"}));
  EXPECT_EQ(Printers().CurrentPrinterName(), "Office");
  EXPECT_FALSE(Printers().SetCurrentPrinter("plotter"));
  EXPECT_EQ(Printers().CurrentPrinterName(), "Office");
  EXPECT_TRUE(Printers().SetCurrentPrinter("Plotter"));

  QPrinter* printer = Printers().CurrentPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(printer, Printers().CurrentPrinter());  // kept from job to job
  EXPECT_EQ(printer->resolution(), 300);
  {
    PrinterTarget page(printer);
    EXPECT_DOUBLE_EQ(page.TwipsPerPixelX(), 4.8);
    for (int i = 1; i <= 3; ++i) {
      page.SetCurrentX(1440);
      page.SetCurrentY(1440);
      page.Print(QString("page %1").arg(i));
      if (i < 3) page.NewPage();
    }
    page.EndDoc();
  }
  EXPECT_EQ(PdfPageCount(pdf.OutputFile("Plotter")), 3);
  EXPECT_EQ(PdfPageCount(pdf.OutputFile("Office")), -1);
  EXPECT_EQ(SetPrinterSystem(old), &pdf);

  PdfPrinters none(dir.path(), {});
  EXPECT_EQ(none.CurrentPrinterName(), "");
  EXPECT_EQ(none.CurrentPrinter(), nullptr);
}

// A clipboard that takes text but loses pictures.
class LosingClipboard : public ClipboardAccess {
 public:
  void Clear() override { text_.clear(); }
  void SetImage(const QImage&) override {}
  QImage Image() override { return QImage(); }
  void SetText(const QString& t) override { text_ = t; }
  QString Text() override { return text_; }

 private:
  QString text_;
};

TEST(ClipboardCopies, SucceedOnlyWhenTheClipboardReadsBackTheSame) {
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setPixel(3, 4, qRgb(200, 0, 0));
  EXPECT_TRUE(CopyImageToClipboard(image));
  EXPECT_TRUE(CopyTextToClipboard("a\tb\r\nc"));
  EXPECT_FALSE(CopyImageToClipboard(QImage()));

  LosingClipboard losing;
  ClipboardAccess* old = SetClipboardAccess(&losing);
  EXPECT_FALSE(CopyImageToClipboard(image));
  EXPECT_TRUE(CopyTextToClipboard("kept"));
  EXPECT_EQ(SetClipboardAccess(old), &losing);
}

TEST(ModalWindows, ARunnerDrivesTheShownDialogAndAnOpenOneIsClosed) {
  int seen = 0;
  ModalRunner old = SetModalRunner([&](QDialog& d) {
    ++seen;
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.isModal());
    if (seen == 1) d.accept();
  });
  QDialog first;
  ShowModal(first);
  EXPECT_EQ(first.result(), QDialog::Accepted);
  QDialog second;
  ShowModal(second);
  EXPECT_FALSE(second.isVisible());
  EXPECT_EQ(seen, 2);
  SetModalRunner(old);
}

}  // namespace
