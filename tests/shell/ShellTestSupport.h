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
    Actualizacion::HayActualizacion = false;
    Actualizacion::URLActualizacion.clear();
    Actualizacion::VersionNueva.clear();
    // Port 9 on this machine: nothing listens, the connection is refused.
    Actualizacion::SetUpdateEndpoint(QStringLiteral("http://127.0.0.1:9/update.php"));
    // Only a guard against a hang: a download from this machine never meets
    // it, however busy the machine.
    platform::SetDownloadTimeout(60000);
    Vigas::SplashMostrado = false;
    Vigas::SetMainWindowShower([this] { ++mainWindowShown_; });
  }

  void TearDown() override {
    Vigas::SetMainWindowShower(nullptr);
    Vigas::SplashMostrado = false;
    Actualizacion::SetUpdateEndpoint(QString());
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
