// The macro page inside the running main frame, offscreen, with a simulated
// mouse selected: creating, filling, saving, renaming and deleting a macro as
// a user would, with the page's dialogs answered by the test. The test
// functions run in order on one session.

#include "TestMain.h"

#include "MacroPageFixture.h"
#include "MacroTestHelpers.h"

#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "ExeIsRun.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "KeyVocabulary.h"
#include "Macro.h"
#include "MacroIni.h"
#include "MacroState.h"
#include "PostMsg.h"
#include "SameMacro.h"
#include "SaveFile.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "UserPaths.h"

#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>

#include <cerrno>

using namespace MacroTest;

class TestMacroPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void newMacroMakesEmptyFileAndSelectsIt();
    void sameNameShowsSameMacro();
    void refusedNamesMakeNoFile_data();
    void refusedNamesMakeNoFile();
    void acceptedNamesKeepTheirBytes_data();
    void acceptedNamesKeepTheirBytes();
    void insertedRowsSaveAsFileLines();
    void picturesAreInstalled();
    void repeatModeAloneSendsModeUpdate();
    void mouseClickRowSurvivesLanguageSwitch();
    void modifyingRowsThroughTheDialogs();
    void deletingTheLastRowsReachesTheDevice();
    void deletingRowTakesItsPartner_data();
    void deletingRowTakesItsPartner();
    void unsavedChangesGoWithTheNextSave();
    void contextMenuOffersTheLanguageCaptions();
    void renameToOwnNameIsAClash();
    void renameMovesFileAndTellsButtonPage();
    void failedRenameKeepsNameAndSaysSo();
    void refusedWhileRecording_data();
    void refusedWhileRecording();
    void escapeAndF12AreSwallowed();
    void deleteRemovesFileAndTellsButtonPage();
    void failedSaveKeepsTheEditsAndSaysSo();
    void newMacroThatCannotBeWrittenAddsNothing_data();
    void newMacroThatCannotBeWrittenAddsNothing();

    void cleanup();

private:
    QListWidget *MacroList() const { return m_Page->findChild<QListWidget *>("listWidgetHong"); }
    QListWidget *RowList() const { return m_Page->findChild<QListWidget *>("listWidgetKey"); }
    QToolButton *SaveButton() const { return m_Page->findChild<QToolButton *>("Save"); }
    void Invoke(const char *slot) { QVERIFY(QMetaObject::invokeMethod(m_Page, slot)); }
    void Choose(int index) { emit m_Page->findChild<QComboBox *>("ChooseEvent")->activated(index); }
    void Select(const QString &name);

    DialogMain *m_Window = nullptr;
    Macro *m_Page = nullptr;
    QSignalSpy *m_UpData = nullptr;
    QSignalSpy *m_Deleted = nullptr;
    QSignalSpy *m_Renamed = nullptr;
};

void TestMacroPage::initTestCase()
{
    int mouse = 0;
    MacroTest::OpenMacroPage(&m_Window, &m_Page, &mouse);
    if (QTest::currentTestFailed())
        return;

    m_UpData = new QSignalSpy(PostMsg::GetInstance(), &PostMsg::SigUpDataMacro);
    m_Deleted = new QSignalSpy(PostMsg::GetInstance(), &PostMsg::SigDeleteMacroButton);
    m_Renamed = new QSignalSpy(PostMsg::GetInstance(), &PostMsg::SigMacroRename);
}

void TestMacroPage::init()
{
    g_MacroRecording = false;
    m_UpData->clear();
    m_Deleted->clear();
    m_Renamed->clear();
}

void TestMacroPage::cleanup()
{
    SaveFile::SetBeforeRenameForTest(nullptr);
}

void TestMacroPage::Select(const QString &name)
{
    const QList<QListWidgetItem *> found = MacroList()->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    MacroList()->setCurrentItem(found.first());
    QVERIFY(QMetaObject::invokeMethod(m_Page, "on_listWidgetHong_clicked",
                                      Q_ARG(QModelIndex, MacroList()->currentIndex())));
}

