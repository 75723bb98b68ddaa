// How long the button page holds the data callback: a full read hands the
// record to the page over a blocking connection, so the library's thread
// waits from the emission until the page has rebuilt its labels, its function
// cache and the debounce selector. A helper thread plays the callback and
// times each emission; the GUI thread serves them as in the utility.
// A language switch of the button page is timed with six buttons bound to
// macros, so each switch relabels them and rewrites their six macro files.
// The sensor page is measured the same way, and then end to end for its DPI
// slider: value changes per second, each through the snap, the code
// conversion and the field setter's round trip to the simulated mouse.
// Run by hand from the build's application folder: bench_pages [runs].

#include "Buttoninterface.h"
#include "DeviceCache.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "Sensor.h"
#include "SensorDPIForm.h"
#include "SensorForm.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// A record whose six buttons hold the costliest labels: a three-key
// combination, a multimedia key, a DPI lock, a fire key and mouse buttons.
FlashDataMap busyRecord()
{
    FlashDataMap record = FlashData::zeroRecord();
    const quint8 keys[6][3] = {{1, 1, 0}, {5, 0, 0}, {5, 0, 0}, {10, 15, 0}, {4, 20, 1}, {1, 2, 0}};
    for (int b = 0; b < 6; ++b)
        record.Keys[b] = KeyFunction{keys[b][0], keys[b][1], keys[b][2]};
    KeyEventRecord &combo = record.KeyEvents[1];
    combo.EventCount = 6;
    const MacroEvent events[6] = {{0, 0, 1, 10}, {0, 0, 2, 10}, {0, 1, 4, 10},
                                  {1, 1, 4, 10}, {1, 0, 2, 10}, {1, 0, 1, 10}};
    std::memcpy(combo.Events, events, sizeof events);
    KeyEventRecord &media = record.KeyEvents[2];
    media.EventCount = 2;
    media.Events[0] = MacroEvent{0, 2, 0x183, 10};
    media.Events[1] = MacroEvent{1, 2, 0x183, 10};
    record.Debounce = 7;
    return record;
}

// Times each blocking hand-over of handOver() from a helper thread while the GUI
// thread serves them; returns the sorted durations in nanoseconds.
template<typename HandOver>
std::vector<qint64> timeHandOvers(QApplication &app, int runs, HandOver handOver)
{
    std::vector<qint64> held;
    held.reserve(size_t(runs));
    std::thread callback([&] {
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            handOver(i);
            held.push_back(timer.nsecsElapsed());
        }
        QMetaObject::invokeMethod(&app, "quit", Qt::QueuedConnection);
    });
    app.exec();
    callback.join();
    std::sort(held.begin(), held.end());
    return held;
}

void ignoreReports(unsigned char *, int, unsigned char *, int)
{
}

// Six buttons bound to the macros "m1".."m6", each with a file of 40 rows in
// the macro folder, and a cache file for the selected device, so a language
// change relabels from the record (and cuts each macro file to its mode line).
void benchLanguageSwitch(int runs)
{
    g_CurrentDevice.update([](DeviceAllInfo &d) { d.ModelIndex = 0; }); // six buttons
    FlashDataMap record = busyRecord();
    QByteArray rows;
    for (int i = 0; i < 20; ++i)
        rows += "0x04 1 0\n10ms\n";
    for (int b = 0; b < 6; ++b) {
        const QByteArray name = "m" + QByteArray::number(b + 1);
        record.Keys[b] = KeyFunction{6, quint8(b), 1};
        MacroRecord &m = record.Macros[b];
        std::memset(&m, 0, sizeof m);
        std::memcpy(m.Name, name.constData(), size_t(name.size()));
        m.NameLength = quint8(name.size());
        QFile file(UserPaths::macroPageFolder() + "/" + name + ".ini");
        if (file.open(QIODevice::WriteOnly))
            file.write("1\n" + rows);
    }
    FlashData::replace(record);
    const QString cache = QStringLiteral("Device_CID01_MID01.bin");
    DeviceCache::Write(cache, record);
    g_DeviceInfoName.set(cache);

    const int switches = std::max(10, runs / 10);
    std::vector<qint64> took;
    took.reserve(size_t(switches));
    for (int i = 0; i < switches; ++i) {
        QElapsedTimer timer;
        timer.start();
        PostMsg::GetInstance()->EmitChangeLanguage(i % 2 ? 3 : 5);
        took.push_back(timer.nsecsElapsed());
    }
    std::sort(took.begin(), took.end());
    auto at = [&](double q) { return double(took[size_t(q * double(took.size() - 1))]) / 1e6; };
    std::printf("button page language switch, six macro buttons (%d switches): median %.2f ms, p90 %.2f ms\n", switches,
                at(0.5), at(0.9));
    PostMsg::GetInstance()->EmitChangeLanguage(0);
    g_DeviceInfoName.set(QString());
}

