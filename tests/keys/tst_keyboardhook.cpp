// The keyboard hook and its platform layer: virtual keys from key events
// (native X11 data and plain Qt keys), auto-repeat folding, the message table
// of the recorder and dialog instances, silence without an active window and
// after unbinding, independent instances, no swallowed keys.

#include "TestMain.h"

#include "KeyHookPlatform.h"
#include "KeyboardHook.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

// Marks a message of the message table that comes with a hook code other
// than HC_ACTION.
constexpr int NotAction = 0x40000000;

struct Call
{
    int vk;
    bool down;
    bool repeat;
    bool operator==(const Call &o) const { return vk == o.vk && down == o.down && repeat == o.repeat; }
};

} // namespace

Q_DECLARE_METATYPE(Call)
typedef QVector<Call> CallList;
Q_DECLARE_METATYPE(CallList)

namespace QTest {
template<>
char *toString(const CallList &calls)
{
    QByteArray text;
    for (const Call &c : calls)
        text +=
            QByteArray("(") + QByteArray::number(c.vk, 16) + (c.down ? ",down" : ",up") + (c.repeat ? ",rep) " : ") ");
    return qstrdup(text.constData());
}
} // namespace QTest

class TestKeyboardHook : public QObject
{
    Q_OBJECT

    QWidget *m_Window = nullptr;
    QLineEdit *m_Edit = nullptr;
    CallList m_Calls[3];

    KeyHookPlatform *platform() { return KeyHookPlatform::Instance(); }

    void bind(KeyboardHook &hook)
    {
        const int slot = int(hook.instance());
        hook.SetCallback([this, slot](int vk, bool down, bool repeat) { m_Calls[slot].append({vk, down, repeat}); });
    }

