// Cost of the firmware image search: FirmwareImage::FindFirmware over a "bin"
// folder of 200 images (every file read whole and its header looked at, as
// each search does: nothing is cached). Images of several models and kinds,
// 64 KiB each, in a temporary folder. Run by hand; prints ms per search.

#include "FirmwareImage.h"
#include "HIDUsbSim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int images = 200;
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;

    QTemporaryDir bin;
    if (!bin.isValid())
        return 1;
    for (int i = 0; i < images; ++i) {
        // A quarter are mouse images of the searched model, the rest other
        // models and receiver images.
        const bool mouse = i % 2 == 0;
        const QByteArray model = i % 4 == 0 ? "OrvikM1" : (mouse ? "OrvikM2" : "OrvikR4K");
        const quint32 version = 0x0100 + quint32(i % 250);
        QFile file(bin.path() + QString("/image%1.bin").arg(i, 3, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(HIDUsbSim::makeFirmwareImage(mouse ? 0xD2 : 0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                version, model, 64 * 1024));
    }
    FirmwareImage::SetFolder(bin.path());

    std::vector<double> ms;
    bool found = false;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        found =
            FirmwareImage::FindFirmware(0xD2, "v1.5", "OrvikM1", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("FindFirmware over %d images of 64 KiB: median %.2f ms, min %.2f ms, max %.2f ms per search "
                "(%d rounds, found %d)\n",
                images, ms[ms.size() / 2], ms.front(), ms.back(), rounds, found ? 1 : 0);
    return 0;
}
