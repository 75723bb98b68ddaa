// The macro page on its own: the listing of the macro folder, loading macro
// files of every shape, the row operations and the page's language section.
// Each case builds a fresh page over a prepared macro folder, since the page
// lists the folder once, when it is built.

#include "TestMain.h"

#include "MacroTestHelpers.h"

#include "GlobalState.h"
#include "KeyVocabulary.h"
#include "LanguageLoader.h"
#include "Macro.h"
#include "MacroIni.h"
#include "MacroListing.h"
#include "MacroNames.h"
#include "PostMsg.h"
#include "SaveFile.h"
#include "Startup.h"
#include "UserPaths.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFrame>

#include <memory>

using namespace MacroTest;

class TestMacroFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void listingOffersTheFilesItsNamesLeadBackTo();
    void loadsEveryShape_data();
    void loadsEveryShape();
    void missingFileKeepsRepeatControls();
    void rowOperationsKeepTheShape_data();
    void rowOperationsKeepTheShape();
    void delayRowHasNoDecimals();
    void languageSectionSetsTextsAndNames();
    void newHongToolTipOnlyForIndexFive_data();
    void newHongToolTipOnlyForIndexFive();
    void languageChangeEventKeepsValues();
    void waitProcessesEvents();
    void pressElsewhereTakesFocusFromSpinBoxes();
    void saveWritesTheMacroItStartedWith();
    void nameRule_data();
    void nameRule();
    void oneWriter_data();
    void oneWriter();
    void staleTemporariesGoAtStart_data();
    void staleTemporariesGoAtStart();

private:
    std::unique_ptr<Macro> NewPage();
    void Open(Macro *page, const QString &name);
};

void TestMacroFiles::initTestCase()
{
    Startup::PrepareUserFolders();
}

void TestMacroFiles::init()
{
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    EmptyMacroFolder();
}

std::unique_ptr<Macro> TestMacroFiles::NewPage()
{
    std::unique_ptr<Macro> page(new Macro);
    page->show();
    return page;
}

void TestMacroFiles::Open(Macro *page, const QString &name)
{
    auto *list = page->findChild<QListWidget *>("listWidgetHong");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
    QVERIFY(QMetaObject::invokeMethod(page, "on_listWidgetHong_clicked", Q_ARG(QModelIndex, list->currentIndex())));
}

void TestMacroFiles::listingOffersTheFilesItsNamesLeadBackTo()
{
    const QString longName(40, 'n'); // made before names were held to the record's 30 bytes
    for (const QString &name :
         {QString("b.ini"), QString("A.ini"), QString("c.txt"), QString("noxml.ini"), QString("XML.ini"),
          QString("x.ini.ini"), QString(".hidden.ini"), QString("old.ini.bak"), QString("Fire.INI"),
          QString("a\\b.ini"), QString::fromUtf8("宏一.ini"), QString(" spaced .ini"), longName + ".ini"})
        WriteFile(MacroFolder() + "/" + name, "1\n");
    QVERIFY(QDir(MacroFolder()).mkdir("folder.ini"));
    QVERIFY(QFile::link(MacroFolder() + "/b.ini", MacroFolder() + "/link.ini"));

    // The one listing both pages use: files only, no hidden files, no links,
    // by name ignoring case.
    const QStringList files = MacroNames::ListFolderFiles(MacroFolder());
    QCOMPARE(files.size(), 12);
    QVERIFY(!files.contains(".hidden.ini") && !files.contains("folder.ini") && !files.contains("link.ini"));
    QCOMPARE(files.mid(0, 3), (QStringList{" spaced .ini", "A.ini", "a\\b.ini"}));

    std::unique_ptr<Macro> page = NewPage();
    auto *list = page->findChild<QListWidget *>("listWidgetHong");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    // "xml" is searched case-sensitively. A file is offered only when the
    // name shown leads back to it: not "c.txt", "Fire.INI" or "x.ini.ini"
    // (shown as "x"), not "old.ini.bak" (shown as "old.bak", whose delete
    // would delete nothing), not a name no macro can have ("a\\b").
    QCOMPARE(shown, (QStringList{" spaced ", "A", "b", longName, "XML", QString::fromUtf8("宏一")}));
    QCOMPARE(list->currentRow(), -1);

    // Every entry's file is found under its name: a delete takes it.
    for (const QString &name : shown)
        QVERIFY2(QFileInfo(MacroFolder() + "/" + name + ".ini").isFile(), qPrintable(name));
}

