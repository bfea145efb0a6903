// The Graph command from the main window: recalculation, the chooser, the
// graph window, and the calculation's data put back when the graph closes.
#include <QDialog>
#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>

#include "CalcTestSupport.h"
#include "graphs/FormEditGRAF.h"
#include "graphs/FormGraficaVIGAS.h"
#include "graphs/GraphState.h"
#include "platform/Modal.h"

using mainwin_test::CalcTest;
using mainwin_test::Click;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

class GraphCommandTest : public CalcTest {
 protected:
  void SetUp() override {
    CalcTest::SetUp();
    old_ = platform::SetModalRunner([this](QDialog& d) {
      shown.push_back(d.metaObject()->className());
      if (scripts.empty()) return;
      auto s = std::move(scripts.front());
      scripts.pop_front();
      s(d);
    });
  }
  void TearDown() override {
    platform::SetModalRunner(old_);
    CalcTest::TearDown();
  }
  void ChooseAndCalculate() {
    ChooseCase(100);
    FillInputs({{"EI", "20000000"}, {"L", "4"}, {"X", "1"}, {"W0", "1500"}});
    Calculate();
    ASSERT_TRUE(GraphAndReportOn());
  }

  std::deque<std::function<void(QDialog&)>> scripts;
  std::vector<QString> shown;
  platform::ModalRunner old_;
};

TEST_F(GraphCommandTest, GraphOfTheCaseThenTheCalculationsDataAreBack) {
  ChooseAndCalculate();
  double before[Vigas::kNumSlots];
  std::copy(std::begin(Datos), std::end(Datos), before);

  scripts.push_back([](QDialog& d) {
    auto& c = static_cast<FormEditGRAF&>(d);
    EXPECT_EQ(CodigoCaso, "100");
    EXPECT_EQ(c.SelectedOption(), 0);  // nothing chosen yet
    EXPECT_EQ(c.LblTIT->text(), TituloPestana(1));
    c.SelectOption(2);
    c.Lblbot_Click(0);
  });
  double midMoment = 0;
  PuntosX[kPuntosGrafica] = 0;
  scripts.push_back([&](QDialog& d) {
    // The curve follows the first resize once its pause is over.
    auto& w = static_cast<FormGraficaVIGAS&>(d);
    qt_test::HeldTimers timers(&w);
    ASSERT_TRUE(timers.Fire(w.Timer1));
    midMoment = PuntosY[33];
    EXPECT_EQ(PuntosX[64], 4);
    EXPECT_EQ(Datos[Slot::x], 4);  // the last sample, while the graph is open
    w.Lblbot_Click(4);
  });
  Click(F().LblGRA[1]);
  EXPECT_EQ(shown, (std::vector<QString>{"FormEditGRAF", "FormGraficaVIGAS"}));
  EXPECT_EQ(TipoGrafica, 3);
  EXPECT_DOUBLE_EQ(midMoment, 1500.0 * 4 * 4 / 8);
  EXPECT_TRUE(TituloCaso1.startsWith(F().LblMENU[1]->Caption()));
  // The user's x and every result of the calculation, as they were.
  EXPECT_EQ(Datos[Slot::x], 1);
  for (int i = 0; i < Vigas::kNumSlots; ++i) EXPECT_EQ(Datos[i], before[i]) << i;
  EXPECT_EQ(Vigas::FlagError, 0);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(GraphCommandTest, NoTabNoGraphAndACancelledChoiceOpensNoWindow) {
  Click(F().LblGRA[1]);  // no tab chosen yet: nothing at all
  EXPECT_TRUE(shown.empty());

  ChooseAndCalculate();
  scripts.push_back([](QDialog& d) { static_cast<FormEditGRAF&>(d).Lblbot_Click(1); });
  F().LblGRA_Click(1);
  EXPECT_EQ(shown, std::vector<QString>{"FormEditGRAF"});
  EXPECT_FALSE(EditGrafAceptado);
}

TEST_F(GraphCommandTest, AFailedRecalculationEndsWithInvalidDataAndNoGraph) {
  ChooseAndCalculate();
  Enter(RowOf("L"), "-4");  // a span the case refuses
  scripts.push_back([](QDialog& d) { static_cast<FormEditGRAF&>(d).Lblbot_Click(0); });
  F().LblGRA_Click(1);
  EXPECT_EQ(shown, std::vector<QString>{"FormEditGRAF"});
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_EQ(messages_.messages.back().prompt, "Invalid data.");
  EXPECT_FALSE(EditGrafAceptado);
  EXPECT_EQ(Vigas::FlagError, 1);  // the recalculation's outcome is kept
}

}  // namespace
