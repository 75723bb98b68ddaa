// The device library's C entry points: each logs its call and forwards to the
// simulated bus (SimBus.h) and the mice on it (SimMouse.h). The bus lock is
// taken only for the call's own bookkeeping: nothing here waits for a callback.

#include "HIDUsb.h"
#include "SimLibrary.h"

#include <QtEndian>

#include <cstring>
#include <vector>

using namespace HIDUsbSimCore;

namespace {

SimBus &bus()
{
    return SimLibrary::instance().bus;
}

QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QStringLiteral("null");
}

QString cb(const void *p)
{
    return p ? QStringLiteral("callback") : QStringLiteral("null");
}

QString countText(const int *count)
{
    return count ? QString::number(*count) : QStringLiteral("null");
}

void logCall(const char *name, const QStringList &args = QStringList())
{
    SimLibrary::instance().log.append(QString::fromLatin1(name) + '(' + args.join(QStringLiteral(", ")) + ')');
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
    uint v = 0, p = 0;
    if (parseHexId(vid, &v) && parseHexId(pid, &p))
        paths = bus().enumerate(v, p, count ? *count : 5);
    if (count)
        *count = int(paths.size());
    paths.push_back(nullptr);
    return paths.data();
}

// A receiver entry of this path, or nullptr.
SimDevice *receiver(const SimBus::Scope &s)
{
    return s.device && s.device->isReceiver() ? s.device : nullptr;
}

bool answers(const SimDevice *d)
{
    return d && d->answers();
}

// A read answered by the mouse of the connection with `data` of it; nothing
// goes out while the mouse is offline.
int readReport(const char *name, quint8 command, quint8 kind, QByteArray (SimMouse::*data)() const)
{
    logCall(name);
    return bus().onConnection([=](SimBus::Scope &s) {
        return answers(s.device) && s.send(command, kind, (s.device->mouse().*data)()) ? 1 : 0;
    });
}

} // namespace

