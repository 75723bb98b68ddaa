// Pairing a selected mouse end to end: the settings page's pairing button and
// the Space key of the main frame open the real pairing dialog against the
// simulated receiver. Besides the outcome looks, what matters is what the
// dialog leaves behind: the worker's read pass given back, the device
// reports going to the worker again, and the worker watching hot-plug again.
// The functions run in order on one window, as a user session would: the
// receiver is lost while the mouse's cable comes in, so the main frame stays
// (on the cable) and the next function pairs a corded mouse; the last one
// loses the only receiver, which sends the window back to the device list.

#include "SettingsFixture.h"

#include "ConfigIni.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "DialogSkeleton.h"
#include "GlobalState.h"
#include "Match.h"
#include "SettingsState.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>

using namespace SettingsFixture;

namespace {

// What a pairing run showed and left.
struct PairingRun
{
    bool dialogSeen = false;
    QPoint placedAt; // where the dialog stood when first seen
    QSize size;
    int mainPageActiveWhilePairing = -1;
    QString lookAtEnd; // the MatchButton's style sheet when the dialog was closed
    QString textAtEnd; // and its text
    bool closeRefusedWhilePairing = false;
    int mainPageActiveAtClose = -1;
};

Match *OpenMatch()
{
    return qobject_cast<Match *>(QApplication::activeModalWidget());
}

QPushButton *MatchButton(Match *match)
{
    return match->findChild<QPushButton *>("MatchButton");
}

} // namespace

class TestPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void pairingButtonPairsAndHandsTheDeviceBack();
    void spacePairsAndHandsTheDeviceBack();
    void receiverFailureShowsFailureLook();
    void silentReceiverTimesOutAndMayBeClosed();
    void unpluggedReceiverFailsAndGivesTheReadPassBack();
    void cordedMouseCannotBePaired();
    void lostReceiverLeavesTheDeviceListItsOwn();

private:
    // Opens the dialog with open(), starts a pairing with its button, waits until
    // the outcome look (a picture name) shows, then closes the dialog.
    PairingRun Pair(const std::function<void()> &open, const QString &outcomePicture,
                    const std::function<void()> &whilePairing = {});
    // The device reports reach the worker's data callback (the main frame's
    // battery gauge follows an injected battery report) and a hot-plug is
    // handled by the worker's callback (its list follows, the device list's
    // does not).
    void CheckWorkerHasTheDeviceBack();

    FormSetting *Page() const { return m_Window->MainFramePage()->SettingPage(); }

    DialogMain *m_Window = nullptr;
    int m_Receiver = 0;
    int m_Cable = 0;
    int m_Battery = 40;
};

void TestPairing::initTestCase()
{
    QList<int> ids;
    QString why;
    m_Window = OpenSettingsPage({Receiver()}, &ids, &why);
    QVERIFY2(m_Window, qPrintable(why));
    m_Receiver = ids.at(0);
    QCOMPARE(g_CurrentDevice.get().Path, HIDUsbSim::path(m_Receiver));
    QCOMPARE(int(g_MainPageActive), 1);
    // One pair status tick (1 s) is enough for the receiver's answer.
    HIDUsbSim::setPairDuration(200);
}

void TestPairing::cleanup()
{
    HIDUsbSim::setPairingSilent(false);
    Match::SetPairTimeout(Match::DefaultPairTimeoutMs);
}

PairingRun TestPairing::Pair(const std::function<void()> &open, const QString &outcomePicture,
                             const std::function<void()> &whilePairing)
{
    PairingRun run;
    bool started = false;
    bool inspected = false;
    QElapsedTimer sinceSeen;
    WatchPtr watch = Watch([&] {
        Match *match = OpenMatch();
        if (!match)
            return;
        QPushButton *button = MatchButton(match);
        if (!run.dialogSeen) {
            run.dialogSeen = true;
            run.placedAt = match->pos();
            run.size = match->size();
            sinceSeen.start();
        }
        if (!started) {
            // The dialog's 100 ms check allows pairing first.
            if (sinceSeen.elapsed() < 300 || !button->isEnabled())
                return;
            started = true;
            button->click();
            run.mainPageActiveWhilePairing = g_MainPageActive;
            // A pairing under way cannot be closed.
            match->findChild<QToolButton *>("CloseButton")->click();
            run.closeRefusedWhilePairing = OpenMatch() == match && g_MatchStarted;
            return;
        }
        if (!inspected && whilePairing) {
            inspected = true;
            whilePairing();
        }
        if (button->styleSheet().contains(outcomePicture)) {
            run.lookAtEnd = button->styleSheet();
            run.textAtEnd = button->text();
            run.mainPageActiveAtClose = g_MainPageActive;
            match->findChild<QToolButton *>("CloseButton")->click();
        }
    });
    open();
    return run;
}

