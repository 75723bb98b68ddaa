// The exchange file's reader and writer, and the page's export and import
// actions of the macro list's context menu.

#include "MacroExchange.h"

#include "DialogsState.h"
#include "ExportFail.h"
#include "FileDialogs.h"
#include "InportFail.h"
#include "KeyVocabulary.h"
#include "Macro.h"
#include "MacroForm.h"
#include "MacroRecordCodec.h"
#include "MacroRowItems.h"
#include "SameMacro.h"
#include "SaveFile.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace MacroExchange {

namespace {

const QString kTag = QStringLiteral("Varno");

void PrepareStream(QDataStream &stream)
{
    // Pinned: the files travel between computers and program versions.
    stream.setVersion(QDataStream::Qt_5_9);
    stream.setByteOrder(QDataStream::BigEndian);
}

void WriteBlock(QDataStream &stream, QByteArray bytes, int size)
{
    // Zero padding; the content always leaves room for one zero.
    bytes = bytes.left(size);
    bytes.append(QByteArray(size - bytes.size(), '\0'));
    stream.writeBytes(bytes.constData(), uint(bytes.size()));
}

qint64 Remaining(const QDataStream &stream)
{
    QIODevice *device = stream.device();
    return device->size() - device->pos();
}

// A byte block of at most maxSize bytes (longer ones are damage), decoded as
// UTF-8 up to its first zero byte.
bool ReadBlock(QDataStream &stream, int maxSize, QString *text)
{
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok || length > quint32(maxSize) || qint64(length) > Remaining(stream))
        return false;
    QByteArray bytes(int(length), '\0');
    if (stream.readRawData(bytes.data(), int(length)) != int(length))
        return false;
    const int end = bytes.indexOf('\0');
    *text = QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
    return stream.status() == QDataStream::Ok;
}

// A text a row may carry: no line breaks or other control characters (each
// row becomes one line of the macro file) and of a sane length.
bool IsValidRowText(const QString &text)
{
    if (text.size() > 64)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    if (!text.contains(QLatin1String("ms")))
        return true;
    // A delay row is a number of milliseconds the device's 32 bits hold.
    if (!text.endsWith(QLatin1String("ms")) || text.size() < 3 || text.size() > 12)
        return false;
    const QString digits = text.left(text.size() - 2);
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return digits.toULongLong() <= 0xFFFFFFFFull;
}

// Steps over a PNG picture as QImage's stream operator writes it (the
// bytes follow without a length): its signature, then chunks up to IEND.
bool SkipPng(QDataStream &stream)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QIODevice *device = stream.device();
    if (device->read(8) != signature)
        return false;
    for (;;) {
        quint32 length = 0;
        QByteArray type(4, '\0');
        stream >> length;
        if (stream.status() != QDataStream::Ok || stream.readRawData(type.data(), 4) != 4)
            return false;
        // The chunk's data and its CRC.
        const qint64 skip = qint64(length) + 4;
        if (skip > Remaining(stream) || skip > std::numeric_limits<int>::max()
            || stream.skipRawData(int(skip)) != int(skip))
            return false;
        if (type == "IEND")
            return true;
    }
}

// A string of a sane length (icon engine keys, file names).
bool SkipString(QDataStream &stream)
{
    quint32 bytes = 0;
    stream >> bytes;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (bytes == 0xFFFFFFFFu) // the null string
        return true;
    if (bytes > 4096 || qint64(bytes) > Remaining(stream))
        return false;
    return stream.skipRawData(int(bytes)) == int(bytes);
}

} // namespace

