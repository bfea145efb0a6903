// Modal windows in tests: each one shown goes to the next script in the
// queue; one shown without a script is closed at once (as by its close box).
#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Modal.h"

namespace qt_test {

class ModalScripts {
 public:
  using Script = std::function<void(QDialog&)>;
  ModalScripts() {
    old_ = platform::SetModalRunner([this](QDialog& d) {
      shown.push_back(d.metaObject()->className());
      if (scripts.empty()) return;
      Script s = std::move(scripts.front());
      scripts.pop_front();
      s(d);
    });
  }
  ~ModalScripts() { platform::SetModalRunner(old_); }
  ModalScripts(const ModalScripts&) = delete;
  ModalScripts& operator=(const ModalScripts&) = delete;

  std::deque<Script> scripts;
  std::vector<QString> shown;

 private:
  platform::ModalRunner old_;
};

}  // namespace qt_test
