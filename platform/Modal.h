// Modal windows are shown through one runner, so a test can drive a window
// (press its buttons, read its state) instead of waiting for a person.
#pragma once

#include <functional>

class QDialog;

namespace platform {

using ModalRunner = std::function<void(QDialog& dialog)>;

// Shows the dialog modally and returns once it has closed. A runner that
// leaves the dialog open has it closed as by its close box.
void ShowModal(QDialog& dialog);

// Replaces the runner (an empty one restores the real modal loop); returns
// the old one.
ModalRunner SetModalRunner(ModalRunner runner);

}  // namespace platform
