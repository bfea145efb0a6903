// The splash window at start-up and as the About window.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "ShellTestSupport.h"
#include "platform/Controls.h"
#include "shell/FormSplash.h"

using shell_test::ShellTest;

namespace {

using SplashTest = ShellTest;

FormSplash* OpenSplash() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* s = qobject_cast<FormSplash*>(w); s && s->isVisible()) return s;
  return nullptr;
}

void Save(QWidget* w, const char* name) {
  EXPECT_TRUE(w->grab().save(qt_test::BuildFolder() + "/" + name));
}

TEST_F(SplashTest, StartUpShowsTheSplashThatClosesItselfIntoTheMainWindow) {
  Vigas::Main([this] { ++mainWindowShown_; });
  EXPECT_FALSE(platform::CarpetaTemp().isEmpty());
  EXPECT_FALSE(platform::CarpetaTemp().endsWith('/'));
  platform::SetCarpetaTemp(temp_.path());

  QPointer<FormSplash> splash = OpenSplash();
  ASSERT_NE(splash, nullptr);
  qt_test::HeldTimers timers(splash);
  EXPECT_EQ(splash->size(), QSize(541, 377));
  EXPECT_FALSE(splash->LblWEB->isVisible());
  EXPECT_FALSE(splash->LlblMAIL->isVisible());
  EXPECT_TRUE(splash->Timer1->isActive());
  EXPECT_EQ(splash->Timer1->interval(), 1500);
  Save(splash, "splash_startup.png");

  // Until its time is up the splash stays and the main window waits.
  qt_test::ProcessEvents();
  EXPECT_EQ(OpenSplash(), splash);
  EXPECT_EQ(mainWindowShown_, 0);
  EXPECT_FALSE(Vigas::SplashMostrado);

  ASSERT_TRUE(timers.Fire(splash->Timer1));
  EXPECT_EQ(OpenSplash(), nullptr);
  EXPECT_EQ(mainWindowShown_, 1);
  EXPECT_TRUE(Vigas::SplashMostrado);
  qt_test::ProcessEvents();
  EXPECT_TRUE(splash.isNull());  // the window deletes itself
  EXPECT_EQ(mainWindowShown_, 1);
}

TEST_F(SplashTest, AKeyOrAClickClosesTheSplashAtOnceAndShowsTheMainWindowOnce) {
  for (int way = 0; way < 3; ++way) {
    Vigas::SplashMostrado = false;
    mainWindowShown_ = 0;
    FormSplash splash;
    splash.show();
    if (way == 0) qt_test::Key(&splash, Qt::Key_Space, " ");
    if (way == 1) qt_test::Click(splash.lblVersion);  // labels pass clicks on
    if (way == 2) qt_test::Click(&splash);
    EXPECT_FALSE(splash.isVisible()) << way;
    EXPECT_FALSE(splash.Timer1->isActive()) << way;
    qt_test::ProcessEvents();
    EXPECT_EQ(mainWindowShown_, 1) << way;
    EXPECT_TRUE(Vigas::SplashMostrado);
  }
  // A modifier key alone does not close it.
  Vigas::SplashMostrado = false;
  FormSplash splash;
  splash.show();
  qt_test::Key(&splash, Qt::Key_Shift);
  EXPECT_TRUE(splash.isVisible());
}

TEST_F(SplashTest, AboutWindowShowsLinksAndStaysUntilAClickOutsideThem) {
  shell::SetProgramVersion({2, 0, 15});
  Vigas::SplashMostrado = true;
  FormSplash about;
  EXPECT_FALSE(about.Timer1->isActive());
  EXPECT_EQ(about.lblVersion->text(), "Version: 2.0.15");
  EXPECT_EQ(about.LblRef->text(), "Reference: TORV");

  bool ran = false;
  platform::SetModalRunner([&](QDialog& d) {
    ran = true;
    auto& w = static_cast<FormSplash&>(d);
    EXPECT_TRUE(w.LblWEB->isVisible());
    EXPECT_EQ(w.LblWEB->toolTip(), w.LblWEB->text());
    Save(&w, "splash_about.png");
    qt_test::ProcessEvents();
    EXPECT_FALSE(w.Timer1->isActive());  // nothing closes the About window by itself
    EXPECT_TRUE(w.isVisible());

    qt_test::Click(w.LblWEB);
    qt_test::Click(w.LlblMAIL);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.LblWEB->text(), "torv.test");
    EXPECT_EQ(w.LlblMAIL->text(), shell_test::kContactMail);
    EXPECT_EQ(opened_, (QStringList{shell_test::kHomePage, "mailto:" + shell_test::kContactMail}));
    EXPECT_TRUE(messages_->messages.empty());

    openSucceeds_ = false;
    qt_test::Click(w.LblWEB);
    qt_test::Click(w.LlblMAIL);
    ASSERT_EQ(messages_->messages.size(), 2u);
    EXPECT_EQ(messages_->messages[0].prompt, "Sorry, cannot connect.\r\n" + shell_test::kHomePage);
    EXPECT_EQ(messages_->messages[1].prompt, "Sorry, cannot found your email client application.");
    EXPECT_EQ(messages_->messages[1].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(w.isVisible());

    qt_test::Click(w.ImgLOGO);
    EXPECT_FALSE(w.isVisible());
  });
  platform::ShowModal(about);
  EXPECT_TRUE(ran);
  EXPECT_EQ(mainWindowShown_, 1);
  EXPECT_TRUE(Vigas::SplashMostrado);
}

TEST_F(SplashTest, AboutWindowOffersOnlyTheLinksTheProgramWasBuiltWith) {
  Vigas::SplashMostrado = true;
  for (int built = 0; built < 3; ++built) {
    shell::SetAddresses({built == 1 ? shell_test::kHomePage : QString(),
                         built == 2 ? shell_test::kContactMail : QString(), QString()});
    bool ran = false;
    platform::SetModalRunner([&](QDialog& d) {
      ran = true;
      auto& w = static_cast<FormSplash&>(d);
      EXPECT_EQ(w.LblWEB->isVisible(), built == 1);
      EXPECT_EQ(w.LlblMAIL->isVisible(), built == 2);
      if (built == 0) Save(&w, "splash_about_no_links.png");
      w.close();
    });
    FormSplash about;
    platform::ShowModal(about);
    EXPECT_TRUE(ran);
  }
  EXPECT_TRUE(opened_.isEmpty());
}

}  // namespace
