// The apply-and-wait dialog on its own: reading exported configuration
// files, the import, and what each mode does when its time-out fires.

#include "TestMain.h"

#include "ConfigIni.h"
#include "Dialog.h"
#include "DialogsState.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "InportFail.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "Startup.h"
#include "TestState.h"
#include "UpDataParam.h"
#include "Worker.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

FlashDataMap PatternRecord(quint8 seed, quint8 levels)
{
    FlashDataMap record;
    unsigned char *bytes = reinterpret_cast<unsigned char *>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = quint8(seed + i * 7);
    record.DPILevelCount = levels;
    return record;
}

QByteArray Field(const QByteArray &text)
{
    QByteArray field = text.left(12);
    field.append(QByteArray(12 - field.size(), '\0'));
    return field;
}

// Writes a configuration file in the export format: three byte blocks.
QString WriteProfile(const QString &name, const QByteArray &tag, const QByteArray &sensor, const QByteArray &record)
{
    const QString path = OrvikTest::outputDir("apply") + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    QDataStream stream(&file);
    stream.writeBytes(tag.constData(), uint(tag.size()));
    stream.writeBytes(sensor.constData(), uint(sensor.size()));
    stream.writeBytes(record.constData(), uint(record.size()));
    return path;
}

QByteArray Bytes(const FlashDataMap &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

// Hub signals with a record argument reach these directly (same thread).
struct HubLog : QObject
{
    int setver4 = 0;
    int formB = 0;
    QList<int> offline;
    QList<QByteArray> sensorRecords;

    HubLog()
    {
        PostMsg *hub = PostMsg::GetInstance();
        connect(hub, &PostMsg::SigSetver, this, [this](int i) { setver4 += i == 4; });
        connect(hub, &PostMsg::SigFormB, this, [this] { ++formB; });
        connect(hub, &PostMsg::SigMouseOffLineo, this, [this](int i) { offline << i; });
        connect(
            hub, &PostMsg::SigUpDataSensorUIB, this, [this](FlashDataMap r) { sensorRecords << Bytes(r); },
            Qt::DirectConnection);
    }
};

void RunTimeout(UpDataParam &dialog)
{
    QMetaObject::invokeMethod(&dialog, "onTimeupDestroy", Qt::DirectConnection);
}

const char *const kCache = "Device_CID7E_MID01.bin";

void IgnoreReports(unsigned char *, int, unsigned char *, int)
{
}

// A copy of Config.ini whose first model has another sensor name.
QString ConfigWithSensor(const QTemporaryDir &dir, const QByteArray &sensor)
{
    QFile original(ConfigIni::GetInstance()->FilePath());
    if (!original.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = original.readAll();
    text.replace("Sensor=" + QByteArray("3395").toBase64(), "Sensor=" + sensor.toBase64());
    const QString path = dir.filePath("Config.ini");
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(text) != text.size())
        return QString();
    return path;
}

} // namespace

class TestApply : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void readProfileFile_data();
    void readProfileFile();
    void importAppliesRecordAndRefreshesPages();
    void importLosingTheMouseShowsOfflineNotice();
    void longSensorNameExportsAndImports_data();
    void longSensorNameExportsAndImports();
    void importFailureShowsNoticeAndKeepsRecord_data();
    void importFailureShowsNoticeAndKeepsRecord();
    void acknowledgedReadWritesMissingCacheOnly();
    void unacknowledgedReadReportsTimeOut();
    void unacknowledgedSettleReportsOffline();
    void offlinePassRefreshesFromCache();
    void importTextWhileImporting();
    void normalRequestAfterSettleRequestRunsNormal();

private:
    QString m_Accepted;
    int m_Mouse = 0;
};

void TestApply::initTestCase()
{
    Startup::PrepareUserFolders();
    m_Accepted = WriteProfile("accepted.bin", Field("Varno"), Field("3395"), Bytes(PatternRecord(3, 8)));
    // The mouse an import is applied to.
    HIDUsbSim::reset();
    m_Mouse = HIDUsbSim::plug(HIDUsbSim::sampleReceiverMouse("rx", "m1"));
    QVERIFY(m_Mouse > 0);
    const QByteArray path = HIDUsbSim::path(m_Mouse).toLatin1();
    UsbServerC_Start(path.constData(), path.constData(), IgnoreReports);
}

