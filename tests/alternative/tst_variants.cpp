// The variant option widgets against a selected simulated mouse: which byte
// each writes and with what, when they stay quiet, SensorRateB's mode signal
// only after a write the mouse took, and the accessors that never send.

#include "TestMain.h"

#include "AlternativeFixture.h"
#include "OptionWidgetsB.h"
#include "SensorEffectB.h"
#include "TestState.h"

#include <QCheckBox>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include <functional>

using namespace AlternativeTest;

namespace {

template <typename T>
T *Child(QWidget &w, const char *name)
{
    T *child = w.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Builds a widget and clicks its control the given number of times.
using Action = std::function<void(int mouse)>;

template <typename W>
Action ClickOn(const char *name, int times = 1)
{
    return [name, times](int) {
        W w;
        for (int i = 0; i < times; ++i)
            Child<QAbstractButton>(w, name)->click();
    };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestVariants : public QObject
{
    Q_OBJECT

    int m_Id = 0;

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        m_Id = SelectMouse();
    }

    void writes_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::newRow("ripple on") << ClickOn<RippeControlB>("RippeControl_2") << 10 << 1;
        QTest::newRow("ripple on, off") << ClickOn<RippeControlB>("RippeControl_2", 2) << 10 << 0;
        QTest::newRow("angle snapping on") << ClickOn<StraightLineB>("StraightLine_2") << 9 << 1;
        QTest::newRow("motion sync on") << ClickOn<MotionSyncB>("MotionSync_2") << 7 << 1;
        QTest::newRow("lod 1mm") << ClickOn<SensorLODB>("MM1") << 5 << 1;
        QTest::newRow("lod 2mm") << ClickOn<SensorLODB>("MM2") << 5 << 2;
        const char *const boxes[] = {"Button125HZ", "Button250HZ", "Button500HZ",
                                     "Button1000HZ", "Button2000HZ", "Button4000HZ"};
        const int codes[] = {8, 4, 2, 1, 16, 32};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("rate %s", boxes[i]) << ClickOn<SensorRateB>(boxes[i]) << 0 << codes[i];
        QTest::newRow("debounce slider click") << Action([](int) {
            DebouncetimeB w;
            Child<QSlider>(w, "Debunce")->setValue(7);
        }) << 6 << 7;
        QTest::newRow("debounce plus twice") << ClickOn<DebouncetimeC>("AddLevelA", 2) << 6 << 2;
        QTest::newRow("debounce plus at 20") << Action([](int) {
            DebouncetimeC w;
            w.SetValue(19);
            Child<QToolButton>(w, "AddLevelA")->click();
            Child<QToolButton>(w, "AddLevelA")->click();
        }) << 6 << 20;
        // From the start value 0 minus stays at 0 and still sends 0.
        QTest::newRow("debounce minus at 0") << Action([](int mouse) {
            FlashData::modifyAndSend([](FlashDataMap &m) { m.Debounce = 5; });
            QCOMPARE(DeviceByte(mouse, 6), 5);
            DebouncetimeC w;
            Child<QToolButton>(w, "ReduceLevelA")->click();
            QCOMPARE(Child<QSpinBox>(w, "spinBoxA")->value(), 0);
        }) << 6 << 0;
    }

    void writes()
    {
        QFETCH(Action, action);
        QFETCH(int, byte);
        QFETCH(int, value);
        action(m_Id);
        QCOMPARE(DeviceByte(m_Id, byte), value);
    }

    void quiet_data()
    {
        QTest::addColumn<Action>("action");
        QTest::newRow("switch, not ready") << Action([](int) {
            g_UiReady = false;
            RippeControlB w;
            Child<QToolButton>(w, "RippeControl_2")->click();
            QVERIFY(Child<QToolButton>(w, "RippeControl_2")->isChecked());
        });
        QTest::newRow("lod while the page fills") << Action([](int) {
            g_SensorUiFilling = true;
            SensorLODB w;
            Child<QCheckBox>(w, "MM2")->click();
        });
        QTest::newRow("rate, not ready") << Action([](int) {
            g_UiReady = false;
            SensorRateB w;
            Child<QCheckBox>(w, "Button500HZ")->click();
        });
        QTest::newRow("debounce drag without release") << Action([](int) {
            DebouncetimeB w;
            QSlider *slider = Child<QSlider>(w, "Debunce");
            slider->setSliderDown(true);
            slider->setSliderPosition(9);
            QCOMPARE(Child<QSpinBox>(w, "spinBoxA")->value(), 9);
        });
        QTest::newRow("debounce minus at 1") << Action([](int) {
            DebouncetimeC w;
            w.SetValue(1);
            Child<QToolButton>(w, "ReduceLevelA")->click();
            QCOMPARE(Child<QSpinBox>(w, "spinBoxA")->value(), 1);
        });
        QTest::newRow("accessors") << Action([](int) {
            RippeControlB a;
            a.SetChecked(true);
            SensorLODB b;
            b.SetCheckedIndex(1);
            SensorRateB c;
            c.SetRateIndex(5);
            DebouncetimeB d;
            d.SetValue(12);
            QCOMPARE(Child<QSpinBox>(d, "spinBoxA")->value(), 12);
            DebouncetimeC e;
            e.SetValue(3);
        });
    }

    void quiet()
    {
        QFETCH(Action, action);
        auto hide = std::make_unique<QSignalSpy>(PostMsg::GetInstance(), &PostMsg::SigHideModel);
        const int before = HIDUsbSim::updateCount(m_Id);
        action(m_Id);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        QCOMPARE(hide->count(), 0);
    }

    // Releasing a dragged handle sends its value once.
    void debounceRelease()
    {
        DebouncetimeB w;
        QSlider *slider = Child<QSlider>(w, "Debunce");
        const int before = HIDUsbSim::updateCount(m_Id);
        slider->setSliderDown(true);
        slider->setSliderPosition(4);
        slider->setSliderPosition(9);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        slider->setSliderDown(false);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 1);
        QCOMPARE(DeviceByte(m_Id, 6), 9);
    }

