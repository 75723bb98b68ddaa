// The settings page end to end, offscreen, against the simulated library: a
// 4 kHz receiver of the sample wireless model (whose "Adveanced" offers both
// receiver options) is selected and the page is shown. Receiver reports and
// resets arrive from another thread through the page's blocking connections,
// as the worker and the library deliver them; the user's clicks must reach
// the simulated receiver, the reports must not echo back to it.
//
// The program runs from an application directory of its own, because it
// rewrites the maker file Net.xml there.

#include "ClippedTexts.h"
#include "SettingsFixture.h"

#include "Autostart.h"
#include "FlashDataMap.h"
#include "LanguageLoader.h"
#include "MacroIni.h"
#include "MouseOffLine.h"
#include "SettingsState.h"
#include "UpDateWarning.h"
#include "UserPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUrl>

using namespace SettingsFixture;

namespace {

const QByteArray kReceiverLighting("\x02\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13", 10);

// Catches the links handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void pageIsBuiltFromItsOwnPictures();
    void readReportsDoNotEchoToTheReceiver();
    void ledReportShowsTallLayoutAndClickSendsMode();
    void longRangeSwitchAndResetKeepsReceiverState();
    void appliedImportShowsNoHiddenSection();
    void offlineLedClickShowsOneNotice_data();
    void offlineLedClickShowsOneNotice();
    void selectorStoresAndTellsTheDeviceList();
    void languageIndexPlacesRows_data();
    void languageIndexPlacesRows();
    void netFileSetsFooter_data();
    void netFileSetsFooter();
    void autoStartWritesTheDesktopEntry();
    void autoStartThatCannotBeWrittenIsUndone();
    void mouseSettingsStartsTheDesktopTool();
    void webLinkOpensOnlyWebAddresses();
    void receiverVersionLooks_data();
    void receiverVersionLooks();
    void captionsFit_data();
    void captionsFit();

private:
    template<typename T>
    T *Child(const char *name) const
    {
        return m_Page->findChild<T *>(QString::fromLatin1(name));
    }
    QWidget *Contents() const { return Child<QWidget>("scrollAreaWidgetContents"); }
    bool LedSectionVisible() const { return Child<QCheckBox>("ReUntil")->isVisibleTo(m_Page); }
    bool LongRangeVisible() const { return Child<QCheckBox>("checkBox_2")->isVisibleTo(m_Page); }
    // The offline notices the top-level window opens; the watch closes them.
    int CountNoticesWhile(const std::function<void()> &fn);

    DialogMain *m_Window = nullptr;
    FormSetting *m_Page = nullptr;
    int m_Receiver = 0;
    QByteArray m_NetFile;
};

void TestSettingsPage::initTestCase()
{
    QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "the test runs from its own app directory");
    HIDUsbSim::DeviceSetup rx = Receiver();
    rx.dongleRgb = kReceiverLighting;
    QList<int> ids;
    QString why;
    m_Window = OpenSettingsPage({rx}, &ids, &why);
    QVERIFY2(m_Window, qPrintable(why));
    m_Receiver = ids.first();
    m_Page = m_Window->MainFramePage()->SettingPage();
    QFile net(LanguageLoader::NetFilePath());
    QVERIFY(net.open(QIODevice::ReadOnly));
    m_NetFile = net.readAll();
}

void TestSettingsPage::cleanup()
{
    // Every row leaves the stored language English.
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    HIDUsbSim::setOnlineAnswerHighBits(0);
}

