// The running utility end to end, offscreen, against the simulated device
// library: the device list, selecting a mouse and its first read behind the
// wait dialog, the offline notice loop, a forced re-read, the battery gauge,
// hiding, going back to the list and closing. The test functions run in
// order on one top-level window, as a user session would.

#include "TestMain.h"

#include "Buttoninterface.h"
#include "ConfigIni.h"
#include "DataSetters.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FlashDataMap.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "LanguageLoader.h"
#include "Macro.h"
#include "MacroIni.h"
#include "Match.h"
#include "MouseOffLine.h"
#include "PostMsg.h"
#include "RegistryStore.h"
#include "Sensor.h"
#include "SettingsState.h"
#include "Skin.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// Index of the first call line starting with prefix at or after from; -1 when none.
int IndexOfCall(const QStringList &calls, const QString &prefix, int from = 0)
{
    for (int i = qMax(from, 0); i < calls.size(); ++i) {
        if (calls.at(i).startsWith(prefix))
            return i;
    }
    return -1;
}

// Checks that the calls appear in this order (other calls in between allowed).
bool CallsInOrder(const QStringList &calls, const QStringList &expected, QString *why)
{
    int at = 0;
    for (const QString &prefix : expected) {
        const int i = IndexOfCall(calls, prefix, at);
        if (i < 0) {
            *why = "missing in order: " + prefix + "\ncalls:\n" + calls.join("\n");
            return false;
        }
        at = i + 1;
    }
    return true;
}

// Runs fn every 20 ms (also inside modal loops) until the watch goes out of scope.
using WatchPtr = std::unique_ptr<QTimer>;
WatchPtr Watch(std::function<void()> fn)
{
    WatchPtr timer(new QTimer);
    QObject::connect(timer.get(), &QTimer::timeout, fn);
    timer->start(20);
    return timer;
}

QByteArray CacheFileRecord(const QString &name)
{
    QFile file(Worker::DeviceInfoFilePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QDataStream stream(&file);
    QByteArray block;
    stream >> block;
    return block;
}

QByteArray Bytes(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

const QString kCacheName = HIDUsbSim::sampleCacheFileName();

// A text of the installed language file of index.
QString FileText(int index, const QString &section, const QString &key)
{
    QString text;
    LanguageLoader::KeyTable keys;
    keys.insert(key, [&text](const QString &t) { text = t; });
    LanguageReaderPtr reader;
    LanguageLoader::LoadFile(LanguageLoader::FilePath(index), "Total", {section}, keys, reader);
    return text;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void registryLanguageIndexIsHandedOverOnce();
    void startsWithEmptyDeviceList();
    void pluggedReceiverShowsOneOnlineTile();
    void spaceOnListOpensPairingForTheOneDevice();
    void deviceGoneAtTheClickStartsNoRead();
    void selectingReadsTheDevice();
    void offlineSetterShowsNoticeUntilDeviceReturns();
    void configurationSwitchRunsSettleMode();
    void batteryReportPaintsGauge_data();
    void batteryReportPaintsGauge();
    void navigationShowsPages();
    void recordingGreysOutNavigation();
    void hideAndRestore_data();
    void hideAndRestore();
    void trayMenuEntryRestores();
    void backToListSavesAndCloses();
    void closeRunsShutdownOrder();

private:
    DialogMain *m_Window = nullptr;
    int m_Receiver = 0;
};

void TestShell::initTestCase()
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    // Handed over by the top-level window's constructor.
    RegistryStore::setValue(RegistryStore::languageKey(), "LanguageIndex", 4);

    m_Window = new DialogMain; // lives until the process ends, as in the utility
    m_Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    // The main frame and its pages come after the first paint, with no input.
    QTRY_VERIFY(m_Window->MainFrameBuilt());
}

void TestShell::registryLanguageIndexIsHandedOverOnce()
{
    QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("4"));
    QVERIFY(!RegistryStore::contains(RegistryStore::languageKey(), "LanguageIndex"));
    // The pages were built in the handed-over language (Korean): the device
    // list's texts, a text of each page of the main frame, and the settings
    // page's wired-mode text.
    DialogChange *list = m_Window->DeviceListPage();
    Dialog *frame = m_Window->MainFramePage();
    const struct
    {
        QString shown;
        const char *section;
        const char *key;
    } texts[] = {
        {list->findChild<QLabel *>("label_2")->text(), "DialogChange", "label_2"},
        {list->findChild<QLabel *>("label_3")->text(), "DialogChange", "label_3"},
        {frame->ButtonPage()->findChild<QToolButton *>("Reset")->text(), "Buttoninterface", "Reset"},
        {frame->SensorPage()->findChild<QLabel *>("label_5")->text(), "Sensor", "label_5"},
        {frame->MacroPage()->findChild<QToolButton *>("NewHong")->text(), "Macro", "NewHong"},
        {g_WiredModeText, "FormSetting", "WiredMode"},
    };
    for (const auto &t : texts) {
        QCOMPARE(t.shown, FileText(4, t.section, t.key));
        // Korean, not the English the forms are built with.
        QVERIFY2(FileText(4, t.section, t.key) != FileText(0, t.section, t.key), t.key);
    }
}

