// orvik-sample-firmware write | remove
//
// Writes the sample firmware images for the simulated mice and receivers
// into the application folder's "bin" (beside this program), or removes
// them again. Run it while the utility is closed or open: the utility looks
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
    if (args.size() != 1 || (command != "write" && command != "remove")) {
        std::fprintf(stderr,
                     "usage: %s write | remove\n"
                     "  write   writes sample firmware images (%s) for the simulated mice and receivers\n"
                     "          into %s\n"
                     "  remove  removes them again\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(FirmwareImage::VersionText(SampleFirmware::Version)),
                     qPrintable(UserPaths::firmwareFolder()));
        return 2;
    }
    QStringList files;
    QString error;
    const bool ok = command == "write" ? SampleFirmware::Write(UserPaths::firmwareFolder(), &files, &error)
                                       : SampleFirmware::Remove(UserPaths::firmwareFolder(), &files, &error);
    for (const QString &file : files)
        std::printf("%s %s\n", command == "write" ? "wrote" : "removed", qPrintable(file));
    if (files.isEmpty() && ok)
        std::printf("no sample images in %s\n", qPrintable(UserPaths::firmwareFolder()));
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
    return ok ? 0 : 1;
}
