// The button page with a corded mouse of the second model, whose sensor has
// a DPI code table in driver_sensor.h: DPI locks are written with the
// table's codes and read back through it.

#include "TestMain.h"

#include "ButtonPageFixture.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "HIDUsbSim.h"
#include "Startup.h"

#include <QScrollBar>

class TestButtonModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dpiLockUsesTheSensorTable_data();
    void dpiLockUsesTheSensorTable();

private:
    DialogMain *m_Window = nullptr;
    Buttoninterface *m_Page = nullptr;
    Ui_Buttoninterface *ui = nullptr;
    int m_Mouse = 0;
};

void TestButtonModels::initTestCase()
{
    // The sample corded mouse: group Drive2, sensor S100.
    QVERIFY(StartOnOneMouse(HIDUsbSim::sampleCordedMouse("cable", QString()), &m_Window, &m_Mouse));
    m_Page = m_Window->MainFramePage()->ButtonPage();
    ui = m_Page->Form();
    QCOMPARE(m_Page->SensorModel(), QString("S100"));
    // Five buttons: the cache holds five entries.
    QCOMPARE(m_Page->KeyTypes().size(), 5);
}

void TestButtonModels::dpiLockUsesTheSensorTable_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("code");
    QTest::newRow("800") << "VolumeUp_22" << 0x07;
    QTest::newRow("100") << "VolumeUp_11" << 0x00;
    QTest::newRow("1200") << "VolumeUp_21" << 0x0B;
}

void TestButtonModels::dpiLockUsesTheSensorTable()
{
    QFETCH(QString, item);
    QFETCH(int, code);
    QToolButton *lock = m_Page->findChild<QToolButton *>(item);
    ui->RightKey->click();
    lock->click();
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74 + 3, 3), QByteArray("\x0A") + char(code) + QByteArray(1, '\0'));
    const QString label = ui->DPI_4->text() + "-" + lock->text();
    QCOMPARE(ui->RightKey->text(), label);

    // Read back: the label names the table's DPI, and the menu opens on the item.
    FlashDataMap record;
    std::memcpy(&record, sent.constData(), sizeof record);
    ui->RightKey->setText(QString());
    FullReadRefresh(record);
    QCOMPARE(ui->RightKey->text(), label);
    ui->RightKey->click();
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_8);
    QVERIFY(lock->isChecked());
}

ORVIK_TEST_MAIN(TestButtonModels)
#include "tst_buttonmodels.moc"
