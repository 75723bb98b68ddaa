#pragma once
// Macro names and macro files. A macro named N is the file N + ".ini" in the
// per-user macro folder, and the macro list shows a file by its name with
// every ".ini" removed, when that name leads back to the file
// (MacroNames::ListedMacroNames). A name comes from the user (name entry,
// rename, import of an exchange file, a record read back from the mouse), so
// every file operation on a macro goes through here first:
//
//  - IsValidName(name) refuses an empty name, '/', '\\', NUL and other
//    control characters, "." and "..", a leading "." (a hidden file the
//    list would never show again) and anything whose file would not sit
//    directly in the folder;
//  - FilePath(name) is folder + "/" + name + ".ini" for a valid name and an
//    empty text for a refused one, so a caller that opens the result opens
//    nothing at all;
//  - a valid name is used byte for byte (no trimming, no case change), so
//    the files users already have keep their names.
//
// Listing rules shared by the macro page and the button page: NameOfFile and
// IsListedFileName.
//
// IsUsableName is the one rule for a name that enters: typed, imported or
// read from the mouse's record. WriteFile is the one writer of a macro file.

#include <QByteArray>
#include <QString>

namespace MacroNames {

// The width of the name field of the mouse's macro record, in local 8-bit
// bytes. A longer name would be cut when bound to a button, and the cut name
// read back would stand for another file.
constexpr int NameMaxBytes = 30;

// True when name may become a macro file name.
bool IsValidName(const QString &name);

// The file of the macro name inside folder; empty for a refused name.
QString FilePathIn(const QString &folder, const QString &name);
// The same inside the per-user macro folder (UserPaths::macroPageFolder()).
QString FilePath(const QString &name);

// The macro name a listed file stands for: its file name with every ".ini"
// removed (case-sensitive); files of any other extension keep their name.
QString NameOfFile(const QString &fileName);
// A file whose name contains "xml" (case-sensitive, anywhere) is never
// offered as a macro.
bool IsListedFileName(const QString &fileName);

// True when name may become a new macro: a valid name whose file the list
// shows under the same name again, and which fits the record's name field
// whole.
bool IsUsableName(const QString &name);

// Writes data as the whole content of the macro file of name inside folder,
// through SaveFile: a kill at any moment leaves the old content or the new,
// never a part. Refused (false, nothing written): a name without a path,
// a symbolic link under the name (it would carry the write to its target),
// and a file that does not exist yet under a name IsUsableName refuses.
bool WriteFile(const QString &folder, const QString &name, const QByteArray &data);

} // namespace MacroNames
