#include "MacroListing.h"

#include "MacroNames.h"

#include <QDir>

namespace MacroNames {

QStringList ListFolderFiles(const QString &folder)
{
    // Hidden files stay out since QDir::Hidden is not asked for.
    return QDir(folder).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
}

bool LeadsBackToFile(const QString &folder, const QString &file)
{
    return FilePathIn(folder, NameOfFile(file)) == folder + QLatin1Char('/') + file;
}

QStringList ListedMacroNames(const QString &folder)
{
    QStringList names;
    for (const QString &file : ListFolderFiles(folder)) {
        if (!IsListedFileName(file))
            continue;
        if (LeadsBackToFile(folder, file))
            names << NameOfFile(file);
    }
    return names;
}

} // namespace MacroNames
