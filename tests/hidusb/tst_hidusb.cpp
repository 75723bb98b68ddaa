// The simulated device library: threading contract, report layouts, record
// coding, offline behaviour, configurations, devices file, identification,
// pairing and firmware flashing.

#include "TestMain.h"

#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <mutex>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

constexpr int RecordSize = HIDUSB_FLASH_RECORD_SIZE;

// ---- data callback that records what arrives ----
struct Received
{
    QByteArray header;
    QByteArray data;
    QThread *thread = nullptr;
};

std::mutex g_mutex;
QList<Received> g_reports;
std::atomic<int> g_inCallback{0};
std::atomic<int> g_maxConcurrent{0};

void collect(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    const int now = ++g_inCallback;
    int seen = g_maxConcurrent.load();
    while (now > seen && !g_maxConcurrent.compare_exchange_weak(seen, now)) {
    }
    QThread::usleep(200); // widen the window for overlapping deliveries
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_reports.append({QByteArray(reinterpret_cast<char *>(header), headerLength),
                          QByteArray(reinterpret_cast<char *>(data), length), QThread::currentThread()});
    }
    --g_inCallback;
}

QList<Received> reports()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_reports;
}

void clearReports()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_reports.clear();
    g_maxConcurrent = 0;
}

quint8 cmd(const Received &r)
{
    return r.header.size() > 1 ? quint8(r.header[1]) : 0;
}

// ---- hot-plug callbacks ----
int g_hotplugA = 0;
int g_hotplugB = 0;
QThread *g_hotplugThread = nullptr;
void hotplugA()
{
    ++g_hotplugA;
    g_hotplugThread = QThread::currentThread();
}
void hotplugB()
{
    ++g_hotplugB;
}

// ---- upgrade callback ----
QList<QByteArray> g_upgrade;
std::mutex g_upgradeMutex;
void upgradeCollect(unsigned char *report)
{
    std::lock_guard<std::mutex> lock(g_upgradeMutex);
    g_upgrade.append(QByteArray(reinterpret_cast<char *>(report), 3));
}
QList<QByteArray> upgradeReports()
{
    std::lock_guard<std::mutex> lock(g_upgradeMutex);
    return g_upgrade;
}

HIDUsbSim::DeviceSetup receiverSetup(const QString &name = QString())
{
    return HIDUsbSim::sampleReceiverMouse(name, QString());
}

HIDUsbSim::DeviceSetup cordedSetup(const QString &name = QString())
{
    return HIDUsbSim::sampleCordedMouse(name, QString());
}

QByteArray pathOf(int id)
{
    return HIDUsbSim::path(id).toUtf8();
}

// Opens the connection to a device with the collecting callback.
void connectTo(int id)
{
    const QByteArray p = pathOf(id);
    QCOMPARE(UsbServerC_Start(p.constData(), p.constData(), collect), 1);
}

struct Record
{
    unsigned char bytes[RecordSize];
};

} // namespace

class TestHidUsb : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        HIDUsbSim::reset();
        HIDUsbSim::setReportDelay(1);
        clearReports();
        g_hotplugA = g_hotplugB = 0;
        g_hotplugThread = nullptr;
        std::lock_guard<std::mutex> lock(g_upgradeMutex);
        g_upgrade.clear();
    }

    void hotplugRunsOnRegisteringThread();
    void hotplugSurvivesReentryAndNestedLoops();
    void blockedCallbackDoesNotBlockCaller();
    void reportsArriveInOrderOnLibraryThread();
    void recordSurvivesWriteAndFullRead_data();
    void recordSurvivesWriteAndFullRead();
    void garbledFullReadIsRefused();
    void offlineMouseAnswersNothing();
    void configurationSwitchAndFactoryReset();
    void twinEntriesShareOneMouse();
    void enumerationRoomAndStablePaths();
    void receiverLightingAndLongRange();
    void identificationFromKthAsk_data();
    void identificationFromKthAsk();
    void devicesFile_data();
    void devicesFile();
    void devicesFileChangesArePickedUp();
    void devicesFileVersions_data();
    void devicesFileVersions();
    void devicesFileEditsReachTheMouse_data();
    void devicesFileEditsReachTheMouse();
    void pairing_data();
    void pairing();
    void flash_data();
    void flash();
    void flashLeavesEnumeration_data();
    void flashLeavesEnumeration();
    void repairAfterFailedFlash();
    void callList();
};

void TestHidUsb::hotplugRunsOnRegisteringThread()
{
    StartUsbChanged(hotplugA, 600);
    QCOMPARE(g_hotplugA, 1); // before StartUsbChanged returned
    QCOMPARE(g_hotplugThread, QThread::currentThread());

    const int id = HIDUsbSim::plug(receiverSetup());
    QCOMPARE(g_hotplugA, 1); // posted, not called inside plug
    QTRY_COMPARE(g_hotplugA, 2);
    QCOMPARE(g_hotplugThread, QThread::currentThread());

    // A change made on another thread still reaches the registering thread.
    std::thread([id] { HIDUsbSim::unplug(id); }).join();
    QTRY_COMPARE(g_hotplugA, 3);
    QCOMPARE(g_hotplugThread, QThread::currentThread());

    // Going offline is no USB event.
    const int id2 = HIDUsbSim::plug(receiverSetup("b"));
    QTRY_COMPARE(g_hotplugA, 4);
    HIDUsbSim::setOnline(id2, false);
    QTest::qWait(20);
    QCOMPARE(g_hotplugA, 4);

    // A new start replaces the callback; a stop ends the calls.
    StartUsbChanged(hotplugB, 600);
    QCOMPARE(g_hotplugB, 1);
    HIDUsbSim::plug(receiverSetup("c"));
    QTRY_COMPARE(g_hotplugB, 2);
    QCOMPARE(g_hotplugA, 4);
    StopUsbChanged();
    HIDUsbSim::plug(receiverSetup("d"));
    QTest::qWait(20);
    QCOMPARE(g_hotplugB, 2);
}

namespace {
int g_reentry = 0;
int g_nestedSeen = 0;
void reentrantHotplug()
{
    ++g_reentry;
    if (g_reentry == 1) {
        // Registering again from inside the first call (as the pairing
        // dialog's close does) runs the callback once more, nested.
        StartUsbChanged(reentrantHotplug, 600);
        return;
    }
    if (g_reentry == 3) {
        // A modal dialog: a nested event loop during which another device
        // arrives; its notification runs inside the nested loop.
        QEventLoop loop;
        QTimer::singleShot(0, [] { HIDUsbSim::plug(receiverSetup("nested2")); });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        const int before = g_reentry;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (g_reentry > before) {
                g_nestedSeen = 1;
                loop.quit();
            }
        });
        poll.start(1);
        loop.exec();
    }
}
} // namespace

void TestHidUsb::hotplugSurvivesReentryAndNestedLoops()
{
    g_reentry = 0;
    g_nestedSeen = 0;
    StartUsbChanged(reentrantHotplug, 600);
    QCOMPARE(g_reentry, 2);
    HIDUsbSim::plug(receiverSetup("nested1"));
    QTRY_COMPARE(g_reentry, 4);
    QCOMPARE(g_nestedSeen, 1);
    StopUsbChanged();
}

