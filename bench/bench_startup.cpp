// Start-up figures of the utility against a minimal Qt widget program
// started the same way (child processes of this program, offscreen, fresh
// per-user folder, private temporary and runtime folders so a running copy
// of the utility cannot hold the single-instance key; the two are started in
// turn, so both meet the same load of the machine):
//  - time from process start to the first paint of the first window (the
//    device list for the utility, one empty frameless 1020 x 700 dialog for
//    the minimal program, bench_minimal_program beside this program);
//  - CPU time the process has used by then;
//  - resident memory at that same moment, for both programs;
//  - for the utility also the time, CPU time and resident memory once the main
//    frame it builds after its first paint is there and prepared for its
//    first show (no input given), and the resident memory after the first
//    full read of a simulated mouse (no counterpart in the minimal program). The 10 ms poll that notices the
//    build may add up to 10 ms to its elapsed time, nothing to its CPU time;
//  - the longest GUI-thread stall of the utility in each stretch: a 1 ms
//    heartbeat timer runs on the GUI thread from the start of the event loop
//    and the longest gap between two of its ticks, less the 1 ms interval, is
//    the stall (a gap counts for the stretch it ends in). The stretches: to
//    the first paint; from there to the main frame built and prepared (its
//    steps run in it); from a mouse plugged then to its tile on the device
//    list (the list's hot-plug handling); from the tile's click to the filled
//    button page (the first full read); and each switch of the main frame's
//    pages (sensor, macro, settings, back to buttons), clicked in turn 300 ms
//    apart once the button page is filled.
// Usage: bench_startup [runs]   (default 5; the figures are medians)

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FirstPaint.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using BenchChild::FirstPaint;
using BenchChild::Report;
using BenchChild::ResidentKiB;

// The stretches the stall is reported for, in the order they run.
const char *const StallNames[] = {"to_paint",  "to_built", "to_tile",     "click_to_filled",
                                  "to_sensor", "to_macro", "to_settings", "to_buttons"};
constexpr int StallCount = int(sizeof(StallNames) / sizeof(StallNames[0]));
const char *const StallTexts[StallCount] = {"event loop start to first paint",
                                            "first paint to the main frame built and prepared",
                                            "a mouse plugged to its tile on the device list",
                                            "tile click to the filled button page",
                                            "switch to the sensor page",
                                            "switch to the macro page",
                                            "switch to the settings page",
                                            "switch back to the button page"};

// The 1 ms heartbeat on the GUI thread; Next() closes the current stretch
// and reports its longest stall in microseconds.
class Heartbeat : public QObject
{
public:
    explicit Heartbeat(QObject *parent)
        : QObject(parent)
    {
        m_Clock.start();
        m_Last = m_Clock.nsecsElapsed();
        auto *timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, &Heartbeat::Tick);
        timer->start(1);
    }

    void Next()
    {
        Tick();
        if (m_Stretch < StallCount)
            Report((QByteArray("stall_") + StallNames[m_Stretch]).constData(), long(m_Longest / 1000));
        ++m_Stretch;
        m_Longest = 0;
    }

private:
    void Tick()
    {
        const qint64 now = m_Clock.nsecsElapsed();
        m_Longest = std::max(m_Longest, now - m_Last - 1000000);
        m_Last = now;
    }

    QElapsedTimer m_Clock;
    qint64 m_Last = 0;
    qint64 m_Longest = 0;
    int m_Stretch = 0;
};

// The utility: start-up as main runs it. Once the device list is shown, wait
// for the main frame the window builds after its first paint, then plug a
// mouse, select it and wait for its first full read.
int UtilityChild(int argc, char **argv)
{
    Startup::SetWindowHook([](QWidget *window) {
        auto *top = qobject_cast<DialogMain *>(window);
        if (!top)
            return;
        auto *heartbeat = new Heartbeat(top);
        new FirstPaint(window, [top, heartbeat] {
            heartbeat->Next();
            BenchChild::ReportFirstPaint();
            QTimer *poll = new QTimer(top);
            QObject::connect(poll, &QTimer::timeout, [poll, top, heartbeat] {
                static bool built = false;
                static bool clicked = false;
                static bool filled = false;
                static QElapsedTimer sincePageSwitch;
                if (!built) {
                    if (!top->MainFrameReady())
                        return;
                    built = true;
                    heartbeat->Next();
                    Report("built", 0);
                    Report("cpu_built", BenchChild::CpuMs());
                    Report("rss_built", ResidentKiB());
                    HIDUsbSim::DeviceSetup receiver;
                    receiver.mouse = "m1";
                    HIDUsbSim::plug(receiver);
                }
                if (!clicked && !g_TileButtons.isEmpty()) {
                    clicked = true;
                    heartbeat->Next();
                    static_cast<QToolButton *>(g_TileButtons.first())->click();
                }
                if (clicked && !filled && HIDUsbSim::callCount("ProtocolDataParser") > 0 && g_SensorPageUpdated
                    && g_ButtonPageUpdated) {
                    filled = true;
                    heartbeat->Next();
                    Report("rss_read", ResidentKiB());
                    sincePageSwitch.start();
                }
                if (filled && sincePageSwitch.elapsed() >= 300) {
                    Ui_Dialog *form = top->MainFramePage()->Form();
                    QToolButton *const order[] = {form->SensorButton, form->MacroButton, form->FormSetting,
                                                  form->ButtonMain};
                    static int switches = 0;
                    if (switches > 0)
                        heartbeat->Next(); // the switch clicked 300 ms ago
                    if (switches >= 4) {
                        poll->stop();
                        std::_Exit(0);
                    }
                    order[switches++]->click();
                    sincePageSwitch.start();
                }
            });
            poll->start(10);
        });
    });
    return Startup::Run(argc, argv);
}

