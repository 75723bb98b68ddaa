// The sensor page end to end: a simulated 4 kHz receiver mouse of the first
// model ("3395", formula path) is selected in the running utility; then the
// page's controls are worked and what reached the simulated mouse is
// checked. Refreshes and reports come as in the utility: hub signals from a
// helper thread over the blocking connections, or reports the simulated
// mouse sends.

#include "TestMain.h"

#include "ClippedTexts.h"
#include "SensorPageFixture.h"

#include "Dialog.h"
#include "DialogForm.h"
#include "DpiCode.h"
#include "LanguageFileTexts.h"
#include "LanguageLoader.h"
#include "MouseOffLine.h"
#include "Sensor.h"
#include "SensorDPIForm.h"
#include "SensorEffectForm.h"
#include "SensorForm.h"
#include "SensorState.h"
#include "Skin.h"
#include "Startup.h"
#include "Worker.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QListView>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QXmlStreamReader>

class TestSensorPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstReadShowsTheMouse();
    void optionEdits_data();
    void optionEdits();
    void rateButtonsSendTheirOwnCode_data();
    void rateButtonsSendTheirOwnCode();
    void nothingSentOfflineOrNotReady();
    void dpiValues_data();
    void dpiValues();
    void snapAndSteps_data();
    void snapAndSteps();
    void selectingALevelSendsOnlyTheLevel();
    void colourChoiceReachesTheMouse();
    void lowerCountSwapsTheCurrentLevel_data();
    void lowerCountSwapsTheCurrentLevel();
    void refusedLevelCountRaisesTheNotice_data();
    void refusedLevelCountRaisesTheNotice();
    void levelBeyondTheTableIsNeverWritten_data();
    void levelBeyondTheTableIsNeverWritten();
    void sliderChangeAfterEqualLevelIsSent();
    void drag_data();
    void drag();
    void offlineEpisode_data();
    void offlineEpisode();
    void gating();
    void sensorModeFollowsTheRate();
    void moreGradesThanLevels();
    void missingRangesUseTheFormula();
    void reportsSendNothing();
    void levelReportKeepsTheSendGate_data();
    void levelReportKeepsTheSendGate();
    void factoryView();
    void languageFive();
    void listsMadeAtFirstOpeningShowTheLanguage();
    void captionsFit_data();
    void captionsFit();
    void stylePicturesExist();
    void levelFile_data();
    void levelFile();

private:
    FlashDataMap BaseRecord() const { return RecordOf(HIDUsbSim::factoryRecord(HIDUsbSim::sampleWirelessMid)); }
    void Refresh(const FlashDataMap &record) { FullReadRefresh(record); }
    QByteArray Sent() const { return HIDUsbSim::lastRecord(m_Mouse); }
    int Updates() const { return HIDUsbSim::updateCount(m_Mouse); }
    QToolButton *Level(int i) const { return ui->frameDpi->Form()->LevelButton(i); }
    void SendDrag(int fromX, int toX);
    // The mouse stops answering; while the watch lives each offline notice
    // is counted and closed.
    WatchPtr Sleep(int *notices);
    // The mouse answers again; with reRead the page is refreshed from what it
    // holds, as the read after the notice does.
    void Wake(bool reRead);

    DialogMain *m_Window = nullptr;
    Sensor *m_Page = nullptr;
    Ui_Sensor *ui = nullptr;
    Ui_SensorDPI *bar = nullptr;
    int m_Mouse = 0;
    bool m_Acknowledged = false;
    int m_UpdatesAtFirstRead = -1;
};

void TestSensorPage::initTestCase()
{
    QVERIFY(StartOnOneMouse(HIDUsbSim::sampleReceiverMouse("rx", "m1"), &m_Window, &m_Mouse, &m_Acknowledged));
    m_UpdatesAtFirstRead = Updates();
    m_Page = m_Window->MainFramePage()->SensorPage();
    ui = m_Page->Form();
    bar = ui->frameDpi->Form();
    m_Window->MainFramePage()->Form()->SensorButton->click();
    QVERIFY(g_UiReady);
}

void TestSensorPage::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    g_UiReady = true;
    HIDUsbSim::setOnline(m_Mouse, true);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(BaseRecord()));
    Refresh(BaseRecord());
}

void TestSensorPage::firstReadShowsTheMouse()
{
    // What the first read showed, before any test refreshed the page.
    QVERIFY(m_Acknowledged);
    QCOMPARE(m_UpdatesAtFirstRead, 0);
    const FlashDataMap record = BaseRecord();
    QCOMPARE(ui->frameRate->CheckedIndex(), 3); // byte 0 = 1: 1000 Hz
    const char *const values[4] = {"400", "800", "1600", "3200"};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(!Level(i)->isHidden(), i < 4);
        if (i < 4) {
            QCOMPARE(Level(i)->text(), QString(values[i]));
            const DPILevelEntry &e = record.DPILevel[i];
            QCOMPARE(ui->frameDpi->LevelColor(i), QString("%1,%2,%3").arg(e.Red).arg(e.Green).arg(e.Blue));
        }
    }
    QVERIFY(Level(1)->isChecked()); // byte 2 = 1
    QVERIFY(bar->Marker(1)->styleSheet().contains("MaxB.png"));
    QVERIFY(bar->Marker(1)->styleSheet().contains("rgb(0,255,0)"));
    QCOMPARE(bar->label_8->pos(), QPoint(118, 154));
    QCOMPARE(bar->spinBoxA->value(), 800);
    QVERIFY(!ui->frameRate->RateButton(4)->isHidden());
    QVERIFY(!ui->frameRate->RateButton(5)->isHidden());
    QVERIFY(ui->ModelChoose->isHidden());
    QCOMPARE(bar->ChooseEvent->count(), 8);
    QCOMPARE(bar->ChooseEvent->currentIndex(), 3);
    QVERIFY(ui->frameLOD->Combo()->isEnabled()); // 3395 is in SUPPORT_LOD_CAL
    QCOMPARE(g_SensorModel, QString("3395"));

    // A refresh sends nothing either, and acknowledges.
    const int before = Updates();
    Refresh(record);
    QCOMPARE(Updates(), before);
    QCOMPARE(int(g_SensorPageUpdated), 1);
    m_Window->grab().save(OrvikTest::outputDir("sensor") + "/01-first-read.png");
}

