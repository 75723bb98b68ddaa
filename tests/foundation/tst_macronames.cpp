// Macro names: which names may become a macro file, where that file lies,
// and that the check keeps every operation inside the macro folder.

#include "TestMain.h"

#include "MacroNames.h"
#include "UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class TestMacroNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");

        QTest::newRow("plain") << "Macro1" << true;
        QTest::newRow("blanks kept") << " two words " << true;
        QTest::newRow("inner dots") << "a..b.c" << true;
        QTest::newRow("trailing dot") << "end." << true;
        QTest::newRow("xml in name") << "myxml" << true;
        QTest::newRow("chinese") << QString::fromUtf8("宏一") << true;
        QTest::newRow("cyrillic") << QString::fromUtf8("Макрос") << true;
        QTest::newRow("punctuation") << "a:b*c?<>|\"" << true;

        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("leading dot") << ".hidden" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("parent by slash") << "../x" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("parent by backslash") << "..\\x" << false;
        QTest::newRow("nul") << QString("ab") + QChar(0) + "c" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("escape") << QString("a") + QChar(0x1B) << false;
        QTest::newRow("delete") << QString("a") + QChar(0x7F) << false;
        QTest::newRow("c1 control") << QString("a") + QChar(0x85) << false;
    }

    // The check and the path agree: a valid name gives folder + "/" + name +
    // ".ini" exactly, a refused one an empty path.
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);

        QCOMPARE(MacroNames::IsValidName(name), valid);
        const QString path = MacroNames::FilePath(name);
        if (valid) {
            QCOMPARE(path, UserPaths::macroPageFolder() + "/" + name + ".ini");
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(UserPaths::macroPageFolder()).absoluteFilePath());
        } else {
            QVERIFY(path.isEmpty());
        }
    }

    // Files written under valid names land in the folder and are found again
    // under the same name; refused names create nothing anywhere.
    void filesStayInFolder()
    {
        QTemporaryDir root;
        const QString folder = root.path() + "/MacroPage";
        QVERIFY(QDir().mkpath(folder));

        const QStringList good = {"Macro1", QString::fromUtf8("宏一"), " spaced "};
        for (const QString &name : good) {
            QFile file(MacroNames::FilePathIn(folder, name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("254\n");
        }
        const QStringList bad = {"../outside", "..", ".hidden", "sub/inner"};
        for (const QString &name : bad) {
            const QString path = MacroNames::FilePathIn(folder, name);
            QVERIFY2(path.isEmpty(), qPrintable(name));
            QFile file(path);
            QVERIFY(!file.open(QIODevice::WriteOnly));
        }

        QStringList listed;
        for (const QString &file : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            listed << MacroNames::NameOfFile(file);
        std::sort(listed.begin(), listed.end());
        QStringList expected = good;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(listed, expected);
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    void listing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");

        QTest::newRow("macro file") << "Fire.ini"
                                    << "Fire" << true;
        QTest::newRow("every .ini removed") << "a.ini.ini"
                                            << "a" << true;
        QTest::newRow("inner .ini removed") << "a.inib.ini"
                                            << "ab" << true;
        QTest::newRow("upper case kept") << "Fire.INI"
                                         << "Fire.INI" << true;
        QTest::newRow("other extension") << "notes.txt"
                                         << "notes.txt" << true;
        QTest::newRow("xml skipped") << "layout.xml"
                                     << "layout.xml" << false;
        QTest::newRow("xml inside name") << "myxmlmacro.ini"
                                         << "myxmlmacro" << false;
        QTest::newRow("XML upper case listed") << "myXMLmacro.ini"
                                               << "myXMLmacro" << true;
    }

    void listing()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, name);
        QFETCH(bool, listed);
        QCOMPARE(MacroNames::NameOfFile(fileName), name);
        QCOMPARE(MacroNames::IsListedFileName(fileName), listed);
    }
};

ORVIK_TEST_MAIN(TestMacroNames)
#include "tst_macronames.moc"
