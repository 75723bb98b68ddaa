#include "SimCore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <thread>

namespace HIDUsbSimCore {

bool isReceiverType(quint8 type)
{
    return type == 0 || type == 1 || type == 4;
}

Core &Core::instance()
{
    // Created once, never destroyed: the delivery and monitor threads are
    // detached and may still touch it while the process exits.
    static Core *core = new Core;
    return *core;
}

Core::Core()
{
    std::thread([this] { deliveryLoop(); }).detach();
    initFromEnvironment();
}

void Core::initFromEnvironment()
{
    const QByteArray logName = qgetenv("HIDUSB_SIM_LOG");
    if (!logName.isEmpty()) {
        logFile = std::fopen(logName.constData(), "a");
        if (!logFile)
            std::fprintf(stderr, "HIDUsb simulator: cannot open the log file \"%s\"; calls are not logged\n",
                         logName.constData());
    }

    if (!qEnvironmentVariableIsSet("HIDUSB_SIM_DEVICES")) {
        // One wireless mouse of the first sample model on a 4 kHz receiver,
        // and one corded mouse of the second sample model.
        const HIDUsbSim::DeviceSetup receiver = HIDUsbSim::sampleReceiverMouse();
        HIDUsbSim::DeviceSetup corded = HIDUsbSim::sampleCordedMouse();
        corded.receiverVersion = 0x0110;
        corded.mouseVersion = 0x0110;
        corded.battery = 100;
        std::lock_guard<std::mutex> lock(mutex);
        plugLocked(receiver, false);
        plugLocked(corded, false);
        return;
    }
    const QString value = qEnvironmentVariable("HIDUSB_SIM_DEVICES");
    if (value == QLatin1String("none") || value.isEmpty())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        watchFile = value;
        ++watchGeneration;
    }
    loadDevicesFile(value, watchGeneration);
    startMonitor();
}

// ---------------------------------------------------------------- devices ---

Device *Core::findLocked(const QByteArray &path, bool includeBoot)
{
    for (auto &d : devices)
        if (d->path == path && (includeBoot || !d->setup.bootMode))
            return d.get();
    return nullptr;
}

Device *Core::findIdLocked(int id)
{
    for (auto &d : devices)
        if (d->id == id)
            return d.get();
    return nullptr;
}

Device *Core::connectionDeviceLocked()
{
    if (!connectionOpen)
        return nullptr;
    return findLocked(connectionPath);
}

