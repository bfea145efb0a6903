// The user's private work folder: each user has a folder of their own, and a
// folder that is a link, another user's or open to others is refused.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

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

gid_t GroupOf(const QString& path) {
  struct stat st;
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_gid : 0;
}

// The accounts the folder rule sees: the test's user, whose own group is that of
// the test's folders, and whatever else a test puts in that group.
struct Accounts : AccountDatabase {
  gid_t ownGroup = 0;
  QList<QByteArray> listed = {"me", "ann"};  // shared until a test says otherwise
  std::vector<uid_t> primary;
  bool groupFound = true, walked = true;
  bool FindAccount(uid_t uid, QByteArray& n, gid_t& g) const override {
    n = "me";
    g = ownGroup;
    return uid == ::geteuid();
  }
  bool ListedMembers(gid_t, QList<QByteArray>& names) const override {
    names = listed;
    return groupFound;
  }
  bool PrimaryMembers(gid_t, std::vector<uid_t>& uids) const override {
    uids = primary;
    return walked;
  }
};

class PrivateFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    SetResourceFolder(qt_test::SourceRoot());
    accounts_.ownGroup = GroupOf(temp_.path());
    accounts_.primary = {me_};
    SetAccountDatabase(&accounts_);
  }
  void TearDown() override {
    SetAccountDatabase(nullptr);
    SetResourceFolder(QString());
  }
  QString Path(const QString& name) const { return temp_.filePath(name); }

  const uid_t me_ = ::geteuid();
  const uid_t other_ = ::geteuid() + 1;
  QTemporaryDir temp_;  // itself 0700 and the user's: a runtime folder
  Accounts accounts_;
};

