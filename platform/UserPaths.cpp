#include "UserPaths.h"

#include "OurMark.h"
#include "SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

const char *const g_ProductName = "Orvik SE";

namespace UserPaths {

QString productName()
{
    return QString::fromUtf8(g_ProductName);
}

QString xdgFolder(const char *variable, const QString &homeRelativeDefault)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + "/" + homeRelativeDefault;
}

QString dataHome()
{
    return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString configHome()
{
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

namespace {

// Set for the run when the old folder could not be moved.
std::atomic<bool> s_UseLegacyFolder{false};

QString XdgUserFolder()
{
    return dataHome() + "/" + productName();
}

} // namespace

QString userFolder()
{
    return s_UseLegacyFolder ? legacyUserFolder() : XdgUserFolder();
}

QString logFolder()
{
    return userFolder() + "/Log";
}

QString deviceInfoFolder()
{
    return userFolder() + "/Device_Info";
}

QString exceptionFolder()
{
    return userFolder() + "/Exception";
}

QString userSettingFolder()
{
    return userFolder() + "/usersetting";
}

QString mainPageFolder()
{
    return userSettingFolder() + "/MainPage";
}

QString macroPageFolder()
{
    return userSettingFolder() + "/MacroPage";
}

QString sensorPageFolder()
{
    return userSettingFolder() + "/SensorPage";
}

QString macroIniFile()
{
    return userFolder() + "/Macro.ini";
}

QStringList userSubFolders()
{
    return {logFolder(),      deviceInfoFolder(), exceptionFolder(), userSettingFolder(),
            mainPageFolder(), macroPageFolder(),  sensorPageFolder()};
}

bool createUserFolders()
{
    bool ok = QDir().mkpath(userFolder());
    for (const QString &folder : userSubFolders())
        ok = QDir().mkpath(folder) && ok;
    return ok;
}

QString legacyUserFolder()
{
    return QDir::homePath() + "/AppData/Local/" + productName();
}

QString instanceLockName()
{
    return QStringLiteral(".orvik-instance.lock");
}

bool usingLegacyUserFolder()
{
    return s_UseLegacyFolder;
}

namespace {

std::mutex s_MoveFaultMutex;
std::function<int(const QString &, const QString &)> s_MoveFault;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

QString ErrnoText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

// 0 or the errno value. Never replaces what sits at to: a copy starting
// beside this one may have put the folder there first.
int RenameFolder(const QString &from, const QString &to)
{
    {
        std::lock_guard<std::mutex> guard(s_MoveFaultMutex);
        if (s_MoveFault) {
            if (const int fault = s_MoveFault(from, to))
                return fault;
        }
    }
    if (::renameat2(AT_FDCWD, Native(from).constData(), AT_FDCWD, Native(to).constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the no-replace flag: look first (a plain rename
    // would put the folder over an empty one of that name).
    struct stat info;
    if (::lstat(Native(to).constData(), &info) == 0)
        return EEXIST;
    return ::rename(Native(from).constData(), Native(to).constData()) == 0 ? 0 : errno;
}

const QLatin1String kMovePrefix(".orvik-move-");

bool IsMoveFolderName(const QString &name)
{
    return OurMark::Matches(name, kMovePrefix, QLatin1String());
}

// What a move killed part-way left: its copy beside the new place, or the
// old folder it was removing; true when there was any.
bool RemoveStaleMoveFolders(const QString &parent)
{
    bool found = false;
    const QDir dir(parent);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (IsMoveFolderName(name)) {
            QDir(dir.filePath(name)).removeRecursively();
            found = true;
        }
    }
    return found;
}

// Only the emptied "AppData/Local" and "AppData" go, each only when empty.
// (QDir::rmpath would go on up and take an empty home folder too.)
void RemoveEmptyLegacyParents()
{
    QDir home(QDir::homePath());
    if (home.rmdir(QStringLiteral("AppData/Local")))
        home.rmdir(QStringLiteral("AppData"));
}

bool CopyTimesAndMode(int fd, const struct stat &from)
{
    const struct timespec times[2] = {from.st_atim, from.st_mtim};
    return ::fchmod(fd, from.st_mode & 07777) == 0 && ::futimens(fd, times) == 0;
}

// Copies a plain file with its permissions and times (the purge of old crash
// reports goes by the time of the last change).
bool CopyFile(const QByteArray &from, const QByteArray &to, const struct stat &info, int *err)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0) {
        *err = errno;
        return false;
    }
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        *err = errno;
        ::close(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n < 0) {
                *err = errno;
                ok = false;
            }
            break;
        }
        if (const int failed = SaveFile::WriteAll(out, buffer, n)) {
            *err = failed;
            ok = false;
            break;
        }
    }
    if (ok && !CopyTimesAndMode(out, info)) {
        *err = errno;
        ok = false;
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        *err = errno;
        ok = false;
    }
    return ok;
}

// The names in folder, "." and ".." aside; false with the errno value when
// the folder cannot be opened or read to its end. (QDir::entryList answers
// an empty list for a folder it cannot open, and a copy made from that list
// would look whole.)
bool ListFolder(const QByteArray &folder, std::vector<QByteArray> *names, int *err)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        *err = errno;
        return false;
    }
    bool ok = true;
    for (;;) {
        errno = 0;
        const struct dirent *entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0) {
                *err = errno;
                ok = false;
            }
            break;
        }
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names->emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return ok;
}

