// The button page end to end: a simulated receiver mouse is selected in the
// running utility, then the page's selectors and items are clicked and what
// reached the simulated mouse is checked. Refreshes that the worker or the
// data callback would hand over are emitted from a helper thread, as they
// arrive in the utility (blocking connections).

#include "TestMain.h"

#include "ButtonPageFixture.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "ConfigIni.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "DialogSkeleton.h"
#include "DriverSensorFile.h"
#include "FireKey.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "GroupKey.h"
#include "HIDUsbSim.h"
#include "KeyHookPlatform.h"
#include "LanguageFileTexts.h"
#include "LeftButtonOnly.h"
#include "MouseOffLine.h"
#include "PostMsg.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "Worker.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>

class TestButtonPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void form_data();
    void form();
    void clearFunctionCheckKeepsTheScrollItems();

    void assignments_data();
    void assignments();
    void fireKeyTakesTheDialogsValues();
    void fireKeyOfflineOpensNothing_data();
    void fireKeyOfflineOpensNothing();
    void combinations_data();
    void combinations();
    void longCombinationsStayInTheRecord();
    void offlineItemChangesNothing();
    void leftGuard();
    void pressesOnThePage();
    void reopening();
    void menuOpensWithItsTopRowWhole_data();
    void menuOpensWithItsTopRowWhole();
    void refreshShowsLabelsAndSendsNothing_data();
    void refreshShowsLabelsAndSendsNothing();
    void debouncePickReachesTheMouse();
    void configurationListRows_data();
    void configurationListRows();
    void configurationChoice();
    void configurationChoiceOffline_data();
    void configurationChoiceOffline();
    void factoryState();
    void offlineSelectionStartsFromTheFactoryState();
    void languageChangeEventKeepsTheConfiguration();
    void modelKeyCountsRunClean_data();
    void modelKeyCountsRunClean();
    void sampleMiceShowTheirMousePicture_data();
    void sampleMiceShowTheirMousePicture();

private:
    QToolButton *Button(const QString &name) const
    {
        QToolButton *b = m_Page->findChild<QToolButton *>(name);
        if (!b)
            qFatal("no button %s", qPrintable(name));
        return b;
    }
    // The record the page starts each test from: factory functions, no key
    // events, debounce 4; shown as a full read would show it.
    FlashDataMap BaseRecord() const;
    void Refresh(const FlashDataMap &record);
    // Each selector reads as its factory function's menu item, the menu
    // opening at that item.
    void ExpectFactoryLabels()
    {
        QCOMPARE(ui->FireKey->text(), ui->LeftKey_3->text());
        QCOMPARE(ui->RightKey->text(), ui->RightKey_3->text());
        QCOMPARE(ui->BackKey->text(), ui->MidKey->text());
        QCOMPARE(ui->TopMusic->text(), ui->BackKey_2->text());
        QCOMPARE(ui->StartPause->text(), ui->ForWardKey->text());
        QCOMPARE(ui->BackMusic->text(), ui->VolumeUp_8->text());
    }

    DialogMain *m_Window = nullptr;
    Buttoninterface *m_Page = nullptr;
    Ui_Buttoninterface *ui = nullptr;
    int m_Mouse = 0;
};

void TestButtonPage::initTestCase()
{
    QVERIFY(StartOnOneMouse(HIDUsbSim::sampleReceiverMouse("rx", "m1"), &m_Window, &m_Mouse));
    QCOMPARE(m_Window->CurrentPage(), 1);
    m_Page = m_Window->MainFramePage()->ButtonPage();
    ui = m_Page->Form();
    QVERIFY(g_UiReady);
    // The pages took the sensor table from the one reading of the file.
    QCOMPARE(DriverSensorFile::ReadCount(), 1);
}

FlashDataMap TestButtonPage::BaseRecord() const
{
    FlashDataMap record = FlashData::snapshot();
    const int factory[6][3] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 8, 0}, {1, 16, 0}, {2, 1, 0}};
    for (int i = 0; i < 6; ++i)
        SetKey(record, i, factory[i][0], factory[i][1], factory[i][2]);
    std::memset(record.KeyEvents, 0, sizeof record.KeyEvents);
    record.Debounce = 4;
    return record;
}

void TestButtonPage::Refresh(const FlashDataMap &record)
{
    FullReadRefresh(record);
}

void TestButtonPage::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setOnline(m_Mouse, true);
    HIDUsbSim::setOnlineAnswerHighBits(0);
    // The mouse holds what the page shows, so a re-read changes nothing.
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(BaseRecord()));
    Refresh(BaseRecord());
    QTest::mouseClick(m_Page, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // closes the menus
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->FireKey->text(), ui->LeftKey_3->text());
}

void TestButtonPage::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry"); // null: not checked
    QTest::addColumn<bool>("checkable");
    QTest::newRow("ProjectChoose") << "ProjectChoose"
                                   << "QComboBox" << QRect(60, 25, 128, 24) << false;
    QTest::newRow("DebunceButton") << "DebunceButton"
                                   << "DebounceTime" << QRect(35, 50, 165, 37) << false;
    QTest::newRow("DPI_6") << "DPI_6"
                           << "MyToolButton" << QRect() << true;
    QTest::newRow("DPI_8") << "DPI_8"
                           << "MyToolButton" << QRect() << true;
    QTest::newRow("FireKey") << "FireKey"
                             << "EndElidedToolButton" << QRect(30, 5, 262, 26) << true;
    QTest::newRow("StartPause") << "StartPause"
                                << "EndElidedToolButton" << QRect(30, 131, 262, 26) << true;
    QTest::newRow("Number4") << "Number4"
                             << "QToolButton" << QRect(85, 110, 38, 38) << false;
    QTest::newRow("Reset") << "Reset"
                           << "QToolButton" << QRect(580, 350, 90, 26) << false;
    QTest::newRow("groupBox") << "groupBox"
                              << "QGroupBox" << QRect(7, 380, 862, 216) << false;
    QTest::newRow("scrollArea_11") << "scrollArea_11"
                                   << "QScrollArea" << QRect(150, 2, 480, 212) << false;
    QTest::newRow("stackedWidget") << "stackedWidget"
                                   << "QStackedWidget" << QRect(445, -11, 201, 241) << false;
    QTest::newRow("widget") << "widget"
                            << "QWidget" << QRect(180, 20, 400, 356) << false;
}

