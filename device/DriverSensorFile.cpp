#include "DriverSensorFile.h"

#include "UserPaths.h"

#include <QFile>
#include <QStringList>

#include <atomic>

namespace DriverSensorFile {

namespace {

const char *const kSupportNames[SupportListCount] = {
    "SUPPORT_SENSOR_MODE_SEL", "SUPPORT_LOD_CAL",     "SUPPORT_RIPPLE",
    "SUPPORT_FIXLINE",         "SUPPORT_MOTION_SYNC", "SUPPORT_MOUSEPAD_CAL",
};

std::atomic<int> s_ReadCount{0};

int valueOf(const QString &text)
{
    bool ok = false;
    const int value = text.contains(QLatin1String("0x")) ? text.toInt(&ok, 16) : text.toInt(&ok, 10);
    return ok ? value : 0;
}

void append(Contents &contents, const QString &name, const QString &valueText)
{
    contents.names.append(name);
    contents.values.append(valueOf(valueText));
}

void parseLine(Contents &contents, const QString &line)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() == 2) {
        const QString &second = words.at(1);
        for (int list = 0; list < SupportListCount; ++list) {
            if (second.contains(QLatin1String(kSupportNames[list]))) {
                const QStringList parts = second.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
                const QString models = parts.size() >= 2 ? QString(parts.at(1)).remove(QLatin1Char('\n')) : QString();
                if (!models.isEmpty())
                    contents.support[list] = models;
                return;
            }
        }
        if (words.at(0) != QLatin1String("#define"))
            return;
        const QStringList parts = second.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        // No value part, or a value without the line feed (the last line of a
        // file without a final line break, or a third TAB item): skipped.
        if (parts.size() < 2 || !parts.at(1).contains(QLatin1Char('\n')))
            return;
        // A name whose value part is only the line feed has no value to take.
        const QString value = QString(parts.at(1)).remove(QLatin1Char('\n'));
        if (!value.isEmpty())
            append(contents, parts.at(0), value);
    } else if (words.size() == 3 && words.at(2).contains(QLatin1String("//"))) {
        const QStringList parts = words.at(1).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (parts.size() == 2)
            append(contents, parts.at(0), parts.at(1));
    }
}

} // namespace

QString SupportName(SupportList list)
{
    return (list >= 0 && list < SupportListCount) ? QString::fromLatin1(kSupportNames[list]) : QString();
}

Contents Parse(const QByteArray &text)
{
    Contents contents;
    int start = 0;
    while (start < text.size()) {
        int end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        QByteArray raw = text.mid(start, end - start);
        start = end;
        // A NUL byte ends the line's text.
        const int nul = raw.indexOf('\0');
        if (nul >= 0)
            raw.truncate(nul);
        parseLine(contents, QString::fromUtf8(raw));
    }
    return contents;
}

Contents ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Contents();
    ++s_ReadCount;
    return Parse(file.readAll());
}

const Contents &Get()
{
    static const Contents contents = ReadFile(UserPaths::driverSensorFile());
    return contents;
}

int ReadCount()
{
    return s_ReadCount.load();
}

int TableNameDpi(const QString &name)
{
    const int at = name.lastIndexOf(QLatin1String("_DPI_"));
    if (at < 0)
        return 0;
    bool ok = false;
    const int dpi = name.mid(at + 5).toInt(&ok, 10);
    return ok ? dpi : 0;
}

bool HasEntriesFor(const Contents &contents, const QString &model)
{
    for (const QString &name : contents.names)
        if (name.contains(model))
            return true;
    return false;
}

} // namespace DriverSensorFile
