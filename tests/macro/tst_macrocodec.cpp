// The device macro record and the exchange file as pure data: what a list of
// rows builds, what a record parses into, and which exchange files the reader
// refuses.

#include "TestMain.h"

#include "GlobalState.h"
#include "KeyVocabulary.h"
#include "MacroExchange.h"
#include "MacroNames.h"
#include "MacroRecordCodec.h"

#include <QBuffer>
#include <QDataStream>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest/QtTest>

using MacroRecordCodec::Row;
Q_DECLARE_METATYPE(MacroRecordCodec::Row)

namespace {

Row Event(const QString &name, bool press)
{
    return Row{name, press, -1, 0};
}
Row Delay(const QString &text)
{
    return Row{text, true, -1, 0};
}

QByteArray Bytes(const MacroRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

// "A press, 10ms, A release, 10ms, ..." with n events.
QVector<Row> Alternating(int events)
{
    QVector<Row> rows;
    for (int k = 0; k < events; ++k) {
        if (k > 0)
            rows << Delay(QString::number(k) + "ms");
        rows << Event("A", k % 2 == 0);
    }
    return rows;
}

bool AcceptName(const QString &name)
{
    return MacroNames::IsValidName(name);
}

quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray PngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    QDataStream out(&chunk, QIODevice::WriteOnly);
    out << quint32(data.size());
    out.writeRawData(type.constData(), 4);
    out.writeRawData(data.constData(), data.size());
    out << Crc32(type + data);
    return chunk;
}

// The bytes of an icon as QIcon's stream operator writes one picture: its
// engine, one entry with a PNG whose header declares width x height, and
// filler bytes as its image data.
QByteArray IconOfDeclaredSize(quint32 width, quint32 height, int filler)
{
    QByteArray header;
    QDataStream h(&header, QIODevice::WriteOnly);
    h << width << height << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header)
        + PngChunk("IDAT", QByteArray(filler, '\x55')) + PngChunk("IEND", QByteArray());
    QByteArray icon;
    QDataStream out(&icon, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_9);
    out << QString("QPixmapIconEngine") << qint32(1) << qint32(1);
    out.writeRawData(png.constData(), png.size());
    out << QString("big.png") << QSize(int(width), int(height)) << quint32(0) << quint32(0);
    return icon;
}

} // namespace

class TestMacroCodec : public QObject
{
    Q_OBJECT

private slots:
    void buildsEventsAndDelays_data();
    void buildsEventsAndDelays();
    void nameIsCutAtACharacterBoundary_data();
    void nameIsCutAtACharacterBoundary();
    void parseClampsTheEventCount_data();
    void parseClampsTheEventCount();
    void parseNamesKeysModifiersAndButtons();
    void exchangeRoundTripAndLayout();
    void exchangeRefusesDamagedFiles_data();
    void exchangeRefusesDamagedFiles();
    void exchangeStepsOverIcons_data();
    void exchangeStepsOverIcons();
};

void TestMacroCodec::buildsEventsAndDelays_data()
{
    QTest::addColumn<QVector<Row>>("rows");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("events"); // hex of the first events
    QTest::addColumn<int>("lastDelay");     // delay of the last event

    QTest::newRow("A press, 10ms, A release") << QVector<Row>{Event("A", true), Delay("10ms"), Event("A", false)} << 2
                                              << QByteArray("00010400"
                                                            "0a000000"
                                                            "01010400"
                                                            "00000000")
                                              << 0;
    QTest::newRow("no rows") << QVector<Row>{} << 0 << QByteArray("0000000000000000") << 0;
    // A trailing delay makes no event of its own.
    QTest::newRow("trailing delay") << QVector<Row>{Event("A", true), Delay("10ms")} << 1
                                    << QByteArray("00010400"
                                                  "00000000"
                                                  "00000000"
                                                  "00000000")
                                    << 0;
    QTest::newRow("1234ms and a text that is no number")
        << QVector<Row>{Event("A", true), Delay("1234ms"), Event("B", true), Delay("xms"), Event("B", false)} << 3
        << QByteArray("00010400"
                      "d2040000"
                      "00010500"
                      "00000000")
        << 0;
    // More than the record holds: cut to 70, the 70th without delay.
    QTest::newRow("71 events") << Alternating(71) << 70
                               << QByteArray("00010400"
                                             "01000000")
                               << 0;
    QTest::newRow("70 events and a trailing delay") << (Alternating(70) << Delay("99ms")) << 70
                                                    << QByteArray("00010400"
                                                                  "01000000")
                                                    << 0;
}