void TestMacroPage::newMacroMakesEmptyFileAndSelectsIt()
{
    DialogAnswers answers({EnterName("M1")});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QVERIFY(answers.allUsed());
    QCOMPARE(answers.seen, QStringList{"QuestionDialog"});
    // Centred on the page, shifted by (-100, -50).
    const QPoint page = m_Page->mapToGlobal(QPoint(0, 0));
    QCOMPARE(answers.positions.first(),
             page + QPoint((m_Page->width() - 300) / 2 - 100, (m_Page->height() - 140) / 2 - 50));

    QVERIFY(QFile::exists(MacroFile("M1")));
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray());
    QVERIFY(MacroList()->currentItem());
    QCOMPARE(MacroList()->currentItem()->text(), QString("M1"));
    QCOMPARE(RowList()->count(), 0);
    QVERIFY(m_Page->findChild<QCheckBox *>("ReNumber")->isChecked());
    QCOMPARE(m_Page->findChild<QSpinBox *>("NumberEdit")->value(), 1);
}

void TestMacroPage::sameNameShowsSameMacro()
{
    const int before = MacroList()->count();
    DialogAnswers answers({EnterName("M1"), Confirm()});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QCOMPARE(answers.seen, (QStringList{"QuestionDialog", "SameMacro"}));
    QCOMPARE(MacroList()->count(), before);

    // Letter case counts: "m1" is another macro.
    DialogAnswers other({EnterName("m1")});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QCOMPARE(other.seen, QStringList{"QuestionDialog"});
    QCOMPARE(MacroList()->count(), before + 1);
    QVERIFY(QFile::exists(MacroFile("m1")));
    // Leave it out of the later steps.
    MacroList()->setCurrentRow(MacroList()->count() - 1);
    DialogAnswers gone({Confirm()});
    Invoke("on_DeleteHong_clicked");
    QCOMPARE(MacroList()->count(), before);
    Select("M1");
}

void TestMacroPage::refusedNamesMakeNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("notice"); // false: taken as no answer, as the dialog's cross
    QTest::newRow("empty") << "" << false;
    QTest::newRow("parent folder") << "../x" << true;
    QTest::newRow("two levels up") << "../../Macro" << true;
    QTest::newRow("slash") << "a/b" << true;
    QTest::newRow("backslash") << "a\\b" << true;
    QTest::newRow("dot") << "." << true;
    QTest::newRow("dot dot") << ".." << true;
    QTest::newRow("leading dot") << ".hid" << true;
    QTest::newRow("control character") << QString("a") + QChar(0x01) + "b" << true;
    QTest::newRow("line feed") << "a\nb" << true;
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << true;
    QTest::newRow("xml") << "xml1" << true;
    QTest::newRow("xml inside") << "myxmlmacro" << true;
    // The list would strip the ".ini" and show another name next time.
    QTest::newRow(".ini in the name") << "a.ini" << true;
}

void TestMacroPage::refusedNamesMakeNoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, notice);
    const QStringList seen = notice ? QStringList{"QuestionDialog", "ExeIsRun"} : QStringList{"QuestionDialog"};
    const QMap<QString, QByteArray> before = HomeFiles();
    const int count = MacroList()->count();
    const QString current = MacroList()->currentItem()->text();

    DialogAnswers answers({EnterName(name), Confirm()});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QCOMPARE(answers.seen, seen);
    if (notice)
        QVERIFY(!answers.texts.at(1).isEmpty());

    QCOMPARE(HomeFiles(), before);
    QCOMPARE(MacroList()->count(), count);
    QCOMPARE(MacroList()->currentItem()->text(), current);

    // Renaming to it is refused the same way.
    DialogAnswers rename({EnterName(name), Confirm()});
    Invoke("RenameMacro");
    QCOMPARE(rename.seen, seen);
    QCOMPARE(HomeFiles(), before);
    QCOMPARE(MacroList()->currentItem()->text(), current);
    QCOMPARE(m_Renamed->count(), 0);
}

void TestMacroPage::acceptedNamesKeepTheirBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Chinese") << QString::fromUtf8("宏一");
    QTest::newRow("blank inside") << "Fire 2";
    QTest::newRow("capital XML") << "XML";
}

