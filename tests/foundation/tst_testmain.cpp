// The shared test main: a connection to a signal or slot that does not exist
// fails the test that made it, instead of leaving a warning nobody reads.

#include "TestMain.h"

#include <QProcess>

class TestTestMain : public QObject
{
    Q_OBJECT

private slots:
    void recognised_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("missing");
        QTest::newRow("signal") << "QObject::connect: No such signal PostMsg::SigNothing(int)" << true;
        QTest::newRow("slot") << "QObject::connect: No such slot Sensor::SlotNothing(int)" << true;
        QTest::newRow("queued type") << "QObject::connect: Cannot queue arguments of type 'FlashDataMap'" << false;
        QTest::newRow("other warning") << "QWidget::setMinimumSize: negative size" << false;
        QTest::newRow("quoted later") << "note: QObject::connect: No such slot" << false;
        QTest::newRow("Qt's tray on offscreen")
            << "QObject::connect: No such signal QPlatformNativeInterface::systemTrayWindowChanged(QScreen*)" << false;
    }

    void recognised()
    {
        QFETCH(QString, message);
        QFETCH(bool, missing);
        QCOMPARE(OrvikTest::isMissingConnection(message), missing);
    }

    // Runs this program again with only brokenConnection, which must fail.
    void brokenConnectionFailsItsTest()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVIK_RUN_BROKEN_CONNECTION", "1");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"brokenConnection"});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains("FAIL!  : TestTestMain::brokenConnection()"), qPrintable(output));
        QVERIFY2(output.contains("No such slot"), qPrintable(output));
    }

    void brokenConnection()
    {
        if (!qEnvironmentVariableIsSet("ORVIK_RUN_BROKEN_CONNECTION"))
            QSKIP("run as a child by brokenConnectionFailsItsTest");
        QObject sender;
        // The string form on purpose: it is the one the compiler cannot check.
        QObject::connect(&sender, SIGNAL(destroyed()), &sender, SLOT(noSuchSlot()));
    }
};

ORVIK_TEST_MAIN(TestTestMain)
#include "tst_testmain.moc"