void TestMacroFiles::loadsEveryShape_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("count");

    QTest::newRow("count 7") << QByteArray("7\n0x04 1 0\n10ms\n0x04 1 1\n") << QStringList{"A/0", "10ms/0", "A/1"}
                             << "ReNumber" << 7;
    QTest::newRow("count 300 reads as 1") << QByteArray("300\n0x04 1 0\n") << QStringList{"A/0"} << "ReNumber" << 1;
    QTest::newRow("count 0 reads as 1") << QByteArray("0\n") << QStringList{} << "ReNumber" << 1;
    QTest::newRow("254 until released") << QByteArray("254\n") << QStringList{} << "ReUntilLoose" << 5;
    QTest::newRow("255 until clicked") << QByteArray("255\n") << QStringList{} << "ReUntilClick" << 5;
    QTest::newRow("253 until a key") << QByteArray("253\n") << QStringList{} << "ReUntil" << 5;
    QTest::newRow("not a number") << QByteArray("abc\n0x04 1 0\n") << QStringList{"A/0"} << "ReNumber" << 1;
    QTest::newRow("blank first line") << QByteArray("\n0x04 1 0\n") << QStringList{"A/0"} << "ReNumber" << 1;
    QTest::newRow("third field 2") << QByteArray("1\n0x04 1 2\n") << QStringList{} << "ReNumber" << 1;
    QTest::newRow("double blanks") << QByteArray("1\n0x04  1  0\n") << QStringList{"A/0"} << "ReNumber" << 1;
    QTest::newRow("last line without line end")
        << QByteArray("1\n0x04 1 0\n10ms\n0x04 1 1") << QStringList{"A/0", "10ms/0", "A/1"} << "ReNumber" << 1;
    QTest::newRow("CR LF line ends") << QByteArray("2\r\n0x2A 1 0\r\n15ms\r\n0x2A 1 1\r\n")
                                     << QStringList{"BackSpace/0", "15ms/0", "BackSpace/1"} << "ReNumber" << 2;
    QTest::newRow("modifier and mouse button")
        << QByteArray("1\n0x40 0 0\n10ms\n0x10 4 1\n") << QStringList{"RAlt/0", "10ms/0", "Forward button/1"}
        << "ReNumber" << 1;
    QTest::newRow("lower-case code is no key") << QByteArray("1\n0x2a 1 0\n") << QStringList{"/0"} << "ReNumber" << 1;
    // Kept as the files have always read: one word is a delay row.
    QTest::newRow("one word") << QByteArray("1\nhello\n") << QStringList{"hello/0"} << "ReNumber" << 1;
    QTest::newRow("four fields") << QByteArray("1\n0x04 1 0 9\n") << QStringList{} << "ReNumber" << 1;
}

void TestMacroFiles::loadsEveryShape()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, rows);
    QFETCH(QString, mode);
    QFETCH(int, count);

    WriteFile(MacroFile("m"), content);
    std::unique_ptr<Macro> page = NewPage();
    // Controls the file may leave alone start elsewhere.
    page->findChild<QSpinBox *>("NumberEdit")->setValue(5);
    page->findChild<QCheckBox *>("ReUntilClick")->setChecked(true);
    Open(page.get(), "m");

    QCOMPARE(Rows(page->findChild<QListWidget *>("listWidgetKey")), rows);
    QVERIFY2(page->findChild<QCheckBox *>(mode)->isChecked(), qPrintable(mode));
    QCOMPARE(page->findChild<QSpinBox *>("NumberEdit")->value(), count);
    // Loading marks nothing: Save stays idle.
    QVERIFY(!page->findChild<QToolButton *>("Save")->isEnabled());
}

