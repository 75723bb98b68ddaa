// The one whole-file writer: what it leaves after a success, a refusal, a
// failure and a kill, and which names the start-up sweep takes for its
// leftovers. The kill case runs a writer in a child process (this program,
// first argument "--child").

#include "TestMain.h"

#include "SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Content(char fill, int size)
{
    return QByteArray(size, fill);
}

// Writes two contents in turn to path, for ever; says "ready" once the file
// holds the first.
int RunWriterChild(const QString &path)
{
    const QByteArray first = Content('a', 300000);
    const QByteArray second = Content('b', 200000);
    if (!SaveFile::Write(path, first))
        return 3;
    std::printf("ready\n");
    std::fflush(stdout);
    for (quint64 round = 0;; ++round) {
        if (!SaveFile::Write(path, round % 2 ? first : second))
            return 4;
    }
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), qint64(data.size()));
}

// Gives path (not a link's target) a last change age seconds ago.
bool SetAge(const QString &path, qint64 age)
{
    const struct timespec times[2] = {{std::time(nullptr) - age, 0}, {std::time(nullptr) - age, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// Every entry of folder, hidden ones too.
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writesTheWholeFile_data();
    void writesTheWholeFile();
    void linkUnderTheName_data();
    void linkUnderTheName();
    void failedWriteLeavesTheOldFileAlone_data();
    void failedWriteLeavesTheOldFileAlone();
    void notWritableFileIsRefused_data();
    void notWritableFileIsRefused();
    void killedWriterLeavesOldOrNewAndAMarkedLeftover();
    void writeTakesIdleLeftoversOfItsFolder_data();
    void writeTakesIdleLeftoversOfItsFolder();
    void writeLeavesTemporariesOfWritesInProgress();

    void cleanup();

private:
    QString m_Folder;
};

void TestSaveFile::init()
{
    m_Folder = QDir::homePath() + "/savefile";
    QDir(m_Folder).removeRecursively();
    QVERIFY(QDir().mkpath(m_Folder));
}

void TestSaveFile::cleanup()
{
    SaveFile::SetBeforeRenameForTest(nullptr);
    QFile::setPermissions(m_Folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(m_Folder).removeRecursively();
}

void TestSaveFile::writesTheWholeFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("new file") << QByteArray() << 0 << QByteArray("1\n0x04 1 0\n");
    QTest::newRow("longer file replaced") << QByteArray(5000, 'x') << 0644 << QByteArray("short");
    QTest::newRow("emptied on purpose") << QByteArray("old") << 0644 << QByteArray();
    QTest::newRow("permissions kept") << QByteArray("old") << 0640 << QByteArray("new");
    QTest::newRow("only the owner may write") << QByteArray("old") << 0200 << QByteArray("new");
}

void TestSaveFile::writesTheWholeFile()
{
    QFETCH(QByteArray, before);
    QFETCH(int, mode);
    QFETCH(QByteArray, data);
    const QString path = m_Folder + "/file.ini";
    if (mode) {
        Put(path, before);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
    }
    QString error;
    QVERIFY2(SaveFile::Write(path, data, SaveFile::Links::Refuse, &error), qPrintable(error));
    QCOMPARE(ReadAll(path), data);
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    if (mode)
        QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(Entries(m_Folder), QStringList{"file.ini"});
}

void TestSaveFile::linkUnderTheName_data()
{
    QTest::addColumn<bool>("follow");
    QTest::addColumn<bool>("dangling");
    QTest::newRow("refused") << false << false;
    QTest::newRow("refused, dangling") << false << true;
    QTest::newRow("followed") << true << false;
    QTest::newRow("followed, dangling") << true << true;
}

void TestSaveFile::linkUnderTheName()
{
    QFETCH(bool, follow);
    QFETCH(bool, dangling);
    const QString elsewhere = m_Folder + "/elsewhere";
    QVERIFY(QDir().mkpath(elsewhere));
    const QString target = elsewhere + "/target.ini";
    if (!dangling)
        Put(target, "keep");
    const QString path = m_Folder + "/name.ini";
    QVERIFY(QFile::link("elsewhere/target.ini", path));

    const bool written = SaveFile::Write(path, "new", follow ? SaveFile::Links::Follow : SaveFile::Links::Refuse);
    QCOMPARE(written, follow);
    // The link stays a link either way; what it names has the new content
    // only when it was to be followed.
    QVERIFY(QFileInfo(path).isSymLink());
    if (follow)
        QCOMPARE(ReadAll(target), QByteArray("new"));
    else if (dangling)
        QVERIFY(!QFileInfo::exists(target));
    else
        QCOMPARE(ReadAll(target), QByteArray("keep"));
    QCOMPARE(Entries(m_Folder), (QStringList{"elsewhere", "name.ini"}));
    QCOMPARE(Entries(elsewhere), follow || !dangling ? QStringList{"target.ini"} : QStringList());
}

void TestSaveFile::failedWriteLeavesTheOldFileAlone_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("name");
    QTest::newRow("disk full") << int(ENOSPC) << "file.ini";
    QTest::newRow("i/o error") << int(EIO) << "file.ini";
    QTest::newRow("a folder under the name") << 0 << "folder";
    QTest::newRow("missing folder") << 0 << "missing/file.ini";
}

void TestSaveFile::failedWriteLeavesTheOldFileAlone()
{
    QFETCH(int, fault);
    QFETCH(QString, name);
    Put(m_Folder + "/file.ini", "old");
    QVERIFY(QDir().mkpath(m_Folder + "/folder"));
    const QStringList before = Entries(m_Folder);
    QString seen;
    SaveFile::SetBeforeRenameForTest([&](const QString &temporary, const QString &) {
        seen = temporary;
        return fault;
    });
    QString error;
    QVERIFY(!SaveFile::Write(m_Folder + "/" + name, "new content", SaveFile::Links::Refuse, &error));
    QVERIFY(!error.isEmpty());
    if (fault) {
        // It got as far as a whole temporary, which carries the mark.
        QVERIFY(SaveFile::IsLeftoverName(QFileInfo(seen).fileName()));
        QCOMPARE(QFileInfo(seen).absolutePath(), m_Folder);
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(fault))), qPrintable(error));
    }
    QCOMPARE(ReadAll(m_Folder + "/file.ini"), QByteArray("old"));
    QCOMPARE(Entries(m_Folder), before);
}

