#include "KeyboardHook.h"

#include "KeyHookPlatform.h"

namespace {

struct HookState
{
    KeyHook::HookHandle handle = 0; // 0 while not installed
    bool repeat = false;
    bool keyDown = false;
    int lastKeyCode = 0; // 0: none
    KeyboardHook::Callback callback;
    const void *owner = nullptr; // the object the callback works on
};

// Zero at program start; never reset except as the procedure says.
HookState g_HookStates[3];

HookState &stateOf(KeyboardHook::Instance instance)
{
    return g_HookStates[int(instance)];
}

// One procedure per instance, as the platform calls plain functions.
template<KeyboardHook::Instance I>
void instanceProc(int nCode, int message, const KeyHook::Event &event)
{
    KeyboardHook::KeyboardProc(I, nCode, message, event.vkCode);
}

KeyHook::HookProc procOf(KeyboardHook::Instance instance)
{
    switch (instance) {
    case KeyboardHook::RecorderInstance:
        return &instanceProc<KeyboardHook::RecorderInstance>;
    case KeyboardHook::AddKeyInstance:
        return &instanceProc<KeyboardHook::AddKeyInstance>;
    case KeyboardHook::GroupKeyInstance:
        return &instanceProc<KeyboardHook::GroupKeyInstance>;
    }
    return nullptr;
}

} // namespace

KeyboardHook::KeyboardHook(Instance instance)
    : m_Instance(instance)
{
}

void KeyboardHook::InstallHook()
{
    HookState &state = stateOf(m_Instance);
    if (state.handle != 0)
        KeyHookPlatform::Instance()->Unhook(state.handle);
    // A failure stores 0: no events arrive and a later release does nothing.
    state.handle = KeyHookPlatform::Instance()->SetHook(procOf(m_Instance));
}

void KeyboardHook::UnInstallHook()
{
    HookState &state = stateOf(m_Instance);
    if (state.handle == 0)
        return;
    KeyHookPlatform::Instance()->Unhook(state.handle);
    state.handle = 0;
}

void KeyboardHook::SetCallback(Callback callback, const void *owner)
{
    HookState &state = stateOf(m_Instance);
    state.callback = std::move(callback);
    state.owner = owner;
}

void KeyboardHook::ClearCallback(const void *owner)
{
    HookState &state = stateOf(m_Instance);
    if (owner && state.owner != owner)
        return;
    state.callback = nullptr;
    state.owner = nullptr;
}

bool KeyboardHook::IsInstalled() const
{
    return IsInstalled(m_Instance);
}

bool KeyboardHook::IsInstalled(Instance instance)
{
    return stateOf(instance).handle != 0;
}

bool KeyboardHook::HasCallback(Instance instance)
{
    return bool(stateOf(instance).callback);
}

int KeyboardHook::LastKeyCode(Instance instance)
{
    return stateOf(instance).lastKeyCode;
}

void KeyboardHook::KeyboardProc(Instance instance, int nCode, int message, int vkCode)
{
    // Events while another application is in front pass untouched.
    if (!KeyHookPlatform::ApplicationIsForeground())
        return;

    HookState &state = stateOf(instance);
    bool down = state.keyDown;
    bool repeat = state.repeat;
    if (nCode == KeyHook::HcAction) {
        repeat = (vkCode == state.lastKeyCode);
        state.repeat = repeat;
        if (!repeat)
            state.lastKeyCode = vkCode;

        const bool recorder = (instance == RecorderInstance);
        switch (message) {
        case KeyHook::MsgKeyDown:
            state.keyDown = true;
            break;
        case KeyHook::MsgKeyUp:
            state.keyDown = false;
            state.repeat = repeat = false;
            state.lastKeyCode = 0;
            break;
        case KeyHook::MsgSysKeyDown:
            if (recorder)
                state.keyDown = true;
            break;
        case KeyHook::MsgSysKeyUp:
            // The repeat flag and last key code stay as the comparison left them.
            if (recorder)
                state.keyDown = false;
            break;
        default:
            break;
        }
        down = state.keyDown;
    }

    // Call a copy: the callback may rebind or unbind the instance, or run a
    // modal loop in which further keys arrive.
    if (state.callback) {
        const Callback callback = state.callback;
        callback(vkCode, down, repeat);
    }
}
