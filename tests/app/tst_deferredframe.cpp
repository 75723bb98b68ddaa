// The main frame is built after the top-level window's first paint: not
// before it, then without any input, one page per turn of the event loop,
// and then prepared for its first show; a language chosen on the device list
// before that build, or between its steps, reaches every page; and a mouse
// selected before that build has run, or halfway through it (the click
// finishes it), still reaches the worker, which reads it.

#include "TestMain.h"

#include "Buttoninterface.h"
#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "LanguageFileTexts.h"
#include "Macro.h"
#include "MacroIni.h"
#include "Sensor.h"
#include "SettingsState.h"
#include "Startup.h"
#include "TestState.h"
#include "UpDataParam.h"

#include <QComboBox>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Calls atPaint at the window's first paint event and afterFlush from a zero
// timer posted there, which runs once the painted window has been flushed
// and before anything the window posts from its own paint handler (an event
// filter sees the event before the window does). Owned by the test function,
// so it never calls into a function that has already returned.
class FirstPaintProbe : public QObject
{
public:
    FirstPaintProbe(QWidget *window, std::function<void()> atPaint, std::function<void()> afterFlush)
        : m_AtPaint(std::move(atPaint))
        , m_AfterFlush(std::move(afterFlush))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_AtPaint();
            QTimer::singleShot(0, this, m_AfterFlush);
        }
        return false;
    }

private:
    std::function<void()> m_AtPaint;
    std::function<void()> m_AfterFlush;
};

// Calls done after turns more turns of the event loop: each turn is one zero
// timer, queued behind whatever the window posted meanwhile.
void AfterTurns(QObject *context, int turns, std::function<void()> done)
{
    if (turns <= 0) {
        done();
        return;
    }
    QTimer::singleShot(0, context, [context, turns, done] { AfterTurns(context, turns - 1, done); });
}

// Which pages the main frame has so far: "b" buttons, "m" macro, "s"
// sensor, "t" settings; "-" when not even the frame itself exists.
QString PagesBuilt(DialogMain *window)
{
    Dialog *frame = window->MainFramePart();
    if (!frame)
        return "-";
    QString pages;
    if (frame->ButtonPage())
        pages += frame->ButtonPage()->IsComplete() ? "b" : "b-";
    if (frame->MacroPage())
        pages += "m";
    if (frame->SensorPage())
        pages += "s";
    if (frame->SettingPage())
        pages += "t";
    return pages;
}

} // namespace

class TestDeferredFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void builtAfterTheFirstPaintWithoutInput();
    void languageChosenBeforeTheBuild();
    void builtOnePagePerTurn();
    void languageChosenBetweenTheSteps();
    void selectionHalfwayThroughTheBuild();
    void selectionBeforeTheBuildReachesTheWorker();
};

void TestDeferredFrame::init()
{
    OrvikTest::ResetAllState();
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
}

void TestDeferredFrame::builtAfterTheFirstPaintWithoutInput()
{
    QPointer<DialogMain> window = new DialogMain;
    QVERIFY(!window->MainFrameBuilt());
    QVERIFY(!g_Worker.load());
    int builtAtPaint = -1;
    int builtAfterFlush = -1;
    FirstPaintProbe probe(
        window, [&] { builtAtPaint = window->MainFrameBuilt(); }, [&] { builtAfterFlush = window->MainFrameBuilt(); });

    window->show();
    QTRY_VERIFY(builtAfterFlush != -1);
    QCOMPARE(builtAtPaint, 0);
    QCOMPARE(builtAfterFlush, 0);
    QTRY_VERIFY(window->MainFrameBuilt());

    // Built behind the device list, with the button page's worker.
    QVERIFY(g_Worker.load());
    QCOMPARE(window->CurrentPage(), 0);
    QVERIFY(!window->MainFramePage()->isVisible());
    QCOMPARE(window->findChild<QStackedWidget *>("stackedWidgetMain")->count(), 2);

    // The next test needs a window whose frame is not built yet.
    delete window;
    QVERIFY(!g_Worker.load());
}

