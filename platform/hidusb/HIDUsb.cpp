// The device library's C entry points, answered by the simulated devices of
// SimCore. Every call is logged (call list, optional log file) and takes the
// core lock only for its own bookkeeping: nothing here waits for a callback.

#include "HIDUsb.h"
#include "SimCore.h"

#include <QObject>
#include <QThread>
#include <QtEndian>

#include <cstring>
#include <thread>
#include <vector>

using namespace HIDUsbSimCore;

namespace {

QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QStringLiteral("null");
}

QString cb(const void *p)
{
    return p ? QStringLiteral("callback") : QStringLiteral("null");
}

void logCall(const char *name, const QStringList &args = QStringList())
{
    Core::instance().logCall(QString::fromLatin1(name) + '(' + args.join(QStringLiteral(", ")) + ')');
}

QByteArray pathOf(const char *p)
{
    return p ? QByteArray(p) : QByteArray();
}

bool parseHexId(const char *s, uint *out)
{
    if (!s)
        return false;
    QByteArray t = QByteArray(s).trimmed();
    if (t.startsWith("0x") || t.startsWith("0X"))
        t = t.mid(2);
    bool ok = false;
    *out = t.toUInt(&ok, 16);
    return ok;
}

char **enumerate(const char *vid, const char *pid, int *count)
{
    thread_local std::vector<char *> paths;
    paths.clear();
    const int room = count ? *count : 5;
    uint v = 0, p = 0;
    const bool valid = parseHexId(vid, &v) && parseHexId(pid, &p);
    Core &c = Core::instance();
    if (valid) {
        std::lock_guard<std::mutex> lock(c.mutex);
        for (auto &d : c.devices) {
            if (int(paths.size()) >= room)
                break;
            if (d->setup.bootMode)
                continue;
            uint dv = 0, dp = 0;
            if (!parseHexId(d->setup.vid.toLatin1().constData(), &dv) || !parseHexId(d->setup.pid.toLatin1().constData(), &dp))
                continue;
            if (dv != v || dp != p)
                continue;
            char *&stable = c.internedPaths[d->path];
            if (!stable) {
                stable = new char[size_t(d->path.size()) + 1];
                std::memcpy(stable, d->path.constData(), size_t(d->path.size()) + 1);
            }
            paths.push_back(stable);
        }
    }
    if (count)
        *count = int(paths.size());
    paths.push_back(nullptr);
    return paths.data();
}

Device *receiverLocked(Core &c, const char *path)
{
    Device *d = c.findLocked(pathOf(path));
    return d && isReceiverType(d->setup.receiverType) ? d : nullptr;
}

bool deviceOnline(const Device *d)
{
    return d && !d->setup.bootMode && d->setup.online;
}

// Reads answered by the mouse of the connection. `make` builds the data from
// the device; nothing is queued when the mouse is offline.
template <typename Make>
int readReport(const char *name, quint8 command, quint8 kind3, quint8 kind4, Make make)
{
    logCall(name);
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.connectionDeviceLocked();
    if (!deviceOnline(d))
        return 0;
    return c.queueLocked(command, kind3, kind4, make(d)) ? 1 : 0;
}

const QByteArray &activeRecord(const Device *d)
{
    return d->mouse->configs[d->mouse->active];
}

} // namespace

extern "C" {

// ------------------------------------------------------------------ search ---

char **UsbFinderC_FindHidDevicesByDefaultDeviceId(const char *vid, const char *pid, int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDefaultDeviceId",
            {text(vid), text(pid), count ? QString::number(*count) : QStringLiteral("null")});
    return enumerate(vid, pid, count);
}

char **UsbFinderC_FindHidDevicesByDeviceId(const char *vid, const char *pid, int interfaceId, int deviceId, int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDeviceId",
            {text(vid), text(pid), QString::number(interfaceId), QString::number(deviceId),
             count ? QString::number(*count) : QStringLiteral("null")});
    return enumerate(vid, pid, count);
}

