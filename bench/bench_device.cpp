// Figures of the device link on the simulated library:
//  - full read: from the full-read report to the filled parameter record, both
//    the dispatch alone (Worker::DeviceDataCallBack on a report in hand) and the
//    whole round trip (UsbServer_ReadAllFlashData, delivery on the library's
//    thread, dispatch, record filled);
//  - setter round trip: a field setter (online test, write, whole record sent)
//    until the mouse holds the new value, and the same followed by a full read
//    that brings the value back;
//  - ProtocolDataUpdate alone and enumeration with identification.
// Run by hand from the build's application folder; prints the figures.

#include "DataSetters.h"
#include "FlashDataMap.h"
#include "FlashDataRecord.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "HIDUsbSim.h"
#include "PostMsg.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// The full-read report as the library delivers it, captured once.
QByteArray g_Header;
QByteArray g_FullRead;
std::atomic<bool> g_Captured{false};

void captureReport(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    if (headerLength > 4 && header[1] == HIDUSB_CMD_PARAMETER && header[3] == 0 && header[4] == 0
        && length == HIDUSB_FULL_READ_SIZE && !g_Captured) {
        g_Header = QByteArray(reinterpret_cast<char *>(header), headerLength);
        g_FullRead = QByteArray(reinterpret_cast<char *>(data), length);
        g_Captured = true;
    }
}

double micros(qint64 nanos, int count)
{
    return count ? double(nanos) / count / 1000.0 : 0.0;
}

bool spinUntil(const std::atomic<bool> &flag, int timeoutMs = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!flag.load()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
}

