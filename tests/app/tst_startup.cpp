// Start-up: the purge of old log and crash files, the single instance (with
// the built utility as the running copy), the start after a killed copy and
// the crash reports. Child processes: the built orvik-se, and this program in
// a child role (first argument "--child", see ChildMain below).

#include "TestMain.h"

#include "CrashHandler.h"
#include "DialogMain.h"
#include "ExeIsRun.h"
#include "MacroIni.h"
#include "RegistryStore.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "UserPaths.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSharedMemory>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <thread>
#include <utime.h>

namespace {

// ---- child roles ----------------------------------------------------------

// Runs the whole start-up; reports the first window it shows on stdout and
// closes it, so the child ends on its own.
int RunStartupChild(int argc, char **argv)
{
    Startup::SetWindowHook([](QWidget *window) {
        std::printf("window:%s\n", window->metaObject()->className());
        QFile conf(":/qt/etc/qt.conf");
        if (conf.open(QIODevice::ReadOnly) && conf.readAll() == "[Platforms]\nWindowsArguments = dpiawareness=0\n")
            std::printf("qt.conf compiled in\n");
        std::fflush(stdout);
        if (qobject_cast<ExeIsRun *>(window)) {
            QTimer::singleShot(50, window, &QWidget::close);
        } else {
            // The top-level window came up: this copy runs as the first one.
            QTimer::singleShot(50, [] { std::_Exit(7); });
        }
    });
    return Startup::Run(argc, argv);
}

void RaiseOnThread(int sig)
{
    std::thread([sig] { std::raise(sig); }).join();
}

int RunCrashChild(const QByteArray &how)
{
    Startup::PrepareUserFolders();
    ExceptionDumper dumper;
    dumper.InstallExceptionFilter();
    if (how == "segv-main") {
        std::raise(SIGSEGV);
    } else if (how == "segv-thread") {
        RaiseOnThread(SIGSEGV);
    } else if (how == "fault-thread") {
        std::thread([] {
            volatile int *bad = reinterpret_cast<volatile int *>(uintptr_t(64));
            *bad = 1;
        }).join();
    } else if (how == "abort") {
        std::abort();
    } else if (how == "fpe") {
        std::raise(SIGFPE);
    }
    return 0; // not reached when the crash works
}

int ChildMain(int argc, char **argv)
{
    const QByteArray role = argv[2];
    if (role == "startup") {
        char *args[] = {argv[0], nullptr};
        int n = 1;
        Q_UNUSED(argc);
        return RunStartupChild(n, args);
    }
    if (role == "crash" && argc > 3)
        return RunCrashChild(argv[3]);
    return 2;
}

QString AppDir()
{
    return QCoreApplication::applicationDirPath();
}

bool SetModified(const QString &path, qint64 mtime)
{
    struct utimbuf times;
    times.actime = time_t(mtime);
    times.modtime = time_t(mtime);
    return ::utime(QFile::encodeName(path).constData(), &times) == 0;
}

void TouchFile(const QString &path, qint64 mtime)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    QVERIFY(SetModified(path, mtime));
}

struct SegmentState
{
    bool found = false;
    qint64 creator = 0;
    quint64 attachments = 0;
};

// Looks at the single-instance segment without attaching to it: an attach
// and detach from here can fall between the owner's making of the segment
// and its own attach, and the detach of the only attachment removes the
// segment under the owner's feet.
SegmentState Segment()
{
    SegmentState state;
    const QSharedMemory named(UserPaths::productName());
    const QString keyFile = named.nativeKey();
    if (!QFile::exists(keyFile))
        return state;
    const key_t key = ::ftok(QFile::encodeName(keyFile).constData(), 'Q');
    if (key == key_t(-1))
        return state;
    const int id = ::shmget(key, 0, 0);
    struct shmid_ds info;
    if (id < 0 || ::shmctl(id, IPC_STAT, &info) != 0)
        return state;
    state.found = true;
    state.creator = info.shm_cpid;
    state.attachments = info.shm_nattch;
    return state;
}

