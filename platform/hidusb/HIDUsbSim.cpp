// Control API of the simulated devices (tests and people).

#include "HIDUsbSim.h"
#include "SimCore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QtEndian>

#include <cstring>

using namespace HIDUsbSimCore;

namespace HIDUsbSim {

DeviceSetup sampleReceiverMouse(const QString &name, const QString &mouse)
{
    DeviceSetup setup;
    setup.name = name;
    setup.mouse = mouse;
    setup.pid = "F503";
    setup.cid = 0x1A;
    setup.mid = 0x05;
    setup.receiverType = 1;
    setup.receiverVersion = 0x0102;
    setup.mouseVersion = 0x0105;
    return setup;
}

DeviceSetup sampleCordedMouse(const QString &name, const QString &mouse)
{
    DeviceSetup setup;
    setup.name = name;
    setup.mouse = mouse;
    setup.pid = "F500";
    setup.cid = 0x1A;
    setup.mid = 0x06;
    setup.receiverType = 2;
    return setup;
}

void reset()
{
    Core &c = Core::instance();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.resetLocked();
    }
    clearCalls();
}

int plug(const DeviceSetup &setup)
{
    Core &c = Core::instance();
    int id = 0;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        id = c.plugLocked(setup, false);
    }
    if (id && !setup.bootMode)
        c.postHotplug();
    return id;
}

bool unplug(int id)
{
    Core &c = Core::instance();
    bool found = false, notify = false;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        found = c.findIdLocked(id) != nullptr;
        notify = c.unplugLocked(id);
    }
    if (notify)
        c.postHotplug();
    return found;
}

template <typename F>
static bool withDevice(int id, F f)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.findIdLocked(id);
    if (!d)
        return false;
    f(d);
    return true;
}

bool setOnline(int id, bool online)
{
    return withDevice(id, [online](Device *d) { d->setup.online = online; });
}

bool setBattery(int id, int level, bool charging)
{
    return withDevice(id, [=](Device *d) {
        d->mouse->battery = level;
        d->mouse->charging = charging;
    });
}

QList<int> devices()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    QList<int> ids;
    for (auto &d : c.devices)
        ids.append(d->id);
    return ids;
}

QString path(int id)
{
    QString p;
    withDevice(id, [&p](Device *d) { p = QString::fromUtf8(d->path); });
    return p;
}

DeviceSetup setup(int id)
{
    DeviceSetup s;
    withDevice(id, [&s](Device *d) {
        s = d->setup;
        s.mouseVersion = d->mouse->version;
        s.battery = d->mouse->battery;
        s.charging = d->mouse->charging;
        if (s.statusBytes.size() != 3)
            s.statusBytes = d->mouse->status;
        s.path = QString::fromUtf8(d->path);
    });
    return s;
}

int idForPath(const QString &p)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.findLocked(p.toUtf8(), true);
    return d ? d->id : 0;
}

bool setIdentifyFrom(int id, int k)
{
    return withDevice(id, [k](Device *d) {
        d->setup.identifyFrom = qMax(1, k);
        d->asks = 0;
    });
}

int identifyAsks(int id)
{
    int n = 0;
    withDevice(id, [&n](Device *d) { n = d->asks; });
    return n;
}

bool injectReport(const QByteArray &header, const QByteArray &data)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.connectionOpen || !c.connectionCallback)
        return false;
    Report r;
    // Copies of the bytes, not shares of the caller's arrays: the delivery
    // thread hands the callback writable pointers, and the caller may drop
    // its arrays at the same time.
    r.header = QByteArray(header.constData(), header.size());
    r.data = QByteArray(data.constData(), data.size());
    r.generation = c.generation;
    r.callback = c.connectionCallback;
    r.due = Clock::now() + std::chrono::milliseconds(c.reportDelayMs);
    if (!c.queue.empty() && c.queue.back().due > r.due)
        r.due = c.queue.back().due;
    c.queue.push_back(r);
    c.queueChanged.notify_all();
    return true;
}

void failNextFlash()
{
    failNextFlashAt(100);
}

void failNextFlashAt(int percent)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.failNextFlashAt = qBound(0, percent, 100);
}

void setFlashLeavesEnumeration(bool leaves)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.flashLeavesEnumeration = leaves;
}

void setFlashTimeoutCap(int ms)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.flashTimeoutCapMs = qMax(0, ms);
}

QByteArray lastFlashedImage()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.lastFlashedImage;
}

void failNextPairing()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.failNextPairing = true;
}

void setPairingSilent(bool silent)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.pairingSilent = silent;
}

void refuseNextUpdate()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.refuseNextUpdate = true;
}

void goOfflineAtNextUpdate()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.offlineAtNextUpdate = true;
}