void TestShell::startsWithEmptyDeviceList()
{
    QCOMPARE(m_Window->CurrentPage(), 0);
    QVERIFY(g_TileButtons.isEmpty());
    QLabel *empty = m_Window->DeviceListPage()->findChild<QLabel *>("label_2");
    QVERIFY(empty);
    QTRY_VERIFY(empty->isVisible());
    QVERIFY(!empty->text().isEmpty());
    m_Window->grab().save(OrvikTest::outputDir("shell") + "/01-empty-list.png");
}

void TestShell::pluggedReceiverShowsOneOnlineTile()
{
    m_Receiver = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1")); // 4 kHz receiver
    QVERIFY(m_Receiver > 0);

    QTRY_COMPARE(g_TileButtons.size(), 1);
    QCOMPARE(g_TileOfflineMarks.size(), 1);
    QCOMPARE(g_TileLinkMarks.size(), 1);
    QTRY_VERIFY(g_TileButtons.first()->isVisible());
    QVERIFY(!g_TileOfflineMarks.first()->isVisible()); // online
    QVERIFY(g_TileLinkMarks.first()->isVisible());     // wireless link mark
    QVERIFY(g_TileButtons.first()->styleSheet().contains("OnLine0.png"));
    m_Window->grab().save(OrvikTest::outputDir("shell") + "/02-one-tile.png");
}

void TestShell::spaceOnListOpensPairingForTheOneDevice()
{
    // No mouse firmware version recorded for the model yet: Space pairs the
    // one listed receiver.
    HIDUsbSim::clearCalls();
    g_PairChosenDevice = true;
    bool pairingSeen = false;
    WatchPtr watch = Watch([&] {
        if (Match *match = qobject_cast<Match *>(QApplication::activeModalWidget())) {
            pairingSeen = true;
            match->findChild<QToolButton *>("CloseButton")->click();
        }
    });
    QTest::keyClick(m_Window, Qt::Key_Space);
    watch.reset();
    QVERIFY(pairingSeen);
    QVERIFY(!g_PairChosenDevice);
    // The connection is opened again after the pairing dialog.
    QVERIFY(HIDUsbSim::callCount("UsbServerC_Start(") >= 1);
    QCOMPARE(m_Window->CurrentPage(), 0);
    QTRY_COMPARE(g_TileButtons.size(), 1);
}

void TestShell::deviceGoneAtTheClickStartsNoRead()
{
    QTRY_COMPARE(g_TileButtons.size(), 1);
    const HIDUsbSim::DeviceSetup receiver = HIDUsbSim::setup(m_Receiver);
    HIDUsbSim::clearCalls();
    // Unplugged just before the click: the tile still stands, but the main
    // frame's first hot-plug call finds nothing and sends the window back.
    QVERIFY(HIDUsbSim::unplug(m_Receiver));
    static_cast<QToolButton *>(g_TileButtons.first())->click();

    QCOMPARE(m_Window->CurrentPage(), 0);
    QCOMPARE(int(g_MainPageActive), 0);
    QVERIFY(g_Worker.load()->wait(5000));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start("), 0);
    QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 0);
    QVERIFY(!m_Window->MainFramePage()->ApplyDialog()->isVisible());

    m_Receiver = HIDUsbSim::plug(receiver);
    QVERIFY(m_Receiver > 0);
    QTRY_COMPARE(g_TileButtons.size(), 1);
    QTRY_VERIFY(g_TileButtons.first()->isVisible());
}