bool SkipIcon(QDataStream &stream)
{
    QString key;
    {
        quint32 bytes = 0;
        const qint64 at = stream.device()->pos();
        stream >> bytes;
        if (stream.status() != QDataStream::Ok
            || (bytes != 0xFFFFFFFFu && (bytes > 256 || qint64(bytes) > Remaining(stream))))
            return false;
        if (!stream.device()->seek(at))
            return false;
        stream >> key;
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    if (key.isEmpty()) // a null icon
        return true;
    if (key == QLatin1String("QIconLoaderEngine")) // a theme icon: its name
        return SkipString(stream);
    if (key != QLatin1String("QPixmapIconEngine"))
        return false;
    // Entries: a picture (a null marker, then PNG bytes unless null), the
    // file name, the size, the mode and the state.
    qint32 entries = 0;
    stream >> entries;
    if (stream.status() != QDataStream::Ok || entries < 0 || qint64(entries) * 24 > Remaining(stream))
        return false;
    for (qint32 i = 0; i < entries; ++i) {
        qint32 notNull = 0;
        stream >> notNull;
        if (stream.status() != QDataStream::Ok || (notNull != 0 && !SkipPng(stream)))
            return false;
        qint32 width = 0, height = 0;
        quint32 mode = 0, state = 0;
        if (!SkipString(stream))
            return false;
        stream >> width >> height >> mode >> state;
        if (stream.status() != QDataStream::Ok)
            return false;
    }
    return true;
}

bool IsValidMode(const QString &mode)
{
    bool ok = false;
    const int value = mode.toInt(&ok);
    return ok && mode == QString::number(value) && ((value >= 1 && value <= 250) || (value >= 253 && value <= 255));
}

bool Write(QIODevice *device, const Content &content)
{
    QDataStream stream(device);
    PrepareStream(stream);
    WriteBlock(stream, kTag.toLatin1(), TagBlockSize);
    WriteBlock(stream, MacroRecordCodec::CutUtf8(content.name, NameBlockSize - 1), NameBlockSize);
    WriteBlock(stream, content.mode.toUtf8().left(ModeBlockSize - 1), ModeBlockSize);
    stream << qint32(content.rows.size());
    for (const Row &row : content.rows) {
        stream << row.text << row.icon;
        if (!row.text.contains(QLatin1String("ms")))
            stream << (row.press ? "0" : "1");
    }
    return stream.status() == QDataStream::Ok;
}

ReadResult ReadHead(QDataStream &stream, QString *tag, QString *name, QString *mode)
{
    if (!ReadBlock(stream, 1024, tag) || !ReadBlock(stream, 1024, name) || !ReadBlock(stream, 1024, mode))
        return ReadResult::Damaged;
    return ReadResult::Ok;
}

ReadResult ReadRows(QDataStream &stream, QVector<Row> *rows)
{
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return ReadResult::Damaged;
    // The smallest row is an empty text and a null icon: 8 bytes.
    if (count < 0 || qint64(count) * 8 > Remaining(stream))
        return ReadResult::Damaged;

    QVector<Row> read;
    read.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        Row row;
        stream >> row.text;
        if (stream.status() != QDataStream::Ok)
            return ReadResult::Damaged;
        if (!IsValidRowText(row.text))
            return ReadResult::BadRow;
        if (!SkipIcon(stream))
            return ReadResult::Damaged;
        if (!row.text.contains(QLatin1String("ms"))) {
            QString flag;
            stream >> flag;
            if (stream.status() != QDataStream::Ok)
                return ReadResult::Damaged;
            row.press = (flag == QString(QChar(0x3000)));
        }
        read.append(row);
    }
    *rows = read;
    return ReadResult::Ok;
}

ReadResult Read(QIODevice *device, Content *content, bool (*nameAccepted)(const QString &))
{
    QDataStream stream(device);
    PrepareStream(stream);
    QString tag, name, mode;
    ReadResult result = ReadHead(stream, &tag, &name, &mode);
    if (result != ReadResult::Ok)
        return result;
    if (tag != kTag)
        return ReadResult::WrongTag;
    if (nameAccepted && !nameAccepted(name))
        return ReadResult::BadName;
    if (!IsValidMode(mode))
        return ReadResult::BadMode;
    QVector<Row> rows;
    result = ReadRows(stream, &rows);
    if (result != ReadResult::Ok)
        return result;
    content->name = name;
    content->mode = mode;
    content->rows = rows;
    return ReadResult::Ok;
}

} // namespace MacroExchange

using namespace MacroExchange;

QString Macro::RepeatModeText() const
{
    int mode = ui->NumberEdit->value();
    if (ui->ReUntilLoose->isChecked())
        mode = 254;
    else if (ui->ReUntilClick->isChecked())
        mode = 255;
    else if (ui->ReUntil->isChecked())
        mode = 253;
    return QString::number(mode);
}

void Macro::ShowRepeatMode(const QString &mode)
{
    // Blocked: showing a stored mode is no change of it.
    repeatModeGroup->blockSignals(true);
    ui->NumberEdit->blockSignals(true);
    const int value = mode.toInt();
    if (value == 254) {
        ui->ReUntilLoose->setChecked(true);
    } else if (value == 255) {
        ui->ReUntilClick->setChecked(true);
    } else if (value == 253) {
        ui->ReUntil->setChecked(true);
    } else {
        ui->ReNumber->setChecked(true);
        ui->NumberEdit->setValue(value >= 1 && value <= 250 ? value : 1);
    }
    repeatModeGroup->blockSignals(false);
    ui->NumberEdit->blockSignals(false);
}

void Macro::ShowImportFailNotice()
{
    g_InportResult = 1; // the notice's "not a valid file" text
    InportFail notice;
    PlaceDialog(&notice, -100, -50);
    notice.exec();
}

