// The report viewer: reading report files, the separator handed over, and a
// real report shown with its pictures.
#include <sys/stat.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <iterator>
#include <random>

#include "ReportTestSupport.h"
#include "output/ReportViewer.h"

using namespace report_test;

namespace {

TEST(ReportViewerFile, SectionsAndSeparatorAreReadBack) {
  ReportFile r;
  ASSERT_TRUE(
      ParseReportFile(ReportFileBytes(",", QString::fromUtf8("E\u00B7I&LF"), "S", "R1", "R2"), r));
  EXPECT_EQ(r.separator, ",");
  EXPECT_EQ(r.ENU, QString::fromUtf8("E\u00B7I&LF"));
  EXPECT_EQ(r.SOL, "S");
  EXPECT_EQ(r.RS1, "R1");
  EXPECT_EQ(r.RS2, "R2");
  EXPECT_FALSE(ParseReportFile("just some text", r));
  // The decimal point code takes the separator; an escaped "&" stays.
  EXPECT_EQ(WithSeparator("1&.5 &&. 2&E-3", ","), "1&,5 &&. 2&E-3");
  EXPECT_EQ(WithSeparator("1&.5", "."), "1&.5");
}

TEST_F(ReportCommandTest, ViewerShowsARealReportWithItsGraphs) {
  context.text = [](const QString& key) {
    static platform::LanguageTable ksl(QStringLiteral("KSL"));
    return ksl.GetL_win(key);
  };
  ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  ASSERT_EQ(starts.size(), 1u);

  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(starts[0].arguments[0]));
  ReportPagesView* pages = viewer.Pages();
  // Four graphs of 90 mm and two tables do not fit on fewer than three A4 pages.
  ASSERT_GE(pages->PageCount(), 3);
  int red = 0;
  for (int k = 0; k < pages->PageCount(); ++k) {
    const QImage page = pages->PageImage(k);
    EXPECT_EQ(page.size(), QSize(794, 1123));
    red += RedPixels(page);
  }
  EXPECT_GT(red, 2000);
  // Named by its case, not by its work file.
  EXPECT_EQ(viewer.windowTitle(),
            QString::fromUtf8("TORV report 100 – Simply supported – Uniform load"));
  pages->PageImage(0).save(qt_test::BuildFolder() + "/report_viewer_page.png");

  viewer.show();
  qt_test::ProcessEvents();
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_top.png");
  QScrollBar* bar = pages->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum() / 3);
  qt_test::ProcessEvents();
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_graphs.png");

  // End and Ctrl+End show the last page, Home and Ctrl+Home the first.
  const int lastTop = 12 + (pages->PageCount() - 1) * (pages->PageImage(0).height() + 12);
  for (const Qt::KeyboardModifiers ctrl : {Qt::NoModifier, Qt::ControlModifier}) {
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, ctrl), home(QEvent::KeyPress, Qt::Key_Home, ctrl);
    QApplication::sendEvent(pages, &end);
    EXPECT_LE(bar->value(), lastTop);
    EXPECT_GT(bar->value() + pages->viewport()->height(), lastTop);
    QApplication::sendEvent(pages, &home);
    EXPECT_EQ(bar->value(), 0);
  }

  // Page Down and Page Up turn to the top of the next page and back; from
  // part way down a page, Page Up first returns to its top. The keys reach
  // the pages as soon as the window is open.
  viewer.activateWindow();
  QApplication::setActiveWindow(&viewer);
  qt_test::ProcessEvents();
  if (viewer.isActiveWindow()) {
    EXPECT_EQ(QApplication::focusWidget(), pages);
  }
  const int pitch = pages->PageImage(0).height() + 12;
  auto press = [&](Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QWidget* focus = QApplication::focusWidget();
    QApplication::sendEvent(focus ? focus : pages, &e);
    return bar->value();
  };
  EXPECT_EQ(press(Qt::Key_PageDown), pitch);
  EXPECT_EQ(press(Qt::Key_PageDown), 2 * pitch);
  bar->setValue(pitch + 300);
  EXPECT_EQ(press(Qt::Key_PageUp), pitch);
  EXPECT_EQ(press(Qt::Key_PageUp), 0);
  EXPECT_EQ(press(Qt::Key_PageUp), 0);
  bar->setValue(lastTop - 12);
  EXPECT_EQ(press(Qt::Key_PageDown), bar->maximum());  // the end of the last page
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportFilesTest, ViewerSaysWhyItShowsNothing) {
  FormPlomview viewer;
  EXPECT_FALSE(viewer.OpenReport(temp_.path() + "/missing.rex"));
  ASSERT_TRUE(qt_test::WriteBytes(temp_.path() + "/other.rex", "not a report"));
  EXPECT_FALSE(viewer.OpenReport(temp_.path() + "/other.rex"));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_TRUE(messages.messages[0].prompt.startsWith("The report file cannot be read:"));
  EXPECT_TRUE(messages.messages[0].prompt.endsWith("missing.rex"));
  EXPECT_TRUE(messages.messages[1].prompt.startsWith("This file is not a TORV report:"));
  EXPECT_EQ(viewer.Pages()->PageCount(), 0);
  EXPECT_FALSE(viewer.mnu_archivo_imprimir->isEnabled());
  EXPECT_FALSE(viewer.mnu_archivo_pdf->isEnabled());
}

