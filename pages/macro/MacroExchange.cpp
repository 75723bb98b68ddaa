// The exchange file's reader and writer, and the page's export and import
// actions of the macro list's context menu.

#include "MacroExchange.h"

#include "FileDialogs.h"
#include "Macro.h"
#include "MacroForm.h"
#include "MacroRecordCodec.h"
#include "MacroRowItems.h"
#include "SameMacro.h"

#include <QButtonGroup>
#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

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

} // namespace

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
    if (count < 0 || count > MaxRows || qint64(count) * 8 > Remaining(stream))
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
        stream >> row.icon;
        if (stream.status() != QDataStream::Ok)
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

void Macro::ExPortMacro()
{
    if (!HasSelectedMacro())
        return;
    const QString fileName = FileDialogs::Save(this, QStringLiteral("FileSave"), QStringLiteral("File(*.ini)"));
    if (fileName.isEmpty())
        return;

    Content content;
    content.name = CurrentMacroName();
    content.mode = RepeatModeText();
    for (int i = 0; i < ui->listWidgetKey->count(); ++i) {
        const QListWidgetItem *item = ui->listWidgetKey->item(i);
        content.rows.append(Row{item->text(), item->icon(), item->type() == 0});
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (!Write(&file, content)) {
        file.cancelWriting();
        return;
    }
    if (!file.commit())
        qWarning() << "Macro export not written:" << fileName << file.errorString();
}

void Macro::InPortMacro()
{
    const QString fileName = FileDialogs::Open(this, QStringLiteral("SelectFile"), QStringLiteral("File(*.ini)"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;

    // The name clash comes first, whatever else the file holds.
    {
        QDataStream head(&file);
        head.setVersion(QDataStream::Qt_5_9);
        QString tag, name, mode;
        if (ReadHead(head, &tag, &name, &mode) != ReadResult::Ok)
            return;
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
    // changes nothing.
    if (!file.seek(0))
        return;
    Content content;
    const ReadResult result = Read(&file, &content, &Macro::IsUsableNewName);
    file.close();
    if (result != ReadResult::Ok) {
        qWarning() << "Macro import refused:" << fileName << int(result);
        return;
    }

    ui->listWidgetHong->addItem(content.name);
    ui->listWidgetHong->setCurrentRow(ui->listWidgetHong->count() - 1);
    CreateMacroFile();
    ui->listWidgetKey->clear();
    for (const Row &row : content.rows) {
        // The page's own images: the rows look like every other row.
        QListWidgetItem *item = row.text.contains(QLatin1String("ms"))
            ? MacroRowItems::DelayRow(m_PicturePath, row.text)
            : MacroRowItems::NamedEventRow(m_PicturePath, row.text, row.press);
        ui->listWidgetKey->addItem(item);
    }
    SaveMacroFile(content.mode);
    // The controls show the imported mode, so a later Save keeps it.
    ShowRepeatMode(content.mode);
}
