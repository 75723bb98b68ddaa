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
// When that folder exists and the new one does not, start-up moves it (so
// macros, device caches and crash reports stay the user's), and the emptied
// "AppData/Local" parents go:
//  - on one file system by one rename;
//  - onto another file system by a copy into a marked folder beside the new
//    place (".orvik-move-" + six letters or digits), renamed into place once
//    whole; only then does the old folder go. A copy that cannot read all
//    (a folder that cannot be listed, a file that cannot be read) is not
//    whole: the move fails as a whole. A journal in the old folder
//    (".orvik-move.journal") says once the copy is whole and on disk; a kill
//    before it leaves the old folder whole (and at worst a marked copy,
//    removed at the next try), a kill after it is finished by the next start
//    (the copy put in place if it is not yet, the old folder removed), so
//    the old folder never lives on beside the new one, nor comes back when
//    the user removes the new one;
//  - an old folder that is a symbolic link (a relative one too) becomes a
//    link at the new place to the same real folder, which stays where the
//    user put it.
// A move that cannot be done makes no new folder: userFolder() answers the
// old folder for the rest of the run, and the next start tries again. Two
// copies starting at once move it once (the second waits on a lock of the old
// folder), and a copy running on the old folder keeps it: the move is left
// for a later start.
enum class LegacyMove {
    NotDue, // no old folder, or the new one exists
    Moved,  // the old folder's files are now the new folder's
    InUse,  // another copy runs on the old folder; userFolder() answers it
    Failed, // not done (reason in *error); userFolder() answers the old folder
};
QString legacyUserFolder();
LegacyMove MoveLegacyUserFolder(QString *error = nullptr);
// True after a move that was due and not done: userFolder() is the old one.
bool usingLegacyUserFolder();

// The lock file a running copy holds inside the per-user folder (hidden; the
// system releases the lock when the copy ends, however it ends).
QString instanceLockName(); // ".orvik-instance.lock"

// Tests: called before each rename of the move (the old folder to the new
// place, and the marked copy into place) with both paths; a non-zero errno
// value makes that rename fail with it (EXDEV: another file system). An
// empty function: none.
void SetMoveRenameFaultForTest(std::function<int(const QString &from, const QString &to)> fault);

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
