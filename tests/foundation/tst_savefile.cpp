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
#include <sys/stat.h>

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
    void killedWriterLeavesOldOrNewAndAMarkedLeftover();

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
    QTest::newRow("read-only file") << QByteArray("old") << 0444 << QByteArray("new");
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

// A writer killed with SIGKILL at a moment of chance, twenty times over: the
// file always holds one whole content, never a part, and what a kill leaves
// beside it carries the mark and goes with the sweep.
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
            ++leftovers;
        }
        SaveFile::RemoveLeftovers(m_Folder);
        QCOMPARE(Entries(m_Folder), QStringList{QFileInfo(path).fileName()});
    }
    qInfo("%d of 20 kills left a temporary behind", leftovers);
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