// A file its owner made read-only (no write permission for anyone: root
// meets it too) is refused and stays as it was, whatever the links rule.
void TestSaveFile::notWritableFileIsRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("follow");
    QTest::newRow("read-only for all") << 0444 << false;
    QTest::newRow("read-only for all, a path the user chose") << 0444 << true;
    QTest::newRow("only the owner may read") << 0400 << false;
    QTest::newRow("no permission at all") << 0000 << true;
}

void TestSaveFile::notWritableFileIsRefused()
{
    QFETCH(int, mode);
    QFETCH(bool, follow);
    const QString path = m_Folder + "/file.ini";
    Put(path, "old");
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
    QString error;
    QVERIFY(!SaveFile::Write(path, "new", follow ? SaveFile::Links::Follow : SaveFile::Links::Refuse, &error));
    QVERIFY2(error.contains("not writable"), qPrintable(error));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    QCOMPARE(ReadAll(path), QByteArray("old"));
    QCOMPARE(Entries(m_Folder), QStringList{"file.ini"});
}

// A writer killed with SIGKILL at a moment of chance, twenty times over: the
// file always holds one whole content, never a part, and what a kill leaves
// beside it carries the mark and goes with the next write into the folder
// once it has lain idle.
void TestSaveFile::killedWriterLeavesOldOrNewAndAMarkedLeftover()
{
    const QString path = m_Folder + "/Device_CID05_MID01.bin";
    const QByteArray first = Content('a', 300000);
    const QByteArray second = Content('b', 200000);
    int leftovers = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--child", "writer", path});
        QVERIFY(writer.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += writer.readAllStandardOutput()).contains("ready"),
                                  qPrintable(said + writer.readAllStandardError()), 60000);
        QThread::usleep(QRandomGenerator::global()->bounded(20000));
        writer.kill();
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const QByteArray now = ReadAll(path);
        QVERIFY2(now == first || now == second, qPrintable(QString("round %1: %2 bytes").arg(round).arg(now.size())));
        for (const QString &entry : Entries(m_Folder)) {
            if (entry == QFileInfo(path).fileName())
                continue;
            QVERIFY2(SaveFile::IsLeftoverName(entry), qPrintable(entry));
            QVERIFY(SetAge(m_Folder + "/" + entry, SaveFile::IdleSeconds));
            ++leftovers;
        }
        QVERIFY(SaveFile::Write(m_Folder + "/export.ini", "export", SaveFile::Links::Follow));
        QCOMPARE(Entries(m_Folder), (QStringList{QFileInfo(path).fileName(), "export.ini"}));
        QVERIFY(QFile::remove(m_Folder + "/export.ini"));
    }
    qInfo("%d of 20 kills left a temporary behind", leftovers);
}