// A pipe named as a picture would block the viewer in opening it, and one
// word of 20 MB would keep it drawing for minutes: the pipe shows as a
// missing picture, the word is cut at the paper's edge. A hang is ended by
// the test's time limit.
TEST_F(ReportFilesTest, ViewerShowsAPipeAsAMissingPictureAndCutsAHugeWord) {
  ASSERT_EQ(mkfifo(QFile::encodeName(temp_.path() + "/pipe.jpg").constData(), 0600), 0);
  const QString path = temp_.path() + "/restemp100001.rex";
  ASSERT_TRUE(qt_test::WriteBytes(
      path, "#ENU(#IMG('pipe.jpg'DXmm=40:DYmm=30:#IMG)&LF" + QByteArray(20 << 20, 'W') + "#ENU)"));
  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(path));
  const QImage page = viewer.Pages()->PageImage(0);
  page.save(qt_test::BuildFolder() + "/report_viewer_pipe_word.png");
  // The grey frame of a missing picture (151 pixels wide, 10 mm in); under
  // it the word runs to the paper's edge.
  EXPECT_GT(PixelsWhere(page.copy(36, 36, 155, 4),
                        [](const QColor& c) { return c == QColor(160, 160, 160); }),
            140);
  EXPECT_GT(PixelsWhere(page.copy(page.width() - 20, 155, 20, 30),
                        [](const QColor& c) { return c.value() < 128; }),
            20);
  EXPECT_TRUE(messages.messages.empty());
}

// Without its language file the viewer says which file is missing, once,
// and shows the report all the same, with empty menus.
TEST_F(ReportFilesTest, ViewerWithoutItsLanguageFileSaysSoAndShowsTheReport) {
  const QString program = temp_.path() + "/program";
  ASSERT_TRUE(QDir().mkpath(program + "/lang"));
  platform::SetResourceFolder(program);
  const QString path = temp_.path() + "/restemp100002.rex";
  ASSERT_TRUE(qt_test::WriteBytes(path, ReportFileBytes(".", "&+BStatement&-B&LF", "", "", "")));
  const auto viewer = StartPlomview({"plomview", path});
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].prompt,
            "TORV report viewer cannot use some of its files in the folder\r\n" + program +
                "\r\n\r\nlang/ENG_WIN_PLV.lmo is missing.\r\n\r\nTORV report viewer runs "
                "without them: where their texts belong, it shows nothing.\r\n\r\nPlease "
                "install the program again.");
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->Pages()->PageCount(), 1);
  EXPECT_EQ(viewer->mnu_archivo->title(), "");
}

// Report files as a damaged disk or another program might leave them: the
// viewer must read and draw each without crashing, hanging or growing a page
// it cannot allocate.
QByteArray SampleReport() {
  return ReportFileBytes(".",
                         "&+BTitle&-B&LF&SP=4:EI = 2&.5&E+7&LF#UDL(Underlined)&LF#SEG(------)&LF"
                         "#IMG('fig.bmp' DXmm=40:DYmm=30:)&LF&+Ibeta&-I &SUB(1) &SUP(2)",
                         "S&LF&SP=10:x = 1&.0", "#IMG('graph1.bmp' DXmm=90:DYmm=90:)&LF", "R2");
}

