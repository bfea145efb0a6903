// The report viewer's pages, printing and PDF file: page breaks worked by
// hand, a real report printed and saved with every picture in it, and what
// the viewer refuses to open.
#include <sys/stat.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>

#include "../platform/PdfPages.h"
#include "ReportTestSupport.h"
#include "TableTestSupport.h"
#include "graphs/GraphHooks.h"
#include "output/ReportViewer.h"
#include "output/frmImprimir.h"
#include "platform/WholeFile.h"
#include "support/FullDisk.h"

using namespace report_test;

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;

// A frame 100 mm wide and 1000 twips high with lines of 100 twips.
PageFrame HandFrame() {
  PageFrame f;
  f.content = QRectF(0, 0, 100 * kTwipsPerMm, 1000);
  f.lineHeight = 100;
  return f;
}

std::vector<int> FirstLines(const std::vector<PageStart>& pages) {
  std::vector<int> lines;
  for (const PageStart& p : pages) lines.push_back(p.line);
  return lines;
}

ReportDocument Statement(const QString& markup) {
  ReportFile r;
  r.ENU = markup;
  return ReportDocument(r);
}

TEST(ReportPages, BreaksFallBetweenLinesAndNeverCutAPicture) {
  // Lines: a, b, c, a picture, d, then the empty line closing each of the
  // three sections (the two others are empty: two lines each).
  // 14 mm = 793.7 twips, with half a line below it 843.7: after a, b and c
  // (300) it does not fit, so it opens page 2 and d follows it (943.7); the
  // next empty line opens page 3.
  ReportDocument doc = Statement("a&LFb&LFc&LF#IMG('p.jpg'DXmm=20:DYmm=14:#IMG)&LFd");
  ASSERT_EQ(doc.LineCount(), 10);
  EXPECT_EQ(FirstLines(Paginate(doc, HandFrame())), (std::vector<int>{0, 3, 5}));

  // 10 mm (566.9 + 50) still fits under a, b and c: one page break, at the
  // line that passes 1000.
  doc = Statement("a&LFb&LFc&LF#IMG('p.jpg'DXmm=20:DYmm=10:#IMG)&LFd");
  EXPECT_EQ(FirstLines(Paginate(doc, HandFrame())), (std::vector<int>{0, 4}));

  // A picture taller than a page is drawn smaller, to fill one page alone.
  // One 900 x 90 mm is drawn 100 x 10 mm (616.9 with its half line) and opens
  // page 3; three empty lines follow it there (916.9), the fourth opens page 4.
  doc = Statement("a&LF#IMG('p.jpg'DXmm=20:DYmm=100:#IMG)&LF#IMG('q.jpg'DXmm=900:DYmm=90:#IMG)");
  EXPECT_EQ(FirstLines(Paginate(doc, HandFrame())), (std::vector<int>{0, 1, 2, 6}));

  // An empty report is one page.
  EXPECT_EQ(Paginate(Statement(""), HandFrame()).size(), 1u);
}

TEST(ReportPages, AHeadingGoesOnWithTheLineItHeads) {
  // Nine lines, then a heading that would end page 1: it opens page 2.
  QString markup;
  for (int i = 0; i < 9; ++i) markup += "x&LF";
  markup += "    Bending moment:&LF&SP=4:M = 1";
  EXPECT_EQ(FirstLines(Paginate(Statement(markup), HandFrame())), (std::vector<int>{0, 9}));
  // A heading that is the page's last line to fit with nothing after it stays.
  EXPECT_EQ(FirstLines(Paginate(Statement("x&LFHeading:"), HandFrame())), (std::vector<int>{0}));
}

