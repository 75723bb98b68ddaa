// The installed language files against the code that reads them, and what a
// broken language file leads to. The program runs from an application
// directory of its own, so breaking its files disturbs no other test.

#include "TestMain.h"

#include "AddDelayTime.h"
#include "ContainReset.h"
#include "DeleteConfirm.h"
#include "DialogMain.h"
#include "ExeIsRun.h"
#include "ExportFail.h"
#include "FindNewVer.h"
#include "FireKey.h"
#include "GroupKey.h"
#include "GroupMaxThree.h"
#include "HIDUsbSim.h"
#include "InportFail.h"
#include "KeyNumberLimit.h"
#include "LampLight.h"
#include "LanSetting.h"
#include "LanguageFileTexts.h"
#include "LanguageLoader.h"
#include "LeftButtonOnly.h"
#include "MacroIni.h"
#include "MakeMacro.h"
#include "Match.h"
#include "MouseOffLine.h"
#include "QuestionDialog.h"
#include "QuestiondialogB.h"
#include "RePair.h"
#include "SameMacro.h"
#include "Skin.h"
#include "Startup.h"
#include "UpDateRepair.h"
#include "addKey.h"

#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <cstdio>
#include <unistd.h>

namespace {

// Child names of every section of one language file.
QMap<QString, QSet<QString>> SectionsOf(const QString &path, QString *error)
{
    QMap<QString, QSet<QString>> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return sections;
    }
    QXmlStreamReader r(&file);
    int depth = 0;
    QString section;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            ++depth;
            if (depth == 2) {
                section = r.name().toString();
                sections[section];
            } else if (depth == 3) {
                sections[section].insert(r.name().toString());
            }
        } else if (r.isEndElement()) {
            --depth;
        }
    }
    if (r.hasError())
        *error = r.errorString();
    return sections;
}

// What the process writes to stderr while it is alive.
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_File.open();
        m_Saved = ::dup(2);
        ::dup2(m_File.handle(), 2);
    }
    ~StderrCapture() { Release(); }

    QString Text()
    {
        Release();
        m_File.seek(0);
        return QString::fromLocal8Bit(m_File.readAll());
    }

private:
    void Release()
    {
        if (m_Saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_Saved, 2);
        ::close(m_Saved);
        m_Saved = -1;
    }

    QTemporaryFile m_File;
    int m_Saved = -1;
};

// Every text of one language file, in document order.
QString AllTextsOf(const QString &path)
{
    QString all;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return all;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters() && !reader.isWhitespace())
            all += reader.text();
    }
    return all;
}

// The glyph runs of text laid out on one line in font.
QList<QGlyphRun> RunsOf(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

QString LabelOf(QWidget *dialog)
{
    QLabel *label = dialog->findChild<QLabel *>("label");
    return label ? label->text() : QString();
}

} // namespace

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyKeyReadIsInEveryFile();
    void buttonSectionIsWholeAndTranslated();
    void interfaceFontDrawsEveryText_data();
    void interfaceFontDrawsEveryText();
    void brokenFileFallsBackToEnglish_data();
    void brokenFileFallsBackToEnglish();
};

void TestLanguageFiles::initTestCase()
{
    QVERIFY2(!OrvikTest::usePrivateAppDir().isEmpty(), "the test runs from its own app directory");
    Startup::PrepareUserFolders();
    HIDUsbSim::reset();
}