void Macro::ExPortMacro()
{
    // The macro the context menu was opened on, as its file holds it: the
    // rows on show may belong to another macro, or to none.
    const QString name = contextMacro.isEmpty() ? CurrentMacroName() : contextMacro;
    if (name.isEmpty())
        return;
    const QString fileName = FileDialogs::Save(this, QStringLiteral("FileSave"), QStringLiteral("File(*.ini)"));
    if (fileName.isEmpty())
        return;

    auto fail = [this] {
        ExportFail notice;
        PlaceDialog(&notice, -100, -50);
        notice.exec();
    };
    const QString macroFile = MacroFilePathOf(name);
    if (macroFile.isEmpty() || !QFileInfo(macroFile).isFile()) {
        fail();
        return;
    }
    Content content;
    content.name = name;
    QString mode;
    const QList<QListWidgetItem *> items = ReadMacroFile(macroFile, &mode);
    for (QListWidgetItem *item : items)
        content.rows.append(Row{item->text(), item->icon(), item->type() == 0});
    qDeleteAll(items);
    // A mode line the page would show as a count of 1 is written as one, so
    // the file imports again.
    int value = mode.toInt();
    if (!((value >= 1 && value <= 250) || (value >= 253 && value <= 255)))
        value = 1;
    content.mode = QString::number(value);

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!Write(&buffer, content)) {
            fail();
            return;
        }
    }
    // The user chose the name: a link there is followed to the file it names.
    QString error;
    if (!SaveFile::Write(fileName, bytes, SaveFile::Links::Follow, &error)) {
        qWarning() << "Macro export not written:" << error;
        fail();
    }
}

void Macro::InPortMacro()
{
    const QString fileName = FileDialogs::Open(this, QStringLiteral("SelectFile"), QStringLiteral("File(*.ini)"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowImportFailNotice();
        return;
    }

    // The name clash comes first, whatever else the file holds.
    {
        QDataStream head(&file);
        head.setVersion(QDataStream::Qt_5_9);
        QString tag, name, mode;
        if (ReadHead(head, &tag, &name, &mode) != ReadResult::Ok) {
            ShowImportFailNotice();
            return;
        }
        for (int i = 0; i < ui->listWidgetHong->count(); ++i) {
            if (ui->listWidgetHong->item(i)->text() == name) {
                SameMacro same;
                PlaceDialog(&same, -100, -50, QSize(300, 110));
                same.exec();
                return;
            }
        }
    }

    // Everything is read and checked before the first change: a bad file
    // changes nothing. The name is judged by the rule every new name meets
    // (IsUsableNewName over MacroNames, its length limit included).
    if (!file.seek(0)) {
        ShowImportFailNotice();
        return;
    }
    Content content;
    const ReadResult result = Read(&file, &content, &Macro::IsUsableNewName);
    file.close();
    if (result != ReadResult::Ok) {
        qWarning() << "Macro import refused:" << fileName << int(result);
        ShowImportFailNotice();
        return;
    }

    QList<QListWidgetItem *> rows;
    for (const Row &row : content.rows) {
        // The page's own images: the rows look like every other row.
        QListWidgetItem *item = nullptr;
        int kind = 0;
        int mask = 0;
        if (row.text.contains(QLatin1String("ms")))
            item = MacroRowItems::DelayRow(m_PicturePath, row.text);
        else if (!LookupKeyName(row.text, &kind, &mask) && MouseButtonOfAnyLanguage(row.text, &mask))
            // A click exported in another language: this language's name.
            item = MacroRowItems::EventRow(m_PicturePath, MouseButtonName(mask), row.press, KeyKindMouseButton, mask);
        else
            item = MacroRowItems::NamedEventRow(m_PicturePath, row.text, row.press);
        rows.append(item);
    }
    // The file first, in one whole write: the list shows no macro whose file
    // could not be written (a link planted under its name, a full disk), and
    // the rows on show stay those of the macro shown before. The file read
    // was good: the notice says the macro could not be saved.
    if (!WriteMacroFile(content.name, content.mode, rows)) {
        qDeleteAll(rows);
        qWarning() << "Macro import not written:" << MacroFilePathOf(content.name);
        ShowSaveFailNotice();
        return;
    }
    ui->listWidgetHong->addItem(content.name);
    ui->listWidgetHong->setCurrentRow(ui->listWidgetHong->count() - 1);
    ui->listWidgetKey->clear();
    for (QListWidgetItem *item : rows)
        ui->listWidgetKey->addItem(item);
    // The controls show the imported mode, so a later Save keeps it.
    ShowRepeatMode(content.mode);
}
