#include "MacroRecordCodec.h"

#include "KeyVocabulary.h"

#include <cstring>

namespace MacroRecordCodec {

namespace {

// Cuts text to whole characters (a surrogate pair is one) whose encoding
// fits maxBytes.
template<typename Encode>
QByteArray CutEncoded(const QString &text, int maxBytes, Encode encode)
{
    QByteArray whole = encode(text);
    if (whole.size() <= maxBytes)
        return whole;
    QByteArray bytes;
    for (int i = 0; i < text.size();) {
        const int width =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QByteArray one = encode(text.mid(i, width));
        if (bytes.size() + one.size() > maxBytes)
            break;
        bytes += one;
        i += width;
    }
    return bytes;
}

// The number in a delay row's text with every "ms" removed; 0 when it is
// not a number of 32 bits.
quint32 DelayOf(const QString &text)
{
    QString digits = text;
    digits.remove(QStringLiteral("ms"));
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    return ok && value <= 0xFFFFFFFFull ? quint32(value) : 0;
}

} // namespace

QByteArray CutLocal8Bit(const QString &name, int maxBytes)
{
    return CutEncoded(name, maxBytes, [](const QString &s) { return s.toLocal8Bit(); });
}

QByteArray CutUtf8(const QString &name, int maxBytes)
{
    return CutEncoded(name, maxBytes, [](const QString &s) { return s.toUtf8(); });
}

MacroRecord Build(const QString &name, const QVector<Row> &rows)
{
    MacroRecord record;
    std::memset(&record, 0, sizeof record);

    const QByteArray nameBytes = CutLocal8Bit(name, NameBytes);
    record.NameLength = quint8(nameBytes.size());
    std::memcpy(record.Name, nameBytes.constData(), size_t(nameBytes.size()));

    // Events sit at the even positions; a delay row after the last event
    // (or after the 70th) has no event to belong to.
    const int events = qMin((rows.size() + 1) / 2, MaxEvents);
    auto *bytes = reinterpret_cast<uint8_t *>(&record);
    for (int k = 0; k < events; ++k) {
        const Row &row = rows.at(2 * k);
        MacroEvent &event = record.Events[k];
        if (row.kind >= 0) {
            event.Kind = quint8(row.kind);
            event.Code = quint16(row.code);
        } else {
            KeyNameToDeviceCode(row.text, k, bytes);
        }
        event.State = row.press ? 0 : 1;
        if (k + 1 < events && 2 * k + 1 < rows.size())
            event.Delay = DelayOf(rows.at(2 * k + 1).text);
    }
    record.EventCount = quint8(events);
    return record;
}

Parsed Parse(const MacroRecord &record)
{
    Parsed parsed;
    const int length = int(qstrnlen(record.Name, NameBytes));
    parsed.name = QString::fromLocal8Bit(record.Name, length);

    const int count = qMin(int(record.EventCount), MaxEvents);
    parsed.events.reserve(count);
    for (int k = 0; k < count; ++k) {
        const MacroEvent &source = record.Events[k];
        Event event;
        event.name = source.Kind == KeyKindMouseButton ? MouseButtonName(source.Code)
                                                       : DeviceCodeToKeyName(source.Code, source.Kind);
        event.press = source.State == 0;
        event.delay = source.Delay;
        parsed.events.append(event);
    }
    return parsed;
}

} // namespace MacroRecordCodec
