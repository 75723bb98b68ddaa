// The sleep-time selectors: the one coding both ways, what the combo and the
// slider send, when they stay quiet, and the slider's number and unit.

#include "TestMain.h"

#include "AlternativeFixture.h"
#include "StopCloseTime.h"
#include "TestState.h"

#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

using namespace AlternativeTest;

namespace {

QComboBox *Combo(StopCloseTime &w)
{
    return w.findChild<QComboBox *>(QStringLiteral("StopClose"));
}

QSlider *Slider(StopCloseTimeB &w)
{
    return w.findChild<QSlider *>(QStringLiteral("StopClose"));
}

QSpinBox *Box(StopCloseTimeB &w)
{
    return w.findChild<QSpinBox *>(QStringLiteral("spinBoxA"));
}

// The user picks an entry of the combo (its list emits activated, also for
// the entry already shown).
void Pick(StopCloseTime &w, int index)
{
    Combo(w)->setCurrentIndex(index);
    QVERIFY(QMetaObject::invokeMethod(Combo(w), "activated", Qt::DirectConnection, Q_ARG(int, index)));
}

// The user drags the handle to position and lets go.
void Drag(StopCloseTimeB &w, std::initializer_list<int> positions)
{
    QSlider *slider = Slider(w);
    slider->setSliderDown(true);
    for (int p : positions)
        slider->setSliderPosition(p);
    slider->setSliderDown(false);
}

} // namespace

class TestSleepTime : public OnSelectedMouse
{
    Q_OBJECT

private slots:
    void coding_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
        const int codes[] = {1, 3, 6, 30, 60, 90, 120, 150, 180, 210, 240};
        const int numbers[] = {10, 30, 1, 5, 10, 15, 20, 25, 30, 35, 40};
        for (int k = 0; k < 11; ++k)
            QTest::addRow("entry %d", k) << k << codes[k] << numbers[k];
    }

    // Index to code and code to index, and what each widget sends for it.
    void coding()
    {
        QFETCH(int, entry);
        QFETCH(int, code);
        QFETCH(int, number);
        QCOMPARE(SleepTime::CodeOfEntry(entry), code);
        QCOMPARE(SleepTime::EntryOfCode(code), entry);
        QCOMPARE(StopCloseTimeB::ValueToNumber(entry + 1), number);

        StopCloseTime combo;
        Pick(combo, entry);
        QCOMPARE(DeviceByte(m_Id, 8), code);

        StopCloseTimeB slider;
        slider.SetCurrentIndex(entry == 0 ? 10 : 0);
        const int before = HIDUsbSim::updateCount(m_Id);
        Drag(slider, {entry + 1});
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 1);
        QCOMPARE(DeviceByte(m_Id, 8), code);
        QCOMPARE(Box(slider)->value(), number);
    }

    void codingOutside()
    {
        QCOMPARE(SleepTime::CodeOfEntry(-1), -1);
        QCOMPARE(SleepTime::CodeOfEntry(11), -1);
        for (int code : {0, 2, 7, 241, 255})
            QCOMPARE(SleepTime::EntryOfCode(code), -1);
        QCOMPARE(StopCloseTimeB::ValueToNumber(0), 10);
        QCOMPARE(StopCloseTimeB::ValueToNumber(12), 40);
    }

    void guards_data()
    {
        QTest::addColumn<bool>("uiReady");
        QTest::addColumn<bool>("filling");
        QTest::addColumn<bool>("sends");
        QTest::newRow("ready") << true << false << true;
        QTest::newRow("lighting page filling") << true << true << false;
        QTest::newRow("not ready") << false << false << false;
    }

    void guards()
    {
        QFETCH(bool, uiReady);
        QFETCH(bool, filling);
        QFETCH(bool, sends);
        StopCloseTime combo;
        StopCloseTimeB slider;
        g_UiReady = uiReady;
        g_LightUiFilling = filling;
        auto offline = OfflineSpy();
        Pick(combo, 4);
        Pick(combo, 4); // the entry already shown, picked again
        Drag(slider, {3, 7});
        QCOMPARE(HIDUsbSim::updateCount(m_Id), sends ? 3 : 0);
        if (sends)
            QCOMPARE(DeviceByte(m_Id, 8), 120);
        QCOMPARE(Combo(combo)->currentIndex(), 4);
        QCOMPARE(Slider(slider)->value(), 7);
        QCOMPARE(offline->count(), 0);
    }

    void setCurrentIndexNeverSends()
    {
        StopCloseTime combo;
        StopCloseTimeB slider;
        for (int k = 0; k < 11; ++k) {
            combo.SetCurrentIndex(k);
            slider.SetCurrentIndex(k);
            QCOMPARE(Combo(combo)->currentIndex(), k);
            QCOMPARE(Slider(slider)->value(), k + 1);
        }
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 0);
    }

    // Dragging from 1 to 11 shows each number with its unit and sends one
    // code on release; letting go where it started sends nothing.
    void sliderDisplay()
    {
        StopCloseTimeB w;
        QCOMPARE(Box(w)->value(), 1);
        QCOMPARE(Box(w)->suffix(), QString());
        w.SetItemText(0, QString::fromUtf8("10秒"));
        w.SetItemText(5, QString::fromUtf8("15分钟"));
        w.SetItemText(3, QStringLiteral("5 min"));
        QCOMPARE(Box(w)->value(), 10);
        QCOMPARE(Box(w)->suffix(), QString::fromUtf8("秒"));

        QSlider *slider = Slider(w);
        slider->setSliderDown(true);
        const QList<int> expected = {10, 30, 1, 5, 10, 15, 20, 25, 30, 35, 40};
        for (int p = 1; p <= 11; ++p) {
            slider->setSliderPosition(p);
            QCOMPARE(Box(w)->value(), expected.at(p - 1));
            QCOMPARE(Box(w)->suffix(), QString::fromUtf8(p <= 2 ? "秒" : "分钟"));
        }
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 0);
        slider->setSliderDown(false);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 1);
        QCOMPARE(DeviceByte(m_Id, 8), 240);

        Drag(w, {4, 11});
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 1);

        w.SetCurrentIndex(2);
        QCOMPARE(Box(w)->value(), 1);
        QCOMPARE(Box(w)->suffix(), QString::fromUtf8("分钟"));
        w.SetItemText(5, QStringLiteral("15 min"));
        QCOMPARE(Box(w)->suffix(), QStringLiteral(" min"));
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 1);
    }

    void comboForm()
    {
        StopCloseTime w;
        QCOMPARE(w.objectName(), QStringLiteral("StopCloseTime"));
        QCOMPARE(Combo(w)->count(), 11);
        QCOMPARE(Combo(w)->itemText(0), QString::fromUtf8("10秒"));
        QCOMPARE(Combo(w)->itemText(10), QString::fromUtf8("40分钟"));
        QCOMPARE(Combo(w)->maxVisibleItems(), 5);
        w.SetItemText(3, QStringLiteral("5 min"));
        QCOMPARE(Combo(w)->itemText(3), QStringLiteral("5 min"));
        StopCloseTimeB b;
        QCOMPARE(b.objectName(), QStringLiteral("StopCloseTimeB"));
        QVERIFY(!Slider(b)->hasTracking());
        QVERIFY(Slider(b)->styleSheet().contains("/Picture/Sensor/HuaKuai.png"));
        QVERIFY(Slider(b)->styleSheet().contains("border-radius:6px"));
    }
};

ORVIK_TEST_MAIN(TestSleepTime)
#include "tst_sleeptime.moc"
