// The macro page's recorder, its exchange files and its device macro records,
// inside the running main frame with a simulated mouse selected. Keys go in
// through the keyboard hook's injection seam, records come out of the
// simulated mouse. The test functions run in order on one session.

#include "TestMain.h"

#include "MacroPageFixture.h"
#include "MacroTestHelpers.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FileDialogs.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "HandOverHelpers.h"
#include "KeyHookPlatform.h"
#include "KeyVocabulary.h"
#include "KeyboardHook.h"
#include "LanguageLoader.h"
#include "Macro.h"
#include "MacroExchange.h"
#include "MacroIni.h"
#include "MacroState.h"
#include "PostMsg.h"
#include "SaveFile.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "Worker.h"

#include <QComboBox>
#include <QDataStream>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>

using namespace MacroTest;

namespace {

// "+41" presses virtual key 0x41, "-41" releases it.
void Inject(const QStringList &events)
{
    for (const QString &event : events)
        KeyHookPlatform::Instance()->InjectVirtualKey(event.mid(1).toInt(nullptr, 16), event.startsWith('+'));
}

QByteArray RecordOf(const QByteArray &flash, int button)
{
    return flash.mid(956 + 592 * button, 592);
}

} // namespace

class TestMacroDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startWithoutMacroShowsNotice();
    void recordSaveAndDownload();
    void changedRowsReplaceTheDeviceRecord();
    void downloadOfAnotherMacroKeepsTheRecord();
    void recordingRows_data();
    void recordingRows();
    void seventyEventsEndTheRecording();
    void leavingThePageEndsTheRecording();
    void exportThenImport();
    void damagedImportsChangeNothing_data();
    void damagedImportsChangeNothing();
    void importThatCannotBeWrittenAddsNothing_data();
    void importThatCannotBeWrittenAddsNothing();
    void importClashShowsSameMacro();
    void menuExportsTheMacroNamed_data();
    void menuExportsTheMacroNamed();
    void exportAddsTheFilterSuffix_data();
    void exportAddsTheFilterSuffix();
    void longMacroExportsAndImportsAgain();
    void clicksOfEveryLanguageImport_data();
    void clicksOfEveryLanguageImport();
    void deviceRecordBecomesMacroFile();
    void deviceNameOutsideTheFolderWritesNothing();
    void deviceRecordThatCannotBeWrittenAddsNothing();
    // Last: the mouse coming back starts a new read.
    void offlineDownloadLeavesDeviceAlone();
    void bindingThroughTheButtonPage();

    void cleanup();

private:
    // The next file choosers answer path and note what they were asked.
    void AnswerChooser(const QString &path);
    // Right-clicks the macro of that name and chooses Export in its menu.
    void ExportFromMenu(const QString &name);
    QListWidget *MacroList() const { return m_Page->findChild<QListWidget *>("listWidgetHong"); }
    QListWidget *RowList() const { return m_Page->findChild<QListWidget *>("listWidgetKey"); }
    template<typename T>
    T *Child(const char *name) const
    {
        return m_Page->findChild<T *>(name);
    }
    void Invoke(const char *slot) { QVERIFY(QMetaObject::invokeMethod(m_Page, slot)); }
    void Select(const QString &name);
    void Front();
    void Record(const QStringList &events);
    // The button page's macro item of that name (null when none).
    QToolButton *MacroItem(const QString &name) const;
    // A full read's refresh of the button page with this record, from a
    // helper thread as the data callback makes it.
    void FullRead(const FlashDataMap &record);
    // Waits until the read that follows the mouse's return has ended.
    void WaitForTheReadToEnd();

    DialogMain *m_Window = nullptr;
    Macro *m_Page = nullptr;
    int m_Mouse = 0;
    QSignalSpy *m_StartRecord = nullptr;
    QSignalSpy *m_UpData = nullptr;
    QList<FileDialogs::Request> m_Asked;
};

void TestMacroDevice::initTestCase()
{
    MacroTest::OpenMacroPage(&m_Window, &m_Page, &m_Mouse);
    if (QTest::currentTestFailed())
        return;

    m_StartRecord = new QSignalSpy(PostMsg::GetInstance(), &PostMsg::SigStartRecord);
    m_UpData = new QSignalSpy(PostMsg::GetInstance(), &PostMsg::SigUpDataMacro);

    // Fixed delays make the rows exact.
    Child<QCheckBox>("DefaultDelay")->setChecked(true);
    Child<QSpinBox>("DelayTime")->setValue(50);
}

void TestMacroDevice::init()
{
    m_StartRecord->clear();
    m_UpData->clear();
    Front();
}

void TestMacroDevice::cleanup()
{
    FileDialogs::SetChooser(nullptr);
    SaveFile::SetBeforeRenameForTest(nullptr);
}

void TestMacroDevice::AnswerChooser(const QString &path)
{
    m_Asked.clear();
    FileDialogs::SetChooser([this, path](const FileDialogs::Request &request) {
        m_Asked << request;
        return path;
    });
}

