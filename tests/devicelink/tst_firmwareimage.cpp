// The firmware-image search that offers mouse and receiver updates.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include "FirmwareImage.h"

using namespace DeviceLinkTest;

namespace {

// versionWord: byte 0 minor, the rest major.
QByteArray image(int kind, quint32 versionWord, const QByteArray &model, int cid = 0x1A, int mid = 0x05)
{
    return HIDUsbSim::makeFirmwareImage(quint8(kind), quint8(cid), quint8(mid), versionWord, model, 64);
}

} // namespace

class TestFirmwareImage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ConfigDir;
    QTemporaryDir *m_Bin = nullptr;

    void put(const QString &name, const QByteArray &content)
    {
        QFile file(m_Bin->path() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void initTestCase()
    {
        useTestConfig(m_ConfigDir);
        DeviceAllInfo device;
        device.ModelIndex = 0; // "Drive1": MM TestMouse, D4M TestR4K, CID 26, MID 5
        g_CurrentDevice.set(device);
    }
    void init()
    {
        delete m_Bin;
        m_Bin = new QTemporaryDir;
        FirmwareImage::SetFolder(m_Bin->path());
    }
    void cleanupTestCase()
    {
        FirmwareImage::SetFolder(QString());
        delete m_Bin;
    }

    void header()
    {
        FirmwareImage::Header h;
        QVERIFY(FirmwareImage::ParseHeader(image(0xD3, 0x0312, "TestR4K", 3, 12), &h));
        QCOMPARE(h.Kind, 0xD3);
        QCOMPARE(h.CID, 3);
        QCOMPARE(h.MID, 12);
        QCOMPARE(h.ModelName, QString("TestR4K"));
        QCOMPARE(FirmwareImage::VersionText(h.Version), QString("v3.12"));
        QCOMPARE(FirmwareImage::VersionText(0x10A), QString("v1.a"));
        QVERIFY(!FirmwareImage::ParseHeader(QByteArray(727, '\0'), &h));
    }

    // The edge cases of the search: name order ignoring case, the first older
    // image ends the scan, an equal version is passed over.
    void search_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("versions");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("chosenVersion");
        QTest::newRow("no version: last match in name order")
            << "" << QStringList{ "a.bin", "B.bin" } << QList<int>{ 0x0102, 0x0105 } << true << 0x0105;
        QTest::newRow("older image first stops the scan")
            << "v1.3" << QStringList{ "a.bin", "b.bin" } << QList<int>{ 0x0102, 0x0105 } << false << 0;
        QTest::newRow("newer first, older after")
            << "v1.3" << QStringList{ "a.bin", "b.bin" } << QList<int>{ 0x0105, 0x0102 } << true << 0x0105;
        QTest::newRow("same version") << "v1.5" << QStringList{ "a.bin" } << QList<int>{ 0x0105 } << false << 0;
        QTest::newRow("1.10 reads lower than 1.9")
            << "v1.9" << QStringList{ "a.bin" } << QList<int>{ 0x0110 } << false << 0;
    }
    void search()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, versions);
        QFETCH(bool, found);
        QFETCH(int, chosenVersion);
        for (int i = 0; i < names.size(); ++i)
            put(names.at(i), image(0xD2, quint32(versions.at(i)), "TestMouse"));
        put("other-model.bin", image(0xD2, 0x0900, "TestMouse "));
        put("short.bin", QByteArray(100, '\x01'));

        QCOMPARE(FirmwareImage::FindFirmware(0xD2, current, "TestMouse", 0x1A, 0x05), found);
        if (found) {
            FirmwareImage::Header h;
            QVERIFY(FirmwareImage::ParseHeader(FirmwareImage::ChosenImage(), &h));
            QCOMPARE(int(h.Version), chosenVersion);
        }
        QCOMPARE(FirmwareImage::CheckFirmware(0xD2, current, "TestMouse", 0x1A, 0x05), found && !current.isEmpty());
    }

    void receiverCheck_data()
    {
        QTest::addColumn<int>("receiverClass");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("available");
        QTest::newRow("4 kHz receiver, older") << 4 << "v1.2" << true;
        QTest::newRow("4 kHz receiver, same") << 4 << "v2.0" << false;
        QTest::newRow("1 kHz receiver: other model name") << 1 << "v1.2" << false;
        QTest::newRow("no class") << 0 << "v1.2" << false;
        QTest::newRow("class 3") << 3 << "v1.2" << false;
        QTest::newRow("empty version") << 4 << "" << false;
    }
    void receiverCheck()
    {
        QFETCH(int, receiverClass);
        QFETCH(QString, version);
        QFETCH(bool, available);
        put("r4k.bin", image(0xD3, 0x0200, "TestR4K"));
        QCOMPARE(FirmwareImage::IsUpdateAvailable(0xD3, version, receiverClass), available);
        QCOMPARE(g_UpdateCID.load(), 26);
    }

    void noFolder()
    {
        FirmwareImage::SetFolder(m_Bin->path() + "/missing");
        QVERIFY(!FirmwareImage::FindFirmware(0xD2, QString(), "TestMouse", 0x1A, 0x05));
        QVERIFY(!FirmwareImage::HasChosenImage());
    }
};

ORVIK_TEST_MAIN(TestFirmwareImage)
#include "tst_firmwareimage.moc"
