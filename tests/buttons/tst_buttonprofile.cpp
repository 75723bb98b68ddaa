// The button page's reset, configuration export and import, driven through
// the running utility against a simulated mouse: what reached the mouse and
// in which order, what the page shows afterwards, the files written, and the
// notices of the refused cases. The file choosers are answered through their
// replaceable chooser, the modal dialogs by a watch.

#include "TestMain.h"

#include "ButtonPageFixture.h"

#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "ConfigIni.h"
#include "ContainReset.h"
#include "DialogSkeleton.h"
#include "DialogsState.h"
#include "ExportFail.h"
#include "FileDialogs.h"
#include "InportFail.h"
#include "LanguageLoader.h"
#include "MouseOffLine.h"
#include "Worker.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

namespace {

// The text of one child of a language section in the stored language.
QString LanguageText(const QString &section, const QString &child)
{
    QString text;
    LanguageLoader::KeyTable keys;
    keys.insert(child, [&text](const QString &t) { text = t; });
    LanguageReaderPtr reader;
    LanguageLoader::Load(LanguageLoader::StoredIndex(), section, keys, reader);
    return text;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fixed 12-byte text field of the configuration file.
QByteArray Field(const QByteArray &text)
{
    return text + QByteArray(12 - text.size(), '\0');
}

} // namespace

class TestButtonProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resetRestoresTheFactoryRecord();
    void resetWithoutClearing_data();
    void resetWithoutClearing();
    void exportThenImport();
    void refusedImports_data();
    void refusedImports();
    void exportAddsTheFilterSuffix_data();
    void exportAddsTheFilterSuffix();
    void importLosingTheMouseShowsOfflineNotice();
    void unwritableExport_data();
    void unwritableExport();
    void importedMacroNamesTouchNoFile_data();
    void importedMacroNamesTouchNoFile();

private:
    // The next file chooser answers path (empty: cancelled) and notes what it
    // was asked.
    void AnswerChooser(const QString &path);
    // The page's own wait dialog (not the main frame's) while it is open.
    UpDataParam *PageWaitDialog() const
    {
        auto *wait = qobject_cast<UpDataParam *>(QApplication::activeModalWidget());
        return wait && wait != m_Window->MainFramePage()->ApplyDialog() ? wait : nullptr;
    }
    // True when dialog stands where the page places its dialogs.
    bool PlacedOverPage(const QWidget *dialog) const
    {
        return dialog->pos()
            == DialogSkeleton::CentredPosition(m_Page->mapToGlobal(QPoint(0, 0)), m_Page->size(), dialog->size(), -75,
                                               -65);
    }
    // What an import through the page showed.
    struct ImportSeen
    {
        bool wait = false;   // the page's wait dialog
        bool notice = false; // the import failure notice, with its text
        QString text;
    };
    // Runs the import of path (empty: the chooser is cancelled).
    void Import(const QString &path, ImportSeen *seen);
    QStringList Labels() const;

    DialogMain *m_Window = nullptr;
    Buttoninterface *m_Page = nullptr;
    Ui_Buttoninterface *ui = nullptr;
    int m_Mouse = 0;
    QTemporaryDir m_Files;
    QList<FileDialogs::Request> m_Asked;
};

void TestButtonProfile::initTestCase()
{
    OpenButtonPage(&m_Window, &m_Page, &m_Mouse);
    if (QTest::currentTestFailed())
        return;
    ui = m_Page->Form();
    QVERIFY(m_Files.isValid());
}

void TestButtonProfile::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::setOnline(m_Mouse, true);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(BaseRecord()));
    FullReadRefresh(BaseRecord());
    m_Asked.clear();
}

void TestButtonProfile::cleanup()
{
    FileDialogs::SetChooser(nullptr);
}

