// The records of failed firmware updates in "UpdateFailInfo": one per device,
// kept until a successful flash of that same device, whatever else is flashed
// or fails meanwhile; the value an earlier build wrote (one record) reads as
// before, and malformed records are dropped by the repair.

#include "TestMain.h"

#include "FirmwareImage.h"
#include "HIDUsbSim.h"
#include "RegistryStore.h"
#include "TestState.h"
#include "UpdateRegistry.h"

#include <thread>
#include <vector>

namespace {

UpdateRegistry::FailInfo Record(const QString &text)
{
    UpdateRegistry::FailInfo info;
    if (!UpdateRegistry::ParseFailInfo(text, &info))
        qFatal("not a record: %s", qPrintable(text));
    return info;
}

void Store(const QString &value)
{
    RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", value);
}

QStringList Texts(const QList<UpdateRegistry::FailInfo> &records)
{
    QStringList texts;
    for (const UpdateRegistry::FailInfo &info : records)
        texts << info.Text();
    return texts;
}

} // namespace

class TestFailRecords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        UpdateRegistry::RemoveFailInfo();
        // A flash that was handed a whole image, as every real one is.
        QVERIFY(FirmwareImage::HoldForFlash(
            HIDUsbSim::makeFirmwareImage(0xD2, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid, 0x0106, "OrvikM1")));
    }

    void cleanup() { UpdateRegistry::RemoveFailInfo(); }

    // The ends of flashes, in order, each "ok <record>" or "fail <record>",
    // and the value they leave. The mouse (210) and its 4 kHz receiver (211)
    // of one model; a receiver of another class is another device.
    void flashEnds_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("ends");
        QTest::addColumn<QString>("after");
        QTest::newRow("a failure is recorded") << "" << QStringList{"fail 210,4,26,1"} << "210,4,26,1";
        QTest::newRow("another device's success leaves it")
            << "" << QStringList{"fail 210,4,26,1", "ok 211,4,26,1"} << "210,4,26,1";
        QTest::newRow("the other order") << "" << QStringList{"fail 211,4,26,1", "ok 210,4,26,1"} << "211,4,26,1";
        QTest::newRow("a second failure keeps the first")
            << "" << QStringList{"fail 210,4,26,1", "fail 211,4,26,1"} << "210,4,26,1;211,4,26,1";
        QTest::newRow("the same device failing again is one record")
            << "" << QStringList{"fail 210,4,26,1", "fail 211,4,26,1", "fail 210,4,26,1"} << "210,4,26,1;211,4,26,1";
        QTest::newRow("its own success takes only its record")
            << "210,4,26,1;211,4,26,1" << QStringList{"ok 210,4,26,1"} << "211,4,26,1";
        QTest::newRow("the last success takes the value")
            << "210,4,26,1;211,4,26,1" << QStringList{"ok 211,4,26,1", "ok 210,4,26,1"} << "";
        QTest::newRow("a receiver of another class is another device")
            << "211,4,26,1" << QStringList{"ok 211,1,26,1"} << "211,4,26,1";
        QTest::newRow("another model is another device")
            << "210,4,26,1" << QStringList{"ok 210,4,26,2"} << "210,4,26,1";
        QTest::newRow("an earlier build's record goes with its success")
            << "211,4,3,12" << QStringList{"ok 211,4,3,12"} << "";
        QTest::newRow("a malformed record beside it goes with the next change")
            << "211,4;210,4,26,1" << QStringList{"fail 211,4,26,1"} << "210,4,26,1;211,4,26,1";
    }

    void flashEnds()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, ends);
        QFETCH(QString, after);
        if (!before.isEmpty())
            Store(before);
        for (const QString &end : ends) {
            const QStringList parts = end.split(' ');
            UpdateRegistry::RecordFlashEnd(Record(parts.at(1)), parts.at(0) == "ok");
        }
        QCOMPARE(UpdateRegistry::FailInfoText(), after);
        QCOMPARE(UpdateRegistry::HasFailInfo(), !after.isEmpty());
        QCOMPARE(RegistryStore::contains(RegistryStore::mouseTestKey(), "UpdateFailInfo"), !after.isEmpty());
    }

    // A flash that was handed no image ended before it reached any device:
    // its failure records nothing, and leaves what was recorded.
    void failureWithoutImageRecordsNothing()
    {
        Store("211,4,26,1");
        QVERIFY(!FirmwareImage::HoldForFlash(QByteArray("cut short")));
        UpdateRegistry::RecordFlashEnd(Record("210,4,26,1"), false);
        QCOMPARE(UpdateRegistry::FailInfoText(), QString("211,4,26,1"));
    }

    // What the repair reads of a stored value, and what it leaves stored.
    void readForRepair_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("left");
        QTest::newRow("absent") << QString() << QStringList() << QString();
        QTest::newRow("an earlier build's single record") << "211,4,3,12" << QStringList{"211,4,3,12"} << "211,4,3,12";
        QTest::newRow("two records") << "210,4,26,1;211,4,26,1" << QStringList{"210,4,26,1", "211,4,26,1"}
                                     << "210,4,26,1;211,4,26,1";
        QTest::newRow("three fields") << "211,4" << QStringList() << QString();
        QTest::newRow("five fields") << "211,4,26,1,9" << QStringList() << QString();
        // Only decimal numbers 0..255 name a device: anything else is malformed.
        QTest::newRow("commas only") << ",,," << QStringList() << QString();
        QTest::newRow("letters") << "a,b,c,d" << QStringList() << QString();
        QTest::newRow("a letter field") << "210,4,26,abc" << QStringList() << QString();
        QTest::newRow("a negative field") << "211,-4,26,1" << QStringList() << QString();
        QTest::newRow("a signed field") << "211,+4,26,1" << QStringList() << QString();
        QTest::newRow("a blank in a field") << "211, 4,26,1" << QStringList() << QString();
        QTest::newRow("a field past a byte") << "211,4,256,1" << QStringList() << QString();
        QTest::newRow("a field past any int") << "211,4,26,99999999999" << QStringList() << QString();
        QTest::newRow("a letter record beside a good one")
            << "a,b,c,d;211,4,26,1" << QStringList{"211,4,26,1"} << "211,4,26,1";
        QTest::newRow("leading zeros") << "211,004,026,001" << QStringList{"211,4,26,1"} << "211,004,026,001";
        QTest::newRow("a malformed record beside a good one")
            << "211,4;210,4,26,1" << QStringList{"210,4,26,1"} << "210,4,26,1";
        QTest::newRow("an empty record at the end") << "210,4,26,1;" << QStringList{"210,4,26,1"} << "210,4,26,1";
    }

    void readForRepair()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, records);
        QFETCH(QString, left);
        if (!stored.isNull())
            Store(stored);
        QCOMPARE(Texts(UpdateRegistry::FailRecords()), records);
        QCOMPARE(UpdateRegistry::FailInfoText(), stored); // reading alone changes nothing
        QCOMPARE(Texts(UpdateRegistry::DropMalformedRecords()), records);
        QCOMPARE(UpdateRegistry::FailInfoText(), left);
        QCOMPARE(RegistryStore::contains(RegistryStore::mouseTestKey(), "UpdateFailInfo"), !left.isEmpty());
    }

    // The upgrade callbacks record on the library's threads while another
    // flash's callback or the GUI thread changes the records: no change is
    // lost (each is a read, a change and a write of the one value).
    void changesFromSeveralThreads()
    {
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([t] {
                const UpdateRegistry::FailInfo device = Record(QString("210,4,26,%1").arg(t + 1));
                for (int i = 0; i < 15; ++i) {
                    UpdateRegistry::RecordFlashEnd(device, false);
                    UpdateRegistry::RecordFlashEnd(device, true);
                }
                UpdateRegistry::RecordFlashEnd(device, false);
            });
        }
        for (auto &thread : threads)
            thread.join();
        QStringList texts = Texts(UpdateRegistry::FailRecords());
        texts.sort();
        QCOMPARE(texts, (QStringList{"210,4,26,1", "210,4,26,2", "210,4,26,3", "210,4,26,4"}));
    }
};

ORVIK_TEST_MAIN(TestFailRecords)
#include "tst_failrecords.moc"
