// The small modal dialogs: their shared shape (flags, placement, modal
// result, language hook), the answers of the confirmations, the offline
// notice's texts and closing, the notices with selectable texts, and that the
// texts of every language fit the fixed forms. Writes a screenshot of each
// dialog in two languages.

#include "TestMain.h"

#include "ConfigIni.h"
#include "DialogSkeleton.h"
#include "DialogTestHelpers.h"
#include "DialogsState.h"
#include "PostMsg.h"
#include "Skin.h"
#include "TestState.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>

using namespace DialogTest;

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        OrvikTest::ResetAllState();
        SetStoredLanguage(0);
    }

    void placement_data()
    {
        QTest::addColumn<QPoint>("opener");
        QTest::addColumn<QSize>("openerSize");
        QTest::addColumn<QSize>("dialogSize");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("button page notice")
            << QPoint(100, 200) << QSize(800, 600) << QSize(300, 140) << QPoint(-50, -70) << QPoint(300, 360);
        QTest::newRow("dialog wider than opener lands left of it")
            << QPoint(0, 0) << QSize(200, 100) << QSize(300, 140) << QPoint(0, 0) << QPoint(-50, -20);
        QTest::newRow("difference -1 gives 0")
            << QPoint(10, 10) << QSize(299, 139) << QSize(300, 140) << QPoint(0, 0) << QPoint(10, 10);
        QTest::newRow("difference -3 truncates toward zero")
            << QPoint(10, 10) << QSize(297, 137) << QSize(300, 140) << QPoint(0, 0) << QPoint(9, 9);
        QTest::newRow("odd positive difference")
            << QPoint(0, 0) << QSize(301, 143) << QSize(300, 140) << QPoint(-100, -50) << QPoint(-100, -49);
    }
    void placement()
    {
        QFETCH(QPoint, opener);
        QFETCH(QSize, openerSize);
        QFETCH(QSize, dialogSize);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, expected);
        QCOMPARE(DialogSkeleton::CentredPosition(opener, openerSize, dialogSize, offset.x(), offset.y()), expected);
    }

    // A real opener: the offline notice over a shown window, with the size the
    // form gave it, before it is shown.
    void moveOverARealOpener()
    {
        QWidget opener;
        opener.setGeometry(120, 80, 640, 480);
        opener.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));
        MouseOffLine notice;
        QCOMPARE(notice.size(), QSize(300, 140));
        const QPoint g = opener.mapToGlobal(QPoint(0, 0));
        DialogSkeleton::MoveOver(&notice, &opener, 0, -20);
        QCOMPARE(notice.pos(), QPoint(g.x() + 170, g.y() + 170 - 20));
    }

    void shape_data()
    {
        QTest::addColumn<QString>("name");
        for (const DialogKind &kind : AllDialogs())
            QTest::newRow(qPrintable(kind.name)) << kind.name;
    }
    // Every dialog: the flags, the form size, the close button's place, the
    // pictures of its folder, and exec() == 0 after the close button.
    void shape()
    {
        QFETCH(QString, name);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        // Qt marks every parentless widget as a window; the rest is the skeleton's set.
        QCOMPARE(int(dialog->windowFlags()) & ~int(Qt::Window), 0x6C12);
        QCOMPARE(dialog->size(), QSize(300, 140));
        QCOMPARE(dialog->parentWidget(), nullptr);
        auto *close = dialog->findChild<QToolButton *>("CloseButton");
        QVERIFY(close);
        QCOMPARE(close->size(), QSize(20, 20));
        QVERIFY(close->styleSheet().contains(DialogSkeleton::PictureFolder() + "Close.png"));
        QVERIFY(QFile::exists(DialogSkeleton::PictureFolder() + "Close.png"));
        QCOMPARE(ExecWith(*dialog, [&] { Click(*dialog, "CloseButton"); }), 0);
        QVERIFY(!dialog->isVisible());
    }

    // The forms: the background frame, the label, the answer buttons and the
    // close button where each dialog's layout puts them, all inside the frame.
    void forms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QRect>("frameGeometry");
        QTest::addColumn<QRect>("label");
        QTest::addColumn<QPoint>("close");
        QTest::addColumn<QStringList>("buttons"); // object name@x,y
        const QRect full(0, 0, 300, 140);
        QTest::newRow("QuestiondialogB") << "QuestiondialogB"
                                         << "QuestionB" << QRect(0, 0, 300, 130) << QRect(0, 30, 301, 60)
                                         << QPoint(275, 5) << QStringList();
        QTest::newRow("LeftButtonOnly") << "LeftButtonOnly"
                                        << "ButtonOnly" << full << QRect(0, 19, 301, 91) << QPoint(275, 5)
                                        << QStringList();
        QTest::newRow("MakeMacro") << "MakeMacro"
                                   << "MakeMacroA" << full << QRect(6, 29, 291, 71) << QPoint(275, 5)
                                   << QStringList{"NewHong@100,110"};
        QTest::newRow("SameMacro") << "SameMacro"
                                   << "SameMacroA" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                   << QStringList{"NewHong@100,110"};
        QTest::newRow("GroupMaxThree") << "GroupMaxThree"
                                       << "MaxThree" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                       << QStringList{"NewHong@105,110"};
        QTest::newRow("KeyNumberLimit") << "KeyNumberLimit"
                                        << "LimitA" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                        << QStringList{"NewHong@100,110"};
        QTest::newRow("MouseOffLine") << "MouseOffLine"
                                      << "MouseOffLineA" << full << QRect(0, 20, 301, 71) << QPoint(275, 3)
                                      << QStringList{"NewHong@100,100"};
        QTest::newRow("ContainReset") << "ContainReset"
                                      << "ContainResetA" << full << QRect(10, 30, 281, 71) << QPoint(275, 5)
                                      << QStringList{"OK@40,110", "Cancel@170,110"};
        QTest::newRow("RePair") << "RePair"
                                << "RePairA" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                << QStringList{"OK@40,110", "Cancel@180,110"};
        QTest::newRow("DeleteConfirm") << "DeleteConfirm"
                                       << "DeleteConfirmA" << full << QRect(5, 30, 291, 71) << QPoint(275, 5)
                                       << QStringList{"NewHong@100,110"};
        QTest::newRow("ExeIsRun") << "ExeIsRun"
                                  << "DeleteConfirmA" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                  << QStringList{"NewHong@100,110"};
        QTest::newRow("InportFail") << "InportFail"
                                    << "InportFailA" << full << QRect(0, 30, 301, 71) << QPoint(275, 5)
                                    << QStringList{"NewHong@100,110"};
    }
    void forms()
    {
        QFETCH(QString, name);
        QFETCH(QString, frame);
        QFETCH(QRect, frameGeometry);
        QFETCH(QRect, label);
        QFETCH(QPoint, close);
        QFETCH(QStringList, buttons);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        QCOMPARE(dialog->objectName(), name);
        QCOMPARE(dialog->windowTitle(), QString("Dialog"));
        auto *f = dialog->findChild<QFrame *>(frame);
        QVERIFY(f);
        QCOMPARE(f->parentWidget(), dialog.get());
        QCOMPARE(f->geometry(), frameGeometry);
        QCOMPARE(f->frameShape(), QFrame::StyledPanel);
        QCOMPARE(f->frameShadow(), QFrame::Raised);
        QCOMPARE(f->findChild<QLabel *>("label")->geometry(), label);
        QCOMPARE(f->findChild<QToolButton *>("CloseButton")->geometry(), QRect(close, QSize(20, 20)));
        QStringList found;
        for (QToolButton *b : f->findChildren<QToolButton *>()) {
            if (b->objectName() == "CloseButton")
                continue;
            QCOMPARE(b->size(), QSize(90, 24));
            found << QString("%1@%2,%3").arg(b->objectName()).arg(b->x()).arg(b->y());
        }
        QCOMPARE(found, buttons);
        // Only the duplicate-device notice fixes its size (after its flags).
        const bool fixed = dialog->minimumSize() == QSize(300, 140) && dialog->maximumSize() == QSize(300, 140);
        QCOMPARE(fixed, name == "QuestiondialogB" || name == "LeftButtonOnly");
        if (name == "ExeIsRun")
            QCOMPARE(dialog->minimumSize(), QSize(298, 140));
    }

    void okButtonGivesZeroToo_data()
    {
        QTest::addColumn<QString>("name");
        for (const DialogKind &kind : AllDialogs())
            if (kind.name != "QuestiondialogB" && kind.name != "LeftButtonOnly") // the two without one
                QTest::newRow(qPrintable(kind.name)) << kind.name;
    }
    void okButtonGivesZeroToo()
    {
        QFETCH(QString, name);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        QToolButton *ok = dialog->findChild<QToolButton *>("NewHong");
        if (!ok)
            ok = dialog->findChild<QToolButton *>("OK");
        QVERIFY(ok);
        bool guard = true;
        QCOMPARE(ExecWith(
                     *dialog, [&] { QTest::mouseClick(ok, Qt::LeftButton); }, &guard),
                 0);
        QVERIFY(!guard);
    }

    // Every picture a style sheet of a dialog names exists in the folder
    // under that exact (case-sensitive) name.
    void picturesExist_data() { shape_data(); }
    void picturesExist()
    {
        QFETCH(QString, name);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        const QRegularExpression url("url\\(([^)]*)\\)");
        int found = 0;
        for (QWidget *w : dialog->findChildren<QWidget *>()) {
            auto it = url.globalMatch(w->styleSheet());
            while (it.hasNext()) {
                const QString file = it.next().captured(1);
                QVERIFY2(QFile::exists(file), qPrintable(w->objectName() + ": " + file));
                ++found;
            }
        }
        QVERIFY(found >= 4);
    }

    void answers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ok");
        QTest::newRow("ContainReset OK") << "ContainReset"
                                         << "OK" << true;
        QTest::newRow("ContainReset Cancel") << "ContainReset"
                                             << "Cancel" << false;
        QTest::newRow("ContainReset close") << "ContainReset"
                                            << "CloseButton" << false;
        QTest::newRow("ContainReset Escape") << "ContainReset"
                                             << "Escape" << false;
        QTest::newRow("RePair OK") << "RePair"
                                   << "OK" << true;
        QTest::newRow("RePair Cancel") << "RePair"
                                       << "Cancel" << false;
        QTest::newRow("RePair close") << "RePair"
                                      << "CloseButton" << false;
        QTest::newRow("RePair Escape") << "RePair"
                                       << "Escape" << false;
        QTest::newRow("DeleteConfirm OK") << "DeleteConfirm"
                                          << "NewHong" << true;
        QTest::newRow("DeleteConfirm close") << "DeleteConfirm"
                                             << "CloseButton" << false;
        QTest::newRow("DeleteConfirm Escape") << "DeleteConfirm"
                                              << "Escape" << false;
    }
    void answers()
    {
        QFETCH(QString, name);
        QFETCH(QString, action);
        QFETCH(bool, ok);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        auto answer = [&] {
            if (auto *d = qobject_cast<ContainReset *>(dialog.get()))
                return d->m_Ok;
            if (auto *d = qobject_cast<RePair *>(dialog.get()))
                return d->m_Ok;
            return qobject_cast<DeleteConfirm *>(dialog.get())->m_Ok;
        };
        QCOMPARE(answer(), false);
        bool guard = true;
        const int result = ExecWith(
            *dialog,
            [&] {
                if (action == "Escape")
                    QTest::keyClick(dialog.get(), Qt::Key_Escape);
                else
                    Click(*dialog, action);
            },
            &guard);
        QVERIFY(!guard);
        QCOMPARE(result, 0);
        QCOMPARE(answer(), ok);
    }

    // Return answers yes in ContainReset wherever the focus is; in the other
    // two it does nothing. The keypad's Enter is not the shortcut.
    void returnKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("changeLanguageTo"); // -1: no change after construction
        QTest::newRow("ContainReset Return") << "ContainReset" << int(Qt::Key_Return) << true << -1;
        QTest::newRow("ContainReset Return after language changes")
            << "ContainReset" << int(Qt::Key_Return) << true << 3;
        QTest::newRow("ContainReset keypad Enter") << "ContainReset" << int(Qt::Key_Enter) << false << -1;
        QTest::newRow("RePair Return") << "RePair" << int(Qt::Key_Return) << false << -1;
        QTest::newRow("RePair Return after language changes") << "RePair" << int(Qt::Key_Return) << false << 3;
        QTest::newRow("DeleteConfirm Return") << "DeleteConfirm" << int(Qt::Key_Return) << false << -1;
    }
    void returnKey()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(int, changeLanguageTo);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        if (changeLanguageTo >= 0) {
            // Two loads, so the button text really changes at least once.
            PostMsg::GetInstance()->EmitChangeLanguage(changeLanguageTo);
            PostMsg::GetInstance()->EmitChangeLanguage(0);
            PostMsg::GetInstance()->EmitChangeLanguage(changeLanguageTo);
            const QString okText = SectionTexts(changeLanguageTo, Kind(name).section, {"OK"}).value("OK");
            QCOMPARE(dialog->findChild<QToolButton *>("OK")->text(), okText);
        }
        bool stillOpen = false;
        bool guard = false;
        ExecWith(
            *dialog,
            [&] {
                dialog->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
                // Focus on the cancel or close button: the shortcut works wherever the focus is.
                dialog->findChild<QToolButton *>("CloseButton")->setFocus();
                const Qt::KeyboardModifiers mods = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get(), Qt::Key(key),
                                mods);
                if (closes) {
                    QTRY_VERIFY(!dialog->isVisible());
                } else {
                    stillOpen = dialog->isVisible();
                    for (QToolButton *b : dialog->findChildren<QToolButton *>())
                        QVERIFY2(b->shortcut().isEmpty() || b->shortcut() != QKeySequence(Qt::Key(key)),
                                 qPrintable(b->objectName()));
                    Click(*dialog, "CloseButton");
                }
            },
            &guard);
        QVERIFY(!guard);
        if (!closes)
            QVERIFY(stillOpen);
        const bool answer = qobject_cast<ContainReset *>(dialog.get())
            ? qobject_cast<ContainReset *>(dialog.get())->m_Ok
            : qobject_cast<RePair *>(dialog.get()) ? qobject_cast<RePair *>(dialog.get())->m_Ok
                                                   : qobject_cast<DeleteConfirm *>(dialog.get())->m_Ok;
        QCOMPARE(answer, closes);
    }

    void containResetSetTextWinsOverLanguage()
    {
        SetStoredLanguage(3);
        ContainReset dialog;
        const QString russian = SectionTexts(3, "ContainReset", {"label"}).value("label");
        QVERIFY(!russian.isEmpty());
        QCOMPARE(dialog.findChild<QLabel *>("label")->text(), russian);
        dialog.SetText("");
        QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString());
        dialog.SetText("New tips");
        QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("New tips"));
    }

    // The offline notice picks its text by the index current at the load.
    void offlineNoticeTexts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("child");
        QTest::newRow("offline") << 0 << "label";
        QTest::newRow("time-out") << 1 << "Timeout";
        QTest::newRow("other index keeps the form text") << 2 << "";
    }
    void offlineNoticeTexts()
    {
        QFETCH(int, index);
        QFETCH(QString, child);
        const auto texts = SectionTexts(0, "MouseOffLine", {"label", "Timeout", "NewHong"});
        QVERIFY(texts.value("label") != texts.value("Timeout"));
        g_MouseOffLineIndex = index;
        MouseOffLine notice;
        const QString shown = notice.findChild<QLabel *>("label")->text();
        QCOMPARE(shown, child.isEmpty() ? QString("   The mouse is offline. Please move first") : texts.value(child));
        QCOMPARE(notice.findChild<QToolButton *>("NewHong")->text(), texts.value("NewHong"));
        // A language change reloads with the index of that moment.
        g_MouseOffLineIndex = 1;
        PostMsg::GetInstance()->EmitChangeLanguage(5);
        QCOMPARE(notice.findChild<QLabel *>("label")->text(),
                 SectionTexts(5, "MouseOffLine", {"Timeout"}).value("Timeout"));
    }

    // The device's return closes every open offline notice, nested ones
    // included; exec() gives 0. Without a notice the signal does nothing.
    void offlineNoticeClosesOnDeviceReturn()
    {
        PostMsg::GetInstance()->EmitCloseOffOnline();
        MouseOffLine first;
        int secondResult = -1;
        bool secondVisibleAfter = true;
        bool guard = true;
        const int firstResult = ExecWith(
            first,
            [&] {
                MouseOffLine second;
                bool innerGuard = true;
                secondResult = ExecWith(
                    second, [] { PostMsg::GetInstance()->EmitCloseOffOnline(); }, &innerGuard);
                QVERIFY(!innerGuard);
                secondVisibleAfter = second.isVisible();
            },
            &guard);
        QVERIFY(!guard);
        QCOMPARE(firstResult, 0);
        QCOMPARE(secondResult, 0);
        QVERIFY(!secondVisibleAfter);
        QVERIFY(!first.isVisible());
    }

    void exeIsRunTexts()
    {
        SetStoredLanguage(2);
        const auto texts = SectionTexts(2, "EXEIsRun", {"label", "label_2", "PleaseStop"});
        QCOMPARE(texts.size(), 3);
        {
            ExeIsRun notice;
            QLabel *label = notice.findChild<QLabel *>("label");
            QCOMPARE(label->text(), texts.value("label"));
            notice.ShowPleaseStopText();
            QCOMPARE(label->text(), texts.value("PleaseStop"));
            notice.ShowSecondText();
            QCOMPARE(label->text(), texts.value("label_2"));
            // A language load sets the label text again and refreshes the stored texts.
            PostMsg::GetInstance()->EmitChangeLanguage(0);
            QCOMPARE(label->text(), SectionTexts(0, "EXEIsRun", {"label"}).value("label"));
            notice.ShowPleaseStopText();
            QCOMPARE(label->text(), SectionTexts(0, "EXEIsRun", {"PleaseStop"}).value("PleaseStop"));
        }
        ExeIsRun again;
        QCOMPARE(again.findChild<QLabel *>("label")->text(), texts.value("label"));
    }

    void importFailTexts_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("child");
        QTest::newRow("not ours") << 1 << "label";
        QTest::newRow("other model") << 2 << "label_1";
        QTest::newRow("no failure keeps the form text") << 0 << "";
    }
    void importFailTexts()
    {
        QFETCH(int, result);
        QFETCH(QString, child);
        g_InportResult = result;
        InportFail notice;
        const QString shown = notice.findChild<QLabel *>("label")->text();
        if (child.isEmpty())
            QCOMPARE(shown, QString("Config does not match the device"));
        else
            QCOMPARE(shown, SectionTexts(0, "InportFail", {child}).value(child));
    }

    // Colours come from Config.ini: the first three numbers of the key; a key
    // that is missing or holds fewer than three numbers gives the skin's
    // default instead of a sheet that reads past the list.
    void skinColours_data()
    {
        QTest::addColumn<QString>("line"); // the LabelColor line of Config.ini, "" for none
        QTest::addColumn<QString>("rgb");
        QTest::newRow("three numbers") << "LabelColor=10,20,30"
                                       << "10,20,30";
        QTest::newRow("four numbers: the first three") << "LabelColor=10,20,30,40"
                                                       << "10,20,30";
        QTest::newRow("two numbers") << "LabelColor=10,20" << Skin::DefaultRgb("LabelColor");
        QTest::newRow("one number") << "LabelColor=10" << Skin::DefaultRgb("LabelColor");
        QTest::newRow("empty") << "LabelColor=" << Skin::DefaultRgb("LabelColor");
        QTest::newRow("missing") << "" << Skin::DefaultRgb("LabelColor");
    }
    void skinColours()
    {
        QFETCH(QString, line);
        QFETCH(QString, rgb);
        QTemporaryDir dir;
        const QString path = dir.filePath("Config.ini");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
            file.write(QString("[Option]\n%1\nButtonColor=1,2\n").arg(line).toUtf8());
        }
        ConfigIni *config = ConfigIni::GetInstance();
        const QString installed = config->FilePath();
        config->Reload(path);
        {
            DeleteConfirm dialog;
            QCOMPARE(dialog.findChild<QLabel *>("label")->styleSheet(), "QLabel{color: rgb(" + rgb + ";);}");
            QVERIFY(dialog.findChild<QToolButton *>("NewHong")->styleSheet().contains(
                "color: rgb(" + Skin::DefaultRgb("ButtonColor") + ";)"));
        }
        config->Reload(installed);
        QCOMPARE(Skin::Rgb("NoSuchColour").split(',').size(), 3);
    }

    // The sheets are the skin's exact texts; the offline notice uses the
    // capital-F confirm pictures and its own background ending.
    void exactSheets()
    {
        const QString p = QCoreApplication::applicationDirPath() + "/Picture/WarningDialog/";
        const QString button = ConfigIni::GetInstance()->GetValueList("Option", "ButtonColor").mid(0, 3).join(',');
        ContainReset reset;
        QCOMPARE(reset.findChild<QToolButton *>("Cancel")->styleSheet(),
                 "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb(" + button
                     + ";);border-image: url(" + p + "Confirm.png);}QToolButton:pressed{border-image: url(" + p
                     + "ConfirmClick.png); }");
        QCOMPARE(reset.findChild<QToolButton *>("CloseButton")->styleSheet(),
                 "QToolButton{border:0px;background-image: url(" + p
                     + "Close.png);background-position:center;background-repeat:no-repeat;}QToolButton:hover{"
                       "background-image: url("
                     + p + "CloseHover.png);}QToolButton:pressed{background-image: url(" + p + "CloseClick.png);}");
        QCOMPARE(
            reset.findChild<QFrame *>("ContainResetA")->styleSheet(),
            "#ContainResetA{border:0px;background-position:center;background-repeat:no-repeat;background-image: url("
                + p + "BackGround.png);}");
        MouseOffLine notice;
        QCOMPARE(
            notice.findChild<QFrame *>("MouseOffLineA")->styleSheet(),
            "#MouseOffLineA{border:0px;background-position:center;background-repeat:no-repeat;background-image: url("
                + p + "BackGround.png); }");
        QVERIFY(notice.findChild<QToolButton *>("NewHong")->styleSheet().contains(p + "ConFirm.png"));
        QVERIFY(notice.findChild<QToolButton *>("NewHong")->styleSheet().contains(p + "ConFirmClick.png"));
    }

    // The texts of every language fit the fixed forms: labels within their
    // height at their width, button texts within their width.
    void textsFit_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        for (int language = 0; language < 6; ++language)
            for (const DialogKind &kind : AllDialogs())
                QTest::newRow(qPrintable(QString("%1 %2").arg(language).arg(kind.name))) << language << kind.name;
    }
    void textsFit()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        SetStoredLanguage(language);
        g_MouseOffLineIndex = 1; // the longer of the two offline texts
        g_InportResult = 2;
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        QStringList variants;
        QLabel *label = dialog->findChild<QLabel *>("label");
        variants << label->text();
        if (auto *exe = qobject_cast<ExeIsRun *>(dialog.get())) {
            exe->ShowPleaseStopText();
            variants << label->text();
            exe->ShowSecondText();
            variants << label->text();
        }
        for (const QString &text : variants) {
            label->setText(text);
            const int needed = label->heightForWidth(label->width());
            QVERIFY2(needed <= label->height(), qPrintable(QString("%1 needs %2 px").arg(text).arg(needed)));
        }
        for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
            if (button->text().isEmpty())
                continue;
            const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
            QVERIFY2(width <= button->width() - 8, qPrintable(button->text()));
        }
    }

    // Pictures of every dialog in English and in Japanese, for a person to look at.
    void screenshots_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        for (int language : {0, 5})
            for (const DialogKind &kind : AllDialogs())
                QTest::newRow(qPrintable(QString("%1 %2").arg(language).arg(kind.name))) << language << kind.name;
    }
    void screenshots()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        SetStoredLanguage(language);
        std::unique_ptr<QDialog> dialog(Kind(name).create());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QImage image = dialog->grab().toImage();
        QCOMPARE(image.size(), QSize(300, 140));
        const QString file = OrvikTest::outputDir("screenshots")
            + QString("/%1-%2.png").arg(name, LanguageLoader::FileName(language).section('-', 1).section('.', 0, 0));
        QVERIFY(image.save(file));
        // The background picture was drawn: the dialog is not one flat colour.
        QVERIFY(image.pixel(150, 70) != image.pixel(2, 2) || image.pixel(150, 2) != image.pixel(150, 70));
    }
};

ORVIK_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
