#include "Startup.h"

#include "ConfigIni.h"
#include "DialogMain.h"
#include "ExeIsRun.h"
#include "SaveFile.h"
#include "SingleInstance.h"
#include "Skin.h"
#include "UserPaths.h"
#include "WindowSystem.h"
#include "Worker.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

static void InitCompiledResources()
{
    // The resources live in a library; naming their initialiser keeps the
    // linker from dropping them (qt.conf among them).
    Q_INIT_RESOURCE(orvik);
}

void PurgeOldFiles(QString folder)
{
    PurgeOldFiles(folder, QDateTime::currentSecsSinceEpoch());
}

void PurgeOldFiles(const QString &folder, qint64 now)
{
    const QFileInfoList entries = QDir(folder).entryInfoList();
    for (const QFileInfo &entry : entries) {
        if (entry.isDir())
            continue; // ".", ".." and sub-folders stay with everything in them
        const qint64 modified = entry.lastModified().toSecsSinceEpoch();
        if (modified > now)
            continue; // a clock set back is no reason to lose a file
        if ((now - modified) / 86400 > 7)
            QFile::remove(entry.absoluteFilePath());
    }
}

namespace Startup {

static WindowHook &Hook()
{
    static WindowHook hook;
    return hook;
}

void SetWindowHook(WindowHook hook)
{
    Hook() = std::move(hook);
}

void PrepareUserFolders()
{
    for (const QString &folder : UserPaths::userSubFolders()) {
        if (!QDir(folder).exists())
            QDir().mkpath(folder);
    }
    // Made only where there is none: a file that appears meanwhile (another
    // copy starting) is never emptied. Its content is QSettings' to write.
    QFile macroIni(UserPaths::macroIniFile());
    if (!macroIni.exists() && macroIni.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        macroIni.close();
}

int RemoveSaveLeftovers()
{
    int removed = 0;
    for (const QString &folder : QStringList{UserPaths::userFolder()} + UserPaths::userSubFolders())
        removed += SaveFile::RemoveLeftovers(folder);
    return removed;
}

void InstallSkinColours()
{
    Skin::SetColourSource(
        [](const QString &key) { return ConfigIni::GetInstance()->GetValueList(QStringLiteral("Option"), key); });
}

int Run(int argc, char **argv)
{
    if (!UserPaths::EnsureHome()) {
        std::fprintf(stderr,
                     "%s: no home folder: HOME is not set and the password database has none for this "
                     "account. Nothing was written; set HOME and start again.\n",
                     g_ProductName);
        return 1;
    }
    QString moveError;
    const UserPaths::LegacyMove move = UserPaths::MoveLegacyUserFolder(&moveError);
    if (move == UserPaths::LegacyMove::Failed)
        std::fprintf(stderr,
                     "%s: could not move the per-user folder \"%s\" to \"%s\" (%s); it is used where it is, "
                     "and the next start tries again.\n",
                     g_ProductName, qPrintable(UserPaths::legacyUserFolder()),
                     qPrintable(UserPaths::dataHome() + "/" + UserPaths::productName()), qPrintable(moveError));
    else if (!moveError.isEmpty())
        std::fprintf(stderr, "%s: %s.\n", g_ProductName, qPrintable(moveError));
    PrepareUserFolders();
    PurgeOldFiles(UserPaths::logFolder());
    PurgeOldFiles(UserPaths::exceptionFolder());

    // The windows have fixed pixel sizes; on a high-density screen Qt scales
    // them as a whole instead of drawing them tiny. Only whole factors: a
    // screen of 100 or 120 dpi keeps the pictures sharp at 1, a 150 % screen
    // (usually a 1080-line laptop) is not given a window taller than itself,
    // and a 200 % screen doubles everything.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    InitCompiledResources();
    InstallSkinColours();

    QApplication app(argc, argv);
    // Our own questions to the X server (where a window really is, whether a
    // compositor runs) go over a connection opened meanwhile.
    WindowSystem::ConnectAhead();
    // What the program file's own icon gives on Windows: the task bar and the
    // window switcher show the product logo (the tray icon's picture).
    app.setWindowIcon(QIcon(UserPaths::pictureFolder() + "Dialog/Logo.png"));

    QString lockError;
    switch (SingleInstance::TryStart(&lockError)) {
    case SingleInstance::Start::First:
        break;
    case SingleInstance::Start::AnotherRuns: {
        ExeIsRun notice;
        if (Hook())
            Hook()(&notice);
        notice.exec();
        return 0;
    }
    case SingleInstance::Start::FolderUnlockable:
        std::fprintf(stderr,
                     "%s: cannot lock the per-user folder (%s). Without that lock a second copy could use the "
                     "same files at once, so this one does not start. Remove that file while no copy of %s "
                     "runs, and start again.\n",
                     g_ProductName, qPrintable(lockError), g_ProductName);
        return 1;
    }
    // Only now: a second copy must not take the first one's writes in flight
    // for leftovers. Only what carries the writer's mark goes.
    RemoveSaveLeftovers();

    // Never deleted: the window lives until the process ends.
    DialogMain *window = new DialogMain;
    window->show();
    if (Hook())
        Hook()(window);
    const int result = app.exec();
    // The library's threads must be quiet before the application object and
    // the static stores go away.
    Worker::Shutdown();
    return result;
}

} // namespace Startup
