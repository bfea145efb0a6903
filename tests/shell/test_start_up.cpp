// The files the program reads when it starts: its language files, the files
// its windows show and the settings store. Missing or unusable ones are
// named in a message, and the program starts without them rather than
// hanging or ending.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>

#include "ShellTestSupport.h"
#include "shell/FormSplash.h"

using shell_test::ShellTest;

namespace {

class StartUpTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(program_.isValid());
  }
  void TearDown() override {
    CloseSplash();
    ShellTest::TearDown();
  }

  // A program folder of its own with a copy of the shipped language files.
  QString CopyOfTheProgram() {
    const QString lang = program_.path() + "/lang";
    QDir().mkpath(lang);
    const QDir shipped(qt_test::SourceRoot() + "/lang");
    for (const QString& name : shipped.entryList({"*.lmo"}, QDir::Files))
      EXPECT_TRUE(QFile::copy(shipped.filePath(name), lang + "/" + name));
    platform::SetResourceFolder(program_.path());
    return lang;
  }

  bool SplashShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FormSplash*>(w) && w->isVisible()) return true;
    return false;
  }
  void CloseSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FormSplash*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir program_;
};

// A damaged install is told once, with the folder and each problem, and the
// program starts all the same.
TEST_F(StartUpTest, WithoutItsLanguageFolderTheProgramSaysSoAndStarts) {
  platform::SetResourceFolder(program_.path());  // no lang/ in it
  Vigas::Main([this] { ++mainWindowShown_; });
  ASSERT_EQ(messages_->messages.size(), 1u);
  const platform::Message& m = messages_->messages[0];
  EXPECT_EQ(m.prompt, "TORV cannot use some of its files in the folder\r\n" + program_.path() +
                          "\r\n\r\nThe folder lang is missing.\r\n\r\nTORV runs without them: "
                          "where their texts, formulas or pictures belong, it shows "
                          "nothing.\r\n\r\nPlease install the program again.");
  EXPECT_EQ(m.title, "TORV");
  EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
  EXPECT_TRUE(SplashShown());
  CloseSplash();
  EXPECT_EQ(mainWindowShown_, 1);
}

TEST_F(StartUpTest, EveryDamagedFileIsNamedInOneMessage) {
  const QString lang = CopyOfTheProgram();
  ASSERT_TRUE(QFile::remove(lang + "/ENG_WIN_TAV.lmo"));
  // A pipe would hang the reading; an absurdly large file stall it.
  ASSERT_TRUE(QFile::remove(lang + "/ENG_WIN_KSL.lmo"));
  ASSERT_EQ(mkfifo(QFile::encodeName(lang + "/ENG_WIN_KSL.lmo").constData(), 0600), 0);
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_GFV.lmo",
                                  "[A]=" + QByteArray(platform::kLanguageFileLimit, 'x')));
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_EGF.lmo", "[broken\r\n"));
  const QByteArray units = qt_test::ReadBytes(lang + "/ENG_WIN_EUN.lmo");
  ASSERT_TRUE(
      qt_test::WriteBytes(lang + "/ENG_WIN_EUN.lmo", units.left(units.indexOf("[Moment]"))));
  const QString root = program_.path();
  ASSERT_TRUE(qt_test::WriteBytes(root + "/htf/f100.htf", "A\r\n"));
  ASSERT_TRUE(qt_test::WriteBytes(root + "/htf/f101.htf", ""));
  ASSERT_TRUE(qt_test::WriteBytes(root + "/img/F100.gif", "not a picture"));
  const QStringList files = {"htf/f100.htf", "htf/f101.htf", "htf/f305.htf", "img/F100.gif",
                             "h100.jpg",     "h101.jpg",     "h102.jpg"};

  Vigas::Main([this] { ++mainWindowShown_; }, files);
  ASSERT_EQ(messages_->messages.size(), 1u);
  EXPECT_EQ(messages_->messages[0].prompt,
            "TORV cannot use some of its files in the folder\r\n" + root +
                "\r\n\r\nlang/ENG_WIN_KSL.lmo is not a regular file.\r\n"
                "lang/ENG_WIN_EUN.lmo lacks 5 of its 10 texts (MOMENT, FLEXRIG, BUT_OK and 2 "
                "more).\r\nlang/ENG_WIN_GFV.lmo is larger than 1048576 bytes.\r\n"
                "lang/ENG_WIN_EGF.lmo holds no valid entries.\r\n"
                "lang/ENG_WIN_TAV.lmo is missing.\r\n"
                "htf/f101.htf is empty.\r\nhtf/f305.htf is missing.\r\n"
                "img/F100.gif is not a picture of its kind.\r\nh100.jpg is missing.\r\n"
                "h101.jpg is missing.\r\n1 more file cannot be used.\r\n\r\n"
                "TORV runs without them: where their texts, formulas or pictures belong, it "
                "shows nothing.\r\n\r\nPlease install the program again.");
  EXPECT_TRUE(SplashShown());

  // Windows asking for texts from the pipe get none, at once; the whole part
  // of a cut file still gives its texts.
  platform::LanguageTable table(QStringLiteral("KSL"));
  EXPECT_EQ(table.GetL_win("mnu_File"), "");
  platform::LanguageTable cut(QStringLiteral("EUN"));
  EXPECT_FALSE(cut.GetL_win("Forces").isEmpty());
  EXPECT_EQ(cut.GetL_win("Moment"), "");
}

