// The firmware check before pairing, as the device list and the top-level
// window's shortcut run it: when the firmware fits, the list asks before it
// pairs and the shortcut pairs at once. (The update outcomes are driven end
// to end through the device list in tst_devicelist.)

#include "TestMain.h"

#include "DeviceAllInfo.h"
#include "FirmwareImage.h"
#include "ModelInfo.h"
#include "PairingGate.h"
#include "RegistryStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

class TestPairingGate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No firmware images: neither side has a newer one.
        QVERIFY(!QDir(FirmwareImage::Folder()).exists() || QDir(FirmwareImage::Folder()).isEmpty());
    }

    void cleanup()
    {
        RegistryStore::remove(RegistryStore::mouseTestKey(),
                              "MouseVer" + ModelInfo::CidText() + ModelInfo::OfIndex(0).MidText());
    }

    void firmwareFits_data()
    {
        QTest::addColumn<bool>("versionSeen");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("paired");

        QTest::newRow("no version, list") << false << true << "" << QStringList() << true;
        QTest::newRow("no version, shortcut") << false << false << "" << QStringList() << true;
        QTest::newRow("list asks, OK") << true << true << "OK" << QStringList{"RePair"} << true;
        QTest::newRow("list asks, Cancel") << true << true << "Cancel" << QStringList{"RePair"} << false;
        QTest::newRow("shortcut pairs at once") << true << false << "" << QStringList() << true;
    }

    void firmwareFits()
    {
        QFETCH(bool, versionSeen);
        QFETCH(bool, ask);
        QFETCH(QString, answer);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, paired);

        DeviceAllInfo device;
        device.ModelIndex = 0;
        device.ReceiverType = 1;
        device.ReceiverVersion = "v1.1";
        if (versionSeen)
            RegistryStore::setValue(RegistryStore::mouseTestKey(),
                                    "MouseVer" + ModelInfo::CidText() + ModelInfo(device).MidText(), "v1.1");

        QWidget opener;
        opener.resize(400, 300);
        opener.show();

        QStringList seen;
        QTimer answering;
        connect(&answering, &QTimer::timeout, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            seen << QString::fromLatin1(dialog->metaObject()->className());
            if (QAbstractButton *button = dialog->findChild<QAbstractButton *>(answer.isEmpty() ? "Cancel" : answer))
                button->click();
            else
                dialog->close();
        });
        answering.start(5);

        int pairCalls = 0;
        PairingGate::Run(device, &opener, "mouse is new", ask, [&] { ++pairCalls; });
        answering.stop();

        QCOMPARE(seen, dialogs);
        QCOMPARE(pairCalls, paired ? 1 : 0);
    }
};

ORVIK_TEST_MAIN(TestPairingGate)
#include "tst_pairinggate.moc"
