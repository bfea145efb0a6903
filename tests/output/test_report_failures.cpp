// How a report fails: a work folder that is not the user's private folder, a
// picture or report file that cannot be written and a missing viewer each
// stop it with a message and leave no files behind. Old reports go at
// start-up.
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "ReportTestSupport.h"
#include "platform/Program.h"
#include "platform/WholeFile.h"

using namespace report_test;

namespace {

mode_t ModeOf(const QString& path) {
  struct stat st;
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QStringList EverythingIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
}

class ReportFailureTest : public ReportCommandTest {
 protected:
  void TearDown() override {
    platform::InjectWriteFailure(platform::WriteStep::Create, 0);
    ReportCommandTest::TearDown();
  }
  // The report stopped with one message, which begins and ends so.
  void ExpectStopped(HandOver outcome, const QString& begins, const QString& ends) {
    EXPECT_EQ(CrearINFORME_HTFC_NEU(context), outcome);
    EXPECT_TRUE(starts.empty() || outcome == HandOver::NotStarted);
    ASSERT_EQ(messages.messages.size(), 1u);
    const platform::Message& m = messages.messages[0];
    EXPECT_TRUE(m.prompt.startsWith(begins)) << m.prompt.toStdString();
    EXPECT_TRUE(m.prompt.contains(ends)) << m.prompt.toStdString();
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
    messages.messages.clear();
  }
  const QString refused_ =
      "The report was not made.\r\nNothing was written: the private work folder cannot be "
      "used:\r\n";
};

TEST_F(ReportFailureTest, AWorkFolderNotPrivateToTheUserIsRefusedAndNothingWritten) {
  QTemporaryDir outside;
  const QString work = ReportWorkFolder();

  // A link planted where the work folder goes.
  ASSERT_TRUE(QFile::link(outside.path(), work));
  ExpectStopped(HandOver::NotWritten, refused_ + work + "\r\n",
                "It is a symbolic link, not a folder of its own.");
  EXPECT_TRUE(EverythingIn(outside.path()).isEmpty());
  ASSERT_TRUE(QFile::remove(work));

  // A work folder open to everybody.
  ASSERT_TRUE(QDir().mkdir(work));
  ASSERT_EQ(::chmod(QFile::encodeName(work).constData(), 0777), 0);
  ExpectStopped(HandOver::NotWritten, refused_ + work + "\r\n",
                "permissions are 0777; they must be 0700 (rwx------).");
  EXPECT_TRUE(EverythingIn(work).isEmpty());
  EXPECT_EQ(ModeOf(work), 0777u);

  // Another user's work folder.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chmod(QFile::encodeName(work).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(work).constData(), 4242, 4242), 0);
    ExpectStopped(HandOver::NotWritten, refused_ + work + "\r\n", "It belongs to another user.");
    EXPECT_TRUE(EverythingIn(work).isEmpty());
  }
  ASSERT_TRUE(QDir(work).removeRecursively());

  // The private folder itself a link.
  const QString temp = platform::CarpetaTemp();
  ASSERT_TRUE(QDir(temp).removeRecursively());
  ASSERT_TRUE(QFile::link(outside.path(), temp));
  ExpectStopped(HandOver::NotWritten, refused_ + temp + "\r\n",
                "It is a symbolic link, not a folder of its own.");
  EXPECT_TRUE(EverythingIn(outside.path()).isEmpty());
  ASSERT_TRUE(QFile::remove(temp));

  // Made afresh, both folders are private and the report goes through.
  EXPECT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  EXPECT_EQ(ModeOf(temp), 0700u);
  EXPECT_EQ(ModeOf(work), 0700u);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReportFailureTest, AFolderAnotherUserMadeInTheSharedTempFolderBlocksNothing) {
  // No runtime folder: what another user may have made of the old name in
  // the shared temporary folder is passed by, and nothing is written there.
  QTemporaryDir shared, cache;
  const QString planted = shared.filePath("torv-" + QString::number(::geteuid()));
  ASSERT_TRUE(QDir().mkdir(planted));
  ASSERT_EQ(::chmod(QFile::encodeName(planted).constData(), 0777), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), 4242, 4242), 0);
  }
  qt_test::EnvironmentValue runtime("XDG_RUNTIME_DIR", QByteArray());
  qt_test::EnvironmentValue tmp("TMPDIR", shared.path().toLocal8Bit());
  qt_test::EnvironmentValue cacheHome("XDG_CACHE_HOME", cache.path().toLocal8Bit());
  platform::SetCarpetaTemp(platform::DefaultCarpetaTemp());

  EXPECT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_TRUE(starts[0].arguments.value(0).startsWith(cache.filePath("torv/qntemp/restemp")));
  EXPECT_EQ(ModeOf(cache.filePath("torv")), 0700u);
  EXPECT_EQ(EverythingIn(shared.path()), QStringList{QFileInfo(planted).fileName()});
  EXPECT_EQ(EverythingIn(planted), QStringList());
}

