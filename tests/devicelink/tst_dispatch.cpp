// Dispatch of the device's reports by the data callback, and the record it
// keeps consistent against the GUI thread's setters.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "RegistryStore.h"

using namespace DeviceLinkTest;

namespace {

QByteArray header(int command, int byte3 = 0, int byte4 = 0)
{
    QByteArray h(5, '\0');
    h[1] = char(command);
    h[3] = char(byte3);
    h[4] = char(byte4);
    return h;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

// Calls a setter from inside a blocking refresh, while the data callback waits
// for the GUI thread.
class SetterInsideRefresh : public QObject
{
    Q_OBJECT
public:
    bool armed = false;
    bool result = false;
    QByteArray sentRecord;
    int deviceId = 0;

public slots:
    void SlotButton(FlashDataMap)
    {
        if (!armed)
            return;
        armed = false;
        result = SetDebounceTime(7);
        sentRecord = HIDUsbSim::lastRecord(deviceId);
    }
};

class TestDispatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ConfigDir;
    PageStandIn *m_Pages = nullptr;
    int m_Id = 0;
    FlashDataMap m_Stored;

    // Plugs one device, gives it a stored record and selects it.
    void plugAndSelect(const HIDUsbSim::DeviceSetup &setup)
    {
        m_Id = HIDUsbSim::plug(setup);
        m_Stored = patternRecord(11);
        QVERIFY(HIDUsbSim::setStoredRecord(m_Id, recordBytes(m_Stored)));
        QVERIFY(selectDevice(m_Id));
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(m_Stored));
        m_Pages->clear();
        HIDUsbSim::clearCalls();
    }

    void inject(const QByteArray &h, const QByteArray &data)
    {
        QVERIFY(HIDUsbSim::injectReport(h, data));
        QVERIFY(settle());
    }

private slots:
    void initTestCase() { m_Pages = startLink(m_ConfigDir, this); }
    void init()
    {
        resetLink();
        m_Pages->clear();
    }

    // Every row of the command table: what reaches the pages, what changes in
    // the record, and whether the record is sent back.
    void commandTable_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("patchOffset"); // -1: record unchanged
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<int>("updates");

