#include "TestMain.h"

#include "Startup.h"
#include "UserPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cstdio>

namespace OrvikTest {

static QTemporaryDir &homeDir()
{
    static QTemporaryDir home(QDir::tempPath() + "/orvik-test-home-XXXXXX");
    return home;
}

QTemporaryDir &prepareEnvironment()
{
    QTemporaryDir &home = homeDir();
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
    qputenv("XDG_RUNTIME_DIR", path + "/.runtime");
    QDir().mkpath(home.path() + "/.runtime");
    QFile::setPermissions(home.path() + "/.runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // The single-instance segment's key file lives in the temporary folder:
    // a private one keeps a running copy of the utility from blocking the
    // copies a test starts (and the other way round).
    QDir().mkpath(home.path() + "/tmp");
    qputenv("TMPDIR", path + "/tmp");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("HIDUSB_SIM_DEVICES"))
        qputenv("HIDUSB_SIM_DEVICES", "none");
    qunsetenv("HIDUSB_SIM_LOG");
    qunsetenv("HIDUSB_SIM_FAIL_FLASH");
    // The windows take their colours as the utility's start-up gives them.
    Startup::InstallSkinColours();
    return home;
}

QString outputDir(const QString &sub)
{
    QString base = qEnvironmentVariable("ORVIK_TEST_OUTPUT");
    if (base.isEmpty())
        base = homeDir().path() + "/test-output";
    const QString dir = sub.isEmpty() ? base : base + "/" + sub;
    QDir().mkpath(dir);
    return dir;
}

namespace {

bool copyTree(const QString &from, const QString &to)
{
    if (QFileInfo(from).isFile())
        return QFile::copy(from, to);
    bool ok = QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(path);
        ok = (it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(path, target)) && ok;
    }
    return ok;
}

} // namespace

QString usePrivateAppDir()
{
    const QString shared = QCoreApplication::applicationDirPath();
    const QString own = homeDir().path() + "/appdir";
    QDir(own).removeRecursively();
    bool ok = QDir().mkpath(own + "/bin");
    for (const char *entry : {"usersetting", "Language", "Picture", "driver_sensor.h"})
        ok = copyTree(shared + "/" + entry, own + "/" + entry) && ok;
    if (!ok)
        return QString();
    UserPaths::SetAppDirForTest(own);
    return own;
}

namespace {

QtMessageHandler s_TestLogHandler = nullptr;
std::atomic<bool> s_MissingConnectionElsewhere{false};

void connectionCheck(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The test log shows the message first, so the failure has its reason
    // right above it.
    if (s_TestLogHandler)
        s_TestLogHandler(type, context, message);
    if (!isMissingConnection(message))
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread() && QTest::currentTestFunction())
        QTest::qFail("a connection names a signal or slot that does not exist", __FILE__, __LINE__);
    else
        s_MissingConnectionElsewhere = true;
}

} // namespace

bool isMissingConnection(const QString &message)
{
    // Qt's own tray icon asks the platform plugin for a signal the offscreen
    // plugin does not have; nothing of ours is involved.
    if (message.contains(QLatin1String("QPlatformNativeInterface::systemTrayWindowChanged")))
        return false;
    return message.startsWith(QLatin1String("QObject::connect: No such signal"))
        || message.startsWith(QLatin1String("QObject::connect: No such slot"));
}

int exec(QObject *testObject, int argc, char **argv)
{
    QTest::qInit(testObject, argc, argv);
    // After qInit: the test log has installed its handler by then.
    s_TestLogHandler = qInstallMessageHandler(connectionCheck);
    int result = QTest::qRun();
    qInstallMessageHandler(s_TestLogHandler);
    QTest::qCleanup();
    if (s_MissingConnectionElsewhere) {
        fprintf(stderr, "FAIL: a connection made outside a test function names a signal or slot that does not exist\n");
        if (result == 0)
            result = 1;
    }
    return result;
}

} // namespace OrvikTest
