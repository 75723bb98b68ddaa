#pragma once
// The keyboard hook: lets a window of the utility see every key pressed while
// one of the utility's windows is in front, whatever widget has the focus, and
// before that widget sees it. Each event becomes (virtual-key code, key down,
// auto-repeat) and goes to one bound callback; the key itself always goes on.
//
// Three independent instances exist, each with its own state and callback:
// the macro recorder's (which also treats system keys: keys pressed while Alt
// is held, and F10), the single-key capture dialog's and the combination
// capture dialog's. A KeyboardHook object only names its instance; the state
// (installed hook, flags, last key code, callback) belongs to the instance and
// outlives the object. GUI thread only.

#include <functional>

class KeyboardHook
{
public:
    enum Instance {
        RecorderInstance = 0, // the macro page's recorder
        AddKeyInstance = 1,   // the single-key capture dialog
        GroupKeyInstance = 2  // the combination capture dialog
    };
    using Callback = std::function<void(int keyCode, bool downOrUp, bool aotu)>;

    explicit KeyboardHook(Instance instance);

    // Installs the instance's hook. Installing an installed instance first
    // releases the old hook, so an instance never holds two.
    void InstallHook();
    // Releases the hook; does nothing when none is installed. The callback
    // stays bound (a later install reports to it again).
    void UnInstallHook();

    // Binds the callback of the instance, replacing the previous one. owner
    // names the object the callback works on.
    void SetCallback(Callback callback, const void *owner = nullptr);
    // Unbinds the callback, when owner is null or bound it last. An owner
    // whose callback points at itself must unhook and unbind before it goes
    // away.
    void ClearCallback(const void *owner = nullptr);

    bool IsInstalled() const;
    Instance instance() const { return m_Instance; }

    // State of an instance, for tests and diagnostics.
    static bool IsInstalled(Instance instance);
    static bool HasCallback(Instance instance);
    static int LastKeyCode(Instance instance);

    // The hook procedure: runs for every keyboard event while the instance is
    // installed; acts only while a window of this application is in front.
    static void KeyboardProc(Instance instance, int nCode, int message, int vkCode);

private:
    Instance m_Instance;
};
