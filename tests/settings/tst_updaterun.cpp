// The settings page's update run in the real window against the simulated
// library: a mouse on its cable selected from the device list, a newer mouse
// image in the "bin" folder, and the run started by the (hidden) update
// button's slot: progress, success, the recorded version, the chaining to
// the receiver, the device-test hints, an end report that comes before the
// second tick, a failure, and a mouse that leaves the enumeration while it
// is flashed; and the receiver's row with its receiver plugged beside the
// cable.

#include "SettingsFixture.h"

#include "DeviceDiscovery.h"
#include "DialogSkeleton.h"
#include "FirmwareImage.h"
#include "FormSettingForm.h"
#include "GlobalState.h"
#include "Progress.h"
#include "SettingsState.h"
#include "UpDateWarning.h"
#include "UpdateRegistry.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace SettingsFixture;

namespace {

const quint32 kNewMouseVersion = 0x0106; // the cable mouse runs v1.5

QString LabelText(QWidget *w, const char *name)
{
    return w->findChild<QLabel *>(name)->text();
}

} // namespace

class TestUpdateRun : public QObject
{
    Q_OBJECT

    DialogMain *m_Window = nullptr;
    FormSetting *m_Page = nullptr;
    QTemporaryDir m_Bin;
    int m_Cable = 0;

    QWidget *Child(const char *name) const { return m_Page->findChild<QWidget *>(name); }
    QString Label(const char *name) const { return LabelText(m_Page, name); }

    void Start(const char *slot) { QVERIFY(QMetaObject::invokeMethod(m_Page, slot)); }

    // Waits until the run has come to its step 4 (timers stopped, not busy).
    bool RunEnded()
    {
        return QTest::qWaitFor(
            [] { return !g_UpdateBusy && !g_MouseCheckTimer->isActive() && !g_DongleCheckTimer->isActive(); }, 20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "runs from its own app directory");
        FirmwareImage::SetFolder(m_Bin.path());
        QList<int> ids;
        QString why;
        m_Window = OpenSettingsPage({Cable()}, &ids, &why);
        QVERIFY2(m_Window, qPrintable(why));
        m_Cable = ids.first();
        m_Page = m_Window->MainFramePage()->SettingPage();
        QCOMPARE(g_DeviceList.size(), 1);
        QVERIFY(g_CurrentDevice.get().Wired);
        QCOMPARE(Label("label_7"), QString("v1.5"));
    }

