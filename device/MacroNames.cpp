#include "MacroNames.h"

#include "SaveFile.h"
#include "UserPaths.h"

#include <QDir>
#include <QFileInfo>

namespace MacroNames {

bool IsValidName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false; // also "." and ".."
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\'))
            return false;
        // C0 (NUL included), DEL and C1 controls: no file system takes them
        // all, and a NUL would cut the name short in the library's C strings.
        if (ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString FilePathIn(const QString &folder, const QString &name)
{
    if (!IsValidName(name))
        return QString();
    QString path = folder + QLatin1Char('/') + name + QStringLiteral(".ini");
    // With separators and dot names refused this always holds; kept as the
    // rule itself, so a later relaxation of the name check cannot open a
    // file outside the folder.
    if (QFileInfo(QDir::cleanPath(path)).absolutePath() != QFileInfo(QDir::cleanPath(folder)).absoluteFilePath())
        return QString();
    return path;
}

QString FilePath(const QString &name)
{
    return FilePathIn(UserPaths::macroPageFolder(), name);
}

QString NameOfFile(const QString &fileName)
{
    QString name = fileName;
    name.remove(QStringLiteral(".ini"), Qt::CaseSensitive);
    return name;
}

bool IsListedFileName(const QString &fileName)
{
    return !fileName.contains(QStringLiteral("xml"), Qt::CaseSensitive);
}

bool IsUsableName(const QString &name)
{
    const QString file = name + QStringLiteral(".ini");
    return IsValidName(name) && IsListedFileName(file) && NameOfFile(file) == name
        && name.toLocal8Bit().size() <= NameMaxBytes;
}

bool WriteFile(const QString &folder, const QString &name, const QByteArray &data)
{
    const QString path = FilePathIn(folder, name);
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isSymLink())
        return false;
    // Files made before the rule keep working; only a new file must have a
    // name that reads back as itself.
    if (!info.exists() && !IsUsableName(name))
        return false;
    return SaveFile::Write(path, data, SaveFile::Links::Refuse);
}

} // namespace MacroNames