namespace {
QSemaphore g_entered;
QSemaphore g_release;
std::atomic<int> g_blockedCalls{0};
std::atomic<int> g_onlineInside{0};
void blockingCallback(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    ++g_blockedCalls;
    // Calls from inside a callback are allowed.
    g_onlineInside = UsbFinderC_GetDeviceOnLine(HIDUsbSim::connectionPath().toUtf8().constData());
    g_entered.release();
    g_release.acquire();
    collect(header, headerLength, data, length);
}

// Stands in for a page: the callback reaches it with a blocking connection,
// and the page writes the device from the GUI thread meanwhile.
class Page : public QObject
{
public:
    int written = 0;
    void apply()
    {
        Record r;
        std::memcpy(r.bytes, HIDUsbSim::factoryRecord().constData(), RecordSize);
        r.bytes[0] = 8;
        written += ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&r));
        written += UsbFinderC_GetDeviceOnLine(HIDUsbSim::connectionPath().toUtf8().constData());
    }
};
Page *g_page = nullptr;
void pageCallback(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    QMetaObject::invokeMethod(
        g_page, [] { g_page->apply(); }, Qt::BlockingQueuedConnection);
    collect(header, headerLength, data, length);
}
} // namespace

void TestHidUsb::blockedCallbackDoesNotBlockCaller()
{
    const int id = HIDUsbSim::plug(receiverSetup());
    const QByteArray p = pathOf(id);
    g_blockedCalls = 0;
    QCOMPARE(UsbServerC_Start(p.constData(), p.constData(), blockingCallback), 1);
    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QVERIFY(g_entered.tryAcquire(1, 5000));

    // The callback is blocked; the GUI thread goes on.
    QCOMPARE(UsbFinderC_GetDeviceOnLine(p.constData()), 1);
    Record r;
    std::memcpy(r.bytes, HIDUsbSim::factoryRecord().constData(), RecordSize);
    r.bytes[1] = 7;
    QCOMPARE(ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&r)), 1);
    QCOMPARE(UsbServer_ReadVersion(), 1); // queued behind the blocked one
    UsbServer_Exit();                     // drops it
    QCOMPARE(HIDUsbSim::storedRecord(id).at(1), char(7));
    g_release.release();
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(g_blockedCalls.load(), 1);
    QCOMPARE(g_onlineInside.load(), 1);
    QCOMPARE(reports().size(), 1);

    // The pages' pattern: the callback waits on the GUI thread, which writes.
    Page page;
    g_page = &page;
    QCOMPARE(UsbServerC_Start(p.constData(), p.constData(), pageCallback), 1);
    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QCOMPARE(UsbServer_ReadConfig(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(page.written, 4);
    QCOMPARE(reports().size(), 3);
    QCOMPARE(HIDUsbSim::storedRecord(id).at(0), char(8));
    g_page = nullptr;
}

void TestHidUsb::reportsArriveInOrderOnLibraryThread()
{
    const int id = HIDUsbSim::plug(receiverSetup());
    HIDUsbSim::setBattery(id, 63, true);
    HIDUsbSim::setReportDelay(0);
    connectTo(id);
    const QByteArray stored = HIDUsbSim::storedRecord(id);
    const auto *rec = reinterpret_cast<const unsigned char *>(stored.constData());

    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QCOMPARE(UsbServer_ReadCurrentDPI(), 1);
    QCOMPARE(UsbServer_ReadReportRate(), 1);
    QCOMPARE(UsbServer_ReadDPILed(), 1);
    QCOMPARE(UsbServer_ReadLedBar(), 1);
    QCOMPARE(UsbServer_ReadBatteryLevel(), 1);
    QCOMPARE(UsbServer_ReadVersion(), 1);
    QCOMPARE(UsbServer_ReadConfig(), 1);
    QVERIFY(HIDUsbSim::injectReport(QByteArray(1, 9), QByteArray()));
    QVERIFY(HIDUsbSim::waitIdle());

    const QList<Received> got = reports();
    QCOMPARE(got.size(), 9);
    QCOMPARE(g_maxConcurrent.load(), 1);
    // command, header byte 3, header byte 4, data length
    const int expected[8][4] = {{8, 0, 0x00, 6912}, {8, 0, 0x04, 1}, {8, 0, 0x00, 1}, {8, 0, 0x4C, 8},
                                {8, 0, 0xA0, 9},    {4, 0, 0, 4},    {18, 0, 0, 2},   {14, 0, 0, 1}};
    for (int i = 0; i < 8; ++i) {
        const Received &r = got[i];
        QVERIFY(r.thread != QThread::currentThread());
        QCOMPARE(r.header.size(), 5);
        QCOMPARE(int(cmd(r)), expected[i][0]);
        QCOMPARE(int(quint8(r.header[3])), expected[i][1]);
        QCOMPARE(int(quint8(r.header[4])), expected[i][2]);
        QCOMPARE(r.data.size(), expected[i][3]);
        if (i > 0)
            QCOMPARE(quint8(r.header[2]), quint8(quint8(got[i - 1].header[2]) + 1)); // sequence
    }
    QCOMPARE(got[8].header, QByteArray(1, 9)); // injected, after the rest

    const auto data = [&](int i) { return reinterpret_cast<const unsigned char *>(got[i].data.constData()); };
    QCOMPARE(data(1)[0], rec[2]);
    QCOMPARE(data(2)[0], rec[0]);
    unsigned char led[4], bar[7], battery[4];
    BufferToDPILed(data(3), led);
    BufferToLedBar(data(4), bar);
    GetDeviceBatteryStatus(data(5), battery);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(led), 4), stored.mid(63, 4));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(bar), 7), stored.mid(67, 7));
    QCOMPARE(int(battery[0]), 63);
    QVERIFY(battery[1] != 0);
    QCOMPARE((data(6)[0] << 8) | data(6)[1], int(HIDUsbSim::setup(id).mouseVersion));
    QCOMPARE(int(data(7)[0]), HIDUsbSim::activeConfig(id));
}

void TestHidUsb::recordSurvivesWriteAndFullRead_data()
{
    QTest::addColumn<int>("randomBytes");
    QTest::addColumn<bool>("fits");
    // Reserved bytes and the unused key and macro records carry anything.
    QTest::newRow("reserved bytes random") << 0 << true;
    QTest::newRow("2000 random bytes in macro records") << 2000 << true;
    QTest::newRow("whole record random") << RecordSize << false;
}

void TestHidUsb::recordSurvivesWriteAndFullRead()
{
    QFETCH(int, randomBytes);
    QFETCH(bool, fits);
    const int id = HIDUsbSim::plug(receiverSetup());
    connectTo(id);
    const QByteArray before = HIDUsbSim::storedRecord(id);

    QRandomGenerator rng(1234);
    Record r;
    std::memcpy(r.bytes, before.constData(), RecordSize);
    for (int offset : {3, 4, 14, 122, 123})
        r.bytes[offset] = quint8(rng.bounded(1, 256));
    if (randomBytes == RecordSize) {
        for (int i = 0; i < RecordSize; ++i)
            r.bytes[i] = quint8(rng.generate());
    } else {
        for (int i = 0; i < randomBytes; ++i)
            r.bytes[956 + 592 * 9 + i] = quint8(rng.generate()); // buttons 9.. (unused by the pages)
    }
    r.bytes[10427] = 0xA5;
    const QByteArray written(reinterpret_cast<char *>(r.bytes), RecordSize);

    QCOMPARE(ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&r)), fits ? 1 : 0);
    QCOMPARE(HIDUsbSim::storedRecord(id), fits ? written : before);
    QCOMPARE(HIDUsbSim::lastRecord(id), fits ? written : QByteArray());

    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(reports().size(), 1);
    Record back;
    std::memset(back.bytes, 0, RecordSize);
    QCOMPARE(ProtocolDataParser(reinterpret_cast<const unsigned char *>(reports()[0].data.constData()),
                                reinterpret_cast<FlashDataMap *>(&back)),
             1);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(back.bytes), RecordSize), fits ? written : before);
}

