// Shared set-up of the shell tests: settings and the temporary folder in a
// test's own folders, the shipped language files, recorded messages and
// opened addresses, a known program version, and the update check pointed
// at a closed local port unless a test starts its own server.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "platform/Download.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/ShellOpen.h"
#include "platform/TempFolder.h"
#include "shell/Actualizacion.h"
#include "shell/AppInfo.h"
#include "shell/VigasMain.h"
#include "support/QtTestSupport.h"

namespace shell_test {

// Addresses the tests pretend the program was built with; nothing opens them.
inline const QString kHomePage = QStringLiteral("https://torv.test/index.html");
inline const QString kContactMail = QStringLiteral("info@torv.test");

// Starts a check and lets the event loop run until it has ended (the wait is
// only a guard against a check that never ends, not a measured time).
inline Actualizacion::CheckResult RunCheckToEnd(bool forced) {
  bool ended = false;
  Actualizacion::CheckResult result;
  Actualizacion::ComprobarActualizacion(forced, [&](const Actualizacion::CheckResult& r) {
    ended = true;
    result = r;
  });
  EXPECT_TRUE(qt_test::WaitFor([&] { return ended; }));
  return result;
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    ASSERT_TRUE(temp_.isValid());
    platform::RedirectSettings(settings_.path());
    platform::SetCarpetaTemp(temp_.path());
    platform::SetResourceFolder(qt_test::SourceRoot());
    messages_ = std::make_unique<platform::RecordingMessageSink>();
    platform::SetShellOpener([this](const QString& target) {
      opened_ << target;
      return openSucceeds_;
    });
    shell::SetProgramVersion({1, 11, 0});
    Actualizacion::Reset();
    // Port 9 on this machine: nothing listens, the connection is refused.
    shell::SetAddresses({kHomePage, kContactMail, QStringLiteral("http://127.0.0.1:9/update.php")});
    // The tests end a download at its time limit themselves; the real limit
    // never decides anything.
    platform::SetDownloadTimeout(3600 * 1000);
    Vigas::SplashMostrado = false;
    Vigas::SetMainWindowShower([this] { ++mainWindowShown_; });
  }

  void TearDown() override {
    Vigas::SetMainWindowShower(nullptr);
    Vigas::SplashMostrado = false;
    Actualizacion::Reset();
    shell::SetAddresses(shell::BuiltAddresses());
    shell::SetProgramVersion(shell::BuiltVersion());
    platform::SetDownloadTimeout(0);
    platform::SetShellOpener(nullptr);
    platform::SetModalRunner(nullptr);
    messages_.reset();
    platform::SetResourceFolder(QString());
    platform::SetCarpetaTemp(QString());
    platform::RedirectSettings(QString());
  }

  QString Setting(const char* section, const char* key) {
    return platform::GetSetting("TORV", section, key, QStringLiteral("<none>"));
  }
  void Store(const char* section, const char* key, const QString& value) {
    platform::SaveSetting("TORV", section, key, value);
  }

  QTemporaryDir settings_;
  QTemporaryDir temp_;
  std::unique_ptr<platform::RecordingMessageSink> messages_;
  QStringList opened_;
  bool openSucceeds_ = true;
  int mainWindowShown_ = 0;
};

}  // namespace shell_test
