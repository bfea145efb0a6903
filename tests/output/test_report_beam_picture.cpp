// The report's beam picture h<code>.jpg: the viewer looks beside the report
// first, then beside the program, where the build draws one for every case.
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>

#include "ReportTestSupport.h"
#include "output/ReportViewer.h"

using namespace report_test;

namespace {

using qt_test::BuiltProgramFolder;

int PixelsNear(const QImage& page, QColor colour, int tolerance = 60) {
  int n = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          tolerance)
        ++n;
    }
  return n;
}

void WriteSolidJpeg(const QString& path, QColor colour) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage picture(400, 190, QImage::Format_RGB32);
  picture.fill(colour);
  ASSERT_TRUE(picture.save(path, "JPG"));
}

TEST_F(ReportFilesTest, BeamPictureComesFromTheReportFolderThenTheProgramFolder) {
  const QString program = temp_.path() + "/program";
  const QString reports = temp_.path() + "/reports";
  QDir().mkpath(reports);
  platform::SetResourceFolder(program);
  const QString rex = reports + "/restemp123456.rex";
  ASSERT_TRUE(qt_test::WriteBytes(
      rex, ReportFileBytes(".", "&SP=5:#IMG('h305.jpg'DXmm=81:DYmm=38.25:#IMG)&LF", "", "", "")));
  const QColor red(220, 20, 20), blue(20, 20, 220);
  // An 81 x 38.25 mm picture at the viewer's 96 dpi: about 306 x 145 pixels.
  const int area = 250 * 120;

  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(rex));
  EXPECT_LT(PixelsNear(viewer.Pages()->PageImage(0), red) +
                PixelsNear(viewer.Pages()->PageImage(0), blue),
            100);

  WriteSolidJpeg(program + "/h305.jpg", red);
  ASSERT_TRUE(viewer.OpenReport(rex));
  EXPECT_GT(PixelsNear(viewer.Pages()->PageImage(0), red), area);

  WriteSolidJpeg(reports + "/h305.jpg", blue);
  ASSERT_TRUE(viewer.OpenReport(rex));
  EXPECT_GT(PixelsNear(viewer.Pages()->PageImage(0), blue), area);
  EXPECT_LT(PixelsNear(viewer.Pages()->PageImage(0), red), 100);
  EXPECT_TRUE(messages.messages.empty());
}

// A real report of case 100 from the program folder the build made: the beam
// and its load (drawn in blue) stand where the statement shows the beam.
TEST_F(ReportCommandTest, ViewerShowsTheBeamPictureTheBuildDrew) {
  ASSERT_TRUE(QFileInfo::exists(BuiltProgramFolder() + "/h100.jpg"));
  static platform::LanguageTable ksl(QStringLiteral("KSL"));
  ksl.LoadIdioma(QStringLiteral("KSL"));  // the shipped texts, from the source tree
  context.text = [](const QString& key) { return ksl.GetL_win(key); };
  platform::SetResourceFolder(BuiltProgramFolder());
  ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  ASSERT_EQ(starts.size(), 1u);

  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(starts[0].arguments[0]));
  // The statement, above the first graph.
  const QImage top =
      viewer.Pages()->PageImage(0).copy(0, 0, viewer.Pages()->PageImage(0).width(), 500);
  EXPECT_GT(PixelsNear(top, QColor(205, 222, 246), 20), 3000);  // the load's fill
  viewer.Pages()
      ->PageImage(0)
      .copy(0, 0, viewer.Pages()->PageImage(0).width(), 900)
      .save(qt_test::BuildFolder() + "/report_beam_picture.png");
  viewer.show();
  qt_test::ProcessEvents();
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_beam.png");
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
