// The sensor area's data rules without windows: DPI values to codes and
// back (formula, "3395" high bits, table path, the range modes), the range
// snap and the step buttons' arithmetic, and the data beside the program:
// every value of every model's ranges in Config.ini survives a round trip
// through the level entry, and every language file carries the complete
// "Sensor" section.

#include "TestMain.h"

#include "ConfigIni.h"
#include "DpiCode.h"
#include "DriverSensorFile.h"
#include "LanguageLoader.h"
#include "SensorState.h"
#include "TestState.h"

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

namespace {

QStringList Items(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(',');
}

void UseRanges(const QString &text)
{
    DpiCode::ReadRanges(Items(text), nullptr, nullptr);
}

} // namespace

class TestSensorData : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void codes_data();
    void codes();
    void tableDecodes();
    void rangesWithoutItems();
    void snap_data();
    void snap();
    void steps_data();
    void steps();
    void everyModelValueRoundTrips();
    void languageFilesCarryTheSection();
};

void TestSensorData::init()
{
    OrvikTest::ResetAllState();
}

void TestSensorData::codes_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("table");
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code"); // low 8 bits, as stored
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("shown");
    const QString two = "100,12800,100,12900,25600,100,22";
    const QString four = "50,3200,50,3250,6400,50,6500,12800,100,13000,26000,100,33";
    QTest::newRow("mode 22, second range") << "X" << false << two << 20000 << 199 << 0x22 << 20000;
    QTest::newRow("mode 22, first range") << "X" << false << two << 1600 << 31 << 0x00 << 1600;
    QTest::newRow("3395, code 519") << "3395" << false << "50,26000,50,0" << 26000 << 7 << 0x88 << 26000;
    QTest::newRow("table entry") << "M" << true << "50,12800,50,0" << 800 << 15 << 0x00 << 800;
    QTest::newRow("table, no entry: shown 0") << "M" << true << "50,12800,50,0" << 1600 << 32 << 0x00 << 0;
    QTest::newRow("mode 33, third range") << "X" << false << four << 10000 << 99 << 0x22 << 10000;
    QTest::newRow("mode 33, second range") << "X" << false << four << 5000 << 99 << 0x00 << 5000;
    QTest::newRow("mode 33, fourth range") << "X" << false << four << 20000 << 199 << 0x11 << 20000;
    QTest::newRow("mode 11, at max[0]: factor 1")
        << "3395" << false << "50,16000,50,16100,32000,100,11" << 16000 << 63 << 0x44 << 16000;
    QTest::newRow("mode 11, above max[0]")
        << "X" << false << "50,16000,50,16100,32000,100,11" << 16100 << 160 << 0x11 << 16100;
    // "339" is inside the names of the 3395 table: the table path, where it
    // has no entry of its own.
    QTest::newRow("model name inside another's table names")
        << "339" << true << "50,26000,50,0" << 800 << 16 << 0x00 << 0;
}

void TestSensorData::codes()
{
    QFETCH(QString, model);
    QFETCH(bool, table);
    QFETCH(QString, ranges);
    QFETCH(int, dpi);
    QFETCH(int, code);
    QFETCH(int, flags);
    QFETCH(int, shown);
    g_SensorModel = model;
    if (table) {
        g_SensorDefineNames = QStringList{"SENSOR_M_DPI_400", "SENSOR_M_DPI_800", "SENSOR_3395_DPI_800"};
        g_SensorDefineValues = QList<int>{7, 15, 7};
    }
    UseRanges(ranges);
    const DpiCode::LevelBytes bytes = DpiCode::Encode(dpi, 0);
    QCOMPARE(bytes.code & 0xFF, code);
    QCOMPARE(bytes.flags & 0xFF, flags);
    QCOMPARE(DecodeLevelDpi(bytes.code & 0xFF, bytes.flags & 0xFF), shown);
}