void TestButtonProfile::AnswerChooser(const QString &path)
{
    FileDialogs::SetChooser([this, path](const FileDialogs::Request &request) {
        m_Asked << request;
        // The import keeps the main frame's wait dialog away from the start.
        if (!request.save)
            [] { QCOMPARE(g_ProfileLoading.load(), 1); }();
        return path;
    });
}

QStringList TestButtonProfile::Labels() const
{
    QStringList labels;
    for (const char *name : kSelectors)
        labels << m_Page->findChild<QToolButton *>(name)->text();
    return labels;
}

void TestButtonProfile::Import(const QString &path, ImportSeen *seen)
{
    AnswerChooser(path);
    WatchPtr watch = Watch([&] {
        if (UpDataParam *wait = PageWaitDialog()) {
            if (!seen->wait) {
                seen->wait = true;
                QVERIFY(PlacedOverPage(wait));
                QCOMPARE(g_ImportingProfile, 1);
            }
        }
        if (auto *notice = qobject_cast<InportFail *>(QApplication::activeModalWidget())) {
            seen->notice = true;
            seen->text = notice->findChild<QLabel *>("label")->text();
            notice->close();
        }
    });
    ui->ImportData->click();
    QCOMPARE(g_ProfileLoading.load(), 0);
    QCOMPARE(g_ImportingProfile, 0);
}

void TestButtonProfile::resetRestoresTheFactoryRecord()
{
    // The mouse and the page start from other functions than the factory's.
    FlashDataMap changed = BaseRecord();
    for (int b = 0; b < 5; ++b)
        SetKey(changed, b, 1, 1 << ((b + 1) % 5), 0);
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(changed));
    FullReadRefresh(changed);
    QCOMPARE(ui->FireKey->text(), ui->RightKey_3->text());
    HIDUsbSim::clearCalls();

    bool confirmPlaced = false;
    bool waitSeen = false;
    bool offlineNotice = false;
    WatchPtr watch = Watch([&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *confirm = qobject_cast<ContainReset *>(modal)) {
            confirmPlaced = PlacedOverPage(confirm);
            confirm->findChild<QToolButton *>("OK")->click();
        } else if (UpDataParam *wait = PageWaitDialog()) {
            if (!waitSeen) {
                waitSeen = true;
                QVERIFY(PlacedOverPage(wait));
                QCOMPARE(g_ProfileLoading.load(), 1);
                QVERIFY(!g_PollTimer->isActive());
            }
        } else if (auto *notice = qobject_cast<MouseOffLine *>(modal)) {
            offlineNotice = true;
            notice->close();
        }
    });
    ui->Reset->click();
    watch.reset();

    QVERIFY(confirmPlaced);
    QVERIFY(waitSeen);
    QVERIFY(!offlineNotice);
    // The record as it stood, the clear command, then the read of what the
    // mouse holds now.
    const QStringList calls = HIDUsbSim::calls();
    auto indexOf = [&calls](const QString &prefix, int from) {
        for (int i = from; i < calls.size(); ++i)
            if (calls.at(i).startsWith(prefix))
                return i;
        return -1;
    };
    const int update = indexOf("ProtocolDataUpdate", 0);
    const int clear = indexOf("UsbServer_SetClearSetting", 0);
    QVERIFY(update >= 0);
    QVERIFY2(clear > update, qPrintable(calls.join('\n')));
    QVERIFY2(indexOf("UsbServer_ReadAllFlashData", clear) > clear, qPrintable(calls.join('\n')));
    QCOMPARE(HIDUsbSim::storedRecord(m_Mouse), HIDUsbSim::factoryRecord(HIDUsbSim::sampleWirelessMid));

    const QToolButton *factoryItems[5] = {ui->LeftKey_3, ui->RightKey_3, ui->MidKey, ui->BackKey_2, ui->ForWardKey};
    for (int b = 0; b < 5; ++b)
        QCOMPARE(m_Page->findChild<QToolButton *>(kSelectors[b])->text(), factoryItems[b]->text());
    QVERIFY(g_PollTimer->isActive());
    QCOMPARE(g_PollTimer->interval(), 1300);
    QCOMPARE(g_ProfileLoading.load(), 0);
}

