#pragma once
// Starting with the desktop session. On Windows the program lists itself
// under the user's "Run" registry key; a Linux desktop starts what the XDG
// autostart folder holds, so the entry here is a .desktop file:
// $XDG_CONFIG_HOME/autostart/<applicationName>.desktop (XDG_CONFIG_HOME
// defaults to ~/.config), whose Exec line runs the quoted executable path.

#include <QString>

namespace Autostart {

// The autostart folder and the entry file of this program.
QString folder();
QString entryFile();

// Writes the entry (through SaveFile). False, with the reason in *error when
// given, when the folder or the file cannot be written; nothing is left
// behind then.
bool enable(QString *error = nullptr);
// Removes the entry; true when it is gone (also when there was none).
bool disable(QString *error = nullptr);
// The entry exists.
bool isEnabled();

} // namespace Autostart