// The letters a reader must tell apart in "w/(24E·I)", set in italic as the
// formulas set their symbols: each glyph brought to one size, so only its
// shape counts (a bare slanted stroke is I, l and / alike), differs from the
// others in a good part of its ink.
TEST(ReportPages, ItalicSymbolsKeepI_l_1AndSlashApart) {
  const PageFrame frame = A4Frame();
  auto shape = [&](const QString& c) {
    QImage page = A4Page(300);
    page.fill(Qt::white);
    platform::PrinterTarget paper(&page);
    ReportPictures none({});
    const ReportDocument doc = Statement("&+I&FS=40:" + c + "&-I");
    DrawPage(doc, Paginate(doc, frame), 0, frame, paper, none);
    QRect ink;
    for (int y = 0; y < page.height() / 4; ++y)
      for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return page.copy(ink).scaled(40, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  };
  const QStringList letters = {"I", "l", "1", "/"};
  std::vector<QImage> glyphs;
  for (const QString& c : letters) glyphs.push_back(shape(c));
  for (std::size_t a = 0; a < glyphs.size(); ++a)
    for (std::size_t b = a + 1; b < glyphs.size(); ++b) {
      int inked = 0, differ = 0;
      for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 40; ++x) {
          const bool inA = qGray(glyphs[a].pixel(x, y)) < 128;
          const bool inB = qGray(glyphs[b].pixel(x, y)) < 128;
          inked += inA || inB;
          differ += inA != inB;
        }
      EXPECT_GT(differ, inked / 4) << letters[a].toStdString() << " " << letters[b].toStdString();
    }
}

TEST(ReportPages, BoldAndItalicCarryOverToTheNextPage) {
  // Ten lines fill a page: page 2 starts in bold italic, page 3 in italic.
  QString markup = "&+B&+Istart";
  for (int i = 0; i < 9; ++i) markup += "&LFx";
  markup += "&LF&-Bplain";
  for (int i = 0; i < 9; ++i) markup += "&LFy";
  const std::vector<PageStart> pages = Paginate(Statement(markup), HandFrame());
  ASSERT_GE(pages.size(), 3u);
  EXPECT_FALSE(pages[0].bold || pages[0].italic);
  EXPECT_TRUE(pages[1].bold && pages[1].italic);
  EXPECT_FALSE(pages[2].bold);
  EXPECT_TRUE(pages[2].italic);
}

// A real report of case 100 with the program's language texts, its four
// graphs and a beam picture beside it, open in the viewer; PDF printers.
class ViewerPrintTest : public ReportCommandTest {
 protected:
  void SetUp() override {
    ReportCommandTest::SetUp();
    context.text = [](const QString& key) {
      static platform::LanguageTable ksl(QStringLiteral("KSL"));
      return ksl.GetL_win(key);
    };
    ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
    ASSERT_EQ(starts.size(), 1u);
    reportPath = starts[0].arguments[0];
    // The beam picture the report names, beside it.
    QImage beam(460, 217, QImage::Format_RGB32);
    beam.fill(Qt::white);
    QPainter(&beam).fillRect(20, 90, 420, 40, Qt::blue);
    ASSERT_TRUE(beam.save(QFileInfo(reportPath).absolutePath() + "/h100.jpg", "JPG", 95));
    viewer = std::make_unique<FormPlomview>();
    ASSERT_TRUE(viewer->OpenReport(reportPath));
    pdf = std::make_unique<platform::PdfPrinters>(temp_.path(), QStringList{"Office", "Plotter"},
                                                  150);
    oldPrinters = platform::SetPrinterSystem(pdf.get());
  }
  void TearDown() override {
    viewer.reset();
    platform::SetPrinterSystem(oldPrinters);
    ReportCommandTest::TearDown();
  }
  // Red and blue pixels over every page of a PDF file.
  void CountColours(const QString& path, int pages, int& red, int& blue, const QString& shot) {
    red = blue = 0;
    for (int k = 1; k <= pages; ++k) {
      const QImage page = PdfPageImage(path, k, 60);
      ASSERT_FALSE(page.isNull()) << "page " << k << " of " << path.toStdString();
      red += RedPixels(page);
      blue += PixelsWhere(page, StrongBlue);
      if (!shot.isEmpty() && k <= 2)
        PdfPageImage(path, k, 96)
            .save(qt_test::BuildFolder() + "/" + shot + QString::number(k) + ".png");
    }
  }

