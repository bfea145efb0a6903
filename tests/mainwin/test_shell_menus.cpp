// The main window's File, Settings and Help commands of the application
// shell, the check on activation and the settings stored when it closes.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "CalcTestSupport.h"
#include "mainwin/MainState.h"
#include "platform/Controls.h"
#include "platform/Download.h"
#include "platform/Modal.h"
#include "platform/ShellOpen.h"
#include "platform/TempFolder.h"
#include "shell/Actualizacion.h"
#include "shell/AppInfo.h"
#include "shell/FormNuevaVersion.h"
#include "shell/FormSplash.h"
#include "shell/LocalHttpServer.h"
#include "shell/VigasMain.h"

using mainwin_test::CalcTest;

namespace {

class ShellMenuTest : public CalcTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    platform::SetCarpetaTemp(temp_.path());
    // The tests end a download at its time limit themselves.
    platform::SetDownloadTimeout(3600 * 1000);
    Actualizacion::Reset();
    // Showing the window asks nothing yet, and the automatic check is not due
    // until a test says so.
    shell::SetAddresses({kWebPage, "info@torv.test", QString()});
    CalcTest::SetUp();
    platform::SaveSetting("TORV", "CheckUPDATE", "LAST_OLCON",
                          Actualizacion::DateSerialText(Actualizacion::DateSerialNow()));
    shell::SetAddresses({kWebPage, "info@torv.test", server_.Address()});
    platform::SetShellOpener([this](const QString& target) {
      opened_ << target;
      return openSucceeds_;
    });
    shell::SetProgramEnder([this] { ++ended_; });
    shell::SetProgramVersion({1, 11, 0});
  }
  void TearDown() override {
    CalcTest::TearDown();
    Actualizacion::Reset();
    shell::SetAddresses(shell::BuiltAddresses());
    shell::SetProgramVersion(shell::BuiltVersion());
    platform::SetDownloadTimeout(0);
    shell::SetProgramEnder(nullptr);
    platform::SetShellOpener(nullptr);
    platform::SetModalRunner(nullptr);
    platform::SetCarpetaTemp(QString());
    Vigas::SplashMostrado = false;
  }

  QString Setting(const char* section, const char* key) {
    return platform::GetSetting("TORV", section, key, QStringLiteral("<none>"));
  }

  // Chooses "Check for updates now" and lets the check run to its end.
  void CheckNow() {
    F().mnu_help_update_now->trigger();
    ASSERT_TRUE(qt_test::WaitFor([] { return Actualizacion::RunningDownload() == nullptr; }));
    QCoreApplication::processEvents();
  }

  const QString kWebPage = QStringLiteral("https://torv.test/index.html");

  QTemporaryDir temp_;
  shell_test::LocalHttpServer server_;
  QStringList opened_;
  bool openSucceeds_ = true;
  int ended_ = 0;
};

TEST_F(ShellMenuTest, SeparatorRewritesEveryBoxWithoutClearingResults) {
  ChooseCase(109);  // point load at a from A
  FillInputs({{"EI", "1e7"}, {"L", "2.5"}, {"X", "1.25"}, {"a", "0.75"}, {"P", "1000"}});
  Calculate();
  ASSERT_TRUE(GraphAndReportOn());
  {
    BusyGuard busy(F().Ocupado);
    F().Text1[4 * 15 + 3]->SetText("1,234.5");  // a box of another tab
  }
  QStringList before;
  for (int i = 0; i < FormMain::kRows; ++i) before << F().Text1[i]->Text();

  F().mnu_Config_SepaDec_COM->trigger();
  EXPECT_EQ(Vigas::SepDecimal, ",");
  EXPECT_TRUE(F().mnu_Config_SepaDec_COM->isChecked());
  EXPECT_FALSE(F().mnu_Config_SepaDec_PTO->isChecked());
  for (int i = 0; i < FormMain::kRows; ++i)
    EXPECT_EQ(F().Text1[i]->Text(), QString(before[i]).replace('.', ',')) << i;
  EXPECT_EQ(F().Text1[4 * 15 + 3]->Text(), "1,234,5");
  EXPECT_EQ(Text(1), "2,5");
  EXPECT_TRUE(GraphAndReportOn());
  EXPECT_FALSE(F().Ocupado);

  F().mnu_Config_SepaDec_PTO->trigger();
  EXPECT_EQ(Vigas::SepDecimal, ".");
  EXPECT_TRUE(F().mnu_Config_SepaDec_PTO->isChecked());
  EXPECT_FALSE(F().mnu_Config_SepaDec_COM->isChecked());
  EXPECT_EQ(Text(1), "2.5");
  EXPECT_EQ(F().Text1[4 * 15 + 3]->Text(), "1.234.5");
  EXPECT_TRUE(GraphAndReportOn());
  // Neither command stores the separator.
  EXPECT_EQ(Setting("DOT", "SEPARATOR"), "<none>");
}

