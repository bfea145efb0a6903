// The windows the program connects where it starts. Unconnected, the graph
// window would print at once without asking and its table command would do
// nothing, and no test of the windows one by one would notice.
#include <QDir>
#include <QFile>

#include "app/ProgramFiles.h"
#include "app/WindowLinks.h"
#include "graphs/FormGraficaVIGAS.h"
#include "graphs/GraphHooks.h"
#include "graphs/WindowTestSupport.h"

namespace {
class WindowLinks : public graph_test::WindowTest {
 protected:
  void TearDown() override {
    SetPrintDialog(nullptr);
    SetDataTableWindow(nullptr);
    graph_test::WindowTest::TearDown();
  }
};
}  // namespace

TEST_F(WindowLinks, TheGraphWindowAsksThePrintDialogAndOpensTheTableWindow) {
  Prepare(3);
  app::ConnectWindows();
  FormGraficaVIGAS window;
  window.Lblbot_Click(2);  // print: the dialog is closed unanswered
  window.Lblbot_Click(1);  // table
  EXPECT_EQ(modal.shown, (std::vector<QString>{"frmImprimir", "FormTabla"}));
  EXPECT_FALSE(ImprimirAceptado);
  EXPECT_FALSE(QFile::exists(pdf_->OutputFile("Office")));
  EXPECT_FALSE(QFile::exists(pdf_->OutputFile("Plotter")));
}

// What start-up checks is what the build puts beside the program, no more.
TEST(ProgramFiles, TheStartUpListIsWhatTheBuildWritesBesideTheProgram) {
  const QDir program(qt_test::BuiltProgramFolder());
  QStringList built;
  for (const QString& name : program.entryList({"h*.jpg"}, QDir::Files)) built << name;
  for (const char* folder : {"htf", "img"})
    for (const QString& name : QDir(program.filePath(folder)).entryList(QDir::Files))
      built << QString(folder) + "/" + name;
  QStringList listed = app::DataFilesBesideProgram();
  EXPECT_EQ(listed.size(), 4 * 54);
  listed.sort();
  built.sort();
  EXPECT_EQ(listed, built);
}
