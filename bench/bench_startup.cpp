// Start-up figures of the utility against a minimal Qt widget program
// started the same way (child processes of this program, offscreen, fresh
// per-user folder, private temporary and runtime folders so a running copy
// of the utility cannot hold the single-instance key), in pairs: one of each,
// the order alternating from pair to pair (the utility first in the first
// pair, the minimal program first in the next), and every start after the
// same 1 s pause, so neither program always follows the other's run (the
// utility's is some seconds long and mostly idle, the minimal program's
// short) and both meet the same state of the machine:
//  - time from process start to the first paint of the first window (the
//    device list for the utility, one empty frameless 1020 x 700 dialog for
//    the minimal program, bench_minimal_program beside this program);
//  - CPU time the process has used by then (user and system, all threads, in
//    microseconds, from its own resource usage);
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
//    apart once the button page is filled; then, driven as a user's mouse
//    would (events handed to the window, which finds the widget under the
//    pointer), on the sensor page the DPI level indicator dragged to the next
//    level and the DPI slider's handle dragged along the groove, and on the
//    settings page the pointer brought onto the language selector and the
//    selector opened by a press 200 ms later (its list's first show), and
//    another language picked from it (every window takes its texts).
// The utility starts with the simulated mice a user sees by default (the
// built-in wireless and corded mice: their tiles are on the device list from
// the start) unless HIDUSB_SIM_DEVICES is set for the bench (none: an empty
// list); the mouse plugged once the frame is built is a tile more.
// Usage: bench_startup [pairs]   (default 6; each figure is printed as the
// median and the spread, lowest to highest, of the runs; the ratios of time
// and CPU time are taken per pair and shown for all pairs and for each order
// apart, so a bias of the order shows; the GUI-thread stalls over 16 ms from
// the first paint on close the output; the children run offscreen unless QT_QPA_PLATFORM
// names another platform, such as xcb)

#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogForm.h"
#include "DialogMain.h"
#include "FirstPaint.h"
#include "FlashDataMap.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsbSim.h"
#include "LanguageLoader.h"
#include "Sensor.h"
#include "SensorDPIForm.h"
#include "SensorForm.h"
#include "Startup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using BenchChild::FirstPaint;
using BenchChild::Report;
using BenchChild::ResidentKiB;

// The stretches the stall is reported for, in the order they run.
const char *const StallNames[] = {"to_paint",  "to_built",   "to_tile",       "click_to_filled",
                                  "to_sensor", "to_macro",   "to_settings",   "to_buttons",
                                  "dpi_drag",  "dpi_slider", "language_open", "language_pick"};
