// The old per-user folder's move onto another file system where it can go
// wrong: a folder the copy cannot list, and a kill at each step of the move.
// Child roles (this program, first argument "--child"): "move-as-user" moves
// the folder as an ordinary account (the listing fails for it as it would
// for a user; root reads every folder), "move-kill STEP" is killed right
// before that step of the move.

#include "TestMain.h"

#include "SaveFile.h"
#include "UserPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The account the "move-as-user" child runs as.
constexpr uid_t kOrdinaryUser = 65534;

// Makes the move go across file systems: the old folder's rename to the new
// place fails as it would there. step is told each rename's paths first.
void CrossFileSystems(const std::function<void(const QString &from, const QString &to)> &step = {})
{
    const QString current = UserPaths::dataHome() + "/" + UserPaths::productName();
    UserPaths::SetMoveRenameFaultForTest([current, step](const QString &from, const QString &to) {
        if (step)
            step(from, to);
        return from == UserPaths::legacyUserFolder() && to == current ? EXDEV : 0;
    });
}

void Report(UserPaths::LegacyMove result, const QString &error)
{
    std::printf("result:%d\nerror:%s\n", int(result), qPrintable(error));
    std::fflush(stdout);
}

int RunMoveAsUserChild()
{
    if (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 || ::setuid(kOrdinaryUser) != 0) {
        std::printf("no-user:%s\n", std::strerror(errno));
        return 3;
    }
    CrossFileSystems();
    QString error;
    Report(UserPaths::MoveLegacyUserFolder(&error), error);
    return 0;
}

