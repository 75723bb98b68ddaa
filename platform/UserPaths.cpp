#include "UserPaths.h"

#include <QCoreApplication>
#include <QDir>

const char *const g_ProductName = "Orvik SE";

namespace UserPaths {

QString productName()
{
    return QString::fromUtf8(g_ProductName);
}

QString userFolder()
{
    return QDir::homePath() + "/AppData/Local/" + productName();
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
    return { logFolder(),        deviceInfoFolder(), exceptionFolder(), userSettingFolder(),
             mainPageFolder(),   macroPageFolder(),  sensorPageFolder() };
}

bool createUserFolders()
{
    bool ok = QDir().mkpath(userFolder());
    for (const QString &folder : userSubFolders())
        ok = QDir().mkpath(folder) && ok;
    return ok;
}

QString appDir()
{
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
