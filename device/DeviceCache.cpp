#include "DeviceCache.h"

#include "SaveFile.h"
#include "UserPaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace DeviceCache {

namespace {
constexpr int RecordSize = int(sizeof(FlashDataMap));
} // namespace

QString FileName(uchar cid, uchar mid)
{
    auto hex2 = [](uchar value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); };
    return QStringLiteral("Device_CID") + hex2(cid) + QStringLiteral("_MID") + hex2(mid) + QStringLiteral(".bin");
}

QString FilePath(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    return UserPaths::deviceInfoFolder() + QLatin1Char('/') + name;
}

bool Write(const QString &name, const FlashDataMap &map)
{
    if (name.isEmpty())
        return false;
    const QString path = FilePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written beside and renamed over the old file: a process killed or a
    // disk full part-way leaves the previous file whole, never a torn one.
    uchar length[4];
    qToBigEndian<quint32>(quint32(RecordSize), length);
    const QByteArray bytes = QByteArray(reinterpret_cast<const char *>(length), 4)
        + QByteArray(reinterpret_cast<const char *>(&map), RecordSize);
    QString error;
    if (!SaveFile::Write(path, bytes, SaveFile::Links::Refuse, &error)) {
        qWarning() << "cache file not written:" << error;
        return false;
    }
    return true;
}

bool Read(const QString &name, FlashDataMap *out)
{
    if (name.isEmpty() || !out)
        return false;
    QFile file(FilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    uchar lengthBytes[4];
    if (file.read(reinterpret_cast<char *>(lengthBytes), 4) != 4)
        return false; // torn before its length was written
    const quint32 length = qFromBigEndian<quint32>(lengthBytes);
    // 0xFFFFFFFF marks an empty block in QDataStream.
    const qint64 stated = length == 0xFFFFFFFFu ? 0 : qint64(length);
    // A file shorter than its own header says was cut off while being
    // written: it holds no record to trust. Read as missing, so the next
    // online read writes it again.
    if (file.size() - 4 < stated)
        return false;
    // Whatever a whole block of another layout does not cover reads as zero,
    // and never more than the record's size is copied.
    const QByteArray block = file.read(qMin<qint64>(stated, RecordSize));
    if (block.size() != qMin<qint64>(stated, RecordSize))
        return false;
    std::memset(out, 0, sizeof *out);
    std::memcpy(out, block.constData(), size_t(block.size()));
    return true;
}

} // namespace DeviceCache
