#pragma once
// What bench_startup's two children report, written once so the utility and
// the minimal program are measured by the same code at the same moment: right
// after the first paint of their first window has been flushed.
//
// Each child prints lines "<name> <value>" on standard output:
//   shown 0       the parent takes the time it reads this line;
//   cpu_us <us>   CPU time the process has used so far (user and system, all
//                 its threads, from its own resource usage), a figure that
//                 moves far less with the machine's load than the elapsed
//                 time does; in microseconds, as the minimal program uses
//                 only some ten milliseconds to its first paint;
//   rss <KiB>     resident memory (VmRSS of /proc/self/status).

#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

#include <sys/resource.h>

namespace BenchChild {

inline long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

inline long CpuUs()
{
    rusage used{};
    if (getrusage(RUSAGE_SELF, &used) != 0)
        return -1;
    return (long(used.ru_utime.tv_sec) + long(used.ru_stime.tv_sec)) * 1000000 + long(used.ru_utime.tv_usec)
        + long(used.ru_stime.tv_usec);
}

inline void Report(const char *what, long value)
{
    std::printf("%s %ld\n", what, value);
    std::fflush(stdout);
}

inline void ReportFirstPaint()
{
    Report("shown", 0);
    Report("cpu_us", CpuUs());
    Report("rss", ResidentKiB());
}

// Calls done once, right after the window's first paint has been flushed:
// the top-level window gets its paint event before its children, so the
// zero timer posted from it runs when the whole window is on screen.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<void()> done)
        : QObject(window)
        , m_Done(std::move(done))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_Done) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::move(m_Done));
            m_Done = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_Done;
};

} // namespace BenchChild