        const QByteArray none;
        QTest::newRow("rate 4000 Hz, receiver")
            << false << header(8) << bytesOf({32}) << "ReportRate(32)" << 0 << bytesOf({32}) << 1;
        QTest::newRow("rate 4000 Hz, cable: ignored") << true << header(8) << bytesOf({32}) << "" << -1 << none << 0;
        QTest::newRow("rate 2000 Hz, cable: ignored") << true << header(8) << bytesOf({16}) << "" << -1 << none << 0;
        QTest::newRow("rate 125 Hz, cable")
            << true << header(8) << bytesOf({8}) << "ReportRate(8)" << 0 << bytesOf({8}) << 1;
        QTest::newRow("byte 3 set: ignored") << false << header(8, 1, 0) << bytesOf({32}) << "" << -1 << none << 0;
        QTest::newRow("byte 3 set, full length: ignored")
            << false << header(8, 1, 0) << QByteArray(6912, '\0') << "" << -1 << none << 0;
        QTest::newRow("byte 3 set, DPI: ignored") << false << header(8, 2, 4) << bytesOf({3}) << "" << -1 << none << 0;
        QTest::newRow("one-byte header is command 0")
            << false << QByteArray(1, char(8)) << bytesOf({32}) << "" << -1 << none << 0;
        QTest::newRow("current DPI") << false << header(8, 0, 4) << bytesOf({3}) << "DPI(3)" << 2 << bytesOf({3}) << 0;
        QTest::newRow("DPI LED") << false << header(8, 0, 0x4C) << bytesOf({2, 60, 3, 1, 9, 9, 9, 9}) << "DPILed" << 63
                                 << bytesOf({2, 60, 3, 1}) << 0;
        QTest::newRow("DPI LED, wrong length")
            << false << header(8, 0, 0x4C) << bytesOf({2, 60, 3, 1, 9, 9, 9}) << "" << -1 << none << 0;
        QTest::newRow("light bar") << false << header(8, 0, 0xA0) << bytesOf({3, 10, 20, 30, 2, 4, 1, 9, 9}) << "Light"
                                   << 67 << bytesOf({3, 10, 20, 30, 2, 4, 1}) << 0;
        QTest::newRow("parameter, unknown kind")
            << false << header(8, 0, 0x10) << bytesOf({1}) << "" << -1 << none << 0;
        QTest::newRow("parameter, rate of two bytes") << false << header(8) << bytesOf({1, 2}) << "" << -1 << none << 0;
        QTest::newRow("battery") << false << header(4) << bytesOf({55, 1, 0, 0}) << "Battery(1,55,1)" << -1 << none
                                 << 0;
        QTest::newRow("battery, short report")
            << false << header(4) << bytesOf({40}) << "Battery(0,40,1)" << -1 << none << 0;
        QTest::newRow("configuration 2 of 4")
            << false << header(14) << bytesOf({2}) << "ConfigUI(4,2,1)" << -1 << none << 0;
        QTest::newRow("configuration, other length")
            << false << header(14) << bytesOf({2, 0}) << "ConfigUI(0,0,0)" << -1 << none << 0;
        QTest::newRow("receiver lighting")
            << false << header(21) << QByteArray(10, '\0') << "RGB(1)" << -1 << none << 0;
        QTest::newRow("long range off") << false << header(23) << QByteArray(10, '\0') << "LongRange(0)" << -1 << none
                                        << 0;
        QTest::newRow("long range, other length") << false << header(23) << bytesOf({1}) << "" << -1 << none << 0;
        for (int command : {0, 1, 2, 3, 5, 6, 7, 11, 12, 13, 15, 16, 17, 19, 20, 22, 24, 200, 255})
            QTest::newRow(qPrintable(QString("command %1: ignored").arg(command)))
                << false << header(command) << bytesOf({1, 2, 3, 4}) << "" << -1 << none << 0;
    }
    void commandTable()
    {
        QFETCH(bool, cable);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, data);
        QFETCH(QString, events);
        QFETCH(int, patchOffset);
        QFETCH(QByteArray, patch);
        QFETCH(int, updates);

        plugAndSelect(cable ? cableSetup() : receiverSetup());
        const int updatesBefore = HIDUsbSim::updateCount(m_Id);
        inject(head, data);

        QCOMPARE(m_Pages->events.join(' '), events);
        QByteArray expected = recordBytes(m_Stored);
        if (patchOffset >= 0)
            expected.replace(patchOffset, patch.size(), patch);
        QCOMPARE(recordBytes(FlashData::snapshot()), expected);
        QCOMPARE(HIDUsbSim::updateCount(m_Id) - updatesBefore, updates);
        if (updates)
            QCOMPARE(HIDUsbSim::lastRecord(m_Id), expected); // echoed whole
        for (const FlashDataMap &record : m_Pages->records)
            QCOMPARE(recordBytes(record), expected); // the pages get the patched record
    }

    void statusChangeWithoutFlags()
    {
        plugAndSelect(receiverSetup());
        inject(header(10), bytesOf({0}));
        QVERIFY(HIDUsbSim::calls().filter(QRegularExpression("^UsbServer_Read")).isEmpty());
        QVERIFY(m_Pages->events.isEmpty());
    }

    // Version word 0x021A: "v2.1a" in the current device, on the settings page
    // (SigSetver(0)) and in the registry under "MouseVer" + CID + MID texts.
    void versionReport()
    {
        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.mouseVersion = 0x021A;
        plugAndSelect(setup);
        RegistryStore::remove(RegistryStore::mouseTestKey(), HIDUsbSim::sampleMouseVerKey());
        g_CurrentDevice.update([](DeviceAllInfo &device) { device.MouseVersion.clear(); });

        inject(header(18), bytesOf({2, 0x1A}));
        QCOMPARE(g_CurrentDevice.get().MouseVersion, QString("v2.1a"));
        QCOMPARE(m_Pages->events, QStringList() << "Setver(0)");
        QCOMPARE(RegistryStore::value(RegistryStore::mouseTestKey(), HIDUsbSim::sampleMouseVerKey()).toString(),
                 QString("v2.1a"));
    }

    // The full read asks for the follow-up reads and the receiver state, and
    // refreshes the pages in order with the record it read.
    void fullRead()
    {
        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.longRange = true;
        plugAndSelect(setup);
        g_SensorPageUpdated = 1;
        g_ButtonPageUpdated = 1;
        m_Pages->setAcknowledgements = false;
        const FlashDataMap next = patternRecord(42);
        QVERIFY(HIDUsbSim::setStoredRecord(m_Id, recordBytes(next)));

        UsbServer_ReadAllFlashData();
        QVERIFY(settle());
        m_Pages->setAcknowledgements = true;

        QVERIFY(!g_SensorPageUpdated);
        QVERIFY(!g_ButtonPageUpdated);
        const QStringList calls = HIDUsbSim::calls();
        for (const char *read :
             {"UsbServer_ReadDPILed", "UsbServer_ReadBatteryLevel", "UsbServer_ReadVersion", "UsbServer_ReadConfig",
              "UsbFinderC_Get4KDongleRGBValue", "UsbFinderC_GetLongRangeMode"})
            QVERIFY2(HIDUsbSim::callCount(read) == 1, read);
        const QStringList refresh = m_Pages->events.filter(QRegularExpression("^(Button|Light|Sensor|Form|RGB|Long)"));
        QCOMPARE(refresh.join(' '), QString("RGB(1) LongRange(1) Button Light Sensor Form"));
        QCOMPARE(recordBytes(m_Pages->records.at(0)), recordBytes(next));
        QVERIFY(g_LastRunOnline);
        QCOMPARE(g_DeviceInfoNameRead.get(), HIDUsbSim::sampleCacheFileName());
    }

    // A reset report sets the receiver defaults of the model and reads again;
    // that read keeps the key-event records of the buttons whose default is a
    // key sequence (buttons 1 and 4 here), clears all others and every macro,
    // and skips the receiver queries once.
    void resetThenFullRead()
    {
        plugAndSelect(receiverSetup());
        inject(header(9), QByteArray());

        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_SetLongRangeMode"), 1);
        QVERIFY(HIDUsbSim::calls().filter("UsbFinderC_SetLongRangeMode").first().endsWith(", 0)"));
        QVERIFY(m_Pages->has("RGB(1)"));
        QVERIFY(m_Pages->has("LongRange(0)"));
        QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Get4KDongleRGBValue"), 0);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_GetLongRangeMode"), 0);
        QVERIFY(!g_ResetKeyRecords);
        QVERIFY(!g_SkipDongleQuery);

        FlashDataMap expected = m_Stored;
        for (int button = 0; button < 16; ++button)
            if (button != 1 && button != 4)
                std::memset(&expected.KeyEvents[button], 0, sizeof(KeyEventRecord));
        std::memset(expected.Macros, 0, sizeof expected.Macros);
        const FlashDataMap record = FlashData::snapshot();
        QCOMPARE(recordBytes(record), recordBytes(expected));
        QVERIFY(m_Pages->has("Button"));
        QCOMPARE(recordBytes(m_Pages->records.at(0)), recordBytes(expected));

        // The next full read is an ordinary one again.
        HIDUsbSim::clearCalls();
        UsbServer_ReadAllFlashData();
        QVERIFY(settle());
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Get4KDongleRGBValue"), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_GetLongRangeMode"), 1);
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(m_Stored));
    }

    // A model without "Adveanced" and "KeyParam" entries: nothing is offered,
    // and the read after the reset clears every key-event record.
    void resetOfModelWithoutEntries()
    {
        HIDUsbSim::DeviceSetup setup = cableSetup("m9");
        setup.mid = HIDUsbSim::sampleCordedMid;
        plugAndSelect(setup);
        QCOMPARE(g_CurrentDevice.get().ModelIndex, 1);
        inject(header(9), QByteArray());

        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 0);
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_SetLongRangeMode"), 0);
        QVERIFY(!m_Pages->has("LongRange(0)") && !m_Pages->has("LongRange(1)"));
        FlashDataMap expected = m_Stored;
        std::memset(expected.KeyEvents, 0, sizeof expected.KeyEvents);
        std::memset(expected.Macros, 0, sizeof expected.Macros);
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(expected));
    }

    // A full read that the parser refuses leaves the record as it was.
    void refusedFullReadKeepsRecord()
    {
        plugAndSelect(receiverSetup());
        inject(header(8), QByteArray(6912, '\0'));
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(m_Stored));
        QVERIFY(m_Pages->events.isEmpty());
    }

    // A refused full read still ends the read: a reset's flags, meant for that
    // answer, do not wipe the key records of the next good read nor skip its
    // receiver queries, and the pass is no longer enabled.
    void refusedFullReadEndsResetFlags()
    {
        plugAndSelect(receiverSetup());
        g_ResetKeyRecords = true;
        g_SkipDongleQuery = true;
        g_WorkerRunEnable = true;
        inject(header(8), QByteArray(6912, '\0'));
        QVERIFY(!g_ResetKeyRecords);
        QVERIFY(!g_SkipDongleQuery);
        QVERIFY(!g_WorkerRunEnable);

        HIDUsbSim::clearCalls();
        UsbServer_ReadAllFlashData();
        QVERIFY(settle());
        QCOMPARE(recordBytes(FlashData::snapshot()), recordBytes(m_Stored));
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Get4KDongleRGBValue"), 1);
    }

    // A setter used while the callback waits inside a blocking refresh runs at
    // once and sends the freshly read record with its change; the pages
    // refreshed after it get the record with that change.
    void setterDuringBlockingRefresh()
    {
        plugAndSelect(receiverSetup());
        SetterInsideRefresh setter;
        setter.deviceId = m_Id;
        connect(PostMsg::GetInstance(), &PostMsg::SigUpDataLightUIButton, &setter, &SetterInsideRefresh::SlotButton,
                Qt::BlockingQueuedConnection);
        const FlashDataMap next = patternRecord(50);
        QVERIFY(HIDUsbSim::setStoredRecord(m_Id, recordBytes(next)));
        setter.armed = true;
        UsbServer_ReadAllFlashData();
        QVERIFY(settle());
        QVERIFY(!setter.armed);
        QVERIFY(setter.result);
        FlashDataMap expected = next;
        expected.Debounce = 7;
        QCOMPARE(setter.sentRecord, recordBytes(expected));
        const QStringList refresh = m_Pages->events.filter(QRegularExpression("^(Button|Light|Sensor)$"));
        QCOMPARE(refresh.join(' '), QString("Button Light Sensor"));
        QCOMPARE(recordBytes(m_Pages->records.at(0)), recordBytes(next));
        QCOMPARE(recordBytes(m_Pages->records.at(1)), recordBytes(expected));
        QCOMPARE(recordBytes(m_Pages->records.at(2)), recordBytes(expected));
    }

    // Full reads racing setters: the mouse never receives a zeroed or torn
    // record, only the device's record with the setters' own bytes.
    void fullReadRacingSetters()
    {
        plugAndSelect(receiverSetup());
        const QByteArray stored = recordBytes(m_Stored);
        int sends = 0;
        for (int round = 0; round < 150; ++round) {
            UsbServer_ReadAllFlashData();
            for (int i = 0; i < 4; ++i) {
                QVERIFY(SetLOD(1 + (round + i) % 2));
                QVERIFY(SetMotionSync((round + i) % 2));
                ++sends;
                QByteArray sent = HIDUsbSim::lastRecord(m_Id);
                QCOMPARE(sent.size(), stored.size());
                // Bytes the setters write, and the DPI-LED bytes the follow-up
                // read patches, may differ; nothing else may.
                for (int offset : {5, 7, 63, 64, 65, 66})
                    sent[offset] = stored[offset];
                if (sent != stored)
                    QFAIL(qPrintable(QString("torn record sent in round %1").arg(round)));
                QCoreApplication::processEvents();
            }
        }
        QVERIFY(settle());
        QVERIFY(sends > 0);
    }
};

ORVIK_TEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"
