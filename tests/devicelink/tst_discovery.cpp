// Finding, identifying and following the connected mice.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include "FirmwareImage.h"
#include "GlobalState.h"
#include "ModelInfo.h"

using namespace DeviceLinkTest;

class TestDiscovery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ConfigDir;
    PageStandIn *m_Pages = nullptr;

private slots:
    void initTestCase() { m_Pages = startLink(m_ConfigDir, this); }
    void init()
    {
        resetLink();
        m_Pages->clear();
    }

    // Only an answer to one of the first nine asks identifies a device.
    void identification_data()
    {
        QTest::addColumn<int>("identifyFrom");
        QTest::addColumn<int>("cid");
        QTest::addColumn<int>("mid");
        QTest::addColumn<int>("modelIndex");
        QTest::addColumn<int>("workerResult");
        QTest::newRow("answers at once") << 1 << int(HIDUsbSim::sampleCid) << int(HIDUsbSim::sampleWirelessMid) << 0
                                         << 1;
        QTest::newRow("answers from the 9th ask")
            << 9 << int(HIDUsbSim::sampleCid) << int(HIDUsbSim::sampleWirelessMid) << 0 << 1;
        QTest::newRow("answers only from the 10th ask")
            << 10 << int(HIDUsbSim::sampleCid) << int(HIDUsbSim::sampleWirelessMid) << 2 << 0;
        QTest::newRow("never answers") << 11 << int(HIDUsbSim::sampleCid) << int(HIDUsbSim::sampleWirelessMid) << 2
                                       << 0;
        QTest::newRow("second model") << 1 << int(HIDUsbSim::sampleCid) << int(HIDUsbSim::sampleCordedMid) << 1 << 1;
        QTest::newRow("CID of ours, MID of no model") << 1 << int(HIDUsbSim::sampleCid) << 0x33 << 2 << 2;
        QTest::newRow("foreign CID") << 1 << 0x2B << int(HIDUsbSim::sampleWirelessMid) << 2 << 3;
    }
    void identification()
    {
        QFETCH(int, identifyFrom);
        QFETCH(int, cid);
        QFETCH(int, mid);
        QFETCH(int, modelIndex);
        QFETCH(int, workerResult);

        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.cid = quint8(cid);
        setup.mid = quint8(mid);
        setup.identifyFrom = identifyFrom;
        const int id = HIDUsbSim::plug(setup);

        // The device list lists every found device, known or not.
        DeviceDiscovery::SearchForPicker();
        QCOMPARE(g_PickerDeviceList.size(), 1);
        QCOMPARE(g_PickerDeviceList.at(0).ModelIndex, modelIndex);
        QCOMPARE(g_PickerDeviceList.at(0).Online, modelIndex < 2);
        QVERIFY(HIDUsbSim::identifyAsks(id) <= 10);

        HIDUsbSim::setIdentifyFrom(id, identifyFrom);
        DeviceAllInfo info;
        info.Path = HIDUsbSim::path(id);
        QCOMPARE(Worker::IdentifyDevice(info, info.Path.toLatin1()), workerResult);
        QCOMPARE(info.ModelIndex, modelIndex);
        if (workerResult == 1) {
            QCOMPARE(int(info.CID), cid);
            QCOMPARE(int(info.MID), mid);
            QCOMPARE(int(info.ReceiverType), 1);
            QVERIFY(!info.Wired);
        }
    }

    void enumerationRecords()
    {
        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.receiverVersion = 0x021A;
        const int receiver = HIDUsbSim::plug(setup);
        const int cable = HIDUsbSim::plug(cableSetup("m2"));
        DeviceDiscovery::SearchForPicker();
        QCOMPARE(g_PickerDeviceList.size(), 2);
        // PID order of Config.ini: the cable's list comes first.
        QCOMPARE(g_PickerDeviceList.at(0).Path, HIDUsbSim::path(cable));
        QCOMPARE(g_PickerDeviceList.at(0).PID, QString("F500"));
        QVERIFY(g_PickerDeviceList.at(0).Wired);
        QCOMPARE(g_PickerDeviceList.at(1).Path, HIDUsbSim::path(receiver));
        QCOMPARE(g_PickerDeviceList.at(1).VID, QString("3554"));
        QCOMPARE(g_PickerDeviceList.at(1).ReceiverVersion, QString("v2.1a"));
        QCOMPARE(g_Wireless4KPids, QStringList() << "F503");

        QVERIFY(DeviceDiscovery::RefreshPickerEntry(1, false));
        QCOMPARE(g_PickerDeviceList.at(1).StatusBytes.size(), 3);
        QVERIFY(!DeviceDiscovery::RefreshPickerEntry(5, true));
    }

    // While the selected mouse is used through its receiver, the same mouse
    // on its cable (equal CID, MID and status bytes) becomes the current device.
    void receiverAndCableArePaired()
    {
        const int receiver = HIDUsbSim::plug(receiverSetup("m1"));
        HIDUsbSim::plug(cableSetup("other")); // another mouse's cable: not followed
        QVERIFY(selectDevice(receiver));
        QCOMPARE(QString::fromStdString(g_DevicePath.get()), HIDUsbSim::path(receiver));
        QVERIFY(!g_CurrentDevice.get().Wired);

        m_Pages->clear();
        HIDUsbSim::clearCalls();
        const int cable = HIDUsbSim::plug(cableSetup("m1"));
        QTRY_COMPARE(g_CurrentDevice.get().Path, HIDUsbSim::path(cable));
        QVERIFY(settle());
        QVERIFY(g_CurrentDevice.get().Wired);
        QCOMPARE(QString::fromStdString(g_DevicePath.get()), HIDUsbSim::path(cable));
        // A new pass ran for the cable: connection and full read.
        QCOMPARE(HIDUsbSim::connectionPath(), HIDUsbSim::path(cable));
        QVERIFY(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") >= 1);
        QVERIFY(m_Pages->has("Button"));
        QVERIFY(!m_Pages->has("ChangeMainDialog(0)"));
    }

    // Unplugging the selected device returns to the device list, except while
    // a firmware update runs.
    void unplugReturnsToList_data()
    {
        QTest::addColumn<bool>("upgradeIdle");
        QTest::addColumn<bool>("otherDevice");
        QTest::newRow("only device") << true << false;
        QTest::newRow("only device, during an update") << false << false;
        QTest::newRow("another device stays") << true << true;
        QTest::newRow("another device stays, during an update") << false << true;
    }
    void unplugReturnsToList()
    {
        QFETCH(bool, upgradeIdle);
        QFETCH(bool, otherDevice);
        const int receiver = HIDUsbSim::plug(receiverSetup("m1"));
        if (otherDevice)
            HIDUsbSim::plug(cableSetup("m2"));
        QVERIFY(selectDevice(receiver));
        QVERIFY(!m_Pages->has("ChangeMainDialog(0)"));
        const QString selected = g_CurrentDevice.get().Path;

        g_UpgradeIdle = upgradeIdle;
        m_Pages->clear();
        const int postsBefore = HIDUsbSim::hotplugPosts();
        HIDUsbSim::unplug(receiver);
        QTRY_VERIFY(HIDUsbSim::hotplugPosts() > postsBefore);
        QTRY_VERIFY(m_Pages->has("Setver(4)"));
        QVERIFY(settle());
        QCOMPARE(m_Pages->has("ChangeMainDialog(0)"), upgradeIdle);
        if (!upgradeIdle)
            QCOMPARE(g_CurrentDevice.get().Path, selected);
    }

    // A corded mouse whose receiver entry is not found has no receiver class:
    // no receiver update is offered and the receiver version text is empty.
    void cordedWithoutReceiverOffersNoUpdate()
    {
        const int cable = HIDUsbSim::plug(cableSetup("m1"));
        QVERIFY(selectDevice(cable));
        g_DongleUpdatePending = true;
        m_Pages->clear();
        Worker::UsbChangedCallBack();
        QVERIFY(m_Pages->has("LabelTextB(,)"));
        QVERIFY(!g_DongleUpdatePending);
    }

    // A corded mouse that vanishes while its firmware is flashed (it restarts
    // in boot mode): the main frame stays, and with no receiver left the
    // receiver update is no longer offered.
    void cordedVanishingDuringUpdateOffersNoReceiverUpdate()
    {
        const int cable = HIDUsbSim::plug(cableSetup("m1"));
        QVERIFY(selectDevice(cable));
        const QString selected = g_CurrentDevice.get().Path;
        g_UpgradeIdle = false;
        g_DongleUpdatePending = true;
        m_Pages->clear();

        HIDUsbSim::unplug(cable);
        QTRY_VERIFY(m_Pages->has("Setver(4)"));
        QVERIFY(settle());
        QVERIFY(!m_Pages->has("ChangeMainDialog(0)"));
        QCOMPARE(g_CurrentDevice.get().Path, selected);
        QVERIFY(m_Pages->has("LabelTextB(,)"));
        QVERIFY(!g_DongleUpdatePending);
    }

    void cordedWithItsReceiverReportsReceiverVersion()
    {
        HIDUsbSim::DeviceSetup setup = receiverSetup("m1");
        setup.receiverVersion = 0x0103;
        const int receiver = HIDUsbSim::plug(setup);
        QVERIFY(selectDevice(receiver));
        m_Pages->clear();
        HIDUsbSim::plug(cableSetup("m1"));
        QTRY_VERIFY(g_CurrentDevice.get().Wired);
        QVERIFY(settle());
        QVERIFY(m_Pages->has("LabelTextB(v1.3,)"));
    }

    // Empty PID items are left out; with no model group nothing is listed.
    void configEdgeCases()
    {
        QTemporaryDir dir;
        QByteArray ini = configIniText();
        ini.replace("USB_PID=" + QByteArray("F500").toBase64(), "USB_PID=" + QByteArray("F500").toBase64() + ",,");
        ini.replace("DeviceTotal=2", "DeviceTotal=0");
        QFile file(dir.path() + "/Config.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        ConfigIni::GetInstance()->Reload(file.fileName());

        const DeviceDiscovery::SearchIds ids = DeviceDiscovery::ReadSearchIds();
        QCOMPARE(ids.Pids, (QVector<QString>{"F500", "F501", "F502", "F503"}));
        QCOMPARE(ids.Vid, QString("3554"));
        HIDUsbSim::plug(receiverSetup());
        HIDUsbSim::clearCalls();
        DeviceDiscovery::SearchForPicker();
        QVERIFY(g_PickerDeviceList.isEmpty());
        QCOMPARE(HIDUsbSim::callCount("UsbFinderC_FindHidDevicesByDefaultDeviceId"), 4);

        useTestConfig(m_ConfigDir);
    }

    // No table limits the number of models: the 20th of 20 is found, and a
    // device of no known model gets index 20.
    void manyModels()
    {
        QTemporaryDir dir;
        QByteArray ini = configIniText();
        ini.replace("DeviceTotal=2", "DeviceTotal=20");
        for (int n = 3; n <= 20; ++n)
            ini += QString("[Drive%1]\nMID=%2\n").arg(n).arg(100 + n).toLatin1();
        QFile file(dir.path() + "/Config.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        ConfigIni::GetInstance()->Reload(file.fileName());

        HIDUsbSim::DeviceSetup setup = receiverSetup();
        setup.mid = 120;
        HIDUsbSim::plug(setup);
        setup.mid = 99;
        setup.mouse = "m2";
        HIDUsbSim::plug(setup);
        DeviceDiscovery::SearchForPicker();
        QCOMPARE(g_PickerDeviceList.size(), 2);
        QCOMPARE(g_PickerDeviceList.at(0).ModelIndex, 19);
        QCOMPARE(g_PickerDeviceList.at(1).ModelIndex, 20);

        useTestConfig(m_ConfigDir);
    }

    void helpers_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<int>("receiverClass");
        QTest::newRow("1 kHz receiver") << 0 << false << 1;
        QTest::newRow("4 kHz receiver") << 1 << false << 4;
        QTest::newRow("2 kHz receiver") << 4 << false << 2;
        QTest::newRow("cable") << 2 << true << 0;
        QTest::newRow("cable, other byte") << 3 << true << 0;
    }
    void helpers()
    {
        QFETCH(int, type);
        QFETCH(bool, wired);
        QFETCH(int, receiverClass);
        QCOMPARE(DeviceDiscovery::IsWiredType(uchar(type)), wired);
        QCOMPARE(ModelInfo::ReceiverClassOf(uchar(type)), receiverClass);
    }

    // Whoever took the hot-plug notifications over gives them back to the
    // device list without naming it; before a list registered, nothing.
    void listWatchGivenBack()
    {
        static std::atomic<int> calls{0};
        HIDUsbSim::clearCalls();
        DeviceDiscovery::RestoreListWatch();
        QCOMPARE(HIDUsbSim::callCount("StartUsbChanged"), 0);

        DeviceDiscovery::SetListWatch([] { ++calls; });
        StopUsbChanged();
        DeviceDiscovery::RestoreListWatch();
        QCOMPARE(HIDUsbSim::callCount("StartUsbChanged("), 1);
        QVERIFY(HIDUsbSim::calls().contains("StartUsbChanged(callback, 600)"));
        QTRY_VERIFY(calls > 0); // the list's callback is the one registered
        StopUsbChanged();
        DeviceDiscovery::SetListWatch(nullptr);
    }

    void versionText()
    {
        QCOMPARE(DeviceDiscovery::VersionText(0x021A), QString("v2.1a"));
        QCOMPARE(DeviceDiscovery::VersionText(0x0105), QString("v1.5"));
        QCOMPARE(DeviceDiscovery::VersionText(0x0A00), QString("v10.0"));
    }
};

ORVIK_TEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"