void TestSensorData::tableDecodes()
{
    g_SensorModel = "M";
    g_SensorDefineNames = QStringList{"SENSOR_M_DPI_400", "SENSOR_M_DPI_800"};
    g_SensorDefineValues = QList<int>{7, 15};
    QCOMPARE(DecodeLevelDpi(15, 0x00), 800);
    QCOMPARE(DecodeLevelDpi(15, 0x22), 1600);
    QCOMPARE(DecodeLevelDpi(15, 0x33), 3200);
    QCOMPARE(DecodeLevelDpi(16, 0x00), 0);
    // Without a table entry for the value, the old flags choose the fallback.
    UseRanges("50,12800,50,0");
    QCOMPARE(DpiCode::Encode(1600, 0x22).code, 16);
}

void TestSensorData::rangesWithoutItems()
{
    // No "DPIRange" at all: no mode item, no ranges; factor 1, no flags.
    UseRanges("100,6400,100,22");
    QString minText = "keep";
    QString maxText = "keep";
    DpiCode::ReadRanges(QStringList(), &minText, &maxText);
    QCOMPARE(g_DPIRangeMode, 0);
    QCOMPARE(g_DPIRangeCount, 0);
    QVERIFY(g_DPIRangeMax.isEmpty());
    QCOMPARE(minText, QString("keep"));
    const DpiCode::Scale scale = DpiCode::ScaleOf(20000);
    QCOMPARE(scale.factor, 1);
    QCOMPARE(scale.flags, 0);
    QCOMPARE(DpiCode::Snap(1234), 1234);
    QCOMPARE(DpiCode::StepUp(1234), 1234);
    // Mode 33 with no usable range: factor 1.
    UseRanges("33");
    QCOMPARE(DpiCode::ScaleOf(20000).factor, 1);
}

void TestSensorData::snap_data()
{
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("snapped");
    QTest::addColumn<int>("pageStep");
    const QString two = "100,10000,100,10200,26000,200,0";
    QTest::newRow("gap to the next minimum") << two << 10100 << 10200 << 200;
    QTest::newRow("inside, to the step") << two << 10333 << 10200 << 200;
    QTest::newRow("below all ranges") << two << 50 << 50 << 7;
    QTest::newRow("minimum no multiple of the step stays in range") << "150,1000,100,0" << 170 << 150 << 100;
    QTest::newRow("... and above it steps as before") << "150,1000,100,0" << 260 << 200 << 100;
    QTest::newRow("step 0: no snapping, no division") << "100,1000,0,0" << 555 << 555 << 7;
    QTest::newRow("step text no number") << "100,1000,x,0" << 555 << 555 << 7;
    QTest::newRow("five ranges are not used") << "1,2,1,3,4,1,5,6,1,7,8,1,9,10,1,0" << 3 << 3 << 7;
}

void TestSensorData::snap()
{
    QFETCH(QString, ranges);
    QFETCH(int, value);
    QFETCH(int, snapped);
    QFETCH(int, pageStep);
    UseRanges(ranges);
    int step = 7;
    QCOMPARE(DpiCode::Snap(value, &step), snapped);
    QCOMPARE(step, pageStep);
}

void TestSensorData::steps_data()
{
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");
    const QString two = "100,10000,100,10200,26000,200,0";
    QTest::newRow("top of the lower range") << two << 10000 << 10200 << 9900;
    QTest::newRow("bottom of the upper range") << two << 10200 << 10400 << 10000;
    QTest::newRow("in the gap") << two << 10100 << 10200 << 10200;
    QTest::newRow("top of the last range") << two << 26000 << 26200 << 25800;
}

void TestSensorData::steps()
{
    QFETCH(QString, ranges);
    QFETCH(int, value);
    QFETCH(int, up);
    QFETCH(int, down);
    UseRanges(ranges);
    QCOMPARE(DpiCode::StepUp(value), up);
    QCOMPARE(DpiCode::StepDown(value), down);
}

