// The results table window: layout and scrolling, save, copy, print, close.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>

#include "../platform/PdfPages.h"
#include "TableTestSupport.h"
#include "graphs/GraphHooks.h"
#include "output/FormTabla.h"
#include "output/OutputState.h"
#include "output/OutputWindows.h"
#include "output/frmImprimir.h"
#include "platform/Clipboard.h"
#include "platform/TextFile.h"

using output_test::OneAnswerDialog;
using output_test::OutputTest;

namespace {
class FailingClipboard : public platform::ClipboardAccess {
 public:
  FailingClipboard() { old_ = platform::SetClipboardAccess(this); }
  ~FailingClipboard() override { platform::SetClipboardAccess(old_); }
  void Clear() override {}
  void SetImage(const QImage&) override {}
  QImage Image() override { return QImage(); }
  void SetText(const QString&) override {}
  QString Text() override { return QString(); }

 private:
  platform::ClipboardAccess* old_;
};

class TableWindowTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    UltimaCarpetaTabla.clear();
    output::RegisterWindows();
  }
  void TearDown() override {
    SetPrintDialog(nullptr);
    SetDataTableWindow(nullptr);
    OutputTest::TearDown();
  }
  // Sizes the window so that the viewport is the given height.
  static void SetViewportHeight(FormTabla& w, int h) {
    w.resize(w.width(), w.height() + h - w.PicG->height());
    qt_test::ProcessEvents();
    ASSERT_EQ(w.PicG->height(), h);
  }
};
}  // namespace

TEST_F(TableWindowTest, OpensFromGraphHookWithTextsAndTable) {
  modals.scripts.push_back([](QDialog& d) {
    auto& w = static_cast<FormTabla&>(d);
    EXPECT_EQ(w.windowTitle(), "Data table");
    EXPECT_EQ(w.Lblbot[2]->text(), "Print");
    EXPECT_EQ(w.mnu_archivo_saveas->text(), "&Save table as...");
    EXPECT_EQ(w.TextoTabla.count("\r\n"), 71);
    // The print button names the current printer once its timer looks.
    qt_test::HeldTimers timers(&w);
    EXPECT_EQ(w.Timer2->interval(), 500);
    ASSERT_TRUE(timers.Fire(w.Timer2));
    EXPECT_EQ(w.Lblbot[2]->toolTip(), "Office");
    w.grab().save(qt_test::BuildFolder() + "/table_window.png");
    qt_test::Key(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
  });
  MostrarTablaDatos();
  ASSERT_EQ(modals.shown.size(), 1u);
  EXPECT_EQ(modals.shown[0], "FormTabla");
}

// Opened as from the graph window: Enter and Space print nothing.
TEST_F(TableWindowTest, EnterInTheNewWindowPrintsNothing) {
  bool active = true;
  modals.scripts.push_back([&](QDialog& d) {
    active = qt_test::ShowActive(&d);
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) qt_test::KeyAtFocus(key, "\r");
    EXPECT_TRUE(d.isVisible());
  });
  MostrarTablaDatos();
  if (!active) GTEST_SKIP() << "no window takes the focus here";
  EXPECT_EQ(modals.shown, std::vector<QString>{"FormTabla"});
  EXPECT_FALSE(QFileInfo::exists(Pdf().OutputFile("Office")));
}

TEST_F(TableWindowTest, CentringAndScrollBarFollowTheViewport) {
  FormTabla w;
  w.show();
  qt_test::ProcessEvents();
  // The default size needs the scroll bar, with the table at its top.
  ASSERT_TRUE(w.VScroll1->isVisible());
  EXPECT_EQ(w.VScroll1->Min(), 85);
  EXPECT_EQ(w.VScroll1->Max(), w.PicG->height() - 1048);
  EXPECT_EQ(w.PicTab->y(), 85);
  // Narrower than header plus bar: header and table at the left edge.
  w.resize(640, w.height());
  qt_test::ProcessEvents();
  EXPECT_EQ(w.PicCab->x(), 4);
  EXPECT_EQ(w.PicTab->x(), 4);
  // Wider: centred beside the bar.
  w.resize(1200, w.height());
  qt_test::ProcessEvents();
  EXPECT_EQ(w.PicCab->x(), (w.PicG->width() - 18 - 796) / 2);
  EXPECT_EQ(w.PicSUP->geometry(), QRect(w.PicCab->x(), 0, 796, 4));
  // Tall enough for header and table: no bar; one pixel less: the bar.
  SetViewportHeight(w, 1129);
  EXPECT_TRUE(w.VScroll1->isHidden());
  SetViewportHeight(w, 1128);
  EXPECT_FALSE(w.VScroll1->isHidden());
  EXPECT_EQ(w.VScroll1->Min(), 85);
  EXPECT_EQ(w.VScroll1->Max(), 80);
  // Below the minimum size, frame and title bar included, it grows back.
  w.resize(300, 200);
  qt_test::ProcessEvents();
  EXPECT_EQ(w.frameGeometry().size(), QSize(640, 480));
}