enum class Edit {
    Rate4000,
    Lod2,
    Ripple,
    AngleSnap,
    MotionSync,
    Performance,
    TwoMinutes,
    Breathing,
    EffectOff,
    EffectEmptied
};

void TestSensorPage::optionEdits_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("updates");
    QTest::newRow("4000 Hz, sent twice") << int(Edit::Rate4000) << QList<int>{0} << QList<int>{32} << 2;
    QTest::newRow("LOD 2 mm, sent twice") << int(Edit::Lod2) << QList<int>{5} << QList<int>{2} << 2;
    QTest::newRow("ripple control") << int(Edit::Ripple) << QList<int>{10} << QList<int>{1} << 1;
    QTest::newRow("angle snapping") << int(Edit::AngleSnap) << QList<int>{9} << QList<int>{1} << 1;
    QTest::newRow("motion sync") << int(Edit::MotionSync) << QList<int>{7} << QList<int>{1} << 1;
    QTest::newRow("full performance") << int(Edit::Performance) << QList<int>{12} << QList<int>{1} << 1;
    QTest::newRow("2 min") << int(Edit::TwoMinutes) << QList<int>{13} << QList<int>{12} << 1;
    QTest::newRow("breathing") << int(Edit::Breathing) << QList<int>{66, 63} << QList<int>{1, 2} << 1;
    QTest::newRow("effect off keeps the mode") << int(Edit::EffectOff) << QList<int>{66, 63} << QList<int>{0, 1} << 1;
    // An emptied mode combo reports -1: no mode of the mouse, nothing sent.
    QTest::newRow("no effect mode") << int(Edit::EffectEmptied) << QList<int>() << QList<int>() << 0;
}

void TestSensorPage::optionEdits()
{
    QFETCH(int, edit);
    QFETCH(QList<int>, offsets);
    QFETCH(QList<int>, values);
    QFETCH(int, updates);
    const int before = Updates();
    Ui_SensorEffect *effect = ui->frameEffect->Form();
    switch (Edit(edit)) {
    case Edit::Rate4000:
        ui->frameRate->RateButton(5)->click();
        break;
    case Edit::Lod2:
        ui->frameLOD->Combo()->setCurrentIndex(1);
        break;
    case Edit::Ripple:
        ui->frame->SwitchButton()->click();
        break;
    case Edit::AngleSnap:
        ui->frame_4->SwitchButton()->click();
        break;
    case Edit::MotionSync:
        ui->frame_3->SwitchButton()->click();
        break;
    case Edit::Performance:
        ui->Performance->click();
        QVERIFY(ui->PerformanceOpen->isEnabled());
        break;
    case Edit::TwoMinutes:
        ui->PerformanceOpen->setCurrentIndex(2);
        break;
    case Edit::Breathing:
        effect->Model->setCurrentIndex(2);
        QVERIFY(!effect->SpeedH->isHidden());
        QVERIFY(effect->LightH->isHidden());
        break;
    case Edit::EffectOff:
        effect->Model->setCurrentIndex(0);
        break;
    case Edit::EffectEmptied:
        effect->Model->setCurrentIndex(-1);
        QCOMPARE(effect->Model->currentIndex(), -1);
        QVERIFY(!effect->LightH->isHidden()); // the rows of steady stay
        break;
    }
    QCOMPARE(Updates(), before + updates);
    const QByteArray sent = Sent();
    for (int i = 0; i < offsets.size(); ++i)
        QCOMPARE(int(quint8(sent.at(offsets.at(i)))), values.at(i));
}

void TestSensorPage::rateButtonsSendTheirOwnCode_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("code");
    QTest::newRow("125 Hz") << 0 << 8;
    QTest::newRow("250 Hz") << 1 << 4;
    QTest::newRow("500 Hz") << 2 << 2;
    QTest::newRow("1000 Hz") << 3 << 1;
    QTest::newRow("2000 Hz") << 4 << 16;
    QTest::newRow("4000 Hz") << 5 << 32;
}

// One click sends the record twice, first from the rate widget, then from the
// page: each send must carry the button's own code, so both are read from the
// call log (the last record alone shows only the page's).
void TestSensorPage::rateButtonsSendTheirOwnCode()
{
    QFETCH(int, button);
    QFETCH(int, code);
    FlashDataMap record = BaseRecord();
    record.ReportRate = code == 1 ? 8 : 1; // another rate than the button's
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    Refresh(record);
    QByteArray expected = Bytes(record);
    expected[0] = char(code);
    const QString send =
        QString("ProtocolDataUpdate(record crc %1)").arg(qChecksum(expected.constData(), uint(expected.size())));
    HIDUsbSim::clearCalls();
    ui->frameRate->RateButton(button)->click();
    const QStringList sends = HIDUsbSim::calls().filter(QRegularExpression("^ProtocolDataUpdate\\("));
    QCOMPARE(sends, QStringList({send, send}));
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), expected);
}

