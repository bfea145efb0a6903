// The units dialog: its window, the options of each kind, and what OK,
// Apply, Cancel, Enter and Esc do to the boxes of every tab and to the
// stored choice.
#include <QApplication>
#include <cstring>
#include <functional>

#include "CalcTestSupport.h"
#include "graphs/FormEditGRAF.h"
#include "mainwin/FormVigasEditUnits.h"
#include "platform/Modal.h"
#include "platform/Settings.h"

using mainwin_test::CalcTest;
using mainwin_test::Click;
using mainwin_test::ClickOption;
using mainwin_test::Key;
using mainwin_test::SendMouse;
namespace Slot = Vigas::Slot;

namespace {

class UnitsDialogTest : public CalcTest {
 protected:
  // Opens the dialog through `open` (a menu item or a double click) and runs
  // `drive` on it while it is open modally; it is closed afterwards in any case.
  void WithDialog(const std::function<void()>& open,
                  const std::function<void(FormVigasEditUnits&)>& drive) {
    bool found = false;
    platform::ModalRunner old = platform::SetModalRunner([&](QDialog& dialog) {
      auto* d = qobject_cast<FormVigasEditUnits*>(&dialog);
      ASSERT_NE(d, nullptr);
      found = true;
      EXPECT_TRUE(d->isModal());
      drive(*d);
    });
    open();
    platform::SetModalRunner(old);
    EXPECT_TRUE(found);
  }
  void FromMenu(const std::function<void(FormVigasEditUnits&)>& drive) {
    WithDialog([this] { F().mnu_Config_Unidades->trigger(); }, drive);
  }
  QString Stored() { return platform::GetSetting("TORV", "UNID", "IDOPT", "(none)"); }
};

TEST_F(UnitsDialogTest, WindowShowsTheSixKindsWithTheCurrentUnitsChecked) {
  Vigas::SeleccionarUnidad(4, 19);  // kN/m
  FormVigasEditUnits d(F().Driver());
  EXPECT_EQ(d.size(), QSize(622, 467));
  EXPECT_EQ(d.windowTitle(), "Units");
  EXPECT_EQ(d.Label1[1]->Caption(), "Lengths, distances and positions");
  EXPECT_EQ(d.Label1[6]->Caption(), QString::fromUtf8("Flexural rigidity E\u00B7I"));
  EXPECT_EQ(d.Lblbot[0]->Caption(), "OK");
  EXPECT_EQ(d.Lblbot[1]->Caption(), "Cancel");
  EXPECT_EQ(d.Lblbot[2]->Caption(), "Apply");
  for (int k = 0; k < 42; ++k) {
    SCOPED_TRACE(k);
    const int q = k < 30 ? k / 6 + 1 : 6;  // each kind's options in its own box
    EXPECT_EQ(d.Option1[k]->Tag, QString::number(q));
    EXPECT_EQ(d.Option1[k]->parentWidget(), d.Picture1[q]);
    const bool current = k == 0 || k == 6 || k == 12 || k == 19 || k == 24 || k == 30;
    EXPECT_EQ(d.Option1[k]->Value(), current);
    EXPECT_EQ(d.Option1[k]->FontBold(), current);
  }
  EXPECT_EQ(d.Option1[3]->text(), QString::fromUtf8("\u00B5m"));
  EXPECT_EQ(d.Option1[41]->Top(), 47);  // rigidity takes a second row

  // A click moves the check and the bold face within its kind only.
  ClickOption(d.Option1[2]);
  EXPECT_TRUE(d.Option1[2]->Value());
  EXPECT_FALSE(d.Option1[0]->Value());
  EXPECT_TRUE(d.Option1[2]->FontBold());
  EXPECT_FALSE(d.Option1[0]->FontBold());
  EXPECT_TRUE(d.Option1[6]->Value());
  ClickOption(d.Option1[2]);  // clicking the checked one keeps it
  EXPECT_TRUE(d.Option1[2]->Value());

  // Pressed look of the image buttons.
  SendMouse(d.Lblbot[1], QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(d.Imgbot[1]->Left(), 331);
  EXPECT_EQ(d.Imgbot[1]->Top(), 12);
  EXPECT_EQ(d.Lblbot[1]->Top(), 19);
  SendMouse(d.Lblbot[1], QEvent::MouseButtonRelease, {3, 500}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(d.Imgbot[1]->Left(), 330);
  EXPECT_EQ(d.Lblbot[1]->Top(), 18);
}

// Under a dark theme (light text on dark grounds) every text the program puts
// on a ground of its own still reads: units, chooser headings, case lists.
TEST_F(UnitsDialogTest, TextsOnTheProgramsOwnGroundsReadUnderADarkTheme) {
  const QPalette theme = QApplication::palette();
  QApplication::setPalette(QPalette(QColor(240, 240, 240), QColor(40, 40, 40)));
  for (auto ink : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    ASSERT_GT(qGray(QApplication::palette().color(ink).rgb()), 200) << ink;  // light on dark
  auto reads = [](const QWidget* w, QPalette::ColorRole ink, QPalette::ColorRole ground) {
    const QPalette& p = w->palette();
    return std::abs(qGray(p.color(ink).rgb()) - qGray(p.color(ground).rgb())) > 128;
  };
  FormVigasEditUnits units(F().Driver());
  for (int k = 0; k < 42; ++k)
    EXPECT_TRUE(reads(units.Option1[k], QPalette::WindowText, QPalette::Window)) << k;
  FormEditGRAF chooser;
  EXPECT_TRUE(reads(chooser.LblTIT, QPalette::WindowText, QPalette::Window));
  EXPECT_TRUE(reads(chooser.LblINSTR, QPalette::WindowText, QPalette::Window));
  FormMain main;
  for (int t = 1; t <= 5; ++t) EXPECT_TRUE(reads(main.List1[t], QPalette::Text, QPalette::Base));
  QApplication::setPalette(theme);
}

TEST_F(UnitsDialogTest, MetresToCentimetresRewritesEveryTabAndIsStored) {
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"W0", "5"}, {"X", "0.5"}});
  Calculate();
  const double y = Vigas::Datos[Slot::Y];
  ChooseCase(300);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"W0", "5"}});  // x left empty
  Calculate();
  messages_.messages.clear();
  Vigas::SeleccionarUnidad(4, 19);  // loads in kN/m: "5" means 5000 N/m
  F().PosicionaIOControls();

  FromMenu([&](FormVigasEditUnits& d) {
    ClickOption(d.Option1[1]);   // cm
    ClickOption(d.Option1[18]);  // N/m
    Click(d.Lblbot[0]);          // OK
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Stored(), "010612182430");
  EXPECT_EQ(Vigas::UnidadSel[1], "cm");
  for (int t : {1, 3}) {
    SCOPED_TRACE(t);
    EXPECT_EQ(Text(1, t), "200");
    EXPECT_EQ(Text(2, t), "5000");
    EXPECT_EQ(F().Label1[Index(1, t)]->Caption(), " Length (cm)");
    EXPECT_FALSE(GraphAndReportOn(t));
    for (int r = 6; r < 15; ++r) EXPECT_FALSE(Shown(r, t)) << r;
  }
  EXPECT_EQ(Text(5, 1), "50");
  EXPECT_EQ(Text(5, 3), "");  // an empty box stays empty
  EXPECT_EQ(Vigas::TipoViga, 3);

  // The same beam again, in the new units.
  ChooseTab(1);
  Calculate();
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_NEAR(Vigas::Datos[Slot::Y], y * 1000, std::fabs(y) * 1e-9);  // 5000 N/m now
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(UnitsDialogTest, ApplyStartsFromWhatWasReadAtOpeningAndKeepsWhatTheUserTyped) {
  ChooseCase(103);
  FillInputs({{"EI", "2"}, {"L", "4"}, {"W0", "1/0"}, {"a", "1"}, {"b", "1"}, {"X", "2"}});
  Box(4)->SetText("1 m");  // pasted with its unit: not a number, so not converted
  WithDialog([this] { mainwin_test::DoubleClick(F().Label1[Index(1)]); },
             [&](FormVigasEditUnits& d) {
               ClickOption(d.Option1[1]);  // cm
               Click(d.Lblbot[2]);         // Apply
               EXPECT_TRUE(d.isVisible());
               // One unreadable row leaves the rows after it converted too.
               EXPECT_EQ(Text(1), "400");
               EXPECT_EQ(Text(2), "1/0");
               EXPECT_EQ(Text(3), "100");
               EXPECT_EQ(Text(4), "1 m");
               EXPECT_EQ(Text(5), "200");
               ClickOption(d.Option1[2]);  // mm, from the same reading
               Click(d.Lblbot[2]);
               EXPECT_EQ(Text(1), "4000");
               ClickOption(d.Option1[4]);  // ft, and back to metres
               Click(d.Lblbot[2]);
               ClickOption(d.Option1[0]);
               Click(d.Lblbot[2]);
               EXPECT_EQ(Text(1), "4");
               ClickOption(d.Option1[4]);
               Key(d.Option1[4], Qt::Key_Escape);  // Cancel keeps what was applied
               EXPECT_FALSE(d.isVisible());
             });
  EXPECT_EQ(Vigas::UnidadSel[1], "m");
  EXPECT_EQ(Stored(), "000612182430");

  // One foot shown in metres, digit for digit.
  FromMenu([&](FormVigasEditUnits& d) {
    ClickOption(d.Option1[4]);
    // Enter acts as OK where the focus lands as the dialog opens.
    ASSERT_TRUE(qt_test::ShowActive(&d));
    EXPECT_EQ(qobject_cast<platform::ButtonCaption*>(QApplication::focusWidget()), nullptr);
    qt_test::KeyAtFocus(Qt::Key_Return, "\r");
  });
  Enter(1, "1");
  FromMenu([&](FormVigasEditUnits& d) {
    ClickOption(d.Option1[0]);
    Click(d.Lblbot[0]);
  });
  EXPECT_EQ(Text(1), "0.3048");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(UnitsDialogTest, LeavingWithoutApplyingChangesNothing) {
  ChooseCase(100);
  FillInputs({{"EI", "1"}, {"L", "2"}, {"W0", "5"}, {"X", "0.5"}});
  ASSERT_TRUE(F().Driver().Calcular());
  ChooseCase(201);
  FillInputs({{"EI", "1"}, {"L", "3"}, {"W0", "2/0"}, {"a", "1"}, {"X", "1"}});
  ChooseTab(1);
  ASSERT_TRUE(F().Driver().Calcular());
  double kept[Vigas::kNumSlots];
  std::memcpy(kept, Vigas::Datos, sizeof kept);
  Vigas::FlagError = 0;

  FromMenu([&](FormVigasEditUnits& d) {
    ClickOption(d.Option1[1]);
    Click(d.Lblbot[1]);  // Cancel
  });
  EXPECT_EQ(std::memcmp(kept, Vigas::Datos, sizeof kept), 0);
  EXPECT_EQ(Vigas::FlagError, 0);
  EXPECT_EQ(Vigas::UnidadSel[1], "m");
  EXPECT_EQ(Stored(), "(none)");
  EXPECT_TRUE(GraphAndReportOn(1));  // its results are still those in Datos
  EXPECT_EQ(Text(1), "2");

  // The close box does the same.
  FromMenu([&](FormVigasEditUnits& d) {
    ClickOption(d.Option1[1]);
    d.close();
  });
  EXPECT_EQ(std::memcmp(kept, Vigas::Datos, sizeof kept), 0);
  EXPECT_EQ(Vigas::UnidadSel[1], "m");
}

TEST_F(UnitsDialogTest, ChoicesAreStoredAsSixTwoDigitNumbers) {
  // No tab chosen yet: the choice is stored and no box is touched.
  FromMenu([&](FormVigasEditUnits& d) {
    for (int k : {4, 11, 13, 19, 25, 31}) ClickOption(d.Option1[k]);
    Click(d.Lblbot[0]);
  });
  EXPECT_EQ(Stored(), "041113192531");
  EXPECT_EQ(Vigas::TipoViga, 0);
  for (int i = 0; i < 75; ++i) EXPECT_EQ(F().Text1[i]->Text(), "") << i;
  EXPECT_EQ(Vigas::UnidadSel[6], "kN\u00B7m\u00B2");
  EXPECT_DOUBLE_EQ(Vigas::FactorUnidad[3], 0.001);
}

}  // namespace