// Copies what folder from holds into the existing folder to: files, folders
// and links as they are (nothing else is ever ours). Whatever cannot be read
// (a folder that cannot be listed, a file that cannot be opened or read)
// fails the whole copy: false with the errno value and the path that failed.
bool CopyTree(const QByteArray &from, const QByteArray &to, int *err, QString *failed)
{
    std::vector<QByteArray> names;
    *failed = QFile::decodeName(from);
    if (!ListFolder(from, &names, err))
        return false;
    for (const QByteArray &name : names) {
        const QByteArray source = from + '/' + name;
        const QByteArray target = to + '/' + name;
        *failed = QFile::decodeName(source);
        struct stat info;
        if (::lstat(source.constData(), &info) != 0) {
            *err = errno;
            return false;
        }
        if (S_ISLNK(info.st_mode)) {
            QByteArray link(int(info.st_size > 0 ? info.st_size : 4095) + 1, '\0');
            const ssize_t n = ::readlink(source.constData(), link.data(), size_t(link.size()));
            if (n < 0 || n >= link.size()) {
                *err = n < 0 ? errno : ENAMETOOLONG;
                return false;
            }
            if (::symlink(link.left(int(n)).constData(), target.constData()) != 0) {
                *err = errno;
                return false;
            }
        } else if (S_ISDIR(info.st_mode)) {
            if (::mkdir(target.constData(), 0700) != 0) {
                *err = errno;
                return false;
            }
            if (!CopyTree(source, target, err, failed))
                return false;
            const int fd = ::open(target.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            const bool ok = fd >= 0 && CopyTimesAndMode(fd, info);
            if (!ok)
                *err = errno;
            if (fd >= 0)
                ::close(fd);
            if (!ok)
                return false;
        } else if (S_ISREG(info.st_mode)) {
            if (!CopyFile(source, target, info, err))
                return false;
        }
    }
    return true;
}

// True when a running copy holds the lock inside folder.
bool FolderLockHeld(const QString &folder)
{
    const int fd = ::open(Native(folder + "/" + instanceLockName()).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    const bool held = rc != 0 && errno == EWOULDBLOCK;
    ::close(fd); // also lets the lock go again
    return held;
}

// An open descriptor, closed on every way out.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// A move across file systems cannot put the copy in place and take the old
// folder away in one step. Its journal, a file inside the old folder, closes
// that gap: it is written (whole, and on disk) once the copy is whole and on
// disk, before the copy takes the new name, and it names the copy and the
// place it goes to. From then on the old folder is only the rest of a move
// that is done: a start that finds the journal puts the copy in place if a
// kill left it beside the place, and removes the old folder, even when the
// user has removed the new folder since (what it held is not brought back).
// The journal goes with the old folder, or, when the copy cannot be put in
// place, before the copy is removed.
const QLatin1String kJournalName(".orvik-move.journal");
const QByteArray kJournalCopy("copy=");
const QByteArray kJournalTarget("target=");

QString JournalPath(const QString &old)
{
    return old + "/" + kJournalName;
}

bool HasJournal(const QString &old)
{
    struct stat info;
    return !QFileInfo(old).isSymLink() && ::lstat(Native(JournalPath(old)).constData(), &info) == 0;
}

// Syncs a folder's entries (a rename or removal in it) to disk; 0 or the
// errno value.
int SyncFolder(const QString &folder)
{
    Descriptor dir;
    dir.fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd < 0)
        return errno;
    return ::fsync(dir.fd) == 0 ? 0 : errno;
}

bool WriteJournal(const QString &old, const QString &copy, const QString &target, QString *error)
{
    const QByteArray text = kJournalCopy + copy.toUtf8() + '\n' + kJournalTarget + target.toUtf8() + '\n';
    if (!SaveFile::Write(JournalPath(old), text, SaveFile::Links::Refuse, error))
        return false;
    if (const int err = SyncFolder(old)) {
        *error = "cannot sync " + old + ": " + ErrnoText(err);
        return false;
    }
    return true;
}

// The copy and the place a journal names; false when it names neither.
bool ReadJournal(const QString &old, QString *copy, QString *target)
{
    QFile file(JournalPath(old));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(kJournalCopy))
            *copy = QString::fromUtf8(line.mid(kJournalCopy.size()));
        else if (line.startsWith(kJournalTarget))
            *target = QString::fromUtf8(line.mid(kJournalTarget.size()));
    }
    return QDir::isAbsolutePath(*copy) && QDir::isAbsolutePath(*target);
}

