// The case model and the calculation driver on their own: typed texts in,
// shown texts, Graph/Report and messages out. No window is made; the rows
// are plain texts.
#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <vector>

#include "engine/Vigas.h"
#include "mainwin/CalcDriver.h"
#include "mainwin/CaseModel.h"

using mainwin::CalcDriver;
using mainwin::CaseModel;
using mainwin::RowRole;
using Vigas::Datos;
using Vigas::SinValor;
namespace Slot = Vigas::Slot;

namespace {

// The rows of five tabs as texts, recording what the driver does to them.
struct TextRows : mainwin::RowsView {
  QString text[6][15];
  bool shown[6][15] = {};
  bool graphReport[6] = {};
  int layouts = 0;
  std::vector<QString> errors;

  QString BoxText(int t, int r) const override { return text[t][r]; }
  bool BoxShown(int t, int r) const override { return shown[t][r]; }
  void SetBoxText(int t, int r, const QString& s) override { text[t][r] = s; }
  void SetBoxShown(int t, int r, bool on) override { shown[t][r] = on; }
  void RowsWritten(int) override { ++layouts; }
  void SetGraphReport(int t, bool on) override { graphReport[t] = on; }
  void ShowError(const QString& prompt, const QString& title) override {
    errors.push_back(title + ": " + prompt);
  }
};

QString Text(const QString& key) {
  static const std::map<QString, QString> texts = {
      {"Error", "Error"},
      {"InvalidInputValues", "invalid"},
      {"InvalidInputValuesRead", "unreadable"},
      {"InputNotANumber", "%1 is not a number: \"%2\""}};
  auto it = texts.find(key);
  return it == texts.end() ? QString() : it->second;
}

class CalcDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Vigas::IniciarVariables();
    Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice);
    Vigas::SepDecimal = ".";
    Vigas::NumDigitos = 4;
    Vigas::TipoViga = 0;
    for (auto& c : Vigas::CasoCarga) c = -1;
  }
  void TearDown() override { Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice); }

  // Chooses the case and shows its input rows, as the window does.
  void Choose(int code) {
    const int t = code / 100;
    Vigas::TipoViga = static_cast<int16_t>(t);
    Vigas::CasoCarga[t] = static_cast<int16_t>(code % 100);
    model_.SetCase(t, code);
    for (int r = 0; r < 15; ++r) {
      rows_.text[t][r].clear();
      rows_.shown[t][r] = model_.IsInputRow(t, r) && model_.Row(t, r).role != RowRole::Empty;
    }
  }
  // Types the texts into the rows of the current tab by slot key.
  void Type(const std::map<std::string, QString>& values) {
    const int t = Vigas::TipoViga;
    for (int r = 0; r < 15; ++r) {
      auto it = values.find(model_.Row(t, r).key);
      if (it != values.end()) rows_.text[t][r] = it->second;
    }
  }
  int RowOf(const std::string& key) const {
    for (int r = 0; r < 15; ++r)
      if (model_.Row(Vigas::TipoViga, r).key == key) return r;
    return -1;
  }
  std::string Shows(const std::string& key) const {
    return rows_.text[Vigas::TipoViga][RowOf(key)].toStdString();
  }
  bool ResultsShown() const {
    const int t = Vigas::TipoViga;
    for (int r = model_.InputRows(t); r < 15; ++r)
      if (rows_.shown[t][r]) return true;
    return false;
  }

  CaseModel model_;
  TextRows rows_;
  CalcDriver driver_{model_, rows_, Text};
};

