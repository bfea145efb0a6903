// The data the build writes beside the program, as the main window uses it:
// the beam picture of every case in the formula panel, the print-size
// picture for the report, and the manual that Help > Manual opens.
#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "CalcTestSupport.h"
#include "img/BeamDrawing.h"
#include "platform/ShellOpen.h"

using mainwin_test::CalcTest;

namespace {

using qt_test::BuiltProgramFolder;

class CasePicturesTest : public CalcTest {
 protected:
  // The window has read its texts from the source tree; from here on it
  // reads its pictures from the build's program folder.
  void SetUp() override {
    CalcTest::SetUp();
    platform::SetResourceFolder(BuiltProgramFolder());
  }
};

TEST_F(CasePicturesTest, EveryCaseShowsItsBeamPictureAtPanelSize) {
  for (int code : mainwin_test::AllCodes()) {
    const QString c = QString::number(code);
    ASSERT_TRUE(QFileInfo(BuiltProgramFolder() + "/img/X" + c + ".jpg").isFile()) << code;
    const QSize print = QImageReader(BuiltProgramFolder() + "/h" + c + ".jpg").size();
    EXPECT_EQ(print, QSize(beam_drawing::kPrintWidth, beam_drawing::kPrintHeight)) << code;

    ChooseCase(code);
    const int t = Tab();
    EXPECT_TRUE(F().HayFormulaX[t]) << code;
    platform::ImageControl* picture = F().ImgFORX[t];
    EXPECT_EQ(picture->Width(), 460) << code;
    EXPECT_EQ(picture->Height(), 217) << code;
    EXPECT_LE(picture->Width(), F().PicFOR[t]->Width()) << code;
    // Room left for the formula picture below it (both show when the two
    // heights and 10 pixels stay under the panel's height).
    EXPECT_GE(F().PicFOR[t]->Height() - picture->Height() - 11, 400) << code;
  }
}

// One case of each support type, calculated, at the window's first size.
// The formula pictures are built elsewhere: a grey stand-in of the largest
// size that still shows both pictures takes their place.
TEST_F(CasePicturesTest, ScreenshotsOfOneCasePerSupportType) {
  QTemporaryDir program;
  ASSERT_TRUE(program.isValid());
  QDir().mkpath(program.path() + "/img");
  platform::SetResourceFolder(program.path());
  const std::pair<int, std::map<QString, QString>> cases[] = {
      {104,
       {{"EI", "2e7"},
        {"L", "6"},
        {"X", "3"},
        {"W1", "1000"},
        {"W2", "500"},
        {"a", "2"},
        {"c", "1.5"}}},
      {203, {{"EI", "2e7"}, {"L", "4"}, {"X", "2"}, {"W0", "800"}, {"a", "1"}, {"b", "2"}}},
      {308, {{"EI", "2e7"}, {"L", "6"}, {"X", "2"}, {"M0", "1000"}, {"a", "2"}}},
      {407, {{"EI", "2e7"}, {"L", "5"}, {"X", "3"}, {"M0", "500"}, {"a", "2"}}},
      {503, {{"EI", "2e7"}, {"L", "5"}, {"X", "2"}, {"P", "1000"}, {"a", "2"}, {"#c", "1.5"}}},
  };
  EXPECT_EQ(F().size(), QSize(1040, 734));
  for (const auto& [code, inputs] : cases) {
    const QString c = QString::number(code);
    ASSERT_TRUE(QFile::copy(BuiltProgramFolder() + "/img/X" + c + ".jpg",
                            program.path() + "/img/X" + c + ".jpg"));
    const int room = F().PicFOR[code / 100]->Height() - beam_drawing::kHeight - 11;
    QImage standIn(460, room, QImage::Format_RGB32);
    standIn.fill(QColor(236, 236, 236));
    ASSERT_TRUE(standIn.save(program.path() + "/img/F" + c + ".gif", "PNG"));
    ChooseCase(code);
    FillInputs(inputs);
    Calculate();
    EXPECT_TRUE(GraphAndReportOn()) << code;
    EXPECT_TRUE(F().ImgFORX[Tab()]->isVisible()) << code;
    QCoreApplication::processEvents();
    F().grab().save(mainwin_test::BuildFolder() + "/main_window_case" + QString::number(code) +
                    ".png");
  }
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(CasePicturesTest, HelpManualOpensTheManualBesideTheProgram) {
  QStringList opened;
  platform::SetShellOpener([&](const QString& target) {
    opened << target;
    return true;
  });
  F().mnu_Ayuda_Manual->trigger();
  platform::SetShellOpener(nullptr);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], BuiltProgramFolder() + "/Manual_TORV.pdf");
  QFile manual(opened[0]);
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  EXPECT_EQ(manual.read(5), "%PDF-");
  EXPECT_TRUE(messages_.messages.empty());
}

}  // namespace