void TestShell::selectingReadsTheDevice()
{
    QFile::remove(Worker::DeviceInfoFilePath(kCacheName));
    HIDUsbSim::clearCalls();
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    int pageWhileWaiting = -1;
    WatchPtr watch = Watch([&] {
        if (wait->isVisible()) {
            waitShown = true;
            pageWhileWaiting = m_Window->CurrentPage();
        }
    });

    static_cast<QToolButton *>(g_TileButtons.first())->click();

    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
    QCOMPARE(pageWhileWaiting, 1);
    QCOMPARE(m_Window->CurrentPage(), 1);
    QVERIFY(HIDUsbSim::waitIdle());

    QString why;
    const QStringList calls = HIDUsbSim::calls();
    QVERIFY2(CallsInOrder(calls,
                          {"UsbServerC_Start(", "UsbServer_SetPCDriverStatus(1)", "UsbServer_ReadAllFlashData(",
                           "ProtocolDataParser", "UsbServer_ReadDPILed(", "UsbServer_ReadBatteryLevel(",
                           "UsbServer_ReadVersion(", "UsbServer_ReadConfig("},
                          &why),
             qPrintable(why));
    QVERIFY(calls.at(IndexOfCall(calls, "UsbServerC_Start(")).contains(HIDUsbSim::path(m_Receiver)));

    // The record of the mouse arrived, and the cache file was written since
    // there was none.
    const FlashDataMap record = FlashData::snapshot();
    QCOMPARE(Bytes(record), HIDUsbSim::storedRecord(m_Receiver));
    QTRY_COMPARE(CacheFileRecord(kCacheName), Bytes(record));
    // Both pages took the record; the dialog cleared their acknowledgements.
    QCOMPARE(int(g_SensorPageUpdated), 0);
    QCOMPARE(int(g_ButtonPageUpdated), 0);

    // The version report lands in the registry store.
    const QString cid = ConfigIni::GetInstance()->GetValue("Option", "CID");
    const QString mid = ConfigIni::GetInstance()->GetValue("Drive1", "MID");
    QTRY_COMPARE(RegistryStore::value(RegistryStore::mouseTestKey(), "MouseVer" + cid + mid).toString(),
                 QString("v1.5"));
    m_Window->grab().save(OrvikTest::outputDir("shell") + "/03-main-frame.png");
}

void TestShell::offlineSetterShowsNoticeUntilDeviceReturns()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setOnline(m_Receiver, false);
    const int updatesBefore = HIDUsbSim::updateCount(m_Receiver);
    const QByteArray recordBefore = Bytes(FlashData::snapshot());

    // What happens, in order: the notice opens, the mouse comes back, the
    // check closes the notice (once), the setter returns, a re-read follows.
    QStringList events;
    bool backOnline = false;
    int checksWhileBack = 0;
    const QMetaObject::Connection closeWatch =
        connect(PostMsg::GetInstance(), &PostMsg::SigCloseOffOnline, this, [&] { events << "close notice"; });
    WatchPtr watch = Watch([&] {
        MouseOffLine *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget());
        if (notice && !backOnline) {
            events << "notice";
            // Nothing reached the mouse while it was away.
            QCOMPARE(HIDUsbSim::updateCount(m_Receiver), updatesBefore);
            HIDUsbSim::clearCalls();
            HIDUsbSim::setOnline(m_Receiver, true);
            events << "online";
            backOnline = true;
        } else if (backOnline && notice) {
            checksWhileBack = HIDUsbSim::callCount("UsbFinderC_GetDeviceOnLine");
        }
    });

    // The setter opens the notice modally and returns once it has closed.
    QVERIFY(!SetReportRate(1));
    events << "setter returned";
    watch.reset();
    disconnect(closeWatch);

    QCOMPARE(events, (QStringList{"notice", "online", "close notice", "setter returned"}));
    // The first check that found the mouse closed the notice, not a later one.
    QVERIFY2(checksWhileBack <= 1, qPrintable(QString::number(checksWhileBack)));
    QCOMPARE(Bytes(FlashData::snapshot()), recordBefore);
    QCOMPARE(HIDUsbSim::updateCount(m_Receiver), updatesBefore);

    // The same tick started a re-read pass (the call list was cleared when the
    // mouse came back); its wait dialog runs and closes.
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_Window->MainFramePage()->ApplyDialog()->isVisible(), 20000);
    QVERIFY(!g_OfflinePending);
}

