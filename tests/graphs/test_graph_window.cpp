// The graph window: drawing after resizes, the toolbar and menu commands,
// printing to PDF printers, saving and copying the picture, and screenshots
// of the four graph types of one case and of a printed page.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPrinter>

#include "../platform/PdfPages.h"
#include "WindowTestSupport.h"
#include "graphs/FormEditGRAF.h"
#include "graphs/FormGraficaVIGAS.h"
#include "graphs/GraphHooks.h"
#include "platform/Clipboard.h"
#include "platform/SaveFileDialog.h"
#include "platform/WholeFile.h"

using namespace graph_test;

namespace {

// A graph window on screen with its first drawing done.
class GraphWindow : public WindowTest {
 protected:
  void Open(int type) {
    Prepare(type);
    window_ = std::make_unique<FormGraficaVIGAS>();
    timers_ = std::make_unique<HeldTimers>(window_.get());
    PuntosX[kPuntosGrafica] = 0;
    window_->show();
    EXPECT_EQ(PuntosX[kPuntosGrafica], 0);
    // The curve follows the first resize once its pause is over.
    ASSERT_TRUE(timers_->Fire(W().Timer1));
    ASSERT_NE(PuntosX[kPuntosGrafica], 0);
  }
  void TearDown() override {
    timers_.reset();
    window_.reset();
    SetPrintDialog(nullptr);
    SetDataTableWindow(nullptr);
    WindowTest::TearDown();
  }
  FormGraficaVIGAS& W() { return *window_; }
  const QImage& Picture() { return W().PicG->Target().Image(); }
  void ExpectPointsOfTheScreenGraph() {
    EXPECT_EQ(PuntosX[64], kL);
    EXPECT_EQ(PuntosX[33], kL / 2);
    EXPECT_NE(PuntosY[17], 0);  // a quarter along, where no quantity of this case is 0
  }

  std::unique_ptr<FormGraficaVIGAS> window_;
  std::unique_ptr<HeldTimers> timers_;
};

TEST_F(GraphWindow, OpensWithItsTextsLayoutAndTheCurveDrawnOnce) {
  CountingEvaluator evaluations;
  Open(1);
  ProcessEvents();
  EXPECT_EQ(evaluations.count, 257);  // one drawing with the curve
  EXPECT_FALSE(W().Timer1->isActive());
  ExpectPointsOfTheScreenGraph();
  EXPECT_EQ(W().windowTitle(), "Graph");
  EXPECT_EQ(W().Lblbot[4]->toolTip(), "Close this window");
  EXPECT_EQ(W().mnu_archivo->title(), "&File");
  // 800 x 600 at least, frame and title bar included; the picture fills all
  // but the toolbar.
  EXPECT_EQ(W().frameGeometry().size(), QSize(800, 600));
  EXPECT_EQ(W().PicG->geometry(), QRect(6, 6, W().ScaleWidth() - 128 - 15, W().ScaleHeight() - 11));
  EXPECT_EQ(W().PicBot->geometry().left(), 6 + W().PicG->width() + 3);
  EXPECT_EQ(W().Timer1->interval(), 20);
  // The measuring picture carries the graph's font size.
  EXPECT_EQ(measure_->FontSize(), W().PicG->Target().FontSize());

  Key(&W(), Qt::Key_Escape);
  EXPECT_FALSE(W().isVisible());
}

// Keys in a window just opened go to the window, where Enter does nothing;
// a button the user has moved to with Tab takes Enter.
TEST_F(GraphWindow, EnterInTheNewWindowDoesNothingUntilTabReachesAButton) {
  Open(1);
  if (!qt_test::ShowActive(&W())) GTEST_SKIP() << "no window takes the focus here";
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) qt_test::KeyAtFocus(key, "\r");
  EXPECT_TRUE(modal.shown.empty());
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_TRUE(W().isVisible());
  qt_test::KeyAtFocus(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), W().Lblbot[0]);
  qt_test::KeyAtFocus(Qt::Key_Return, "\r");
  EXPECT_EQ(modal.shown, std::vector<QString>{"FormEditGRAF"});
}

