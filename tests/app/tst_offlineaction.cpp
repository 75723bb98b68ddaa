// An action begun while the mouse is offline is never carried out later.
//
// On every kind of control the pages have, the user acts while the mouse is
// offline; the offline notice opens, and the mouse comes back while it is up,
// so the notice closes by itself and the read of the returned mouse runs.
// Whatever of the action is still to come then (the page's second handler of
// the same click, the drag and release after a press) must not reach the
// mouse or the receiver, and once the read has run the page shows what the
// mouse holds.

#include "TestMain.h"
#include "WindowStart.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "DebounceTime.h"
#include "DialogForm.h"
#include "FireKey.h"
#include "FormSetting.h"
#include "MouseOffLine.h"
#include "MyConmboBox.h"
#include "MySlider.h"
#include "OfflineAction.h"
#include "Sensor.h"
#include "SensorDPI.h"
#include "SensorDPIForm.h"
#include "SensorEffect.h"
#include "SensorEffectForm.h"
#include "SensorForm.h"
#include "SensorLOD.h"
#include "SensorRate.h"
#include "SensorSwitch.h"
#include "UserPaths.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cstring>

using namespace OrvikTest;

namespace {

// The kinds of control, one row each.
enum class Control {
    RateButton,
    Switch,
    PerformanceSwitch,
    LiftOffList,
    EffectList,
    BrightnessDrag,
    DpiLevel,
    DpiPlus,
    DpiSliderDrag,
    DpiIndicatorDrag,
    DpiCountList,
    FunctionItem,
    FireKeyTyped,
    MacroBinding,
    DebounceList,
    ReceiverLighting,
    LongRange,
    LongRangeOff,
};

// The library calls that carry a change to the mouse or the receiver.
const QStringList kWrites{"ProtocolDataUpdate", "UsbServer_SetCurrentConfig", "UsbServer_SetClearSetting",
                          "UsbFinderC_Set4KDongleRGB", "UsbFinderC_SetLongRangeMode"};

} // namespace

Q_DECLARE_METATYPE(Control)

class TestOfflineAction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void actionBegunOfflineIsDropped_data();
    void actionBegunOfflineIsDropped();
    void heldPressEndsWithItsRelease();

private:
    // What the page shows for the control (compared before and after).
    QVariant Shown(Control control) const;
    void Act(Control control);
    QWidget *PageOf(Control control) const;
    QToolButton *MacroButton(const QString &text) const;
    // Picks a list entry as the user does: the list opens, the entry is clicked.
    static void PickFromList(QComboBox *combo, int index);
    static void Drag(QWidget *widget, QPoint from, QPoint to);

    DialogMain *m_Window = nullptr;
    Sensor *m_Sensor = nullptr;
    Buttoninterface *m_Buttons = nullptr;
    FormSetting *m_Settings = nullptr;
    int m_Mouse = 0;
    QByteArray m_Record;
};

void TestOfflineAction::initTestCase()
{
    HIDUsbSim::DeviceSetup rx = HIDUsbSim::sampleReceiverMouse("rx", "m1");
    rx.dongleRgb = QByteArray("\x03\x10\x20\x30\x40\x50\x60\x70\x80\x90", 10);
    rx.longRange = true;
    QVERIFY(StartOnOneMouse(rx, &m_Window, &m_Mouse));
    m_Sensor = m_Window->MainFramePage()->SensorPage();
    m_Buttons = m_Window->MainFramePage()->ButtonPage();
    m_Settings = m_Window->MainFramePage()->SettingPage();
    // A macro file for the binding row.
    QFile macro(UserPaths::macroPageFolder() + "/m1.ini");
    QVERIFY(macro.open(QIODevice::WriteOnly));
    macro.write("253\n0x04 1 0\n10ms\n0x04 1 1\n");
    macro.close();
    m_Buttons->SlotAddMacroButton();
    m_Record = HIDUsbSim::storedRecord(m_Mouse);
    QCOMPARE(m_Record.size(), int(sizeof(FlashDataMap)));
}

void TestOfflineAction::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, true));
    QTRY_VERIFY_WITH_TIMEOUT(!m_Window->MainFramePage()->ApplyDialog()->isVisible(), 20000);
}

QWidget *TestOfflineAction::PageOf(Control control) const
{
    switch (control) {
    case Control::FunctionItem:
    case Control::FireKeyTyped:
    case Control::MacroBinding:
    case Control::DebounceList:
        return m_Buttons;
    case Control::ReceiverLighting:
    case Control::LongRange:
    case Control::LongRangeOff:
        return m_Settings;
    default:
        return m_Sensor;
    }
}

