// The graph-type chooser: what it offers and preselects, its keys and mouse,
// and how OK, Cancel and a failed set-up end.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "WindowTestSupport.h"
#include "graphs/FormEditGRAF.h"
#include "graphs/FormGraficaVIGAS.h"

using namespace graph_test;

namespace {

using Chooser = WindowTest;

TEST_F(Chooser, OffersTheFourTypesWithTheirDescriptionsAndPreselects) {
  FormEditGRAF f;
  EXPECT_EQ(f.windowTitle(), "Graph type");
  EXPECT_EQ(f.LblINSTR->text(), "Choose the quantity to plot along the beam:");
  EXPECT_EQ(f.LblTIT->text(), title);
  EXPECT_FALSE(EditGrafAceptado);
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(f.Option1[i]->isHidden());
    EXPECT_EQ(f.Option1[i]->Tag, QString::number(i + 1));
  }
  // Nothing chosen yet: the first option, framed.
  EXPECT_EQ(f.SelectedOption(), 0);
  EXPECT_EQ(f.Shabor->geometry(), QRect(14, 57, 743 - 27, 28));

  // Each description is the type's text without its "@", drawn from
  // (90, 30) twips in 11-point Arial.
  for (int i = 0; i < 4; ++i) {
    platform::PictureTarget twin(743 - 60, 25, platform::RGBColor(226, 234, 255));
    twin.SetFontName("Arial");
    twin.SetFontSize(platform::DesignFontSize(11));
    twin.SetCurrentX(90);
    twin.SetCurrentY(30);
    QString d = DescTipoGrafica[i + 1];
    ASSERT_EQ(d.count('@'), 1);
    d.remove('@');
    Mini_HTFC_rut::ImprimirHTFC(d, twin);
    EXPECT_TRUE(f.Picture1[i]->Target().Image() == twin.Image()) << i;
  }
  f.show();
  f.grab().save(BuildFolder() + "/graph_chooser.png");

  // Opened from the graph window: the current type.
  TipoGrafica = 3;
  FormEditGRAF again;
  EXPECT_EQ(again.SelectedOption(), 2);
  EXPECT_EQ(again.Shabor->y(), 57 + 56);
}

TEST_F(Chooser, ArrowKeysCycleAndEnterOrEscEndTheChoice) {
  FormEditGRAF f;
  f.show();
  QWidget* focus = f.Option1[0];
  for (int expected : {1, 2, 3, 0, 1}) {
    Key(focus, Qt::Key_Down);
    EXPECT_EQ(f.SelectedOption(), expected);
    focus = f.Option1[f.SelectedOption()];
  }
  for (int expected : {0, 3, 2}) {
    Key(focus, Qt::Key_Up);
    EXPECT_EQ(f.SelectedOption(), expected);
  }
  EXPECT_EQ(f.Shabor->y(), 57 + 28 * 2);

  // Enter confirms the moment graph and prepares it.
  Key(focus, Qt::Key_Return);
  EXPECT_TRUE(EditGrafAceptado);
  EXPECT_EQ(TipoGrafica, 3);
  EXPECT_EQ(TituloEjeY, QString::fromUtf8("Moment &+IM&-I (N\u00B7m)"));
  EXPECT_FALSE(f.isVisible());

  TipoGrafica = 0;
  FormEditGRAF g;
  g.show();
  Key(&g, Qt::Key_Down);
  Key(&g, Qt::Key_Escape);
  EXPECT_FALSE(g.isVisible());
  EXPECT_FALSE(EditGrafAceptado);
  EXPECT_EQ(TipoGrafica, 0);
}

// As the user opens it: keys reach the window's handler wherever the focus
// lands, so Down and Enter confirm the slope. Offering nothing, it still
// opens with no button focused.
TEST_F(Chooser, EnterInTheNewWindowIsOk) {
  FormEditGRAF f;
  if (!qt_test::ShowActive(&f)) GTEST_SKIP() << "no window takes the focus here";
  qt_test::KeyAtFocus(Qt::Key_Down);
  qt_test::KeyAtFocus(Qt::Key_Return, "\r");
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(EditGrafAceptado);
  EXPECT_EQ(TipoGrafica, 2);
  CodigoCaso = "199";
  FormEditGRAF none;
  ASSERT_TRUE(qt_test::ShowActive(&none));
  EXPECT_EQ(QApplication::focusWidget(), &none);
}

