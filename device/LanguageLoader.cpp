#include "LanguageLoader.h"

#include "MacroIni.h"
#include "UserPaths.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QVector>

#include <memory>
#include <mutex>

#include <cstdio>

namespace {
QAtomicInt s_liveReaders;
}

LanguageReader::LanguageReader(const QByteArray &data)
    : QXmlStreamReader(data)
{
    s_liveReaders.ref();
}

LanguageReader::~LanguageReader()
{
    s_liveReaders.deref();
}

int LanguageReader::LiveCount()
{
    return s_liveReaders.loadAcquire();
}

QString LanguageLoader::FileName(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral("1-") + QString::fromUtf8("简体中文") + QStringLiteral(".xml");
    case 2:
        return QStringLiteral("2-") + QString::fromUtf8("繁体中文") + QStringLiteral(".xml");
    case 3:
        return QStringLiteral("3-Russia.xml");
    case 4:
        // Korean shares the "3-" prefix with Russian; the installed file is named so.
        return QStringLiteral("3-Korea.xml");
    case 5:
        return QStringLiteral("5-Japanese.xml");
    default:
        return QStringLiteral("0-English.xml");
    }
}

QString LanguageLoader::FilePath(int index)
{
    return UserPaths::languageFolder() + FileName(index);
}

QString LanguageLoader::NetFilePath()
{
    return UserPaths::languageFolder() + QStringLiteral("Net.xml");
}

int LanguageLoader::StoredIndex()
{
    bool ok = false;
    const int index =
        MacroIni::GetInstance()->GetValue(QStringLiteral("Language"), QStringLiteral("Language")).toInt(&ok, 10);
    return ok ? index : 0;
}

namespace {

std::mutex s_recordMutex;
QMap<QString, QSet<QString>> s_requested;
QSet<QString> s_reported;

// Tells the user once per file and fault: a broken language file otherwise
// only shows as texts in the wrong language.
void ReportBrokenFile(const QString &path, const QString &fault)
{
    {
        std::lock_guard<std::mutex> lock(s_recordMutex);
        const QString key = path + QLatin1Char('\n') + fault;
        if (s_reported.contains(key))
            return;
        s_reported.insert(key);
    }
    std::fprintf(stderr, "Orvik SE: language file %s: %s\n", qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(fault));
    std::fflush(stderr);
}

// What the walk of a window's section finds in a usable file, kept from the
// one walk that checks the file: each child of "Total" (a section) with its
// children in file order, each with the text readElementText gives it, or
// marked when it holds an element (a reader error, for a child a window
// knows). A window's load then applies its texts from here instead of
// walking the whole file again: at a language switch every window loads,
// and the walks were most of what the switch cost.
struct LabelChild
{
    QString name;
    QString text;
    bool nested = false;
};
struct LabelSection
{
    QString name;
    QVector<LabelChild> children;
};
using LabelSections = QVector<LabelSection>;

// A language file is usable when it opens and is a well-formed document
// whose document element is "Total". Checked whole before anything is
// applied, so a file cut short never leaves half its texts behind; the
// same walk fills sections.
bool UsableLabelsData(const QString &path, const QByteArray &data, LabelSections &sections)
{
    QXmlStreamReader check(data);
    bool rootSeen = false;
    int depth = 0; // elements open around the current token
    while (!check.atEnd()) {
        check.readNext();
        if (check.isStartElement()) {
            ++depth;
            if (!rootSeen) {
                rootSeen = true;
                if (check.name() != QLatin1String("Total")) {
                    ReportBrokenFile(path,
                                     QStringLiteral("not a labels file (document element \"") + check.name().toString()
                                         + QStringLiteral("\")"));
                    return false;
                }
            } else if (depth == 2) {
                sections.append(LabelSection{check.name().toString(), {}});
            } else if (depth == 3) {
                sections.last().children.append(LabelChild{check.name().toString(), QString(), false});
            } else if (depth == 4) {
                sections.last().children.last().nested = true;
            }
        } else if (check.isEndElement()) {
            --depth;
        } else if (depth == 3 && (check.isCharacters() || check.isEntityReference())) {
            // Comments and processing instructions are left out, as
            // readElementText leaves them out.
            sections.last().children.last().text += check.text();
        }
    }
    if (check.hasError() || !rootSeen) {
        const QString where = QStringLiteral(" (line %1, column %2)").arg(check.lineNumber()).arg(check.columnNumber());
        ReportBrokenFile(path,
                         (check.hasError() ? check.errorString() : QStringLiteral("no document element")) + where);
        return false;
    }
    return true;
}

// At start-up every window loads the same file one after the other. The file
// is read each time, but checked whole only when its bytes differ from the
// ones checked last; the windows' readers then also share one copy of them.
struct CheckedFile
{
    QString path;
    QByteArray data;
    bool usable = false;
    std::shared_ptr<const LabelSections> sections;
};
CheckedFile s_lastChecked;

// Reads path into data and tells whether it is a usable labels file; for a
// usable one, sections holds what the file's sections contain.
bool ReadLabelsFile(const QString &path, QByteArray &data, std::shared_ptr<const LabelSections> &sections)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ReportBrokenFile(path, file.errorString());
        return false;
    }
    data = file.readAll();
    file.close();
    {
        std::lock_guard<std::mutex> lock(s_recordMutex);
        if (s_lastChecked.path == path && s_lastChecked.data == data) {
            data = s_lastChecked.data;
            sections = s_lastChecked.sections;
            return s_lastChecked.usable;
        }
    }
    auto found = std::make_shared<LabelSections>();
    const bool usable = UsableLabelsData(path, data, *found);
    sections = usable ? std::shared_ptr<const LabelSections>(found) : nullptr;
    std::lock_guard<std::mutex> lock(s_recordMutex);
    s_lastChecked = CheckedFile{path, data, usable, sections};
    return usable;
}

