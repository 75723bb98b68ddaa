// Failed firmware updates of two devices, driven through the real windows: a
// mouse and its 4 kHz receiver, each updated from its own tile's settings
// page (the hidden update buttons' slots), one of the flashes failing at
// 30 %, which leaves that device in its boot loader where no enumeration
// finds it. Whatever is flashed after it, the failed device keeps its record
// and the device list its Repair button, and the Repair button brings every
// waiting device back out of its boot loader.

#include "DeviceListScript.h"
#include "SettingsFixture.h"

#include "FirmwareImage.h"
#include "FormSettingForm.h"
#include "Progress.h"
#include "SettingsState.h"
#include "TestState.h"
#include "UpDateRepair.h"
#include "UpdateRegistry.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using OrvikTest::ModalScript;
using SettingsFixture::Visible;

namespace {

constexpr quint32 kMouseImageVersion = 0x0106;    // the mouse runs v1.5
constexpr quint32 kReceiverImageVersion = 0x0103; // the receiver runs v1.2

QPushButton *RepairButton()
{
    return g_DeviceListPage->findChild<QPushButton *>("Repair");
}

} // namespace

class TestRepairRecords : public QObject
{
    Q_OBJECT

    DialogMain *m_Window = nullptr;
    QTemporaryDir m_Bin;
    int m_Cable = 0;
    int m_Receiver = 0;

    FormSetting *Page() const { return m_Window->MainFramePage()->SettingPage(); }

    bool OnDeviceList() const { return m_Window->CurrentPage() == 0; }

    // The one tile of the device list, for the device that is enumerated.
    bool SelectTheTile(QString *why)
    {
        if (!QTest::qWaitFor([] { return g_TileButtons.size() == 1; }, 10000)) {
            *why = "not exactly one tile";
            return false;
        }
        return SettingsFixture::SelectAndOpenSettings(m_Window, why);
    }

    // One update run of the settings page for the selected device, from its
    // (hidden) update button's slot to the end of the progress dialog, and
    // back to the device list. failAt < 0: the flash succeeds.
    void UpdateRun(int kind, int failAt)
    {
        QString why;
        QVERIFY2(SelectTheTile(&why), qPrintable(why));
        // The main frame's own search lists what the page may address.
        QVERIFY(QTest::qWaitFor([] { return !g_DeviceList.isEmpty(); }, 10000));
        if (g_CurrentDevice.get().Wired && HIDUsbSim::setup(m_Receiver).bootMode == false)
            QVERIFY(QTest::qWaitFor([] { return g_DeviceList.size() == 2; }, 10000));
        g_MouseCheckTimer->setInterval(20);
        g_DongleCheckTimer->setInterval(20);
        PostMsg::GetInstance()->EmitSetver(4);
        if (failAt >= 0)
            HIDUsbSim::failNextFlashAt(failAt);

        HIDUsbSim::clearCalls();
        const bool mouse = kind == FirmwareImage::KindMouse;
        QVERIFY(QMetaObject::invokeMethod(Page(), mouse ? "on_Mouse_clicked" : "on_Receive_clicked"));
        QVERIFY(QTest::qWaitFor(
            [] { return !g_UpdateBusy && !g_MouseCheckTimer->isActive() && !g_DongleCheckTimer->isActive(); }, 20000));
        QVERIFY(HIDUsbSim::waitIdle());
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);