void TestHidUsb::garbledFullReadIsRefused()
{
    Record target;
    std::memset(target.bytes, 0x33, RecordSize);
    QByteArray data(HIDUSB_FULL_READ_SIZE, '\0');
    QCOMPARE(ProtocolDataParser(reinterpret_cast<const unsigned char *>(data.constData()),
                                reinterpret_cast<FlashDataMap *>(&target)),
             0);
    // A valid read with a flipped byte in the compressed stream.
    const int id = HIDUsbSim::plug(receiverSetup());
    connectTo(id);
    UsbServer_ReadAllFlashData();
    QVERIFY(HIDUsbSim::waitIdle());
    data = reports()[0].data;
    data[40] = char(data[40] ^ 0x5A);
    QCOMPARE(ProtocolDataParser(reinterpret_cast<const unsigned char *>(data.constData()),
                                reinterpret_cast<FlashDataMap *>(&target)),
             0);
    for (int i = 0; i < RecordSize; ++i)
        QCOMPARE(target.bytes[i], quint8(0x33));
}

void TestHidUsb::offlineMouseAnswersNothing()
{
    const int id = HIDUsbSim::plug(receiverSetup());
    connectTo(id);
    const QByteArray p = pathOf(id);
    HIDUsbSim::setOnline(id, false);
    const QByteArray before = HIDUsbSim::storedRecord(id);

    QCOMPARE(UsbFinderC_GetDeviceOnLine(p.constData()) & 0xFF, 0);
    QCOMPARE(UsbServer_ReadAllFlashData(), 0);
    QCOMPARE(UsbServer_ReadBatteryLevel(), 0);
    QCOMPARE(UsbServer_SetCurrentConfig(1), 0);
    QCOMPARE(UsbServer_SetClearSetting(), 0);
    Record r;
    std::memset(r.bytes, 0, RecordSize);
    QCOMPARE(ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&r)), 0);
    QCOMPARE(UsbFinderC_GetVersion(p.constData()), 0);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(reports().size(), 0);
    QCOMPARE(HIDUsbSim::storedRecord(id), before);
    QCOMPARE(HIDUsbSim::activeConfig(id), 0);

    // The receiver itself still answers: identity and status bytes.
    unsigned char address[10];
    QCOMPARE(UsbFinderC_GetDeviceOnLineWithUsbAddress(p.constData(), address), 0);
    QCOMPARE(int(address[6]), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(address + 7), 3), HIDUsbSim::setup(id).statusBytes);
    const unsigned char *info = UsbFinderC_GetDeviceInfo(p.constData());
    QCOMPARE(int(info[0]), 0x1A);

    // Bits above the low byte of the online answer say nothing about the mouse.
    HIDUsbSim::setOnlineAnswerHighBits(0x1FF);
    QCOMPARE(UsbFinderC_GetDeviceOnLine(p.constData()), 0x100);

    HIDUsbSim::setOnline(id, true);
    QCOMPARE(UsbFinderC_GetDeviceOnLine(p.constData()), 0x101);
    HIDUsbSim::setOnlineAnswerHighBits(0);
    QCOMPARE(UsbFinderC_GetDeviceOnLine(p.constData()), 1);
    QCOMPARE(UsbFinderC_GetDeviceOnLineWithUsbAddress(p.constData(), address), 1);
    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(reports().size(), 1);
}

void TestHidUsb::configurationSwitchAndFactoryReset()
{
    const int id = HIDUsbSim::plug(receiverSetup());
    connectTo(id);
    QCOMPARE(UsbServer_SetCurrentConfig(4), 0);
    QCOMPARE(UsbServer_SetCurrentConfig(-1), 0);
    QCOMPARE(UsbServer_SetCurrentConfig(2), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(HIDUsbSim::activeConfig(id), 2);
    QCOMPARE(reports().size(), 1);
    QCOMPARE(int(cmd(reports()[0])), HIDUSB_CMD_STATUS_CHANGE);
    unsigned char flags[7];
    GetDeviceStatusChanged(reinterpret_cast<const unsigned char *>(reports()[0].data.constData()), flags);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(flags), 7), QByteArray::fromHex("00000100000000"));

    // Writes land in the active configuration only.
    Record r;
    std::memcpy(r.bytes, HIDUsbSim::storedRecord(id).constData(), RecordSize);
    r.bytes[0] = 32;
    QCOMPARE(ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&r)), 1);
    QCOMPARE(HIDUsbSim::storedRecord(id, 2).at(0), char(32));
    QCOMPARE(HIDUsbSim::storedRecord(id, 0).at(0), char(1));

    clearReports();
    QCOMPARE(UsbServer_SetClearSetting(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(reports().size(), 1);
    QCOMPARE(int(cmd(reports()[0])), HIDUSB_CMD_RESET);
    QCOMPARE(HIDUsbSim::storedRecord(id), HIDUsbSim::factoryRecord());
    QCOMPARE(HIDUsbSim::activeConfig(id), 2);
}

void TestHidUsb::twinEntriesShareOneMouse()
{
    HIDUsbSim::DeviceSetup rx = receiverSetup("rx");
    rx.mouse = "m";
    HIDUsbSim::DeviceSetup cable = cordedSetup("cable");
    cable.mid = 0x33; // the mouse's own identity (its first entry's) wins
    cable.mouse = "m";
    const int r = HIDUsbSim::plug(rx);
    const int c = HIDUsbSim::plug(cable);
    const char identity[3] = {char(HIDUsbSim::sampleCid), char(HIDUsbSim::sampleWirelessMid), 2};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(UsbFinderC_GetDeviceInfo(pathOf(c).constData())), 3),
             QByteArray(identity, 3));
    QCOMPARE(HIDUsbSim::setup(r).statusBytes, HIDUsbSim::setup(c).statusBytes);
    QVERIFY(HIDUsbSim::setup(r).statusBytes != QByteArray(3, '\0'));

    connectTo(c);
    Record rec;
    std::memcpy(rec.bytes, HIDUsbSim::storedRecord(c).constData(), RecordSize);
    rec.bytes[5] = 2;
    QCOMPARE(ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&rec)), 1);
    connectTo(r);
    QCOMPARE(UsbServer_ReadAllFlashData(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    Record back;
    QCOMPARE(ProtocolDataParser(reinterpret_cast<const unsigned char *>(reports().last().data.constData()),
                                reinterpret_cast<FlashDataMap *>(&back)),
             1);
    QCOMPARE(int(back.bytes[5]), 2);
}

void TestHidUsb::enumerationRoomAndStablePaths()
{
    QList<int> ids;
    for (int i = 0; i < 7; ++i)
        ids << HIDUsbSim::plug(receiverSetup(QString("r%1").arg(i)));
    HIDUsbSim::plug(cordedSetup("c"));
    int count = 5;
    char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "f503", &count);
    QCOMPARE(count, 5);
    QCOMPARE(QString::fromUtf8(paths[0]), HIDUsbSim::path(ids[0]));
    const char *first = paths[0];
    count = 5;
    paths = UsbFinderC_FindHidDevicesByDeviceId("3554", "F503", 1, 5, &count);
    QCOMPARE(count, 5);
    QCOMPARE(paths[0], first); // one text per device for the life of the process
    count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F501", &count);
    QCOMPARE(count, 0);
    const QByteArray firstPath = pathOf(ids[0]);
    HIDUsbSim::unplug(ids[0]);
    QCOMPARE(QByteArray(first), firstPath); // still readable after the device went

    // HID attributes: version word little-endian at bytes 8-9.
    HIDUsbSim::DeviceSetup s = receiverSetup("v");
    s.receiverVersion = 0x021A;
    const int v = HIDUsbSim::plug(s);
    unsigned char attr[12] = {};
    QCOMPARE(UsbFinderC_GetUsbDeviceAttribute(pathOf(v).constData(), attr), 1);
    QCOMPARE(int(attr[8] | attr[9] << 8), 0x021A);
    QCOMPARE(int(attr[6] | attr[7] << 8), 0xF503);
    int word = 0;
    QCOMPARE(UsbFinderC_GetSlaveVersion(pathOf(v).constData(), &word), 1);
    QCOMPARE(word, 0x021A);
}

