#include "SimDevicesFile.h"

#include "SimBus.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <thread>

namespace {

bool readNumber(const QJsonValue &v, qint64 *out)
{
    if (v.isDouble()) {
        const double d = v.toDouble();
        // Range first: converting a double outside qint64 is undefined.
        // 2^63 is exact as a double; every whole number below it converts.
        constexpr double Limit = 9223372036854775808.0;
        if (!(d >= -Limit && d < Limit) || d != std::trunc(d))
            return false;
        *out = qint64(d);
        return true;
    }
    if (v.isString()) {
        QString s = v.toString().trimmed();
        bool ok = false;
        qint64 n = 0;
        if (s.startsWith("0x", Qt::CaseInsensitive))
            n = s.mid(2).toLongLong(&ok, 16);
        else
            n = s.toLongLong(&ok, 10);
        if (!ok)
            return false;
        *out = n;
        return true;
    }
    return false;
}

bool readHexText(const QJsonValue &v, QString *out)
{
    if (v.isString()) {
        QString s = v.toString().trimmed();
        if (s.startsWith("0x", Qt::CaseInsensitive))
            s = s.mid(2);
        bool ok = false;
        const uint n = s.toUInt(&ok, 16);
        if (!ok || n > 0xFFFF)
            return false;
        *out = s.toUpper();
        return true;
    }
    return false;
}

bool readBytes(const QJsonValue &v, int size, QByteArray *out)
{
    if (!v.isArray())
        return false;
    const QJsonArray a = v.toArray();
    if (a.size() != size)
        return false;
    QByteArray bytes;
    for (const QJsonValue &item : a) {
        qint64 n = 0;
        if (!readNumber(item, &n) || n < 0 || n > 255)
            return false;
        bytes.append(char(n));
    }
    *out = bytes;
    return true;
}

// The mouse's own values an entry of the file may give.
enum MouseValue { GivesBattery = 1, GivesCharging = 2, GivesVersion = 4, GivesStatus = 8 };

// Copies the mouse's own values named by which from one entry to another.
void copyMouseValues(HIDUsbSim::DeviceSetup *to, const HIDUsbSim::DeviceSetup &from, int which)
{
    if (which & GivesBattery)
        to->battery = from.battery;
    if (which & GivesCharging)
        to->charging = from.charging;
    if (which & GivesVersion)
        to->mouseVersion = from.mouseVersion;
    if (which & GivesStatus)
        to->statusBytes = from.statusBytes;
}

// The entries of one mouse (one "mouse" key) carry one set of the mouse's own
// values: each value from the first entry of the key that gives it, so an
// entry that leaves a value out never masks it with a default, and it is
// enough to write a value on one entry. A value no entry gives keeps its
// default.
void shareMouseValues(QList<HIDUsbSim::DeviceSetup> *setups, const QList<int> &given)
{
    QHash<QString, HIDUsbSim::DeviceSetup> values;
    QHash<QString, int> taken;
    for (int i = 0; i < setups->size(); ++i) {
        const HIDUsbSim::DeviceSetup &s = setups->at(i);
        if (s.mouse.isEmpty())
            continue;
        int &have = taken[s.mouse];
        const int fresh = given.at(i) & ~have;
        copyMouseValues(&values[s.mouse], s, fresh);
        have |= fresh;
    }
    for (HIDUsbSim::DeviceSetup &s : *setups) {
        if (!s.mouse.isEmpty())
            copyMouseValues(&s, values[s.mouse], taken.value(s.mouse));
    }
}

qint64 fileStamp(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return -1;
    return info.lastModified().toMSecsSinceEpoch() * 1000003LL + info.size();
}

} // namespace

