// The sensor description file: the parse rules over the edge lines, the DPI
// number of a table name, and that the program reads the file only once.

#include "TestMain.h"

#include "DriverSensorFile.h"

class TestDriverSensorFile : public QObject
{
    Q_OBJECT

private slots:
    void valueLines_data();
    void valueLines();
    void supportLists();
    void tableNameDpi_data();
    void tableNameDpi();
    void readOnceFromTheApplicationFolder();
};

using Entries = QList<QPair<QString, int>>;
Q_DECLARE_METATYPE(Entries)

void TestDriverSensorFile::valueLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Entries>("entries");
    auto one = [](const char *name, int value) { return Entries{qMakePair(QString::fromLatin1(name), value)}; };
    QTest::newRow("hex value") << QByteArray("#define SENSOR_3395_DPI_400\t0x09\n") << one("SENSOR_3395_DPI_400", 9);
    QTest::newRow("decimal value") << QByteArray("#define SENSOR_X_DPI_100\t12\n") << one("SENSOR_X_DPI_100", 12);
    QTest::newRow("last line without line feed") << QByteArray("#define SENSOR_3395_DPI_400\t0x09") << Entries();
    QTest::newRow("last line 26000 with line feed")
        << QByteArray("#define SENSOR_3395_DPI_26000\t0x208\n") << one("SENSOR_3395_DPI_26000", 520);
    QTest::newRow("commented decimal") << QByteArray("#define SENSOR_A_DPI_1\t12 //c\n") << one("SENSOR_A_DPI_1", 12);
    // A commented hex value reads as hex.
    QTest::newRow("commented hex") << QByteArray("#define SENSOR_3395_DPI_200\t0x03 //a\n")
                                   << one("SENSOR_3395_DPI_200", 3);
    QTest::newRow("comment with a blank: four words")
        << QByteArray("#define SENSOR_M2_DPI_800\t15 // 800\n") << Entries();
    QTest::newRow("blank instead of TAB") << QByteArray("#define SENSOR_A_DPI_1 12\n") << Entries();
    QTest::newRow("name without value") << QByteArray("#define SENSOR_A_DPI_1\n") << Entries();
    QTest::newRow("name and TAB without value") << QByteArray("#define SENSOR_A_DPI_1\t\n") << Entries();
    QTest::newRow("one word") << QByteArray("#define\tSENSOR_X\t3\n") << Entries();
    QTest::newRow("third TAB item") << QByteArray("#define SENSOR_A\t1\t2\n") << Entries();
    QTest::newRow("blank before the line feed") << QByteArray("#define SENSOR_A\t1 \n") << Entries();
    QTest::newRow("not a define") << QByteArray("#undef SENSOR_A\t1\n") << Entries();
    QTest::newRow("no number") << QByteArray("#define SENSOR_A\tabc\n") << one("SENSOR_A", 0);
    QTest::newRow("two lines") << QByteArray("#define SENSOR_A\t7\n#define SENSOR_B\t0x10\n")
                               << Entries{qMakePair(QString("SENSOR_A"), 7), qMakePair(QString("SENSOR_B"), 16)};
    QTest::newRow("names repeat in file order")
        << QByteArray("#define SENSOR_A\t1\n#define SENSOR_A\t2\n")
        << Entries{qMakePair(QString("SENSOR_A"), 1), qMakePair(QString("SENSOR_A"), 2)};
}

void TestDriverSensorFile::valueLines()
{
    QFETCH(QByteArray, text);
    QFETCH(Entries, entries);
    const DriverSensorFile::Contents contents = DriverSensorFile::Parse(text);
    QCOMPARE(contents.names.size(), contents.values.size());
    Entries got;
    for (int i = 0; i < contents.names.size(); ++i)
        got << qMakePair(contents.names.at(i), contents.values.at(i));
    QCOMPARE(got, entries);
}

void TestDriverSensorFile::supportLists()
{
    const DriverSensorFile::Contents contents =
        DriverSensorFile::Parse("#define SUPPORT_RIPPLE\t3395,M2\n"
                                "#define  SUPPORT_LOD_CAL\t3395\n"     // two blanks: still two words
                                "#define SUPPORT_LOD_CAL\tS100\n"      // the later list wins
                                "#define SUPPORT_FIXLINE\t\n"          // no list part: skipped
                                "#define SUPPORT_MOTION_SYNC\t3395 \n" // a third word: skipped
                                "x SUPPORT_MOUSEPAD_CAL\tA\n");        // the first word is not examined
    using DriverSensorFile::SupportList;
    QCOMPARE(contents.support[DriverSensorFile::SupportRipple], QString("3395,M2"));
    QCOMPARE(contents.support[DriverSensorFile::SupportLodCal], QString("S100"));
    QCOMPARE(contents.support[DriverSensorFile::SupportFixLine], QString());
    QCOMPARE(contents.support[DriverSensorFile::SupportMotionSync], QString());
    QCOMPARE(contents.support[DriverSensorFile::SupportMousepadCal], QString("A"));
    QVERIFY(contents.names.isEmpty()); // SUPPORT lines are never table entries
}

void TestDriverSensorFile::tableNameDpi_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dpi");
    QTest::newRow("well formed") << "SENSOR_3395_DPI_800" << 800;
    QTest::newRow("model with I") << "SENSOR_PIXART_I_DPI_1200" << 1200;
    QTest::newRow("model containing _DPI_") << "SENSOR_X_DPI_Y_DPI_400" << 400;
    QTest::newRow("no table part") << "SENSOR_3395" << 0;
    QTest::newRow("no number") << "SENSOR_A_DPI_x" << 0;
}

void TestDriverSensorFile::tableNameDpi()
{
    QFETCH(QString, name);
    QFETCH(int, dpi);
    QCOMPARE(DriverSensorFile::TableNameDpi(name), dpi);
}

void TestDriverSensorFile::readOnceFromTheApplicationFolder()
{
    const DriverSensorFile::Contents &first = DriverSensorFile::Get();
    const DriverSensorFile::Contents &second = DriverSensorFile::Get();
    QCOMPARE(&first, &second);
    QCOMPARE(DriverSensorFile::ReadCount(), 1);
    // The installed sample: the S100 table.
    const int at = first.names.indexOf("SENSOR_S100_DPI_800");
    QVERIFY(at >= 0);
    QCOMPARE(first.values.at(at), 7);
    QVERIFY(DriverSensorFile::HasEntriesFor(first, "S100"));
    QVERIFY(!DriverSensorFile::HasEntriesFor(first, "3395"));
}

ORVIK_TEST_MAIN(TestDriverSensorFile)
#include "tst_driversensorfile.moc"
