// The device list page against the simulated device library: tiles, pages
// and arrows, marks and class icons, duplicates and twins, the language
// selector, the repair button, and what a click on a tile leads to.

#include "DeviceListScript.h"
#include "TestMain.h"

#include "ConfigIni.h"
#include "ContainReset.h"
#include "DeviceAllInfo.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "DialogChange.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "MacroIni.h"
#include "Match.h"
#include "PostMsg.h"
#include "RegistryStore.h"
#include "SettingsState.h"
#include "TestState.h"
#include "UpDateRepair.h"
#include "UserPaths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

using HIDUsbSim::DeviceSetup;
using OrvikTest::ModalScript;
using OrvikTest::Rebuild;
using OrvikTest::Receiver;
Q_DECLARE_METATYPE(DeviceSetup)

namespace {

const QString kMouseVer = HIDUsbSim::sampleMouseVerKey(); // "MouseVer" + CID text + MID text of model 1

DeviceSetup Corded(quint8 mid = HIDUsbSim::sampleWirelessMid, const QString &mouse = QString())
{
    return Receiver("F500", 2, mid, mouse);
}

template<typename T>
T *Tile(const QList<QWidget *> &list, const QString &name)
{
    for (QWidget *w : list) {
        if (w->objectName() == name)
            return qobject_cast<T *>(w);
    }
    return nullptr;
}

QToolButton *TileButton(int n)
{
    return Tile<QToolButton>(g_TileButtons, "btn" + QString::number(n));
}

QString Sheet(QWidget *w)
{
    return w ? w->styleSheet() : QString();
}

QWidget *PageWidget(const QString &name)
{
    return g_DeviceListPage->findChild<QWidget *>(name);
}

QStackedWidget *Stack()
{
    return g_DeviceListPage->findChild<QStackedWidget *>("stackedWidget");
}

void ClickButton(QWidget *dialog, const QString &name)
{
    QAbstractButton *button = dialog->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable("no button " + name));
    button->click();
}

QString BinFolder()
{
    return UserPaths::firmwareFolder();
}

void WriteImage(const QString &name, quint8 kind, quint8 mid, quint32 version, const QByteArray &model)
{
    QFile file(BinFolder() + "/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(HIDUsbSim::makeFirmwareImage(kind, 0x1A, mid, version, model));
}

void ClearImages()
{
    QDir bin(BinFolder());
    for (const QString &name : bin.entryList(QStringList() << "*.bin", QDir::Files))
        bin.remove(name);
}

} // namespace

// Records the hub signals a selection sends, in order.
class HubRecorder : public QObject
{
    Q_OBJECT

public:
    HubRecorder()
    {
        PostMsg *hub = PostMsg::GetInstance();
        connect(hub, &PostMsg::SigSetver, this, &HubRecorder::Setver);
        connect(hub, &PostMsg::SigMouseIndex, this, &HubRecorder::MouseIndex);
        connect(hub, &PostMsg::SigSelectMouseInfo, this, &HubRecorder::SelectMouseInfo);
        connect(hub, &PostMsg::SigLabelTextB, this, &HubRecorder::LabelTextB);
        connect(hub, &PostMsg::SigChangeMainDialog, this, &HubRecorder::ChangeMainDialog);
        connect(hub, &PostMsg::SigChangeLanguage, this, &HubRecorder::ChangeLanguage);
        connect(hub, &PostMsg::SigLanguageSameB, this, &HubRecorder::LanguageSameB);
        connect(hub, &PostMsg::SigChangeSize, this, &HubRecorder::ChangeSize);
    }

    QStringList events;

public slots:
    void Setver(int i) { events << QString("Setver(%1)").arg(i); }
    void MouseIndex(int i) { events << QString("MouseIndex(%1)").arg(i); }
    // As the worker does: the selected record becomes the current device.
    void SelectMouseInfo(DeviceAllInfo info)
    {
        g_CurrentDevice.set(info);
        events << "SelectMouseInfo(" + info.Path + ")";
    }
    void LabelTextB(QString a, QString b) { events << "LabelTextB(" + a + "," + b + ")"; }
    void ChangeMainDialog(int i) { events << QString("ChangeMainDialog(%1)").arg(i); }
    void ChangeLanguage(int i) { events << QString("ChangeLanguage(%1)").arg(i); }
    void LanguageSameB(int i) { events << QString("LanguageSameB(%1)").arg(i); }
    void ChangeSize(int i) { events << QString("ChangeSize(%1)").arg(i); }
};

