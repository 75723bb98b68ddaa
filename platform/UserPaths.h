#pragma once
// Where the program's files live. The per-user folder takes the place of the
// Windows local application-data folder: home + "/AppData/Local/" + product.

#include <QString>
#include <QStringList>

extern const char *const g_ProductName; // "Orvik SE"

namespace UserPaths {

QString productName();          // "Orvik SE"
QString userFolder();           // home + "/AppData/Local/Orvik SE"
QString logFolder();            // userFolder() + "/Log"
QString deviceInfoFolder();     // userFolder() + "/Device_Info"
QString exceptionFolder();      // userFolder() + "/Exception"
QString userSettingFolder();    // userFolder() + "/usersetting"
QString mainPageFolder();       // userFolder() + "/usersetting/MainPage"
QString macroPageFolder();      // userFolder() + "/usersetting/MacroPage"
QString sensorPageFolder();     // userFolder() + "/usersetting/SensorPage"
QString macroIniFile();         // userFolder() + "/Macro.ini"

// Every sub-folder above, in creation order.
QStringList userSubFolders();
// Creates the per-user folder and its sub-folders; true when all exist.
bool createUserFolders();

QString appDir();               // QCoreApplication::applicationDirPath()
QString configIniFile();        // appDir() + "/usersetting/Config.ini"
QString driverSensorFile();     // appDir() + "/driver_sensor.h"
QString languageFolder();       // appDir() + "/Language/"
QString pictureFolder();        // appDir() + "/Picture/"
QString firmwareFolder();       // appDir() + "/bin"

} // namespace UserPaths