// A busy record: every macro slot filled with events.
QByteArray busyRecord()
{
    QByteArray record = HIDUsbSim::factoryRecord();
    QRandomGenerator rng(7);
    for (int b = 0; b < 16; ++b)
        for (int i = 0; i < 70 * 8; ++i)
            record[956 + 592 * b + 32 + i] = char(rng.bounded(0, 4));
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    // The version report writes the registry store under HOME: keep it away
    // from the real user's files.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qputenv("HIDUSB_SIM_DEVICES", "none");
    QCoreApplication app(argc, argv);
    PostMsg::GetInstance();
    HIDUsbSim::reset();
    HIDUsbSim::setReportDelay(0);

    HIDUsbSim::DeviceSetup setup;
    setup.name = "bench";
    const int id = HIDUsbSim::plug(setup);
    const QByteArray path = HIDUsbSim::path(id).toUtf8();
    HIDUsbSim::setStoredRecord(id, busyRecord());

    // The selected device, as the device list's click leaves it.
    DeviceAllInfo device;
    device.Path = QString::fromUtf8(path);
    device.CID = setup.cid;
    device.MID = setup.mid;
    device.ReceiverType = setup.receiverType;
    device.Online = true;
    g_CurrentDevice.set(device);
    g_DevicePath.set(path.constData());

    // Capture one full-read report.
    UsbServerC_Start(path.constData(), path.constData(), captureReport);
    UsbServer_ReadAllFlashData();
    if (!spinUntil(g_Captured) || !HIDUsbSim::waitIdle()) {
        std::fprintf(stderr, "no full-read report\n");
        return 1;
    }

    QElapsedTimer t;

    // 1. Full read, dispatch only: report in hand to filled record. The data
    //    callback runs on a thread of its own, as on the library's thread.
    {
        const int reads = 500;
        qint64 ns = 0;
        std::thread dispatcher([&] {
            QByteArray header = g_Header;
            QByteArray data = g_FullRead;
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < reads; ++i)
                Worker::DeviceDataCallBack(reinterpret_cast<unsigned char *>(header.data()), header.size(),
                                           reinterpret_cast<unsigned char *>(data.data()), data.size());
            ns = clock.nsecsElapsed();
        });
        dispatcher.join();
        HIDUsbSim::waitIdle();
        const bool filled = QByteArray(reinterpret_cast<const char *>(&g_FlashDataMap), int(sizeof(FlashDataMap)))
            == HIDUsbSim::storedRecord(id);
        std::printf("full read, report to filled record (dispatch): %.1f us per report%s\n", micros(ns, reads),
                    filled ? "" : "  [record differs!]");
    }

    // 2. Full read round trip through the library with the real data callback.
    UsbServerC_Start(path.constData(), path.constData(), &Worker::DeviceDataCallBack);
    {
        const int reads = 300;
        qint64 ns = 0;
        int done = 0;
        for (int i = 0; i < reads; ++i) {
            // Let the follow-up reports of the last read drain first.
            HIDUsbSim::waitIdle();
            g_LastRunOnline = false; // the full read sets it once the record is filled
            t.start();
            UsbServer_ReadAllFlashData();
            while (!g_LastRunOnline.load() && t.elapsed() < 5000)
                QThread::yieldCurrentThread();
            ns += t.nsecsElapsed();
            done += g_LastRunOnline.load() ? 1 : 0;
        }
        HIDUsbSim::waitIdle();
        std::printf("full read round trip (request to filled record, report delay 0): %.1f us (%d of %d)\n",
                    micros(ns, reads), done, reads);
    }

    // 3. Setter round trip: the setter returns once the mouse holds the value.
    {
        const int calls = 2000;
        int ok = 0;
        t.restart();
        for (int i = 0; i < calls; ++i)
            ok += SetDPIColor(i % 8, i & 0xFF, (i >> 8) & 0xFF, 7) ? 1 : 0;
        const qint64 ns = t.nsecsElapsed();
        const QByteArray stored = HIDUsbSim::storedRecord(id);
        const bool held = stored.size() == int(sizeof(FlashDataMap))
            && quint8(stored[18 + 6 * ((calls - 1) % 8)]) == quint8((calls - 1) & 0xFF);
        std::printf("setter round trip (SetDPIColor, busy record): %.1f us per call (%d of %d; mouse %s)\n",
                    micros(ns, calls), ok, calls, held ? "holds the value" : "DIFFERS");
    }

    // 4. Setter, then a full read that brings the value back.
    {
        const int rounds = 200;
        int seen = 0;
        qint64 ns = 0;
        for (int i = 0; i < rounds; ++i) {
            HIDUsbSim::waitIdle();
            const int code = (i % 2) ? 1 : 2;
            g_LastRunOnline = false;
            t.start();
            SetLOD(code);
            UsbServer_ReadAllFlashData();
            while (!g_LastRunOnline.load() && t.elapsed() < 5000)
                QThread::yieldCurrentThread();
            ns += t.nsecsElapsed();
            seen += FlashData::snapshot().LiftOff == code ? 1 : 0;
        }
        HIDUsbSim::waitIdle();
        std::printf("setter then full read back: %.1f us per round (%d of %d read back)\n", micros(ns, rounds), seen,
                    rounds);
    }

    // 5. ProtocolDataUpdate alone.
    {
        QByteArray record = busyRecord();
        const int updates = 2000;
        int accepted = 0;
        t.restart();
        for (int i = 0; i < updates; ++i) {
            record[0] = char(i);
            accepted += ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(record.data()));
        }
        std::printf("ProtocolDataUpdate: %.1f us per call (%d of %d accepted)\n", micros(t.nsecsElapsed(), updates),
                    accepted, updates);
    }

    // 6. Enumeration with identification of five receivers.
    UsbServer_Exit();
    HIDUsbSim::reset();
    for (int i = 0; i < 5; ++i) {
        HIDUsbSim::DeviceSetup s;
        s.name = QString("r%1").arg(i);
        HIDUsbSim::plug(s);
    }
    const int rounds = 1000;
    t.restart();
    for (int r = 0; r < rounds; ++r) {
        int count = 5;
        char **paths = UsbFinderC_FindHidDevicesByDeviceId("3554", "F503", 1, 5, &count);
        for (int i = 0; i < count; ++i) {
            UsbFinderC_GetDeviceInfo(paths[i]);
            unsigned char address[10];
            UsbFinderC_GetDeviceOnLineWithUsbAddress(paths[i], address);
        }
    }
    std::printf("enumerate + identify 5 devices: %.1f us per round\n", micros(t.nsecsElapsed(), rounds));
    return 0;
}
