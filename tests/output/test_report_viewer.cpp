// The report viewer: reading report files, the separator handed over, and a
// real report shown with its pictures.
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>

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

// Reddish pixels: only the graphs' curves are drawn in red (thinned and
// blended with white where the pictures are scaled down).
int RedPixels(const QImage& page) {
  int n = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) ++n;
    }
  return n;
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
  const QImage& page = viewer.Page();
  EXPECT_GE(page.width(), 700);
  EXPECT_GT(page.height(), 2000);  // four graphs of 90 mm and two tables
  EXPECT_GT(RedPixels(page), 2000);
  EXPECT_TRUE(viewer.windowTitle().endsWith(QFileInfo(starts[0].arguments[0]).fileName()));
  page.save(qt_test::BuildFolder() + "/report_viewer_page.png");

  viewer.show();
  qt_test::RunEvents(50);
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_top.png");
  QScrollBar* bar = viewer.Scroller()->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum() / 3);
  qt_test::RunEvents(50);
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_graphs.png");
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
  EXPECT_TRUE(viewer.Page().isNull());
}

}  // namespace
