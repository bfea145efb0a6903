// Start sizes, places and smallest sizes of top-level windows, which count
// the whole window, frame and title bar included, against the screen's
// available area.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Client rectangle for a window that would like the size 'wanted': no larger
// than 'available' leaves room for, once the frame is added, and no smaller
// than 'minimum'; centred in 'available' with its frame. When even the minimum
// does not fit, the frame's top-left corner stays inside the area, so the
// title bar can be reached.
QRect FitInside(const QRect& available, QSize wanted, QSize minimum, const QMargins& frame);

// The frame the window manager puts around the window: the real one once the
// window is shown, before that a title bar's worth above and a border around.
QMargins FrameMargins(const QWidget* window);

// Sizes the top-level window to at most 'wanted' (at least its minimum size)
// so that it fits the available area of its screen, and places a window
// without a parent there (once more when it shows, if its real frame turns
// out larger than the room kept for it); a dialog is placed over its parent
// by Qt, which keeps it inside the screen.
void FitToScreen(QWidget* window, QSize wanted);

// Gives the window an outer size, frame and title bar included, with the
// frame as FrameMargins has it.
void ResizeOuter(QWidget* window, QSize outer);

// Keeps the window at or above a smallest outer size, frame and title bar
// included: the smallest inside size follows from the frame (the real one
// once the window shows, looked at again whenever it moves or resizes), and
// a window smaller than that is set back to it.
void KeepOuterMinimum(QWidget* window, QSize outer);

}  // namespace platform
