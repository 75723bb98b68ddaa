// The new-firmware notice: its form, the texts of every language and its
// two buttons.

#include "TestMain.h"

#include "FindNewVer.h"
#include "LanguageLoader.h"
#include "MacroIni.h"
#include "PostMsg.h"
#include "UpDateWarning.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {

QHash<QString, QString> NewVerTexts(int language)
{
    QHash<QString, QString> texts;
    LanguageLoader::KeyTable keys;
    for (const QString child : {"label", "NewHong", "NoApear"})
        keys.insert(child, [&texts, child](const QString &t) { texts[child] = t; });
    LanguageReaderPtr reader;
    LanguageLoader::Load(language, QStringLiteral("NewVer"), keys, reader);
    return texts;
}

} // namespace

class TestFindNewVer : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MacroIni::GetInstance()->SetValue("Language", "Language", "0"); }

    void form()
    {
        FindNewVer notice;
        QCOMPARE(notice.size(), QSize(300, 140));
        QCOMPARE(int(notice.windowFlags()) & ~int(Qt::Window), 0x6C12);
        QVERIFY(notice.findChild<QFrame *>("SameMacroA"));
        QCOMPARE(notice.findChild<QLabel *>("label")->geometry(), QRect(0, 30, 301, 51));
        QCOMPARE(notice.findChild<QToolButton *>("NewHong")->geometry(), QRect(100, 90, 90, 24));
        QCOMPARE(notice.findChild<QCheckBox *>("NoApear")->geometry(), QRect(0, 120, 291, 18));
    }

    void texts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("stored"); // stored before construction, or switched through the hub after
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("%s stored", qPrintable(LanguageLoader::FileName(i))) << i << true;
            QTest::addRow("%s switched", qPrintable(LanguageLoader::FileName(i))) << i << false;
        }
    }

    void texts()
    {
        QFETCH(int, language);
        QFETCH(bool, stored);
        const QHash<QString, QString> texts = NewVerTexts(language);
        QCOMPARE(texts.size(), 3);
        if (stored)
            MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(language));
        FindNewVer notice;
        if (!stored)
            PostMsg::GetInstance()->EmitChangeLanguage(language);
        QCOMPARE(notice.findChild<QLabel *>("label")->text(), texts.value("label"));
        QCOMPARE(notice.findChild<QToolButton *>("NewHong")->text(), texts.value("NewHong"));
        QCOMPARE(notice.findChild<QCheckBox *>("NoApear")->text(), texts.value("NoApear"));
    }

    // The update warning reads the same section for its button only: the
    // notice's label text must not reach the warning's message.
    void sharedSectionLeavesUpdateWarningLabel()
    {
        UpDateWarning warning;
        warning.SetText(QStringLiteral("Updating the receiver"));
        FindNewVer notice;
        PostMsg::GetInstance()->EmitChangeLanguage(3);
        const QHash<QString, QString> texts = NewVerTexts(3);
        QCOMPARE(warning.findChild<QLabel *>("label")->text(), QStringLiteral("Updating the receiver"));
        QCOMPARE(warning.findChild<QToolButton *>("NewHong")->text(), texts.value("NewHong"));
        QCOMPARE(notice.findChild<QLabel *>("label")->text(), texts.value("label"));
    }

    void buttonsClose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("confirm") << "NewHong";
        QTest::newRow("close") << "CloseButton";
    }

    void buttonsClose()
    {
        QFETCH(QString, button);
        FindNewVer notice;
        int result = -1;
        QTimer::singleShot(0, &notice, [&] {
            notice.findChild<QCheckBox *>("NoApear")->setChecked(true);
            QTest::mouseClick(notice.findChild<QToolButton *>(button), Qt::LeftButton);
            // A guard, should the button leave the notice open.
            QTimer::singleShot(0, &notice, [&] {
                if (notice.isVisible())
                    notice.done(77);
            });
        });
        result = notice.exec();
        QCOMPARE(result, 0);
        QVERIFY(!notice.isVisible());
    }
};

ORVIK_TEST_MAIN(TestFindNewVer)
#include "tst_findnewver.moc"