TEST_F(ReportFailureTest, AMissingViewerIsToldAndLeavesNoFiles) {
  platform::SetProgramStarter({});  // the real start: there is no viewer beside the tests
  ASSERT_FALSE(QFileInfo::exists(ViewerProgram()));
  ExpectStopped(HandOver::NotStarted,
                "The report was not shown: the report viewer cannot be started:\r\n",
                ViewerProgram());
  EXPECT_EQ(WorkFiles(), QStringList());
}

TEST_F(ReportFailureTest, AReportFileThatCannotBeWrittenTakesItsPicturesWithIt) {
  platform::InjectWriteFailure(platform::WriteStep::Write, ENOSPC, "restemp*.rex");
  ExpectStopped(
      HandOver::NotWritten,
      "The report was not made: its file cannot be written:\r\n" + ReportWorkFolder() + "/restemp",
      ".rex\r\n" + QString::fromLocal8Bit(std::strerror(ENOSPC)) + ".");
  EXPECT_EQ(EverythingIn(ReportWorkFolder()), QStringList());

  // A picture that fails half way: the ones made before it go too.
  for (const char* failing : {"y*.bmp", "m*.jpg", "v*.jpg"}) {
    platform::InjectWriteFailure(platform::WriteStep::Rename, EIO, failing);
    ExpectStopped(HandOver::NotWritten,
                  "The report was not made: its graph pictures cannot be written to the folder\r\n",
                  ReportWorkFolder() + "\r\n" + QString::fromLocal8Bit(std::strerror(EIO)) + ".");
    EXPECT_EQ(EverythingIn(ReportWorkFolder()), QStringList()) << failing;
  }
  platform::InjectWriteFailure(platform::WriteStep::Create, 0);
  EXPECT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
}

TEST_F(ReportFailureTest, ReportsADayOldAreRemovedAtStartUp) {
  const QDateTime now = QDateTime::currentDateTime();
  ASSERT_TRUE(PrepareReportWorkFolder().ok());
  const auto make = [&](const QString& name, int ageHours) {
    const QString path = ReportWorkFolder() + "/" + name;
    ASSERT_TRUE(qt_test::WriteBytes(path, "x"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(now.addSecs(-3600 * ageHours), QFileDevice::FileModificationTime));
  };
  for (const char* name : {"restemp123456.rex", "y2026359731234512345.jpg", "t20263597312345.bmp",
                           ".restemp111111.rex.aB3dE6gH.tmp", ".v2026359.jpg.Zz09Zz09.tmp"})
    make(name, 25);
  for (const char* name : {"restemp654321.rex", "m2026359.jpg"}) make(name, 23);
  for (const char* name : {"notes.txt", "restemp1.rex", "x2026.jpg"}) make(name, 48);
  // Only files go, and a link goes nowhere.
  QTemporaryDir outside;
  const QString precious = outside.filePath("precious.rex");
  ASSERT_TRUE(qt_test::WriteBytes(precious, "keep"));
  ASSERT_TRUE(QFile::link(precious, ReportWorkFolder() + "/restemp111112.rex"));
  ASSERT_TRUE(QDir(ReportWorkFolder()).mkdir("restemp222223.rex"));

  EXPECT_EQ(RemoveOldReportFiles(now), 5);
  EXPECT_EQ(QDir(ReportWorkFolder())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name),
            QStringList({"m2026359.jpg", "notes.txt", "restemp1.rex", "restemp111112.rex",
                         "restemp222223.rex", "restemp654321.rex", "x2026.jpg"}));
  EXPECT_EQ(qt_test::ReadBytes(precious), "keep");

  // A work folder that fails its check is not touched.
  make("restemp222222.rex", 25);
  ASSERT_EQ(::chmod(QFile::encodeName(ReportWorkFolder()).constData(), 0755), 0);
  EXPECT_EQ(RemoveOldReportFiles(now), 0);
  EXPECT_TRUE(QFileInfo::exists(ReportWorkFolder() + "/restemp222222.rex"));
}

}  // namespace
