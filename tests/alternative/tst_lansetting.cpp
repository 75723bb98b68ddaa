// The older settings dialog against the simulated library: its update checks
// (a receiver without an image name, a mouse on its cable beside two
// receivers, a mouse update without a cable, a receiver flash that fails and
// one that succeeds), its maker file, its pairing, and its only opener, the
// main frame's hidden settings button. The program runs from an application
// directory of its own, so it may rewrite Net.xml there.

#include "TestMain.h"

#include "ConfigIni.h"
#include "DeviceDiscovery.h"
#include "Dialog.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FirmwareImage.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "LanSetting.h"
#include "LanguageLoader.h"
#include "MacroIni.h"
#include "Match.h"
#include "PostMsg.h"
#include "Startup.h"
#include "UpdateRegistry.h"
#include "Worker.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// The sample wireless model: CID 26 ("Option"), sampleWirelessMid, its images named
// after the model keys MM, DM and D4M.
const char *const kMouseModel = "OrvikM1";
const char *const kReceiver1KModel = "OrvikR1K";
const char *const kReceiver4KModel = "OrvikR4K";

HIDUsbSim::DeviceSetup Receiver(const QString &name = "rx", const QString &mouse = "m1")
{
    return HIDUsbSim::sampleReceiverMouse(name, mouse);
}

HIDUsbSim::DeviceSetup Cable()
{
    HIDUsbSim::DeviceSetup cable = HIDUsbSim::sampleReceiverMouse("cable", "m1");
    cable.receiverType = 2;
    cable.pid = "F500";
    return cable;
}

// Plugs the devices and lists them as the worker's search does, the first
// one as the current device, online, with the mouse version its version
// report carries.
void UseDevices(const QList<HIDUsbSim::DeviceSetup> &setups)
{
    HIDUsbSim::reset();
    for (const HIDUsbSim::DeviceSetup &setup : setups)
        HIDUsbSim::plug(setup);
    const DeviceDiscovery::SearchIds ids = DeviceDiscovery::ReadSearchIds();
    DeviceAllInfo first = DeviceDiscovery::Enumerate(ids.Vid, ids.Pids, false).first();
    g_CurrentDevice.set(DeviceAllInfo());
    Worker::IdentifyDevice(first, first.Path.toLatin1());
    g_CurrentDevice.set(first);
    g_DeviceList.clear();
    Worker::FindDevices(ids.Vid, ids.Pids, ids.InterfaceId, ids.DeviceId);
    for (const DeviceAllInfo &entry : g_DeviceList) {
        if (entry.Path == first.Path) {
            DeviceAllInfo current = entry;
            current.MouseVersion = DeviceDiscovery::VersionText(setups.first().mouseVersion);
            g_CurrentDevice.set(current);
        }
    }
}

// Runs fn every 20 ms (also inside modal loops) until the watch goes out of scope.
std::unique_ptr<QTimer> Watch(std::function<void()> fn)
{
    std::unique_ptr<QTimer> timer(new QTimer);
    QObject::connect(timer.get(), &QTimer::timeout, fn);
    timer->start(20);
    return timer;
}

template<typename T>
T *Child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(name);
}

QString Text(QWidget *dialog, const char *name)
{
    if (auto *label = Child<QLabel>(dialog, name))
        return label->text();
    return Child<QAbstractButton>(dialog, name)->text();
}

} // namespace

