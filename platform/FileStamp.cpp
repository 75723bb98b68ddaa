#include "FileStamp.h"

#include <QFile>

#include <sys/stat.h>
#include <time.h>

namespace FileStamp {

namespace {

qint64 Ns(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

bool Stamp::operator==(const Stamp &other) const
{
    return Device == other.Device && Inode == other.Inode && Size == other.Size && ModifiedNs == other.ModifiedNs
        && ChangedNs == other.ChangedNs;
}

bool Read(const QString &path, Stamp *stamp)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    stamp->Device = quint64(status.st_dev);
    stamp->Inode = quint64(status.st_ino);
    stamp->Size = qint64(status.st_size);
    stamp->ModifiedNs = Ns(status.st_mtim);
    stamp->ChangedNs = Ns(status.st_ctim);
    return true;
}

qint64 NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Ns(now);
}

bool Settled(const Stamp &stamp, qint64 readStartNs)
{
    // Nanosecond stamps come from a clock at most a tick (10 ms at the
    // slowest kernel rate) behind, or from a 10 ms unit on some file
    // systems; a change time without a fraction is taken for a file system
    // that keeps whole seconds (two on FAT).
    const qint64 margin = stamp.ChangedNs % 1000000000 == 0 ? qint64(3000000000) : qint64(50000000);
    return stamp.ChangedNs + margin < readStartNs;
}

} // namespace FileStamp