void TestButtonPage::form()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(bool, checkable);
    QWidget *w = m_Page->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(QString(w->metaObject()->className()), className);
    if (!geometry.isNull())
        QCOMPARE(w->geometry(), geometry);
    if (QAbstractButton *b = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(b->isCheckable(), checkable);

    // The sub-menu pages in their stack order; the sixth row and the
    // configuration-switch and lights entries are not offered.
    QStringList pages;
    for (int i = 0; i < ui->stackedWidget_2->count(); ++i)
        pages << ui->stackedWidget_2->widget(i)->objectName();
    QCOMPARE(pages, (QStringList{"page_3", "page_5", "page_6", "page_8", "page_9", "page_4", "page_7", "page_10"}));
    for (QWidget *hidden :
         {static_cast<QWidget *>(ui->Number6), static_cast<QWidget *>(ui->label_13),
          static_cast<QWidget *>(ui->BackMusic), static_cast<QWidget *>(ui->DPI_3), static_cast<QWidget *>(ui->DPI_9)})
        QVERIFY(hidden->isHidden());
    QCOMPARE(ui->DebunceButton->Combo()->count(), 21);
    // The configuration combo keeps its press index (it has no meta-object of its own).
    QVERIFY(dynamic_cast<MyConmboBox *>(m_Page->findChild<QComboBox *>("ProjectChoose")));
    // The skin's button colour reaches the selector column's sheet.
    QVERIFY(ui->scrollAreaWidgetContents_11->styleSheet().contains(
        "rgb(" + ConfigIni::GetInstance()->GetValueList("Option", "ButtonColor").mid(0, 3).join(",") + ";)"));
}

void TestButtonPage::clearFunctionCheckKeepsTheScrollItems()
{
    ui->Player->setChecked(true);
    m_Page->ClearFunctionCheck();
    QVERIFY(!ui->Player->isChecked());
    ui->VolumeUp_14->setChecked(true);
    m_Page->ClearFunctionCheck();
    QVERIFY(ui->VolumeUp_14->isChecked());
    ui->VolumeUp_22->setChecked(true); // the group is exclusive again
    QVERIFY(!ui->VolumeUp_14->isChecked());
    m_Page->ClearFunctionCheck();
    QVERIFY(!ui->VolumeUp_22->isChecked());
}

void TestButtonPage::assignments_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("events"); // empty: not checked
    QTest::addColumn<QString>("label");     // empty: the item's text

    const QByteArray none;
    QTest::newRow("BackMusic_2 on BackKey")
        << "BackKey"
        << "BackMusic_2" << 2 << Hex("05 00 00")
        << Hex("02 00 00 00 00 02 B5 00 0A 00 00 00 01 02 B5 00 0A 00 00 00") + QByteArray(32, '\0') << "";
    QTest::newRow("Player on RightKey") << "RightKey"
                                        << "Player" << 1 << Hex("05 00 00")
                                        << Hex("02 00 00 00 00 02 83 01 0A 00 00 00 01 02 83 01 0A 00 00 00")
            + QByteArray(32, '\0') << "";
    const struct
    {
        const char *item;
        const char *bytes;
    } table1[] = {
        {"LeftKey_3", "01 01 00"},    {"RightKey_3", "01 02 00"},  {"MidKey", "01 04 00"},
        {"BackKey_2", "01 08 00"},    {"ForWardKey", "01 10 00"},  {"DPI_2", "07 00 00"},
        {"DPI_3", "09 00 00"},        {"DPI_5", "00 00 00"},       {"VolumeUp_8", "02 01 00"},
        {"VolumeUp_9", "02 02 00"},   {"VolumeUp_10", "02 03 00"}, {"VolumeUp_2", "03 01 00"},
        {"VolumeDown_2", "03 02 00"}, {"VolumeUp_14", "0B 01 00"}, {"VolumeDown_14", "0B 02 00"},
        {"VolumeUp_4", "08 00 00"},   {"VolumeUp_5", "08 01 00"},  {"VolumeUp_6", "08 03 00"},
        {"VolumeUp_7", "08 04 00"},
    };
    for (const auto &row : table1)
        QTest::newRow(row.item) << "RightKey" << row.item << 1 << Hex(row.bytes) << none << "";
    QTest::newRow("StartPause writes button 4") << "StartPause"
                                                << "DPI_2" << 4 << Hex("07 00 00") << none << "";
    QTest::newRow("TopMusic writes button 3") << "TopMusic"
                                              << "DPI_2" << 3 << Hex("07 00 00") << none << "";
    QTest::newRow("DPI lock 800 without a table") << "RightKey"
                                                  << "VolumeUp_22" << 1 << Hex("0A 0F 00") << none << "DPI_4-800";
}

