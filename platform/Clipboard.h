// The clipboard, through an interface a test can replace (to make it fail).
// Copies are read back, so success is reported only when the clipboard
// really holds what was put there.
#pragma once

#include <QImage>
#include <QString>

namespace platform {

class ClipboardAccess {
 public:
  virtual ~ClipboardAccess();
  virtual void Clear() = 0;
  virtual void SetImage(const QImage& image) = 0;
  virtual QImage Image() = 0;
  virtual void SetText(const QString& text) = 0;
  virtual QString Text() = 0;
};

// Puts a clipboard in place (nullptr: the system's); returns the old one
// (nullptr for the system's).
ClipboardAccess* SetClipboardAccess(ClipboardAccess* clipboard);

// Clears the clipboard and puts the picture (or text) on it; true only when
// reading it back gives the same picture (text).
bool CopyImageToClipboard(const QImage& image);
bool CopyTextToClipboard(const QString& text);

}  // namespace platform