void TestDeferredFrame::languageChosenBeforeTheBuild()
{
    // Chosen on the device list before the main frame exists: the list
    // stores it first, so the pages read it when they are built.
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    QPointer<DialogMain> window = new DialogMain;
    QComboBox *language = window->DeviceListPage()->findChild<QComboBox *>("comboBox");
    QVERIFY(language);
    QVERIFY(QMetaObject::invokeMethod(language, "activated", Q_ARG(int, 1)));
    QVERIFY(!window->MainFrameBuilt());

    window->show();
    QTRY_VERIFY(window->MainFrameBuilt());
    const QString chinese = OrvikTest::SectionTexts(1, "FormSetting").value("WiredMode");
    QVERIFY(!chinese.isEmpty());
    QCOMPARE(g_WiredModeText, chinese);
    QComboBox *settingsLanguage = window->MainFramePage()->SettingPage()->findChild<QComboBox *>("comboBox");
    QVERIFY(settingsLanguage);
    QCOMPARE(settingsLanguage->currentIndex(), 1);

    delete window;
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
}

void TestDeferredFrame::selectionBeforeTheBuildReachesTheWorker()
{
    const int mouse = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1"));
    QVERIFY(mouse > 0);
    DialogMain *window = new DialogMain; // lives until the process ends, as in the utility
    QTRY_COMPARE(g_TileButtons.size(), 1);
    QVERIFY(!window->MainFrameBuilt());

    int builtAtClick = -1;
    bool clicked = false;
    const QString selected = g_PickerDeviceList.first().Path;
    HIDUsbSim::clearCalls();
    FirstPaintProbe probe(
        window, [] {},
        [&] {
            builtAtClick = window->MainFrameBuilt();
            clicked = true;
            static_cast<QToolButton *>(g_TileButtons.first())->click();
        });

    window->show();
    QTRY_VERIFY(clicked);
    QCOMPARE(builtAtClick, 0);
    // The worker, made by the button page the click built, took the selection.
    QVERIFY(!selected.isEmpty());
    QCOMPARE(g_CurrentDevice.get().Path, selected);

    // The first read runs behind the wait dialog and reaches the mouse.
    UpDataParam *wait = window->MainFramePage()->ApplyDialog();
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 20000);
    QVERIFY(HIDUsbSim::callCount("UsbServerC_Start") > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    QCOMPARE(window->CurrentPage(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    // The build posted from the first paint found the frame already there.
    QCOMPARE(window->findChild<QStackedWidget *>("stackedWidgetMain")->count(), 2);
}

void TestDeferredFrame::builtOnePagePerTurn()
{
    QPointer<DialogMain> window = new DialogMain;
    QStringList seen;
    bool done = false;
    // The probe's timer runs before the build's first step; each later turn
    // runs right after one step.
    std::function<void()> look = [&] {
        if (window->MainFrameBuilt()) {
            seen << PagesBuilt(window) + " built";
            done = true;
            return;
        }
        seen << PagesBuilt(window);
        AfterTurns(window, 1, look);
    };
    FirstPaintProbe probe(
        window, [] {}, [&] { look(); });

    window->show();
    QTRY_VERIFY(done);
    // The button page comes in six parts: its widgets, their polish, then
    // four parts of its menus ("b-" until the last).
    QCOMPARE(seen, QStringList({"-", "", "b-", "b-", "b-", "b-", "b-", "b", "bm", "bms", "bmst built"}));
    QTRY_VERIFY(window->MainFrameReady());

    // Stacked in the order the navigation expects, the button page shown.
    QStackedWidget *stack = window->MainFramePage()->Form()->stackedWidgetDialog;
    Dialog *frame = window->MainFramePage();
    QCOMPARE(stack->count(), 4);
    QCOMPARE(stack->widget(0), frame->ButtonPage());
    QCOMPARE(stack->widget(1), frame->SensorPage());
    QCOMPARE(stack->widget(2), frame->MacroPage());
    QCOMPARE(stack->widget(3), frame->SettingPage());
    QCOMPARE(stack->currentWidget(), frame->ButtonPage());
    // Prepared ahead: the frame is polished before it is ever shown, the
    // button page (which polishes itself in a part of its own) to its last
    // widget, sub-menus not shown yet included.
    QVERIFY(!frame->isVisible());
    QVERIFY(frame->Form()->frame_2->testAttribute(Qt::WA_WState_Polished));
    QStringList unpolished;
    for (QWidget *w : frame->ButtonPage()->findChildren<QWidget *>()) {
        if (!w->testAttribute(Qt::WA_WState_Polished))
            unpolished << w->objectName() + "(" + w->metaObject()->className() + ")";
    }
    QVERIFY2(unpolished.isEmpty(), qPrintable(unpolished.join(", ")));

    delete window;
    QVERIFY(!g_Worker.load());
}

void TestDeferredFrame::languageChosenBetweenTheSteps()
{
    // Chosen halfway through the button page (its sub-menus not in place
    // yet) and before the other pages exist: the built parts take it from
    // the hub, the rest read it when they are built.
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    QPointer<DialogMain> window = new DialogMain;
    QComboBox *language = window->DeviceListPage()->findChild<QComboBox *>("comboBox");
    QVERIFY(language);
    QString builtWhenChosen;
    FirstPaintProbe probe(
        window, [] {},
        [&] {
            AfterTurns(window, 3, [&] {
                builtWhenChosen = PagesBuilt(window);
                QMetaObject::invokeMethod(language, "activated", Q_ARG(int, 1));
            });
        });

    window->show();
    QTRY_VERIFY(!builtWhenChosen.isEmpty());
    QCOMPARE(builtWhenChosen, QString("b-"));
    QTRY_VERIFY(window->MainFrameBuilt());
    Dialog *frame = window->MainFramePage();
    const QString reset = OrvikTest::SectionTexts(1, "Buttoninterface").value("Reset");
    QVERIFY(!reset.isEmpty());
    QCOMPARE(frame->ButtonPage()->findChild<QToolButton *>("Reset")->text(), reset);
    const QString scrollUp = OrvikTest::SectionTexts(1, "Buttoninterface").value("VolumeUp_14");
    QVERIFY(!scrollUp.isEmpty());
    QCOMPARE(frame->ButtonPage()->findChild<QToolButton *>("VolumeUp_14")->text(), scrollUp);
    const QString chinese = OrvikTest::SectionTexts(1, "FormSetting").value("WiredMode");
    QVERIFY(!chinese.isEmpty());
    QCOMPARE(g_WiredModeText, chinese);
    QCOMPARE(frame->SettingPage()->findChild<QComboBox *>("comboBox")->currentIndex(), 1);

    delete window;
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
}

void TestDeferredFrame::selectionHalfwayThroughTheBuild()
{
    const int mouse = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1"));
    QVERIFY(mouse > 0);
    QPointer<DialogMain> window = new DialogMain;
    QTRY_COMPARE(g_TileButtons.size(), 1);
    const QString selected = g_PickerDeviceList.first().Path;
    QVERIFY(!selected.isEmpty());
    HIDUsbSim::clearCalls();

    QString builtAtClick;
    bool builtAfterClick = false;
    QString selectedAfterClick;
    FirstPaintProbe probe(
        window, [] {},
        [&] {
            AfterTurns(window, 2, [&] {
                builtAtClick = PagesBuilt(window);
                static_cast<QToolButton *>(g_TileButtons.first())->click();
                builtAfterClick = window->MainFrameBuilt();
                selectedAfterClick = g_CurrentDevice.get().Path;
            });
        });

    window->show();
    QTRY_VERIFY(!builtAtClick.isEmpty());
    // Only a part of the button page was there: the click finished the rest
    // at once, and the worker the button page made took the selection.
    QCOMPARE(builtAtClick, QString("b-"));
    QVERIFY(builtAfterClick);
    QCOMPARE(selectedAfterClick, selected);

    UpDataParam *wait = window->MainFramePage()->ApplyDialog();
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    QCOMPARE(window->CurrentPage(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    // The steps still posted found nothing left to build: four pages, once.
    QTRY_VERIFY(window->MainFrameReady());
    QCOMPARE(window->MainFramePage()->Form()->stackedWidgetDialog->count(), 4);
    QCOMPARE(window->findChild<QStackedWidget *>("stackedWidgetMain")->count(), 2);

    // The last test needs a window whose frame is not built yet.
    delete window;
    QVERIFY(!g_Worker.load());
    HIDUsbSim::unplug(mouse);
}

ORVIK_TEST_MAIN(TestDeferredFrame)
#include "tst_deferredframe.moc"