void TestHidUsb::receiverLightingAndLongRange()
{
    const int rx = HIDUsbSim::plug(receiverSetup("rx"));
    const int cable = HIDUsbSim::plug(cordedSetup("cable"));
    connectTo(rx);
    unsigned char rgb[10] = {};
    QCOMPARE(UsbFinderC_Get4KDongleRGBValue(pathOf(rx).constData(), reinterpret_cast<DongleRGB *>(rgb)), 1);
    QCOMPARE(int(rgb[0]), 1);
    rgb[0] = 3;
    rgb[9] = 0x44;
    QCOMPARE(UsbFinderC_Set4KDongleRGB(pathOf(rx).constData(), reinterpret_cast<DongleRGB *>(rgb)), 1);
    QCOMPARE(HIDUsbSim::dongleRgb(rx), QByteArray(reinterpret_cast<char *>(rgb), 10));

    unsigned char mode = 0x73;
    QCOMPARE(UsbFinderC_GetLongRangeMode(pathOf(cable).constData(), &mode), 0);
    QCOMPARE(int(mode), 0x73); // no receiver: untouched
    QCOMPARE(UsbFinderC_SetLongRangeMode(pathOf(rx).constData(), 1), 1);
    QCOMPARE(UsbFinderC_GetLongRangeMode(pathOf(rx).constData(), &mode), 1);
    QCOMPARE(int(mode), 1);
    QCOMPARE(UsbFinderC_SetLongRangeMode(pathOf(rx).constData(), 0), 1);
    QCOMPARE(UsbFinderC_GetLongRangeMode(pathOf(rx).constData(), &mode), 1);
    QCOMPARE(int(mode), 0);
    QVERIFY(HIDUsbSim::waitIdle());

    const QList<Received> got = reports();
    QCOMPARE(got.size(), 3);
    QCOMPARE(int(cmd(got[0])), HIDUSB_CMD_DONGLE_RGB);
    QCOMPARE(got[0].data.size(), 10);
    QCOMPARE(int(cmd(got[1])), HIDUSB_CMD_LONG_RANGE);
    QCOMPARE(got[1].data.size(), 1); // on
    QCOMPARE(int(cmd(got[2])), HIDUSB_CMD_LONG_RANGE);
    QCOMPARE(got[2].data.size(), 10); // off
}

void TestHidUsb::identificationFromKthAsk_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("at once") << 1;
    QTest::newRow("ninth ask") << 9;
    QTest::newRow("tenth ask") << 10;
}

void TestHidUsb::identificationFromKthAsk()
{
    QFETCH(int, k);
    HIDUsbSim::DeviceSetup s = cordedSetup();
    s.identifyFrom = k;
    const int id = HIDUsbSim::plug(s);
    const QByteArray p = pathOf(id);
    const char identity[3] = {char(HIDUsbSim::sampleCid), char(HIDUsbSim::sampleCordedMid), 2};
    for (int ask = 1; ask <= 10; ++ask) {
        const unsigned char *info = UsbFinderC_GetDeviceInfo(p.constData());
        const QByteArray got(reinterpret_cast<const char *>(info), 3);
        QCOMPARE(got, ask < k ? QByteArray(3, '\0') : QByteArray(identity, 3));
    }
    QCOMPARE(HIDUsbSim::identifyAsks(id), 10);
    const unsigned char *unknown = UsbFinderC_GetDeviceInfo("no such path");
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(unknown), 3), QByteArray(3, '\0'));
}

void TestHidUsb::devicesFile_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("devices");
    QTest::addColumn<QString>("fault");
    QTest::newRow("receiver and its mouse on cable") << QByteArray(R"({"devices": [
             {"name": "rx", "pid": "F503", "type": 1, "cid": "0x1A", "mid": 5, "mouse": "m", "online": false,
              "mouseVersion": "0x0203", "battery": 50, "charging": true},
             {"name": "cable", "pid": "F500", "type": 2, "cid": 26, "mid": 5, "mouse": "m",
              "mouseVersion": 1, "status": [1, 2, 3]}]})")
                                                     << 2 << QString();
    QTest::newRow("plain array, boot mode entry")
        << QByteArray(R"([{"pid": "F500", "type": 2, "bootMode": true}])") << 1 << QString();
    QTest::newRow("empty list") << QByteArray(R"({"devices": []})") << 0 << QString();
    QTest::newRow("not JSON") << QByteArray("{devices: [") << 0 << QString("not valid JSON");
    QTest::newRow("unknown key") << QByteArray(R"([{"pid": "F500", "colour": 3}])") << 0 << QString("colour");
    QTest::newRow("cid out of range") << QByteArray(R"([{"cid": 300}])") << 0 << QString("\"cid\"");
    QTest::newRow("pid not hex") << QByteArray(R"([{"pid": "F5G0"}])") << 0 << QString("\"pid\"");
    QTest::newRow("status too short") << QByteArray(R"([{"status": [1, 2]}])") << 0 << QString("\"status\"");
    // Far outside every integer type: refused as out of range, never converted first.
    QTest::newRow("battery beyond 64 bits")
        << QByteArray(R"([{"battery": 66666666666666666802}])") << 0 << QString("\"battery\"");
    QTest::newRow("mid beyond 64 bits, negative") << QByteArray(R"([{"mid": -1e300}])") << 0 << QString("\"mid\"");
    QTest::newRow("same path twice") << QByteArray(R"([{"name": "a"}, {"name": "a"}])") << 0 << QString("same path");
    // Each fault the loader names; none of them may pass as a default value.
    QTest::newRow("no file") << QByteArray() << 0 << QString("cannot be opened");
    QTest::newRow("top level neither list nor devices")
        << QByteArray(R"({"mice": []})") << 0 << QString("unknown key \"mice\" at the top level");
    QTest::newRow("devices not a list") << QByteArray(R"({"devices": {}})") << 0 << QString("no \"devices\" array");
    QTest::newRow("entry not an object") << QByteArray(R"([{"name": "a"}, 3])") << 0
                                         << QString("device 2 is not an object");
    QTest::newRow("name of the wrong type") << QByteArray(R"([{"name": 5}])") << 0 << QString("\"name\"");
    QTest::newRow("online not a boolean") << QByteArray(R"([{"online": "yes"}])") << 0 << QString("\"online\"");
    QTest::newRow("fractional battery") << QByteArray(R"([{"battery": 50.5}])") << 0 << QString("\"battery\"");
    QTest::newRow("version beyond 16 bits")
        << QByteArray(R"([{"mouseVersion": "0x10000"}])") << 0 << QString("\"mouseVersion\"");
    QTest::newRow("identification never") << QByteArray(R"([{"identifyFrom": 0}])") << 0 << QString("\"identifyFrom\"");
    QTest::newRow("lighting one byte short")
        << QByteArray(R"([{"dongleRgb": [1, 0, 0, 0, 0, 0, 0, 0, 0]}])") << 0 << QString("\"dongleRgb\"");
    QTest::newRow("status byte beyond 255") << QByteArray(R"([{"status": [1, 2, 256]}])") << 0 << QString("\"status\"");
}

