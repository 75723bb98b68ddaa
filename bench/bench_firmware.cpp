// Cost of the firmware image search: FirmwareImage::FindFirmware over a "bin"
// folder of 2000 images of several models and kinds, 16 KiB each, in a
// temporary folder. The first search reads every file's header (and the
// images that fit whole); the later ones find the folder unchanged and read
// only the images that fit. Run by hand; prints ms per search.

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
    const int images = 2000;
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
        QFile file(bin.path() + QString("/image%1.bin").arg(i, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(HIDUsbSim::makeFirmwareImage(mouse ? 0xD2 : 0xD3, HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid,
                                                version, model, 16 * 1024));
    }
    FirmwareImage::SetFolder(bin.path());

    std::vector<double> ms;
    bool found = false;
    double first = -1;
    for (int r = 0; r <= rounds; ++r) {
        QElapsedTimer t;
        t.start();
        found =
            FirmwareImage::FindFirmware(0xD2, "v1.5", "OrvikM1", HIDUsbSim::sampleCid, HIDUsbSim::sampleWirelessMid);
        if (r == 0)
            first = t.nsecsElapsed() / 1e6;
        else
            ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("FindFirmware over %d images of 16 KiB: first search %.2f ms; unchanged folder: median %.2f ms, "
                "min %.2f ms, max %.2f ms per search (%d rounds, found %d)\n",
                images, first, ms[ms.size() / 2], ms.front(), ms.back(), rounds, found ? 1 : 0);
    return 0;
}