void TestSensorPage::nothingSentOfflineOrNotReady()
{
    // Brightness 7 by a drag: shown while dragging, sent once on release.
    Ui_SensorEffect *effect = ui->frameEffect->Form();
    QVERIFY(!effect->LightH->isHidden()); // steady
    int before = Updates();
    effect->LightH->setSliderDown(true);
    effect->LightH->setSliderPosition(7);
    QCOMPARE(effect->LightSpinBox->value(), 7);
    QCOMPARE(Updates(), before);
    effect->LightH->setSliderDown(false);
    QCOMPARE(Updates(), before + 1);
    QCOMPARE(int(quint8(Sent().at(64))), 180);

    // Not ready: the control changes, nothing is sent.
    before = Updates();
    g_UiReady = false;
    ui->frameRate->RateButton(0)->click();
    ui->frame->SwitchButton()->click();
    Level(3)->click();
    g_UiReady = true;
    QCOMPARE(Updates(), before);
    QVERIFY(ui->frameRate->RateButton(0)->isChecked());

    // Offline: the notice (once per setter call: twice for a rate), nothing sent.
    HIDUsbSim::setOnline(m_Mouse, false);
    int notices = 0;
    WatchPtr watch = Watch([&] {
        if (MouseOffLine *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget())) {
            ++notices;
            notice->findChild<QToolButton *>("CloseButton")->click();
        }
    });
    ui->frameRate->RateButton(2)->click();
    watch.reset();
    QCOMPARE(notices, 2);
    QCOMPARE(Updates(), before);
    // The notice asked for a re-read once the mouse is back; this test does not want one.
    g_ReReadRequest = false;
    g_OfflinePending = false;
    HIDUsbSim::setOnline(m_Mouse, true);
}

void TestSensorPage::dpiValues_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("flags");
    QTest::newRow("sample range, 26000: code bits 8-9 in the flags") << QString() << 26000 << 7 << 0x88;
    QTest::newRow("two ranges mode 22, 20000") << QString("100,12800,100,12900,25600,100,22") << 20000 << 199 << 0x22;
    QTest::newRow("four ranges mode 33, 10000")
        << QString("50,3200,50,3250,6400,50,6500,12800,100,13000,26000,100,33") << 10000 << 99 << 0x22;
    QTest::newRow("four ranges mode 33, 5000")
        << QString("50,3200,50,3250,6400,50,6500,12800,100,13000,26000,100,33") << 5000 << 99 << 0x00;
}

void TestSensorPage::dpiValues()
{
    QFETCH(QString, range);
    QFETCH(int, dpi);
    QFETCH(int, code);
    QFETCH(int, flags);
    std::unique_ptr<ConfigOverride> config;
    if (!range.isEmpty())
        config.reset(new ConfigOverride("Drive1", "DPIRange", range));
    Refresh(BaseRecord());
    Level(0)->click();
    const int before = Updates();
    bar->horizontalSliderC->setValue(dpi);
    QCOMPARE(Updates(), before + 1);
    const QByteArray sent = Sent();
    QCOMPARE(int(quint8(sent.at(15))), code);
    QCOMPARE(int(quint8(sent.at(16))), code);
    QCOMPARE(int(quint8(sent.at(17))), flags);
    QCOMPARE(Level(0)->text(), QString::number(dpi));
    // Read back, the level shows the same value.
    Refresh(RecordOf(sent));
    QCOMPARE(Level(0)->text(), QString::number(dpi));
}

enum class Step { Slider, Plus, Minus };

void TestSensorPage::snapAndSteps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("shown");
    QTest::newRow("10100 in the gap snaps to 10200") << 1000 << int(Step::Slider) << 10100 << 10200;
    QTest::newRow("plus at 10000") << 10000 << int(Step::Plus) << 0 << 10200;
    QTest::newRow("minus at 10200") << 10200 << int(Step::Minus) << 0 << 10000;
    QTest::newRow("minus at 10000") << 10000 << int(Step::Minus) << 0 << 9900;
    QTest::newRow("inside a range, down to the step") << 1000 << int(Step::Slider) << 10333 << 10200;
}

void TestSensorPage::snapAndSteps()
{
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(int, target);
    QFETCH(int, shown);
    const ConfigOverride config("Drive1", "DPIRange", "100,10000,100,10200,26000,200,0");
    Refresh(BaseRecord());
    Level(0)->click();
    bar->horizontalSliderC->setValue(start);
    QCOMPARE(bar->spinBoxA->value(), start);
    const int before = Updates();
    switch (Step(step)) {
    case Step::Slider:
        bar->horizontalSliderC->setValue(target);
        break;
    case Step::Plus:
        bar->AddLevelA->click();
        break;
    case Step::Minus:
        bar->ReduceLevelA->click();
        break;
    }
    QCOMPARE(bar->spinBoxA->value(), shown);
    QCOMPARE(Level(0)->text(), QString::number(shown));
    QCOMPARE(Updates(), before + 1);
    const QByteArray sent = Sent();
    QCOMPARE(DecodeLevelDpi(quint8(sent.at(15)), quint8(sent.at(17))), shown);
}

void TestSensorPage::selectingALevelSendsOnlyTheLevel()
{
    const QByteArray before = Bytes(FlashData::snapshot());
    const int updates = Updates();
    Level(2)->click();
    QCOMPARE(Updates(), updates + 1);
    QByteArray expected = before;
    expected[2] = char(2);
    QCOMPARE(Sent(), expected);
    QCOMPARE(bar->label_8->pos(), QPoint(209, 154));
    QCOMPARE(bar->spinBoxA->value(), 1600);
}

void TestSensorPage::colourChoiceReachesTheMouse()
{
    bar->Marker(3)->click(); // selects level 3 and opens the colour dialog
    QColorDialog *dialog = ui->frameDpi->ColorDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    const int before = Updates();
    dialog->setCurrentColor(QColor(10, 0, 255));
    dialog->accept();
    QCOMPARE(Updates(), before + 1);
    QCOMPARE(Sent().mid(15 + 6 * 3 + 3, 3), QByteArray("\x0a\x00\xff", 3));
    QCOMPARE(ui->frameDpi->LevelColor(3), QString("10,0,255"));
    QVERIFY(bar->Marker(3)->styleSheet().contains("rgb(10,0,255)"));
}

