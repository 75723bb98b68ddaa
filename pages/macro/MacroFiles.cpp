// The macro files and the macro list. A macro named N is the file N + ".ini"
// of the per-user macro folder: line 1 the repeat mode ("254" until released,
// "255" until clicked again, "253" until another key, or a count 1..250), then
// one line per row: a delay row's text ("10ms"), or an event's code, kind and
// state ("0x04 1 0" presses A). UTF-8 throughout; the button page reads and
// rewrites the same files.
//
// Every path is made by MacroNames, so no name, whatever its origin, reaches
// a file outside the folder.

#include "Macro.h"

#include "KeyVocabulary.h"
#include "MacroForm.h"
#include "MacroListing.h"
#include "MacroNames.h"
#include "MacroRowItems.h"

#include <QButtonGroup>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

using namespace MacroRowItems;

namespace {

// "0x" + exactly two upper-case hexadecimal digits.
bool ParseCodeText(const QString &text, int *code)
{
    static const QString digits = QStringLiteral("0123456789ABCDEF");
    if (text.size() != 4 || !text.startsWith(QLatin1String("0x")))
        return false;
    const int high = digits.indexOf(text.at(2));
    const int low = digits.indexOf(text.at(3));
    if (high < 0 || low < 0)
        return false;
    *code = high * 16 + low;
    return true;
}

// The kind and code of a file pair when the pair names a slot of the
// vocabulary; mouse buttons count whatever the current language calls them.
bool FilePairCode(const QString &codeText, int type, int *kind, int *code)
{
    if (!ParseCodeText(codeText, code))
        return false;
    *kind = type;
    if (type == KeyKindMouseButton)
        return *code == 0x01 || *code == 0x02 || *code == 0x04 || *code == 0x08 || *code == 0x10;
    if (type != KeyKindKey && type != KeyKindModifier)
        return false;
    return !CodeToKeyName(codeText, type).isEmpty() || (type == KeyKindKey && *code == 0);
}

} // namespace

void Macro::LoadMacroList()
{
    for (const QString &name : MacroNames::ListedMacroNames(macroFolder))
        ui->listWidgetHong->addItem(name);
}

void Macro::LoadMacroFile()
{
    QListWidgetItem *current = ui->listWidgetHong->currentItem();
    if (!current)
        return;
    ui->listWidgetKey->clear();
    const QString path = MacroFilePathOf(current->text());
    if (path.isEmpty())
        return;
    macroFilePath = path;
    QString mode;
    const QList<QListWidgetItem *> rows = ReadMacroFile(macroFilePath, &mode);
    if (!mode.isNull())
        ShowRepeatMode(mode);
    for (QListWidgetItem *row : rows)
        ui->listWidgetKey->addItem(row);
}

QList<QListWidgetItem *> Macro::ReadMacroFile(const QString &path, QString *mode) const
{
    QList<QListWidgetItem *> rows;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;

    bool firstLine = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (firstLine) {
            firstLine = false;
            *mode = parts.isEmpty() ? QStringLiteral("") : parts.first().trimmed();
            continue;
        }

        if (parts.size() == 3) {
            // The state is "0" or "1" and ends the line; the last line of a
            // file may lack its line end.
            const QString &state = parts.at(2);
            bool press;
            if (state == QLatin1String("0\n") || state == QLatin1String("0"))
                press = true;
            else if (state == QLatin1String("1\n") || state == QLatin1String("1"))
                press = false;
            else
                continue;
            const int type = parts.at(1).toInt();
            const QString name = CodeToKeyName(parts.at(0), type);
            int kind = -1;
            int code = 0;
            if (!FilePairCode(parts.at(0), type, &kind, &code)) {
                // No slot of the vocabulary: the row is the key without a
                // name, as its text says.
                kind = KeyKindKey;
                code = 0;
            }
            rows.append(EventRow(m_PicturePath, name, press, kind, code));
        } else if (parts.size() == 1) {
            QString text = parts.first();
            if (text.endsWith(QLatin1Char('\n')))
                text.chop(1);
            // A blank line is no row: an empty delay text would read as an
            // event row of the key without a name.
            if (text.trimmed().isEmpty())
                continue;
            rows.append(DelayRow(m_PicturePath, text));
        }
    }
    return rows;
}

QList<QListWidgetItem *> Macro::ShownRows() const
{
    QList<QListWidgetItem *> rows;
    for (int i = 0; i < ui->listWidgetKey->count(); ++i)
        rows.append(ui->listWidgetKey->item(i));
    return rows;
}

QByteArray Macro::RowLines(const QList<QListWidgetItem *> &rows)
{
    QByteArray lines;
    for (const QListWidgetItem *row : rows) {
        if (IsDelayRow(row)) {
            lines += row->text().toUtf8() + '\n';
            continue;
        }
        // The kind and code the row was made with come first: the text of a
        // mouse-button row is a name of the language it was made in.
        QStringList pair;
        const QVariantList data = row->data(RowCodeRole).toList();
        if (data.size() == 2)
            pair = QStringList{
                QStringLiteral("0x")
                    + QString::number(data.at(1).toInt() & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0')),
                QString::number(data.at(0).toInt())};
        else
            pair = KeyNameToFileCode(row->text());
        if (pair.size() != 2)
            pair = KeyNameToFileCode(QString()); // the key without a name, never a bare state line
        for (const QString &text : pair)
            lines += text.toUtf8() + ' ';
        lines += row->type() == 0 ? "0\n" : "1\n";
    }
    return lines;
}

void Macro::SaveMacroFile(QString mode)
{
    QListWidgetItem *current = ui->listWidgetHong->currentItem();
    if (!current)
        return;
    const QString path = MacroFilePathOf(current->text());
    if (path.isEmpty() || !QFile::exists(path))
        return;
    WriteMacroFile(current->text(), mode);
}

bool Macro::WriteMacroFile(const QString &name, const QString &mode)
{
    return WriteMacroFile(name, mode, ShownRows());
}

bool Macro::WriteMacroFile(const QString &name, const QString &mode, const QList<QListWidgetItem *> &rows)
{
    const QString path = MacroFilePathOf(name);
    if (path.isEmpty())
        return false;
    macroFilePath = path;
    return MacroNames::WriteFile(macroFolder, name, mode.toUtf8() + '\n' + RowLines(rows));
}

bool Macro::CreateMacroFile(const QString &name)
{
    return MacroNames::WriteFile(macroFolder, name, QByteArray());
}

void Macro::DelayMs(int ms)
{
    // A monotonic clock: a wait never ends early or late because the time of
    // day jumped or passed midnight.
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(int(ms - elapsed.elapsed()), &loop, &QEventLoop::quit);
        loop.exec();
    }
}
