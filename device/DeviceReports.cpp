#include "DeviceReports.h"

#include "DeviceCache.h"
#include "DeviceDiscovery.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "UpdateRegistry.h"
#include "Worker.h"

#include <QDebug>
#include <QElapsedTimer>

#include <cstring>
#include <mutex>

namespace {

// Battery status (level %, charging) and change flags of the last reports.
unsigned char g_BatteryStatus[4] = {};
unsigned char g_StatusChanged[7] = {};

constexpr int FullReadSize = 6912;
// A device that switches its on-board configuration is re-read at most this often.
constexpr qint64 ProfileChangeThrottleMs = 3000;
// Report decoders read fixed-size data; shorter reports are padded with zeros.
constexpr int DecoderPadding = 64;

// The configuration-switch throttle. Started by the worker's constructor,
// read and restarted on the library's thread.
struct ProfileChangeTimer
{
    std::mutex mutex;
    QElapsedTimer timer;
    qint64 age = 0;

    void restart()
    {
        std::lock_guard<std::mutex> guard(mutex);
        timer.start();
        age = 0;
    }
    // True (and restarted) when more than the throttle time has passed.
    bool passed()
    {
        std::lock_guard<std::mutex> guard(mutex);
        if (!timer.isValid())
            timer.start();
        if (timer.elapsed() + age <= ProfileChangeThrottleMs)
            return false;
        timer.start();
        age = 0;
        return true;
    }
    void makeOlder(qint64 ms)
    {
        std::lock_guard<std::mutex> guard(mutex);
        if (!timer.isValid())
            timer.start();
        age += ms;
    }
};

ProfileChangeTimer &profileChangeTimer()
{
    static ProfileChangeTimer *timer = new ProfileChangeTimer;
    return *timer;
}

// Item i of a Config.ini list as an integer; a missing item means "not offered".
int listItem(const QStringList &list, int i)
{
    return i < list.size() ? list.at(i).toInt() : -1;
}

QByteArray padded(const unsigned char *data, int length)
{
    QByteArray buffer(qMax(length, 0) + DecoderPadding, '\0');
    if (data && length > 0)
        std::memcpy(buffer.data(), data, size_t(length));
    return buffer;
}

unsigned char *bytes(QByteArray &buffer)
{
    return reinterpret_cast<unsigned char *>(buffer.data());
}

// Clears what a factory reset leaves meaningless in the record: the key-event
// records of buttons whose default is no key sequence, and every macro.
void clearKeyRecordsAfterReset(FlashDataMap &record, const ModelInfo &model)
{
    // Buttons whose default plays a key-event record; a missing entry is none.
    QList<int> keyParamIndexes;
    for (int i = 1; i <= 6; ++i) {
        const QStringList param = model.KeyDefault(i - 1);
        if (!param.isEmpty() && param.at(0) == QLatin1String("0x05"))
            keyParamIndexes.append(i - 1);
    }
    for (int button = 0; button < 16; ++button) {
        if (!keyParamIndexes.contains(button))
            std::memset(&record.KeyEvents[button], 0, sizeof(KeyEventRecord));
    }
    std::memset(record.Macros, 0, sizeof record.Macros);
}

void handleFullRead(const unsigned char *data)
{
    const DeviceAllInfo device = g_CurrentDevice.get();
    const QByteArray path = device.Path.toLatin1();

    // Parse into a record of our own and hand it over whole: the global record
    // is never seen cleared or half-parsed by a setter that sends it.
    FlashDataMap record = FlashData::zeroRecord();
    if (!ProtocolDataParser(data, &record)) {
        // The read is over all the same: a reset's flags were meant for this
        // answer and must not reach a later one, and the pass is done.
        qDebug() << "full read refused by the parser; record kept";
        g_ResetKeyRecords = false;
        g_SkipDongleQuery = false;
        g_WorkerRunEnable = false;
        return;
    }
    if (g_ResetKeyRecords) {
        clearKeyRecordsAfterReset(record, ModelInfo(device));
        g_ResetKeyRecords = false;
    }
    FlashData::replace(record);

    g_DeviceInfoNameRead.set(DeviceCache::FileName(device.CID, device.MID));

    UsbServer_ReadDPILed();
    UsbServer_ReadBatteryLevel();
    UsbServer_ReadVersion();
    UsbServer_ReadConfig();

    if (!g_SkipDongleQuery) {
        if (!device.Wired && device.ReceiverType == 1) {
            DongleLighting::modify([&](DongleRGB &rgb) { UsbFinderC_Get4KDongleRGBValue(path.constData(), &rgb); });
            if (DongleLighting::snapshot().Mode != 0)
                PostMsg::GetInstance()->EmitRGBValue(g_DongleRGB);
        }
        unsigned char longRange = 0x73;
        UsbFinderC_GetLongRangeMode(path.constData(), &longRange);
        if (longRange != 0x73 && longRange != 0)
            PostMsg::GetInstance()->EmitLongRangeMode(true);
    }
    g_SkipDongleQuery = false;

    g_SensorPageUpdated = 0;
    g_ButtonPageUpdated = 0;

    DeviceReports::EmitRecordRefresh(&FlashData::snapshot);

    g_LastRunOnline = true;
    g_WorkerRunEnable = false;
}

void handleReset()
{
    const DeviceAllInfo device = g_CurrentDevice.get();
    const QByteArray path = device.Path.toLatin1();
    const QStringList advanced = ModelInfo(device).Advanced();
    const int longRangeDefault = listItem(advanced, 0);
    const int lightingDefault = listItem(advanced, 1);

    if (lightingDefault > 0 && !device.Wired && device.ReceiverType == 1) {
        DongleLighting::modify([&](DongleRGB &rgb) {
            rgb.Mode = quint8(lightingDefault);
            UsbFinderC_Set4KDongleRGB(path.constData(), &rgb);
        });
        if (DongleLighting::snapshot().Mode != 0)
            PostMsg::GetInstance()->EmitRGBValue(g_DongleRGB);
    }
    if (longRangeDefault == 0) {
        UsbFinderC_SetLongRangeMode(path.constData(), 0);
        PostMsg::GetInstance()->EmitLongRangeMode(false);
    } else if (longRangeDefault == 1) {
        UsbFinderC_SetLongRangeMode(path.constData(), 1);
        PostMsg::GetInstance()->EmitLongRangeMode(true);
    }

    // The flags go up before the read is asked for, so its answer sees them.
    g_ResetKeyRecords = true;
    g_SkipDongleQuery = true;
    UsbServer_ReadAllFlashData();
}

void handleVersion()
{
    const DeviceAllInfo device = g_CurrentDevice.get();
    const QByteArray path = device.Path.toUtf8();
    const int version = UsbFinderC_GetVersion(path.constData());
    const QString text = DeviceDiscovery::VersionText(quint32(version) & 0xFFFF);
    g_CurrentDevice.update([&](DeviceAllInfo &current) { current.MouseVersion = text; });
    PostMsg::GetInstance()->EmitSetver(0);

    UpdateRegistry::SetMouseVersion(ModelInfo::CidText(), ModelInfo(device).MidText(), text);
}

// One report of the library's data callback: header byte 1 is its command.
struct Report
{
    const unsigned char *header;
    int headerLength;
    const unsigned char *data;
    int length;