void TestShell::configurationSwitchRunsSettleMode()
{
    QVERIFY(HIDUsbSim::waitIdle());
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    bool settleSeen = false;
    bool noticeSeen = false;
    WatchPtr watch = Watch([&] {
        if (wait->isVisible() && wait->m_SettleMode)
            settleSeen = true;
        if (qobject_cast<MouseOffLine *>(QApplication::activeModalWidget()))
            noticeSeen = true;
    });

    Worker::AgeProfileChangeTimer(10000); // past the 3 s throttle
    const int readsBefore = HIDUsbSim::callCount("UsbServer_ReadAllFlashData");
    // A status-change report whose third flag (configuration switched) is set.
    QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x0a\x00\x00\x00", 5), QByteArray(1, char(1 << 2))));

    QTRY_VERIFY_WITH_TIMEOUT(settleSeen, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
    QVERIFY(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > readsBefore);
    QVERIFY2(!noticeSeen, "both pages acknowledged the forced re-read");
    QVERIFY(!wait->m_SettleMode);
}

void TestShell::batteryReportPaintsGauge_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<QString>("colour");
    QTest::newRow("15 % charging") << 15 << true << "rgb(152, 43, 34)";
    QTest::newRow("16 % not charging") << 16 << false << "rgb(0, 255, 153)";
    QTest::newRow("57 % charging") << 57 << true << "rgb(0, 255, 153)";
}

void TestShell::batteryReportPaintsGauge()
{
    QFETCH(int, level);
    QFETCH(bool, charging);
    QFETCH(QString, colour);
    QVERIFY(HIDUsbSim::waitIdle());
    QByteArray data(4, '\0');
    data[0] = char(level);
    data[1] = char(charging ? 1 : 0);
    // The data callback waits until the main frame has painted the report.
    QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x04\x00\x00\x00", 5), data));
    QVERIFY(HIDUsbSim::waitIdle());

    Ui_Dialog *form = m_Window->MainFramePage()->Form();
    QCOMPARE(form->progressBar->value(), level);
    QVERIFY(form->progressBar->styleSheet().contains(colour));
    QCOMPARE(form->label->isVisible(), charging);
    // "ShowBatteryValue" is 1 in Config.ini: the text carries the percent sign,
    // and stays hidden.
    QCOMPARE(form->label_2->text(), QString::number(level) + "%");
    QVERIFY(!form->label_2->isVisible());
}

void TestShell::navigationShowsPages()
{
    Dialog *frame = m_Window->MainFramePage();
    Ui_Dialog *form = frame->Form();
    const QList<QPair<QToolButton *, QWidget *>> pages{
        qMakePair(form->SensorButton, static_cast<QWidget *>(frame->SensorPage())),
        qMakePair(form->MacroButton, static_cast<QWidget *>(frame->MacroPage())),
        qMakePair(form->FormSetting, static_cast<QWidget *>(frame->SettingPage())),
        qMakePair(form->ButtonMain, static_cast<QWidget *>(frame->ButtonPage())),
    };
    for (const auto &page : pages) {
        page.first->click();
        QCOMPARE(form->stackedWidgetDialog->currentWidget(), page.second);
        QVERIFY(page.first->isChecked());
        // Exclusive: only the current page's button is checked.
        for (const auto &other : pages)
            QCOMPARE(other.first->isChecked(), other.first == page.first);
    }
    // Pressing the checked button again keeps it checked.
    form->ButtonMain->click();
    QVERIFY(form->ButtonMain->isChecked());
    QVERIFY(form->LightsButton->isHidden());
    QVERIFY(form->SetButton->isHidden());
}