void TestMacroCodec::buildsEventsAndDelays()
{
    QFETCH(QVector<Row>, rows);
    QFETCH(int, count);
    QFETCH(QByteArray, events);
    QFETCH(int, lastDelay);

    const MacroRecord record = MacroRecordCodec::Build("M1", rows);
    const QByteArray bytes = Bytes(record);
    QCOMPARE(bytes.size(), 592);
    QCOMPARE(bytes.left(4).toHex(), QByteArray("024d3100"));
    QCOMPARE(int(record.EventCount), count);
    QCOMPARE(bytes.mid(32, events.size() / 2).toHex(), events);
    if (count > 0)
        QCOMPARE(int(record.Events[count - 1].Delay), lastDelay);
    // Nothing after the last event.
    QCOMPARE(bytes.mid(32 + 8 * count), QByteArray(592 - 32 - 8 * count, '\0'));
}

void TestMacroCodec::nameIsCutAtACharacterBoundary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");

    const QString cjk10 = QString(10, QChar(0x5B8F)); // 30 bytes in UTF-8
    QTest::newRow("30-byte CJK name fits whole") << cjk10 << cjk10;
    QTest::newRow("33-byte CJK name loses its last character") << cjk10 + QChar(0x5B8F) << cjk10;
    QTest::newRow("29 ASCII and a CJK character") << QString(29, 'a') + QChar(0x5B8F) << QString(29, 'a');
    QTest::newRow("40 ASCII") << QString(40, 'b') << QString(30, 'b');
    QTest::newRow("emoji pair not split")
        << QString(28, 'c') + QString::fromUtf8("\xF0\x9F\x98\x80") << QString(28, 'c');
}

void TestMacroCodec::nameIsCutAtACharacterBoundary()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const MacroRecord record = MacroRecordCodec::Build(name, {});
    QVERIFY(record.NameLength <= 30);
    QCOMPARE(int(record.NameLength), stored.toLocal8Bit().size());
    QCOMPARE(MacroRecordCodec::Parse(record).name, stored);
}

void TestMacroCodec::parseClampsTheEventCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("events");
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("70") << 70 << 70;
    QTest::newRow("71") << 71 << 70;
    QTest::newRow("255") << 255 << 70;
}

void TestMacroCodec::parseClampsTheEventCount()
{
    QFETCH(int, count);
    QFETCH(int, events);
    // A whole parameter record, so a read past the macro would land in the
    // next button's record rather than outside memory; the events there are
    // marked and must not show up.
    FlashDataMap map = FlashData::zeroRecord();
    MacroRecord &record = map.Macros[0];
    record.EventCount = quint8(count);
    for (MacroEvent &event : record.Events) {
        event.Kind = KeyKindKey;
        event.Code = 0x04;
    }
    map.Macros[1].Events[0].Kind = KeyKindKey;
    map.Macros[1].Events[0].Code = 0x05;
    const MacroRecordCodec::Parsed parsed = MacroRecordCodec::Parse(record);
    QCOMPARE(parsed.events.size(), events);
    for (const MacroRecordCodec::Event &event : parsed.events)
        QCOMPARE(event.name, QString("A"));
}