void TestMacroDevice::ExportFromMenu(const QString &name)
{
    QListWidget *list = MacroList();
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QPoint at = list->visualItemRect(found.first()).center();
    // The right button's press makes the item current, as it does for a user;
    // the rows on show stay those of the macro shown before.
    QTest::mousePress(list->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, Qt::NoModifier, at);
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *exportAction = menu->actions().value(0);
        QVERIFY(exportAction);
        QCOMPARE(exportAction->text(), QString("Export"));
        chosen = true;
        exportAction->trigger();
        menu->close();
    });
    emit list->customContextMenuRequested(at);
    QVERIFY(chosen);
}

void TestMacroDevice::Front()
{
    m_Window->activateWindow();
    QTRY_VERIFY(KeyHookPlatform::ApplicationIsForeground());
    KeyHookPlatform::Instance()->ResetKeyState();
}

void TestMacroDevice::Select(const QString &name)
{
    const QList<QListWidgetItem *> found = MacroList()->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    MacroList()->setCurrentItem(found.first());
    QVERIFY(QMetaObject::invokeMethod(m_Page, "on_listWidgetHong_clicked",
                                      Q_ARG(QModelIndex, MacroList()->currentIndex())));
}

void TestMacroDevice::Record(const QStringList &events)
{
    Front();
    Child<QPushButton>("StartRecord")->click();
    QVERIFY(g_MacroRecording);
    Inject(events);
    QCoreApplication::processEvents();
    QTest::qWait(KeyHookPlatform::ReleaseGraceMs * 3); // a release may wait for an auto-repeat press
    Child<QPushButton>("StopRecord")->click();
}

QToolButton *TestMacroDevice::MacroItem(const QString &name) const
{
    for (QToolButton *b : m_Window->MainFramePage()->ButtonPage()->MacroButtons())
        if (b->isEnabled() && b->text() == name)
            return b;
    return nullptr;
}

void TestMacroDevice::FullRead(const FlashDataMap &record)
{
    FlashData::replace(record);
    QVERIFY(OrvikTest::FromHelperThread([record] {
        g_ButtonPageUpdated = 0;
        PostMsg::GetInstance()->EmitUpDataLightUIButton(record);
    }));
}

void TestMacroDevice::WaitForTheReadToEnd()
{
    // The 1300 ms check sees the mouse back and starts a pass, whose wait
    // dialog comes through the event queue after the pass; on a busy machine
    // all of that may still lie ahead here, and the read's refresh would land
    // in the middle of the next step.
    QTRY_VERIFY_WITH_TIMEOUT(!g_OfflinePending, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!g_Worker.load()->isRunning(), 10000);
    QCoreApplication::processEvents(); // a queued wait dialog runs to its end in here
    QVERIFY(HIDUsbSim::waitIdle());
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    QTRY_VERIFY_WITH_TIMEOUT(!wait->isVisible(), 20000);
}

void TestMacroDevice::startWithoutMacroShowsNotice()
{
    MacroList()->setCurrentRow(-1);
    DialogAnswers answers({Confirm()});
    Child<QPushButton>("StartRecord")->click();
    QCOMPARE(answers.seen, QStringList{"ExeIsRun"});
    QCOMPARE(answers.texts, QStringList{"Please select a macro first"});
    QVERIFY(!g_MacroRecording);
    QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::RecorderInstance));
    QCOMPARE(m_StartRecord->count(), 0);
    QVERIFY(Child<QPushButton>("StartRecord")->isVisible());
}

void TestMacroDevice::recordSaveAndDownload()
{
    {
        DialogAnswers answers({EnterName("M1")});
        Child<QToolButton>("NewHong")->click();
        QVERIFY(answers.allUsed());
    }
    Record({"+41", "-41"});
    QCOMPARE(m_StartRecord->count(), 2);
    QCOMPARE(m_StartRecord->at(0).at(0).toInt(), 0);
    QCOMPARE(m_StartRecord->at(1).at(0).toInt(), 1);
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "50ms/0", "A/1"}));

    Child<QSpinBox>("NumberEdit")->setValue(3);
    Child<QToolButton>("Save")->click();
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("3\n0x04 1 0\n50ms\n0x04 1 1\n"));
    QCOMPARE(m_UpData->count(), 2);
    QCOMPARE(m_UpData->at(0), (QVariantList{"M1", 0}));

    // Bind M1 to button 0 on the button page. Button 0 holds the mouse's
    // only Left click, which must stay: button 1 takes it first.
    Buttoninterface *buttons = m_Window->MainFramePage()->ButtonPage();
    Ui_Buttoninterface *form = buttons->Form();
    buttons->SlotAddMacroButton();
    form->RightKey->click();
    form->LeftKey_3->click();
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse).mid(77, 3).toHex(), QByteArray("010100"));
    form->FireKey->click();
    form->DPI_10->click();
    QToolButton *item = MacroItem("M1");
    QVERIFY(item);
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    item->click();
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates + 1);
    QVERIFY(form->FireKey->text().endsWith("M1"));
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74, 3).toHex(), QByteArray("060003"));
    const QByteArray record = RecordOf(sent, 0);
    QCOMPARE(record.left(4).toHex(), QByteArray("024d3100"));
    QCOMPARE(record.mid(4, 27), QByteArray(27, '\0'));
    QCOMPARE(int(record.at(31)), 2);
    QCOMPARE(record.mid(32, 16).toHex(),
             QByteArray("0001040032000000"
                        "0101040000000000"));
    QCOMPARE(record.mid(48), QByteArray(592 - 48, '\0'));
}