TEST_F(PrivateFolderTest, EachUserHasAFolderOfTheirOwnThatNobodyElseCanMakeFirst) {
  // The runtime folder serves only the user it belongs to, and only while
  // it is private; otherwise the user's own cache folder does.
  const QString runtime = temp_.path();
  const QString cache = Path("home/.cache");
  EXPECT_EQ(PrivateFolderFor(me_, runtime + "/", cache), runtime + "/torv");
  EXPECT_EQ(PrivateFolderFor(me_, "", cache + "/"), cache + "/torv");
  EXPECT_EQ(PrivateFolderFor(other_, runtime, "/home/other/.cache"), "/home/other/.cache/torv");
  ASSERT_TRUE(SetMode(runtime, 0755));
  EXPECT_EQ(PrivateFolderFor(me_, runtime, cache), cache + "/torv");
  ASSERT_TRUE(SetMode(runtime, 0700));
  ASSERT_TRUE(QFile::link(runtime, Path("runtime-link")));
  EXPECT_EQ(PrivateFolderFor(me_, Path("runtime-link"), cache), cache + "/torv");
  EXPECT_EQ(PrivateFolderFor(me_, "run/user", cache), cache + "/torv");

  // The program's own choice follows the environment.
  {
    qt_test::EnvironmentValue xdg("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
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
    // No runtime folder, and a home without a cache folder yet: both made
    // private, and the shared temporary folder is left alone.
    qt_test::EnvironmentValue xdg("XDG_RUNTIME_DIR", QByteArray());
    qt_test::EnvironmentValue home("HOME", Path("home").toLocal8Bit());
    qt_test::EnvironmentValue relative("XDG_CACHE_HOME", "relative/cache");
    ASSERT_TRUE(QDir().mkdir(Path("home")));
    EXPECT_EQ(DefaultCarpetaTemp(), cache + "/torv");
    const FolderCheck made = PrepareCarpetaTemp();
    EXPECT_TRUE(made.ok()) << PrivateFolderMessage(made).toStdString();
    EXPECT_EQ(ModeOf(cache), 0700u);
    EXPECT_EQ(ModeOf(cache + "/torv"), 0700u);
    qt_test::EnvironmentValue absolute("XDG_CACHE_HOME", Path("xdg-cache/").toLocal8Bit());
    EXPECT_EQ(DefaultCarpetaTemp(), Path("xdg-cache/torv"));
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
                "(rwx------).\r\nMake it private (chmod 700 " +
                folder + "), or remove it and let the next report make it again.");
  ASSERT_TRUE(SetMode(folder, 0700));

  // Another user's folder, faked by the owner asked for, and a real one where
  // the administrator can give it away.
  const FolderCheck foreign = CheckPrivateFolder(folder, other_);
  EXPECT_EQ(foreign.fault, FolderFault::ForeignOwner);
  EXPECT_TRUE(PrivateFolderMessage(foreign).contains(
      folder + "\r\nIt belongs to another user.\r\nRemove or rename it"));
  if (me_ == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
    EXPECT_EQ(MakePrivateFolder(folder).fault, FolderFault::ForeignOwner);
  }

  const FolderCheck missing = MakePrivateFolder(Path("no/such"));
  EXPECT_EQ(missing.fault, FolderFault::Missing);
  EXPECT_TRUE(PrivateFolderMessage(missing).contains(
      "\r\nIt does not exist and cannot be made: No such file or directory\r\nCheck that the "
      "folder above it exists"));
  EXPECT_EQ(MakePrivateFolder("").fault, FolderFault::Missing);
  EXPECT_EQ(PrivateFolderMessage(CheckPrivateFolder(Path("link"))),
            "Nothing was written: the private work folder cannot be used:\r\n" + Path("link") +
                "\r\nIt is a symbolic link, not a folder of its own.\r\nRemove or rename it "
                "(someone else may have put it there); the next report makes the folder again, "
                "private to you.");
}

// A folder above that others may change would let them swap the work
// folder after it was checked: a co-user's open folder, or one of theirs.
TEST_F(PrivateFolderTest, EveryFolderAboveMustBeTheUsersOrTheAdministratorsAndSafe) {
  const QString shared = Path("shared");
  ASSERT_TRUE(QDir().mkpath(shared + "/cache"));
  ASSERT_TRUE(MakePrivateFolder(shared + "/cache/torv").ok());
  for (mode_t mode : {0777, 0757, 0775}) {
    ASSERT_TRUE(SetMode(shared, mode));
    const FolderCheck c = MakePrivateFolder(shared + "/cache/torv");
    EXPECT_EQ(c.fault, FolderFault::UnsafeParent) << std::oct << mode;
    EXPECT_EQ(c.parent, shared);
  }
  EXPECT_EQ(MakePrivateFolder(shared + "/cache/new").fault, FolderFault::UnsafeParent);
  EXPECT_FALSE(QFileInfo::exists(shared + "/cache/new"));  // nothing made there
  ASSERT_TRUE(SetMode(shared, 01777));  // sticky, as /tmp: nobody may rename what is not theirs
  EXPECT_TRUE(CheckPrivateFolder(shared + "/cache/torv").ok());
  // Reached through a link: where it leads is checked as well.
  ASSERT_TRUE(SetMode(shared, 0777));
  ASSERT_TRUE(QFile::link(shared + "/cache", Path("cache-link")));
  EXPECT_EQ(CheckPrivateFolder(Path("cache-link/torv")).parent, shared);
  ASSERT_TRUE(SetMode(shared, 0777));
  const QString message =
      PrivateFolderMessage(CheckPrivateFolder(shared + "/cache/torv"), FolderUse::UpdateCheck);
  EXPECT_EQ(message, "Nothing was written: the private work folder cannot be used:\r\n" + shared +
                         "/cache/torv\r\nOther users could swap it for another folder: " + shared +
                         " above it may be written by others without the sticky bit (its "
                         "permissions are 0777).\r\nSet XDG_CACHE_HOME to a folder of your own "
                         "that only you may change (or leave it unset to use ~/.cache), then "
                         "check for updates again.");
  ASSERT_TRUE(SetMode(shared, 0755));
  if (me_ == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 4242, 4242), 0);
    const FolderCheck c = CheckPrivateFolder(shared + "/cache/torv");
    EXPECT_EQ(c.parentFault, ParentFault::ForeignOwner);
    EXPECT_TRUE(PrivateFolderMessage(c).contains(shared + " above it belongs to another user."));
  }
  // What makes the folder again is the command that met it.
  ASSERT_TRUE(SetMode(shared + "/cache/torv", 0755));
  EXPECT_TRUE(
      PrivateFolderMessage(CheckPrivateFolder(shared + "/cache/torv", 4242), FolderUse::UpdateCheck)
          .endsWith("the next update check makes the folder again, private to you."));
}