QToolButton *TestOfflineAction::MacroButton(const QString &text) const
{
    for (QToolButton *b : m_Buttons->MacroButtons())
        if (b->text() == text && b->isEnabled())
            return b;
    return nullptr;
}

QVariant TestOfflineAction::Shown(Control control) const
{
    Ui_Sensor *s = m_Sensor->Form();
    Ui_SensorDPI *dpi = s->frameDpi->Form();
    Ui_Buttoninterface *b = m_Buttons->Form();
    switch (control) {
    case Control::RateButton:
        return s->frameRate->CheckedIndex();
    case Control::Switch:
        return s->frame->SwitchButton()->isChecked();
    case Control::PerformanceSwitch:
        return s->Performance->isChecked();
    case Control::LiftOffList:
        return s->frameLOD->Combo()->currentIndex();
    case Control::EffectList:
        return s->frameEffect->Form()->Model->currentIndex();
    case Control::BrightnessDrag:
        return s->frameEffect->Form()->LightH->value();
    case Control::DpiLevel:
    case Control::DpiIndicatorDrag:
        return QVariantList{s->frameDpi->CurrentLevel(), dpi->label_8->pos()};
    case Control::DpiPlus:
    case Control::DpiSliderDrag: {
        QVariantList texts{dpi->horizontalSliderC->value()};
        for (int i = 0; i < 8; ++i)
            texts << dpi->LevelButton(i)->text();
        return texts;
    }
    case Control::DpiCountList:
        return dpi->ChooseEvent->currentIndex();
    case Control::FunctionItem:
    case Control::FireKeyTyped:
    case Control::MacroBinding: {
        QVariantList shown{b->RightKey->text()};
        for (int type : m_Buttons->KeyTypes())
            shown << type;
        return shown;
    }
    case Control::DebounceList:
        return b->DebunceButton->Combo()->currentIndex();
    case Control::ReceiverLighting: {
        QVariantList boxes;
        for (const char *name : {"ReUntil", "ReUntil_2", "ReUntil_3"})
            boxes << m_Settings->findChild<QCheckBox *>(name)->isChecked();
        return boxes;
    }
    case Control::LongRange:
    case Control::LongRangeOff:
        return m_Settings->findChild<QCheckBox *>("checkBox_2")->isChecked();
    }
    return QVariant();
}