        Progress *progress = Visible<Progress>();
        QVERIFY(progress);
        QTRY_COMPARE(progress->findChild<QLabel *>("label")->text(),
                     failAt < 0 ? QString("Update succeeded") : QString("Update failed"));
        progress->findChild<QAbstractButton *>("NewHong")->click();
        // A failure sends the user back to the device list; after a success
        // the user goes back by the main frame's arrow.
        if (!OnDeviceList())
            m_Window->MainFramePage()->Form()->UpArrow->click();
        QVERIFY(OnDeviceList());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "runs from its own app directory");
        FirmwareImage::SetFolder(m_Bin.path());
        Startup::PrepareUserFolders();
        HIDUsbSim::reset();
        m_Window = new DialogMain;
        m_Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    }

    void cleanupTestCase()
    {
        FirmwareImage::SetFolder(QString());
        HIDUsbSim::reset();
    }

    void init()
    {
        OrvikTest::ResetAllState();
        UpdateRegistry::RemoveFailInfo();
        for (const auto &file :
             {qMakePair(QString("mouse.bin"),
                        HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                     kMouseImageVersion, "OrvikM1")),
              qMakePair(QString("receiver.bin"),
                        HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                     kReceiverImageVersion, "OrvikR4K"))}) {
            QFile image(m_Bin.path() + "/" + file.first);
            QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
            image.write(file.second);
        }
        // The mouse on its cable and its receiver: one tile, the cable's.
        if (!OnDeviceList())
            PostMsg::GetInstance()->EmitChangeMainDialog(0);
        const QList<int> ids = OrvikTest::Rebuild({SettingsFixture::Cable(), SettingsFixture::Receiver()});
        m_Cable = ids.at(0);
        m_Receiver = ids.at(1);
    }

    void cleanup()
    {
        QVERIFY(HIDUsbSim::waitIdle());
        if (QWidget *progress = Visible<Progress>())
            progress->close();
        if (!OnDeviceList())
            PostMsg::GetInstance()->EmitChangeMainDialog(0);
        UpdateRegistry::RemoveFailInfo();
    }

    // The three orders of the fault: the first device's flash fails, then
    // the other device is flashed (successfully, or failing too). Each failed
    // device keeps its own record (the first one's as the earlier build wrote
    // its only one), and the Repair button, pressed until it goes, brings
    // both devices out of their boot loaders with the images' versions.
    void everyFailedDeviceIsRepaired_data()
    {
        QTest::addColumn<int>("firstKind");
        QTest::addColumn<bool>("secondFails");
        QTest::addColumn<QString>("records");
        QTest::addColumn<int>("repairs");
        QTest::newRow("the mouse fails, then the receiver is updated")
            << int(FirmwareImage::KindMouse) << false << "210,4,26,1" << 1;
        QTest::newRow("the receiver fails, then the mouse is updated")
            << int(FirmwareImage::KindReceiver) << false << "211,4,26,1" << 1;
        QTest::newRow("both fail, the mouse first")
            << int(FirmwareImage::KindMouse) << true << "210,4,26,1;211,4,26,1" << 2;
    }

    void everyFailedDeviceIsRepaired()
    {
        QFETCH(int, firstKind);
        QFETCH(bool, secondFails);
        QFETCH(QString, records);
        QFETCH(int, repairs);
        const bool mouseFirst = firstKind == FirmwareImage::KindMouse;
        const int firstId = mouseFirst ? m_Cable : m_Receiver;
        const int secondId = mouseFirst ? m_Receiver : m_Cable;
        const int secondKind = mouseFirst ? FirmwareImage::KindReceiver : FirmwareImage::KindMouse;

        UpdateRun(firstKind, 30);
        QVERIFY(HIDUsbSim::setup(firstId).bootMode);
        QTRY_VERIFY(RepairButton()->isVisible());

        // The other device, the only one still enumerated, from its own tile.
        UpdateRun(secondKind, secondFails ? 30 : -1);
        QCOMPARE(HIDUsbSim::setup(secondId).bootMode, secondFails);
        QVERIFY(HIDUsbSim::setup(firstId).bootMode);
        QCOMPARE(UpdateRegistry::FailInfoText(), records);
        // Also after the next search of the list (a hot-plug, the next start).
        PostMsg::GetInstance()->EmitUpDateButton(true);
        DialogChange::UsbChangedCallBack();
        QVERIFY(RepairButton()->isVisible());
        QCOMPARE(g_DeviceListPage->findChild<QLabel *>("label_2")->text(), g_RepairDeviceText);

        // Repair, as long as the button is there: one device per run.
        int runs = 0;
        QStringList outcomes;
        while (RepairButton()->isVisible() && runs < 3) {
            ++runs;
            ModalScript script({[&](QWidget *w) {
                if (!w->findChild<QWidget *>("NewHong")->isVisible() || g_RepairRunning)
                    return false;
                outcomes << w->findChild<QLabel *>("ToolText")->text();
                w->findChild<QAbstractButton *>("NewHong")->click();
                return true;
            }});
            HIDUsbSim::clearCalls();
            RepairButton()->click();
            QCOMPARE(script.seen, QStringList{"UpDateRepair"});
            QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
            QVERIFY(HIDUsbSim::waitIdle());
            QCoreApplication::processEvents();
        }
        QCOMPARE(runs, repairs);
        for (const QString &outcome : outcomes)
            QCOMPARE(outcome, QString("Update succeeded"));
        QVERIFY(!RepairButton()->isVisible());
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QVERIFY(!HIDUsbSim::setup(m_Cable).bootMode);
        QVERIFY(!HIDUsbSim::setup(m_Receiver).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(m_Cable).mouseVersion), int(kMouseImageVersion));
        QCOMPARE(int(HIDUsbSim::setup(m_Receiver).receiverVersion), int(kReceiverImageVersion));
    }
};

ORVIK_TEST_MAIN(TestRepairRecords)
#include "tst_repairrecords.moc"
