#pragma once
// Device-link state shared by the GUI thread, the worker thread and the
// vendor library's callback thread. Flags are atomics; compound values are
// guarded by a mutex and handed out as copies.

#include "DeviceAllInfo.h"

#include <atomic>
#include <mutex>
#include <string>

class Worker;

// A value that several threads read and write as a whole: get() returns a
// copy, set() replaces it, update() changes it in place under the lock.
template<typename T>
class GuardedValue
{
public:
    GuardedValue() = default;
    explicit GuardedValue(const T &value) : m_Value(value) {}
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
    T m_Value {};
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
extern std::atomic<bool> g_UiReady;         // false
// 1 while the main frame is shown.
extern std::atomic<int> g_MainPageActive;   // 0
// The online state last asked for.
extern std::atomic<bool> g_DeviceOnline;    // false
// The offline notice is up or a pass found the device offline.
extern std::atomic<bool> g_OfflinePending;  // false
// SlotCheckOnline starts a pass when set and the device is online.
extern std::atomic<bool> g_ReReadRequest;   // false
// A worker pass acts only while set (the worker's constructor sets it).
extern std::atomic<bool> g_WorkerRunEnable; // false until the worker exists
// False while a firmware update runs.
extern std::atomic<bool> g_UpgradeIdle;     // true

// Page filling flags and refresh acknowledgements.
extern std::atomic<int> g_ButtonPageUpdating; // 0; button page fills its widgets
extern std::atomic<int> g_ButtonPageUpdated;  // 0; button page refresh acknowledgement
extern std::atomic<int> g_SensorUiFilling;    // 0; sensor page fills its widgets
extern std::atomic<int> g_SensorPageUpdated;  // 0; sensor page refresh acknowledgement
// The lighting page fills its widgets (refresh and reset); the lighting page
// and the sleep-time selectors send nothing while it is set. The field
// setters do not read it.
extern std::atomic<bool> g_LightUiFilling;    // false

// The one worker, created by the button page on the GUI thread, never deleted.
extern std::atomic<Worker *> g_Worker;
