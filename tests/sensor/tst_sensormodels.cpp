// The sensor page with a corded mouse of the second model: its sensor "S100"
// takes its DPI codes from the table in driver_sensor.h, offers lift-off, and
// a cable offers no 2000 or 4000 Hz.

#include "TestMain.h"

#include "SensorPageFixture.h"

#include "Dialog.h"
#include "DpiCode.h"
#include "Sensor.h"
#include "SensorDPIForm.h"
#include "SensorForm.h"
#include "SensorState.h"
#include "Startup.h"

class TestSensorModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstReadOfTheCordedMouse();
    void valuesGoThroughTheTable_data();
    void valuesGoThroughTheTable();
    void codeWithoutEntryShowsZero();
    void highRateReportNeverReachesThePage();

private:
    FlashDataMap BaseRecord() const { return RecordOf(HIDUsbSim::factoryRecord(HIDUsbSim::sampleCordedMid)); }
    int Updates() const { return HIDUsbSim::updateCount(m_Mouse); }

    DialogMain *m_Window = nullptr;
    Ui_Sensor *ui = nullptr;
    Ui_SensorDPI *bar = nullptr;
    int m_Mouse = 0;
};

void TestSensorModels::initTestCase()
{
    // The sample corded mouse: group Drive2, sensor S100.
    QVERIFY(StartOnOneMouse(HIDUsbSim::sampleCordedMouse("cable", QString()), &m_Window, &m_Mouse));
    ui = m_Window->MainFramePage()->SensorPage()->Form();
    bar = ui->frameDpi->Form();
}

void TestSensorModels::firstReadOfTheCordedMouse()
{
    QCOMPARE(g_SensorModel, QString("S100"));
    QVERIFY(DpiCode::UsesTable());
    QVERIFY(ui->frameRate->RateButton(4)->isHidden());
    QVERIFY(ui->frameRate->RateButton(5)->isHidden());
    QVERIFY(ui->frameLOD->Combo()->isEnabled());
    const char *const values[4] = {"400", "800", "1200", "1600"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(bar->LevelButton(i)->text(), QString(values[i]));
    QCOMPARE(bar->ChooseEvent->count(), 6); // DPIMaxGrade of the model
    QCOMPARE(bar->horizontalSliderC->minimum(), 100);
    QCOMPARE(bar->horizontalSliderC->maximum(), 6400);
    // S100 is not in the sensor-mode list: the mirror stays at LP, disabled.
    QCOMPARE(ui->ModelChoose->currentIndex(), 0);
    QVERIFY(!ui->ModelChoose->isEnabled());
}

void TestSensorModels::valuesGoThroughTheTable_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    QTest::newRow("1500") << 1500 << 0x0E;
    QTest::newRow("6400") << 6400 << 0x3F;
    QTest::newRow("100") << 100 << 0x00;
    QTest::newRow("1550 snaps to 1500") << 1550 << 0x0E;
}

void TestSensorModels::valuesGoThroughTheTable()
{
    QFETCH(int, dpi);
    QFETCH(int, code);
    FullReadRefresh(BaseRecord());
    bar->LevelButton(0)->click();
    const int before = Updates();
    bar->horizontalSliderC->setValue(dpi);
    QCOMPARE(Updates(), before + 1);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(int(quint8(sent.at(15))), code);
    QCOMPARE(int(quint8(sent.at(17))), 0);
    FullReadRefresh(RecordOf(sent));
    QCOMPARE(bar->LevelButton(0)->text(), QString::number(dpi - dpi % 100));
}

void TestSensorModels::codeWithoutEntryShowsZero()
{
    FlashDataMap record = BaseRecord();
    record.DPILevel[2].XCode = 0x50; // past the table's last entry
    record.DPILevel[2].YCode = 0x50;
    FullReadRefresh(record);
    QCOMPARE(bar->LevelButton(2)->text(), QString("0"));
    QCOMPARE(bar->LevelButton(1)->text(), QString("800"));
}

void TestSensorModels::highRateReportNeverReachesThePage()
{
    FullReadRefresh(BaseRecord());
    QCOMPARE(ui->frameRate->CheckedIndex(), 3);
    const int before = Updates();
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(0), QByteArray(1, char(16))));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->frameRate->CheckedIndex(), 3);
    QCOMPARE(int(FlashData::snapshot().ReportRate), 1);
    QCOMPARE(Updates(), before);
    // A code the cable has is shown (and handed back by the data callback).
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(0), QByteArray(1, char(4))));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->frameRate->CheckedIndex(), 1);
}

ORVIK_TEST_MAIN(TestSensorModels)
#include "tst_sensormodels.moc"
