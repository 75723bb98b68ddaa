#include "RegistryStore.h"

#include "UserPaths.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCodec>

namespace RegistryStore {

namespace {

QMutex &storeMutex()
{
    static QMutex *mutex = new QMutex;
    return *mutex;
}

// One settings object for the process, used only under storeMutex().
QSettings &store()
{
    static QSettings *settings = nullptr;
    if (!settings) {
        settings = new QSettings(filePath(), QSettings::IniFormat);
        settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
    }
    return *settings;
}

// "HKEY_CURRENT_USER\Software\X" and "Software/X/" both become "Software/X".
QString normalizedKey(const QString &keyPath)
{
    QString key = keyPath;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString hive = QStringLiteral("HKEY_CURRENT_USER/");
    if (key.startsWith(hive, Qt::CaseInsensitive))
        key.remove(0, hive.size());
    while (key.startsWith(QLatin1Char('/')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('/')))
        key.chop(1);
    return key;
}

QString fullName(const QString &keyPath, const QString &name)
{
    return normalizedKey(keyPath) + "/" + name;
}

} // namespace

QString languageKey()
{
    const QString product = UserPaths::productName();
    return "Software/" + product + "/" + product + "/" + product;
}

QString mouseTestKey()
{
    const QString product = UserPaths::productName();
    return "Software/" + product + "/" + product + "/Mouse Drive Test";
}

QString filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/" + UserPaths::productName()
           + "/registry.ini";
}

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue)
{
    QMutexLocker locker(&storeMutex());
    return store().value(fullName(keyPath, name), defaultValue);
}

void setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    QMutexLocker locker(&storeMutex());
    store().setValue(fullName(keyPath, name), value);
    store().sync();
}

void remove(const QString &keyPath, const QString &name)
{
    QMutexLocker locker(&storeMutex());
    store().remove(fullName(keyPath, name));
    store().sync();
}

bool contains(const QString &keyPath, const QString &name)
{
    QMutexLocker locker(&storeMutex());
    return store().contains(fullName(keyPath, name));
}

} // namespace RegistryStore
