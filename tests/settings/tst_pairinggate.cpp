// The firmware check before pairing, as the device list and the top-level
// window's shortcut run it: when the firmware fits, the list asks before it
// pairs and the shortcut pairs at once; after a failed mouse update the
// shortcut flashes nothing out of sight. (The update outcomes are driven end
// to end through the device list in tst_devicelist.)

#include "DeviceListScript.h"
#include "TestMain.h"

#include "ContainReset.h"
#include "DeviceAllInfo.h"
#include "DeviceListState.h"
#include "DialogMain.h"
#include "FirmwareImage.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "Match.h"
#include "ModelInfo.h"
#include "PairingGate.h"
#include "RegistryStore.h"
#include "SettingsState.h"
#include "Startup.h"
#include "TestState.h"
#include "UpDateRepair.h"
#include "UpDateWarning.h"
#include "UpdateRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

using OrvikTest::ModalScript;

class TestPairingGate : public QObject
{
    Q_OBJECT

    DialogMain *m_Window = nullptr; // built by the first test that needs it, kept as in the utility

private slots:
    void initTestCase()
    {
        // No firmware images: neither side has a newer one.
        QVERIFY(!QDir(FirmwareImage::Folder()).exists() || QDir(FirmwareImage::Folder()).isEmpty());
    }

    void init() { OrvikTest::ResetAllState(); }

    void cleanup()
    {
        RegistryStore::remove(RegistryStore::mouseTestKey(),
                              "MouseVer" + ModelInfo::CidText() + ModelInfo::OfIndex(0).MidText());
        UpdateRegistry::RemoveFailInfo();
        FirmwareImage::SetFolder(QString());
        QVERIFY(HIDUsbSim::waitIdle());
    }

    void firmwareFits_data()
    {
        QTest::addColumn<bool>("versionSeen");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("paired");

        QTest::newRow("no version, list") << false << true << "" << QStringList() << true;
        QTest::newRow("no version, shortcut") << false << false << "" << QStringList() << true;
        QTest::newRow("list asks, OK") << true << true << "OK" << QStringList{"RePair"} << true;
        QTest::newRow("list asks, Cancel") << true << true << "Cancel" << QStringList{"RePair"} << false;
        QTest::newRow("shortcut pairs at once") << true << false << "" << QStringList() << true;
    }

    void firmwareFits()
    {
        QFETCH(bool, versionSeen);
        QFETCH(bool, ask);
        QFETCH(QString, answer);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, paired);

        DeviceAllInfo device;
        device.ModelIndex = 0;
        device.ReceiverType = 1;
        device.ReceiverVersion = "v1.1";
        if (versionSeen)
            RegistryStore::setValue(RegistryStore::mouseTestKey(),
                                    "MouseVer" + ModelInfo::CidText() + ModelInfo(device).MidText(), "v1.1");

        QWidget opener;
        opener.resize(400, 300);
        opener.show();