void TestSensorPage::lowerCountSwapsTheCurrentLevel_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("index"); // of the new count
    QTest::newRow("level 5 of 6, to 3 levels") << 6 << 5 << 2;
    QTest::newRow("level 7 of 8, to 1 level") << 8 << 7 << 0;
    // The mouse (or a file) may hold a current level outside its own count:
    // it is moved inside the new one all the same.
    QTest::newRow("level 3 at the count 3, to 2 levels") << 3 << 3 << 1;
    QTest::newRow("level 5 beyond the count 3, to 2 levels") << 3 << 5 << 1;
    QTest::newRow("level 5 beyond the count 3, raised to 4 levels") << 3 << 5 << 3;
}

// A count that leaves the current level outside swaps it with the new last
// level: DPI and colour, on screen and on the mouse; the record goes out
// three times (current level, both entries with the count, the count).
void TestSensorPage::lowerCountSwapsTheCurrentLevel()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(int, index);
    FlashDataMap record = BaseRecord();
    record.DPILevelCount = quint8(count);
    record.CurrentDPI = quint8(current);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    Refresh(record);
    const QByteArray entryNew = Bytes(record).mid(15 + 6 * index, 6);
    const QByteArray entryOld = Bytes(record).mid(15 + 6 * current, 6);
    const QString textNew = Level(index)->text();
    const QString textOld = Level(current)->text();
    const int before = Updates();
    bar->ChooseEvent->setCurrentIndex(index);
    QCOMPARE(Updates(), before + 3);
    const QByteArray held = HIDUsbSim::storedRecord(m_Mouse);
    QCOMPARE(int(held.at(1)), index + 1);
    QCOMPARE(int(held.at(2)), index);
    QCOMPARE(held.mid(15 + 6 * index, 6), entryOld);
    QCOMPARE(held.mid(15 + 6 * current, 6), entryNew);
    QCOMPARE(Level(index)->text(), textOld);
    QCOMPARE(Level(current)->text(), textNew);
    QVERIFY(Level(index)->isChecked());
    QCOMPARE(ui->frameDpi->CurrentLevel(), index);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(Level(i)->isHidden(), i > index);
    QCOMPARE(bar->label_8->pos(), ui->frameDpi->IndicatorPosition(index));
}

void TestSensorPage::refusedLevelCountRaisesTheNotice_data()
{
    QTest::addColumn<bool>("goesOffline"); // false: the library refuses the record
    QTest::newRow("refused") << false;
    QTest::newRow("offline at the write") << true;
}

// The level count is written without a setter: a record the mouse did not
// store is told as for an offline mouse, and the mouse keeps its count.
void TestSensorPage::refusedLevelCountRaisesTheNotice()
{
    QFETCH(bool, goesOffline);
    FlashDataMap record = BaseRecord();
    record.CurrentDPI = 1; // stays within the new count: no swap, one write
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    Refresh(record);
    const QByteArray stored = HIDUsbSim::storedRecord(m_Mouse);
    const int before = Updates();
    int notices = 0;
    WatchPtr watch = Watch([&] {
        if (MouseOffLine *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget())) {
            ++notices;
            notice->findChild<QToolButton *>("CloseButton")->click();
        }
    });
    if (goesOffline)
        HIDUsbSim::goOfflineAtNextUpdate();
    else
        HIDUsbSim::refuseNextUpdate();
    bar->ChooseEvent->setCurrentIndex(2);
    QTRY_COMPARE(notices, 1);
    watch.reset();
    QCOMPARE(Updates(), before);
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), stored);
    // The notice asked for a re-read once the mouse is back; this test does not want one.
    g_ReReadRequest = false;
    g_OfflinePending = false;
    HIDUsbSim::setOnline(m_Mouse, true);
}

void TestSensorPage::levelBeyondTheTableIsNeverWritten_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::newRow("level 9, count 0") << 9 << 0;
    QTest::newRow("level 8, count 8") << 8 << 8;
    QTest::newRow("level 200, count 255") << 200 << 255;
}

void TestSensorPage::levelBeyondTheTableIsNeverWritten()
{
    QFETCH(int, current);
    QFETCH(int, count);
    FlashDataMap record = BaseRecord();
    record.CurrentDPI = quint8(current);
    record.DPILevelCount = quint8(count);
    Refresh(record);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    const QByteArray before = Bytes(FlashData::snapshot());
    bar->ChooseEvent->setCurrentIndex(3);
    const QByteArray sent = Sent();
    QCOMPARE(int(sent.at(1)), 4);
    // Everything past the level table is as it was.
    QCOMPARE(sent.mid(63), before.mid(63));
    QCOMPARE(sent.mid(15, 48), before.mid(15, 48));
    // Nor does a drag step from such a level send anything.
    const int updates = Updates();
    SendDrag(42, 110);
    QCOMPARE(Updates(), updates);
}

void TestSensorPage::sliderChangeAfterEqualLevelIsSent()
{
    // Levels 0 and 1 both 800: selecting one from the other moves no slider,
    // so nothing may swallow the user's next change.
    FlashDataMap record = BaseRecord();
    record.DPILevel[0] = record.DPILevel[1];
    record.CurrentDPI = 1;
    Refresh(record);
    // A refresh moves the slider with its signals blocked: the first change
    // after it is the user's and is sent.
    int before = Updates();
    bar->horizontalSliderC->setValue(1200);
    QCOMPARE(Updates(), before + 1);
    Refresh(record);
    Level(0)->click();
    QVERIFY(ui->frameDpi->SliderArmed());
    before = Updates();
    bar->horizontalSliderC->setValue(1600);
    QCOMPARE(Updates(), before + 1);
    QCOMPARE(DecodeLevelDpi(quint8(Sent().at(15)), quint8(Sent().at(17))), 1600);
}