void TestHidUsb::devicesFile()
{
    QFETCH(QByteArray, json);
    QFETCH(int, devices);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString name = dir.path() + "/devices.json";
    if (!json.isNull()) {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(json);
        f.close();
    }

    QCOMPARE(HIDUsbSim::watchDevicesFile(name), fault.isEmpty());
    QCOMPARE(HIDUsbSim::devices().size(), devices);
    if (!fault.isEmpty()) {
        QVERIFY2(HIDUsbSim::lastFileError().contains(name), qPrintable(HIDUsbSim::lastFileError()));
        QVERIFY2(HIDUsbSim::lastFileError().contains(fault), qPrintable(HIDUsbSim::lastFileError()));
        return;
    }
    QVERIFY(HIDUsbSim::lastFileError().isEmpty());
    if (devices == 2) {
        const int rx = HIDUsbSim::devices()[0];
        const int cable = HIDUsbSim::devices()[1];
        QCOMPARE(UsbFinderC_GetDeviceOnLine(pathOf(rx).constData()), 0);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(pathOf(cable).constData()), 1);
        // One mouse: its first entry gives the mouse's own values.
        QCOMPARE(int(HIDUsbSim::setup(cable).mouseVersion), 0x0203);
        QCOMPARE(HIDUsbSim::setup(cable).statusBytes, QByteArray::fromHex("010203"));
        QCOMPARE(HIDUsbSim::setup(cable).battery, 50);
        QVERIFY(HIDUsbSim::setup(cable).charging);
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F503", &count);
        QCOMPARE(count, 1);
    }
    if (devices == 1) {
        int count = 5;
        UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F500", &count);
        QCOMPARE(count, 0); // boot mode: not enumerated
    }
}

void TestHidUsb::devicesFileChangesArePickedUp()
{
    QTemporaryDir dir;
    const QString name = dir.path() + "/devices.json";
    auto write = [&](const QByteArray &json) {
        // Replaced whole, so the poller never sees half a file; every
        // version has another size, in case the mtime grain is coarse.
        QSaveFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(json);
        QVERIFY(f.commit());
    };
    write(R"([{"name": "a", "pid": "F503"}, {"name": "b", "pid": "F500", "type": 2}])");
    HIDUsbSim::setPollInterval(20);
    QVERIFY(HIDUsbSim::watchDevicesFile(name));
    StartUsbChanged(hotplugA, 600);
    QCOMPARE(g_hotplugA, 1);
    const int a = HIDUsbSim::devices()[0];

    // Unplug "b": one notification; "a" keeps what the utility set on it.
    QCOMPARE(UsbFinderC_SetLongRangeMode(pathOf(a).constData(), 1), 1);
    write(R"([{"name": "a", "pid": "F503"}])");
    QTRY_COMPARE(g_hotplugA, 2);
    QCOMPARE(HIDUsbSim::devices(), QList<int>{a});
    QVERIFY(HIDUsbSim::longRange(a));

    // Only "online" changes: no notification, the same device keeps its state.
    write(R"([{"name": "a", "pid": "F503", "online": false}])");
    QTRY_COMPARE(UsbFinderC_GetDeviceOnLine(pathOf(a).constData()), 0);
    QCOMPARE(HIDUsbSim::devices(), QList<int>{a});
    QCOMPARE(g_hotplugA, 2);

    // A garbled file: no devices, one removal.
    write("[{");
    QTRY_COMPARE(HIDUsbSim::devices().size(), 0);
    QTRY_COMPARE(g_hotplugA, 3);
    QVERIFY(HIDUsbSim::lastFileError().contains(name));
    StopUsbChanged();
}

// A new version of the file against the entries of the last one: an entry
// described as before stays (with what the utility set on it), any other
// change unplugs and plugs it again, and a mouse named by a key keeps its
// stored records through that.
void TestHidUsb::devicesFileVersions_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("notifications");
    QTest::addColumn<bool>("sameEntry");  // the first entry of both versions is one entry
    QTest::addColumn<bool>("recordKept"); // its mouse still holds the record stored before
    QTest::newRow("another entry gone") << QByteArray(R"([{"name": "a"}, {"name": "b"}])")
                                        << QByteArray(R"([{"name": "a"}])") << 1 << true << true;
    QTest::newRow("another entry new") << QByteArray(R"([{"name": "a"}])")
                                       << QByteArray(R"([{"name": "a"}, {"name": "b"}])") << 1 << true << true;
    QTest::newRow("a boot-mode entry comes without notice")
        << QByteArray(R"([{"name": "a"}])") << QByteArray(R"([{"name": "a"}, {"name": "b", "bootMode": true}])") << 0
        << true << true;
    QTest::newRow("only the online flag changes")
        << QByteArray(R"([{"name": "a"}])") << QByteArray(R"([{"name": "a", "online": false}])") << 0 << true << true;
    QTest::newRow("the battery changes: in place, the mouse takes it")
        << QByteArray(R"([{"name": "a"}])") << QByteArray(R"([{"name": "a", "battery": 50}])") << 0 << true << true;
    QTest::newRow("the receiver's version changes: unplugged and plugged again")
        << QByteArray(R"([{"name": "a"}])") << QByteArray(R"([{"name": "a", "receiverVersion": 515}])") << 2 << false
        << false;
    QTest::newRow("the same mouse through a changed entry")
        << QByteArray(R"([{"name": "a", "mouse": "m"}])") << QByteArray(R"([{"name": "a", "mouse": "m", "type": 4}])")
        << 2 << false << true;
}