void TestButtonPage::assignments()
{
    QFETCH(QString, selector);
    QFETCH(QString, item);
    QFETCH(int, button);
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, events);
    QFETCH(QString, label);
    if (label == "DPI_4-800")
        label = ui->DPI_4->text() + "-800";
    QToolButton *sel = Button(selector);
    QToolButton *it = Button(item);
    const int before = HIDUsbSim::updateCount(m_Mouse);
    QStringList labelsBefore;
    for (const char *name : kSelectors)
        labelsBefore << Button(name)->text();

    sel->click();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2); // the menu opened
    it->click();

    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 1);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74 + 3 * button, 3), function);
    if (!events.isEmpty())
        QCOMPARE(sent.mid(124 + 52 * button, 52), events);
    QCOMPARE(sel->text(), label.isEmpty() ? it->text() : label);
    // Every other selector keeps its label.
    for (int b = 0; b < 6; ++b)
        if (b != button)
            QCOMPARE(Button(kSelectors[b])->text(), labelsBefore.at(b));
    QCOMPARE(m_Page->KeyTypes().at(button), int(quint8(function.at(0))));
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_9);
}

void TestButtonPage::fireKeyTakesTheDialogsValues()
{
    ui->RightKey->click();
    bool seen = false;
    WatchPtr watch = Watch([&] {
        if (FireKey *dialog = qobject_cast<FireKey *>(QApplication::activeModalWidget())) {
            seen = true;
            // A button without a fire key starts from the presets.
            QCOMPARE(dialog->findChild<QSpinBox *>("Time")->value(), 10);
            QCOMPARE(dialog->findChild<QSpinBox *>("Count")->value(), 3);
            dialog->findChild<QSpinBox *>("Time")->setValue(20);
            dialog->findChild<QSpinBox *>("Count")->setValue(0);
            dialog->findChild<QToolButton *>("NewHong")->click();
        }
    });
    QTest::mousePress(ui->DPI_6, Qt::LeftButton); // acts on the press
    watch.reset();
    QVERIFY(seen);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse).mid(74 + 3, 3), Hex("04 14 00"));
    QCOMPARE(ui->RightKey->text(), ui->DPI_6->text());
    QCOMPARE(m_Page->KeyParam1s().at(1), 20);
    QCOMPARE(m_Page->KeyParam2s().at(1), 0);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
}

namespace {

// Only the low byte of the library's online answer counts: an answer with
// higher bits set and a zero low byte is an offline mouse.
void OfflineAnswerRows()
{
    QTest::addColumn<int>("highBits");
    QTest::newRow("answer 0") << 0;
    QTest::newRow("answer 0x100") << 0x100;
}

} // namespace

void TestButtonPage::fireKeyOfflineOpensNothing_data()
{
    OfflineAnswerRows();
}

void TestButtonPage::fireKeyOfflineOpensNothing()
{
    QFETCH(int, highBits);
    ui->RightKey->click();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2);
    const QString labelBefore = ui->RightKey->text();
    const int before = HIDUsbSim::updateCount(m_Mouse);
    HIDUsbSim::setOnline(m_Mouse, false);
    HIDUsbSim::setOnlineAnswerHighBits(highBits);
    int notices = 0;
    const QMetaObject::Connection counter =
        connect(PostMsg::GetInstance(), &PostMsg::SigMouseOffLineo, this, [&notices](int) { ++notices; });
    bool dialogSeen = false;
    WatchPtr watch = Watch([&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogSeen = dialogSeen || qobject_cast<FireKey *>(modal);
            modal->close();
        }
    });
    QTest::mousePress(ui->DPI_6, Qt::LeftButton);
    watch.reset();
    disconnect(counter);
    // The menu closes quietly: no dialog, no notice, nothing written.
    QVERIFY(!dialogSeen);
    QCOMPARE(notices, 0);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);
    QCOMPARE(ui->RightKey->text(), labelBefore);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_9);
}

void TestButtonPage::combinations_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QByteArray>("events");
    QTest::addColumn<QString>("label");
    // Modifiers come first in the text in the dialog's order (Shift, Ctrl);
    // presses in the text's order, releases reversed, delay 10 each.
    QTest::newRow("Ctrl and Shift with A")
        << QStringList{"Ctrl", "Shift"} << QList<int>{0x41}
        << Hex("06 00 00 00 00 00 02 00 0A 00 00 00 00 00 01 00 0A 00 00 00 00 01 04 00 0A 00 00 00"
               "01 01 04 00 0A 00 00 00 01 00 01 00 0A 00 00 00 01 00 02 00 0A 00 00 00")
        << "Shift+Ctrl+A";
    // F1..F12 are real keys of a combination, and read back under their names.
    QTest::newRow("Ctrl+F1") << QStringList{"Ctrl"} << QList<int>{0x70}
                             << Hex("04 00 00 00 00 00 01 00 0A 00 00 00 00 01 3A 00 0A 00 00 00"
                                    "01 01 3A 00 0A 00 00 00 01 00 01 00 0A 00 00 00")
            + QByteArray(16, '\0')
                             << "Ctrl+F1";
    // "Num+" is one key despite its plus sign.
    QTest::newRow("Num+") << QStringList() << QList<int>{0x6B}
                          << Hex("02 00 00 00 00 01 57 00 0A 00 00 00 01 01 57 00 0A 00 00 00") + QByteArray(32, '\0')
                          << "Num+";
}

void TestButtonPage::combinations()
{
    QFETCH(QStringList, ticked);
    QFETCH(QList<int>, keys);
    QFETCH(QByteArray, events);
    QFETCH(QString, label);
    ui->RightKey->click();
    bool seen = false;
    WatchPtr watch = Watch([&] {
        // The dialog's hook sees keys only while it is in front.
        GroupKey *dialog = qobject_cast<GroupKey *>(QApplication::activeModalWidget());
        if (!dialog || seen || !dialog->isActiveWindow())
            return;
        seen = true;
        for (const QString &box : ticked)
            dialog->findChild<QCheckBox *>(box)->setChecked(true);
        for (int vk : keys) {
            KeyHookPlatform::Instance()->InjectVirtualKey(vk, true);
            KeyHookPlatform::Instance()->InjectVirtualKey(vk, false);
        }
        dialog->findChild<QToolButton *>("NewHong")->click();
    });
    QTest::mousePress(ui->DPI_8, Qt::LeftButton);
    watch.reset();
    QVERIFY(seen);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74 + 3, 3), Hex("05 00 00"));
    QCOMPARE(sent.mid(124 + 52, 52), events);
    QCOMPARE(ui->RightKey->text(), label);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2); // the main list stays open

    // After a full read the label is derived from the record again.
    FlashDataMap record;
    std::memcpy(&record, sent.constData(), sizeof record);
    ui->RightKey->setText(QString());
    Refresh(record);
    QCOMPARE(ui->RightKey->text(), label);
}