TEST_F(ShellMenuTest, PeriodIsStoredAtOnceAndTheRestWhenTheWindowCloses) {
  const std::pair<QAction*, const char*> periods[] = {{F().mnu_help_upd_set_1, "1"},
                                                      {F().mnu_help_upd_set_30, "30"},
                                                      {F().mnu_help_upd_set_7, "7"}};
  for (auto [item, days] : periods) {
    item->trigger();
    EXPECT_EQ(Setting("CheckUPDATE", "PERIOD"), days);
    for (auto [other, d] : periods) EXPECT_EQ(other->isChecked(), other == item) << days << d;
  }
  F().mnu_NDIG[12]->trigger();
  EXPECT_EQ(Vigas::NumDigitos, 12);
  F().mnu_Config_SepaDec_COM->trigger();
  UltimaCarpeta = "/home/u/graphs";
  UltimaCarpetaTabla = "/home/u/tables";
  EXPECT_EQ(Setting("NDIG", "SIGDIG"), "<none>");  // nothing else before closing

  F().mnu_Archivo_Salir->trigger();
  EXPECT_FALSE(F().isVisible());
  EXPECT_EQ(ended_, 1);
  EXPECT_EQ(Setting("PATH", "GRAF"), "/home/u/graphs");
  EXPECT_EQ(Setting("PATH", "TABLA"), "/home/u/tables");
  EXPECT_EQ(Setting("DOT", "SEPARATOR"), ",");
  EXPECT_EQ(Setting("NDIG", "SIGDIG"), "12");
  UltimaCarpeta.clear();
  UltimaCarpetaTabla.clear();
}

TEST_F(ShellMenuTest, ASettingWhoseFileCannotBeWrittenIsToldOnceWithTheFileAndTheCause) {
  // The settings folder cannot be made: a file stands where it would go.
  ASSERT_TRUE(qt_test::WriteBytes(temp_.filePath("config"), "not a folder"));
  platform::RedirectSettings(temp_.filePath("config/torv"));
  const QString file = "\r\n" + temp_.filePath("config/torv/TORV.ini") + "\r\nNot a directory.";
  const QString told =
      "Your settings could not be saved; they hold only until TORV closes. The settings file:" +
      file;

  F().mnu_help_upd_set_30->trigger();
  EXPECT_TRUE(F().mnu_help_upd_set_30->isChecked());
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].prompt, told);

  // The date of an answer that cannot be kept still restarts the period:
  // activating the window again neither asks nor tells, not even once.
  server_.Reply("TORV_VER=1.11.0;");
  for (int i = 0; i < 3; ++i) {
    F().Form_Activate();
    ASSERT_TRUE(qt_test::WaitFor([] { return Actualizacion::RunningDownload() == nullptr; }));
  }
  EXPECT_EQ(server_.requests.size(), 1);
  EXPECT_EQ(messages_.messages.size(), 1u);
  // The check the user asks for says it.
  CheckNow();
  ASSERT_EQ(messages_.messages.size(), 3u);  // the date, then "the latest version"
  EXPECT_EQ(messages_.messages[1].prompt, told);

  // Closing stores four settings in one write: one message, not four, and
  // no promise that they hold until closing.
  F().mnu_Archivo_Salir->trigger();
  ASSERT_EQ(messages_.messages.size(), 4u);
  EXPECT_EQ(messages_.messages[3].prompt,
            "Your settings could not be saved, so TORV will not have them when it starts again. "
            "The settings file:" +
                file);
}