TEST_F(GraphWindow, ABurstOfResizesDrawsTheCurveOnceAfterTheLast) {
  Open(3);
  CountingEvaluator evaluations;
  for (int i = 1; i <= 6; ++i) {
    W().resize(820 + 15 * i, 620 + 10 * i);
    ProcessEvents();
    EXPECT_TRUE(W().Timer1->isActive()) << i;  // the pause, started again
  }
  EXPECT_EQ(evaluations.count, 0);
  // Each resize drew titles, grid and axes and cleared the points.
  EXPECT_EQ(PuntosX[64], 0);
  ASSERT_TRUE(timers_->Fire(W().Timer1));
  ProcessEvents();
  EXPECT_EQ(evaluations.count, 257);
  EXPECT_FALSE(W().Timer1->isActive());
  ExpectPointsOfTheScreenGraph();
  EXPECT_EQ(W().PicG->width(), W().ScaleWidth() - 143);

  // Too small snaps back to the minimum.
  W().resize(500, 400);
  ProcessEvents();
  EXPECT_EQ(W().frameGeometry().size(), QSize(800, 600));
}

TEST_F(GraphWindow, PrintsCopiesOnTheCurrentPrinterAndRedrawsTheScreenGraph) {
  Open(4);
  int dialogs = 0;
  SetPrintDialog([&] {
    ++dialogs;
    EXPECT_TRUE(VerCopias);
    EXPECT_FALSE(VerCollate);
    EXPECT_FALSE(VerBN);
    ImprimirAceptado = true;
    NumCopias = 3;
  });
  pdf_->SetCurrentPrinter("Plotter");
  const QImage before = Picture().copy();
  W().Lblbot_Click(2);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(PdfPageCount(pdf_->OutputFile("Plotter")), 3);
  // The job is named by the graph's title, as a reader sees it.
  EXPECT_EQ(pdf_->CurrentPrinter()->docName(), "Shear force V versus position x");
  // A wide picture prints landscape; the points are back for the table.
  EXPECT_EQ(pdf_->CurrentPrinter()->pageLayout().orientation(), QPageLayout::Landscape);
  ExpectPointsOfTheScreenGraph();
  EXPECT_TRUE(Picture() == before);

  // Cancelled: nothing printed.
  QFile::remove(pdf_->OutputFile("Plotter"));
  SetPrintDialog([&] { ImprimirAceptado = false; });
  W().mnu_archivo_imprimir->trigger();
  EXPECT_FALSE(QFile::exists(pdf_->OutputFile("Plotter")));

  // Without printers the command says so and asks nothing.
  platform::PdfPrinters none(pdfFolder_.path(), {});
  platform::SetPrinterSystem(&none);
  dialogs = 0;
  SetPrintDialog([&] { ++dialogs; });
  W().mnu_archivo_imprimir_Click();
  EXPECT_EQ(dialogs, 0);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt, "No printer is installed, so the graph cannot be printed.");
  EXPECT_EQ(sink.messages[0].icon, platform::MsgIcon::Exclamation);
  sink.messages.clear();
  platform::SetPrinterSystem(pdf_.get());

  // Without a print dialog yet: one copy.
  SetPrintDialog(nullptr);
  W().mnu_archivo_imprimir_Click();
  EXPECT_EQ(PdfPageCount(pdf_->OutputFile("Plotter")), 1);
}

TEST_F(GraphWindow, PrintButtonTooltipNamesTheCurrentPrinter) {
  Open(1);
  EXPECT_EQ(W().Lblbot[2]->toolTip(), "Print the graph");
  EXPECT_EQ(W().Timer2->interval(), 500);
  ASSERT_TRUE(timers_->Fire(W().Timer2));
  EXPECT_EQ(W().Lblbot[2]->toolTip(), "Office");
  EXPECT_TRUE(W().Timer2->isActive());  // it keeps looking
  pdf_->SetCurrentPrinter("Plotter");
  W().Timer2_Timer();
  EXPECT_EQ(W().Lblbot[2]->toolTip(), "Plotter");
  platform::PdfPrinters none(pdfFolder_.path(), {});
  platform::SetPrinterSystem(&none);
  W().SetLanguage();
  W().Timer2_Timer();
  EXPECT_EQ(W().Lblbot[2]->toolTip(), "Print the graph");
  platform::SetPrinterSystem(pdf_.get());
}