    static QKeyEvent keyEvent(QEvent::Type type, int qtKey, quint32 scanCode, quint32 keysym,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
    {
        return QKeyEvent(type, qtKey, modifiers, scanCode, keysym, 0, QString(), autoRepeat);
    }

    // Another application comes to the front: no window of ours keeps the
    // keyboard focus (the window that had it goes away).
    void leaveForeground()
    {
        auto *front = new QWidget;
        front->show();
        front->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(front));
        delete front;
        QVERIFY(!KeyHookPlatform::ApplicationIsForeground());
    }

private slots:
    void initTestCase()
    {
        m_Window = new QWidget;
        auto *layout = new QVBoxLayout(m_Window);
        m_Edit = new QLineEdit(m_Window);
        layout->addWidget(m_Edit);
        m_Window->resize(200, 80);
        m_Window->show();
        m_Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_Window));
        m_Edit->setFocus();
    }

    void cleanupTestCase() { delete m_Window; }

    void init()
    {
        for (CallList &calls : m_Calls)
            calls.clear();
        platform()->ResetKeyState();
        if (!m_Window->isActiveWindow()) {
            m_Window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_Window));
        }
    }

    void cleanup()
    {
        // The instances' state outlives their hooks: end every case with all
        // keys up and no hook, as a fresh start would be.
        const KeyboardHook::Instance all[] = {KeyboardHook::RecorderInstance, KeyboardHook::AddKeyInstance,
                                              KeyboardHook::GroupKeyInstance};
        for (auto instance : all) {
            KeyboardHook hook(instance);
            hook.ClearCallback();
            hook.InstallHook();
        }
        if (!m_Window->isActiveWindow()) {
            m_Window->show();
            m_Window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_Window));
        }
        platform()->InjectMessage(KeyHook::MsgKeyUp, 0);
        for (auto instance : all) {
            KeyboardHook(instance).UnInstallHook();
            QCOMPARE(KeyboardHook::LastKeyCode(instance), 0);
        }
        QCOMPARE(platform()->HookCount(), 0);
    }

    void virtualKeyFromEvent_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<int>("vk");
        const int kp = int(Qt::KeypadModifier);
        // X11: keysym and keycode of the xcb platform.
        QTest::newRow("x11 LShift") << int(Qt::Key_Shift) << 0 << 50u << 0xffe1u << 160;
        QTest::newRow("x11 RShift") << int(Qt::Key_Shift) << 0 << 62u << 0xffe2u << 161;
        QTest::newRow("x11 LCtrl") << int(Qt::Key_Control) << 0 << 37u << 0xffe3u << 162;
        QTest::newRow("x11 RCtrl") << int(Qt::Key_Control) << 0 << 105u << 0xffe4u << 163;
        QTest::newRow("x11 LAlt") << int(Qt::Key_Alt) << 0 << 64u << 0xffe9u << 164;
        QTest::newRow("x11 RAlt") << int(Qt::Key_Alt) << 0 << 108u << 0xffeau << 165;
        QTest::newRow("x11 AltGr") << int(Qt::Key_AltGr) << 0 << 108u << 0xfe03u << 165;
        QTest::newRow("x11 LWin") << int(Qt::Key_Super_L) << 0 << 133u << 0xffebu << 91;
        QTest::newRow("x11 RWin") << int(Qt::Key_Super_R) << 0 << 134u << 0xffecu << 92;
        QTest::newRow("x11 Menu") << int(Qt::Key_Menu) << 0 << 135u << 0xff67u << 93;
        QTest::newRow("x11 a") << int(Qt::Key_A) << 0 << 38u << 0x61u << 0x41;
        QTest::newRow("x11 Shift+a") << int(Qt::Key_A) << int(Qt::ShiftModifier) << 38u << 0x41u << 0x41;
        QTest::newRow("x11 Shift+1") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << 10u << 0x21u << 0x31;
        QTest::newRow("x11 Shift+minus") << int(Qt::Key_Underscore) << int(Qt::ShiftModifier) << 20u << 0x5fu << 0xBD;
        QTest::newRow("x11 semicolon") << int(Qt::Key_Semicolon) << 0 << 47u << 0x3bu << 0xBA;
        QTest::newRow("x11 grave") << int(Qt::Key_QuoteLeft) << 0 << 49u << 0x60u << 0xC0;
        QTest::newRow("x11 apostrophe") << int(Qt::Key_Apostrophe) << 0 << 48u << 0x27u << 0xDE;
        QTest::newRow("x11 bracketleft") << int(Qt::Key_BracketLeft) << 0 << 34u << 0x5bu << 0xDB;
        QTest::newRow("x11 KP1 numlock") << int(Qt::Key_1) << kp << 87u << 0xffb1u << 97;
        QTest::newRow("x11 KP0 numlock") << int(Qt::Key_0) << kp << 90u << 0xffb0u << 96;
        QTest::newRow("x11 KP_End") << int(Qt::Key_End) << kp << 87u << 0xff9cu << 35;
        QTest::newRow("x11 KP5 no numlock") << int(Qt::Key_Clear) << kp << 84u << 0xff9du << 12;
        QTest::newRow("x11 KP multiply") << int(Qt::Key_Asterisk) << kp << 63u << 0xffaau << 106;
        QTest::newRow("x11 KP add") << int(Qt::Key_Plus) << kp << 86u << 0xffabu << 107;
        QTest::newRow("x11 KP subtract") << int(Qt::Key_Minus) << kp << 82u << 0xffadu << 109;
        QTest::newRow("x11 KP decimal") << int(Qt::Key_Period) << kp << 91u << 0xffaeu << 110;
        QTest::newRow("x11 KP divide") << int(Qt::Key_Slash) << kp << 106u << 0xffafu << 111;
        QTest::newRow("x11 KP enter") << int(Qt::Key_Enter) << kp << 104u << 0xff8du << 13;
        QTest::newRow("x11 NumLock") << int(Qt::Key_NumLock) << 0 << 77u << 0xff7fu << 144;
        QTest::newRow("x11 F1") << int(Qt::Key_F1) << 0 << 67u << 0xffbeu << 0x70;
        QTest::newRow("x11 F12") << int(Qt::Key_F12) << 0 << 96u << 0xffc9u << 0x7B;
        QTest::newRow("x11 F24") << int(Qt::Key_F24) << 0 << 202u << 0xffd5u << 0x87;
        QTest::newRow("x11 ISO_Left_Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 23u << 0xfe20u << 9;
        QTest::newRow("x11 Print") << int(Qt::Key_Print) << 0 << 107u << 0xff61u << 0x2C;
        // Keycode only (no keysym).
        QTest::newRow("keycode RShift") << int(Qt::Key_Shift) << 0 << 62u << 0u << 161;
        QTest::newRow("keycode RCtrl") << int(Qt::Key_Control) << 0 << 105u << 0u << 163;
        // Plain Qt keys (offscreen: no native data).
        QTest::newRow("qt Shift") << int(Qt::Key_Shift) << 0 << 0u << 0u << 160;
        QTest::newRow("qt Control") << int(Qt::Key_Control) << 0 << 0u << 0u << 162;
        QTest::newRow("qt Alt") << int(Qt::Key_Alt) << 0 << 0u << 0u << 164;
        QTest::newRow("qt Meta") << int(Qt::Key_Meta) << 0 << 0u << 0u << 91;
        QTest::newRow("qt Return") << int(Qt::Key_Return) << 0 << 0u << 0u << 13;
        QTest::newRow("qt Enter") << int(Qt::Key_Enter) << kp << 0u << 0u << 13;
        QTest::newRow("qt keypad 7") << int(Qt::Key_7) << kp << 0u << 0u << 103;
        QTest::newRow("qt keypad clear") << int(Qt::Key_Clear) << kp << 0u << 0u << 12;
        QTest::newRow("qt 7") << int(Qt::Key_7) << 0 << 0u << 0u << 0x37;
        QTest::newRow("qt Comma") << int(Qt::Key_Comma) << 0 << 0u << 0u << 0xBC;
        QTest::newRow("qt Question") << int(Qt::Key_Question) << 0 << 0u << 0u << 0xBF;
        QTest::newRow("qt Equal") << int(Qt::Key_Equal) << 0 << 0u << 0u << 0xBB;
        QTest::newRow("qt Backslash") << int(Qt::Key_Backslash) << 0 << 0u << 0u << 0xDC;
        QTest::newRow("qt BracketRight") << int(Qt::Key_BracketRight) << 0 << 0u << 0u << 0xDD;
        QTest::newRow("qt Period") << int(Qt::Key_Period) << 0 << 0u << 0u << 0xBE;
        QTest::newRow("qt Escape") << int(Qt::Key_Escape) << 0 << 0u << 0u << 0x1B;
        QTest::newRow("qt F10") << int(Qt::Key_F10) << 0 << 0u << 0u << 0x79;
        QTest::newRow("qt unknown") << int(Qt::Key_Launch0) << 0 << 0u << 0u << 0;
    }

    void virtualKeyFromEvent()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(uint, scanCode);
        QFETCH(uint, keysym);
        QFETCH(int, vk);
        const QKeyEvent event = keyEvent(QEvent::KeyPress, qtKey, scanCode, keysym, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(KeyHookPlatform::VirtualKeyFromKeyEvent(event), vk);
    }

    // A tap, a held key with X11 auto-repeat, two overlapping keys.
    void callbackSequences_data()
    {
        QTest::addColumn<QStringList>("events"); // "p:vk", "r:vk", "P:vk" (auto-repeat pair)
        QTest::addColumn<CallList>("calls");
        QTest::newRow("tap") << QStringList{"p:41", "r:41"} << CallList{{0x41, true, false}, {0x41, false, false}};
        QTest::newRow("held with auto-repeat")
            << QStringList{"p:41", "P:41", "P:41", "r:41"}
            << CallList{{0x41, true, false}, {0x41, true, true}, {0x41, true, true}, {0x41, false, false}};
        QTest::newRow("overlap") << QStringList{
            "p:41", "p:42", "r:41",
            "r:42"} << CallList{{0x41, true, false}, {0x42, true, false}, {0x41, false, false}, {0x42, false, false}};
        QTest::newRow("tap twice") << QStringList{
            "p:41", "r:41", "p:41",
            "r:41"} << CallList{{0x41, true, false}, {0x41, false, false}, {0x41, true, false}, {0x41, false, false}};
    }

    void callbackSequences()
    {
        QFETCH(QStringList, events);
        QFETCH(CallList, calls);
        KeyboardHook hook(KeyboardHook::AddKeyInstance);
        hook.InstallHook();
        bind(hook);
        for (const QString &e : events) {
            const int vk = e.mid(2).toInt(nullptr, 16);
            const int qtKey = Qt::Key_A + (vk - 0x41);
            const quint32 keysym = quint32('a' + (vk - 0x41));
            if (e.startsWith("P")) {
                // X11 reports a repeat as an auto-repeat release + press pair.
                QVERIFY(!platform()->ProcessKeyEvent(
                    keyEvent(QEvent::KeyRelease, qtKey, 38, keysym, Qt::NoModifier, true)));
                QVERIFY(
                    platform()->ProcessKeyEvent(keyEvent(QEvent::KeyPress, qtKey, 38, keysym, Qt::NoModifier, true)));
            } else {
                const QEvent::Type type = e.startsWith("p") ? QEvent::KeyPress : QEvent::KeyRelease;
                QVERIFY(platform()->ProcessKeyEvent(keyEvent(type, qtKey, 0, keysym)));
            }
        }
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance], calls);
    }

    // Real key events reach the hook once each (not once per widget they
    // propagate through), and still reach the focused widget.
    void realEventsOnceAndNotSwallowed()
    {
        KeyboardHook hook(KeyboardHook::RecorderInstance);
        hook.InstallHook();
        bind(hook);
        m_Edit->clear();
        m_Edit->setFocus();
        QTest::keyClick(m_Window->windowHandle(), Qt::Key_X);
        QTest::keyClick(m_Window->windowHandle(), Qt::Key_Y);
        QCOMPARE(m_Calls[KeyboardHook::RecorderInstance],
                 (CallList{{0x58, true, false}, {0x58, false, false}, {0x59, true, false}, {0x59, false, false}}));
        QCOMPARE(m_Edit->text(), QStringLiteral("xy"));
    }

    // An auto-repeat pair that Qt did not recognise (its press arrived late)
    // is still folded: a release of a long-held key waits briefly for a
    // press with its timestamp. Short taps are reported at once.
    void lateRepeatPairFolded()
    {
        KeyboardHook hook(KeyboardHook::AddKeyInstance);
        hook.InstallHook();
        bind(hook);
        auto sendAt = [this](QEvent::Type type, ulong time) {
            QKeyEvent event = keyEvent(type, Qt::Key_A, 38, 'a');
            event.setTimestamp(time);
            QVERIFY(platform()->ProcessKeyEvent(event));
        };
        sendAt(QEvent::KeyPress, 1000);
        sendAt(QEvent::KeyRelease, 1050); // a tap: at once
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance], (CallList{{0x41, true, false}, {0x41, false, false}}));

        m_Calls[KeyboardHook::AddKeyInstance].clear();
        sendAt(QEvent::KeyPress, 2000);
        sendAt(QEvent::KeyRelease, 2660); // unpaired repeat release
        sendAt(QEvent::KeyPress, 2660);   // its press
        sendAt(QEvent::KeyRelease, 2700); // the real release
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance], (CallList{{0x41, true, false}, {0x41, true, true}}));
        QTRY_COMPARE(m_Calls[KeyboardHook::AddKeyInstance],
                     (CallList{{0x41, true, false}, {0x41, true, true}, {0x41, false, false}}));

        // Another key flushes a waiting release first, keeping the order.
        m_Calls[KeyboardHook::AddKeyInstance].clear();
        sendAt(QEvent::KeyPress, 3000);
        sendAt(QEvent::KeyRelease, 3500);
        QKeyEvent other = keyEvent(QEvent::KeyPress, Qt::Key_B, 56, 'b');
        other.setTimestamp(3510);
        platform()->ProcessKeyEvent(other);
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance],
                 (CallList{{0x41, true, false}, {0x41, false, false}, {0x42, true, false}}));
    }

    // The message table: system keys move the key-down flag of the recorder
    // only; a system key-up leaves the last key code.
    void messageTable_data()
    {
        QTest::addColumn<int>("instance");
        QTest::addColumn<QVector<int>>("messages"); // message << 16 | vk, NotAction: hook code other than HC_ACTION
        QTest::addColumn<CallList>("calls");
        const int sysDown = KeyHook::MsgSysKeyDown << 16, sysUp = KeyHook::MsgSysKeyUp << 16;
        const int down = KeyHook::MsgKeyDown << 16, up = KeyHook::MsgKeyUp << 16;
        QTest::newRow("recorder sys down/up/down")
            << int(KeyboardHook::RecorderInstance) << QVector<int>{sysDown | 0x79, sysUp | 0x79, sysDown | 0x79}
            << CallList{{0x79, true, false}, {0x79, false, true}, {0x79, true, true}};
        QTest::newRow("dialog sys down/up")
            << int(KeyboardHook::GroupKeyInstance) << QVector<int>{sysDown | 0x79, sysUp | 0x79}
            << CallList{{0x79, false, false}, {0x79, false, true}};
        QTest::newRow("dialog sys after down")
            << int(KeyboardHook::AddKeyInstance) << QVector<int>{down | 0x41, sysDown | 0x42, up | 0x41}
            << CallList{{0x41, true, false}, {0x42, true, false}, {0x41, false, false}};
        // A hook code other than HC_ACTION changes nothing and reports the
        // stored flags with the event's own key code.
        QTest::newRow("not an action") << int(KeyboardHook::RecorderInstance)
                                       << QVector<int>{down | 0x41, NotAction | up | 0x42, down | 0x41, up | 0x41}
                                       << CallList{{0x41, true, false},
                                                   {0x42, true, false},
                                                   {0x41, true, true},
                                                   {0x41, false, false}};
        QTest::newRow("unknown message") << int(KeyboardHook::RecorderInstance)
                                         << QVector<int>{down | 0x41, (0x200 << 16) | 0x41}
                                         << CallList{{0x41, true, false}, {0x41, true, true}};
    }

    void messageTable()
    {
        QFETCH(int, instance);
        QFETCH(QVector<int>, messages);
        QFETCH(CallList, calls);
        KeyboardHook hook{KeyboardHook::Instance(instance)};
        hook.InstallHook();
        bind(hook);
        for (int m : messages)
            platform()->InjectMessage((m & ~NotAction) >> 16, m & 0xFFFF, (m & NotAction) ? 1 : KeyHook::HcAction);
        QCOMPARE(m_Calls[instance], calls);
    }

    // Alt held (or F10) makes system keys; Ctrl held does not.
    void systemKeysFromHeldKeys()
    {
        KeyboardHook recorder(KeyboardHook::RecorderInstance);
        KeyboardHook dialog(KeyboardHook::AddKeyInstance);
        recorder.InstallHook();
        dialog.InstallHook();
        bind(recorder);
        bind(dialog);
        platform()->InjectVirtualKey(0xA4, true);  // LAlt: sys down
        platform()->InjectVirtualKey(0x41, true);  // A with Alt: sys down
        platform()->InjectVirtualKey(0x41, false); // sys up
        platform()->InjectVirtualKey(0xA4, false); // Alt up after another key: key up
        QCOMPARE(m_Calls[KeyboardHook::RecorderInstance],
                 (CallList{{0xA4, true, false}, {0x41, true, false}, {0x41, false, true}, {0xA4, false, false}}));
        // The dialog instance keeps its key-down flag through system keys.
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance],
                 (CallList{{0xA4, false, false}, {0x41, false, false}, {0x41, false, true}, {0xA4, false, false}}));
    }

    void silentWithoutForeground()
    {
        KeyboardHook hook(KeyboardHook::GroupKeyInstance);
        hook.InstallHook();
        bind(hook);
        leaveForeground();
        platform()->InjectVirtualKey(0x41, true);
        platform()->InjectVirtualKey(0x41, false);
        QVERIFY(m_Calls[KeyboardHook::GroupKeyInstance].isEmpty());
        QCOMPARE(KeyboardHook::LastKeyCode(KeyboardHook::GroupKeyInstance), 0); // no state change either
        m_Window->show();
        m_Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_Window));
        platform()->InjectVirtualKey(0x41, true);
        QCOMPARE(m_Calls[KeyboardHook::GroupKeyInstance], (CallList{{0x41, true, false}}));
    }

    void silentAfterUnhookOrUnbind()
    {
        KeyboardHook hook(KeyboardHook::AddKeyInstance);
        hook.InstallHook();
        bind(hook);
        hook.UnInstallHook();
        hook.UnInstallHook(); // a second release does nothing
        QVERIFY(!hook.IsInstalled());
        platform()->InjectVirtualKey(0x41, true);
        platform()->InjectVirtualKey(0x41, false);
        QVERIFY(m_Calls[KeyboardHook::AddKeyInstance].isEmpty());

        // Installed again, the kept binding reports again; after unbinding it
        // is silent although installed.
        hook.InstallHook();
        platform()->InjectVirtualKey(0x42, true);
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance].size(), 1);
        hook.ClearCallback();
        QVERIFY(!KeyboardHook::HasCallback(KeyboardHook::AddKeyInstance));
        platform()->InjectVirtualKey(0x42, false);
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance].size(), 1);

        // Unbinding names its owner: another owner's binding stays.
        int owner = 0, other = 0;
        hook.SetCallback([](int, bool, bool) {}, &owner);
        hook.ClearCallback(&other);
        QVERIFY(KeyboardHook::HasCallback(KeyboardHook::AddKeyInstance));
        hook.ClearCallback(&owner);
        QVERIFY(!KeyboardHook::HasCallback(KeyboardHook::AddKeyInstance));
    }

    // A key released while another application is in front stays the last
    // key code, so its next press is reported as a repeat.
    void releaseElsewhereLeavesLastKey()
    {
        KeyboardHook hook(KeyboardHook::AddKeyInstance);
        hook.InstallHook();
        bind(hook);
        platform()->InjectVirtualKey(0x43, true);
        leaveForeground();
        platform()->InjectVirtualKey(0x43, false);
        m_Window->show();
        m_Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_Window));
        platform()->InjectVirtualKey(0x43, true);
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance], (CallList{{0x43, true, false}, {0x43, true, true}}));
    }

    void instancesIndependent()
    {
        KeyboardHook a(KeyboardHook::AddKeyInstance);
        KeyboardHook g(KeyboardHook::GroupKeyInstance);
        a.InstallHook();
        bind(a);
        platform()->InjectVirtualKey(0x41, true);
        g.InstallHook();
        bind(g);
        platform()->InjectVirtualKey(0x41, true);
        QCOMPARE(m_Calls[KeyboardHook::AddKeyInstance], (CallList{{0x41, true, false}, {0x41, true, true}}));
        QCOMPARE(m_Calls[KeyboardHook::GroupKeyInstance], (CallList{{0x41, true, false}}));
        QVERIFY(m_Calls[KeyboardHook::RecorderInstance].isEmpty());

        // Installing twice keeps one hook.
        a.InstallHook();
        QCOMPARE(platform()->HookCount(), 2);
    }

    // A callback may release its own hook (the recorder does at its limit).
    void callbackReleasesItsHook()
    {
        KeyboardHook hook(KeyboardHook::RecorderInstance);
        KeyboardHook other(KeyboardHook::GroupKeyInstance);
        other.InstallHook();
        bind(other);
        hook.InstallHook();
        int calls = 0;
        hook.SetCallback([&](int, bool, bool) {
            ++calls;
            hook.UnInstallHook();
            hook.ClearCallback();
        });
        platform()->InjectVirtualKey(0x41, true);
        platform()->InjectVirtualKey(0x41, false);
        QCOMPARE(calls, 1);
        QCOMPARE(m_Calls[KeyboardHook::GroupKeyInstance].size(), 2);
    }
};

ORVIK_TEST_MAIN(TestKeyboardHook)
#include "tst_keyboardhook.moc"
