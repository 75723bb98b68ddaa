#pragma once
// Language files: every window that shows translated text loads its own
// section of the XML file of the chosen language with this loader.
//
// A window keeps one reader member (LanguageReaderPtr m_Reader), names its
// section element and gives a table of the child names it knows, each with
// the function that applies the text (usually setText on the widget of the
// same object name):
//
//     void MyWindow::SlotChangeLanguage(int index)
//     {
//         LanguageLoader::KeyTable keys;
//         keys.insert("label", [this](const QString &t) { ui->label->setText(t); });
//         LanguageLoader::Load(index, "MyWindow", keys, m_Reader);
//     }
//
// Rules, shared by all windows:
//  - file by index: 0 "0-English.xml", 1 "1-简体中文.xml", 2 "2-繁体中文.xml",
//    3 "3-Russia.xml", 4 "3-Korea.xml", 5 "5-Japanese.xml", any other index
//    the English file; all in <application dir>/Language/;
//  - a language file that cannot be opened or is not a well-formed labels
//    file is reported once on stderr and the English one is read instead;
//    when that one is broken too nothing changes;
//  - the document element must be "Total", else the reader error
//    "Not a labels file" ends the load and nothing is applied;
//  - only children of "Total" named as the window's section are read (a
//    section may occur several times; each is read in file order, so the
//    later text wins); every other element is skipped with all its content;
//  - a known child's text is read with readElementText, so a child that
//    holds a nested element is a reader error that ends the load; texts
//    applied before any reader error stay.
//
// A file is walked once while it is checked (again only when its bytes
// change); each window's load applies its texts from what that walk found,
// with the rules above, so a language switch does not walk the file once
// per window. Each load replaces the window's reader (on the file's bytes);
// the previous one is released.

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

// The reader a window keeps from its last language load. It counts its live
// instances so a test can tell that loads do not pile readers up.
class LanguageReader : public QXmlStreamReader
{
public:
    explicit LanguageReader(const QByteArray &data);
    ~LanguageReader();
    LanguageReader(const LanguageReader &) = delete;
    LanguageReader &operator=(const LanguageReader &) = delete;

    static int LiveCount();
};

using LanguageReaderPtr = std::unique_ptr<LanguageReader>;

class LanguageLoader
{
public:
    using TextTarget = std::function<void(const QString &text)>;
    using KeyTable = QHash<QString, TextTarget>;

    // "0-English.xml", "3-Korea.xml" ... for a language index.
    static QString FileName(int index);
    // Application directory + "/Language/" + FileName(index).
    static QString FilePath(int index);
    // Application directory + "/Language/Net.xml" (maker line and web link).
    static QString NetFilePath();
    // The language index stored per user (Macro.ini, Language/Language);
    // 0 when it is missing or not a number.
    static int StoredIndex();

    // Loads the window's section from the language file of index. A file
    // that cannot be opened, is not well-formed or is not a labels file is
    // reported once on stderr and the English file is read in its place.
    // Returns false when neither could be used (nothing changed).
    static bool Load(int index, const QString &section, const KeyTable &keys, LanguageReaderPtr &reader);

    // Every section a window has loaded so far, with the child names it
    // reads (so the installed files can be checked against the code).
    static QMap<QString, QSet<QString>> RequestedKeys();

    // The same walk on any file: root is the required document element
    // ("Total" for language files, "Profile" for Net.xml); every child of the
    // root whose name is in sections is read with keys.
    static bool LoadFile(const QString &path, const QString &root, const QStringList &sections, const KeyTable &keys,
                         LanguageReaderPtr &reader);

    // The three readers of the walk; each is called while the reader stands on
    // the start element it reads and leaves it past that element's end.
    static void ReadTotalElement(QXmlStreamReader &reader, const QStringList &sections, const KeyTable &keys);
    static void ReadSectionElement(QXmlStreamReader &reader, const KeyTable &keys);
    static void SkipUnknownElement(QXmlStreamReader &reader);
};
