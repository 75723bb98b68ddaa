#pragma once
// The one writer of whole files: macro files, device cache files, the level
// file, exported configurations and macros, the auto-start entry. (Linux:
// rename(2) puts the new file in place in one step, where Windows would use
// ReplaceFile; the temporary is synced to disk first, as QSaveFile does.)
// Macro.ini is QSettings' to write; start-up only creates it empty.
//
// The new content goes whole into a temporary in the file's own folder and is
// then renamed over the file, so a kill or a full disk at any moment leaves
// the old content or the new, never a part and never an empty file. The
// temporary is named ".orvik-save-" + six letters or digits + ".tmp": hidden
// (no macro list shows it) and carrying a mark no file of the user has. A
// killed write leaves such a file behind; RemoveLeftovers takes those, and
// only those, so a user's "Macro.ini.backup" or "foo.ini.qwerty" is never
// mistaken for one. (QSaveFile names its temporary after the file plus six
// letters, the very shape of a user's backup copy.) A folder the user chose
// (an export) has no start-up sweep: each write takes what killed writes left
// in its folder (RemoveIdleLeftovers), leaving the temporaries of writes in
// progress alone (each is locked while its writer has it).

#include <QByteArray>
#include <QString>

#include <functional>

namespace SaveFile {

// What a symbolic link found under the file's name means.
enum class Links {
    Refuse, // our own folders: a planted link would carry the write elsewhere
    Follow, // a path the user chose: the link's target is the file
};

// Writes data as the whole content of path; a file that exists keeps its
// permissions. False, with the reason in *error when given, when nothing was
// written: a link under Refuse, a folder under the name, a file that is not
// writable (no write permission for this user, or none for anyone: a file
// its owner made read-only, also when root writes), a temporary that cannot
// be made, a short write, a failed sync or rename. No temporary stays behind
// a failure.
bool Write(const QString &path, const QByteArray &data, Links links = Links::Refuse, QString *error = nullptr);

// Writes all of data to fd, again after an interruption or a short write: 0,
// or the errno value of the write that failed.
int WriteAll(int fd, const char *data, qint64 size);

// True for a name the writer gives its temporaries.
bool IsLeftoverName(const QString &fileName);

// Removes the temporaries killed writes left in folder that no writer holds
// and that are at least IdleSeconds old (a writer locks its temporary right
// after making it); the number removed. Safe while other writers write there.
constexpr int IdleSeconds = 120;
int RemoveIdleLeftovers(const QString &folder);

// Removes the temporaries killed writes left in folder (its own entries, not
// its sub-folders; plain files only); the number removed. Call it only where
// no other copy of the utility can be writing into the folder.
int RemoveLeftovers(const QString &folder);

// Tests: called with the temporary's path and the final path right before
// the rename; returning a non-zero errno value fails the write with it (a
// full disk, a kill before the rename is seen as a leftover). Empty: none.
void SetBeforeRenameForTest(std::function<int(const QString &temporary, const QString &path)> hook);

} // namespace SaveFile