void TestMacroFiles::missingFileKeepsRepeatControls()
{
    WriteFile(MacroFile("gone"), "254\n");
    WriteFile(MacroFile("empty"), "");
    std::unique_ptr<Macro> page = NewPage();
    QVERIFY(QFile::remove(MacroFile("gone")));
    page->findChild<QCheckBox *>("ReUntil")->setChecked(true);
    Open(page.get(), "gone");
    QVERIFY(page->findChild<QCheckBox *>("ReUntil")->isChecked());
    Open(page.get(), "empty");
    QVERIFY(page->findChild<QCheckBox *>("ReUntil")->isChecked());
    QCOMPARE(page->findChild<QListWidget *>("listWidgetKey")->count(), 0);

    // The controls stay live after either load.
    page->findChild<QToolButton *>("Save")->setEnabled(false);
    page->findChild<QCheckBox *>("ReUntilLoose")->click();
    QVERIFY(page->findChild<QToolButton *>("Save")->isEnabled());
    page->findChild<QToolButton *>("Save")->setEnabled(false);
    page->findChild<QSpinBox *>("NumberEdit")->setValue(9);
    QVERIFY(page->findChild<QToolButton *>("Save")->isEnabled());
}

void TestMacroFiles::rowOperationsKeepTheShape_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("rows");

    const QByteArray three("1\n0x04 1 0\n10ms\n0x05 1 0\n");
    const QByteArray one("1\n0x04 1 0\n");
    QTest::newRow("key into empty list") << QByteArray("1\n") << -1 << "key" << QStringList{"C/0"};
    QTest::newRow("click into empty list")
        << QByteArray("1\n") << -1 << "click" << QStringList{"Left button/0", "10ms/0", "Left button/1"};
    QTest::newRow("key after the only row") << one << 0 << "key" << QStringList{"A/0", "10ms/0", "C/0"};
    QTest::newRow("click after the only row")
        << one << 0 << "click" << QStringList{"A/0", "10ms/0", "Left button/0", "10ms/0", "Left button/1"};
    QTest::newRow("key after the first event")
        << three << 0 << "key" << QStringList{"A/0", "10ms/0", "C/0", "10ms/0", "B/0"};
    QTest::newRow("key after a delay") << three << 1 << "key" << QStringList{"A/0", "10ms/0", "C/0", "10ms/0", "B/0"};
    QTest::newRow("key with no current row")
        << three << -1 << "key" << QStringList{"A/0", "10ms/0", "B/0", "10ms/0", "C/0"};
    QTest::newRow("click after a delay") << three << 1 << "click"
                                         << QStringList{"A/0",    "10ms/0", "Left button/0", "10ms/0", "Left button/1",
                                                        "10ms/0", "B/0"};
    QTest::newRow("delay on the first row") << three << 0 << "delay" << QStringList{"A/0", "10ms/0", "B/0"};
    QTest::newRow("delay replaces a delay") << three << 1 << "delay" << QStringList{"A/0", "77ms/0", "B/0"};
    QTest::newRow("delay before an event") << three << 2 << "delay" << QStringList{"A/0", "77ms/0", "B/0"};
}

void TestMacroFiles::rowOperationsKeepTheShape()
{
    QFETCH(QByteArray, content);
    QFETCH(int, current);
    QFETCH(QString, operation);
    QFETCH(QStringList, rows);

    WriteFile(MacroFile("m"), content);
    std::unique_ptr<Macro> page = NewPage();
    Open(page.get(), "m");
    auto *list = page->findChild<QListWidget *>("listWidgetKey");
    list->setCurrentRow(current);
    if (operation == "key")
        page->InsertKeyEvent("C", true);
    else if (operation == "click")
        page->InsertMouseClick(g_MouseButtonNames[MouseButtonLeft], 0x01);
    else
        page->InsertDelayItem(77);
    QCOMPARE(Rows(list), rows);
}

