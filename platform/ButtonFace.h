// The program's image buttons: a face picture with a caption label laid
// over it, the caption taking the mouse.
#pragma once

#include <QPixmap>

namespace platform {

class Placement;

constexpr int kButtonFaceWidth = 120, kButtonFaceHeight = 34;

// A rounded face without text: light blue when enabled, white to light grey
// when disabled.
QPixmap ButtonFacePicture(bool enabled = true);

// The pressed look: pressed, face and caption stand one pixel right and
// down from where they rest; released, they are back. The face rests at
// (x, y), the caption captionDrop pixels lower.
void ShowButtonPressed(Placement* face, Placement* caption, int x, int y, int captionDrop,
                       bool pressed);

}  // namespace platform