void TestButtonPage::longCombinationsStayInTheRecord()
{
    // A default of more than three names (possible in Config.ini) keeps the first three.
    m_Page->SetComboKey(1, "Ctrl+Shift+Alt+A");
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74 + 3, 3), Hex("05 00 00"));
    QCOMPARE(sent.mid(124 + 52, 52),
             Hex("06 00 00 00 00 00 01 00 0A 00 00 00 00 00 02 00 0A 00 00 00 00 00 04 00 0A 00 00 00"
                 "01 00 04 00 0A 00 00 00 01 00 02 00 0A 00 00 00 01 00 01 00 0A 00 00 00"));
    // The record after button 1 is untouched.
    QCOMPARE(sent.mid(124 + 2 * 52, 52), QByteArray(52, '\0'));

    // A stored count beyond the six events reads no further than three keys.
    FlashDataMap record = BaseRecord();
    SetKey(record, 5, 5, 0, 0);
    SetEvents(record, 5, {MacroEvent{0, 0, 1, 10}, MacroEvent{0, 0, 2, 10}, MacroEvent{0, 0, 4, 10}});
    record.KeyEvents[5].EventCount = 255;
    Refresh(record);
    QCOMPARE(ui->BackMusic->text(), QString("Ctrl+Shift+Alt"));
}

void TestButtonPage::offlineItemChangesNothing()
{
    ui->RightKey->click();
    const QString labelBefore = ui->RightKey->text();
    const QVector<int> typesBefore = m_Page->KeyTypes();
    const int before = HIDUsbSim::updateCount(m_Mouse);
    const int readsBefore = HIDUsbSim::callCount("UsbServer_ReadAllFlashData");
    HIDUsbSim::setOnline(m_Mouse, false);
    bool noticeSeen = false;
    int updatesAtNotice = -1;
    bool waitShown = false;
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        if (qobject_cast<MouseOffLine *>(QApplication::activeModalWidget()) && !noticeSeen) {
            noticeSeen = true;
            updatesAtNotice = HIDUsbSim::updateCount(m_Mouse);
            HIDUsbSim::setOnline(m_Mouse, true); // the notice closes on the next check
        }
    });
    ui->VolumeUp_8->click();
    QVERIFY(noticeSeen);
    QCOMPARE(updatesAtNotice, before);
    QCOMPARE(ui->RightKey->text(), labelBefore);
    QCOMPARE(m_Page->KeyTypes(), typesBefore);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_9);
    // The re-read that follows the notice ends before the next test.
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > readsBefore, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
    QCOMPARE(ui->RightKey->text(), labelBefore);
}

void TestButtonPage::leftGuard()
{
    const int before = HIDUsbSim::updateCount(m_Mouse);
    QPoint noticeAt;
    QSize noticeSize;
    int notices = 0;
    WatchPtr watch = Watch([&] {
        if (LeftButtonOnly *notice = qobject_cast<LeftButtonOnly *>(QApplication::activeModalWidget())) {
            ++notices;
            noticeAt = notice->pos();
            noticeSize = notice->size();
            notice->close();
        }
    });
    ui->FireKey->click(); // the only Left click
    QCOMPARE(notices, 1);
    QCOMPARE(noticeAt,
             DialogSkeleton::CentredPosition(m_Page->mapToGlobal(QPoint(0, 0)), m_Page->size(), noticeSize, -50, -70));
    for (const char *name : kSelectors)
        QVERIFY(!Button(name)->isChecked());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);

    // With two Left selectors either may be reassigned.
    FlashDataMap record = BaseRecord();
    SetKey(record, 1, 1, 1, 0);
    Refresh(record);
    ui->FireKey->click();
    QCOMPARE(notices, 1);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2);
    QVERIFY(ui->LeftKey_3->isChecked());
}

void TestButtonPage::pressesOnThePage()
{
    // A number mark checks its selector without opening the menu.
    ui->Number2->click();
    QVERIFY(ui->RightKey->isChecked());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);

    // A right press outside the panel while a sub-menu is open changes nothing.
    ui->RightKey->click();
    ui->DPI_12->click();
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_3);
    QTest::mouseClick(m_Page, Qt::RightButton, Qt::NoModifier, QPoint(300, 100));
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_3);
    QVERIFY(ui->RightKey->isChecked());

    // A left press on the mouse picture closes everything.
    QTest::mouseClick(m_Page, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_9);
    QVERIFY(!ui->RightKey->isChecked());
    QCOMPARE(ui->scrollArea_11->verticalScrollBar()->styleSheet(), QString("QScrollBar {width:10px;}"));
}