void TestMacroFiles::delayRowHasNoDecimals()
{
    WriteFile(MacroFile("m"), "1\n0x04 1 0\n");
    std::unique_ptr<Macro> page = NewPage();
    auto *list = page->findChild<QListWidget *>("listWidgetKey");
    // Without a selected macro nothing is added.
    page->AddDelayItem(12.0);
    QCOMPARE(list->count(), 0);
    Open(page.get(), "m");
    page->AddDelayItem(12.0);
    page->AddKeyItem("Z", false);
    QCOMPARE(Rows(list), (QStringList{"A/0", "12ms/0", "Z/1"}));
    QCOMPARE(list->currentRow(), 2);
}

void TestMacroFiles::languageSectionSetsTextsAndNames()
{
    std::unique_ptr<Macro> page = NewPage();
    auto *choose = page->findChild<QComboBox *>("ChooseEvent");
    QCOMPARE(choose->count(), 9);
    QCOMPARE(choose->itemText(0), QString());
    QCOMPARE(page->findChild<QToolButton *>("Save")->text(), QString("Save"));
    QCOMPARE(page->findChild<QLabel *>("ReUntilLooseLabel")->text(), QString("Repeat while the button is held"));
    QCOMPARE(g_MouseButtonNames[MouseButtonForward], choose->itemText(7));
    QCOMPARE(g_MouseButtonNames[MouseButtonBack], choose->itemText(8));

    // Every language names the five buttons, and no name reads as a delay.
    for (int index = 0; index <= 5; ++index) {
        PostMsg::GetInstance()->EmitChangeLanguage(index);
        for (int i = 0; i < MouseButtonCount; ++i) {
            QVERIFY2(!g_MouseButtonNames[i].isEmpty(), qPrintable(QString::number(index)));
            QVERIFY(!g_MouseButtonNames[i].contains("ms"));
        }
        QVERIFY(!page->findChild<QToolButton *>("NewHong")->text().isEmpty());
    }
    PostMsg::GetInstance()->EmitChangeLanguage(0);
}

void TestMacroFiles::newHongToolTipOnlyForIndexFive_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("tip");
    QTest::newRow("Japanese") << 5 << true;
    QTest::newRow("English") << 0 << false;
    QTest::newRow("Korean") << 4 << false;
}

void TestMacroFiles::newHongToolTipOnlyForIndexFive()
{
    QFETCH(int, stored);
    QFETCH(bool, tip);
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(stored));
    std::unique_ptr<Macro> page = NewPage();
    auto *newHong = page->findChild<QToolButton *>("NewHong");
    QCOMPARE(newHong->toolTip(), tip ? newHong->text() : QString());
    QVERIFY(!newHong->text().isEmpty());
}

void TestMacroFiles::languageChangeEventKeepsValues()
{
    std::unique_ptr<Macro> page = NewPage();
    auto *choose = page->findChild<QComboBox *>("ChooseEvent");
    choose->setCurrentIndex(3);
    page->findChild<QSpinBox *>("DelayTime")->setValue(333);
    page->findChild<QSpinBox *>("NumberEdit")->setValue(44);
    page->findChild<QToolButton *>("Save")->setEnabled(false);

    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(page.get(), &change);
    // The form's built-in texts are back; the values stay and nothing is marked.
    QCOMPARE(page->findChild<QToolButton *>("Save")->text(), QString::fromUtf8("删除"));
    QCOMPARE(choose->currentIndex(), 3);
    QCOMPARE(page->findChild<QSpinBox *>("DelayTime")->value(), 333);
    QCOMPARE(page->findChild<QSpinBox *>("NumberEdit")->value(), 44);
    QVERIFY(!page->findChild<QToolButton *>("Save")->isEnabled());
}

void TestMacroFiles::waitProcessesEvents()
{
    std::unique_ptr<Macro> page = NewPage();
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    page->DelayMs(100);
    QVERIFY(ran);
}