// Takes the journal away, on disk before anything else happens (the copy it
// names is removed next); 0 or the errno value.
int DropJournal(const QString &old)
{
    if (::unlink(Native(JournalPath(old)).constData()) != 0 && errno != ENOENT)
        return errno;
    return SyncFolder(old);
}

// DropJournal for a start that finds an earlier move's journal: false, with
// the reason, when it stays.
bool DropEarlierJournal(const QString &old, QString *error)
{
    if (const int err = DropJournal(old)) {
        *error = "the journal of an earlier move in " + old + " could not be removed: " + ErrnoText(err);
        return false;
    }
    return true;
}

// Removes the old folder of a move whose copy is in place: it first takes a
// marked name, so a kill while it is being removed leaves no half folder
// under the old name (the next start removes the rest). False, with the
// reason, when it keeps its name: its journal says it is done with, and the
// next start tries again.
bool RetireOldFolder(const QString &old, QString *error)
{
    QString doomed;
    for (int attempt = 0; attempt < 10 && doomed.isEmpty(); ++attempt) {
        const QString name = QFileInfo(old).absolutePath() + "/" + kMovePrefix + OurMark::RandomPart();
        if (RenameFolder(old, name) == 0)
            doomed = name;
    }
    if (doomed.isEmpty()) {
        *error = "the old folder " + old + " could not be removed; the next start tries again";
        return false;
    }
    // What cannot be removed stays under the marked name until a later start.
    if (!QDir(doomed).removeRecursively())
        *error = "the old folder " + old + " could not be removed whole; the next start removes the rest";
    return true;
}

