#pragma once
// What a killed write leaves behind. Every per-user file of ours is written
// through a save file: the new content goes to a temporary beside the file
// ("Macro.ini.AbCdEf": the file's own name, a dot and six letters) and is
// renamed over it when whole. A process killed before the rename leaves the
// temporary, and in the macro folder the list would show it as a macro of its
// own. Start-up removes them, and only them: a file is taken for one of ours
// only when the name before the six letters is one of our own files' names in
// its own folder.

#include <QString>

namespace SaveFileLeftovers {

// Removes the temporaries of the device cache files, of Macro.ini and of the
// macro files; the number removed. Call it only where no other copy of the
// program can be writing (after the single-instance check).
int RemoveStale();

} // namespace SaveFileLeftovers