void TestMacroCodec::parseNamesKeysModifiersAndButtons()
{
    g_MouseButtonNames[MouseButtonRight] = "Right";
    MacroRecord record;
    std::memset(&record, 0, sizeof record);
    // A name of exactly 30 bytes has no zero byte; bytes after a zero inside
    // the field are not part of the name.
    std::memcpy(record.Name, QByteArray(30, 'n').constData(), 30);
    record.EventCount = 3;
    record.Events[0] = MacroEvent{0, KeyKindModifier, 0x20, 7};
    record.Events[1] = MacroEvent{1, KeyKindKey, 0x20, 8};
    record.Events[2] = MacroEvent{0, KeyKindMouseButton, 0x02, 9};
    MacroRecordCodec::Parsed parsed = MacroRecordCodec::Parse(record);
    QCOMPARE(parsed.name, QString(30, 'n'));
    QCOMPARE(parsed.events.size(), 3);
    QCOMPARE(parsed.events.at(0).name, QString("RShift"));
    QVERIFY(parsed.events.at(0).press);
    QCOMPARE(parsed.events.at(0).delay, 7u);
    QCOMPARE(parsed.events.at(1).name, QString("3"));
    QVERIFY(!parsed.events.at(1).press);
    QCOMPARE(parsed.events.at(2).name, QString("Right"));

    record.Name[2] = '\0';
    QCOMPARE(MacroRecordCodec::Parse(record).name, QString("nn"));
}

void TestMacroCodec::exchangeRoundTripAndLayout()
{
    MacroExchange::Content content;
    content.name = QString(20, QChar(0x5B8F)); // 60 bytes: cut to 15 characters (45 bytes)
    content.mode = "255";
    content.rows = {{"A", QIcon(), true}, {"10ms", QIcon(), true}, {"A", QIcon(), false}};
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(MacroExchange::Write(&buffer, content));

    const QByteArray data = buffer.data();
    QCOMPARE(data.left(16).toHex(), QByteArray("0000000c5661726e6f00000000000000"));
    QCOMPARE(data.mid(16, 4).toHex(), QByteArray("00000030"));
    QCOMPARE(data.mid(20 + 45, 3), QByteArray(3, '\0'));

    buffer.seek(0);
    MacroExchange::Content back;
    QCOMPARE(MacroExchange::Read(&buffer, &back, &AcceptName), MacroExchange::ReadResult::Ok);
    QCOMPARE(back.name, QString(15, QChar(0x5B8F)));
    QCOMPARE(back.mode, QString("255"));
    QCOMPARE(back.rows.size(), 3);
    QCOMPARE(back.rows.at(0).text, QString("A"));
    QVERIFY(back.rows.at(0).press);
    QCOMPARE(back.rows.at(1).text, QString("10ms"));
    QVERIFY(!back.rows.at(2).press);
}

void TestMacroCodec::exchangeRefusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");

    auto make = [](const QByteArray &tag, const QString &name, const QString &mode, qint32 count,
                   const QStringList &rows, int cut = 0) {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_9);
        QByteArray t = tag, n = name.toUtf8(), m = mode.toUtf8();
        t.resize(12);
        n.resize(48);
        m.resize(12);
        stream.writeBytes(t.constData(), 12);
        stream.writeBytes(n.constData(), 48);
        stream.writeBytes(m.constData(), 12);
        stream << count;
        for (const QString &row : rows) {
            stream << row << QIcon();
            if (!row.contains("ms"))
                stream << "0";
        }
        return cut ? data.left(data.size() - cut) : data;
    };
    using R = MacroExchange::ReadResult;
    const QStringList three{"A", "10ms", "A"};
    QTest::newRow("sound") << make("Varno", "X", "3", 3, three) << int(R::Ok);
    QTest::newRow("truncated last row") << make("Varno", "X", "3", 3, three, 3) << int(R::Damaged);
    QTest::newRow("truncated in the blocks") << make("Varno", "X", "3", 3, three).left(30) << int(R::Damaged);
    QTest::newRow("wrong tag") << make("Varna", "X", "3", 3, three) << int(R::WrongTag);
    QTest::newRow("count 0x7FFFFFFF") << make("Varno", "X", "3", 0x7FFFFFFF, three) << int(R::Damaged);
    QTest::newRow("count above the rows") << make("Varno", "X", "3", 5, three) << int(R::Damaged);
    QTest::newRow("count negative") << make("Varno", "X", "3", -1, three) << int(R::Damaged);
    QTest::newRow("name ../evil") << make("Varno", "../evil", "3", 3, three) << int(R::BadName);
    QTest::newRow("mode 0") << make("Varno", "X", "0", 3, three) << int(R::BadMode);
    QTest::newRow("row with a line break")
        << make("Varno", "X", "3", 3, {"A\n0x04 1 0", "10ms", "A"}) << int(R::BadRow);
    QTest::newRow("delay row that is no number") << make("Varno", "X", "3", 3, {"A", "farms", "A"}) << int(R::BadRow);
    // Inserts make macros longer than the mouse's 70 events; the export
    // writes them whole and the import takes them back.
    QStringList eighty;
    for (int k = 0; k < 80; ++k)
        eighty << (k ? QStringList{"10ms", "A"} : QStringList{"A"});
    QTest::newRow("80 events, 159 rows") << make("Varno", "X", "3", 159, eighty) << int(R::Ok);
}

