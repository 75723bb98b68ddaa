#include "MacroListing.h"

#include "MacroNames.h"

#include <QDir>

namespace MacroNames {

QStringList ListFolderFiles(const QString &folder)
{
    // Hidden files stay out since QDir::Hidden is not asked for.
    return QDir(folder).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
}

QStringList ListedMacroNames(const QString &folder)
{
    QStringList names;
    for (const QString &file : ListFolderFiles(folder)) {
        if (!IsListedFileName(file))
            continue;
        // Only a file its name leads back to: every action on an entry
        // (load, save, rename, delete, export) works on the name's file, so a
        // "old.ini.bak" listed as "old.bak" would be a macro whose file none
        // of them finds.
        const QString name = NameOfFile(file);
        if (FilePathIn(folder, name) == folder + QLatin1Char('/') + file)
            names << name;
    }
    return names;
}

} // namespace MacroNames