void ExpectDrawable(const QByteArray& bytes) {
  ReportFile r;
  if (!ParseReportFile(bytes, r)) return;
  const ReportDocument document(r);
  ReportPictures pictures({});
  platform::PictureTarget paper(794, 1123);
  const PageFrame frame = FrameOf(paper);
  const std::vector<PageStart> pages = Paginate(document, frame);
  ASSERT_FALSE(pages.empty());
  // Never more pages than lines, and the last page drawn like the first.
  EXPECT_LE(pages.size(), static_cast<size_t>(document.LineCount()));
  DrawPage(document, pages, 0, frame, paper, pictures);
  DrawPage(document, pages, static_cast<int>(pages.size()) - 1, frame, paper, pictures);
}

TEST(ReportViewerFile, DamagedFilesAreDrawnWithoutHarm) {
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  const QByteArray sample = SampleReport();
  // Every truncation of a real-looking report.
  for (int n = 0; n <= sample.size(); ++n) ExpectDrawable(sample.left(n));
  // Odd codes by hand.
  for (const char* s : {"#ENU(",
                        "#ENU(&SP=",
                        "#ENU(&SP=12",
                        "#ENU(&SP=:x",
                        "#ENU(&SP=-5:x",
                        "#ENU(#IMG(",
                        "#ENU(#IMG('",
                        "#ENU(#IMG('a DXmm=",
                        "#ENU(#UDL(",
                        "#ENU(#SEG(",
                        "#ENU(&",
                        "#ENU(&+",
                        "#ENU(&SUB(",
                        "#ENU(&SUP(&SUB(",
                        "#ENU(#DEC(,#ENU(",
                        "#ENU(#IMG('a' DXmm=inf:DYmm=inf:)",
                        "#ENU(#IMG('a' DXmm=1e300:DYmm=1e300:)",
                        "#ENU(#IMG('a' DXmm=nan:DYmm=-1e300:)",
                        "#ENU(#IMG('/etc/passwd' DXmm=5:DYmm=5:)",
                        "#ENU(&SP=999999999999:x",
                        "#SOL)#SOL(",
                        "#RS1(#ENU)"})
    ExpectDrawable(QByteArray(s));
  // Many columns, pictures and long lines: wide but bounded.
  QByteArray wide = "#ENU(";
  for (int i = 0; i < 400; ++i) wide += "&SP=500:x#IMG('a' DXmm=500:DYmm=1:)";
  ExpectDrawable(wide);
  wide = "#ENU(";
  for (int i = 0; i < 400; ++i) wide += "#IMG('a' DXmm=500:DYmm=1:)";
  ExpectDrawable(wide);
  ExpectDrawable("#ENU(" + QByteArray(200000, 'W'));
  // A long line of codes (how fast: bench_output).
  ExpectDrawable("#ENU(" + QByteArray("&SP=1:").repeated(50000));
  // Random bytes and random splices of report codes.
  std::mt19937 rng(12345);
  const char* pieces[] = {
      "#ENU(", "#ENU)", "#SOL(", "#RS1(", "#DEC(", ",",     "&SP=",  ":", "#IMG(", "#IMG)",
      "#UDL(", "#UDL)", "#SEG(", "#SEG)", "'",     "DXmm=", "DYmm=", "&", "&LF",   "&+B",
      "&-I",   "&.",    "&&",    "&SUB(", "&SUP(", ")",     "\r\n",  "9", "x"};
  for (int round = 0; round < 400; ++round) {
    QByteArray bytes = round % 2 ? QByteArray("#ENU(") : QByteArray();
    const int len = std::uniform_int_distribution<int>(0, 200)(rng);
    for (int i = 0; i < len; ++i) {
      if (round % 2)
        bytes += pieces[std::uniform_int_distribution<int>(0, std::size(pieces) - 1)(rng)];
      else
        bytes += char(std::uniform_int_distribution<int>(0, 255)(rng));
    }
    if (round % 4 == 0) bytes.prepend("#RS1(");
    ExpectDrawable(bytes);
  }
}

}  // namespace