void TestSensorPage::SendDrag(int fromX, int toX)
{
    const QPoint from(fromX, 169);
    const QPoint to(toX, 169);
    QTest::mousePress(ui->frameDpi, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ui->frameDpi, &move);
    QTest::mouseRelease(ui->frameDpi, Qt::LeftButton, Qt::NoModifier, to);
}

void TestSensorPage::drag_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("releaseX");
    QTest::addColumn<QPoint>("rest");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("updates");
    QTest::newRow("eight levels, one step right: sent twice") << 8 << 110 << QPoint(118, 154) << 1 << 2;
    QTest::newRow("one level: beyond the limit") << 1 << 110 << QPoint(27, 154) << 0 << 1;
    QTest::newRow("count 0 counts as one level") << 0 << 110 << QPoint(27, 154) << 0 << 1;
    QTest::newRow("count 9 counts as eight levels") << 9 << 110 << QPoint(118, 154) << 1 << 2;
    QTest::newRow("between two windows") << 8 << 167 << QPoint(27, 154) << 0 << 0;
    QTest::newRow("left of the levels") << 8 << 10 << QPoint(27, 154) << 0 << 0;
}

void TestSensorPage::drag()
{
    QFETCH(int, count);
    QFETCH(int, releaseX);
    QFETCH(QPoint, rest);
    QFETCH(int, level);
    QFETCH(int, updates);
    FlashDataMap record = BaseRecord();
    record.DPILevelCount = quint8(count);
    record.CurrentDPI = 0;
    Refresh(record);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    QCOMPARE(bar->label_8->pos(), QPoint(27, 154));
    const int before = Updates();
    SendDrag(42, releaseX);
    QCOMPARE(bar->label_8->pos(), rest);
    QCOMPARE(Updates(), before + updates);
    QCOMPARE(ui->frameDpi->CurrentLevel(), level);
    if (updates > 0)
        QCOMPARE(int(Sent().at(2)), level);
}

WatchPtr TestSensorPage::Sleep(int *notices)
{
    HIDUsbSim::setOnline(m_Mouse, false);
    return Watch([notices] {
        if (MouseOffLine *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget())) {
            ++*notices;
            notice->findChild<QToolButton *>("CloseButton")->click();
        }
    });
}

void TestSensorPage::Wake(bool reRead)
{
    // The notice asked for a re-read once the mouse is back; the test makes
    // its refresh itself.
    g_ReReadRequest = false;
    g_OfflinePending = false;
    HIDUsbSim::setOnline(m_Mouse, true);
    if (reRead)
        Refresh(RecordOf(HIDUsbSim::storedRecord(m_Mouse)));
}

namespace {
// What the user does on the DPI bar, asleep or awake.
enum class Act { SelectLevel2, SelectLevel3, DragRight, Plus, Minus, Slider2400, CountTo1, CountTo2 };
using Acts = QList<int>;
} // namespace

void TestSensorPage::offlineEpisode_data()
{
    QTest::addColumn<Acts>("asleep");
    QTest::addColumn<bool>("reRead");
    QTest::addColumn<Acts>("awake");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("from"); // level i holds the colour of the start's level from[i]
    QTest::addColumn<QList<int>>("dpi");  // and this DPI
    const int sel2 = int(Act::SelectLevel2), sel3 = int(Act::SelectLevel3), drag = int(Act::DragRight);
    const int plus = int(Act::Plus), minus = int(Act::Minus), slider = int(Act::Slider2400);
    const QList<int> same = {0, 1, 2, 3};
    // Start: four levels 400 (red, current), 800 (green), 1600, 3200.
    QTest::newRow("level selected asleep, slider after the re-read")
        << Acts{sel2} << true << Acts{slider} << 4 << 0 << same << QList<int>{2400, 800, 1600, 3200};
    QTest::newRow("level selected asleep, minus after the re-read")
        << Acts{sel2} << true << Acts{minus} << 4 << 0 << same << QList<int>{350, 800, 1600, 3200};
    QTest::newRow("level selected asleep, plus at once")
        << Acts{sel2} << false << Acts{plus} << 4 << 0 << same << QList<int>{400, 800, 1650, 3200};
    QTest::newRow("level dragged asleep, count lowered at once")
        << Acts{drag} << false << Acts{int(Act::CountTo1)} << 1 << 0 << same << QList<int>{400, 800, 1600, 3200};
    QTest::newRow("value stepped asleep, slider after the re-read")
        << Acts{plus} << true << Acts{slider} << 4 << 0 << same << QList<int>{2400, 800, 1600, 3200};
    // The whole episode: the bar shows level 2 (selected asleep) and keeps it
    // through the drag; the slider edits it, and the lower count swaps it
    // with level 1.
    QTest::newRow("select, drag, step asleep; edit and lower the count at once")
        << Acts{sel2, drag, plus} << false << Acts{slider, int(Act::CountTo2)} << 2 << 1 << QList<int>{0, 2, 1, 3}
        << QList<int>{400, 2400, 800, 3200};
    // After the re-read the mouse's own level 0 is current again.
    QTest::newRow("select, drag, step asleep; edit, select and lower the count after the re-read")
        << Acts{sel2, drag, plus} << true << Acts{slider, sel3, int(Act::CountTo2)} << 2 << 1 << QList<int>{0, 3, 2, 1}
        << QList<int>{2400, 3200, 1600, 800};
}

