// The lighting page against a selected simulated mouse: what each control
// sends (and when it stays quiet), the layout of each mode, filling from a
// record, the offline path, the colour board with an injected screen grab,
// the reset, the focus rule, the texts of every language and the skin's
// pictures.

#include "TestMain.h"

#include "AlternativeFixture.h"
#include "LampLight.h"
#include "LanguageLoader.h"
#include "ScreenPicker.h"
#include "TestState.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

using namespace AlternativeTest;

Q_DECLARE_METATYPE(FlashDataMap)

namespace {

void Fill(LampLight &page, const FlashDataMap &map, bool slidersEnabled = true)
{
    const char *slot = slidersEnabled ? "SlotUpDataLightUILight" : "SlotUpDataLightUIA";
    QVERIFY(QMetaObject::invokeMethod(&page, slot, Qt::DirectConnection, Q_ARG(FlashDataMap, map)));
}

QColor Spins(LampLight &page)
{
    return QColor(Child<QSpinBox>(page, "RSpinBox")->value(), Child<QSpinBox>(page, "GSpinBox")->value(),
                  Child<QSpinBox>(page, "BSpinBox")->value());
}

QColor DeviceColour(int id)
{
    return QColor(DeviceByte(id, 68), DeviceByte(id, 69), DeviceByte(id, 70));
}

int SelectorIndex(LampLight &page)
{
    return Child<QComboBox>(page, "StopClose")->currentIndex();
}

// A 2 x 2 image whose pixel (0, 0) is colour.
QImage Grab(const QColor &colour)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::gray);
    image.setPixelColor(0, 0, colour);
    return image;
}

void PressOn(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
}

} // namespace

class TestLampLight : public QObject
{
    Q_OBJECT