    void rateModeSignal_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("hideModel"); // -1: no signal
        QTest::newRow("1000 online") << "Button1000HZ" << true << 0;
        QTest::newRow("2000 online") << "Button2000HZ" << true << 1;
        QTest::newRow("4000 online") << "Button4000HZ" << true << 1;
        QTest::newRow("4000 offline") << "Button4000HZ" << false << -1;
        QTest::newRow("125 offline") << "Button125HZ" << false << -1;
    }

    void rateModeSignal()
    {
        QFETCH(QString, box);
        QFETCH(bool, online);
        QFETCH(int, hideModel);
        HIDUsbSim::setOnline(m_Id, online);
        auto offline = OfflineSpy();
        QSignalSpy hide(PostMsg::GetInstance(), &PostMsg::SigHideModel);
        SensorRateB w;
        QCheckBox *button = w.findChild<QCheckBox *>(box);
        QVERIFY(button);
        button->click();
        // Offline the box keeps the user's choice and the notice shows.
        QVERIFY(button->isChecked());
        if (hideModel < 0) {
            QCOMPARE(hide.count(), 0);
            QCOMPARE(offline->count(), 1);
        } else {
            QCOMPARE(hide.count(), 1);
            QCOMPARE(hide.at(0).at(0).toInt(), hideModel);
            QCOMPARE(offline->count(), 0);
        }
    }

    void rateVisibility_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("show2000");
        QTest::addColumn<bool>("show4000");
        QTest::newRow("0") << 0 << false << false;
        QTest::newRow("1") << 1 << true << true;
        QTest::newRow("2") << 2 << true << false;
        QTest::newRow("3 keeps") << 3 << false << false;
    }

    void rateVisibility()
    {
        QFETCH(int, mode);
        QFETCH(bool, show2000);
        QFETCH(bool, show4000);
        SensorRateB w;
        w.SetHighRateVisible(0);
        w.SetHighRateVisible(mode);
        QCOMPARE(!Child<QCheckBox>(w, "Button2000HZ")->isHidden(), show2000);
        QCOMPARE(!Child<QCheckBox>(w, "Button4000HZ")->isHidden(), show4000);
    }

    // One box at a time; an index outside the list leaves the check alone.
    void exclusiveBoxes()
    {
        SensorRateB rate;
        rate.SetRateIndex(2);
        rate.SetRateIndex(4);
        rate.SetRateIndex(6);
        rate.SetRateIndex(-1);
        QVERIFY(!Child<QCheckBox>(rate, "Button500HZ")->isChecked());
        QVERIFY(Child<QCheckBox>(rate, "Button2000HZ")->isChecked());
        SensorLODB lod;
        lod.SetCheckedIndex(0);
        lod.SetCheckedIndex(1);
        lod.SetCheckedIndex(2);
        QVERIFY(!Child<QCheckBox>(lod, "MM1")->isChecked());
        QVERIFY(Child<QCheckBox>(lod, "MM2")->isChecked());
        lod.SetButtonsEnabled(false);
        QVERIFY(!Child<QCheckBox>(lod, "MM1")->isEnabled());
    }

    void effectBrightness_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("byte");
        const int bytes[] = {16, 30, 60, 90, 128, 150, 180, 210, 230, 255};
        for (int level = 1; level <= 10; ++level)
            QTest::addRow("level %d", level) << level << bytes[level - 1];
    }

    // A brightness level reaches byte 64 as its code, the number box shows
    // the level.
    void effectBrightness()
    {
        QFETCH(int, level);
        QFETCH(int, byte);
        SensorEffectB w;
        w.SetBrightness(level == 1 ? 2 : 1);
        w.SetBrightness(level);
        QCOMPARE(DeviceByte(m_Id, 64), byte);
        QCOMPARE(Child<QSpinBox>(w, "LightSpinBox")->value(), level);
    }

    void effectModes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");  // byte 63 after the click (it starts at 2)
        QTest::addColumn<int>("on");    // byte 66
        QTest::addColumn<bool>("speedRow");
        QTest::addColumn<bool>("lightRow");
        QTest::newRow("off keeps the mode") << "MM3" << 2 << 0 << false << false;
        QTest::newRow("steady") << "MM1" << 1 << 1 << false << true;
        QTest::newRow("breathing") << "MM2" << 2 << 1 << true << false;
    }

    void effectModes()
    {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(int, on);
        QFETCH(bool, speedRow);
        QFETCH(bool, lightRow);
        FlashData::modify([](FlashDataMap &m) {
            m.DPILed.Mode = 2;
            m.DPILed.Enable = 1;
        });
        SensorEffectB w;
        w.findChild<QCheckBox *>(button)->click();
        QCOMPARE(DeviceByte(m_Id, 63), mode);
        QCOMPARE(DeviceByte(m_Id, 66), on);
        QCOMPARE(!Child<QSlider>(w, "SpeedH")->isHidden(), speedRow);
        QCOMPARE(!Child<QSpinBox>(w, "SpeedSpinBox")->isHidden(), speedRow);
        QCOMPARE(!Child<QFrame>(w, "line")->isHidden(), !speedRow);
        QCOMPARE(!Child<QSlider>(w, "LightH")->isHidden(), lightRow);
        QCOMPARE(!Child<QFrame>(w, "line_2")->isHidden(), !lightRow);
    }

    // Modes outside 0..2 (an emptied combo's -1) never reach the mouse; the
    // owner's operations and the page's filling send nothing.
    void effectQuiet_data()
    {
        QTest::addColumn<Action>("action");
        QTest::newRow("mode -1") << Action([](int) {
            SensorEffectB w;
            QVERIFY(QMetaObject::invokeMethod(&w, "on_Model_currentIndexChanged", Q_ARG(int, -1)));
            QVERIFY(QMetaObject::invokeMethod(&w, "on_Model_currentIndexChanged", Q_ARG(int, 3)));
            QVERIFY(!Child<QSlider>(w, "SpeedH")->isHidden());
        });
        QTest::newRow("SetModel") << Action([](int) {
            SensorEffectB w;
            w.SetModel(2);
            QVERIFY(Child<QCheckBox>(w, "MM2")->isChecked());
            QVERIFY(!Child<QSlider>(w, "SpeedH")->isHidden());
            QVERIFY(Child<QSlider>(w, "LightH")->isHidden());
            w.SetModel(-1);
            QVERIFY(Child<QCheckBox>(w, "MM2")->isChecked());
        });
        QTest::newRow("filling") << Action([](int) {
            g_SensorUiFilling = true;
            SensorEffectB w;
            Child<QCheckBox>(w, "MM1")->click();
            w.SetBrightness(7);
            w.SetSpeed(3);
            QVERIFY(!Child<QSlider>(w, "LightH")->isHidden());
            QCOMPARE(Child<QSpinBox>(w, "LightSpinBox")->value(), 7);
        });
    }

    void effectQuiet()
    {
        QFETCH(Action, action);
        const int before = HIDUsbSim::updateCount(m_Id);
        action(m_Id);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
    }

    void effectSpeed()
    {
        SensorEffectB w;
        w.SetSpeed(3);
        QCOMPARE(DeviceByte(m_Id, 65), 3);
    }
};

ORVIK_TEST_MAIN(TestVariants)
#include "tst_variants.moc"
