// Firmware updates end to end against the simulated library: the device
// list's automatic receiver update, a failed flash and its repair from the
// device list's repair button, and the repair dialog closed while its flash
// goes on.

#include "DeviceListScript.h"
#include "TestMain.h"

#include "ContainReset.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "DialogChange.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "LanguageLoader.h"
#include "MacroIni.h"
#include "PostMsg.h"
#include "Progress.h"
#include "RegistryStore.h"
#include "SettingsState.h"
#include "TestState.h"
#include "UpDateRepair.h"
#include "UpdateRegistry.h"
#include "UserPaths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

// A language file of its own below needs an application directory of its own.

using HIDUsbSim::DeviceSetup;
using OrvikTest::ModalScript;
using OrvikTest::Rebuild;
using OrvikTest::Receiver;

namespace {

// The sample Config.ini's first model: CID 26, the sample wireless MID, 4 kHz receiver image
// name "OrvikR4K".
const QString kFailInfo4K = HIDUsbSim::sampleFailInfo(211, 4);

QString Text(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLabel *>(name)->text();
}

void Click(QWidget *dialog, const char *name)
{
    dialog->findChild<QAbstractButton *>(name)->click();
}

// A receiver image of the first model that is not whole.
QByteArray Damaged(const QString &damage, quint32 version)
{
    QByteArray image =
        HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, version, "OrvikR4K");
    if (damage == "100 bytes short")
        image.chop(100);
    else if (damage == "bad magic")
        image.replace(HIDUSB_FW_OFFSET_MAGIC, 4, "XXXX");
    else
        image.replace(HIDUSB_FW_OFFSET_LENGTH, 4, QByteArray("\x10\x00\x00\x00", 4));
    return image;
}

bool Enumerated(const QString &pid)
{
    int count = 5;
    UsbFinderC_FindHidDevicesByDefaultDeviceId("3554", pid.toLatin1().constData(), &count);
    return count > 0;
}

// The device list's question before a receiver update: answered with OK.
ModalScript::Step ConfirmContainReset()
{
    return [](QWidget *w) {
        if (!qobject_cast<ContainReset *>(w))
            return false;
        Click(w, "OK");
        return true;
    };
}

// The repair dialog's end: its confirm button once the flash has reported
// its end (or at once when it refused to flash). Its text and, when asked,
// the percentage its spin box shows then.
ModalScript::Step AnswerRepair(QString *shownText, int *shownPercent = nullptr)
{
    return [shownText, shownPercent](QWidget *w) {
        if (!qobject_cast<UpDateRepair *>(w))
            return false;
        if (!w->findChild<QWidget *>("NewHong")->isVisible() || g_RepairRunning)
            return false;
        *shownText = Text(w, "ToolText");
        if (shownPercent)
            *shownPercent = w->findChild<QSpinBox *>("spinBox")->value();
        Click(w, "NewHong");
        return true;
    };
}

} // namespace