void TestSettingsPage::pageIsBuiltFromItsOwnPictures()
{
    const QStringList names{"FrameSetting",  "scrollArea",    "scrollAreaWidgetContents",
                            "TitleButton_2", "label_2",       "comboBox",
                            "TitleButton_3", "label_3",       "label_4",
                            "label_5",       "label_6",       "label_7",
                            "Receive",       "Mouse",         "TitleButton_4",
                            "label_8",       "pushButton_2",  "TitleButton_5",
                            "label_9",       "label_10",      "toolButton",
                            "pushButton",    "TitleButton_6", "label_11",
                            "textEdit",      "label",         "pushButton_4",
                            "checkBox",      "checkBox_2",    "toolButton_2",
                            "label_12",      "toolButton_3",  "label_13",
                            "TitleButton_7", "label_14",      "ReUntil",
                            "ReUntil_2",     "ReUntil_3",     "textEdit_2",
                            "textEdit_3",    "textEdit_4",    "line",
                            "line_2",        "line_3",        "line_4",
                            "line_5",        "NewLabel",      "pushButton_3"};
    QCOMPARE(names.size(), 48);
    for (const QString &name : names)
        QVERIFY2(m_Page->findChild<QWidget *>(name), qPrintable(name));

    // Every picture a style sheet names is one of the page's own, drawn.
    const QRegularExpression url("url\\(([^)]*)\\)");
    const QString folder = UserPaths::pictureFolder() + "FormSetting/";
    int pictures = 0;
    for (QWidget *w : m_Page->findChildren<QWidget *>()) {
        auto it = url.globalMatch(w->styleSheet());
        while (it.hasNext()) {
            const QString file = it.next().captured(1);
            QVERIFY2(file.startsWith(folder), qPrintable(w->objectName() + ": " + file));
            QVERIFY2(QFile::exists(file), qPrintable(file));
            ++pictures;
        }
    }
    QVERIFY(pictures > 0);

    // Update buttons and the new-firmware note are never offered.
    QVERIFY(Child<QWidget>("Receive")->isHidden());
    QVERIFY(Child<QWidget>("Mouse")->isHidden());
    QVERIFY(Child<QWidget>("NewLabel")->isHidden());
    m_Window->grab().save(OrvikTest::outputDir("settings") + "/01-settings-page.png");
}

void TestSettingsPage::readReportsDoNotEchoToTheReceiver()
{
    // The first read learned lighting mode 2 and showed it; the full read's
    // refresh then put the page in its compact layout. Nothing went back to
    // the receiver on the way.
    QVERIFY(Child<QCheckBox>("ReUntil_2")->isChecked());
    QVERIFY(!LedSectionVisible());
    QVERIFY(LongRangeVisible());
    QCOMPARE(Contents()->maximumHeight(), FormSetting::CompactHeight);
    QCOMPARE(Child<QWidget>("pushButton_3")->pos(), QPoint(610, 540));
    QCOMPARE(Child<QWidget>("pushButton_4")->pos(), QPoint(490, 560));
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 0);
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_SetLongRangeMode"), 0);
    QCOMPARE(HIDUsbSim::dongleRgb(m_Receiver), kReceiverLighting);

    // A long-range report switches the box without an answer to the receiver.
    HIDUsbSim::clearCalls();
    QVERIFY(FromHelperThread([] { PostMsg::GetInstance()->EmitLongRangeMode(true); }));
    QVERIFY(Child<QCheckBox>("checkBox_2")->isChecked());
    QVERIFY(FromHelperThread([] { PostMsg::GetInstance()->EmitLongRangeMode(false); }));
    QVERIFY(!Child<QCheckBox>("checkBox_2")->isChecked());
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_SetLongRangeMode"), 0);
    QVERIFY(!HIDUsbSim::longRange(m_Receiver));
}