QByteArray Core::buildPath(const HIDUsbSim::DeviceSetup &setup, int id)
{
    if (!setup.path.isEmpty())
        return setup.path.toUtf8();
    const QString key = setup.name.isEmpty() ? QStringLiteral("dev%1").arg(id) : setup.name;
    return QStringLiteral("\\\\?\\hid#vid_%1&pid_%2&mi_01#sim&%3#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(setup.vid.toLower(), setup.pid.toLower(), key)
        .toUtf8();
}

int Core::plugLocked(const HIDUsbSim::DeviceSetup &setupIn, bool fromFile, QString *error)
{
    HIDUsbSim::DeviceSetup setup = setupIn;
    const int id = nextId;
    const QByteArray path = buildPath(setup, id);
    if (findLocked(path, true)) {
        if (error)
            *error = QStringLiteral("two devices with the path %1").arg(QString::fromUtf8(path));
        return 0;
    }
    ++nextId;
    if (setup.dongleRgb.size() != HIDUSB_DONGLE_RGB_SIZE) {
        QByteArray rgb(HIDUSB_DONGLE_RGB_SIZE, '\0');
        rgb[0] = 1;
        setup.dongleRgb = rgb;
    }
    if (setup.identifyFrom < 1)
        setup.identifyFrom = 1;

    std::shared_ptr<MouseState> mouse;
    if (!setup.mouse.isEmpty())
        mouse = mouseByKey.value(setup.mouse);
    if (!mouse) {
        mouse = std::make_shared<MouseState>();
        for (int c = 0; c < ConfigCount; ++c)
            mouse->configs[c] = configRecord(c, setup.mid);
        mouse->cid = setup.cid;
        mouse->mid = setup.mid;
        mouse->version = setup.mouseVersion;
        mouse->battery = setup.battery;
        mouse->charging = setup.charging;
        const int serial = nextMouseSerial++;
        mouse->status = QByteArray(3, '\0');
        mouse->status[0] = char(0x5A);
        mouse->status[1] = char(0x10 + (serial & 0x0F));
        mouse->status[2] = char(serial & 0xFF ? serial & 0xFF : 1);
        if (!setup.mouse.isEmpty())
            mouseByKey.insert(setup.mouse, mouse);
    }
    // The entries of one mouse identify as that mouse.
    setup.cid = mouse->cid;
    setup.mid = mouse->mid;
    auto d = std::make_unique<Device>();
    if (fromFile)
        d->fileSetup = setupIn;
    d->id = id;
    d->setup = setup;
    d->path = path;
    d->mouse = mouse;
    d->fromFile = fromFile;
    devices.push_back(std::move(d));
    return id;
}

bool Core::unplugLocked(int id)
{
    auto it = std::find_if(devices.begin(), devices.end(), [id](const std::unique_ptr<Device> &d) { return d->id == id; });
    if (it == devices.end())
        return false;
    const bool notify = !(*it)->setup.bootMode;
    devices.erase(it);
    return notify;
}

void Core::clearQueueLocked()
{
    queue.clear();
    idleChanged.notify_all();
}

void Core::resetLocked()
{
    devices.clear();
    mouseByKey.clear();
    connectionPath.clear();
    connectionCallback = nullptr;
    connectionOpen = false;
    ++generation;
    clearQueueLocked();
    driverStatus = 0;
    reportDelayMs = 3;
    hotplugCallback = nullptr;
    hotplugThread = nullptr;
    hotplugPosts = 0;
    flashDurationMs = 4000;
    pairDurationMs = 2000;
    failNextFlashAt = -1;
    failNextPairing = false;
    flashLeavesEnumeration = false;
    flashTimeoutCapMs = 0;
    lastFlashedImage.clear();
    pairingSilent = false;
    refuseNextUpdate = false;
    offlineAtNextUpdate = false;
    callbacksStopped = false;
    watchFile.clear();
    ++watchGeneration;
    watchStamp = -2;
    fileError.clear();
    pollIntervalMs = 500;
}

// ----------------------------------------------------------------- reports ---

bool Core::queueLocked(quint8 command, quint8 kind3, quint8 kind4, const QByteArray &data)
{
    if (!connectionOpen || !connectionCallback)
        return false;
    Report r;
    QByteArray header(5, '\0');
    header[0] = char(0x5A);
    header[1] = char(command);
    header[2] = char(sequence++);
    header[3] = char(kind3);
    header[4] = char(kind4);
    // Copies of the bytes, not shares of the caller's arrays: the delivery
    // thread hands the callback writable pointers, and the caller may drop
    // its arrays at the same time.
    r.header = QByteArray(header.constData(), header.size());
    r.data = QByteArray(data.constData(), data.size());
    r.generation = generation;
    r.callback = connectionCallback;
    r.due = Clock::now() + std::chrono::milliseconds(reportDelayMs);
    if (!queue.empty() && queue.back().due > r.due)
        r.due = queue.back().due; // keep the order whatever the delay
    queue.push_back(r);
    queueChanged.notify_all();
    return true;
}

void Core::deliveryLoop()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        if (queue.empty()) {
            queueChanged.wait(lock);
            continue;
        }
        const Clock::time_point due = queue.front().due;
        if (Clock::now() < due) {
            queueChanged.wait_until(lock, due);
            continue;
        }
        Report r = queue.front();
        queue.pop_front();
        if (r.generation != generation || !r.callback || callbacksStopped) {
            idleChanged.notify_all();
            continue; // the connection was closed or replaced
        }
        delivering = true;
        lock.unlock();
        // The application may block here for a long time (it waits on its
        // GUI thread); no library lock is held.
        r.callback(reinterpret_cast<unsigned char *>(r.header.data()), r.header.size(),
                   reinterpret_cast<unsigned char *>(r.data.data()), r.data.size());
        lock.lock();
        delivering = false;
        idleChanged.notify_all();
    }
}

// ----------------------------------------------------------------- hot-plug ---