TEST_F(ShellMenuTest, ManualAndWebPageOpenOrSayWhy) {
  EXPECT_TRUE(F().mnu_Ayuda_WEB->isVisible());
  F().mnu_Ayuda_WEB->trigger();
  F().mnu_Ayuda_Manual->trigger();
  const QString manual = qt_test::SourceRoot() + "/Manual_TORV.pdf";
  EXPECT_EQ(opened_, (QStringList{kWebPage, manual}));
  EXPECT_TRUE(messages_.messages.empty());

  openSucceeds_ = false;
  F().mnu_Ayuda_Manual->trigger();
  F().mnu_Ayuda_WEB->trigger();
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[0].prompt, "The file cannot be found or opened:\r\n" + manual);
  EXPECT_EQ(messages_.messages[0].icon, platform::MsgIcon::None);
  EXPECT_EQ(messages_.messages[0].title, "TORV");
  EXPECT_EQ(messages_.messages[1].prompt, "Sorry, cannot connect.\r\n" + kWebPage);
  EXPECT_EQ(messages_.messages[1].icon, platform::MsgIcon::Exclamation);

  // The manual is there, but nothing opens PDF files.
  platform::SetResourceFolder(qt_test::BuiltProgramFolder());
  const QString built = qt_test::BuiltProgramFolder() + "/Manual_TORV.pdf";
  ASSERT_TRUE(QFileInfo(built).isFile());
  F().mnu_Ayuda_Manual->trigger();
  ASSERT_EQ(messages_.messages.size(), 3u);
  EXPECT_EQ(messages_.messages[2].prompt,
            "No program for PDF files was found to show the manual. Open it with a PDF reader "
            "of your choice; it is the file\r\n" +
                built);
}

TEST_F(ShellMenuTest, WithoutAddressesTheHelpMenuOffersNoWebPageAndNeverAsksOnline) {
  form_.reset();
  shell::SetAddresses({});
  form_ = std::make_unique<FormMain>();
  form_->show();
  QCoreApplication::processEvents();
  F().Form_Activate();
  EXPECT_FALSE(F().mnu_Ayuda_WEB->isVisible());
  F().mnu_Ayuda_WEB_Click();  // reached anyway: says why nothing opens
  F().mnu_help_update_now->trigger();
  EXPECT_EQ(Actualizacion::RunningDownload(), nullptr);
  EXPECT_EQ(server_.requests.size(), 0);
  EXPECT_TRUE(opened_.isEmpty());
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[0].prompt,
            "This copy of TORV was built without the address of a web page.");
  EXPECT_EQ(messages_.messages[1].prompt,
            "This copy of TORV was built without an update address, so it cannot check for "
            "updates.");
}

TEST_F(ShellMenuTest, CheckNowShowsTheNewVersionOrSaysThereIsNone) {
  int windows = 0;
  platform::SetModalRunner([&](QDialog& d) {
    auto* w = qobject_cast<FormNuevaVersion*>(&d);
    ASSERT_NE(w, nullptr);
    ++windows;
    EXPECT_EQ(w->Label1[4]->text(), "1.12.0");
    EXPECT_EQ(w->Text1->text(), "http://dl/torv.exe");
    EXPECT_EQ(w->parent(), nullptr);
  });
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://dl/torv.exe;");
  CheckNow();
  EXPECT_EQ(windows, 1);
  EXPECT_TRUE(messages_.messages.empty());

  // Only a version file downloaded now that names no newer version is
  // "the latest version"; anything else says the check could not be made.
  server_.Reply("TORV_VER=1.11.0;TORV_URL=http://dl/;");
  CheckNow();
  const std::pair<QByteArray, int> failures[] = {
      {"", 200}, {"TORV_VER=9.0.0;", 404}, {"<html>garbage</html>", 200}};
  for (const auto& [body, status] : failures) {
    server_.Reply(body, status);
    CheckNow();
  }
  shell::SetAddresses({kWebPage, "", "http://127.0.0.1:9/update.php"});  // nothing listens
  CheckNow();
  EXPECT_EQ(windows, 1);
  ASSERT_EQ(messages_.messages.size(), 5u);
  EXPECT_EQ(messages_.messages[0].prompt,
            "You have the latest version of TORV: there is no update.");
  const char* details[] = {
      "The server sent an empty version file.", "The server answered with the error 404.",
      "The version file from the server cannot be read.", "No connection to the server"};
  for (int i = 1; i < 5; ++i) {
    EXPECT_TRUE(messages_.messages[i].prompt.startsWith(
        QString("The check for updates could not be made:\r\n") + details[i - 1]))
        << messages_.messages[i].prompt.toStdString();
    EXPECT_EQ(messages_.messages[i].icon, platform::MsgIcon::None);
    EXPECT_EQ(messages_.messages[i].title, "TORV");
  }
}