struct Sample
{
    double shownMs = -1;
    long cpuMs = -1;
    long rssKiB = -1;
    double builtMs = -1;
    long cpuBuiltMs = -1;
    long rssBuiltKiB = -1;
    long rssReadKiB = -1;
    double stallMs[StallCount] = {-1, -1, -1, -1, -1, -1, -1};
};

// program with arguments, as a child with its own per-user folder.
Sample RunChild(const QString &program, const QStringList &arguments)
{
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/tmp");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("TMPDIR", home.path() + "/tmp");
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
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
    child.start(program, arguments);
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
            else if (parts.size() == 2 && parts[0] == "cpu")
                sample.cpuMs = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "rss")
                sample.rssKiB = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "built")
                sample.builtMs = clock.nsecsElapsed() / 1e6;
            else if (parts.size() == 2 && parts[0] == "cpu_built")
                sample.cpuBuiltMs = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "rss_built")
                sample.rssBuiltKiB = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "rss_read")
                sample.rssReadKiB = parts[1].toLong();
            for (int i = 0; i < StallCount && parts.size() == 2; ++i) {
                if (parts[0] == QByteArray("stall_") + StallNames[i])
                    sample.stallMs[i] = parts[1].toLong() / 1000.0;
            }
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
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "utility") == 0) {
        char *args[] = {argv[0], nullptr};
        return UtilityChild(1, args);
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const QString minimal = QCoreApplication::applicationDirPath() + "/bench_minimal_program";
    std::vector<double> stalls[StallCount];
    std::vector<double> appShown, minShown, appCpu, minCpu, appRss, minRss, appRead, appBuilt, appCpuBuilt, appRssBuilt;
    for (int i = 0; i < runs; ++i) {
        const Sample a = RunChild(QCoreApplication::applicationFilePath(), {"--child", "utility"});
        const Sample m = RunChild(minimal, {});
        if (a.shownMs >= 0)
            appShown.push_back(a.shownMs);
        if (a.cpuMs >= 0)
            appCpu.push_back(double(a.cpuMs));
        if (m.cpuMs >= 0)
            minCpu.push_back(double(m.cpuMs));
        if (a.rssKiB >= 0)
            appRss.push_back(double(a.rssKiB));
        if (a.builtMs >= 0)
            appBuilt.push_back(a.builtMs);
        if (a.cpuBuiltMs >= 0)
            appCpuBuilt.push_back(double(a.cpuBuiltMs));
        if (a.rssBuiltKiB >= 0)
            appRssBuilt.push_back(double(a.rssBuiltKiB));
        if (a.rssReadKiB >= 0)
            appRead.push_back(double(a.rssReadKiB));
        for (int s = 0; s < StallCount; ++s) {
            if (a.stallMs[s] >= 0)
                stalls[s].push_back(a.stallMs[s]);
        }
        if (m.shownMs >= 0)
            minShown.push_back(m.shownMs);
        if (m.rssKiB >= 0)
            minRss.push_back(double(m.rssKiB));
    }
    const double as = Median(appShown), ms = Median(minShown), ar = Median(appRss), mr = Median(minRss);
    const double ac = Median(appCpu), mc = Median(minCpu);
    std::printf("runs: %d (medians)\n", runs);
    std::printf("start to first paint: utility %.1f ms, minimal %.1f ms, ratio %.2f\n", as, ms, ms > 0 ? as / ms : 0.0);
    std::printf("CPU time to first paint: utility %.0f ms, minimal %.0f ms, ratio %.2f\n", ac, mc,
                mc > 0 ? ac / mc : 0.0);
    std::printf("resident memory at first paint: utility %.0f KiB, minimal %.0f KiB, ratio %.2f\n", ar, mr,
                mr > 0 ? ar / mr : 0.0);
    std::printf(
        "main frame built and prepared after the first paint (no input): at %.1f ms, CPU %.0f ms, resident memory %.0f "
        "KiB\n",
        Median(appBuilt), Median(appCpuBuilt), Median(appRssBuilt));
    std::printf("resident memory of the utility after the first full read: %.0f KiB\n", Median(appRead));
    std::printf("longest GUI-thread stall (1 ms heartbeat), median / worst of the runs:\n");
    for (int s = 0; s < StallCount; ++s) {
        const double worst = stalls[s].empty() ? -1 : *std::max_element(stalls[s].begin(), stalls[s].end());
        std::printf("  %-60s %6.1f / %6.1f ms\n", StallTexts[s], Median(stalls[s]), worst);
    }
    return (as < 0 || ar < 0 || ms < 0) ? 1 : 0;
}
