// Every widget test program gets one offscreen GUI application object, made
// before the first test runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Program.h"

namespace {
class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows fit their start sizes to the screen: the offscreen screen is a
    // desktop's, not the plugin's 800 x 600, so they open at their own sizes.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screenFolder_.isValid()) {
      QFile config(screenFolder_.filePath("screen.json"));
      if (config.open(QIODevice::WriteOnly) &&
          config.write(R"({"screens": [{"name": "Desk", "x": 0, "y": 0, "width": 1920,)"
                       R"( "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") >
              0) {
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
      }
    }
    if (!QCoreApplication::instance()) app_ = new QApplication(argc_, argv_);
    // No test starts a desktop program or reaches past this machine.
    platform::SetSandboxed(true);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[16] = "torv-tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
  QTemporaryDir screenFolder_;
};

const testing::Environment* const kQtEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
}  // namespace