void benchSensorPage(QApplication &app, int runs)
{
    // A simulated mouse of the first model on a 4 kHz receiver, connected,
    // so the slider's setter round trips reach it.
    HIDUsbSim::DeviceSetup setup;
    setup.name = "bench";
    const int id = HIDUsbSim::plug(setup);
    const QByteArray path = HIDUsbSim::path(id).toLatin1();
    g_DevicePath.set(path.constData());
    UsbServerC_Start(path.constData(), path.constData(), ignoreReports);
    g_CurrentDevice.update([](DeviceAllInfo &d) {
        d.ModelIndex = 0;
        d.ReceiverType = 1;
    });
    g_UiReady = true;

    Sensor page;
    page.show();
    FlashDataMap record;
    const QByteArray factory = HIDUsbSim::factoryRecord(HIDUsbSim::sampleWirelessMid);
    std::memcpy(&record, factory.constData(), sizeof record);
    FlashData::replace(record);
    FlashDataMap alternate = record; // other levels, rate and effect on every other hand-over
    alternate.CurrentDPI = 3;
    alternate.ReportRate = 32;
    alternate.DPILed.Mode = 2;

    const std::vector<qint64> held = timeHandOvers(
        app, runs, [&](int i) { PostMsg::GetInstance()->EmitUpDataLightSensor(i % 2 ? alternate : record); });
    auto at = [&](double q) { return double(held[size_t(q * double(held.size() - 1))]) / 1000.0; };
    std::printf("sensor page full refresh, data callback held (%d runs): median %.1f us, p90 %.1f us, max %.1f us\n",
                runs, at(0.5), at(0.9), at(1.0));

    Ui_SensorDPI *bar = page.Form()->frameDpi->Form();
    bar->LevelButton(0)->click();
    const int before = HIDUsbSim::updateCount(id);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        bar->horizontalSliderC->setValue(i % 2 ? 1600 : 3200);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const int sent = HIDUsbSim::updateCount(id) - before;
    std::printf("sensor page DPI slider, end to end (%d changes, %d reached the mouse): %.0f changes per second\n",
                runs, sent, double(runs) / seconds);
    UsbServer_Exit();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qputenv("HIDUSB_SIM_DEVICES", "none");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UserPaths::createUserFolders();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    Buttoninterface page;
    page.show();
    const FlashDataMap record = busyRecord();
    FlashDataMap alternate = record; // labels change on every hand-over
    alternate.Keys[0] = KeyFunction{1, 4, 0};
    alternate.Debounce = 3;

    std::vector<qint64> held;
    held.reserve(size_t(runs));
    std::thread callback([&] {
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            PostMsg::GetInstance()->EmitUpDataLightUIButton(i % 2 ? alternate : record);
            held.push_back(timer.nsecsElapsed());
        }
        QMetaObject::invokeMethod(&app, "quit", Qt::QueuedConnection);
    });
    app.exec();
    callback.join();

    std::sort(held.begin(), held.end());
    auto at = [&](double q) { return double(held[size_t(q * double(held.size() - 1))]) / 1000.0; };
    std::printf("button page full refresh, data callback held (%d runs): median %.1f us, p90 %.1f us, max %.1f us\n",
                runs, at(0.5), at(0.9), at(1.0));
    std::printf("acknowledgement set: %d\n", int(g_ButtonPageUpdated));

    benchLanguageSwitch(runs);

    benchSensorPage(app, runs);
    std::printf("sensor acknowledgement set: %d\n", int(g_SensorPageUpdated));
    return 0;
}