void TestSettingsPage::ledReportShowsTallLayoutAndClickSendsMode()
{
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::clearCalls();
    // The receiver's lighting report, through the device connection.
    QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x15\x00\x00\x00", 5), kReceiverLighting));
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(LedSectionVisible());
    QVERIFY(Child<QCheckBox>("ReUntil_2")->isChecked());
    QCOMPARE(Contents()->maximumHeight(), FormSetting::TallHeight);
    QCOMPARE(Child<QWidget>("pushButton_3")->pos(), QPoint(610, 700));
    QCOMPARE(Child<QWidget>("pushButton_4")->pos(), QPoint(490, 720));
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 0);

    // The tall content scrolls; the version label keeps its place on screen.
    QScrollBar *bar = Child<QScrollArea>("scrollArea")->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() >= 150);
    bar->setValue(150);
    QCOMPARE(Child<QLabel>("label")->pos(), QPoint(600, 180));
    bar->setValue(0);
    m_Window->grab().save(OrvikTest::outputDir("settings") + "/02-receiver-led.png");

    // The user's choice goes to the receiver: mode 3, the library's bytes as they were.
    QTest::mouseClick(Child<QCheckBox>("ReUntil_3"), Qt::LeftButton, {}, QPoint(8, 15));
    QVERIFY(Child<QCheckBox>("ReUntil_3")->isChecked());
    QVERIFY(!Child<QCheckBox>("ReUntil_2")->isChecked());
    QTRY_COMPARE(quint8(HIDUsbSim::dongleRgb(m_Receiver).at(0)), quint8(3));
    QCOMPARE(HIDUsbSim::dongleRgb(m_Receiver).mid(1), kReceiverLighting.mid(1));
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 1);
    // The receiver's answer (mode 3) is shown, not sent again.
    QVERIFY(HIDUsbSim::waitIdle());
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 1);
    QVERIFY(Child<QCheckBox>("ReUntil_3")->isChecked());
}

void TestSettingsPage::longRangeSwitchAndResetKeepsReceiverState()
{
    QVERIFY(HIDUsbSim::waitIdle());
    QCheckBox *box = Child<QCheckBox>("checkBox_2");
    QVERIFY(LongRangeVisible());
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTRY_VERIFY(HIDUsbSim::longRange(m_Receiver));
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTRY_VERIFY(!HIDUsbSim::longRange(m_Receiver));
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(!box->isChecked());

    // A reset of the page while the receiver is online hides and clears the
    // display only: the receiver keeps long range.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTRY_VERIFY(HIDUsbSim::longRange(m_Receiver));
    QVERIFY(HIDUsbSim::waitIdle());
    HIDUsbSim::clearCalls();
    QVERIFY(FromHelperThread([] { PostMsg::GetInstance()->EmitFormReset(); }));
    QVERIFY(!box->isChecked());
    QVERIFY(!LongRangeVisible());
    QVERIFY(!LedSectionVisible());
    QCOMPARE(Contents()->maximumHeight(), FormSetting::CompactHeight);
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(HIDUsbSim::longRange(m_Receiver));
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_SetLongRangeMode"), 0);
}

int TestSettingsPage::CountNoticesWhile(const std::function<void()> &fn)
{
    int notices = 0;
    const QMetaObject::Connection counter =
        connect(PostMsg::GetInstance(), &PostMsg::SigMouseOffLineo, this, [&notices](int) { ++notices; });
    WatchPtr watch = Watch([] {
        if (auto *notice = qobject_cast<MouseOffLine *>(QApplication::activeModalWidget()))
            notice->findChild<QToolButton *>("CloseButton")->click();
    });
    fn();
    QTest::qWait(100); // a queued second notice would show by now
    disconnect(counter);
    return notices;
}

void TestSettingsPage::appliedImportShowsNoHiddenSection()
{
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(FromHelperThread([] { PostMsg::GetInstance()->EmitFormReset(); }));
    QVERIFY(!LongRangeVisible());
    // The model offers long range, yet an applied import only hides.
    PostMsg::GetInstance()->EmitFormB();
    QVERIFY(!LongRangeVisible());
    QVERIFY(!LedSectionVisible());
    QCOMPARE(Contents()->maximumHeight(), FormSetting::CompactHeight);
    // A newly selected mouse shows what its model offers.
    QVERIFY(FromHelperThread([] { PostMsg::GetInstance()->EmitForm(); }));
    QVERIFY(LongRangeVisible());
    QVERIFY(!LedSectionVisible());
    QCOMPARE(Contents()->maximumHeight(), FormSetting::CompactHeight);
    QVERIFY(HIDUsbSim::waitIdle());
}

void TestSettingsPage::offlineLedClickShowsOneNotice_data()
{
    // Only the low byte of the library's online answer counts: an answer with
    // higher bits set and a zero low byte is an offline receiver mouse.
    QTest::addColumn<int>("highBits");
    QTest::newRow("answer 0") << 0;
    QTest::newRow("answer 0x100") << 0x100;
}

