// The report's files: formula files, the report file, the graph pictures and
// the hand-over to the viewer, with their failure routes.
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "ReportTestSupport.h"
#include "platform/Program.h"

using namespace report_test;

namespace {

TEST_F(ReportFilesTest, FormulaFilesBecomeReportText) {
  EXPECT_EQ(FormulaTextForReport("A\r\nB"), "A&LFB&LF");
  EXPECT_EQ(FormulaTextForReport("A&LFB&LF"), "A&LFB&LF");
  EXPECT_EQ(FormulaTextForReport(""), "&LF");

  platform::SetResourceFolder(temp_.path());
  EXPECT_EQ(FormulaFilePath(305), temp_.path() + "/htf/f305.htf");
  EXPECT_EQ(LoadFormulasHTFC(305), "");  // no file
  ASSERT_TRUE(qt_test::WriteBytes(temp_.path() + "/htf/f305.htf", "A\r\nB \x95 C"));
  EXPECT_EQ(LoadFormulasHTFC(305), QString::fromUtf8("A&LFB \u00B7 C&LF"));

  // The bullet reaches the report file as the middle dot, byte 183.
  const HandOverResult r = SaveFile_SHOWPlomview(LoadFormulasHTFC(305), "", "", "");
  ASSERT_EQ(r.outcome, HandOver::Started);
  const QByteArray bytes = ReadAll(r.path);
  EXPECT_TRUE(bytes.contains("#ENU(A&LFB \xB7 C&LF#ENU)"));
  EXPECT_FALSE(bytes.contains('\x95'));
}

TEST_F(ReportFilesTest, FormulaFilesWithLfLineEndsSplitLikeCrLfOnes) {
  EXPECT_EQ(FormulaTextForReport("A\nB"), "A&LFB&LF");
  EXPECT_EQ(FormulaTextForReport("A\nB\n"), "A&LFB&LF");
  EXPECT_EQ(FormulaTextForReport("A\r\nB\nC\r\n"), "A&LFB&LFC&LF");

  platform::SetResourceFolder(temp_.path());
  ASSERT_TRUE(qt_test::WriteBytes(temp_.path() + "/htf/f107.htf", "&+Iy&-I = 1\r\n\x95 2\r\n"));
  const QString crlf = LoadFormulasHTFC(107);
  ASSERT_TRUE(qt_test::WriteBytes(temp_.path() + "/htf/f107.htf", "&+Iy&-I = 1\n\x95 2\n"));
  EXPECT_EQ(LoadFormulasHTFC(107), crlf);
  EXPECT_EQ(crlf, QString::fromUtf8("&+Iy&-I = 1&LF\u00B7 2&LF"));
}

TEST_F(ReportFilesTest, EmptySectionsMakeTheSmallestReportFile) {
  Vigas::SepDecimal = ",";
  const HandOverResult r = SaveFile_SHOWPlomview("", "", "", "");
  ASSERT_EQ(r.outcome, HandOver::Started);
  const QByteArray expected =
      "#DEC(,#DEC)\r\n\r\n#ENU(#ENU)\r\n\r\n#SOL(#SOL)\r\n\r\n#RS1(#RS1)\r\n\r\n#RS2(#RS2)";
  EXPECT_EQ(expected.size(), 67);
  EXPECT_EQ(ReadAll(r.path), expected);
}

TEST_F(ReportFilesTest, ReportFileInTheWorkFolderAndTheViewerStartedOnIt) {
  // The work folder is made when missing, also after it was removed.
  for (int round = 0; round < 2; ++round) {
    QDir(ReportWorkFolder()).removeRecursively();
    const HandOverResult r = SaveFile_SHOWPlomview(QString::fromUtf8("E\u00B7I"), "S", "R", "R");
    ASSERT_EQ(r.outcome, HandOver::Started);
    const QFileInfo file(r.path);
    EXPECT_EQ(file.absolutePath(), temp_.path() + "/user temp/qntemp");
    EXPECT_TRUE(QRegularExpression("^restemp1\\d{5}\\.rex$").match(file.fileName()).hasMatch());
    EXPECT_TRUE(ReadAll(r.path).contains("#ENU(E\xB7I#ENU)"));
  }
  // The viewer beside the program, the path (with its blank) one argument.
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[0].program, platform::ProgramFolder() + "/plomview");
  ASSERT_EQ(starts[0].arguments.size(), 1);
  EXPECT_TRUE(starts[0].arguments[0].contains("/user temp/qntemp/restemp"));
  EXPECT_TRUE(QFileInfo(starts[0].arguments[0]).isAbsolute());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportFilesTest, UnwritableFolderStartsNoViewerAndSaysNothing) {
  SpoilWorkFolder();
  const HandOverResult r = SaveFile_SHOWPlomview("E", "S", "R", "R");
  EXPECT_EQ(r.outcome, HandOver::NotWritten);
  EXPECT_TRUE(starts.empty());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportFilesTest, MissingViewerIsPassedOverSilently) {
  platform::SetProgramStarter({});  // the real start: there is no viewer beside the tests
  ASSERT_FALSE(QFileInfo::exists(ViewerProgram()));
  const HandOverResult r = SaveFile_SHOWPlomview("E", "S", "R", "R");
  EXPECT_EQ(r.outcome, HandOver::NotStarted);
  EXPECT_TRUE(QFileInfo::exists(r.path));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportCommandTest, FourJpegPicturesAndAReportThatNamesThem) {
  double before[Vigas::kNumSlots];
  std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), before);

  ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(Vigas::Datos)));
  EXPECT_EQ(TipoGrafica, 4);  // the graph state is the shear graph's
  EXPECT_TRUE(messages.messages.empty());

  const QStringList files = WorkFiles();
  ASSERT_EQ(files.size(), 5) << files.join(' ').toStdString();  // no BMP left
  QStringList jpgs = files.filter(".jpg");
  ASSERT_EQ(jpgs.size(), 4);
  ASSERT_EQ(starts.size(), 1u);
  const QByteArray rex = ReadAll(starts[0].arguments[0]);
  for (const QString& j : jpgs) {
    QImageReader reader(ReportWorkFolder() + "/" + j);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(1080, 600));
    EXPECT_EQ(rex.count(("#IMG('" + j + "'DXmm=162:DYmm=90:#IMG)").toLatin1()), 2);  // RS1 and RS2
  }
  // The tables come from the graphs' points: the last row is the end of the beam.
  EXPECT_TRUE(rex.contains("&SP=2:4&SP=30:0&SP=60:"));
  EXPECT_TRUE(rex.contains("#DEC(.#DEC)\r\n\r\n#ENU(&+BSimply supported - Uniform load&-B&LF"));
  EXPECT_TRUE(rex.contains("&SP=5:#IMG('h100.jpg'DXmm=81:DYmm=38.25:#IMG)&LF"));
  EXPECT_TRUE(rex.contains("&SP=2:FlexRig:&SP=25:&+IE\xB7I = &-I 2&.00&E7 N\xB7m^2.&LF"));
  // The statement and results read the user's x, not the graphs' last sample.
  EXPECT_TRUE(rex.contains("&SP=2:Position:&SP=25:&+Ix = &-I 1 m&LF"));
}

TEST_F(ReportCommandTest, NothingWithoutABeamType) {
  Vigas::TipoViga = 0;
  EXPECT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::NotWritten);
  EXPECT_FALSE(QFileInfo::exists(ReportWorkFolder()));
  EXPECT_TRUE(starts.empty());
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportCommandTest, UnwritableTemporaryFolderStopsTheReportWithAMessage) {
  double before[Vigas::kNumSlots];
  std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), before);
  SpoilWorkFolder();
  EXPECT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::NotWritten);
  EXPECT_TRUE(starts.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].title, "Error");
  EXPECT_EQ(messages.messages[0].prompt,
            "The report was not made.\r\nNothing was written: the private work folder cannot be "
            "used:\r\n" +
                ReportWorkFolder() +
                "\r\nIt is not a folder.\r\nRemove or rename it (someone else may have put it "
                "there); the next report makes the folder again, private to you.");
  EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(Vigas::Datos)));
}

}  // namespace