void TestMacroPage::acceptedNamesKeepTheirBytes()
{
    QFETCH(QString, name);
    const QMap<QString, QByteArray> before = HomeFiles();
    DialogAnswers answers({EnterName(name)});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QCOMPARE(answers.seen, QStringList{"QuestionDialog"});

    QMap<QString, QByteArray> after = HomeFiles();
    QVERIFY(after.contains(MacroFile(name)));
    QCOMPARE(QFileInfo(MacroFile(name)).fileName().toUtf8(), name.toUtf8() + ".ini");
    after.remove(MacroFile(name));
    QCOMPARE(after, before);

    DialogAnswers gone({Confirm()});
    Invoke("on_DeleteHong_clicked");
    QVERIFY(!QFile::exists(MacroFile(name)));
    Select("M1");
}

void TestMacroPage::insertedRowsSaveAsFileLines()
{
    Select("M1");
    {
        DialogAnswers answers({CaptureKey(0x41)});
        Choose(1); // key press
        QVERIFY(answers.allUsed());
        // The key capture sits at (-50, -70) from the page's centre.
        const QPoint page = m_Page->mapToGlobal(QPoint(0, 0));
        QCOMPARE(answers.positions.first(),
                 page + QPoint((m_Page->width() - 300) / 2 - 50, (m_Page->height() - 140) / 2 - 70));
    }
    {
        DialogAnswers answers({CaptureKey(0x41)});
        Choose(2); // key release
        QVERIFY(answers.allUsed());
    }
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "10ms/0", "A/1"}));
    RowList()->setCurrentRow(2);
    {
        DialogAnswers answers({EnterDelay(50)});
        Choose(3); // delay before the current event
        QVERIFY(answers.allUsed());
    }
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "50ms/0", "A/1"}));
    QCOMPARE(RowList()->currentRow(), 1);
    QVERIFY(SaveButton()->isEnabled());
    m_Window->grab().save(OrvikTest::outputDir("macro") + "/macro-page.png");

    SaveButton()->click();
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("1\n0x04 1 0\n50ms\n0x04 1 1\n"));
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"M1", 0}));
    QVERIFY(!SaveButton()->isEnabled());
}

// Every picture the page names is one of its own folder and installed: the
// style sheets with Save in both looks, and the rows' icons.
void TestMacroPage::picturesAreInstalled()
{
    Select("M1");
    const QString folder = UserPaths::pictureFolder() + "Macro/";
    const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QSet<QString> named;
    auto collect = [&] {
        QList<QWidget *> widgets = m_Page->findChildren<QWidget *>();
        widgets << m_Page;
        for (QWidget *w : widgets) {
            QRegularExpressionMatchIterator match = url.globalMatch(w->styleSheet());
            while (match.hasNext())
                named.insert(match.next().captured(1).trimmed());
        }
    };
    QVERIFY(!SaveButton()->isEnabled());
    collect();
    const QString idle = SaveButton()->styleSheet();
    m_Page->findChild<QCheckBox *>("ReUntilLoose")->click();
    QVERIFY(SaveButton()->isEnabled());
    QVERIFY(SaveButton()->styleSheet() != idle);
    collect();
    m_Page->findChild<QCheckBox *>("ReNumber")->click();
    SaveButton()->click(); // back to the file as it was
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("1\n0x04 1 0\n50ms\n0x04 1 1\n"));

    for (const char *picture : {"ComboboxBack.png", "CheckBoxCheck.png", "Record.png", "Button.png"})
        QVERIFY2(named.contains(folder + picture), picture);
    QStringList missing;
    for (const QString &path : named) {
        if (!path.startsWith(folder) || QImageReader(path).size().isEmpty())
            missing << path;
    }
    QCOMPARE(RowList()->count(), 3);
    for (int i = 0; i < RowList()->count(); ++i) {
        if (RowList()->item(i)->icon().availableSizes().isEmpty())
            missing << "icon of row " + RowList()->item(i)->text();
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("pictures named but not installed:\n" + missing.join("\n")));
}

void TestMacroPage::repeatModeAloneSendsModeUpdate()
{
    Select("M1");
    QVERIFY(!SaveButton()->isEnabled()); // loading the file marks nothing
    m_Page->findChild<QCheckBox *>("ReUntilLoose")->click();
    QVERIFY(SaveButton()->isEnabled());
    SaveButton()->click();
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("254\n0x04 1 0\n50ms\n0x04 1 1\n"));
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"M1", 1}));

    // And back to a count, loaded again from the file.
    m_Page->findChild<QCheckBox *>("ReNumber")->click();
    SaveButton()->click();
    Select("M1");
    QVERIFY(m_Page->findChild<QCheckBox *>("ReNumber")->isChecked());
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "50ms/0", "A/1"}));
}