void TestOfflineAction::PickFromList(QComboBox *combo, int index)
{
    // The list opens on a click; the entry is reached with the arrow keys
    // and taken with Return (a click into a list that has just opened is
    // ignored by the list for a double-click interval).
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const int from = combo->currentIndex();
    for (int i = from; i < index; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    for (int i = from; i > index; --i)
        QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
}

void TestOfflineAction::Drag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

void TestOfflineAction::Act(Control control)
{
    Ui_Sensor *s = m_Sensor->Form();
    Ui_SensorDPI *dpi = s->frameDpi->Form();
    Ui_Buttoninterface *b = m_Buttons->Form();
    switch (control) {
    case Control::RateButton:
        QTest::mouseClick(s->frameRate->RateButton(2), Qt::LeftButton); // 500 Hz
        break;
    case Control::Switch:
        QTest::mouseClick(s->frame->SwitchButton(), Qt::LeftButton);
        break;
    case Control::PerformanceSwitch:
        QTest::mouseClick(s->Performance, Qt::LeftButton, Qt::NoModifier, QPoint(8, s->Performance->height() / 2));
        break;
    case Control::LiftOffList:
        PickFromList(s->frameLOD->Combo(), s->frameLOD->Combo()->currentIndex() == 0 ? 1 : 0);
        break;
    case Control::EffectList: {
        QComboBox *combo = s->frameEffect->Form()->Model;
        PickFromList(combo, combo->currentIndex() == 2 ? 1 : 2);
        break;
    }
    case Control::BrightnessDrag: {
        // Taken by its handle: the first step of the drag meets the notice.
        QSlider *slider = s->frameEffect->Form()->LightH;
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.subControls = QStyle::SC_All;
        QPoint handle(-1, slider->height() / 2);
        for (int x = 0; x < slider->width() && handle.x() < 0; ++x)
            if (slider->style()->hitTestComplexControl(QStyle::CC_Slider, &option, QPoint(x, handle.y()), slider)
                == QStyle::SC_SliderHandle)
                handle.setX(x + 2);
        QVERIFY(handle.x() >= 0);
        const int far = handle.x() < slider->width() / 2 ? slider->width() - 2 : 2;
        Drag(slider, handle, QPoint(far, handle.y()));
        break;
    }
    case Control::DpiLevel:
        QTest::mouseClick(dpi->LevelButton(s->frameDpi->CurrentLevel() == 2 ? 1 : 2), Qt::LeftButton);
        break;
    case Control::DpiPlus:
        QTest::mouseClick(dpi->AddLevelA, Qt::LeftButton);
        break;
    case Control::DpiSliderDrag: {
        MySlider *slider = dpi->horizontalSliderC;
        const int y = slider->height() / 2;
        Drag(slider, QPoint(slider->width() / 4, y), QPoint(slider->width() * 3 / 4, y));
        break;
    }
    case Control::DpiIndicatorDrag:
        Drag(s->frameDpi, QPoint(42, 169), QPoint(110, 169));
        break;
    case Control::DpiCountList: {
        QComboBox *combo = dpi->ChooseEvent;
        PickFromList(combo, combo->currentIndex() == 1 ? 2 : 1);
        break;
    }
    case Control::FunctionItem:
        QTest::mouseClick(b->RightKey, Qt::LeftButton);
        QTRY_COMPARE(b->stackedWidget_2->currentWidget(), b->page_9);
        QTest::mouseClick(b->VolumeUp_8, Qt::LeftButton);
        break;
    case Control::FireKeyTyped: {
        // The values are typed while the mouse still answers; it goes
        // offline before they are confirmed.
        QTest::mouseClick(b->RightKey, Qt::LeftButton);
        QTRY_COMPARE(b->stackedWidget_2->currentWidget(), b->page_9);
        bool typed = false;
        WatchPtr typing = Watch([&] {
            auto *dialog = qobject_cast<FireKey *>(QApplication::activeModalWidget());
            if (!dialog || typed)
                return;
            typed = true;
            for (const char *name : {"Time", "Count"}) {
                QSpinBox *box = dialog->findChild<QSpinBox *>(name);
                box->setFocus();
                box->selectAll();
                QTest::keyClicks(box, name == QByteArray("Time") ? "50" : "1");
            }
            HIDUsbSim::setOnline(m_Mouse, false);
            QTest::mouseClick(dialog->findChild<QToolButton *>("NewHong"), Qt::LeftButton);
        });
        QTest::mouseClick(b->DPI_6, Qt::LeftButton);
        QVERIFY(typed);
        break;
    }
    case Control::MacroBinding: {
        QTest::mouseClick(b->RightKey, Qt::LeftButton);
        QTest::mouseClick(b->DPI_10, Qt::LeftButton);
        QToolButton *macro = MacroButton("m1");
        QVERIFY(macro);
        QTest::mouseClick(macro, Qt::LeftButton);
        break;
    }
    case Control::DebounceList: {
        MyConmboBox *combo = b->DebunceButton->Combo();
        PickFromList(combo, combo->currentIndex() == 1 ? 2 : 1);
        break;
    }
    case Control::ReceiverLighting:
        QTest::mouseClick(m_Settings->findChild<QCheckBox *>("ReUntil"), Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));
        break;
    case Control::LongRange:
    case Control::LongRangeOff: {
        QCheckBox *box = m_Settings->findChild<QCheckBox *>("checkBox_2");
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        break;
    }
    }
}

void TestOfflineAction::actionBegunOfflineIsDropped_data()
{
    QTest::addColumn<Control>("control");
    QTest::newRow("sensor: rate button of a group") << Control::RateButton;
    QTest::newRow("sensor: ripple on/off switch") << Control::Switch;
    QTest::newRow("sensor: full-performance switch") << Control::PerformanceSwitch;
    QTest::newRow("sensor: lift-off list") << Control::LiftOffList;
    QTest::newRow("sensor: LED effect list") << Control::EffectList;
    QTest::newRow("sensor: brightness slider pressed and dragged") << Control::BrightnessDrag;
    QTest::newRow("DPI bar: level button") << Control::DpiLevel;
    QTest::newRow("DPI bar: plus button") << Control::DpiPlus;
    QTest::newRow("DPI bar: value slider pressed and dragged") << Control::DpiSliderDrag;
    QTest::newRow("DPI bar: level marker dragged") << Control::DpiIndicatorDrag;
    QTest::newRow("DPI bar: level count list") << Control::DpiCountList;
    QTest::newRow("buttons: function menu item") << Control::FunctionItem;
    QTest::newRow("buttons: fire key with typed values") << Control::FireKeyTyped;
    QTest::newRow("buttons: macro binding") << Control::MacroBinding;
    QTest::newRow("buttons: debounce list") << Control::DebounceList;
    QTest::newRow("settings: receiver lighting mode") << Control::ReceiverLighting;
    QTest::newRow("settings: long-range switch, receiver holding on") << Control::LongRange;
    QTest::newRow("settings: long-range switch, receiver holding off") << Control::LongRangeOff;
}

