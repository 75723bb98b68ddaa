#pragma once
// Our stand-in for the system-wide low-level keyboard hook.
//
// An application-wide event filter sees every key event the window system
// delivers to a window of this application (before the focused widget does),
// turns it into a Windows virtual-key code and a keyboard message
// (key down/up, or system key down/up: keys pressed while Alt is held, and
// F10), and hands it to every installed hook procedure, newest first. It never
// consumes a key. Like the system hook it also forwards events while another
// application is in front (injected ones); the procedures test the foreground
// themselves with ApplicationIsForeground().
//
// GUI thread only: the filter, the procedures and the injection all run there.

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QVector>

class QKeyEvent;

namespace KeyHook {

// The keyboard messages a hook procedure sees (the system's values).
enum Message { MsgKeyDown = 0x100, MsgKeyUp = 0x101, MsgSysKeyDown = 0x104, MsgSysKeyUp = 0x105 };

// The hook code of an event the procedure must act on.
constexpr int HcAction = 0;

// What the procedure gets for one event (only the virtual-key code is used).
struct Event
{
    int vkCode = 0;
    int scanCode = 0;
    bool autoRepeat = false; // the window system's auto-repeat flag (information only)
};

using HookProc = void (*)(int nCode, int message, const Event &event);
using HookHandle = int; // 0: none

} // namespace KeyHook

class KeyHookPlatform : public QObject
{
    Q_OBJECT
public:
    static KeyHookPlatform *Instance();

    // Installs a hook procedure; returns its handle (never 0 while a
    // QCoreApplication exists; 0 on failure).
    KeyHook::HookHandle SetHook(KeyHook::HookProc proc);
    // Removes a hook; false when the handle is not installed.
    bool Unhook(KeyHook::HookHandle handle);
    bool IsHooked(KeyHook::HookHandle handle) const;
    int HookCount() const { return m_Hooks.size(); }

    // True while a window of this application has the keyboard focus (the
    // counterpart of "the foreground window belongs to the GUI thread").
    static bool ApplicationIsForeground();

    // The virtual-key code of a key event: native X11 data first (keysym in
    // nativeVirtualKey tells left and right modifiers and the keypad apart,
    // the evdev keycode in nativeScanCode gives the key position), then the Qt
    // key and its keypad modifier. 0 when the key has no virtual key.
    static int VirtualKeyFromKeyEvent(const QKeyEvent &event);
    static int VirtualKeyFromKeysym(quint32 keysym);
    static int VirtualKeyFromKeycode(quint32 keycode);
    static int VirtualKeyFromQtKey(int qtKey, bool keypad);

    // Feeds one key event through the same path as a real one (mapping,
    // auto-repeat folding, message kind, hooks). Returns false when the event
    // was dropped (no virtual key, or the release half of an auto-repeat).
    bool ProcessKeyEvent(const QKeyEvent &event);
    // Injects a key by virtual-key code, as the system would report it; the
    // message kind (system key or not) follows the keys held, like the system.
    void InjectVirtualKey(int vk, bool down);
    // Injects an exact message, for tests of the procedures' message table.
    void InjectMessage(int message, int vk, int nCode = KeyHook::HcAction);

    // Forgets which keys are held (tests; focus loss).
    void ResetKeyState();

    // A release of a key held this long may be the first half of an X11
    // auto-repeat pair whose press has not arrived yet: it waits up to
    // ReleaseGraceMs for that press (same timestamp) before it is reported.
    static constexpr ulong RepeatCandidateMs = 200;
    static constexpr int ReleaseGraceMs = 20;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeyHookPlatform(QObject *parent = nullptr);
    void EnsureFilterInstalled();
    int MessageFor(int vk, bool down);
    void Dispatch(int nCode, int message, const KeyHook::Event &event);
    void DispatchKey(int vk, bool down, const KeyHook::Event &event);
    void FlushPendingRelease();

    struct Hook
    {
        KeyHook::HookHandle handle;
        KeyHook::HookProc proc;
    };
    QVector<Hook> m_Hooks; // in installation order
    KeyHook::HookHandle m_NextHandle = 1;
    QObject *m_FilteredApp = nullptr; // the application object the filter sits on
    QSet<int> m_Held;                 // virtual keys currently down
    bool m_AltAlone = false;          // Alt went down and no other key since
    QHash<int, ulong> m_PressTime;    // timestamp of each held key's first press

    struct PendingRelease
    {
        bool active = false;
        int vk = 0;
        ulong timestamp = 0;
        KeyHook::Event event;
    };
    PendingRelease m_Pending; // a release waiting for a possible repeat press
    QTimer m_PendingTimer;
};