void TestPairing::CheckWorkerHasTheDeviceBack()
{
    QVERIFY(HIDUsbSim::waitIdle());
    m_Battery += 7;
    QByteArray battery(4, '\0');
    battery[0] = char(m_Battery);
    QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x04\x00\x00\x00", 5), battery));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(m_Window->MainFramePage()->Form()->progressBar->value(), m_Battery);

    HIDUsbSim::DeviceSetup other = Receiver();
    other.name = "other";
    other.mouse = "m2";
    other.receiverType = 0;
    other.pid = "F501";
    const int id = HIDUsbSim::plug(other);
    const QString path = HIDUsbSim::path(id);
    const auto listed = [&path](const QList<DeviceAllInfo> &list) {
        for (const DeviceAllInfo &d : list) {
            if (d.Path == path)
                return true;
        }
        return false;
    };
    QTRY_VERIFY(listed(g_DeviceList));
    QVERIFY(!listed(g_PickerDeviceList));
    HIDUsbSim::unplug(id);
    QTRY_VERIFY(!listed(g_DeviceList));
    QCOMPARE(m_Window->CurrentPage(), 1);
}

void TestPairing::pairingButtonPairsAndHandsTheDeviceBack()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::clearCalls();
    const QString path = HIDUsbSim::path(m_Receiver);
    // The flag names the device list's choice; from the main frame the
    // current device is paired whatever it holds.
    g_PairChosenDevice = true;
    g_ChosenDevice = DeviceAllInfo();

    const PairingRun run =
        Pair([this] { Page()->findChild<QPushButton *>("pushButton_2")->click(); }, "PairSuccess.png");
    QVERIFY(run.dialogSeen);
    // Placed over the settings page.
    QCOMPARE(run.placedAt,
             DialogSkeleton::CentredPosition(Page()->mapToGlobal(QPoint(0, 0)), Page()->size(), run.size, -70, -30));
    QCOMPARE(run.mainPageActiveWhilePairing, 0);
    QVERIFY(run.closeRefusedWhilePairing);
    QVERIFY(!run.lookAtEnd.isEmpty());
    QCOMPARE(run.textAtEnd, QString("Paired"));
    QCOMPARE(run.mainPageActiveAtClose, 1);
    QCOMPARE(int(g_MainPageActive), 1);
    QCOMPARE(g_MatchStatus.load(), 2);

    const QStringList calls = HIDUsbSim::calls();
    const QString cid = ConfigIni::GetInstance()->GetValue("Option", "CID");
    const int pairStart = IndexOfCall(calls, "UsbServerC_Start(" + path + ", " + path + ", callback)");
    const int enter = IndexOfCall(calls, "UsbServer_EnterDonglePairOnlyCid(" + cid + ")");
    QVERIFY2(pairStart >= 0 && enter > pairStart, qPrintable(calls.join("\n")));
    // The close registers the device list's callback; the page then puts the
    // worker's back and reopens the device connection.
    const int closeHotplug = IndexOfCall(calls, "StartUsbChanged(callback, 600)", enter);
    const int pageHotplug = IndexOfCall(calls, "StartUsbChanged(callback, 600)", closeHotplug + 1);
    const int reopen = IndexOfCall(calls, "UsbServerC_Start(" + path + ", " + path + ", callback)", pageHotplug);
    QVERIFY2(closeHotplug > 0 && pageHotplug > closeHotplug && reopen > pageHotplug, qPrintable(calls.join("\n")));

    CheckWorkerHasTheDeviceBack();
}