void TestMacroDevice::changedRowsReplaceTheDeviceRecord()
{
    Select("M1");
    RowList()->setCurrentRow(1);
    {
        DialogAnswers answers({EnterDelay(70)});
        Invoke("on_Amend_clicked");
    }
    // M1 is bound to button 0: after its wait the button page has the new
    // record sent, within the Save.
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    QSignalSpy downloads(PostMsg::GetInstance(), &PostMsg::SigMacroDownLoadData);
    Child<QToolButton>("Save")->click();
    QCOMPARE(m_UpData->count(), 1);
    QCOMPARE(downloads.count(), 1);
    QCOMPARE(downloads.at(0), (QVariantList{"M1", 0}));
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates + 1);
    const QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74, 3).toHex(), QByteArray("060003"));
    QCOMPARE(RecordOf(sent, 0).mid(31, 17).toHex(),
             QByteArray("02"
                        "0001040046000000"
                        "0101040000000000"));
    // The button page's name may carry trailing NULs.
    PostMsg::GetInstance()->EmitMacroDownLoadData(QString("M1") + QChar(0) + QChar(0), 0);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates + 2);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), sent);

    // Offline: the same Save brings the offline notice after the wait, and
    // the mouse keeps its record.
    RowList()->setCurrentRow(1);
    {
        DialogAnswers answers({EnterDelay(90)});
        Invoke("on_Amend_clicked");
    }
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, false));
    {
        DialogAnswers answers({Confirm()});
        Child<QToolButton>("Save")->click();
        QTRY_COMPARE(answers.seen, QStringList{"MouseOffLine"});
    }
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates + 2);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), sent);
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("3\n0x04 1 0\n90ms\n0x04 1 1\n"));
    // Back online, the read that follows rewrites M1's file from the
    // mouse's record.
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, true));
    WaitForTheReadToEnd();
    QTRY_COMPARE(ReadFile(MacroFile("M1")), QByteArray("3\n0x04 1 0\n70ms\n0x04 1 1\n"));
}

void TestMacroDevice::offlineDownloadLeavesDeviceAlone()
{
    Select("M1");
    const QByteArray before = HIDUsbSim::lastRecord(m_Mouse);
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, false));
    {
        DialogAnswers answers({Confirm()});
        PostMsg::GetInstance()->EmitMacroDownLoadData("M1", 0);
        QTRY_VERIFY(answers.seen.contains("MouseOffLine"));
    }
    QVERIFY(HIDUsbSim::setOnline(m_Mouse, true));
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), before);
}

void TestMacroDevice::downloadOfAnotherMacroKeepsTheRecord()
{
    // Only the macro on show is built; a request for another one keeps the
    // device's record, and so does one while the page is not ready.
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    Select("M1");
    PostMsg::GetInstance()->EmitMacroDownLoadData("M2", 0);
    g_UiReady = false;
    PostMsg::GetInstance()->EmitMacroDownLoadData("M1", 0);
    g_UiReady = true;
    PostMsg::GetInstance()->EmitMacroDownLoadData("M1", 16);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
}

void TestMacroDevice::recordingRows_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("held key repeats its press")
        << QStringList{"+41", "+41", "+41", "-41"} << QStringList{"A/0", "50ms/0", "A/1"};
    // The last key seen is no held key: B pressed again is a real press.
    QTest::newRow("A down B down A up B up B down B up")
        << QStringList{"+41", "+42", "-41", "-42", "+42", "-42"}
        << QStringList{"A/0", "50ms/0", "B/0", "50ms/0", "A/1", "50ms/0", "B/1", "50ms/0", "B/0", "50ms/0", "B/1"};
    // The media key ends the delay before it and leaves the next key without one.
    QTest::newRow("media key between letters") << QStringList{"+41", "-41", "+B3", "-B3", "+42", "-42"}
                                               << QStringList{"A/0", "50ms/0", "A/1", "50ms/0", "B/0", "50ms/0", "B/1"};
    QTest::newRow("0x0C has the empty name") << QStringList{"+0C", "-0C"} << QStringList{"/0", "50ms/0", "/1"};
}

void TestMacroDevice::recordingRows()
{
    QFETCH(QStringList, events);
    QFETCH(QStringList, rows);
    Select("M1");
    Record(events);
    QCOMPARE(Rows(RowList()), rows);
    QVERIFY(!g_MacroRecording);
}