// What walking a usable labels file for section does with keys: each
// occurrence of the section in file order, each known child's text applied;
// a known child that holds an element ends the load there.
void ApplySection(const LabelSections &sections, const QString &section, const LanguageLoader::KeyTable &keys)
{
    for (const LabelSection &found : sections) {
        if (found.name != section)
            continue;
        for (const LabelChild &child : found.children) {
            const auto target = keys.constFind(child.name);
            if (target == keys.constEnd())
                continue;
            if (child.nested)
                return;
            if (target.value())
                target.value()(child.text);
        }
    }
}

// The walk of LoadFile on bytes already read.
void WalkLabels(const QByteArray &data, const QString &root, const QStringList &sections,
                const LanguageLoader::KeyTable &keys, LanguageReaderPtr &reader)
{
    reader.reset(new LanguageReader(data));
    QXmlStreamReader &r = *reader;
    r.readNext();
    while (!r.atEnd()) {
        if (r.isStartElement()) {
            if (r.name() == root)
                LanguageLoader::ReadTotalElement(r, sections, keys);
            else
                r.raiseError(QCoreApplication::translate("LanguageLoader", "Not a labels file"));
        } else {
            r.readNext();
        }
    }
}

} // namespace

bool LanguageLoader::Load(int index, const QString &section, const KeyTable &keys, LanguageReaderPtr &reader)
{
    {
        std::lock_guard<std::mutex> lock(s_recordMutex);
        QSet<QString> &names = s_requested[section];
        for (auto it = keys.constBegin(); it != keys.constEnd(); ++it)
            names.insert(it.key());
    }
    // A broken file of the chosen language gives the English texts, so the
    // windows never keep another language while the selector says this one.
    // With the English file broken too the windows keep the texts they have.
    QString path = FilePath(index);
    QByteArray data;
    std::shared_ptr<const LabelSections> sections;
    if (!ReadLabelsFile(path, data, sections)) {
        const QString english = FilePath(0);
        if (path == english || !ReadLabelsFile(english, data, sections))
            return false;
        path = english;
    }
    reader.reset(new LanguageReader(data));
    ApplySection(*sections, section, keys);
    return true;
}

QMap<QString, QSet<QString>> LanguageLoader::RequestedKeys()
{
    std::lock_guard<std::mutex> lock(s_recordMutex);
    return s_requested;
}

bool LanguageLoader::LoadFile(const QString &path, const QString &root, const QStringList &sections,
                              const KeyTable &keys, LanguageReaderPtr &reader)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // The reader works on its own copy of the bytes, so the one a window keeps
    // after the load never refers to the closed file.
    const QByteArray data = file.readAll();
    file.close();
    WalkLabels(data, root, sections, keys, reader);
    return true;
}

void LanguageLoader::ReadTotalElement(QXmlStreamReader &r, const QStringList &sections, const KeyTable &keys)
{
    r.readNext();
    while (!r.atEnd()) {
        if (r.isEndElement()) {
            r.readNext();
            return;
        }
        if (r.isStartElement()) {
            if (sections.contains(r.name().toString()))
                ReadSectionElement(r, keys);
            else
                SkipUnknownElement(r);
        } else {
            r.readNext();
        }
    }
}

void LanguageLoader::ReadSectionElement(QXmlStreamReader &r, const KeyTable &keys)
{
    r.readNext();
    while (!r.atEnd()) {
        if (r.isEndElement()) {
            r.readNext();
            return;
        }
        if (!r.isStartElement()) {
            r.readNext();
            continue;
        }
        const auto target = keys.constFind(r.name().toString());
        if (target == keys.constEnd()) {
            SkipUnknownElement(r);
            continue;
        }
        // A nested element inside a text element is a reader error that ends
        // the load; what was applied before stays.
        const QString text = r.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (r.hasError())
            return;
        if (target.value())
            target.value()(text);
        if (r.isEndElement())
            r.readNext();
    }
}

void LanguageLoader::SkipUnknownElement(QXmlStreamReader &r)
{
    // Walks past the element and everything inside it. Counted instead of
    // recursive, so no nesting depth in a file can exhaust the stack.
    int depth = 1;
    r.readNext();
    while (!r.atEnd()) {
        if (r.isEndElement()) {
            r.readNext();
            if (--depth == 0)
                return;
        } else if (r.isStartElement()) {
            ++depth;
            r.readNext();
        } else {
            r.readNext();
        }
    }
}