unsigned char *UsbFinderC_GetDeviceInfo(const char *path)
{
    logCall("UsbFinderC_GetDeviceInfo", {text(path)});
    thread_local unsigned char info[3];
    std::memset(info, 0, sizeof info);
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (Device *d = c.findLocked(pathOf(path))) {
        // A receiver knows the mouse it is paired with even while that mouse
        // is switched off, so identification does not depend on the online state.
        ++d->asks;
        if (d->asks >= d->setup.identifyFrom) {
            info[0] = d->setup.cid;
            info[1] = d->setup.mid;
            info[2] = d->setup.receiverType;
        }
    }
    return info;
}

int UsbFinderC_GetUsbDeviceAttribute(const char *path, unsigned char *attribute12)
{
    logCall("UsbFinderC_GetUsbDeviceAttribute", {text(path)});
    if (!attribute12)
        return 0;
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.findLocked(pathOf(path));
    if (!d)
        return 0;
    uint v = 0, p = 0;
    parseHexId(d->setup.vid.toLatin1().constData(), &v);
    parseHexId(d->setup.pid.toLatin1().constData(), &p);
    std::memset(attribute12, 0, 12);
    qToLittleEndian<quint32>(12, attribute12);
    qToLittleEndian<quint16>(quint16(v), attribute12 + 4);
    qToLittleEndian<quint16>(quint16(p), attribute12 + 6);
    qToLittleEndian<quint16>(d->setup.receiverVersion, attribute12 + 8);
    return 1;
}