void TestMacroPage::mouseClickRowSurvivesLanguageSwitch()
{
    Select("M1");
    RowList()->setCurrentRow(RowList()->count() - 1);
    Choose(4); // left button click
    QCOMPARE(Rows(RowList()),
             (QStringList{"A/0", "50ms/0", "A/1", "10ms/0", "Left button/0", "10ms/0", "Left button/1"}));
    SaveButton()->click();
    const QByteArray english = ReadFile(MacroFile("M1"));
    QCOMPARE(english, QByteArray("1\n0x04 1 0\n50ms\n0x04 1 1\n10ms\n0x01 4 0\n10ms\n0x01 4 1\n"));

    PostMsg::GetInstance()->EmitChangeLanguage(3); // Russian
    QVERIFY(g_MouseButtonNames[MouseButtonLeft] != QString("Left button"));
    // The row keeps the text it was made with; Save still writes the button.
    QCOMPARE(RowList()->item(4)->text(), QString("Left button"));
    Invoke("on_Save_clicked");
    QCOMPARE(ReadFile(MacroFile("M1")), english);

    // Loaded again, the rows carry the names of the current language.
    Select("M1");
    QCOMPARE(RowList()->item(4)->text(), g_MouseButtonNames[MouseButtonLeft]);
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    QCOMPARE(g_MouseButtonNames[MouseButtonLeft], QString("Left button"));
}

void TestMacroPage::modifyingRowsThroughTheDialogs()
{
    DialogAnswers created({EnterName("Mod")});
    Invoke("on_NewHong_clicked");
    WriteFile(MacroFile("Mod"), "1\n0x04 1 0\n10ms\n0x04 1 1\n");
    Select("Mod");

    // Cancelled dialogs change nothing.
    RowList()->setCurrentRow(0);
    {
        DialogAnswers answers({CloseWithCross()});
        Invoke("on_Amend_clicked");
        QCOMPARE(answers.seen, QStringList{"addKey"});
    }
    RowList()->setCurrentRow(1);
    {
        DialogAnswers answers({CloseWithCross()});
        Invoke("on_Amend_clicked");
        QCOMPARE(answers.seen, QStringList{"AddDelayTime"});
    }
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "10ms/0", "A/1"}));
    QVERIFY(!SaveButton()->isEnabled());

    RowList()->setCurrentRow(0);
    {
        DialogAnswers answers({CaptureKey(0x42)});
        Invoke("on_Amend_clicked");
    }
    RowList()->setCurrentRow(1);
    {
        DialogAnswers answers({EnterDelay(30)});
        Invoke("on_Amend_clicked");
    }
    // A key without a name makes the row the key without a name.
    RowList()->setCurrentRow(2);
    {
        DialogAnswers answers({CaptureKey(0xFF)});
        Invoke("on_Amend_clicked");
    }
    QCOMPARE(Rows(RowList()), (QStringList{"B/0", "30ms/0", "/1"}));
    QVERIFY(SaveButton()->isEnabled());
    SaveButton()->click();
    QCOMPARE(ReadFile(MacroFile("Mod")), QByteArray("1\n0x05 1 0\n30ms\n0x00 1 1\n"));
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"Mod", 0}));

    DialogAnswers gone({Confirm()});
    Invoke("on_DeleteHong_clicked");
    Select("M1");
}

void TestMacroPage::deletingTheLastRowsReachesTheDevice()
{
    DialogAnswers answers({EnterName("Short")});
    Invoke("on_NewHong_clicked");
    DialogAnswers key({CaptureKey(0x42)});
    Choose(1);
    SaveButton()->click();
    QCOMPARE(ReadFile(MacroFile("Short")), QByteArray("1\n0x05 1 0\n"));
    m_UpData->clear();

    // Three rows or fewer: the whole list goes, and Save must tell the
    // button page so the device does not keep the old macro.
    Invoke("on_DeleteKey_clicked");
    QCOMPARE(RowList()->count(), 0);
    QVERIFY(SaveButton()->isEnabled());
    SaveButton()->click();
    QCOMPARE(ReadFile(MacroFile("Short")), QByteArray("1\n"));
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"Short", 0}));

    DialogAnswers gone({Confirm()});
    Invoke("on_DeleteHong_clicked");
    Select("M1");
}

