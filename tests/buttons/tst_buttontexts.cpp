// The button page's texts and pictures, driven through the running utility
// against a simulated mouse: a language chosen on the device list reaches the
// page's widgets, menu font, tool tips, prefixes, selector labels and
// configuration items; and every picture its style sheets name is installed.
#include "ButtonPageFixture.h"
#include "Buttoninterface.h"
#include "ButtoninterfaceForm.h"
#include "DebounceTime.h"
#include "DeviceCache.h"
#include "HIDUsbSim.h"
#include "LanguageFileTexts.h"
#include "MacroIni.h"
#include "MyConmboBox.h"
#include "Startup.h"
#include "TestMain.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>

using OrvikTest::SectionTexts;

class TestButtonTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void languageSwitch_data();
    void languageSwitch();
    void withoutCacheFileLabelsStay();
    void styleSheetPicturesExist();
    void rowPlaceholdersNameTheirButtons_data();
    void rowPlaceholdersNameTheirButtons();

private:
    // A language picked in the device list's selector, as the user does.
    void ChooseLanguage(int index)
    {
        QComboBox *selector = m_Window->DeviceListPage()->findChild<QComboBox *>("comboBox");
        QVERIFY(selector);
        QMetaObject::invokeMethod(selector, "activated", Q_ARG(int, index));
        QCOMPARE(LanguageLoader::StoredIndex(), index);
    }
    // The factory functions, with the macro "mm" on device button 2.
    static FlashDataMap RecordWithMacro()
    {
        FlashDataMap record = FlashData::snapshot();
        const int factory[6][3] = {{1, 1, 0}, {1, 2, 0}, {1, 4, 0}, {1, 8, 0}, {1, 16, 0}, {2, 1, 0}};
        for (int i = 0; i < 6; ++i)
            SetKey(record, i, factory[i][0], factory[i][1], factory[i][2]);
        SetKey(record, 2, 6, 2, 41);
        MacroRecord &m = record.Macros[2];
        std::memset(&m, 0, sizeof m);
        std::memcpy(m.Name, "mm", 2);
        m.NameLength = 2;
        m.EventCount = 1;
        m.Events[0] = MacroEvent{0, 1, 0x04, 0};
        return record;
    }

    DialogMain *m_Window = nullptr;
    Buttoninterface *m_Page = nullptr;
    Ui_Buttoninterface *ui = nullptr;
    FlashDataMap m_Factory;
};

void TestButtonTexts::initTestCase()
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    HIDUsbSim::DeviceSetup receiver;
    receiver.name = "rx";
    receiver.mouse = "m1";
    HIDUsbSim::plug(receiver);
    m_Window = new DialogMain; // lives until the process ends, as in the utility
    m_Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    QVERIFY(SelectOnlyTile(m_Window));
    QVERIFY(HIDUsbSim::waitIdle());
    m_Page = m_Window->MainFramePage()->ButtonPage();
    ui = m_Page->Form();
    // The first online read left the device's cache file behind.
    QVERIFY(Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &m_Factory));
}

void TestButtonTexts::init()
{
    QVERIFY(HIDUsbSim::waitIdle());
    FullReadRefresh(m_Factory);
    // Four configurations, the second one current.
    m_Page->SlotUpDataConfigUI(4, 1, true);
}

void TestButtonTexts::cleanup()
{
    ChooseLanguage(0);
    FullReadRefresh(m_Factory);
}

void TestButtonTexts::languageSwitch_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Russian after Japanese") << 5 << 3;
    QTest::newRow("Japanese after Russian") << 3 << 5;
}

void TestButtonTexts::languageSwitch()
{
    QFETCH(int, from);
    QFETCH(int, to);
    const QHash<QString, QString> texts = SectionTexts(to, "Buttoninterface");
    QVERIFY(!texts.isEmpty());
    ChooseLanguage(from);

    // The mouse's record changes after the cache file was written: the new
    // labels must come from the record, not from the file.
    const QString macroFile = UserPaths::macroPageFolder() + "/mm.ini";
    {
        QFile file(macroFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("3\n0x04 1 0\n5ms\n0x04 1 1\n");
    }
    FlashData::replace(RecordWithMacro());

    MyConmboBox *configs = ui->ProjectChoose;
    QSignalSpy changed(configs, qOverload<int>(&QComboBox::currentIndexChanged));
    QSignalSpy activated(configs, qOverload<int>(&QComboBox::activated));
    ChooseLanguage(to);

    // Every widget the section names, the selectors aside (their labels
    // follow the record).
    const QStringList selectors{"FireKey", "RightKey", "BackKey", "StartPause", "TopMusic", "BackMusic"};
    int widgets = 0;
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        QAbstractButton *button = m_Page->findChild<QAbstractButton *>(it.key());
        if (!button || selectors.contains(it.key()))
            continue;
        ++widgets;
        QVERIFY2(button->text() == it.value(), qPrintable(it.key()));
    }
    QCOMPARE(widgets, 53 - selectors.size());
    QCOMPARE(ui->label_3->text(), texts.value("checkBox"));
    MyConmboBox *debounce = ui->DebunceButton->Combo();
    QCOMPARE(debounce->itemText(0), "0" + texts.value("S1"));
    QCOMPARE(debounce->itemText(18), "18" + texts.value("S19"));
    QCOMPARE(debounce->itemText(19), "19" + texts.value("S20"));
    QCOMPARE(debounce->itemText(20), "20" + texts.value("S20"));

    // The first-level menu is smaller in Russian; the lists keep theirs.
    for (QToolButton *item : {ui->LeftKey_3, ui->DPI_2, static_cast<QToolButton *>(ui->DPI_6), ui->DPI_10, ui->DPI_12})
        QCOMPARE(item->font().pointSize(), to == 3 ? 6 : 9);
    QCOMPARE(ui->Player->font().pointSize(), 9);

    // Only Japanese repeats the import and export captions as tool tips.
    QCOMPARE(ui->ImportData->toolTip(), to == 5 ? texts.value("ImportData") : QString());
    QCOMPARE(ui->OutputData->toolTip(), to == 5 ? texts.value("OutputData") : QString());

    // Selector labels in the new language, the macro one with its prefix,
    // which reads as the macro page's own.
    QCOMPARE(ui->FireKey->text(), texts.value("LeftKey_3"));
    QCOMPARE(ui->RightKey->text(), texts.value("RightKey_3"));
    QCOMPARE(ui->BackKey->text(), texts.value("Macro_") + "mm");
    QCOMPARE(texts.value("Macro_"), SectionTexts(to, "Macro").value("MacroReal"));
    QCOMPARE(m_Page->KeyTypes().at(2), 6);
    QFile file(macroFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readLine().startsWith("41")); // the record's repeat mode

    // Four configurations in the new prefix, the second still current, and
    // the page's configuration slots never called.
    QCOMPARE(configs->count(), 4);
    QCOMPARE(configs->currentIndex(), 1);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(configs->itemText(i), texts.value("Config") + QString::number(i + 1));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(activated.count(), 0);
}