void TestSettingsPage::offlineLedClickShowsOneNotice()
{
    QFETCH(int, highBits);
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(HIDUsbSim::injectReport(QByteArray("\x00\x15\x00\x00\x00", 5), kReceiverLighting));
    QVERIFY(HIDUsbSim::waitIdle());
    QVERIFY(LedSectionVisible());
    QVERIFY(Child<QCheckBox>("ReUntil_3")->isChecked());

    HIDUsbSim::setOnline(m_Receiver, false);
    HIDUsbSim::setOnlineAnswerHighBits(highBits);
    HIDUsbSim::clearCalls();
    const int notices = CountNoticesWhile(
        [this] { QTest::mouseClick(Child<QCheckBox>("ReUntil"), Qt::LeftButton, {}, QPoint(8, 15)); });
    QCOMPARE(notices, 1);
    // Nothing reached the receiver; the box keeps the user's choice.
    QCOMPARE(HIDUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), 0);
    QCOMPARE(quint8(HIDUsbSim::dongleRgb(m_Receiver).at(0)), quint8(3));
    QVERIFY(Child<QCheckBox>("ReUntil")->isChecked());

    HIDUsbSim::setOnline(m_Receiver, true);
    // The notice asked for a re-read; let it run out before the next test.
    QTRY_VERIFY_WITH_TIMEOUT(!g_OfflinePending, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_Window->MainFramePage()->ApplyDialog()->isVisible(), 20000);
    QVERIFY(HIDUsbSim::waitIdle());
}

void TestSettingsPage::selectorStoresAndTellsTheDeviceList()
{
    QStringList order;
    PostMsg *hub = PostMsg::GetInstance();
    const auto c1 =
        connect(hub, &PostMsg::SigChangeLanguage, this, [&order](int i) { order << "change" + QString::number(i); });
    const auto c2 =
        connect(hub, &PostMsg::SigLanguageSameA, this, [&order](int i) { order << "sameA" + QString::number(i); });

    QComboBox *selector = Child<QComboBox>("comboBox");
    selector->setCurrentIndex(3);
    emit selector->activated(3); // the user picked "Russia"
    disconnect(c1);
    disconnect(c2);

    QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("3"));
    QCOMPARE(order, QStringList({"change3", "sameA3"}));
    QCOMPARE(m_Window->DeviceListPage()->findChild<QComboBox *>("comboBox")->currentIndex(), 3);
    QCOMPARE(Child<QLabel>("label_5")->x(), 280);
    QCOMPARE(Child<QWidget>("Receive")->x(), 330);
    QCOMPARE(Child<QLabel>("label_2")->text(), QString::fromUtf8("Язык"));

    // The device list's selector moves this one, and nothing else happens.
    order.clear();
    const auto c3 = connect(hub, &PostMsg::SigChangeLanguage, this, [&order](int) { order << "change"; });
    hub->EmitLanguageSameB(0);
    disconnect(c3);
    QCOMPARE(selector->currentIndex(), 0);
    QVERIFY(order.isEmpty());
    QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("3"));
    QCOMPARE(Child<QLabel>("label_2")->text(), QString::fromUtf8("Язык"));
    emit selector->activated(0);
}

void TestSettingsPage::languageIndexPlacesRows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("versionX");
    QTest::addColumn<int>("buttonX");
    QTest::addColumn<int>("buttonPoints");
    QTest::newRow("0 English") << 0 << "Language" << 200 << 280 << 10;
    QTest::newRow("1 Simplified Chinese") << 1 << QString::fromUtf8("语言") << 150 << 280 << 10;
    QTest::newRow("4 Korean, in the 3- file") << 4 << QString::fromUtf8("언어") << 170 << 280 << 10;
    QTest::newRow("5 Japanese, small buttons") << 5 << QString::fromUtf8("言語") << 280 << 330 << 7;
    QTest::newRow("6 unknown, English") << 6 << "Language" << 235 << 285 << 10;
}

