#include "output/Wheel.h"

#include <QEvent>
#include <QWheelEvent>
#include <memory>

namespace Wheel {

bool WheelHooked = false;
QPointer<QWidget> WheelForm;

namespace {
class WindowProc : public QObject {
 public:
  explicit WindowProc(MouseWheelHandler handler) : handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == WheelForm && event->type() == QEvent::Wheel) {
      const auto* e = static_cast<QWheelEvent*>(event);
      // Horizontal wheels and the delta-less begin/end events of a touchpad
      // are not vertical wheel turns.
      const int rotation = e->angleDelta().y();
      if (rotation != 0 && handler_) {
        const QPoint at = e->globalPosition().toPoint();
        handler_(MouseKeyBits(e->buttons(), e->modifiers()), rotation, at.x(), at.y());
      }
    }
    return false;  // the window's own handling follows
  }

 private:
  MouseWheelHandler handler_;
};

std::unique_ptr<WindowProc>& Filter() {
  static std::unique_ptr<WindowProc> filter;
  return filter;
}
}  // namespace

void Hook(QWidget& Formulario, MouseWheelHandler MouseWheel) {
  if (WheelHooked) return;
  WheelHooked = true;
  WheelForm = &Formulario;
  Filter() = std::make_unique<WindowProc>(std::move(MouseWheel));
  Formulario.installEventFilter(Filter().get());
}

void Unhook() {
  if (WheelForm && Filter()) WheelForm->removeEventFilter(Filter().get());
  Filter().reset();
  WheelForm = nullptr;
  WheelHooked = false;
}

int32_t MouseKeyBits(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  int32_t keys = 0;
  if (buttons & Qt::LeftButton) keys |= 0x1;
  if (buttons & Qt::RightButton) keys |= 0x2;
  if (modifiers & Qt::ShiftModifier) keys |= 0x4;
  if (modifiers & Qt::ControlModifier) keys |= 0x8;
  if (buttons & Qt::MiddleButton) keys |= 0x10;
  return keys;
}

}  // namespace Wheel
