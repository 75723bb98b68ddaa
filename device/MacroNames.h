#pragma once
// Macro names and macro files. A macro named N is the file N + ".ini" in the
// per-user macro folder, and the macro list shows a file by its name with
// every ".ini" removed. A name comes from the user (name entry, rename,
// import of an exchange file, a record read back from the mouse), so every
// file operation on a macro goes through here first:
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

#include <QString>

namespace MacroNames {

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

} // namespace MacroNames
