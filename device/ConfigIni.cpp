#include "ConfigIni.h"

#include "UserPaths.h"

#include <QByteArray>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextCodec>

#include <algorithm>

ConfigIni *g_ConfigIni = nullptr;

namespace {

const char *const kCodedKeys[] = {"MM",  "DM",      "D2M",          "D4M",           "Sensor",       "CID",
                                  "VID", "USB_PID", "Wireless_PID", "Wireless2_PID", "Wireless4_PID"};

} // namespace

ConfigIni::ConfigIni()
{
    m_FilePath = UserPaths::configIniFile();
    Reload();
}

ConfigIni *ConfigIni::GetInstance()
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> locker(mutex);
    if (!g_ConfigIni)
        g_ConfigIni = new ConfigIni;
    return g_ConfigIni;
}

void ConfigIni::Reload(const QString &path)
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    if (!path.isEmpty())
        m_FilePath = path;
    delete m_Settings;
    m_Settings = new QSettings(m_FilePath, QSettings::IniFormat);
    m_Settings->setIniCodec(QTextCodec::codecForName("UTF-8"));
    // A file that does not read as INI describes no model at all: say so once
    // and answer every key with its empty default. (Never clear() the
    // settings object instead: that would write the emptied file back.)
    m_Unreadable = m_Settings->status() != QSettings::NoError;
    // A broken file otherwise only shows as "no device found": name it and
    // its fault on stderr, once per reading.
    const QString fault = FileFault();
    if (!fault.isEmpty())
        qWarning().noquote() << QStringLiteral("Config.ini %1: %2").arg(QDir::toNativeSeparators(m_FilePath), fault);
}

QString ConfigIni::FileFault() const
{
    const QFileInfo info(m_FilePath);
    if (!info.exists())
        return QStringLiteral("the file is missing");
    QFile file(m_FilePath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be opened (%1)").arg(file.errorString());
    if (file.readAll().trimmed().isEmpty())
        return QStringLiteral("the file is empty");
    if (m_Settings->status() != QSettings::NoError)
        return QStringLiteral("the file is not in INI form");
    if (!m_Settings->contains(QStringLiteral("Option/VID"))
        || !m_Settings->contains(QStringLiteral("Option/DeviceTotal")))
        return QStringLiteral("it has no [Option] group with \"VID\" and \"DeviceTotal\" (garbled?)");
    bool ok = false;
    const qlonglong total =
        m_Settings->value(QStringLiteral("Option/DeviceTotal")).toString().trimmed().toLongLong(&ok);
    if (!ok || total < 0)
        return QStringLiteral("\"DeviceTotal\" is not a number of model groups");
    if (total > MaxModelGroups)
        return QStringLiteral("\"DeviceTotal\" = %1 is more than %2 model groups; only the first %2 are read")
            .arg(total)
            .arg(MaxModelGroups);
    return QString();
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
        std::lock_guard<std::mutex> locker(m_Mutex);
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
        std::lock_guard<std::mutex> locker(m_Mutex);
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

int ConfigIni::ModelTotal()
{
    bool ok = false;
    const qlonglong total = GetValue("Option", "DeviceTotal").trimmed().toLongLong(&ok);
    if (!ok || total < 0)
        return 0;
    return int(qMin<qlonglong>(total, MaxModelGroups));
}

QList<int> ConfigIni::ModelGroups()
{
    const int total = ModelTotal();
    QStringList groups;
    {
        std::lock_guard<std::mutex> locker(m_Mutex);
        if (!m_Unreadable)
            groups = m_Settings->childGroups();
    }
    QList<int> numbers;
    for (const QString &group : groups) {
        if (!group.startsWith(QLatin1String("Drive")))
            continue;
        bool ok = false;
        const int n = group.mid(5).toInt(&ok);
        // "Drive" + n exactly as the groups are named: no sign, no leading zero.
        if (ok && n >= 1 && n <= total && group == QStringLiteral("Drive%1").arg(n))
            numbers << n;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString ConfigIni::DecodeBase64(const QString &text)
{
    return QString::fromLocal8Bit(QByteArray::fromBase64(text.toLocal8Bit()));
}
