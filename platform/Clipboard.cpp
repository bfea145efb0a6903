#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

ClipboardAccess::~ClipboardAccess() = default;

namespace {

class SystemClipboard : public ClipboardAccess {
 public:
  void Clear() override {
    if (QClipboard* c = Board()) c->clear();
  }
  void SetImage(const QImage& image) override {
    if (QClipboard* c = Board()) c->setImage(image);
  }
  QImage Image() override {
    QClipboard* c = Board();
    return c ? c->image() : QImage();
  }
  void SetText(const QString& text) override {
    if (QClipboard* c = Board()) c->setText(text);
  }
  QString Text() override {
    QClipboard* c = Board();
    return c ? c->text() : QString();
  }

 private:
  static QClipboard* Board() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::clipboard();
  }
};

ClipboardAccess* g_replacement = nullptr;

ClipboardAccess& Board() {
  if (g_replacement) return *g_replacement;
  static SystemClipboard system;
  return system;
}

}  // namespace

ClipboardAccess* SetClipboardAccess(ClipboardAccess* clipboard) {
  ClipboardAccess* old = g_replacement;
  g_replacement = clipboard;
  return old;
}

bool CopyImageToClipboard(const QImage& image) {
  if (image.isNull()) return false;
  ClipboardAccess& b = Board();
  b.Clear();
  b.SetImage(image);
  const QImage back = b.Image();
  if (back.isNull() || back.size() != image.size()) return false;
  return back.convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32);
}

bool CopyTextToClipboard(const QString& text) {
  ClipboardAccess& b = Board();
  b.Clear();
  b.SetText(text);
  return b.Text() == text;
}

}  // namespace platform