extern "C" {

// ------------------------------------------------------------------ search ---

char **UsbFinderC_FindHidDevicesByDefaultDeviceId(const char *vid, const char *pid, int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDefaultDeviceId", {text(vid), text(pid), countText(count)});
    return enumerate(vid, pid, count);
}

char **UsbFinderC_FindHidDevicesByDeviceId(const char *vid, const char *pid, int interfaceId, int deviceId, int *count)
{
    logCall("UsbFinderC_FindHidDevicesByDeviceId",
            {text(vid), text(pid), QString::number(interfaceId), QString::number(deviceId), countText(count)});
    return enumerate(vid, pid, count);
}

unsigned char *UsbFinderC_GetDeviceInfo(const char *path)
{
    logCall("UsbFinderC_GetDeviceInfo", {text(path)});
    thread_local unsigned char info[3];
    std::memset(info, 0, sizeof info);
    bus().onEntry(pathOf(path), [](SimBus::Scope &s) {
        if (s.device)
            std::memcpy(info, s.device->identify().constData(), sizeof info);
    });
    return info;
}

int UsbFinderC_GetUsbDeviceAttribute(const char *path, unsigned char *attribute12)
{
    logCall("UsbFinderC_GetUsbDeviceAttribute", {text(path)});
    if (!attribute12)
        return 0;
    return bus().onEntry(pathOf(path), [attribute12](SimBus::Scope &s) {
        if (!s.device)
            return 0;
        uint v = 0, p = 0;
        parseHexId(s.device->setup().vid.toLatin1().constData(), &v);
        parseHexId(s.device->setup().pid.toLatin1().constData(), &p);
        std::memset(attribute12, 0, 12);
        qToLittleEndian<quint32>(12, attribute12);
        qToLittleEndian<quint16>(quint16(v), attribute12 + 4);
        qToLittleEndian<quint16>(quint16(p), attribute12 + 6);
        qToLittleEndian<quint16>(s.device->receiverVersion(), attribute12 + 8);
        return 1;
    });
}

int UsbFinderC_GetDeviceOnLine(const char *path)
{
    logCall("UsbFinderC_GetDeviceOnLine", {text(path)});
    return bus().onEntry(pathOf(path), [](SimBus::Scope &s) {
        return (answers(s.device) ? 1 : 0) | (s.controls.onlineAnswerHighBits & ~0xFF);
    });
}

int UsbFinderC_GetDeviceOnLineWithUsbAddress(const char *path, unsigned char *buffer10)
{
    logCall("UsbFinderC_GetDeviceOnLineWithUsbAddress", {text(path)});
    if (!buffer10)
        return 0;
    std::memset(buffer10, 0, 10);
    return bus().onEntry(pathOf(path), [buffer10](SimBus::Scope &s) {
        if (!s.device)
            return 0;
        // A made-up USB address: bus 1, port by device id.
        buffer10[0] = 1;
        buffer10[1] = quint8(s.device->id() >> 8);
        buffer10[2] = quint8(s.device->id());
        buffer10[6] = answers(s.device) ? 1 : 0;
        std::memcpy(buffer10 + 7, s.device->statusBytes().constData(), 3);
        return int(buffer10[6]);
    });
}

int UsbFinderC_GetVersion(const char *path)
{
    logCall("UsbFinderC_GetVersion", {text(path)});
    return bus().onEntry(pathOf(path),
                         [](SimBus::Scope &s) { return answers(s.device) ? int(s.device->mouse().version()) : 0; });
}

int UsbFinderC_GetSlaveVersion(const char *path, int *version)
{
    logCall("UsbFinderC_GetSlaveVersion", {text(path)});
    return bus().onEntry(pathOf(path), [version](SimBus::Scope &s) {
        if (!receiver(s) || !version)
            return 0;
        *version = s.device->receiverVersion();
        return 1;
    });
}

void StartUsbChanged(HIDUsbChangedCallback callback, int interval)
{
    logCall("StartUsbChanged", {cb(reinterpret_cast<const void *>(callback)), QString::number(interval)});
    bus().startHotplug(callback);
    // The first call happens before this returns: the caller relies on its
    // callback having seen the devices.
    if (callback)
        callback();
}

int HIDUsb_StopCallbacks(void)
{
    logCall("HIDUsb_StopCallbacks");
    return bus().stopCallbacks();
}

void StopUsbChanged(void)
{
    logCall("StopUsbChanged");
    bus().stopHotplug();
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
    return bus().open(pathOf(path), callback) ? 1 : 0;
}

void UsbServer_Exit(void)
{
    logCall("UsbServer_Exit");
    bus().close();
}

void UsbServer_SetPCDriverStatus(int active)
{
    logCall("UsbServer_SetPCDriverStatus", {QString::number(active)});
    bus().setDriverStatus(active);
}

int UsbServer_ReadAllFlashData(void)
{
    return readReport("UsbServer_ReadAllFlashData", HIDUSB_CMD_PARAMETER, HIDUSB_PARAM_FULL_OR_RATE,
                      &SimMouse::fullRead);
}

int UsbServer_ReadCurrentDPI(void)
{
    return readReport("UsbServer_ReadCurrentDPI", HIDUSB_CMD_PARAMETER, HIDUSB_PARAM_CURRENT_DPI,
                      &SimMouse::currentDpiData);
}

int UsbServer_ReadReportRate(void)
{
    return readReport("UsbServer_ReadReportRate", HIDUSB_CMD_PARAMETER, HIDUSB_PARAM_FULL_OR_RATE,
                      &SimMouse::reportRateData);
}

int UsbServer_ReadDPILed(void)
{
    return readReport("UsbServer_ReadDPILed", HIDUSB_CMD_PARAMETER, HIDUSB_PARAM_DPI_LED, &SimMouse::dpiLedData);
}

int UsbServer_ReadLedBar(void)
{
    return readReport("UsbServer_ReadLedBar", HIDUSB_CMD_PARAMETER, HIDUSB_PARAM_LED_BAR, &SimMouse::ledBarData);
}

int UsbServer_ReadBatteryLevel(void)
{
    return readReport("UsbServer_ReadBatteryLevel", HIDUSB_CMD_BATTERY, 0, &SimMouse::batteryData);
}

int UsbServer_ReadVersion(void)
{
    return readReport("UsbServer_ReadVersion", HIDUSB_CMD_VERSION, 0, &SimMouse::versionData);
}

int UsbServer_ReadConfig(void)
{
    return readReport("UsbServer_ReadConfig", HIDUSB_CMD_CONFIG, 0, &SimMouse::configData);
}

int UsbServer_ReadDonglePairStatus(void)
{
    logCall("UsbServer_ReadDonglePairStatus");
    return bus().onConnection([](SimBus::Scope &s) {
        // The receiver answers by itself: the mouse need not be online.
        if (!s.device)
            return 0;
        // A receiver that has stopped answering takes the request and sends nothing.
        if (s.controls.pairingSilent)
            return 1;
        const quint8 status = s.device->pairingStatus(Clock::now());
        return s.send(HIDUSB_CMD_PAIR_STATUS, 0, QByteArray(1, char(status))) ? 1 : 0;
    });
}

// ---------------------------------------------------------- parameter record ---

int ProtocolDataParser(const unsigned char *data, struct FlashDataMap *map)
{
    logCall("ProtocolDataParser");
    QByteArray record;
    if (!map || !SimMouse::decodeRecord(data, &record))
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
    logCall("ProtocolDataUpdate",
            {QStringLiteral("record crc %1").arg(qChecksum(record.constData(), uint(record.size())))});
    QByteArray coded;
    const bool fits = SimMouse::encodeRecord(record, &coded);
    return bus().onConnection([&](SimBus::Scope &s) {
        if (s.controls.offlineAtNextUpdate) {
            s.controls.offlineAtNextUpdate = false;
            if (s.device)
                s.device->setOnline(false);
        }
        if (s.controls.refuseNextUpdate) {
            s.controls.refuseNextUpdate = false;
            return 0;
        }
        if (!answers(s.device) || !fits)
            return 0; // the mouse keeps its previous record
        s.device->mouse().receiveRecord(record);
        return 1;
    });
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
    return bus().onConnection([index](SimBus::Scope &s) {
        if (!answers(s.device) || !s.device->mouse().selectConfig(index))
            return 0;
        s.send(HIDUSB_CMD_STATUS_CHANGE, 0, QByteArray(1, char(1 << 2)));
        return 1;
    });
}

int UsbServer_SetClearSetting(void)
{
    logCall("UsbServer_SetClearSetting");
    return bus().onConnection([](SimBus::Scope &s) {
        if (!answers(s.device))
            return 0;
        s.device->mouse().factoryReset();
        s.send(HIDUSB_CMD_RESET, 0, QByteArray(1, '\0'));
        return 1;
    });
}

// ----------------------------------------------------------------- receiver ---

int UsbFinderC_Get4KDongleRGBValue(const char *path, struct DongleRGB *rgb)
{
    logCall("UsbFinderC_Get4KDongleRGBValue", {text(path)});
    return bus().onEntry(pathOf(path), [rgb](SimBus::Scope &s) {
        if (!receiver(s) || !rgb)
            return 0;
        std::memcpy(static_cast<void *>(rgb), s.device->dongleRgb().constData(), HIDUSB_DONGLE_RGB_SIZE);
        return 1;
    });
}

int UsbFinderC_Set4KDongleRGB(const char *path, struct DongleRGB *rgb)
{
    QByteArray bytes;
    if (rgb)
        bytes = QByteArray(reinterpret_cast<const char *>(rgb), HIDUSB_DONGLE_RGB_SIZE);
    logCall("UsbFinderC_Set4KDongleRGB",
            {text(path), rgb ? QString::fromLatin1(bytes.toHex(' ')) : QStringLiteral("null")});
    return bus().onEntry(pathOf(path), [&](SimBus::Scope &s) {
        if (!receiver(s) || !rgb)
            return 0;
        s.device->setDongleRgb(bytes);
        s.send(HIDUSB_CMD_DONGLE_RGB, 0, bytes);
        return 1;
    });
}

int UsbFinderC_GetLongRangeMode(const char *path, unsigned char *mode)
{
    logCall("UsbFinderC_GetLongRangeMode", {text(path), mode ? QString::number(*mode) : QStringLiteral("null")});
    return bus().onEntry(pathOf(path), [mode](SimBus::Scope &s) {
        if (!receiver(s) || !mode)
            return 0;
        *mode = s.device->longRange() ? 1 : 0;
        return 1;
    });
}

int UsbFinderC_SetLongRangeMode(const char *path, unsigned char on)
{
    logCall("UsbFinderC_SetLongRangeMode", {text(path), QString::number(on)});
    return bus().onEntry(pathOf(path), [on](SimBus::Scope &s) {
        if (!receiver(s))
            return 0;
        s.device->setLongRange(on != 0);
        s.send(HIDUSB_CMD_LONG_RANGE, 0, on ? QByteArray(1, 1) : QByteArray(10, '\0'));
        return 1;
    });
}

int UsbServer_EnterDonglePairOnlyCid(unsigned char cid)
{
    logCall("UsbServer_EnterDonglePairOnlyCid", {QString::number(cid)});
    return bus().onConnection([cid](SimBus::Scope &s) {
        if (!s.device)
            return 0;
        const bool fail = s.controls.failNextPairing;
        s.controls.failNextPairing = false;
        return s.device->startPairing(cid, std::chrono::milliseconds(s.controls.pairDurationMs), fail) ? 1 : 0;
    });
}

// ---------------------------------------------------------- firmware update ---

int UsbUpgradeC_FindBootDevices(const unsigned char *image, int *count)
{
    logCall("UsbUpgradeC_FindBootDevices", {image ? QStringLiteral("image") : QStringLiteral("null")});
    const ImageHeader h = parseImage(image);
    const int n = h.valid ? bus().countBootDevices(h) : 0;
    if (count)
        *count = n;
    return h.valid ? 1 : 0;
}

int UsbUpgrade_Start(const unsigned char *image, HIDUsbUpgradeCallback callback, int timeoutMs)
{
    logCall("UsbUpgrade_Start",
            {image ? QStringLiteral("image") : QStringLiteral("null"), cb(reinterpret_cast<const void *>(callback)),
             QString::number(timeoutMs)});
    bus().startFlash(image, callback, timeoutMs);
    return 1;
}

} // extern "C"