    int m_Id = 0;

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        m_Id = SelectMouse();
        ScreenPicker::SetGrabberForTest({});
    }

    void cleanup() { ScreenPicker::SetGrabberForTest({}); }

    // Building the page must not switch a connected mouse's light bar off,
    // nor bring the offline notice for an absent one.
    void constructionSendsNothing_data()
    {
        QTest::addColumn<bool>("uiReady");
        QTest::addColumn<bool>("online");
        QTest::newRow("ready, online") << true << true;
        QTest::newRow("ready, offline") << true << false;
        QTest::newRow("not ready") << false << true;
    }

    void constructionSendsNothing()
    {
        QFETCH(bool, uiReady);
        QFETCH(bool, online);
        g_UiReady = uiReady;
        HIDUsbSim::setOnline(m_Id, online);
        auto offline = OfflineSpy();
        const int before = HIDUsbSim::updateCount(m_Id);
        LampLight page;
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        QCOMPARE(offline->count(), 0);
        QCOMPARE(Child<QComboBox>(page, "LightMod")->currentIndex(), 0);
        QCOMPARE(Child<QComboBox>(page, "LightMod")->count(), 6);
        QCOMPARE(page.size(), QSize(883, 630));
        // Mode 0's layout.
        QVERIFY(!Child<QFrame>(page, "line")->isHidden());
        QVERIFY(Child<QWidget>(page, "label_7")->isHidden());
        QVERIFY(Child<QWidget>(page, "horizontalLight")->isHidden());
    }

    void modeLayout_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<bool>("line2");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<int>("byte73");
        QTest::addColumn<int>("byte67");
        QTest::newRow("0 off") << 0 << true << true << false << false << false << 0 << 5;
        QTest::newRow("1 colour flow") << 1 << false << false << false << true << true << 1 << 1;
        QTest::newRow("2 breathing, one colour") << 2 << false << false << true << true << true << 1 << 2;
        QTest::newRow("3 steady mixed") << 3 << false << true << true << true << false << 1 << 3;
        QTest::newRow("4 neon") << 4 << false << false << false << true << true << 1 << 4;
        QTest::newRow("5 breathing mixed") << 5 << false << false << false << true << true << 1 << 5;
    }

    // The user's choice of a mode sends it and lays the page out.
    void modeLayout()
    {
        QFETCH(int, index);
        QFETCH(bool, lines);
        QFETCH(bool, line2);
        QFETCH(bool, colour);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(int, byte73);
        QFETCH(int, byte67);
        LampLight page;
        auto *mode = Child<QComboBox>(page, "LightMod");
        // Start from mode 5, so that switching off shows that byte 67 stays.
        mode->setCurrentIndex(5);
        mode->setCurrentIndex(index);
        QCOMPARE(DeviceByte(m_Id, 73), byte73);
        QCOMPARE(DeviceByte(m_Id, 67), byte67);

        QCOMPARE(!Child<QWidget>(page, "line")->isHidden(), lines);
        QCOMPARE(!Child<QWidget>(page, "line_2")->isHidden(), line2);
        for (const char *name : {"label_6", "label_7", "label_8", "labelPreView", "label_10", "label_11", "label_12",
                                 "ReduceR", "ReduceG", "ReduceB", "RSpinBox", "GSpinBox", "BSpinBox", "AddR", "AddG",
                                 "AddB", "label_13", "toolButtonColorA", "toolButtonColorN"})
            QVERIFY2(!Child<QWidget>(page, name)->isHidden() == colour, name);
        QCOMPARE(!Child<QWidget>(page, "horizontalLight")->isHidden(), brightness);
        QCOMPARE(!Child<QWidget>(page, "LightSpinBox_2")->isHidden(), brightness);
        QCOMPARE(!Child<QWidget>(page, "horizontalSpeed")->isHidden(), speed);
        QCOMPARE(!Child<QWidget>(page, "SpeedSpinBox_2")->isHidden(), speed);
        for (const char *name : {"label", "label_2", "label_3", "label_4", "label_5", "RippeControl", "frameClose"})
            QVERIFY2(!Child<QWidget>(page, name)->isHidden(), name);
    }

    void presetSends_data()
    {
        QTest::addColumn<QColor>("start");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("records");
        QTest::newRow("A from blue: green unchanged") << QColor(0, 0, 255) << "A" << QColor(255, 0, 0) << 2;
        QTest::newRow("K from black: all three") << QColor(0, 0, 0) << "K" << QColor(255, 255, 255) << 3;
        QTest::newRow("H from black") << QColor(0, 0, 0) << "H" << QColor(227, 0, 127) << 2;
        QTest::newRow("N from black") << QColor(0, 0, 0) << "N" << QColor(208, 113, 173) << 3;
        QTest::newRow("same colour again: nothing") << QColor(255, 80, 0) << "F" << QColor(255, 80, 0) << 0;
    }

    void presetSends()
    {
        QFETCH(QColor, start);
        QFETCH(QString, preset);
        QFETCH(QColor, expected);
        QFETCH(int, records);
        LampLight page;
        Fill(page, LightRecord(2, 1, start.red(), start.green(), start.blue(), 0, 0, 0, 6));
        Child<QComboBox>(page, "LightMod")->setCurrentIndex(2);
        const int before = HIDUsbSim::updateCount(m_Id);
        QTest::mouseClick(Child<QToolButton>(page, qPrintable("toolButtonColor" + preset)), Qt::LeftButton);
        QCOMPARE(HIDUsbSim::updateCount(m_Id) - before, records);
        QCOMPARE(Spins(page), expected);
        if (records > 0)
            QCOMPARE(DeviceColour(m_Id), expected);
        QCOMPARE(LampLight::PresetColour(preset.at(0).toLatin1() - 'A'), expected);
        QVERIFY(
            Child<QLabel>(page, "labelPreView")
                ->styleSheet()
                .contains(
                    QStringLiteral("rgb(%1,%2,%3)").arg(expected.red()).arg(expected.green()).arg(expected.blue())));
    }

    // The presets are checkable but only exclusive once the page's button
    // group holds them.
    void presetButtonGroup()
    {
        LampLight page;
        Fill(page, LightRecord(2, 1, 0, 0, 0, 0, 0, 0, 6));
        auto *a = Child<QToolButton>(page, "toolButtonColorA");
        auto *b = Child<QToolButton>(page, "toolButtonColorB");
        QTest::mouseClick(a, Qt::LeftButton);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(a->isChecked() && b->isChecked());
        page.InitButtonGroup();
        QTest::mouseClick(a, Qt::LeftButton);
        QTest::mouseClick(Child<QToolButton>(page, "toolButtonColorC"), Qt::LeftButton);
        QVERIFY(!a->isChecked() && !b->isChecked());
        QVERIFY(Child<QToolButton>(page, "toolButtonColorC")->isChecked());
        QCOMPARE(Spins(page), QColor(0, 255, 0));
    }

    void stepButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("start");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("records");
        QTest::newRow("AddR at 255") << "AddR" << QColor(255, 1, 2) << QColor(255, 1, 2) << 0;
        QTest::newRow("ReduceR at 0") << "ReduceR" << QColor(0, 1, 2) << QColor(0, 1, 2) << 0;
        QTest::newRow("AddG") << "AddG" << QColor(0, 10, 2) << QColor(0, 11, 2) << 1;
        QTest::newRow("ReduceB") << "ReduceB" << QColor(0, 10, 2) << QColor(0, 10, 1) << 1;
    }

    void stepButtons()
    {
        QFETCH(QString, button);
        QFETCH(QColor, start);
        QFETCH(QColor, expected);
        QFETCH(int, records);
        LampLight page;
        Fill(page, LightRecord(2, 1, start.red(), start.green(), start.blue(), 0, 0, 0, 6));
        const int before = HIDUsbSim::updateCount(m_Id);
        QTest::mouseClick(Child<QToolButton>(page, qPrintable(button)), Qt::LeftButton);
        QCOMPARE(HIDUsbSim::updateCount(m_Id) - before, records);
        QCOMPARE(Spins(page), expected);
        if (records > 0)
            QCOMPARE(DeviceColour(m_Id), expected);
    }

    void sliderRelease_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("byte");
        QTest::newRow("brightness") << "horizontalLight"
                                    << "LightSpinBox_2" << 72;
        QTest::newRow("speed") << "horizontalSpeed"
                               << "SpeedSpinBox_2" << 71;
    }

    // A drag only moves the number beside the slider; the release sends
    // level - 1; a click beside the handle sends at once.
    void sliderRelease()
    {
        QFETCH(QString, slider);
        QFETCH(QString, box);
        QFETCH(int, byte);
        LampLight page;
        Fill(page, LightRecord(2, 1, 0, 0, 0, 2, 2, 0, 6));
        auto *s = Child<QSlider>(page, qPrintable(slider));
        auto *b = Child<QSpinBox>(page, qPrintable(box));
        QCOMPARE(s->value(), 3);
        const int before = HIDUsbSim::updateCount(m_Id);
        s->setSliderDown(true);
        s->setSliderPosition(6);
        s->setSliderPosition(7);
        QCOMPARE(b->value(), 7);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        s->setSliderDown(false);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 1);
        QCOMPARE(DeviceByte(m_Id, byte), 6);
        s->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 2);
        QCOMPARE(DeviceByte(m_Id, byte), 7);
        QCOMPARE(b->value(), 8);
        // Released where it started: nothing.
        s->setSliderDown(true);
        s->setSliderPosition(5);
        s->setSliderPosition(8);
        s->setSliderDown(false);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before + 2);
    }

    void lightsOffWhileMoving()
    {
        LampLight page;
        auto *button = Child<QToolButton>(page, "RippeControl");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QCOMPARE(DeviceByte(m_Id, 11), 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isChecked());
        QCOMPARE(DeviceByte(m_Id, 11), 0);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 2);
    }

    void fillFromRecord_data()
    {
        QTest::addColumn<FlashDataMap>("map");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<int>("selector");
        QTest::newRow("neon, 5 min") << LightRecord(4, 1, 10, 20, 30, 0, 9, 1, 30) << 4 << QColor(10, 20, 30) << 10 << 1
                                     << true << 3;
        QTest::newRow("bar off whatever the mode")
            << LightRecord(3, 0, 1, 2, 3, 4, 5, 0, 240) << 0 << QColor(1, 2, 3) << 6 << 5 << false << 10;
        QTest::newRow("10 s") << LightRecord(2, 1, 255, 0, 0, 9, 0, 0, 1) << 2 << QColor(255, 0, 0) << 1 << 10 << false
                              << 0;
        QTest::newRow("brightness byte 255 shows 10")
            << LightRecord(1, 1, 0, 0, 0, 255, 255, 0, 6) << 1 << QColor(0, 0, 0) << 10 << 10 << false << 2;
        QTest::newRow("sleep byte not in the table")
            << LightRecord(5, 1, 0, 0, 9, 0, 0, 1, 7) << 5 << QColor(0, 0, 9) << 1 << 1 << true << 4;
        QTest::newRow("mode 7 with the bar on: no entry")
            << LightRecord(7, 1, 0, 0, 9, 0, 0, 1, 90) << -1 << QColor(0, 0, 9) << 1 << 1 << true << 5;
    }

    // Filling shows bytes 67..73, 11 and 8 and sends nothing, with the
    // refresh guard open and the mouse online.
    void fillFromRecord()
    {
        QFETCH(FlashDataMap, map);
        QFETCH(int, mode);
        QFETCH(QColor, colour);
        QFETCH(int, brightness);
        QFETCH(int, speed);
        QFETCH(bool, switchOn);
        QFETCH(int, selector);
        LampLight page;
        // Start from the reset's mode 1 and the selector at 10 min, so that the
        // rows with an unknown byte show what stays.
        QVERIFY(QMetaObject::invokeMethod(&page, "SlotFormResetLight", Qt::DirectConnection));
        Child<QWidget>(page, "frameClose")->findChild<QComboBox *>()->setCurrentIndex(4);
        auto offline = OfflineSpy();
        const int before = HIDUsbSim::updateCount(m_Id);
        Fill(page, map);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        QCOMPARE(offline->count(), 0);
        QVERIFY(!g_LightUiFilling);

        QCOMPARE(Child<QComboBox>(page, "LightMod")->currentIndex(), mode);
        QCOMPARE(Spins(page), colour);
        QCOMPARE(Child<QSlider>(page, "horizontalLight")->value(), brightness);
        QCOMPARE(Child<QSpinBox>(page, "LightSpinBox_2")->value(), brightness);
        QCOMPARE(Child<QSlider>(page, "horizontalSpeed")->value(), speed);
        QCOMPARE(Child<QSpinBox>(page, "SpeedSpinBox_2")->value(), speed);
        QCOMPARE(Child<QToolButton>(page, "RippeControl")->isChecked(), switchOn);
        QCOMPARE(SelectorIndex(page), selector);
        QVERIFY(
            Child<QLabel>(page, "labelPreView")
                ->styleSheet()
                .contains(QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue())));
        if (mode == -1) // an unknown mode leaves the layout of the mode before (1)
            QVERIFY(Child<QWidget>(page, "label_7")->isHidden()
                    && !Child<QWidget>(page, "horizontalSpeed")->isHidden());
    }

    void fillVariantsEnableSliders()
    {
        LampLight page;
        Fill(page, LightRecord(1, 1, 0, 0, 0, 0, 0, 0, 6), false);
        QVERIFY(!Child<QSlider>(page, "horizontalLight")->isEnabled());
        QVERIFY(!Child<QSlider>(page, "horizontalSpeed")->isEnabled());
        Fill(page, LightRecord(1, 1, 0, 0, 0, 0, 0, 0, 6), true);
        QVERIFY(Child<QSlider>(page, "horizontalLight")->isEnabled());
        QVERIFY(Child<QSlider>(page, "horizontalSpeed")->isEnabled());
    }

    void resetSendsNothing_data()
    {
        QTest::addColumn<bool>("uiReady");
        QTest::newRow("ready") << true;
        QTest::newRow("not ready") << false;
    }

    void resetSendsNothing()
    {
        QFETCH(bool, uiReady);
        LampLight page;
        Fill(page, LightRecord(3, 1, 1, 2, 3, 0, 0, 0, 240));
        g_UiReady = uiReady;
        auto offline = OfflineSpy();
        const int before = HIDUsbSim::updateCount(m_Id);
        QVERIFY(QMetaObject::invokeMethod(&page, "SlotFormResetLight", Qt::DirectConnection));
        QCOMPARE(HIDUsbSim::updateCount(m_Id), before);
        QCOMPARE(offline->count(), 0);
        QVERIFY(!g_LightUiFilling);
        QCOMPARE(Child<QComboBox>(page, "LightMod")->currentIndex(), 1);
        QCOMPARE(Child<QSlider>(page, "horizontalLight")->value(), 10);
        QCOMPARE(Child<QSlider>(page, "horizontalSpeed")->value(), 8);
        QCOMPARE(Child<QSpinBox>(page, "LightSpinBox_2")->value(), 10);
        QCOMPARE(Child<QSpinBox>(page, "SpeedSpinBox_2")->value(), 8);
        QVERIFY(Child<QToolButton>(page, "RippeControl")->isChecked());
        QCOMPARE(SelectorIndex(page), 2);
        QCOMPARE(Spins(page), QColor(1, 2, 3));
    }

    void notReadyChangesOnlyThePage()
    {
        LampLight page;
        Fill(page, LightRecord(2, 1, 0, 0, 0, 0, 0, 0, 6));
        g_UiReady = false;
        HIDUsbSim::setOnline(m_Id, false);
        auto offline = OfflineSpy();
        QTest::mouseClick(Child<QToolButton>(page, "toolButtonColorC"), Qt::LeftButton);
        QTest::mouseClick(Child<QToolButton>(page, "AddR"), Qt::LeftButton);
        QTest::mouseClick(Child<QToolButton>(page, "RippeControl"), Qt::LeftButton);
        Child<QSlider>(page, "horizontalLight")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        Child<QComboBox>(page, "LightMod")->setCurrentIndex(4);
        QCOMPARE(Spins(page), QColor(1, 255, 0));
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 0);
        QCOMPARE(offline->count(), 0);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_GetDeviceOnLine"), 0);
    }

    void offlineGuard_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("preset") << "toolButtonColorA";
        QTest::newRow("step") << "AddB";
        QTest::newRow("colour board") << "label_7";
    }

    // The step buttons, presets and the colour board ask first: an offline
    // mouse brings one offline notice and the colour stays.
    void offlineGuard()
    {
        QFETCH(QString, control);
        ScreenPicker::SetGrabberForTest([](const QPoint &) { return Grab(QColor(9, 8, 7)); });
        LampLight page;
        Fill(page, LightRecord(2, 1, 1, 2, 3, 0, 0, 0, 6));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        HIDUsbSim::setOnline(m_Id, false);
        auto offline = OfflineSpy();
        PressOn(Child<QWidget>(page, qPrintable(control)));
        QCOMPARE(offline->count(), 1);
        QCOMPARE(offline->at(0).at(0).toInt(), 0);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 0);
        QCOMPARE(Spins(page), QColor(1, 2, 3));
    }

    // An offline write leaves the widget in its new state: the setter brings
    // the notice and writes nothing; the next refresh puts the widget right.
    void offlineWriteKeepsTheWidget()
    {
        LampLight page;
        Fill(page, LightRecord(2, 1, 1, 2, 3, 0, 0, 0, 6));
        HIDUsbSim::setOnline(m_Id, false);
        auto offline = OfflineSpy();
        Child<QSlider>(page, "horizontalLight")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(offline->count(), 1);
        QCOMPARE(HIDUsbSim::updateCount(m_Id), 0);
        QCOMPARE(Child<QSpinBox>(page, "LightSpinBox_2")->value(), 2);
        Fill(page, LightRecord(2, 1, 1, 2, 3, 0, 0, 0, 6));
        QCOMPARE(Child<QSpinBox>(page, "LightSpinBox_2")->value(), 1);
        QCOMPARE(offline->count(), 1);
    }

    void colourBoard_data()
    {
        QTest::addColumn<bool>("grabbed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("records");
        QTest::newRow("picked") << true << 2 << QColor(12, 200, 99) << 3;
        QTest::newRow("no image: colour kept") << false << 2 << QColor(1, 2, 3) << 0;
        QTest::newRow("board hidden in mode 1") << true << 1 << QColor(1, 2, 3) << 0;
    }

    void colourBoard()
    {
        QFETCH(bool, grabbed);
        QFETCH(int, mode);
        QFETCH(QColor, expected);
        QFETCH(int, records);
        int grabs = 0;
        ScreenPicker::SetGrabberForTest([&grabs, grabbed](const QPoint &) {
            ++grabs;
            return grabbed ? Grab(QColor(12, 200, 99)) : QImage();
        });
        LampLight page;
        Fill(page, LightRecord(mode, 1, 1, 2, 3, 0, 0, 0, 6));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const int before = HIDUsbSim::updateCount(m_Id);
        auto offline = OfflineSpy();
        PressOn(Child<QWidget>(page, "label_7"));
        QCOMPARE(grabs, mode == 2 ? 1 : 0);
        QCOMPARE(Spins(page), expected);
        QCOMPARE(HIDUsbSim::updateCount(m_Id) - before, records);
        QCOMPARE(offline->count(), 0);
        if (records > 0)
            QCOMPARE(DeviceColour(m_Id), expected);
    }

    // A click into a colour box gives it the focus and it keeps it (the
    // press also reaches the page); a press on the empty page takes the
    // focus from it; the second press of a double click does nothing.
    void focusRule()
    {
        LampLight page;
        Fill(page, LightRecord(2, 1, 1, 2, 3, 0, 0, 0, 6));
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        int grabs = 0;
        ScreenPicker::SetGrabberForTest([&grabs](const QPoint &) {
            ++grabs;
            return Grab(QColor(40, 50, 60));
        });
        auto *red = Child<QSpinBox>(page, "RSpinBox");
        QTest::mouseClick(red, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(red->hasFocus());
        // Typed into the box, the value reaches the mouse.
        QTest::keyClick(red, Qt::Key_End);
        QTest::keyClicks(red, "9");
        QCOMPARE(red->value(), 19);
        QCOMPARE(DeviceColour(m_Id), QColor(19, 2, 3));

        // The second press of a double click on the colour board.
        auto *board = Child<QLabel>(page, "label_7");
        const QPoint onBoard = board->mapTo(&page, QPoint(10, 10));
        QMouseEvent second(QEvent::MouseButtonDblClick, onBoard, page.mapToGlobal(onBoard), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&page, &second);
        QVERIFY(red->hasFocus());
        QCOMPARE(grabs, 0);
        QCOMPARE(Spins(page), QColor(19, 2, 3));

        // A press on the empty page.
        QTest::mouseClick(Child<QFrame>(page, "LightPage"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QVERIFY(!red->hasFocus());
        QVERIFY(page.hasFocus());
        QCOMPARE(grabs, 0);
    }

    void languages_data()
    {
        QTest::addColumn<int>("language");
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(LanguageLoader::FileName(i))) << i;
    }

    // Every language file carries the whole section, and each text reaches
    // its widget.
    void languages()
    {
        QFETCH(int, language);
        QStringList children = {"label",   "label_2",  "label_3",  "label_4",  "label_5", "label_6",
                                "label_8", "label_10", "label_11", "label_12", "label_13"};
        for (int i = 0; i < 6; ++i)
            children << (i == 0 ? QStringLiteral("LightMod") : QStringLiteral("LightMod%1").arg(i));
        for (int i = 0; i < 11; ++i)
            children << (i == 0 ? QStringLiteral("StopCloseTime") : QStringLiteral("StopCloseTime%1").arg(i));
        QHash<QString, QString> texts;
        LanguageLoader::KeyTable keys;
        for (const QString &child : children)
            keys.insert(child, [&texts, child](const QString &t) { texts[child] = t; });
        LanguageReaderPtr reader;
        QVERIFY(LanguageLoader::Load(language, "Light", keys, reader));
        QCOMPARE(texts.size(), children.size());

        LampLight page;
        QVERIFY(QMetaObject::invokeMethod(&page, "SlotChangeLanguage", Qt::DirectConnection, Q_ARG(int, language)));
        for (const char *name : {"label", "label_2", "label_3", "label_4", "label_5", "label_6", "label_8", "label_10",
                                 "label_11", "label_12", "label_13"}) {
            QVERIFY(!texts.value(name).isEmpty());
            QCOMPARE(Child<QLabel>(page, name)->text(), texts.value(name));
        }
        auto *mode = Child<QComboBox>(page, "LightMod");
        QCOMPARE(mode->itemText(0), texts.value("LightMod"));
        QCOMPARE(mode->itemText(5), texts.value("LightMod5"));
        auto *selector = Child<QComboBox>(page, "StopClose");
        QCOMPARE(selector->itemText(0), texts.value("StopCloseTime"));
        QCOMPARE(selector->itemText(10), texts.value("StopCloseTime10"));
        // Our own wording, not the form's built-in text.
        QVERIFY(mode->itemText(1) != QString::fromUtf8("彩色流动"));
    }

    // Every picture the page's style sheets name is installed.
    void picturesExist()
    {
        LampLight page;
        QStringList sheets;
        sheets << page.styleSheet();
        for (QWidget *w : page.findChildren<QWidget *>())
            sheets << w->styleSheet();
        QComboBox *mode = Child<QComboBox>(page, "LightMod");
        sheets << mode->view()->styleSheet();
        const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        int found = 0;
        for (const QString &sheet : sheets) {
            auto it = url.globalMatch(sheet);
            while (it.hasNext()) {
                const QString file = it.next().captured(1);
                QVERIFY2(QFileInfo::exists(file), qPrintable(file));
                QVERIFY2(file.startsWith(QCoreApplication::applicationDirPath() + "/Picture/Light/"), qPrintable(file));
                ++found;
            }
        }
        QVERIFY(found >= 14 + 10);
    }

    // Pictures of the page for a person to look at, in English and in
    // Russian (the longest texts), with the colour controls shown.
    void screenshots_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Russian") << 3;
    }

    void screenshots()
    {
        QFETCH(int, language);
        LampLight page;
        page.setStyleSheet("LampLight{background-color: rgb(24, 26, 31);}");
        page.setAttribute(Qt::WA_StyledBackground, true);
        QVERIFY(QMetaObject::invokeMethod(&page, "SlotChangeLanguage", Qt::DirectConnection, Q_ARG(int, language)));
        Fill(page, LightRecord(2, 1, 46, 166, 223, 4, 7, 1, 30));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QImage image = page.grab().toImage();
        const QString file = OrvikTest::outputDir("screenshots")
            + QString("/LampLight-%1.png").arg(LanguageLoader::FileName(language).section('-', 1).section('.', 0, 0));
        QVERIFY(image.save(file));
        // The colour board's picture is drawn: its left and middle differ.
        const QRect board = Child<QLabel>(page, "label_7")->geometry();
        QVERIFY(image.pixel(board.left() + 5, board.center().y()) != image.pixel(board.center()));
    }

    // The skin takes its colours from Config.ini.
    void skinColours()
    {
        LampLight page;
        QVERIFY(Child<QLabel>(page, "label")->styleSheet().contains("rgb(230,230,230;)"));
        QVERIFY(Child<QSlider>(page, "horizontalLight")->styleSheet().contains("rgb(0,170,255;)"));
        QVERIFY(Child<QSpinBox>(page, "RSpinBox")->styleSheet().contains("rgb(120,120,120;)"));
        QVERIFY(
            Child<QComboBox>(page, "LightMod")->styleSheet().contains("selection-background-color: rgb(0,120,215)"));
        QCOMPARE(Child<QComboBox>(page, "LightMod")->maxVisibleItems(), 5);
    }
};

ORVIK_TEST_MAIN(TestLampLight)
#include "tst_lamplight.moc"
