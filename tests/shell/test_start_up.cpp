// The files the program reads when it starts: its language files and the
// settings store. Missing or unusable ones are named in a message instead of
// leaving a blank window or a hung start.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QRegularExpression>

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

TEST_F(StartUpTest, WithoutItsLanguageFolderTheProgramSaysWhereAndEnds) {
  platform::SetResourceFolder(program_.path());  // no lang/ in it
  EXPECT_FALSE(Vigas::Main([this] { ++mainWindowShown_; }));
  ASSERT_EQ(messages_->messages.size(), 1u);
  const platform::Message& m = messages_->messages[0];
  EXPECT_TRUE(
      m.prompt.startsWith("TORV cannot start: its language files cannot be read in the "
                          "folder\r\n" +
                          program_.path() + "/lang\r\n"))
      << m.prompt.toStdString();
  EXPECT_TRUE(m.prompt.contains("The folder is missing."));
  EXPECT_EQ(m.icon, platform::MsgIcon::Critical);
  EXPECT_FALSE(SplashShown());
  EXPECT_EQ(mainWindowShown_, 0);
}

TEST_F(StartUpTest, UnusableLanguageFilesAreEachNamed) {
  const QString lang = CopyOfTheProgram();
  ASSERT_TRUE(QFile::remove(lang + "/ENG_WIN_TAV.lmo"));
  // A pipe would hang the reading; an absurdly large file stall it.
  ASSERT_TRUE(QFile::remove(lang + "/ENG_WIN_KSL.lmo"));
  ASSERT_EQ(mkfifo(QFile::encodeName(lang + "/ENG_WIN_KSL.lmo").constData(), 0600), 0);
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_GFV.lmo",
                                  "[A]=" + QByteArray(platform::kLanguageFileLimit, 'x')));
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_EGF.lmo", "[broken\r\n"));

  EXPECT_FALSE(Vigas::Main([this] { ++mainWindowShown_; }));
  ASSERT_EQ(messages_->messages.size(), 1u);
  const QString& prompt = messages_->messages[0].prompt;
  for (const char* line :
       {"ENG_WIN_KSL.lmo is not a regular file.", "ENG_WIN_GFV.lmo is larger than 1048576 bytes.",
        "ENG_WIN_EGF.lmo holds no valid entries.", "ENG_WIN_TAV.lmo is missing."})
    EXPECT_TRUE(prompt.contains(line)) << line << "\n" << prompt.toStdString();
  EXPECT_FALSE(prompt.contains("ENG_WIN_EUN.lmo"));
  EXPECT_FALSE(SplashShown());

  // Windows asking for texts from the pipe get none, at once.
  platform::LanguageTable table(QStringLiteral("KSL"));
  EXPECT_EQ(table.GetL_win("mnu_File"), "");
}

TEST_F(StartUpTest, AFileThatLoadsButLacksItsTextsAndAMissingFormulaFileAreNamed) {
  const QString lang = CopyOfTheProgram();
  const QByteArray whole = qt_test::ReadBytes(lang + "/ENG_WIN_KSL.lmo");
  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_KSL.lmo",
                                  whole.left(whole.indexOf("\r\n", whole.size() / 2) + 2)));
  EXPECT_FALSE(Vigas::Main([this] { ++mainWindowShown_; }));
  ASSERT_EQ(messages_->messages.size(), 1u);
  EXPECT_TRUE(messages_->messages[0].prompt.contains(QRegularExpression(
      "ENG_WIN_KSL\\.lmo lacks \\d+ of its \\d+ texts \\([A-Z_0-9]+, [A-Z_0-9]+, "
      "[A-Z_0-9]+ and \\d+ more\\)\\.")))
      << messages_->messages[0].prompt.toStdString();

  ASSERT_TRUE(qt_test::WriteBytes(lang + "/ENG_WIN_KSL.lmo", whole));
  const QString root = program_.path();
  ASSERT_TRUE(qt_test::WriteBytes(root + "/htf/f100.htf", "A\r\n"));
  ASSERT_TRUE(qt_test::WriteBytes(root + "/img/F100.gif", "not a picture"));
  const QStringList files = {"htf/f100.htf", "htf/f305.htf", "img/F100.gif", "h100.jpg"};
  EXPECT_FALSE(Vigas::Main([this] { ++mainWindowShown_; }, files));
  ASSERT_EQ(messages_->messages.size(), 2u);
  EXPECT_EQ(messages_->messages[1].prompt,
            "TORV cannot start: files it shows cannot be read in the folder\r\n" + root +
                "\r\n\r\nhtf/f305.htf is missing.\r\nimg/F100.gif is not a picture of its "
                "kind.\r\nh100.jpg is missing.\r\n\r\nPlease install the program again.");
  EXPECT_FALSE(SplashShown());
  EXPECT_EQ(mainWindowShown_, 0);
}

TEST_F(StartUpTest, WithItsFilesInPlaceTheSplashComesUp) {
  CopyOfTheProgram();
  EXPECT_TRUE(Vigas::Main([this] { ++mainWindowShown_; }));
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

  EXPECT_TRUE(Vigas::Main([this] { ++mainWindowShown_; }));
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