void TestApply::init()
{
    OrvikTest::ResetAllState();
    DeviceAllInfo device;
    device.ModelIndex = 0; // "Drive1": sensor 3395, 8 DPI levels
    g_CurrentDevice.set(device);
    g_DevicePath.set(HIDUsbSim::path(m_Mouse).toStdString());
    HIDUsbSim::setOnline(m_Mouse, true);
    FlashData::replace(PatternRecord(100, 4));
}

void TestApply::readProfileFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("expected");
    const QByteArray record = Bytes(PatternRecord(3, 8));
    QTest::newRow("accepted") << m_Accepted << 0;
    QTest::newRow("tag with bytes after its zero")
        << WriteProfile("tag-tail.bin", QByteArray("Varno\0xyzabc", 12), Field("3395"), record) << 0;
    QTest::newRow("foreign tag") << WriteProfile("tag.bin", Field("Varn"), Field("3395"), record) << 1;
    QTest::newRow("other sensor") << WriteProfile("sensor.bin", Field("Varno"), Field("3360"), record) << 2;
    QTest::newRow("too many DPI levels") << WriteProfile("levels.bin", Field("Varno"), Field("3395"),
                                                         Bytes(PatternRecord(3, 9)))
                                         << 2;
    QTest::newRow("short record") << WriteProfile("short.bin", Field("Varno"), Field("3395"), record.left(10000)) << 1;
    QTest::newRow("long record") << WriteProfile("long.bin", Field("Varno"), Field("3395"), record + "extra") << 1;
    QTest::newRow("missing file") << OrvikTest::outputDir("apply") + "/none.bin" << 1;

    // A file cut off inside its record block.
    const QString cut = OrvikTest::outputDir("apply") + "/cut.bin";
    QFile::remove(cut);
    QFile::copy(m_Accepted, cut);
    QFile file(cut);
    file.resize(600);
    QTest::newRow("cut off") << cut << 1;
    // A length field far beyond the file.
    QByteArray huge;
    QDataStream(&huge, QIODevice::WriteOnly) << quint32(0x7ffffff0);
    const QString bogus = OrvikTest::outputDir("apply") + "/bogus.bin";
    QFile out(bogus);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(huge + "Varno");
    out.close();
    QTest::newRow("absurd block length") << bogus << 1;
}

void TestApply::readProfileFile()
{
    QFETCH(QString, path);
    QFETCH(int, expected);
    FlashDataMap out = FlashData::zeroRecord();
    QCOMPARE(UpDataParam::ReadProfileFile(path, &out), expected);
    if (expected == 0)
        QCOMPARE(Bytes(out), Bytes(PatternRecord(3, 8)));
}

void TestApply::importAppliesRecordAndRefreshesPages()
{
    HubLog log;
    UpDataParam dialog;
    dialog.m_ImportMode = true;
    dialog.m_ProfilePath = m_Accepted;
    RunTimeout(dialog);

    QCOMPARE(g_InportResult, 0);
    QCOMPARE(Bytes(FlashData::snapshot()), Bytes(PatternRecord(3, 8)));
    QCOMPARE(log.sensorRecords, QList<QByteArray>{Bytes(PatternRecord(3, 8))});
    QCOMPARE(log.formB, 1);
    QCOMPARE(log.setver4, 1);
    QVERIFY(log.offline.isEmpty());
    QVERIFY(!dialog.m_ImportMode);
}

// The mouse went away during the wait: nothing is sent, the pages keep what
// they show, and the offline notice is asked for as by every setter.
void TestApply::importLosingTheMouseShowsOfflineNotice()
{
    const QByteArray before = Bytes(FlashData::snapshot());
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    HubLog log;
    UpDataParam dialog;
    dialog.m_ImportMode = true;
    dialog.m_ProfilePath = m_Accepted;
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, false));
    RunTimeout(dialog);

    QCOMPARE(log.offline, QList<int>{0});
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
    QCOMPARE(Bytes(FlashData::snapshot()), before);
    QVERIFY(log.sensorRecords.isEmpty());
    QCOMPARE(log.formB, 0);
    QVERIFY(!dialog.isVisible());
}