void TestLanguageFiles::everyKeyReadIsInEveryFile()
{
    // Every window that has texts, built once: the top-level window builds
    // the device list, the main frame (asked for at once, not after a first
    // paint) and its pages; then each small dialog.
    (new DialogMain)->MainFramePage(); // lives until the process ends, as in the utility
    {
        AddDelayTime a;
        ContainReset b;
        DeleteConfirm c;
        ExeIsRun d;
        FireKey e;
        GroupKey f;
        GroupMaxThree g;
        InportFail h;
        KeyNumberLimit i;
        LeftButtonOnly j;
        MakeMacro k;
        MouseOffLine l;
        QuestionDialog m;
        QuestiondialogB n;
        RePair o;
        SameMacro p;
        addKey q;
        LanSetting r;
        // Windows the top-level window builds only when they are needed.
        ExportFail s;
        FindNewVer t;
        LampLight u;
        Match v;
        UpDateRepair w;
        // The lighting page reads its texts only on a change.
        QVERIFY(QMetaObject::invokeMethod(&u, "SlotChangeLanguage", Q_ARG(int, 0)));
    }
    const QMap<QString, QSet<QString>> read = LanguageLoader::RequestedKeys();
    for (const char *section : {"SameMacro", "DialogChange", "Buttoninterface", "Sensor", "Macro", "FormSetting",
                                "Light", "NewVer", "Match", "AutoRepair", "Progress", "UpDataParam"})
        QVERIFY2(read.contains(section), section);

    QStringList missing;
    for (int index = 0; index < 6; ++index) {
        const QString path = LanguageLoader::FilePath(index);
        QString error;
        const QMap<QString, QSet<QString>> file = SectionsOf(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(LanguageLoader::FileName(index) + ": " + error));
        for (auto section = read.constBegin(); section != read.constEnd(); ++section) {
            for (const QString &key : section.value()) {
                if (!file.value(section.key()).contains(key))
                    missing << LanguageLoader::FileName(index) + ": " + section.key() + "/" + key;
            }
        }
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable("texts the code reads but a file lacks:\n" + missing.join("\n")));
}

void TestLanguageFiles::buttonSectionIsWholeAndTranslated()
{
    // The button page's section: exactly the elements the page reads, plus
    // the export notice's text (read by the export, which runs later); every
    // text translated, and the macro prefix the macro page's own.
    if (!LanguageLoader::RequestedKeys().contains("Buttoninterface"))
        (new DialogMain)->MainFramePage(); // lives until the process ends, as in the utility
    QSet<QString> expected = LanguageLoader::RequestedKeys().value("Buttoninterface");
    expected.insert("ExportFail");              // read by the export notice, built when an export fails
    QCOMPARE(expected.size(), 53 + 3 + 20 + 1); // widgets, label_3 and the prefixes, debounce items

    const QHash<QString, QString> english = OrvikTest::SectionTexts(0, "Buttoninterface");
    for (int index = 0; index < 6; ++index) {
        const QString name = LanguageLoader::FileName(index);
        QString error;
        const QSet<QString> elements = SectionsOf(LanguageLoader::FilePath(index), &error).value("Buttoninterface");
        QVERIFY2(error.isEmpty(), qPrintable(name + ": " + error));
        QCOMPARE(elements, expected);
        const QHash<QString, QString> texts = OrvikTest::SectionTexts(index, "Buttoninterface");
        QCOMPARE(texts.value("Macro_"), OrvikTest::SectionTexts(index, "Macro").value("MacroReal"));
        for (const QString &element : expected) {
            const QString text = texts.value(element);
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(name + ": " + element));
            // Every file but the English one is in a non-Latin script.
            if (index != 0)
                QVERIFY2(text != english.value(element), qPrintable(name + ": " + element + " reads as English"));
        }
    }
}

void TestLanguageFiles::interfaceFontDrawsEveryText_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < 6; ++index)
        QTest::newRow(qPrintable(LanguageLoader::FileName(index))) << index;
}

void TestLanguageFiles::interfaceFontDrawsEveryText()
{
    // Every character of every text has a glyph in the interface font (a
    // missing one is drawn as an empty box), and Latin and Cyrillic letters
    // are drawn by a Latin face: a CJK face drawing them would be read page
    // by page from its large file for every Latin word on screen.
    QFETCH(int, index);
    const QStringList families = QFontDatabase().families();
    if (families.contains(QString::fromUtf8("微软雅黑")))
        QSKIP("the Windows face is installed: no substitution to check");
    if (families.filter("CJK", Qt::CaseInsensitive).isEmpty())
        QSKIP("no CJK face installed: the CJK texts cannot be drawn here");
    const QString texts = AllTextsOf(LanguageLoader::FilePath(index));
    QVERIFY(!texts.isEmpty());
    const QFont font = Skin::Font(9);

    QStringList missing;
    for (const QGlyphRun &run : RunsOf(texts, font)) {
        if (run.glyphIndexes().contains(0))
            missing << run.rawFont().familyName();
    }
    QVERIFY2(missing.isEmpty(), qPrintable("characters without a glyph, in " + missing.join(", ")));

    QString letters;
    for (const QChar c : texts) {
        if (c.isLetter() && (c.script() == QChar::Script_Latin || c.script() == QChar::Script_Cyrillic))
            letters += c;
    }
    QVERIFY(!letters.isEmpty());
    for (const QGlyphRun &run : RunsOf(letters, font))
        QVERIFY2(!run.rawFont().familyName().contains("CJK", Qt::CaseInsensitive),
                 qPrintable(run.rawFont().familyName()));
}