        QStringList seen;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            seen << QString::fromLatin1(dialog->metaObject()->className());
            if (QAbstractButton *button = dialog->findChild<QAbstractButton *>(answer.isEmpty() ? "Cancel" : answer))
                button->click();
            else
                dialog->close();
        });
        answering.start(5);

        int pairCalls = 0;
        PairingGate::Run(device, &opener, "mouse is new", ask, [&] { ++pairCalls; });
        answering.stop();

        QCOMPARE(seen, dialogs);
        QCOMPARE(pairCalls, paired ? 1 : 0);
    }

    // Right after a failed mouse update: its record kept, the mouse waiting
    // in boot mode, its receiver the one wireless device listed, and Space
    // pressed on the device list. The check before pairing only searches:
    // a flash starts only under a repair dialog that is shown (here only the
    // receiver update the user agreed to), the mouse is left for its repair,
    // and pairing never opens while a flash runs, nor does anything else.
    void spaceAfterFailedMouseUpdate_data()
    {
        QTest::addColumn<quint32>("mouseImage");    // 0: none; the last seen mouse version is v1.5
        QTest::addColumn<quint32>("receiverImage"); // 0: none; the receiver runs v1.2
        QTest::addColumn<bool>("flashRunning");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("newer mouse image: the cable is asked for")
            << 0x0106u << 0u << false << QStringList{"UpDateWarning"};
        QTest::newRow("both newer: pairs at once") << 0x0106u << 0x0103u << false << QStringList{"Match"};
        QTest::newRow("newer receiver image: updated under its dialog")
            << 0u << 0x0103u << false << QStringList{"ContainReset", "UpDateRepair"};
        QTest::newRow("another flash still runs: nothing opens") << 0x0106u << 0x0103u << true << QStringList();
    }

    void spaceAfterFailedMouseUpdate()
    {
        QFETCH(quint32, mouseImage);
        QFETCH(quint32, receiverImage);
        QFETCH(bool, flashRunning);
        QFETCH(QStringList, dialogs);

        if (!m_Window) {
            Startup::PrepareUserFolders();
            HIDUsbSim::reset();
            m_Window = new DialogMain;
            m_Window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_Window));
        }
        QTemporaryDir bin;
        FirmwareImage::SetFolder(bin.path());
        const auto put = [&bin](const QString &name, quint8 kind, quint32 version, const QByteArray &model) {
            QFile file(bin.path() + "/" + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(
                HIDUsbSim::makeFirmwareImage(kind, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, version, model));
        };
        if (mouseImage)
            put("mouse.bin", 0xD2, mouseImage, "OrvikM1");
        if (receiverImage)
            put("receiver.bin", 0xD3, receiverImage, "OrvikR4K");
        RegistryStore::setValue(RegistryStore::mouseTestKey(), HIDUsbSim::sampleMouseVerKey(), "v1.5");
        const QString record = HIDUsbSim::sampleFailInfo(210, 0);
        QCOMPARE(record, QString("210,0,26,1"));
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", record);

        // The 4 kHz receiver whose mouse no longer answers, and the mouse in
        // its boot loader (not enumerated).
        HIDUsbSim::DeviceSetup receiver = HIDUsbSim::sampleReceiverMouse("rx", "m1");
        receiver.online = false;
        HIDUsbSim::DeviceSetup mouse = HIDUsbSim::sampleReceiverMouse("boot", "mb");
        mouse.receiverType = 2;
        mouse.pid = "F500";
        mouse.bootMode = true;
        const QList<int> ids = OrvikTest::Rebuild({receiver, mouse});
        HIDUsbSim::setFlashDuration(1500); // long enough to meet any dialog that follows
        QTRY_COMPARE(g_TileButtons.size(), 1);
        QCOMPARE(g_PickerDeviceList.size(), 1);
        QCOMPARE(m_Window->CurrentPage(), 0);
        g_UpgradeIdle = !flashRunning;

        // Watched on every tick, also inside the modal loops.
        bool repairShown = false;
        bool flashOutOfSight = false;
        bool pairedWhileFlashing = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (qobject_cast<UpDateRepair *>(w) && w->isVisible())
                repairShown = true;
            if (HIDUsbSim::callCount("UsbUpgrade_Start") > 0 && !repairShown)
                flashOutOfSight = true;
            if (qobject_cast<Match *>(w) && !g_UpgradeIdle)
                pairedWhileFlashing = true;
        });
        watch.start(5);
        ModalScript::Step answer = [&](QWidget *w) {
            if (qobject_cast<ContainReset *>(w)) {
                w->findChild<QAbstractButton *>("OK")->click();
            } else if (qobject_cast<UpDateRepair *>(w)) {
                // The receiver update: its end is shown, then confirmed.
                if (!w->findChild<QWidget *>("NewHong")->isVisible() || g_RepairRunning)
                    return false;
                w->findChild<QAbstractButton *>("NewHong")->click();
            } else if (qobject_cast<UpDateWarning *>(w)) {
                w->findChild<QAbstractButton *>("NewHong")->click();
            } else {
                pairedWhileFlashing = pairedWhileFlashing || !g_UpgradeIdle;
                w->findChild<QAbstractButton *>("CloseButton")->click();
            }
            return true;
        };
        ModalScript script({answer, answer});
        HIDUsbSim::clearCalls();
        QTest::keyClick(m_Window, Qt::Key_Space);
        watch.stop();
        const bool idleAfter = HIDUsbSim::waitIdle();
        g_UpgradeIdle = true;

        QCOMPARE(script.seen, dialogs);
        QVERIFY(!flashOutOfSight);
        QVERIFY(!pairedWhileFlashing);
        QVERIFY(idleAfter);
        const bool receiverUpdated = dialogs.contains("UpDateRepair");
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), receiverUpdated ? 1 : 0);
        QCOMPARE(int(HIDUsbSim::setup(ids.at(0)).receiverVersion), receiverUpdated ? 0x0103 : 0x0102);
        // The mouse still waits for its repair, and its record with it: the
        // receiver's successful update is no repair of the mouse.
        QVERIFY(HIDUsbSim::setup(ids.at(1)).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(ids.at(1)).mouseVersion), 0x0105);
        QCOMPARE(UpdateRegistry::FailInfoText(), record);
    }
};

ORVIK_TEST_MAIN(TestPairingGate)
#include "tst_pairinggate.moc"
