// The calculation through the boxes and the Calculate button: all 54 cases,
// values worked out by hand, the two error reports, what the boxes show
// afterwards, and the extremes search.
#include <QClipboard>
#include <cmath>

#include "CalcTestSupport.h"

using mainwin_test::CalcTest;
using Vigas::Datos;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace {

// Inputs that suit every case: lengths fit in the span, loads of any sign.
const std::map<QString, QString> kInputs = {
    {"EI", "2"}, {"L", "4"},   {"X", "1.5"}, {"W0", "3"}, {"W1", "3"},  {"W2", "2"},
    {"P", "5"},  {"P1", "5"},  {"P2", "-3"}, {"M0", "7"}, {"M1", "7"},  {"M2", "4"},
    {"a", "1"},  {"b", "1.5"}, {"c", "1"},   {"#a", "1"}, {"#c", "1.2"}};

class CalculationTest : public CalcTest {
 protected:
  // The message recorded last, as prompt key and title.
  void ExpectOneMessage(const char* key) {
    ASSERT_EQ(messages_.messages.size(), 1u);
    const platform::Message& m = messages_.messages[0];
    EXPECT_EQ(m.prompt, F().GetL_win(key));
    EXPECT_FALSE(m.prompt.isEmpty());
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
    messages_.messages.clear();
  }
  void ExpectNoResults() {
    for (int r = F().Model().InputRows(Tab()); r < 15; ++r) EXPECT_FALSE(Shown(r)) << r;
    EXPECT_FALSE(GraphAndReportOn());
  }
};

TEST_F(CalculationTest, EveryCaseCalculatesAndShowsAllItsRows) {
  const auto golden = mainwin_test::ReadGoldenRows();
  ASSERT_EQ(golden.size(), 54u);
  for (int code : mainwin_test::AllCodes()) {
    SCOPED_TRACE(code);
    ChooseCase(code);
    FillInputs(kInputs);
    Calculate();
    EXPECT_TRUE(messages_.messages.empty());
    messages_.messages.clear();
    ASSERT_TRUE(GraphAndReportOn());
    ASSERT_EQ(Vigas::FlagError, 0);

    for (const auto& g : golden.at(code)) {
      SCOPED_TRACE(g.row);
      EXPECT_EQ(Shown(g.row), !g.key.isEmpty());
      EXPECT_EQ(F().Label1[Index(g.row)]->Visible(), !g.key.isEmpty());
      if (g.key.isEmpty()) continue;
      if (g.input) {
        EXPECT_EQ(Text(g.row), kInputs.at(g.key));  // as typed
        continue;
      }
      const int slot = Vigas::IndiceDato(g.key.toStdString());
      ASSERT_GE(slot, 0);
      EXPECT_EQ(Text(g.row).toStdString(),
                Vigas::FormatoNumero(Datos[slot] * Vigas::FactorUnidad[g.kind], 0));
    }

    // An extreme is never smaller than the value at an end or load point,
    // but by rounding, and the value at x lies within it.
    for (int Q : {Slot::Y, Slot::Theta, Slot::M, Slot::V}) {
      SCOPED_TRACE(Q);
      const double extreme = std::fabs(Datos[Q + 2]);
      ASSERT_NE(extreme, SinValor);
      EXPECT_GE(extreme * (1 + 1e-12), std::fabs(Datos[Q + 1]));
      for (int p = 3; p <= 6; ++p) {  // the values at A, B, C and D
        if (Datos[Q + p] == SinValor) continue;
        EXPECT_GE(extreme * (1 + 1e-12), std::fabs(Datos[Q + p])) << "point " << p;
      }
      EXPECT_GE(extreme * (1 + 1e-6), std::fabs(Datos[Q]));
    }
  }
}

TEST_F(CalculationTest, ResultsWorkedOutByHand) {
  // Uniform load on a simply supported beam: 5wL^4/384EI, wL^2/8, wL^3/24EI.
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "1"}, {"X", "0.5"}, {"W0", "1"}});
  Calculate();
  EXPECT_EQ(Text(RowOf("Y")), "-0.01302");
  EXPECT_EQ(Text(RowOf("Ymax")), "-0.01302");
  EXPECT_NEAR(Datos[Slot::xYmax], 0.5, 1e-3);
  EXPECT_EQ(Text(RowOf("Mmax")), "0.125");
  EXPECT_EQ(Text(RowOf("M")), "0.125");
  EXPECT_EQ(Text(RowOf("V")), "0");
  EXPECT_EQ(Text(RowOf("ThetaA")), "-0.04167");
  EXPECT_EQ(Text(RowOf("ThetaB")), "0.04167");
  EXPECT_EQ(Datos[Slot::Ymin], 0);  // the other extreme, at the supports
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_EQ(F().ImgGRA[1]->Picture().toImage(), F().ImgWARE[1]->Picture().toImage());

  // Point load at midspan: PL/4, PL^3/48EI; M at x = Ra x.
  ChooseCase(108);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"X", "0.5"}, {"P", "1"}});
  Calculate();
  EXPECT_EQ(Text(RowOf("Mmax")), "0.5");
  EXPECT_EQ(Text(RowOf("Ymax")), "-0.1667");
  EXPECT_EQ(Text(RowOf("M")), "0.25");
  EXPECT_EQ(Text(RowOf("V")), "0.5");

  // Cantilever with a tip load: PL^3/3EI at the tip, -PL at the wall.
  ChooseCase(207);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"X", "1"}, {"P", "1"}});
  Calculate();
  EXPECT_EQ(Text(RowOf("Ymax")), "-2.667");
  EXPECT_DOUBLE_EQ(Datos[Slot::xYmax], 2);
  EXPECT_EQ(Text(RowOf("Mmax")), "-2");
  EXPECT_EQ(Text(RowOf("Va")), "1");
  EXPECT_EQ(Text(RowOf("ThetaB")), "-2");

  // Tip load on an overhang a, lengths typed in millimetres: the search
  // covers span and overhang, 3 m. Tip deflection P a^2 (L + a) / 3EI.
  Vigas::SeleccionarUnidad(1, 2);
  ChooseCase(502);
  FillInputs({{"EI", "1"}, {"L", "2000"}, {"X", "500"}, {"P", "1"}, {"#a", "1000"}});
  Calculate();
  EXPECT_EQ(Text(RowOf("Ymax")), "-1");
  EXPECT_NEAR(Datos[Slot::xYmax], 3, 1e-12);
  EXPECT_EQ(Text(RowOf("Mmax")), "-1");
  EXPECT_EQ(Text(RowOf("Va")), "-0.5");
  EXPECT_EQ(F().Label1[Index(1)]->Caption(), " Length (mm)");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(CalculationTest, UnreadableMissingAndOutOfRangeInputsAreReported) {
  ChooseCase(100);
  FillInputs({{"EI", "1.0"}, {"L", "1"}, {"W0", "1/0"}, {"X", "0.50"}});
  EXPECT_FALSE(F().Driver().Calcular());
  EXPECT_EQ(Vigas::FlagError, 1);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].prompt,
            F().GetL_win("InputNotANumber").arg("Distributed load (N/m)", "1/0"));
  messages_.messages.clear();
  // Rows before the bad one are read and rewritten; it and later rows keep
  // what was typed.
  EXPECT_EQ(Text(0), "1");
  EXPECT_EQ(Text(2), "1/0");
  EXPECT_EQ(Text(5), "0.50");
  ExpectNoResults();

  Enter(2, "");
  Calculate();
  EXPECT_EQ(Vigas::FlagError, 1);
  ExpectOneMessage("InvalidInputValues");
  ExpectNoResults();

  Enter(2, "1");
  Enter(5, "2");  // beyond the 1 m span
  EXPECT_FALSE(F().Driver().Calcular());
  EXPECT_EQ(Vigas::FlagError, 1);
  ExpectOneMessage("InvalidInputValues");
  ExpectNoResults();

  Enter(5, "1");
  EXPECT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Vigas::FlagError, 0);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_TRUE(GraphAndReportOn());

  // A tab without a case calculates nothing and says nothing.
  ChooseTab(2);
  EXPECT_FALSE(F().Driver().Calcular());
  EXPECT_EQ(Vigas::FlagError, 1);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(CalculationTest, ANumberTooLargeToComputeWithIsToldSoAndNamed) {
  Vigas::SeleccionarUnidad(4, 19);  // kN/m: a typed load is a thousand times larger in N/m
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"W0", "1"}, {"X", "0.5"}});
  const QString caption = "Distributed load (kN/m)";
  // Too large as typed, past the double range only once converted, or at
  // the no-value mark in base units.
  for (const QString large : {"1e400", "1e308", "1.28e296"}) {
    SCOPED_TRACE(large.toStdString());
    Box(2)->SetText(large);
    EXPECT_FALSE(F().Driver().Calcular());
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].prompt, F().GetL_win("InputTooLarge").arg(caption, large));
    messages_.messages.clear();
    ExpectNoResults();
  }
  Box(2)->SetText("1e200");
  EXPECT_TRUE(F().Driver().Calcular());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(CalculationTest, ABoxThatIsNotOneNumberStopsTheCalculationAndIsNamed) {
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"W0", "1"}, {"X", "0.5"}});
  ASSERT_TRUE(F().Driver().Calcular());
  const QString caption = F().Label1[Index(2)]->Caption().trimmed();
  ASSERT_EQ(caption, "Distributed load (N/m)");

  // What a paste can leave in a box: units, words, a lone sign, an exponent
  // without mantissa, thousands points. Each used to read as its leading
  // number (or 0) and calculate.
  for (const QString junk : {"10 kN", "abc", "-", "e5", "232.000.000", "1/2/3", "3 m/s"}) {
    SCOPED_TRACE(junk.toStdString());
    QApplication::clipboard()->setText(junk);
    Box(2)->selectAll();
    qt_test::Key(Box(2), Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    ASSERT_EQ(Text(2), junk);
    Datos[Slot::w0] = 123;
    EXPECT_FALSE(F().Driver().Calcular());
    EXPECT_EQ(Vigas::FlagError, 1);
    ASSERT_EQ(messages_.messages.size(), 1u);
    const platform::Message& m = messages_.messages[0];
    EXPECT_EQ(m.prompt, F().GetL_win("InputNotANumber").arg(caption, junk));
    EXPECT_TRUE(m.prompt.contains(caption));
    EXPECT_TRUE(m.prompt.contains("\"" + junk + "\""));
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, platform::MsgIcon::Exclamation);
    messages_.messages.clear();
    EXPECT_EQ(Datos[Slot::w0], SinValor);  // nothing read from it
    EXPECT_EQ(Text(2), junk);              // the box keeps what was typed
    ExpectNoResults();
  }

  // A whole number in any form the boxes take still calculates.
  for (const QString good : {" 1 000,5 ", "12,,5", "3/4", "15%", "1.2e3"}) {
    SCOPED_TRACE(good.toStdString());
    Box(2)->SetText(good);
    EXPECT_TRUE(F().Driver().Calcular());
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(GraphAndReportOn());
  }
  EXPECT_DOUBLE_EQ(Datos[Slot::w0], 1200);
  messages_.messages.clear();

  // A long paste is named by its start only.
  Box(2)->SetText(QString(200, QChar('9')) + "x");
  EXPECT_FALSE(F().Driver().Calcular());
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_TRUE(messages_.messages[0].prompt.contains(QString(40, QChar('9')) + "..."));
  EXPECT_FALSE(messages_.messages[0].prompt.contains(QString(41, QChar('9'))));
}