// Whether the copy holds the lock of the per-user folder, the one that makes
// it the running copy: read from /proc/locks, not tried (a try from here
// would make a copy starting at that moment believe another one runs). The
// segment is no sign of it: its key is a few bits of the key file's inode, so
// a copy whose key meets another process's live segment runs without one.
bool HoldsFolderLock(const QProcess &copy)
{
    struct stat file;
    if (::stat(QFile::encodeName(SingleInstance::FolderLockFilePath()).constData(), &file) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(qulonglong(file.st_ino));
    for (const QByteArray &line : locks.readAll().split('\n')) {
        // "1: FLOCK  ADVISORY  WRITE <pid> <major>:<minor>:<inode> 0 EOF";
        // a process waiting for a lock has "->" before FLOCK.
        const QList<QByteArray> field = line.simplified().split(' ');
        if (field.size() >= 6 && field.at(1) == "FLOCK" && field.at(4).toLongLong() == copy.processId()
            && field.at(5).endsWith(inode))
            return true;
    }
    return false;
}

// Removes the segments a copy that was killed left, and only those: the ones
// it made that nobody is attached to.
void RemoveSegmentsOf(qint64 pid)
{
    QFile table(QStringLiteral("/proc/sysvipc/shm"));
    if (!table.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        // key shmid perms size cpid lpid nattch ...
        const QList<QByteArray> field = lines.at(i).simplified().split(' ');
        if (field.size() >= 7 && field.at(4).toLongLong() == pid && field.at(6).toULongLong() == 0)
            ::shmctl(field.at(1).toInt(), IPC_RMID, nullptr);
    }
}

// Ends a running copy as a crash would (nothing of it runs on the way out)
// and removes the segment it leaves.
void KillCopy(QProcess &copy)
{
    const qint64 pid = copy.processId();
    copy.kill();
    QVERIFY(copy.waitForFinished(10000));
    RemoveSegmentsOf(pid);
}

// For a copy that did not come up: where it stands, what it said, and what
// sits at the segment's key.
QByteArray StartReport(QProcess &child)
{
    QByteArray report = "the copy is " + QByteArray(child.state() == QProcess::Running ? "running" : "not running");
    if (child.state() == QProcess::Running) {
        QFile wchan("/proc/" + QString::number(child.processId()) + "/wchan");
        if (wchan.open(QIODevice::ReadOnly))
            report += ", waiting in " + wchan.readAll();
    }
    const SegmentState segment = Segment();
    report += segment.found ? "; a segment made by " + QByteArray::number(segment.creator) + " with "
            + QByteArray::number(segment.attachments) + " attachments is at the key"
                            : "; no segment at the key";
    return report + "\nstdout:\n" + child.readAllStandardOutput() + "\nstderr:\n" + child.readAllStandardError();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void purgeOldFiles_data();
    void purgeOldFiles();
    void purgeKeepsSubFoldersAndTakesEveryOldFile();
    void prepareKeepsExistingMacroIni();

    void secondStartShowsNoticeAndReturnsZero();
    void startAfterKilledInstanceRuns();
    void secondStartWithOtherTemporaryFolderIsRefused();
    void secondStartSharingTheFolderIsRefused_data();
    void secondStartSharingTheFolderIsRefused();

    void folderLockFileThatCannotBeWritten_data();
    void folderLockFileThatCannotBeWritten();

    void crashLeavesOneReport_data();
    void crashLeavesOneReport();

    void cleanupTestCase();

private:
    QProcessEnvironment ChildEnvironment() const;
    // Starts the built utility and waits until it owns the single-instance
    // segment it made.
    void StartRunningCopy(QProcess &utility) const;
    // Starts a second copy with env and checks that it meets the running one:
    // the "already running" notice, then a normal end with 0.
    void ExpectSecondCopyRefused(const QProcessEnvironment &env) const;
    QString m_Self;
};

void TestStartup::initTestCase()
{
    // The single-instance key lives in the temporary folder: give this
    // program and its children one of their own, away from a real copy.
    const QString tmp = QDir::homePath() + "/tmp";
    QDir().mkpath(tmp);
    qputenv("TMPDIR", QFile::encodeName(tmp));
    QCOMPARE(QDir::tempPath(), tmp);
    m_Self = QCoreApplication::applicationFilePath();
}

QProcessEnvironment TestStartup::ChildEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HIDUSB_SIM_DEVICES", "none");
    return env;
}