void Core::postHotplug()
{
    QObject *receiver = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!hotplugCallback || !hotplugThread)
            return;
        receiver = hotplugReceivers.value(hotplugThread);
        ++hotplugPosts;
    }
    if (receiver)
        QMetaObject::invokeMethod(receiver, [this] { deliverHotplug(); }, Qt::QueuedConnection);
}

void Core::deliverHotplug()
{
    HIDUsbChangedCallback cb = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (hotplugThread == QThread::currentThread() && !callbacksStopped)
            cb = hotplugCallback;
    }
    if (cb)
        cb();
}

// ---------------------------------------------------------------- call log ---

void Core::logCall(const QString &line)
{
    std::lock_guard<std::mutex> lock(logMutex);
    callLines.append(line);
    if (callLines.size() > MaxCallLines + MaxCallLines / 10) // trim in chunks, not on every call
        callLines.erase(callLines.begin(), callLines.begin() + (callLines.size() - MaxCallLines));
    if (logFile) {
        const QByteArray text = QTime::currentTime().toString("hh:mm:ss.zzz").toUtf8() + ' ' + line.toUtf8() + '\n';
        std::fwrite(text.constData(), 1, size_t(text.size()), logFile);
        std::fflush(logFile);
    }
}

// ----------------------------------------------------------------- records ---

QByteArray Core::factoryRecord(quint8 mid)
{
    // Built in a buffer of the record's own size: the compiler then sees every
    // index below against the real bound (a QByteArray's data() it cannot size).
    unsigned char b[RecordSize] = {};
    b[0] = 1;   // 1000 Hz
    b[1] = 4;   // four DPI levels in use
    b[2] = 1;   // second level active
    b[5] = 1;   // lift-off 1 mm
    b[6] = 4;   // debounce selector item
    b[8] = 6;   // lights off after 60 s
    b[13] = 6;  // full performance 1 min
    // DPI codes: the sample corded model (MID 6) has a sensor counting in
    // steps of 100 DPI, the others in steps of 50; code = DPI / step - 1.
    static const int dpi50[8] = {400, 800, 1600, 3200, 5000, 6400, 8000, 10000};
    static const int dpi100[8] = {400, 800, 1200, 1600, 2400, 3200, 4800, 6400};
    const bool coarse = mid == 0x06;
    static const unsigned char colour[8][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {255, 255, 0},
                                               {0, 255, 255}, {255, 0, 255}, {255, 255, 255}, {255, 128, 0}};
    for (std::ptrdiff_t i = 0; i < 8; ++i) {
        unsigned char *level = b + 15 + 6 * i;
        const int code = coarse ? dpi100[i] / 100 - 1 : dpi50[i] / 50 - 1;
        level[0] = static_cast<unsigned char>(code);
        level[1] = static_cast<unsigned char>(code);
        level[2] = 0;
        level[3] = colour[i][0];
        level[4] = colour[i][1];
        level[5] = colour[i][2];
    }
    b[63] = 1;   // DPI LED steady
    b[64] = 255; // brightest
    b[65] = 3;
    b[66] = 1;
    b[67] = 1;   // light bar
    b[68] = 255;
    b[71] = 2;
    b[72] = 4;
    b[73] = 1;
    // Buttons: left, right, middle, back, forward, DPI up.
    static const unsigned char keys[6][3] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 8, 0}, {1, 16, 0}, {2, 1, 0}};
    for (std::ptrdiff_t k = 0; k < 6; ++k)
        std::memcpy(b + 74 + 3 * k, keys[k], 3);
    return QByteArray(reinterpret_cast<const char *>(b), RecordSize);
}

QByteArray Core::configRecord(int config, quint8 mid)
{
    // The four on-board configurations differ in their active DPI level, so
    // a switch is visible.
    QByteArray r = factoryRecord(mid);
    r[2] = char(config % 4);
    return r;
}