void TestMacroCodec::exchangeRefusesDamagedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    MacroExchange::Content content;
    content.name = "untouched";
    QCOMPARE(int(MacroExchange::Read(&buffer, &content, &AcceptName)), result);
    if (result != int(MacroExchange::ReadResult::Ok))
        QCOMPARE(content.name, QString("untouched"));
}

// The row icons are stepped over, never decoded: whatever picture a file
// carries costs no memory, and the icons this utility writes read as they
// were written (the row after each one is read right).
void TestMacroCodec::exchangeStepsOverIcons_data()
{
    QTest::addColumn<QByteArray>("icon"); // the icon's bytes in the stream
    QTest::addColumn<int>("result");
    auto written = [](const QIcon &icon) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_9);
        out << icon;
        return bytes;
    };
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QIcon twoSizes(red);
    QPixmap blue(32, 24);
    blue.fill(Qt::blue);
    twoSizes.addPixmap(blue, QIcon::Disabled, QIcon::On);
    static QTemporaryDir dir;
    const QString file = dir.filePath("row.png");
    QImage(20, 20, QImage::Format_ARGB32).save(file);
    using R = MacroExchange::ReadResult;
    QTest::newRow("null icon") << written(QIcon()) << int(R::Ok);
    QTest::newRow("pixmap") << written(QIcon(red)) << int(R::Ok);
    QTest::newRow("two pixmaps") << written(twoSizes) << int(R::Ok);
    QTest::newRow("picture file") << written(QIcon(file)) << int(R::Ok);
    // 23000 x 23000 pixels, about 2 GB decoded, in a few bytes.
    QTest::newRow("23000 x 23000 picture") << IconOfDeclaredSize(23000, 23000, 64) << int(R::Ok);
    QTest::newRow("picture data cut off") << IconOfDeclaredSize(16, 16, 64).left(60) << int(R::Damaged);
    QByteArray unknown;
    {
        QDataStream engine(&unknown, QIODevice::WriteOnly);
        engine << QString("SomeOtherEngine") << qint32(0);
    }
    QTest::newRow("unknown icon engine") << unknown << int(R::Damaged);
}

void TestMacroCodec::exchangeStepsOverIcons()
{
    QFETCH(QByteArray, icon);
    QFETCH(int, result);
    // Rows A (with the icon), 10ms and A, as the writer lays them out.
    QByteArray data;
    {
        MacroExchange::Content head;
        head.name = "X";
        head.mode = "3";
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(MacroExchange::Write(&buffer, head));
    }
    data.chop(4); // the row count of the empty content
    QDataStream out(&data, QIODevice::Append);
    out.setVersion(QDataStream::Qt_5_9);
    out << qint32(3) << QString("A");
    out.writeRawData(icon.constData(), icon.size());
    out << "0" << QString("10ms") << QIcon() << QString("B") << QIcon() << "1";

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    MacroExchange::Content content;
    QCOMPARE(int(MacroExchange::Read(&buffer, &content, &AcceptName)), result);
    if (result != int(MacroExchange::ReadResult::Ok))
        return;
    QCOMPARE(content.rows.size(), 3);
    QCOMPARE(content.rows.at(0).text, QString("A"));
    QVERIFY(content.rows.at(0).press);
    QCOMPARE(content.rows.at(2).text, QString("B"));
    QVERIFY(!content.rows.at(2).press);
    QVERIFY(buffer.atEnd());
}

ORVIK_TEST_MAIN(TestMacroCodec)
#include "tst_macrocodec.moc"
