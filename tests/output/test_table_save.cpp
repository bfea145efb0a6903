// Saving the table over an existing file when the disk is full: the old file
// stays and the message says why.
#include <QDir>
#include <cerrno>
#include <cstring>
#include <vector>

#include "TableTestSupport.h"
#include "output/FormTabla.h"
#include "output/OutputState.h"
#include "platform/WholeFile.h"
#include "support/FullDisk.h"

using output_test::OneAnswerDialog;
using output_test::OutputTest;

namespace {

class TableSaveTest : public OutputTest {
 protected:
  // What the save said, less the dialog's question whether to replace the file.
  std::vector<platform::Message> Said() const {
    std::vector<platform::Message> said;
    for (const platform::Message& m : messages.messages)
      if (m.buttons == platform::MsgButtons::Ok) said.push_back(m);
    return said;
  }
};

TEST_F(TableSaveTest, AFullDiskKeepsTheOldTableAndSaysSo) {
  qt_test::FullDisk disk;
  QString folder = TempPath("tables");
  if (disk.mounted)
    folder = disk.Path("tables");
  else
    platform::InjectWriteFailure(platform::WriteStep::Write, ENOSPC);
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + "/deflection.txt";
  ASSERT_TRUE(qt_test::WriteBytes(path, "old table"));
  if (disk.mounted) {
    ASSERT_TRUE(disk.Fill());
  }

  FormTabla w;
  {
    OneAnswerDialog dialog(path);
    w.mnu_archivo_saveas_Click();
  }
  platform::InjectWriteFailure(platform::WriteStep::Create, 0);
  EXPECT_EQ(qt_test::ReadBytes(path), "old table");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"deflection.txt"});
  ASSERT_EQ(Said().size(), 1u);
  EXPECT_EQ(Said()[0].prompt, "The table could not be saved:\r\n" + path + "\r\n" +
                                  QString::fromLocal8Bit(std::strerror(ENOSPC)) + ".");
  EXPECT_EQ(Said()[0].icon, platform::MsgIcon::Exclamation);
}

}  // namespace
