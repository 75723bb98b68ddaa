#include "SaveFileLeftovers.h"

#include "DeviceCache.h"
#include "MacroNames.h"
#include "UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace SaveFileLeftovers {

namespace {

constexpr int kLetters = 6;

// The file a temporary name stands for, or an empty text when the name does
// not end in a dot and six letters.
QString TargetOf(const QString &fileName)
{
    const int dot = fileName.size() - kLetters - 1;
    if (dot < 1 || fileName.at(dot) != QLatin1Char('.'))
        return QString();
    for (int i = dot + 1; i < fileName.size(); ++i) {
        const QChar ch = fileName.at(i);
        if (!((ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))))
            return QString();
    }
    return fileName.left(dot);
}

// A cache file's name: exactly what DeviceCache names the file of some CID
// and MID.
bool IsCacheFileName(const QString &name)
{
    const QString prefix = QStringLiteral("Device_CID");
    if (!name.startsWith(prefix) || name.size() != DeviceCache::FileName(0, 0).size())
        return false;
    bool cidOk = false;
    bool midOk = false;
    const uint cid = name.mid(prefix.size(), 2).toUInt(&cidOk, 16);
    const uint mid = name.mid(prefix.size() + 6, 2).toUInt(&midOk, 16);
    return cidOk && midOk && cid <= 0xFF && mid <= 0xFF && DeviceCache::FileName(uchar(cid), uchar(mid)) == name;
}

// A macro file's name: a name the macro folder makes a path for, with its
// ".ini".
bool IsMacroFileName(const QString &folder, const QString &name)
{
    const QString suffix = QStringLiteral(".ini");
    return name.endsWith(suffix) && !MacroNames::FilePathIn(folder, name.chopped(suffix.size())).isEmpty();
}

int RemoveIn(const QString &folder, const std::function<bool(const QString &)> &isOurFile)
{
    int removed = 0;
    const QDir dir(folder);
    // Hidden ones too: a temporary of a file whose name starts with a dot.
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString target = TargetOf(entry);
        if (target.isEmpty() || !isOurFile(target))
            continue;
        const QString path = dir.filePath(entry);
        if (QFileInfo(path).isSymLink())
            continue; // never ours: the save file makes a plain file
        if (QFile::remove(path))
            ++removed;
    }
    return removed;
}

} // namespace

int RemoveStale()
{
    const QString macroIni = QFileInfo(UserPaths::macroIniFile()).fileName();
    const QString macroFolder = UserPaths::macroPageFolder();
    int removed = 0;
    removed += RemoveIn(UserPaths::deviceInfoFolder(), IsCacheFileName);
    removed += RemoveIn(QFileInfo(UserPaths::macroIniFile()).absolutePath(),
                        [&macroIni](const QString &name) { return name == macroIni; });
    removed +=
        RemoveIn(macroFolder, [&macroFolder](const QString &name) { return IsMacroFileName(macroFolder, name); });
    return removed;
}

} // namespace SaveFileLeftovers
