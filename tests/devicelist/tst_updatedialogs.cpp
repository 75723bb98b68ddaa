// The firmware-update progress dialog and the update notice: what the hub
// reports do to them and where their closing leads.

#include "TestMain.h"

#include "FormSetting.h"
#include "MacroIni.h"
#include "PostMsg.h"
#include "Progress.h"
#include "UpDateWarning.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private:
    static QString Label(QWidget *w, const char *name = "label")
    {
        return w->findChild<QLabel *>(name)->text();
    }

private slots:
    void initTestCase()
    {
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
    }

    void cleanup()
    {
        g_UpdateBusy = false;
    }

    void progressReports()
    {
        Progress progress;
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 1%"));
        progress.show();
        QProgressBar *bar = progress.findChild<QProgressBar *>("progressBar_2");
        QWidget *ok = progress.findChild<QWidget *>("NewHong");

        PostMsg::GetInstance()->EmitProgress(37, 0);
        QCOMPARE(bar->value(), 37);
        QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 37%"));
        QVERIFY(!ok->isVisible());

        PostMsg::GetInstance()->EmitProgress(0, 2);
        QCOMPARE(bar->value(), 100);
        QCOMPARE(Label(&progress), QString("Update succeeded"));
        QVERIFY(ok->isVisible());

        PostMsg::GetInstance()->EmitProgress(0, 3);
        QVERIFY(!ok->isVisible());
    }

    // After a success the close goes on with the other update; after a
    // failure it leads back to the device list. Neither while busy.
    void progressClose_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("continues");
        QTest::addColumn<int>("backToList");
        QTest::newRow("success, close") << 2 << "CloseButton" << false << true << 1 << 0;
        QTest::newRow("failure, close") << 1 << "CloseButton" << false << true << 0 << 1;
        QTest::newRow("failure, close while busy") << 1 << "CloseButton" << true << false << 0 << 0;
        QTest::newRow("failure, confirm while busy") << 1 << "NewHong" << true << true << 0 << 1;
        QTest::newRow("success, confirm") << 2 << "NewHong" << false << true << 1 << 0;
    }

    void progressClose()
    {
        QFETCH(int, outcome);
        QFETCH(QString, button);
        QFETCH(bool, busy);
        QFETCH(bool, closed);
        QFETCH(int, continues);
        QFETCH(int, backToList);

        Progress progress;
        progress.show();
        PostMsg::GetInstance()->EmitProgress(0, outcome);
        QSignalSpy continueSpy(PostMsg::GetInstance(), SIGNAL(SigContinue(int)));
        QSignalSpy listSpy(PostMsg::GetInstance(), SIGNAL(SigChangeMainDialog(int)));
        g_UpdateBusy = busy;
        progress.findChild<QToolButton *>(button)->click();
        QCOMPARE(!progress.isVisible(), closed);
        QCOMPARE(continueSpy.count(), continues);
        QCOMPARE(listSpy.count(), backToList);
        if (backToList)
            QCOMPARE(listSpy.first().first().toInt(), 0);
        if (continues)
            QCOMPARE(Label(&progress), QString("Updating, please do not unplug the device: 0%"));
    }

    void progressClosesOnReturnToList()
    {
        Progress progress;
        progress.show();
        PostMsg::GetInstance()->EmitProgress(50, 0);
        g_UpdateBusy = true;
        PostMsg::GetInstance()->EmitCloseProgress();
        QVERIFY(progress.isVisible());
        g_UpdateBusy = false;
        PostMsg::GetInstance()->EmitCloseProgress();
        QVERIFY(!progress.isVisible());
        QCOMPARE(progress.findChild<QProgressBar *>("progressBar_2")->value(), 0);
    }

    void warningKeepsItsMessage()
    {
        UpDateWarning warning;
        QCOMPARE(Label(&warning), QString("Confirm Delete"));
        warning.SetText("Connect the mouse by cable");
        PostMsg::GetInstance()->EmitChangeLanguage(1);
        QCOMPARE(Label(&warning), QString("Connect the mouse by cable"));
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->text(), QString::fromUtf8("确定"));
        PostMsg::GetInstance()->EmitChangeLanguage(0);
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->text(), QString("OK"));

        // Return closes it like the confirm button.
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->shortcut(), QKeySequence(Qt::Key_Return));
        bool pressed = false;
        QTimer::singleShot(0, &warning, [&] {
            warning.activateWindow();
            if (QTest::qWaitForWindowActive(&warning)) {
                warning.findChild<QToolButton *>("CloseButton")->setFocus();
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &warning, Qt::Key_Return);
                pressed = true;
            }
            if (warning.isVisible())
                QTimer::singleShot(500, &warning, &QDialog::reject); // never hang
        });
        warning.exec();
        QVERIFY(pressed);
        QVERIFY(!warning.isVisible());
    }
};

ORVIK_TEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