void TestOfflineAction::actionBegunOfflineIsDropped()
{
    QFETCH(Control, control);
    QWidget *page = PageOf(control);
    Ui_Dialog *frame = m_Window->MainFramePage()->Form();
    QToolButton *nav = page == m_Sensor ? frame->SensorButton
        : page == m_Buttons             ? frame->ButtonMain
                                        : frame->FormSetting;
    QTest::mouseClick(nav, Qt::LeftButton);
    QTRY_VERIFY(page->isVisible());
    QTest::mouseClick(m_Buttons, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // no menu open
    QVERIFY(HIDUsbSim::waitIdle());

    QCheckBox *longRangeBox = m_Settings->findChild<QCheckBox *>("checkBox_2");
    if ((control == Control::LongRange || control == Control::LongRangeOff)
        && longRangeBox->isChecked() != (control == Control::LongRange)) {
        // Set online first, as the row wants the receiver to hold it.
        QTest::mouseClick(longRangeBox, Qt::LeftButton, Qt::NoModifier, QPoint(8, longRangeBox->height() / 2));
        QCOMPARE(HIDUsbSim::longRange(m_Mouse), control == Control::LongRange);
    }
    const QVariant before = Shown(control);
    const QByteArray stored = HIDUsbSim::storedRecord(m_Mouse);
    const QByteArray rgb = HIDUsbSim::dongleRgb(m_Mouse);
    const bool longRange = HIDUsbSim::longRange(m_Mouse);

    if (control != Control::FireKeyTyped)
        QVERIFY(HIDUsbSim::setOnline(m_Mouse, false));
    HIDUsbSim::clearCalls();
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    int notices = 0;
    bool waitShown = false;
    QStringList callsWhileOffline;
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        QWidget *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget());
        if (!notice || notice->property("counted").toBool())
            return;
        notice->setProperty("counted", true);
        if (notices++ == 0) {
            // Back while the notice is up: the notice closes by itself.
            callsWhileOffline = HIDUsbSim::calls();
            HIDUsbSim::clearCalls();
            HIDUsbSim::setOnline(m_Mouse, true);
        }
    });
    Act(control);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(notices > 0, "the offline notice opened");
    QCOMPARE(notices, 1);

    // The read of the returned mouse runs to its end.
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    QVERIFY(HIDUsbSim::waitIdle());
    watch.reset();

    for (const QString &call : HIDUsbSim::calls() + callsWhileOffline)
        for (const QString &write : kWrites)
            QVERIFY2(!call.startsWith(write), qPrintable("sent to the device: " + call));
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), stored);
    QCOMPARE(HIDUsbSim::dongleRgb(m_Mouse), rgb);
    QCOMPARE(HIDUsbSim::longRange(m_Mouse), longRange);
    QCOMPARE(Shown(control), before);
}

// A press that met the notice and is still held when the mouse is back: its
// drag changes nothing, its release ends it, and the next click is sent.
void TestOfflineAction::heldPressEndsWithItsRelease()
{
    QTest::mouseClick(m_Window->MainFramePage()->Form()->SensorButton, Qt::LeftButton);
    QTRY_VERIFY(m_Sensor->isVisible());
    Ui_Sensor *s = m_Sensor->Form();
    MySlider *slider = s->frameDpi->Form()->horizontalSliderC;
    const int y = slider->height() / 2;
    const int value = slider->value();
    const QByteArray stored = HIDUsbSim::storedRecord(m_Mouse);

    QVERIFY(HIDUsbSim::setOnline(m_Mouse, false));
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    bool noticeSeen = false;
    bool waitShown = false;
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        if (!noticeSeen && qobject_cast<MouseOffLine *>(QApplication::activeModalWidget())) {
            noticeSeen = true;
            HIDUsbSim::setOnline(m_Mouse, true);
        }
    });
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() / 4, y));
    QVERIFY(noticeSeen);
    QCoreApplication::processEvents();
    QVERIFY(OfflineAction::Voided());
    const int shown = slider->value();
    QMouseEvent move(QEvent::MouseMove, QPoint(slider->width() * 3 / 4, y), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    QCOMPARE(slider->value(), shown);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() * 3 / 4, y));
    QTRY_VERIFY(!OfflineAction::Voided());

    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    QVERIFY(HIDUsbSim::waitIdle());
    watch.reset();
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), stored);
    QCOMPARE(slider->value(), value);

    // A new action goes through.
    QTest::mouseClick(s->frameRate->RateButton(2), Qt::LeftButton);
    QCOMPARE(int(HIDUsbSim::storedRecord(m_Mouse).at(0)), 2);
    QTest::mouseClick(s->frameRate->RateButton(3), Qt::LeftButton);
    QCOMPARE(int(HIDUsbSim::storedRecord(m_Mouse).at(0)), 1);
}

ORVIK_TEST_MAIN(TestOfflineAction)
#include "tst_offlineaction.moc"