TEST_F(Chooser, MouseSelectsAndDoubleClickConfirms) {
  FormEditGRAF f;
  f.show();
  Click(f.Picture1[3]);
  EXPECT_EQ(f.SelectedOption(), 3);
  EXPECT_TRUE(f.isVisible());
  DoubleClick(f.Picture1[1]);
  EXPECT_TRUE(EditGrafAceptado);
  EXPECT_EQ(TipoGrafica, 2);
  EXPECT_FALSE(f.isVisible());

  FormEditGRAF g;
  g.show();
  DoubleClick(g.Option1[2]);
  EXPECT_EQ(TipoGrafica, 3);
  EXPECT_TRUE(EditGrafAceptado);

  // The OK button's caption: pressed look, then confirm.
  FormEditGRAF h;
  h.show();
  SendMouse(h.Lblbot[0], QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(h.Imgbot[0]->pos(), QPoint(461, 12));
  EXPECT_EQ(h.Lblbot[0]->pos(), QPoint(461, 19));
  SendMouse(h.Lblbot[0], QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_EQ(h.Imgbot[0]->pos(), QPoint(460, 11));
  EXPECT_FALSE(h.isVisible());
  EXPECT_EQ(TipoGrafica, 3);
}

TEST_F(Chooser, FailedSetUpOrUnknownCaseIsNotAccepted) {
  // The recalculation before failed: OK closes with "Invalid data.".
  Vigas::FlagError = 1;
  FormEditGRAF f;
  f.show();
  f.Lblbot_Click(0);
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(EditGrafAceptado);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt, "Invalid data.");
  Vigas::FlagError = 0;

  // A code that is in no list offers nothing; OK does nothing, Cancel closes.
  CodigoCaso = "199";
  TipoGrafica = 0;
  FormEditGRAF g;
  g.show();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(g.Option1[i]->isHidden());
  EXPECT_TRUE(g.Option1[0]->isChecked());
  g.Lblbot_Click(0);
  EXPECT_TRUE(g.isVisible());
  g.Lblbot_Click(1);
  EXPECT_FALSE(g.isVisible());
  EXPECT_FALSE(EditGrafAceptado);
  EXPECT_EQ(sink.messages.size(), 1u);

  // A case offering only two types: the arrows cycle over those.
  CodigoCaso = "100";
  GraficasCaso[1][3] = GraficasCaso[1][4] = 0;
  FormEditGRAF h;
  h.show();
  Key(&h, Qt::Key_Down);
  Key(&h, Qt::Key_Down);
  EXPECT_EQ(h.SelectedOption(), 0);
  Key(&h, Qt::Key_Up);
  EXPECT_EQ(h.SelectedOption(), 1);
}

}  // namespace

namespace {
// Language files removed while the program runs: the windows open as ever,
// with empty captions, and say nothing of their own (start-up has told).
TEST_F(Chooser, AWindowWhoseLanguageFileIsGoneOpensWithEmptyCaptions) {
  QTemporaryDir program;
  ASSERT_TRUE(QDir().mkpath(program.filePath("lang")));
  platform::SetResourceFolder(program.path());
  {
    FormEditGRAF f;
    platform::ShowModal(f);
    EXPECT_EQ(f.windowTitle(), "");
    EXPECT_EQ(f.LblINSTR->text(), "");
    EXPECT_EQ(f.Lblbot[0]->text(), "");
    EXPECT_FALSE(f.Option1[0]->isHidden());
  }
  {
    TipoGrafica = 3;
    PrepararGrafica();
    FormGraficaVIGAS g;
    platform::ShowModal(g);
    EXPECT_EQ(g.windowTitle(), "");
    for (platform::ButtonCaption* caption : g.Lblbot) EXPECT_EQ(caption->text(), "");
  }
  EXPECT_EQ(modal.shown, (std::vector<QString>{"FormEditGRAF", "FormGraficaVIGAS"}));
  EXPECT_TRUE(sink.messages.empty());

  ASSERT_TRUE(QFile::copy(SourceRoot() + "/lang/ENG_WIN_EGF.lmo",
                          program.filePath("lang/ENG_WIN_EGF.lmo")));
  FormEditGRAF whole;
  EXPECT_EQ(whole.windowTitle(), "Graph type");
}
}  // namespace