void TestStartup::StartRunningCopy(QProcess &utility) const
{
    const QString program = AppDir() + "/orvik-se";
    QVERIFY2(QFile::exists(program), "the utility orvik-se must be built beside the tests");
    // A leftover of a killed write: the copy's start-up sweep removes it right
    // after the copy's instance check, so its going says the copy is through
    // both (a file the test plants afterwards is not swept under its feet).
    QVERIFY(QDir().mkpath(UserPaths::userFolder()));
    const QString sweptAtStart = UserPaths::userFolder() + "/.orvik-save-Ready0.tmp";
    TouchFile(sweptAtStart, QDateTime::currentSecsSinceEpoch());
    utility.setProcessEnvironment(ChildEnvironment());
    utility.start(program, QStringList());
    QVERIFY(utility.waitForStarted());
    // Generous: a loaded machine takes its time over a sanitizer build's start.
    QTRY_VERIFY2_WITH_TIMEOUT(!QFile::exists(sweptAtStart) && HoldsFolderLock(utility),
                              StartReport(utility).constData(), 60000);
}

void TestStartup::ExpectSecondCopyRefused(const QProcessEnvironment &env) const
{
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(m_Self, {"--child", "startup"});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("window:ExeIsRun\nqt.conf compiled in"));
    QCOMPARE(second.exitCode(), 0);
}

void TestStartup::purgeOldFiles_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("exactly eight days") << qint64(8 * 86400) << true;
    QTest::newRow("one second less") << qint64(8 * 86400 - 1) << false;
    QTest::newRow("a month") << qint64(30 * 86400) << true;
    QTest::newRow("fresh") << qint64(0) << false;
    QTest::newRow("an hour in the future") << qint64(-3600) << false;
    QTest::newRow("years in the future") << qint64(-5LL * 365 * 86400) << false;
}

void TestStartup::purgeOldFiles()
{
    QFETCH(qint64, age);
    QFETCH(bool, deleted);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString &folder : {UserPaths::logFolder(), UserPaths::exceptionFolder()}) {
        QDir().mkpath(folder);
        const QString file = folder + "/probe.txt";
        TouchFile(file, now - age);
        PurgeOldFiles(folder, now);
        QCOMPARE(!QFile::exists(file), deleted);
        QFile::remove(file);
    }
}

void TestStartup::purgeKeepsSubFoldersAndTakesEveryOldFile()
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString folder = UserPaths::exceptionFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + "/kept");
    TouchFile(folder + "/kept/inner.dmp", now - 40 * 86400);
    for (const char *name : {"a.dmp", "B.dmp", "c.dmp"})
        TouchFile(folder + "/" + name, now - 9 * 86400);
    TouchFile(folder + "/new.dmp", now - 3600);
    QVERIFY(SetModified(folder + "/kept", now - 40 * 86400));

    PurgeOldFiles(folder, now);

    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"new.dmp"});
    QVERIFY(QFile::exists(folder + "/kept/inner.dmp"));
}

void TestStartup::prepareKeepsExistingMacroIni()
{
    QDir(UserPaths::userFolder()).removeRecursively();
    Startup::PrepareUserFolders();
    for (const QString &folder : UserPaths::userSubFolders())
        QVERIFY2(QDir(folder).exists(), qPrintable(folder));
    QFile ini(UserPaths::macroIniFile());
    QVERIFY(ini.exists());
    QCOMPARE(ini.size(), 0);

    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Language]\nLanguage=3\n");
    ini.close();
    Startup::PrepareUserFolders();
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), QByteArray("[Language]\nLanguage=3\n"));
}