    void init()
    {
        QFile::remove(m_Bin.path() + "/mouse.bin");
        QFile image(m_Bin.path() + "/mouse.bin");
        QVERIFY(image.open(QIODevice::WriteOnly));
        image.write(HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                 kNewMouseVersion, "OrvikM1"));
        image.close();
        // Short ticks for the step machine; one row puts back the real second.
        g_MouseCheckTimer->setInterval(20);
        g_DongleCheckTimer->setInterval(20);
        HIDUsbSim::setFlashDuration(150);
        UpdateRegistry::RemoveFailInfo();
        PostMsg::GetInstance()->EmitSetver(4);
    }

    void cleanup()
    {
        QVERIFY(RunEnded());
        QVERIFY(HIDUsbSim::waitIdle());
        if (QWidget *progress = Visible<Progress>()) {
            QVERIFY(QTest::qWaitFor([] { return !g_UpdateBusy; }));
            progress->close();
        }
        if (QWidget *warning = Visible<UpDateWarning>())
            warning->close();
        HIDUsbSim::setFlashLeavesEnumeration(false);
        g_DongleUpdatePending = false;
        g_MouseUpdatePending = false;
    }

    // A newer mouse image and the mouse on its cable: the progress dialog
    // follows the flash, success is shown, the model's MouseVer and the
    // version label take the image's version, and closing the dialog goes on
    // with the receiver update (here: no receiver, told in the notice). With
    // the real one-second tick a 200 ms flash ends before the run's second
    // tick: the run must still end. A mouse that leaves the enumeration for
    // its flash does not send the window back to the device list. A search
    // while the flash runs (the device list's or the worker's) chooses
    // another image: the success still names the image flashed.
    void mouseUpdate_data()
    {
        QTest::addColumn<int>("tickMs");
        QTest::addColumn<int>("flashMs");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<bool>("searchWhileFlashing");
        QTest::newRow("short ticks") << 20 << 150 << false << false;
        QTest::newRow("flash ends before the second tick") << 1000 << 200 << false << false;
        QTest::newRow("the mouse leaves the enumeration") << 20 << 400 << true << false;
        QTest::newRow("another image chosen while flashing") << 20 << 1500 << false << true;
    }

    void mouseUpdate()
    {
        QFETCH(int, tickMs);
        QFETCH(int, flashMs);
        QFETCH(bool, leaves);
        QFETCH(bool, searchWhileFlashing);
        g_MouseCheckTimer->setInterval(tickMs);
        HIDUsbSim::setFlashDuration(flashMs);
        HIDUsbSim::setFlashLeavesEnumeration(leaves);
        static quint32 row = 0;
        const quint32 version = kNewMouseVersion + row++; // each row's image is newer than the last flashed
        {
            QFile image(m_Bin.path() + "/mouse.bin");
            QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
            image.write(HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, version,
                                                     "OrvikM1"));
        }
        const QString versionText = FirmwareImage::VersionText(version);
        const QString before = Label("label_7");

        QSignalSpy progress(PostMsg::GetInstance(), &PostMsg::SigProgress);
        bool leftEnumeration = false;
        WatchPtr watch = Watch([&] {
            int count = 5;
            UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", "F500", &count);
            leftEnumeration = leftEnumeration || count == 0;
        });
        HIDUsbSim::clearCalls();
        Start("on_Mouse_clicked");
        QVERIFY(!Child("Mouse")->isEnabled());
        QVERIFY(g_UpdateBusy);
        QVERIFY(!g_UpgradeIdle.load());
        QVERIFY(QTest::qWaitFor([] { return Visible<Progress>() != nullptr; }, 10000));
        if (searchWhileFlashing) {
            {
                QFile other(m_Bin.path() + "/other.bin");
                QVERIFY(other.open(QIODevice::WriteOnly));
                other.write(HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                         0x0300, "OrvikOther"));
            }
            QVERIFY(FirmwareImage::FindFirmware(0xD2, QString(), "OrvikOther", HIDUsbSim::sampleCid,
                                                HIDUsbSim::sampleWirelessMid));
            QCOMPARE(g_MouseUpdateState.load(), 1); // the flash still runs
            QFile::remove(m_Bin.path() + "/other.bin");
        }
        QVERIFY(RunEnded());
        watch.reset();

        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(
            HIDUsbSim::lastFlashedImage(),
            HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, version, "OrvikM1"));
        QCOMPARE(g_MouseUpdateState.load(), 2);
        QVERIFY(g_UpgradeIdle.load());
        QVERIFY(Child("Mouse")->isEnabled());
        Progress *dialog = Visible<Progress>();
        QVERIFY(dialog);
        QCOMPARE(dialog->pos(),
                 DialogSkeleton::CentredPosition(m_Page->mapToGlobal(QPoint(0, 0)), m_Page->size(), dialog->size(), -75,
                                                 -65));
        QTRY_COMPARE(LabelText(dialog, "label"), QString("Update succeeded"));
        QCOMPARE(dialog->findChild<QProgressBar *>("progressBar_2")->value(), 100);
        QList<int> percents;
        for (const QList<QVariant> &report : progress)
            if (report.at(1).toInt() == 0)
                percents << report.at(0).toInt();
        QVERIFY(!percents.isEmpty());
        QCOMPARE(percents.last(), 100);
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));
        QCOMPARE(UpdateRegistry::MouseVersion("26", HIDUsbSim::sampleMidText()), versionText);
        QTRY_COMPARE(Label("label_7"), versionText);
        QVERIFY(before != versionText);
        QCOMPARE(HIDUsbSim::setup(m_Cable).mouseVersion, quint16(version));
        QVERIFY(!UpdateRegistry::HasFailInfo());
        if (leaves) {
            QVERIFY(leftEnumeration);
            QCOMPARE(g_MainPageActive.load(), 1); // still the main frame
            QTRY_VERIFY(!HIDUsbSim::setup(m_Cable).bootMode);
        }

        // Closing the dialog goes on with a receiver update that waits behind
        // this one: no receiver is listed, which the notice tells.
        g_DongleUpdatePending = true;
        dialog->findChild<QAbstractButton *>("NewHong")->click();
        QVERIFY(!dialog->isVisible());
        UpDateWarning *warning = nullptr;
        QVERIFY(QTest::qWaitFor([&] { return (warning = Visible<UpDateWarning>()) != nullptr; }, 10000));
        QCOMPARE(LabelText(warning, "label"), QString("No receiver found: plug in the receiver to update it"));
        QVERIFY(!Child("label_12")->isVisible()); // told in the notice, not the hint row
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
    }

    // The mouse is flashed only through its cable: no corded entry gives the
    // wired-mode hint, two give the several-devices hint; nothing is flashed.
    void mouseDeviceTest_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<QString>("hint");
        QTest::newRow("no cable") << 0 << "Please connect the mouse with its cable to update its firmware";
        QTest::newRow("two cables") << 2 << "Several devices found: connect only one to update it";
    }

    void mouseDeviceTest()
    {
        QFETCH(int, cables);
        QFETCH(QString, hint);
        const QList<DeviceAllInfo> saved = g_DeviceList;
        QList<DeviceAllInfo> list;
        for (int i = 0; i < cables; ++i)
            list << saved.first();
        g_DeviceList = list;
        HIDUsbSim::clearCalls();
        Start("on_Mouse_clicked");
        const bool ended = RunEnded();
        g_DeviceList = saved;
        QVERIFY(ended);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QCOMPARE(g_MouseUpdateState.load(), 0);
        QVERIFY(Child("label_13")->isVisible());
        QVERIFY(Child("toolButton_3")->isVisible());
        QCOMPARE(Label("label_13"), hint);
        QVERIFY(g_UpgradeIdle.load());
        QVERIFY(Child("Mouse")->isEnabled());
    }

    // Up to date: the button shows the up-to-date text and refuses further
    // runs until SigSetver(4).
    void upToDateRow()
    {
        QFile::remove(m_Bin.path() + "/mouse.bin");
        HIDUsbSim::clearCalls();
        Start("on_Mouse_clicked");
        QVERIFY(RunEnded());
        QCOMPARE(g_MouseUpdateState.load(), 4);
        auto *button = qobject_cast<QAbstractButton *>(Child("Mouse"));
        const QString upToDate = button->text();
        Start("on_Mouse_clicked");
        QVERIFY(!g_MouseCheckTimer->isActive());
        QCOMPARE(button->text(), upToDate);
        PostMsg::GetInstance()->EmitSetver(4);
        QVERIFY(button->text() != upToDate);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
    }

    // An image that is not whole is no update, however new its header says
    // it is: with only a cut copy, or one beside a whole older image, the
    // row is up to date, nothing is flashed and no failed update is
    // recorded.
    void damagedImageIsNoUpdate_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("besideOlder");
        for (const char *damage : {"100 bytes short", "bad magic"}) {
            QTest::addRow("%s, alone", damage) << damage << false;
            QTest::addRow("%s, beside a whole older one", damage) << damage << true;
        }
    }

    void damagedImageIsNoUpdate()
    {
        QFETCH(QString, damage);
        QFETCH(bool, besideOlder);
        QVERIFY(QFile::remove(m_Bin.path() + "/mouse.bin"));
        QByteArray damaged =
            HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0300, "OrvikM1");
        if (damage == "100 bytes short")
            damaged.chop(100);
        else
            damaged.replace(HIDUSB_FW_OFFSET_MAGIC, 4, "XXXX");
        QList<QPair<QString, QByteArray>> files{{"z-damaged.bin", damaged}};
        if (besideOlder)
            files << qMakePair(QString("a-older.bin"),
                               HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                            0x0101, "OrvikM1"));
        for (const auto &file : files) {
            QFile image(m_Bin.path() + "/" + file.first);
            QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
            image.write(file.second);
        }
        const int mouseVersion = HIDUsbSim::setup(m_Cable).mouseVersion;

        HIDUsbSim::clearCalls();
        Start("on_Mouse_clicked");
        const bool ended = RunEnded();
        for (const auto &file : files)
            QFile::remove(m_Bin.path() + "/" + file.first);
        QVERIFY(ended);
        QCOMPARE(g_MouseUpdateState.load(), 4);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QVERIFY(!Visible<Progress>());
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QCOMPARE(int(HIDUsbSim::setup(m_Cable).mouseVersion), mouseVersion);
        QVERIFY(!HIDUsbSim::setup(m_Cable).bootMode);
        QVERIFY(g_UpgradeIdle.load());
        PostMsg::GetInstance()->EmitSetver(4);
    }

    // The receiver's row with the mouse on its cable and its receiver
    // plugged beside it: the 4 kHz receiver's own version is compared with
    // the "D4M" image, the progress dialog follows the flash, success is
    // shown, the receiver takes the image's version and so does the version
    // label; closing the dialog goes on with a mouse update that waits
    // behind this one.
    void receiverUpdate()
    {
        const QByteArray receiverImage =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        const QByteArray mouseImage =
            HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0110, "OrvikM1");
        for (const auto &file :
             {qMakePair(QString("receiver.bin"), receiverImage), qMakePair(QString("mouse.bin"), mouseImage)}) {
            QFile image(m_Bin.path() + "/" + file.first);
            QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
            image.write(file.second);
        }
        const int receiver = HIDUsbSim::plug(Receiver());
        QVERIFY(QTest::qWaitFor([] { return g_DeviceList.size() == 2; }, 10000));
        QVERIFY(HIDUsbSim::waitIdle());
        QVERIFY(g_CurrentDevice.get().Wired); // the page stays on the cable
        PostMsg::GetInstance()->EmitSetver(0);
        QCOMPARE(Label("label_5"), QString("v1.2"));

        QSignalSpy progress(PostMsg::GetInstance(), &PostMsg::SigProgress);
        HIDUsbSim::clearCalls();
        Start("on_Receive_clicked");
        QVERIFY(!Child("Receive")->isEnabled());
        QVERIFY(QTest::qWaitFor([] { return Visible<Progress>() != nullptr; }, 10000));
        QVERIFY(RunEnded());

        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(HIDUsbSim::lastFlashedImage(), receiverImage);
        QCOMPARE(int(HIDUsbSim::setup(receiver).receiverVersion), 0x0103);
        Progress *dialog = Visible<Progress>();
        QVERIFY(dialog);
        QTRY_COMPARE(LabelText(dialog, "label"), QString("Update succeeded"));
        QCOMPARE(dialog->findChild<QProgressBar *>("progressBar_2")->value(), 100);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(progress.last().at(1).toInt(), 2);
        QTRY_COMPARE(Label("label_5"), QString("v1.3"));
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QVERIFY(g_UpgradeIdle.load());
        QVERIFY(Child("Receive")->isEnabled());

        g_MouseUpdatePending = true;
        HIDUsbSim::clearCalls();
        dialog->findChild<QAbstractButton *>("NewHong")->click();
        QVERIFY(QTest::qWaitFor([] { return HIDUsbSim::callCount("UsbUpgrade_Start") == 1; }, 10000));
        QVERIFY(RunEnded());
        QCOMPARE(HIDUsbSim::lastFlashedImage(), mouseImage);
        QCOMPARE(int(HIDUsbSim::setup(m_Cable).mouseVersion), 0x0110);
        QTRY_COMPARE(Label("label_7"), QString("v1.10"));
        QCOMPARE(int(HIDUsbSim::setup(receiver).receiverVersion), 0x0103);

        QFile::remove(m_Bin.path() + "/receiver.bin");
        HIDUsbSim::unplug(receiver);
        QVERIFY(QTest::qWaitFor([] { return g_DeviceList.size() == 1; }, 10000));
        QVERIFY(g_CurrentDevice.get().Wired);
    }

    // A failed flash: the failure text, the record for the repair, the
    // pending flags cleared; closing the dialog returns to the device list.
    void mouseUpdateFails()
    {
        {
            QFile image(m_Bin.path() + "/mouse.bin");
            QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
            image.write(HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0200,
                                                     "OrvikM1"));
        }
        HIDUsbSim::failNextFlashAt(30);
        g_MouseUpdatePending = true;
        Start("on_Mouse_clicked");
        QVERIFY(RunEnded());
        QCOMPARE(g_MouseUpdateState.load(), 3);
        QCOMPARE(UpdateRegistry::FailInfoText(), HIDUsbSim::sampleFailInfo(210, 0));
        QVERIFY(!g_MouseUpdatePending);
        Progress *dialog = Visible<Progress>();
        QVERIFY(dialog);
        QTRY_COMPARE(LabelText(dialog, "label"), QString("Update failed"));
        QSignalSpy back(PostMsg::GetInstance(), &PostMsg::SigChangeMainDialog);
        dialog->findChild<QAbstractButton *>("CloseButton")->click();
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.first().first().toInt(), 0);
        // The mouse waits in boot mode for its repair; bring it back for the
        // rows after this one.
        QVERIFY(HIDUsbSim::waitIdle());
        QVERIFY(HIDUsbSim::setup(m_Cable).bootMode);
    }
};

ORVIK_TEST_MAIN(TestUpdateRun)
#include "tst_updaterun.moc"