void TestMacroFiles::pressElsewhereTakesFocusFromSpinBoxes()
{
    std::unique_ptr<Macro> page = NewPage();
    QApplication::setActiveWindow(page.get());
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    auto *delay = page->findChild<QSpinBox *>("DelayTime");
    delay->setFocus();
    QTRY_VERIFY(delay->hasFocus());
    // A press on the spin box itself keeps its focus.
    QTest::mouseClick(delay, Qt::LeftButton);
    QVERIFY(delay->hasFocus());
    // A press on the page elsewhere ends the entry.
    QTest::mouseClick(page->findChild<QFrame *>("MacroPage"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QVERIFY(!delay->hasFocus());
    QVERIFY(page->hasFocus());
}

void TestMacroFiles::saveWritesTheMacroItStartedWith()
{
    WriteFile(MacroFile("a"), "1\n0x04 1 0\n5ms\n0x04 1 1\n");
    WriteFile(MacroFile("b"), "2\n0x05 1 0\n7ms\n0x05 1 1\n");
    std::unique_ptr<Macro> page = NewPage();
    Open(page.get(), "a");
    page->findChild<QSpinBox *>("NumberEdit")->setValue(9);

    // A click on another macro waiting in the queue when Save is clicked
    // (the user clicks on). Save runs no events of its own, so the click
    // comes after the write, which goes to the macro on show at the click.
    auto *list = page->findChild<QListWidget *>("listWidgetHong");
    QTimer::singleShot(0, page.get(), [&] {
        list->setCurrentItem(list->findItems("b", Qt::MatchExactly).first());
        QMetaObject::invokeMethod(page.get(), "on_listWidgetHong_clicked", Q_ARG(QModelIndex, list->currentIndex()));
    });
    QVERIFY(QMetaObject::invokeMethod(page.get(), "on_Save_clicked"));
    QCOMPARE(ReadFile(MacroFile("a")), QByteArray("9\n0x04 1 0\n5ms\n0x04 1 1\n"));
    QTRY_COMPARE(list->currentItem()->text(), QString("b"));
    QCOMPARE(ReadFile(MacroFile("b")), QByteArray("2\n0x05 1 0\n7ms\n0x05 1 1\n"));
}

void TestMacroFiles::nameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << "m1" << true;
    QTest::newRow("30 bytes") << QString(30, 'a') << true;
    QTest::newRow("31 bytes") << QString(31, 'a') << false;
    QTest::newRow("10 three-byte characters") << QString::fromUtf8("宏宏宏宏宏宏宏宏宏宏") << true;
    QTest::newRow("11 three-byte characters") << QString::fromUtf8("宏宏宏宏宏宏宏宏宏宏宏") << false;
    // A record name cut inside a character reads back with a replacement
    // character, whose bytes no longer fit.
    QTest::newRow("cut record name") << QString::fromLocal8Bit(QByteArray(29, 'a') + "\xC3") << false;
    QTest::newRow("ini inside") << "a.ini" << false;
    QTest::newRow("ini in the middle") << "a.ini.b" << false;
    QTest::newRow("xml") << "axmlb" << false;
    QTest::newRow("XML") << "XML" << true;
    QTest::newRow("separator") << "a/b" << false;
    QTest::newRow("hidden") << ".a" << false;
    QTest::newRow("empty") << "" << false;
}

void TestMacroFiles::nameRule()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    // One rule for the name entry, the import and the device's record.
    QCOMPARE(MacroNames::IsUsableName(name), usable);
    QCOMPARE(MacroNames::WriteFile(MacroFolder(), name, "1\n"), usable);
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::Files | QDir::Hidden).size(), usable ? 1 : 0);
}

void TestMacroFiles::oneWriter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("existing"); // "file", "link" or "" (none)
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << "m"
                              << "" << true;
    QTest::newRow("existing file") << "m"
                                   << "file" << true;
    QTest::newRow("planted link") << "m"
                                  << "link" << false;
    QTest::newRow("long name, new") << QString(40, 'n') << "" << false;
    QTest::newRow("long name, file made before the rule") << QString(40, 'n') << "file" << true;
    QTest::newRow("ini name, new") << "a.ini"
                                   << "" << false;
}

