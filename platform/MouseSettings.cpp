#include "MouseSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace MouseSettings {

QList<QStringList> candidates()
{
    const QString override = QString::fromLocal8Bit(qgetenv("ORVIK_MOUSE_SETTINGS_CMD")).trimmed();
    if (!override.isEmpty())
        return {QProcess::splitCommand(override)};
    return {
        {QStringLiteral("gnome-control-center"), QStringLiteral("mouse")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_mouse")},
        {QStringLiteral("kcmshell5"), QStringLiteral("mouse")},
        {QStringLiteral("cinnamon-settings"), QStringLiteral("mouse")},
        {QStringLiteral("mate-mouse-properties")},
        {QStringLiteral("xfce4-mouse-settings")},
        {QStringLiteral("lxqt-config-input")},
        {QStringLiteral("budgie-control-center"), QStringLiteral("mouse")},
    };
}

bool open()
{
    for (const QStringList &command : candidates()) {
        if (command.isEmpty())
            continue;
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty())
            continue;
        return QProcess::startDetached(program, command.mid(1));
    }
    return false;
}

} // namespace MouseSettings
