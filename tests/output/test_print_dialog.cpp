// The print dialog: printer list, copies box and spinner, OK and Cancel, and
// its exchange with callers through the graph window's hooks.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>

#include "TableTestSupport.h"
#include "graphs/GraphHooks.h"
#include "output/OutputWindows.h"
#include "output/frmImprimir.h"

using output_test::OutputTest;

namespace {
class PrintDialogTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    VerCopias = true;
    VerCollate = false;
    VerBN = false;
    NumCopias = 1;
  }
  static void Type(QLineEdit* box, const QString& digits) {
    for (QChar c : digits) qt_test::Key(box, c.unicode(), QString(c));
  }
  static void Leave(QLineEdit* box) {
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(box, &out);
  }
};
}  // namespace

TEST_F(PrintDialogTest, OpensWithOneCopyAndTheCurrentPrinterAndOkAcceptsIt) {
  ASSERT_TRUE(Pdf().SetCurrentPrinter("Plotter"));
  output::RegisterWindows();
  modals.scripts.push_back([](QDialog& d) {
    auto& p = static_cast<frmImprimir&>(d);
    EXPECT_EQ(p.windowTitle(), "Print");
    EXPECT_EQ(p.size(), QSize(477, 286));
    EXPECT_EQ(p.Text1->text(), " 1");
    EXPECT_EQ(p.VScroll1->Value(), 1);
    EXPECT_EQ(p.Combo1->count(), 2);
    EXPECT_EQ(p.Combo1->currentText(), "Plotter");
    EXPECT_TRUE(p.Text1->isVisible());
    EXPECT_FALSE(p.ChkCOLLATE->isVisible());
    EXPECT_FALSE(p.ChK_BN->isVisible());
    p.grab().save(qt_test::BuildFolder() + "/print_dialog.png");
    qt_test::Click(p.Label3[0]);
  });
  MostrarDialogoImprimir();
  EXPECT_TRUE(ImprimirAceptado);
  EXPECT_EQ(NumCopias, 1);
  SetPrintDialog(nullptr);
}

TEST_F(PrintDialogTest, CopiesBoxAndSpinnerKeepInStep) {
  frmImprimir p;
  p.show();
  QLineEdit* box = p.Text1;
  // Deleting every digit gives 1 at once.
  box->setText("");
  EXPECT_EQ(box->text(), "1");
  // Only digits type; four at most.
  box->selectAll();
  Type(box, "2a5.0-07");
  EXPECT_EQ(box->text(), "2500");
  // 2500 is refused by the spinner: leaving the box brings back 250.
  EXPECT_EQ(p.VScroll1->Value(), 250);
  Leave(box);
  EXPECT_EQ(box->text(), "250");
  // Leading zeros go once the spinner takes the value.
  box->selectAll();
  Type(box, "0");
  EXPECT_EQ(box->text(), "0");
  Type(box, "5");
  EXPECT_EQ(box->text(), "5");
  // Arrow keys and the spinner's arrows, never past 1 or 1999.
  qt_test::Key(box, Qt::Key_Up);
  EXPECT_EQ(box->text(), "6");
  box->setText("1999");
  qt_test::Key(box, Qt::Key_Up);
  EXPECT_EQ(box->text(), "1999");
  p.VScroll1->Up->click();
  EXPECT_EQ(box->text(), "1999");
  p.VScroll1->Down->click();
  EXPECT_EQ(box->text(), "1998");
  box->setText("1");
  qt_test::Key(box, Qt::Key_Down);
  EXPECT_EQ(box->text(), "1");
  p.VScroll1->Up->click();
  EXPECT_EQ(box->text(), "2");
}

TEST_F(PrintDialogTest, PastedTextIsHeldToTheTypedRule) {
  frmImprimir p;
  p.show();
  QLineEdit* box = p.Text1;
  const auto paste = [&](const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->paste();
  };
  // What typed keys could not make is refused whole: letters, signs,
  // separators, a fifth character.
  for (const char* text : {"12abc", "-3", "1.5", "1e3", "12345", " 7 ", "\t2"}) {
    box->selectAll();
    paste(text);
    EXPECT_EQ(box->text(), " 1") << text;
  }
  EXPECT_EQ(p.VScroll1->Value(), 1);
  // Digits that fit go in, and the spinner follows.
  box->selectAll();
  paste("25");
  EXPECT_EQ(box->text(), "25");
  EXPECT_EQ(p.VScroll1->Value(), 25);
  box->end(false);
  paste("999");
  EXPECT_EQ(box->text(), "25");
  paste("99");
  EXPECT_EQ(box->text(), "2599");
  // Ctrl+V the same.
  box->selectAll();
  QGuiApplication::clipboard()->setText("7b");
  qt_test::Key(box, Qt::Key_V, QString(), Qt::ControlModifier);
  EXPECT_EQ(box->text(), "2599");
  QGuiApplication::clipboard()->setText("7");
  qt_test::Key(box, Qt::Key_V, QString(), Qt::ControlModifier);
  EXPECT_EQ(box->text(), "7");
  // Dropped text goes the same way.
  box->selectAll();
  QMimeData dropped;
  dropped.setText("8x");
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &drop);
  EXPECT_EQ(box->text(), "7");

  // A text the box should never hold is no count at all: "12abc" is not 12
  // (the spinner, already at 12, leaves such a text as it is).
  box->setText("12");
  box->setText("12abc");
  ASSERT_EQ(box->text(), "12abc");
  p.Aceptar();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].prompt, "The number of copies must be from 1 to 1999.");
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(CopiesInBox(" 12 "), 12);
  EXPECT_EQ(CopiesInBox("1 2"), 0);
  EXPECT_EQ(CopiesInBox("+12"), 0);
}