// A wireless mouse falls asleep while the user works the DPI bar, and wakes
// again: nothing done asleep reaches it or moves what the bar takes as the
// current level, each thing tried asleep tells the user once, and every
// change made after the wake is sent.
void TestSensorPage::offlineEpisode()
{
    QFETCH(Acts, asleep);
    QFETCH(bool, reRead);
    QFETCH(Acts, awake);
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(QList<int>, from);
    QFETCH(QList<int>, dpi);
    FlashDataMap start = BaseRecord();
    start.CurrentDPI = 0;
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(start));
    Refresh(start);
    SensorDPI *dpiBar = ui->frameDpi;
    auto act = [&](int a) {
        switch (Act(a)) {
        case Act::SelectLevel2:
            Level(2)->click();
            break;
        case Act::SelectLevel3:
            Level(3)->click();
            break;
        case Act::DragRight: {
            // One step right from wherever the indicator rests.
            const int x = dpiBar->IndicatorPosition(dpiBar->CurrentLevel()).x();
            SendDrag(x + 15, x + 15 + 83);
            break;
        }
        case Act::Plus:
            bar->AddLevelA->click();
            break;
        case Act::Minus:
            bar->ReduceLevelA->click();
            break;
        case Act::Slider2400:
            bar->horizontalSliderC->setValue(2400);
            break;
        case Act::CountTo1:
            bar->ChooseEvent->setCurrentIndex(0);
            break;
        case Act::CountTo2:
            bar->ChooseEvent->setCurrentIndex(1);
            break;
        }
    };

    const int before = Updates();
    int notices = 0;
    WatchPtr watch = Sleep(&notices);
    for (int a : asleep) {
        act(a);
        // Asleep no value moves, and the bar's current level is the one whose
        // button is checked, with the indicator under it.
        const int level = dpiBar->CurrentLevel();
        QVERIFY(Level(level)->isChecked());
        QCOMPARE(bar->spinBoxA->value(), Level(level)->text().toInt());
        QCOMPARE(bar->label_8->pos(), dpiBar->IndicatorPosition(level));
    }
    watch.reset();
    QCOMPARE(notices, asleep.size());
    QCOMPARE(Updates(), before);
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), Bytes(start));

    Wake(reRead);
    QVERIFY(dpiBar->SliderArmed());
    for (int a : awake)
        act(a);

    const QByteArray held = HIDUsbSim::storedRecord(m_Mouse);
    const QByteArray startBytes = Bytes(start);
    QCOMPARE(int(held.at(1)), count);
    QCOMPARE(int(held.at(2)), current);
    for (int i = 0; i < 4; ++i) {
        const int at = 15 + 6 * i;
        QCOMPARE(held.mid(at + 3, 3), startBytes.mid(15 + 6 * from.at(i) + 3, 3));
        QCOMPARE(DecodeLevelDpi(quint8(held.at(at)), quint8(held.at(at + 2))), dpi.at(i));
    }
    // Past the levels the mouse holds what it held.
    QCOMPARE(held.mid(15 + 6 * 4), startBytes.mid(15 + 6 * 4));
    // Read back, the page shows what the mouse holds.
    Refresh(RecordOf(held));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Level(i)->text(), QString::number(dpi.at(i)));
}

void TestSensorPage::gating()
{
    {
        const ConfigOverride config("Drive1", "XIn1", "2");
        Refresh(BaseRecord());
        for (QWidget *w : std::initializer_list<QWidget *>{ui->label_5, ui->frameLOD, ui->Performance,
                                                           ui->PerformanceOpen, ui->frame, ui->frame_3, ui->frame_4})
            QVERIFY(w->isHidden());
        QCOMPARE(ui->frameEffect->pos(), QPoint(80, 316));
        QCOMPARE(ui->TitleButton_3->pos(), QPoint(40, 323));
    }
    Refresh(BaseRecord());
    QVERIFY(!ui->label_5->isHidden());
    QCOMPARE(ui->frameEffect->pos(), QPoint(80, 456));

    const DeviceAllInfo saved = g_CurrentDevice.get();
    auto withReceiver = [&](int type, bool other) {
        g_CurrentDevice.update([&](DeviceAllInfo &d) {
            d.ReceiverType = uchar(type);
            d.Wired = other;
        });
    };
    withReceiver(4, false);
    Refresh(BaseRecord());
    QVERIFY(!ui->frameRate->RateButton(4)->isHidden());
    QVERIFY(ui->frameRate->RateButton(5)->isHidden());
    withReceiver(0, false);
    Refresh(BaseRecord());
    QVERIFY(ui->frameRate->RateButton(4)->isHidden());
    QVERIFY(ui->frameRate->RateButton(5)->isHidden());
    for (int type : {2, 3}) {
        withReceiver(type, true);
        FlashDataMap record = BaseRecord();
        record.ReportRate = 16;
        Refresh(record);
        QCOMPARE(ui->frameRate->CheckedIndex(), 3);
        QCOMPARE(ui->ModelChoose->currentIndex(), 2);
        QVERIFY(!ui->ModelChoose->isEnabled());
    }
    g_CurrentDevice.set(saved);
    Refresh(BaseRecord());
    QVERIFY(ui->ModelChoose->isEnabled());
    QVERIFY(m_Page->ModelView()->isRowHidden(2));
}