// What a killed write left in a folder goes with the next write there, and
// only that: a temporary too fresh to tell from one a writer has just made,
// one a writer holds, and whatever merely looks like one stay.
void TestSaveFile::writeTakesIdleLeftoversOfItsFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // "file", "link" or "folder"
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("removed");
    const int idle = SaveFile::IdleSeconds;
    const QString ours = ".orvik-save-AbC123.tmp";
    QTest::newRow("a killed write's temporary") << ours << "file" << 3600 << false << true;
    QTest::newRow("just idle") << ours << "file" << idle << false << true;
    QTest::newRow("not yet idle") << ours << "file" << idle - 10 << false << false;
    QTest::newRow("fresh") << ours << "file" << 0 << false << false;
    QTest::newRow("from a clock set back") << ours << "file" << -3600 << false << false;
    QTest::newRow("held by a writer") << ours << "file" << 3600 << true << false;
    QTest::newRow("a link with the mark") << ours << "link" << 3600 << false << false;
    QTest::newRow("a folder with the mark") << ours << "folder" << 3600 << false << false;
    QTest::newRow("five letters") << ".orvik-save-AbC12.tmp"
                                  << "file" << 3600 << false << false;
    QTest::newRow("a user's copy of one") << ".orvik-save-AbC123.tmp.bak"
                                          << "file" << 3600 << false << false;
    QTest::newRow("a user's file") << "export.ini.AbC123"
                                   << "file" << 3600 << false << false;
}

void TestSaveFile::writeTakesIdleLeftoversOfItsFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, age);
    QFETCH(bool, locked);
    QFETCH(bool, removed);
    const QString path = m_Folder + "/" + name;
    if (kind == "file") {
        Put(path, "half an export");
    } else if (kind == "link") {
        Put(m_Folder + "/target", "x");
        QVERIFY(QFile::link("target", path));
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    QVERIFY(SetAge(path, age));
    int holder = -1;
    auto release = qScopeGuard([&] {
        if (holder >= 0)
            ::close(holder);
    });
    if (locked) {
        holder = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
    }
    QVERIFY(SaveFile::Write(m_Folder + "/export.ini", "export", SaveFile::Links::Follow));
    QCOMPARE(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink(), removed);
    QCOMPARE(ReadAll(m_Folder + "/export.ini"), QByteArray("export"));
}

// A writer at work in the folder (in another process) never loses its
// temporary to the sweep of a write beside it, even when that temporary
// looks long idle.
void TestSaveFile::writeLeavesTemporariesOfWritesInProgress()
{
    const QString path = m_Folder + "/Device_CID05_MID01.bin";
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {"--child", "writer", path});
    QVERIFY(writer.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT((said += writer.readAllStandardOutput()).contains("ready"),
                              qPrintable(said + writer.readAllStandardError()), 60000);
    int met = 0;
    for (int round = 0; round < 300; ++round) {
        for (const QString &entry : Entries(m_Folder)) {
            if (SaveFile::IsLeftoverName(entry) && SetAge(m_Folder + "/" + entry, 3600))
                ++met;
        }
        QVERIFY(SaveFile::Write(m_Folder + "/export.ini", QByteArray::number(round), SaveFile::Links::Follow));
    }
    // The writer ends by itself only on a failed write: it is still at work
    // when it is killed.
    writer.kill();
    QVERIFY(writer.waitForFinished(10000));
    QVERIFY2(writer.exitStatus() == QProcess::CrashExit, qPrintable(QString("exit code %1").arg(writer.exitCode())));
    qInfo("met the writer's temporary %d times", met);
}

#define main RunTests
ORVIK_TEST_MAIN(TestSaveFile)
#undef main

int main(int argc, char *argv[])
{
    if (argc > 3 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "writer") == 0)
        return RunWriterChild(QString::fromLocal8Bit(argv[3]));
    return RunTests(argc, argv);
}

#include "tst_savefile.moc"
