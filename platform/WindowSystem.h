#pragma once
// Where a top-level window really is on the screen.
//
// Linux difference: under an X11 window manager Qt learns a top-level
// window's position from configure events. When the window is slow to start,
// Qt asks the X server for the position of the first such event only after
// the window manager has put the window into its (not yet placed) frame, and
// since the frame then lands where the window asked to be, no further event
// comes: Qt keeps the frame's (0, 0) until the window is first moved. Every
// placement relative to the window (dialogs, drop-downs, a drag) then goes
// wrong. This layer asks the X server itself; on other platforms (and in
// tests on the offscreen platform) Qt's own idea is the truth.

#include <QPoint>
#include <functional>

class QWidget;

namespace WindowSystem {

// The real global position of the top-left corner of widget's top-level
// window (in Qt's device-independent pixels). Falls back to Qt's own idea
// when the window system cannot be asked.
QPoint RealTopLeft(const QWidget *widget);

// The real global position of widget's point (0, 0).
QPoint RealGlobalOrigin(const QWidget *widget);

// Tells Qt where widget's top-level window really is, when Qt's idea is
// stale, so Qt's own placements (drop-down lists, menus) are right too.
void SyncPosition(QWidget *widget);

// Whether a compositing manager draws the windows of the default screen (so
// transparent window pixels really show what lies behind). False where it
// cannot be asked. The server is asked at most once a second; within that
// the last answer is given.
bool CompositorRuns();

// Opens the connection these questions use on a thread of its own, so the
// first question does not wait for it (on X11; elsewhere nothing happens).
// Called once the application object exists.
void ConnectAhead();

// Tests stand in for a window manager that moved the window behind Qt's
// back: the function answers for the window system (an empty one restores
// the real query).
using Answer = std::function<bool(const QWidget *window, QPoint *topLeft)>;
void SetAnswerForTests(Answer answer);

} // namespace WindowSystem