void TestMacroFiles::oneWriter()
{
    QFETCH(QString, name);
    QFETCH(QString, existing);
    QFETCH(bool, written);
    const QString path = MacroFolder() + "/" + name + ".ini";
    const QString outside = UserPaths::userFolder() + "/outside.txt";
    WriteFile(outside, "keep\n");
    if (existing == "file")
        WriteFile(path, "old\n");
    else if (existing == "link")
        QVERIFY(QFile::link(outside, path));

    QCOMPARE(MacroNames::WriteFile(MacroFolder(), name, "1\n0x04 1 0\n"), written);
    QCOMPARE(ReadFile(outside), QByteArray("keep\n"));
    if (written)
        QCOMPARE(ReadFile(path), QByteArray("1\n0x04 1 0\n"));
    else if (existing.isEmpty())
        QVERIFY(!QFileInfo::exists(path));
    // No temporary stays beside it.
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
             existing.isEmpty() && !written ? 0 : 1);
    QFile::remove(outside);
}

void TestMacroFiles::staleTemporariesGoAtStart_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("removed");
    const QString user = UserPaths::userFolder();
    const QString cache = UserPaths::deviceInfoFolder();
    const QString macros = UserPaths::macroPageFolder();
    const QString sensor = UserPaths::sensorPageFolder();
    // A user's copies, whatever they look like, and our own lock.
    QTest::newRow("Macro.ini.backup") << user << "Macro.ini.backup" << false << false;
    QTest::newRow("cache file's backup") << cache << "Device_CID1A_MID01.bin.backup" << false << false;
    QTest::newRow("notes.ini.backup") << macros << "notes.ini.backup" << false << false;
    QTest::newRow("foo.ini.qwerty, no foo.ini") << macros << "foo.ini.qwerty" << false << false;
    QTest::newRow("foo.ini.XXXXXX") << macros << "foo.ini.XXXXXX" << false << false;
    QTest::newRow("Macro.ini.abcdef among the macros") << macros << "Macro.ini.abcdef" << false << false;
    QTest::newRow("Macro.ini and six letters") << user << "Macro.ini.qWeRtY" << false << false;
    QTest::newRow("a macro file and six letters") << macros << "m1.ini.ZzZzZz" << false << false;
    QTest::newRow("cache file and six letters") << cache << "Device_CID05_MID01.bin.AbCdEf" << false << false;
    QTest::newRow("the instance lock") << user << ".orvik-instance.lock" << false << false;
    QTest::newRow("mark, five characters") << macros << ".orvik-save-AbC12.tmp" << false << false;
    QTest::newRow("mark, seven characters") << macros << ".orvik-save-AbC1234.tmp" << false << false;
    QTest::newRow("mark, other character") << macros << ".orvik-save-AbC1_3.tmp" << false << false;
    QTest::newRow("mark, another ending") << macros << ".orvik-save-AbC123.tmp.bak" << false << false;
    QTest::newRow("mark, not hidden") << macros << "orvik-save-AbC123.tmp" << false << false;
    QTest::newRow("mark on a link") << macros << ".orvik-save-AbC123.tmp" << true << false;
    // What a killed write leaves.
    QTest::newRow("beside Macro.ini") << user << ".orvik-save-qWeRt1.tmp" << false << true;
    QTest::newRow("in the cache folder") << cache << ".orvik-save-AbCdEf.tmp" << false << true;
    QTest::newRow("in the macro folder") << macros << ".orvik-save-ZzZz09.tmp" << false << true;
    QTest::newRow("in the level file's folder") << sensor << ".orvik-save-000000.tmp" << false << true;
}

void TestMacroFiles::staleTemporariesGoAtStart()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(bool, link);
    QFETCH(bool, removed);
    const QString path = folder + "/" + file;
    QVERIFY(QDir().mkpath(folder));
    const QString target = UserPaths::userFolder() + "/target.txt";
    WriteFile(target, "x");
    if (link)
        QVERIFY(QFile::link(target, path));
    else
        WriteFile(path, "x");
    QCOMPARE(Startup::RemoveSaveLeftovers(), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), !removed);
    QCOMPARE(ReadFile(target), QByteArray("x"));
    QFile::remove(path);
    QFile::remove(target);
}

ORVIK_TEST_MAIN(TestMacroFiles)
#include "tst_macrofiles.moc"