void TestMacroDevice::seventyEventsEndTheRecording()
{
    Select("M1");
    QWidget *home = m_Window->MainFramePage()->Form()->ButtonMain;
    Child<QPushButton>("StartRecord")->click();
    QVERIFY(!home->isEnabled());
    QVERIFY(!Child<QComboBox>("ChooseEvent")->isEnabled());
    {
        DialogAnswers answers({Confirm()});
        for (int pair = 0; pair < 35; ++pair)
            Inject({"+41", "-41"});
        QTRY_COMPARE(answers.seen, QStringList{"KeyNumberLimit"});
    }
    QTRY_COMPARE(RowList()->count(), 139);
    QVERIFY(!g_MacroRecording);
    QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::RecorderInstance));
    // Still in the recording look until Stop.
    QVERIFY(Child<QPushButton>("StopRecord")->isVisible());
    QVERIFY(!MacroList()->isEnabled());
    QVERIFY(!home->isEnabled());
    QCOMPARE(m_StartRecord->count(), 1);
    Inject({"+42", "-42"});
    QCOMPARE(RowList()->count(), 139);

    Child<QPushButton>("StopRecord")->click();
    QCOMPARE(m_StartRecord->count(), 2);
    QVERIFY(home->isEnabled());
    QVERIFY(MacroList()->isEnabled());
    QVERIFY(Child<QComboBox>("ChooseEvent")->isEnabled());
    QVERIFY(Child<QPushButton>("StartRecord")->isVisible());
}

void TestMacroDevice::leavingThePageEndsTheRecording()
{
    Select("M1");
    Child<QPushButton>("StartRecord")->click();
    Inject({"+41"});
    PostMsg::GetInstance()->EmitSetMacroPage();
    QVERIFY(!g_MacroRecording);
    QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::RecorderInstance));
    QVERIFY(Child<QComboBox>("ChooseEvent")->isEnabled());
    QVERIFY(MacroList()->isEnabled());
    QVERIFY(!Child<QToolButton>("Save")->isEnabled());
    QCOMPARE(m_StartRecord->last().at(0).toInt(), 1);
    Inject({"-41"});

    // A new recording counts from zero: 69 events after the 1 above fit.
    Child<QPushButton>("StartRecord")->click();
    DialogAnswers none({});
    for (int k = 0; k < 34; ++k)
        Inject({"+42", "-42"});
    Inject({"+43"});
    QCOMPARE(RowList()->count(), 2 * 69 - 1);
    QVERIFY(g_MacroRecording);
    Child<QPushButton>("StopRecord")->click();
    QCOMPARE(none.seen, QStringList());
    KeyHookPlatform::Instance()->ResetKeyState();
}

void TestMacroDevice::exportThenImport()
{
    Select("M1"); // mode 3 from its file, rows A, 70ms, A
    const QString exported = QDir::homePath() + "/M1-export.ini";
    AnswerChooser(exported);
    {
        DialogAnswers answers({});
        Invoke("ExPortMacro");
        QCOMPARE(answers.seen, QStringList());
    }
    QCOMPARE(m_Asked.size(), 1);
    QCOMPARE(m_Asked.at(0).caption, QString("FileSave"));
    QCOMPARE(m_Asked.at(0).folder, QDir::homePath());
    QCOMPARE(m_Asked.at(0).filter, QString("File(*.ini)"));
    QVERIFY(m_Asked.at(0).save);
    const QByteArray data = ReadFile(exported);
    QCOMPARE(data.left(16).toHex(), QByteArray("0000000c5661726e6f00000000000000"));

    // Gone from this computer, then back from the file.
    MacroList()->setCurrentRow(MacroList()->row(MacroList()->findItems("M1", Qt::MatchExactly).first()));
    {
        DialogAnswers answers({Confirm()});
        Invoke("on_DeleteHong_clicked");
        QCOMPARE(answers.seen, QStringList{"DeleteConfirm"});
    }
    QVERIFY(!QFile::exists(MacroFile("M1")));
    Child<QCheckBox>("ReUntilClick")->setChecked(true);
    Child<QToolButton>("Save")->click(); // no macro selected: only the look changes
    m_UpData->clear();
    AnswerChooser(exported);
    {
        DialogAnswers answers({});
        Invoke("InPortMacro");
        QCOMPARE(answers.seen, QStringList());
    }
    QCOMPARE(m_Asked.size(), 1);
    QCOMPARE(m_Asked.at(0).caption, QString("SelectFile"));
    QCOMPARE(m_Asked.at(0).filter, QString("File(*.ini)"));
    QVERIFY(!m_Asked.at(0).save);
    QVERIFY(MacroList()->currentItem());
    QCOMPARE(MacroList()->currentItem()->text(), QString("M1"));
    QCOMPARE(Rows(RowList()), (QStringList{"A/0", "70ms/0", "A/1"}));
    QCOMPARE(ReadFile(MacroFile("M1")), QByteArray("3\n0x04 1 0\n70ms\n0x04 1 1\n"));
    QVERIFY(Child<QCheckBox>("ReNumber")->isChecked());
    QCOMPARE(Child<QSpinBox>("NumberEdit")->value(), 3);
    QCOMPARE(m_UpData->count(), 0);
    // A later Save keeps the imported mode.
    Child<QSpinBox>("NumberEdit")->setValue(3);
    Child<QToolButton>("Save")->click();
    QCOMPARE(ReadFile(MacroFile("M1")).left(2), QByteArray("3\n"));
}

