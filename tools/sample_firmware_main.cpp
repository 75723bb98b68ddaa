// orvik-sample-firmware write [mouse | receiver] | remove
//
// Writes the sample firmware images for the simulated mice and receivers
// (or only the mouse or only the receiver images) into the application
// folder's "bin" (beside this program), or removes them again. Run it while the utility is closed or open: the utility looks
// at the folder whenever it checks for firmware.

#include "FirmwareImage.h"
#include "SampleFirmware.h"
#include "UserPaths.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    const QString which = args.value(1);
    int kind = 0;
    if (which == "mouse")
        kind = HIDUSB_FW_KIND_MOUSE;
    else if (which == "receiver")
        kind = HIDUSB_FW_KIND_RECEIVER;
    const bool writeOk = command == "write" && (args.size() == 1 || (args.size() == 2 && kind != 0));
    const bool removeOk = command == "remove" && args.size() == 1;
    if (!writeOk && !removeOk) {
        std::fprintf(stderr,
                     "usage: %s write [mouse | receiver] | remove\n"
                     "  write     writes sample firmware images (%s) for the simulated mice and receivers\n"
                     "            into %s\n"
                     "  write mouse, write receiver   only the mouse or only the receiver images\n"
                     "  remove    removes every sample image again\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(FirmwareImage::VersionText(SampleFirmware::Version)),
                     qPrintable(UserPaths::firmwareFolder()));
        return 2;
    }
    QStringList files;
    QString error;
    const bool ok = command == "write" ? SampleFirmware::Write(UserPaths::firmwareFolder(), kind, &files, &error)
                                       : SampleFirmware::Remove(UserPaths::firmwareFolder(), &files, &error);
    for (const QString &file : files)
        std::printf("%s %s\n", command == "write" ? "wrote" : "removed", qPrintable(file));
    if (files.isEmpty() && ok)
        std::printf("no sample images in %s\n", qPrintable(UserPaths::firmwareFolder()));
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
    return ok ? 0 : 1;
}