void TestMacroPage::deletingRowTakesItsPartner_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("left");
    // Rows E0 D0 E1 D1 E2 of a fixture file.
    QTest::newRow("first delay") << 1 << QStringList{"B/0", "20ms/0", "C/0"};
    QTest::newRow("middle event") << 2 << QStringList{"A/0", "10ms/0", "C/0"};
    QTest::newRow("last event") << 4 << QStringList{"A/0", "10ms/0", "B/0"};
    QTest::newRow("first event") << 0 << QStringList{"B/0", "20ms/0", "C/0"};
    QTest::newRow("second delay") << 3 << QStringList{"A/0", "10ms/0", "C/0"};
}

void TestMacroPage::deletingRowTakesItsPartner()
{
    QFETCH(int, row);
    QFETCH(QStringList, left);
    WriteFile(MacroFile("M1"), "7\n0x04 1 0\n10ms\n0x05 1 0\n20ms\n0x06 1 0\n");
    Select("M1");
    QCOMPARE(RowList()->count(), 5);
    RowList()->setCurrentRow(row);
    Invoke("on_DeleteKey_clicked");
    QCOMPARE(Rows(RowList()), left);
    SaveButton()->click();
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"M1", 0}));
}

void TestMacroPage::unsavedChangesGoWithTheNextSave()
{
    // Kept as the page has always worked: a change left unsaved on one macro
    // is reported by the next Save, whichever macro that saves.
    DialogAnswers answers({EnterName("Other")});
    Invoke("on_NewHong_clicked");
    Select("M1");
    m_Page->findChild<QCheckBox *>("ReUntilClick")->click();
    Select("Other");
    QVERIFY(!SaveButton()->isEnabled());
    Invoke("on_Save_clicked");
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(m_UpData->at(0), (QVariantList{"Other", 1}));
    QVERIFY(!ReadFile(MacroFile("M1")).startsWith("255"));

    DialogAnswers gone({Confirm()});
    Invoke("on_DeleteHong_clicked");
    Select("M1");
}

void TestMacroPage::contextMenuOffersTheLanguageCaptions()
{
    QStringList captions;
    auto readMenu = [&captions] {
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu->actions())
            captions << action->text();
        menu->close();
    };
    QListWidget *list = MacroList();
    const QPoint onItem = list->visualItemRect(list->item(0)).center();
    QTimer::singleShot(0, readMenu);
    emit list->customContextMenuRequested(onItem);
    QCOMPARE(captions, (QStringList{"Export", "Rename", "Delete"}));

    captions.clear();
    QTimer::singleShot(0, readMenu);
    emit list->customContextMenuRequested(QPoint(5, list->viewport()->height() - 5));
    QCOMPARE(captions, (QStringList{"New macro", "Import"}));
}

void TestMacroPage::renameToOwnNameIsAClash()
{
    Select("M1");
    DialogAnswers answers({EnterName("M1"), Confirm()});
    Invoke("RenameMacro");
    QCOMPARE(answers.seen, (QStringList{"QuestionDialog", "SameMacro"}));
    QCOMPARE(m_Renamed->count(), 0);
    QVERIFY(QFile::exists(MacroFile("M1")));
}

void TestMacroPage::renameMovesFileAndTellsButtonPage()
{
    Select("M1");
    const QByteArray content = ReadFile(MacroFile("M1"));
    DialogAnswers answers({EnterName("M2")});
    Invoke("RenameMacro");
    QCOMPARE(answers.seen, QStringList{"QuestionDialog"});
    QCOMPARE(MacroList()->currentItem()->text(), QString("M2"));
    QVERIFY(!QFile::exists(MacroFile("M1")));
    QCOMPARE(ReadFile(MacroFile("M2")), content);
    QCOMPARE(m_Renamed->count(), 1);
    QCOMPARE(m_Renamed->at(0), (QVariantList{"M1", "M2"}));
}