void setFlashDuration(int ms)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.flashDurationMs = qMax(0, ms);
}

void setPairDuration(int ms)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.pairDurationMs = qMax(0, ms);
}

void setReportDelay(int ms)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.reportDelayMs = qMax(0, ms);
}

QByteArray lastRecord(int id)
{
    QByteArray r;
    withDevice(id, [&r](Device *d) { r = d->mouse->lastRecord; });
    return r;
}

int updateCount(int id)
{
    int n = 0;
    withDevice(id, [&n](Device *d) { n = d->mouse->updates; });
    return n;
}

QByteArray storedRecord(int id, int config)
{
    QByteArray r;
    withDevice(id, [&](Device *d) {
        const int c = config < 0 ? d->mouse->active : config;
        if (c < ConfigCount)
            r = d->mouse->configs[c];
    });
    return r;
}

bool setStoredRecord(int id, const QByteArray &record, int config)
{
    QByteArray coded;
    if (config >= ConfigCount || !Core::encodeRecord(record, &coded))
        return false; // wrong size, or it would not fit the full read
    return withDevice(id, [&](Device *d) { d->mouse->configs[config < 0 ? d->mouse->active : config] = record; });
}

int activeConfig(int id)
{
    int a = -1;
    withDevice(id, [&a](Device *d) { a = d->mouse->active; });
    return a;
}

QByteArray factoryRecord(int mid)
{
    return Core::factoryRecord(quint8(mid));
}

QByteArray dongleRgb(int id)
{
    QByteArray r;
    withDevice(id, [&r](Device *d) { r = d->setup.dongleRgb; });
    return r;
}

bool longRange(int id)
{
    bool on = false;
    withDevice(id, [&on](Device *d) { on = d->setup.longRange; });
    return on;
}

QString connectionPath()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return QString::fromUtf8(c.connectionPath);
}

bool connectionOpen()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.connectionOpen;
}

int hotplugPosts()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.hotplugPosts;
}

QStringList calls()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.logMutex);
    return c.callLines;
}

void clearCalls()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.logMutex);
    c.callLines.clear();
}

int callCount(const QString &prefix)
{
    int n = 0;
    for (const QString &line : calls())
        if (line.startsWith(prefix))
            ++n;
    return n;
}

bool waitIdle(int timeoutMs)
{
    Core &c = Core::instance();
    QCoreApplication *app = QCoreApplication::instance();
    const bool mainThread = app && QThread::currentThread() == app->thread();
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(c.mutex);
            const bool idle = c.queue.empty() && !c.delivering && c.activeFlashes == 0;
            if (idle) {
                lock.unlock();
                if (mainThread)
                    QCoreApplication::processEvents(); // queued signals of the last callback
                return true;
            }
            if (timer.elapsed() > timeoutMs)
                return false;
            c.idleChanged.wait_for(lock, std::chrono::milliseconds(mainThread ? 1 : 5));
        }
        // A callback may be waiting for this thread (blocking connections).
        if (mainThread)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

bool watchDevicesFile(const QString &fileName)
{
    Core &c = Core::instance();
    quint64 gen = 0;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.watchFile = fileName;
        gen = ++c.watchGeneration;
    }
    const bool ok = c.loadDevicesFile(fileName, gen);
    c.startMonitor();
    return ok;
}

QString lastFileError()
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.fileError;
}

void setPollInterval(int ms)
{
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.pollIntervalMs = qBound(10, ms, 60000);
}

QByteArray makeFirmwareImage(quint8 kind, quint8 cid, quint8 mid, quint32 versionWord, const QByteArray &modelName,
                             int payloadSize)
{
    const int size = HIDUSB_FW_HEADER_SIZE + qMax(0, payloadSize);
    QByteArray image(size, '\0');
    auto *b = reinterpret_cast<unsigned char *>(image.data());
    std::memcpy(b + HIDUSB_FW_OFFSET_MAGIC, HIDUSB_FW_MAGIC, 4);
    qToLittleEndian<quint32>(quint32(size), b + HIDUSB_FW_OFFSET_LENGTH);
    qToLittleEndian<quint32>(versionWord, b + HIDUSB_FW_OFFSET_VERSION);
    b[HIDUSB_FW_OFFSET_KIND] = kind;
    b[HIDUSB_FW_OFFSET_CID] = cid;
    b[HIDUSB_FW_OFFSET_MID] = mid;
    std::memcpy(b + HIDUSB_FW_OFFSET_MODEL, modelName.constData(), size_t(qMin(modelName.size(), HIDUSB_FW_MODEL_SIZE)));
    for (int i = HIDUSB_FW_HEADER_SIZE; i < size; ++i)
        b[i] = static_cast<unsigned char>(i * 7);
    return image;
}

} // namespace HIDUsbSim