  QString reportPath;
  std::unique_ptr<FormPlomview> viewer;
  qt_test::ModalScripts modals;
  std::unique_ptr<platform::PdfPrinters> pdf;
  platform::PrinterSystem* oldPrinters = nullptr;
};

const QString kReportName = QString::fromUtf8("TORV report 100 – Simply supported – Uniform load");

TEST_F(ViewerPrintTest, PrintsTheWholeReportWithEveryPictureOnTheChosenPrinter) {
  const int pages = viewer->Pages()->PageCount();
  ASSERT_GE(pages, 3);
  EXPECT_EQ(viewer->mnu_archivo_imprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

  // Cancelled in the print dialog: nothing printed.
  modals.scripts.push_back([](QDialog& d) { static_cast<frmImprimir&>(d).Cancelar(); });
  viewer->mnu_archivo_imprimir->trigger();
  EXPECT_FALSE(QFileInfo::exists(pdf->OutputFile("Office")));

  // Two copies on the second printer: the whole report twice, in one job.
  modals.scripts.push_back([](QDialog& d) {
    auto& p = static_cast<frmImprimir&>(d);
    p.Combo1->setCurrentIndex(1);
    p.Text1->setText("2");
    p.Aceptar();
  });
  viewer->mnu_archivo_imprimir->trigger();
  const QString printed = pdf->OutputFile("Plotter");
  EXPECT_EQ(PdfPageCount(printed), 2 * pages);
  // The print job carries the report's case.
  EXPECT_EQ(PdfTitle(printed), kReportName);
  // Four graphs and the beam picture, each present once as a picture.
  EXPECT_EQ(PdfImageCount(printed), 5);
  int red = 0, blue = 0;
  CountColours(printed, pages, red, blue, QString());
  EXPECT_GT(red, 1000);  // the four curves
  EXPECT_GT(blue, 300);  // the beam
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(modals.shown, (std::vector<QString>{"frmImprimir", "frmImprimir"}));
}

TEST_F(ViewerPrintTest, SavesTheWholeReportAsPdfAndKeepsTheOldFileWhenItCannot) {
  EXPECT_EQ(viewer->mnu_archivo_pdf->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  const QString path = temp_.path() + "/saved/my report";
  QDir().mkpath(temp_.path() + "/saved");
  {
    output_test::OneAnswerDialog dialog(path);
    viewer->mnu_archivo_pdf->trigger();
    EXPECT_EQ(dialog.asked.fileName, kReportName + ".pdf");
  }
  const QString saved = path + ".pdf";
  EXPECT_EQ(PdfTitle(saved), kReportName);
  const int pages = viewer->Pages()->PageCount();
  EXPECT_EQ(PdfPageCount(saved), pages);
  EXPECT_EQ(PdfImageCount(saved), 5);
  int red = 0, blue = 0;
  CountColours(saved, pages, red, blue, "report_pdf_page");
  EXPECT_GT(red, 1000);
  EXPECT_GT(blue, 300);
  EXPECT_TRUE(messages.messages.empty());
  // Nothing of the work left beside it.
  EXPECT_EQ(QDir(temp_.path() + "/saved")
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{"my report.pdf"});

  // Saved again over it (after the replace question): replaced.
  ASSERT_TRUE(qt_test::WriteBytes(saved, "old"));
  {
    output_test::OneAnswerDialog dialog(saved);
    viewer->mnu_archivo_pdf_Click();
  }
  EXPECT_EQ(PdfPageCount(saved), pages);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].buttons, platform::MsgButtons::YesNo);
  messages.messages.clear();

  // A disk that fills up while it is written: the old file stays whole.
  const QByteArray before = ReadAll(saved);
  platform::InjectWriteFailure(platform::WriteStep::Write, ENOSPC, "*.pdf");
  {
    output_test::OneAnswerDialog dialog(saved);
    viewer->mnu_archivo_pdf_Click();
  }
  platform::InjectWriteFailure(platform::WriteStep::Write, 0);
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[1].prompt,
            "The report could not be saved as PDF:\r\n" + saved + "\r\nNo space left on device.");
  EXPECT_EQ(ReadAll(saved), before);
  messages.messages.clear();

  // A disk already full: the printer's own file is cut short, and the reason is the disk's.
  qt_test::FullDisk disk;
  if (disk.mounted && disk.Fill()) {
    output_test::OneAnswerDialog dialog(disk.Path("full.pdf"));
    viewer->mnu_archivo_pdf_Click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].prompt, "The report could not be saved as PDF:\r\n" +
                                               disk.Path("full.pdf") +
                                               "\r\nNo space left on device.");
    messages.messages.clear();
  }

  // Into a folder that is not there, or over a folder: the message, and
  // nothing written or replaced.
  const QString nowhere = temp_.path() + "/missing/report.pdf";
  const QString folder = temp_.path() + "/saved/folder.pdf";
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const QString& bad : {nowhere, folder}) {
    output_test::OneAnswerDialog dialog(bad);
    viewer->mnu_archivo_pdf_Click();
  }
  ASSERT_EQ(messages.messages.size(), 3u);  // the second asked about replacing
  EXPECT_EQ(messages.messages[0].prompt, "The report could not be saved as PDF:\r\n" + nowhere +
                                             "\r\nNo such file or directory.");
  EXPECT_EQ(messages.messages[0].buttons, platform::MsgButtons::Ok);
  EXPECT_EQ(messages.messages[2].prompt,
            "The report could not be saved as PDF:\r\n" + folder + "\r\nIs a directory.");
  EXPECT_FALSE(QFileInfo::exists(temp_.path() + "/missing"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(QDir(temp_.path() + "/saved")
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            (QStringList{"folder.pdf", "my report.pdf"}));
}

TEST_F(ViewerPrintTest, WithoutPrintersItSaysSoAndAsksNothing) {
  platform::PdfPrinters none(temp_.path(), {});
  platform::SetPrinterSystem(&none);
  viewer->mnu_archivo_imprimir_Click();
  platform::SetPrinterSystem(pdf.get());
  EXPECT_TRUE(modals.shown.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].prompt,
            "No printer is installed, so the report cannot be printed.");
}

