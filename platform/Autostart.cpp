#include "Autostart.h"

#include "SaveFile.h"
#include "UserPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void SetError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// The desktop entry Exec rules: the path in double quotes, with backslash,
// double quote, backquote and dollar escaped by a backslash.
QString QuotedExec(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

namespace Autostart {

QString folder()
{
    return UserPaths::configHome() + QStringLiteral("/autostart");
}

QString entryFile()
{
    return folder() + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".desktop");
}

bool enable(QString *error)
{
    if (!QDir().mkpath(folder())) {
        SetError(error, QStringLiteral("cannot create ") + folder());
        return false;
    }
    const QByteArray text = QByteArrayLiteral("[Desktop Entry]\n"
                                              "Type=Application\n"
                                              "Name=")
        + QCoreApplication::applicationName().toUtf8() + QByteArrayLiteral("\nExec=")
        + QuotedExec(QCoreApplication::applicationFilePath()).toUtf8()
        + QByteArrayLiteral("\nTerminal=false\n"
                            "X-GNOME-Autostart-enabled=true\n");
    // An entry kept as a link (a dotfile manager's) stays one: its target
    // is written.
    return SaveFile::Write(entryFile(), text, SaveFile::Links::Follow, error);
}

bool disable(QString *error)
{
    QFile file(entryFile());
    if (!file.exists())
        return true;
    if (!file.remove()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

bool isEnabled()
{
    return QFileInfo::exists(entryFile());
}

} // namespace Autostart