TEST_F(CalcDriverTest, TheModelHoldsEachRowsRoleSlotAndCaption) {
  model_.SetCase(5, 503);  // span load at a, overhang c
  EXPECT_EQ(model_.FilasExtra(5), 0);
  EXPECT_EQ(model_.Row(5, 3).role, RowRole::Input);
  EXPECT_EQ(model_.Row(5, 3).slot, Slot::a);
  EXPECT_EQ(model_.Row(5, 4).role, RowRole::OverhangInput);
  EXPECT_EQ(model_.Row(5, 4).slot, Slot::c);
  EXPECT_EQ(model_.OverhangRow(5), 4);
  EXPECT_EQ(model_.PositionRow(5), 5);
  EXPECT_EQ(model_.Row(5, 5).slot, Slot::x);
  EXPECT_EQ(model_.Row(5, 11).role, RowRole::Result);
  EXPECT_EQ(model_.Row(5, 11).slot, Slot::Va);

  // Nine inputs for 104; its "y" names the deflection slot.
  model_.SetCase(1, 104);
  EXPECT_EQ(model_.InputRows(1), 9);
  EXPECT_EQ(model_.Row(1, 2).role, RowRole::Empty);
  EXPECT_EQ(model_.Row(1, 7).role, RowRole::Input);
  EXPECT_EQ(model_.Row(1, 9).slot, Slot::Y);
  EXPECT_EQ(model_.OverhangRow(1), -1);
  // Another case on the tab starts from empty rows.
  model_.SetCase(1, 118);
  EXPECT_EQ(model_.InputRows(1), 6);
  EXPECT_EQ(model_.Row(1, 2).role, RowRole::Empty);
  EXPECT_EQ(model_.Row(1, 7).role, RowRole::Result);
  EXPECT_EQ(model_.Row(1, 13).slot, Slot::ThetaA);

  // Captions carry the unit now chosen; a slope has none, an empty row no caption.
  Vigas::SeleccionarUnidad(1, 2);  // mm
  EXPECT_EQ(model_.CaptionShown(1, 1), " Length (mm)");
  EXPECT_DOUBLE_EQ(model_.RowFactor(1, 1), 1000);
  EXPECT_EQ(model_.CaptionShown(1, 12), " Slope");
  EXPECT_DOUBLE_EQ(model_.RowFactor(1, 12), 1);
  EXPECT_EQ(model_.CaptionShown(1, 2), "");

  // A tab or row out of range is an empty row.
  EXPECT_EQ(model_.Row(0, 1).role, RowRole::Empty);
  EXPECT_EQ(model_.Row(6, 1).role, RowRole::Empty);
  EXPECT_EQ(model_.Row(1, 15).role, RowRole::Empty);
  EXPECT_EQ(model_.PositionRow(2), -1);
}

TEST_F(CalcDriverTest, ABeamFixedAtBothEndsIsCalculatedFromTypedTexts) {
  // Uniform load w on a span L fixed at both ends: end moments -wL^2/12,
  // midspan deflection wL^4/384EI, shear wL/2 at the ends.
  Choose(300);
  Type({{"EI", "1"}, {"L", "2"}, {"W0", "12"}, {"X", "2/2"}});
  EXPECT_TRUE(driver_.Calcular());
  EXPECT_EQ(Vigas::FlagError, 0);
  EXPECT_TRUE(rows_.errors.empty());
  EXPECT_TRUE(rows_.graphReport[3]);
  EXPECT_EQ(rows_.layouts, 1);

  EXPECT_EQ(Shows("X"), "1");  // inputs read back as the number read
  EXPECT_EQ(Shows("Y"), "-0.5");
  EXPECT_EQ(Shows("Ymax"), "-0.5");
  EXPECT_EQ(Shows("M"), "2");
  EXPECT_EQ(Shows("Mmax"), "-4");
  EXPECT_EQ(Shows("V"), "0");
  EXPECT_EQ(Shows("Va"), "12");
  EXPECT_EQ(Shows("Vb"), "-12");
  EXPECT_NEAR(Datos[Slot::xYmax], 1, 1e-3);
  EXPECT_TRUE(Datos[Slot::xMMax] == 0 || Datos[Slot::xMMax] == 2);
  EXPECT_EQ(Datos[Slot::Theta], 0);
  // Rows no quantity of this case uses stay hidden.
  EXPECT_FALSE(rows_.shown[3][11]);
  EXPECT_TRUE(rows_.shown[3][RowOf("Vb")]);

  // The same beam in kN and millimetres: the same physics, other numbers.
  Vigas::SeleccionarUnidad(1, 2);   // lengths in mm
  Vigas::SeleccionarUnidad(4, 19);  // loads in kN/m
  Vigas::SeleccionarUnidad(5, 25);  // moments in kN·m
  Type({{"L", "2000"}, {"W0", "0.012"}, {"X", "1000"}});
  EXPECT_TRUE(driver_.Calcular());
  EXPECT_EQ(Shows("Mmax"), "-4E-3");
  EXPECT_EQ(Shows("Y"), "-0.5");  // deflection is still in metres
}