TEST_F(StartUpTest, WithItsFilesInPlaceTheSplashComesUp) {
  CopyOfTheProgram();
  Vigas::Main([this] { ++mainWindowShown_; });
  EXPECT_TRUE(messages_->messages.empty());
  EXPECT_TRUE(SplashShown());
}

TEST_F(StartUpTest, ALanguageFileIsReadOnceNotAtEveryLookup) {
  const QString lang = CopyOfTheProgram();
  // A large file that fails to load: every lookup used to read it again.
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_TST.lmo",
                                  QByteArray(900 * 1024, 'x') + "\r\n[no equals]\r\n"));
  const int before = platform::LanguageFileReads();
  platform::LanguageTable broken(QStringLiteral("TST"));
  for (int i = 0; i < 200; ++i) EXPECT_EQ(broken.GetL_win("A"), "");
  // Windows made again and again share one reading of their file.
  for (int i = 0; i < 50; ++i) {
    platform::LanguageTable table(QStringLiteral("KSL"));
    EXPECT_EQ(table.GetL_win("mnu_File"), "&File");
  }
  EXPECT_EQ(platform::LanguageFileReads() - before, 2);

  // A file changed on disk is read again.
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_TST.lmo", "[A]=now it loads\r\n"));
  EXPECT_EQ(broken.GetL_win("A"), "now it loads");
  EXPECT_EQ(platform::LanguageFileReads() - before, 3);
}

TEST_F(StartUpTest, ASettingsStoreThatIsNoRegularFileIsLeftAloneWithAMessage) {
  CopyOfTheProgram();
  const QString store = settings_.path() + "/TORV.ini";
  ASSERT_EQ(mkfifo(QFile::encodeName(store).constData(), 0600), 0);
  // Reading and storing neither hang nor touch it.
  EXPECT_EQ(platform::GetSetting("TORV", "NDIG", "SIGDIG", "4"), "4");
  platform::SaveSetting("TORV", "NDIG", "SIGDIG", "9");
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(store).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  Vigas::Main([this] { ++mainWindowShown_; });
  ASSERT_EQ(messages_->messages.size(), 1u);
  EXPECT_EQ(messages_->messages[0].prompt,
            "The settings file " + store +
                " is not a regular file.\r\n\r\nTORV starts with its default settings and leaves "
                "that file as it is.");
  EXPECT_TRUE(SplashShown());
}

TEST_F(StartUpTest, AnAbsurdlyLargeSettingsStoreIsLeftAloneToo) {
  const QString store = settings_.path() + "/TORV.ini";
  ASSERT_TRUE(qt_test::WriteBytes(
      store, "[NDIG]\nSIGDIG=9\n" + QByteArray(platform::kSettingsFileLimit, ';')));
  EXPECT_EQ(platform::GetSetting("TORV", "NDIG", "SIGDIG", "4"), "4");
  EXPECT_EQ(platform::SettingsStoreProblem("TORV"), store + " is larger than 1048576 bytes");
  ASSERT_TRUE(qt_test::WriteBytes(store, "[NDIG]\nSIGDIG=9\n"));
  EXPECT_EQ(platform::GetSetting("TORV", "NDIG", "SIGDIG", "4"), "9");
  EXPECT_EQ(platform::SettingsStoreProblem("TORV"), "");
}

}  // namespace
