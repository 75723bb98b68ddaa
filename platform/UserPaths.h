#pragma once
// Where the program's files live. The per-user folder is the product's folder
// in the XDG data folder ($XDG_DATA_HOME, "~/.local/share" when that is unset
// or not absolute), beside the values kept in the XDG configuration folder.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

extern const char *const g_ProductName; // "Orvik SE"

namespace UserPaths {

QString productName(); // "Orvik SE"

// The folder an XDG base-directory variable names when it holds an absolute
// path; else home + "/" + homeRelativeDefault (the XDG rules ignore a
// relative value, and an empty one counts as unset).
QString xdgFolder(const char *variable, const QString &homeRelativeDefault);
QString dataHome();   // xdgFolder("XDG_DATA_HOME", ".local/share")
QString configHome(); // xdgFolder("XDG_CONFIG_HOME", ".config")

QString userFolder();        // dataHome() + "/Orvik SE"
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

// Earlier builds kept the per-user folder in home + "/AppData/Local/Orvik SE".
// When that folder exists and userFolder() does not, it is moved there (so
// macros, device caches and crash reports stay the user's), and the emptied
// "AppData/Local" parents go. False only when a move was due and failed; the
// old folder is then left as it was.
QString legacyUserFolder();
bool MoveLegacyUserFolder();

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