void TestPairing::spacePairsAndHandsTheDeviceBack()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::clearCalls();
    const QString path = HIDUsbSim::path(m_Receiver);
    const PairingRun run = Pair([this] { QTest::keyClick(m_Window, Qt::Key_Space); }, "PairSuccess.png");
    QVERIFY(run.dialogSeen);
    QCOMPARE(run.mainPageActiveWhilePairing, 0);
    QCOMPARE(run.textAtEnd, QString("Paired"));
    QCOMPARE(run.mainPageActiveAtClose, 1);
    QCOMPARE(int(g_MainPageActive), 1);

    const QStringList calls = HIDUsbSim::calls();
    const QString cid = ConfigIni::GetInstance()->GetValue("Option", "CID");
    QVERIFY2(IndexOfCall(calls, "UsbServer_EnterDonglePairOnlyCid(" + cid + ")") >= 0, qPrintable(calls.join("\n")));
    const int enter = IndexOfCall(calls, "UsbServer_EnterDonglePairOnlyCid(");
    const int closeHotplug = IndexOfCall(calls, "StartUsbChanged(callback, 600)", enter);
    const int reopen = IndexOfCall(calls, "UsbServerC_Start(" + path + ", " + path + ", callback)", closeHotplug);
    const int worker = IndexOfCall(calls, "StartUsbChanged(callback, 600)", reopen);
    QVERIFY2(enter >= 0 && closeHotplug > enter && reopen > closeHotplug && worker > reopen,
             qPrintable(calls.join("\n")));

    CheckWorkerHasTheDeviceBack();
}

void TestPairing::receiverFailureShowsFailureLook()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::failNextPairing();
    const PairingRun run = Pair([this] { Page()->findChild<QPushButton *>("pushButton_2")->click(); }, "PairFail.png");
    QVERIFY(run.dialogSeen);
    QVERIFY(!run.lookAtEnd.isEmpty());
    QCOMPARE(run.textAtEnd, QString("Pairing failed"));
    QCOMPARE(g_MatchStatus.load(), 3);
    QCOMPARE(run.mainPageActiveAtClose, 1);
    QCOMPARE(int(g_MainPageActive), 1);
    CheckWorkerHasTheDeviceBack();
}

void TestPairing::silentReceiverTimesOutAndMayBeClosed()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setPairingSilent(true);
    Match::SetPairTimeout(2500);
    int statusAfterShortReport = -1;
    bool startedAfterShortReport = false;
    const PairingRun run = Pair([this] { Page()->findChild<QPushButton *>("pushButton_2")->click(); }, "PairFail.png",
                                [&] {
                                    // A pairing status report without its data byte is not an outcome.
                                    HIDUsbSim::injectReport(QByteArray("\x00\x06\x00\x00\x00", 5), QByteArray());
                                    HIDUsbSim::waitIdle();
                                    statusAfterShortReport = g_MatchStatus;
                                    startedAfterShortReport = g_MatchStarted;
                                });
    QVERIFY(run.dialogSeen);
    QVERIFY(run.closeRefusedWhilePairing);
    QCOMPARE(statusAfterShortReport, 1);
    QVERIFY(startedAfterShortReport);
    // The time-out ended the pairing as a lost receiver: failure look, the
    // read pass given back, and the close button closed the dialog.
    QVERIFY(!run.lookAtEnd.isEmpty());
    QCOMPARE(g_MatchStatus.load(), 3);
    QVERIFY(!g_MatchStarted);
    QCOMPARE(run.mainPageActiveAtClose, 1);
    QVERIFY(!OpenMatch());
    CheckWorkerHasTheDeviceBack();
}

