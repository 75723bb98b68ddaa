#include "SimBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <thread>

namespace HIDUsbSimCore {

SimBus::Scope::Scope(SimBus &bus, SimDevice *device, bool toConnection)
    : device(device)
    , controls(bus.m_controls)
    , m_bus(bus)
    , m_toConnection(toConnection)
{
}

bool SimBus::Scope::send(quint8 command, quint8 kind, const QByteArray &data)
{
    if (!m_toConnection && (!device || !m_bus.m_connectionOpen || m_bus.m_connectionPath != device->path()))
        return false;
    return m_bus.sendLocked(command, kind, data);
}

SimBus::SimBus()
{
    std::thread([this] { deliveryLoop(); }).detach();
}

void SimBus::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_devices.clear();
    m_mouseByKey.clear();
    m_connectionPath.clear();
    m_connectionCallback = nullptr;
    m_connectionOpen = false;
    dropConnectionLocked();
    m_driverStatus = 0;
    m_hotplugCallback = nullptr;
    m_hotplugThread = nullptr;
    m_hotplugPosts = 0;
    m_callbacksStopped = false;
    m_controls = SimControls();
}

// ----------------------------------------------------------------- entries ---

SimDevice *SimBus::findLocked(const QByteArray &path, bool includeBoot)
{
    for (auto &d : m_devices)
        if (d->path() == path && (includeBoot || !d->bootMode()))
            return d.get();
    return nullptr;
}

SimDevice *SimBus::findIdLocked(int id)
{
    for (auto &d : m_devices)
        if (d->id() == id)
            return d.get();
    return nullptr;
}

SimDevice *SimBus::connectionDeviceLocked()
{
    return m_connectionOpen ? findLocked(m_connectionPath) : nullptr;
}

QByteArray SimBus::buildPath(const HIDUsbSim::DeviceSetup &setup, int id)
{
    if (!setup.path.isEmpty())
        return setup.path.toUtf8();
    const QString key = setup.name.isEmpty() ? QStringLiteral("dev%1").arg(id) : setup.name;
    return QStringLiteral("\\\\?\\hid#vid_%1&pid_%2&mi_01#sim&%3#{4d1e55b2-f16f-11cf-88cb-001111000030}")
        .arg(setup.vid.toLower(), setup.pid.toLower(), key)
        .toUtf8();
}

int SimBus::plugLocked(const HIDUsbSim::DeviceSetup &setup, bool fromFile)
{
    const int id = m_nextId;
    const QByteArray path = buildPath(setup, id);
    if (findLocked(path, true))
        return 0;
    ++m_nextId;
    std::shared_ptr<SimMouse> mouse;
    if (!setup.mouse.isEmpty())
        mouse = m_mouseByKey.value(setup.mouse);
    if (!mouse) {
        mouse = std::make_shared<SimMouse>(setup, m_nextMouseSerial++);
        if (!setup.mouse.isEmpty())
            m_mouseByKey.insert(setup.mouse, mouse);
    }
    m_devices.push_back(std::make_unique<SimDevice>(id, setup, path, std::move(mouse), fromFile));
    return id;
}

int SimBus::plug(const HIDUsbSim::DeviceSetup &setup)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int id = plugLocked(setup, false);
    if (id && !setup.bootMode)
        postHotplugLocked();
    return id;
}

bool SimBus::unplug(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = std::find_if(m_devices.begin(), m_devices.end(),
                           [id](const std::unique_ptr<SimDevice> &d) { return d->id() == id; });
    if (it == m_devices.end())
        return false;
    if (!(*it)->bootMode())
        postHotplugLocked();
    m_devices.erase(it);
    return true;
}

QList<int> SimBus::ids()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<int> ids;
    for (auto &d : m_devices)
        ids.append(d->id());
    return ids;
}

int SimBus::idForPath(const QByteArray &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimDevice *d = findLocked(path, true);
    return d ? d->id() : 0;
}

