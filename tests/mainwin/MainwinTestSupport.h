// Shared set-up of the main-window tests: one offscreen application, the
// settings kept in a temporary folder, and a program folder whose lang/
// holds the shipped language files (or files a test writes itself).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/WindowLinks.h"
#include "mainwin/Idioma.h"
#include "platform/Settings.h"
#include "support/QtTestSupport.h"

namespace mainwin_test {

using qt_test::BuildFolder;
using qt_test::SourceRoot;

// Writes bytes to a file, creating its folder.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  ASSERT_TRUE(qt_test::WriteBytes(path, bytes)) << path.toStdString();
}

// Every test starts with an empty settings store and the shipped language
// files; a test may point the program folder elsewhere.
class MainwinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    ASSERT_TRUE(folder_.isValid());
    platform::RedirectSettings(settings_.path());
    platform::SetResourceFolder(SourceRoot());
    app::ConnectWindows();  // as the program does where it starts
  }
  void TearDown() override {
    platform::RedirectSettings(QString());
    platform::SetResourceFolder(QString());
  }

  // A program folder of its own whose lang/ holds the given KSL lines,
  // joined by CR LF.
  void UseOwnLanguageFile(const QStringList& lines, const QString& prefix = "KSL") {
    WriteBytes(folder_.path() + "/lang/ENG_WIN_" + prefix + ".lmo",
               lines.join("\r\n").toLatin1() + "\r\n");
    platform::SetResourceFolder(folder_.path());
  }
  void UseEmptyResourceFolder() { platform::SetResourceFolder(folder_.path()); }

  void Store(const char* section, const char* key, const QString& value) {
    platform::SaveSetting("TORV", section, key, value);
  }

  QTemporaryDir settings_;
  QTemporaryDir folder_;
};

}  // namespace mainwin_test
