// The variant option widgets and the row DPI editor against a selected
// simulated mouse: which byte each writes and with what, when they stay
// quiet, SensorRateB's mode signal only after a write the mouse took, the
// accessors that never send, the DPI editor's snap, arming and level count.

#include "TestMain.h"

#include "AlternativeFixture.h"
#include "DpiCode.h"
#include "OptionWidgetsB.h"
#include "SensorDPIB.h"
#include "SensorDPIBForm.h"
#include "SensorEffectB.h"
#include "SensorState.h"
#include "TestState.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include <cstring>
#include <functional>
#include <utility>

using namespace AlternativeTest;

namespace {

// Builds a widget and clicks its control the given number of times.
using Action = std::function<void(int mouse)>;

template<typename W>
Action ClickOn(const char *name, int times = 1)
{
    return [name, times](int) {
        W w;
        for (int i = 0; i < times; ++i)
            Child<QAbstractButton>(w, name)->click();
    };
}

// Collects the warnings Qt gives while it lives (and passes them on).
class WarningLog
{
public:
    WarningLog() { s_Previous = qInstallMessageHandler(&WarningLog::Handle); }
    ~WarningLog() { qInstallMessageHandler(s_Previous); }
    QStringList Take() { return std::exchange(s_Messages, {}); }

private:
    static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        s_Messages << message;
        if (s_Previous)
            s_Previous(type, context, message);
    }
    static inline QtMessageHandler s_Previous = nullptr;
    static inline QStringList s_Messages;
};

// The model's DPI ranges as the sensor page's refresh leaves them.
void SetRanges(const QStringList &items)
{
    SensorState::ResetState();
    DpiCode::ReadRanges(items, nullptr, nullptr);
}

// A record of eight levels: level i has code 10 + i and colour (i, 2i, 3i).
FlashDataMap EightLevels(int current)
{
    FlashDataMap map;
    std::memset(static_cast<void *>(&map), 0, sizeof map);
    for (int i = 0; i < 8; ++i)
        map.DPILevel[i] = {quint8(10 + i), quint8(10 + i), 0, quint8(i), quint8(2 * i), quint8(3 * i)};
    map.DPILevelCount = 8;
    map.CurrentDPI = quint8(current);
    return map;
}

// The colour "#0i0i0i" of level i.
QString Grey(int i)
{
    const QString part = QString::number(i).rightJustified(2, QLatin1Char('0'));
    return "#" + part + part + part;
}