void SimBus::applyFileDevices(const QList<HIDUsbSim::DeviceSetup> &setups)
{
    int notifications = 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<int> keep;
    for (auto it = m_devices.begin(); it != m_devices.end();) {
        SimDevice *d = it->get();
        if (!d->fromFile()) {
            ++it;
            continue;
        }
        int match = -1;
        for (int i = 0; i < setups.size(); ++i)
            if (buildPath(setups[i], 0) == d->path() && d->sameFileEntry(setups[i]))
                match = i;
        if (match >= 0) {
            d->takeFileSetup(setups[match]);
            keep.append(match);
            ++it;
        } else {
            if (!d->bootMode())
                ++notifications;
            it = m_devices.erase(it);
        }
    }
    for (int i = 0; i < setups.size(); ++i) {
        if (keep.contains(i))
            continue;
        if (plugLocked(setups[i], true) && !setups[i].bootMode)
            ++notifications;
    }

    // The mice take the values this version gives them (the entries of one
    // mouse carry the same ones, see parseDevicesJson). A mouse that names
    // its battery anew tells an open connection through it, as a real mouse
    // reports a battery change: the utility's gauge then reads the new level.
    bool batteryReport = false;
    SimDevice *connected = connectionDeviceLocked();
    for (auto &d : m_devices) {
        if (!d->fromFile())
            continue;
        for (const HIDUsbSim::DeviceSetup &setup : setups) {
            if (buildPath(setup, 0) != d->path())
                continue;
            if (d->mouse().takeFileValues(setup) && connected && &connected->mouse() == &d->mouse())
                batteryReport = true;
            break;
        }
    }
    if (batteryReport && connected->answers())
        sendLocked(HIDUSB_CMD_STATUS_CHANGE, 0, QByteArray(1, char(1 << 6)));
    postHotplugLocked(notifications);
}

std::vector<char *> SimBus::enumerate(uint vid, uint pid, int room)
{
    std::vector<char *> paths;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto &d : m_devices) {
        if (int(paths.size()) >= room)
            break;
        if (d->bootMode() || !d->hasIds(vid, pid))
            continue;
        char *&stable = m_internedPaths[d->path()];
        if (!stable) {
            const QByteArray &p = d->path();
            stable = new char[size_t(p.size()) + 1];
            std::memcpy(stable, p.constData(), size_t(p.size()) + 1);
        }
        paths.push_back(stable);
    }
    return paths;
}

int SimBus::countBootDevices(const ImageHeader &h)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_devices.begin(), m_devices.end(),
                             [&h](const std::unique_ptr<SimDevice> &d) { return d->bootMode() && d->fitsImage(h); }));
}

// -------------------------------------------------------------- connection ---

void SimBus::dropConnectionLocked()
{
    // A callback that runs right now finishes undisturbed; what is queued
    // carries the old generation and is dropped.
    ++m_generation;
    m_queue.clear();
    m_idleChanged.notify_all();
}

bool SimBus::open(const QByteArray &path, HIDUsbDataCallback callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    dropConnectionLocked();
    m_connectionPath = path;
    m_connectionCallback = callback;
    m_connectionOpen = true;
    return findLocked(m_connectionPath) != nullptr;
}

void SimBus::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    dropConnectionLocked();
    m_connectionOpen = false;
    m_connectionCallback = nullptr;
}

void SimBus::setDriverStatus(int active)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_driverStatus = active;
}

QByteArray SimBus::connectionPath()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connectionPath;
}

bool SimBus::connectionOpen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connectionOpen;
}

bool SimBus::inject(const QByteArray &header, const QByteArray &data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return queueLocked(header, data);
}

// ----------------------------------------------------------------- reports ---

bool SimBus::sendLocked(quint8 command, quint8 kind, const QByteArray &data)
{
    QByteArray header(5, '\0');
    header[0] = char(0x5A);
    header[1] = char(command);
    header[2] = char(m_sequence);
    header[4] = char(kind);
    if (!queueLocked(header, data))
        return false;
    ++m_sequence;
    return true;
}