// The sensor field holds 12 bytes: a model whose sensor name is as long or
// longer reads back its own export.
void TestApply::longSensorNameExportsAndImports_data()
{
    QTest::addColumn<QByteArray>("sensor");
    QTest::newRow("11 bytes") << QByteArray("PAW3395DM-T");
    QTest::newRow("12 bytes") << QByteArray("PAW3395DM-T6");
    QTest::newRow("13 bytes") << QByteArray("PAW3395DM-T6A");
    QTest::newRow("30 bytes") << QByteArray("PixArt-PAW3395-DM-T6A-wireless");
}

void TestApply::longSensorNameExportsAndImports()
{
    QFETCH(QByteArray, sensor);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString config = ConfigWithSensor(dir, sensor);
    QVERIFY(!config.isEmpty());
    const QString original = ConfigIni::GetInstance()->FilePath();
    ConfigIni::GetInstance()->Reload(config);
    const auto restore = qScopeGuard([original] { ConfigIni::GetInstance()->Reload(original); });
    QCOMPARE(ModelInfo(g_CurrentDevice.get()).SensorName(), QString::fromLatin1(sensor));

    const QString path = dir.filePath("long.bin");
    QVERIFY(UpDataParam::WriteProfileFile(path, PatternRecord(3, 8)));
    FlashDataMap out = FlashData::zeroRecord();
    QCOMPARE(UpDataParam::ReadProfileFile(path, &out), 0);
    QCOMPARE(Bytes(out), Bytes(PatternRecord(3, 8)));
    // A file of another sensor still gives 2.
    const QString other = WriteProfile("other-long.bin", Field("Varno"), Field("PMW3950"), Bytes(PatternRecord(3, 8)));
    QCOMPARE(UpDataParam::ReadProfileFile(other, &out), 2);
}

void TestApply::importFailureShowsNoticeAndKeepsRecord_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("result");
    QTest::newRow("not ours") << WriteProfile("tag2.bin", Field("Other"), Field("3395"), Bytes(PatternRecord(3, 8)))
                              << 1;
    QTest::newRow("other model") << WriteProfile("sensor2.bin", Field("Varno"), Field("3360"),
                                                 Bytes(PatternRecord(3, 8)))
                                 << 2;
}

void TestApply::importFailureShowsNoticeAndKeepsRecord()
{
    QFETCH(QString, path);
    QFETCH(int, result);
    const QByteArray before = Bytes(FlashData::snapshot());
    HubLog log;
    UpDataParam dialog;
    dialog.m_ImportMode = true;
    dialog.m_ProfilePath = path;

    bool noticeSeen = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (InportFail *notice = qobject_cast<InportFail *>(QApplication::activeModalWidget())) {
            noticeSeen = true;
            notice->close();
        }
    });
    closer.start(20);
    RunTimeout(dialog);

    QVERIFY(noticeSeen);
    QCOMPARE(g_InportResult, result);
    QCOMPARE(Bytes(FlashData::snapshot()), before);
    QVERIFY(log.sensorRecords.isEmpty());
    QCOMPARE(log.formB, 0);
}

void TestApply::acknowledgedReadWritesMissingCacheOnly()
{
    g_LastRunOnline = true;
    g_DeviceOnline = true;
    g_DeviceInfoName.set(kCache);
    g_DeviceInfoNameRead.set(kCache);
    QFile::remove(Worker::DeviceInfoFilePath(kCache));

    HubLog log;
    UpDataParam dialog;
    g_SensorPageUpdated = 1;
    g_ButtonPageUpdated = 1;
    // Both acknowledgements were there: no wait. A wait runs an event loop of
    // its own, where a timer due at once would fire.
    bool waited = false;
    QTimer due;
    due.setSingleShot(true);
    connect(&due, &QTimer::timeout, [&waited] { waited = true; });
    due.start(0);
    RunTimeout(dialog);
    QVERIFY2(!waited, "both acknowledgements were there: no wait");
    QCOMPARE(int(g_SensorPageUpdated), 0);
    QCOMPARE(int(g_ButtonPageUpdated), 0);
    QVERIFY(log.offline.isEmpty());
    FlashDataMap cached = FlashData::zeroRecord();
    QVERIFY(Worker::ReadDeviceInfoFile(kCache, &cached));
    QCOMPARE(Bytes(cached), Bytes(FlashData::snapshot()));

    // A cache file that exists is left as it is.
    FlashData::replace(PatternRecord(50, 2));
    g_SensorPageUpdated = 1;
    g_ButtonPageUpdated = 1;
    RunTimeout(dialog);
    QVERIFY(Worker::ReadDeviceInfoFile(kCache, &cached));
    QCOMPARE(Bytes(cached), Bytes(PatternRecord(100, 4)));
}