void TestButtonProfile::resetWithoutClearing_data()
{
    QTest::addColumn<bool>("online");
    // Offline: the notice alone, no question asked.
    QTest::newRow("offline") << false;
    // Declined: nothing sent.
    QTest::newRow("declined") << true;
}

void TestButtonProfile::resetWithoutClearing()
{
    QFETCH(bool, online);
    HIDUsbSim::setOnline(m_Mouse, online);
    HIDUsbSim::clearCalls();
    const int readsBefore = HIDUsbSim::callCount("UsbServer_ReadAllFlashData");
    UpDataParam *readWait = m_Window->MainFramePage()->ApplyDialog();
    bool readWaitShown = false;
    bool confirmShown = false;
    bool noticeShown = false;
    WatchPtr watch = Watch([&] {
        readWaitShown = readWaitShown || readWait->isVisible();
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *confirm = qobject_cast<ContainReset *>(modal)) {
            confirmShown = true;
            confirm->findChild<QToolButton *>("Cancel")->click();
        } else if (qobject_cast<MouseOffLine *>(modal) && !noticeShown) {
            noticeShown = true;
            HIDUsbSim::setOnline(m_Mouse, true); // the notice closes when the mouse answers
        }
    });
    ui->Reset->click();
    QCOMPARE(confirmShown, online);
    QCOMPARE(noticeShown, !online);
    QCOMPARE(HIDUsbSim::callCount("ProtocolDataUpdate"), 0);
    QCOMPARE(HIDUsbSim::callCount("UsbServer_SetClearSetting"), 0);
    QCOMPARE(g_ProfileLoading.load(), 0);
    QVERIFY(g_PollTimer->isActive());
    if (!online) {
        // The mouse coming back starts a read; let its wait dialog come and go.
        QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > readsBefore, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(readWaitShown, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!readWait->isVisible(), 20000);
    }
}

void TestButtonProfile::exportThenImport()
{
    FlashDataMap record = BaseRecord();
    SetKey(record, 2, 1, 8, 0); // middle button: back
    record.Debounce = 3;
    HIDUsbSim::setStoredRecord(m_Mouse, Bytes(record));
    FullReadRefresh(record);
    const QStringList labels = Labels();

    // Export: no notice for a good file.
    const QString path = m_Files.filePath("drive1.bin");
    AnswerChooser(path);
    bool exportNotice = false;
    WatchPtr watch = Watch([&] {
        if (auto *notice = qobject_cast<ExportFail *>(QApplication::activeModalWidget())) {
            exportNotice = true;
            notice->close();
        }
    });
    ui->OutputData->click();
    watch.reset();
    QVERIFY(!exportNotice);
    QCOMPARE(m_Asked.size(), 1);
    QCOMPARE(m_Asked.at(0).caption, QString("FileSave"));
    QCOMPARE(m_Asked.at(0).filter, QString("File(*.bin)"));
    QCOMPARE(m_Asked.at(0).folder, QDir::homePath());
    QVERIFY(m_Asked.at(0).save);

    const QByteArray file = ReadAll(path);
    QCOMPARE(file.size(), 10464);
    QCOMPARE(file.left(16), Hex("00 00 00 0C") + Field("Varno"));
    QCOMPARE(file.mid(16, 16), Hex("00 00 00 0C") + Field("3395"));
    QCOMPARE(file.mid(32, 4), Hex("00 00 28 BC"));
    QCOMPARE(file.mid(36), Bytes(record));

    // A button changed at the mouse, then the file brings it back.
    ui->BackKey->click();
    ui->MidKey->click();
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse).mid(74 + 3 * 2, 3), Hex("01 04 00"));
    QVERIFY(Labels() != labels);
    m_Asked.clear();
    const int before = HIDUsbSim::updateCount(m_Mouse);
    ImportSeen seen;
    Import(path, &seen);
    QVERIFY(seen.wait);
    QVERIFY(!seen.notice);
    QCOMPARE(m_Asked.size(), 1);
    QCOMPARE(m_Asked.at(0).caption, QString("SelectFile"));
    QCOMPARE(m_Asked.at(0).filter, QString("File(*.bin)"));
    QCOMPARE(m_Asked.at(0).folder, QDir::homePath());
    QVERIFY(!m_Asked.at(0).save);
    QVERIFY(HIDUsbSim::updateCount(m_Mouse) > before);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), file.mid(36));
    QCOMPARE(Labels(), labels);
}

