#include "GlobalState.h"

DevicePath g_DevicePath;
GuardedValue<DeviceAllInfo> g_CurrentDevice;

std::atomic<bool> g_UiReady { false };
std::atomic<int> g_MainPageActive { 0 };
std::atomic<bool> g_DeviceOnline { false };
std::atomic<bool> g_OfflinePending { false };
std::atomic<bool> g_ReReadRequest { false };
std::atomic<bool> g_WorkerRunEnable { false };
std::atomic<bool> g_UpgradeIdle { true };

std::atomic<int> g_ButtonPageUpdating { 0 };
std::atomic<int> g_ButtonPageUpdated { 0 };
std::atomic<int> g_SensorUiFilling { 0 };
std::atomic<int> g_SensorPageUpdated { 0 };
std::atomic<bool> g_LightUiFilling { false };

std::atomic<Worker *> g_Worker { nullptr };

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