void TestMacroPage::failedRenameKeepsNameAndSaysSo()
{
    Select("M2");
    const QByteArray content = ReadFile(MacroFile("M2"));
    // The file went away behind the page's back: nothing to rename.
    QVERIFY(QFile::rename(MacroFile("M2"), MacroFolder() + "/aside"));
    DialogAnswers answers({EnterName("M3"), Confirm()});
    Invoke("RenameMacro");
    QCOMPARE(answers.seen, (QStringList{"QuestionDialog", "ExeIsRun"}));
    QVERIFY(!answers.texts.at(1).isEmpty());
    QCOMPARE(MacroList()->currentItem()->text(), QString("M2"));
    QCOMPARE(m_Renamed->count(), 0);
    QVERIFY(!QFile::exists(MacroFile("M3")));
    QVERIFY(QFile::rename(MacroFolder() + "/aside", MacroFile("M2")));
    QCOMPARE(ReadFile(MacroFile("M2")), content);
}

void TestMacroPage::refusedWhileRecording_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("new") << "on_NewHong_clicked";
    QTest::newRow("delete macro") << "on_DeleteHong_clicked";
    QTest::newRow("modify row") << "on_Amend_clicked";
    QTest::newRow("delete row") << "on_DeleteKey_clicked";
    QTest::newRow("save") << "on_Save_clicked";
}

void TestMacroPage::refusedWhileRecording()
{
    QFETCH(QString, slot);
    Select("M2");
    RowList()->setCurrentRow(0);
    m_Page->findChild<QCheckBox *>("ReUntil")->click(); // Save active
    const QString saveSheet = SaveButton()->styleSheet();
    const QStringList rows = Rows(RowList());
    const QMap<QString, QByteArray> files = HomeFiles();
    const int macros = MacroList()->count();

    g_MacroRecording = true;
    ExeIsRun reference;
    reference.ShowPleaseStopText();
    const QString pleaseStop = reference.findChild<QLabel *>("label")->text();
    DialogAnswers answers({Confirm()});
    QVERIFY(QMetaObject::invokeMethod(m_Page, slot.toLatin1().constData()));
    g_MacroRecording = false;

    QCOMPARE(answers.seen, QStringList{"ExeIsRun"});
    QCOMPARE(answers.texts.first(), pleaseStop);
    QCOMPARE(Rows(RowList()), rows);
    QCOMPARE(HomeFiles(), files);
    QCOMPARE(MacroList()->count(), macros);
    QCOMPARE(SaveButton()->styleSheet(), saveSheet);
    QVERIFY(SaveButton()->isEnabled());
    QCOMPARE(m_UpData->count(), 0);
    QCOMPARE(m_Deleted->count(), 0);
}

void TestMacroPage::escapeAndF12AreSwallowed()
{
    const QStringList rows = Rows(RowList());
    DialogAnswers answers({});
    QTest::keyClick(m_Page, Qt::Key_Escape);
    QTest::keyClick(m_Page, Qt::Key_F12);
    QVERIFY(m_Page->isVisible());
    QCOMPARE(Rows(RowList()), rows);
    QCOMPARE(answers.unexpected, 0);

    // The main frame swallows both keys too, so the page's own handling is
    // seen on the event itself: taken by the page, never passed to a parent
    // (another key is).
    const struct
    {
        Qt::Key key;
        bool taken;
    } keys[] = {{Qt::Key_Escape, true}, {Qt::Key_F12, true}, {Qt::Key_A, false}};
    for (const auto &k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier);
        static_cast<QObject *>(m_Page)->event(&press);
        QCOMPARE(press.isAccepted(), k.taken);
    }
}

void TestMacroPage::deleteRemovesFileAndTellsButtonPage()
{
    Select("M2");
    // Closing the confirmation keeps the macro.
    {
        DialogAnswers answers({CloseWithCross()});
        m_Page->findChild<QToolButton *>("DeleteHong")->click();
        QVERIFY(QFile::exists(MacroFile("M2")));
        QCOMPARE(m_Deleted->count(), 0);
    }
    DialogAnswers answers({Confirm()});
    m_Page->findChild<QToolButton *>("DeleteHong")->click();
    QCOMPARE(answers.seen, QStringList{"DeleteConfirm"});
    QVERIFY(!QFile::exists(MacroFile("M2")));
    QCOMPARE(m_Deleted->count(), 1);
    QCOMPARE(m_Deleted->at(0).at(0).toString(), QString("Macro-M2"));
    QVERIFY(MacroList()->findItems("M2", Qt::MatchExactly).isEmpty());
    QCOMPARE(MacroList()->currentRow(), -1);
    QCOMPARE(RowList()->count(), 0);
}

