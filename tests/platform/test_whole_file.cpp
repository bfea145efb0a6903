// The checked writer: a file is written completely or not at all, a planted
// link is never written through, and every failing step keeps the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "platform/ImageFiles.h"
#include "platform/TextFile.h"
#include "platform/WholeFile.h"
#include "support/FullDisk.h"
#include "support/QtTestSupport.h"

using namespace platform;
using qt_test::ReadBytes;
using qt_test::WriteBytes;

namespace {

// Every name in the folder, hidden temporaries included.
QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool IsLink(const QString& path) {
  struct stat st;
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

class InjectedFailure {
 public:
  InjectedFailure(WriteStep step, int error) { InjectWriteFailure(step, error); }
  ~InjectedFailure() { InjectWriteFailure(WriteStep::Create, 0); }
};

TEST(WholeFile, WritesNewFilesAndReplacesOldOnesKeepingTheirPermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath("table.txt");
  ASSERT_TRUE(WriteWholeFile(path, "first"));
  EXPECT_EQ(ReadBytes(path), "first");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  const WriteResult r = WriteWholeFile(path, QByteArray(100000, 'z'));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.reason, "");
  EXPECT_EQ(ReadBytes(path), QByteArray(100000, 'z'));
  struct stat st;
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // The umask takes nothing from a file shared on purpose.
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
  const mode_t umask = ::umask(022);
  ASSERT_TRUE(WriteWholeFile(path, "again"));
  ::umask(umask);
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0666u);
  ASSERT_TRUE(WriteWholeFile(path, ""));
  EXPECT_EQ(QFileInfo(path).size(), 0);
  EXPECT_EQ(Entries(dir.path()), QStringList{"table.txt"});
  // The longest name a file may have leaves room for the temporary's.
  const QString longest = QString(251, 'n') + ".txt";
  ASSERT_TRUE(WriteWholeFile(dir.filePath(longest), "long"));
  EXPECT_EQ(ReadBytes(dir.filePath(longest)), "long");
}

TEST(WholeFile, APlantedLinkIsReplacedNeverWrittenThrough) {
  QTemporaryDir dir, outside;
  const QString victim = outside.filePath("victim.txt");
  ASSERT_TRUE(WriteBytes(victim, "the victim's own"));
  const QString path = dir.filePath("restemp123456.rex");
  ASSERT_TRUE(QFile::link(victim, path));
  ASSERT_TRUE(WriteWholeFile(path, "report"));
  EXPECT_FALSE(IsLink(path));
  EXPECT_EQ(ReadBytes(path), "report");
  EXPECT_EQ(ReadBytes(victim), "the victim's own");

  // The program's other writers go the same way.
  const QString table = dir.filePath("table.txt"), picture = dir.filePath("graph.bmp");
  ASSERT_TRUE(QFile::link(victim, table));
  ASSERT_TRUE(QFile::link(victim, picture));
  EXPECT_TRUE(WriteWindows1252File(table, "table"));
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::white);
  EXPECT_EQ(SaveImageFile(image, picture, "BMP"), SaveResult::Ok);
  EXPECT_FALSE(IsLink(table) || IsLink(picture));
  EXPECT_EQ(ReadBytes(victim), "the victim's own");

  // A dangling link makes no file where it points.
  const QString dangling = dir.filePath("y1.jpg");
  ASSERT_TRUE(QFile::link(outside.filePath("made.jpg"), dangling));
  ASSERT_TRUE(WriteWholeFile(dangling, "picture"));
  EXPECT_FALSE(IsLink(dangling));
  EXPECT_EQ(Entries(outside.path()), QStringList{"victim.txt"});
}

TEST(WholeFile, EveryFailingStepKeepsTheOldFileAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath("table.txt");
  const QString fresh = dir.filePath("new.txt");
  const QByteArray big(50000, 'n');
  ASSERT_TRUE(WriteBytes(path, "old table"));
  for (WriteStep step : {WriteStep::Create, WriteStep::Write, WriteStep::Flush, WriteStep::Close,
                         WriteStep::Rename}) {
    for (int error : {ENOSPC, EIO}) {
      SCOPED_TRACE(static_cast<int>(step));
      InjectedFailure failing(step, error);
      const WriteResult r = WriteWholeFile(path, big);
      EXPECT_FALSE(r);
      EXPECT_EQ(r.error, error);
      EXPECT_EQ(r.reason, QString::fromLocal8Bit(std::strerror(error)));
      EXPECT_EQ(ReadBytes(path), "old table");
      EXPECT_FALSE(WriteWholeFile(fresh, big));
      EXPECT_EQ(Entries(dir.path()), QStringList{"table.txt"});  // no temporary left
    }
  }
  ASSERT_TRUE(WriteWholeFile(path, big));  // the injection is over
  EXPECT_EQ(ReadBytes(path), big);
}

TEST(WholeFile, AFullDiskKeepsTheOldFile) {
  qt_test::FullDisk disk;
  if (!disk.mounted)
    GTEST_SKIP() << "no tmpfs can be mounted here (the injected failures cover it)";
  const QString path = disk.Path("table.txt");
  ASSERT_TRUE(WriteWholeFile(path, "old table"));
  const WriteResult tooBig = WriteWholeFile(path, QByteArray(200000, 'n'));
  EXPECT_FALSE(tooBig);
  EXPECT_EQ(tooBig.error, ENOSPC);
  EXPECT_EQ(tooBig.reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
  EXPECT_EQ(ReadBytes(path), "old table");

  ASSERT_TRUE(disk.Fill());
  EXPECT_FALSE(WriteWholeFile(path, "new table"));
  EXPECT_EQ(ReadBytes(path), "old table");
  EXPECT_EQ(Entries(disk.Path("")), QStringList({"ballast", "table.txt"}));
}

TEST(WholeFile, FoldersAndWriteProtectedFilesAreNotReplaced) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("busy.txt"));
  const WriteResult r = WriteWholeFile(dir.filePath("busy.txt"), "x");
  EXPECT_EQ(r.error, EISDIR);
  EXPECT_TRUE(QFileInfo(dir.filePath("busy.txt")).isDir());
  EXPECT_EQ(WriteWholeFile(dir.filePath("no/such/folder/f.txt"), "x").error, ENOENT);
  EXPECT_FALSE(WriteWholeFile("", "x"));

  if (::geteuid() == 0) return;  // permissions do not bind the administrator
  const QString path = dir.filePath("locked.txt");
  ASSERT_TRUE(WriteBytes(path, "old"));
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
  EXPECT_EQ(WriteWholeFile(path, "new").error, EACCES);
  EXPECT_EQ(ReadBytes(path), "old");
}

}  // namespace