// Answers the save dialog with one path.
class OneAnswerDialog : public platform::SaveFileDialog {
 public:
  explicit OneAnswerDialog(QString answer) : answer_(std::move(answer)) {
    old_ = platform::SetSaveFileDialog(this);
  }
  ~OneAnswerDialog() override { platform::SetSaveFileDialog(old_); }
  QString Ask(const platform::SaveFileRequest& r) override {
    requests.push_back(r);
    return std::exchange(answer_, QString());
  }
  std::vector<platform::SaveFileRequest> requests;

 private:
  QString answer_;
  platform::SaveFileDialog* old_;
};

TEST_F(GraphWindow, SavesThePictureAsBmpAndReportsEveryFailure) {
  Open(2);
  QTemporaryDir dir;
  UltimaCarpeta = dir.path();
  {
    OneAnswerDialog dialog(dir.filePath("slope"));
    W().mnu_archivo_saveas->trigger();
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].title, "Save graph picture as");
    EXPECT_EQ(dialog.requests[0].folder, dir.path());
    ASSERT_EQ(dialog.requests[0].filters.size(), 2);
    EXPECT_EQ(dialog.requests[0].filters[0].description, "BMP picture (*.bmp)");
    EXPECT_EQ(dialog.requests[0].filters[1].patterns, "*.*");
  }
  EXPECT_TRUE(sink.messages.empty());
  const QImage saved(dir.filePath("slope.bmp"), "BMP");
  EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == Picture());
  EXPECT_EQ(UltimaCarpeta, dir.path());

  // Where no file may be written: the write-protect message with the path.
  {
    OneAnswerDialog dialog("/sys/slope.bmp");
    W().mnu_archivo_saveas_Click();
  }
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt,
            "The file or its folder is write-protected. The picture was not saved:\r\n"
            "/sys/slope.bmp\r\n" +
                platform::AsSentence(platform::SystemWords(EACCES)));
  EXPECT_EQ(sink.messages[0].title, "TORV");
  EXPECT_EQ(sink.messages[0].icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(UltimaCarpeta, "/sys");

  // A folder that is not there.
  sink.messages.clear();
  {
    OneAnswerDialog dialog(dir.filePath("gone/slope.bmp"));
    W().mnu_archivo_saveas_Click();
  }
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(sink.messages[0].prompt.startsWith("The picture could not be saved:\r\n"));

  // A disk that fills up: the reason, and the old file as it was.
  sink.messages.clear();
  ASSERT_TRUE(platform::WriteWholeFile(dir.filePath("full.bmp"), "old"));
  platform::InjectWriteFailure(platform::WriteStep::Write, ENOSPC);
  {
    OneAnswerDialog dialog(dir.filePath("full.bmp"));
    W().mnu_archivo_saveas_Click();
  }
  platform::InjectWriteFailure(platform::WriteStep::Write, 0);
  ASSERT_EQ(sink.messages.size(), 2u);  // the question to replace it, then the failure
  EXPECT_EQ(sink.messages[1].prompt, "The picture could not be saved:\r\n" +
                                         dir.filePath("full.bmp") + "\r\nNo space left on device.");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp"), QStringList());

  // Declining to replace, then cancelling, leaves the old file alone.
  sink.messages.clear();
  QFile old(dir.filePath("old.bmp"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("keep me");
  old.close();
  sink.answers = {platform::MsgResult::No};
  {
    OneAnswerDialog dialog(dir.filePath("old"));
    W().mnu_archivo_saveas_Click();
    EXPECT_EQ(dialog.requests.size(), 2u);
  }
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].buttons, platform::MsgButtons::YesNo);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "keep me");
}