void TestSettingsPage::languageIndexPlacesRows()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, versionX);
    QFETCH(int, buttonX);
    QFETCH(int, buttonPoints);
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
    m_Page->SlotChangeLanguage(index);
    QCOMPARE(Child<QLabel>("label_2")->text(), caption);
    for (const char *version : {"label_5", "label_7"})
        QCOMPARE(Child<QWidget>(version)->x(), versionX);
    for (const char *button : {"Receive", "Mouse"}) {
        QCOMPARE(Child<QWidget>(button)->x(), buttonX);
        QCOMPARE(Child<QWidget>(button)->font().pointSize(), buttonPoints);
    }
    QCOMPARE(Child<QLabel>("label_12")->pos(), QPoint(490, 158));
    QCOMPARE(Child<QLabel>("label_13")->pos(), QPoint(490, 188));
    QVERIFY(!g_WiredModeText.isEmpty());
}

void TestSettingsPage::netFileSetsFooter_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("maker");
    QTest::addColumn<QString>("link");
    const QString keep = "keep";
    QTest::newRow("English with only the maker")
        << 0 << "<Profile><English><CompanyName>Maker EN</CompanyName></English></Profile>"
        << "Maker EN" << keep;
    QTest::newRow("Chinese element for index 2")
        << 2
        << "<Profile><English><CompanyName>EN</CompanyName><CompanyWeben>http://en</CompanyWeben></English>"
           "<Chinese><CompanyName>CN</CompanyName><CompanyWebcn>http://cn</CompanyWebcn></Chinese></Profile>"
        << "CN"
        << "http://cn";
    QTest::newRow("Web element, Russian takes the English link")
        << 3
        << "<Profile><Web><CompanyWebcn>http://cn</CompanyWebcn><CompanyWeben>http://en</CompanyWeben></Web></Profile>"
        << keep << "http://en";
    QTest::newRow("Web element, Chinese takes the Chinese link")
        << 1
        << "<Profile><Web><CompanyWeben>http://en</CompanyWeben><CompanyWebcn>http://cn</CompanyWebcn></Web></Profile>"
        << keep << "http://cn";
    QTest::newRow("Japanese keeps the link")
        << 5
        << "<Profile><English><CompanyName>EN</CompanyName><CompanyWeben>http://en</CompanyWeben></English>"
           "<Web><CompanyWebcn>http://cn</CompanyWebcn></Web></Profile>"
        << "EN" << keep;
    QTest::newRow("later element wins") << 0
                                        << "<Profile><Web><CompanyWeben>http://first</CompanyWeben></Web>"
                                           "<English><CompanyWeben>http://last</CompanyWeben></English></Profile>"
                                        << keep << "http://last";
    QTest::newRow("not a maker file") << 0 << "<Total><English><CompanyName>X</CompanyName></English></Total>" << keep
                                      << keep;
}

void TestSettingsPage::netFileSetsFooter()
{
    QFETCH(int, index);
    QFETCH(QString, net);
    QFETCH(QString, maker);
    QFETCH(QString, link);
    const QString path = LanguageLoader::NetFilePath();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(net.toUtf8());
    }
    QPushButton *makerLine = Child<QPushButton>("pushButton_4");
    QPushButton *webLink = Child<QPushButton>("pushButton_3");
    makerLine->setText("keep");
    webLink->setText("keep");
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
    m_Page->SlotChangeLanguage(index);
    QCOMPARE(makerLine->text(), maker);
    QCOMPARE(webLink->text(), link);

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(m_NetFile);
}

void TestSettingsPage::autoStartWritesTheDesktopEntry()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString entry = config.path() + "/autostart/" + QCoreApplication::applicationName() + ".desktop";
    QCheckBox *box = Child<QCheckBox>("checkBox");
    QVERIFY(!box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(box->isChecked());
    QCOMPARE(MacroIni::GetInstance()->GetValue("AutoStart", "Enable"), QString("1"));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains("Exec=\"" + QCoreApplication::applicationFilePath() + "\"\n"), qPrintable(text));
    QVERIFY(text.startsWith("[Desktop Entry]\n"));

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!box->isChecked());
    QVERIFY(!QFile::exists(entry));
    QCOMPARE(MacroIni::GetInstance()->GetValue("AutoStart", "Enable"), QString("0"));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestSettingsPage::autoStartThatCannotBeWrittenIsUndone()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // A plain file where the autostart folder belongs: nothing can go in it.
    {
        QFile blocker(config.path() + "/autostart");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QCheckBox *box = Child<QCheckBox>("checkBox");
    const QString before = MacroIni::GetInstance()->GetValue("AutoStart", "Enable");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("auto-start entry .* not changed"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!box->isChecked());
    QCOMPARE(MacroIni::GetInstance()->GetValue("AutoStart", "Enable"), before);
    QVERIFY(!Autostart::isEnabled());
    qunsetenv("XDG_CONFIG_HOME");
}