void TestShell::recordingGreysOutNavigation()
{
    Ui_Dialog *form = m_Window->MainFramePage()->Form();
    const QList<QToolButton *> navigation{form->ButtonMain, form->SensorButton, form->MacroButton, form->FormSetting};
    PostMsg::GetInstance()->EmitStartRecord(2);
    for (QToolButton *b : navigation)
        QVERIFY(b->isEnabled());
    PostMsg::GetInstance()->EmitStartRecord(0);
    for (QToolButton *b : navigation)
        QVERIFY(!b->isEnabled());
    QVERIFY(form->UpArrow->isEnabled());
    QVERIFY(form->CloseButton->isEnabled());
    PostMsg::GetInstance()->EmitStartRecord(1);
    for (QToolButton *b : navigation)
        QVERIFY(b->isEnabled());

    // Escape neither closes the window nor reaches the pages.
    QTest::keyClick(m_Window, Qt::Key_Escape);
    QVERIFY(m_Window->isVisible());
}

void TestShell::hideAndRestore_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("statusZeroCalls");
    QTest::addColumn<bool>("tray");
    QTest::newRow("main frame minimise, no tray") << 0 << 1 << false;
    QTest::newRow("device list minimise, no tray") << 2 << 0 << false;
    QTest::newRow("main frame hide to tray") << 0 << 1 << true;
    QTest::newRow("device list hide to tray") << 2 << 0 << true;
}

void TestShell::hideAndRestore()
{
    QFETCH(int, index);
    QFETCH(int, statusZeroCalls);
    QFETCH(bool, tray);
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::clearCalls();
    DialogMain::AssumeSystemTray(tray);

    PostMsg::GetInstance()->EmitChangeSize(index);
    QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(0)"), statusZeroCalls);
    if (tray) {
        QVERIFY(!m_Window->isVisible());
        QVERIFY(m_Window->TrayIcon()->isVisible());
        QMenu *menu = m_Window->TrayMenu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        // Hidden a second time: still one menu and one activation handler, so
        // one click restores once (one driver-status call, not one per hide).
        PostMsg::GetInstance()->EmitChangeSize(index);
        QCOMPARE(m_Window->TrayMenu(), menu);
        QCOMPARE(menu->actions().size(), 3);
        emit m_Window->TrayIcon()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!m_Window->TrayIcon()->isVisible());
        QVERIFY(m_Window->isVisible());
        QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), 1);
        // The menu's first entry restores the same way; a double click
        // restores without a driver-status call.
        PostMsg::GetInstance()->EmitChangeSize(index);
        menu->actions().first()->trigger();
        QVERIFY(m_Window->isVisible());
        QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), 2);
        PostMsg::GetInstance()->EmitChangeSize(index);
        emit m_Window->TrayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(m_Window->isVisible());
        QVERIFY(!m_Window->TrayIcon()->isVisible());
        QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), 2);
    } else {
        // No tray: the window goes to the task bar instead of vanishing.
        QTRY_VERIFY(m_Window->isMinimized());
        m_Window->showNormal();
        QTRY_VERIFY(!m_Window->isMinimized());
        QVERIFY(m_Window->isVisible());
        // Back from hiding on the main frame: the device hears the utility again.
        QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), 1);
    }
    DialogMain::AssumeSystemTray(QSystemTrayIcon::isSystemTrayAvailable());
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
}

