// The top-level window on a desktop: a notice found while the window is
// still being built waits for the window; what is placed relative to the
// window follows where the window really is, also when a window manager put
// it there without Qt hearing of it; the rounded dialogs are cut to shape.

#include "TestMain.h"

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogMain.h"
#include "ExeIsRun.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "MacroIni.h"
#include "Match.h"
#include "QuestiondialogB.h"
#include "Skin.h"
#include "Startup.h"
#include "UpDataParam.h"
#include "WindowSystem.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QToolButton>
#include <QToolTip>

#include <functional>
#include <memory>

namespace {

using WatchPtr = std::unique_ptr<QTimer>;
WatchPtr Watch(std::function<void()> fn)
{
    WatchPtr timer(new QTimer);
    QObject::connect(timer.get(), &QTimer::timeout, fn);
    timer->start(10);
    return timer;
}

HIDUsbSim::DeviceSetup Receiver(const QString &name)
{
    return HIDUsbSim::sampleReceiverMouse(name, name);
}

QPoint Centred(const QPoint &origin, const QSize &outer, const QSize &inner, int dx, int dy)
{
    return QPoint(origin.x() + (outer.width() - inner.width()) / 2 + dx,
                  origin.y() + (outer.height() - inner.height()) / 2 + dy);
}

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void duplicateNoticeWaitsForTheWindow();
    void waitDialogFollowsTheRealWindow();
    void pairingFromSpaceFollowsTheRealWindow();
    void dragFollowsThePointerFromTheFirstPress();
    void dropDownFollowsTheRealWindow();
    void roundedDialogsAreCutToShape();
    void toolTipsWearTheSkin();

private:
    DialogMain *m_Window = nullptr;
    int m_Second = 0;
    // Where the "window manager" has put the window.
    QPoint m_Real;
};

void TestWindowPlacement::initTestCase()
{
    Startup::PrepareUserFolders();
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    HIDUsbSim::reset();
    // Two mice of one model on 4 kHz receivers: the duplicate notice.
    QVERIFY(HIDUsbSim::plug(Receiver("a")) > 0);
    m_Second = HIDUsbSim::plug(Receiver("b"));
    QVERIFY(m_Second > 0);
}

void TestWindowPlacement::duplicateNoticeWaitsForTheWindow()
{
    QStringList seen;
    QWidget *window = nullptr;
    WatchPtr watch = Watch([&] {
        if (QuestiondialogB *notice = qobject_cast<QuestiondialogB *>(QApplication::activeModalWidget())) {
            seen << (window && window->isVisible() ? "notice over the window" : "notice without a window");
            notice->close();
        }
    });
    m_Window = new DialogMain; // lives until the process ends, as in the utility
    window = m_Window;
    QVERIFY2(seen.isEmpty(), qPrintable(seen.join(", ")));
    m_Window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_Window));
    QTRY_COMPARE(seen, QStringList{"notice over the window"});
    // Shown once, not again on the next activation.
    QTest::qWait(50);
    QCOMPARE(seen.size(), 1);

    // One mouse left: its tile.
    QVERIFY(HIDUsbSim::unplug(m_Second));
    QTRY_COMPARE(g_TileButtons.size(), 1);
}

void TestWindowPlacement::waitDialogFollowsTheRealWindow()
{
    // The window manager put the window at (440, 150); Qt still believes its
    // own, older position.
    m_Real = QPoint(440, 150);
    QVERIFY(m_Window->pos() != m_Real);
    WindowSystem::SetAnswerForTests([this](const QWidget *window, QPoint *topLeft) {
        if (window != m_Window)
            return false;
        *topLeft = m_Real;
        return true;
    });

    Dialog *frame = m_Window->MainFramePage();
    UpDataParam *wait = frame->ApplyDialog();
    QPoint placed;
    WatchPtr watch = Watch([&] {
        if (wait->isVisible()) {
            placed = wait->pos();
            wait->Timer()->stop();
            wait->close();
        }
    });
    frame->SlotUpDataParam(0);
    watch.reset();
    const QPoint frameOrigin = m_Real + frame->mapTo(m_Window, QPoint(0, 0));
    QCOMPARE(placed, Centred(frameOrigin, frame->size(), wait->size(), 0, -20));
}

