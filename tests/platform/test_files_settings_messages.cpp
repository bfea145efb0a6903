#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/TextFile.h"
#include "platform/WholeFile.h"
#include "support/FullDisk.h"

using namespace platform;

namespace {
QByteArray AllBytes() {
  QByteArray b;
  for (int i = 0; i < 256; ++i) b += static_cast<char>(i);
  return b;
}
}  // namespace

TEST(Windows1252, EveryByteDecodesAndEncodesBackExactly) {
  const QByteArray bytes = AllBytes();
  const QString text = DecodeWindows1252(bytes);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));  // euro
  EXPECT_EQ(text[0x96], QChar(0x2013));  // en dash
  EXPECT_EQ(text[0x9F], QChar(0x0178));
  EXPECT_EQ(text[0xA5], QChar(0x00A5));
  EXPECT_EQ(text[0x81], QChar(0x0081));  // unassigned: passes through
  bool lossless = false;
  EXPECT_EQ(EncodeWindows1252(text, &lossless), bytes);
  EXPECT_TRUE(lossless);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  bool lossless = true;
  EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("a\u03B1b\u2260"), &lossless), QByteArray("a?b?"));
  EXPECT_FALSE(lossless);
}

TEST(Windows1252, FilesRoundTripAndFailuresAreReported) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("f.htf");
  const QString text = DecodeWindows1252(AllBytes()) + "\r\nx";
  ASSERT_TRUE(WriteWindows1252File(path, text));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), AllBytes() + "\r\nx");  // no byte-order mark, no conversion of line ends
  f.close();
  QString back;
  ASSERT_TRUE(ReadWindows1252File(path, back));
  EXPECT_EQ(back, text);

  QString untouched = "keep";
  EXPECT_FALSE(ReadWindows1252File(dir.filePath("missing.lmo"), untouched));
  EXPECT_FALSE(WriteWindows1252File(dir.filePath("no/such/folder/f.txt"), "x"));
}

TEST(SettingsStore, RedirectedStoreKeepsStringsPerApplicationSectionAndKey) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RedirectSettings(dir.path());
  EXPECT_EQ(GetSetting("TORV", "NDIG", "SIGDIG", "4"), "4");
  SaveSetting("TORV", "NDIG", "SIGDIG", "7");
  SaveSetting("TORV", "DOT", "SEPARATOR", ",");
  SaveSetting("OTHER", "NDIG", "SIGDIG", "9");
  EXPECT_EQ(GetSetting("TORV", "NDIG", "SIGDIG", "4"), "7");
  EXPECT_EQ(GetSetting("TORV", "DOT", "SEPARATOR"), ",");
  EXPECT_EQ(GetSetting("OTHER", "NDIG", "SIGDIG"), "9");
  EXPECT_EQ(GetSetting("TORV", "PATH", "GRAF"), "");
  // Everything stays in the redirected folder.
  EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath("TORV.ini")));
  RedirectSettings(QString());
}

TEST(SettingsStore, AWriteOnAFullDiskFailsAndSaysSo) {
  qt_test::FullDisk disk;
  if (!disk.mounted) GTEST_SKIP() << "mounting a small disk needs the administrator";
  RedirectSettings(disk.Path("config"));
  EXPECT_TRUE(SaveSetting("TORV", "DOT", "SEPARATOR", ",").ok);
  ASSERT_TRUE(disk.Fill());
  const SettingsWrite w = SaveSetting("TORV", "PATH", "GRAF", QString(8000, 'g'));
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.file, disk.Path("config/TORV.ini"));
  EXPECT_EQ(w.reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
  EXPECT_TRUE(SettingsNotSavedMessage(w).endsWith(w.file + "\r\n" + w.reason + "."));
  RedirectSettings(QString());
}

// A store damaged beyond parsing: a save is judged by what reached the file.
TEST(SettingsStore, AJunkStoreIsRewrittenWithoutAFalseFailureAndAFullDiskStillFails) {
  qt_test::FullDisk disk;
  const QString folder = disk.mounted ? disk.Path("config") : disk.Path("");
  QDir().mkpath(folder);
  RedirectSettings(folder);
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) % 251);
  ASSERT_TRUE(WriteWholeFile(folder + "/TORV.ini", junk));
  EXPECT_TRUE(SaveSetting("TORV", "DOT", "SEPARATOR", ",").ok);
  EXPECT_EQ(GetSetting("TORV", "DOT", "SEPARATOR"), ",");
  EXPECT_TRUE(SaveSetting("TORV", "DOT", "SEPARATOR", ",").ok);  // nothing new to write
  if (disk.mounted) {
    ASSERT_TRUE(WriteWholeFile(folder + "/TORV.ini", junk));
    ASSERT_TRUE(disk.Fill());
    const SettingsWrite w = SaveSetting("TORV", "PATH", "GRAF", QString(8000, 'g'));
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
  }
  RedirectSettings(QString());
}

TEST(MessageBoxes, RecordingSinkKeepsMessagesAnswersAndRestoresThePreviousSink) {
  RecordingMessageSink outer;
  {
    RecordingMessageSink inner;
    inner.answers = {MsgResult::No};
    EXPECT_EQ(MsgBox("Delete?", "TORV", MsgIcon::Question, MsgButtons::YesNo), MsgResult::No);
    EXPECT_EQ(MsgBox("Again?", "TORV", MsgIcon::Question, MsgButtons::YesNoCancel), MsgResult::Yes);
    EXPECT_EQ(MsgBox("Saved", "TORV", MsgIcon::Information), MsgResult::Ok);
    ASSERT_EQ(inner.messages.size(), 3u);
    EXPECT_EQ(inner.messages[0].prompt, "Delete?");
    EXPECT_EQ(inner.messages[0].title, "TORV");
    EXPECT_EQ(inner.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(inner.messages[2].buttons, MsgButtons::Ok);
  }
  MsgBox("Error", "TORV");
  ASSERT_EQ(outer.messages.size(), 1u);
  EXPECT_EQ(outer.messages[0].icon, MsgIcon::Exclamation);
}

TEST(MessageBoxes, QuotedTextKeepsReadingOrderAndWholeCharacters) {
  EXPECT_EQ(QuotedText(QString::fromUtf8("12\u202E3.5\u2066x\u200F"), 40), "123.5x");
  // 39 letters, then a character outside the 16-bit range, then an accented one.
  const QString emoji = QString::fromUtf8("\U0001F600");
  const QString accented = QString::fromUtf8("e\u0301");
  const QString typed = QString(39, 'a') + emoji + accented + "tail";
  EXPECT_EQ(QuotedText(typed, 40), QString(39, 'a') + emoji + "...");
  EXPECT_EQ(QuotedText(QString(38, 'a') + accented + accented, 40),
            QString(38, 'a') + accented + accented);
  EXPECT_EQ(QuotedText(QString(39, 'a') + accented + "b", 40), QString(39, 'a') + accented + "...");
  EXPECT_EQ(AsSentence("no space left on device"), "No space left on device.");
  EXPECT_EQ(AsSentence("Too many redirects."), "Too many redirects.");
}
