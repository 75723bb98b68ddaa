#pragma once
// Inner state of the simulated device library: devices, the connection, the
// report queue with its delivery thread, hot-plug notification, flashes and
// the devices file. Shared by HIDUsb.cpp (the C entry points) and
// HIDUsbSim.cpp (the control API).
//
// Locking: one mutex guards everything below. It is never held while a
// callback of the application runs, nor while a hot-plug notification is
// posted. The object is created on first use and never destroyed (its
// threads are detached and may still run while the process exits).

#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class QObject;
class QThread;

namespace HIDUsbSimCore {

using Clock = std::chrono::steady_clock;

constexpr int RecordSize = HIDUSB_FLASH_RECORD_SIZE;
constexpr int FullReadSize = HIDUSB_FULL_READ_SIZE;
constexpr int ConfigCount = 4;
constexpr int MaxCallLines = 20000;

// What belongs to the mouse itself; shared by the entries of one mouse
// (receiver and cable).
struct MouseState
{
    QByteArray configs[ConfigCount];
    int active = 0;
    QByteArray lastRecord;
    int updates = 0;
    quint8 cid = 0;
    quint8 mid = 0;
    quint16 version = 0;
    int battery = 0;
    bool charging = false;
    QByteArray status; // 3 bytes
};

struct Device
{
    int id = 0;
    HIDUsbSim::DeviceSetup setup;
    QByteArray path;
    std::shared_ptr<MouseState> mouse;
    bool fromFile = false;
    HIDUsbSim::DeviceSetup fileSetup; // as the devices file gave it (changes are compared with this)
    int asks = 0;
    // Pairing (receivers): 0 none, 1 pairing, 2 failed, 3 paired.
    int pairState = 0;
    Clock::time_point pairEnd;
    bool pairFail = false;
    quint8 pairCid = 0;
};

struct Report
{
    Clock::time_point due;
    quint64 generation = 0;
    HIDUsbDataCallback callback = nullptr;
    QByteArray header;
    QByteArray data;
};

bool isReceiverType(quint8 type);

class Core
{
public:
    static Core &instance();

    std::mutex mutex;
    std::condition_variable queueChanged; // delivery thread waits on it
    std::condition_variable idleChanged;  // waitIdle waits on it

    // Devices, in plug order.
    std::vector<std::unique_ptr<Device>> devices;
    QHash<QString, std::shared_ptr<MouseState>> mouseByKey;
    int nextId = 1;
    int nextMouseSerial = 1;
    QHash<QByteArray, char *> internedPaths; // never freed: callers keep the pointers

    // Connection.
    QByteArray connectionPath;
    HIDUsbDataCallback connectionCallback = nullptr;
    bool connectionOpen = false;
    quint64 generation = 0;
    int driverStatus = 0;

    // Report queue.
    std::deque<Report> queue;
    bool delivering = false;
    quint8 sequence = 0;
    int reportDelayMs = 3;

    // Hot-plug.
    HIDUsbChangedCallback hotplugCallback = nullptr;
    QThread *hotplugThread = nullptr;
    QHash<QThread *, QObject *> hotplugReceivers; // one per registering thread, never freed
    int hotplugPosts = 0;

    // Flashing and pairing.
    int activeFlashes = 0;
    int flashDurationMs = 4000;
    int pairDurationMs = 2000;
    bool failNextFlash = false;
    bool failNextPairing = false;
    bool pairingSilent = false; // receivers never answer the pairing status request

    // Record writes: the next ProtocolDataUpdate is refused (the mouse keeps
    // its record), or the connection's mouse goes offline just before it.
    // Shutdown: no callback starts once set; callbacks running right now
    // (data deliveries and upgrade reports).
    bool callbacksStopped = false;
    int upgradeCallbacksRunning = 0;

    bool refuseNextUpdate = false;
    bool offlineAtNextUpdate = false;

    // Devices file.
    QString watchFile;
    quint64 watchGeneration = 0;
    qint64 watchStamp = -2; // mtime in ms + size mix; -1 missing
    QString fileError;
    int pollIntervalMs = 500;
    bool monitorStarted = false;

    // Call list and log file (own lock: logged from everywhere).
    std::mutex logMutex;
    QStringList callLines;
    FILE *logFile = nullptr;

    // ---- helpers; the *Locked ones expect `mutex` held ----
    Device *findLocked(const QByteArray &path, bool includeBoot = false);
    Device *findIdLocked(int id);
    Device *connectionDeviceLocked();
    // Queues a report to the current connection; false when there is none.
    bool queueLocked(quint8 command, quint8 kind3, quint8 kind4, const QByteArray &data);
    // Adds a device; returns its id, 0 for a duplicate path. *changed set when
    // a hot-plug notification is due.
    int plugLocked(const HIDUsbSim::DeviceSetup &setup, bool fromFile, QString *error = nullptr);
    bool unplugLocked(int id); // true when a notification is due
    void resetLocked();
    void clearQueueLocked();

    // Posts one hot-plug notification to the registered thread (lock NOT held).
    void postHotplug();
    void deliverHotplug();

    void logCall(const QString &line);

    // Devices file: reads and applies it; returns false on a fault. Lock NOT held.
    bool loadDevicesFile(const QString &fileName, quint64 generation);
    void startMonitor();

    static QByteArray factoryRecord(quint8 mid);
    static QByteArray configRecord(int config, quint8 mid);
    static QByteArray buildPath(const HIDUsbSim::DeviceSetup &setup, int id);
    static bool encodeRecord(const QByteArray &record, QByteArray *fullRead);
    static bool decodeRecord(const unsigned char *fullRead, QByteArray *record);

private:
    Core();
    void initFromEnvironment();
    void deliveryLoop();
    void monitorLoop();
};

// Flash image header as the library reads it.
struct ImageHeader
{
    bool valid = false;
    quint32 length = 0;
    quint32 version = 0;
    quint8 kind = 0;
    quint8 cid = 0;
    quint8 mid = 0;
};
ImageHeader parseImage(const unsigned char *image);

} // namespace HIDUsbSimCore