bool Core::encodeRecord(const QByteArray &record, QByteArray *fullRead)
{
    // Our coding of the parameter memory in the 6912-byte full read:
    // "OV", format 1, 0, u32 LE length n, then n bytes of qCompress output.
    if (record.size() != RecordSize)
        return false;
    // The fast level packs every ordinary record well inside the room; only a
    // record that does not fit that way is worth the slow, tighter level.
    QByteArray packed = qCompress(record, 1);
    if (packed.size() > FullReadSize - 8)
        packed = qCompress(record, 9);
    if (packed.size() > FullReadSize - 8)
        return false;
    QByteArray out(FullReadSize, '\0');
    out[0] = 'O';
    out[1] = 'V';
    out[2] = 1;
    qToLittleEndian<quint32>(quint32(packed.size()), out.data() + 4);
    std::memcpy(out.data() + 8, packed.constData(), size_t(packed.size()));
    *fullRead = out;
    return true;
}

bool Core::decodeRecord(const unsigned char *data, QByteArray *record)
{
    if (!data || data[0] != 'O' || data[1] != 'V' || data[2] != 1)
        return false;
    const quint32 n = qFromLittleEndian<quint32>(data + 4);
    if (n < 8 || n > quint32(FullReadSize - 8))
        return false;
    // qCompress puts the plain size first (big-endian); refuse anything but a
    // whole record before zlib allocates for it.
    if (qFromBigEndian<quint32>(data + 8) != quint32(RecordSize))
        return false;
    const QByteArray plain = qUncompress(data + 8, int(n));
    if (plain.size() != RecordSize)
        return false;
    *record = plain;
    return true;
}

// ------------------------------------------------------------ devices file ---

static bool readNumber(const QJsonValue &v, qint64 *out)
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

static bool readHexText(const QJsonValue &v, QString *out)
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

static bool readBytes(const QJsonValue &v, int size, QByteArray *out)
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

} // namespace HIDUsbSimCore

bool HIDUsbSim::parseDevicesJson(const QByteArray &json, QList<DeviceSetup> *out, QString *error)
{
    using namespace HIDUsbSimCore;
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
    for (int i = 0; i < list.size(); ++i) {
        if (!list.at(i).isObject())
            return fail(QStringLiteral("device %1 is not an object").arg(i + 1));
        const QJsonObject o = list.at(i).toObject();
        DeviceSetup s;
        s.name = QStringLiteral("file%1").arg(i + 1);
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            const QJsonValue v = it.value();
            const QString where = QStringLiteral("device %1, \"%2\": ").arg(i + 1).arg(key);
            qint64 n = 0;
            auto number = [&](qint64 lo, qint64 hi) {
                return readNumber(v, &n) && n >= lo && n <= hi;
            };
            if (key == "name" && v.isString() && !v.toString().isEmpty()) {
                s.name = v.toString();
            } else if (key == "path" && v.isString()) {
                s.path = v.toString();
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
            } else if (key == "battery") {
                if (!number(0, 100))
                    return fail(where + "expected a percentage 0..100");
                s.battery = int(n);
            } else if (key == "identifyFrom") {
                if (!number(1, 1000))
                    return fail(where + "expected a number 1..1000");
                s.identifyFrom = int(n);
            } else if (key == "online" || key == "charging" || key == "bootMode" || key == "longRange") {
                if (!v.isBool())
                    return fail(where + "expected true or false");
                (key == "online" ? s.online : key == "charging" ? s.charging : key == "bootMode" ? s.bootMode : s.longRange) =
                    v.toBool();
            } else if (key == "status") {
                if (!readBytes(v, 3, &s.statusBytes))
                    return fail(where + "expected an array of 3 numbers 0..255");
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
    }
    if (out)
        *out = setups;
    return true;
}

namespace HIDUsbSimCore {

static bool sameApartFromOnline(const HIDUsbSim::DeviceSetup &a, const HIDUsbSim::DeviceSetup &b)
{
    return a.name == b.name && a.path == b.path && a.vid == b.vid && a.pid == b.pid && a.cid == b.cid &&
           a.mid == b.mid && a.receiverType == b.receiverType && a.statusBytes == b.statusBytes &&
           a.receiverVersion == b.receiverVersion && a.mouseVersion == b.mouseVersion && a.battery == b.battery &&
           a.charging == b.charging && a.mouse == b.mouse && a.bootMode == b.bootMode &&
           a.longRange == b.longRange && a.identifyFrom == b.identifyFrom && a.dongleRgb == b.dongleRgb;
}

bool Core::loadDevicesFile(const QString &fileName, quint64 gen)
{
    QList<HIDUsbSim::DeviceSetup> setups;
    QString error;
    bool ok = false;
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot be opened (%1)").arg(f.errorString());
    } else {
        ok = HIDUsbSim::parseDevicesJson(f.readAll(), &setups, &error);
        // Two entries may not share a path.
        for (int i = 0; ok && i < setups.size(); ++i)
            for (int j = 0; ok && j < i; ++j)
                if (buildPath(setups[i], 0) == buildPath(setups[j], 0)) {
                    ok = false;
                    error = QStringLiteral("devices %1 and %2 have the same path").arg(j + 1).arg(i + 1);
                }
    }
    if (!ok) {
        setups.clear();
        std::fprintf(stderr, "HIDUsb simulator: devices file \"%s\" %s; no simulated devices from it\n",
                     qPrintable(fileName), qPrintable(error));
    }

    int notifications = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (gen != watchGeneration)
            return ok; // reset or another file meanwhile
        fileError = ok ? QString() : QStringLiteral("devices file \"%1\" %2").arg(fileName, error);
        // Remove the file's devices that are gone or changed (apart from the
        // online flag, which changes in place without a hot-plug event).
        QList<int> keep;
        for (auto it = devices.begin(); it != devices.end();) {
            Device *d = it->get();
            if (!d->fromFile) {
                ++it;
                continue;
            }
            int match = -1;
            for (int i = 0; i < setups.size(); ++i)
                if (buildPath(setups[i], 0) == d->path && sameApartFromOnline(setups[i], d->fileSetup))
                    match = i;
            if (match >= 0) {
                d->setup.online = setups[match].online;
                d->fileSetup.online = setups[match].online;
                keep.append(match);
                ++it;
            } else {
                if (!d->setup.bootMode)
                    ++notifications;
                it = devices.erase(it);
            }
        }
        for (int i = 0; i < setups.size(); ++i) {
            if (keep.contains(i))
                continue;
            if (plugLocked(setups[i], true) && !setups[i].bootMode)
                ++notifications;
        }
    }
    for (int i = 0; i < notifications; ++i)
        postHotplug();
    return ok;
}