TEST_F(ShellMenuTest, InputKeepsWorkingWhileACheckWaitsForTheServer) {
  ChooseCase(100);
  server_.Silent();
  F().mnu_help_update_now->trigger();  // returns at once
  ASSERT_NE(Actualizacion::RunningDownload(), nullptr);
  ASSERT_TRUE(qt_test::WaitFor([&] { return server_.requests.size() == 1; }));

  // The user types meanwhile: the keys reach the box through the event loop.
  platform::TextBox* box = Box(0);
  box->setFocus();
  box->selectAll();
  for (const char* c : {"2", ".", "5"}) {
    const int key = c[0] == '.' ? Qt::Key_Period : Qt::Key_0 + (c[0] - '0');
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, c));
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, c));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(box->Text(), "2.5");
  ASSERT_NE(Actualizacion::RunningDownload(), nullptr);  // still waiting
  EXPECT_TRUE(messages_.messages.empty());

  // The time limit passes (the test says when): the check could not be made.
  Actualizacion::RunningDownload()->TimeOut();
  QCoreApplication::processEvents();
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].prompt,
            "The check for updates could not be made:\r\nThe server did not answer in time.");
  EXPECT_EQ(box->Text(), "2.5");  // nothing typed was lost
}

TEST_F(ShellMenuTest, ActivationChecksUntilAnUpdateIsKnownAndGivesUpAfterAFailure) {
  platform::SaveSetting("TORV", "CheckUPDATE", "LAST_OLCON", "0");
  server_.Reply("TORV_VER=1.12.0;TORV_URL=http://dl/;");
  F().Form_Activate();
  ASSERT_TRUE(qt_test::WaitFor([] { return Actualizacion::RunningDownload() == nullptr; }));
  EXPECT_TRUE(Actualizacion::HayActualizacion);
  EXPECT_EQ(server_.requests.size(), 1);
  platform::SaveSetting("TORV", "CheckUPDATE", "LAST_OLCON", "0");
  F().Form_Activate();  // known already: no second question, nothing shown
  EXPECT_EQ(Actualizacion::RunningDownload(), nullptr);
  EXPECT_EQ(server_.requests.size(), 1);
  EXPECT_TRUE(messages_.messages.empty());

  // The check on demand asks again.
  platform::SetModalRunner([](QDialog&) {});
  CheckNow();
  EXPECT_EQ(server_.requests.size(), 2);

  // A server that keeps failing is asked once per run, however often the
  // window is activated; silently.
  Actualizacion::Reset();
  platform::SaveSetting("TORV", "CheckUPDATE", "LAST_OLCON", "0");
  server_.Reply("", 503);
  for (int i = 0; i < 5; ++i) {
    F().Form_Activate();
    ASSERT_TRUE(qt_test::WaitFor([] { return Actualizacion::RunningDownload() == nullptr; }));
  }
  EXPECT_EQ(server_.requests.size(), 3);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ShellMenuTest, EverySettingsItemHasAnAccessKeyOfItsOwn) {
  // Within each menu no two items share an access key.
  for (QMenu* menu : {F().mnu_Config, F().mnu_Config_SepaDec, F().mnu_Config_DigiSig, F().mnu_Ayuda,
                      F().mnu_help_update, F().mnu_help_upd_set}) {
    QStringList keys;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator() || !a->isVisible()) continue;
      const QString text = a->menu() ? a->menu()->title() : a->text();
      const int amp = text.indexOf('&');
      ASSERT_GE(amp, 0) << text.toStdString();
      const QString key = text.mid(amp + 1, 1).toLower();
      EXPECT_FALSE(keys.contains(key)) << text.toStdString();
      keys << key;
    }
  }
  EXPECT_EQ(F().mnu_NDIG[4]->text(), "&4 digits");
  EXPECT_EQ(F().mnu_NDIG[10]->text(), "1&0 digits");
  EXPECT_EQ(F().mnu_NDIG[11]->text(), "&11 digits");
  EXPECT_EQ(F().mnu_NDIG[12]->text(), "1&2 digits");
}

TEST_F(ShellMenuTest, AboutShowsTheSplashWindowWithoutItsTimer) {
  Vigas::SplashMostrado = true;
  bool shown = false;
  platform::SetModalRunner([&](QDialog& d) {
    auto* w = qobject_cast<FormSplash*>(&d);
    ASSERT_NE(w, nullptr);
    shown = true;
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->LblWEB->isVisible());
  });
  F().mnu_Ayuda_Acerca->trigger();
  EXPECT_TRUE(shown);
}

}  // namespace