TEST_F(CalculationTest, InputsKeepTheirNumberAndReadBackTheSame) {
  ASSERT_EQ(Vigas::NumDigitos, 4);
  // Two loads at a from each end: 2a may not pass L. Rounded to four digits
  // (L 2.001, a 1.001) they would; the boxes keep what was typed instead.
  ChooseCase(110);
  FillInputs({{"EI", "1"}, {"L", "2.0014"}, {"a", "1.0007"}, {"P", "1"}, {"X", "10.004/10"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Text(1), "2.0014");
  EXPECT_EQ(Text(3), "1.0007");
  EXPECT_EQ(Text(5), "1.0004");
  EXPECT_EQ(Text(RowOf("M")), "1");  // results keep four digits: P x = 1.0004
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Text(1), "2.0014");
  EXPECT_TRUE(messages_.messages.empty());

  ChooseCase(100);
  FillInputs({{"EI", "1/3"}, {"L", "10.004"}, {"W0", "1"}, {"X", "1/2"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Text(0), "0.333333333333333");
  EXPECT_EQ(Text(1), "10.004");
  EXPECT_EQ(Text(5), "0.5");
  const double y = Datos[Slot::Y];
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_NEAR(Datos[Slot::Y], y, std::fabs(y) * 1e-14);

  // The last separator read is the one the boxes are written with.
  Enter(1, "2,5");
  Enter(5, "1,25");
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Vigas::SepDecimal, ",");
  EXPECT_EQ(Text(0), "0,333333333333333");
  EXPECT_EQ(Text(1), "2,5");
  EXPECT_EQ(Text(5), "1,25");
  EXPECT_TRUE(F().mnu_Config_SepaDec_COM->isChecked());
}

TEST_F(CalculationTest, AFailedCalculationShowsNoResultFromBefore) {
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "1"}, {"W0", "1"}, {"X", "0.5"}});
  ASSERT_TRUE(F().Driver().Calcular());
  // Slots left over from an earlier solve, or written before a fault.
  Datos[Slot::Y] = 123;
  Datos[Slot::Mmax] = 456;
  F().Driver().ErrorCalculo();
  ExpectOneMessage("InvalidInputValues");
  EXPECT_EQ(Vigas::FlagError, 1);
  ExpectNoResults();
  EXPECT_EQ(Datos[Slot::Y], SinValor);
  EXPECT_EQ(Datos[Slot::Mmax], SinValor);
  EXPECT_EQ(Datos[Slot::w0], 1);  // inputs stay

  // An overflow inside the case: whatever it wrote before the fault stays hidden.
  FillInputs({{"EI", "1e-30"}, {"W0", "1e290"}, {"X", "0.001"}});
  EXPECT_FALSE(F().Driver().Calcular());
  ExpectOneMessage("InvalidInputValues");
  ExpectNoResults();
}

TEST_F(CalculationTest, ExtremesAtTheEndOfTheBeamAreFound) {
  // Load rising to B on a 1 m span: shear and slope are largest at B itself.
  ChooseCase(105);
  FillInputs({{"EI", "1"}, {"L", "1"}, {"W0", "3"}, {"X", "0.3"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_EQ(Datos[Slot::Vmax], Datos[Slot::Vb]);
  EXPECT_EQ(Datos[Slot::xVMax], 1);
  EXPECT_EQ(Datos[Slot::ThetaMax], Datos[Slot::ThetaB]);
  EXPECT_DOUBLE_EQ(Datos[Slot::Vb], -1);  // -w0 L / 3

  // A point load: the moment peak is at the load point C.
  ChooseCase(109);
  FillInputs({{"EI", "1"}, {"L", "3"}, {"P", "1"}, {"a", "1.23456"}, {"X", "0.3"}});
  ASSERT_TRUE(F().Driver().Calcular());
  EXPECT_GE(Datos[Slot::Mmax], Datos[Slot::Mc]);
  EXPECT_DOUBLE_EQ(Datos[Slot::Mmax], 1.23456 * (3 - 1.23456) / 3);
}

}  // namespace
