// The key-capture dialogs (combination and single key) driven through their
// keyboard hooks, and the name and value entry dialogs.

#include "TestMain.h"

#include "AddDelayTime.h"
#include "FireKey.h"
#include "GroupKey.h"
#include "GroupMaxThree.h"
#include "KeyHookPlatform.h"
#include "KeyboardHook.h"
#include "PostMsg.h"
#include "QuestionDialog.h"
#include "addKey.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextCodec>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

enum : int {
    VK_A = 0x41,
    VK_B = 0x42,
    VK_C = 0x43,
    VK_D = 0x44,
    VK_1 = 0x31,
    VK_F1 = 0x70,
    VK_LSHIFT = 0xA0,
    VK_RETURN = 0x0D,
    VK_SPACE = 0x20,
    VK_ESC = 0x1B,
    VK_F12 = 0x7B,
    VK_ADD = 0x6B
};

void press(int vk)
{
    KeyHookPlatform::Instance()->InjectVirtualKey(vk, true);
}
void release(int vk)
{
    KeyHookPlatform::Instance()->InjectVirtualKey(vk, false);
}
void tap(int vk)
{
    press(vk);
    release(vk);
}

template<class T>
T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

void showActive(QWidget *dialog)
{
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

// Runs `action` inside the next modal loop (the dialog's exec()), once the
// dialog is active: the key capture only sees keys while one of our windows
// is active, and activation arrives after the dialog is shown.
void whenModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !modal->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

} // namespace

class TestKeyDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { KeyHookPlatform::Instance()->ResetKeyState(); }

    void cleanup()
    {
        QCOMPARE(KeyHookPlatform::Instance()->HookCount(), 0);
        QVERIFY(!KeyboardHook::HasCallback(KeyboardHook::AddKeyInstance));
        QVERIFY(!KeyboardHook::HasCallback(KeyboardHook::GroupKeyInstance));
    }

    // Each dialog takes its section of the language file, on construction
    // and on a language change; a picture of each goes to the output folder.
    void languageAndLook_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("English") << 0 << "en";
        QTest::newRow("Russian") << 3 << "ru";
        QTest::newRow("Japanese") << 5 << "ja";
    }

    void languageAndLook()
    {
        QFETCH(int, index);
        QFETCH(QString, suffix);
        const QString dir = OrvikTest::outputDir("screenshots");
        auto check = [&](QDialog *dialog, const char *file, const char *widget) {
            PostMsg::GetInstance()->EmitChangeLanguage(index);
            showActive(dialog);
            QWidget *target = dialog->findChild<QWidget *>(QString::fromLatin1(widget));
            QVERIFY(target);
            const QString text = qobject_cast<QLabel *>(target) ? qobject_cast<QLabel *>(target)->text()
                                                                : qobject_cast<QToolButton *>(target)->text();
            QVERIFY2(!text.isEmpty() && !text.contains(QString::fromUtf8("确")) && !text.startsWith("Please create"),
                     qPrintable(text));
            QVERIFY(dialog->grab().save(dir + "/" + file + "-" + suffix + ".png"));
            dialog->close();
        };
        {
            QuestionDialog dialog;
            PostMsg::GetInstance()->EmitChangeLanguage(index);
            dialog.ShowText(1);
            check(&dialog, "QuestionDialog", "label");
            QVERIFY(child<QToolButton>(&dialog, "NewHong")->text() != QString::fromUtf8("确认") || index == 1);
        }
        {
            FireKey dialog;
            check(&dialog, "FireKey", "label_3");
        }
        {
            AddDelayTime dialog;
            check(&dialog, "AddDelayTime", "NewHong_2");
        }
        {
            addKey dialog;
            check(&dialog, "addKey", "NewHong");
        }
        {
            GroupKey dialog;
            child<QCheckBox>(&dialog, "Ctrl")->setChecked(true);
            check(&dialog, "GroupKey", "label");
        }
    }

    // Steps: a key name taps the key, "down:" / "up:" press or release it
    // alone, "wait:ms" moves the capture clock on.
    void groupKeyCapture_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("line");
        QTest::newRow("three keys") << QStringList{"A", "B", "C"} << "A+B+C";
        QTest::newRow("fourth key starts over") << QStringList{"A", "B", "C", "D"} << "D";
        QTest::newRow("window expired") << QStringList{"A", "wait:2500", "B"} << "B";
        QTest::newRow("window from first press") << QStringList{"A", "wait:1500", "B", "wait:1000", "C"} << "C";
        QTest::newRow("within window") << QStringList{"A", "wait:1000", "B", "wait:900", "C"} << "A+B+C";
        QTest::newRow("third key again") << QStringList{"A", "B", "C", "C"} << "C";
        QTest::newRow("same key again") << QStringList{"A", "B", "B"} << "A+B";
        QTest::newRow("F1 then 1") << QStringList{"F1", "1"} << "F1";
        QTest::newRow("1 then F1") << QStringList{"1", "F1"} << "1+F1";
        QTest::newRow("held key") << QStringList{"down:A", "down:A", "down:A", "up:A", "B"} << "A+B";
        QTest::newRow("shift adds nothing") << QStringList{"A", "LShift"} << "A";
        QTest::newRow("shift empties a full line") << QStringList{"A", "B", "C", "LShift"} << "";
        QTest::newRow("space has no name") << QStringList{"Space", "A"} << "A";
    }

    void groupKeyCapture()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, line);
        GroupKey dialog;
        showActive(&dialog);
        const QHash<QString, int> vks{{"A", VK_A}, {"B", VK_B},   {"C", VK_C},           {"D", VK_D},
                                      {"1", VK_1}, {"F1", VK_F1}, {"LShift", VK_LSHIFT}, {"Space", VK_SPACE}};
        for (const QString &step : steps) {
            const QString key = step.section(':', -1);
            if (step.startsWith("wait:"))
                GroupKey::AdvanceClockForTest(key.toInt());
            else if (step.startsWith("down:"))
                press(vks.value(key));
            else if (step.startsWith("up:"))
                release(vks.value(key));
            else
                tap(vks.value(key));
        }
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), line);
        dialog.close();
    }

    void groupKeyResult_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("result");
        QTest::newRow("Shift Win A") << QStringList{"Win", "Shift"} << QList<int>{VK_A} << "Shift+Win+A";
        QTest::newRow("Ctrl only") << QStringList{"Ctrl"} << QList<int>{} << "Ctrl";
        QTest::newRow("keys only") << QStringList{} << QList<int>{VK_A, VK_B} << "A+B";
        QTest::newRow("nothing") << QStringList{} << QList<int>{} << "";
        QTest::newRow("three modifiers") << QStringList{"Shift", "Ctrl", "Alt"} << QList<int>{} << "Shift+Ctrl+Alt";
        QTest::newRow("two and one") << QStringList{"Alt", "Ctrl"} << QList<int>{VK_1} << "Ctrl+Alt+1";
    }

    void groupKeyResult()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QList<int>, keys);
        QFETCH(QString, result);
        GroupKey dialog;
        whenModal([&](QWidget *modal) {
            QCOMPARE(modal, &dialog);
            for (const QString &box : ticked)
                child<QCheckBox>(modal, qPrintable(box))->setChecked(true);
            for (int vk : keys)
                tap(vk);
            child<QToolButton>(modal, "NewHong")->click();
        });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(dialog.m_Ok);
        QCOMPARE(dialog.m_KeyGroup, result);
        QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::GroupKeyInstance));
    }

    // More than three keys in all: the notice, the line emptied, the dialog
    // open and still capturing; fewer boxes then succeed.
    void groupKeyRefusesFourKeys()
    {
        GroupKey dialog;
        int notices = 0;
        QString lineWhileNotice;
        whenModal([&](QWidget *modal) {
            for (const char *box : {"Shift", "Ctrl", "Alt"})
                child<QCheckBox>(modal, box)->setChecked(true);
            tap(VK_A);
            whenModal([&](QWidget *notice) {
                ++notices;
                QVERIFY(qobject_cast<GroupMaxThree *>(notice));
                QCOMPARE(notice->pos(), dialog.mapToGlobal(QPoint(0, 0)));
                tap(VK_B); // keys still reach the capture while the notice is open
                lineWhileNotice = child<QLineEdit>(&dialog, "lineEdit")->text();
                notice->close();
            });
            child<QToolButton>(modal, "NewHong")->click();
            // Back from the notice: still open, nothing returned, line empty.
            QVERIFY(dialog.isVisible());
            QVERIFY(!dialog.m_Ok);
            QVERIFY(KeyboardHook::IsInstalled(KeyboardHook::GroupKeyInstance));
            QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QString());
            QVERIFY(child<QCheckBox>(&dialog, "Shift")->isChecked());
            // (The offscreen platform gives the focus back to no window.)
            showActive(&dialog);
            child<QCheckBox>(&dialog, "Ctrl")->setChecked(false);
            child<QCheckBox>(&dialog, "Alt")->setChecked(false);
            tap(VK_C);
            child<QToolButton>(&dialog, "NewHong")->click();
        });
        dialog.exec();
        QCOMPARE(notices, 1);
        QCOMPARE(lineWhileNotice, QStringLiteral("A+B"));
        QVERIFY(dialog.m_Ok);
        QCOMPARE(dialog.m_KeyGroup, QStringLiteral("Shift+C"));
    }

    // Refusals: the notice each time, the dialog open with its boxes ticked
    // and the line emptied; "Num+" carries its own plus sign and counts as
    // two keys.
    void groupKeyRefused_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("line");
        QTest::newRow("four boxes, no key") << QStringList{"Shift", "Ctrl", "Alt", "Win"} << QList<int>{} << "";
        QTest::newRow("two boxes and Num+") << QStringList{"Shift", "Ctrl"} << QList<int>{VK_ADD} << "Num+";
        QTest::newRow("three boxes and Num+") << QStringList{"Shift", "Ctrl", "Alt"} << QList<int>{VK_ADD} << "Num+";
        QTest::newRow("three keys and a box") << QStringList{"Win"} << QList<int>{VK_A, VK_B, VK_C} << "A+B+C";
    }

    void groupKeyRefused()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QList<int>, keys);
        QFETCH(QString, line);
        GroupKey dialog;
        int notices = 0;
        whenModal([&](QWidget *modal) {
            for (const QString &box : ticked)
                child<QCheckBox>(modal, qPrintable(box))->setChecked(true);
            for (int vk : keys)
                tap(vk);
            QCOMPARE(child<QLineEdit>(modal, "lineEdit")->text(), line);
            whenModal([&](QWidget *notice) {
                ++notices;
                QVERIFY(qobject_cast<GroupMaxThree *>(notice));
                notice->close();
            });
            child<QToolButton>(modal, "NewHong")->click();
            QVERIFY(modal->isVisible());
            QVERIFY(!dialog.m_Ok);
            QVERIFY(KeyboardHook::IsInstalled(KeyboardHook::GroupKeyInstance));
            QCOMPARE(child<QLineEdit>(modal, "lineEdit")->text(), QString());
            for (const QString &box : ticked)
                QVERIFY(child<QCheckBox>(modal, qPrintable(box))->isChecked());
            child<QToolButton>(modal, "NewHong_2")->click();
        });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(notices, 1);
        QVERIFY(!dialog.m_Ok);
        QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::GroupKeyInstance));
    }

    // Esc and F12 neither close a capture dialog nor act; they are captured.
    void escAndF12Swallowed()
    {
        GroupKey group;
        showActive(&group);
        QLineEdit *line = child<QLineEdit>(&group, "lineEdit");
        QTest::keyClick(group.windowHandle(), Qt::Key_Escape);
        QTest::keyClick(&group, Qt::Key_F12); // straight to the dialog's handler
        QTest::keyClick(&group, Qt::Key_Escape);
        QVERIFY(group.isVisible());
        QCOMPARE(line->text(), QStringLiteral("Esc"));
        tap(VK_F12);
        QCOMPARE(line->text(), QStringLiteral("Esc+F12"));
        group.close();

        addKey single;
        showActive(&single);
        QTest::keyClick(single.windowHandle(), Qt::Key_Escape);
        QTest::keyClick(&single, Qt::Key_Escape);
        QVERIFY(single.isVisible());
        QCOMPARE(single.m_KeyName, QStringLiteral("Esc"));
        QTest::keyClick(single.windowHandle(), Qt::Key_F12);
        QVERIFY(single.isVisible());
        QCOMPARE(single.m_KeyName, QStringLiteral("F12"));
        child<QToolButton>(&single, "CloseButton")->click();
        QVERIFY(!single.isVisible());
    }

    void addKeyResult_data()
    {
        QTest::addColumn<QStringList>("events"); // "+vk" press, "-vk" release (hex)
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter") << QStringList{"+0D", "-0D"} << "Enter";
        QTest::newRow("last event wins") << QStringList{"+41", "+42", "-42", "-41"} << "A";
        QTest::newRow("shift released last") << QStringList{"+A0", "+41", "-41", "-A0"} << "LShift";
        QTest::newRow("Space has no name") << QStringList{"+20", "-20"} << "";
        QTest::newRow("RAlt has no name") << QStringList{"+A5", "-A5"} << "";
    }

    void addKeyResult()
    {
        QFETCH(QStringList, events);
        QFETCH(QString, name);
        addKey dialog;
        whenModal([&](QWidget *modal) {
            for (const QString &e : events)
                KeyHookPlatform::Instance()->InjectVirtualKey(e.mid(1).toInt(nullptr, 16), e.startsWith('+'));
            QCOMPARE(child<QLineEdit>(modal, "lineEdit")->text(), name);
            child<QToolButton>(modal, "NewHong")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(dialog.m_Ok);
        QCOMPARE(dialog.m_KeyName, name);
        QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::AddKeyInstance));
    }

    void addKeyCancel()
    {
        addKey dialog;
        whenModal([&](QWidget *modal) {
            tap(VK_A);
            child<QToolButton>(modal, "NewHong_2")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.m_Ok);
        QVERIFY(!KeyboardHook::IsInstalled(KeyboardHook::AddKeyInstance));
    }

    // A capture dialog closed by the window system (not by its buttons) and
    // destroyed leaves no hook and no callback behind.
    void hookReleasedWithDialog()
    {
        for (int kind = 0; kind < 2; ++kind) {
            QScopedPointer<QDialog> dialog(kind == 0 ? static_cast<QDialog *>(new addKey)
                                                     : static_cast<QDialog *>(new GroupKey));
            const auto instance = kind == 0 ? KeyboardHook::AddKeyInstance : KeyboardHook::GroupKeyInstance;
            showActive(dialog.data());
            QVERIFY(KeyboardHook::IsInstalled(instance));
            dialog->close(); // as a close request of the window system does
            QVERIFY(KeyboardHook::IsInstalled(instance));
            dialog.reset();
            QVERIFY(!KeyboardHook::IsInstalled(instance));
            QVERIFY(!KeyboardHook::HasCallback(instance));
            // A key now reaches nothing (no use of the freed dialog).
            QWidget other;
            showActive(&other);
            tap(VK_A);
        }
    }

    void nameRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const QString cjk = QString::fromUtf8("宏");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
        QTest::newRow("ab then space") << "ab "
                                       << "ab";
        QTest::newRow("inner space stays") << "a b"
                                           << "a b";
        QTest::newRow("space after inner space") << "a b "
                                                 << "ab";
        QTest::newRow("30 ascii") << QString(30, 'x') << QString(30, 'x');
        QTest::newRow("31 ascii") << QString(31, 'x') << QString(30, 'x');
        QTest::newRow("10 cjk fit") << cjk.repeated(10) << cjk.repeated(10);
        QTest::newRow("11th cjk cut") << cjk.repeated(11) << cjk.repeated(10);
        QTest::newRow("9 cjk and 3 ascii") << cjk.repeated(9) + "abc" << cjk.repeated(9) + "abc";
        QTest::newRow("29 ascii and cjk") << QString(29, 'x') + cjk << QString(29, 'x');
        QTest::newRow("8 emoji") << emoji.repeated(8) << emoji.repeated(7);
        QTest::newRow("27 ascii and emoji") << QString(27, 'x') + emoji << QString(27, 'x');
        QTest::newRow("combining mark") << QString(29, 'x') + QString::fromUtf8("e\xCC\x81") << QString(29, 'x');
    }

    void nameRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("UTF-8"));
        QCOMPARE(QuestionDialog::NameRule(typed), expected);
        QVERIFY(expected.toLocal8Bit().size() <= 30);
    }

    // Typing and pasting into the real dialog.
    void questionDialogEditing()
    {
        QuestionDialog dialog;
        showActive(&dialog);
        QLineEdit *edit = child<QLineEdit>(&dialog, "lineEdit");
        QTest::keyClicks(edit, "ab");
        QTest::keyClick(edit, Qt::Key_Space);
        QCOMPARE(edit->text(), QStringLiteral("ab"));

        // A 31st character typed in the middle drops the last one.
        edit->setText(QString(15, 'a') + QString(15, 'b'));
        edit->setCursorPosition(1);
        QTest::keyClicks(edit, "Z");
        QCOMPARE(edit->text(), "aZ" + QString(14, 'a') + QString(14, 'b'));

        edit->clear();
        const QString forty = QStringLiteral("0123456789abcdefghijABCDEFGHIJklmnopqrst");
        QApplication::clipboard()->setText(forty);
        if (QApplication::clipboard()->text() == forty) {
            edit->paste();
        } else {
            edit->insert(forty); // no clipboard: the same edit path
        }
        QCOMPARE(edit->text(), forty.left(30));

        QTest::keyClick(edit, Qt::Key_Return); // no shortcut: Return confirms nothing
        QVERIFY(dialog.isVisible());
        child<QToolButton>(&dialog, "NewHong")->click();
        QCOMPARE(dialog.m_Name, forty.left(30));
    }

    void questionDialogAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("confirm") << "macro1"
                                 << "NewHong"
                                 << "macro1";
        QTest::newRow("confirm empty") << ""
                                       << "NewHong"
                                       << "";
        QTest::newRow("cancel") << "macro1"
                                << "NewHong_2"
                                << "";
        QTest::newRow("close") << "macro1"
                               << "CloseButton"
                               << "";
        QTest::newRow("escape") << "macro1"
                                << ""
                                << "";
    }

    void questionDialogAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QuestionDialog dialog;
        whenModal([&](QWidget *modal) {
            QTest::keyClicks(child<QLineEdit>(modal, "lineEdit"), typed);
            if (button.isEmpty())
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                child<QToolButton>(modal, qPrintable(button))->click();
        });
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(dialog.m_Name, name);
    }

    void fireKeyClamps_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shownTime");
        QTest::addColumn<int>("shownCount");
        QTest::newRow("defaults") << 10 << 3 << 10 << 3;
        QTest::newRow("below") << 5 << -1 << 10 << 0;
        QTest::newRow("above") << 300 << 7 << 255 << 3;
        QTest::newRow("edges") << 255 << 0 << 255 << 0;
        QTest::newRow("inside") << 100 << 2 << 100 << 2;
    }

    void fireKeyClamps()
    {
        QFETCH(int, time);
        QFETCH(int, count);
        QFETCH(int, shownTime);
        QFETCH(int, shownCount);
        FireKey dialog;
        QCOMPARE(dialog.m_Time, 10);
        QCOMPARE(dialog.m_Count, 3);
        dialog.SetTime(time);
        dialog.SetCount(count);
        QCOMPARE(child<QSpinBox>(&dialog, "Time")->value(), shownTime);
        QCOMPARE(child<QSpinBox>(&dialog, "Count")->value(), shownCount);
        QVERIFY(!dialog.m_Ok);
        QCOMPARE(dialog.m_Time, 10); // members change only on confirm
        whenModal([](QWidget *modal) { child<QToolButton>(modal, "NewHong")->click(); });
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(dialog.m_Ok);
        QCOMPARE(dialog.m_Time, shownTime);
        QCOMPARE(dialog.m_Count, shownCount);
    }

    // Typed values out of range cannot be confirmed; cancel and close answer no.
    void valueDialogsTyped()
    {
        FireKey fire;
        whenModal([](QWidget *modal) {
            QSpinBox *time = child<QSpinBox>(modal, "Time");
            time->selectAll();
            QTest::keyClicks(time, "999");
            child<QToolButton>(modal, "NewHong")->click();
        });
        fire.exec();
        QVERIFY(fire.m_Ok);
        QVERIFY(fire.m_Time >= 10 && fire.m_Time <= 255);

        for (const char *button : {"NewHong_2", "CloseButton"}) {
            FireKey dialog;
            whenModal([button](QWidget *modal) { child<QToolButton>(modal, button)->click(); });
            dialog.exec();
            QVERIFY(!dialog.m_Ok);

            AddDelayTime delay;
            whenModal([button](QWidget *modal) { child<QToolButton>(modal, button)->click(); });
            delay.exec();
            QVERIFY(!delay.m_Ok);
            QCOMPARE(delay.m_Delay, 0);
        }
    }

    void addDelayRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("delay");
        QTest::newRow("untouched") << "" << 10;
        QTest::newRow("max") << "65535" << 65535;
        QTest::newRow("too big") << "65536" << 6553;
        QTest::newRow("min") << "10" << 10;
        QTest::newRow("500") << "500" << 500;
    }

    void addDelayRange()
    {
        QFETCH(QString, typed);
        QFETCH(int, delay);
        AddDelayTime dialog;
        whenModal([&](QWidget *modal) {
            QSpinBox *box = child<QSpinBox>(modal, "spinBox");
            QCOMPARE(box->value(), 10);
            QCOMPARE(box->minimum(), 10);
            QCOMPARE(box->maximum(), 65535);
            if (!typed.isEmpty()) {
                box->selectAll();
                QTest::keyClicks(box, typed);
            }
            child<QToolButton>(modal, "NewHong")->click();
        });
        dialog.exec();
        QVERIFY(dialog.m_Ok);
        QCOMPARE(dialog.m_Delay, delay);
    }
};

ORVIK_TEST_MAIN(TestKeyDialogs)
#include "tst_keydialogs.moc"
