#include "SaveFile.h"

#include "OurMark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SaveFile {

namespace {

const QLatin1String kPrefix(".orvik-save-");
const QLatin1String kSuffix(".tmp");

std::mutex s_HookMutex;
std::function<int(const QString &, const QString &)> s_BeforeRename;

int BeforeRename(const QString &temporary, const QString &path)
{
    std::lock_guard<std::mutex> guard(s_HookMutex);
    return s_BeforeRename ? s_BeforeRename(temporary, path) : 0;
}

bool Fail(QString *error, const QString &what, int err = 0)
{
    if (error)
        *error = err ? what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(err)) : what;
    return false;
}

// The file a link under path stands for (links of links too); empty when
// they go round in a circle.
QString LinkTarget(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return QString();
}

} // namespace

int WriteAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
    }
    return 0;
}

bool Write(const QString &path, const QByteArray &data, Links links, QString *error)
{
    if (path.isEmpty())
        return Fail(error, QStringLiteral("no file name"));
    QString target = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(target).isSymLink()) {
        if (links == Links::Refuse)
            return Fail(error, target + QStringLiteral(" is a symbolic link"));
        target = LinkTarget(target);
        if (target.isEmpty())
            return Fail(error, path + QStringLiteral(": too many levels of symbolic links"));
    }
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing;
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return Fail(error, target + QStringLiteral(" is not a plain file"));
    // A file its owner made read-only stays as it is, as with a write in
    // place: the rename would replace it all the same. Also for root, who may
    // write anything: no write permission for anyone says "leave it".
    if (exists
        && ((existing.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0))
        return Fail(error, target + QStringLiteral(" is not writable"), EACCES);

    const QString folder = QFileInfo(target).absolutePath();
    RemoveIdleLeftovers(folder);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(folder + QLatin1Char('/') + kPrefix + OurMark::RandomPart() + kSuffix);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Fail(error, QStringLiteral("cannot write in ") + folder, errno);
    }
    if (fd < 0)
        return Fail(error, QStringLiteral("no free temporary name in ") + folder);
    // Locked until it has taken the file's name or gone: a write into the
    // same folder (another copy of the utility, in another session or for
    // another home) leaves it alone. The lock lives on in a second descriptor
    // so the first can be closed, with its errors seen, before the rename.
    const int held = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1;
    auto release = qScopeGuard([held] {
        if (held >= 0)
            ::close(held);
    });

    // A file that exists keeps its permissions (a user may have made a macro
    // read-only for others); a new one gets the usual ones.
    bool ok = !exists || ::fchmod(fd, existing.st_mode & 07777) == 0;
    int err = ok ? 0 : errno;
    if (ok) {
        err = WriteAll(fd, data.constData(), data.size());
        ok = err == 0;
    }
    // Only a temporary that is on disk may replace the old file: a crash of
    // the system right after the rename would otherwise leave it empty.
    if (ok && ::fsync(fd) != 0 && errno != EINVAL) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok) {
        err = BeforeRename(QFile::decodeName(temporary), target);
        ok = err == 0 && ::rename(temporary.constData(), targetName.constData()) == 0;
        if (!ok && err == 0)
            err = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return Fail(error, QStringLiteral("cannot write ") + target, err);
    }
    return true;
}

bool IsLeftoverName(const QString &fileName)
{
    return OurMark::Matches(fileName, kPrefix, kSuffix);
}

namespace {

// Calls remove(path, info) for each plain file of the folder that bears our
// temporaries' name and counts those it took. The writer makes plain files
// only: a link or anything else of that name is not one of its temporaries.
template<typename Remove>
int RemoveMarked(const QString &folder, Remove remove)
{
    int removed = 0;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!IsLeftoverName(name))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info;
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (remove(path, info))
            ++removed;
    }
    return removed;
}

} // namespace

int RemoveIdleLeftovers(const QString &folder)
{
    const qint64 now = std::time(nullptr);
    return RemoveMarked(folder, [now](const QByteArray &path, struct stat info) {
        // Fresh: a writer may have made it and not yet locked it (or a clock
        // set back makes its age unknown).
        const qint64 age = now - qint64(info.st_mtim.tv_sec);
        if (age < IdleSeconds)
            return false;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat opened;
        // Only one nobody holds, and still the one under that name.
        const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0
            && ::lstat(path.constData(), &info) == 0 && opened.st_dev == info.st_dev && opened.st_ino == info.st_ino
            && ::unlink(path.constData()) == 0;
        ::close(fd);
        return taken;
    });
}

int RemoveLeftovers(const QString &folder)
{
    return RemoveMarked(folder,
                        [](const QByteArray &path, const struct stat &) { return ::unlink(path.constData()) == 0; });
}

void SetBeforeRenameForTest(std::function<int(const QString &temporary, const QString &path)> hook)
{
    std::lock_guard<std::mutex> guard(s_HookMutex);
    s_BeforeRename = std::move(hook);
}

} // namespace SaveFile