constexpr int StallCount = int(sizeof(StallNames) / sizeof(StallNames[0]));
// A stall longer than a frame at 60 Hz is one a user can see; it is counted
// from the first paint on (the window is on screen then; the stretch before
// it is part of the start-up time).
constexpr double StallLimitMs = 16.0;
constexpr int FirstShownStretch = 1;
// The pause before every start of a child.
constexpr std::chrono::milliseconds PauseBeforeStart{1000};
const char *const StallTexts[StallCount] = {"event loop start to first paint",
                                            "first paint to the main frame built and prepared",
                                            "a mouse plugged to its tile on the device list",
                                            "tile click to the filled button page",
                                            "switch to the sensor page",
                                            "switch to the macro page",
                                            "switch to the settings page",
                                            "switch back to the button page",
                                            "DPI level indicator dragged to the next level",
                                            "DPI slider handle dragged (20 moves)",
                                            "settings page language selector: pointer on it, opened",
                                            "another language picked from it"};

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

    // Closes the current stretch unreported (a step that only leads to the
    // next stretch).
    void Skip()
    {
        Tick();
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

// A mouse event at pos of target (the left button held, unless buttonHeld is
// false: a pointer that only moves, so the widgets under it see it enter),
// handed to target's top-level window as the window system would: the window
// finds the widget under the pointer (or the one that holds the press, or the
// open popup) and lets the event propagate from there.
void PostMouse(QWidget *target, QEvent::Type type, const QPoint &pos, bool buttonHeld = true)
{
    QWidget *top = target->window();
    const QPointF local = target->mapTo(top, pos);
    const QPointF global = target->mapToGlobal(pos);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease || !buttonHeld ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QCoreApplication::postEvent(top->windowHandle(),
                                new QMouseEvent(type, local, local, global, button, held, Qt::NoModifier));
}

// Press at from, moves in steps to to, one every 16 ms (a frame), release
// there; done runs 300 ms after the release.
void Drag(QWidget *target, QPoint from, QPoint to, int steps, std::function<void()> done)
{
    PostMouse(target, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        QTimer::singleShot(16 * i, target, [target, at] { PostMouse(target, QEvent::MouseMove, at); });
    }
    QTimer::singleShot(16 * steps + 16, target, [target, to, done] {
        PostMouse(target, QEvent::MouseButtonRelease, to);
        QTimer::singleShot(300, target, done);
    });
}

// The centre of a slider's handle.
QPoint SliderHandle(QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.upsideDown = slider->invertedAppearance() != (slider->layoutDirection() == Qt::RightToLeft);
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

// After the page switches, once the wait dialog of the first read has
// closed (input reaches the window only then): the DPI drags on the sensor
// page, then the language selector of the settings page; each stretch ends
// 300 ms (600 ms for the popup's stretches) after its last input. Ends the
// process.
void InputStretches(DialogMain *top, Heartbeat *heartbeat)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(50, top, [top, heartbeat] { InputStretches(top, heartbeat); });
        return;
    }
    Dialog *frame = top->MainFramePage();
    Ui_SensorDPI *dpi = frame->SensorPage()->Form()->frameDpi->Form();
    QWidget *bar = frame->SensorPage()->Form()->frameDpi;
    frame->Form()->SensorButton->click();
    QTimer::singleShot(300, top, [=] {
        heartbeat->Skip();
        // The indicator to the next level shown (the one before at the end).
        const int level = frame->SensorPage()->Form()->frameDpi->CurrentLevel();
        const int shown = dpi->ChooseEvent->currentIndex();
        const QPoint from = dpi->label_8->geometry().center();
        const QPoint to = from + QPoint(level < shown ? 91 : -91, 0);
        Drag(bar, from, to, 10, [=] {
            if (frame->SensorPage()->Form()->frameDpi->CurrentLevel() == level)
                Report("missed_dpi_drag", level);
            heartbeat->Next();
            QSlider *slider = dpi->horizontalSliderC;
            const QPoint handle = SliderHandle(slider);
            const int room = slider->width() / 2;
            const QPoint end = handle + QPoint(handle.x() < room ? 200 : -200, 0);
            Drag(slider, handle, end, 20, [=] {
                heartbeat->Next();
                frame->Form()->FormSetting->click();
                QTimer::singleShot(300, top, [=] {
                    heartbeat->Skip();
                    QComboBox *language = frame->SettingPage()->findChild<QComboBox *>("comboBox");
                    const int from = LanguageLoader::StoredIndex();
                    const int pick = from == 1 ? 0 : 1;
                    // The pointer comes onto the box first, as a hand brings
                    // it there; 200 ms later the press opens the list (its
                    // release is not taken as a pick).
                    const QPoint centre = language->rect().center();
                    PostMouse(language, QEvent::MouseMove, centre, false);
                    QTimer::singleShot(200, top, [=] {
                        PostMouse(language, QEvent::MouseButtonPress, centre);
                        PostMouse(language, QEvent::MouseButtonRelease, centre);
                    });
                    QTimer::singleShot(800, top, [=] {
                        heartbeat->Next();
                        QAbstractItemView *list = language->view();
                        QWidget *viewport = list->viewport();
                        const QPoint item = list->visualRect(list->model()->index(pick, 0)).center();
                        PostMouse(viewport, QEvent::MouseMove, item);
                        PostMouse(viewport, QEvent::MouseButtonRelease, item);
                        QTimer::singleShot(600, top, [=] {
                            if (LanguageLoader::StoredIndex() != pick)
                                Report("missed_language_pick", pick);
                            heartbeat->Next();
                            std::fflush(nullptr);
                            std::_Exit(0);
                        });
                    });
                });
            });
        });
    });
}

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
                static int tilesBeforePlug = 0;
                static QElapsedTimer sincePageSwitch;
                if (!built) {
                    if (!top->MainFrameReady())
                        return;
                    built = true;
                    heartbeat->Next();
                    Report("built", 0);
                    Report("cpu_built_us", BenchChild::CpuUs());
                    Report("rss_built", ResidentKiB());
                    tilesBeforePlug = g_TileButtons.size();
                    // On a 1 kHz receiver: beside the built-in mice (the same
                    // model on a 4 kHz one, another on its cable) a tile of
                    // its own, where a second mouse of one model in one class
                    // would give the duplicate notice instead.
                    HIDUsbSim::DeviceSetup receiver;
                    receiver.pid = "F501";
                    receiver.receiverType = 0;
                    receiver.mouse = "m1";
                    HIDUsbSim::plug(receiver);
                }
                // The list is rebuilt with a tile more; the first tile is
                // clicked (with the built-in mice, the wireless one).
                if (!clicked && g_TileButtons.size() > tilesBeforePlug) {
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
                        InputStretches(top, heartbeat);
                        return;
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
    double cpuMs = -1;
    long rssKiB = -1;
    double builtMs = -1;
    double cpuBuiltMs = -1;
    long rssBuiltKiB = -1;
    long rssReadKiB = -1;
    double stallMs[StallCount];
    Sample() { std::fill(std::begin(stallMs), std::end(stallMs), -1.0); }
};

