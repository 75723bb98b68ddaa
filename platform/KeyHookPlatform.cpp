#include "KeyHookPlatform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

// Windows virtual-key codes used below.
enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F10 = 0x79,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_LSHIFT = 0xA0,
    VK_RSHIFT = 0xA1,
    VK_LCONTROL = 0xA2,
    VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_VOLUME_MUTE = 0xAD,
    VK_VOLUME_DOWN = 0xAE,
    VK_VOLUME_UP = 0xAF,
    VK_MEDIA_NEXT_TRACK = 0xB0,
    VK_MEDIA_PREV_TRACK = 0xB1,
    VK_MEDIA_STOP = 0xB2,
    VK_MEDIA_PLAY_PAUSE = 0xB3,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
    VK_OEM_102 = 0xE2
};

bool isCtrl(int vk)
{
    return vk == VK_LCONTROL || vk == VK_RCONTROL || vk == 0x11;
}
bool isAlt(int vk)
{
    return vk == VK_LMENU || vk == VK_RMENU || vk == 0x12;
}

} // namespace

KeyHookPlatform::KeyHookPlatform(QObject *parent)
    : QObject(parent)
{
    m_PendingTimer.setSingleShot(true);
    m_PendingTimer.setInterval(ReleaseGraceMs);
    connect(&m_PendingTimer, &QTimer::timeout, this, &KeyHookPlatform::FlushPendingRelease);
}

KeyHookPlatform *KeyHookPlatform::Instance()
{
    // Created on first use and never freed, like the system's hook table.
    static KeyHookPlatform *instance = new KeyHookPlatform;
    instance->EnsureFilterInstalled();
    return instance;
}

void KeyHookPlatform::EnsureFilterInstalled()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app != m_FilteredApp) {
        app->installEventFilter(this);
        m_FilteredApp = app;
    }
}

KeyHook::HookHandle KeyHookPlatform::SetHook(KeyHook::HookProc proc)
{
    EnsureFilterInstalled();
    if (!proc || !m_FilteredApp)
        return 0;
    const KeyHook::HookHandle handle = m_NextHandle++;
    m_Hooks.append(Hook{handle, proc});
    return handle;
}

bool KeyHookPlatform::Unhook(KeyHook::HookHandle handle)
{
    for (int i = 0; i < m_Hooks.size(); ++i) {
        if (m_Hooks.at(i).handle == handle) {
            m_Hooks.remove(i);
            return true;
        }
    }
    return false;
}

bool KeyHookPlatform::IsHooked(KeyHook::HookHandle handle) const
{
    for (const Hook &hook : m_Hooks)
        if (hook.handle == handle)
            return true;
    return false;
}

bool KeyHookPlatform::ApplicationIsForeground()
{
    return QGuiApplication::focusWindow() != nullptr;
}

