// The language-file loader: file choice by index, the walk over the file and
// what happens with files that are not what they should be.

#include "TestMain.h"

#include "LanguageLoader.h"
#include "MacroIni.h"
#include "UserPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A window's share of the loader: its own reader and a table of two texts.
struct FakeWindow
{
    QString label = QStringLiteral("default label");
    QString ok = QStringLiteral("default ok");
    LanguageReaderPtr reader;

    LanguageLoader::KeyTable Keys()
    {
        LanguageLoader::KeyTable keys;
        keys.insert(QStringLiteral("label"), [this](const QString &t) { label = t; });
        keys.insert(QStringLiteral("OK"), [this](const QString &t) { ok = t; });
        return keys;
    }
    bool LoadFile(const QString &path, const QString &section = QStringLiteral("Win"))
    {
        return LanguageLoader::LoadFile(path, QStringLiteral("Total"), QStringList(section), Keys(), reader);
    }
};

} // namespace

class TestLanguageLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    QString Write(const QString &name, const QByteArray &content)
    {
        const QString path = m_Dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

private slots:
    void fileNameByIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << 0 << "0-English.xml";
        QTest::newRow("Simplified") << 1 << QString::fromUtf8("1-简体中文.xml");
        QTest::newRow("Traditional") << 2 << QString::fromUtf8("2-繁体中文.xml");
        QTest::newRow("Russian") << 3 << "3-Russia.xml";
        QTest::newRow("Korean shares prefix 3") << 4 << "3-Korea.xml";
        QTest::newRow("Japanese") << 5 << "5-Japanese.xml";
        QTest::newRow("6 is English") << 6 << "0-English.xml";
        QTest::newRow("-1 is English") << -1 << "0-English.xml";
    }
    void fileNameByIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        QCOMPARE(LanguageLoader::FileName(index), file);
        QCOMPARE(LanguageLoader::FilePath(index), QCoreApplication::applicationDirPath() + "/Language/" + file);
    }

    // Load(index) reads the installed file of that index: what it applies is
    // what the same section of that very file holds.
    void loadReadsTheFileOfTheIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");
        QTest::newRow("4 Korean") << 4 << "3-Korea.xml";
        QTest::newRow("3 Russian") << 3 << "3-Russia.xml";
        QTest::newRow("6 English") << 6 << "0-English.xml";
        QTest::newRow("-1 English") << -1 << "0-English.xml";
    }
    void loadReadsTheFileOfTheIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, file);
        FakeWindow byIndex, byFile, english;
        QVERIFY(LanguageLoader::Load(index, "ContainReset", byIndex.Keys(), byIndex.reader));
        QVERIFY(byFile.LoadFile(QCoreApplication::applicationDirPath() + "/Language/" + file, "ContainReset"));
        QVERIFY(english.LoadFile(QCoreApplication::applicationDirPath() + "/Language/0-English.xml", "ContainReset"));
        QVERIFY(byIndex.label != "default label");
        QCOMPARE(byIndex.label, byFile.label);
        QCOMPARE(byIndex.ok, byFile.ok);
        if (file != "0-English.xml")
            QVERIFY(byIndex.label != english.label);
    }

    // Every installed language file is well-formed and has the root "Total".
    void installedFilesAreWellFormed()
    {
        for (int index = 0; index < 6; ++index) {
            FakeWindow w;
            QVERIFY2(w.LoadFile(LanguageLoader::FilePath(index), "NoSuchSection"),
                     qPrintable(LanguageLoader::FileName(index)));
            QVERIFY2(!w.reader->hasError(),
                     qPrintable(LanguageLoader::FileName(index) + ": " + w.reader->errorString()));
        }
        LanguageReaderPtr reader;
        QVERIFY(LanguageLoader::LoadFile(LanguageLoader::NetFilePath(), "Profile", {"English"}, {}, reader));
        QVERIFY(!reader->hasError());
    }

    // The walk: which elements reach the window and which do not.
    void walk_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("error");

        QTest::newRow("own section") << QByteArray("<Total><Win><label>L</label><OK>O</OK></Win></Total>") << "L"
                                     << "O"
                                     << "";
        QTest::newRow("root other than Total applies nothing")
            << QByteArray("<Labels><Win><label>L</label></Win></Labels>") << "default label"
            << "default ok"
            << "Not a labels file";
        QTest::newRow("child of another section is not applied")
            << QByteArray("<Total><Other><label>X</label></Other><Win><OK>O</OK></Win></Total>") << "default label"
            << "O"
            << "";
        QTest::newRow("child inside an unknown element of the section is not applied")
            << QByteArray("<Total><Win><Box><label>X</label><Deep><OK>Y</OK></Deep></Box><OK>O</OK></Win></Total>")
            << "default label"
            << "O"
            << "";
        QTest::newRow("section after deeply nested other sections")
            << QByteArray("<Total><A><B><C><Win><label>X</label></Win></C></B></A><!-- c --><?pi x?>"
                          "<Win><label>L</label></Win></Total>")
            << "L"
            << "default ok"
            << "";
        QTest::newRow("two sections of the same name: both read, the later wins")
            << QByteArray("<Total><Win><label>first</label><OK>O1</OK></Win><Win><label>second</label></Win></Total>")
            << "second"
            << "O1"
            << "";
        QTest::newRow("same child twice: the later wins")
            << QByteArray("<Total><Win><label>a</label><label>b</label></Win></Total>") << "b"
            << "default ok"
            << "";
        QTest::newRow("empty element sets an empty text")
            << QByteArray("<Total><Win><label/><OK></OK></Win></Total>") << ""
            << ""
            << "";
        QTest::newRow("malformed XML keeps the texts before the fault")
            << QByteArray("<Total><Win><label>L</label><OK>O</Win></Total>") << "L"
            << "default ok"
            << "*";
        QTest::newRow("truncated file keeps the texts before the end")
            << QByteArray("<Total><Win><label>L</label><OK>O") << "L"
            << "default ok"
            << "*";
        QTest::newRow("nested element in a text child stops the reading there")
            << QByteArray("<Total><Win><label>L</label><OK>a<b>x</b></OK><label>after</label></Win></Total>") << "L"
            << "default ok"
            << "*";
        QTest::newRow("case matters") << QByteArray(
            "<Total><win><label>X</label></win><Win><Label>Y</Label><ok>Z</ok></Win></Total>")
                                      << "default label"
                                      << "default ok"
                                      << "";
    }
    void walk()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, label);
        QFETCH(QString, ok);
        QFETCH(QString, error);
        FakeWindow w;
        QVERIFY(w.LoadFile(Write("walk.xml", xml)));
        QCOMPARE(w.label, label);
        QCOMPARE(w.ok, ok);
        if (error.isEmpty())
            QVERIFY2(!w.reader->hasError(), qPrintable(w.reader->errorString()));
        else if (error == "*")
            QVERIFY(w.reader->hasError());
        else
            QCOMPARE(w.reader->errorString(), error);
    }

    // Load takes a window's texts from the one walk that checks the file:
    // for every usable file it applies what walking the file for that
    // section applies (a file that is not usable gives the English one).
    void loadAppliesWhatTheWalkFinds_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("ok");

        QTest::newRow("own section") << QByteArray("<Total><Win><label>L</label><OK>O</OK></Win></Total>") << "L"
                                     << "O";
        QTest::newRow("declaration, comments, white space")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<Total>\n  <Win>\n"
                          "    <label>L</label>\n  </Win>\n</Total>\n")
            << "L"
            << "default ok";
        QTest::newRow("child of another section is not applied")
            << QByteArray("<Total><Other><label>X</label></Other><Win><OK>O</OK></Win></Total>") << "default label"
            << "O";
        QTest::newRow("child inside an unknown element of the section is not applied")
            << QByteArray("<Total><Win><Box><label>X</label><Deep><OK>Y</OK></Deep></Box><OK>O</OK></Win></Total>")
            << "default label"
            << "O";
        QTest::newRow("section inside another section is not applied")
            << QByteArray("<Total><A><B><C><Win><label>X</label></Win></C></B></A><!-- c --><?pi x?>"
                          "<Win><label>L</label></Win></Total>")
            << "L"
            << "default ok";
        QTest::newRow("two sections of the same name: both read, the later wins")
            << QByteArray("<Total><Win><label>first</label><OK>O1</OK></Win><Win><label>second</label></Win></Total>")
            << "second"
            << "O1";
        QTest::newRow("same child twice: the later wins")
            << QByteArray("<Total><Win><label>a</label><label>b</label></Win></Total>") << "b"
            << "default ok";
        QTest::newRow("empty element sets an empty text")
            << QByteArray("<Total><Win><label/><OK></OK></Win></Total>") << ""
            << "";
        QTest::newRow("text with a comment, CDATA and entities")
            << QByteArray("<Total><Win><label>a<!-- c -->b<![CDATA[<c>]]>&amp;&#x41;<?pi x?>d</label></Win></Total>")
            << "ab<c>&Ad"
            << "default ok";
        QTest::newRow("nested element in a known child stops the reading there")
            << QByteArray("<Total><Win><label>L</label><OK>a<b>x</b></OK><label>after</label></Win></Total>") << "L"
            << "default ok";
        QTest::newRow("... also for the sections after it")
            << QByteArray("<Total><Win><OK>a<b/></OK></Win><Win><label>later</label></Win></Total>") << "default label"
            << "default ok";
        QTest::newRow("nested element in an unknown child is skipped")
            << QByteArray("<Total><Win><Other>a<b>x</b></Other><label>L</label></Win></Total>") << "L"
            << "default ok";
        QTest::newRow("case matters") << QByteArray(
            "<Total><win><label>X</label></win><Win><Label>Y</Label><ok>Z</ok></Win></Total>")
                                      << "default label"
                                      << "default ok";
    }
    void loadAppliesWhatTheWalkFinds()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, label);
        QFETCH(QString, ok);
        QTemporaryDir appDir;
        QVERIFY(QDir().mkpath(appDir.filePath("Language")));
        const QString path = appDir.filePath("Language/") + LanguageLoader::FileName(3);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(xml);
        file.close();

        UserPaths::SetAppDirForTest(appDir.path());
        FakeWindow loaded, walked;
        const bool used = LanguageLoader::Load(3, QStringLiteral("Win"), loaded.Keys(), loaded.reader);
        UserPaths::SetAppDirForTest(QString());
        QVERIFY(walked.LoadFile(path));

        QVERIFY(used);
        QCOMPARE(loaded.label, walked.label);
        QCOMPARE(loaded.ok, walked.ok);
        QCOMPARE(loaded.label, label);
        QCOMPARE(loaded.ok, ok);
    }

    // A file changed between two loads gives its new texts.
    void changedFileIsReadAgain()
    {
        QTemporaryDir appDir;
        QVERIFY(QDir().mkpath(appDir.filePath("Language")));
        const QString path = appDir.filePath("Language/") + LanguageLoader::FileName(3);
        auto write = [&path](const QByteArray &xml) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(xml) == xml.size();
        };
        UserPaths::SetAppDirForTest(appDir.path());
        FakeWindow w;
        const bool written1 = write("<Total><Win><label>one</label></Win></Total>");
        LanguageLoader::Load(3, QStringLiteral("Win"), w.Keys(), w.reader);
        const QString first = w.label;
        const bool written2 = write("<Total><Win><label>two</label></Win></Total>");
        LanguageLoader::Load(3, QStringLiteral("Win"), w.Keys(), w.reader);
        UserPaths::SetAppDirForTest(QString());
        QVERIFY(written1 && written2);
        QCOMPARE(first, QString("one"));
        QCOMPARE(w.label, QString("two"));
    }

    void missingFileChangesNothing()
    {
        FakeWindow w;
        QVERIFY(!w.LoadFile(m_Dir.filePath("does-not-exist.xml")));
        QCOMPARE(w.label, QString("default label"));
        QVERIFY(!w.reader);
    }

    // Switching back and forth reloads the section each time; texts a file
    // does not hold keep the previous language's value.
    void switchingKeepsTextsAbsentFromTheNewFile()
    {
        const QString a = Write("a.xml", "<Total><Win><label>A</label><OK>okA</OK></Win></Total>");
        const QString b = Write("b.xml", "<Total><Win><label>B</label></Win></Total>");
        FakeWindow w;
        w.LoadFile(a);
        w.LoadFile(b);
        QCOMPARE(w.label, QString("B"));
        QCOMPARE(w.ok, QString("okA"));
        w.LoadFile(a);
        QCOMPARE(w.label, QString("A"));
    }

    // Each load releases the reader of the previous one.
    void noReaderPilesUpAcrossLoads()
    {
        const int before = LanguageReader::LiveCount();
        const QString path = Write("r.xml", "<Total><Win><label>L</label></Win></Total>");
        {
            FakeWindow w;
            for (int i = 0; i < 50; ++i)
                w.LoadFile(path);
            LanguageLoader::Load(3, "ContainReset", w.Keys(), w.reader);
            QCOMPARE(LanguageReader::LiveCount(), before + 1);
        }
        QCOMPARE(LanguageReader::LiveCount(), before);
    }

    // Skipping an element of any depth neither recurses into the stack nor
    // loses the texts after it.
    void deepNestingIsSkipped()
    {
        QByteArray xml = "<Total><Deep>";
        const int depth = 20000;
        for (int i = 0; i < depth; ++i)
            xml += "<e>";
        for (int i = 0; i < depth; ++i)
            xml += "</e>";
        xml += "</Deep><Win><label>L</label></Win></Total>";
        FakeWindow w;
        QVERIFY(w.LoadFile(Write("deep.xml", xml)));
        QCOMPARE(w.label, QString("L"));
    }

    // Net.xml: root "Profile"; several sections may be read in one walk.
    void profileFileWithSeveralSections()
    {
        const QString path = Write("Net.xml",
                                   "<Profile><Chinese><CompanyName>C</CompanyName></Chinese>"
                                   "<English><CompanyName>E</CompanyName></English>"
                                   "<Web><CompanyWeben>W</CompanyWeben></Web></Profile>");
        QString name, web;
        LanguageLoader::KeyTable keys;
        keys.insert("CompanyName", [&](const QString &t) { name = t; });
        keys.insert("CompanyWeben", [&](const QString &t) { web = t; });
        LanguageReaderPtr reader;
        QVERIFY(LanguageLoader::LoadFile(path, "Profile", {"English", "Web"}, keys, reader));
        QCOMPARE(name, QString("E"));
        QCOMPARE(web, QString("W"));
        // The same file is not a language file.
        FakeWindow w;
        w.LoadFile(path);
        QCOMPARE(w.reader->errorString(), QString("Not a labels file"));
    }

    void storedIndex_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("missing") << QString() << 0;
        QTest::newRow("number") << "4" << 4;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("zero") << "0" << 0;
    }
    void storedIndex()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        if (stored.isNull())
            MacroIni::GetInstance()->RemoveValue("Language", "Language");
        else
            MacroIni::GetInstance()->SetValue("Language", "Language", stored);
        QCOMPARE(LanguageLoader::StoredIndex(), index);
    }
};

ORVIK_TEST_MAIN(TestLanguageLoader)
#include "tst_languageloader.moc"