TEST_F(CalcDriverTest, JunkIsRefusedWithItsRowNamedAndAnEmptyRowIsMissing) {
  Choose(100);
  Type({{"EI", "1.0"}, {"L", "1"}, {"W0", "10 kN"}, {"X", "0.50"}});
  EXPECT_FALSE(driver_.Calcular());
  EXPECT_EQ(Vigas::FlagError, 1);
  ASSERT_EQ(rows_.errors.size(), 1u);
  EXPECT_EQ(rows_.errors[0], "Error: Distributed load (N/m) is not a number: \"10 kN\"");
  EXPECT_FALSE(rows_.graphReport[1]);
  // Rows before the bad one are read and rewritten; it and later rows keep
  // what was typed; nothing is read from it.
  EXPECT_EQ(Shows("EI"), "1");
  EXPECT_EQ(Shows("W0"), "10 kN");
  EXPECT_EQ(Shows("X"), "0.50");
  EXPECT_EQ(Datos[Slot::w0], SinValor);
  EXPECT_FALSE(ResultsShown());

  // Without a text for the named message, the general one.
  CalcDriver plain(model_, rows_, [](const QString& key) {
    return key == "InputNotANumber" ? QString() : Text(key);
  });
  rows_.errors.clear();
  EXPECT_FALSE(plain.Calcular());
  ASSERT_EQ(rows_.errors.size(), 1u);
  EXPECT_EQ(rows_.errors[0], "Error: unreadable");

  // An empty input reads as missing: the case refuses the data.
  rows_.errors.clear();
  Type({{"W0", ""}});
  EXPECT_FALSE(driver_.Calcular());
  ASSERT_EQ(rows_.errors.size(), 1u);
  EXPECT_EQ(rows_.errors[0], "Error: invalid");
  EXPECT_FALSE(ResultsShown());
  EXPECT_FALSE(rows_.graphReport[1]);

  // A tab without a case calculates nothing and says nothing.
  rows_.errors.clear();
  Vigas::TipoViga = 2;
  EXPECT_FALSE(driver_.Calcular());
  EXPECT_EQ(Vigas::FlagError, 1);
  EXPECT_TRUE(rows_.errors.empty());
}

TEST_F(CalcDriverTest, NewUnitsRewriteEveryTabFromWhatWasRead) {
  Choose(100);
  Type({{"EI", "1"}, {"L", "2"}, {"W0", "5"}, {"X", "0.5"}});
  ASSERT_TRUE(driver_.Calcular());
  Choose(201);
  Type({{"EI", "1"}, {"L", "3"}, {"W0", "1/0"}, {"a", "1"}, {"X", ""}});
  const CalcDriver::Snapshot read = driver_.ReadTabs();
  EXPECT_DOUBLE_EQ(read[1][1], 2);
  EXPECT_EQ(read[2][2], SinValor);  // unreadable
  EXPECT_DOUBLE_EQ(read[2][3], 1);  // read all the same
  EXPECT_EQ(read[3][0], SinValor);  // no case on the tab

  Vigas::SeleccionarUnidad(1, 1);  // cm
  driver_.RewriteTabs(read);
  EXPECT_EQ(rows_.text[1][1], "200");
  EXPECT_EQ(rows_.text[1][5], "50");
  EXPECT_EQ(rows_.text[1][2], "5");  // loads keep their unit
  EXPECT_EQ(rows_.text[2][1], "300");
  EXPECT_EQ(rows_.text[2][2], "1/0");  // kept as typed
  EXPECT_EQ(rows_.text[2][3], "100");
  EXPECT_EQ(rows_.text[2][5], "");
  for (int t : {1, 2}) {
    EXPECT_FALSE(rows_.graphReport[t]) << t;
    for (int r = model_.InputRows(t); r < 15; ++r) EXPECT_FALSE(rows_.shown[t][r]) << t << r;
  }
  EXPECT_EQ(Vigas::TipoViga, 2);
  EXPECT_DOUBLE_EQ(Datos[Slot::L], 3);  // as reading the current tab leaves it
  EXPECT_EQ(Datos[Slot::Y], SinValor);
  EXPECT_TRUE(rows_.errors.empty());

  // No tab chosen yet: nothing is read or written.
  Vigas::TipoViga = 0;
  const CalcDriver::Snapshot none = driver_.ReadTabs();
  EXPECT_EQ(none[1][1], SinValor);
  rows_.text[1][1] = "7";
  driver_.RewriteTabs(read);
  EXPECT_EQ(rows_.text[1][1], "7");
}

}  // namespace