void TestStartup::secondStartShowsNoticeAndReturnsZero()
{
    QProcess first;
    StartRunningCopy(first);
    if (QTest::currentTestFailed())
        return;

    // A write of the first copy in flight: a refused second start leaves it.
    const QString inFlight = UserPaths::macroPageFolder() + "/.orvik-save-AbC123.tmp";
    TouchFile(inFlight, QDateTime::currentSecsSinceEpoch());

    ExpectSecondCopyRefused(ChildEnvironment());
    QVERIFY(QFile::exists(inFlight));
    QFile::remove(inFlight);

    // The first copy was not disturbed.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(HoldsFolderLock(first));

    KillCopy(first);
}

void TestStartup::startAfterKilledInstanceRuns()
{
    QProcess first;
    StartRunningCopy(first);
    if (QTest::currentTestFailed())
        return;
    first.kill(); // SIGKILL: nothing of the utility runs on the way out
    QVERIFY(first.waitForFinished(10000));

    // A language index of 0 left in the registry is removed without
    // touching Macro.ini.
    RegistryStore::setValue(RegistryStore::languageKey(), "LanguageIndex", 0);
    QFile::remove(UserPaths::macroIniFile());

    // What the kill left of save files in flight goes at the next start;
    // the user's copies stay, whatever they look like.
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString user = UserPaths::userFolder();
    const QString cache = UserPaths::deviceInfoFolder();
    const QString macros = UserPaths::macroPageFolder();
    const QStringList leftovers{macros + "/.orvik-save-AbC123.tmp", cache + "/.orvik-save-QwE456.tmp",
                                user + "/.orvik-save-Zz9999.tmp"};
    const QStringList kept{user + "/Macro.ini.backup",
                           cache + "/Device_CID1A_MID01.bin.backup",
                           cache + "/Device_CID05_MID01.bin.QwErTy",
                           macros + "/notes.ini.backup",
                           macros + "/foo.ini.qwerty",
                           macros + "/foo.ini.XXXXXX",
                           macros + "/Macro.ini.abcdef",
                           macros + "/m.ini.AbCdEf",
                           macros + "/m.AbCdEf"};
    for (const QString &path : leftovers + kept)
        TouchFile(path, now);

    QProcess next;
    next.setProcessEnvironment(ChildEnvironment());
    next.start(m_Self, {"--child", "startup"});
    QVERIFY(next.waitForStarted());
    const qint64 nextPid = next.processId();
    QVERIFY(next.waitForFinished(60000));
    RemoveSegmentsOf(nextPid); // it ended without detaching
    QCOMPARE(next.readAllStandardOutput().trimmed(), QByteArray("window:DialogMain\nqt.conf compiled in"));
    QCOMPARE(next.exitCode(), 7);
    for (const QString &path : leftovers)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : kept)
        QVERIFY2(QFile::remove(path), qPrintable(path));
    // The killed copy's lock file neither blocked the start nor went.
    QVERIFY(QFile::exists(user + "/" + UserPaths::instanceLockName()));

    QSettings registry(RegistryStore::filePath(), QSettings::IniFormat);
    QVERIFY(!registry.contains(RegistryStore::languageKey() + "/LanguageIndex"));
    QSettings macro(UserPaths::macroIniFile(), QSettings::IniFormat);
    QVERIFY(!macro.contains("Language/Language"));
}

void TestStartup::secondStartWithOtherTemporaryFolderIsRefused()
{
    // Another temporary folder gives another shared-memory key, so only the
    // lock in the session's runtime folder tells the second start that a
    // copy runs.
    QProcess first;
    StartRunningCopy(first);
    if (QTest::currentTestFailed())
        return;

    const QString otherTmp = QDir::homePath() + "/other-tmp";
    QDir().mkpath(otherTmp);
    QProcessEnvironment env = ChildEnvironment();
    env.insert("TMPDIR", otherTmp);
    ExpectSecondCopyRefused(env);
    QCOMPARE(first.state(), QProcess::Running);

    KillCopy(first);
    // The notice ran before any segment was made; only the key file is left.
    QDir(otherTmp).removeRecursively();
}

