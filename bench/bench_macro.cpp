// Figures of the macro page's data paths, on whole macros of the largest size
// the device takes:
//  - a 70-event macro record built from its 139 rows, and parsed back;
//  - an exchange file of a 139-row macro (texts, the page's row icons and
//    press flags) written and read back with all its checks.
// Run by hand from the build's application folder; prints µs per operation.

#include "MacroExchange.h"
#include "MacroNames.h"
#include "MacroRecordCodec.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QIcon>

#include <cstdio>

namespace {

bool AcceptName(const QString &name)
{
    return MacroNames::IsValidName(name);
}

template<typename Fn>
double MicrosPerRun(int runs, Fn fn)
{
    fn(); // warm-up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        fn();
    return double(timer.nsecsElapsed()) / runs / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;

    const QString keys[] = {"A", "LShift", "F5", "Num7", "Space"};
    QVector<MacroRecordCodec::Row> rows;
    for (int k = 0; k < 70; ++k) {
        if (k > 0)
            rows.append(MacroRecordCodec::Row{QString::number(10 + k) + "ms", true, -1, 0});
        rows.append(MacroRecordCodec::Row{keys[(k / 2) % 5], k % 2 == 0, -1, 0});
    }

    volatile int sink = 0;
    const double build = MicrosPerRun(runs, [&] {
        const MacroRecord record = MacroRecordCodec::Build("Benchmark macro", rows);
        sink = sink + record.EventCount;
    });
    const MacroRecord record = MacroRecordCodec::Build("Benchmark macro", rows);
    const double parse = MicrosPerRun(runs, [&] { sink = sink + MacroRecordCodec::Parse(record).events.size(); });

    const QString pictures = QCoreApplication::applicationDirPath() + "/Picture/Macro/";
    const QIcon down(pictures + "MacroDown.png"), up(pictures + "MacroUp.png"), time(pictures + "MacroTime.png");
    MacroExchange::Content content;
    content.name = "Benchmark macro";
    content.mode = "3";
    for (const MacroRecordCodec::Row &row : rows) {
        const bool delay = row.text.contains("ms");
        content.rows.append(MacroExchange::Row{row.text, delay ? time : (row.press ? down : up), row.press});
    }
    qint64 fileSize = 0;
    int readRows = 0;
    const double exchange = MicrosPerRun(runs / 10 + 1, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        MacroExchange::Write(&buffer, content);
        fileSize = buffer.size();
        buffer.seek(0);
        MacroExchange::Content back;
        if (MacroExchange::Read(&buffer, &back, &AcceptName) == MacroExchange::ReadResult::Ok)
            readRows = back.rows.size();
    });

    std::printf("macro record, 70 events: build %.2f us, parse %.2f us\n", build, parse);
    std::printf("exchange file, %d rows (%lld bytes): write + read %.1f us\n", readRows,
                static_cast<long long>(fileSize), exchange);
    return readRows == 139 ? 0 : 1;
}
