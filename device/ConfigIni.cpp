#include "ConfigIni.h"

#include "UserPaths.h"

#include <QByteArray>
#include <QDebug>
#include <QMutexLocker>
#include <QSettings>
#include <QTextCodec>

ConfigIni *g_ConfigIni = nullptr;

namespace {

const char *const kCodedKeys[] = { "MM", "DM", "D2M", "D4M", "Sensor", "CID", "VID",
                                   "USB_PID", "Wireless_PID", "Wireless2_PID", "Wireless4_PID" };

} // namespace

ConfigIni::ConfigIni()
{
    m_FilePath = UserPaths::configIniFile();
    Reload();
}

ConfigIni *ConfigIni::GetInstance()
{
    static QMutex mutex;
    QMutexLocker locker(&mutex);
    if (!g_ConfigIni)
        g_ConfigIni = new ConfigIni;
    return g_ConfigIni;
}

void ConfigIni::Reload(const QString &path)
{
    QMutexLocker locker(&m_Mutex);
    if (!path.isEmpty())
        m_FilePath = path;
    delete m_Settings;
    m_Settings = new QSettings(m_FilePath, QSettings::IniFormat);
    m_Settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
    // A file that does not read as INI describes no model at all: say so once
    // and answer every key with its empty default. (Never clear() the
    // settings object instead: that would write the emptied file back.)
    m_Unreadable = m_Settings->status() != QSettings::NoError;
    if (m_Unreadable)
        qWarning() << "Config.ini could not be read:" << m_FilePath << m_Settings->status();
}

bool ConfigIni::IsCodedKey(const QString &key)
{
    for (const char *coded : kCodedKeys) {
        if (key == QLatin1String(coded))
            return true;
    }
    return false;
}

QString ConfigIni::DecodeItem(const QString &text) const
{
    QString decoded = QString::fromUtf8(QByteArray::fromBase64(text.toUtf8()));
    decoded.remove(QLatin1Char('\n'));
    decoded.remove(QLatin1Char(' '));
    return decoded;
}

QString ConfigIni::GetValue(const QString &group, const QString &key)
{
    QString text;
    {
        QMutexLocker locker(&m_Mutex);
        if (!m_Unreadable)
            text = m_Settings->value(group + "/" + key, QString()).toString();
    }
    if (m_Decode == 1 && IsCodedKey(key))
        text = DecodeItem(text);
    return text;
}

QStringList ConfigIni::GetValueList(const QString &group, const QString &key)
{
    QStringList list;
    {
        QMutexLocker locker(&m_Mutex);
        // A missing key gives an empty list (not one empty item).
        if (!m_Unreadable && m_Settings->contains(group + "/" + key))
            list = m_Settings->value(group + "/" + key).toStringList();
    }
    if (m_Decode == 1 && IsCodedKey(key)) {
        for (QString &item : list)
            item = DecodeItem(item);
    }
    return list;
}

QString ConfigIni::DecodeBase64(const QString &text)
{
    return QString::fromLocal8Bit(QByteArray::fromBase64(text.toLocal8Bit()));
}