// Enter prints only from a Print button the user has moved to with Tab: in
// the copies box or anywhere else in the dialog it does nothing.
TEST_F(PrintDialogTest, EnterPressesOnlyAButtonMovedTo) {
  frmImprimir p;
  if (!qt_test::ShowActive(&p)) GTEST_SKIP() << "no window takes the focus here";
  EXPECT_EQ(qobject_cast<platform::ButtonCaption*>(QApplication::focusWidget()), nullptr);
  p.Text1->setText("12");
  for (QWidget* at : {static_cast<QWidget*>(p.Text1), static_cast<QWidget*>(&p)})
    qt_test::Key(at, Qt::Key_Return, "\r");
  EXPECT_TRUE(p.isVisible());
  EXPECT_FALSE(ImprimirAceptado);
  for (int i = 0; i < 6 && QApplication::focusWidget() != p.Label3[0]; ++i)
    qt_test::KeyAtFocus(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), p.Label3[0]);
  qt_test::KeyAtFocus(Qt::Key_Return, "\r");
  EXPECT_TRUE(ImprimirAceptado);
  EXPECT_EQ(NumCopias, 12);
  EXPECT_FALSE(p.isVisible());
}

TEST_F(PrintDialogTest, InvalidCountKeepsDialogOpenAndEveryOtherWayOutCancels) {
  {
    frmImprimir p;
    p.show();
    p.Text1->selectAll();
    Type(p.Text1, "0");
    p.Label3_Click(0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].prompt, "The number of copies must be from 1 to 1999.");
    EXPECT_EQ(messages.messages[0].title, "TORV");
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.Text1->text(), "0");
    p.Label3_Click(1);
    EXPECT_FALSE(ImprimirAceptado);
    EXPECT_FALSE(p.isVisible());
  }
  {
    frmImprimir p;
    p.show();
    p.Text1->selectAll();
    Type(p.Text1, "0");
    p.Aceptar();
    qt_test::Key(p.Text1, Qt::Key_Escape);
    EXPECT_FALSE(ImprimirAceptado);
    EXPECT_FALSE(p.isVisible());
  }
  {
    // The close box after a refused count is a cancel too.
    frmImprimir p;
    p.show();
    p.Text1->setText("0");
    p.Aceptar();
    p.close();
    EXPECT_FALSE(ImprimirAceptado);
  }
}

TEST_F(PrintDialogTest, ChoosingPrinterMakesItCurrentEvenOnCancel) {
  {
    frmImprimir p;
    p.show();
    EXPECT_EQ(p.Combo1->currentText(), "Office");
    p.Combo1->setCurrentIndex(1);
    p.Cancelar();
  }
  EXPECT_EQ(Pdf().CurrentPrinterName(), "Plotter");

  // A current printer missing from the list: no selection, nothing changed.
  class Odd : public platform::PdfPrinters {
   public:
    using PdfPrinters::PdfPrinters;
    QString CurrentPrinterName() override { return "Elsewhere"; }
  } odd(TempPath("odd"), {"Office", "Plotter"});
  platform::PrinterSystem* old = platform::SetPrinterSystem(&odd);
  {
    frmImprimir p;
    EXPECT_EQ(p.Combo1->currentIndex(), -1);
  }
  platform::SetPrinterSystem(old);

  // No printer: the list is hidden, the rest works.
  platform::PdfPrinters none(TempPath("none"), QStringList{});
  old = platform::SetPrinterSystem(&none);
  {
    VerCollate = true;
    frmImprimir p;
    p.show();
    EXPECT_FALSE(p.Combo1->isVisible());
    EXPECT_TRUE(p.ChkCOLLATE->isVisible());
    EXPECT_TRUE(p.ImgCOLLATE[1]->isVisible());
    p.ChkCOLLATE->click();
    EXPECT_TRUE(p.ImgCOLLATE[0]->isVisible());
    EXPECT_FALSE(p.ImgCOLLATE[1]->isVisible());
    p.Text1->setText("12");
    p.Aceptar();
    EXPECT_TRUE(ImprimirAceptado);
    EXPECT_EQ(NumCopias, 12);
  }
  platform::SetPrinterSystem(old);
}