// Moves old onto another file system: a copy into a marked folder beside
// current, renamed into place once whole (see the journal above); then old
// goes.
LegacyMove CopyAcross(const QString &old, const QString &current, QString *error)
{
    const QString parent = QFileInfo(current).absolutePath();
    RemoveStaleMoveFolders(parent);
    QByteArray pattern = Native(parent + "/" + kMovePrefix + "XXXXXX");
    if (!::mkdtemp(pattern.data())) {
        *error = "cannot make a folder in " + parent + ": " + ErrnoText(errno);
        return LegacyMove::Failed;
    }
    const QString copy = QFile::decodeName(pattern);
    int err = 0;
    QString failed;
    struct stat info;
    bool ok = CopyTree(Native(old), pattern, &err, &failed);
    if (ok) {
        Descriptor folder;
        folder.fd = ::open(pattern.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // On disk before the journal says it is whole.
        ok = ::stat(Native(old).constData(), &info) == 0 && folder.fd >= 0 && CopyTimesAndMode(folder.fd, info)
            && ::syncfs(folder.fd) == 0;
        if (!ok) {
            err = errno;
            failed = copy;
        }
    }
    QString journalError;
    if (ok && !WriteJournal(old, copy, current, &journalError)) {
        // A journal that was written but not synced may name the copy: the
        // copy goes only once the journal has gone.
        if (DropJournal(old) == 0)
            QDir(copy).removeRecursively();
        *error = "copying to another file system failed: " + journalError;
        return LegacyMove::Failed;
    }
    if (ok) {
        err = RenameFolder(copy, current);
        ok = err == 0;
        failed = current;
        // Without its journal the copy is nobody's; while the journal stays,
        // the copy must too.
        if (!ok && DropJournal(old) != 0) {
            *error = "the copy " + copy + " could not be put in place (" + ErrnoText(err)
                + "), and its journal in the old folder could not be removed";
            return LegacyMove::Failed;
        }
    }
    if (!ok) {
        QDir(copy).removeRecursively();
        *error = "copying to another file system failed at " + failed + ": " + ErrnoText(err);
        return LegacyMove::Failed;
    }
    SyncFolder(parent);
    // The copy is whole and in place; only now does the old folder go.
    RetireOldFolder(old, error);
    return LegacyMove::Moved;
}

// Finishes a move across file systems that a kill interrupted once its
// journal was written: the copy goes in place if it is not yet there, and
// the old folder goes (Moved or NotDue). When the copy cannot go in place
// (something else took the place meanwhile), the journal goes and then the
// copy, and the move starts over (no value).
std::optional<LegacyMove> FinishKilledMove(const QString &old, QString *error)
{
    QString copy;
    QString target;
    if (!ReadJournal(old, &copy, &target)) {
        // Not one this program wrote whole: nothing is known of a copy, and
        // nothing is removed.
        if (!DropEarlierJournal(old, error))
            return LegacyMove::Failed;
        return std::nullopt;
    }
    LegacyMove result = LegacyMove::NotDue;
    struct stat info;
    if (::lstat(Native(copy).constData(), &info) == 0 && S_ISDIR(info.st_mode)) {
        if (RenameFolder(copy, target) != 0) {
            if (!DropEarlierJournal(old, error))
                return LegacyMove::Failed;
            QDir(copy).removeRecursively();
            return std::nullopt;
        }
        SyncFolder(QFileInfo(target).absolutePath());
        result = LegacyMove::Moved;
    }
    // The copy took its place (in this start or an earlier one).
    RetireOldFolder(old, error);
    return result;
}

LegacyMove MoveOrLink(const QString &old, const QString &current, QString *error)
{
    if (!QDir().mkpath(QFileInfo(current).absolutePath())) {
        *error = "cannot make the folder " + QFileInfo(current).absolutePath();
        return LegacyMove::Failed;
    }
    const QFileInfo oldInfo(old);
    if (oldInfo.isSymLink()) {
        // Moved as it is, a relative link would point nowhere from its new
        // place: the new link names the real folder by its full path.
        const QString real = oldInfo.canonicalFilePath();
        if (real.isEmpty()) {
            *error = "the link " + old + " names no folder";
            return LegacyMove::Failed;
        }
        if (::symlink(Native(real).constData(), Native(current).constData()) != 0) {
            *error = "cannot link " + current + " to " + real + ": " + ErrnoText(errno);
            return LegacyMove::Failed;
        }
        ::unlink(Native(old).constData());
        return LegacyMove::Moved;
    }
    const int err = RenameFolder(old, current);
    if (err == 0)
        return LegacyMove::Moved;
    if (err == EXDEV)
        return CopyAcross(old, current, error);
    *error = ErrnoText(err);
    return LegacyMove::Failed;
}

} // namespace