void TestMacroPage::failedSaveKeepsTheEditsAndSaysSo()
{
    {
        DialogAnswers answers({EnterName("Keep")});
        Invoke("on_NewHong_clicked");
        QVERIFY(answers.allUsed());
    }
    {
        DialogAnswers answers({CaptureKey(0x41), CaptureKey(0x41)});
        Choose(1);
        Choose(2);
        QVERIFY(answers.allUsed());
    }
    SaveButton()->click();
    const QByteArray saved("1\n0x04 1 0\n10ms\n0x04 1 1\n");
    QCOMPARE(ReadFile(MacroFile("Keep")), saved);
    m_UpData->clear();

    // Rows and the repeat mode changed; the disk takes no more than 8 bytes
    // of any file.
    Choose(4); // a left click after the last row
    m_Page->findChild<QCheckBox *>("ReUntilClick")->click();
    const QStringList rows = Rows(RowList());
    QVERIFY(rows.size() > 3);
    QVERIFY(SaveButton()->isEnabled());
    const QString activeSheet = SaveButton()->styleSheet();
    const QStringList entries = QDir(MacroFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    {
        FileSizeLimit full(8);
        QVERIFY(full.held());
        DialogAnswers answers({Confirm()});
        SaveButton()->click();
        full.Release();
        QCOMPARE(answers.seen, QStringList{"ExeIsRun"});
        QCOMPARE(answers.texts, QStringList{"The macro could not be saved"});
    }
    // The file keeps what it held, nothing stays beside it, the edits stay
    // on show with Save active, and the button page heard nothing.
    QCOMPARE(ReadFile(MacroFile("Keep")), saved);
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), entries);
    QCOMPARE(Rows(RowList()), rows);
    QVERIFY(SaveButton()->isEnabled());
    QCOMPARE(SaveButton()->styleSheet(), activeSheet);
    QCOMPARE(m_UpData->count(), 0);

    // With room again, the same Save writes the edits and reports both.
    {
        DialogAnswers answers({});
        SaveButton()->click();
        QCOMPARE(answers.unexpected, 0);
    }
    const QByteArray written = ReadFile(MacroFile("Keep"));
    QVERIFY2(written.startsWith("255\n0x04 1 0\n") && written.contains("0x01 4 0\n"), written.constData());
    QCOMPARE(written.count('\n'), 1 + rows.size());
    QVERIFY(!SaveButton()->isEnabled());
    QCOMPARE(m_UpData->count(), 2);
    QCOMPARE(m_UpData->at(0), (QVariantList{"Keep", 0}));
    QCOMPARE(m_UpData->at(1), (QVariantList{"Keep", 1}));
}

void TestMacroPage::newMacroThatCannotBeWrittenAddsNothing_data()
{
    // The empty file of a new macro meets no size limit; the writer's own
    // seam fails it as the folder would.
    QTest::addColumn<int>("fault");
    QTest::newRow("disk full") << int(ENOSPC);
    QTest::newRow("quota exceeded") << int(EDQUOT);
    QTest::newRow("read-only macro folder") << int(EROFS);
    QTest::newRow("folder the user cannot write") << int(EACCES);
}

void TestMacroPage::newMacroThatCannotBeWrittenAddsNothing()
{
    QFETCH(int, fault);
    Select("Keep");
    const QStringList rows = Rows(RowList());
    const int count = MacroList()->count();
    const QMap<QString, QByteArray> files = HomeFiles();
    SaveFile::SetBeforeRenameForTest([fault](const QString &, const QString &) { return fault; });

    DialogAnswers answers({EnterName("Lost"), Confirm()});
    m_Page->findChild<QToolButton *>("NewHong")->click();
    QCOMPARE(answers.seen, (QStringList{"QuestionDialog", "ExeIsRun"}));
    QCOMPARE(answers.texts.at(1), QString("The macro could not be saved"));
    QCOMPARE(HomeFiles(), files);
    QCOMPARE(MacroList()->count(), count);
    QVERIFY(MacroList()->findItems("Lost", Qt::MatchExactly).isEmpty());
    QCOMPARE(MacroList()->currentItem()->text(), QString("Keep"));
    QCOMPARE(Rows(RowList()), rows);
}

ORVIK_TEST_MAIN(TestMacroPage)
#include "tst_macropage.moc"
