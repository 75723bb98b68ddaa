#include "UserPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include <mutex>
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

QString userFolder()
{
    return dataHome() + "/" + productName();
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

bool MoveLegacyUserFolder()
{
    const QString legacy = legacyUserFolder();
    const QString current = userFolder();
    if (!QFileInfo(legacy).isDir() || QFileInfo::exists(current))
        return true;
    if (!QDir().mkpath(dataHome()) || !QDir().rename(legacy, current))
        return false;
    // Only empty parents go: rmpath stops at the first one holding anything.
    QDir(QDir::homePath()).rmpath(QStringLiteral("AppData/Local"));
    return true;
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
