#include "GlobalState.h"

#include "FlashDataMap.h"
#include "OfflineAction.h"

#include <cstring>

DevicePath g_DevicePath;
GuardedValue<DeviceAllInfo> g_CurrentDevice;

std::atomic<bool> g_UiReady{false};
std::atomic<int> g_MainPageActive{0};
std::atomic<bool> g_DeviceOnline{false};
std::atomic<bool> g_OfflinePending{false};
std::atomic<bool> g_ReReadRequest{false};
std::atomic<bool> g_WorkerRunEnable{false};
std::atomic<bool> g_UpgradeIdle{true};

std::atomic<int> g_ButtonPageUpdating{0};
std::atomic<int> g_ButtonPageUpdated{0};
std::atomic<int> g_SensorUiFilling{0};
std::atomic<int> g_SensorPageUpdated{0};
std::atomic<bool> g_LightUiFilling{false};

std::atomic<Worker *> g_Worker{nullptr};

std::atomic<bool> g_LastOnline{false};
std::atomic<bool> g_LastRunOnline{false};
std::atomic<bool> g_ForceReRead{false};
std::atomic<int> g_ProfileLoading{0};
QTimer *g_PollTimer = nullptr;
GuardedValue<QString> g_DeviceInfoName;
GuardedValue<QString> g_DeviceInfoNameRead;
std::atomic<int> g_ShowBatteryValue{0};
std::atomic<bool> g_ResetKeyRecords{false};
std::atomic<bool> g_SkipDongleQuery{false};

QList<DeviceAllInfo> g_PickerDeviceList;
QList<DeviceAllInfo> g_DeviceList;
DeviceAllInfo g_ChosenDevice;
QStringList g_Wireless1KPids;
QStringList g_Wireless2KPids;
QStringList g_Wireless4KPids;
unsigned char g_UsbAddressBuffer[10] = {};

std::atomic<bool> g_DongleUpdatePending{false};
std::atomic<bool> g_MouseUpdatePending{false};
std::atomic<int> g_UpdateCID{0};

QString g_MouseButtonNames[MouseButtonNameCount];

namespace GlobalState {

void ResetState()
{
    g_DevicePath.reset();
    g_CurrentDevice.set(DeviceAllInfo());
    g_UiReady = false;
    g_MainPageActive = 0;
    g_DeviceOnline = false;
    g_OfflinePending = false;
    OfflineAction::End();
    g_ReReadRequest = false;
    g_WorkerRunEnable = false;
    g_UpgradeIdle = true;
    g_ButtonPageUpdating = 0;
    g_ButtonPageUpdated = 0;
    g_SensorUiFilling = 0;
    g_SensorPageUpdated = 0;
    g_LightUiFilling = false;

    g_LastOnline = false;
    g_LastRunOnline = false;
    g_ForceReRead = false;
    g_ProfileLoading = 0;
    g_DeviceInfoName.set(QString());
    g_DeviceInfoNameRead.set(QString());
    g_ResetKeyRecords = false;
    g_SkipDongleQuery = false;

    g_PickerDeviceList.clear();
    g_DeviceList.clear();
    g_ChosenDevice = DeviceAllInfo();
    g_Wireless1KPids.clear();
    g_Wireless2KPids.clear();
    g_Wireless4KPids.clear();
    std::memset(g_UsbAddressBuffer, 0, sizeof g_UsbAddressBuffer);

    g_DongleUpdatePending = false;
    g_MouseUpdatePending = false;
    g_UpdateCID = 0;

    for (QString &name : g_MouseButtonNames)
        name.clear();

    FlashData::replace(FlashData::zeroRecord());
    DongleLighting::modify([](DongleRGB &block) { std::memset(&block, 0, sizeof block); });
}

} // namespace GlobalState

void DevicePath::set(const char *path)
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    m_Path = (path && *path) ? std::string(path) : std::string(Placeholder);
}

void DevicePath::set(const std::string &path)
{
    set(path.c_str());
}

void DevicePath::reset()
{
    set(static_cast<const char *>(nullptr));
}

std::string DevicePath::get() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Path;
}

bool DevicePath::isPlaceholder() const
{
    std::lock_guard<std::mutex> guard(m_Mutex);
    return m_Path == Placeholder;
}
