// Starting without HOME: the account's home folder from the password
// database takes its place; without one the utility says so on stderr and
// writes nothing. The child role (first argument "--child") runs the whole
// start-up with no home at all.

#include "TestMain.h"

#include "Startup.h"
#include "UserPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace {

// Restores HOME and the real password-database lookup when it goes.
struct HomeRestorer
{
    QByteArray home = qgetenv("HOME");
    ~HomeRestorer()
    {
        qputenv("HOME", home);
        UserPaths::SetAccountHomeLookup({});
    }
};

int RunWithoutHome(int argc, char **argv)
{
    qunsetenv("HOME");
    UserPaths::SetAccountHomeLookup([] { return QByteArray(); });
    char *args[] = {argv[0], nullptr};
    Q_UNUSED(argc);
    int n = 1;
    return Startup::Run(n, args);
}

} // namespace

class TestNoHome : public QObject
{
    Q_OBJECT

private slots:
    void homeComesFromPasswordDatabase()
    {
        HomeRestorer restore;
        QTemporaryDir account;
        const QByteArray accountHome = QFile::encodeName(account.path());
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        auto restoreDataHome = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });
        qunsetenv("HOME");
        qunsetenv("XDG_DATA_HOME");
        UserPaths::SetAccountHomeLookup([&] { return accountHome; });
        QVERIFY(UserPaths::EnsureHome());
        QCOMPARE(qgetenv("HOME"), accountHome);
        QCOMPARE(UserPaths::userFolder(), account.path() + "/.local/share/Orvik SE");

        // A set HOME is left alone.
        UserPaths::SetAccountHomeLookup([] { return QByteArray("/elsewhere"); });
        QVERIFY(UserPaths::EnsureHome());
        QCOMPARE(qgetenv("HOME"), accountHome);

        // The real database: this account's entry.
        qunsetenv("HOME");
        UserPaths::SetAccountHomeLookup({});
        const struct passwd *entry = getpwuid(getuid());
        const QByteArray real = entry && entry->pw_dir ? QByteArray(entry->pw_dir) : QByteArray();
        if (real.isEmpty() || real == "/" || !QDir(QFile::decodeName(real)).exists()) {
            QVERIFY(!UserPaths::EnsureHome());
        } else {
            QVERIFY(UserPaths::EnsureHome());
            QCOMPARE(qgetenv("HOME"), real);
        }
    }

    void noHomeAtAllIsRefused_data()
    {
        QTest::addColumn<QByteArray>("accountHome");
        QTest::newRow("no entry") << QByteArray();
        QTest::newRow("the root folder") << QByteArray("/");
        QTest::newRow("a folder that does not exist") << QByteArray("/nonexistent/orvik-test-home");
    }
    void noHomeAtAllIsRefused()
    {
        QFETCH(QByteArray, accountHome);
        HomeRestorer restore;
        qunsetenv("HOME");
        UserPaths::SetAccountHomeLookup([&] { return accountHome; });
        QVERIFY(!UserPaths::EnsureHome());
        QVERIFY(qEnvironmentVariableIsEmpty("HOME"));
    }

    // The whole start-up without a home: a message, exit code 1, no file.
    void startWithoutHomeWritesNothing()
    {
        const bool rootFolderBefore = QDir("/.local/share/Orvik SE").exists();
        const bool configBefore = QDir("/.config/Orvik SE").exists();
        QTemporaryDir work;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("HOME");
        env.remove("XDG_CONFIG_HOME");
        env.remove("XDG_DATA_HOME");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HIDUSB_SIM_DEVICES", "none");
        env.insert("TMPDIR", work.path());
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(work.path());
        child.start(QCoreApplication::applicationFilePath(), {"--child", "nohome"});
        QVERIFY(child.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(err.contains("no home folder"), qPrintable(err));
        QVERIFY2(err.contains("HOME"), qPrintable(err));
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        if (!rootFolderBefore)
            QVERIFY(!QDir("/.local/share/Orvik SE").exists());
        if (!configBefore)
            QVERIFY(!QDir("/.config/Orvik SE").exists());
    }
};

#define main RunTests
ORVIK_TEST_MAIN(TestNoHome)
#undef main

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "nohome") == 0)
        return RunWithoutHome(argc, argv);
    return RunTests(argc, argv);
}

#include "tst_nohome.moc"