class TestDeviceList : public QObject
{
    Q_OBJECT

private:
    DialogChange *m_Page = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "the test runs from its own app directory");
        HIDUsbSim::reset();
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
        m_Page = new DialogChange(nullptr);
        m_Page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Page));
    }

    void cleanupTestCase()
    {
        delete m_Page;
        HIDUsbSim::reset();
    }

    void init()
    {
        OrvikTest::ResetAllState();
        ClearImages();
        RegistryStore::remove(RegistryStore::mouseTestKey(), "UpdateFailInfo");
        RegistryStore::remove(RegistryStore::mouseTestKey(), kMouseVer);
        RegistryStore::remove(RegistryStore::mouseTestKey(), "MouseVer26");
    }

    void cleanup()
    {
        // Tiles retired during a test are deleted through the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void emptyListShowsMessage()
    {
        Rebuild({});
        QVERIFY(g_PickerDeviceList.isEmpty());
        QVERIFY(g_TileButtons.isEmpty());
        QCOMPARE(Stack()->count(), 0);
        QLabel *label2 = qobject_cast<QLabel *>(PageWidget("label_2"));
        QVERIFY(label2->isVisible());
        QVERIFY(!PageWidget("label_3")->isVisible());
        QCOMPARE(label2->text(), g_Label2Text);
        QCOMPARE(g_Label2Text, QString("Please connect your gaming device"));
    }

    void tileMarks_data()
    {
        QTest::addColumn<QString>("pid");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mid");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("classIcon");
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("offlineShown");
        QTest::addColumn<bool>("linkShown");

        QTest::newRow("4 kHz receiver, mouse online")
            << "F503" << 1 << int(HIDUsbSim::sampleWirelessMid) << true << "OnLine0.png"
            << "4KHz.png"
            << "OnLineWifi.png" << false << true;
        QTest::newRow("1 kHz receiver") << "F501" << 0 << int(HIDUsbSim::sampleWirelessMid) << true << "OnLine0.png"
                                        << "1KHz.png"
                                        << "OnLineWifi.png" << false << true;
        QTest::newRow("2 kHz receiver") << "F502" << 4 << int(HIDUsbSim::sampleWirelessMid) << true << "OnLine0.png"
                                        << "2KHz.png"
                                        << "OnLineWifi.png" << false << true;
        QTest::newRow("mouse on cable") << "F500" << 2 << int(HIDUsbSim::sampleCordedMid) << true << "OnLine0.png"
                                        << ""
                                        << "OnLineUsb.png" << false << true;
        QTest::newRow("receiver, mouse offline")
            << "F503" << 1 << int(HIDUsbSim::sampleWirelessMid) << false << "DisOnlin0.png"
            << "4KHz.png"
            << "OnLineWifi.png" << true << false;
        QTest::newRow("unknown model") << "F503" << 1 << 0x33 << true << "Unknow.png"
                                       << "4KHz.png"
                                       << "OnLineWifi.png" << false << true;
    }

    void tileMarks()
    {
        QFETCH(QString, pid);
        QFETCH(int, type);
        QFETCH(int, mid);
        QFETCH(bool, online);
        QFETCH(QString, picture);
        QFETCH(QString, classIcon);
        QFETCH(QString, link);
        QFETCH(bool, offlineShown);
        QFETCH(bool, linkShown);

        DeviceSetup setup = Receiver(pid, quint8(type), quint8(mid));
        setup.online = online;
        Rebuild({setup});

        QCOMPARE(g_TileButtons.size(), 1);
        QToolButton *button = TileButton(0);
        QVERIFY(button);
        QVERIFY2(Sheet(button).contains(g_DeviceListPicturePath + picture), qPrintable(Sheet(button)));
        QWidget *offline = Tile<QWidget>(g_TileOfflineMarks, "label0");
        QWidget *linkMark = Tile<QWidget>(g_TileLinkMarks, "UsbWifi0");
        QCOMPARE(offline->isVisible(), offlineShown);
        QCOMPARE(linkMark->isVisible(), linkShown);
        QVERIFY2(Sheet(linkMark).contains(link), qPrintable(Sheet(linkMark)));
        if (classIcon.isEmpty()) {
            QVERIFY(g_TileClassIcons.isEmpty());
        } else {
            QCOMPARE(g_TileClassIcons.size(), 1);
            QVERIFY(Sheet(g_TileClassIcons.first()).contains(classIcon));
        }
        QVERIFY(!PageWidget("label_2")->isVisible());
        QVERIFY(PageWidget("label_3")->isVisible());
    }

    void hoverRefreshesOnlineState()
    {
        Rebuild({Receiver("F503", 1)});
        QToolButton *button = TileButton(0);
        QVERIFY(Sheet(button).contains("OnLine0.png"));

        HIDUsbSim::setOnline(HIDUsbSim::devices().first(), false);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);

        QVERIFY(Sheet(button).contains("DisOnlin0.png"));
        QWidget *offline = Tile<QWidget>(g_TileOfflineMarks, "label0");
        QVERIFY(offline->isVisible());
        QVERIFY(!Tile<QWidget>(g_TileLinkMarks, "UsbWifi0")->isVisible());
        QCOMPARE(offline->toolTip(), g_OfflineTips1Text + "\n" + g_OfflineTips2Text);
        QVERIFY(!g_OfflineTips1Text.isEmpty());
        QVERIFY(!g_PickerDeviceList.first().Online);
    }

    void cableAndOwnReceiverGiveOneTile()
    {
        Rebuild({Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "m1"), Corded(HIDUsbSim::sampleWirelessMid, "m1")});
        QCOMPARE(g_PickerDeviceList.size(), 1);
        QVERIFY(g_PickerDeviceList.first().Wired);
        QCOMPARE(g_TileButtons.size(), 1);
        QVERIFY(Sheet(Tile<QWidget>(g_TileLinkMarks, "UsbWifi0")).contains("OnLineUsb.png"));
    }

    void tilePositions_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("buttonX");
        QTest::addColumn<QList<int>>("markX");
        QTest::addColumn<QList<int>>("iconX");
        QTest::newRow("one") << 1 << QList<int>{305} << QList<int>{530} << QList<int>{312};
        QTest::newRow("two") << 2 << QList<int>{135, 445} << QList<int>{360, 665} << QList<int>{142, 452};
        QTest::newRow("three") << 3 << QList<int>{0, 300, 600} << QList<int>{225, 525, 825} << QList<int>{7, 307, 607};
    }

    void tilePositions()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, buttonX);
        QFETCH(QList<int>, markX);
        QFETCH(QList<int>, iconX);
        QList<DeviceSetup> setups;
        for (int i = 0; i < count; ++i)
            setups << Receiver("F501", 0, quint8(0x30 + i), "u" + QString::number(i)); // unknown models
        Rebuild(setups);
        QCOMPARE(g_TileButtons.size(), count);
        QCOMPARE(Stack()->count(), 1);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(TileButton(i)->pos(), QPoint(buttonX.at(i), 0));
            QCOMPARE(TileButton(i)->size(), QSize(284, 360));
            QCOMPARE(Tile<QWidget>(g_TileOfflineMarks, "label" + QString::number(i))->pos(), QPoint(markX.at(i), 20));
            QCOMPARE(Tile<QWidget>(g_TileLinkMarks, "UsbWifi" + QString::number(i))->pos(), QPoint(markX.at(i), 20));
            QCOMPARE(g_TileClassIcons.at(i)->pos(), QPoint(iconX.at(i), 10));
            QCOMPARE(g_TileClassIcons.at(i)->size(), QSize(42, 26));
        }
        QVERIFY(!PageWidget("RightButton")->isVisible());
    }

    void pagingWithManyDevices()
    {
        // Seven devices of no known model (they never count as duplicates),
        // spread over two product IDs: the library returns five paths at most.
        QList<DeviceSetup> setups;
        for (int i = 0; i < 7; ++i)
            setups << Receiver(i < 4 ? "F501" : "F503", i < 4 ? 0 : 1, quint8(0x30 + i), "u" + QString::number(i));
        Rebuild(setups);
        QCOMPARE(g_TileButtons.size(), 7);
        QStackedWidget *stack = Stack();
        QCOMPARE(stack->count(), 3);
        QCOMPARE(stack->currentIndex(), 0);
        QWidget *left = PageWidget("LeftButton");
        QWidget *right = PageWidget("RightButton");
        QVERIFY(right->isVisible());
        QVERIFY(!left->isVisible());
        QCOMPARE(TileButton(6)->parentWidget(), stack->widget(2));
        QCOMPARE(TileButton(6)->pos(), QPoint(305, 0));

        qobject_cast<QToolButton *>(right)->click();
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(!left->isVisible());
        QVERIFY(right->isVisible());
        qobject_cast<QToolButton *>(right)->click();
        QCOMPARE(stack->currentIndex(), 2);
        QVERIFY(left->isVisible());
        QVERIFY(!right->isVisible());
        qobject_cast<QToolButton *>(left)->click();
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(!right->isVisible());
        QVERIFY(left->isVisible());
        qobject_cast<QToolButton *>(left)->click();
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(!left->isVisible());
        QVERIFY(right->isVisible());

        // A new build shows page 0 again, four devices give two pages.
        setups = setups.mid(0, 4);
        Rebuild(setups);
        QCOMPARE(stack->count(), 2);
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(right->isVisible());
        QVERIFY(!left->isVisible());
    }

    // Every device unplugged after a build of two pages: no page arrow stays
    // over the empty list, and an arrow clicked anyway shows no tile text.
    void noArrowsWithoutTiles()
    {
        QList<DeviceSetup> setups;
        for (int i = 0; i < 4; ++i)
            setups << Receiver("F503", 1, quint8(0x30 + i), "n" + QString::number(i));
        Rebuild(setups);
        QToolButton *right = qobject_cast<QToolButton *>(PageWidget("RightButton"));
        QToolButton *left = qobject_cast<QToolButton *>(PageWidget("LeftButton"));
        right->click();
        QVERIFY(left->isVisible());

        Rebuild({});
        QVERIFY(g_TileButtons.isEmpty());
        QVERIFY(!right->isVisible());
        QVERIFY(!left->isVisible());
        left->click();
        right->click();
        QVERIFY(PageWidget("label_2")->isVisible());
        QVERIFY(!PageWidget("label_3")->isVisible());
        QCOMPARE(Stack()->count(), 0);
    }

    void duplicates_data()
    {
        QTest::addColumn<QList<DeviceSetup>>("setups");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<int>("icons");
        QTest::newRow("two 4 kHz receivers of one model")
            << QList<DeviceSetup>{Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a"),
                                  Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b")}
            << true << 0 << 0;
        QTest::newRow("two corded mice of one model")
            << QList<DeviceSetup>{Corded(HIDUsbSim::sampleCordedMid, "a"), Corded(HIDUsbSim::sampleCordedMid, "b")}
            << true << 0 << 0;
        QTest::newRow("two devices of no known model")
            << QList<DeviceSetup>{Receiver("F503", 1, 0x40, "a"), Receiver("F503", 1, 0x41, "b")} << false << 2 << 2;
        QTest::newRow("one model on two receiver classes")
            << QList<DeviceSetup>{Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "a"),
                                  Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b")}
            << false << 2 << 2;
        // A receiver type behind a product ID of no receiver list: neither
        // counted nor marked with a class.
        QTest::newRow("receivers under the cable's product ID")
            << QList<DeviceSetup>{Receiver("F500", 1, HIDUsbSim::sampleWirelessMid, "a"),
                                  Receiver("F500", 1, HIDUsbSim::sampleWirelessMid, "b")}
            << false << 2 << 0;
    }

    void duplicates()
    {
        QFETCH(QList<DeviceSetup>, setups);
        QFETCH(bool, notice);
        QFETCH(int, tiles);
        QFETCH(int, icons);
        ModalScript script;
        Rebuild(setups);
        QCOMPARE(script.seen, notice ? QStringList{"QuestiondialogB"} : QStringList());
        QCOMPARE(g_TileButtons.size(), tiles);
        QCOMPARE(g_TileClassIcons.size(), icons);
        if (notice) {
            QVERIFY(PageWidget("label_2")->isVisible());
            QVERIFY(!PageWidget("label_3")->isVisible());
            QVERIFY(!PageWidget("LeftButton")->isVisible());
            QVERIFY(!PageWidget("RightButton")->isVisible());
        }
    }

    void languageSelector()
    {
        Rebuild({});
        HubRecorder hub;
        QComboBox *combo = m_Page->findChild<QComboBox *>("comboBox");
        QLabel *label3 = qobject_cast<QLabel *>(PageWidget("label_3"));
        QLabel *label2 = qobject_cast<QLabel *>(PageWidget("label_2"));
        const QString english3 = label3->text();
        QCOMPARE(english3, QString("Click the picture to start"));

        QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, 1));
        QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("1"));
        QCOMPARE(hub.events, (QStringList{"ChangeLanguage(1)", "LanguageSameB(1)"}));
        QCOMPARE(label3->text(), QString::fromUtf8("点击图案进入使用"));
        QCOMPARE(label2->text(), QString::fromUtf8("请接入你的游戏装备"));
        QCOMPARE(g_Label2Text, label2->text());

        // The settings page's selector keeps this one in step without a reload.
        PostMsg::GetInstance()->EmitLanguageSameA(3);
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(label3->text(), QString::fromUtf8("点击图案进入使用"));
        QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("1"));
        PostMsg::GetInstance()->EmitLanguageSameA(4); // Korean has no item of its own
        QCOMPARE(combo->currentIndex(), -1);

        PostMsg::GetInstance()->EmitChangeLanguage(0);
        QCOMPARE(label3->text(), english3);
        QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, 0));
        QCOMPARE(MacroIni::GetInstance()->GetValue("Language", "Language"), QString("0"));
    }

    // label_2 takes the repair text only while the Repair button is on
    // screen: behind the main frame (page hidden) it takes the usual text.
    void languageChangeAndRepairText_data()
    {
        QTest::addColumn<bool>("pageShown");
        QTest::newRow("list shown") << true;
        QTest::newRow("list hidden behind the main frame") << false;
    }

    void languageChangeAndRepairText()
    {
        Rebuild({});
        QLabel *label2 = qobject_cast<QLabel *>(PageWidget("label_2"));
        QFETCH(bool, pageShown);
        PostMsg::GetInstance()->EmitUpDateButton(false);
        if (!pageShown)
            m_Page->hide();
        PostMsg::GetInstance()->EmitChangeLanguage(1);
        const QString text = label2->text();
        const QString expected = pageShown ? g_RepairDeviceText : g_Label2Text;
        PostMsg::GetInstance()->EmitChangeLanguage(0);
        PostMsg::GetInstance()->EmitUpDateButton(true);
        m_Page->show();
        QCOMPARE(text, expected);
        QVERIFY(text.contains(QChar(0x8BF7))); // the Chinese text of the file, not a form default kept over
    }

    // The framework's language change puts the form's own texts back and
    // selects the first language without telling anyone.
    void frameworkLanguageChange()
    {
        Rebuild({});
        QComboBox *combo = m_Page->findChild<QComboBox *>("comboBox");
        combo->setCurrentIndex(2);
        HubRecorder hub;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(m_Page, &change);
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(qobject_cast<QLabel *>(PageWidget("label_3"))->text(), QString::fromUtf8("点击图案进入使用"));
        QVERIFY(hub.events.isEmpty());
        PostMsg::GetInstance()->EmitChangeLanguage(0);
    }

    void windowButtons()
    {
        HubRecorder hub;
        qobject_cast<QToolButton *>(PageWidget("CloseButton"))->click();
        qobject_cast<QToolButton *>(PageWidget("MinButton"))->click();
        QCOMPARE(hub.events, (QStringList{"ChangeSize(3)", "ChangeSize(2)"}));
    }

    void clickOnKnownDeviceSelectsIt_data()
    {
        QTest::addColumn<bool>("receiverImage");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<bool>("binFolder");
        QTest::newRow("no receiver image") << false << false << true;
        QTest::newRow("newer receiver image") << true << false << true;
        QTest::newRow("offline device is selected all the same") << false << true << true;
        QTest::newRow("no bin folder: no check, the flag keeps its value") << false << false << false;
    }

    void clickOnKnownDeviceSelectsIt()
    {
        QFETCH(bool, receiverImage);
        QFETCH(bool, offline);
        QFETCH(bool, binFolder);
        if (receiverImage)
            WriteImage("r4k.bin", 0xD3, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K"); // receiver is v1.2
        if (!binFolder)
            QVERIFY(QDir(BinFolder()).removeRecursively());
        DeviceSetup setup = Receiver("F503", 1);
        setup.online = !offline;
        Rebuild({setup});
        const QString path = g_PickerDeviceList.first().Path;
        g_DongleUpdatePending = true;

        HubRecorder hub;
        ModalScript script;
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(TileButton(0), Qt::LeftButton);
        const qint64 elapsed = clock.elapsed();
        if (!binFolder)
            QVERIFY(QDir().mkpath(BinFolder()));
        QVERIFY(elapsed >= 150);

        QVERIFY(script.seen.isEmpty());
        QCOMPARE(hub.events,
                 (QStringList{"Setver(6)", "MouseIndex(0)", "SelectMouseInfo(" + path + ")",
                              "LabelTextB(v1.2," + QString(receiverImage ? "true" : "") + ")", "ChangeMainDialog(1)"}));
        QCOMPARE(g_DongleUpdatePending.load(), binFolder ? receiverImage : true);
        QCOMPARE(g_MainPageActive.load(), 1);
        QVERIFY(g_WorkerRunEnable.load());
    }

    // The model's "MID" tells the main frame which mouse it shows: 1 and 2
    // name the first and second mouse, any other value names none.
    void mouseIndexFollowsModelMid_data()
    {
        QTest::addColumn<int>("mid");
        QTest::addColumn<QString>("event");
        QTest::newRow("MID 1") << 1 << "MouseIndex(0)";
        QTest::newRow("MID 2") << 2 << "MouseIndex(1)";
        QTest::newRow("MID 5") << 5 << "";
    }

    void mouseIndexFollowsModelMid()
    {
        QFETCH(int, mid);
        QFETCH(QString, event);
        ConfigIni *config = ConfigIni::GetInstance();
        const QString original = config->FilePath();
        QFile in(original);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray text = in.readAll();
        in.close();
        const QByteArray sample = "[Drive1]\nMID=" + HIDUsbSim::sampleMidText().toLatin1() + "\n";
        QVERIFY(text.contains(sample));
        text.replace(sample, "[Drive1]\nMID=" + QByteArray::number(mid) + "\n");
        const QString changed = QDir::tempPath() + "/Config-mid.ini";
        QFile out(changed);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
        out.close();
        config->Reload(changed);

        Rebuild({Receiver("F503", 1, quint8(mid))});
        const QString path = g_PickerDeviceList.first().Path;
        HubRecorder hub;
        ModalScript script;
        QTest::mouseClick(TileButton(0), Qt::LeftButton);
        config->Reload(original);

        QVERIFY(script.seen.isEmpty());
        QStringList expected{"Setver(6)"};
        if (!event.isEmpty())
            expected << event;
        expected << "SelectMouseInfo(" + path + ")"
                 << "LabelTextB(v1.2,)"
                 << "ChangeMainDialog(1)";
        QCOMPARE(hub.events, expected);
    }

    // Exactly two entries of one CID and MID: a click on the one that does
    // not answer while the other does is a receiver without its mouse. The
    // library is asked for entry 0 first, and for entry 1 only when entry 0
    // answered as the rule needs.
    void twinEntries_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("online0");
        QTest::addColumn<bool>("online1");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("first offline, second online") << 0 << false << true << false << QList<int>{0, 1};
        QTest::newRow("second offline, first online") << 1 << true << false << false << QList<int>{0, 1};
        QTest::newRow("first online") << 0 << true << false << true << QList<int>{0};
        QTest::newRow("second online") << 1 << true << true << true << QList<int>{0, 1};
        QTest::newRow("second clicked, first offline") << 1 << false << false << true << QList<int>{0};
        QTest::newRow("both offline") << 0 << false << false << true << QList<int>{0, 1};
    }

    void twinEntries()
    {
        QFETCH(int, clicked);
        QFETCH(bool, online0);
        QFETCH(bool, online1);
        QFETCH(bool, selected);
        QFETCH(QList<int>, asked);
        Rebuild({Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "a", online0),
                 Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b", online1)});
        QCOMPARE(g_PickerDeviceList.size(), 2);
        const QStringList paths{g_PickerDeviceList.at(0).Path, g_PickerDeviceList.at(1).Path};

        HubRecorder hub;
        ModalScript script({[](QWidget *w) {
            ClickButton(w, "CloseButton");
            return true;
        }});
        HIDUsbSim::clearCalls();
        QTest::mouseClick(TileButton(clicked), Qt::LeftButton);

        QStringList askedPaths;
        for (int i : asked)
            askedPaths << "UsbFinderC_GetDeviceOnLine(" + paths.at(i) + ")";
        // The asks of the click itself: closing the pairing dialog searches
        // the devices again.
        QStringList calls;
        for (const QString &call : HIDUsbSim::calls()) {
            if (call.startsWith("StartUsbChanged("))
                break;
            if (call.startsWith("UsbFinderC_GetDeviceOnLine("))
                calls << call;
        }
        QCOMPARE(calls, askedPaths);
        QCOMPARE(hub.events.contains("ChangeMainDialog(1)"), selected);
        QCOMPARE(script.seen, selected ? QStringList() : QStringList{"Match"});
        if (!selected)
            QCOMPARE(g_ChosenDevice.Path, paths.at(clicked));
    }

    void clickOnUnknownDevice_data()
    {
        QTest::addColumn<DeviceSetup>("setup");
        QTest::addColumn<QString>("mouseVerName");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("receiver, no mouse version: pairing")
            << Receiver("F503", 1, 0x33) << QString() << QStringList{"Match"};
        QTest::newRow("receiver, mouse version recorded: re-pair question")
            << Receiver("F503", 1, 0x33) << "MouseVer26" << QStringList{"RePair"};
        QTest::newRow("corded: nothing") << Corded(0x33) << QString() << QStringList();
    }

    void clickOnUnknownDevice()
    {
        QFETCH(DeviceSetup, setup);
        QFETCH(QString, mouseVerName);
        QFETCH(QStringList, dialogs);
        if (!mouseVerName.isEmpty())
            RegistryStore::setValue(RegistryStore::mouseTestKey(), mouseVerName, "v1.5");
        Rebuild({setup});
        const QString path = g_PickerDeviceList.first().Path;

        HubRecorder hub;
        bool pairsClicked = false;
        ModalScript script({[&](QWidget *w) {
            if (qobject_cast<Match *>(w)) {
                pairsClicked = g_PairChosenDevice && g_ChosenDevice.Path == path;
                ClickButton(w, "CloseButton");
            } else {
                ClickButton(w, "Cancel");
            }
            return true;
        }});
        QTest::mouseClick(TileButton(0), Qt::LeftButton);
        QCOMPARE(script.seen, dialogs);
        QCOMPARE(hub.events, QStringList{"Setver(6)"});
        QCOMPARE(pairsClicked, dialogs == QStringList{"Match"});
        QCOMPARE(g_MainPageActive.load(), 0);
    }

    // Two receivers of one model, the clicked one without its mouse, the other
    // one with it: the click runs the pairing check, whose outcome depends on
    // the recorded mouse version and the firmware images found.
    void pairingCheck_data()
    {
        QTest::addColumn<QString>("mouseVer");
        QTest::addColumn<quint32>("mouseImage");    // 0: none
        QTest::addColumn<quint32>("receiverImage"); // 0: none
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("mouseInBootMode"); // a failed mouse update: recorded, the mouse in boot mode

        QTest::newRow("no mouse version") << "" << 0u << 0u << false << QStringList{"Match"} << false;
        QTest::newRow("nothing newer, re-pair declined")
            << "v1.5" << 0u << 0u << false << QStringList{"RePair"} << false;
        QTest::newRow("nothing newer, re-pair accepted")
            << "v1.5" << 0u << 0u << true << QStringList{"RePair", "Match"} << false;
        QTest::newRow("both newer") << "v1.5" << 0x0106u << 0x0103u << false << QStringList{"RePair"} << false;
        QTest::newRow("mouse image only: cable needed")
            << "v1.5" << 0x0106u << 0u << false << QStringList{"UpDateWarning"} << false;
        QTest::newRow("mouse image older: re-pair")
            << "v1.5" << 0x0104u << 0u << false << QStringList{"RePair"} << false;
        QTest::newRow("receiver image only, declined")
            << "v1.5" << 0u << 0x0103u << false << QStringList{"ContainReset"} << false;
        QTest::newRow("receiver image only, updated")
            << "v1.5" << 0u << 0x0103u << true << QStringList{"ContainReset", "UpDateRepair"} << false;
        // Only a newer receiver image is offered; an older one is no update.
        QTest::newRow("receiver image older: re-pair")
            << "v1.5" << 0u << 0x0101u << false << QStringList{"RePair"} << false;
        // The check only searches: the mouse waits for its repair, nothing
        // is flashed behind the notice.
        QTest::newRow("after a failed mouse update: cable needed, nothing flashed")
            << "v1.5" << 0x0106u << 0u << false << QStringList{"UpDateWarning"} << true;
        QTest::newRow("after a failed mouse update: re-pair, nothing flashed")
            << "v1.5" << 0x0106u << 0x0103u << true << QStringList{"RePair", "Match"} << true;
    }

    void pairingCheck()
    {
        QFETCH(QString, mouseVer);
        QFETCH(quint32, mouseImage);
        QFETCH(quint32, receiverImage);
        QFETCH(bool, confirm);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, mouseInBootMode);

        if (!mouseVer.isEmpty())
            RegistryStore::setValue(RegistryStore::mouseTestKey(), kMouseVer, mouseVer);
        if (mouseImage)
            WriteImage("m1.bin", 0xD2, HIDUsbSim::sampleWirelessMid, mouseImage, "OrvikM1");
        if (receiverImage)
            WriteImage("r1k.bin", 0xD3, HIDUsbSim::sampleWirelessMid, receiverImage,
                       "OrvikR1K"); // clicked receiver is v1.2, 1 kHz
        g_WiredModeText = "Connect the mouse by cable to update it";

        QList<DeviceSetup> setups{Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "a", false),
                                  Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b", true)};
        if (mouseInBootMode) {
            RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", HIDUsbSim::sampleFailInfo(210, 0));
            setups << Receiver("F500", 2, HIDUsbSim::sampleWirelessMid, "boot", true, true);
        }
        const QList<int> ids = Rebuild(setups);
        QCOMPARE(g_TileButtons.size(), 2);
        QCOMPARE(g_PickerDeviceList.at(0).PID, QString("F501"));
        const QString clickedPath = g_PickerDeviceList.at(0).Path;

        HubRecorder hub;
        QString warningText;
        QString questionText;
        bool pairsClicked = false;
        ModalScript::Step answer = [&](QWidget *w) {
            if (qobject_cast<Match *>(w)) {
                pairsClicked = g_PairChosenDevice && g_ChosenDevice.Path == clickedPath;
                ClickButton(w, "CloseButton");
            } else if (qobject_cast<ContainReset *>(w)) {
                questionText = w->findChild<QLabel *>("label")->text();
                ClickButton(w, confirm ? "OK" : "Cancel");
            } else if (qobject_cast<UpDateRepair *>(w)) {
                // The automatic receiver update: wait for its end.
                QWidget *ok = w->findChild<QWidget *>("NewHong");
                if (!ok->isVisible() || g_RepairRunning)
                    return false;
                ClickButton(w, "NewHong");
            } else if (w->metaObject()->className() == QByteArray("UpDateWarning")) {
                warningText = w->findChild<QLabel *>("label")->text();
                ClickButton(w, "NewHong");
            } else {
                ClickButton(w, confirm ? "OK" : "Cancel");
            }
            return true;
        };
        ModalScript script({answer, answer});
        HIDUsbSim::clearCalls();
        QTest::mouseClick(TileButton(0), Qt::LeftButton);

        QCOMPARE(script.seen, dialogs);
        QCOMPARE(hub.events, (QStringList{"Setver(6)", "MouseIndex(0)"})); // nothing is selected
        QCOMPARE(g_MainPageActive.load(), 0);
        QCOMPARE(pairsClicked, dialogs.contains("Match"));
        if (dialogs.contains("UpDateWarning"))
            QCOMPARE(warningText, g_WiredModeText);
        if (dialogs.contains("ContainReset"))
            QCOMPARE(questionText, g_MouseIsNewTipsText);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start") > 0, dialogs.contains("UpDateRepair"));
        if (mouseInBootMode) {
            QVERIFY(HIDUsbSim::waitIdle());
            QVERIFY(HIDUsbSim::setup(ids.at(2)).bootMode);
            QCOMPARE(RegistryStore::value(RegistryStore::mouseTestKey(), "UpdateFailInfo").toString(),
                     HIDUsbSim::sampleFailInfo(210, 0));
        }
        if (dialogs.contains("UpDateRepair")) {
            bool flashed = false;
            for (int id : HIDUsbSim::devices())
                flashed = flashed || HIDUsbSim::setup(id).receiverVersion == 0x0103;
            QVERIFY(flashed);
        }
    }

    // The pairing dialog opened from a receiver without its mouse pairs that
    // receiver and shows the outcome; it cannot be closed while pairing.
    void pairingDialog_data()
    {
        QTest::addColumn<bool>("fail");
        QTest::newRow("paired") << false;
        QTest::newRow("failed") << true;
    }

    void pairingDialog()
    {
        QFETCH(bool, fail);
        Rebuild({Receiver("F501", 0, 0x33, "a")});
        const QString path = g_PickerDeviceList.first().Path;
        HIDUsbSim::setPairDuration(300);
        if (fail)
            HIDUsbSim::failNextPairing();

        int stage = 0;
        QElapsedTimer shown;
        bool closeRefused = false;
        QString outcome;
        bool spaceStillStarts = false;
        ModalScript script({[&](QWidget *w) {
            QPushButton *button = w->findChild<QPushButton *>("MatchButton");
            if (stage == 0) {
                if (!shown.isValid())
                    shown.start();
                if (shown.elapsed() < 150 || !button->isEnabled())
                    return false; // the 100 ms check has not allowed pairing yet
                button->click();
                stage = 1;
                return false;
            }
            if (stage == 1) {
                ClickButton(w, "CloseButton");      // refused while pairing
                QTest::keyClick(w, Qt::Key_Escape); // and so is Escape
                closeRefused = w->isVisible() && g_MatchStarted;
                stage = 2;
                return false;
            }
            if (g_MatchStatus != (fail ? 3 : 2) || button->text() != (fail ? "Pairing failed" : "Paired"))
                return false;
            outcome = button->text();
            spaceStillStarts = button->shortcut() == QKeySequence(Qt::Key_Space);
            if (fail)
                QTest::keyClick(w, Qt::Key_Escape);
            else
                ClickButton(w, "CloseButton");
            return true;
        }});
        HIDUsbSim::clearCalls();
        QTest::mouseClick(TileButton(0), Qt::LeftButton);

        QCOMPARE(script.seen, QStringList{"Match"});
        QVERIFY(closeRefused);
        QCOMPARE(outcome, fail ? QString("Pairing failed") : QString("Paired"));
        QVERIFY(spaceStillStarts); // the text changes keep the Space shortcut
        QVERIFY(!g_MatchStarted);
        QCOMPARE(HIDUsbSim::callCount("UsbServerC_Start(" + path), 1);
        QCOMPARE(HIDUsbSim::callCount("UsbServer_EnterDonglePairOnlyCid("), 1);
        QVERIFY(HIDUsbSim::callCount("UsbServer_ReadDonglePairStatus") >= 1);
        // Closing (button or Escape) registered the device list's hot-plug
        // callback again, once.
        QCOMPARE(HIDUsbSim::callCount("StartUsbChanged(callback, 600)"), 1);
        QCOMPARE(g_TileButtons.size(), 1);
    }

    void twinRuleNeedsExactlyTwoEntries()
    {
        // With a third entry the clicked offline receiver is selected as usual.
        Rebuild({Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "a", false),
                 Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "b", true), Receiver("F502", 4, 0x33, "c", true)});
        QCOMPARE(g_PickerDeviceList.size(), 3);
        HubRecorder hub;
        ModalScript script;
        QTest::mouseClick(TileButton(0), Qt::LeftButton);
        QVERIFY(script.seen.isEmpty());
        QVERIFY(hub.events.contains("ChangeMainDialog(1)"));
    }

    void repairButton()
    {
        // A recorded failed update shows the Repair button at the next search.
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", HIDUsbSim::sampleFailInfo(211, 4));
        Rebuild({});
        QWidget *repair = PageWidget("Repair");
        QLabel *label2 = qobject_cast<QLabel *>(PageWidget("label_2"));
        QVERIFY(repair->isVisible());
        QCOMPARE(label2->text(), g_RepairDeviceText);
        QVERIFY(!g_RepairDeviceText.isEmpty());

        // Enter runs the repair dialog while the button is shown; without an
        // image it has nothing to flash.
        {
            ModalScript script;
            PostMsg::GetInstance()->EmitEnterKey();
            QCOMPARE(script.seen, QStringList{"UpDateRepair"});
        }
        QCOMPARE(RegistryStore::value(RegistryStore::mouseTestKey(), "UpdateFailInfo").toString(),
                 HIDUsbSim::sampleFailInfo(211, 4));

        PostMsg::GetInstance()->EmitUpDateButton(true);
        QVERIFY(!repair->isVisible());
        QCOMPARE(label2->text(), g_Label2Text);
        {
            ModalScript script;
            PostMsg::GetInstance()->EmitEnterKey();
            QVERIFY(script.seen.isEmpty());
        }
        PostMsg::GetInstance()->EmitUpDateButton(false);
        QVERIFY(repair->isVisible());
        QCOMPARE(label2->text(), g_RepairDeviceText);
    }

    void repairFlashesTheRecordedUpdate_data()
    {
        QTest::addColumn<bool>("fail");
        QTest::newRow("success") << false;
        QTest::newRow("failure") << true;
    }

    void repairFlashesTheRecordedUpdate()
    {
        QFETCH(bool, fail);
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", HIDUsbSim::sampleFailInfo(211, 4));
        WriteImage("r4k.bin", 0xD3, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        DeviceSetup boot = Receiver("F503", 1);
        boot.bootMode = true;
        Rebuild({boot});
        if (fail)
            HIDUsbSim::failNextFlash();
        QWidget *repairButton = PageWidget("Repair");
        QVERIFY(repairButton->isVisible());

        bool escapeRefused = false;
        ModalScript script({[&](QWidget *w) {
            if (g_RepairRunning && !escapeRefused) {
                QTest::keyClick(w, Qt::Key_Escape); // no closing while the flash reports
                escapeRefused = w->isVisible();
                return false;
            }
            QWidget *ok = w->findChild<QWidget *>("NewHong");
            if (!ok->isVisible() || g_RepairRunning)
                return false;
            ClickButton(w, "NewHong");
            return true;
        }});
        HIDUsbSim::clearCalls();
        qobject_cast<QAbstractButton *>(repairButton)->click();
        QCOMPARE(script.seen, QStringList{"UpDateRepair"});
        QVERIFY(escapeRefused);
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), 1);
        QCoreApplication::processEvents();
        QCOMPARE(repairButton->isVisible(), fail);
        QCOMPARE(RegistryStore::value(RegistryStore::mouseTestKey(), "UpdateFailInfo").toString(),
                 fail ? HIDUsbSim::sampleFailInfo(211, 4) : QString());
        QVERIFY(g_UpgradeIdle.load());
    }

    // A stored value with no well-formed record (not four fields, or fields
    // that are not decimal numbers 0..255) is dropped by the repair: the
    // repair button goes, nothing is flashed, and the next press opens
    // nothing. A good record beside a malformed one is repaired.
    void malformedFailRecordIsDropped_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("good"); // a good record for the receiver waiting in boot mode beside it
        QTest::newRow("two fields") << "211,4" << false;
        QTest::newRow("letters") << "a,b,c,d" << false;
        QTest::newRow("a letter field") << "210,4,26,abc" << false;
        QTest::newRow("a negative field") << "211,4,-26,1" << false;
        QTest::newRow("a field past any int") << "211,4,26,99999999999" << false;
        QTest::newRow("letters beside a good record") << "a,b,c,d;" + HIDUsbSim::sampleFailInfo(211, 4) << true;
    }

    void malformedFailRecordIsDropped()
    {
        QFETCH(QString, stored);
        QFETCH(bool, good);
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", stored);
        WriteImage("r4k.bin", 0xD3, HIDUsbSim::sampleWirelessMid, 0x0103, "OrvikR4K");
        DeviceSetup boot = Receiver("F503", 1);
        boot.bootMode = true;
        const QList<int> ids = Rebuild({boot});
        QWidget *repairButton = PageWidget("Repair");
        QVERIFY(repairButton->isVisible());
        {
            ModalScript script;
            HIDUsbSim::clearCalls();
            PostMsg::GetInstance()->EmitEnterKey();
            QCOMPARE(script.seen, QStringList{"UpDateRepair"});
        }
        QVERIFY(HIDUsbSim::waitIdle());
        QCoreApplication::processEvents();
        QCOMPARE(HIDUsbSim::callCount("UsbUpgrade_Start"), good ? 1 : 0);
        QCOMPARE(HIDUsbSim::setup(ids.first()).bootMode, !good);
        QVERIFY(!RegistryStore::contains(RegistryStore::mouseTestKey(), "UpdateFailInfo"));
        QVERIFY(!repairButton->isVisible());
        // The list is read again with the button gone: Enter opens nothing.
        ModalScript again;
        PostMsg::GetInstance()->EmitEnterKey();
        QVERIFY(again.seen.isEmpty());
    }

    // A hot-plug callback that arrives while a dialog opened from a tile is
    // open rebuilds the tiles: the clicked tile must stay alive until its
    // click handler has returned, and go away afterwards.
    void hotplugDuringModalFromTile()
    {
        Rebuild({Receiver("F503", 1, 0x33, "a")});
        QPointer<QToolButton> clicked = TileButton(0);
        QPointer<QWidget> oldPage = Stack()->widget(0);
        bool aliveDuringDialog = false;
        bool rebuiltDuringDialog = false;
        int tilesDuringDialog = 0;
        ModalScript script({[&](QWidget *w) {
            if (!rebuiltDuringDialog) {
                HIDUsbSim::plug(Receiver("F501", 0, 0x34, "b")); // posted hot-plug callback
                rebuiltDuringDialog = true;
                return false;
            }
            if (g_TileButtons.size() != 2)
                return false; // the callback has not run yet
            tilesDuringDialog = g_TileButtons.size();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            aliveDuringDialog = !clicked.isNull() && !oldPage.isNull() && !clicked->isVisible();
            ClickButton(w, "CloseButton"); // the close registers the callback again: one more build
            return true;
        }});
        QTest::mouseClick(clicked.data(), Qt::LeftButton);
        QCOMPARE(script.seen, QStringList{"Match"});
        QCOMPARE(tilesDuringDialog, 2);
        QVERIFY(aliveDuringDialog);
        QCOMPARE(g_TileButtons.size(), 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(clicked.isNull());
        QVERIFY(oldPage.isNull());
        // The new tiles work.
        QVERIFY(TileButton(1)->isVisible());
    }

    // A "DeviceTotal" far beyond the model groups the file holds, with a mouse
    // of no known model: the list comes up with its tile, the worker's search
    // identifies it, and the repair dialog looks its model up, all at once
    // (no loop over every number, no table sized by it).
    void hugeDeviceTotal_data()
    {
        QTest::addColumn<QByteArray>("total");
        QTest::newRow("2147483647") << QByteArray("2147483647");
        QTest::newRow("600000000") << QByteArray("600000000");
    }

    void hugeDeviceTotal()
    {
        QFETCH(QByteArray, total);
        ConfigIni *config = ConfigIni::GetInstance();
        const QString original = config->FilePath();
        QFile in(original);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray text = in.readAll();
        in.close();
        QVERIFY(text.contains("DeviceTotal=2\n"));
        text.replace("DeviceTotal=2\n", "DeviceTotal=" + total + "\n");
        const QString changed = QDir::tempPath() + "/Config-total.ini";
        QFile out(changed);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
        out.close();
        config->Reload(changed);
        auto restore = qScopeGuard([&] {
            config->Reload(original);
            delete g_DeviceListPage;
            g_DeviceListPage = m_Page;
            g_DeviceTotal = config->ModelTotal();
            RegistryStore::remove(RegistryStore::mouseTestKey(), "UpdateFailInfo");
            Rebuild({});
        });

        // The device list as it is built at start, with this file.
        // A failed update of the unknown model is on record (the repair below).
        RegistryStore::setValue(RegistryStore::mouseTestKey(), "UpdateFailInfo", "211,4,26,51");
        DialogChange *page = new DialogChange(nullptr);
        page->show();
        Rebuild({Receiver("F503", 1, 0x33), Receiver("F501", 0, HIDUsbSim::sampleWirelessMid, "known")});
        QCOMPARE(g_PickerDeviceList.size(), 2);
        QCOMPARE(g_TileButtons.size(), 2);
        const int unknown = g_PickerDeviceList.first().ModelIndex == 0 ? 1 : 0;
        QCOMPARE(g_PickerDeviceList.at(unknown).ModelIndex, ConfigIni::MaxModelGroups);
        QCOMPARE(g_PickerDeviceList.at(1 - unknown).ModelIndex, 0);
        QVERIFY(Sheet(TileButton(unknown)).contains("Unknow.png"));

        // The worker's identification of the same mouse.
        DeviceAllInfo info;
        info.Path = g_PickerDeviceList.at(unknown).Path;
        QCOMPARE(DeviceDiscovery::Identify(info, info.Path.toLatin1()), DeviceDiscovery::UnknownModel);
        QCOMPARE(info.ModelIndex, ConfigIni::MaxModelGroups);

        // The repair dialog's model lookup for the recorded update of that model.
        ModalScript script;
        PostMsg::GetInstance()->EmitEnterKey();
        QCOMPARE(script.seen, QStringList{"UpDateRepair"});
    }

    void screenshot()
    {
        m_Page->findChild<QComboBox *>("comboBox")->setCurrentIndex(0);
        QList<DeviceSetup> setups{Receiver("F503", 1, HIDUsbSim::sampleWirelessMid, "a"),
                                  Corded(HIDUsbSim::sampleCordedMid, "b"),
                                  Receiver("F502", 4, HIDUsbSim::sampleWirelessMid, "c", false)};
        Rebuild(setups);
        QCOMPARE(g_TileButtons.size(), 3);
        const QString dir = OrvikTest::outputDir("screenshots");
        QVERIFY(m_Page->grab().save(dir + "/devicelist-three-devices.png"));
        Rebuild({});
        QVERIFY(m_Page->grab().save(dir + "/devicelist-empty.png"));

        Match match;
        match.InitMatch();
        QVERIFY(match.grab().save(dir + "/devicelist-match.png"));
        UpDateRepair repair;
        QVERIFY(repair.grab().save(dir + "/devicelist-repair.png"));
    }
};

ORVIK_TEST_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
