// Module Wheel: mouse-wheel support for one window at a time. Hooking puts a
// filter in front of the window's own event handling that turns each
// vertical wheel event reaching the window into one call of the window's
// MouseWheel handler and then lets the event go on unchanged.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace Wheel {

// MouseKeys (button and modifier bits), Rotation (signed delta, 120 per notch,
// positive away from the user), Xpos and Ypos (screen position).
using MouseWheelHandler = std::function<void(int32_t, int32_t, int32_t, int32_t)>;

extern bool WheelHooked;
extern QPointer<QWidget> WheelForm;

// Hooks the window; does nothing while a window is hooked.
void Hook(QWidget& Formulario, MouseWheelHandler MouseWheel);
// Removes the hook; the next Hook starts afresh.
void Unhook();

// Key-state bits as the wheel message carries them.
int32_t MouseKeyBits(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

}  // namespace Wheel