void TestButtonPage::reopening()
{
    FlashDataMap record = BaseRecord();
    SetKey(record, 0, 5, 0, 0);
    SetEvents(record, 0, {MacroEvent{0, 2, 0x183, 10}, MacroEvent{1, 2, 0x183, 10}});
    // A DPI lock whose code stands for 750 DPI: no item has it.
    SetKey(record, 1, 10, 14, 0);
    Refresh(record);
    QCOMPARE(ui->FireKey->text(), ui->Player->text());
    QCOMPARE(ui->RightKey->text(), ui->DPI_4->text() + "-750");

    ui->FireKey->click();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_3);
    QVERIFY(ui->Player->isChecked());
    QVERIFY(ui->DPI_12->isChecked());
    // Scrolled to the multimedia item: 15 px per place, back to where the
    // top row shows whole (less than a row's pitch).
    QScrollBar *mainList = ui->scrollArea_4->verticalScrollBar();
    const int asked = qMin(240, mainList->maximum());
    const int pitch = ui->RightKey_3->y() - ui->LeftKey_3->y();
    QVERIFY2(mainList->sliderPosition() <= asked && mainList->sliderPosition() > asked - pitch,
             qPrintable(QString::number(mainList->sliderPosition())));
    QCOMPARE(ui->scrollArea_3->verticalScrollBar()->sliderPosition(), 0);

    ui->RightKey->click();
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_8);
    QVERIFY(ui->DPI_4->isChecked());
    for (QAbstractButton *b : ui->page_8->findChildren<QAbstractButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
}

void TestButtonPage::menuOpensWithItsTopRowWhole_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("param1");
    QTest::addColumn<int>("media"); // the consumer usage of the key record; 0: none
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("subList"); // the sub-menu's list; empty: none checked
    QTest::addColumn<QString>("subItem");
    const QString none;
    QTest::newRow("right button") << 1 << 2 << 0 << "RightKey_3" << none << none;
    QTest::newRow("middle button") << 1 << 4 << 0 << "MidKey" << none << none;
    QTest::newRow("back") << 1 << 8 << 0 << "BackKey_2" << none << none;
    QTest::newRow("forward") << 1 << 16 << 0 << "ForWardKey" << none << none;
    QTest::newRow("rate switch") << 7 << 0 << 0 << "DPI_2" << none << none;
    QTest::newRow("fire key") << 4 << 0 << 0 << "DPI_6" << none << none;
    QTest::newRow("combination") << 5 << 0 << 0 << "DPI_8" << none << none;
    QTest::newRow("no function") << 0 << 0 << 0 << "DPI_5" << none << none;
    QTest::newRow("tilt") << 3 << 1 << 0 << "DPI_11" << none << none;
    QTest::newRow("scroll") << 11 << 1 << 0 << "DPI_13" << none << none;
    QTest::newRow("DPI switch") << 2 << 1 << 0 << "DPI_7" << none << none;
    QTest::newRow("DPI lock") << 10 << 15 << 0 << "DPI_4"
                              << "scrollArea_10"
                              << "VolumeUp_22";
    QTest::newRow("macro") << 6 << 1 << 0 << "DPI_10" << none << none;
    QTest::newRow("multimedia") << 5 << 0 << 0xCD << "DPI_12"
                                << "scrollArea_3"
                                << "StartPause_2";
    QTest::newRow("multimedia, far down") << 5 << 0 << 0x226 << "DPI_12"
                                          << "scrollArea_3"
                                          << "VolumeDown_12";
}

// The menu scrolls to the selector's function: the first row it shows lies
// whole inside the frame (the menu sits above the frame's top edge), and so
// does the function's own item.
void TestButtonPage::menuOpensWithItsTopRowWhole()
{
    QFETCH(int, type);
    QFETCH(int, param1);
    QFETCH(int, media);
    QFETCH(QString, item);
    QFETCH(QString, subList);
    QFETCH(QString, subItem);
    FlashDataMap record = BaseRecord();
    SetKey(record, 1, type, param1, 0);
    if (media)
        SetEvents(record, 1, {MacroEvent{0, 2, quint16(media), 10}, MacroEvent{1, 2, quint16(media), 10}});
    else if (type == 5)
        SetEvents(record, 1, {MacroEvent{0, 1, 0x04, 10}, MacroEvent{1, 1, 0x04, 10}});
    Refresh(record);
    ui->RightKey->click();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_2);

    QWidget *frame = ui->groupBox;
    const auto inFrame = [frame](const QWidget *w) { return QRect(w->mapTo(frame, QPoint(0, 0)), w->size()); };
    // The list's first row the frame shows, and the checked item, lie whole
    // inside the frame.
    const auto check = [&](const QScrollArea *list, const QString &name) -> QString {
        const QRect shown = inFrame(list->viewport()) & frame->rect();
        if (shown.isEmpty())
            return list->objectName() + " not shown";
        const QLayout *layout = list->widget()->layout();
        QRect top;
        for (int i = 0; i < layout->count() && top.isNull(); ++i) {
            const QWidget *row = layout->itemAt(i)->widget();
            if (row && !row->isHidden() && inFrame(row).intersects(shown))
                top = inFrame(row);
        }
        if (!shown.contains(top))
            return QString("%1: top row %2..%3, frame shows %4..%5")
                .arg(list->objectName())
                .arg(top.top())
                .arg(top.bottom())
                .arg(shown.top())
                .arg(shown.bottom());
        const auto *wanted = m_Page->findChild<QAbstractButton *>(name);
        if (!wanted || !wanted->isChecked())
            return name + " not checked";
        if (!shown.contains(inFrame(wanted)))
            return name + " not whole in the frame";
        return QString();
    };
    QString fault = check(ui->scrollArea_4, item);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (!subList.isEmpty()) {
        fault = check(m_Page->findChild<QScrollArea *>(subList), subItem);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void TestButtonPage::refreshShowsLabelsAndSendsNothing_data()
{
    QTest::addColumn<QList<QList<int>>>("keys"); // per device button: type, p1, p2
    QTest::addColumn<QStringList>("labels");     // item names; "=" prefix: a literal label; "@": a macro's name
    QTest::addColumn<int>("debounce");
    QTest::newRow("types 0 to 5") << QList<QList<int>>{{0, 0, 0}, {1, 8, 0},  {2, 3, 0},
                                                       {3, 2, 0}, {4, 20, 1}, {5, 0, 0}}
                                  << QStringList{"DPI_5",        "BackKey_2", "VolumeUp_10",
                                                 "VolumeDown_2", "DPI_6",     "=Ctrl+Shift+A"}
                                  << 7;
    QTest::newRow("types 6 to 11") << QList<QList<int>>{{6, 0, 254}, {7, 0, 0},   {8, 3, 0},
                                                        {9, 0, 0},   {10, 15, 0}, {11, 1, 0}}
                                   << QStringList{"@Mac1", "DPI_2", "VolumeUp_6", "DPI_3", "=DPI_4-800", "VolumeUp_14"}
                                   << 20;
}

void TestButtonPage::refreshShowsLabelsAndSendsNothing()
{
    QFETCH(QList<QList<int>>, keys);
    QFETCH(QStringList, labels);
    QFETCH(int, debounce);
    FlashDataMap record = BaseRecord();
    for (int b = 0; b < 6; ++b)
        SetKey(record, b, keys[b][0], keys[b][1], keys[b][2]);
    SetEvents(record, 5,
              {MacroEvent{0, 0, 1, 10}, MacroEvent{0, 0, 2, 10}, MacroEvent{0, 1, 4, 10}, MacroEvent{1, 1, 4, 10},
               MacroEvent{1, 0, 2, 10}, MacroEvent{1, 0, 1, 10}});
    std::memset(&record.Macros[0], 0, sizeof record.Macros[0]);
    std::memcpy(record.Macros[0].Name, "Mac1", 4);
    record.Macros[0].NameLength = 4;
    record.Debounce = quint8(debounce);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    const int before = HIDUsbSim::updateCount(m_Mouse);

    Refresh(record);

    QCOMPARE(int(g_ButtonPageUpdated), 1);
    QCOMPARE(int(g_SensorPageUpdated), 1);
    QCOMPARE(int(g_ButtonPageUpdating), 0);
    for (int b = 0; b < 6; ++b) {
        QString expected = labels.at(b);
        if (expected == "=DPI_4-800")
            expected = ui->DPI_4->text() + "-800";
        else if (expected.startsWith('='))
            expected = expected.mid(1);
        else if (expected.startsWith('@')) // after the language's macro prefix
            expected = OrvikTest::SectionTexts(LanguageLoader::StoredIndex(), "Buttoninterface").value("Macro_")
                + expected.mid(1);
        else
            expected = Button(expected)->text();
        QCOMPARE(Button(kSelectors[b])->text(), expected);
    }
    QCOMPARE(ui->DebunceButton->Combo()->currentIndex(), debounce);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);
}