void TestMacroDevice::damagedImportsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = ReadFile(QDir::homePath() + "/M1-export.ini");
    QByteArray renamed = good;
    renamed.replace(20, 2, "M9"); // the name block's first bytes: no clash
    QByteArray wrongTag = renamed;
    wrongTag[8] = 'X';
    QByteArray hugeCount = renamed;
    const int countAt = 16 + 52 + 16;
    hugeCount.replace(countAt, 4, QByteArray::fromHex("7fffffff"));
    QByteArray evil = renamed;
    evil.replace(20, 7, "../evil");
    QTest::newRow("truncated") << renamed.left(renamed.size() - 5);
    QTest::newRow("wrong tag") << wrongTag;
    QTest::newRow("row count 0x7FFFFFFF") << hugeCount;
    QTest::newRow("name ../evil") << evil;
}

void TestMacroDevice::damagedImportsChangeNothing()
{
    QFETCH(QByteArray, file);
    const QString path = QDir::homePath() + "/damaged.ini";
    WriteFile(path, file);
    const QStringList before = [this] {
        QStringList names;
        for (int i = 0; i < MacroList()->count(); ++i)
            names << MacroList()->item(i)->text();
        return names;
    }();
    const QStringList filesBefore = QDir(MacroFolder()).entryList(QDir::Files);
    const QStringList rowsBefore = Rows(RowList());
    AnswerChooser(path);
    {
        // Refused, and said so.
        DialogAnswers answers({Confirm()});
        Invoke("InPortMacro");
        QCOMPARE(answers.seen, QStringList{"InportFail"});
        QCOMPARE(answers.unexpected, 0);
    }
    QCOMPARE(MacroList()->count(), before.size());
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::Files), filesBefore);
    QCOMPARE(Rows(RowList()), rowsBefore);
    QVERIFY(!QFile::exists(UserPaths::userSettingFolder() + "/evil.ini"));
}

// The new macro's file cannot be written (a link planted under its name, a
// disk that takes no more): the file read was good, so the notice says the
// macro could not be saved, and no list entry stands without its file.
void TestMacroDevice::importThatCannotBeWrittenAddsNothing_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("link planted under the name") << true;
    QTest::newRow("disk full (file-size limit)") << false;
}

void TestMacroDevice::importThatCannotBeWrittenAddsNothing()
{
    QFETCH(bool, link);
    QByteArray file = ReadFile(QDir::homePath() + "/M1-export.ini");
    file.replace(20, 2, "M7"); // the name block's first bytes: no clash
    const QString path = QDir::homePath() + "/M7-export.ini";
    WriteFile(path, file);
    const QString outside = QDir::homePath() + "/outside.txt";
    WriteFile(outside, "keep\n");
    if (link)
        QVERIFY(QFile::link(outside, MacroFile("M7")));
    auto removeLink = qScopeGuard([this] { QFile::remove(MacroFile("M7")); });
    const int before = MacroList()->count();
    QListWidgetItem *current = MacroList()->currentItem();
    const QStringList rowsBefore = Rows(RowList());
    const QStringList entries = QDir(MacroFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    AnswerChooser(path);
    {
        std::unique_ptr<FileSizeLimit> full;
        if (!link) {
            full.reset(new FileSizeLimit(8));
            QVERIFY(full->held());
        }
        DialogAnswers answers({Confirm()});
        Invoke("InPortMacro");
        full.reset();
        QCOMPARE(answers.seen, QStringList{"ExeIsRun"});
        QCOMPARE(answers.texts, QStringList{"The macro could not be saved"});
        QCOMPARE(answers.unexpected, 0);
    }
    QCOMPARE(MacroList()->count(), before);
    QVERIFY(MacroList()->findItems("M7", Qt::MatchExactly).isEmpty());
    QCOMPARE(MacroList()->currentItem(), current);
    QCOMPARE(Rows(RowList()), rowsBefore);
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), entries);
    QCOMPARE(QFileInfo(MacroFile("M7")).isSymLink(), link);
    QCOMPARE(ReadFile(outside), QByteArray("keep\n"));
}

void TestMacroDevice::importClashShowsSameMacro()
{
    const int before = MacroList()->count();
    AnswerChooser(QDir::homePath() + "/M1-export.ini");
    DialogAnswers answers({Confirm()});
    Invoke("InPortMacro");
    QCOMPARE(answers.seen, (QStringList{"SameMacro"}));
    QCOMPARE(MacroList()->count(), before);
}

void TestMacroDevice::menuExportsTheMacroNamed_data()
{
    QTest::addColumn<bool>("anotherShown");
    QTest::newRow("another macro shown") << true;
    QTest::newRow("none shown") << false;
}

