#pragma once
// The macro exchange file: one macro (name, repeat mode, rows with texts and
// icons) in a QDataStream of stream version Qt 5.9, big-endian, so files made
// by older copies of the utility read back and ours read there:
//   byte block "Varno" (12 bytes), byte block name (48 bytes, UTF-8, zero
//   padded), byte block mode (12 bytes, decimal text), int32 row count, then
//   per row its QString text, its QIcon and, for event rows, the const char*
//   flag "0" (press) or "1" (release). The flag is read back as a QString,
//   where "0" arrives as U+3000: that one text means press.
//
// The reader trusts nothing: every field is checked as it is read, lengths
// and the row count are held to what the remaining bytes allow, and the whole
// content is validated before the caller creates anything. The row icons are
// stepped over, never decoded (the page shows its own pictures): a file may
// carry a picture of any size. Any number of rows the bytes hold is read, as
// the page makes macros longer than the mouse's 70 events through inserts and
// every file the export writes must import again.

#include <QIcon>
#include <QString>
#include <QVector>

class QIODevice;

namespace MacroExchange {

constexpr int TagBlockSize = 12;
constexpr int NameBlockSize = 48;
constexpr int ModeBlockSize = 12;
struct Row
{
    QString text;
    QIcon icon;        // written; the reader leaves it null
    bool press = true; // event rows only
};

struct Content
{
    QString name;
    QString mode; // "254", "255", "253" or a count 1..250
    QVector<Row> rows;
};

// Writes the whole file; false when the device refused a byte. A name over
// 47 UTF-8 bytes is cut at a character boundary.
bool Write(QIODevice *device, const Content &content);

enum class ReadResult {
    Ok,
    Damaged,  // truncated, or a length or count the bytes cannot hold
    WrongTag, // not an exchange file
    BadName,  // a name that cannot become a macro file
    BadMode,
    BadRow
};

// Reads the three blocks only (the caller tests the name for a clash before
// anything else, as the page always did).
ReadResult ReadHead(QDataStream &stream, QString *tag, QString *name, QString *mode);
// Reads and validates the whole file into content; content is filled only
// for ReadResult::Ok. nameAccepted judges the name.
ReadResult Read(QIODevice *device, Content *content, bool (*nameAccepted)(const QString &));
// The rows part, after ReadHead.
ReadResult ReadRows(QDataStream &stream, QVector<Row> *rows);
// Steps over one QIcon of stream version Qt 5.9 without decoding a picture;
// false when the bytes are not an icon this utility's exports carry.
bool SkipIcon(QDataStream &stream);

bool IsValidMode(const QString &mode);

} // namespace MacroExchange
