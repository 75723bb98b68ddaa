// Windows that are hidden at start get their pictures when they are first
// shown: the main frame behind the device list, the device list's version
// notice, the dialogs built at start (apply-and-wait, update progress, update
// notice) and the tray icon must look, once shown, as their pictures draw them.

#include "TestMain.h"

#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "Progress.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "UpDateWarning.h"

#include <QFrame>
#include <QPixmap>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QToolButton>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<QDialog *()>)

namespace {

// Share of a grid of points of widget's rendering whose colour is the one of
// picture (stretched over the widget) at the same place, taken where no child
// widget covers the point.
double ShareOfPicture(QWidget *widget, const QString &picture)
{
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = QImage(picture).scaled(widget->size()).convertToFormat(QImage::Format_RGB32);
    if (drawn.isNull() || shown.size() != drawn.size())
        return 0;
    int points = 0;
    int equal = 0;
    for (int y = 1; y < widget->height(); y += 7) {
        for (int x = 1; x < widget->width(); x += 7) {
            if (widget->childAt(x, y))
                continue;
            ++points;
            if (shown.pixel(x, y) == drawn.pixel(x, y))
                ++equal;
        }
    }
    return points > 0 ? double(equal) / points : 0;
}

QString PicturePath(const QString &name)
{
    return QCoreApplication::applicationDirPath() + "/Picture/" + name;
}

} // namespace

class TestShownLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainFrameShowsItsPicturesOnceShown();
    void onlyTheShownBackgroundIsHeld();
    void dialogBuiltAtStartShowsItsPicturesOnceShown_data();
    void dialogBuiltAtStartShowsItsPicturesOnceShown();
    void versionNoticeShowsItsPicturesOnceShown();
    void trayIconShowsTheLogoOnceShown();

private:
    DialogMain *m_Window = nullptr;
};

void TestShownLook::initTestCase()
{
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
    m_Window = new DialogMain; // lives until the process ends, as in the utility
    m_Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
}

void TestShownLook::mainFrameShowsItsPicturesOnceShown()
{
    Dialog *frame = m_Window->MainFramePage();
    QFrame *background = frame->findChild<QFrame *>("frame_2");
    QToolButton *home = frame->findChild<QToolButton *>("ButtonMain");
    // The top-level window's page stack, switched as a selection does (the
    // switch through the hub also starts the device watch, which sends the
    // window back to the list with no mouse selected).
    QStackedWidget *pages = m_Window->findChild<QStackedWidget *>("stackedWidgetMain");
    QVERIFY(background && home && pages);
    QVERIFY(!frame->isVisible());

    pages->setCurrentWidget(frame);
    QTRY_VERIFY(frame->isVisible());
    QVERIFY(background->styleSheet().contains("BackGround.png"));
    QVERIFY(home->styleSheet().contains("Home.png"));
    QVERIFY(home->styleSheet().contains("HomeHover.png"));
    QVERIFY2(ShareOfPicture(background, PicturePath("Dialog/BackGround.png")) > 0.9,
             "the main frame's background picture is not what shows");

    // Shown again later: the same sheets, set once.
    const QString sheet = background->styleSheet();
    pages->setCurrentWidget(m_Window->DeviceListPage());
    QTRY_VERIFY(!frame->isVisible());
    pages->setCurrentWidget(frame);
    QTRY_VERIFY(frame->isVisible());
    QCOMPARE(background->styleSheet(), sheet);
    pages->setCurrentWidget(m_Window->DeviceListPage());
    QTRY_VERIFY(!frame->isVisible());
}

void TestShownLook::onlyTheShownBackgroundIsHeld()
{
    // The device list and the main frame each draw a window-sized picture;
    // only one of them is on screen at a time, and at most one may stay
    // decoded while its page is hidden: the frame's, so that a tile's click
    // does not wait for it to be decoded; the list's is let go while the
    // frame is shown. A copy of a picture loaded by its file name shares the
    // decoded picture with whatever else holds it (the style rules drawing
    // it, Qt's pixmap cache): once the copy is the only reference, nothing
    // else holds the picture any more.
    Dialog *frame = m_Window->MainFramePage();
    QWidget *list = m_Window->DeviceListPage();
    QStackedWidget *pages = m_Window->findChild<QStackedWidget *>("stackedWidgetMain");
    QFrame *listBackground = list->findChild<QFrame *>("frameChange");
    QFrame *frameBackground = frame->findChild<QFrame *>("frame_2");
    QVERIFY(pages && listBackground && frameBackground);
    const QString listPicture = PicturePath("DialogChange/MainBack.png");
    const QString framePicture = PicturePath("Dialog/BackGround.png");
    pages->setCurrentWidget(list);
    QTRY_VERIFY(list->isVisible());
    QVERIFY2(ShareOfPicture(listBackground, listPicture) > 0.9, "the device list's picture is not what shows");

    QPixmap listCopy(listPicture);
    QVERIFY(!listCopy.isNull());
    QVERIFY2(!listCopy.isDetached(), "the shown device list holds no picture");

    // To the main frame: its picture drawn, the list's let go.
    pages->setCurrentWidget(frame);
    QTRY_VERIFY(frame->isVisible());
    QVERIFY2(ShareOfPicture(frameBackground, framePicture) > 0.9, "the main frame's picture is not what shows");
    QVERIFY2(listCopy.isDetached(), "the hidden device list's picture is still held");
    QPixmap frameCopy(framePicture);
    QVERIFY(!frameCopy.isNull());
    QVERIFY2(!frameCopy.isDetached(), "the shown main frame holds no picture");

    // And back: the list's picture decoded again, the frame's kept for the
    // next click.
    pages->setCurrentWidget(list);
    QTRY_VERIFY(list->isVisible());
    QVERIFY2(!frameCopy.isDetached(), "the hidden main frame's picture was let go");
    QVERIFY2(ShareOfPicture(listBackground, listPicture) > 0.9,
             "the device list's picture is not what shows once it is back");
    frameCopy = QPixmap();
    pages->setCurrentWidget(frame);
    QTRY_VERIFY(frame->isVisible());
    QVERIFY2(ShareOfPicture(frameBackground, framePicture) > 0.9,
             "the main frame's picture is not what shows once it is back");
    pages->setCurrentWidget(list);
    QTRY_VERIFY(!frame->isVisible());
}