// A clipboard that loses pictures.
class LosingClipboard : public platform::ClipboardAccess {
 public:
  void Clear() override {}
  void SetImage(const QImage&) override {}
  QImage Image() override { return QImage(); }
  void SetText(const QString&) override {}
  QString Text() override { return QString(); }
};

TEST_F(GraphWindow, CopyConfirmsOnlyWhatTheClipboardReallyHolds) {
  Open(1);
  W().Lblbot_Click(3);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt, "The graph picture has been copied to the clipboard.");
  EXPECT_EQ(sink.messages[0].title, "Copy");
  EXPECT_EQ(sink.messages[0].icon, platform::MsgIcon::Information);

  LosingClipboard losing;
  platform::ClipboardAccess* old = platform::SetClipboardAccess(&losing);
  sink.messages.clear();
  W().mnu_edicion_copiar->trigger();
  platform::SetClipboardAccess(old);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt, "The picture could not be copied to the clipboard.");
  EXPECT_EQ(sink.messages[0].title, "Error");
  EXPECT_EQ(sink.messages[0].icon, platform::MsgIcon::Exclamation);
}

TEST_F(GraphWindow, ChangingTheTypeRedrawsAndTheTableSeesThePoints) {
  Open(1);
  const QImage deflection = Picture().copy();
  // The chooser opens on the current type; a cancelled choice changes nothing.
  modal.scripts.push_back([](QDialog& d) {
    auto& c = static_cast<FormEditGRAF&>(d);
    EXPECT_EQ(c.SelectedOption(), 0);
    c.Lblbot_Click(1);
  });
  W().Lblbot_Click(0);
  EXPECT_TRUE(Picture() == deflection);
  modal.scripts.push_back([](QDialog& d) {
    auto& c = static_cast<FormEditGRAF&>(d);
    c.SelectOption(3);
    c.Lblbot_Click(0);
  });
  W().mnu_archivo_editar->trigger();
  EXPECT_EQ(modal.shown, (std::vector<QString>{"FormEditGRAF", "FormEditGRAF"}));
  EXPECT_EQ(TipoGrafica, 4);
  EXPECT_FALSE(Picture() == deflection);
  EXPECT_DOUBLE_EQ(PuntosY[1], kW * kL / 2);  // shear at A

  double seen = 0;
  SetDataTableWindow([&] { seen = PuntosY[1]; });
  W().Lblbot_Click(1);
  EXPECT_DOUBLE_EQ(seen, kW * kL / 2);
  SetDataTableWindow(nullptr);
  W().mnu_ver_tabla_Click();  // no table window yet: nothing happens

  W().Lblbot_Click(4);
  EXPECT_FALSE(W().isVisible());
}

TEST_F(GraphWindow, ScreenshotsOfTheFourTypesAndOfAPrintedPage) {
  Vigas::SeleccionarUnidad(2, 8);   // deflection in mm
  Vigas::SeleccionarUnidad(3, 13);  // kN
  Vigas::SeleccionarUnidad(5, 25);  // kN·m
  const char* names[] = {"", "deflection", "slope", "moment", "shear"};
  for (int type = 1; type <= 4; ++type) {
    Open(type);
    const QString path = BuildFolder() + QString("/graph_window_%1.png").arg(names[type]);
    EXPECT_TRUE(W().grab().save(path));
    window_.reset();
  }
  // A landscape A4 page at 150 dpi, drawn as the printer draws it.
  Prepare(3);
  QImage page(1754, 1240, QImage::Format_RGB32);
  page.setDotsPerMeterX(5906);
  page.setDotsPerMeterY(5906);
  page.fill(Qt::white);
  {
    platform::PrinterTarget printer(&page);
    printer.SetFontName("Arial");
    printer.SetFontSize(10);
    DibujarGrafica(printer, true);
    printer.EndDoc();
  }
  EXPECT_TRUE(page.save(BuildFolder() + "/graph_printed_page.png"));
}

}  // namespace
