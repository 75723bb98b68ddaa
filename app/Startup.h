#pragma once
// Start-up of the utility: the per-user folders, the purge of old log and
// crash files, the single-instance test and the top-level window.

#include <QString>
#include <functional>

class QWidget;

// Deletes every file (never a sub-folder) of folder whose last modification
// lies at least 8 whole days back. A file dated in the future is not old.
void PurgeOldFiles(QString folder);
// The same against a given current time (seconds since 1970).
void PurgeOldFiles(const QString &folder, qint64 now);

namespace Startup {

// Creates the per-user folders (in their fixed order) and an empty Macro.ini
// when it is missing; failures are passed over.
void PrepareUserFolders();

// Removes what killed writes of SaveFile left in the per-user folder and its
// sub-folders (only files carrying the writer's mark); the number removed.
// Only where no other copy can be writing there: after the single-instance
// test.
int RemoveSaveLeftovers();

// Gives the skin its colours: the lists of Config.ini group "Option". Runs
// before the first window is built (the tests' main does the same).
void InstallSkinColours();

// The whole program: folders, purge, QApplication, single-instance test,
// top-level window, event loop. Returns 0 when another copy runs.
int Run(int argc, char **argv);

// Called with the first window start-up shows (the single-instance notice or
// the top-level window) right after it is built; tests close or inspect it.
using WindowHook = std::function<void(QWidget *window)>;
void SetWindowHook(WindowHook hook);

} // namespace Startup
