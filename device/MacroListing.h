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

// The macro page's list: the entries whose names may be listed, each as the
// macro name it stands for.
QStringList ListedMacroNames(const QString &folder);

} // namespace MacroNames