void TestHidUsb::devicesFileVersions()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, notifications);
    QFETCH(bool, sameEntry);
    QFETCH(bool, recordKept);
    QTemporaryDir dir;
    const QString name = dir.path() + "/devices.json";
    // Each version is read at once by watching the file again, not by the poller.
    auto load = [&name](const QByteArray &json) {
        QSaveFile f(name);
        return f.open(QIODevice::WriteOnly) && f.write(json) == json.size() && f.commit()
            && HIDUsbSim::watchDevicesFile(name);
    };
    QVERIFY(load(before));
    const int first = HIDUsbSim::devices().first();
    const QString pathA = HIDUsbSim::path(first);
    QByteArray record = HIDUsbSim::storedRecord(first);
    record[5] = 3;
    QVERIFY(HIDUsbSim::setStoredRecord(first, record));
    QCOMPARE(UsbFinderC_SetLongRangeMode(pathOf(first).constData(), 1), 1);
    StartUsbChanged(hotplugA, 600);
    const int posts = HIDUsbSim::hotplugPosts();

    QVERIFY(load(after));
    QCOMPARE(HIDUsbSim::hotplugPosts() - posts, notifications);
    const int now = HIDUsbSim::idForPath(pathA); // the entry of that path in the new version
    QVERIFY(now != 0);
    QCOMPARE(now == first, sameEntry);
    QCOMPARE(HIDUsbSim::longRange(now), sameEntry); // an entry plugged again starts afresh
    QCOMPARE(HIDUsbSim::storedRecord(now) == record, recordKept);
    StopUsbChanged();
}

namespace {

// What the utility learns of a mouse through one of its entries, by the calls
// it makes for it: the battery gauge's read (UsbServer_ReadBatteryLevel on
// the open connection, its report decoded by GetDeviceBatteryStatus), the
// firmware version and the status bytes of the online-with-address answer.
struct Seen
{
    int battery = -1;
    bool charging = false;
    int version = -1;
    QByteArray status;
    bool operator==(const Seen &o) const
    {
        return battery == o.battery && charging == o.charging && version == o.version && status == o.status;
    }
};

char *toString(const Seen &s)
{
    return QTest::toString(QStringLiteral("battery %1%2, version 0x%3, status %4")
                               .arg(s.battery)
                               .arg(s.charging ? " charging" : "")
                               .arg(s.version, 4, 16, QLatin1Char('0'))
                               .arg(QString::fromLatin1(s.status.toHex())));
}

Seen seenThrough(int id)
{
    Seen seen;
    const QByteArray p = pathOf(id);
    const int before = reports().size();
    if (UsbServer_ReadBatteryLevel() == 1 && HIDUsbSim::waitIdle()) {
        const QList<Received> now = reports();
        for (int i = now.size() - 1; i >= before; --i) {
            if (cmd(now[i]) != HIDUSB_CMD_BATTERY)
                continue;
            unsigned char status[4];
            GetDeviceBatteryStatus(reinterpret_cast<const unsigned char *>(now[i].data.constData()), status);
            seen.battery = status[0];
            seen.charging = status[1] != 0;
            break;
        }
    }
    seen.version = UsbFinderC_GetVersion(p.constData());
    unsigned char address[10];
    UsbFinderC_GetDeviceOnLineWithUsbAddress(p.constData(), address);
    seen.status = QByteArray(reinterpret_cast<char *>(address + 7), 3);
    return seen;
}

// Status-change reports that came without a request, with the battery flag.
int batteryChangeReports()
{
    int count = 0;
    for (const Received &r : reports()) {
        if (cmd(r) != HIDUSB_CMD_STATUS_CHANGE)
            continue;
        unsigned char flags[7];
        GetDeviceStatusChanged(reinterpret_cast<const unsigned char *>(r.data.constData()), flags);
        if (flags[6])
            ++count;
    }
    return count;
}

} // namespace

// The mouse's own values in the devices file (battery, charging, firmware
// version, status bytes): an edit made while the library runs reaches the
// mouse, whichever of its entries gives the value and whichever it is read
// through. The entries stay (no hot-plug notification), the mouse keeps its
// stored records, a battery change is reported to the open connection the
// way a mouse reports it, and a value the edit leaves alone stays as the
// mouse has it.
void TestHidUsb::devicesFileEditsReachTheMouse_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("readThrough"); // index of the entry the connection is open to
    QTest::addColumn<int>("ownBattery");  // the mouse's own level before the edit (-1: as the file says)
    QTest::addColumn<int>("battery");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("status"); // hex; empty: as before the edit

    const QByteArray cable = R"({"name": "cable", "pid": "F500", "type": 2, "mouse": "m1"})";
    auto rx = [](const QByteArray &more) {
        return QByteArray(R"({"name": "rx", "pid": "F503", "type": 1, "mouse": "m1")") + more + "}";
    };
    auto file = [](const QByteArray &a, const QByteArray &b) { return "[" + a + ", " + b + "]"; };
    QTest::newRow("battery and charging on the receiver, read through the cable")
        << file(rx(R"(, "battery": 80)"), cable) << file(rx(R"(, "battery": 15, "charging": true)"), cable) << 1 << -1
        << 15 << true << 0x0105 << QByteArray();
    QTest::newRow("battery on the receiver, read through the receiver")
        << file(rx(R"(, "battery": 80)"), cable) << file(rx(R"(, "battery": 15)"), cable) << 0 << -1 << 15 << false
        << 0x0105 << QByteArray();
    QTest::newRow("battery given by the second entry only")
        << file(cable, rx(R"(, "battery": 80)")) << file(cable, rx(R"(, "battery": 15)")) << 0 << -1 << 15 << false
        << 0x0105 << QByteArray();
    QTest::newRow("firmware version on the cable, read through the receiver")
        << file(rx(""), cable) << file(rx(""), R"({"name": "cable", "pid": "F500", "type": 2, "mouse": "m1",
           "mouseVersion": "0x0203"})")
        << 0 << -1 << 80 << false << 0x0203 << QByteArray();
    QTest::newRow("status bytes on the receiver, read through the cable")
        << file(rx(R"(, "status": [1, 2, 3])"), cable) << file(rx(R"(, "status": [4, 5, 6])"), cable) << 1 << -1 << 80
        << false << 0x0105 << QByteArray::fromHex("040506");
    QTest::newRow("a value the edit leaves alone stays as the mouse has it")
        << file(rx(R"(, "battery": 80)"), cable) << file(rx(R"(, "battery": 80, "mouseVersion": 515)"), cable) << 1
        << 40 << 40 << false << 0x0203 << QByteArray();
    QTest::newRow("a mouse of one entry, without a key")
        << QByteArray(R"([{"name": "a", "battery": 80}])") << QByteArray(R"([{"name": "a", "battery": 15}])") << 0 << -1
        << 15 << false << 0x0105 << QByteArray();
}