void TestMacroDevice::menuExportsTheMacroNamed()
{
    QFETCH(bool, anotherShown);
    if (MacroList()->findItems("Named", Qt::MatchExactly).isEmpty()) {
        DialogAnswers answers({EnterName("Named")});
        Child<QToolButton>("NewHong")->click();
        QVERIFY(answers.allUsed());
        Record({"+42", "-42"});
        Child<QCheckBox>("ReUntilLoose")->click();
        Child<QToolButton>("Save")->click();
        QCOMPARE(ReadFile(MacroFile("Named")), QByteArray("254\n0x05 1 0\n50ms\n0x05 1 1\n"));
    }
    if (anotherShown) {
        Select("M1");
        QCOMPARE(Rows(RowList()), (QStringList{"A/0", "70ms/0", "A/1"}));
    } else {
        MacroList()->setCurrentRow(-1);
        RowList()->clear();
    }
    const QString exported = QDir::homePath() + "/named.ini";
    QFile::remove(exported);
    AnswerChooser(exported);
    {
        DialogAnswers answers({});
        ExportFromMenu("Named");
        QCOMPARE(answers.seen, QStringList());
    }
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    MacroExchange::Content content;
    QCOMPARE(MacroExchange::Read(&file, &content, nullptr), MacroExchange::ReadResult::Ok);
    QCOMPARE(content.name, QString("Named"));
    QCOMPARE(content.mode, QString("254"));
    QStringList rows;
    for (const MacroExchange::Row &row : content.rows)
        rows << row.text + (row.text.contains("ms") ? QString() : row.press ? "/0" : "/1");
    QCOMPARE(rows, (QStringList{"B/0", "50ms", "B/1"}));
}

void TestMacroDevice::exportAddsTheFilterSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    // The import's chooser lists "*.ini" only.
    QTest::newRow("no suffix") << "plain"
                               << "plain.ini";
    QTest::newRow("the filter's suffix") << "plain.ini"
                                         << "plain.ini";
    QTest::newRow("a suffix of the user's") << "plain.macro"
                                            << "plain.macro";
}

void TestMacroDevice::exportAddsTheFilterSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Select("M1");
    AnswerChooser(dir.filePath(typed));
    Invoke("ExPortMacro");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(ReadFile(dir.filePath(written)).left(16).toHex(), QByteArray("0000000c5661726e6f00000000000000"));
}

// Inserts build macros beyond the mouse's 70 events: one of 80 events
// (159 rows) goes out and comes back whole.
void TestMacroDevice::longMacroExportsAndImportsAgain()
{
    {
        DialogAnswers answers({EnterName("Long")});
        Child<QToolButton>("NewHong")->click();
        QVERIFY(answers.allUsed());
    }
    for (int k = 0; k < 80; ++k) {
        RowList()->setCurrentRow(RowList()->count() - 1);
        m_Page->InsertKeyEvent(k % 2 ? "B" : "C", k % 2 == 0);
    }
    QCOMPARE(RowList()->count(), 159);
    Child<QSpinBox>("NumberEdit")->setValue(7);
    Child<QToolButton>("Save")->click();
    const QByteArray saved = ReadFile(MacroFile("Long"));
    const QStringList rows = Rows(RowList());

    const QString exported = QDir::homePath() + "/long.ini";
    AnswerChooser(exported);
    ExportFromMenu("Long");
    {
        DialogAnswers answers({Confirm()});
        Invoke("on_DeleteHong_clicked");
        QCOMPARE(answers.seen, QStringList{"DeleteConfirm"});
    }
    QVERIFY(!QFile::exists(MacroFile("Long")));
    AnswerChooser(exported);
    {
        DialogAnswers answers({});
        Invoke("InPortMacro");
        QCOMPARE(answers.seen, QStringList());
    }
    QVERIFY(MacroList()->currentItem());
    QCOMPARE(MacroList()->currentItem()->text(), QString("Long"));
    QCOMPARE(Rows(RowList()), rows);
    QCOMPARE(ReadFile(MacroFile("Long")), saved);
}

// A click row exported in one language imports in another as that click:
// the row shows this language's name and the file holds the button.
void TestMacroDevice::clicksOfEveryLanguageImport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mask");
    const int masks[5] = {0x01, 0x02, 0x04, 0x10, 0x08}; // ChooseEvent4..8
    for (int language = 1; language <= 5; ++language) {
        LanguageLoader::KeyTable keys;
        QStringList names;
        for (int item = 4; item <= 8; ++item)
            keys.insert("ChooseEvent" + QString::number(item), [&names](const QString &t) { names << t; });
        LanguageReaderPtr reader;
        QVERIFY(LanguageLoader::Load(language, "Macro", keys, reader));
        QCOMPARE(names.size(), 5);
        for (int b = 0; b < 5; ++b)
            QTest::addRow("language %d, %s", language, qPrintable(names.at(b))) << names.at(b) << masks[b];
    }
}

