#include "SingleInstance.h"

#include "UserPaths.h"

#include <QDir>
#include <QFile>
#include <QSharedMemory>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

namespace SingleInstance {

namespace {

// A segment's key is made from only the low bits of its key file's inode and
// device, and a killed copy leaves its segment behind. Once that copy's key
// file is gone, the file system hands the inode to a new file, so a fresh key
// file can name a stale segment someone else left. Unattached, it is nobody's:
// remove it. Returns true when one was removed.
bool RemoveUnattachedSegment(const QString &keyFile)
{
    const key_t key = ::ftok(QFile::encodeName(keyFile).constData(), 'Q');
    if (key == key_t(-1))
        return false;
    const int id = ::shmget(key, 0, 0);
    if (id < 0)
        return false;
    struct shmid_ds info;
    if (::shmctl(id, IPC_STAT, &info) != 0 || info.shm_nattch > 0)
        return false;
    return ::shmctl(id, IPC_RMID, nullptr) == 0;
}

} // namespace

QSharedMemory &Memory()
{
    static QSharedMemory memory(UserPaths::productName());
    return memory;
}

QString LockFilePath()
{
    // The session's runtime folder is private to the user and cleared at
    // logout; a shared /tmp lets anyone create (and hold) the file first.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return folder + "/" + UserPaths::productName() + ".instance.lock";
}

QString FolderLockFilePath()
{
    return UserPaths::userFolder() + "/" + UserPaths::instanceLockName();
}

Start TryStart(QString *error)
{
    // The per-user folder's own lock first: two copies that would write the
    // same files refuse each other whatever runtime or temporary folder each
    // was given. Kept open (and locked) for the whole life of the running
    // copy, like the session lock below; not inherited by programs it starts.
    static int folderFd = -1;
    const QByteArray folderLock = QFile::encodeName(FolderLockFilePath());
    int openError = 0;
    if (folderFd < 0) {
        folderFd = ::open(folderLock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        // A lock is taken through a read-only open just as well. (Not
        // blocking: something else under the name must not hold the start.)
        if (folderFd < 0) {
            openError = errno;
            folderFd = ::open(folderLock.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        }
    }
    if (folderFd < 0) {
        if (error)
            *error = FolderLockFilePath() + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(openError));
        return Start::FolderUnlockable;
    }
    int rc;
    do {
        rc = ::flock(folderFd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno == EWOULDBLOCK)
        return Start::AnotherRuns;
    if (rc != 0) {
        if (error)
            *error = FolderLockFilePath() + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return Start::FolderUnlockable;
    }

    // Kept open (and locked) for the whole life of the running copy; the
    // descriptor is not inherited by programs this copy starts.
    static int lockFd = -1;
    if (lockFd < 0)
        lockFd = ::open(QFile::encodeName(LockFilePath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);

    enum { LockUnavailable, LockTaken, LockHeldByOther } lock = LockUnavailable;
    if (lockFd >= 0) {
        int rc;
        do {
            rc = ::flock(lockFd, LOCK_EX | LOCK_NB);
        } while (rc != 0 && errno == EINTR);
        lock = rc == 0 ? LockTaken : (errno == EWOULDBLOCK ? LockHeldByOther : LockUnavailable);
    }

    QSharedMemory &memory = Memory();
    const bool attached = memory.attach(QSharedMemory::ReadWrite);

    if (lock == LockHeldByOther)
        return Start::AnotherRuns;
    if (attached) {
        if (lock != LockTaken)
            return Start::AnotherRuns; // no lock to tell a live owner from a stale segment: trust the segment
        // Nobody holds the lock, so whoever created the segment has gone:
        // detaching the last attachment removes it.
        memory.detach();
    }
    // A failure still runs this copy as the first one.
    if (!memory.create(1, QSharedMemory::ReadWrite) && memory.error() == QSharedMemory::AlreadyExists
        && lock == LockTaken && RemoveUnattachedSegment(memory.nativeKey()))
        memory.create(1, QSharedMemory::ReadWrite);
    return Start::First;
}

} // namespace SingleInstance