int KeyHookPlatform::VirtualKeyFromKeysym(quint32 keysym)
{
    // Letters follow the layout, as the system's virtual keys do.
    if (keysym >= 'a' && keysym <= 'z')
        return int(keysym - 'a' + 'A');
    if (keysym >= 'A' && keysym <= 'Z')
        return int(keysym);
    if (keysym >= '0' && keysym <= '9')
        return int(keysym);
    if (keysym >= 0xffbe && keysym <= 0xffd5) // F1..F24
        return VK_F1 + int(keysym - 0xffbe);
    if (keysym >= 0xffb0 && keysym <= 0xffb9) // keypad digits with NumLock on
        return VK_NUMPAD0 + int(keysym - 0xffb0);
    switch (keysym) {
    // Modifiers, left and right apart.
    case 0xffe1:
        return VK_LSHIFT; // Shift_L
    case 0xffe2:
        return VK_RSHIFT; // Shift_R
    case 0xffe3:
        return VK_LCONTROL; // Control_L
    case 0xffe4:
        return VK_RCONTROL; // Control_R
    case 0xffe9:
        return VK_LMENU; // Alt_L
    case 0xffea:
        return VK_RMENU; // Alt_R
    case 0xffe7:
        return VK_LMENU; // Meta_L (Shift+Alt_L)
    case 0xffe8:
        return VK_RMENU; // Meta_R
    case 0xfe03:
        return VK_RMENU; // ISO_Level3_Shift (AltGr)
    case 0xff7e:
        return VK_RMENU; // Mode_switch
    case 0xffeb:
        return VK_LWIN; // Super_L
    case 0xffec:
        return VK_RWIN; // Super_R
    case 0xff67:
        return VK_APPS; // Menu
    case 0xffe5:
        return VK_CAPITAL; // Caps_Lock
    case 0xff7f:
        return VK_NUMLOCK; // Num_Lock
    case 0xff14:
        return VK_SCROLL; // Scroll_Lock
    // Editing and navigation.
    case 0xff08:
        return VK_BACK;
    case 0xff09:
        return VK_TAB;
    case 0xfe20:
        return VK_TAB; // ISO_Left_Tab (Shift+Tab)
    case 0xff0d:
        return VK_RETURN;
    case 0xff1b:
        return VK_ESCAPE;
    case 0xff13:
        return VK_PAUSE;
    case 0xff6b:
        return 0x03; // Break (Ctrl+Pause): VK_CANCEL
    case 0xff61:
        return VK_SNAPSHOT; // Print
    case 0xff15:
        return VK_SNAPSHOT; // Sys_Req (Alt+Print)
    case 0xff63:
        return VK_INSERT;
    case 0xffff:
        return VK_DELETE;
    case 0xff50:
        return VK_HOME;
    case 0xff57:
        return VK_END;
    case 0xff55:
        return VK_PRIOR;
    case 0xff56:
        return VK_NEXT;
    case 0xff51:
        return VK_LEFT;
    case 0xff52:
        return VK_UP;
    case 0xff53:
        return VK_RIGHT;
    case 0xff54:
        return VK_DOWN;
    case 0xff0b:
        return VK_CLEAR;
    case 0x0020:
        return VK_SPACE;
    // Keypad operators and Enter.
    case 0xffaa:
        return VK_MULTIPLY;
    case 0xffab:
        return VK_ADD;
    case 0xffac:
        return VK_SEPARATOR;
    case 0xffad:
        return VK_SUBTRACT;
    case 0xffae:
        return VK_DECIMAL;
    case 0xffaf:
        return VK_DIVIDE;
    case 0xff8d:
        return VK_RETURN; // KP_Enter shares the main Enter's code
    // Keypad with NumLock off: the navigation codes, keypad 5 is Clear.
    case 0xff95:
        return VK_HOME;
    case 0xff96:
        return VK_LEFT;
    case 0xff97:
        return VK_UP;
    case 0xff98:
        return VK_RIGHT;
    case 0xff99:
        return VK_DOWN;
    case 0xff9a:
        return VK_PRIOR;
    case 0xff9b:
        return VK_NEXT;
    case 0xff9c:
        return VK_END;
    case 0xff9d:
        return VK_CLEAR; // KP_Begin
    case 0xff9e:
        return VK_INSERT;
    case 0xff9f:
        return VK_DELETE;
    // Punctuation (unshifted US symbols).
    case '-':
        return VK_OEM_MINUS;
    case '=':
        return VK_OEM_PLUS;
    case '[':
        return VK_OEM_4;
    case ']':
        return VK_OEM_6;
    case '\\':
        return VK_OEM_5;
    case ';':
        return VK_OEM_1;
    case '\'':
        return VK_OEM_7;
    case '`':
        return VK_OEM_3;
    case ',':
        return VK_OEM_COMMA;
    case '.':
        return VK_OEM_PERIOD;
    case '/':
        return VK_OEM_2;
    // Media keys (XF86).
    case 0x1008ff12:
        return VK_VOLUME_MUTE;
    case 0x1008ff11:
        return VK_VOLUME_DOWN;
    case 0x1008ff13:
        return VK_VOLUME_UP;
    case 0x1008ff17:
        return VK_MEDIA_NEXT_TRACK;
    case 0x1008ff16:
        return VK_MEDIA_PREV_TRACK;
    case 0x1008ff15:
        return VK_MEDIA_STOP;
    case 0x1008ff14:
        return VK_MEDIA_PLAY_PAUSE;
    default:
        return 0;
    }
}