void TestShell::trayMenuEntryRestores()
{
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(m_Window->CurrentPage(), 1);
    DialogMain::AssumeSystemTray(true);
    PostMsg::GetInstance()->EmitChangeSize(0);
    QVERIFY(!m_Window->isVisible());
    QMenu *menu = m_Window->TrayMenu();
    QVERIFY(menu);
    QCOMPARE(m_Window->TrayIcon()->contextMenu(), menu);
    HIDUsbSim::clearCalls();

    // A right click: the icon opens its context menu itself and reports the
    // activation from inside its own mouse handler. The handler must not run
    // the menu's event loop there: the entry hides the icon, which on an X11
    // tray deletes the widget whose handler would still be on the stack.
    bool menuRanInsideHandler = false;
    {
        WatchPtr watch = Watch([&] {
            if (menu->isVisible()) {
                menuRanInsideHandler = true;
                menu->actions().first()->trigger();
                menu->close();
            }
        });
        emit m_Window->TrayIcon()->activated(QSystemTrayIcon::Context);
    }
    QVERIFY(!menuRanInsideHandler);

    // The user picks "Main window" in the menu the icon shows.
    menu->popup(QPoint(20, 20));
    QTRY_VERIFY(menu->isVisible());
    QAction *mainWindow = menu->actions().first();
    QCOMPARE(mainWindow->text(), FileText(4, "DialogMain", "MainForm"));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(mainWindow).center());
    QTRY_VERIFY(m_Window->isVisible());
    QTRY_VERIFY(!m_Window->TrayIcon()->isVisible());
    QVERIFY(!menu->isVisible());
    QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), 1);
    // The menu wears the skin, not the desktop's light default.
    QVERIFY(menu->styleSheet().contains("rgb(" + Skin::Rgb("ComboxBackGroundColor") + ")"));

    DialogMain::AssumeSystemTray(QSystemTrayIcon::isSystemTrayAvailable());
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
}

void TestShell::backToListSavesAndCloses()
{
    QVERIFY(HIDUsbSim::waitIdle());
    // The record changed since the read: the cache must get the new one.
    FlashData::modify([](FlashDataMap &r) { r.Debounce = 7; });
    QFile::remove(Worker::DeviceInfoFilePath(kCacheName));
    HIDUsbSim::clearCalls();

    m_Window->MainFramePage()->findChild<QToolButton *>("SensorButton")->click();
    m_Window->MainFramePage()->findChild<QToolButton *>("UpArrow")->click();

    QCOMPARE(m_Window->CurrentPage(), 0);
    QCOMPARE(int(g_MainPageActive), 0);
    QString why;
    QVERIFY2(CallsInOrder(HIDUsbSim::calls(), {"UsbServer_SetPCDriverStatus(0)", "UsbServer_Exit(", "StartUsbChanged("},
                          &why),
             qPrintable(why));
    QCOMPARE(CacheFileRecord(kCacheName), Bytes(FlashData::snapshot()));
    QCOMPARE(quint8(CacheFileRecord(kCacheName).at(6)), quint8(7));
    // The next device starts on the button page.
    Ui_Dialog *form = m_Window->MainFramePage()->Form();
    QVERIFY(form->ButtonMain->isChecked());
    QCOMPARE(form->stackedWidgetDialog->currentIndex(), 0);
    QTRY_COMPARE(g_TileButtons.size(), 1);
}

void TestShell::closeRunsShutdownOrder()
{
    // Back on the main frame (without a new read), then its close button.
    PostMsg::GetInstance()->EmitChangeMainDialog(1);
    QCOMPARE(m_Window->CurrentPage(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QFile::remove(Worker::DeviceInfoFilePath(kCacheName));
    HIDUsbSim::clearCalls();

    m_Window->MainFramePage()->findChild<QToolButton *>("CloseButton")->click();

    QString why;
    QVERIFY2(CallsInOrder(HIDUsbSim::calls(), {"UsbServer_SetPCDriverStatus(0)", "StopUsbChanged(", "UsbServer_Exit("},
                          &why),
             qPrintable(why));
    QCOMPARE(HIDUsbSim::callCount("StartUsbChanged"), 0);
    QVERIFY(!m_Window->isVisible());
    QCOMPARE(CacheFileRecord(kCacheName), Bytes(FlashData::snapshot()));
}

ORVIK_TEST_MAIN(TestShell)

#include "tst_shell.moc"
