#pragma once
// Device-link state shared by the GUI thread, the worker thread and the
// vendor library's callback thread. Flags are atomics; compound values are
// guarded by a mutex and handed out as copies. Globals only one file of the
// link uses live file-private in that file.
//
// GlobalState::ResetState() puts every value back to its start value, the
// parameter record and the receiver-lighting block included. The objects of
// the link (the worker, its poll timer) and what the worker read from
// Config.ini when it was built stay with the worker.

#include "DeviceAllInfo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <string>

class QTimer;
class Worker;

// A value that several threads read and write as a whole: get() returns a
// copy, set() replaces it, update() changes it in place under the lock.
template<typename T>
class GuardedValue
{
public:
    GuardedValue() = default;
    explicit GuardedValue(const T &value)
        : m_Value(value)
    {
    }
    GuardedValue(const GuardedValue &) = delete;
    GuardedValue &operator=(const GuardedValue &) = delete;

    T get() const
    {
        std::lock_guard<std::mutex> guard(m_Mutex);
        return m_Value;
    }
    void set(const T &value)
    {
        std::lock_guard<std::mutex> guard(m_Mutex);
        m_Value = value;
    }
    template<typename Fn>
    void update(Fn fn)
    {
        std::lock_guard<std::mutex> guard(m_Mutex);
        fn(m_Value);
    }

private:
    mutable std::mutex m_Mutex;
    T m_Value{};
};

// The 8-bit path every device call uses. It holds its own NUL-terminated copy
// (never a pointer into someone else's buffer) and reads "a", a path that names
// no device, until a device is selected.
class DevicePath
{
public:
    static constexpr const char *Placeholder = "a";

    // Copies the text; null or empty gives the placeholder.
    void set(const char *path);
    void set(const std::string &path);
    void reset(); // back to the placeholder
    std::string get() const;
    bool isPlaceholder() const;

private:
    mutable std::mutex m_Mutex;
    std::string m_Path = Placeholder;
};

extern DevicePath g_DevicePath;

// The selected device (default record while none is selected).
extern GuardedValue<DeviceAllInfo> g_CurrentDevice;

// Refresh guard: pages send changes only while it is set.
extern std::atomic<bool> g_UiReady; // false
// 1 while the main frame is shown.
extern std::atomic<int> g_MainPageActive; // 0
// The online state last asked for.
extern std::atomic<bool> g_DeviceOnline; // false
// The offline notice is up or a pass found the device offline.
extern std::atomic<bool> g_OfflinePending; // false
// SlotCheckOnline starts a pass when set and the device is online.
extern std::atomic<bool> g_ReReadRequest; // false
// A worker pass acts only while set (the worker's constructor sets it).
extern std::atomic<bool> g_WorkerRunEnable; // false until the worker exists
// False while a firmware update runs.
extern std::atomic<bool> g_UpgradeIdle; // true

// Page filling flags and refresh acknowledgements.
extern std::atomic<int> g_ButtonPageUpdating; // 0; button page fills its widgets
extern std::atomic<int> g_ButtonPageUpdated;  // 0; button page refresh acknowledgement
extern std::atomic<int> g_SensorUiFilling;    // 0; sensor page fills its widgets
extern std::atomic<int> g_SensorPageUpdated;  // 0; sensor page refresh acknowledgement
// The lighting page fills its widgets (refresh and reset); the lighting page
// and the sleep-time selectors send nothing while it is set. The field
// setters do not read it.
extern std::atomic<bool> g_LightUiFilling; // false

// The one worker, created by the button page on the GUI thread, never deleted.
extern std::atomic<Worker *> g_Worker;

// ---- the worker's state

// g_DeviceOnline as seen by the last acting pass.
extern std::atomic<bool> g_LastOnline;
// g_DeviceOnline at the end of the last pass; true after every full read.
extern std::atomic<bool> g_LastRunOnline;
// A re-read was asked by the device (configuration switched).
extern std::atomic<bool> g_ForceReRead;
// Set by the button page while it imports a configuration or resets the device.
extern std::atomic<int> g_ProfileLoading;
// The 1300 ms online check.
extern QTimer *g_PollTimer;
// Cache-file name of the selected device (set by SlotSelectMouseInfo).
extern GuardedValue<QString> g_DeviceInfoName;
// Cache-file name of the device whose record was last read in full.
extern GuardedValue<QString> g_DeviceInfoNameRead;
// "Option"/"ShowBatteryValue" of Config.ini, read by the worker's constructor.
extern std::atomic<int> g_ShowBatteryValue;
// Set by a reset report, consumed by the next full read.
extern std::atomic<bool> g_ResetKeyRecords;
extern std::atomic<bool> g_SkipDongleQuery;

// ---- discovery (GUI thread only: the library calls the hot-plug callbacks
// on the thread that registered them)

// Records of the device list page's search.
extern QList<DeviceAllInfo> g_PickerDeviceList;
// Records of the worker's search; also read by the settings page.
extern QList<DeviceAllInfo> g_DeviceList;
// The device clicked on the device list.
extern DeviceAllInfo g_ChosenDevice;
// The receiver product-ID lists ("Wireless_PID", "Wireless2_PID",
// "Wireless4_PID"), refreshed by each device-list search.
extern QStringList g_Wireless1KPids;
extern QStringList g_Wireless2KPids;
extern QStringList g_Wireless4KPids;
// Answer buffer of UsbFinderC_GetDeviceOnLineWithUsbAddress for the worker.
extern unsigned char g_UsbAddressBuffer[10];

// ---- firmware

// The settings page's update flags: a newer receiver / mouse image exists.
extern std::atomic<bool> g_DongleUpdatePending;
extern std::atomic<bool> g_MouseUpdatePending;
// "Option"/"CID" as the last IsUpdateAvailable read it.
extern std::atomic<int> g_UpdateCID;

// ---- key vocabulary

// The language names of the mouse buttons, by MouseButtonIndex
// (KeyVocabulary.h). Empty at start; the macro page's language reader sets
// them. GUI thread only.
constexpr int MouseButtonNameCount = 5;
extern QString g_MouseButtonNames[MouseButtonNameCount];

namespace GlobalState {
void ResetState();
}
