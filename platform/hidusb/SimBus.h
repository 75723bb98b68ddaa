#pragma once
// The simulated USB bus: the plugged entries in plug order, the enumeration,
// the connection, the report queue with its delivery thread, hot-plug
// notification, flash runs, and the test controls that steer them.
//
// Locking: one std::mutex guards everything here and every SimMouse and
// SimDevice the bus owns (ThreadSanitizer sees it; Qt's futex-based mutex it
// would not). Calls reach an entry only through onEntry / onConnection /
// onId, which run the given function under that lock. The lock is never held
// while a callback of the application runs; it is held while a hot-plug
// notification is posted (see postHotplugLocked). Nothing here waits for a
// callback, except waitIdle, which a test calls.

#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "SimMouse.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class QObject;
class QThread;

namespace HIDUsbSimCore {

// What a test asks of the next calls (HIDUsbSim.h tells each); all back to
// these values on reset.
struct SimControls
{
    int reportDelayMs = 3;
    int flashDurationMs = 4000;
    int pairDurationMs = 2000;
    // The next flash fails once its progress passed this percentage (-1: it
    // does not fail); failNextFlash() is 100, a failure at the very end.
    int failNextFlashAt = -1;
    bool failNextPairing = false;
    // A connected target leaves the enumeration for its flash (as a device
    // that restarts into its boot loader) and comes back after a success.
    bool flashLeavesEnumeration = false;
    // Caps the caller's time-out of a flash (0: the caller's value holds).
    int flashTimeoutCapMs = 0;
    // What the last UsbUpgrade_Start was given: the header's length of bytes.
    QByteArray lastFlashedImage;
    bool pairingSilent = false; // receivers never answer the pairing status request
    // The next ProtocolDataUpdate is refused (the mouse keeps its record), or
    // the connection's mouse goes offline just before it.
    bool refuseNextUpdate = false;
    bool offlineAtNextUpdate = false;
    // Bits above the low byte that UsbFinderC_GetDeviceOnLine adds to its
    // answer (only the low byte says online; a caller must not look further).
    int onlineAnswerHighBits = 0;
};

class SimBus
{
public:
    // What a call sees while it holds the bus lock: the entry it is about
    // (nullptr: none), the controls, and the connection to answer through.
    class Scope
    {
    public:
        SimDevice *device;
        SimControls &controls;
        // Queues a report to the connection; false when there is none (or,
        // for a call about an entry, when the connection is not that entry's).
        bool send(quint8 command, quint8 kind, const QByteArray &data);

    private:
        friend class SimBus;
        Scope(SimBus &bus, SimDevice *device, bool toConnection);
        SimBus &m_bus;
        bool m_toConnection;
    };

    // Starts the delivery thread; the bus is never destroyed (its threads
    // are detached and may still run while the process exits).
    SimBus();
    SimBus(const SimBus &) = delete;
    SimBus &operator=(const SimBus &) = delete;

    // Back to no entries and no connection, controls and hot-plug
    // registration cleared.
    void reset();

    // ---- entries ----
    // Adds an entry (a hot-plug notification unless it waits in boot mode);
    // returns its id, 0 when its path is taken.
    int plug(const HIDUsbSim::DeviceSetup &setup);
    // Removes an entry (a notification unless it was in boot mode); false
    // for an unknown id.
    bool unplug(int id);
    QList<int> ids();
    int idForPath(const QByteArray &path); // boot mode included; 0 when none
    // The devices file's entries become these: entries gone or changed are
    // unplugged, new ones plugged, an entry whose only change is the online
    // flag keeps its state (no notification); one notification each.
    void applyFileDevices(const QList<HIDUsbSim::DeviceSetup> &setups);

    // Enumeration: entries of these ids, at most `room`, in plug order, boot
    // mode hidden. The texts are the library's and stay valid for the life of
    // the process.
    std::vector<char *> enumerate(uint vid, uint pid, int room);
    // Entries waiting in boot mode that fit the image.
    int countBootDevices(const ImageHeader &h);

    // f(Scope &) under the lock, for the enumerated entry of this path; its
    // send goes out only when the connection is this entry's.
    template<typename F>
    auto onEntry(const QByteArray &path, F f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Scope scope(*this, findLocked(path), false);
        return f(scope);
    }
    // f(Scope &) under the lock, for the entry of the open connection.
    template<typename F>
    auto onConnection(F f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Scope scope(*this, connectionDeviceLocked(), true);
        return f(scope);
    }
    // f(SimDevice &) under the lock, for any entry (boot mode included);
    // false for an unknown id.
    template<typename F>
    bool onId(int id, F f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        SimDevice *d = findIdLocked(id);
        if (d)
            f(*d);
        return d != nullptr;
    }
    template<typename F>
    auto withControls(F f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return f(m_controls);
    }