bool SimBus::queueLocked(const QByteArray &header, const QByteArray &data)
{
    if (!m_connectionOpen || !m_connectionCallback)
        return false;
    Report r;
    // Copies of the bytes, not shares of the caller's arrays: the delivery
    // thread hands the callback writable pointers, and the caller may drop
    // its arrays at the same time.
    r.header = QByteArray(header.constData(), header.size());
    r.data = QByteArray(data.constData(), data.size());
    r.generation = m_generation;
    r.callback = m_connectionCallback;
    r.due = Clock::now() + std::chrono::milliseconds(m_controls.reportDelayMs);
    if (!m_queue.empty() && m_queue.back().due > r.due)
        r.due = m_queue.back().due; // keep the order whatever the delay
    m_queue.push_back(r);
    m_queueChanged.notify_all();
    return true;
}

void SimBus::deliveryLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (m_queue.empty()) {
            m_queueChanged.wait(lock);
            continue;
        }
        const Clock::time_point due = m_queue.front().due;
        if (Clock::now() < due) {
            m_queueChanged.wait_until(lock, due);
            continue;
        }
        Report r = m_queue.front();
        m_queue.pop_front();
        if (r.generation != m_generation || !r.callback || m_callbacksStopped) {
            m_idleChanged.notify_all();
            continue; // the connection was closed or replaced
        }
        m_delivering = true;
        lock.unlock();
        // The application may block here for a long time (it waits on its
        // GUI thread); no library lock is held.
        r.callback(reinterpret_cast<unsigned char *>(r.header.data()), r.header.size(),
                   reinterpret_cast<unsigned char *>(r.data.data()), r.data.size());
        lock.lock();
        m_delivering = false;
        m_idleChanged.notify_all();
    }
}

// ----------------------------------------------------------------- hot-plug ---

void SimBus::startHotplug(HIDUsbChangedCallback callback)
{
    QThread *thread = QThread::currentThread();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hotplugCallback = callback;
    m_hotplugThread = thread;
    if (!m_hotplugReceivers.contains(thread))
        m_hotplugReceivers.insert(thread, new QObject); // lives in the registering thread
}

void SimBus::stopHotplug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hotplugCallback = nullptr;
    m_hotplugThread = nullptr;
}

int SimBus::hotplugPosts()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hotplugPosts;
}

void SimBus::postHotplugLocked(int count)
{
    if (!m_hotplugCallback || !m_hotplugThread)
        return;
    QObject *receiver = m_hotplugReceivers.value(m_hotplugThread);
    for (int i = 0; i < count; ++i) {
        ++m_hotplugPosts;
        // Posted under the lock, which deliverHotplug takes before anything
        // else: Qt hands the event over through its own futex-based mutex,
        // which ThreadSanitizer cannot see, so this lock is what orders the
        // posting thread's work before the receiving thread's.
        if (receiver)
            QMetaObject::invokeMethod(
                receiver, [this] { deliverHotplug(); }, Qt::QueuedConnection);
    }
}

void SimBus::deliverHotplug()
{
    HIDUsbChangedCallback cb = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_hotplugThread == QThread::currentThread() && !m_callbacksStopped)
            cb = m_hotplugCallback;
    }
    if (cb)
        cb();
}

// ---------------------------------------------------------------- flashing ---