void TestShownLook::versionNoticeShowsItsPicturesOnceShown()
{
    QFrame *notice = m_Window->DeviceListPage()->findChild<QFrame *>("FindVer");
    QVERIFY(notice);
    QVERIFY(!notice->isVisible());
    notice->show();
    QTRY_VERIFY(notice->isVisible());
    QVERIFY(notice->styleSheet().contains("WarningDialog/BackGround.png"));
    QVERIFY(notice->findChild<QToolButton *>("NewHong")->styleSheet().contains("Confirm.png"));
    QVERIFY2(ShareOfPicture(notice, PicturePath("WarningDialog/BackGround.png")) > 0.9,
             "the notice's background picture is not what shows");
    notice->hide();
}

void TestShownLook::dialogBuiltAtStartShowsItsPicturesOnceShown_data()
{
    QTest::addColumn<std::function<QDialog *()>>("make");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("button");
    QTest::newRow("apply and wait") << std::function<QDialog *()>([] { return new UpDataParam; }) << "UpDataParamA"
                                    << QString();
    QTest::newRow("update progress") << std::function<QDialog *()>([] { return new Progress; }) << "AddDelayTimeA"
                                     << "CloseButton";
    QTest::newRow("update notice") << std::function<QDialog *()>([] { return new UpDateWarning; }) << "WarningFrame"
                                   << "NewHong";
}

void TestShownLook::dialogBuiltAtStartShowsItsPicturesOnceShown()
{
    QFETCH(std::function<QDialog *()>, make);
    QFETCH(QString, frame);
    QFETCH(QString, button);
    std::unique_ptr<QDialog> dialog(make());
    QFrame *background = dialog->findChild<QFrame *>(frame);
    QVERIFY(background);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(background->styleSheet().contains("WarningDialog/BackGround.png"));
    QVERIFY2(ShareOfPicture(background, PicturePath("WarningDialog/BackGround.png")) > 0.9,
             "the dialog's background picture is not what shows");
    if (!button.isEmpty()) {
        QToolButton *answer = dialog->findChild<QToolButton *>(button);
        QVERIFY(answer);
        QVERIFY(answer->styleSheet().contains("WarningDialog/"));
    }
    dialog->hide();
}

void TestShownLook::trayIconShowsTheLogoOnceShown()
{
    DialogMain::AssumeSystemTray(true);
    PostMsg::GetInstance()->EmitChangeSize(2); // hide the device list to the tray
    QSystemTrayIcon *tray = m_Window->TrayIcon();
    QVERIFY(tray->isVisible());
    QVERIFY(!tray->icon().isNull());
    const QImage logo = QPixmap(PicturePath("Dialog/Logo.png")).toImage();
    QVERIFY(!logo.isNull());
    QCOMPARE(tray->icon().pixmap(logo.size()).toImage(), logo);
    QCOMPARE(tray->toolTip(), QString("Orvik SE"));

    emit tray->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(m_Window->isVisible());
    QVERIFY(!tray->isVisible());
    // Hidden, the window let go of its background; back, it draws it again.
    QFrame *background = m_Window->DeviceListPage()->findChild<QFrame *>("frameChange");
    QVERIFY(background);
    QTRY_VERIFY2(ShareOfPicture(background, PicturePath("DialogChange/MainBack.png")) > 0.9,
                 "the device list's picture is not what shows after the tray");
    DialogMain::AssumeSystemTray(QSystemTrayIcon::isSystemTrayAvailable());
}

ORVIK_TEST_MAIN(TestShownLook)
#include "tst_shownlook.moc"