void TestHidUsb::devicesFileEditsReachTheMouse()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, readThrough);
    QFETCH(int, ownBattery);
    QFETCH(int, battery);
    QFETCH(bool, charging);
    QFETCH(int, version);
    QFETCH(QByteArray, status);
    QTemporaryDir dir;
    const QString name = dir.path() + "/devices.json";
    auto write = [&name](const QByteArray &json) {
        QSaveFile f(name);
        return f.open(QIODevice::WriteOnly) && f.write(json) == json.size() && f.commit();
    };
    QVERIFY(write(before));
    HIDUsbSim::setPollInterval(20);
    QVERIFY(HIDUsbSim::watchDevicesFile(name));
    StartUsbChanged(hotplugA, 600);
    const QList<int> ids = HIDUsbSim::devices();
    const int through = ids.at(readThrough);
    QByteArray record = HIDUsbSim::storedRecord(through);
    record[5] = 3;
    QVERIFY(HIDUsbSim::setStoredRecord(through, record));
    if (ownBattery >= 0)
        QVERIFY(HIDUsbSim::setBattery(through, ownBattery, false));
    connectTo(through);
    Seen expected = seenThrough(through);
    expected.battery = battery;
    expected.charging = charging;
    expected.version = version;
    if (!status.isEmpty())
        expected.status = status;
    clearReports();
    const int posts = HIDUsbSim::hotplugPosts();

    // Another size as well, in case the file system's time stamps are coarse.
    QVERIFY(write(after + "\n\n"));
    const bool batteryChanges = ownBattery < 0 && (battery != 80 || charging);
    if (batteryChanges)
        QTRY_COMPARE(batteryChangeReports(), 1);
    QTRY_COMPARE(seenThrough(through), expected);
    QCOMPARE(batteryChangeReports(), batteryChanges ? 1 : 0);
    QCOMPARE(HIDUsbSim::hotplugPosts() - posts, 0);
    QCOMPARE(HIDUsbSim::devices(), ids);
    QCOMPARE(HIDUsbSim::storedRecord(through), record);
    // Both entries of a mouse answer the same.
    for (int id : ids)
        QCOMPARE(HIDUsbSim::setup(id).statusBytes, expected.status);
    StopUsbChanged();
}

void TestHidUsb::pairing_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("failNext");
    QTest::addColumn<int>("outcome");
    QTest::newRow("paired") << true << false << 3;
    QTest::newRow("receiver refuses") << true << true << 2;
    QTest::newRow("mouse on cable") << false << false << 2;
}

void TestHidUsb::pairing()
{
    QFETCH(bool, receiver);
    QFETCH(bool, failNext);
    QFETCH(int, outcome);
    HIDUsbSim::DeviceSetup s = receiver ? receiverSetup() : cordedSetup();
    s.online = false; // the mouse is not linked yet
    s.cid = 0;
    const int id = HIDUsbSim::plug(s);
    HIDUsbSim::setPairDuration(60);
    if (failNext)
        HIDUsbSim::failNextPairing();
    connectTo(id);
    QCOMPARE(UsbServer_EnterDonglePairOnlyCid(0x1A), receiver ? 1 : 0);
    QCOMPARE(UsbServer_ReadDonglePairStatus(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(int(cmd(reports().last())), HIDUSB_CMD_PAIR_STATUS);
    QCOMPARE(int(reports().last().data.at(0)), 1);
    QTest::qWait(80);
    QCOMPARE(UsbServer_ReadDonglePairStatus(), 1);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(int(reports().last().data.at(0)), outcome);
    QCOMPARE(UsbFinderC_GetDeviceOnLine(pathOf(id).constData()), outcome == 3 ? 1 : 0);
    if (outcome == 3)
        QCOMPARE(int(HIDUsbSim::setup(id).cid), 0x1A);
}

void TestHidUsb::flash_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("failAt"); // -1: no requested failure
    QTest::addColumn<bool>("withTarget");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("timeoutCap"); // 0: none
    QTest::addColumn<bool>("success");
    QTest::addColumn<int>("maxPercent");         // highest progress report (-1: none)
    QTest::addColumn<bool>("handed");            // false: the caller hands no image (null)
    QTest::addColumn<QByteArray>("imageModel");  // empty: the model the device's firmware is made for
    QTest::addColumn<QByteArray>("deviceModel"); // empty: the sample model's
    QTest::newRow("mouse on cable") << HIDUSB_FW_KIND_MOUSE << -1 << true << 10000 << 0 << true << 100 << true
                                    << QByteArray() << QByteArray();
    QTest::newRow("receiver") << HIDUSB_FW_KIND_RECEIVER << -1 << true << 10000 << 0 << true << 100 << true
                              << QByteArray() << QByteArray();
    QTest::newRow("device fails at the end")
        << HIDUSB_FW_KIND_MOUSE << 100 << true << 10000 << 0 << false << 100 << true << QByteArray() << QByteArray();
    QTest::newRow("device fails at 40%") << HIDUSB_FW_KIND_RECEIVER << 40 << true << 10000 << 0 << false << 40 << true
                                         << QByteArray() << QByteArray();
    QTest::newRow("device fails at once")
        << HIDUSB_FW_KIND_RECEIVER << 0 << true << 10000 << 0 << false << 0 << true << QByteArray() << QByteArray();
    QTest::newRow("no device for the image")
        << HIDUSB_FW_KIND_MOUSE << -1 << false << 10000 << 0 << false << -1 << true << QByteArray() << QByteArray();
    QTest::newRow("time-out") << HIDUSB_FW_KIND_RECEIVER << -1 << true << 30 << 0 << false << 30 << true << QByteArray()
                              << QByteArray();
    QTest::newRow("time-out capped by the test")
        << HIDUSB_FW_KIND_RECEIVER << -1 << true << 10000 << 30 << false << 30 << true << QByteArray() << QByteArray();
    // The utility hands a file shorter than its length field as no image.
    QTest::newRow("no image") << HIDUSB_FW_KIND_RECEIVER << -1 << true << 10000 << 0 << false << -1 << false
                              << QByteArray() << QByteArray();
    // A device takes only an image made for its own model: the header's
    // model name counts as much as kind, CID and MID.
    QTest::newRow("receiver image of another receiver model")
        << HIDUSB_FW_KIND_RECEIVER << -1 << false << 10000 << 0 << false << -1 << true << QByteArray("OrvikR1K")
        << QByteArray();
    QTest::newRow("mouse image of another mouse model") << HIDUSB_FW_KIND_MOUSE << -1 << false << 10000 << 0 << false
                                                        << -1 << true << QByteArray("OrvikM1") << QByteArray();
    QTest::newRow("device of a model of its own") << HIDUSB_FW_KIND_RECEIVER << -1 << true << 10000 << 0 << true << 100
                                                  << true << QByteArray("Own model") << QByteArray("Own model");
}

void TestHidUsb::flash()
{
    QFETCH(int, kind);
    QFETCH(int, failAt);
    QFETCH(bool, withTarget);
    QFETCH(int, timeoutMs);
    QFETCH(int, timeoutCap);
    QFETCH(bool, success);
    QFETCH(int, maxPercent);
    QFETCH(bool, handed);
    QFETCH(QByteArray, imageModel);
    QFETCH(QByteArray, deviceModel);
    const bool mouse = kind == HIDUSB_FW_KIND_MOUSE;
    HIDUsbSim::DeviceSetup s = mouse ? cordedSetup() : receiverSetup();
    s.firmwareModel = deviceModel;
    if (imageModel.isEmpty())
        imageModel = HIDUsbSim::sampleFirmwareModel(s.receiverType, s.mid);
    if (!withTarget && deviceModel.isEmpty() && imageModel == HIDUsbSim::sampleFirmwareModel(s.receiverType, s.mid))
        s.mid = 0x33;
    const int id = HIDUsbSim::plug(s);
    HIDUsbSim::setFlashDuration(100);
    HIDUsbSim::setFlashTimeoutCap(timeoutCap);
    if (failAt >= 0)
        HIDUsbSim::failNextFlashAt(failAt);
    const QByteArray image = HIDUsbSim::makeFirmwareImage(
        quint8(kind), HIDUsbSim::sampleCid, mouse ? HIDUsbSim::sampleCordedMid : HIDUsbSim::sampleWirelessMid, 0x0312,
        imageModel);
    const HIDUsbSim::DeviceSetup before = HIDUsbSim::setup(id);

    QByteArray buffer = image;
    QCOMPARE(UsbUpgrade_Start(handed ? reinterpret_cast<const unsigned char *>(buffer.constData()) : nullptr,
                              upgradeCollect, timeoutMs),
             1);
    // The library copied the image at the start: the caller's buffer may go.
    buffer.fill('\0');
    buffer.clear();
    QCOMPARE(HIDUsbSim::lastFlashedImage(), handed ? image : QByteArray());
    QVERIFY(HIDUsbSim::waitIdle(5000));
    const QList<QByteArray> got = upgradeReports();
    QVERIFY(!got.isEmpty());
    int ends = 0;
    int lastPercent = -1;
    for (const QByteArray &r : got) {
        QCOMPARE(int(r[0]), 7);
        if (r[1] == 2) {
            ++ends;
        } else {
            QCOMPARE(int(r[1]), 1);
            QVERIFY(int(r[2]) > lastPercent);
            lastPercent = r[2];
        }
    }
    QCOMPARE(ends, 1);
    QCOMPARE(int(got.last()[1]), 2); // the end is the last report
    QCOMPARE(int(got.last()[2]) == 1, success);
    if (timeoutMs == 10000 && timeoutCap == 0)
        QCOMPARE(lastPercent, maxPercent);
    else
        QVERIFY(lastPercent <= maxPercent); // a time-out ends wherever the clock stood

    const HIDUsbSim::DeviceSetup after = HIDUsbSim::setup(id);
    const quint16 version = mouse ? after.mouseVersion : after.receiverVersion;
    const quint16 old = mouse ? before.mouseVersion : before.receiverVersion;
    QCOMPARE(version, success ? quint16(0x0312) : old);
    const bool flashed = withTarget && handed;
    QCOMPARE(after.bootMode, flashed && !success);
    int boot = -1;
    QCOMPARE(UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(image.constData()), &boot), 1);
    QCOMPARE(boot, flashed && !success ? 1 : 0);
}

