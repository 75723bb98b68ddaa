// The simulator's call log: HIDUSB_SIM_LOG names a file to which every library
// call is appended, one line each, so a run can be checked from outside.
//
// The variable is read once, when the library is first used, so this program
// sets it before its first library call and keeps to that one run.

#include "TestMain.h"

#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QFile>
#include <QTemporaryDir>

class TestSimLog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    QString m_LogName;

    QStringList logLines()
    {
        QFile file(m_LogName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The call of each line, without its time stamp ("hh:mm:ss.zzz ").
    static QStringList callsOf(const QStringList &lines)
    {
        QStringList calls;
        for (const QString &line : lines)
            calls << line.section(QLatin1Char(' '), 1);
        return calls;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Dir.isValid());
        m_LogName = m_Dir.path() + "/calls.log";
        // A log of an earlier run: the library appends to it.
        QFile file(m_LogName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier run\n");
        file.close();
        qputenv("HIDUSB_SIM_LOG", m_LogName.toLocal8Bit());
    }

    void everyCallIsAppendedAsOneLine()
    {
        HIDUsbSim::DeviceSetup setup;
        setup.name = "logged";
        const int mouse = HIDUsbSim::plug(setup); // control calls are not logged
        const QByteArray path = HIDUsbSim::path(mouse).toUtf8();

        UsbFinderC_GetDeviceOnLine(path.constData());
        UsbServer_SetPCDriverStatus(1);
        UsbFinderC_SetLongRangeMode(path.constData(), 1);
        UsbServer_SetCurrentConfig(2);

        const QStringList lines = logLines();
        QVERIFY2(!lines.isEmpty(), qPrintable(m_LogName));
        QCOMPARE(lines.first(), QStringLiteral("earlier run"));
        const QStringList expected = {
            "UsbFinderC_GetDeviceOnLine(" + QString::fromUtf8(path) + ")",
            "UsbServer_SetPCDriverStatus(1)",
            "UsbFinderC_SetLongRangeMode(" + QString::fromUtf8(path) + ", 1)",
            "UsbServer_SetCurrentConfig(2)",
        };
        QCOMPARE(callsOf(lines.mid(1)), expected);
        // The file and the in-process call list agree.
        QCOMPARE(HIDUsbSim::calls(), expected);
        for (const QString &line : lines.mid(1))
            QVERIFY2(QTime::fromString(line.left(12), "hh:mm:ss.zzz").isValid(), qPrintable(line));
    }
};

ORVIK_TEST_MAIN(TestSimLog)
#include "tst_simlog.moc"