    int headerByte(int i) const { return i < headerLength ? header[i] : 0; }
    QByteArray paddedData() const { return padded(data, length); }
};

void onParameter(const Report &report)
{
    if (report.length <= 0 || report.headerByte(3) != 0)
        return;
    const int kind = report.headerByte(4);
    const unsigned char *data = report.data;
    const int length = report.length;
    PostMsg *hub = PostMsg::GetInstance();

    if (kind == HIDUSB_PARAM_FULL_OR_RATE && length == FullReadSize) {
        handleFullRead(data);
    } else if (kind == HIDUSB_PARAM_FULL_OR_RATE && length == 1) {
        // A corded mouse cannot run the receiver-only rates (2000 and 4000 Hz).
        const DeviceAllInfo device = g_CurrentDevice.get();
        if (!device.Wired || data[0] < 16) {
            FlashData::modify([&](FlashDataMap &record) { record.ReportRate = data[0]; });
            hub->EmitUpDataReportRate(data[0]);
            FlashData::send();
        }
    } else if (kind == HIDUSB_PARAM_CURRENT_DPI && length == 1) {
        FlashData::modify([&](FlashDataMap &record) { record.CurrentDPI = data[0]; });
        hub->EmitUpDataDPI(data[0]);
    } else if (kind == HIDUSB_PARAM_DPI_LED && length == 8) {
        FlashData::modify(
            [&](FlashDataMap &record) { BufferToDPILed(data, reinterpret_cast<unsigned char *>(&record.DPILed)); });
        hub->EmitUpDataDPILed(FlashData::snapshot());
    } else if (kind == HIDUSB_PARAM_LED_BAR && length == 9) {
        FlashData::modify(
            [&](FlashDataMap &record) { BufferToLedBar(data, reinterpret_cast<unsigned char *>(&record.LightBar)); });
        hub->EmitUpDataLightLight(FlashData::snapshot());
    }
}

void onBattery(const Report &report)
{
    QByteArray buffer = report.paddedData();
    GetDeviceBatteryStatus(bytes(buffer), g_BatteryStatus);
    PostMsg::GetInstance()->EmitBattery(g_BatteryStatus[1] != 0, g_BatteryStatus[0], g_ShowBatteryValue == 1);
}

void onReset(const Report &)
{
    handleReset();
}

void onStatusChange(const Report &report)
{
    QByteArray buffer = report.paddedData();
    GetDeviceStatusChanged(bytes(buffer), g_StatusChanged);
    DeviceReports::ReadChangedStatus();
}

void onConfig(const Report &report)
{
    if (report.length == 1)
        PostMsg::GetInstance()->EmitUpDataConfigUI(4, report.data[0], true);
    else
        PostMsg::GetInstance()->EmitUpDataConfigUI(0, 0, false);
}

void onVersion(const Report &)
{
    handleVersion();
}

void onDongleRgb(const Report &)
{
    if (g_DongleRGB)
        PostMsg::GetInstance()->EmitRGBValue(g_DongleRGB);
}

void onLongRange(const Report &report)
{
    if (report.length == 10)
        PostMsg::GetInstance()->EmitLongRangeMode(false);
}

// What the data callback does with each command; commands not listed (the
// pairing status among them, which the pairing dialog hears itself) are
// passed over.
struct ReportHandler
{
    int command;
    void (*handle)(const Report &report);
};

constexpr ReportHandler ReportHandlers[] = {
    {HIDUSB_CMD_BATTERY, &onBattery},      {HIDUSB_CMD_PARAMETER, &onParameter},
    {HIDUSB_CMD_RESET, &onReset},          {HIDUSB_CMD_STATUS_CHANGE, &onStatusChange},
    {HIDUSB_CMD_CONFIG, &onConfig},        {HIDUSB_CMD_VERSION, &onVersion},
    {HIDUSB_CMD_DONGLE_RGB, &onDongleRgb}, {HIDUSB_CMD_LONG_RANGE, &onLongRange},
};

} // namespace

void DeviceReports::DataCallBack(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    if (!header)
        headerLength = 0;
    if (!data)
        length = 0;
    const Report report{header, headerLength, data, length};
    const int command = report.headerByte(1);
    for (const ReportHandler &handler : ReportHandlers) {
        if (handler.command == command) {
            handler.handle(report);
            return;
        }
    }
}

void DeviceReports::ReadChangedStatus()
{
    if (g_StatusChanged[0])
        UsbServer_ReadCurrentDPI();
    if (g_StatusChanged[1])
        UsbServer_ReadReportRate();
    if (g_StatusChanged[6])
        UsbServer_ReadBatteryLevel();
    if (g_StatusChanged[5])
        UsbServer_ReadLedBar();
    if (g_StatusChanged[3])
        UsbServer_ReadDPILed();
    if (g_StatusChanged[2] && profileChangeTimer().passed()) {
        g_ReReadRequest = true;
        g_ForceReRead = true;
    }
}

void DeviceReports::RestartProfileChangeTimer()
{
    profileChangeTimer().restart();
}

void DeviceReports::AgeProfileChangeTimer(qint64 ms)
{
    profileChangeTimer().makeOlder(ms);
}