void TestButtonPage::debouncePickReachesTheMouse()
{
    QVERIFY(g_UiReady);
    const int before = HIDUsbSim::updateCount(m_Mouse);
    ui->DebunceButton->Combo()->setCurrentIndex(15);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 1);
    QCOMPARE(int(quint8(HIDUsbSim::lastRecord(m_Mouse).at(6))), 15);

    // While the pages may not send, a pick only changes the combo.
    g_UiReady = false;
    ui->DebunceButton->Combo()->setCurrentIndex(9);
    g_UiReady = true;
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 1);
    QCOMPARE(ui->DebunceButton->Combo()->currentIndex(), 9);
}

void TestButtonPage::configurationListRows_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("select");
    QTest::addColumn<bool>("enable");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::newRow("4, 2, true") << 4 << 2 << true << 4 << 2;
    QTest::newRow("0, 0, false") << 0 << 0 << false << 1 << 0;
    QTest::newRow("4, 7, true") << 4 << 7 << true << 4 << -1;
}

void TestButtonPage::configurationListRows()
{
    QFETCH(int, total);
    QFETCH(int, select);
    QFETCH(bool, enable);
    QFETCH(int, count);
    QFETCH(int, current);
    FromHelperThread([=] { PostMsg::GetInstance()->EmitUpDataConfigUI(total, select, enable); });
    QCOMPARE(ui->ProjectChoose->count(), count);
    QCOMPARE(ui->ProjectChoose->isEnabled(), enable);
    QCOMPARE(ui->ProjectChoose->currentIndex(), current);
    QVERIFY(ui->ProjectChoose->itemText(0).endsWith("1"));
    // Back to what the mouse reported.
    FromHelperThread([=] { PostMsg::GetInstance()->EmitUpDataConfigUI(4, HIDUsbSim::activeConfig(m_Mouse), true); });
}

void TestButtonPage::configurationChoice()
{
    QCOMPARE(ui->ProjectChoose->count(), 4);
    // Configuration 2 of the mouse holds a report-rate switch on button 1.
    FlashDataMap other = BaseRecord();
    SetKey(other, 1, 7, 0, 0);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(other), 2);
    Worker::AgeProfileChangeTimer(10000); // the earlier switch lies far back
    HIDUsbSim::clearCalls();

    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    bool settleSeen = false;
    WatchPtr watch = Watch([&] { settleSeen = settleSeen || (wait->isVisible() && wait->m_SettleMode); });
    ui->ProjectChoose->setCurrentIndex(2);
    emit ui->ProjectChoose->activated(2);
    QVERIFY(HIDUsbSim::calls().contains("UsbServer_SetCurrentConfig(2)"));
    QCOMPARE(HIDUsbSim::activeConfig(m_Mouse), 2);
    QTRY_VERIFY_WITH_TIMEOUT(settleSeen, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(ui->RightKey->text(), ui->DPI_2->text());
    QCOMPARE(ui->ProjectChoose->currentIndex(), 2);
}

void TestButtonPage::configurationChoiceOffline_data()
{
    OfflineAnswerRows();
}