// An editor filled as an owner would: eight counts, count 8, level i at
// 100 * (i + 1) in Grey(i), the current level checked.
void Fill(SensorDPIB &w, int current)
{
    const bool was = w.BlockChooseSignals(true);
    w.ClearChooseItems();
    for (int i = 0; i < 8; ++i)
        w.InsertChooseItem(i, QString::number(i + 1));
    w.SetChooseIndex(7);
    w.BlockChooseSignals(was);
    w.BlockSliderSignals(true);
    for (int i = 0; i < 8; ++i) {
        w.SetLevelText(i, QString::number(100 * (i + 1)));
        w.SetLevelColor(i, Grey(i));
    }
    w.BlockSliderSignals(false);
    w.ShowAllLevelColors();
    w.SetLevelCount(8);
    w.SetCurrentLevel(current);
    g_SensorUiFilling = 1;
    w.CheckLevelButton(current);
    g_SensorUiFilling = 0;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestVariants : public OnSelectedMouse
{
    Q_OBJECT

private slots:
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
        const char *const boxes[] = {"Button125HZ",  "Button250HZ",  "Button500HZ",
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
        QTest::addColumn<int>("mode"); // byte 63 after the click (it starts at 2)
        QTest::addColumn<int>("on");   // byte 66
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
            w.ChangeMode(-1);
            w.ChangeMode(3);
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

    // The DPI editor snaps a level's value to the model's ranges and sends
    // it, but the first change after construction or a level selection only
    // arms it. A step of 0 or no number leaves the value unsnapped.
    void dpiSnap_data()
    {
        QTest::addColumn<QStringList>("ranges");
        QTest::addColumn<bool>("selectFirst");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("pageStep");
        const QStringList step50 = {"100", "10000", "50", "0"};
        QTest::newRow("step 50") << step50 << false << true << 1390 << 1350 << 50;
        QTest::newRow("step 100") << QStringList{"100", "10000", "100", "0"} << false << true << 1390 << 1300 << 100;
        QTest::newRow("step 0") << QStringList{"100", "10000", "0", "0"} << false << true << 1390 << 1390 << 50;
        QTest::newRow("step no number") << QStringList{"100", "10000", "x", "0"} << false << true << 1390 << 1390 << 50;
        QTest::newRow("gap to the next range")
            << QStringList{"100", "5000", "50", "5200", "10000", "100", "0"} << false << true << 5100 << 5200 << 100;
        QTest::newRow("after a level selection") << step50 << true << true << 1390 << 1350 << 50;
        QTest::newRow("not ready still sends") << step50 << false << false << 1390 << 1350 << 50;
    }

    void dpiSnap()
    {
        QFETCH(QStringList, ranges);
        QFETCH(bool, selectFirst);
        QFETCH(bool, ready);
        QFETCH(int, value);
        QFETCH(int, shown);
        QFETCH(int, pageStep);
        SetRanges(ranges);
        SensorDPIB w;
        Ui_SensorDPIB *ui = w.Form();
        if (selectFirst) {
            w.SetSliderValue(700, 2);
            QVERIFY(w.Armed());
            w.SelectLevel(2);
            QCOMPARE(DeviceByte(m_Id, 2), 2);
        }
        g_UiReady = ready;
        const int before = HIDUsbSim::updateCount(m_Id);
        w.SetSliderValue(800, 2);
        QCOMPARE(ui->ValueBox(2)->value(), 800);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        w.SetSliderValue(value, 2);
        QCOMPARE(ui->ValueBox(2)->value(), shown);
        QCOMPARE(ui->Slider(2)->value(), value);
        QCOMPARE(ui->Slider(2)->pageStep(), pageStep);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 1);
        QCOMPARE(DeviceByte(m_Id, 15 + 6 * 2), shown / 50 - 1);
        QCOMPARE(DeviceByte(m_Id, 16 + 6 * 2), shown / 50 - 1);
        SensorState::ResetState();
    }

    // A count below the current level trades the two levels on screen and on
    // the mouse; a count index outside 0..7 changes nothing.
    void dpiLevelCount_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("current"); // afterwards
        QTest::addColumn<int>("count");   // byte 1 afterwards
        QTest::addColumn<int>("updates");
        QTest::newRow("8 to 4 from level 6") << 3 << 3 << 4 << 3;
        QTest::newRow("8 to 7 keeps level 6") << 6 << 6 << 7 << 1;
        QTest::newRow("index -1") << -1 << 6 << 8 << 0;
        QTest::newRow("index 8") << 8 << 6 << 8 << 0;
    }

    void dpiLevelCount()
    {
        QFETCH(int, index);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, updates);
        FlashData::modifyAndSend([](FlashDataMap &m) { m = EightLevels(6); });
        SensorDPIB w;
        Ui_SensorDPIB *ui = w.Form();
        Fill(w, 6);
        const int before = HIDUsbSim::updateCount(m_Id);
        if (index > 7)
            QVERIFY(QMetaObject::invokeMethod(&w, "on_ChooseEvent_currentIndexChanged", Q_ARG(int, index)));
        else
            w.SetChooseIndex(index);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + updates);
        QCOMPARE(DeviceByte(m_Id, 1), count);
        QCOMPARE(DeviceByte(m_Id, 2), current);
        QCOMPARE(w.CurrentLevel(), current);
        QVERIFY(ui->Toggle(current)->isChecked());
        const bool swapped = current != 6;
        const int a = swapped ? 6 : current;
        const int b = swapped ? current : 6;
        // Level current holds what level 6 held, and the other way round.
        QCOMPARE(ui->ValueBox(b)->value(), 100 * (a + 1));
        QCOMPARE(ui->Slider(b)->value(), 100 * (a + 1));
        QCOMPARE(ui->ValueBox(a)->value(), 100 * (b + 1));
        QCOMPARE(w.LevelColor(b), Grey(a));
        QCOMPARE(w.LevelColor(a), Grey(b));
        QVERIFY(ui->ColorButton(b)->styleSheet().contains(Grey(a)));
        QCOMPARE(DeviceByte(m_Id, 15 + 6 * b), 10 + a);
        QCOMPARE(DeviceByte(m_Id, 20 + 6 * b), 3 * a);
        QCOMPARE(DeviceByte(m_Id, 15 + 6 * a), 10 + b);
        const int shown = (index >= 0 && index <= 7) ? index : 7;
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(!ui->Slider(i)->isHidden(), i <= shown);
            QCOMPARE(!ui->Toggle(i)->isHidden(), i <= shown);
        }
    }

    // A checked toggle makes its level current; a colour picked in the
    // dialog goes to the level whose button opened it.
    void dpiToggleAndColour()
    {
        SensorDPIB w;
        Ui_SensorDPIB *ui = w.Form();
        ui->Toggle(5)->click();
        QCOMPARE(DeviceByte(m_Id, 2), 5);
        QCOMPARE(w.CurrentLevel(), 5);
        ui->ColorButton(4)->click();
        QVERIFY(w.ColorDialog()->isVisible());
        QVERIFY(!w.ColorDialog()->isModal());
        emit w.ColorDialog()->colorSelected(QColor(10, 200, 5));
        QCOMPARE(w.LevelColor(4), QStringLiteral("#0ac805"));
        QCOMPARE(DeviceByte(m_Id, 18 + 6 * 4), 10);
        QCOMPARE(DeviceByte(m_Id, 19 + 6 * 4), 200);
        QCOMPARE(DeviceByte(m_Id, 20 + 6 * 4), 5);
        QVERIFY(ui->ColorButton(4)->styleSheet().contains(QLatin1String("background-color:#0ac805;")));
    }

    // Every picture the editor's sheets name is drawn beside the program.
    void dpiPictures()
    {
        SensorDPIB w;
        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        QSet<QString> pictures;
        for (const QWidget *child : w.findChildren<QWidget *>()) {
            auto it = url.globalMatch(child->styleSheet());
            while (it.hasNext())
                pictures << it.next().captured(1);
        }
        QCOMPARE(pictures.size(), 7); // combo face, list, arrows, handle, toggles
        for (const QString &picture : pictures)
            QVERIFY2(QFile::exists(picture), qPrintable(picture));
    }

    // Every slot of the variants has its child: building them leaves no
    // warning of a by-name slot without one.
    void byNameSlotsMatch()
    {
        WarningLog log;
        {
            SensorDPIB dpi;
            SensorEffectB effect;
        }
        for (const QString &message : log.Take())
            QVERIFY2(!message.contains(QLatin1String("connectSlotsByName")), qPrintable(message));
    }
};

ORVIK_TEST_MAIN(TestVariants)
#include "tst_variants.moc"
