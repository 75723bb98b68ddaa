#pragma once
// Where the program's files live. The per-user folder takes the place of the
// Windows local application-data folder: home + "/AppData/Local/" + product.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

extern const char *const g_ProductName; // "Orvik SE"

namespace UserPaths {

QString productName();       // "Orvik SE"
QString userFolder();        // home + "/AppData/Local/Orvik SE"
QString logFolder();         // userFolder() + "/Log"
QString deviceInfoFolder();  // userFolder() + "/Device_Info"
QString exceptionFolder();   // userFolder() + "/Exception"
QString userSettingFolder(); // userFolder() + "/usersetting"
QString mainPageFolder();    // userFolder() + "/usersetting/MainPage"
QString macroPageFolder();   // userFolder() + "/usersetting/MacroPage"
QString sensorPageFolder();  // userFolder() + "/usersetting/SensorPage"
QString macroIniFile();      // userFolder() + "/Macro.ini"

// Every sub-folder above, in creation order.
QStringList userSubFolders();
// Creates the per-user folder and its sub-folders; true when all exist.
bool createUserFolders();

// Linux: HOME may be unset (a service, "env -i"); every per-user path and the
// settings store would then land at the file-system root. EnsureHome takes
// the account's home folder from the password database into HOME; false when
// HOME is unset and the account has none (then nothing may be written).
bool EnsureHome();
// The password-database lookup EnsureHome uses (tests replace it); an empty
// function restores the real one.
void SetAccountHomeLookup(std::function<QByteArray()> lookup);

// The application directory: the executable's folder, or the folder a test
// gave SetAppDirForTest. Every application-directory path goes through it.
QString appDir();
QString configIniFile();    // appDir() + "/usersetting/Config.ini"
QString driverSensorFile(); // appDir() + "/driver_sensor.h"
QString languageFolder();   // appDir() + "/Language/"
QString pictureFolder();    // appDir() + "/Picture/"
QString firmwareFolder();   // appDir() + "/bin"

// Tests: makes path the application directory, so a test that writes there
// (firmware images, language files) has a folder of its own; an empty path
// gives back the executable's folder.
void SetAppDirForTest(const QString &path);

} // namespace UserPaths
