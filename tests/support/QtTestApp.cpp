// Every widget test program gets one offscreen GUI application object, made
// before the first test runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/Program.h"

namespace {
class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
};

const testing::Environment* const kQtEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
}  // namespace