void TestSensorPage::sensorModeFollowsTheRate()
{
    // The hidden mode mirror of a "3395" on the 4 kHz receiver: corded mode
    // (index 2, fixed) at 2000 and 4000 Hz, the device's own mode below.
    FlashDataMap record = BaseRecord();
    record.SensorMode = 1;
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    Refresh(record);
    QCOMPARE(ui->ModelChoose->currentIndex(), 1);
    QVERIFY(ui->ModelChoose->isEnabled());
    const int before = Updates();
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(0), QByteArray(1, char(32))));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->frameRate->CheckedIndex(), 5);
    QCOMPARE(ui->ModelChoose->currentIndex(), 2);
    QVERIFY(!ui->ModelChoose->isEnabled());
    QVERIFY(!m_Page->ModelView()->isRowHidden(2));
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(0), QByteArray(1, char(8))));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->frameRate->CheckedIndex(), 0);
    QCOMPARE(ui->ModelChoose->currentIndex(), 1);
    QVERIFY(ui->ModelChoose->isEnabled());
    QVERIFY(m_Page->ModelView()->isRowHidden(2));
    // The data callback hands each rate report's record back; the page adds nothing.
    QCOMPARE(Updates(), before + 2);

    // A click: the widget's and the page's follow-ups agree.
    ui->frameRate->RateButton(4)->click();
    QCOMPARE(ui->ModelChoose->currentIndex(), 2);
    ui->frameRate->RateButton(3)->click();
    QCOMPARE(ui->ModelChoose->currentIndex(), 1);
    QVERIFY(m_Page->ModelView()->isRowHidden(2));
}

void TestSensorPage::moreGradesThanLevels()
{
    const ConfigOverride config("Drive1", "DPIMaxGrade", "12");
    Refresh(BaseRecord());
    QCOMPARE(bar->ChooseEvent->count(), 8);
    QCOMPARE(Level(7)->text(), QString("10000"));
}

void TestSensorPage::missingRangesUseTheFormula()
{
    for (bool remove : {false, true}) {
        const ConfigOverride config("Drive1", "DPIRange", QString(), remove);
        Refresh(BaseRecord());
        QCOMPARE(g_DPIRangeCount, 0);
        QCOMPARE(g_DPIRangeMode, 0);
        Level(0)->click();
        bar->horizontalSliderC->setValue(1250);
        // Factor 1, no flags, no snapping: 1250 / 50 - 1.
        QCOMPARE(int(quint8(Sent().at(15))), 24);
        QCOMPARE(int(quint8(Sent().at(17))), 0);
        QCOMPARE(Level(0)->text(), QString("1250"));
    }
}

void TestSensorPage::reportsSendNothing()
{
    FlashDataMap record = BaseRecord();
    record.DPILed.Brightness = 60; // level 3
    Refresh(record);
    QCOMPARE(ui->frameEffect->Form()->LightH->value(), 3);
    const int before = Updates();
    // A DPI-LED report whose brightness byte is in no table row: shown as the
    // top level, and not "corrected" on the mouse.
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(0x4C), QByteArray("\x01\x64\x03\x01\x00\x00\x00\x00", 8)));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->frameEffect->Form()->LightH->value(), 10);
    QCOMPARE(int(FlashData::snapshot().DPILed.Brightness), 100);
    // A current-DPI report moves the indicator.
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(4), QByteArray(1, char(2))));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(bar->label_8->pos(), QPoint(209, 154));
    QVERIFY(Level(2)->isChecked());
    QCOMPARE(ui->frameDpi->CurrentLevel(), 2);
    QVERIFY(g_UiReady);
    QCOMPARE(Updates(), before);
}

void TestSensorPage::levelReportKeepsTheSendGate_data()
{
    QTest::addColumn<bool>("ready");
    QTest::newRow("pages may send") << true;
    QTest::newRow("pages may not send yet") << false;
}

// The mouse's current-DPI report moves the bar with the send gate closed and
// gives it back as it found it: a report must not open it.
void TestSensorPage::levelReportKeepsTheSendGate()
{
    QFETCH(bool, ready);
    g_UiReady = ready;
    QVERIFY(HIDUsbSim::injectReport(ReportHeader(4), QByteArray(1, char(2))));
    QVERIFY(HIDUsbSim::waitIdle());
    const bool after = g_UiReady;
    g_UiReady = true;
    QCOMPARE(after, ready);
    QVERIFY(Level(2)->isChecked());
    QCOMPARE(ui->frameDpi->CurrentLevel(), 2);
    QCOMPARE(bar->label_8->pos(), QPoint(209, 154));
}

void TestSensorPage::factoryView()
{
    // The mouse answers all along: the view must still send nothing.
    const int before = Updates();
    FromHelperThread([] { PostMsg::GetInstance()->EmitFormReset(); });
    QCOMPARE(Updates(), before);
    QCOMPARE(bar->ChooseEvent->count(), 7);
    QCOMPARE(bar->ChooseEvent->currentIndex(), 6);
    QVERIFY(Level(2)->isChecked());
    QCOMPARE(bar->label_8->pos(), QPoint(209, 154));
    QCOMPARE(bar->horizontalSliderC->value(), 2400);
    QCOMPARE(bar->spinBoxA->value(), 2400);
    QCOMPARE(Level(2)->text(), QString("1600")); // DPIGrade item 2 of the model
    QCOMPARE(ui->frameRate->CheckedIndex(), 5);
    QCOMPARE(ui->frameEffect->Form()->Model->currentIndex(), 2);
    QVERIFY(!ui->Performance->isChecked());
    QVERIFY(ui->frame_3->SwitchButton()->isChecked());
    QCOMPARE(int(g_SensorUiFilling), 0);
}