void TestWindowPlacement::pairingFromSpaceFollowsTheRealWindow()
{
    QCOMPARE(m_Window->CurrentPage(), 0);
    QPoint placed;
    QSize size;
    WatchPtr watch = Watch([&] {
        if (Match *match = qobject_cast<Match *>(QApplication::activeModalWidget())) {
            placed = match->pos();
            size = match->size();
            match->findChild<QToolButton *>("CloseButton")->click();
        }
    });
    QTest::keyClick(m_Window, Qt::Key_Space);
    watch.reset();
    QVERIFY(size.isValid());
    QCOMPARE(placed, Centred(m_Real, m_Window->size(), size, 0, 0));
}

void TestWindowPlacement::dragFollowsThePointerFromTheFirstPress()
{
    // Pressed at (100, 50) in the window, moved 10 right and 5 down: the
    // window moves by the same, from where it really is.
    const QPoint local(100, 50);
    QMouseEvent press(QEvent::MouseButtonPress, local, m_Real + local, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_Window, &press);
    QMouseEvent move(QEvent::MouseMove, local + QPoint(10, 5), m_Real + local + QPoint(10, 5), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_Window, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + QPoint(10, 5), m_Real + local + QPoint(10, 5),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_Window, &release);
    QCOMPARE(m_Window->pos(), m_Real + QPoint(10, 5));
}

void TestWindowPlacement::dropDownFollowsTheRealWindow()
{
    // Moved behind Qt's back again; the window is activated afterwards, as
    // a window manager does once it has placed a window.
    m_Real = QPoint(300, 200);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(m_Window);
    QTRY_VERIFY(m_Window->isActiveWindow());
    QTRY_COMPARE(m_Window->pos(), m_Real);

    QComboBox *language = m_Window->DeviceListPage()->findChild<QComboBox *>("comboBox");
    language->showPopup();
    QWidget *popup = language->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const QRect list = popup->geometry();
    const QRect box(language->mapToGlobal(QPoint(0, 0)), language->size());
    language->hidePopup();
    // Under the selector (or over it), not at the top of the screen.
    QCOMPARE(box.topLeft(), m_Real + language->mapTo(m_Window, QPoint(0, 0)));
    // (The screen's edge may push it sideways.)
    QVERIFY2(list.top() <= box.bottom() + 1 && list.bottom() >= box.top() - 1,
             qPrintable(QString("list at %1,%2").arg(list.x()).arg(list.y())));
    QVERIFY(list.top() >= m_Real.y());
    WindowSystem::SetAnswerForTests(nullptr);
}

void TestWindowPlacement::roundedDialogsAreCutToShape()
{
    // No compositor draws the transparent corners of the rounded pictures:
    // the windows themselves are cut to the rounded shape.
    ExeIsRun notice;
    Match match;
    UpDataParam *wait = m_Window->MainFramePage()->ApplyDialog();
    for (QWidget *dialog : QList<QWidget *>{&notice, &match, wait}) {
        const QRegion mask = dialog->mask();
        const QRect r = dialog->rect();
        QVERIFY2(!mask.isEmpty(), dialog->metaObject()->className());
        QVERIFY(mask.contains(r.center()));
        QVERIFY(mask.contains(QPoint(r.center().x(), 0)));
        for (const QPoint &corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            QVERIFY2(!mask.contains(corner), dialog->metaObject()->className());
    }
    // A later size keeps the shape.
    notice.setFixedSize(320, 160);
    notice.show();
    QVERIFY(notice.mask().contains(QPoint(160, 80)));
    QVERIFY(notice.mask().contains(QPoint(315, 80)));
    QVERIFY(!notice.mask().contains(QPoint(319, 159)));
    notice.close();
}

void TestWindowPlacement::toolTipsWearTheSkin()
{
    const QStringList rgb = Skin::Rgb("ComboxBackGroundColor").split(',');
    const QColor base(rgb.at(0).toInt(), rgb.at(1).toInt(), rgb.at(2).toInt());
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), base);
    QVERIFY(QToolTip::palette().color(QPalette::ToolTipText).lightness() > base.lightness());
}

ORVIK_TEST_MAIN(TestWindowPlacement)

#include "tst_windowplacement.moc"