void TestButtonProfile::refusedImports_data()
{
    QTest::addColumn<int>("offset"); // where the good file is changed; -1 cancels the chooser
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // the notice's language child; empty: no notice
    // A file of the corded model (sensor S100) on the wireless one.
    QTest::newRow("other model") << 20 << Field("S100") << "label_1";
    QTest::newRow("bad tag") << 4 << Field("Varnox") << "label";
    // The level count is not checked against a lower bound.
    QTest::newRow("no DPI levels") << 36 + 1 << Hex("00") << QString();
    QTest::newRow("cancelled") << -1 << QByteArray() << QString();
}

void TestButtonProfile::refusedImports()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ConfigIni::GetInstance()->GetValue("Drive2", "Sensor"), QString("S100"));
    FlashDataMap record = BaseRecord();
    QVERIFY(UpDataParam::WriteProfileFile(m_Files.filePath("good.bin"), record));
    QByteArray file = ReadAll(m_Files.filePath("good.bin"));
    const QString path = m_Files.filePath("changed.bin");
    if (offset >= 0) {
        file.replace(offset, bytes.size(), bytes);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(file), qint64(file.size()));
    }

    const QByteArray before = Bytes(FlashData::snapshot());
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    ImportSeen seen;
    Import(offset >= 0 ? path : QString(), &seen);
    QCOMPARE(seen.wait, offset >= 0);
    QCOMPARE(seen.notice, !text.isEmpty());
    if (!text.isEmpty()) {
        QCOMPARE(seen.text, LanguageText("InportFail", text));
        QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
        QCOMPARE(Bytes(FlashData::snapshot()), before);
    } else if (offset >= 0) {
        QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), file.mid(36));
    } else {
        QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
    }
}

void TestButtonProfile::exportAddsTheFilterSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    // The import's chooser lists "*.bin" only.
    QTest::newRow("no suffix") << "mine"
                               << "mine.bin";
    QTest::newRow("the filter's suffix") << "mine.bin"
                                         << "mine.bin";
    QTest::newRow("a suffix of the user's") << "mine.cfg"
                                            << "mine.cfg";
}

void TestButtonProfile::exportAddsTheFilterSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AnswerChooser(dir.filePath(typed));
    ui->OutputData->click();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(ReadAll(dir.filePath(written)).size(), 10464);
}