class TestLanSetting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Bin;
    QString m_ConfigPath;

    void PutImage(const QString &file, int kind, quint32 version, const char *model)
    {
        QFile image(m_Bin.path() + "/" + file);
        QVERIFY(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
        image.write(HIDUsbSim::makeFirmwareImage(quint8(kind), HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                 version, model));
    }

    // A dialog whose checks step every 20 ms, shown as the opener shows it.
    std::unique_ptr<LanSetting> NewDialog()
    {
        std::unique_ptr<LanSetting> dialog(new LanSetting);
        for (const char *name : {"DongleCheckTimer", "MouseCheckTimer"})
            dialog->findChild<QTimer *>(name)->setInterval(20);
        dialog->ShowVersion();
        dialog->show();
        return dialog;
    }

    // Presses an update button and waits until the check has come to its end.
    static bool RunCheck(LanSetting *dialog, const char *button)
    {
        Child<QToolButton>(dialog, button)->click();
        if (!dialog->findChild<QTimer *>(button == QByteArray("Receive") ? "DongleCheckTimer" : "MouseCheckTimer")
                 ->isActive())
            return false;
        return QTest::qWaitFor(
            [dialog] {
                return !dialog->findChild<QTimer *>("DongleCheckTimer")->isActive()
                    && !dialog->findChild<QTimer *>("MouseCheckTimer")->isActive();
            },
            20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "the test runs from its own app directory");
        Startup::PrepareUserFolders();
        FirmwareImage::SetFolder(m_Bin.path());
        m_ConfigPath = ConfigIni::GetInstance()->FilePath();
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    }

    void init()
    {
        for (const QString &file : QDir(m_Bin.path()).entryList(QDir::Files))
            QFile::remove(m_Bin.path() + "/" + file);
        g_LanDongleState = 0;
        g_LanMouseState = 0;
        UpdateRegistry::RemoveFailInfo();
    }

    void cleanup()
    {
        QVERIFY(HIDUsbSim::waitIdle());
        QVERIFY(g_UpgradeIdle.load());
    }

    // A wireless mouse on a 4 kHz receiver of a model that names no 4 kHz
    // receiver image: up to date at once, with no search of another class and
    // no boot-mode query; the button then refuses further checks.
    void receiverWithoutImageNameIsUpToDate()
    {
        QTemporaryDir dir;
        const QString config = dir.path() + "/Config.ini";
        QVERIFY(QFile::copy(m_ConfigPath, config));
        QFile file(config);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const int d4m = text.indexOf("D4M=");
        QVERIFY(d4m > 0);
        text.replace(d4m, text.indexOf('\n', d4m) - d4m, "D4M=");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        ConfigIni::GetInstance()->Reload(config);

        UseDevices({Receiver()});
        PutImage("r1k.bin", 0xD3, 0x0200, kReceiver1KModel);
        std::unique_ptr<LanSetting> dialog = NewDialog();
        HIDUsbSim::clearCalls();
        const bool ended = RunCheck(dialog.get(), "Receive");
        ConfigIni::GetInstance()->Reload(m_ConfigPath);
        QVERIFY(ended);
        QCOMPARE(g_LanDongleClass.load(), 4);
        QCOMPARE(g_LanDongleState.load(), 4);
        QCOMPARE(Text(dialog.get(), "Receive"), QString("Up to date"));
        QVERIFY(!Child<QLabel>(dialog.get(), "label_6")->isVisible());
        QCOMPARE(HIDUsbSim::callCount("UsbUpgradeC_FindBootDevices"), 0);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QVERIFY(Child<QPushButton>(dialog.get(), "pushButton_2")->isEnabled());

        Child<QToolButton>(dialog.get(), "Receive")->click();
        QVERIFY(!dialog->findChild<QTimer *>("DongleCheckTimer")->isActive());
    }

    // The current mouse on its cable with two receivers listed beside it and a
    // 1 kHz receiver image: two candidates, so the several-devices warning and
    // nothing flashed. The boot-mode query is asked only for the class whose
    // search kept an image.
    void cableBesideTwoReceivers()
    {
        UseDevices({Cable(), Receiver("rxA", "mA"), Receiver("rxB", "mB")});
        QCOMPARE(g_DeviceList.size(), 3);
        QVERIFY(g_CurrentDevice.get().Wired);
        PutImage("r1k.bin", 0xD3, 0x0200, kReceiver1KModel);
        std::unique_ptr<LanSetting> dialog = NewDialog();
        HIDUsbSim::clearCalls();
        QVERIFY(RunCheck(dialog.get(), "Receive"));
        QCOMPARE(g_LanDongleState.load(), 0);
        QVERIFY(Child<QLabel>(dialog.get(), "label_6")->isVisible());
        QVERIFY(Child<QToolButton>(dialog.get(), "toolButton_2")->isVisible());
        QCOMPARE(Text(dialog.get(), "label_6"), QString("Several devices found: connect only one to update it"));
        QCOMPARE(HIDUsbSim::callCount("UsbUpgradeC_FindBootDevices(image)"), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgradeC_FindBootDevices(null)"), 0);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
    }

    // A newer mouse image while the mouse is reached through its receiver
    // only: the cable is asked for, nothing is flashed, and the button works
    // again.
    void mouseUpdateNeedsTheCable()
    {
        UseDevices({Receiver()});
        PutImage("mouse.bin", 0xD2, 0x0106, kMouseModel);
        std::unique_ptr<LanSetting> dialog = NewDialog();
        QCOMPARE(Text(dialog.get(), "label_5"), QString("v1.5"));
        HIDUsbSim::clearCalls();
        QVERIFY(RunCheck(dialog.get(), "Mouse"));
        QCOMPARE(g_LanMouseState.load(), 0);
        QVERIFY(Child<QLabel>(dialog.get(), "label_6")->isVisible());
        QCOMPARE(Text(dialog.get(), "label_6"),
                 QString("Please connect the mouse with its cable to update its firmware"));
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 0);
        QVERIFY(RunCheck(dialog.get(), "Mouse"));
    }

    // A 4 kHz receiver flash that fails at 30 % records the failure for the
    // repair (kind 211, class 4, CID, MID) and tells it on the button; the
    // receiver then waits in boot mode, where the next check finds and
    // flashes it. That flash ends before the check's next step: the state
    // was "updating" before the start, so the success is not lost. It
    // removes the record and shows the new version.
    void receiverFlashFailsThenSucceeds()
    {
        UseDevices({Receiver()});
        PutImage("r4k.bin", 0xD3, 0x0105, kReceiver4KModel);
        std::unique_ptr<LanSetting> dialog = NewDialog();
        QCOMPARE(Text(dialog.get(), "label_2"), QString("v1.2"));
        QSignalSpy closeUpdate(PostMsg::GetInstance(), &PostMsg::SigCloseUpdate);
        QSignalSpy labelText(PostMsg::GetInstance(), &PostMsg::SigLabelText);

        HIDUsbSim::setFlashDuration(150);
        HIDUsbSim::failNextFlashAt(30);
        HIDUsbSim::clearCalls();
        QVERIFY(RunCheck(dialog.get(), "Receive"));
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(g_LanDongleState.load(), 3);
        QCOMPARE(g_LanUpdateKind.load(), 211);
        QCOMPARE(UpdateRegistry::FailInfoText(), HIDUsbSim::sampleFailInfo(211, 4));
        QCOMPARE(closeUpdate.count(), 1);
        QCOMPARE(labelText.count(), 0);
        QCOMPARE(Text(dialog.get(), "Receive"), QString("Update failed"));
        QVERIFY(Child<QToolButton>(dialog.get(), "Receive")->isVisible());
        QVERIFY(!Child<QProgressBar>(dialog.get(), "progressBar_2")->isVisible());
        QVERIFY(!Child<QLabel>(dialog.get(), "label_6")->isVisible());
        QVERIFY(HIDUsbSim::waitIdle());
        const int receiverId = HIDUsbSim::devices().first();
        QVERIFY(HIDUsbSim::setup(receiverId).bootMode);

        // The receiver left the enumeration for its boot loader; the worker's
        // hot-plug callback lists what is left.
        const DeviceDiscovery::SearchIds ids = DeviceDiscovery::ReadSearchIds();
        g_DeviceList.clear();
        Worker::FindDevices(ids.Vid, ids.Pids, ids.InterfaceId, ids.DeviceId);
        QVERIFY(g_DeviceList.isEmpty());

        dialog->findChild<QTimer *>("DongleCheckTimer")->setInterval(300);
        HIDUsbSim::setFlashDuration(0);
        HIDUsbSim::clearCalls();
        QVERIFY(RunCheck(dialog.get(), "Receive"));
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCOMPARE(HIDUsbSim::lastFlashedImage(),
                 HIDUsbSim::makeFirmwareImage(0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0105,
                                              kReceiver4KModel));
        QCOMPARE(g_LanDongleState.load(), 2);
        QVERIFY(!UpdateRegistry::HasFailInfo());
        QCOMPARE(closeUpdate.count(), 1);
        QCOMPARE(Text(dialog.get(), "Receive"), QString("Update succeeded"));
        QTRY_COMPARE(Text(dialog.get(), "label_2"), QString("v1.5"));
        QCOMPARE(labelText.count(), 1);
        QCOMPARE(labelText.first().at(0).toInt(), 0);
        QCOMPARE(g_CurrentDevice.get().ReceiverVersion, QString("v1.5"));
        QVERIFY(!HIDUsbSim::setup(receiverId).bootMode);
        QCOMPARE(g_LastOnline.load(), !g_DeviceOnline.load());
    }

    // The dialog's search is the shared one (versions compared as numbers,
    // an older image does not end the scan); it keeps its choice apart from
    // the settings page's.
    void searchKeepsItsOwnImage_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QList<int>>("versions"); // of a.bin, b.bin
        QTest::addColumn<int>("chosen");          // index, -1 none
        QTest::newRow("an older image first") << "v1.3" << QList<int>{0x0102, 0x0105} << 1;
        QTest::newRow("1.10 ranks above 1.9") << "v1.9" << QList<int>{0x0110, 0x0108} << 0;
        QTest::newRow("only the same and older") << "v1.5" << QList<int>{0x0105, 0x0104} << -1;
    }

    void searchKeepsItsOwnImage()
    {
        QFETCH(QString, current);
        QFETCH(QList<int>, versions);
        QFETCH(int, chosen);
        PutImage("page.bin", 0xD2, 0x0101, "PageModel");
        QVERIFY(FirmwareImage::FindFirmware(0xD2, QString(), "PageModel", HIDUsbSim::sampleCid,
                                            HIDUsbSim::sampleWirelessMid));
        const QByteArray pageImage = FirmwareImage::ChosenImage();
        const QStringList files{"a.bin", "b.bin"};
        for (int i = 0; i < files.size(); ++i)
            PutImage(files.at(i), 0xD2, quint32(versions.at(i)), kMouseModel);

        g_LanFirmwareImage = {"stale"};
        QCOMPARE(
            LanSetting::FindFirmware(0xD2, current, kMouseModel, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid),
            chosen >= 0);
        if (chosen < 0)
            QVERIFY(g_LanFirmwareImage.isEmpty());
        else
            QCOMPARE(
                g_LanFirmwareImage,
                QList<QByteArray>{HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                               quint32(versions.at(chosen)), kMouseModel)});
        QCOMPARE(FirmwareImage::ChosenImage(), pageImage);
    }

    // While a flash runs the bar over the button counts dots after the
    // UpDating text, four steps round.
    void updatingTextCountsDots()
    {
        UseDevices({Receiver()});
        std::unique_ptr<LanSetting> dialog = NewDialog();
        QProgressBar *bar = Child<QProgressBar>(dialog.get(), "progressBar_2");
        QStringList formats;
        for (int i = 0; i < 5; ++i) {
            QVERIFY(QMetaObject::invokeMethod(dialog.get(), "onTextTimeupDestroyA"));
            formats << bar->format();
        }
        QCOMPARE(formats, QStringList({"Updating", "Updating.", "Updating..", "Updating...", "Updating"}));
    }

    // The maker line and the web link come from the stored language's
    // element of Net.xml (English for 0, Chinese for 1, none for the others)
    // and from every "Web" element, the later one winning.
    void makerFile_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("maker");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QString>("update");
        const QString web = "https://web.example.com/";
        QTest::newRow("English") << 0 << "English maker" << web << "Check for update";
        QTest::newRow("Simplified Chinese") << 1 << "Chinese maker" << web << QString::fromUtf8("检查更新");
        QTest::newRow("Traditional Chinese: Web only") << 2 << "Web maker" << web << QString::fromUtf8("檢查更新");
        QTest::newRow("Japanese: Web only") << 5 << "Web maker" << web << QString::fromUtf8("更新を確認");
    }

    void makerFile()
    {
        QFETCH(int, language);
        QFETCH(QString, maker);
        QFETCH(QString, web);
        QFETCH(QString, update);
        const QString net = LanguageLoader::NetFilePath();
        QFile original(net);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray saved = original.readAll();
        original.close();
        {
            QFile file(net);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Profile>\n"
                       "  <Web><CompanyName>Web maker</CompanyName></Web>\n"
                       "  <English><CompanyName>English maker</CompanyName>"
                       "<CompanyWeb>https://en.example.com/</CompanyWeb></English>\n"
                       "  <Chinese><CompanyName>Chinese maker</CompanyName>"
                       "<CompanyWeb>https://zh.example.com/</CompanyWeb></Chinese>\n"
                       "  <Other><CompanyName>Other maker</CompanyName></Other>\n"
                       "  <Web><CompanyWeb>https://web.example.com/</CompanyWeb></Web>\n"
                       "</Profile>\n");
        }
        MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(language));
        std::unique_ptr<LanSetting> dialog(new LanSetting);
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
        {
            QFile file(net);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(saved);
        }
        QCOMPARE(Text(dialog.get(), "pushButton_3"), maker);
        QCOMPARE(Text(dialog.get(), "pushButton"), web);
        QCOMPARE(Text(dialog.get(), "Receive"), update);
        QCOMPARE(Child<QComboBox>(dialog.get(), "comboBox")->currentIndex(), language < 2 ? language : -1);
    }

    // Pairing closes the dialog, runs the pairing dialog and then gives the
    // connection and the hot-plug watch back to the worker.
    void pairingHandsTheLinkBack()
    {
        UseDevices({Receiver()});
        g_DevicePath.set(g_CurrentDevice.get().Path.toStdString());
        g_MainPageActive = 1;
        std::unique_ptr<LanSetting> dialog = NewDialog();
        bool matchShown = false;
        auto watch = Watch([&] {
            if (auto *match = qobject_cast<Match *>(QApplication::activeModalWidget())) {
                matchShown = true;
                match->findChild<QToolButton *>("CloseButton")->click();
            }
        });
        HIDUsbSim::clearCalls();
        Child<QPushButton>(dialog.get(), "pushButton_2")->click();
        watch.reset();
        g_MainPageActive = 0;
        QVERIFY(matchShown);
        QVERIFY(!dialog->isVisible());
        const QStringList calls = HIDUsbSim::calls();
        const QString path = g_CurrentDevice.get().Path;
        QVERIFY2(calls.contains("StartUsbChanged(callback, 600)")
                     && calls.last() == "UsbServerC_Start(" + path + ", " + path + ", callback)",
                 qPrintable(calls.join("\n")));
    }

    // The main frame's settings button is hidden; its slot opens the dialog
    // with the current device's versions, centred over the frame.
    void hiddenSetButtonOpensTheDialog()
    {
        UseDevices({Receiver()});
        auto *window = new DialogMain; // lives until the process ends, as in the utility
        Dialog *frame = window->MainFramePage();
        QVERIFY(frame->Form()->SetButton->isHidden());
        QString receiverVersion;
        QString mouseVersion;
        bool opened = false;
        auto watch = Watch([&] {
            if (auto *dialog = qobject_cast<LanSetting *>(QApplication::activeModalWidget())) {
                opened = true;
                receiverVersion = Text(dialog, "label_2");
                mouseVersion = Text(dialog, "label_5");
                Child<QToolButton>(dialog, "CloseButton")->click();
            }
        });
        QVERIFY(QMetaObject::invokeMethod(frame, "on_SetButton_clicked"));
        watch.reset();
        QVERIFY(opened);
        QCOMPARE(receiverVersion, QString("v1.2"));
        QCOMPARE(mouseVersion, QString("v1.5"));
        QVERIFY(!qobject_cast<LanSetting *>(QApplication::activeModalWidget()));
    }
};

ORVIK_TEST_MAIN(TestLanSetting)
#include "tst_lansetting.moc"