void TestStartup::secondStartSharingTheFolderIsRefused_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<bool>("ownHome");
    QTest::addColumn<bool>("refused");
    // Another runtime and temporary folder give another session lock and
    // another shared-memory key: only the lock in the per-user folder is
    // common to both.
    QTest::newRow("other runtime folder") << "other-run" << false << true;
    QTest::newRow("no runtime folder, as under su") << "" << false << true;
    QTest::newRow("a home of its own: the private copy") << "other-run" << true << false;
}

void TestStartup::secondStartSharingTheFolderIsRefused()
{
    QFETCH(QString, runtime);
    QFETCH(bool, ownHome);
    QFETCH(bool, refused);
    QProcess first;
    StartRunningCopy(first);
    if (QTest::currentTestFailed())
        return;

    const QString other = QDir::homePath() + "/other";
    QDir().mkpath(other + "/tmp");
    QProcessEnvironment env = ChildEnvironment();
    env.insert("TMPDIR", other + "/tmp");
    if (runtime.isEmpty()) {
        env.remove("XDG_RUNTIME_DIR");
    } else {
        QDir().mkpath(other + "/" + runtime);
        QFile::setPermissions(other + "/" + runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", other + "/" + runtime);
    }
    if (ownHome) {
        QDir().mkpath(other + "/home");
        env.insert("HOME", other + "/home");
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_CONFIG_HOME");
    }
    // A write of the first copy in flight: a refused start leaves it.
    const QString inFlight = UserPaths::deviceInfoFolder() + "/.orvik-save-AbC123.tmp";
    TouchFile(inFlight, QDateTime::currentSecsSinceEpoch());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(m_Self, {"--child", "startup"});
    QVERIFY(second.waitForStarted());
    const qint64 secondPid = second.processId();
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.readAllStandardOutput().trimmed(),
             refused ? QByteArray("window:ExeIsRun\nqt.conf compiled in")
                     : QByteArray("window:DialogMain\nqt.conf compiled in"));
    QCOMPARE(second.exitCode(), refused ? 0 : 7);
    QVERIFY(QFile::exists(inFlight));
    QFile::remove(inFlight);
    if (ownHome)
        QVERIFY(QFile::exists(other + "/home/.local/share/Orvik SE/" + UserPaths::instanceLockName()));
    QCOMPARE(first.state(), QProcess::Running);

    KillCopy(first);
    // The private copy ended without detaching: its segment stays until
    // removed (found by its maker, whatever key its inode gave it).
    RemoveSegmentsOf(secondPid);
    QDir(other).removeRecursively();
}

// The per-user folder's lock file cannot be opened to write: a read-only
// open takes the lock just as well, and a copy that cannot take it at all
// does not start (never runs unlocked). A folder and a link under the
// lock's name fail the open to write for root too.
void TestStartup::folderLockFileThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("kind"); // what stands under the lock file's name
    QTest::addColumn<bool>("runs");
    QTest::newRow("a lock file its owner made read-only") << "read-only" << true;
    QTest::newRow("a folder under the lock file's name") << "folder" << true;
    QTest::newRow("a link under the lock file's name") << "link" << false;
}