int KeyHookPlatform::VirtualKeyFromKeycode(quint32 keycode)
{
    // X11 keycodes of the evdev driver (Linux input code + 8), by key
    // position on a US keyboard, as the system derives virtual keys from scan
    // codes with the US layout.
    static const struct
    {
        quint8 keycode;
        quint8 vk;
    } table[] = {
        {9, VK_ESCAPE},
        {10, '1'},
        {11, '2'},
        {12, '3'},
        {13, '4'},
        {14, '5'},
        {15, '6'},
        {16, '7'},
        {17, '8'},
        {18, '9'},
        {19, '0'},
        {20, VK_OEM_MINUS},
        {21, VK_OEM_PLUS},
        {22, VK_BACK},
        {23, VK_TAB},
        {24, 'Q'},
        {25, 'W'},
        {26, 'E'},
        {27, 'R'},
        {28, 'T'},
        {29, 'Y'},
        {30, 'U'},
        {31, 'I'},
        {32, 'O'},
        {33, 'P'},
        {34, VK_OEM_4},
        {35, VK_OEM_6},
        {36, VK_RETURN},
        {37, VK_LCONTROL},
        {38, 'A'},
        {39, 'S'},
        {40, 'D'},
        {41, 'F'},
        {42, 'G'},
        {43, 'H'},
        {44, 'J'},
        {45, 'K'},
        {46, 'L'},
        {47, VK_OEM_1},
        {48, VK_OEM_7},
        {49, VK_OEM_3},
        {50, VK_LSHIFT},
        {51, VK_OEM_5},
        {52, 'Z'},
        {53, 'X'},
        {54, 'C'},
        {55, 'V'},
        {56, 'B'},
        {57, 'N'},
        {58, 'M'},
        {59, VK_OEM_COMMA},
        {60, VK_OEM_PERIOD},
        {61, VK_OEM_2},
        {62, VK_RSHIFT},
        {63, VK_MULTIPLY},
        {64, VK_LMENU},
        {65, VK_SPACE},
        {66, VK_CAPITAL},
        {67, VK_F1},
        {68, VK_F1 + 1},
        {69, VK_F1 + 2},
        {70, VK_F1 + 3},
        {71, VK_F1 + 4},
        {72, VK_F1 + 5},
        {73, VK_F1 + 6},
        {74, VK_F1 + 7},
        {75, VK_F1 + 8},
        {76, VK_F1 + 9},
        {77, VK_NUMLOCK},
        {78, VK_SCROLL},
        {79, VK_NUMPAD0 + 7},
        {80, VK_NUMPAD0 + 8},
        {81, VK_NUMPAD0 + 9},
        {82, VK_SUBTRACT},
        {83, VK_NUMPAD0 + 4},
        {84, VK_NUMPAD0 + 5},
        {85, VK_NUMPAD0 + 6},
        {86, VK_ADD},
        {87, VK_NUMPAD0 + 1},
        {88, VK_NUMPAD0 + 2},
        {89, VK_NUMPAD0 + 3},
        {90, VK_NUMPAD0},
        {91, VK_DECIMAL},
        {94, VK_OEM_102},
        {95, VK_F1 + 10},
        {96, VK_F1 + 11},
        {104, VK_RETURN},
        {105, VK_RCONTROL},
        {106, VK_DIVIDE},
        {107, VK_SNAPSHOT},
        {108, VK_RMENU},
        {110, VK_HOME},
        {111, VK_UP},
        {112, VK_PRIOR},
        {113, VK_LEFT},
        {114, VK_RIGHT},
        {115, VK_END},
        {116, VK_DOWN},
        {117, VK_NEXT},
        {118, VK_INSERT},
        {119, VK_DELETE},
        {121, VK_VOLUME_MUTE},
        {122, VK_VOLUME_DOWN},
        {123, VK_VOLUME_UP},
        {127, VK_PAUSE},
        {133, VK_LWIN},
        {134, VK_RWIN},
        {135, VK_APPS},
        {191, VK_F1 + 12},
        {192, VK_F1 + 13},
        {193, VK_F1 + 14},
        {194, VK_F1 + 15},
        {195, VK_F1 + 16},
        {196, VK_F1 + 17},
        {197, VK_F1 + 18},
        {198, VK_F1 + 19},
        {199, VK_F1 + 20},
        {200, VK_F1 + 21},
        {201, VK_F1 + 22},
        {202, VK_F1 + 23},
    };
    for (const auto &row : table)
        if (row.keycode == keycode)
            return row.vk;
    return 0;
}