// With the opt-in switch a connected receiver restarts into its boot loader
// for the flash: hidden from the enumeration (not unplugged, so the flash
// goes on), back after a success, still waiting in boot mode after a failure.
void TestHidUsb::flashLeavesEnumeration_data()
{
    QTest::addColumn<bool>("fail");
    QTest::newRow("success") << false;
    QTest::newRow("failure") << true;
}

void TestHidUsb::flashLeavesEnumeration()
{
    QFETCH(bool, fail);
    const int id = HIDUsbSim::plug(receiverSetup());
    HIDUsbSim::setFlashDuration(200);
    HIDUsbSim::setFlashLeavesEnumeration(true);
    if (fail)
        HIDUsbSim::failNextFlashAt(50);
    StartUsbChanged(hotplugA, 600);
    QCOMPARE(g_hotplugA, 1);
    const QByteArray image = HIDUsbSim::makeFirmwareImage(HIDUSB_FW_KIND_RECEIVER, HIDUsbSim::sampleCid,
                                                          HIDUsbSim::sampleWirelessMid, 0x0207, "OrvikR4K");
    UsbUpgrade_Start(reinterpret_cast<const unsigned char *>(image.constData()), upgradeCollect, 10000);
    int count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F503", &count);
    QCOMPARE(count, 0); // gone for the flash
    QTRY_COMPARE(g_hotplugA, 2);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(HIDUsbSim::devices(), QList<int>{id});
    QCOMPARE(upgradeReports().last(), fail ? QByteArray::fromHex("070200") : QByteArray::fromHex("070201"));
    count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F503", &count);
    QCOMPARE(count, fail ? 0 : 1);
    QCOMPARE(HIDUsbSim::setup(id).bootMode, fail);
    QCOMPARE(int(HIDUsbSim::setup(id).receiverVersion), fail ? 0x0102 : 0x0207);
    if (!fail)
        QTRY_COMPARE(g_hotplugA, 3); // back
    StopUsbChanged();
}

void TestHidUsb::repairAfterFailedFlash()
{
    const int id = HIDUsbSim::plug(cordedSetup());
    HIDUsbSim::setFlashDuration(20);
    const QByteArray image = HIDUsbSim::makeFirmwareImage(HIDUSB_FW_KIND_MOUSE, HIDUsbSim::sampleCid,
                                                          HIDUsbSim::sampleCordedMid, 0x0400, "OrvikM2");
    const auto *img = reinterpret_cast<const unsigned char *>(image.constData());
    StartUsbChanged(hotplugA, 600);
    HIDUsbSim::failNextFlash();
    UsbUpgrade_Start(img, upgradeCollect, 10000);
    QVERIFY(HIDUsbSim::waitIdle());
    QTRY_COMPARE(g_hotplugA, 2); // gone from the enumeration
    int count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F500", &count);
    QCOMPARE(count, 0);
    QCOMPARE(UsbFinderC_GetDeviceOnLine(pathOf(id).constData()), 0);

    UsbUpgrade_Start(img, upgradeCollect, 10000);
    QVERIFY(HIDUsbSim::waitIdle());
    QTRY_COMPARE(g_hotplugA, 3); // back
    count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F500", &count);
    QCOMPARE(count, 1);
    QCOMPARE(int(HIDUsbSim::setup(id).mouseVersion), 0x0400);
    QCOMPARE(upgradeReports().last(), QByteArray::fromHex("070201"));
    StopUsbChanged();

    // An image without our header fails at once, with one end report.
    std::unique_lock<std::mutex> lock(g_upgradeMutex);
    g_upgrade.clear();
    lock.unlock();
    const QByteArray junk(800, '\x11');
    int boot = 7;
    QCOMPARE(UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(junk.constData()), &boot), 0);
    QCOMPARE(boot, 0);
    UsbUpgrade_Start(reinterpret_cast<const unsigned char *>(junk.constData()), upgradeCollect, 10000);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(upgradeReports(), QList<QByteArray>{QByteArray::fromHex("070200")});
}

void TestHidUsb::callList()
{
    const int id = HIDUsbSim::plug(receiverSetup("x"));
    HIDUsbSim::clearCalls();
    const QByteArray p = pathOf(id);
    UsbServerC_Start(p.constData(), p.constData(), collect);
    UsbServer_SetPCDriverStatus(1);
    UsbServer_ReadAllFlashData();
    QVERIFY(HIDUsbSim::waitIdle());
    const QStringList lines = HIDUsbSim::calls();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("UsbServerC_Start(%1, %1, callback)").arg(QString::fromUtf8(p)));
    QCOMPARE(lines[1], QString("UsbServer_SetPCDriverStatus(1)"));
    QCOMPARE(lines[2], QString("UsbServer_ReadAllFlashData()"));
    QCOMPARE(HIDUsbSim::callCount("UsbServer_Read"), 1);
    HIDUsbSim::clearCalls();
    QVERIFY(HIDUsbSim::calls().isEmpty());
}

ORVIK_TEST_MAIN(TestHidUsb)
#include "tst_hidusb.moc"
