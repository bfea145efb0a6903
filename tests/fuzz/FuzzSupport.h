// Shared by the fuzz targets of the Qt parts: the offscreen application Qt's
// fonts and pictures need, message boxes answered without a window, and a
// private scratch folder.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <cstdint>

#include "fuzz/FuzzCheck.h"
#include "platform/Messages.h"

namespace fuzz {

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Answers every message box with OK and only counts them.
class QuietMessages : public platform::MessageSink {
 public:
  QuietMessages() { platform::SetMessageSink(this); }
  platform::MsgResult Show(const platform::Message&) override {
    ++count;
    return platform::MsgResult::Ok;
  }
  int count = 0;
};

// The application object, made once before the first input, with every
// message box going to a QuietMessages.
inline QuietMessages& StartApplication() {
  static int argc = 1;
  static char name[] = "torv-fuzz";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
  static QuietMessages* messages = new QuietMessages;
  return *messages;
}

// Whether scripts/fuzz.sh caps single allocations for this run: a target
// whose open finding is a huge allocation runs capped, so the fuzzer looks
// past it; such an allocation then fails instead.
inline bool AllocationCapped() {
  return qEnvironmentVariableIsSet("TORV_FUZZ_ALLOCATION_CAP");
}

// A folder only this user can enter, removed at exit.
inline const QString& ScratchFolder() {
  static QTemporaryDir* dir = new QTemporaryDir;
  static const QString path = dir->path();
  return path;
}

}  // namespace fuzz