void SetMoveRenameFaultForTest(std::function<int(const QString &from, const QString &to)> fault)
{
    std::lock_guard<std::mutex> guard(s_MoveFaultMutex);
    s_MoveFault = std::move(fault);
}

LegacyMove MoveLegacyUserFolder(QString *error)
{
    s_UseLegacyFolder = false;
    QString reason;
    const QString old = legacyUserFolder();
    const QString current = XdgUserFolder();
    auto due = [&] {
        struct stat info;
        return QFileInfo(old).isDir() && ::lstat(Native(current).constData(), &info) != 0;
    };
    // The rest of an old folder a killed move was removing (its copy is in
    // place) goes whenever it is found.
    if (RemoveStaleMoveFolders(QFileInfo(old).absolutePath()) && !QFileInfo::exists(old))
        RemoveEmptyLegacyParents();
    // An earlier move's journal is finished even when the new place exists.
    if (!HasJournal(old) && !due())
        return LegacyMove::NotDue;

    // A copy starting at the same moment waits here until this one is done,
    // and then finds nothing left to move.
    Descriptor lock;
    lock.fd = ::open(Native(old).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock.fd >= 0) {
        while (::flock(lock.fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    std::optional<LegacyMove> result;
    if (HasJournal(old))
        result = FinishKilledMove(old, &reason);
    if (!result) {
        if (!due())
            return LegacyMove::NotDue;
        if (FolderLockHeld(old))
            result = LegacyMove::InUse;
        else
            result = MoveOrLink(old, current, &reason);
    }
    if (*result == LegacyMove::InUse || *result == LegacyMove::Failed)
        s_UseLegacyFolder = true;
    else if (!QFileInfo::exists(old))
        RemoveEmptyLegacyParents();
    if (error)
        *error = reason;
    return *result;
}

namespace {

QByteArray PasswordDatabaseHome()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(size > 0 ? size : 16384));
    struct passwd entry;
    struct passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return QByteArray();
    return QByteArray(found->pw_dir);
}

std::function<QByteArray()> &AccountHomeLookup()
{
    static std::function<QByteArray()> lookup;
    return lookup;
}

} // namespace

void SetAccountHomeLookup(std::function<QByteArray()> lookup)
{
    AccountHomeLookup() = std::move(lookup);
}

bool EnsureHome()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return true;
    const QByteArray home = AccountHomeLookup() ? AccountHomeLookup()() : PasswordDatabaseHome();
    // "/" is what a home-less system account gets; it is no place for our files.
    if (home.isEmpty() || home == "/" || !QDir(QFile::decodeName(home)).exists())
        return false;
    qputenv("HOME", home);
    return true;
}

namespace {

// The test override of the application directory; the firmware search also
// asks for it on the library's thread.
std::mutex s_AppDirMutex;
QString s_AppDirOverride;

} // namespace

void SetAppDirForTest(const QString &path)
{
    std::lock_guard<std::mutex> guard(s_AppDirMutex);
    s_AppDirOverride = path;
}

QString appDir()
{
    {
        std::lock_guard<std::mutex> guard(s_AppDirMutex);
        if (!s_AppDirOverride.isEmpty())
            return s_AppDirOverride;
    }
    return QCoreApplication::applicationDirPath();
}

QString configIniFile()
{
    return appDir() + "/usersetting/Config.ini";
}

QString driverSensorFile()
{
    return appDir() + "/driver_sensor.h";
}

QString languageFolder()
{
    return appDir() + "/Language/";
}

QString pictureFolder()
{
    return appDir() + "/Picture/";
}

QString firmwareFolder()
{
    return appDir() + "/bin";
}

} // namespace UserPaths