void TestSettingsPage::mouseSettingsStartsTheDesktopTool()
{
    QTemporaryDir dir;
    const QString marker = dir.path() + "/started";
    const QString tool = dir.path() + "/mouse-tool";
    {
        QFile script(tool);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$1\"\n");
    }
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("ORVIK_MOUSE_SETTINGS_CMD", (tool + " " + marker).toLocal8Bit());
    QPushButton *link = Child<QPushButton>("pushButton");
    link->click();
    QTRY_VERIFY(QFile::exists(marker));

    // No tool at all: the user is told so.
    qputenv("ORVIK_MOUSE_SETTINGS_CMD", (dir.path() + "/no-such-tool").toLocal8Bit());
    QString noticeText;
    WatchPtr watch = Watch([&noticeText] {
        if (auto *notice = qobject_cast<UpDateWarning *>(QApplication::activeModalWidget())) {
            noticeText = notice->findChild<QLabel *>("label")->text();
            notice->close();
        }
    });
    link->click();
    watch.reset();
    qunsetenv("ORVIK_MOUSE_SETTINGS_CMD");
    QCOMPARE(noticeText, QString("No mouse settings tool of the desktop was found."));
}

void TestSettingsPage::webLinkOpensOnlyWebAddresses()
{
    UrlCatcher catcher;
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    QPushButton *link = Child<QPushButton>("pushButton_3");
    link->setText("https://www.example.com/orvik se");
    link->click();
    link->setText("file:///etc/passwd");
    link->click();
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.first(), QUrl("https://www.example.com/orvik%20se"));
}

// The device list's click and the worker's hot-plug callback hand the
// receiver's version and whether a newer receiver image waits: the (hidden)
// update button takes the waiting look only for "true".
void TestSettingsPage::receiverVersionLooks_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("picture");
    QTest::newRow("newer image") << "true"
                                 << "WaitUpdate.png";
    QTest::newRow("none") << ""
                          << "Confirm.png";
    QTest::newRow("any other text") << "1"
                                    << "Confirm.png";
}

void TestSettingsPage::receiverVersionLooks()
{
    QFETCH(QString, offered);
    QFETCH(QString, picture);
    const QString before = Child<QLabel>("label_5")->text();
    m_Page->SlotLabelTextB("v9.1", offered);
    QCOMPARE(Child<QLabel>("label_5")->text(), QString("v9.1"));
    const QString sheet = Child<QWidget>("Receive")->styleSheet();
    QVERIFY2(sheet.contains(UserPaths::pictureFolder() + "FormSetting/" + picture), qPrintable(sheet));
    QCOMPARE(sheet.contains("WaitUpdate.png"), picture == "WaitUpdate.png");
    m_Page->SlotLabelTextB(before, QString());
}

void TestSettingsPage::captionsFit_data()
{
    OrvikTest::LanguageRows();
}

// The footer's web link is right aligned: a link wider than its button loses
// its "https" (the Chinese one did). The auto-start caption is lower than an
// 11 pt line: centred, its descenders were cut.
void TestSettingsPage::captionsFit()
{
    QFETCH(int, language);
    // The footer's texts follow the stored choice, as after the user's pick.
    const auto choose = [](int index) {
        MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
        PostMsg::GetInstance()->EmitChangeLanguage(index);
    };
    choose(language);
    const QStringList clipped = OrvikTest::ClippedTexts(m_Page) + OrvikTest::CutInkTexts(m_Page);
    choose(0);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

ORVIK_TEST_MAIN(TestSettingsPage)

#include "tst_settingspage.moc"