void TestButtonPage::configurationChoiceOffline()
{
    QFETCH(int, highBits);
    QCOMPARE(ui->ProjectChoose->count(), 4);
    ui->ProjectChoose->setCurrentIndex(1);
    QTest::mouseClick(ui->ProjectChoose, Qt::LeftButton); // remembers the press index
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    QCOMPARE(ui->ProjectChoose->m_PressIndex, 1);
    HIDUsbSim::setOnline(m_Mouse, false);
    HIDUsbSim::setOnlineAnswerHighBits(highBits);
    HIDUsbSim::clearCalls();
    bool noticeSeen = false;
    bool waitShown = false;
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        if (qobject_cast<MouseOffLine *>(QApplication::activeModalWidget()) && !noticeSeen) {
            noticeSeen = true;
            HIDUsbSim::setOnline(m_Mouse, true);
        }
    });
    ui->ProjectChoose->setCurrentIndex(3);
    emit ui->ProjectChoose->activated(3);
    QCOMPARE(ui->ProjectChoose->currentIndex(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(noticeSeen, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000); // the re-read after the notice
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
    QCOMPARE(HIDUsbSim::callCount("UsbServer_SetCurrentConfig"), 0);
}

void TestButtonPage::factoryState()
{
    // The worker's hand-over for an offline mouse without a cache file.
    HIDUsbSim::setOnline(m_Mouse, false);
    FlashDataMap record = BaseRecord();
    SetKey(record, 0, 6, 0, 0);
    Refresh(record);
    const int before = HIDUsbSim::updateCount(m_Mouse);
    const QString macroLabel = ui->FireKey->text();
    FromHelperThread([] { PostMsg::GetInstance()->EmitFormReset(); });
    QCOMPARE(m_Page->KeyTypes(), (QVector<int>{1, 1, 1, 1, 1, 2}));
    QCOMPARE(m_Page->KeyParam1s(), (QVector<int>{1, 2, 4, 8, 16, 1}));
    QCOMPARE(m_Page->KeyParam2s(), (QVector<int>{0, 0, 0, 0, 0, 0}));
    QCOMPARE(ui->DebunceButton->Combo()->currentIndex(), 12);
    QVERIFY(macroLabel != ui->LeftKey_3->text());
    ExpectFactoryLabels(); // the labels follow the functions
    QVERIFY(ui->widget->styleSheet().contains("mouse0.png"));
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);
    QCOMPARE(int(g_ButtonPageUpdating), 0);
    HIDUsbSim::setOnline(m_Mouse, true);

    // A button labelled with the fire key opens the dialog at its cached
    // values, which the factory state holds for all six buttons.
    ui->BackMusic->setText(ui->DPI_6->text());
    ui->BackMusic->setChecked(true);
    int time = -1;
    int count = -1;
    WatchPtr watch = Watch([&] {
        if (FireKey *dialog = qobject_cast<FireKey *>(QApplication::activeModalWidget())) {
            time = dialog->findChild<QSpinBox *>("Time")->value();
            count = dialog->findChild<QSpinBox *>("Count")->value();
            dialog->close();
        }
    });
    QTest::mousePress(ui->DPI_6, Qt::LeftButton);
    QCOMPARE(time, 10); // cached 1, kept within 10..255
    QCOMPARE(count, 0); // cached 0
}

void TestButtonPage::offlineSelectionStartsFromTheFactoryState()
{
    // The page shows another record than the factory one.
    FlashDataMap shown = BaseRecord();
    SetKey(shown, 0, 6, 0, 0);
    SetKey(shown, 1, 4, 20, 1);
    Refresh(shown);
    // What the mouse holds, read once it answers again.
    FlashDataMap stored = BaseRecord();
    SetKey(stored, 1, 7, 0, 0);
    stored.Debounce = 5;
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(stored));

    // Back to the list; the mouse goes away and no cache file is left.
    m_Window->MainFramePage()->Form()->UpArrow->click();
    QCOMPARE(m_Window->CurrentPage(), 0);
    QVERIFY(QFile::remove(Worker::DeviceInfoFilePath(g_DeviceInfoName.get())));
    HIDUsbSim::setOnline(m_Mouse, false);
    const int before = HIDUsbSim::updateCount(m_Mouse);
    int notices = 0;
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    WatchPtr watch = Watch([&] {
        if (MouseOffLine *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget())) {
            ++notices;
            notice->close();
        }
    });

    // The greyed tile: the main frame opens in the factory state, sends
    // nothing and raises no notice.
    QTRY_COMPARE(g_TileButtons.size(), 1);
    static_cast<QToolButton *>(g_TileButtons.first())->click();
    QCOMPARE(m_Window->CurrentPage(), 1);
    // The pass hands the factory state over blocking, so it is waited for
    // with the event loop running.
    QTRY_COMPARE_WITH_TIMEOUT(ui->DebunceButton->Combo()->currentIndex(), 12, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(g_Worker.load()->isFinished(), 10000);
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(m_Page->KeyTypes(), (QVector<int>{1, 1, 1, 1, 1, 2}));
    QCOMPARE(m_Page->KeyParam1s(), (QVector<int>{1, 2, 4, 8, 16, 1}));
    QCOMPARE(m_Page->KeyParam2s(), (QVector<int>{0, 0, 0, 0, 0, 0}));
    ExpectFactoryLabels();
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);

    // The mouse answers again: the online check starts a read of it.
    HIDUsbSim::clearCalls();
    HIDUsbSim::setOnline(m_Mouse, true);
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(ui->DebunceButton->Combo()->currentIndex(), 5, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    QVERIFY(HIDUsbSim::waitIdle());
    watch.reset();
    QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start("), 1);
    QCOMPARE(HIDUsbSim::callCount("UsbServer_ReadAllFlashData"), 1);
    QCOMPARE(ui->RightKey->text(), ui->DPI_2->text());
    QCOMPARE(notices, 0);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);
}