class TestFirmware : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_Bin;
    DialogChange *m_Page = nullptr;

    void PutImage(const QString &name, const QByteArray &image)
    {
        QFile file(m_Bin->path() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(image);
    }

    QWidget *RepairButton() const { return m_Page->findChild<QWidget *>("Repair"); }

    QToolButton *Tile(int n) const
    {
        for (QWidget *w : g_TileButtons)
            if (w->objectName() == "btn" + QString::number(n))
                return qobject_cast<QToolButton *>(w);
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "runs from its own app directory");
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
        HIDUsbSim::reset();
        m_Page = new DialogChange(nullptr);
        m_Page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Page));
    }

    void cleanupTestCase()
    {
        delete m_Page;
        FirmwareImage::SetFolder(QString());
        HIDUsbSim::reset();
    }

    void init()
    {
        OrvikTest::ResetAllState();
        m_Bin.reset(new QTemporaryDir);
        FirmwareImage::SetFolder(m_Bin->path());
        UpdateRegistry::RemoveFailInfo();
        UpdateRegistry::SetMouseVersion("26", HIDUsbSim::sampleMidText(), QString());
    }

    void cleanup()
    {
        QVERIFY(HIDUsbSim::waitIdle());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A click on a receiver whose mouse is known (a recorded MouseVer) while
    // only a newer receiver image waits asks first, then flashes it through
    // the repair dialog. A flash that fails at 40 % is recorded for the
    // repair, the device list shows its repair button and the receiver waits
    // in boot mode; the repair button with that one boot device then flashes
    // it, clears the record, hides the button and the receiver comes back.
    void receiverUpdateFromDeviceList_data()
    {
        QTest::addColumn<int>("failAt"); // -1: the flash succeeds
        QTest::newRow("success") << -1;
        QTest::newRow("failure at 40%, then repaired") << 40;
    }

    void receiverUpdateFromDeviceList()
    {
        QFETCH(int, failAt);
        const bool fail = failAt >= 0;
        UpdateRegistry::SetMouseVersion("26", HIDUsbSim::sampleMidText(), "v1.5");
        PutImage(
            "r4k.bin",
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K"));
        PutImage(
            "r4k-old.bin",
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0101, "OrvikR4K"));
        // The clicked 4 kHz receiver (v1.2) lost its mouse, which answers
        // through its twin: the click runs the check before pairing.
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a", false),
                                        Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "b", true)});
        QCOMPARE(g_TileButtons.size(), 2);
        const int clicked = g_PickerDeviceList.at(0).PID == "F503" ? 0 : 1;
        QCOMPARE(g_PickerDeviceList.at(clicked).PID, QString("F503"));
        if (fail)
            HIDUsbSim::failNextFlashAt(failAt);

        int highest = -1;
        QSignalSpy progress(PostMsg::GetInstance(), &PostMsg::SigAutoRepairProgress);
        QString endText;
        int endPercent = -1;
        {
            ModalScript script({ConfirmContainReset(), AnswerRepair(&endText, &endPercent)});
            HIDUsbSim::clearCalls();
            QTest::mouseClick(Tile(clicked), Qt::LeftButton);
            QCOMPARE(script.seen, (QStringList{"ContainReset", "UpDateRepair"}));
            QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
            QCOMPARE(HIDUsbSim::lastFlashedImage(),
                     HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103,
                                                  "OrvikR4K"));
        }
        for (const QList<QVariant> &report : progress)
            highest = qMax(highest, report.first().toInt());
        QCoreApplication::processEvents();

        if (!fail) {
            QCOMPARE(highest, 100);
            QCOMPARE(endPercent, 100);
            QCOMPARE(endText, QString("Update succeeded"));
            QVERIFY(!UpdateRegistry::HasFailInfo());
            QCOMPARE(int(HIDUsbSim::setup(ids.at(0)).receiverVersion), 0x0103);
            QVERIFY(!RepairButton()->isVisible());
            QVERIFY(g_UpgradeIdle.load());
            return;
        }

        QVERIFY(highest <= failAt);
        QVERIFY(endPercent >= 0 && endPercent <= failAt);
        QCOMPARE(endText, QString("Update failed"));
        QCOMPARE(UpdateRegistry::FailInfoText(), kFailInfo4K);
        QVERIFY(RepairButton()->isVisible());
        QVERIFY(HIDUsbSim::setup(ids.at(0)).bootMode);
        QVERIFY(!Enumerated("F503"));
        QVERIFY(g_UpgradeIdle.load());

        // The repair: exactly one receiver waits in boot mode.
        QSignalSpy button(PostMsg::GetInstance(), &PostMsg::SigUpDateButton);
        ModalScript repair({AnswerRepair(&endText)});
        HIDUsbSim::clearCalls();
        qobject_cast<QAbstractButton *>(RepairButton())->click();
        QCOMPARE(repair.seen, QStringList{"UpDateRepair"});
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(endText, QString("Update succeeded"));
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QCOMPARE(button.count(), 1);
        QCOMPARE(button.first().first().toBool(), true);
        QCoreApplication::processEvents();
        QVERIFY(!RepairButton()->isVisible());
        QVERIFY(!HIDUsbSim::setup(ids.at(0)).bootMode);
        QVERIFY(Enumerated("F503"));
        QCOMPARE(int(HIDUsbSim::setup(ids.at(0)).receiverVersion), 0x0103);
    }

    // An image that is not whole (cut 100 bytes short of its length field,
    // a bad magic, a length field below the header) is never offered: the
    // click on a receiver without its mouse, with the receiver's newest file
    // damaged, only asks to pair again, whether the file lies alone or
    // beside a whole older image. Nothing is flashed, no failed update is
    // recorded and the device list offers no repair.
    void damagedReceiverImageIsNoUpdate_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("besideOlder");
        for (const char *damage : {"100 bytes short", "bad magic", "length field below the header"}) {
            QTest::addRow("%s, alone", damage) << damage << false;
            QTest::addRow("%s, beside a whole older one", damage) << damage << true;
        }
    }

    void damagedReceiverImageIsNoUpdate()
    {
        QFETCH(QString, damage);
        QFETCH(bool, besideOlder);
        UpdateRegistry::SetMouseVersion("26", HIDUsbSim::sampleMidText(), "v1.5");
        PutImage("z-r4k.bin", Damaged(damage, 0x0103));
        if (besideOlder)
            PutImage("a-r4k.bin",
                     HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0101,
                                                  "OrvikR4K"));
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a", false),
                                        Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "b", true)});
        const int clicked = g_PickerDeviceList.at(0).PID == "F503" ? 0 : 1;
        QCOMPARE(g_PickerDeviceList.at(clicked).PID, QString("F503"));
        QVERIFY(!RepairButton()->isVisible());

        // Whatever comes is answered as a user who wants the update would.
        ModalScript::Step answer = [](QWidget *w) {
            if (w->findChild<QAbstractButton *>("OK"))
                Click(w, qobject_cast<ContainReset *>(w) ? "OK" : "Cancel");
            else if (!qobject_cast<UpDateRepair *>(w)
                     || (w->findChild<QWidget *>("NewHong")->isVisible() && !g_RepairRunning))
                w->close();
            else
                return false;
            return true;
        };
        ModalScript script({answer, answer});
        HIDUsbSim::clearCalls();
        QTest::mouseClick(Tile(clicked), Qt::LeftButton);
        QVERIFY(HIDUsbSim::waitIdle());
        QCoreApplication::processEvents();
        QCOMPARE(script.seen, QStringList{"RePair"});
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QVERIFY(!RepairButton()->isVisible());
        QCOMPARE(int(HIDUsbSim::setup(ids.at(0)).receiverVersion), 0x0102);
        QVERIFY(g_UpgradeIdle.load());
    }

    // The repair of a receiver waiting in boot mode passes over a damaged
    // image too: beside a whole older one it flashes that one (a device in
    // boot mode takes any version) and the record goes; alone there is
    // nothing to flash and the record of the failed update stays.
    void repairPassesOverDamagedImage_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("besideOlder");
        for (const char *damage : {"100 bytes short", "bad magic", "length field below the header"}) {
            QTest::addRow("%s, alone", damage) << damage << false;
            QTest::addRow("%s, beside a whole older one", damage) << damage << true;
        }
    }

    void repairPassesOverDamagedImage()
    {
        QFETCH(QString, damage);
        QFETCH(bool, besideOlder);
        const QByteArray older =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0101, "OrvikR4K");
        PutImage("z-r4k.bin", Damaged(damage, 0x0103));
        if (besideOlder)
            PutImage("a-r4k.bin", older);
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", kFailInfo4K);
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, QString(), true, true)});
        QVERIFY(RepairButton()->isVisible());

        QString shown;
        // With nothing to flash the dialog only shows its idle text.
        const ModalScript::Step idle = [&](QWidget *w) {
            shown = Text(w, "ToolText");
            Click(w, "CloseButton");
            return true;
        };
        ModalScript script({besideOlder ? AnswerRepair(&shown) : idle});
        HIDUsbSim::clearCalls();
        qobject_cast<QAbstractButton *>(RepairButton())->click();
        QVERIFY(HIDUsbSim::waitIdle());
        QCoreApplication::processEvents();
        QCOMPARE(script.seen, QStringList{"UpDateRepair"});
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), besideOlder ? 1 : 0);
        QCOMPARE(shown, besideOlder ? QString("Update succeeded") : QString("Firmware repair"));
        if (besideOlder)
            QCOMPARE(HIDUsbSim::lastFlashedImage(), older);
        QCOMPARE(HIDUsbSim::setup(ids.at(0)).bootMode, !besideOlder);
        QCOMPARE(int(HIDUsbSim::setup(ids.at(0)).receiverVersion), besideOlder ? 0x0101 : 0x0102);
        QCOMPARE(UpdateRegistry::FailInfoText(), besideOlder ? QString() : kFailInfo4K);
        QCOMPARE(RepairButton()->isVisible(), !besideOlder);
    }

    // The repair flashes only when exactly one device waits in boot mode;
    // otherwise it tells which, flashes nothing and keeps the record. A
    // record of other than four fields is dropped without a word. Of several
    // records the first that can be repaired is: the others (here a mouse's,
    // with no image) stay for the next repair, and with them the button.
    void repairNeedsOneBootDevice_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("bootDevices");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("flashed");
        QTest::addColumn<QString>("recordAfter");
        QTest::newRow("no boot device") << kFailInfo4K << 0 << "No device waiting for the update was found" << false
                                        << kFailInfo4K;
        QTest::newRow("two boot devices")
            << kFailInfo4K << 2 << "Please connect only one device to repair" << false << kFailInfo4K;
        QTest::newRow("one boot device") << kFailInfo4K << 1 << "Update succeeded" << true << QString();
        QTest::newRow("three fields") << "1,2,3" << 1 << QString() << false << QString();
        QTest::newRow("five fields") << kFailInfo4K + ",7" << 1 << QString() << false << QString();
        QTest::newRow("a malformed record beside it")
            << "1,2,3;" + kFailInfo4K << 1 << "Update succeeded" << true << QString();
        const QString mouse = HIDUsbSim::sampleFailInfo(210, 4);
        QTest::newRow("after another device's record")
            << mouse + ";" + kFailInfo4K << 1 << "Update succeeded" << true << mouse;
        QTest::newRow("before another device's record, no boot device")
            << kFailInfo4K + ";" + mouse << 0 << "No device waiting for the update was found" << false
            << kFailInfo4K + ";" + mouse;
    }

    void repairNeedsOneBootDevice()
    {
        QFETCH(QString, record);
        QFETCH(int, bootDevices);
        QFETCH(QString, text);
        QFETCH(bool, flashed);
        QFETCH(QString, recordAfter);
        PutImage(
            "r4k.bin",
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K"));
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", record);
        QList<DeviceSetup> setups;
        for (int i = 0; i < bootDevices; ++i)
            setups << Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, QString(), true, true);
        Rebuild(setups);
        QVERIFY(RepairButton()->isVisible());

        QString shown;
        HIDUsbSim::clearCalls();
        if (text.isEmpty()) {
            // Nothing to do: the dialog only shows its idle text.
            ModalScript script({[&](QWidget *w) {
                shown = Text(w, "ToolText");
                Click(w, "CloseButton");
                return true;
            }});
            qobject_cast<QAbstractButton *>(RepairButton())->click();
            QCOMPARE(shown, QString("Firmware repair"));
        } else {
            ModalScript script({AnswerRepair(&shown)});
            qobject_cast<QAbstractButton *>(RepairButton())->click();
            QCOMPARE(script.seen, QStringList{"UpDateRepair"});
            QCOMPARE(shown, text);
        }
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), flashed ? 1 : 0);
        QCOMPARE(UpdateRegistry::FailInfoText(), recordAfter);
        QCoreApplication::processEvents();
        if (flashed)
            QCOMPARE(RepairButton()->isVisible(), !recordAfter.isEmpty());
    }

    // The repair dialog may be closed before its flash reports anything; the
    // flash goes on with the image held for it, and its end still updates the
    // record, the idle flag and the device list's repair button.
    void repairClosedBeforeFirstReport_data()
    {
        QTest::addColumn<bool>("fail");
        QTest::newRow("success") << false;
        QTest::newRow("failure") << true;
    }

    void repairClosedBeforeFirstReport()
    {
        QFETCH(bool, fail);
        PutImage(
            "r4k.bin",
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K"));
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", kFailInfo4K);
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, QString(), true, true)});
        HIDUsbSim::setFlashDuration(300);
        if (fail)
            HIDUsbSim::failNextFlash();
        QSignalSpy button(PostMsg::GetInstance(), &PostMsg::SigUpDateButton);
        {
            auto *repair = new UpDateRepair; // building it starts the flash
            QVERIFY(!g_UpgradeIdle.load());
            repair->show();
            // Refused only once the first progress report came.
            const bool reported = g_RepairRunning;
            Click(repair, "CloseButton");
            QCOMPARE(repair->isVisible(), reported);
            delete repair;
        }
        QVERIFY(HIDUsbSim::waitIdle());
        QTRY_COMPARE(button.count(), 1);
        QCOMPARE(button.first().first().toBool(), !fail);
        QCOMPARE(RepairButton()->isVisible(), fail);
        QCOMPARE(UpdateRegistry::FailInfoText(), fail ? kFailInfo4K : QString());
        QVERIFY(g_UpgradeIdle.load());
        QVERIFY(!g_RepairRunning.load());
        QCOMPARE(HIDUsbSim::setup(ids.at(0)).bootMode, fail);
    }

    // A receiver waits in its boot loader with the record of its failed
    // update while the user is offered the update of another receiver of
    // the mouse (a 1 kHz one, older firmware) and confirms it: that receiver
    // is flashed with its own image, the dialog says so, and the recorded
    // repair still waits for the repair button. Selecting the updated
    // receiver then shows its new version on the settings page at once.
    void confirmedUpdateFlashesTheOfferedReceiver()
    {
        UpdateRegistry::SetMouseVersion("26", HIDUsbSim::sampleMidText(), "v1.5");
        const QByteArray image4K =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        const QByteArray image1K =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0104, "OrvikR1K");
        PutImage("r1k.bin", image1K);
        PutImage("r4k.bin", image4K);
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", kFailInfo4K);
        // Receiver A (4 kHz) waits in its boot loader; receiver B (1 kHz,
        // v1.2) lost its mouse, which answers through another receiver.
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a", true, true),
                                        Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "b", false),
                                        Receiver("F502", 4, HIDUsbSim::sampleWirelessMid, "c", true)});
        const int waiting = ids.at(0);
        const int offered = ids.at(1);
        QCOMPARE(g_TileButtons.size(), 2);
        const int clicked = g_PickerDeviceList.at(0).PID == "F501" ? 0 : 1;
        QCOMPARE(g_PickerDeviceList.at(clicked).PID, QString("F501"));
        FormSetting settings; // the settings page, told the version of the receiver selected

        QString endText;
        {
            ModalScript script({ConfirmContainReset(), AnswerRepair(&endText)});
            HIDUsbSim::clearCalls();
            QTest::mouseClick(Tile(clicked), Qt::LeftButton);
            QCOMPARE(script.seen, (QStringList{"ContainReset", "UpDateRepair"}));
        }
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(HIDUsbSim::lastFlashedImage(), image1K);
        QCOMPARE(endText, QString("Update succeeded"));
        QCOMPARE(int(HIDUsbSim::setup(offered).receiverVersion), 0x0104);
        QVERIFY(HIDUsbSim::setup(waiting).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(waiting).receiverVersion), 0x0102);
        QCOMPARE(UpdateRegistry::FailInfoText(), kFailInfo4K);
        QCoreApplication::processEvents();
        QVERIFY(RepairButton()->isVisible());

        // The mouse answers through B again: a click selects B, and the
        // settings page shows the version B has now.
        HIDUsbSim::setOnline(offered, true);
        const int tile = g_PickerDeviceList.at(0).PID == "F501" ? 0 : 1;
        {
            ModalScript script;
            QTest::mouseClick(Tile(tile), Qt::LeftButton);
            QVERIFY(script.seen.isEmpty());
        }
        QCOMPARE(settings.findChild<QLabel *>("label_5")->text(), QString("v1.4"));

        // The repair button then brings A back with its own image.
        ModalScript repair({AnswerRepair(&endText)});
        HIDUsbSim::clearCalls();
        qobject_cast<QAbstractButton *>(RepairButton())->click();
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(HIDUsbSim::lastFlashedImage(), image4K);
        QCOMPARE(endText, QString("Update succeeded"));
        QVERIFY(!HIDUsbSim::setup(waiting).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(waiting).receiverVersion), 0x0103);
        QVERIFY(!UpdateRegistry::HasFailInfo());
    }

    // The update offered for a receiver while another receiver of the same
    // model waits in its boot loader: the library would flash the waiting
    // one with that image, so nothing is flashed; the dialog asks for one
    // device to repair and both keep what they had.
    void updateRefusedWhileSameModelWaits()
    {
        UpdateRegistry::SetMouseVersion("26", HIDUsbSim::sampleMidText(), "v1.5");
        PutImage(
            "r4k.bin",
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K"));
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", kFailInfo4K);
        const QList<int> ids = Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a", true, true),
                                        Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b", false),
                                        Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "c", true)});
        QCOMPARE(g_TileButtons.size(), 2);
        const int clicked = g_PickerDeviceList.at(0).PID == "F503" ? 0 : 1;
        QString endText;
        {
            ModalScript script({ConfirmContainReset(), AnswerRepair(&endText)});
            HIDUsbSim::clearCalls();
            QTest::mouseClick(Tile(clicked), Qt::LeftButton);
            QCOMPARE(script.seen, (QStringList{"ContainReset", "UpDateRepair"}));
        }
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QCOMPARE(endText, QString("Please connect only one device to repair"));
        QVERIFY(HIDUsbSim::setup(ids.at(0)).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(ids.at(1)).receiverVersion), 0x0102);
        QCOMPARE(UpdateRegistry::FailInfoText(), kFailInfo4K);
        QVERIFY(g_UpgradeIdle.load());
    }

    // Two receivers of the mouse failed their updates (4 kHz A, 1 kHz B;
    // their images differ in the model name only). Each press of the repair
    // button flashes a waiting receiver with the image its own record names
    // and removes only that record; one that is not plugged yet is found
    // when it comes.
    void eachRepairMendsItsOwnReceiver_data()
    {
        QTest::addColumn<bool>("bothWaiting"); // false: A is plugged only after B's repair
        QTest::newRow("both waiting") << true;
        QTest::newRow("A plugged later") << false;
    }

    void eachRepairMendsItsOwnReceiver()
    {
        QFETCH(bool, bothWaiting);
        const QByteArray image4K =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        const QByteArray image1K =
            HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0104, "OrvikR1K");
        PutImage("r1k.bin", image1K);
        PutImage("r4k.bin", image4K);
        const QString record1K = HIDUsbSim::sampleFailInfo(211, 1);
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", kFailInfo4K + ";" + record1K);
        const DeviceSetup a = Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a", true, true);
        const DeviceSetup b = Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "b", true, true);
        QList<int> ids = Rebuild(bothWaiting ? QList<DeviceSetup>{a, b} : QList<DeviceSetup>{b});
        const int idB = ids.last();
        int idA = bothWaiting ? ids.first() : 0;

        auto press = [this](const QByteArray &flashed) {
            QString endText;
            ModalScript script({AnswerRepair(&endText)});
            HIDUsbSim::clearCalls();
            qobject_cast<QAbstractButton *>(RepairButton())->click();
            QCOMPARE(script.seen, QStringList{"UpDateRepair"});
            QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), flashed.isEmpty() ? 0 : 1);
            if (!flashed.isEmpty())
                QCOMPARE(HIDUsbSim::lastFlashedImage(), flashed);
            QCOMPARE(endText,
                     flashed.isEmpty() ? QString("No device waiting for the update was found")
                                       : QString("Update succeeded"));
            QVERIFY(HIDUsbSim::waitIdle());
            QCoreApplication::processEvents();
        };

        if (bothWaiting) {
            press(image4K);
            QVERIFY(!HIDUsbSim::setup(idA).bootMode);
            QCOMPARE(int(HIDUsbSim::setup(idA).receiverVersion), 0x0103);
            QVERIFY(HIDUsbSim::setup(idB).bootMode);
            QCOMPARE(UpdateRegistry::FailInfoText(), record1K);
            QVERIFY(RepairButton()->isVisible());
            press(image1K);
        } else {
            press(image1K);
            QCOMPARE(UpdateRegistry::FailInfoText(), kFailInfo4K);
            QVERIFY(RepairButton()->isVisible());
            press(QByteArray()); // A is not there yet
            QCOMPARE(UpdateRegistry::FailInfoText(), kFailInfo4K);
            idA = HIDUsbSim::plug(a);
            press(image4K);
            QVERIFY(!HIDUsbSim::setup(idA).bootMode);
            QCOMPARE(int(HIDUsbSim::setup(idA).receiverVersion), 0x0103);
        }
        QVERIFY(!HIDUsbSim::setup(idB).bootMode);
        QCOMPARE(int(HIDUsbSim::setup(idB).receiverVersion), 0x0104);
        QVERIFY(!HIDUsbSim::setup(idA).bootMode);
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QVERIFY(!RepairButton()->isVisible());
    }

    // The progress dialog knows a failure by the report, not by its text:
    // with a language file that names no texts, failure and success read
    // alike, and a success must still go on with the other update.
    void progressOutcomeWithoutTexts_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("continues");
        QTest::addColumn<int>("backToList");
        QTest::newRow("success") << 2 << 1 << 0;
        QTest::newRow("failure") << 1 << 0 << 1;
    }

    void progressOutcomeWithoutTexts()
    {
        QFETCH(int, outcome);
        QFETCH(int, continues);
        QFETCH(int, backToList);
        QVERIFY2(UserPaths::appDir() != QCoreApplication::applicationDirPath(), "runs from its own app directory");
        QFile bare(LanguageLoader::FilePath(5));
        QVERIFY(bare.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bare.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Total>\n</Total>\n");
        bare.close();
        MacroIni::GetInstance()->SetValue("Language", "Language", "5");
        Progress progress;
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
        progress.show();
        PostMsg::GetInstance()->EmitProgress(0, outcome);
        QCOMPARE(Text(&progress, "label"), QString());
        QSignalSpy continueSpy(PostMsg::GetInstance(), &PostMsg::SigContinue);
        QSignalSpy listSpy(PostMsg::GetInstance(), &PostMsg::SigChangeMainDialog);
        Click(&progress, "NewHong");
        QVERIFY(!progress.isVisible());
        QCOMPARE(continueSpy.count(), continues);
        QCOMPARE(listSpy.count(), backToList);
    }
};

ORVIK_TEST_MAIN(TestFirmware)
#include "tst_firmware.moc"