TEST_F(ViewerPrintTest, MenuScreenshotAndEscCloses) {
  EXPECT_EQ(viewer->mnu_archivo->title(), "&File");
  EXPECT_EQ(viewer->mnu_archivo_cerrar->shortcut(), QKeySequence(Qt::Key_Escape));
  viewer->show();
  qt_test::ProcessEvents();
  viewer->Pages()->verticalScrollBar()->setValue(900);
  // The menu open over the report, as the user sees it.
  viewer->mnu_archivo->popup(viewer->mapToGlobal(QPoint(0, viewer->menuBar()->height())));
  qt_test::ProcessEvents();
  QImage shot = viewer->grab().toImage();
  {
    QPainter p(&shot);
    p.drawPixmap(viewer->mapFromGlobal(viewer->mnu_archivo->pos()), viewer->mnu_archivo->grab());
  }
  shot.save(qt_test::BuildFolder() + "/report_viewer_menu.png");
  viewer->mnu_archivo->close();
  viewer->mnu_archivo_cerrar->trigger();
  EXPECT_FALSE(viewer->isVisible());
}

TEST_F(ReportFilesTest, ViewerRefusesWhatIsNotAFileWithoutWaiting) {
  FormPlomview viewer;
  // A pipe nobody writes to: opening it for reading would wait for ever.
  const QString pipe = temp_.path() + "/pipe.rex";
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_FALSE(viewer.OpenReport(pipe));
  EXPECT_FALSE(viewer.OpenReport(temp_.path()));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].prompt,
            "This is not a report file but a folder, a pipe or a device:\r\n" + pipe);
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_TRUE(messages.messages[1].prompt.endsWith(temp_.path()));
  EXPECT_EQ(viewer.Pages()->PageCount(), 0);
}

}  // namespace
