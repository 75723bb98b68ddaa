// Figures of the simulated device library: cost of sending the whole record
// (ProtocolDataUpdate), round trip of a full read (request, delivery on the
// library thread, ProtocolDataParser), and enumeration with identification.
// Run by hand; prints the figures.

#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

struct Record
{
    unsigned char bytes[HIDUSB_FLASH_RECORD_SIZE];
};

Record g_parsed;
std::atomic<int> g_fullReads{0};

void onReport(unsigned char *header, int headerLength, unsigned char *data, int length)
{
    if (headerLength > 4 && header[1] == HIDUSB_CMD_PARAMETER && header[4] == 0 && length == HIDUSB_FULL_READ_SIZE) {
        ProtocolDataParser(data, reinterpret_cast<FlashDataMap *>(&g_parsed));
        ++g_fullReads;
    }
}

double perCallMicros(qint64 nanos, int calls)
{
    return calls ? double(nanos) / calls / 1000.0 : 0.0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("HIDUSB_SIM_DEVICES", "none");
    QCoreApplication app(argc, argv);
    HIDUsbSim::reset();

    HIDUsbSim::DeviceSetup setup;
    setup.name = "bench";
    const int id = HIDUsbSim::plug(setup);
    const QByteArray path = HIDUsbSim::path(id).toUtf8();
    UsbServerC_Start(path.constData(), path.constData(), onReport);

    Record record;
    std::memcpy(record.bytes, HIDUsbSim::factoryRecord().constData(), sizeof record.bytes);
    // A busy record: every macro slot filled with events.
    QRandomGenerator rng(7);
    for (int b = 0; b < 16; ++b)
        for (int i = 0; i < 70 * 8; ++i)
            record.bytes[956 + 592 * b + 32 + i] = quint8(rng.bounded(0, 4));

    const int updates = 2000;
    QElapsedTimer t;
    t.start();
    int accepted = 0;
    for (int i = 0; i < updates; ++i) {
        record.bytes[0] = quint8(i);
        accepted += ProtocolDataUpdate(reinterpret_cast<FlashDataMap *>(&record));
    }
    const qint64 updateNs = t.nsecsElapsed();
    std::printf("ProtocolDataUpdate: %.1f us per call (%d of %d accepted, busy record)\n",
                perCallMicros(updateNs, updates), accepted, updates);

    for (int delay : {0, 3}) {
        HIDUsbSim::setReportDelay(delay);
        const int reads = 300;
        g_fullReads = 0;
        t.restart();
        for (int i = 0; i < reads; ++i) {
            UsbServer_ReadAllFlashData();
            HIDUsbSim::waitIdle(5000);
        }
        const qint64 ns = t.nsecsElapsed();
        std::printf("full read round trip (report delay %d ms): %.1f us (%d delivered)\n", delay,
                    perCallMicros(ns, reads), g_fullReads.load());
    }

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
    std::printf("enumerate + identify 5 devices: %.1f us per round\n", perCallMicros(t.nsecsElapsed(), rounds));
    return 0;
}