int KeyHookPlatform::VirtualKeyFromQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return VK_NUMPAD0 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
            return VK_DECIMAL;
        case Qt::Key_Comma:
            return VK_DECIMAL; // the keypad decimal key of comma locales
        case Qt::Key_Slash:
            return VK_DIVIDE;
        case Qt::Key_Clear:
            return VK_CLEAR; // keypad 5 without NumLock
        default:
            break; // navigation keys: as the main ones
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    // Without native data the side of a modifier is unknown: the left one.
    case Qt::Key_Shift:
        return VK_LSHIFT;
    case Qt::Key_Control:
        return VK_LCONTROL;
    case Qt::Key_Alt:
        return VK_LMENU;
    case Qt::Key_AltGr:
        return VK_RMENU;
    case Qt::Key_Meta:
        return VK_LWIN;
    case Qt::Key_Super_L:
        return VK_LWIN;
    case Qt::Key_Super_R:
        return VK_RWIN;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
        return VK_RETURN;
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_SysReq:
        return VK_SNAPSHOT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Clear:
        return VK_CLEAR;
    // Punctuation and its shifted symbols (US positions).
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return VK_OEM_MINUS;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return VK_OEM_PLUS;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return VK_OEM_4;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return VK_OEM_6;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return VK_OEM_5;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return VK_OEM_1;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return VK_OEM_7;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return VK_OEM_3;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return VK_OEM_COMMA;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VK_OEM_2;
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    // Media keys.
    case Qt::Key_VolumeMute:
        return VK_VOLUME_MUTE;
    case Qt::Key_VolumeDown:
        return VK_VOLUME_DOWN;
    case Qt::Key_VolumeUp:
        return VK_VOLUME_UP;
    case Qt::Key_MediaNext:
        return VK_MEDIA_NEXT_TRACK;
    case Qt::Key_MediaPrevious:
        return VK_MEDIA_PREV_TRACK;
    case Qt::Key_MediaStop:
        return VK_MEDIA_STOP;
    case Qt::Key_MediaPlay:
    case Qt::Key_MediaTogglePlayPause:
        return VK_MEDIA_PLAY_PAUSE;
    default:
        return 0;
    }
}