TEST_F(TableWindowTest, SaveWritesTheTableTextAndNamesEndInTxt) {
  FormTabla w;
  const QString folder = TempPath("tables");
  QDir().mkpath(folder);
  struct Case {
    QString chosen, written;
  } cases[] = {{folder + "/plain", folder + "/plain.txt"},
               {folder + "/UPPER.TXT", folder + "/UPPER.TXT"},
               {folder + "/other.csv", folder + "/other.csv.txt"}};
  for (const Case& c : cases) {
    OneAnswerDialog dialog(c.chosen);
    const QString before = UltimaCarpetaTabla;
    w.mnu_archivo_saveas_Click();
    EXPECT_EQ(dialog.asked.folder, before);
    QFile f(c.written);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.written.toStdString();
    EXPECT_EQ(f.readAll(), w.TextoTabla.toUtf8());
    EXPECT_EQ(UltimaCarpetaTabla, folder);
  }
  // Saving over an existing file replaces it.
  platform::WriteWindows1252File(folder + "/plain.txt", "old");
  {
    OneAnswerDialog dialog(folder + "/plain.txt");
    w.mnu_archivo_saveas_Click();
  }
  QFile replaced(folder + "/plain.txt");
  ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
  EXPECT_EQ(replaced.readAll(), w.TextoTabla.toUtf8());
  for (const platform::Message& m : messages.messages)
    EXPECT_EQ(m.buttons, platform::MsgButtons::YesNo) << m.prompt.toStdString();

  // Something that cannot be replaced is left alone, with a message.
  QDir().mkpath(folder + "/busy.txt");
  messages.messages.clear();
  {
    OneAnswerDialog dialog(folder + "/busy.txt");
    w.mnu_archivo_saveas_Click();
  }
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_EQ(messages.messages.back().prompt,
            "The table could not be saved:\r\n" + folder + "/busy.txt\r\nIs a directory.");
  EXPECT_TRUE(QFileInfo(folder + "/busy.txt").isDir());

  // Cancel ends silently.
  messages.messages.clear();
  OneAnswerDialog cancel("");
  w.mnu_archivo_saveas_Click();
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TableWindowTest, CopyPutsTheTextOnTheClipboardAndSaysSo) {
  FormTabla w;
  w.mnu_edicion_copiar_Click();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].title, "Copy");
  EXPECT_EQ(messages.messages[0].icon, platform::MsgIcon::Information);
  {
    FailingClipboard broken;
    w.mnu_edicion_copiar_Click();
  }
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].prompt, "The table could not be copied to the clipboard.");
  EXPECT_EQ(messages.messages[1].title, "Error");
}

TEST_F(TableWindowTest, PrintMakesOnePagePerCopyOnTheChosenPrinter) {
  FormTabla w;
  const QString screenText = w.TextoTabla;
  // Cancelled: nothing printed.
  modals.scripts.push_back([](QDialog& d) { static_cast<frmImprimir&>(d).Cancelar(); });
  w.Lblbot_Click(2);
  EXPECT_FALSE(QFileInfo::exists(Pdf().OutputFile("Plotter")));
  EXPECT_FALSE(QFileInfo::exists(Pdf().OutputFile("Office")));

  modals.scripts.push_back([](QDialog& d) {
    auto& p = static_cast<frmImprimir&>(d);
    p.Combo1->setCurrentIndex(1);
    p.Text1->setText("3");
    p.Aceptar();
  });
  w.mnu_archivo_imprimir_Click();
  EXPECT_EQ(PdfPageCount(Pdf().OutputFile("Plotter")), 3);
  EXPECT_EQ(Pdf().CurrentPrinterName(), "Plotter");
  EXPECT_EQ(Pdf().CurrentPrinter()->docName(), "Data table: Deflection");
  // The text now is the printed one: same lines, as the table fits the page.
  EXPECT_EQ(w.TextoTabla, screenText);
}

TEST_F(TableWindowTest, PrintWithoutPrintersSaysSoAndAsksNothing) {
  platform::PdfPrinters none(TempPath("none"), QStringList{});
  platform::PrinterSystem* old = platform::SetPrinterSystem(&none);
  FormTabla w;
  w.mnu_archivo_imprimir_Click();
  w.Timer2_Timer();
  EXPECT_TRUE(modals.shown.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].prompt,
            "No printer is installed, so the table cannot be printed.");
  EXPECT_EQ(messages.messages[0].title, "TORV");
  EXPECT_EQ(w.Lblbot[2]->toolTip(), "");
  platform::SetPrinterSystem(old);
}