static qint64 fileStamp(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return -1;
    return info.lastModified().toMSecsSinceEpoch() * 1000003LL + info.size();
}

void Core::startMonitor()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!watchFile.isEmpty())
        watchStamp = fileStamp(watchFile);
    if (monitorStarted)
        return;
    monitorStarted = true;
    std::thread([this] { monitorLoop(); }).detach();
}

void Core::monitorLoop()
{
    for (;;) {
        int interval = 500;
        QString file;
        quint64 gen = 0;
        qint64 stamp = 0;
        {
            std::lock_guard<std::mutex> lock(mutex);
            interval = pollIntervalMs;
            file = watchFile;
            gen = watchGeneration;
            stamp = watchStamp;
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
            std::lock_guard<std::mutex> lock(mutex);
            if (gen != watchGeneration)
                continue;
            watchStamp = now;
        }
        loadDevicesFile(file, gen);
    }
}

// ------------------------------------------------------------------ images ---

ImageHeader parseImage(const unsigned char *image)
{
    ImageHeader h;
    if (!image || std::memcmp(image, HIDUSB_FW_MAGIC, 4) != 0)
        return h;
    h.length = qFromLittleEndian<quint32>(image + HIDUSB_FW_OFFSET_LENGTH);
    if (h.length < HIDUSB_FW_HEADER_SIZE || h.length > 64u * 1024u * 1024u)
        return h;
    h.version = qFromLittleEndian<quint32>(image + HIDUSB_FW_OFFSET_VERSION);
    h.kind = image[HIDUSB_FW_OFFSET_KIND];
    h.cid = image[HIDUSB_FW_OFFSET_CID];
    h.mid = image[HIDUSB_FW_OFFSET_MID];
    h.valid = h.kind == HIDUSB_FW_KIND_MOUSE || h.kind == HIDUSB_FW_KIND_RECEIVER;
    return h;
}

} // namespace HIDUsbSimCore
