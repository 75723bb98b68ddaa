// The model description: group name, receiver rule and the model's keys, read
// from a Config.ini of the test's own; and the firmware checks that rest on it.

#include "TestMain.h"

#include "ConfigIni.h"
#include "DeviceAllInfo.h"
#include "ModelInfo.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray b64(const char *text)
{
    return QByteArray(text).toBase64();
}

} // namespace

class TestModelInfo : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;

private slots:
    void initTestCase()
    {
        // Two models; the second has no 2 kHz receiver name and its MID comes
        // first in a way a search by index would miss.
        const QByteArray content = "[Option]\nCID=" + b64("26")
            + "\nDeviceTotal=2\n"
              "[Drive1]\nMID=5\nSensor="
            + b64("3395") + "\nMM=" + b64("M1") + "\nDM=" + b64("R1K") + "\nD2M=" + b64("R2K") + "\nD4M=" + b64("R4K")
            + "\nKeyNumber=6\nKeyParam1=0x01,0x01,0x00\nKeyParam6=0x05,0x00,CD\n"
              "DPIRange=50,26000,50,0\nDPIMaxGrade=8\nDPIGrade=400,800\nDPIColor=255,0,0,0,255,0\n"
              "XIn1=2\nAdveanced=0,1\n"
              "[Drive2]\nMID=6\nSensor="
            + b64("S100") + "\nMM=" + b64("M2") + "\nDM=" + b64("Q1K") + "\nD2M=\nD4M=" + b64("Q4K")
            + "\nKeyNumber=5\nAdveanced=-1,-1\n"
              "[Drive3]\nMID=7\nMM="
            + b64("beyond DeviceTotal") + "\n";
        const QString path = m_Dir.path() + "/Config.ini";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ConfigIni::GetInstance()->Reload(path);
    }

    void cleanupTestCase()
    {
        ConfigIni::GetInstance()->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
    }

    void receiverRule_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("receiverClass");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("firstModelName");
        QTest::addColumn<QString>("secondModelName");

        QTest::newRow("1 kHz") << 0 << 1 << "DM"
                               << "R1K"
                               << "Q1K";
        QTest::newRow("2 kHz") << 4 << 2 << "D2M"
                               << "R2K"
                               << "";
        QTest::newRow("4 kHz") << 1 << 4 << "D4M"
                               << "R4K"
                               << "Q4K";
        QTest::newRow("cable 2") << 2 << 0 << ""
                                 << ""
                                 << "";
        QTest::newRow("cable 3") << 3 << 0 << ""
                                 << ""
                                 << "";
        QTest::newRow("cable 255") << 255 << 0 << ""
                                   << ""
                                   << "";
    }

    // One rule from receiver type to class to firmware key, for every model.
    void receiverRule()
    {
        QFETCH(int, type);
        QFETCH(int, receiverClass);
        QFETCH(QString, key);
        QFETCH(QString, firstModelName);
        QFETCH(QString, secondModelName);

        DeviceAllInfo device;
        device.ReceiverType = uchar(type);
        QCOMPARE(ModelInfo::ReceiverClassOf(uchar(type)), receiverClass);
        QCOMPARE(ModelInfo::ReceiverFirmwareKeyOf(receiverClass), key);
        QCOMPARE(ModelInfo::ReceiverClassOfText(QString::number(receiverClass)), receiverClass);

        device.ModelIndex = 0;
        QCOMPARE(ModelInfo(device).ReceiverClass(), receiverClass);
        QCOMPARE(ModelInfo(device).ReceiverFirmwareKey(), key);
        QCOMPARE(ModelInfo(device).ReceiverFirmwareName(), firstModelName);
        device.ModelIndex = 1;
        QCOMPARE(ModelInfo(device).ReceiverFirmwareName(), secondModelName);
    }

    void classText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("receiverClass");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("3") << "3" << 0;
        QTest::newRow("leading zero") << "01" << 0;
        QTest::newRow("blank") << " 4" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    // A recorded class text counts only when it is one of the class numbers exactly.
    void classText()
    {
        QFETCH(QString, text);
        QFETCH(int, receiverClass);
        QCOMPARE(ModelInfo::ReceiverClassOfText(text), receiverClass);
    }

    void modelKeys()
    {
        QCOMPARE(ModelInfo::ModelCount(), 2);
        QCOMPARE(ModelInfo::CidText(), QString("26"));
        QCOMPARE(ModelInfo::Cid(), 26);
        QCOMPARE(ModelInfo::GroupName(0), QString("Drive1"));
        QCOMPARE(ModelInfo::GroupName(11), QString("Drive12"));

        DeviceAllInfo device;
        device.ModelIndex = 0;
        const ModelInfo first(device);
        QVERIFY(first.IsKnown());
        QCOMPARE(first.Group(), QString("Drive1"));
        QCOMPARE(first.Mid(), 5);
        QCOMPARE(first.MidText(), QString("5"));
        QCOMPARE(first.SensorName(), QString("3395"));
        QCOMPARE(first.MouseFirmwareName(), QString("M1"));
        QCOMPARE(first.KeyNumber(), 6);
        QCOMPARE(first.KeyDefault(0), QStringList({"0x01", "0x01", "0x00"}));
        QCOMPARE(first.KeyDefault(5), QStringList({"0x05", "0x00", "CD"}));
        QCOMPARE(first.KeyDefault(2), QStringList());
        QCOMPARE(first.DpiRange(), QStringList({"50", "26000", "50", "0"}));
        QCOMPARE(first.DpiMaxGrade(), 8);
        QCOMPARE(first.DpiGrades(), QStringList({"400", "800"}));
        QCOMPARE(first.DpiColors(), QStringList({"255", "0", "0", "0", "255", "0"}));
        QCOMPARE(first.XIn1(), 2);
        QCOMPARE(first.Advanced(), QStringList({"0", "1"}));

        const ModelInfo second = ModelInfo::OfIndex(1);
        QCOMPARE(second.ReceiverClass(), 0);
        QCOMPARE(second.Mid(), 6);
        QCOMPARE(second.SensorName(), QString("S100"));
        QCOMPARE(second.KeyNumber(), 5);
        QCOMPARE(second.DpiMaxGrade(), 0);
        QCOMPARE(second.XIn1(), 0);
        QCOMPARE(second.Advanced(), QStringList({"-1", "-1"}));
    }

    // A device of no known model carries the index DeviceTotal: it is not
    // known, and the search by MID never reaches a group beyond the count.
    void unknownModelReadsEmpty()
    {
        DeviceAllInfo device;
        device.ModelIndex = ModelInfo::ModelCount();
        device.ReceiverType = 0;
        const ModelInfo unknown(device);
        QVERIFY(!unknown.IsKnown());
        QCOMPARE(unknown.Group(), QString("Drive3"));
        QVERIFY(!ModelInfo::OfIndex(-1).IsKnown());
        QCOMPARE(ModelInfo::IndexOfMid(7), -1);
    }

    void indexOfMid_data()
    {
        QTest::addColumn<int>("mid");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 5 << 0;
        QTest::newRow("second") << 6 << 1;
        QTest::newRow("none") << 9 << -1;
        QTest::newRow("zero") << 0 << -1;
    }

    void indexOfMid()
    {
        QFETCH(int, mid);
        QFETCH(int, index);
        QCOMPARE(ModelInfo::IndexOfMid(mid), index);
    }
};

ORVIK_TEST_MAIN(TestModelInfo)
#include "tst_modelinfo.moc"
