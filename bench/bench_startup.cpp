// Start-up figures of the utility against a minimal Qt widget program
// started the same way (a child process of this program, offscreen, fresh
// per-user folder):
//  - time from process start to the first window shown (the device list for
//    the utility, one empty 1020 x 700 window for the minimal program);
//  - resident memory after the first full read of a simulated mouse (the
//    minimal program: right after its window is shown).
// Usage: bench_startup [runs]   (default 5)

#include "DialogMain.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "Startup.h"
#include "DialogChange.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

long ResidentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void Report(const char *what, long value)
{
    std::printf("%s %ld\n", what, value);
    std::fflush(stdout);
}

// The utility: start-up as main runs it; once the device list is shown,
// plug a mouse, select it and wait for its first full read.
int UtilityChild(int argc, char **argv)
{
    Startup::SetWindowHook([](QWidget *window) {
        QTimer::singleShot(0, window, [] {
            Report("shown", 0);
            HIDUsbSim::DeviceSetup receiver;
            receiver.mouse = "m1";
            HIDUsbSim::plug(receiver);
            QTimer *poll = new QTimer;
            QObject::connect(poll, &QTimer::timeout, [poll] {
                static bool clicked = false;
                if (!clicked && !g_TileButtons.isEmpty()) {
                    clicked = true;
                    static_cast<QToolButton *>(g_TileButtons.first())->click();
                }
                if (clicked && HIDUsbSim::callCount("ProtocolDataParser") > 0 && g_SensorPageUpdated
                    && g_ButtonPageUpdated) {
                    poll->stop();
                    Report("rss", ResidentKiB());
                    std::fflush(stdout);
                    std::_Exit(0);
                }
            });
            poll->start(10);
        });
    });
    return Startup::Run(argc, argv);
}

int MinimalChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1020, 700);
    window.show();
    QTimer::singleShot(0, &window, [] {
        Report("shown", 0);
        Report("rss", ResidentKiB());
        std::_Exit(0);
    });
    return app.exec();
}

struct Sample
{
    double shownMs = -1;
    long rssKiB = -1;
};

Sample RunChild(const QString &role)
{
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/tmp");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("TMPDIR", home.path() + "/tmp");
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/tmp");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HIDUSB_SIM_DEVICES", "none");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");

    Sample sample;
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), { "--child", role });
    QByteArray pending;
    while (child.state() != QProcess::NotRunning || child.bytesAvailable()) {
        child.waitForReadyRead(100);
        pending += child.readAllStandardOutput();
        int eol;
        while ((eol = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> parts = pending.left(eol).split(' ');
            pending.remove(0, eol + 1);
            if (parts.size() == 2 && parts[0] == "shown")
                sample.shownMs = clock.nsecsElapsed() / 1e6;
            else if (parts.size() == 2 && parts[0] == "rss")
                sample.rssKiB = parts[1].toLong();
        }
        if (clock.elapsed() > 60000) {
            child.kill();
            break;
        }
    }
    child.waitForFinished(5000);
    return sample;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0) {
        char *args[] = { argv[0], nullptr };
        int n = 1;
        if (std::strcmp(argv[2], "utility") == 0)
            return UtilityChild(n, args);
        return MinimalChild(n, args);
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    std::vector<double> appShown, minShown, appRss, minRss;
    for (int i = 0; i < runs; ++i) {
        const Sample a = RunChild("utility");
        const Sample m = RunChild("minimal");
        if (a.shownMs >= 0)
            appShown.push_back(a.shownMs);
        if (a.rssKiB >= 0)
            appRss.push_back(double(a.rssKiB));
        if (m.shownMs >= 0)
            minShown.push_back(m.shownMs);
        if (m.rssKiB >= 0)
            minRss.push_back(double(m.rssKiB));
    }
    const double as = Median(appShown), ms = Median(minShown), ar = Median(appRss), mr = Median(minRss);
    std::printf("runs: %d (medians)\n", runs);
    std::printf("start to first window: utility %.1f ms, minimal %.1f ms, ratio %.2f\n", as, ms,
                ms > 0 ? as / ms : 0.0);
    std::printf("resident memory: utility %.0f KiB (after first full read), minimal %.0f KiB, ratio %.2f\n", ar, mr,
                mr > 0 ? ar / mr : 0.0);
    return (as < 0 || ar < 0) ? 1 : 0;
}