void TestLanguageFiles::brokenFileFallsBackToEnglish_data()
{
    QTest::addColumn<QByteArray>("korean");
    QTest::addColumn<bool>("englishBroken");
    QTest::addColumn<QString>("fault");
    const QByteArray good = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Total>\n  <SameMacro>\n"
                            "    <label>KOREAN</label>\n  </SameMacro>\n</Total>\n";
    QTest::newRow("cut short") << good.left(good.indexOf("</SameMacro>")) << false << "line";
    QTest::newRow("not a labels file") << QByteArray("<Other><SameMacro><label>X</label></SameMacro></Other>") << false
                                       << "not a labels file";
    QTest::newRow("missing") << QByteArray() << false << "3-Korea.xml";
    QTest::newRow("English broken too") << QByteArray("<Total><SameMacro>") << true << "0-English.xml";
}

void TestLanguageFiles::brokenFileFallsBackToEnglish()
{
    QFETCH(QByteArray, korean);
    QFETCH(bool, englishBroken);
    QFETCH(QString, fault);

    const QString koreanPath = LanguageLoader::FilePath(4);
    const QString englishPath = LanguageLoader::FilePath(0);
    QFile::remove(koreanPath + ".keep");
    QFile::remove(englishPath + ".keep");
    QVERIFY(QFile::copy(koreanPath, koreanPath + ".keep"));
    QVERIFY(QFile::copy(englishPath, englishPath + ".keep"));

    QString englishText;
    {
        MacroIni::GetInstance()->SetValue("Language", "Language", "0");
        SameMacro english;
        englishText = LabelOf(&english);
    }
    QString builtIn;
    {
        MacroIni::GetInstance()->SetValue("Language", "Language", "99"); // no such file index: English
        QFile::rename(englishPath, englishPath + ".away");
        SameMacro none;
        builtIn = LabelOf(&none);
        QFile::rename(englishPath + ".away", englishPath);
    }
    QVERIFY(!englishText.isEmpty());
    QVERIFY(englishText != builtIn);

    QFile::remove(koreanPath);
    if (!korean.isEmpty()) {
        QFile file(koreanPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(korean);
    }
    if (englishBroken) {
        QFile file(englishPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<Total><SameMacro>");
    }

    MacroIni::GetInstance()->SetValue("Language", "Language", "4");
    QString first;
    QString second;
    QString report;
    {
        StderrCapture capture;
        SameMacro a;
        SameMacro b; // a second load reports nothing new
        first = LabelOf(&a);
        second = LabelOf(&b);
        report = capture.Text();
    }

    QFile::remove(koreanPath);
    QFile::remove(englishPath);
    QVERIFY(QFile::rename(koreanPath + ".keep", koreanPath));
    QVERIFY(QFile::rename(englishPath + ".keep", englishPath));
    MacroIni::GetInstance()->SetValue("Language", "Language", "0");

    // Never the broken file's own texts: English, or with English broken too
    // the form's built-in text.
    QCOMPARE(first, englishBroken ? builtIn : englishText);
    QCOMPARE(second, first);
    QVERIFY2(report.contains("3-Korea.xml"), qPrintable(report));
    QVERIFY2(report.contains(fault, Qt::CaseInsensitive), qPrintable(report));
    QCOMPARE(report.count("3-Korea.xml"), 1);
    if (englishBroken)
        QCOMPARE(report.count("0-English.xml"), 1);
}

ORVIK_TEST_MAIN(TestLanguageFiles)

#include "tst_languagefiles.moc"