void SimBus::startFlash(const unsigned char *image, HIDUsbUpgradeCallback callback, int timeoutMs)
{
    const ImageHeader h = parseImage(image);
    int target = 0;
    int failAt = -1;
    int duration = 0;
    int timeout = timeoutMs > 0 ? timeoutMs : 10000;
    bool hidden = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The library reads the image here; the caller's buffer may go afterwards.
        m_controls.lastFlashedImage =
            h.valid ? QByteArray(reinterpret_cast<const char *>(image), int(h.length)) : QByteArray();
        // A device waiting in boot mode comes first, then a connected one.
        for (int pass = 0; pass < 2 && !target && h.valid; ++pass) {
            for (auto &d : m_devices) {
                if (!d->fitsImage(h))
                    continue;
                if (pass == 0 ? d->bootMode() : d->canFlashConnected()) {
                    target = d->id();
                    // A connected target restarts into its boot loader: it
                    // leaves the enumeration (it is not unplugged).
                    if (pass == 1 && m_controls.flashLeavesEnumeration) {
                        d->enterBootLoader();
                        hidden = true;
                    }
                    break;
                }
            }
        }
        failAt = m_controls.failNextFlashAt;
        m_controls.failNextFlashAt = -1;
        duration = m_controls.flashDurationMs;
        if (m_controls.flashTimeoutCapMs > 0)
            timeout = qMin(timeout, m_controls.flashTimeoutCapMs);
        ++m_activeFlashes;
        if (hidden)
            postHotplugLocked();
    }
    std::thread([=] { runFlash(target, h, failAt, callback, timeout, duration); }).detach();
}

void SimBus::sendUpgrade(HIDUsbUpgradeCallback callback, quint8 type, quint8 value)
{
    unsigned char report[8] = {7, type, value, 0, 0, 0, 0, 0};
    if (!callback)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_callbacksStopped)
            return;
        ++m_upgradeCallbacksRunning;
    }
    callback(report);
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_upgradeCallbacksRunning;
    m_idleChanged.notify_all();
}

// One flash, on its own detached thread: progress reports, then exactly one
// end report. The device's state changes before the end report is sent.
// failAt: the flash fails once its progress passed this percentage (-1 never).
void SimBus::runFlash(int targetId, ImageHeader h, int failAt, HIDUsbUpgradeCallback callback, int timeoutMs,
                      int durationMs)
{
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    bool ok = targetId != 0 && h.valid;
    if (ok) {
        const int steps = 10;
        sendUpgrade(callback, 1, 0);
        for (int i = 1; i <= steps && ok; ++i) {
            const int percent = 100 * i / steps;
            if (failAt >= 0 && percent > failAt) {
                ok = false; // the requested failure: progress went no further
                break;
            }
            const Clock::time_point stepEnd = start + std::chrono::milliseconds(qint64(durationMs) * i / steps);
            if (stepEnd > deadline) {
                std::this_thread::sleep_until(deadline);
                ok = false; // timed out
                break;
            }
            std::this_thread::sleep_until(stepEnd);
            bool present = false;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                present = findIdLocked(targetId) != nullptr;
            }
            if (!present) {
                std::this_thread::sleep_until(deadline); // the device stopped answering
                ok = false;
                break;
            }
            sendUpgrade(callback, 1, quint8(percent));
        }
        if (failAt >= 100)
            ok = false; // failure at the very end, after the last progress report
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        SimDevice *d = findIdLocked(targetId);
        if (d && d->finishFlash(h, ok))
            postHotplugLocked();
    }
    sendUpgrade(callback, 2, ok ? 1 : 0);
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_activeFlashes;
    m_idleChanged.notify_all();
}

// ----------------------------------------------------------------- shutdown ---

int SimBus::stopCallbacks()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_callbacksStopped) {
        m_callbacksStopped = true;
        dropConnectionLocked();
        m_hotplugCallback = nullptr;
        m_hotplugThread = nullptr;
        m_queueChanged.notify_all();
    }
    return (m_delivering ? 1 : 0) + m_upgradeCallbacksRunning;
}

bool SimBus::waitIdle(int timeoutMs)
{
    QCoreApplication *app = QCoreApplication::instance();
    const bool mainThread = app && QThread::currentThread() == app->thread();
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const bool idle = m_queue.empty() && !m_delivering && m_activeFlashes == 0;
            if (idle) {
                lock.unlock();
                if (mainThread)
                    QCoreApplication::processEvents(); // queued signals of the last callback
                return true;
            }
            if (timer.elapsed() > timeoutMs)
                return false;
            m_idleChanged.wait_for(lock, std::chrono::milliseconds(mainThread ? 1 : 5));
        }
        // A callback may be waiting for this thread (blocking connections).
        if (mainThread)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace HIDUsbSimCore