int KeyHookPlatform::VirtualKeyFromKeyEvent(const QKeyEvent &event)
{
    // The keysym knows the side of a modifier, keypad from main keys and the
    // NumLock state; letters follow the layout. Other printable symbols depend
    // on Shift (Shift+1 is "exclam"), so their key position decides first.
    const quint32 keysym = event.nativeVirtualKey();
    const quint32 keycode = event.nativeScanCode();
    if (keysym != 0) {
        const bool printable = keysym >= 0x20 && keysym < 0x100;
        const bool letter = (keysym >= 'a' && keysym <= 'z') || (keysym >= 'A' && keysym <= 'Z');
        if (!printable || letter || keysym == 0x20) {
            if (int vk = VirtualKeyFromKeysym(keysym))
                return vk;
        }
        if (keycode != 0) {
            if (int vk = VirtualKeyFromKeycode(keycode))
                return vk;
        }
        if (int vk = VirtualKeyFromKeysym(keysym))
            return vk;
    } else if (keycode != 0) {
        if (int vk = VirtualKeyFromKeycode(keycode))
            return vk;
    }
    return VirtualKeyFromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int KeyHookPlatform::MessageFor(int vk, bool down)
{
    // The system reports keys pressed while Alt is held (without Ctrl), and
    // F10, as system keys; releasing Alt right after pressing it alone too.
    bool ctrl = false;
    bool alt = false;
    for (int held : qAsConst(m_Held)) {
        ctrl = ctrl || isCtrl(held);
        alt = alt || isAlt(held);
    }
    if (down) {
        if (isAlt(vk)) {
            if (!m_Held.contains(vk))
                m_AltAlone = true;
            alt = true;
        } else {
            m_AltAlone = false;
            if (isCtrl(vk))
                ctrl = true;
        }
        m_Held.insert(vk);
        if (ctrl)
            return KeyHook::MsgKeyDown;
        return (alt || vk == VK_F10) ? KeyHook::MsgSysKeyDown : KeyHook::MsgKeyDown;
    }
    m_Held.remove(vk);
    if (ctrl && !isCtrl(vk))
        return KeyHook::MsgKeyUp;
    if (isAlt(vk)) {
        const bool alone = m_AltAlone;
        m_AltAlone = false;
        return (alone && !ctrl) ? KeyHook::MsgSysKeyUp : KeyHook::MsgKeyUp;
    }
    if (isCtrl(vk))
        return KeyHook::MsgKeyUp;
    return (alt || vk == VK_F10) ? KeyHook::MsgSysKeyUp : KeyHook::MsgKeyUp;
}

bool KeyHookPlatform::ProcessKeyEvent(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return false;
    const bool down = event.type() == QEvent::KeyPress;
    // X11 and Wayland report auto-repeat as release + press pairs; the system
    // reports repeated downs and one final up: drop the repeat's release.
    if (!down && event.isAutoRepeat())
        return false;
    const int vk = VirtualKeyFromKeyEvent(event);
    if (vk == 0)
        return false;
    KeyHook::Event hookEvent;
    hookEvent.vkCode = vk;
    hookEvent.scanCode = int(event.nativeScanCode());
    hookEvent.autoRepeat = event.isAutoRepeat();
    const ulong timestamp = event.timestamp();

    if (m_Pending.active) {
        if (down && vk == m_Pending.vk && timestamp == m_Pending.timestamp) {
            // The press half of an auto-repeat pair that Qt did not pair up:
            // the held key goes on being held.
            m_Pending.active = false;
            m_PendingTimer.stop();
            hookEvent.autoRepeat = true;
            DispatchKey(vk, true, hookEvent);
            return true;
        }
        FlushPendingRelease();
    }

    if (down) {
        if (!m_Held.contains(vk))
            m_PressTime.insert(vk, timestamp);
    } else if (timestamp != 0 && m_PressTime.contains(vk) && timestamp - m_PressTime.value(vk) >= RepeatCandidateMs) {
        m_Pending.active = true;
        m_Pending.vk = vk;
        m_Pending.timestamp = timestamp;
        m_Pending.event = hookEvent;
        m_PendingTimer.start();
        return true;
    }
    DispatchKey(vk, down, hookEvent);
    return true;
}

void KeyHookPlatform::DispatchKey(int vk, bool down, const KeyHook::Event &event)
{
    if (!down)
        m_PressTime.remove(vk);
    Dispatch(KeyHook::HcAction, MessageFor(vk, down), event);
}

void KeyHookPlatform::FlushPendingRelease()
{
    if (!m_Pending.active)
        return;
    m_Pending.active = false;
    m_PendingTimer.stop();
    DispatchKey(m_Pending.vk, false, m_Pending.event);
}

void KeyHookPlatform::InjectVirtualKey(int vk, bool down)
{
    FlushPendingRelease();
    KeyHook::Event hookEvent;
    hookEvent.vkCode = vk;
    DispatchKey(vk, down, hookEvent);
}

void KeyHookPlatform::InjectMessage(int message, int vk, int nCode)
{
    FlushPendingRelease();
    KeyHook::Event hookEvent;
    hookEvent.vkCode = vk;
    Dispatch(nCode, message, hookEvent);
}

void KeyHookPlatform::ResetKeyState()
{
    m_Pending.active = false;
    m_PendingTimer.stop();
    m_Held.clear();
    m_PressTime.clear();
    m_AltAlone = false;
}

void KeyHookPlatform::Dispatch(int nCode, int message, const KeyHook::Event &event)
{
    // Newest hook first. A procedure may install or remove hooks, or run a
    // modal loop that delivers further keys: walk a copy and skip hooks that
    // went away meanwhile.
    const QVector<Hook> hooks = m_Hooks;
    for (int i = hooks.size() - 1; i >= 0; --i) {
        if (IsHooked(hooks.at(i).handle))
            hooks.at(i).proc(nCode, message, event);
    }
}

bool KeyHookPlatform::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // The window system delivers each key to a window first, then Qt
        // forwards the same event to the focused widget and its parents:
        // take it once, at the window.
        if (watched->isWindowType())
            ProcessKeyEvent(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::ApplicationDeactivate:
        // Keys released while another application is in front never reach
        // us; don't keep them as held.
        if (watched == m_FilteredApp) {
            FlushPendingRelease();
            ResetKeyState();
        }
        break;
    default:
        break;
    }
    return false; // never swallow a key
}
