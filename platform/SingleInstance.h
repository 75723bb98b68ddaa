#pragma once
// Only one copy of the utility runs per user session. The running copy owns
// a 1-byte shared-memory segment keyed by the product name; a copy that can
// attach to it knows another one runs.
//
// Copies that share the per-user folder would write the same files, whatever
// session they run in (another runtime folder, none at all under "su"): the
// running copy also holds a lock on a hidden file inside the per-user folder
// (UserPaths::instanceLockName()), taken once start-up has settled which
// folder that is. A copy with a home of its own has a folder of its own and
// runs beside the first.
//
// A System V segment outlives a process that was killed, so the segment
// alone would lock the utility out after a crash. Beside it the running copy
// holds an advisory lock on a file, which the kernel releases whenever the
// process ends; a segment found while nobody holds that lock is stale and is
// removed before this copy takes over.

#include <QString>

class QSharedMemory;

namespace SingleInstance {

// The shared-memory object of this process (created on first use, lives until
// the process ends, never detached while this copy runs).
QSharedMemory &Memory();

enum class Start {
    First,       // this copy is the running one: it holds the locks and made the segment
    AnotherRuns, // another copy runs in this session or on this per-user folder
    // The per-user folder's lock cannot be taken (reason in *error): the
    // lock file opens neither to write nor to read, or refuses the lock.
    // Running unlocked would let a second copy share the folder unseen.
    FolderUnlockable,
};

// Whether this copy may run. When it may, it becomes the running one: it
// takes the locks and creates the segment. The folder's lock file is made
// readable for all (it holds nothing): a lock file another account made
// (a start as root with the user's home) still takes this user's lock
// through a read-only open, as does one its owner made read-only.
Start TryStart(QString *error = nullptr);

// The lock file inside the per-user folder.
QString FolderLockFilePath();

// The session's lock file: in the session's runtime folder (XDG_RUNTIME_DIR) when that
// is set, else beside the segment's key file in the temporary folder.
QString LockFilePath();

} // namespace SingleInstance
