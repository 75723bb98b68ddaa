#include "TestMain.h"

#include <QDir>

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
    QFile::setPermissions(home.path() + "/.runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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

} // namespace OrvikTest
