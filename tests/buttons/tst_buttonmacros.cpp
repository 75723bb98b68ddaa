// The button page's macro list and macro binding, driven through the running
// utility against a simulated mouse: the list built from the macro folder,
// a macro file bound to a button and what reached the mouse, the rewrite of
// macro files from a device read, and the rename and save flows of the macro
// page.
#include "ButtonPageFixture.h"
#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "ConfigIni.h"
#include "EndElidedToolButton.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "Macro.h"
#include "MakeMacro.h"
#include "MouseOffLine.h"
#include "PostMsg.h"
#include "Skin.h"
#include "Startup.h"
#include "TestMain.h"
#include "UpDataParam.h"
#include "UserPaths.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextCodec>

class TestButtonMacros : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void macroList_data();
    void macroList();
    void bindingReachesTheMouse();
    void bindingOffline();
    void macroLabelKeepsTheSelectorFont();
    void longMacroLabelIsCutAtItsEnd();
    void oversizedFileStaysInBounds();
    void refreshRewritesTheMacroFile();
    void refreshWritesOnlyThroughTheMacroPage();
    void refreshNeverFollowsALink();
    void deviceNamesThatMakeNoFile_data();
    void deviceNamesThatMakeNoFile();
    void refusedNamesTouchNoFile_data();
    void refusedNamesTouchNoFile();
    void renameAndSaveOnlyTouchBoundButtons();
    void deletionRestoresDefaults_data();
    void deletionRestoresDefaults();

private:
    static void WriteFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static void ClearMacroFolder()
    {
        QDir dir(UserPaths::macroPageFolder());
        dir.removeRecursively();
        QDir().mkpath(UserPaths::macroPageFolder());
    }
    QToolButton *MacroButton(const QString &text) const
    {
        for (QToolButton *b : m_Page->MacroButtons())
            if (b->text() == text && b->isEnabled())
                return b;
        return nullptr;
    }

    DialogMain *m_Window = nullptr;
    Buttoninterface *m_Page = nullptr;
    Ui_Buttoninterface *ui = nullptr;
    int m_Mouse = 0;
};

void TestButtonMacros::initTestCase()
{
    OpenButtonPage(&m_Window, &m_Page, &m_Mouse);
    if (QTest::currentTestFailed())
        return;
    ui = m_Page->Form();
}

void TestButtonMacros::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setOnline(m_Mouse, true);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(BaseRecord()));
    FullReadRefresh(BaseRecord());
    ClearMacroFolder();
    m_Page->SlotAddMacroButton();
    QTest::mouseClick(m_Page, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // closes the menus
}

void TestButtonMacros::macroList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("placeholders");
    QTest::newRow("two macros") << QStringList{"B.ini", "a.ini"} << QStringList{"a", "B"} << 5;
    QTest::newRow("one xml file only") << QStringList{"list.xml"} << QStringList{} << 0;
    QTest::newRow("two xml names and a macro") << QStringList{"a.xml", "m.ini", "z.xml"} << QStringList{"m"} << 5;
    // Files whose listed name leads to another file are no macros.
    QTest::newRow("double extension") << QStringList{"x.ini.ini"} << QStringList{} << 0;
    QTest::newRow("backups beside a macro")
        << QStringList{"m.ini", "old.ini.bak", "notes.txt", "M1.ini.old"} << QStringList{"m"} << 6;
    QTest::newRow("seven macros") << QStringList{"1.ini", "2.ini", "3.ini", "4.ini", "5.ini", "6.ini", "7.ini"}
                                  << QStringList{"1", "2", "3", "4", "5", "6", "7"} << 0;
}