void TestStartup::folderLockFileThatCannotBeWritten()
{
    QFETCH(QString, kind);
    QFETCH(bool, runs);
    const QString lock = SingleInstance::FolderLockFilePath();
    QVERIFY(QDir().mkpath(UserPaths::userFolder()));
    QFile::remove(lock);
    auto restore = qScopeGuard([&] {
        if (!QFile::remove(lock))
            QDir().rmdir(lock);
    });
    if (kind == "read-only") {
        TouchFile(lock, QDateTime::currentSecsSinceEpoch());
        QVERIFY(QFile::setPermissions(lock, QFile::ReadOwner));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(lock));
    } else {
        QVERIFY(QFile::link("elsewhere", lock));
    }

    if (!runs) {
        QProcess refused;
        refused.setProcessEnvironment(ChildEnvironment());
        refused.start(m_Self, {"--child", "startup"});
        QVERIFY(refused.waitForStarted());
        const qint64 pid = refused.processId();
        QVERIFY(refused.waitForFinished(60000));
        RemoveSegmentsOf(pid);
        const QByteArray said = refused.readAllStandardError();
        QCOMPARE(refused.exitStatus(), QProcess::NormalExit);
        QCOMPARE(refused.exitCode(), 1);
        QCOMPARE(refused.readAllStandardOutput(), QByteArray()); // no window at all
        QVERIFY2(said.contains(QFile::encodeName(lock)) && said.contains("does not start"), said.constData());
        QVERIFY(QFileInfo(lock).isSymLink()); // left as it was
        return;
    }

    QProcess first;
    StartRunningCopy(first); // returns once the copy holds the folder's lock
    if (QTest::currentTestFailed())
        return;
    // A second copy in another session (another runtime and temporary
    // folder) meets only that lock.
    const QString other = QDir::homePath() + "/other";
    QVERIFY(QDir().mkpath(other + "/tmp") && QDir().mkpath(other + "/run"));
    QProcessEnvironment env = ChildEnvironment();
    env.insert("TMPDIR", other + "/tmp");
    env.insert("XDG_RUNTIME_DIR", other + "/run");
    ExpectSecondCopyRefused(env);
    QCOMPARE(first.state(), QProcess::Running);
    KillCopy(first);
    QDir(other).removeRecursively();
}

void TestStartup::cleanupTestCase()
{
    // The children were ended without detaching: remove the segment they
    // left, so the system does not keep it after the temporary folder is gone.
    QSharedMemory leftover(UserPaths::productName());
    if (leftover.attach())
        leftover.detach();
}

void TestStartup::crashLeavesOneReport_data()
{
    QTest::addColumn<QByteArray>("how");
    QTest::addColumn<int>("sig");
    QTest::newRow("SIGSEGV on the main thread") << QByteArray("segv-main") << int(SIGSEGV);
    QTest::newRow("SIGSEGV raised on another thread") << QByteArray("segv-thread") << int(SIGSEGV);
    QTest::newRow("bad write on another thread") << QByteArray("fault-thread") << int(SIGSEGV);
    QTest::newRow("abort") << QByteArray("abort") << int(SIGABRT);
    QTest::newRow("SIGFPE") << QByteArray("fpe") << int(SIGFPE);
}

void TestStartup::crashLeavesOneReport()
{
    QFETCH(QByteArray, how);
    QFETCH(int, sig);
    const QString folder = UserPaths::exceptionFolder();
    QDir(folder).removeRecursively();

    QProcess child;
    QProcessEnvironment env = ChildEnvironment();
    // Let our handler see the fault rather than the sanitizer's.
    env.insert("ASAN_OPTIONS", "detect_leaks=0:handle_segv=0:handle_abort=0:handle_sigfpe=0:allow_user_segv_handler=1");
    child.setProcessEnvironment(env);
    child.start(m_Self, {"--child", "crash", QString::fromLatin1(how)});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const QStringList reports = QDir(folder).entryList({"*.dmp"}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(QRegExp("\\d{4}_\\d{2}_\\d{2}_\\d{2}_\\d{2}_\\d{2}\\.dmp").exactMatch(reports.first()),
             qPrintable(reports.first()));
    QFile report(folder + "/" + reports.first());
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY2(text.contains("signal: " + QByteArray::number(sig) + " ("), text.constData());
    QVERIFY(text.contains("thread: "));
    QVERIFY(text.contains("backtrace:\n"));
    QVERIFY2(text.count('\n') > 8, "the backtrace has frames");

    // The name is the local time of the crash.
    const QDateTime named = QDateTime::fromString(reports.first().left(19), "yyyy_MM_dd_hh_mm_ss");
    QVERIFY(named.isValid());
    QVERIFY(qAbs(named.secsTo(QDateTime::currentDateTime())) < 120);
}

// The program's own entry point dispatches the child roles before the test
// harness takes over.
#define main RunTests
ORVIK_TEST_MAIN(TestStartup)
#undef main

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return ChildMain(argc, argv);
    return RunTests(argc, argv);
}

#include "tst_startup.moc"