void TestApply::unacknowledgedReadReportsTimeOut()
{
    g_LastRunOnline = true;
    g_DeviceOnline = false;
    HubLog log;
    UpDataParam dialog;
    // Only the button page answers.
    g_ButtonPageUpdated = 1;
    RunTimeout(dialog);
    QCOMPARE(log.offline, QList<int>{1});
    QCOMPARE(int(g_ButtonPageUpdated), 1); // left as they were
}

void TestApply::unacknowledgedSettleReportsOffline()
{
    HubLog log;
    UpDataParam dialog;
    dialog.m_SettleMode = true;
    // The sensor page answers late, during the waits: that counts.
    QTimer::singleShot(1200, [] {
        g_SensorPageUpdated = 1;
        g_ButtonPageUpdated = 1;
    });
    RunTimeout(dialog);
    QVERIFY(log.offline.isEmpty());
    QVERIFY(!dialog.m_SettleMode);
    // Unlike a normal read, settling leaves the acknowledgements set.
    QCOMPARE(int(g_SensorPageUpdated), 1);
    QCOMPARE(int(g_ButtonPageUpdated), 1);

    // Nobody answers: the offline notice is asked for.
    g_SensorPageUpdated = 0;
    g_ButtonPageUpdated = 0;
    dialog.m_SettleMode = true;
    RunTimeout(dialog);
    QCOMPARE(log.offline, QList<int>{0});
}

void TestApply::offlinePassRefreshesFromCache()
{
    g_LastRunOnline = false;
    g_DeviceInfoName.set(kCache);
    Worker::WriteDeviceInfoFile(kCache, PatternRecord(9, 3));
    const QByteArray before = Bytes(FlashData::snapshot());

    HubLog log;
    UpDataParam dialog;
    RunTimeout(dialog);
    QCOMPARE(log.sensorRecords, QList<QByteArray>{Bytes(PatternRecord(9, 3))});
    QCOMPARE(log.formB, 1);
    QCOMPARE(log.offline, QList<int>{0});
    QCOMPARE(Bytes(FlashData::snapshot()), before); // the record itself is not touched
}

void TestApply::importTextWhileImporting()
{
    UpDataParam normal;
    g_ImportingProfile = 1;
    UpDataParam importing;
    g_ImportingProfile = 0;
    QVERIFY(!normal.LabelText().isEmpty());
    QVERIFY(!importing.LabelText().isEmpty());
    QVERIFY(normal.LabelText() != importing.LabelText());
}

// The main frame's requests: a SigUpDataParam(0) that follows a
// SigUpDataParam(1) before the time-out runs in normal mode. With both pages
// acknowledged, normal mode clears the acknowledgements; settling would leave
// them set.
void TestApply::normalRequestAfterSettleRequestRunsNormal()
{
    Dialog frame;
    UpDataParam *wait = frame.ApplyDialog();
    g_LastRunOnline = true;
    g_DeviceOnline = false;
    g_SensorPageUpdated = 1;
    g_ButtonPageUpdated = 1;
    HubLog log;
    bool secondSent = false;
    QTimer::singleShot(200, [&] {
        secondSent = wait->isVisible();
        PostMsg::GetInstance()->EmitUpDataParam(0);
    });
    PostMsg::GetInstance()->EmitUpDataParam(1); // runs the dialog modally
    QVERIFY(secondSent);
    QVERIFY(!wait->isVisible());
    QVERIFY(!wait->m_SettleMode);
    QCOMPARE(int(g_SensorPageUpdated), 0);
    QCOMPARE(int(g_ButtonPageUpdated), 0);
    QVERIFY(log.offline.isEmpty());
}

ORVIK_TEST_MAIN(TestApply)

#include "tst_apply.moc"