void TestButtonMacros::macroList()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, buttons);
    QFETCH(int, placeholders);
    for (const QString &f : files)
        WriteFile(UserPaths::macroPageFolder() + "/" + f, "255\n");
    // A sub-folder is not a macro.
    QDir().mkpath(UserPaths::macroPageFolder() + "/folder.ini");
    ui->VolumeUp_8->setChecked(true); // a checked item is dropped by the rebuild
    m_Page->SlotAddMacroButton();

    QStringList texts;
    int hidden = 0;
    for (QToolButton *b : m_Page->MacroButtons()) {
        if (b->isEnabled()) {
            texts << b->text();
            QCOMPARE(b->minimumSize(), QSize(174, 22));
            QVERIFY(!b->isChecked());
        } else {
            ++hidden;
            QVERIFY(b->isHidden());
            QCOMPARE(b->minimumSize(), QSize(174, 23));
        }
    }
    QCOMPARE(texts, buttons);
    QCOMPARE(hidden, placeholders);

    // The macro item opens the list, or tells that there is no macro yet.
    bool noticeSeen = false;
    WatchPtr watch = Watch([&] {
        if (MakeMacro *notice = qobject_cast<MakeMacro *>(QApplication::activeModalWidget())) {
            noticeSeen = true;
            notice->close();
        }
    });
    ui->RightKey->click();
    ui->DPI_10->click();
    watch.reset();
    QCOMPARE(noticeSeen, m_Page->MacroButtons().isEmpty());
    QCOMPARE(ui->stackedWidget_2->currentWidget(), noticeSeen ? ui->page_9 : ui->page_5);
    QDir(UserPaths::macroPageFolder() + "/folder.ini").removeRecursively();
}

void TestButtonMacros::bindingReachesTheMouse()
{
    // The release line has no line end: the key must still come up.
    WriteFile(UserPaths::macroPageFolder() + "/m1.ini", "253\n0x04 1 0\n10ms\n0x04 1 1");
    m_Page->SlotAddMacroButton();
    const int before = HIDUsbSim::updateCount(m_Mouse);
    ui->RightKey->click();
    ui->DPI_10->click();
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_5);
    QToolButton *macro = MacroButton("m1");
    QVERIFY(macro);
    macro->click();

    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 1);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(77, 3), Hex("06 01 FD"));
    QByteArray macroBytes = Hex("02") + QByteArray("m1") + QByteArray(28, '\0') + Hex("02")
        + Hex("00 01 04 00 0A 00 00 00") + Hex("01 01 04 00 00 00 00 00");
    QCOMPARE(sent.mid(1548, 48), macroBytes);
    QVERIFY(ui->RightKey->text().endsWith("m1"));
    QCOMPARE(m_Page->KeyTypes().at(1), 6);
    QCOMPARE(m_Page->KeyParam2s().at(1), 253);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_9);
}

// In Russian, where the function menu takes a smaller font, a selector
// labelled through the macro binding must still draw like one labelled
// through a function item: the page's selector font, in every selector.
void TestButtonMacros::longMacroLabelIsCutAtItsEnd()
{
    const QByteArray name(30, 'W');
    FlashDataMap record = BaseRecord();
    SetMacro(record, 0, name, 1);
    FullReadRefresh(record);
    auto *selector = qobject_cast<EndElidedToolButton *>(ui->FireKey);
    QVERIFY(selector);
    QVERIFY(selector->text().endsWith(QString::fromLatin1(name))); // the whole label stays the text
    const QString shown = selector->ShownText();
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.size() > 2);
    QVERIFY(selector->text().startsWith(shown.chopped(1))); // its beginning shows
    QVERIFY(QFontMetrics(selector->font()).horizontalAdvance(shown) <= selector->width());
    // A label that fits is drawn whole.
    FullReadRefresh(BaseRecord());
    QCOMPARE(selector->ShownText(), selector->text());
}

void TestButtonMacros::macroLabelKeepsTheSelectorFont()
{
    WriteFile(UserPaths::macroPageFolder() + "/m1.ini", "253\n0x04 1 0\n10ms\n0x04 1 1\n");
    m_Page->SlotAddMacroButton();
    PostMsg::GetInstance()->EmitChangeLanguage(3);
    const QList<QToolButton *> selectors{ui->FireKey,    ui->RightKey, ui->BackKey,
                                         ui->StartPause, ui->TopMusic, ui->BackMusic};
    const auto fonts = [&selectors] {
        QStringList drawn;
        for (QToolButton *s : selectors) {
            const QFontInfo info(s->font());
            drawn << QString("%1 %2 %3pt %4px")
                         .arg(s->objectName(), info.family())
                         .arg(info.pointSizeF())
                         .arg(info.pixelSize());
        }
        return drawn;
    };

    ui->RightKey->click();
    ui->MidKey->click();
    QCOMPARE(ui->RightKey->text(), ui->MidKey->text());
    const QStringList afterFunction = fonts();

    ui->RightKey->click();
    ui->DPI_10->click();
    QToolButton *macro = MacroButton("m1");
    QVERIFY(macro);
    macro->click();
    QVERIFY(ui->RightKey->text().endsWith("m1"));
    const QStringList afterMacro = fonts();
    PostMsg::GetInstance()->EmitChangeLanguage(0);

    QCOMPARE(afterMacro, afterFunction);
    QCOMPARE(ui->RightKey->font(), ui->FireKey->font());
    QCOMPARE(QFontInfo(ui->RightKey->font()).pointSizeF(), QFontInfo(Skin::Font(11)).pointSizeF());
}