void TestMacroDevice::clicksOfEveryLanguageImport()
{
    QFETCH(QString, name);
    QFETCH(int, mask);
    MacroExchange::Content content;
    content.name = "Foreign";
    content.mode = "2";
    content.rows = {{name, QIcon(), true}, {"10ms", QIcon(), true}, {name, QIcon(), false}};
    const QString path = QDir::homePath() + "/foreign.ini";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(MacroExchange::Write(&file, content));
    }
    AnswerChooser(path);
    {
        DialogAnswers answers({});
        Invoke("InPortMacro");
        QCOMPARE(answers.seen, QStringList());
    }
    const QString local = MouseButtonName(mask);
    QVERIFY(!local.isEmpty());
    QCOMPARE(Rows(RowList()), (QStringList{local + "/0", "10ms/0", local + "/1"}));
    const QByteArray pair = "0x" + QByteArray::number(mask, 16).rightJustified(2, '0').toUpper() + " 4 ";
    QCOMPARE(ReadFile(MacroFile("Foreign")), "2\n" + pair + "0\n10ms\n" + pair + "1\n");
    DialogAnswers answers({Confirm()});
    Invoke("on_DeleteHong_clicked");
    QVERIFY(!QFile::exists(MacroFile("Foreign")));
}

void TestMacroDevice::deviceRecordBecomesMacroFile()
{
    // A full read with button 1 bound to "X", a macro this computer does not
    // list: the button page rewrites X's file to its mode line, then the
    // macro page appends the device's rows. The last event's delay is not
    // written.
    QVERIFY(MacroList()->findItems("X", Qt::MatchExactly).isEmpty());
    const FlashDataMap before = FlashData::snapshot();
    FlashDataMap map = before;
    map.Keys[1] = KeyFunction{6, 1, 5};
    MacroRecord &record = map.Macros[1];
    std::memset(&record, 0, sizeof record);
    record.NameLength = 1;
    record.Name[0] = 'X';
    record.EventCount = 3;
    record.Events[0] = MacroEvent{0, KeyKindModifier, 0x02, 20};
    record.Events[1] = MacroEvent{0, KeyKindKey, 0x04, 30};
    record.Events[2] = MacroEvent{1, KeyKindKey, 0x04, 99};
    MacroList()->setCurrentRow(-1);
    QSignalSpy handed(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    QSignalSpy added(PostMsg::GetInstance(), &PostMsg::SigAddMacroButton);
    FullRead(map);
    QCOMPARE(handed.count(), 1);
    QCOMPARE(handed.at(0).at(1).toInt(), 1);
    QCOMPARE(ReadFile(MacroFile("X")), QByteArray("5\n0x02 0 0\n20ms\n0x04 1 0\n30ms\n0x04 1 1\n"));
    QCOMPARE(MacroList()->findItems("X", Qt::MatchExactly).size(), 1);
    QCOMPARE(MacroList()->currentRow(), -1);
    QCOMPARE(RowList()->count(), 0);
    QCOMPARE(added.count(), 1);
    // The mouse's own record again, for the steps after this one.
    FullRead(before);
}

void TestMacroDevice::deviceNameOutsideTheFolderWritesNothing()
{
    const QStringList filesBefore = QDir(MacroFolder()).entryList(QDir::Files);
    const int listed = MacroList()->count();
    QSignalSpy added(PostMsg::GetInstance(), &PostMsg::SigAddMacroButton);
    FlashDataMap map = FlashData::zeroRecord();
    for (const QByteArray &bad : {QByteArray("../evil"), QByteArray("a/b"), QByteArray("..")}) {
        MacroRecord &record = map.Macros[2];
        record.NameLength = quint8(bad.size());
        std::memset(record.Name, 0, sizeof record.Name);
        std::memcpy(record.Name, bad.constData(), size_t(bad.size()));
        record.EventCount = 1;
        record.Events[0] = MacroEvent{0, KeyKindKey, 0x04, 0};
        PostMsg::GetInstance()->EmitButtonToMacro(map, 2);
    }
    // The same names through a full read: the button page writes no mode
    // line for them and hands nothing over.
    const FlashDataMap before = FlashData::snapshot();
    map = before;
    map.Keys[2] = KeyFunction{6, 2, 5};
    MacroRecord &record = map.Macros[2];
    std::memset(&record, 0, sizeof record);
    record.NameLength = 7;
    std::memcpy(record.Name, "../evil", 7);
    record.EventCount = 1;
    record.Events[0] = MacroEvent{0, KeyKindKey, 0x04, 0};
    QSignalSpy handed(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullRead(map);
    QCOMPARE(handed.count(), 0);
    FullRead(before);

    QCOMPARE(MacroList()->count(), listed);
    QCOMPARE(added.count(), 0);
    QCOMPARE(QDir(MacroFolder()).entryList(QDir::Files), filesBefore);
    const QStringList everything = HomeFiles().keys();
    QCOMPARE(everything.filter("evil"), QStringList());
    QCOMPARE(everything.filter("a/b.ini"), QStringList());
}

void TestMacroDevice::deviceRecordThatCannotBeWrittenAddsNothing()
{
    // A full read with button 1 bound to "Y", whose file the disk refuses:
    // the device keeps its record, the list gets no entry, and the button
    // page is not told of a new macro.
    QVERIFY(MacroList()->findItems("Y", Qt::MatchExactly).isEmpty());
    const FlashDataMap before = FlashData::snapshot();
    FlashDataMap map = before;
    map.Keys[1] = KeyFunction{6, 1, 2};
    MacroRecord &record = map.Macros[1];
    std::memset(&record, 0, sizeof record);
    record.NameLength = 1;
    record.Name[0] = 'Y';
    record.EventCount = 2;
    record.Events[0] = MacroEvent{0, KeyKindKey, 0x05, 40};
    record.Events[1] = MacroEvent{1, KeyKindKey, 0x05, 0};
    const int listed = MacroList()->count();
    const QString file = MacroFile("Y");
    SaveFile::SetBeforeRenameForTest(
        [file](const QString &, const QString &path) { return path == file ? ENOSPC : 0; });
    QSignalSpy handed(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    QSignalSpy added(PostMsg::GetInstance(), &PostMsg::SigAddMacroButton);
    FullRead(map);
    SaveFile::SetBeforeRenameForTest(nullptr);
    QCOMPARE(handed.count(), 1);
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(MacroList()->findItems("Y", Qt::MatchExactly).isEmpty());
    QCOMPARE(MacroList()->count(), listed);
    QCOMPARE(MacroList()->currentRow(), -1);
    QCOMPARE(RowList()->count(), 0);
    QCOMPARE(added.count(), 0);

    // Once the disk takes it, the next read makes the macro.
    FullRead(map);
    QCOMPARE(ReadFile(file), QByteArray("2\n0x05 1 0\n40ms\n0x05 1 1\n"));
    QCOMPARE(MacroList()->findItems("Y", Qt::MatchExactly).size(), 1);
    QCOMPARE(added.count(), 1);
    FullRead(before);
    MacroList()->setCurrentItem(MacroList()->findItems("Y", Qt::MatchExactly).first());
    DialogAnswers answers({Confirm()});
    Invoke("on_DeleteHong_clicked");
    QVERIFY(!QFileInfo::exists(file));
}

void TestMacroDevice::bindingThroughTheButtonPage()
{
    // The mouse came back in the step before: let its read end first.
    WaitForTheReadToEnd();
    Buttoninterface *buttons = m_Window->MainFramePage()->ButtonPage();
    Ui_Buttoninterface *form = buttons->Form();

    {
        DialogAnswers answers({EnterName("Bind")});
        Child<QToolButton>("NewHong")->click();
        QVERIFY(answers.allUsed());
    }
    Record({"+41", "-41"});
    Child<QSpinBox>("NumberEdit")->setValue(4);
    Child<QToolButton>("Save")->click();
    QCOMPARE(ReadFile(MacroFile("Bind")), QByteArray("4\n0x04 1 0\n50ms\n0x04 1 1\n"));

    // Bind it to device button 2 through the button page's macro list.
    buttons->SlotAddMacroButton();
    form->BackKey->click();
    form->DPI_10->click();
    QToolButton *item = MacroItem("Bind");
    QVERIFY(item);
    item->click();
    QByteArray sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(sent.mid(74 + 3 * 2, 3).toHex(), QByteArray("060204"));
    QCOMPARE(RecordOf(sent, 2).left(5).toHex(), QByteArray("0442696e64"));
    QCOMPARE(RecordOf(sent, 2).mid(31, 17).toHex(),
             QByteArray("02"
                        "0001040032000000"
                        "0101040000000000"));
    QVERIFY(form->BackKey->text().endsWith("Bind"));

    // Changed rows: after its wait the button page has the macro page send
    // the new record for that button.
    Select("Bind");
    RowList()->setCurrentRow(1);
    {
        DialogAnswers answers({EnterDelay(70)});
        Invoke("on_Amend_clicked");
    }
    QSignalSpy downloads(PostMsg::GetInstance(), &PostMsg::SigMacroDownLoadData);
    Child<QToolButton>("Save")->click();
    QCOMPARE(downloads.count(), 1);
    QCOMPARE(downloads.at(0), (QVariantList{"Bind", 2}));
    sent = HIDUsbSim::lastRecord(m_Mouse);
    QCOMPARE(RecordOf(sent, 2).mid(32, 16).toHex(),
             QByteArray("0001040046000000"
                        "0101040000000000"));

    // A full read of that record: the file becomes its mode line, then the
    // macro page appends the device's rows.
    WriteFile(MacroFile("Bind"), "9\nrubbish\n");
    QSignalSpy handed(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    FullRead(FlashData::snapshot());
    // One hand-over per bound button.
    int forBind = 0;
    for (const QList<QVariant> &args : handed)
        forBind += args.at(1).toInt() == 2 ? 1 : 0;
    QCOMPARE(forBind, 1);
    QCOMPARE(ReadFile(MacroFile("Bind")), QByteArray("4\n0x04 1 0\n70ms\n0x04 1 1\n"));
}

ORVIK_TEST_MAIN(TestMacroDevice)
#include "tst_macrodevice.moc"