void TestPairing::unpluggedReceiverFailsAndGivesTheReadPassBack()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setPairDuration(60000); // no outcome report before the receiver goes
    bool movedToCable = false;
    const PairingRun run = Pair([this] { Page()->findChild<QPushButton *>("pushButton_2")->click(); }, "PairFail.png",
                                [&] {
                                    // The user plugs the mouse's cable in and pulls the
                                    // receiver out: the main frame goes on with the cable.
                                    m_Cable = HIDUsbSim::plug(Cable());
                                    movedToCable = QTest::qWaitFor(
                                        [&] { return g_CurrentDevice.get().Path == HIDUsbSim::path(m_Cable); }, 5000);
                                    HIDUsbSim::unplug(m_Receiver);
                                });
    HIDUsbSim::setPairDuration(200);
    QVERIFY(run.dialogSeen);
    QVERIFY(movedToCable);
    QVERIFY(!run.lookAtEnd.isEmpty());
    QCOMPARE(g_MatchStatus.load(), 3);
    QCOMPARE(m_Window->CurrentPage(), 1);
    // The loss gave the read pass back at once, not only at the close.
    QCOMPARE(run.mainPageActiveAtClose, 1);
    QCOMPARE(int(g_MainPageActive), 1);
}

void TestPairing::cordedMouseCannotBePaired()
{
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(g_CurrentDevice.get().Wired);
    HIDUsbSim::clearCalls();
    bool hintShown = false;
    bool buttonDisabled = false;
    bool startIgnored = false;
    WatchPtr watch = Watch([&] {
        Match *match = OpenMatch();
        if (!match || !match->findChild<QLabel *>("label")->isVisible())
            return;
        hintShown = !match->findChild<QTextEdit *>("textEdit")->isVisible();
        buttonDisabled = !MatchButton(match)->isEnabled();
        MatchButton(match)->click();
        startIgnored = !g_MatchStarted && g_MatchStatus == 0;
        match->findChild<QToolButton *>("CloseButton")->click();
    });
    Page()->findChild<QPushButton *>("pushButton_2")->click();
    watch.reset();
    QVERIFY(hintShown);
    QVERIFY(buttonDisabled);
    QVERIFY(startIgnored);
    QCOMPARE(HIDUsbSim::callCount("UsbServer_EnterDonglePairOnlyCid"), 0);
    QCOMPARE(int(g_MainPageActive), 1);
}

void TestPairing::lostReceiverLeavesTheDeviceListItsOwn()
{
    // Back to the device list with the cable gone, then a receiver alone.
    HIDUsbSim::unplug(m_Cable);
    QTRY_COMPARE(m_Window->CurrentPage(), 0);
    m_Receiver = HIDUsbSim::plug(Receiver());
    QTRY_COMPARE(g_TileButtons.size(), 1);
    QString why;
    QVERIFY2(SelectAndOpenSettings(m_Window, &why), qPrintable(why));
    QCOMPARE(int(g_MainPageActive), 1);

    HIDUsbSim::setPairDuration(60000);
    HIDUsbSim::clearCalls();
    const PairingRun run = Pair([this] { Page()->findChild<QPushButton *>("pushButton_2")->click(); }, "PairFail.png",
                                [this] { HIDUsbSim::unplug(m_Receiver); });
    HIDUsbSim::setPairDuration(200);
    QVERIFY(run.dialogSeen);
    QVERIFY(!run.lookAtEnd.isEmpty());
    // The worker gave the device up and the window went back to the list:
    // no read pass is given back, and neither the worker's hot-plug callback
    // nor the device connection comes back after the dialog.
    QCOMPARE(m_Window->CurrentPage(), 0);
    QCOMPARE(run.mainPageActiveAtClose, 0);
    QCOMPARE(int(g_MainPageActive), 0);
    const QStringList calls = HIDUsbSim::calls();
    const int closeHotplug = calls.lastIndexOf(QRegularExpression("^StartUsbChanged\\(callback, 600\\)"));
    QVERIFY(closeHotplug >= 0);
    QCOMPARE(IndexOfCall(calls, "UsbServerC_Start(", closeHotplug), -1);
    // The device list's own callback still answers a hot-plug.
    m_Receiver = HIDUsbSim::plug(Receiver());
    QTRY_COMPARE(g_TileButtons.size(), 1);
}

ORVIK_TEST_MAIN(TestPairing)

#include "tst_pairing.moc"