// A group that holds nobody but the folder's owner (a user's own group with
// umask 002, or root's) may write in a folder above; anybody else in it, or
// a group that cannot be read in full, and the folder is refused, with the
// platform's texts or without them.
TEST_F(PrivateFolderTest, AFolderAboveMayBeWrittenByAGroupOfItsOwnerAlone) {
  const QString shared = Path("shared"), work = shared + "/torv";
  ASSERT_TRUE(QDir().mkdir(shared));
  ASSERT_TRUE(MakePrivateFolder(work).ok());
  ASSERT_TRUE(SetMode(shared, 0775));
  EXPECT_EQ(CheckPrivateFolder(work).parentFault, ParentFault::GroupMayWrite);
  EXPECT_TRUE(PrivateFolderMessage(CheckPrivateFolder(work))
                  .contains(shared + " above it may be written by others without the sticky bit "
                                     "(its permissions are 0775)."));
  accounts_.listed = {};
  const Accounts alone = accounts_;
  EXPECT_TRUE(CheckPrivateFolder(work).ok());
  accounts_.listed = {"me"};
  EXPECT_TRUE(CheckPrivateFolder(work).ok());
  const std::vector<std::function<void(Accounts&)>> notAlone = {
      [&](Accounts& a) {
        a.primary = {me_, other_};
      },
      [](Accounts& a) { a.primary = {}; },  // a walk that never met the owner
      [](Accounts& a) { a.walked = false; }, [](Accounts& a) { a.groupFound = false; },
      [](Accounts& a) { a.ownGroup += 1; }};
  for (size_t i = 0; i < notAlone.size(); ++i) {
    accounts_ = alone;
    notAlone[i](accounts_);
    EXPECT_EQ(CheckPrivateFolder(work).parentFault, ParentFault::GroupMayWrite) << i;
  }
  accounts_ = alone;
  ASSERT_TRUE(SetMode(shared, 0777));
  EXPECT_EQ(CheckPrivateFolder(work).parentFault, ParentFault::OthersMayWrite);
  if (me_ == 0) {
    // The administrator's folder above another user's: root's group decides.
    ASSERT_TRUE(SetMode(shared, 0775));
    ASSERT_EQ(::chown(QFile::encodeName(work).constData(), 4242, 4242), 0);
    EXPECT_TRUE(CheckPrivateFolder(work, 4242).ok());
    accounts_.listed = {"me", "ann"};
    EXPECT_FALSE(CheckPrivateFolder(work, 4242).ok());
  }
}

TEST_F(PrivateFolderTest, WithoutItsTextsTheRuleRefusesTheSameFolders) {
  QTemporaryDir bare;
  SetResourceFolder(bare.path());
  if (!PlatformText("ParentOpen").isEmpty()) GTEST_SKIP() << "the texts were loaded before";
  const QString shared = Path("shared"), work = shared + "/torv";
  ASSERT_TRUE(QDir().mkdir(shared));
  ASSERT_TRUE(MakePrivateFolder(work).ok());
  ASSERT_TRUE(SetMode(shared, 0775));
  EXPECT_EQ(CheckPrivateFolder(work).parentFault, ParentFault::GroupMayWrite);
  ASSERT_TRUE(SetMode(shared, 0757));
  EXPECT_EQ(MakePrivateFolder(shared + "/new").parentFault, ParentFault::OthersMayWrite);
}

}  // namespace
