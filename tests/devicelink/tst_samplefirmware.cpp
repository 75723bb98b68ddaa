// The sample firmware images people write with orvik-sample-firmware
// (tools/SampleFirmware): the firmware search offers each one for its model
// and receiver over the versions the simulated devices start with, the
// simulator flashes them, and removing them takes nothing else. And the
// failed update to try by hand: HIDUSB_SIM_FAIL_FLASH fails the first flash
// of the run (read once, when the library is first used, so it is set before
// anything here touches the library and checked by the first flash).

#include "TestMain.h"
#include "TestState.h"

#include "FirmwareImage.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "ModelInfo.h"
#include "SampleFirmware.h"
#include "UserPaths.h"

#include <QDir>
#include <QFile>

#include <mutex>

namespace {

std::mutex s_ReportsMutex;
QList<QByteArray> s_Reports;

void CollectUpgradeReport(unsigned char *report)
{
    std::lock_guard<std::mutex> lock(s_ReportsMutex);
    s_Reports.append(QByteArray(reinterpret_cast<char *>(report), 3));
}

QList<QByteArray> TakeReports()
{
    std::lock_guard<std::mutex> lock(s_ReportsMutex);
    QList<QByteArray> reports;
    reports.swap(s_Reports);
    return reports;
}

// The highest progress percentage and the end report's result byte (-1: no end).
struct FlashOutcome
{
    int lastPercent = -1;
    int result = -1;
};

FlashOutcome Flash(const QByteArray &image)
{
    TakeReports();
    UsbUpgrade_Start(reinterpret_cast<const unsigned char *>(image.constData()), CollectUpgradeReport, 10000);
    FlashOutcome outcome;
    if (!HIDUsbSim::waitIdle(10000))
        return outcome;
    for (const QByteArray &report : TakeReports()) {
        if (report[1] == 2)
            outcome.result = report[2];
        else
            outcome.lastPercent = qMax(outcome.lastPercent, int(report[2]));
    }
    return outcome;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSampleFirmware : public QObject
{
    Q_OBJECT

private:
    QString m_Bin;

    QByteArray SampleImage(int kind, quint8 mid) const
    {
        for (const SampleFirmware::Image &image : SampleFirmware::Images())
            if (image.Kind == kind && image.Mid == mid)
                return image.Bytes;
        return {};
    }

private slots:
    void initTestCase()
    {
        qputenv("HIDUSB_SIM_FAIL_FLASH", "30");
        QVERIFY(!OrvikTest::usePrivateAppDir().isEmpty());
        m_Bin = UserPaths::firmwareFolder();
    }

    void init()
    {
        OrvikTest::ResetAllState();
        FirmwareImage::SetFolder(QString());
        QDir bin(m_Bin);
        for (const QString &name : bin.entryList(QDir::Files))
            QVERIFY(bin.remove(name));
    }

    // Declared first: the first flash of this process.
    void firstFlashFailsAsTheEnvironmentAsks()
    {
        HIDUsbSim::setFlashDuration(100);
        const int id = HIDUsbSim::plug(HIDUsbSim::sampleCordedMouse());
        const QByteArray image = SampleImage(HIDUSB_FW_KIND_MOUSE, HIDUsbSim::sampleCordedMid);
        QVERIFY(!image.isEmpty());

        FlashOutcome outcome = Flash(image);
        QCOMPARE(outcome.result, 0);
        QCOMPARE(outcome.lastPercent, 30);
        QVERIFY(HIDUsbSim::setup(id).bootMode); // waits for a repair
        int boot = 0;
        UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(image.constData()), &boot);
        QCOMPARE(boot, 1);

        // Only the first: the repair goes through.
        outcome = Flash(image);
        QCOMPARE(outcome.result, 1);
        QCOMPARE(outcome.lastPercent, 100);
        QVERIFY(!HIDUsbSim::setup(id).bootMode);
        QCOMPARE(quint32(HIDUsbSim::setup(id).mouseVersion), SampleFirmware::Version);
        HIDUsbSim::reset();
    }

    // Every device of the built-in set, and every receiver the models name,
    // is offered its sample image over the version it starts with.
    void searchOffersEachImage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mid");
        QTest::addColumn<int>("receiverClass"); // receiver images only
        QTest::addColumn<quint32>("deviceVersion");
        const HIDUsbSim::DeviceSetup wireless = HIDUsbSim::sampleReceiverMouse();
        QTest::newRow("wireless mouse") << int(HIDUSB_FW_KIND_MOUSE) << int(HIDUsbSim::sampleWirelessMid) << 0
                                        << quint32(wireless.mouseVersion);
        // The built-in corded mouse runs v1.10, which ranks above v1.9.
        QTest::newRow("corded mouse") << int(HIDUSB_FW_KIND_MOUSE) << int(HIDUsbSim::sampleCordedMid) << 0
                                      << quint32(0x0110);
        for (int receiverClass : ModelInfo::ReceiverClasses())
            QTest::addRow("receiver class %d", receiverClass)
                << int(HIDUSB_FW_KIND_RECEIVER) << int(HIDUsbSim::sampleWirelessMid) << receiverClass
                << quint32(wireless.receiverVersion);
    }
    void searchOffersEachImage()
    {
        QFETCH(int, kind);
        QFETCH(int, mid);
        QFETCH(int, receiverClass);
        QFETCH(quint32, deviceVersion);
        QStringList written;
        QString error;
        QVERIFY2(SampleFirmware::Write(m_Bin, 0, &written, &error), qPrintable(error));
        QCOMPARE(written.size(), SampleFirmware::Images().size());

        const ModelInfo model = ModelInfo::OfIndex(ModelInfo::IndexOfMid(mid));
        const QString name = kind == HIDUSB_FW_KIND_MOUSE ? model.MouseFirmwareName()
                                                          : model.Text(ModelInfo::ReceiverFirmwareKeyOf(receiverClass));
        QVERIFY(!name.isEmpty());
        const QString version = FirmwareImage::VersionText(deviceVersion);
        QVERIFY(FirmwareImage::FindFirmware(kind, version, name, ModelInfo::Cid(), mid));
        FirmwareImage::Header header;
        QVERIFY(FirmwareImage::ParseHeader(FirmwareImage::ChosenImage(), &header));
        QCOMPARE(header.Version, SampleFirmware::Version);
        QCOMPARE(header.ModelName, name);
        QVERIFY(FirmwareImage::IsWhole(FirmwareImage::ChosenImage()));
        // Once the device runs the sample's version nothing more is offered.
        QVERIFY(!FirmwareImage::CheckFirmware(kind, FirmwareImage::VersionText(SampleFirmware::Version), name,
                                              ModelInfo::Cid(), mid));

        // The simulator flashes the chosen image onto a device of that model.
        HIDUsbSim::setFlashDuration(20);
        HIDUsbSim::DeviceSetup setup = kind == HIDUSB_FW_KIND_MOUSE && mid == HIDUsbSim::sampleCordedMid
            ? HIDUsbSim::sampleCordedMouse()
            : HIDUsbSim::sampleReceiverMouse();
        if (kind == HIDUSB_FW_KIND_MOUSE && mid == HIDUsbSim::sampleWirelessMid)
            setup.receiverType = 2; // a mouse image goes to the mouse on its cable
        // A receiver image goes to a receiver of its class only: 1 kHz, 2 kHz, 4 kHz.
        if (kind == HIDUSB_FW_KIND_RECEIVER)
            setup.receiverType = receiverClass == 1 ? 0 : receiverClass == 2 ? 4 : 1;
        const int id = HIDUsbSim::plug(setup);
        QCOMPARE(Flash(FirmwareImage::ChosenImage()).result, 1);
        const HIDUsbSim::DeviceSetup after = HIDUsbSim::setup(id);
        QCOMPARE(quint32(kind == HIDUSB_FW_KIND_MOUSE ? after.mouseVersion : after.receiverVersion),
                 SampleFirmware::Version);
        HIDUsbSim::reset();
    }

