#pragma once
// The device's macro record of one button and the page's rows, both ways.
// Pure functions: no widget, no device, no global except the current
// mouse-button names the key vocabulary reads.
//
// A record holds a name of at most 30 bytes in the local 8-bit code page and
// at most 70 events; anything longer is cut, never written past the record
// (the next button's record follows it directly in the parameter memory).

#include "FlashDataMap.h"

#include <QString>
#include <QVector>

namespace MacroRecordCodec {

constexpr int NameBytes = 30;
constexpr int MaxEvents = 70;

// One row of the page as the builder sees it.
struct Row
{
    QString text;
    bool press = true; // event rows: item type 0
    int kind = -1;     // the kind and code the row was made with; -1: by its name
    int code = 0;
};

// The local 8-bit bytes of name, cut at a character boundary to at most
// maxBytes.
QByteArray CutLocal8Bit(const QString &name, int maxBytes);
// The same in UTF-8.
QByteArray CutUtf8(const QString &name, int maxBytes);

// The record of a macro. Rows alternate event and delay by position (even
// rows events, odd rows the delay after the event before them); a trailing
// delay row makes no event, and the last event's delay is always 0.
MacroRecord Build(const QString &name, const QVector<Row> &rows);

// One event of a record, with the name its row shows.
struct Event
{
    QString name;
    bool press = true;
    quint32 delay = 0;
};

struct Parsed
{
    QString name;          // bytes 1..30 up to the first zero byte
    QVector<Event> events; // at most 70, whatever the count byte says
};

Parsed Parse(const MacroRecord &record);

} // namespace MacroRecordCodec