// program with arguments, as a child with its own per-user folder, started
// after the pause.
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
    // Offscreen unless the platform is named (QT_QPA_PLATFORM=xcb for an X server).
    env.insert("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen"));
    // The simulated mice a user sees when the variable is unset (the
    // built-in ones), unless it is set for the bench (HIDUSB_SIM_DEVICES=none
    // starts with an empty device list).
    env.insert("ASAN_OPTIONS", "detect_leaks=0");

    Sample sample;
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    // Everything this program does for the start is done before the pause
    // (this program runs no event loop).
    std::this_thread::sleep_for(PauseBeforeStart);
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
            else if (parts.size() == 2 && parts[0] == "cpu_us")
                sample.cpuMs = parts[1].toLong() / 1000.0;
            else if (parts.size() == 2 && parts[0] == "rss")
                sample.rssKiB = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "built")
                sample.builtMs = clock.nsecsElapsed() / 1e6;
            else if (parts.size() == 2 && parts[0] == "cpu_built_us")
                sample.cpuBuiltMs = parts[1].toLong() / 1000.0;
            else if (parts.size() == 2 && parts[0] == "rss_built")
                sample.rssBuiltKiB = parts[1].toLong();
            else if (parts.size() == 2 && parts[0] == "rss_read")
                sample.rssReadKiB = parts[1].toLong();
            if (parts.size() == 2 && parts[0].startsWith("missed_"))
                std::fprintf(stderr, "bench_startup: the utility did not take the input: %s\n",
                             parts[0].mid(7).constData());
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

// The median and the spread (lowest, highest) of the runs' values.
struct Spread
{
    double median = -1;
    double low = -1;
    double high = -1;
};