void TestButtonProfile::importLosingTheMouseShowsOfflineNotice()
{
    const QString path = m_Files.filePath("lost.bin");
    FlashDataMap record = BaseRecord();
    SetKey(record, 2, 1, 8, 0);
    QVERIFY(UpDataParam::WriteProfileFile(path, record));
    const QByteArray before = Bytes(FlashData::snapshot());
    const QStringList labels = Labels();
    const int updates = HIDUsbSim::updateCount(m_Mouse);
    const int readsBefore = HIDUsbSim::callCount("UsbServer_ReadAllFlashData");

    // The mouse goes away while the wait dialog stands; the notice closes
    // when it comes back.
    AnswerChooser(path);
    bool waitSeen = false;
    bool offlineNotice = false;
    bool importNotice = false;
    WatchPtr watch = Watch([&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (PageWaitDialog() && !waitSeen) {
            waitSeen = true;
            HIDUsbSim::setOnline(m_Mouse, false);
        } else if (qobject_cast<MouseOffLine *>(modal) && !offlineNotice) {
            offlineNotice = true;
            QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
            QCOMPARE(Bytes(FlashData::snapshot()), before);
            HIDUsbSim::setOnline(m_Mouse, true);
        } else if (auto *notice = qobject_cast<InportFail *>(modal)) {
            importNotice = true;
            notice->close();
        }
    });
    ui->ImportData->click();
    QVERIFY(waitSeen);
    QTRY_VERIFY_WITH_TIMEOUT(offlineNotice, 10000);
    QVERIFY(!importNotice);
    QCOMPARE(g_ProfileLoading.load(), 0);
    // The mouse's return starts a read of what it holds; let it end.
    QTRY_VERIFY_WITH_TIMEOUT(HIDUsbSim::callCount("UsbServer_ReadAllFlashData") > readsBefore, 10000);
    UpDataParam *readWait = m_Window->MainFramePage()->ApplyDialog();
    QTRY_VERIFY_WITH_TIMEOUT(!readWait->isVisible() && !g_OfflinePending, 20000);
    QCOMPARE(HIDUsbSim::updateCount(m_Mouse), updates);
    QCOMPARE(Labels(), labels);
}

void TestButtonProfile::unwritableExport_data()
{
    QTest::addColumn<QString>("path");
    // Written as root, so no permission stops it: a folder that cannot
    // exist does.
    QTest::newRow("folder is a file") << "blocker/profile.bin";
    QTest::newRow("folder missing") << "none/profile.bin";
    QTest::newRow("path is a folder") << "folder.bin";
}

void TestButtonProfile::unwritableExport()
{
    QFETCH(QString, path);
    QFile blocker(m_Files.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QDir(m_Files.path()).mkpath("folder.bin"));
    const QStringList filesBefore = QDir(m_Files.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    AnswerChooser(m_Files.filePath(path));
    bool noticeShown = false;
    WatchPtr watch = Watch([&] {
        if (auto *notice = qobject_cast<ExportFail *>(QApplication::activeModalWidget())) {
            noticeShown = true;
            QVERIFY(PlacedOverPage(notice));
            notice->close();
        }
    });
    ui->OutputData->click();
    QVERIFY(noticeShown);
    QVERIFY(!QFileInfo(m_Files.filePath(path)).isFile());
    QCOMPARE(QDir(m_Files.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    QVERIFY(QDir(m_Files.filePath("folder.bin")).isEmpty());
}

void TestButtonProfile::importedMacroNamesTouchNoFile_data()
{
    RefusedMacroNameRows();
}

void TestButtonProfile::importedMacroNamesTouchNoFile()
{
    QFETCH(QByteArray, name);
    FlashDataMap record = BaseRecord();
    SetMacro(record, 1, name, 3);
    const QString path = m_Files.filePath("macro.bin");
    QVERIFY(UpDataParam::WriteProfileFile(path, record));
    const QMap<QString, QByteArray> before = FilesOutsideMacroFolder();
    QVERIFY(!before.isEmpty());

    QSignalSpy toMacro(PostMsg::GetInstance(), &PostMsg::SigButtonToMacro);
    ImportSeen seen;
    Import(path, &seen);
    QVERIFY(!seen.notice);
    QCOMPARE(HIDUsbSim::lastRecord(m_Mouse), Bytes(record));
    QVERIFY(ui->RightKey->text().endsWith(QString::fromUtf8(name))); // the label still shows
    QCOMPARE(toMacro.count(), 0);
    QCOMPARE(FilesOutsideMacroFolder(), before);
    QVERIFY(!QFile::exists(UserPaths::macroPageFolder() + "/.ini"));
}

ORVIK_TEST_MAIN(TestButtonProfile)
#include "tst_buttonprofile.moc"