int UsbFinderC_GetDeviceOnLine(const char *path)
{
    logCall("UsbFinderC_GetDeviceOnLine", {text(path)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    return deviceOnline(c.findLocked(pathOf(path))) ? 1 : 0;
}

int UsbFinderC_GetDeviceOnLineWithUsbAddress(const char *path, unsigned char *buffer10)
{
    logCall("UsbFinderC_GetDeviceOnLineWithUsbAddress", {text(path)});
    if (!buffer10)
        return 0;
    std::memset(buffer10, 0, 10);
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.findLocked(pathOf(path));
    if (!d)
        return 0;
    // A made-up USB address: bus 1, port by device id.
    buffer10[0] = 1;
    buffer10[1] = quint8(d->id >> 8);
    buffer10[2] = quint8(d->id);
    buffer10[6] = deviceOnline(d) ? 1 : 0;
    const QByteArray status = d->setup.statusBytes.size() == 3 ? d->setup.statusBytes : d->mouse->status;
    std::memcpy(buffer10 + 7, status.constData(), 3);
    return buffer10[6];
}

int UsbFinderC_GetVersion(const char *path)
{
    logCall("UsbFinderC_GetVersion", {text(path)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.findLocked(pathOf(path));
    return deviceOnline(d) ? d->mouse->version : 0;
}

int UsbFinderC_GetSlaveVersion(const char *path, int *version)
{
    logCall("UsbFinderC_GetSlaveVersion", {text(path)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = receiverLocked(c, path);
    if (!d || !version)
        return 0;
    *version = d->setup.receiverVersion;
    return 1;
}

void StartUsbChanged(HIDUsbChangedCallback callback, int interval)
{
    logCall("StartUsbChanged", {cb(reinterpret_cast<const void *>(callback)), QString::number(interval)});
    Core &c = Core::instance();
    QThread *thread = QThread::currentThread();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.hotplugCallback = callback;
        c.hotplugThread = thread;
        if (!c.hotplugReceivers.contains(thread))
            c.hotplugReceivers.insert(thread, new QObject); // lives in the registering thread
    }
    // The first call happens before this returns: the caller relies on its
    // callback having seen the devices.
    if (callback)
        callback();
}

int HIDUsb_StopCallbacks(void)
{
    logCall("HIDUsb_StopCallbacks");
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.callbacksStopped) {
        c.callbacksStopped = true;
        ++c.generation;
        c.clearQueueLocked();
        c.hotplugCallback = nullptr;
        c.hotplugThread = nullptr;
        c.queueChanged.notify_all();
    }
    return (c.delivering ? 1 : 0) + c.upgradeCallbacksRunning;
}

void StopUsbChanged(void)
{
    logCall("StopUsbChanged");
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.hotplugCallback = nullptr;
    c.hotplugThread = nullptr;
}

void GetDeviceStatusChanged(const unsigned char *data, unsigned char *flags7)
{
    logCall("GetDeviceStatusChanged");
    if (!flags7)
        return;
    for (int k = 0; k < 7; ++k)
        flags7[k] = data ? ((data[0] >> k) & 1) : 0;
}

void GetDeviceBatteryStatus(const unsigned char *data, unsigned char *status4)
{
    logCall("GetDeviceBatteryStatus");
    if (!status4)
        return;
    std::memset(status4, 0, 4);
    if (!data)
        return;
    status4[0] = data[0];
    status4[1] = data[1] ? 1 : 0;
}

// -------------------------------------------------------------- connection ---

int UsbServerC_Start(const char *path, const char *path2, HIDUsbDataCallback callback)
{
    logCall("UsbServerC_Start", {text(path), text(path2), cb(reinterpret_cast<const void *>(callback))});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    // The old connection is only marked replaced: its queued reports are
    // dropped, a callback that runs right now finishes undisturbed.
    ++c.generation;
    c.clearQueueLocked();
    c.connectionPath = pathOf(path);
    c.connectionCallback = callback;
    c.connectionOpen = true;
    return c.findLocked(c.connectionPath) ? 1 : 0;
}

void UsbServer_Exit(void)
{
    logCall("UsbServer_Exit");
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    ++c.generation;
    c.clearQueueLocked();
    c.connectionOpen = false;
    c.connectionCallback = nullptr;
}

void UsbServer_SetPCDriverStatus(int active)
{
    logCall("UsbServer_SetPCDriverStatus", {QString::number(active)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.driverStatus = active;
}

int UsbServer_ReadAllFlashData(void)
{
    return readReport("UsbServer_ReadAllFlashData", HIDUSB_CMD_PARAMETER, 0, HIDUSB_PARAM_FULL_OR_RATE,
                      [](Device *d) {
                          QByteArray full;
                          // Stored records always fit: ProtocolDataUpdate and
                          // setStoredRecord refuse those that do not.
                          Core::encodeRecord(activeRecord(d), &full);
                          return full;
                      });
}

int UsbServer_ReadCurrentDPI(void)
{
    return readReport("UsbServer_ReadCurrentDPI", HIDUSB_CMD_PARAMETER, 0, HIDUSB_PARAM_CURRENT_DPI,
                      [](Device *d) { return activeRecord(d).mid(2, 1); });
}

int UsbServer_ReadReportRate(void)
{
    return readReport("UsbServer_ReadReportRate", HIDUSB_CMD_PARAMETER, 0, HIDUSB_PARAM_FULL_OR_RATE,
                      [](Device *d) { return activeRecord(d).mid(0, 1); });
}

int UsbServer_ReadDPILed(void)
{
    return readReport("UsbServer_ReadDPILed", HIDUSB_CMD_PARAMETER, 0, HIDUSB_PARAM_DPI_LED,
                      [](Device *d) { return activeRecord(d).mid(63, 4) + QByteArray(4, '\0'); });
}

int UsbServer_ReadLedBar(void)
{
    return readReport("UsbServer_ReadLedBar", HIDUSB_CMD_PARAMETER, 0, HIDUSB_PARAM_LED_BAR,
                      [](Device *d) { return activeRecord(d).mid(67, 7) + QByteArray(2, '\0'); });
}

int UsbServer_ReadBatteryLevel(void)
{
    return readReport("UsbServer_ReadBatteryLevel", HIDUSB_CMD_BATTERY, 0, 0, [](Device *d) {
        QByteArray data(4, '\0');
        data[0] = char(d->mouse->battery);
        data[1] = d->mouse->charging ? 1 : 0;
        return data;
    });
}

int UsbServer_ReadVersion(void)
{
    return readReport("UsbServer_ReadVersion", HIDUSB_CMD_VERSION, 0, 0, [](Device *d) {
        QByteArray data(2, '\0');
        data[0] = char(d->mouse->version >> 8);
        data[1] = char(d->mouse->version & 0xFF);
        return data;
    });
}

int UsbServer_ReadConfig(void)
{
    return readReport("UsbServer_ReadConfig", HIDUSB_CMD_CONFIG, 0, 0,
                      [](Device *d) { return QByteArray(1, char(d->mouse->active)); });
}

int UsbServer_ReadDonglePairStatus(void)
{
    logCall("UsbServer_ReadDonglePairStatus");
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    // The receiver answers by itself: the mouse need not be online.
    Device *d = c.connectionDeviceLocked();
    if (!d)
        return 0;
    // A receiver that has stopped answering takes the request and sends nothing.
    if (c.pairingSilent)
        return 1;
    if (d->pairState == 1 && Clock::now() >= d->pairEnd) {
        d->pairState = d->pairFail ? 2 : 3;
        if (d->pairState == 3) {
            d->setup.online = true;
            if (d->setup.cid == 0)
                d->setup.cid = d->pairCid;
        }
    }
    return c.queueLocked(HIDUSB_CMD_PAIR_STATUS, 0, 0, QByteArray(1, char(d->pairState))) ? 1 : 0;
}

// ---------------------------------------------------------- parameter record ---

int ProtocolDataParser(const unsigned char *data, struct FlashDataMap *map)
{
    logCall("ProtocolDataParser");
    QByteArray record;
    if (!map || !Core::decodeRecord(data, &record))
        return 0;
    std::memcpy(static_cast<void *>(map), record.constData(), RecordSize);
    return 1;
}

int ProtocolDataUpdate(const struct FlashDataMap *map)
{
    if (!map) {
        logCall("ProtocolDataUpdate", {QStringLiteral("null")});
        return 0;
    }
    const QByteArray record(reinterpret_cast<const char *>(map), RecordSize);
    logCall("ProtocolDataUpdate", {QStringLiteral("record crc %1").arg(qChecksum(record.constData(), uint(record.size())))});
    QByteArray coded;
    const bool fits = Core::encodeRecord(record, &coded);
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.connectionDeviceLocked();
    if (c.offlineAtNextUpdate) {
        c.offlineAtNextUpdate = false;
        if (d)
            d->setup.online = false;
    }
    if (c.refuseNextUpdate) {
        c.refuseNextUpdate = false;
        return 0;
    }
    if (!deviceOnline(d) || !fits)
        return 0; // the mouse keeps its previous record
    d->mouse->configs[d->mouse->active] = record;
    d->mouse->lastRecord = record;
    ++d->mouse->updates;
    return 1;
}

void BufferToDPILed(const unsigned char *data, unsigned char *dpiLed4)
{
    logCall("BufferToDPILed");
    if (data && dpiLed4)
        std::memcpy(dpiLed4, data, 4);
}

void BufferToLedBar(const unsigned char *data, unsigned char *ledBar7)
{
    logCall("BufferToLedBar");
    if (data && ledBar7)
        std::memcpy(ledBar7, data, 7);
}

int UsbServer_SetCurrentConfig(int index)
{
    logCall("UsbServer_SetCurrentConfig", {QString::number(index)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.connectionDeviceLocked();
    if (!deviceOnline(d) || index < 0 || index >= ConfigCount)
        return 0;
    d->mouse->active = index;
    c.queueLocked(HIDUSB_CMD_STATUS_CHANGE, 0, 0, QByteArray(1, char(1 << 2)));
    return 1;
}

int UsbServer_SetClearSetting(void)
{
    logCall("UsbServer_SetClearSetting");
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.connectionDeviceLocked();
    if (!deviceOnline(d))
        return 0;
    d->mouse->configs[d->mouse->active] = Core::factoryRecord(d->setup.mid);
    c.queueLocked(HIDUSB_CMD_RESET, 0, 0, QByteArray(1, '\0'));
    return 1;
}

// ----------------------------------------------------------------- receiver ---

int UsbFinderC_Get4KDongleRGBValue(const char *path, struct DongleRGB *rgb)
{
    logCall("UsbFinderC_Get4KDongleRGBValue", {text(path)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = receiverLocked(c, path);
    if (!d || !rgb)
        return 0;
    std::memcpy(static_cast<void *>(rgb), d->setup.dongleRgb.constData(), HIDUSB_DONGLE_RGB_SIZE);
    return 1;
}

int UsbFinderC_Set4KDongleRGB(const char *path, struct DongleRGB *rgb)
{
    QByteArray bytes;
    if (rgb)
        bytes = QByteArray(reinterpret_cast<const char *>(rgb), HIDUSB_DONGLE_RGB_SIZE);
    logCall("UsbFinderC_Set4KDongleRGB", {text(path), rgb ? QString::fromLatin1(bytes.toHex(' ')) : QStringLiteral("null")});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = receiverLocked(c, path);
    if (!d || !rgb)
        return 0;
    d->setup.dongleRgb = bytes;
    if (c.connectionOpen && c.connectionPath == d->path)
        c.queueLocked(HIDUSB_CMD_DONGLE_RGB, 0, 0, bytes);
    return 1;
}

int UsbFinderC_GetLongRangeMode(const char *path, unsigned char *mode)
{
    logCall("UsbFinderC_GetLongRangeMode", {text(path), mode ? QString::number(*mode) : QStringLiteral("null")});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = receiverLocked(c, path);
    if (!d || !mode)
        return 0;
    *mode = d->setup.longRange ? 1 : 0;
    return 1;
}

int UsbFinderC_SetLongRangeMode(const char *path, unsigned char on)
{
    logCall("UsbFinderC_SetLongRangeMode", {text(path), QString::number(on)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = receiverLocked(c, path);
    if (!d)
        return 0;
    d->setup.longRange = on != 0;
    if (c.connectionOpen && c.connectionPath == d->path)
        c.queueLocked(HIDUSB_CMD_LONG_RANGE, 0, 0, on ? QByteArray(1, 1) : QByteArray(10, '\0'));
    return 1;
}

int UsbServer_EnterDonglePairOnlyCid(unsigned char cid)
{
    logCall("UsbServer_EnterDonglePairOnlyCid", {QString::number(cid)});
    Core &c = Core::instance();
    std::lock_guard<std::mutex> lock(c.mutex);
    Device *d = c.connectionDeviceLocked();
    if (!d)
        return 0;
    const bool receiver = isReceiverType(d->setup.receiverType);
    d->pairState = 1;
    d->pairEnd = Clock::now() + std::chrono::milliseconds(c.pairDurationMs);
    d->pairFail = c.failNextPairing || !receiver;
    d->pairCid = cid;
    c.failNextPairing = false;
    return receiver ? 1 : 0;
}

// ---------------------------------------------------------- firmware update ---

int UsbUpgradeC_FindBootDevices(const unsigned char *image, int *count)
{
    logCall("UsbUpgradeC_FindBootDevices", {image ? QStringLiteral("image") : QStringLiteral("null")});
    const ImageHeader h = parseImage(image);
    int n = 0;
    if (h.valid) {
        Core &c = Core::instance();
        std::lock_guard<std::mutex> lock(c.mutex);
        for (auto &d : c.devices) {
            const quint8 kind = isReceiverType(d->setup.receiverType) ? HIDUSB_FW_KIND_RECEIVER : HIDUSB_FW_KIND_MOUSE;
            if (d->setup.bootMode && kind == h.kind && d->setup.cid == h.cid && d->setup.mid == h.mid)
                ++n;
        }
    }
    if (count)
        *count = n;
    return h.valid ? 1 : 0;
}

namespace {

void sendUpgrade(HIDUsbUpgradeCallback callback, quint8 type, quint8 value)
{
    unsigned char report[8] = {7, type, value, 0, 0, 0, 0, 0};
    if (!callback)
        return;
    Core &c = Core::instance();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        if (c.callbacksStopped)
            return;
        ++c.upgradeCallbacksRunning;
    }
    callback(report);
    std::lock_guard<std::mutex> lock(c.mutex);
    --c.upgradeCallbacksRunning;
    c.idleChanged.notify_all();
}

// One flash, on its own detached thread: progress reports, then exactly one
// end report. The device's state changes before the end report is sent.
void runFlash(int targetId, ImageHeader h, bool fail, HIDUsbUpgradeCallback callback, int timeoutMs, int durationMs)
{
    Core &c = Core::instance();
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs > 0 ? timeoutMs : 10000);
    bool ok = targetId != 0 && h.valid;
    if (ok) {
        const int steps = 10;
        sendUpgrade(callback, 1, 0);
        for (int i = 1; i <= steps && ok; ++i) {
            const Clock::time_point stepEnd = start + std::chrono::milliseconds(qint64(durationMs) * i / steps);
            if (stepEnd > deadline) {
                std::this_thread::sleep_until(deadline);
                ok = false; // timed out
                break;
            }
            std::this_thread::sleep_until(stepEnd);
            bool present = false;
            {
                std::lock_guard<std::mutex> lock(c.mutex);
                present = c.findIdLocked(targetId) != nullptr;
            }
            if (!present) {
                std::this_thread::sleep_until(deadline); // the device stopped answering
                ok = false;
                break;
            }
            sendUpgrade(callback, 1, quint8(100 * i / steps));
        }
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (fail)
        ok = false;

    bool notify = false;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        if (Device *d = c.findIdLocked(targetId)) {
            if (ok) {
                const quint16 v = quint16(((h.version >> 8) & 0xFF) << 8 | (h.version & 0xFF));
                if (h.kind == HIDUSB_FW_KIND_MOUSE)
                    d->mouse->version = v;
                else
                    d->setup.receiverVersion = v;
                notify = d->setup.bootMode; // leaves boot mode: arrives again
                d->setup.bootMode = false;
            } else if (h.valid) {
                // An interrupted flash leaves the device waiting in boot mode.
                notify = !d->setup.bootMode;
                d->setup.bootMode = true;
            }
        }
    }
    if (notify)
        c.postHotplug();
    sendUpgrade(callback, 2, ok ? 1 : 0);
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        --c.activeFlashes;
        c.idleChanged.notify_all();
    }
}

} // namespace

int UsbUpgrade_Start(const unsigned char *image, HIDUsbUpgradeCallback callback, int timeoutMs)
{
    logCall("UsbUpgrade_Start", {image ? QStringLiteral("image") : QStringLiteral("null"),
                                 cb(reinterpret_cast<const void *>(callback)), QString::number(timeoutMs)});
    const ImageHeader h = parseImage(image);
    Core &c = Core::instance();
    int target = 0;
    bool fail = false;
    int duration = 0;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        // A device waiting in boot mode comes first, then a connected one.
        for (int pass = 0; pass < 2 && !target && h.valid; ++pass) {
            for (auto &d : c.devices) {
                const bool receiver = isReceiverType(d->setup.receiverType);
                const quint8 kind = receiver ? HIDUSB_FW_KIND_RECEIVER : HIDUSB_FW_KIND_MOUSE;
                if (kind != h.kind || d->setup.cid != h.cid || d->setup.mid != h.mid)
                    continue;
                if (pass == 0 ? d->setup.bootMode : (!d->setup.bootMode && (receiver || d->setup.online))) {
                    target = d->id;
                    break;
                }
            }
        }
        fail = c.failNextFlash;
        c.failNextFlash = false;
        duration = c.flashDurationMs;
        ++c.activeFlashes;
    }
    std::thread(runFlash, target, h, fail, callback, timeoutMs, duration).detach();
    return 1;
}

} // extern "C"
