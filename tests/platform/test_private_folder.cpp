// The user's private work folder: each user has a folder of their own, and a
// folder that is a link, another user's or open to others is refused.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/LanguageTable.h"
#include "platform/TempFolder.h"
#include "support/QtTestSupport.h"

using namespace platform;

namespace {

mode_t ModeOf(const QString& path) {
  struct stat st;
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool SetMode(const QString& path, mode_t mode) {
  return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// The value of an environment variable for the life of the object.
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~EnvironmentValue() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

class PrivateFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    SetResourceFolder(qt_test::SourceRoot());
  }
  void TearDown() override { SetResourceFolder(QString()); }
  QString Path(const QString& name) const { return temp_.filePath(name); }

  const uid_t me_ = ::geteuid();
  const uid_t other_ = ::geteuid() + 1;
  QTemporaryDir temp_;  // itself 0700 and the user's: a runtime folder
};

TEST_F(PrivateFolderTest, EachUserHasAFolderOfTheirOwn) {
  // Without a runtime folder: one per user in the temporary folder.
  EXPECT_EQ(PrivateFolderFor(1000, "", "/tmp/"), "/tmp/torv-1000");
  EXPECT_NE(PrivateFolderFor(1000, "", "/tmp"), PrivateFolderFor(1001, "", "/tmp"));

  // The runtime folder serves only the user it belongs to, and only while
  // it is private.
  const QString runtime = temp_.path();
  EXPECT_EQ(PrivateFolderFor(me_, runtime + "/", "/tmp"), runtime + "/torv");
  EXPECT_EQ(PrivateFolderFor(other_, runtime, "/tmp"), "/tmp/torv-" + QString::number(other_));
  ASSERT_TRUE(SetMode(runtime, 0755));
  EXPECT_EQ(PrivateFolderFor(me_, runtime, "/tmp"), "/tmp/torv-" + QString::number(me_));
  ASSERT_TRUE(SetMode(runtime, 0700));
  ASSERT_TRUE(QFile::link(runtime, Path("runtime-link")));
  EXPECT_EQ(PrivateFolderFor(me_, Path("runtime-link"), "/tmp"),
            "/tmp/torv-" + QString::number(me_));
  EXPECT_EQ(PrivateFolderFor(me_, "run/user", "/tmp"), "/tmp/torv-" + QString::number(me_));

  // The program's own choice follows the environment.
  {
    EnvironmentValue xdg("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    EXPECT_EQ(DefaultCarpetaTemp(), runtime + "/torv");
    SetCarpetaTemp(QString());
    EXPECT_EQ(CarpetaTemp(), runtime + "/torv");
    // Made on first use: private, and refused to anybody else.
    const FolderCheck made = PrepareCarpetaTemp();
    EXPECT_TRUE(made.ok()) << PrivateFolderMessage(made).toStdString();
    EXPECT_EQ(ModeOf(runtime + "/torv"), 0700u);
    EXPECT_EQ(CheckPrivateFolder(runtime + "/torv", other_).fault, FolderFault::ForeignOwner);
  }
  {
    EnvironmentValue xdg("XDG_RUNTIME_DIR", QByteArray());
    EXPECT_EQ(DefaultCarpetaTemp(), QDir::tempPath() + "/torv-" + QString::number(me_));
  }
  SetCarpetaTemp(Path("mine/"));
  EXPECT_EQ(CarpetaTemp(), Path("mine"));
  SetCarpetaTemp(QString());
}

TEST_F(PrivateFolderTest, OnlyARealFolderOfTheUsersOpenToNobodyElseIsAccepted) {
  const QString folder = Path("work");
  const FolderCheck made = MakePrivateFolder(folder);
  EXPECT_TRUE(made.ok());
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_EQ(PrivateFolderMessage(made), "");
  EXPECT_TRUE(MakePrivateFolder(folder).ok());  // there already: still fine

  // A link to a perfectly good folder is still a link.
  ASSERT_TRUE(QFile::link(folder, Path("link")));
  EXPECT_EQ(CheckPrivateFolder(Path("link")).fault, FolderFault::SymbolicLink);
  EXPECT_EQ(MakePrivateFolder(Path("link")).fault, FolderFault::SymbolicLink);
  ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
  EXPECT_EQ(MakePrivateFolder(Path("dangling")).fault, FolderFault::SymbolicLink);
  EXPECT_FALSE(QFileInfo::exists(Path("nowhere")));

  ASSERT_TRUE(qt_test::WriteBytes(Path("file"), "x"));
  EXPECT_EQ(MakePrivateFolder(Path("file")).fault, FolderFault::NotAFolder);

  // Opened to others: refused, and left as found.
  for (mode_t mode : {0777, 0755, 0770, 0701, 01700, 0500}) {
    ASSERT_TRUE(SetMode(folder, mode));
    const FolderCheck c = MakePrivateFolder(folder);
    EXPECT_EQ(c.fault, FolderFault::OpenToOthers) << std::oct << mode;
    EXPECT_EQ(c.reason, QString("0%1").arg(mode, 3, 8, QChar('0')));
    EXPECT_EQ(ModeOf(folder), mode);
  }
  ASSERT_TRUE(SetMode(folder, 0777));
  EXPECT_EQ(PrivateFolderMessage(CheckPrivateFolder(folder)),
            "Nothing was written: the private work folder cannot be used:\r\n" + folder +
                "\r\nOther users may use it: its permissions are 0777; they must be 0700 "
                "(rwx------).");
  ASSERT_TRUE(SetMode(folder, 0700));

  // Another user's folder, faked by the owner asked for, and a real one where
  // the administrator can give it away.
  const FolderCheck foreign = CheckPrivateFolder(folder, other_);
  EXPECT_EQ(foreign.fault, FolderFault::ForeignOwner);
  EXPECT_TRUE(PrivateFolderMessage(foreign).endsWith(folder + "\r\nIt belongs to another user."));
  if (me_ == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
    EXPECT_EQ(MakePrivateFolder(folder).fault, FolderFault::ForeignOwner);
  }

  const FolderCheck missing = MakePrivateFolder(Path("no/such"));
  EXPECT_EQ(missing.fault, FolderFault::Missing);
  EXPECT_TRUE(PrivateFolderMessage(missing).endsWith(
      "\r\nIt does not exist and cannot be made: No such file or directory"));
  EXPECT_EQ(MakePrivateFolder("").fault, FolderFault::Missing);
  EXPECT_EQ(PrivateFolderMessage(CheckPrivateFolder(Path("link"))),
            "Nothing was written: the private work folder cannot be used:\r\n" + Path("link") +
                "\r\nIt is a symbolic link, not a folder of its own.");
}

TEST_F(PrivateFolderTest, OldFilesOfTheGivenNamesAreRemoved) {
  const QDateTime now = QDateTime::currentDateTime();
  const QString folder = Path("work");
  ASSERT_TRUE(MakePrivateFolder(folder).ok());
  QTemporaryDir outside;
  const QString precious = outside.filePath("precious.rex");
  ASSERT_TRUE(qt_test::WriteBytes(precious, "keep"));
  const auto make = [&](const QString& name, int ageHours) {
    const QString path = folder + "/" + name;
    ASSERT_TRUE(qt_test::WriteBytes(path, "x"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(now.addSecs(-3600 * ageHours), QFileDevice::FileModificationTime));
  };
  make("restemp123456.rex", 25);
  make("restemp654321.rex", 23);
  make("notes.txt", 48);
  ASSERT_TRUE(QFile::link(precious, folder + "/restemp111111.rex"));
  QDir(folder).mkdir("restemp222222.rex");

  EXPECT_EQ(RemoveFilesOlderThan(folder, {"restemp\\d{6}\\.rex"}, now.addDays(-1)), 1);
  EXPECT_EQ(
      QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
      QStringList({"notes.txt", "restemp111111.rex", "restemp222222.rex", "restemp654321.rex"}));
  EXPECT_EQ(qt_test::ReadBytes(precious), "keep");
  EXPECT_EQ(RemoveFilesOlderThan(Path("missing"), {".*"}, now), 0);
}

}  // namespace