void TestButtonTexts::withoutCacheFileLabelsStay()
{
    // A mouse never read in full has no cache file: the texts change (the
    // selectors take the section's own), but nothing is relabelled from the
    // record and the configuration items wait for the next read.
    const QString cache = DeviceCache::FilePath(g_DeviceInfoName.get());
    QVERIFY(QFile::rename(cache, cache + ".away"));
    FlashData::replace(RecordWithMacro());
    const QString item = ui->ProjectChoose->itemText(0);
    ChooseLanguage(1);
    const bool restored = QFile::rename(cache + ".away", cache);
    const QHash<QString, QString> texts = SectionTexts(1, "Buttoninterface");
    QCOMPARE(ui->Reset->text(), texts.value("Reset"));
    QCOMPARE(ui->BackKey->text(), texts.value("BackKey"));
    QCOMPARE(m_Page->KeyTypes().at(2), 1);
    QCOMPARE(ui->ProjectChoose->itemText(0), item);
    QVERIFY(restored);
}

void TestButtonTexts::rowPlaceholdersNameTheirButtons_data()
{
    QTest::addColumn<QString>("file"); // empty: the form's own texts
    QTest::newRow("form") << QString();
    const QDir folder(UserPaths::languageFolder());
    const QStringList files = folder.entryList({"?-*.xml"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 6);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void TestButtonTexts::rowPlaceholdersNameTheirButtons()
{
    // Row four is the device's button 4 (forward), row five its button 3
    // (back): each reads as the menu item of its factory function.
    QFETCH(QString, file);
    QHash<QString, QString> texts;
    if (file.isEmpty()) {
        QWidget host;
        Ui_Buttoninterface form;
        form.setupUi(&host);
        texts = {{"StartPause", form.StartPause->text()},
                 {"TopMusic", form.TopMusic->text()},
                 {"ForWardKey", form.ForWardKey->text()},
                 {"BackKey_2", form.BackKey_2->text()}};
    } else {
        texts = SectionTexts(file, "Buttoninterface");
    }
    QVERIFY(!texts.value("ForWardKey").isEmpty());
    QVERIFY(texts.value("ForWardKey") != texts.value("BackKey_2"));
    QCOMPARE(texts.value("StartPause"), texts.value("ForWardKey"));
    QCOMPARE(texts.value("TopMusic"), texts.value("BackKey_2"));
}

void TestButtonTexts::styleSheetPicturesExist()
{
    // A macro in the list, so its rows' sheet is looked at too.
    {
        QFile file(UserPaths::macroPageFolder() + "/pic.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\n");
    }
    m_Page->SlotAddMacroButton();
    PostMsg::GetInstance()->EmitMouseIndex(0);

    QList<QWidget *> widgets = m_Page->findChildren<QWidget *>();
    widgets << m_Page;
    const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    const QString folder = UserPaths::pictureFolder();
    QSet<QString> named;
    for (QWidget *w : widgets) {
        auto match = url.globalMatch(w->styleSheet());
        while (match.hasNext())
            named.insert(match.next().captured(1).trimmed());
    }
    QVERIFY(named.contains(folder + "Buttoninterface/mouse0.png"));
    QVERIFY(named.contains(folder + "Buttoninterface/CMenuTitle.png"));
    QStringList missing;
    for (const QString &path : named) {
        if (!path.startsWith(folder) || QImageReader(path).size().isEmpty())
            missing << path;
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("pictures named but not installed:\n" + missing.join("\n")));
    QFile::remove(UserPaths::macroPageFolder() + "/pic.ini");
    m_Page->SlotAddMacroButton();
}

ORVIK_TEST_MAIN(TestButtonTexts)
#include "tst_buttontexts.moc"
