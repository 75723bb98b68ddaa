#include "Worker.h"

#include "ConfigIni.h"
#include "DeviceCache.h"
#include "DeviceDiscovery.h"
#include "DeviceLink.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "PostMsg.h"

#include <QTimer>

namespace {

constexpr int PollIntervalMs = 1300;

} // namespace

Worker::Worker()
    : QThread(nullptr)
{
    g_WorkerRunEnable = true;
    DeviceReports::RestartProfileChangeTimer();
    g_DeviceOnline = false;
    g_DevicePath.reset();
    g_PollTimer = new QTimer(this);
    connect(g_PollTimer, &QTimer::timeout, this, &Worker::SlotCheckOnline);
    g_PollTimer->setInterval(PollIntervalMs);
    g_PollTimer->start();
    connect(PostMsg::GetInstance(), &PostMsg::SigSelectMouseInfo, this, &Worker::SlotSelectMouseInfo);
    connect(PostMsg::GetInstance(), &PostMsg::SigMainPageChange, this, &Worker::SlotMainPageChange);
    g_ShowBatteryValue = ConfigIni::GetInstance()->GetValue("Option", "ShowBatteryValue").toInt();
}

void Worker::run()
{
    if (!g_WorkerRunEnable)
        return;
    if (!g_DeviceOnline)
        g_DeviceOnline = DeviceDiscovery::SelectedIsOnline();

    const DeviceAllInfo current = g_CurrentDevice.get();
    const bool acts = g_MainPageActive == 1
        && (current.Path != m_LastPath || current.ReceiverType != m_LastType || g_LastOnline != g_DeviceOnline
            || g_ForceReRead);
    if (acts) {
        const std::string path = g_DevicePath.get();
        PostMsg *hub = PostMsg::GetInstance();
        if (DeviceDiscovery::IsOnline(path.c_str())) {
            g_CurrentDevice.update([](DeviceAllInfo &device) { device.Online = true; });
            if (g_ForceReRead) {
                hub->EmitUpDataParam(1);
                g_ForceReRead = false;
            } else if (!g_ProfileLoading) {
                hub->EmitUpDataParam(0);
            }
        } else {
            g_OfflinePending = true;
            g_CurrentDevice.update([](DeviceAllInfo &device) { device.Online = false; });
            FlashDataMap cached;
            if (ReadDeviceInfoFile(g_DeviceInfoName.get(), &cached))
                DeviceReports::EmitRecordRefresh([&cached] { return cached; });
            else
                hub->EmitFormReset();
        }
        m_LastPath = current.Path;
        m_LastType = current.ReceiverType;

        UsbServerC_Start(path.c_str(), path.c_str(), &Worker::DeviceDataCallBack);
        UsbServer_SetPCDriverStatus(1);
        UsbServer_ReadAllFlashData();
        g_LastOnline = bool(g_DeviceOnline);
    }
    g_WorkerRunEnable = false;
    g_LastRunOnline = bool(g_DeviceOnline);
}

void Worker::SlotSelectMouseInfo(DeviceAllInfo SelectInfo)
{
    g_CurrentDevice.set(SelectInfo);
    g_DeviceInfoName.set(DeviceInfoFileName(SelectInfo.CID, SelectInfo.MID));
}

void Worker::SlotMainPageChange()
{
    g_LastOnline = false;
}

void Worker::SlotCheckOnline()
{
    if (g_OfflinePending) {
        if (g_MainPageActive == 0) {
            if (g_CurrentDevice.get().ReceiverType != 0)
                g_OfflinePending = false;
        } else if (g_UpgradeIdle) {
            g_DeviceOnline = DeviceDiscovery::SelectedIsOnline();
            g_LastOnline = false;
            if (!g_DeviceOnline)
                return;
            PostMsg::GetInstance()->EmitCloseOffOnline();
            g_OfflinePending = false;
            // Back online: read it, whether or not a notice was up (a mouse
            // selected while offline raised no notice and asked for nothing).
            g_ReReadRequest = true;
        }
    }
    if (g_DeviceOnline && g_ReReadRequest) {
        g_ReReadRequest = false;
        g_WorkerRunEnable = true;
        start(QThread::InheritPriority);
    }
}

void Worker::Stop()
{
    g_WorkerRunEnable = false;
}

bool Worker::Shutdown(int timeoutMs)
{
    return DeviceLink::Shutdown(timeoutMs);
}