    // ---- connection ----
    // Opens or replaces the connection; reports still queued for the old one
    // are dropped, a callback that runs right now finishes undisturbed.
    // Returns whether an entry has this path.
    bool open(const QByteArray &path, HIDUsbDataCallback callback);
    void close();
    void setDriverStatus(int active);
    QByteArray connectionPath();
    bool connectionOpen();
    // A report as the device would send it, after those already queued.
    bool inject(const QByteArray &header, const QByteArray &data);

    // ---- hot-plug ----
    // Registers the callback for the calling thread's event loop (the caller
    // runs the first call itself); nullptr or stopHotplug ends the calls.
    void startHotplug(HIDUsbChangedCallback callback);
    void stopHotplug();
    int hotplugPosts();

    // ---- flashing ----
    // Picks the target (a boot-mode entry that fits, else a connected one),
    // copies the image and runs the flash on a thread of its own: progress,
    // then exactly one end report.
    void startFlash(const unsigned char *image, HIDUsbUpgradeCallback callback, int timeoutMs);

    // ---- shutdown ----
    // No callback starts from now on; queued reports are dropped. Returns
    // how many callbacks run right now; never waits.
    int stopCallbacks();

    // Waits until the queue is empty, no callback runs and no flash is in
    // progress; serves the main thread's events meanwhile when called on it.
    bool waitIdle(int timeoutMs);

    static QByteArray buildPath(const HIDUsbSim::DeviceSetup &setup, int id);

private:
    struct Report
    {
        Clock::time_point due;
        quint64 generation = 0;
        HIDUsbDataCallback callback = nullptr;
        QByteArray header;
        QByteArray data;
    };

    // ---- the *Locked ones expect m_mutex held ----
    SimDevice *findLocked(const QByteArray &path, bool includeBoot = false);
    SimDevice *findIdLocked(int id);
    SimDevice *connectionDeviceLocked();
    // Adds an entry; returns its id, 0 for a duplicate path.
    int plugLocked(const HIDUsbSim::DeviceSetup &setup, bool fromFile);
    bool queueLocked(const QByteArray &header, const QByteArray &data);
    bool sendLocked(quint8 command, quint8 kind, const QByteArray &data);
    // Drops what is queued for the connection and marks it replaced.
    void dropConnectionLocked();

    // Posts hot-plug notifications to the registered thread (a queued call:
    // nothing of the application runs inside it).
    void postHotplugLocked(int count = 1);
    void deliverHotplug();
    void deliveryLoop();
    void runFlash(int targetId, ImageHeader h, int failAt, HIDUsbUpgradeCallback callback, int timeoutMs,
                  int durationMs);
    void sendUpgrade(HIDUsbUpgradeCallback callback, quint8 type, quint8 value);

    std::mutex m_mutex;
    std::condition_variable m_queueChanged; // the delivery thread waits on it
    std::condition_variable m_idleChanged;  // waitIdle waits on it
    SimControls m_controls;

    // Entries in plug order, and the mice named by a key.
    std::vector<std::unique_ptr<SimDevice>> m_devices;
    QHash<QString, std::shared_ptr<SimMouse>> m_mouseByKey;
    int m_nextId = 1;
    int m_nextMouseSerial = 1;
    QHash<QByteArray, char *> m_internedPaths; // never freed: callers keep the pointers

    // Connection and report queue.
    QByteArray m_connectionPath;
    HIDUsbDataCallback m_connectionCallback = nullptr;
    bool m_connectionOpen = false;
    quint64 m_generation = 0;
    int m_driverStatus = 0;
    std::deque<Report> m_queue;
    bool m_delivering = false;
    quint8 m_sequence = 0;

    // Hot-plug.
    HIDUsbChangedCallback m_hotplugCallback = nullptr;
    QThread *m_hotplugThread = nullptr;
    QHash<QThread *, QObject *> m_hotplugReceivers; // one per registering thread, never freed
    int m_hotplugPosts = 0;

    // Flashes in progress; shutdown: no callback starts once set; upgrade
    // callbacks running right now.
    int m_activeFlashes = 0;
    bool m_callbacksStopped = false;
    int m_upgradeCallbacksRunning = 0;
};

} // namespace HIDUsbSimCore
