#pragma once
// The desktop's own mouse settings. Windows opens its control panel applet;
// a Linux desktop has a settings tool of its own, so the first tool of a
// fixed list of common desktops' tools that is found on PATH is started,
// detached. ORVIK_MOUSE_SETTINGS_CMD, when set, is the one command line
// tried instead of the list (tests use it).

#include <QString>
#include <QStringList>

namespace MouseSettings {

// The command lines tried in order (program, then its arguments).
QList<QStringList> candidates();

// Starts the first candidate found; false when none was found or it could
// not be started.
bool open();

} // namespace MouseSettings
