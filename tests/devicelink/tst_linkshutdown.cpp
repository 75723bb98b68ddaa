// Shutdown of the device link: once the event loop has ended, a delivery of
// the library that is still running (blocked on the GUI thread, then working
// on its own thread) is waited for, and no callback starts afterwards, so
// none reaches the application object or a static store while they go away.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <thread>

using namespace DeviceLinkTest;

namespace {

QObject *g_GuiObject = nullptr;
std::atomic<int> g_Entered{0};
std::atomic<int> g_Finished{0};
std::atomic<int> g_Hotplugs{0};

// A data callback like the utility's: it hands something to the GUI thread
// and waits for it, then goes on working on the library's thread.
void SlowCallback(unsigned char *, int, unsigned char *, int)
{
    ++g_Entered;
    QMetaObject::invokeMethod(
        g_GuiObject, [] {}, Qt::BlockingQueuedConnection);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ++g_Finished;
}

void CountHotplug()
{
    ++g_Hotplugs;
}

} // namespace

class TestLinkShutdown : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ConfigDir;

private slots:
    void initTestCase()
    {
        g_GuiObject = this;
        startLink(m_ConfigDir, this);
    }

    void init()
    {
        resetLink();
        g_Entered = 0;
        g_Finished = 0;
        g_Hotplugs = 0;
    }

    void deliveryInProgressIsWaitedFor()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        const QByteArray path = HIDUsbSim::path(id).toLatin1();
        StartUsbChanged(&CountHotplug, 600);
        QCOMPARE(g_Hotplugs.load(), 1);
        QVERIFY(UsbServerC_Start(path.constData(), path.constData(), &SlowCallback));
        QVERIFY(UsbServer_ReadBatteryLevel());
        // The GUI thread does not serve events here: the delivery blocks in it.
        for (int i = 0; i < 5000 && g_Entered.load() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QCOMPARE(g_Entered.load(), 1);
        QCOMPARE(g_Finished.load(), 0);
        UsbServer_ReadVersion(); // queued behind it

        QVERIFY(Worker::Shutdown());
        QCOMPARE(g_Finished.load(), 1);

        // Nothing starts any more: neither the queued report, nor new ones,
        // nor the hot-plug callback.
        UsbServer_ReadBatteryLevel();
        HIDUsbSim::plug(receiverSetup("m2"));
        QVERIFY(HIDUsbSim::waitIdle());
        QCoreApplication::processEvents();
        QCOMPARE(g_Entered.load(), 1);
        QCOMPARE(g_Hotplugs.load(), 1);
        QVERIFY(!g_PollTimer->isActive());
        QCOMPARE(HIDUsb_StopCallbacks(), 0);
    }

    // A worker pass blocked handing the offline refresh to the pages is
    // served and finished before shutdown returns.
    void runningPassIsWaitedFor()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        HIDUsbSim::setOnline(id, false);
        PostMsg::GetInstance()->EmitSelectMouseInfo(pickerEntry(id));
        g_MainPageActive = 1;
        g_WorkerRunEnable = true;
        g_Worker.load()->start();
        QVERIFY(Worker::Shutdown());
        QVERIFY(!g_Worker.load()->isRunning());
        QVERIFY(!g_WorkerRunEnable);
    }
};

ORVIK_TEST_MAIN(TestLinkShutdown)
#include "GlobalState.h"
#include "tst_linkshutdown.moc"
