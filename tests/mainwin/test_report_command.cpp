// The Report command of the main window: after a calculation it writes the
// report of the tab's case and starts the viewer on it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "CalcTestSupport.h"
#include "output/ReportText.h"
#include "platform/DrawTarget.h"
#include "platform/ProcessStart.h"
#include "platform/TempFolder.h"

using mainwin_test::CalcTest;
using mainwin_test::Click;

namespace {

class ReportCommandTest : public CalcTest {
 protected:
  void SetUp() override {
    CalcTest::SetUp();
    ASSERT_TRUE(temp_.isValid());
    platform::SetCarpetaTemp(temp_.path());
    old_ = platform::SetProgramStarter([this](const QString&, const QStringList& a) {
      reports.push_back(a.value(0));
      return true;
    });
  }
  void TearDown() override {
    platform::SetProgramStarter(old_);
    platform::SetCarpetaTemp(QString());
    CalcTest::TearDown();
  }
  QTemporaryDir temp_;
  std::vector<QString> reports;
  platform::ProgramStarter old_;
};

TEST_F(ReportCommandTest, ReportOfTheCalculatedCaseInTheTabsWords) {
  ChooseCase(100);
  FillInputs({{"EI", "20000000"}, {"L", "4"}, {"X", "1"}, {"W0", "1500"}});
  Calculate();
  ASSERT_TRUE(GraphAndReportOn());
  const QString shown = Text(RowOf("Y"));

  Click(F().LblINF[1]);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(F().Pictest->FontSize(), F().PicG->FontSize());
  QFile f(reports[0]);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString rex = QString::fromLatin1(f.readAll());
  const QString title = F().LblMainTIT[1]->Caption();
  EXPECT_TRUE(rex.contains("#ENU(&+B" + title + "&-B&LF" + F().GetL_win("ENU0")));
  EXPECT_TRUE(rex.contains(F().GetL_win("SubstituteObtain") + ":&LF"));
  EXPECT_TRUE(rex.contains(F().GetL_win("atxWeObtain").replace("%X%", "&+Ix = &-I1 m") + ":&LF"));
  // The rows still show the calculation, and the report changed no input.
  EXPECT_EQ(Text(RowOf("Y")), shown);
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ReportCommandTest, AReportThatCannotBeShownSaysSoAndLeavesNoFiles) {
  ChooseCase(100);
  FillInputs({{"EI", "20000000"}, {"L", "4"}, {"X", "1"}, {"W0", "1500"}});
  Calculate();
  ASSERT_TRUE(GraphAndReportOn());
  platform::SetProgramStarter({});  // the real start: there is no viewer beside the tests

  Click(F().LblINF[1]);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(messages_.messages[0].prompt.startsWith(
      "The report was not shown: the report viewer cannot be started:\r\n"));
  const QString work = platform::CarpetaTemp() + "/qntemp";
  EXPECT_TRUE(QDir(work).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(GraphAndReportOn());
}

// The report states the values at C and D of the point loads' own positions:
// an asymmetric two-load case and an overhang whose D is the free tip.
TEST_F(ReportCommandTest, ValuesAtTheLoadPointsAreThoseAtTheirPositions) {
  namespace S = Vigas::Slot;
  const std::map<QString, QString> inputs = {{"EI", "21000"}, {"L", "6"},   {"X", "2.5"},
                                             {"P", "40"},     {"P1", "30"}, {"P2", "-12"},
                                             {"a", "1.5"},    {"b", "2"},   {"#c", "1.5"}};
  for (int code : {112, 503}) {
    SCOPED_TRACE(code);
    ChooseCase(code);
    FillInputs(inputs);
    Calculate();
    ASSERT_TRUE(GraphAndReportOn());
    const report::ReportData reported = report::ReportDataFromEngine(QString());
    report::ReportData expected = reported;
    for (auto [at, first] : {std::pair{S::xC, S::Yc}, std::pair{S::xD, S::Yd}}) {
      ASSERT_TRUE(Vigas::HasValue(reported.Datos[at]));
      Vigas::Datos[S::x] = reported.Datos[at];
      Vigas::CalcularCaso(code, false);
      for (int q = 0; q < 4; ++q) expected.Datos[first + 7 * q] = Vigas::Datos[S::Y + 7 * q];
    }
    const report::TextLookup text = [this](const QString& key) { return F().GetL_win(key); };
    const QString solution = report::ReportSolution(reported, text);
    EXPECT_TRUE(solution.contains("&+Iy&-I_C = ") && solution.contains("&+IV&-I_D = "));
    EXPECT_EQ(solution, report::ReportSolution(expected, text));
  }
}

}  // namespace
