#pragma once
// The texts of one section of an installed language file, read straight from
// the file, so a test can compare what a window shows with what the file says.

#include "LanguageLoader.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>

namespace OrvikTest {

// Child name to text of every section element named section under the root
// (a later child of the same name wins, as in the loader); empty when the
// file cannot be read.
inline QHash<QString, QString> SectionTexts(const QString &path, const QString &section)
{
    QHash<QString, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader reader(&file);
    int depth = 0;
    bool inSection = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (depth == 2) {
                inSection = reader.name() == section;
            } else if (depth == 3 && inSection) {
                texts.insert(reader.name().toString(), reader.readElementText());
                --depth; // readElementText leaves the reader on the child's end
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    return texts;
}

inline QHash<QString, QString> SectionTexts(int languageIndex, const QString &section)
{
    return SectionTexts(LanguageLoader::FilePath(languageIndex), section);
}

} // namespace OrvikTest
