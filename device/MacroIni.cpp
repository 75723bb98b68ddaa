#include "MacroIni.h"

#include "UserPaths.h"

#include <QSettings>
#include <QTextCodec>

MacroIni *g_MacroIni = nullptr;

MacroIni::MacroIni()
{
    m_FilePath = UserPaths::macroIniFile();
    m_Settings = new QSettings(m_FilePath, QSettings::IniFormat);
    m_Settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
}

MacroIni *MacroIni::GetInstance()
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> locker(mutex);
    if (!g_MacroIni)
        g_MacroIni = new MacroIni;
    return g_MacroIni;
}

QString MacroIni::GetValue(const QString &group, const QString &key)
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    return m_Settings->value(group + "/" + key, QString()).toString();
}

// Writes reach the disk at once: the process may end through exit() from the
// tray menu before an event-loop turn would have written them.
void MacroIni::SetValue(const QString &group, const QString &key, const QString &value)
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    m_Settings->setValue(group + "/" + key, value);
    m_Settings->sync();
}

void MacroIni::RemoveValue(const QString &group, const QString &key)
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    m_Settings->remove(group + "/" + key);
    m_Settings->sync();
}

void MacroIni::Sync()
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    m_Settings->sync();
}