void TestSensorPage::languageFive()
{
    // The expected texts straight from the file.
    QFile file(LanguageLoader::FilePath(5));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QHash<QString, QString> texts;
    bool inSection = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("Sensor"))
            inSection = true;
        else if (reader.isEndElement() && reader.name() == QLatin1String("Sensor"))
            inSection = false;
        else if (inSection && reader.isStartElement())
            texts.insert(reader.name().toString(), reader.readElementText());
    }
    QCOMPARE(texts.size(), 27);

    PostMsg::GetInstance()->EmitChangeLanguage(5);
    Ui_SensorEffect *effect = ui->frameEffect->Form();
    const QList<QPair<QString, QString>> shown = {
        {"label_2", bar->label->text()},
        {"label_3", ui->frameRate->findChild<QLabel *>("label")->text()},
        {"label_5", ui->label_5->text()},
        {"label_11", ui->label_11->text()},
        {"ModeSelectDes", ui->label_11->toolTip()},
        {"label_12", ui->frameLOD->findChild<QLabel *>("label")->text()},
        {"LODDes", ui->frameLOD->findChild<QLabel *>("label")->toolTip()},
        {"label_7", ui->frame_3->findChild<QLabel *>("label")->text()},
        {"MotionSyncDes", ui->frame_3->findChild<QLabel *>("label")->toolTip()},
        {"Performance", ui->Performance->text()},
        {"FullPerformanceDes", ui->Performance->toolTip()},
        {"PerformanceOpen", ui->PerformanceOpen->itemText(0)},
        {"PerformanceOpen5", ui->PerformanceOpen->itemText(5)},
        {"Model", effect->Model->itemText(0)},
        {"Model2", effect->Model->itemText(2)},
        {"label", ui->frame->findChild<QLabel *>("label")->text()},
        {"RippleDes", ui->frame->findChild<QLabel *>("label")->toolTip()},
        {"label_6", ui->frame_4->findChild<QLabel *>("label")->text()},
        {"FixLineDes", ui->frame_4->findChild<QLabel *>("label")->toolTip()},
        {"label_4", effect->label->text()},
        {"label_14", effect->label_14->text()},
        {"label_15", effect->label_15->text()},
    };
    for (const auto &pair : shown)
        QCOMPARE(pair.second, texts.value(pair.first));
    // The mode mirror's items have no texts in the files.
    QCOMPARE(ui->ModelChoose->itemText(2), QString("Corded"));
    m_Window->grab().save(OrvikTest::outputDir("sensor") + "/02-japanese.png");
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    QCOMPARE(ui->label_5->text(), QString("Sensor settings"));
}

// The selectors' styled lists are made when a list first opens: a language
// picked before that is what the list shows, in the list's own look.
void TestSensorPage::listsMadeAtFirstOpeningShowTheLanguage()
{
    const QString sheet = Skin::ComboListSheet();
    auto styledLists = [&sheet](QWidget *box) {
        int n = 0;
        for (QListView *list : box->findChildren<QListView *>())
            n += list->styleSheet() == sheet ? 1 : 0;
        return n;
    };
    struct Selector
    {
        MyConmboBox *box;
        QStringList keys;
    };
    const QList<Selector> selectors = {
        {ui->PerformanceOpen,
         {"PerformanceOpen", "PerformanceOpen1", "PerformanceOpen2", "PerformanceOpen3", "PerformanceOpen4",
          "PerformanceOpen5"}},
        {ui->frameEffect->Form()->Model, {"Model", "Model1", "Model2"}},
    };
    for (const Selector &s : selectors)
        QCOMPARE(styledLists(s.box), 0);

    PostMsg::GetInstance()->EmitChangeLanguage(5);
    const QHash<QString, QString> texts = OrvikTest::SectionTexts(5, "Sensor");
    for (const Selector &s : selectors) {
        s.box->showPopup();
        QTRY_VERIFY(s.box->view()->isVisible());
        auto *list = qobject_cast<QListView *>(s.box->view());
        QVERIFY(list);
        QCOMPARE(list->styleSheet(), sheet);
        QCOMPARE(styledLists(s.box), 1);
        QStringList shown, expected;
        for (int row = 0; row < s.keys.size(); ++row) {
            shown << list->model()->index(row, 0).data().toString();
            expected << texts.value(s.keys.at(row));
        }
        s.box->hidePopup();
        QCOMPARE(shown, expected);
    }
    PostMsg::GetInstance()->EmitChangeLanguage(0);
}

void TestSensorPage::captionsFit_data()
{
    OrvikTest::LanguageRows();
}

// A caption wider than its fixed box loses its end (a Russian "Уровни DI").
void TestSensorPage::captionsFit()
{
    QFETCH(int, language);
    PostMsg::GetInstance()->EmitChangeLanguage(language);
    const QStringList clipped = OrvikTest::ClippedTexts(m_Page);
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

void TestSensorPage::stylePicturesExist()
{
    const QRegularExpression url("url\\(([^)]*)\\)");
    QList<QWidget *> widgets = m_Page->findChildren<QWidget *>();
    widgets.append(m_Page);
    int seen = 0;
    for (QWidget *w : widgets) {
        QRegularExpressionMatchIterator it = url.globalMatch(w->styleSheet());
        while (it.hasNext()) {
            const QString path = it.next().captured(1);
            QVERIFY2(QFile::exists(path), qPrintable(w->objectName() + ": " + path));
            QVERIFY2(path.contains("/Picture/Sensor/"), qPrintable(path));
            ++seen;
        }
    }
    QVERIFY(seen > 40);
}

void TestSensorPage::levelFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("missing") << false << QByteArray() << 1;
    QTest::newRow("empty first line") << true << QByteArray("\n3\n") << 1;
    QTest::newRow("no number") << true << QByteArray("abc\n") << 0;
    QTest::newRow("first line of several") << true << QByteArray("4\n7\n") << 4;
}

void TestSensorPage::levelFile()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    const QString path = m_Page->LevelFilePath();
    QCOMPARE(path, QDir::homePath() + "/.local/share/Orvik SE/usersetting/SensorPage/Level.ini");
    QFile::remove(path);
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    m_Page->ReadLevelFile();
    QCOMPARE(ui->frameDpi->LevelCount(), count);
    QVERIFY(m_Page->WriteLevelFile(6));
    m_Page->ReadLevelFile();
    QCOMPARE(ui->frameDpi->LevelCount(), 6);
    QFile::remove(path);
}

ORVIK_TEST_MAIN(TestSensorPage)
#include "tst_sensorpage.moc"