void TestButtonPage::languageChangeEventKeepsTheConfiguration()
{
    FromHelperThread([] { PostMsg::GetInstance()->EmitUpDataConfigUI(4, 1, true); });
    ui->RightKey->setText("x");
    QSignalSpy changed(ui->ProjectChoose, QOverload<int>::of(&QComboBox::currentIndexChanged));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(m_Page, &change);
    QCOMPARE(ui->RightKey->text(), ui->RightKey_3->text()); // the form's own text again
    QCOMPARE(ui->ProjectChoose->currentIndex(), 1);
    QCOMPARE(changed.count(), 0);
    FromHelperThread([=] { PostMsg::GetInstance()->EmitUpDataConfigUI(4, HIDUsbSim::activeConfig(m_Mouse), true); });
}

void TestButtonPage::modelKeyCountsRunClean_data()
{
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<int>("cached");
    QTest::newRow("4") << 4 << 4;
    QTest::newRow("20") << 20 << 16;
}

void TestButtonPage::modelKeyCountsRunClean()
{
    QFETCH(int, keyNumber);
    QFETCH(int, cached);
    const QString original = ConfigIni::GetInstance()->FilePath();
    QFile in(original);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray text = in.readAll();
    const int at = text.indexOf("KeyNumber=6");
    QVERIFY(at > 0);
    text.replace(at, 11, "KeyNumber=" + QByteArray::number(keyNumber));
    QTemporaryDir dir;
    QFile out(dir.filePath("Config.ini"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    ConfigIni::GetInstance()->Reload(out.fileName());

    Refresh(BaseRecord());
    QCOMPARE(m_Page->KeyTypes().size(), cached);
    // Close every dialog an item opens; the device stays online.
    WatchPtr watch = Watch([] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    const QStringList items = {"LeftKey_3",     "RightKey_3",    "MidKey",        "BackKey_2",    "ForWardKey",
                               "DPI_2",         "DPI_3",         "DPI_5",         "DPI_13",       "DPI_11",
                               "DPI_4",         "DPI_9",         "DPI_7",         "DPI_12",       "VolumeUp_8",
                               "VolumeUp_9",    "VolumeUp_10",   "VolumeUp_2",    "VolumeDown_2", "VolumeUp_14",
                               "VolumeDown_14", "VolumeUp_4",    "VolumeUp_5",    "VolumeUp_6",   "VolumeUp_7",
                               "Player",        "StartPause_2",  "BackMusic_2",   "TopMusic_2",   "Mute",
                               "VolumeUp",      "VolumeDown",    "VolumeDown_4",  "VolumeDown_5", "VolumeDown_6",
                               "VolumeDown_3",  "VolumeDown_8",  "VolumeDown_9",  "VolumeDown_7", "VolumeDown_10",
                               "VolumeDown_12", "VolumeDown_13", "VolumeDown_11", "VolumeUp_11",  "VolumeUp_12",
                               "VolumeUp_13",   "VolumeUp_16",   "VolumeUp_15",   "VolumeUp_19",  "VolumeUp_20",
                               "VolumeUp_22",   "VolumeUp_18",   "VolumeUp_24",   "VolumeUp_23",  "VolumeUp_21"};
    for (const char *selector : kSelectors) {
        for (const QString &item : items) {
            Button(selector)->click();
            Button(item)->click();
        }
        Button(selector)->click();
        QMetaObject::invokeMethod(m_Page, "on_DPI_6_clicked", Qt::DirectConnection);
        Button(selector)->click();
        QMetaObject::invokeMethod(m_Page, "on_DPI_8_clicked", Qt::DirectConnection);
    }
    for (const char *number : {"Number1", "Number2", "Number3", "Number4", "Number5", "Number6"})
        Button(number)->click();
    watch.reset();
    QCOMPARE(m_Page->KeyTypes().size(), cached);
    ConfigIni::GetInstance()->Reload(original);
}

void TestButtonPage::sampleMiceShowTheirMousePicture_data()
{
    QTest::addColumn<bool>("corded");
    QTest::addColumn<int>("modelIndex");
    QTest::newRow("wireless Drive1") << false << 0;
    QTest::newRow("corded Drive2") << true << 1;
}

void TestButtonPage::sampleMiceShowTheirMousePicture()
{
    // Last of this program: it leaves the page on another mouse.
    QFETCH(bool, corded);
    QFETCH(int, modelIndex);
    // Back to the device list, the picture gone, the next sample mouse in.
    m_Window->MainFramePage()->findChild<QToolButton *>("UpArrow")->click();
    QCOMPARE(m_Window->CurrentPage(), 0);
    ui->widget->setStyleSheet(QString());
    const QImage bare = ui->widget->grab().toImage();
    QVERIFY(HIDUsbSim::unplug(m_Mouse));
    m_Mouse = HIDUsbSim::plug(corded ? HIDUsbSim::sampleCordedMouse("cable3", "m3")
                                     : HIDUsbSim::sampleReceiverMouse("rx2", "m2"));

    // A user's click on its tile, once the list shows it.
    QTRY_VERIFY_WITH_TIMEOUT(
        g_PickerDeviceList.size() == 1 && g_PickerDeviceList.first().Path == HIDUsbSim::path(m_Mouse), 10000);
    QVERIFY(SelectOnlyTile(m_Window));
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(g_CurrentDevice.get().ModelIndex, modelIndex);
    const QString picture = UserPaths::pictureFolder() + "Buttoninterface/mouse0.png";
    QVERIFY(QFile::exists(picture));
    QVERIFY2(ui->widget->styleSheet().contains("url(" + picture + ")"), qPrintable(ui->widget->styleSheet()));
    // Drawn, not only named.
    QVERIFY(ui->widget->grab().toImage() != bare);
}

ORVIK_TEST_MAIN(TestButtonPage)
#include "tst_buttonpage.moc"