void TestButtonMacros::bindingOffline()
{
    WriteFile(UserPaths::macroPageFolder() + "/m1.ini", "253\n0x04 1 0\n10ms\n0x04 1 1\n");
    m_Page->SlotAddMacroButton();
    ui->RightKey->click();
    ui->DPI_10->click();
    const QString labelBefore = ui->RightKey->text();
    const int before = HIDUsbSim::updateCount(m_Mouse);
    const int readsBefore = HIDUsbSim::callCount("UsbServer_ReadAllFlashData");
    HIDUsbSim::setOnline(m_Mouse, false);
    bool noticeSeen = false;
    int updatesAtNotice = -1;
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    bool waitShown = false;
    WatchPtr watch = Watch([&] {
        waitShown = waitShown || wait->isVisible();
        if (qobject_cast<MouseOffLine *>(QApplication::activeModalWidget()) && !noticeSeen) {
            noticeSeen = true;
            updatesAtNotice = HIDUsbSim::updateCount(m_Mouse);
            HIDUsbSim::setOnline(m_Mouse, true);
        }
    });
    MacroButton("m1")->click();
    QVERIFY(noticeSeen);
    QCOMPARE(updatesAtNotice, before);
    QCOMPARE(ui->RightKey->text(), labelBefore);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > readsBefore, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(waitShown, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
    watch.reset();
}

void TestButtonMacros::oversizedFileStaysInBounds()
{
    // 80 event lines and a name of 50 bytes: the record keeps 30 name bytes
    // and 70 events (the sanitizers watch the writes).
    QByteArray text = "1\n";
    for (int i = 0; i < 80; ++i)
        text += "0x04 1 0\n5ms\n";
    const QString name = QString(20, QChar(0x00E9)) + "abcdefghij"; // 50 bytes in UTF-8
    WriteFile(UserPaths::macroPageFolder() + "/" + name + ".ini", text);
    bool ok = false;
    const MacroRecord record = m_Page->ReadMacroFile(name, 0, &ok);
    QVERIFY(ok);
    QCOMPARE(int(record.EventCount), 70);
    QVERIFY(record.NameLength <= 30);
    const QString back = QTextCodec::codecForLocale()->toUnicode(record.Name, record.NameLength);
    QVERIFY(name.startsWith(back)); // cut at a character boundary
    QCOMPARE(record.Events[69].Delay, 5u);

    // 70 delay lines give 70 events, not 71.
    QByteArray delays = "1\n";
    for (int i = 0; i < 70; ++i)
        delays += "5ms\n";
    WriteFile(UserPaths::macroPageFolder() + "/d.ini", delays);
    QCOMPARE(int(m_Page->ReadMacroFile("d", 0, &ok).EventCount), 70);
}

void TestButtonMacros::refreshRewritesTheMacroFile()
{
    const QString path = UserPaths::macroPageFolder() + "/mm.ini";
    WriteFile(path, "7\n0x05 1 0\n1ms\n0x05 1 1\n2ms\n");
    FlashDataMap record = BaseRecord();
    SetMacro(record, 2, "mm", 250);
    QSignalSpy spy(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullReadRefresh(record);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The mode from the button's function, the rows from the record: the
    // whole file, as the device holds it.
    QCOMPARE(file.readAll(), QByteArray("250\n0x04 1 0\n10ms\n0x04 1 1\n"));
    QVERIFY(ui->BackKey->text().endsWith("mm"));
}

void TestButtonMacros::refreshWritesOnlyThroughTheMacroPage()
{
    // The button page hands the record on and writes nothing itself: what a
    // kill between its part and the macro page's part would leave is the old
    // file, whole.
    const QString path = UserPaths::macroPageFolder() + "/mm.ini";
    WriteFile(path, "7\n0x05 1 0\n1ms\n0x05 1 1\n");
    Macro *macroPage = m_Window->MainFramePage()->MacroPage();
    QVERIFY(
        QObject::disconnect(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro, macroPage, &Macro::SlotButtonToMacro));
    FlashDataMap record = BaseRecord();
    SetMacro(record, 2, "mm", 250);
    QSignalSpy spy(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullReadRefresh(record);
    connect(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro, macroPage, &Macro::SlotButtonToMacro);
    QCOMPARE(spy.count(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("7\n0x05 1 0\n1ms\n0x05 1 1\n"));
}

void TestButtonMacros::refreshNeverFollowsALink()
{
    const QString outside = UserPaths::userFolder() + "/outside.txt";
    WriteFile(outside, "keep\n");
    const QString link = UserPaths::macroPageFolder() + "/lnk.ini";
    QVERIFY(QFile::link(outside, link));
    FlashDataMap record = BaseRecord();
    SetMacro(record, 1, "lnk", 3);
    FullReadRefresh(record);
    QFile file(outside);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep\n"));
    QVERIFY(QFileInfo(link).isSymLink());
    QFile::remove(link);
    QFile::remove(outside);
}

void TestButtonMacros::deviceNamesThatMakeNoFile_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("ini suffix") << QByteArray("a.ini");
    QTest::newRow("ini inside") << QByteArray("a.ini.b");
    QTest::newRow("xml") << QByteArray("axml");
}

void TestButtonMacros::deviceNamesThatMakeNoFile()
{
    QFETCH(QByteArray, name);
    ClearMacroFolder();
    FlashDataMap record = BaseRecord();
    SetMacro(record, 1, name, 3);
    QSignalSpy spy(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullReadRefresh(record);
    QCOMPARE(spy.count(), 0);
    QVERIFY(ui->RightKey->text().endsWith(QString::fromLocal8Bit(name))); // the label still shows
    QCOMPARE(QDir(UserPaths::macroPageFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestButtonMacros::refusedNamesTouchNoFile_data()
{
    RefusedMacroNameRows();
}

void TestButtonMacros::refusedNamesTouchNoFile()
{
    QFETCH(QByteArray, name);
    const QMap<QString, QByteArray> before = FilesOutsideMacroFolder();
    QVERIFY(!before.isEmpty());
    FlashDataMap record = BaseRecord();
    SetMacro(record, 1, name, 3);
    QSignalSpy spy(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullReadRefresh(record);
    QCOMPARE(spy.count(), 0);
    QVERIFY(ui->RightKey->text().endsWith(QString::fromUtf8(name))); // the label still shows
    QCOMPARE(FilesOutsideMacroFolder(), before);
    // A language change relabels from the record too (the device has its
    // cache file since the first read).
    PostMsg::GetInstance()->EmitChangeLanguage(1);
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    QCOMPARE(spy.count(), 0);
    QVERIFY(ui->RightKey->text().endsWith(QString::fromUtf8(name)));
    QCOMPARE(FilesOutsideMacroFolder(), before);
    QVERIFY(!QFile::exists(UserPaths::macroPageFolder() + "/.ini"));
    bool ok = true;
    m_Page->ReadMacroFile(QString::fromUtf8(name), 1, &ok);
    QVERIFY(!ok);
}

void TestButtonMacros::renameAndSaveOnlyTouchBoundButtons()
{
    // One macro on two buttons; a third button's function label happens to
    // read like the macro's name.
    FlashDataMap record = BaseRecord();
    SetMacro(record, 0, "mac", 5);
    SetMacro(record, 2, "mac", 5);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    FullReadRefresh(record);
    const QString functionLabel = ui->RightKey->text();
    WriteFile(UserPaths::macroPageFolder() + "/" + functionLabel + ".ini", "1\n"); // a file of that name exists too

    // Rows changed: one download per bound button, in selector order.
    QSignalSpy downloads(PostMsg::GetInstance(), &PostMsg::SigMacroDownLoadData);
    m_Page->SlotUpDataMacro("mac", 0);
    QCOMPARE(downloads.count(), 2);
    QCOMPARE(downloads.at(0).at(1).toInt(), 0);
    QCOMPARE(downloads.at(1).at(1).toInt(), 2);
    downloads.clear();
    m_Page->SlotUpDataMacro(functionLabel, 0);
    QCOMPARE(downloads.count(), 0);

    // Mode changed: both records again with the new mode.
    WriteFile(UserPaths::macroPageFolder() + "/mac.ini", "9\n");
    int before = HIDUsbSim::updateCount(m_Mouse);
    m_Page->SlotUpDataMacro("mac", 1);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 2);
    QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74, 3), Hex("06 00 09"));
    QCOMPARE(sent.mid(80, 3), Hex("06 02 09"));

    // Rename: both relabelled and resent under the new name.
    before = HIDUsbSim::updateCount(m_Mouse);
    m_Page->SlotMacroRename("mac", "mc");
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 2);
    sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(956, 31), Hex("02") + QByteArray("mc") + QByteArray(28, '\0'));
    QCOMPARE(sent.mid(956 + 2 * 592, 31), Hex("02") + QByteArray("mc") + QByteArray(28, '\0'));
    QVERIFY(ui->FireKey->text().endsWith("mc"));
    QVERIFY(ui->BackKey->text().endsWith("mc"));

    // The function button whose label reads like a macro stays as it is.
    before = HIDUsbSim::updateCount(m_Mouse);
    m_Page->SlotMacroRename(functionLabel, "other");
    m_Page->SlotUpDataMacro(functionLabel, 1);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before);
    QCOMPARE(ui->RightKey->text(), functionLabel);
}

void TestButtonMacros::deletionRestoresDefaults_data()
{
    QTest::addColumn<QByteArray>("keyParam5"); // empty: the model's own
    QTest::addColumn<QByteArray>("function4");
    QTest::addColumn<bool>("events4Kept");
    QTest::newRow("factory functions") << QByteArray() << Hex("01 10 00") << false;
    QTest::newRow("media key default") << QByteArray("KeyParam5=0x05,0x00,CD") << Hex("05 00 00") << true;
    // Neither a media key nor a combination: the factory function stands in.
    QTest::newRow("default of two items") << QByteArray("KeyParam5=0x05,0x00") << Hex("01 10 00") << false;
}

void TestButtonMacros::deletionRestoresDefaults()
{
    QFETCH(QByteArray, keyParam5);
    QFETCH(QByteArray, function4);
    QFETCH(bool, events4Kept);
    const QString original = ConfigIni::GetInstance()->FilePath();
    QTemporaryDir dir;
    if (!keyParam5.isEmpty()) {
        QFile in(original);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray text = in.readAll();
        const int at = text.indexOf("KeyParam5=0x01,0x10,0x00");
        QVERIFY(at > 0);
        text.replace(at, 24, keyParam5);
        QFile out(dir.filePath("Config.ini"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
        out.close();
        ConfigIni::GetInstance()->Reload(out.fileName());
    }

    FlashDataMap record = BaseRecord();
    SetMacro(record, 0, "mac", 1);
    SetMacro(record, 4, "mac", 1);
    for (int b : {0, 4})
        SetEvents(record, b, {MacroEvent{0, 1, 0x04, 0}, MacroEvent{1, 1, 0x04, 0}});
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    FullReadRefresh(record);
    const QString label = ui->FireKey->text();
    QCOMPARE(ui->StartPause->text(), label);

    int before = HIDUsbSim::updateCount(m_Mouse);
    m_Page->SlotDeleteMacroButton(label);
    // One write per restored button, then the whole record once more.
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 3);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74, 3), Hex("01 01 00"));
    QCOMPARE(sent.mid(74 + 3 * 4, 3), function4);
    QCOMPARE(sent.mid(124, 52), QByteArray(52, '\0'));
    const QByteArray events4 = sent.mid(124 + 52 * 4, 52);
    if (events4Kept) {
        QVERIFY(events4.contains(char(0xCD))); // the consumer key the default names
    } else {
        QCOMPARE(events4, QByteArray(52, '\0'));
    }
    QCOMPARE(ui->FireKey->text(), ui->LeftKey_3->text());
    for (const char *name : kSelectors)
        QVERIFY(!m_Page->findChild<QToolButton *>(name)->isChecked());
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);

    // A name on no button still sends the record once.
    before = HIDUsbSim::updateCount(m_Mouse);
    m_Page->SlotDeleteMacroButton("no such macro");
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), before + 1);
    ConfigIni::GetInstance()->Reload(original);
}

ORVIK_TEST_MAIN(TestButtonMacros)
#include "tst_buttonmacros.moc"
