#include "RegistryStore.h"

#include "UserPaths.h"

#include <QDir>
#include <QSettings>
#include <QTextCodec>
#include <mutex>

namespace RegistryStore {

namespace {

std::mutex &storeMutex()
{
    static std::mutex *mutex = new std::mutex;
    return *mutex;
}

// A settings object per access, made and dropped under storeMutex(). One
// shared object would not do: a write from the library's thread posts the
// object a deferred-save event, which its own thread then handles outside
// storeMutex() while another thread is inside it. (Qt keeps the parsed file
// cached, so a fresh object is cheap.)
class Store
{
public:
    Store()
        : m_Settings(filePath(), QSettings::IniFormat)
    {
        m_Settings.setIniCodec(QTextCodec::codecForName("UTF-8"));
    }
    QSettings *operator->() { return &m_Settings; }

private:
    QSettings m_Settings;
};

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
    return UserPaths::configHome() + "/" + UserPaths::productName() + "/registry.ini";
}

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue)
{
    std::lock_guard<std::mutex> locker(storeMutex());
    return Store()->value(fullName(keyPath, name), defaultValue);
}

void setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    std::lock_guard<std::mutex> locker(storeMutex());
    Store store;
    store->setValue(fullName(keyPath, name), value);
    store->sync();
}

void remove(const QString &keyPath, const QString &name)
{
    std::lock_guard<std::mutex> locker(storeMutex());
    Store store;
    store->remove(fullName(keyPath, name));
    store->sync();
}

bool contains(const QString &keyPath, const QString &name)
{
    std::lock_guard<std::mutex> locker(storeMutex());
    return Store()->contains(fullName(keyPath, name));
}

} // namespace RegistryStore
