// The firmware-image search that offers mouse and receiver updates.

#include "DeviceLinkFixture.h"
#include "TestMain.h"

#include "FirmwareImage.h"
#include "GlobalState.h"

#include <QDateTime>
#include <QFileInfo>
#include <QtEndian>

#include <cstdio>

using namespace DeviceLinkTest;

namespace {

// versionWord: byte 0 minor, the rest major.
QByteArray image(int kind, quint32 versionWord, const QByteArray &model, int cid = HIDUsbSim::sampleCid,
                 int mid = HIDUsbSim::sampleWirelessMid)
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
        device.ModelIndex = 0; // "Drive1": MM TestMouse, D4M TestR4K, CID 26, the sample wireless MID
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

    // An image file the search cannot open. Permissions do not stop root, so
    // then a link to a write-only kernel attribute stands in.
    bool putUnreadable(const QString &name)
    {
        const QString path = m_Bin->path() + "/" + name;
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write(image(0xD2, 0x0900, "TestMouse"));
        }
        QFile::setPermissions(path, QFileDevice::Permissions());
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return true;
        probe.close();
        QFile::remove(path);
        for (const char *attribute : {"/sys/bus/cpu/uevent", "/sys/bus/pci/rescan"}) {
            QFile target(attribute);
            if (target.exists() && !target.open(QIODevice::ReadOnly) && QFile::link(attribute, path))
                return true;
        }
        return false;
    }

    // The search offers the highest version above the device's: versions
    // compare as numbers (1.10 above 1.9, "1.a" is ten), older and equal
    // images are passed over without ending the scan, of equal versions the
    // last in name order (case ignored) wins, and short or unreadable files
    // are skipped.
    void search_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("versions");
        QTest::addColumn<int>("chosen"); // index into names; -1 none
        QTest::newRow("no version: the highest")
            << "" << QStringList{"a.bin", "B.bin"} << QList<int>{0x0102, 0x0105} << 1;
        QTest::newRow("no version: the highest, not the last")
            << "" << QStringList{"a.bin", "B.bin"} << QList<int>{0x0105, 0x0102} << 0;
        QTest::newRow("an older image first does not stop the scan")
            << "v1.3" << QStringList{"a.bin", "b.bin"} << QList<int>{0x0102, 0x0105} << 1;
        QTest::newRow("newer first, older after")
            << "v1.3" << QStringList{"a.bin", "b.bin"} << QList<int>{0x0105, 0x0102} << 0;
        QTest::newRow("the highest of several newer")
            << "v1.3" << QStringList{"a.bin", "b.bin", "c.bin"} << QList<int>{0x0104, 0x0201, 0x0110} << 1;
        QTest::newRow("equal versions: the last in name order")
            << "v1.3" << QStringList{"A.bin", "b.bin"} << QList<int>{0x0105, 0x0105} << 1;
        QTest::newRow("same version") << "v1.5" << QStringList{"a.bin"} << QList<int>{0x0105} << -1;
        QTest::newRow("only older") << "v2.0" << QStringList{"a.bin", "b.bin"} << QList<int>{0x0105, 0x0110} << -1;
        QTest::newRow("1.10 ranks above 1.9") << "v1.9" << QStringList{"a.bin"} << QList<int>{0x0110} << 0;
        QTest::newRow("1.9 ranks below 1.10") << "v1.10" << QStringList{"a.bin"} << QList<int>{0x0109} << -1;
        QTest::newRow("minor a is ten: 1.9 older") << "v1.a" << QStringList{"a.bin"} << QList<int>{0x0109} << -1;
        QTest::newRow("minor a is ten: 1.b newer") << "v1.a" << QStringList{"a.bin"} << QList<int>{0x010B} << 0;
        QTest::newRow("major counts first") << "v2.1" << QStringList{"a.bin"} << QList<int>{0x01FF} << -1;
        QTest::newRow("an unreadable device version takes any image")
            << "vX" << QStringList{"a.bin"} << QList<int>{0x0001} << 0;
    }
    void search()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, versions);
        QFETCH(int, chosen);
        QList<QByteArray> images;
        for (int i = 0; i < names.size(); ++i) {
            // Payload sizes tell equal versions apart.
            images << HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                   quint32(versions.at(i)), "TestMouse", 64 + i);
            put(names.at(i), images.last());
        }
        put("other-model.bin", image(0xD2, 0x0900, "TestMouse "));
        put("Short.bin", image(0xD2, 0x0900, "TestMouse").left(727));

        const bool found = chosen >= 0;
        QCOMPARE(
            FirmwareImage::FindFirmware(0xD2, current, "TestMouse", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid),
            found);
        QCOMPARE(FirmwareImage::ChosenImage(), found ? images.at(chosen) : QByteArray());
        QCOMPARE(FirmwareImage::CheckFirmware(0xD2, current, "TestMouse", HIDUsbSim::sampleCid,
                                              HIDUsbSim::sampleWirelessMid),
                 found && !current.isEmpty());
    }

    // Only whole images are offered or flashed: a copy cut short of its
    // length field, one with a bad magic or a length field below the header
    // is passed over, by the search that keeps its image, the one that hands
    // it over and the check alike; a whole image beside it is still found.
    void damagedImagesArePassedOver_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("wholeVersion"); // a whole image beside the damaged v1.9 one; 0: none
        QTest::addColumn<bool>("found");
        for (const char *damage : {"100 bytes short", "bad magic", "length field below the header"}) {
            QTest::addRow("%s, alone, no version", damage) << damage << "" << 0 << false;
            QTest::addRow("%s, alone, newer than the device", damage) << damage << "v1.2" << 0 << false;
            QTest::addRow("%s, beside a whole older one, no version", damage) << damage << "" << 0x0101 << true;
            QTest::addRow("%s, beside a whole older one, newer than the device", damage)
                << damage << "v1.2" << 0x0101 << false;
        }
    }
    void damagedImagesArePassedOver()
    {
        QFETCH(QString, damage);
        QFETCH(QString, current);
        QFETCH(int, wholeVersion);
        QFETCH(bool, found);
        // Long enough that the cut copy still holds its whole header.
        QByteArray damaged = HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                          0x0109, "TestMouse", 1024);
        if (damage == "100 bytes short")
            damaged.chop(100);
        else if (damage == "bad magic")
            damaged.replace(HIDUSB_FW_OFFSET_MAGIC, 4, "XXXX");
        else
            qToLittleEndian<quint32>(HIDUSB_FW_HEADER_SIZE - 1, damaged.data() + HIDUSB_FW_OFFSET_LENGTH);
        QVERIFY(!FirmwareImage::IsWhole(damaged));
        const QByteArray whole = image(0xD2, quint32(wholeVersion), "TestMouse");
        // The damaged file comes last in name order and is the newest.
        put("z-damaged.bin", damaged);
        if (wholeVersion)
            put("a-whole.bin", whole);

        QCOMPARE(
            FirmwareImage::FindFirmware(0xD2, current, "TestMouse", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid),
            found);
        QCOMPARE(FirmwareImage::ChosenImage(), found ? whole : QByteArray());
        QByteArray handed("stale");
        QCOMPARE(FirmwareImage::SearchImage(0xD2, current, "TestMouse", HIDUsbSim::sampleCid,
                                            HIDUsbSim::sampleWirelessMid, &handed),
                 found);
        QCOMPARE(handed, found ? whole : QByteArray());
        QCOMPARE(FirmwareImage::CheckFirmware(0xD2, current, "TestMouse", HIDUsbSim::sampleCid,
                                              HIDUsbSim::sampleWirelessMid),
                 found && !current.isEmpty());
    }

    // The search keeps what each file's header says while the file stays the
    // same: an unchanged folder answers as before, and a file rewritten is
    // read again, also with its size and modification time as they were (cp
    // -p, tar, unzip, rsync -a put the time back): a.bin, a receiver image,
    // becomes a newer image of the mouse searched for. "After a pause" lets
    // the kept header settle first, so only the file's stamp can tell.
    void changedFileIsReadAgain_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("pause");
        QTest::newRow("another size, same time") << "size" << false;
        QTest::newRow("same size, another time") << "time" << false;
        QTest::newRow("same size and time, rewritten in place") << "in place" << false;
        QTest::newRow("same size and time, rewritten in place after a pause") << "in place" << true;
        QTest::newRow("same size and time, replaced by a rename") << "rename" << false;
        QTest::newRow("same size and time, replaced by a rename after a pause") << "rename" << true;
    }
    void changedFileIsReadAgain()
    {
        QFETCH(QString, change);
        QFETCH(bool, pause);
        const QString changing = m_Bin->path() + "/a.bin";
        // Times in whole seconds, so the one set back is the very same.
        const QDateTime written = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 3600);
        const auto setTime = [&](const QString &path, const QDateTime &time) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        };
        put("a.bin", image(0xD3, 0x0105, "TestR4K"));
        put("b.bin", image(0xD2, 0x0103, "TestMouse"));
        setTime(changing, written);
        if (pause)
            QTest::qSleep(200); // well past the moment a change could keep its stamp
        const auto search = [] {
            return FirmwareImage::FindFirmware(0xD2, "v1.2", "TestMouse", HIDUsbSim::sampleCid,
                                               HIDUsbSim::sampleWirelessMid);
        };
        for (int round = 0; round < 2; ++round) {
            QVERIFY(search());
            QCOMPARE(FirmwareImage::ChosenImage(), image(0xD2, 0x0103, "TestMouse"));
        }

        // Now an image of the model searched for, newer than the other one.
        const QByteArray newer = HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                              0x0105, "TestMouse", change == "size" ? 80 : 64);
        if (change == "rename") {
            put("a.new", newer);
            setTime(m_Bin->path() + "/a.new", written);
            QVERIFY(std::rename(QFile::encodeName(m_Bin->path() + "/a.new").constData(),
                                QFile::encodeName(changing).constData())
                    == 0);
        } else {
            put("a.bin", newer);
            setTime(changing, change == "time" ? written.addSecs(60) : written);
        }
        QCOMPARE(QFileInfo(changing).lastModified() == written, change != "time");
        QCOMPARE(QFileInfo(changing).size() != QFileInfo(m_Bin->path() + "/b.bin").size(), change == "size");

        QVERIFY(search());
        QCOMPARE(FirmwareImage::ChosenImage(), newer);
        QVERIFY(FirmwareImage::CheckFirmware(0xD2, "v1.4", "TestMouse", HIDUsbSim::sampleCid,
                                             HIDUsbSim::sampleWirelessMid));
        // And the receiver image it was is no longer offered.
        QVERIFY(
            !FirmwareImage::CheckFirmware(0xD3, "v1.0", "TestR4K", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid));

        // Gone from the folder: not offered from what was kept.
        QVERIFY(QFile::remove(changing));
        QVERIFY(!FirmwareImage::CheckFirmware(0xD2, "v1.4", "TestMouse", HIDUsbSim::sampleCid,
                                              HIDUsbSim::sampleWirelessMid));
    }

    // One file the search cannot open ends nothing: the images after it in
    // name order are still found.
    void unreadableFileIsSkipped()
    {
        put("b.bin", image(0xD2, 0x0105, "TestMouse"));
        if (!putUnreadable("a.bin"))
            QSKIP("no way to make an unreadable file here");
        QVERIFY(
            FirmwareImage::FindFirmware(0xD2, "v1.2", "TestMouse", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid));
        QCOMPARE(FirmwareImage::ChosenImage(), image(0xD2, 0x0105, "TestMouse"));
        QVERIFY(FirmwareImage::CheckFirmware(0xD2, "v1.2", "TestMouse", HIDUsbSim::sampleCid,
                                             HIDUsbSim::sampleWirelessMid));
    }

    void versionTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("word");
        QTest::newRow("v3.12") << "v3.12" << true << 0x0312;
        QTest::newRow("v1.a") << "v1.a" << true << 0x010A;
        QTest::newRow("without v") << "1.10" << true << 0x0110;
        QTest::newRow("major in decimal") << "v12.0" << true << 0x0C00;
        QTest::newRow("minor above ff") << "v1.100" << false << 0;
        QTest::newRow("no dot") << "v3" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("letters") << "vX.Y" << false << 0;
    }
    void versionTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, word);
        quint32 parsed = 0;
        QCOMPARE(FirmwareImage::ParseVersionText(text, &parsed), valid);
        if (valid) {
            QCOMPARE(int(parsed), word);
            QCOMPARE(FirmwareImage::VersionText(parsed).remove('v'), QString(text).remove('v'));
        }
    }

    // The model key by kind and receiver class: "MM" for the mouse, "DM",
    // "D2M", "D4M" for classes 1, 2, 4; another class finds nothing.
    void modelKeyByKindAndClass_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("receiverClass");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("availableFor"); // the model name whose image is offered; empty: none
        QTest::newRow("mouse, any class") << 0xD2 << 3 << "v1.2"
                                          << "TestMouse";
        QTest::newRow("1 kHz receiver") << 0xD3 << 1 << "v1.2"
                                        << "TestR1K";
        QTest::newRow("2 kHz receiver") << 0xD3 << 2 << "v1.2"
                                        << "TestR2K";
        QTest::newRow("4 kHz receiver") << 0xD3 << 4 << "v1.2"
                                        << "TestR4K";
        QTest::newRow("4 kHz receiver, same version") << 0xD3 << 4 << "v2.0"
                                                      << "";
        QTest::newRow("no class") << 0xD3 << 0 << "v1.2"
                                  << "";
        QTest::newRow("class 3") << 0xD3 << 3 << "v1.2"
                                 << "";
        QTest::newRow("empty version") << 0xD3 << 4 << ""
                                       << "";
    }
    void modelKeyByKindAndClass()
    {
        QFETCH(int, kind);
        QFETCH(int, receiverClass);
        QFETCH(QString, version);
        QFETCH(QString, availableFor);
        for (const char *model : {"TestMouse", "TestR1K", "TestR2K", "TestR4K"}) {
            // Every image is of the kind asked, so only the model name decides.
            put(QString(model) + ".bin", image(kind, 0x0200, model));
        }
        const bool expected = !availableFor.isEmpty();
        QCOMPARE(FirmwareImage::IsUpdateAvailable(kind, version, receiverClass), expected);
        QCOMPARE(g_UpdateCID.load(), 26);
        if (expected) {
            // Only that model's image counts: without it nothing is offered.
            QVERIFY(QFile::remove(m_Bin->path() + "/" + availableFor + ".bin"));
            QVERIFY(!FirmwareImage::IsUpdateAvailable(kind, version, receiverClass));
        }
    }

    // The library is handed the start of the image only and reads its
    // header's length of bytes: a file shorter than that is handed over as
    // no image, and nothing of it is held for the success report.
    void holdForFlash_data()
    {
        QTest::addColumn<int>("lengthChange"); // added to the length field
        QTest::addColumn<int>("fileChange");   // bytes added to (or cut from) the file
        QTest::addColumn<bool>("badMagic");
        QTest::addColumn<bool>("handed");
        QTest::newRow("whole") << 0 << 0 << false << true;
        QTest::newRow("file longer than its length field") << 0 << 16 << false << true;
        QTest::newRow("length field one beyond the file") << 1 << 0 << false << false;
        QTest::newRow("file cut short") << 0 << -100 << false << false;
        QTest::newRow("length field of 4 GiB") << -1 - 728 - 64 << 0 << false << false;
        QTest::newRow("length field below the header") << -64 - 1 << 0 << false << false;
        QTest::newRow("bad magic") << 0 << 0 << true << false;
    }
    void holdForFlash()
    {
        QFETCH(int, lengthChange);
        QFETCH(int, fileChange);
        QFETCH(bool, badMagic);
        QFETCH(bool, handed);
        QByteArray file = image(0xD2, 0x0312, "TestMouse");
        const quint32 length = qFromLittleEndian<quint32>(file.constData() + HIDUSB_FW_OFFSET_LENGTH);
        qToLittleEndian<quint32>(length + quint32(lengthChange), file.data() + HIDUSB_FW_OFFSET_LENGTH);
        if (badMagic)
            file.replace(HIDUSB_FW_OFFSET_MAGIC, 4, "XXXX");
        if (fileChange > 0)
            file.append(QByteArray(fileChange, 'x'));
        else
            file.chop(-fileChange);
        QCOMPARE(FirmwareImage::IsWhole(file), handed);
        // A whole image held before: a refused one replaces it.
        FirmwareImage::HoldForFlash(image(0xD2, 0x0105, "TestMouse"));
        const unsigned char *held = FirmwareImage::HoldForFlash(file);
        QCOMPARE(held != nullptr, handed);
        if (handed)
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(held), file.size()), file);
        QCOMPARE(FirmwareImage::HeldVersionText(), handed ? QString("v3.12") : QString());
        QCOMPARE(FirmwareImage::HoldsImage(), handed);
    }

    void noFolder()
    {
        FirmwareImage::SetFolder(m_Bin->path() + "/missing");
        QVERIFY(!FirmwareImage::FindFirmware(0xD2, QString(), "TestMouse", HIDUsbSim::sampleCid,
                                             HIDUsbSim::sampleWirelessMid));
        QVERIFY(!FirmwareImage::HasChosenImage());
    }
};

ORVIK_TEST_MAIN(TestFirmwareImage)
#include "tst_firmwareimage.moc"
