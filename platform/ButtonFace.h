// The face of the program's image buttons: a picture the caption label lies on.
#pragma once

#include <QPixmap>

namespace platform {

constexpr int kButtonFaceWidth = 120, kButtonFaceHeight = 34;

// A rounded face without text: light blue when enabled, white to light grey
// when disabled.
QPixmap ButtonFacePicture(bool enabled = true);

}  // namespace platform
