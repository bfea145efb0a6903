// The windows the program connects where it starts. Unconnected, the graph
// window would print at once without asking and its table command would do
// nothing, and no test of the windows one by one would notice.
#include <QFile>

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