void TestSensorData::everyModelValueRoundTrips()
{
    // Our Config.ini must keep every value its ranges reach encodable: the
    // level entry stores the low 8 bits of a code (and for "3395" bits 8-9
    // in the flags), so a range beyond that would show other values than
    // the user set.
    const DriverSensorFile::Contents &file = DriverSensorFile::Get();
    ConfigIni *config = ConfigIni::GetInstance();
    const QList<int> groups = config->ModelGroups();
    QVERIFY(!groups.isEmpty());
    for (int n : groups) {
        const QString group = "Drive" + QString::number(n);
        SensorState::ResetState();
        g_SensorDefineNames = QStringList(file.names.begin(), file.names.end());
        g_SensorDefineValues = QList<int>(file.values.begin(), file.values.end());
        g_SensorModel = config->GetValue(group, "Sensor");
        DpiCode::ReadRanges(config->GetValueList(group, "DPIRange"), nullptr, nullptr);
        const int ranges = DpiCode::UsableRangeCount();
        QVERIFY2(ranges > 0, qPrintable(group));
        int checked = 0;
        for (int k = 1; k <= ranges; ++k) {
            const int step = DpiCode::RangeStep(k);
            QVERIFY2(step > 0, qPrintable(group));
            for (int dpi = DpiCode::RangeMin(k); dpi <= DpiCode::RangeMax(k); dpi += step) {
                const DpiCode::LevelBytes bytes = DpiCode::Encode(dpi, 0);
                const int shown = DecodeLevelDpi(bytes.code & 0xFF, bytes.flags & 0xFF);
                if (shown != dpi)
                    QFAIL(qPrintable(QString("%1 (%2): %3 shows as %4").arg(group, g_SensorModel).arg(dpi).arg(shown)));
                ++checked;
            }
        }
        QVERIFY(checked > 10);
    }
}

void TestSensorData::languageFilesCarryTheSection()
{
    const QSet<QString> children = {"label_2",
                                    "label_3",
                                    "label_5",
                                    "label_11",
                                    "ModeSelectDes",
                                    "label_12",
                                    "LODDes",
                                    "label_7",
                                    "MotionSyncDes",
                                    "Performance",
                                    "FullPerformanceDes",
                                    "PerformanceOpen",
                                    "PerformanceOpen1",
                                    "PerformanceOpen2",
                                    "PerformanceOpen3",
                                    "PerformanceOpen4",
                                    "PerformanceOpen5",
                                    "Model",
                                    "Model1",
                                    "Model2",
                                    "label",
                                    "RippleDes",
                                    "label_6",
                                    "FixLineDes",
                                    "label_4",
                                    "label_14",
                                    "label_15"};
    QSet<QString> englishTexts;
    for (int index = 0; index <= 5; ++index) {
        QFile file(LanguageLoader::FilePath(index));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader reader(&file);
        QSet<QString> found;
        QSet<QString> texts;
        int depth = 0;
        bool inSection = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement()) {
                ++depth;
                if (depth == 2 && reader.name() == QLatin1String("Sensor")) {
                    inSection = true;
                } else if (inSection && depth == 3) {
                    const QString name = reader.name().toString();
                    const QString text = reader.readElementText();
                    --depth;
                    QVERIFY2(!text.trimmed().isEmpty(), qPrintable(file.fileName() + ": " + name));
                    found.insert(name);
                    texts.insert(text);
                }
            } else if (reader.isEndElement()) {
                if (depth == 2)
                    inSection = false;
                --depth;
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(file.fileName() + ": " + reader.errorString()));
        QCOMPARE(found, children);
        if (index == 0)
            englishTexts = texts;
        else if (index != 0)
            // Translated: most texts differ from the English ones (times and
            // product words like "DPI" may agree).
            QVERIFY2((texts & englishTexts).size() < 5, qPrintable(file.fileName()));
    }
}

ORVIK_TEST_MAIN(TestSensorData)
#include "tst_sensordata.moc"