// Killed (SIGKILL, nothing runs on the way out) right before a step of the
// move: "first" (the old folder's rename that finds another file system),
// "journal" (its write), "place" (the copy's rename into place), "retire"
// (the old folder's rename to a marked name).
int RunMoveKillChild(const QByteArray &step)
{
    const QString old = UserPaths::legacyUserFolder();
    const QString current = UserPaths::dataHome() + "/" + UserPaths::productName();
    auto at = [&](const char *name) {
        if (step == name)
            std::raise(SIGKILL);
    };
    CrossFileSystems([&](const QString &from, const QString &to) {
        if (to == current)
            at(from == old ? "first" : "place");
        else if (from == old && QFileInfo(to).fileName().startsWith(".orvik-move-"))
            at("retire");
    });
    SaveFile::SetBeforeRenameForTest([&](const QString &, const QString &path) {
        if (QFileInfo(path).path() == old)
            at("journal");
        return 0;
    });
    QString error;
    Report(UserPaths::MoveLegacyUserFolder(&error), error);
    return 0;
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool Put(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool GiveToOrdinaryUser(const QString &path)
{
    return ::lchown(QFile::encodeName(path).constData(), kOrdinaryUser, kOrdinaryUser) == 0;
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What the old folder holds: settings, a macro, a cache file and a crash
// report in a folder of its own.
const QMap<QString, QByteArray> &OldFiles()
{
    static const QMap<QString, QByteArray> files{
        {"Macro.ini", "[Language]\nLanguage=2\n"},
        {"usersetting/MacroPage/M1.ini", "254\n0x04 1 0\n"},
        {"Device_Info/Device_CID05_MID01.bin", QByteArray(10432, '\x5a')},
        {"Exception/2020_01_01_00_00_00.dmp", "crash"},
    };
    return files;
}

} // namespace

class TestLegacyMove : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unlistableFolderFailsTheWholeMove();
    void killedMoveIsFinishedByTheNextStart_data();
    void killedMoveIsFinishedByTheNextStart();

private:
    QString m_Old;
    QString m_Current;
    QString m_Share;
};

void TestLegacyMove::init()
{
    m_Old = UserPaths::legacyUserFolder();
    m_Share = UserPaths::dataHome();
    m_Current = m_Share + "/" + UserPaths::productName();
    QDir(QDir::homePath() + "/AppData").removeRecursively();
    QDir(m_Share).removeRecursively();
    QVERIFY(QDir().mkpath(m_Share));
    for (auto it = OldFiles().begin(); it != OldFiles().end(); ++it)
        QVERIFY(Put(m_Old + "/" + it.key(), it.value()));
}

void TestLegacyMove::cleanup()
{
    UserPaths::SetMoveRenameFaultForTest(nullptr);
    QFile::setPermissions(m_Old + "/Exception", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(QDir::homePath() + "/AppData").removeRecursively();
    QDir(m_Share).removeRecursively();
    UserPaths::MoveLegacyUserFolder(); // forgets the old folder for the run
}

// A crash-report folder its owner cannot list (mode 0300): the copy cannot
// read all, so nothing moves, nothing is removed, the old folder stays in
// use and the next start, once the folder can be read, moves everything.
void TestLegacyMove::unlistableFolderFailsTheWholeMove()
{
    // The ordinary account must reach and own the folders of the move.
    const QString home = QDir::homePath();
    struct stat homeInfo;
    QCOMPARE(::stat(QFile::encodeName(home).constData(), &homeInfo), 0);
    auto restoreHome = qScopeGuard([&] { ::chmod(QFile::encodeName(home).constData(), homeInfo.st_mode & 07777); });
    if (::geteuid() == 0) {
        for (QString up = QFileInfo(home).path(); up != "/"; up = QFileInfo(up).path()) {
            struct stat info;
            if (::stat(QFile::encodeName(up).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
                QSKIP(qPrintable("an ordinary account cannot reach the test's home through " + up));
        }
        QCOMPARE(::chmod(QFile::encodeName(home).constData(), 0711), 0);
        for (const QString &top : {home + "/AppData", home + "/.local"}) {
            QVERIFY(GiveToOrdinaryUser(top));
            QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                QVERIFY2(GiveToOrdinaryUser(it.next()), qPrintable(it.filePath()));
        }
    }
    QVERIFY(QFile::setPermissions(m_Old + "/Exception", QFile::WriteOwner | QFile::ExeOwner));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--child", "move-as-user"});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray said = child.readAllStandardOutput();
    if (said.startsWith("no-user:"))
        QSKIP(qPrintable("cannot run as an ordinary account here: " + said));
    QVERIFY2(said.contains(QByteArray("result:") + QByteArray::number(int(UserPaths::LegacyMove::Failed))),
             said.constData());
    QVERIFY2(said.contains("Exception"), said.constData()); // says where it failed

    // Nothing left the old folder, nothing stands at the new place.
    QVERIFY(QFile::setPermissions(m_Old + "/Exception", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    for (auto it = OldFiles().begin(); it != OldFiles().end(); ++it)
        QCOMPARE(Read(m_Old + "/" + it.key()), it.value());
    QCOMPARE(Entries(m_Share), QStringList());
    QCOMPARE(Entries(QFileInfo(m_Old).path()), QStringList{UserPaths::productName()});

    // The next start, with the folder readable, moves it all.
    CrossFileSystems();
    QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::Moved);
    for (auto it = OldFiles().begin(); it != OldFiles().end(); ++it)
        QCOMPARE(Read(m_Current + "/" + it.key()), it.value());
    QVERIFY(!QFileInfo::exists(home + "/AppData"));
}

// A move killed before each of its steps (the old folder's rename that
// finds another file system, the journal's write, the copy's rename into
// place, the old folder's rename to a marked name) and not at all: the
// next start ends with one live folder holding everything, and nothing
// marked left. When the user removes the new folder before that start, the
// old one is not brought back.
void TestLegacyMove::killedMoveIsFinishedByTheNextStart_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("newRemoved");
    QTest::newRow("before the first rename") << "first" << false;
    QTest::newRow("before the journal") << "journal" << false;
    QTest::newRow("before the copy takes its place") << "place" << false;
    QTest::newRow("between the copy's rename and the old folder's") << "retire" << false;
    QTest::newRow("between the renames, new folder removed") << "retire" << true;
    QTest::newRow("not killed") << "" << false;
    QTest::newRow("not killed, new folder removed") << "" << true;
}

void TestLegacyMove::killedMoveIsFinishedByTheNextStart()
{
    QFETCH(QString, step);
    QFETCH(bool, newRemoved);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--child", "move-kill", step});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray said = child.readAllStandardOutput() + child.readAllStandardError();
    const bool killed = !step.isEmpty();
    QCOMPARE(child.exitStatus(), killed ? QProcess::CrashExit : QProcess::NormalExit);
    if (!killed)
        QVERIFY2(said.startsWith("result:" + QByteArray::number(int(UserPaths::LegacyMove::Moved))), said.constData());

    // Never two live folders: once the new one stands, the old one holds
    // its journal (it is the rest of a finished move).
    if (QFileInfo::exists(m_Current) && QFileInfo::exists(m_Old))
        QVERIFY(QFileInfo::exists(m_Old + "/.orvik-move.journal"));
    if (newRemoved) {
        QVERIFY(QDir(m_Current).exists());
        QVERIFY(QDir(m_Current).removeRecursively());
    }

    CrossFileSystems();
    QString error;
    const UserPaths::LegacyMove next = UserPaths::MoveLegacyUserFolder(&error);
    QVERIFY2(next == UserPaths::LegacyMove::Moved || next == UserPaths::LegacyMove::NotDue, qPrintable(error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!UserPaths::usingLegacyUserFolder());
    QVERIFY(!QFileInfo::exists(QDir::homePath() + "/AppData")); // the old folder and its emptied parents
    if (newRemoved) {
        QCOMPARE(Entries(m_Share), QStringList());
    } else {
        QCOMPARE(Entries(m_Share), QStringList{UserPaths::productName()});
        for (auto it = OldFiles().begin(); it != OldFiles().end(); ++it)
            QCOMPARE(Read(m_Current + "/" + it.key()), it.value());
        QVERIFY(!QFileInfo::exists(m_Current + "/.orvik-move.journal"));
    }
    // A further start changes nothing.
    QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::NotDue);
    QVERIFY(!QFileInfo::exists(QDir::homePath() + "/AppData"));
}

#define main RunTests
ORVIK_TEST_MAIN(TestLegacyMove)
#undef main

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "move-as-user") == 0)
            return RunMoveAsUserChild();
        if (argc > 3 && std::strcmp(argv[2], "move-kill") == 0)
            return RunMoveKillChild(argv[3]);
        return 2;
    }
    return RunTests(argc, argv);
}

#include "tst_legacymove.moc"
