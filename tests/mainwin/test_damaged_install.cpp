// A copy of the program as the build lays it out, with some of its files
// gone: start-up names them once, and the program still calculates.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "CalcTestSupport.h"
#include "app/ProgramFiles.h"
#include "output/ReportFiles.h"
#include "shell/FormSplash.h"
#include "shell/VigasMain.h"

using mainwin_test::CalcTest;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

class DamagedInstall : public CalcTest {
 protected:
  // The main window comes later, from the splash window, as in the program.
  void SetUp() override { MainwinTest::SetUp(); }

  // The language files, formula files and pictures the build put beside the
  // program, copied into a program folder of the test's own.
  void CopyTheProgram() {
    const QDir built(qt_test::BuiltProgramFolder());
    const QString to = folder_.path();
    for (const char* sub : {"lang", "htf", "img"}) {
      const QDir from(built.filePath(sub));
      ASSERT_TRUE(QDir().mkpath(to + "/" + sub));
      for (const QString& name : from.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from.filePath(name), to + "/" + sub + "/" + name));
    }
    for (const QString& name : built.entryList({"h*.jpg"}, QDir::Files))
      ASSERT_TRUE(QFile::copy(built.filePath(name), to + "/" + name));
    platform::SetResourceFolder(to);
  }
  // The language file without the entry line of the key.
  void RemoveKey(const QString& prefix, const QByteArray& key) {
    const QString path = folder_.path() + "/lang/ENG_WIN_" + prefix + ".lmo";
    const QByteArray bytes = qt_test::ReadBytes(path);
    const int at = bytes.indexOf("\r\n[" + key + "]=");
    ASSERT_GE(at, 0) << key.toStdString();
    mainwin_test::WriteBytes(path, bytes.left(at) + bytes.mid(bytes.indexOf("\r\n", at + 2)));
  }
  void Start() {
    Vigas::Main(
        [this] {
          if (!form_) form_ = std::make_unique<FormMain>();
          form_->show();
        },
        app::DataFilesBesideProgram());
  }
  void CloseSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FormSplash*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TEST_F(DamagedInstall, ItsMissingFilesAreToldOnceAndCase100StillCalculates) {
  CopyTheProgram();
  ASSERT_TRUE(QFile::remove(folder_.path() + "/htf/f100.htf"));
  ASSERT_TRUE(QFile::remove(folder_.path() + "/img/X100.jpg"));
  RemoveKey("KSL", "Lbl_Cal");
  Start();
  ASSERT_EQ(messages_.messages.size(), 1u);
  const QString& told = messages_.messages[0].prompt;
  EXPECT_TRUE(told.startsWith("TORV cannot use some of its files in the folder\r\n" +
                              folder_.path() + "\r\n\r\n"))
      << told.toStdString();
  for (const char* line : {"\r\nlang/ENG_WIN_KSL.lmo lacks 1 of its ", " texts (LBL_CAL).\r\n",
                           "\r\nhtf/f100.htf is missing.\r\n", "\r\nimg/X100.jpg is missing.\r\n",
                           "\r\n\r\nTORV runs without them: "})
    EXPECT_TRUE(told.contains(line)) << line;
  EXPECT_EQ(told.count(" is missing."), 2);

  CloseSplash();
  ASSERT_TRUE(form_);
  EXPECT_TRUE(F().isVisible());
  ChooseCase(100);
  // Only what those files held is gone: the Calculate caption, the panel's
  // second picture and the report's formula text.
  EXPECT_EQ(F().LblCAL[1]->text(), "");
  EXPECT_FALSE(F().LblDEL[1]->text().isEmpty());
  EXPECT_TRUE(F().HayFormula[1]);
  EXPECT_FALSE(F().HayFormulaX[1]);
  EXPECT_TRUE(F().ImgFORX[1]->Picture().isNull());
  EXPECT_EQ(report::LoadFormulasHTFC(100), "");
  F().grab().save(qt_test::BuildFolder() + "/damaged_install_case100.png");

  const double* f = Vigas::FactorUnidad;
  FillInputs({{"EI", QString::number(2e7 * f[6])},
              {"L", QString::number(4 * f[1])},
              {"X", QString::number(1 * f[1])},
              {"W0", QString::number(1500 * f[4])}});
  Calculate();
  EXPECT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(GraphAndReportOn());
  // 5 w L^4 / 384 EI with w L^4 / EI = 1500 * 256 / 2e7, and w L^2 / 8.
  EXPECT_NEAR(Datos[Slot::Ymax], -5.0 / 384 * 0.0192, 1e-12);
  EXPECT_NEAR(Datos[Slot::Mmax], 1500 * 16 / 8.0, 1e-9);
}

// As the build lays the program out, nothing is told.
TEST_F(DamagedInstall, AWholeInstallStartsWithoutAWord) {
  CopyTheProgram();
  Start();
  EXPECT_TRUE(messages_.messages.empty());
  CloseSplash();
  EXPECT_TRUE(form_ && F().isVisible());
}

}  // namespace
