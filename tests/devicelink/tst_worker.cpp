// The worker's passes, its online check, the configuration-switch throttle
// and the per-device cache file.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include "GlobalState.h"
#include "UserPaths.h"

#include "UpDataParam.h"

#include <QDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace DeviceLinkTest;

class TestWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ConfigDir;
    PageStandIn *m_Pages = nullptr;
    Worker *m_Worker = nullptr;

    void removeCacheFiles()
    {
        QDir folder(UserPaths::deviceInfoFolder());
        for (const QString &name : folder.entryList(QDir::Files))
            folder.remove(name);
    }

    // Injects a status-change report with the given flags and waits for it.
    void injectStatusChange(quint8 flags)
    {
        QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x0A", 2), QByteArray(1, char(flags))));
        QVERIFY(HIDUsbSim::waitIdle());
    }

private slots:
    void initTestCase()
    {
        m_Pages = startLink(m_ConfigDir, this);
        m_Worker = g_Worker;
        QVERIFY(g_PollTimer);
        QCOMPARE(g_PollTimer->interval(), 1300);
        QCOMPARE(g_ShowBatteryValue.load(), 1);
    }
    void init()
    {
        resetLink();
        removeCacheFiles();
        m_Pages->clear();
    }

    // Kept first: the worker was built a moment ago.
    void configurationSwitchThrottle()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        QVERIFY(selectDevice(id));

        // An aged throttle lets one through and starts again. (Not measured
        // from the worker's construction: plugging and selecting may take
        // longer than 3000 ms on a slow or sanitized run.)
        Worker::AgeProfileChangeTimer(3001);
        injectStatusChange(0x04);
        QVERIFY(g_ReReadRequest);
        QVERIFY(g_ForceReRead);

        // A second one right after: ignored.
        g_ReReadRequest = false;
        g_ForceReRead = false;
        injectStatusChange(0x04);
        QVERIFY(!g_ReReadRequest);
        QVERIFY(!g_ForceReRead);

        Worker::AgeProfileChangeTimer(3001);
        injectStatusChange(0x04);
        QVERIFY(g_ReReadRequest);
    }

    void statusChangeAsksForReads()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        QVERIFY(selectDevice(id));
        HIDUsbSim::clearCalls();
        // flags 0 (DPI), 1 (rate), 3 (DPI LED), 5 (light bar), 6 (battery)
        injectStatusChange(0x01 | 0x02 | 0x08 | 0x20 | 0x40);
        const QStringList calls = HIDUsbSim::calls();
        const QStringList reads = calls.filter(QRegularExpression("^UsbServer_Read"));
        QCOMPARE(reads,
                 QStringList() << "UsbServer_ReadCurrentDPI()"
                               << "UsbServer_ReadReportRate()"
                               << "UsbServer_ReadBatteryLevel()"
                               << "UsbServer_ReadLedBar()"
                               << "UsbServer_ReadDPILed()");
        QVERIFY(!g_ReReadRequest);
    }

    // One pass of the worker in each situation of its table.
    void pass_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<bool>("importing");
        QTest::addColumn<bool>("cacheFile");
        QTest::addColumn<QString>("expected"); // events before any full-read answer
        QTest::addColumn<bool>("connects");

        QTest::newRow("online, new device") << true << true << false << false << false << "UpDataParam(0)" << true;
        QTest::newRow("online, importing") << true << true << false << true << false << "" << true;
        QTest::newRow("online, forced re-read") << true << false << true << false << false << "UpDataParam(1)" << true;
        QTest::newRow("forced while importing") << true << false << true << true << false << "UpDataParam(1)" << true;
        QTest::newRow("offline, cache file")
            << false << true << false << false << true << "Button Light Sensor Form" << true;
        QTest::newRow("offline, no cache file") << false << true << false << false << false << "FormReset" << true;
        QTest::newRow("nothing changed") << true << false << false << false << false << "" << false;
    }
    void pass()
    {
        QFETCH(bool, online);
        QFETCH(bool, changed);
        QFETCH(bool, forced);
        QFETCH(bool, importing);
        QFETCH(bool, cacheFile);
        QFETCH(QString, expected);
        QFETCH(bool, connects);

        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.online = online;
        const int id = HIDUsbSim::plug(setup);
        // The device's stored record and a different cached one.
        const FlashDataMap stored = patternRecord(3);
        const FlashDataMap cached = patternRecord(9);
        HIDUsbSim::setStoredRecord(id, recordBytes(stored));
        if (cacheFile)
            Worker::WriteDeviceInfoFile(Worker::DeviceInfoFileName(HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid),
                                        cached);
        const FlashDataMap before = patternRecord(20);
        FlashData::replace(before);

        DeviceAllInfo device = pickerEntry(id);
        PostMsg::GetInstance()->EmitSelectMouseInfo(device);
        g_DevicePath.set(device.Path.toStdString());
        g_MainPageActive = 1;
        g_DeviceOnline = online;
        g_LastOnline = online;
        g_ForceReRead = forced;
        g_ProfileLoading = importing ? 1 : 0;
        if (!changed) {
            // Make the worker's memory match the current device.
            g_WorkerRunEnable = true;
            m_Worker->start();
            QVERIFY(settle());
            g_DeviceOnline = online;
            g_LastOnline = online;
            g_ForceReRead = forced;
        }
        m_Pages->clear();
        HIDUsbSim::clearCalls();

        g_WorkerRunEnable = true;
        m_Worker->start();
        QVERIFY(settle());

        QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start"), connects ? 1 : 0);
        QCOMPARE(HIDUsbSim::callCount("UsbServer_SetPCDriverStatus(1)"), connects ? 1 : 0);
        QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), connects ? 1 : 0);
        QVERIFY(!g_WorkerRunEnable);
        QCOMPARE(g_OfflinePending.load(), !online);
        QCOMPARE(g_CurrentDevice.get().Online, online);

        if (online) {
            // What the pass sent; the rest came with the answer to the full read.
            const QStringList fromPass = m_Pages->events.filter(QRegularExpression("^(UpDataParam|FormReset)"));
            QCOMPARE(fromPass.join(' '), expected);
            QVERIFY(!g_ForceReRead);
            if (connects) {
                QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(stored));
                QVERIFY(m_Pages->has("Button"));
                QVERIFY(g_LastRunOnline);
                QCOMPARE(g_DeviceInfoNameRead.get(), HIDUsbSim::sampleCacheFileName());
            } else {
                QVERIFY(m_Pages->events.isEmpty());
                QCOMPARE(g_LastRunOnline.load(), g_DeviceOnline.load());
            }
        } else {
            // An offline mouse answers nothing: these are the pass's own.
            QCOMPARE(m_Pages->events.join(' '), expected);
            QVERIFY(!g_LastRunOnline);
            // The pass itself never touches the record.
            QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(before));
            if (cacheFile) {
                QCOMPARE(m_Pages->records.size(), 3);
                for (const FlashDataMap &record : m_Pages->records)
                    QCOMPARE(recordBytes(record), recordBytes(cached));
            }
        }
        g_ProfileLoading = 0;
    }

    void passNeedsMainFrame()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        PostMsg::GetInstance()->EmitSelectMouseInfo(pickerEntry(id));
        g_MainPageActive = 0;
        g_WorkerRunEnable = true;
        HIDUsbSim::clearCalls();
        m_Worker->start();
        QVERIFY(settle());
        QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start"), 0);
        QVERIFY(m_Pages->events.isEmpty());
        QVERIFY(!g_WorkerRunEnable);
    }

    // The 1300 ms check: an offline notice closes when the device answers,
    // and a requested re-read starts a pass.
    void checkOnlineClosesNoticeAndReReads()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        QVERIFY(selectDevice(id));
        HIDUsbSim::setOnline(id, false);
        g_OfflinePending = true;
        g_ReReadRequest = true;
        g_DeviceOnline = false;
        m_Pages->clear();

        m_Worker->SlotCheckOnline();
        QVERIFY(!m_Pages->has("CloseOffOnline"));
        QVERIFY(g_OfflinePending);
        QVERIFY(g_ReReadRequest);

        // During a firmware update the device is not probed.
        HIDUsbSim::setOnline(id, true);
        g_UpgradeIdle = false;
        m_Worker->SlotCheckOnline();
        QVERIFY(g_OfflinePending);
        QVERIFY(!g_DeviceOnline);
        g_UpgradeIdle = true;

        HIDUsbSim::clearCalls();
        m_Worker->SlotCheckOnline();
        QVERIFY(m_Pages->has("CloseOffOnline"));
        QVERIFY(!g_OfflinePending);
        QVERIFY(!g_ReReadRequest);
        QVERIFY(settle());
        // g_LastOnline was cleared, so the pass acted and read the device again.
        QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 1);
        QVERIFY(m_Pages->has("UpDataParam(0)"));
    }

    // A mouse selected while offline raises no notice; when it answers again
    // the check itself starts the re-read, and the pages get its record.
    void offlineSelectionIsReadWhenBack()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        const FlashDataMap stored = patternRecord(21);
        QVERIFY(HIDUsbSim::setStoredRecord(id, recordBytes(stored)));
        HIDUsbSim::setOnline(id, false);
        QVERIFY(selectDevice(id));
        QVERIFY(g_OfflinePending);
        QVERIFY(!g_ReReadRequest);
        QVERIFY(m_Pages->has("FormReset"));

        m_Pages->clear();
        HIDUsbSim::clearCalls();
        m_Worker->SlotCheckOnline(); // still offline: nothing happens
        QVERIFY(settle());
        QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 0);

        HIDUsbSim::setOnline(id, true);
        m_Worker->SlotCheckOnline();
        QVERIFY(settle());
        QVERIFY(!g_OfflinePending);
        QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start"), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 1);
        QVERIFY(m_Pages->has("UpDataParam(0)"));
        QVERIFY(m_Pages->has("Button"));
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(stored));
    }

    void checkOnlineOnDeviceList_data()
    {
        QTest::addColumn<int>("receiverType");
        QTest::addColumn<bool>("staysPending");
        QTest::newRow("1 kHz receiver stays pending") << 0 << true;
        QTest::newRow("4 kHz receiver") << 1 << false;
        QTest::newRow("cable") << 2 << false;
    }
    void checkOnlineOnDeviceList()
    {
        QFETCH(int, receiverType);
        QFETCH(bool, staysPending);
        DeviceAllInfo device;
        device.Path = "x";
        device.ReceiverType = uchar(receiverType);
        g_CurrentDevice.set(device);
        g_MainPageActive = 0;
        g_OfflinePending = true;
        m_Worker->SlotCheckOnline();
        QCOMPARE(g_OfflinePending.load(), staysPending);
    }

    void mainPageChangeClearsLastOnline()
    {
        g_LastOnline = true;
        PostMsg::GetInstance()->EmitMainPageChange();
        QVERIFY(!g_LastOnline);
    }

    // ---- cache file

    void cacheFileLayout()
    {
        QCOMPARE(Worker::DeviceInfoFileName(0x1A, 0x05), QString("Device_CID1A_MID05.bin"));
        QCOMPARE(Worker::DeviceInfoFileName(HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid),
                 HIDUsbSim::sampleCacheFileName());
        QCOMPARE(Worker::DeviceInfoFileName(0x03, 0xC2), QString("Device_CID03_MIDC2.bin"));

        DeviceAllInfo device;
        device.CID = 0x1A;
        device.MID = HIDUsbSim::sampleWirelessMid;
        m_Worker->SlotSelectMouseInfo(device);
        QCOMPARE(g_DeviceInfoName.get(), HIDUsbSim::sampleCacheFileName());

        const FlashDataMap record = patternRecord(5);
        Worker::WriteDeviceInfoFile(g_DeviceInfoName.get(), record);
        QFile file(UserPaths::deviceInfoFolder() + "/" + HIDUsbSim::sampleCacheFileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QCOMPARE(content.size(), 10432);
        QCOMPARE(content.left(4), QByteArray("\x00\x00\x28\xBC", 4));
        QCOMPARE(content.mid(4), recordBytes(record));

        FlashDataMap back = patternRecord(77);
        QVERIFY(Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &back));
        QCOMPARE(recordBytes(back), recordBytes(record));

        // Written again: truncated, not appended.
        Worker::WriteDeviceInfoFile(g_DeviceInfoName.get(), patternRecord(6));
        QCOMPARE(QFileInfo(file.fileName()).size(), qint64(10432));

        FlashDataMap untouched = patternRecord(8);
        QVERIFY(!Worker::ReadDeviceInfoFile("Device_CID00_MID00.bin", &untouched));
        QVERIFY(!Worker::ReadDeviceInfoFile(QString(), &untouched));
        QCOMPARE(recordBytes(untouched), recordBytes(patternRecord(8)));
    }

    // Files this program did not write: success when the file opens, every
    // byte the file does not cover is zero, and nothing beyond the record is
    // written.
    void cacheFileForeign_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("covered");
        const QByteArray body(20000, char(0x5A));
        // A file shorter than its own header says was torn while being written:
        // it cannot be read, so the next online read writes it anew.
        QTest::newRow("empty file") << QByteArray() << false << 0;
        QTest::newRow("two bytes") << QByteArray("\x00\x00", 2) << false << 0;
        QTest::newRow("length only") << QByteArray("\x00\x00\x28\xBC", 4) << false << 0;
        QTest::newRow("cut at 4 KiB") << QByteArray("\x00\x00\x28\xBC", 4) + body.left(4092) << false << 0;
        QTest::newRow("cut at 8 KiB") << QByteArray("\x00\x00\x28\xBC", 4) + body.left(8188) << false << 0;
        QTest::newRow("block cut short") << QByteArray("\x00\x00\x28\xBC", 4) + body.left(300) << false << 0;
        QTest::newRow("length beyond file") << QByteArray("\x7F\xFF\xFF\xFF", 4) + body << false << 0;
        // Whole files of another layout: read, the rest of the record zero.
        QTest::newRow("short block") << QByteArray("\x00\x00\x00\x64", 4) + body.left(100) << true << 100;
        QTest::newRow("empty block marker") << QByteArray("\xFF\xFF\xFF\xFF", 4) + body.left(50) << true << 0;
        QTest::newRow("longer block") << QByteArray("\x00\x00\x4E\x20", 4) + body << true << 10428;
    }
    void cacheFileForeign()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFETCH(int, covered);
        QFile file(UserPaths::deviceInfoFolder() + "/" + HIDUsbSim::sampleCacheFileName());
        QDir().mkpath(UserPaths::deviceInfoFolder());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();

        // The record sits between guard bytes that must stay untouched.
        struct
        {
            char before[64];
            FlashDataMap record;
            char after[64];
        } area;
        std::memset(&area, 0x33, sizeof area);
        QCOMPARE(Worker::ReadDeviceInfoFile(HIDUsbSim::sampleCacheFileName(), &area.record), readable);
        const QByteArray bytes = recordBytes(area.record);
        if (readable) {
            QCOMPARE(bytes.left(covered), QByteArray(covered, char(0x5A)));
            QCOMPARE(bytes.mid(covered), QByteArray(10428 - covered, '\0'));
        } else {
            QCOMPARE(bytes, QByteArray(10428, char(0x33))); // as missing: untouched
        }
        QCOMPARE(QByteArray(area.before, 64), QByteArray(64, char(0x33)));
        QCOMPARE(QByteArray(area.after, 64), QByteArray(64, char(0x33)));
    }

    // A torn cache file counts as missing: after the next online read the
    // apply step writes the whole record again.
    void tornCacheFileIsRewritten()
    {
        const int id = HIDUsbSim::plug(receiverSetup());
        const FlashDataMap stored = patternRecord(31);
        QVERIFY(HIDUsbSim::setStoredRecord(id, recordBytes(stored)));
        QVERIFY(selectDevice(id));
        const QString path = UserPaths::deviceInfoFolder() + "/" + g_DeviceInfoName.get();
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray("\x00\x00\x28\xBC", 4) + QByteArray(4092, char(0x5A)));
        }
        FlashDataMap cached;
        QVERIFY(!Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &cached));

        // What the apply-and-wait step does after an acknowledged online read.
        g_SensorPageUpdated = 1;
        g_ButtonPageUpdated = 1;
        g_LastRunOnline = true;
        g_DeviceOnline = true;
        UpDataParam dialog;
        QMetaObject::invokeMethod(&dialog, "onTimeupDestroy", Qt::DirectConnection);
        QVERIFY(Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &cached));
        QCOMPARE(recordBytes(cached), recordBytes(stored));
    }

    // A write that fails part-way leaves the previous file whole (the file
    // size limit makes the write fail after 5000 bytes, as a full disk would).
    void failedCacheWriteKeepsOldFile()
    {
        const FlashDataMap old = patternRecord(41);
        QVERIFY(Worker::WriteDeviceInfoFile(HIDUsbSim::sampleCacheFileName(), old));
        const QString path = UserPaths::deviceInfoFolder() + "/" + HIDUsbSim::sampleCacheFileName();

        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct sigaction ignore = {}, previous = {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &previous);
        struct rlimit small = saved;
        small.rlim_cur = 5000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = Worker::WriteDeviceInfoFile(HIDUsbSim::sampleCacheFileName(), patternRecord(42));
        setrlimit(RLIMIT_FSIZE, &saved);
        sigaction(SIGXFSZ, &previous, nullptr);

        QVERIFY(!written);
        QCOMPARE(QFileInfo(path).size(), qint64(10432));
        FlashDataMap back;
        QVERIFY(Worker::ReadDeviceInfoFile(HIDUsbSim::sampleCacheFileName(), &back));
        QCOMPARE(recordBytes(back), recordBytes(old));
        // No leftover of the failed attempt beside it.
        QCOMPARE(QDir(UserPaths::deviceInfoFolder()).entryList(QDir::Files),
                 QStringList{HIDUsbSim::sampleCacheFileName()});
    }
};

ORVIK_TEST_MAIN(TestWorker)
#include "tst_worker.moc"