    // One kind alone, or all; writing again replaces the images whole;
    // removing takes every sample and leaves every other image in the folder.
    void removeTakesOnlyTheSamples()
    {
        QStringList written;
        QString error;
        // Only the receivers' images: the pairing check offers a receiver update
        // when the mouse has none.
        QVERIFY2(SampleFirmware::Write(m_Bin, HIDUSB_FW_KIND_RECEIVER, &written, &error), qPrintable(error));
        QCOMPARE(written.size(), ModelInfo::ReceiverClasses().size()); // the wireless model names all three
        for (const QString &name : QDir(m_Bin).entryList(QDir::Files))
            QVERIFY2(name.contains("-receiver-"), qPrintable(name));
        written.clear();
        QVERIFY2(SampleFirmware::Write(m_Bin, 0, &written, &error), qPrintable(error));
        written.clear();
        QVERIFY2(SampleFirmware::Write(m_Bin, 0, &written, &error), qPrintable(error));
        for (const SampleFirmware::Image &image : SampleFirmware::Images())
            QCOMPARE(ReadFile(m_Bin + "/" + image.FileName), image.Bytes);
        const QByteArray own =
            HIDUsbSim::makeFirmwareImage(HIDUSB_FW_KIND_MOUSE, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                         0x0300, ModelInfo::OfIndex(0).MouseFirmwareName().toLatin1());
        {
            QFile file(m_Bin + "/own.bin");
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(own), qint64(own.size()));
        }

        QStringList removed;
        QVERIFY2(SampleFirmware::Remove(m_Bin, &removed, &error), qPrintable(error));
        QCOMPARE(removed.size(), SampleFirmware::Images().size());
        QCOMPARE(QDir(m_Bin).entryList(QDir::Files), QStringList{"own.bin"});
        QCOMPARE(ReadFile(m_Bin + "/own.bin"), own);
        removed.clear();
        QVERIFY(SampleFirmware::Remove(m_Bin, &removed, &error));
        QVERIFY(removed.isEmpty());
    }
};

ORVIK_TEST_MAIN(TestSampleFirmware)
#include "tst_samplefirmware.moc"
