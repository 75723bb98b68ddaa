// The firmware-update progress dialog, the update notice and the repair
// dialog's choice of image: what the hub reports do to them and where their
// closing leads.

#include "TestMain.h"

#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "MacroIni.h"
#include "Match.h"
#include "PostMsg.h"
#include "Progress.h"
#include "SettingsState.h"
#include "TestState.h"
#include "UpDateRepair.h"
#include "UpDateWarning.h"
#include "UpdateRegistry.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private:
    static QString Label(QWidget *w, const char *name = "label") { return w->findChild<QLabel *>(name)->text(); }

private slots:
    void initTestCase() { MacroIni::GetInstance()->SetValue("Language", "Language", "0"); }

    void init() { OrvikTest::ResetAllState(); }

    void progressReports()
    {
        Progress progress;
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 1%"));
        progress.show();
        QProgressBar *bar = progress.findChild<QProgressBar *>("progressBar_2");
        QWidget *ok = progress.findChild<QWidget *>("NewHong");

        PostMsg::GetInstance()->EmitProgress(37, 0);
        QCOMPARE(bar->value(), 37);
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 37%"));
        QVERIFY(!ok->isVisible());

        PostMsg::GetInstance()->EmitProgress(0, 2);
        QCOMPARE(bar->value(), 100);
        QCOMPARE(Label(&progress), QString("Update succeeded"));
        QVERIFY(ok->isVisible());

        PostMsg::GetInstance()->EmitProgress(0, 3);
        QVERIFY(!ok->isVisible());

        // 4 starts over: caption and bar at 0, no confirm button; other kinds
        // only move the bar.
        PostMsg::GetInstance()->EmitProgress(0, 1);
        QVERIFY(ok->isVisible());
        PostMsg::GetInstance()->EmitProgress(60, 4);
        QVERIFY(!ok->isVisible());
        QCOMPARE(bar->value(), 0);
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 0%"));
        PostMsg::GetInstance()->EmitProgress(42, 9);
        QCOMPARE(bar->value(), 42);
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 0%"));
    }

    // After a success the close goes on with the other update; after a
    // failure it leads back to the device list. Neither while busy.
    void progressClose_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("continues");
        QTest::addColumn<int>("backToList");
        QTest::newRow("success, close") << 2 << "CloseButton" << false << true << 1 << 0;
        QTest::newRow("failure, close") << 1 << "CloseButton" << false << true << 0 << 1;
        QTest::newRow("failure, close while busy") << 1 << "CloseButton" << true << false << 0 << 0;
        QTest::newRow("failure, confirm while busy") << 1 << "NewHong" << true << true << 0 << 1;
        QTest::newRow("success, confirm") << 2 << "NewHong" << false << true << 1 << 0;
    }

    void progressClose()
    {
        QFETCH(int, outcome);
        QFETCH(QString, button);
        QFETCH(bool, busy);
        QFETCH(bool, closed);
        QFETCH(int, continues);
        QFETCH(int, backToList);

        Progress progress;
        progress.show();
        PostMsg::GetInstance()->EmitProgress(0, outcome);
        QSignalSpy continueSpy(PostMsg::GetInstance(), &PostMsg::SigContinue);
        QSignalSpy listSpy(PostMsg::GetInstance(), &PostMsg::SigChangeMainDialog);
        g_UpdateBusy = busy;
        progress.findChild<QToolButton *>(button)->click();
        QCOMPARE(!progress.isVisible(), closed);
        QCOMPARE(continueSpy.count(), continues);
        QCOMPARE(listSpy.count(), backToList);
        if (backToList)
            QCOMPARE(listSpy.first().first().toInt(), 0);
        if (continues)
            QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 0%"));
    }

    void progressClosesOnReturnToList()
    {
        Progress progress;
        progress.show();
        PostMsg::GetInstance()->EmitProgress(50, 0);
        g_UpdateBusy = true;
        PostMsg::GetInstance()->EmitCloseProgress();
        QVERIFY(progress.isVisible());
        g_UpdateBusy = false;
        PostMsg::GetInstance()->EmitCloseProgress();
        QVERIFY(!progress.isVisible());
        QCOMPARE(progress.findChild<QProgressBar *>("progressBar_2")->value(), 0);
    }

    // The repair dialog offers a receiver update only with a newer image,
    // the highest there is, whatever the name order (case ignored); without
    // a version to compare (a device in boot mode) it takes the highest
    // image of its kind. A receiver on v1.2 shows which image was flashed.
    void repairImageChoice_data()
    {
        QTest::addColumn<QStringList>("files"); // "name:version:model"
        QTest::addColumn<QString>("currentVersion");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("flashedVersion");
        QTest::newRow("the highest newer, not the last in name order")
            << QStringList{"a.bin:0x0105:OrvikR4K", "B.bin:0x0103:OrvikR4K"} << "v1.2" << true << 0x0105;
        QTest::newRow("an older image is no update")
            << QStringList{"a.bin:0x0101:OrvikR4K", "B.bin:0x0100:OrvikR4K"} << "v1.2" << false << 0x0102;
        QTest::newRow("the receiver's own version is passed over")
            << QStringList{"a.bin:0x0104:OrvikR4K", "b.bin:0x0102:OrvikR4K"} << "v1.2" << true << 0x0104;
        QTest::newRow("no version: the highest matching image")
            << QStringList{"a.bin:0x0104:OrvikR4K", "b.bin:0x0101:OrvikR4K"} << "" << true << 0x0104;
        QTest::newRow("images of another model do not count")
            << QStringList{"a.bin:0x0104:OrvikR1K"} << "v1.2" << false << 0x0102;
        QTest::newRow("only the receiver's own version")
            << QStringList{"a.bin:0x0102:OrvikR4K"} << "v1.2" << false << 0x0102;
    }

    void repairImageChoice()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, currentVersion);
        QFETCH(bool, found);
        QFETCH(int, flashedVersion);
        QTemporaryDir bin;
        FirmwareImage::SetFolder(bin.path());
        for (const QString &file : files) {
            const QStringList f = file.split(':');
            QFile out(bin.path() + "/" + f.at(0));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                   f.at(1).toUInt(nullptr, 16), f.at(2).toLatin1()));
        }
        HIDUsbSim::reset();
        HIDUsbSim::setFlashDuration(50);
        const int id = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse(QString(), QString()));

        {
            UpDateRepair repair;
            const bool result = repair.FindFirmware(0xD3, currentVersion, "OrvikR4K", HIDUsbSim::sampleCid,
                                                    HIDUsbSim::sampleWirelessMid);
            QCOMPARE(result, found);
            if (result)
                repair.StartRepair(0);
            QVERIFY(HIDUsbSim::waitIdle());
            QCoreApplication::processEvents();
        }
        FirmwareImage::SetFolder(QString());
        QCOMPARE(int(HIDUsbSim::setup(id).receiverVersion), flashedVersion);
        QVERIFY(g_UpgradeIdle.load());
    }

    // A flash the library refused before it touched the device (it was
    // handed no image: the file was cut short) ends as a failure, but
    // records no failed update, and the device list is told to keep its
    // repair button as the record stands; a flash that failed on the device
    // is recorded. For the settings page's run and the repair dialog alike.
    void refusedFlashRecordsNothing_data()
    {
        QTest::addColumn<bool>("repairDialog");
        QTest::addColumn<bool>("cut");
        QTest::newRow("update run, flash failed") << false << false;
        QTest::newRow("update run, image refused") << false << true;
        QTest::newRow("repair, flash failed") << true << false;
        QTest::newRow("repair, image refused") << true << true;
    }

    void refusedFlashRecordsNothing()
    {
        QFETCH(bool, repairDialog);
        QFETCH(bool, cut);
        UpdateRegistry::RemoveFailInfo();
        HIDUsbSim::reset();
        HIDUsbSim::setFlashDuration(50);
        const int id = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse(QString(), QString()));
        QByteArray image =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        if (cut)
            image.chop(100);
        else
            HIDUsbSim::failNextFlash();
        // What the repair dialog stores for the flash it starts.
        SetRepairFailInfo(HIDUsbSim::sampleFailInfo(211, 4).split(','));

        QSignalSpy progress(PostMsg::GetInstance(), &PostMsg::SigProgress);
        QSignalSpy outcome(PostMsg::GetInstance(), &PostMsg::SigAutoRepair);
        QSignalSpy button(PostMsg::GetInstance(), &PostMsg::SigUpDateButton);
        UsbUpgrade_Start(FirmwareImage::HoldForFlash(image),
                         repairDialog ? &UpDateRepair::UpgradeCallBack : &FormSetting::UpgradeCallBack, 10000);
        QVERIFY(HIDUsbSim::waitIdle());

        QCOMPARE(HIDUsbSim::lastFlashedImage().isEmpty(), cut);
        QCOMPARE(int(HIDUsbSim::setup(id).receiverVersion), 0x0102);
        QCOMPARE(UpdateRegistry::HasFailInfo(), !cut);
        if (repairDialog) {
            QCOMPARE(outcome.count(), 1);
            QCOMPARE(outcome.first().first().toInt(), 1);
            QCOMPARE(button.count(), 1);
            QCOMPARE(button.first().first().toBool(), cut); // hidden while nothing is recorded
        } else {
            QVERIFY(!progress.isEmpty());
            QCOMPARE(progress.last().at(1).toInt(), 1); // the failure shown
        }
        UpdateRegistry::RemoveFailInfo();
        SetRepairFailInfo(QStringList());
    }

    // A pairing started from the main frame holds the worker back
    // (g_MainPageActive 0) until the receiver reports an outcome; reports of
    // other commands, short headers and "still pairing" change nothing.
    void pairingOutcomeReports_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("buttonText");
        const QByteArray pairing("\x00\x06\x00\x00\x00", 5);
        QTest::newRow("header too short") << QByteArray(1, 6) << 3 << 1 << "Pairing";
        QTest::newRow("other command") << QByteArray("\x00\x05\x00\x00\x00", 5) << 3 << 1 << "Pairing";
        QTest::newRow("still pairing") << pairing << 1 << 1 << "Pairing";
        QTest::newRow("failed") << pairing << 2 << 3 << "Pairing failed";
        QTest::newRow("paired") << pairing << 3 << 2 << "Paired";
    }

    void pairingOutcomeReports()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, outcome);
        QFETCH(int, status);
        QFETCH(QString, buttonText);
        HIDUsbSim::reset();
        HIDUsbSim::setPairDuration(60000);
        DeviceAllInfo current;
        current.Path = HIDUsbSim::path(HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse(QString(), QString())));
        current.VID = "3554";
        current.PID = "F503";
        current.ReceiverType = 1;
        g_CurrentDevice.set(current);
        g_MainPageActive = 1;

        {
            Match match;
            match.InitMatch();
            QMetaObject::invokeMethod(&match, "onUSBTimeupDestroy"); // the 100 ms check allows pairing
            QPushButton *button = match.findChild<QPushButton *>("MatchButton");
            button->click();
            QCOMPARE(g_MainPageActive.load(), 0);
            QVERIFY(g_MatchStarted.load());
            QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start(" + current.Path), 1);

            QByteArray head = header;
            unsigned char data[1] = {static_cast<unsigned char>(outcome)};
            Match::PairCallBack(reinterpret_cast<unsigned char *>(head.data()), head.size(), data, 1);
            QCoreApplication::processEvents();

            const bool ended = status != 1;
            QCOMPARE(g_MatchStatus.load(), status);
            QCOMPARE(g_MatchStarted.load(), !ended);
            QCOMPARE(g_MainPageActive.load(), ended ? 1 : 0);
            QVERIFY(button->text().startsWith(buttonText));
        }
        UsbServer_Exit();
        g_MatchStarted = false;
        g_MatchStatus = 0;
        g_MatchSuspendedMainPage = false;
        g_MainPageActive = 0;
        g_CurrentDevice.set(DeviceAllInfo());
    }

    void warningKeepsItsMessage()
    {
        UpDateWarning warning;
        QCOMPARE(Label(&warning), QString("Confirm Delete"));
        warning.SetText("Connect the mouse by cable");
        PostMsg::GetInstance()->EmitChangeLanguage(1);
        QCOMPARE(Label(&warning), QString("Connect the mouse by cable"));
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->text(), QString::fromUtf8("确定"));
        PostMsg::GetInstance()->EmitChangeLanguage(0);
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->text(), QString("OK"));

        // Return closes it like the confirm button.
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->shortcut(), QKeySequence(Qt::Key_Return));
        bool pressed = false;
        QTimer::singleShot(0, &warning, [&] {
            warning.activateWindow();
            if (QTest::qWaitForWindowActive(&warning)) {
                warning.findChild<QToolButton *>("CloseButton")->setFocus();
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &warning, Qt::Key_Return);
                pressed = true;
            }
            if (warning.isVisible())
                QTimer::singleShot(500, &warning, &QDialog::reject); // never hang
        });
        warning.exec();
        QVERIFY(pressed);
        QVERIFY(!warning.isVisible());
    }
};

ORVIK_TEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
