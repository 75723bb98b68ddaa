#pragma once
// Our stand-in for reading the colour of the screen pixel under the mouse
// cursor.
//
// On Windows the colour board scaled the cursor position by the desktop's
// horizontal resolution over the logical screen width (GetDeviceCaps /
// GetSystemMetrics) and grabbed a 2 x 2 area of the desktop window. Here Qt
// does that scaling: the screen under the cursor (QGuiApplication::screenAt)
// grabs a 2 x 2 area of the desktop (window 0) at the cursor position in
// device-independent pixels, and pixel (0, 0) of that image is the colour.
//
// Linux difference: a grab may give no image at all (the offscreen platform,
// most Wayland compositors, no screen under the cursor). Then no colour is
// determined and the caller keeps what it has; it must never read a colour
// out of an empty image (that would be black, or out of bounds).
//
// GUI thread only. Tests replace the grab with SetGrabberForTest.

#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>
#include <optional>

namespace ScreenPicker {

// Grabs the 2 x 2 desktop area whose top-left is the global position; a null
// image when nothing could be grabbed.
using Grabber = std::function<QImage(const QPoint &globalPos)>;

// The real grab through the screen that holds globalPos.
QImage GrabDesktop(const QPoint &globalPos);

// The colour of pixel (0, 0) of the grab at globalPos, or nothing when the
// grab gave no image.
std::optional<QColor> PickAt(const QPoint &globalPos);

// PickAt(QCursor::pos()).
std::optional<QColor> PickAtCursor();

// Replaces the grab (an empty function restores the real one).
void SetGrabberForTest(Grabber grabber);

} // namespace ScreenPicker