Spread SpreadOf(std::vector<double> values)
{
    Spread spread;
    if (values.empty())
        return spread;
    std::sort(values.begin(), values.end());
    spread.median =
        values.size() % 2 ? values[values.size() / 2] : (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2;
    spread.low = values.front();
    spread.high = values.back();
    return spread;
}

// "median [lowest-highest]" with the given number of decimals.
std::string Text(const Spread &spread, int decimals)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.*f [%.*f-%.*f]", decimals, spread.median, decimals, spread.low, decimals,
                  spread.high);
    return text;
}

// A memory figure: KiB as measured, and the median in MiB.
std::string MemoryText(const Spread &spread)
{
    char mib[32];
    std::snprintf(mib, sizeof mib, " KiB (%.1f MiB)", spread.median / 1024.0);
    return Text(spread, 0) + mib;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "utility") == 0) {
        char *args[] = {argv[0], nullptr};
        return UtilityChild(1, args);
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 6;
    const QString minimal = QCoreApplication::applicationDirPath() + "/bench_minimal_program";
    std::vector<double> stalls[StallCount];
    std::vector<double> appShown, minShown, appCpu, minCpu, appRss, minRss, appRead, appBuilt, appCpuBuilt, appRssBuilt;
    std::vector<double> shownRatio, cpuRatio, rssRatio;
    // Per order: [0] the utility started first in the pair, [1] the minimal
    // program.
    std::vector<double> orderAppShown[2], orderMinShown[2], orderShownRatio[2], orderCpuRatio[2];
    int orderPairs[2] = {0, 0};
    std::vector<std::string> overLimit;
    for (int i = 0; i < runs; ++i) {
        const int order = i % 2;
        Sample a, m;
        if (order == 0) {
            a = RunChild(QCoreApplication::applicationFilePath(), {"--child", "utility"});
            m = RunChild(minimal, {});
        } else {
            m = RunChild(minimal, {});
            a = RunChild(QCoreApplication::applicationFilePath(), {"--child", "utility"});
        }
        ++orderPairs[order];
        if (a.shownMs >= 0) {
            appShown.push_back(a.shownMs);
            orderAppShown[order].push_back(a.shownMs);
        }
        if (a.cpuMs >= 0)
            appCpu.push_back(a.cpuMs);
        if (m.cpuMs >= 0)
            minCpu.push_back(m.cpuMs);
        if (a.rssKiB >= 0)
            appRss.push_back(double(a.rssKiB));
        if (a.builtMs >= 0)
            appBuilt.push_back(a.builtMs);
        if (a.cpuBuiltMs >= 0)
            appCpuBuilt.push_back(a.cpuBuiltMs);
        if (a.rssBuiltKiB >= 0)
            appRssBuilt.push_back(double(a.rssBuiltKiB));
        if (a.rssReadKiB >= 0)
            appRead.push_back(double(a.rssReadKiB));
        for (int s = 0; s < StallCount; ++s) {
            if (a.stallMs[s] >= 0)
                stalls[s].push_back(a.stallMs[s]);
            if (s >= FirstShownStretch && a.stallMs[s] > StallLimitMs) {
                char text[160];
                std::snprintf(text, sizeof text, "%s %.1f ms (pair %d)", StallTexts[s], a.stallMs[s], i + 1);
                overLimit.push_back(text);
            }
        }
        if (m.shownMs >= 0) {
            minShown.push_back(m.shownMs);
            orderMinShown[order].push_back(m.shownMs);
        }
        if (m.rssKiB >= 0)
            minRss.push_back(double(m.rssKiB));
        // The ratios are taken per pair: its two runs are the least apart, so
        // a change of the machine's load between runs moves them least.
        if (a.shownMs >= 0 && m.shownMs > 0) {
            shownRatio.push_back(a.shownMs / m.shownMs);
            orderShownRatio[order].push_back(a.shownMs / m.shownMs);
        }
        if (a.cpuMs >= 0 && m.cpuMs > 0) {
            cpuRatio.push_back(a.cpuMs / m.cpuMs);
            orderCpuRatio[order].push_back(a.cpuMs / m.cpuMs);
        }
        if (a.rssKiB >= 0 && m.rssKiB > 0)
            rssRatio.push_back(double(a.rssKiB) / double(m.rssKiB));
    }
    const QString devices = qEnvironmentVariableIsSet("HIDUSB_SIM_DEVICES")
        ? "HIDUSB_SIM_DEVICES=" + qEnvironmentVariable("HIDUSB_SIM_DEVICES")
        : QStringLiteral("the built-in simulated mice");
    std::printf("runs: %d pairs, platform %s, devices: %s; each figure: median [lowest-highest] of the runs, ratios "
                "per pair; the order alternates per pair (the utility first in the first), %lld ms pause before "
                "every start\n",
                runs, qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen")), qPrintable(devices),
                static_cast<long long>(PauseBeforeStart.count()));
    std::printf("start to first paint: utility %s ms, minimal %s ms, ratio %s, CPU-time ratio %s\n",
                Text(SpreadOf(appShown), 1).c_str(), Text(SpreadOf(minShown), 1).c_str(),
                Text(SpreadOf(shownRatio), 2).c_str(), Text(SpreadOf(cpuRatio), 2).c_str());
    const char *const orderNames[2] = {"utility first", "minimal first"};
    for (int order = 0; order < 2; ++order) {
        std::printf("  %s, %d pair%s: utility %s ms, minimal %s ms, ratio %s, CPU-time ratio %s\n", orderNames[order],
                    orderPairs[order], orderPairs[order] == 1 ? "" : "s",
                    Text(SpreadOf(orderAppShown[order]), 1).c_str(), Text(SpreadOf(orderMinShown[order]), 1).c_str(),
                    Text(SpreadOf(orderShownRatio[order]), 2).c_str(), Text(SpreadOf(orderCpuRatio[order]), 2).c_str());
    }
    std::printf("CPU time to first paint: utility %s ms, minimal %s ms, ratio %s\n", Text(SpreadOf(appCpu), 1).c_str(),
                Text(SpreadOf(minCpu), 1).c_str(), Text(SpreadOf(cpuRatio), 2).c_str());
    std::printf("resident memory at first paint: utility %s KiB, minimal %s KiB, ratio %s\n",
                Text(SpreadOf(appRss), 0).c_str(), Text(SpreadOf(minRss), 0).c_str(),
                Text(SpreadOf(rssRatio), 2).c_str());
    std::printf("main frame built and prepared after the first paint (no input): at %s ms, CPU %s ms\n",
                Text(SpreadOf(appBuilt), 1).c_str(), Text(SpreadOf(appCpuBuilt), 1).c_str());
    std::printf("resident memory of the utility with the main frame built: %s\n",
                MemoryText(SpreadOf(appRssBuilt)).c_str());
    std::printf("resident memory of the utility after the first full read: %s\n",
                MemoryText(SpreadOf(appRead)).c_str());
    std::printf("longest GUI-thread stall (1 ms heartbeat), median [lowest-highest] of the runs:\n");
    for (int s = 0; s < StallCount; ++s)
        std::printf("  %-60s %s ms\n", StallTexts[s], Text(SpreadOf(stalls[s]), 1).c_str());
    if (overLimit.empty()) {
        std::printf("GUI-thread stalls over %.0f ms from the first paint on: none in %d runs of the utility\n",
                    StallLimitMs, runs);
    } else {
        std::printf("GUI-thread stalls over %.0f ms from the first paint on: %d in %d runs of the utility:\n",
                    StallLimitMs, int(overLimit.size()), runs);
        for (const std::string &stall : overLimit)
            std::printf("  %s\n", stall.c_str());
    }
    const double as = SpreadOf(appShown).median, ar = SpreadOf(appRss).median, ms = SpreadOf(minShown).median;
    return (as < 0 || ar < 0 || ms < 0) ? 1 : 0;
}
