#pragma once
// Test entry point shared by every test program.
//
// Each test process gets its own temporary HOME and XDG folders under it (so
// the per-user folder "~/.local/share/Orvik SE", the registry store and the
// auto-start entry never touch the real user's files, whatever XDG_DATA_HOME
// or XDG_CONFIG_HOME the developer has set), private temporary and runtime folders (so
// the single-instance key and lock are its own), the offscreen platform, and no simulated
// devices unless the test plugs them through the simulator's test API.

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest/QtTest>

namespace OrvikTest {

// Prepares the process environment; must run before QApplication exists.
// Returns the temporary home folder, kept alive for the whole process.
QTemporaryDir &prepareEnvironment();

// The folder a test may write pictures and other artefacts into, so a person
// can look at them after the run (ORVIK_TEST_OUTPUT, else the temporary home).
QString outputDir(const QString &sub = QString());

// Gives the test program an application directory of its own: a copy of the
// shared one's files (Config.ini, driver_sensor.h, Language/, Picture/) and an
// empty "bin" folder inside the temporary home, made the application
// directory through UserPaths::SetAppDirForTest. For tests that write there
// (firmware images, language files) while other test programs read the shared
// folder. Call it first in initTestCase. Returns the folder, empty on failure.
QString usePrivateAppDir();

// True for Qt's warning about a connection that named a signal or slot that
// does not exist ("QObject::connect: No such signal ..." / "... No such slot"),
// except the one Qt's tray icon gives on the offscreen platform by itself.
bool isMissingConnection(const QString &message);

// Runs the test object like QTest::qExec, with one addition: a connection to
// a signal or slot that does not exist fails the test function that made it
// (outside a test function, or off the GUI thread, it fails the run). Such a
// connection would otherwise only leave a warning and a page that never hears
// its signal.
int exec(QObject *testObject, int argc, char **argv);

} // namespace OrvikTest

#define ORVIK_TEST_MAIN(TestObject)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        OrvikTest::prepareEnvironment();                                                                               \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return OrvikTest::exec(&tc, argc, argv);                                                                       \
    }
