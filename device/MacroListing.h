#pragma once
// The one listing of the macro folder, shared by the macro page's macro list
// and the button page's macro buttons: the folder's files (no sub-folders, no
// hidden files, no symbolic links) by name with letter case ignored. Each
// page then applies MacroNames::IsListedFileName and MacroNames::NameOfFile
// to the entries as its own list requires.

#include <QString>
#include <QStringList>

namespace MacroNames {

// File names of the folder's entries in listing order; a missing folder
// gives an empty list.
QStringList ListFolderFiles(const QString &folder);

// True when file (a name ListFolderFiles gave) is the file of the macro name
// it is listed as (NameOfFile): every action on a macro (load, save, rename,
// delete, binding) works on the name's file, so "old.ini.bak" listed as
// "old.bak" would be a macro whose file none of them finds.
bool LeadsBackToFile(const QString &folder, const QString &file);

// The macro page's list: the entries whose names may be listed and whose
// macro name (NameOfFile) leads back to them (its file, FilePathIn, is the
// entry itself), each as that name. A file of another extension, one with
// ".ini" inside its name ("old.ini.bak") or one whose name no macro could
// have is left out.
QStringList ListedMacroNames(const QString &folder);

} // namespace MacroNames