bool HIDUsbSim::parseDevicesJson(const QByteArray &json, QList<DeviceSetup> *out, QString *error)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (doc.isNull())
        return fail(QStringLiteral("not valid JSON at offset %1: %2").arg(pe.offset).arg(pe.errorString()));
    QJsonArray list;
    if (doc.isArray()) {
        list = doc.array();
    } else {
        const QJsonObject root = doc.object();
        for (auto it = root.begin(); it != root.end(); ++it)
            if (it.key() != QLatin1String("devices"))
                return fail(QStringLiteral("unknown key \"%1\" at the top level").arg(it.key()));
        if (!root.value("devices").isArray())
            return fail(QStringLiteral("no \"devices\" array"));
        list = root.value("devices").toArray();
    }
    QList<DeviceSetup> setups;
    // Which of the mouse's own values each entry gives (MouseValue bits).
    QList<int> given;
    for (int i = 0; i < list.size(); ++i) {
        if (!list.at(i).isObject())
            return fail(QStringLiteral("device %1 is not an object").arg(i + 1));
        const QJsonObject o = list.at(i).toObject();
        DeviceSetup s;
        int gives = 0;
        s.name = QStringLiteral("file%1").arg(i + 1);
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const QJsonValue v = it.value();
            const QString where = QStringLiteral("device %1, \"%2\": ").arg(i + 1).arg(key);
            qint64 n = 0;
            auto number = [&](qint64 lo, qint64 hi) { return readNumber(v, &n) && n >= lo && n <= hi; };
            if (key == "name" && v.isString() && !v.toString().isEmpty()) {
                s.name = v.toString();
            } else if (key == "path" && v.isString()) {
                s.path = v.toString();
            } else if (key == "firmwareModel" && v.isString() && v.toString().size() <= HIDUSB_FW_MODEL_SIZE) {
                s.firmwareModel = v.toString().toLatin1();
            } else if (key == "vid") {
                if (!readHexText(v, &s.vid))
                    return fail(where + "expected a hexadecimal text such as \"3554\"");
            } else if (key == "pid") {
                if (!readHexText(v, &s.pid))
                    return fail(where + "expected a hexadecimal text such as \"F503\"");
            } else if (key == "cid" || key == "mid" || key == "type") {
                if (!number(0, 255))
                    return fail(where + "expected a number 0..255");
                (key == "cid" ? s.cid : key == "mid" ? s.mid : s.receiverType) = quint8(n);
            } else if (key == "receiverVersion" || key == "mouseVersion") {
                if (!number(0, 0xFFFF))
                    return fail(where + "expected a version word 0..0xFFFF (major high byte, minor low byte)");
                (key == "receiverVersion" ? s.receiverVersion : s.mouseVersion) = quint16(n);
                if (key == "mouseVersion")
                    gives |= GivesVersion;
            } else if (key == "battery") {
                if (!number(0, 100))
                    return fail(where + "expected a percentage 0..100");
                s.battery = int(n);
                gives |= GivesBattery;
            } else if (key == "identifyFrom") {
                if (!number(1, 1000))
                    return fail(where + "expected a number 1..1000");
                s.identifyFrom = int(n);
            } else if (key == "online" || key == "charging" || key == "bootMode" || key == "longRange") {
                if (!v.isBool())
                    return fail(where + "expected true or false");
                (key == "online"         ? s.online
                     : key == "charging" ? s.charging
                     : key == "bootMode" ? s.bootMode
                                         : s.longRange) = v.toBool();
                if (key == "charging")
                    gives |= GivesCharging;
            } else if (key == "status") {
                if (!readBytes(v, 3, &s.statusBytes))
                    return fail(where + "expected an array of 3 numbers 0..255");
                gives |= GivesStatus;
            } else if (key == "dongleRgb") {
                if (!readBytes(v, HIDUSB_DONGLE_RGB_SIZE, &s.dongleRgb))
                    return fail(where + "expected an array of 10 numbers 0..255");
            } else if (key == "mouse" && v.isString()) {
                s.mouse = v.toString();
            } else {
                return fail(QStringLiteral("device %1: unknown key or wrong type \"%2\"").arg(i + 1).arg(key));
            }
        }
        setups.append(s);
        given.append(gives);
    }
    shareMouseValues(&setups, given);
    if (out)
        *out = setups;
    return true;
}

namespace HIDUsbSimCore {

bool readDevicesFile(const QString &fileName, QList<HIDUsbSim::DeviceSetup> *setups, QString *error)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot be opened (%1)").arg(f.errorString());
        return false;
    }
    QList<HIDUsbSim::DeviceSetup> read;
    if (!HIDUsbSim::parseDevicesJson(f.readAll(), &read, error))
        return false;
    for (int i = 0; i < read.size(); ++i)
        for (int j = 0; j < i; ++j)
            if (SimBus::buildPath(read[i], 0) == SimBus::buildPath(read[j], 0)) {
                *error = QStringLiteral("devices %1 and %2 have the same path").arg(j + 1).arg(i + 1);
                return false;
            }
    *setups = read;
    return true;
}

DevicesFileWatcher::DevicesFileWatcher(SimBus &bus)
    : m_bus(bus)
{
}

bool DevicesFileWatcher::watch(const QString &fileName)
{
    quint64 gen = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_file = fileName;
        gen = ++m_generation;
    }
    const bool ok = load(fileName, gen);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_file.isEmpty())
        m_stamp = fileStamp(m_file);
    if (!m_monitorStarted) {
        m_monitorStarted = true;
        std::thread([this] { monitorLoop(); }).detach();
    }
    return ok;
}

void DevicesFileWatcher::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file.clear();
    ++m_generation;
    m_stamp = -2;
    m_error.clear();
    m_pollIntervalMs = 500;
}

QString DevicesFileWatcher::lastError()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

void DevicesFileWatcher::setPollInterval(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pollIntervalMs = qBound(10, ms, 60000);
}

bool DevicesFileWatcher::load(const QString &fileName, quint64 gen)
{
    QList<HIDUsbSim::DeviceSetup> setups;
    QString error;
    const bool ok = readDevicesFile(fileName, &setups, &error);
    if (!ok)
        std::fprintf(stderr, "HIDUsb simulator: devices file \"%s\" %s; no simulated devices from it\n",
                     qPrintable(fileName), qPrintable(error));
    std::lock_guard<std::mutex> lock(m_mutex);
    if (gen != m_generation)
        return ok; // reset or another file meanwhile
    m_error = ok ? QString() : QStringLiteral("devices file \"%1\" %2").arg(fileName, error);
    m_bus.applyFileDevices(setups);
    return ok;
}

void DevicesFileWatcher::monitorLoop()
{
    for (;;) {
        int interval = 500;
        QString file;
        quint64 gen = 0;
        qint64 stamp = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            interval = m_pollIntervalMs;
            file = m_file;
            gen = m_generation;
            stamp = m_stamp;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(interval));
        if (file.isEmpty())
            continue;
        qint64 now = fileStamp(file);
        if (now == stamp)
            continue;
        // An editor may still be writing: read once the file stopped changing.
        for (int settle = 0; settle < 20; ++settle) {
            std::this_thread::sleep_for(std::chrono::milliseconds(qMin(interval, 50)));
            const qint64 later = fileStamp(file);
            if (later == now)
                break;
            now = later;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (gen != m_generation)
                continue;
            m_stamp = now;
        }
        load(file, gen);
    }
}

} // namespace HIDUsbSimCore
