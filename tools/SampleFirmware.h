#pragma once
// Sample firmware images for the simulated mice and receivers, so a firmware
// update and the repair of a failed one can be tried without a vendor image:
// for every model of Config.ini one mouse image and one image per receiver
// the model names, all of version SampleFirmware::Version. They are built by
// the simulator's image builder (HIDUsbSim::makeFirmwareImage), the one the
// tests flash, so they carry exactly the header the firmware search reads.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace SampleFirmware {

// v2.0: above every version the simulated devices start with (mouse v1.5,
// corded sample mouse v1.10, receiver v1.2), so each image is offered.
constexpr quint32 Version = 0x0200;

struct Image
{
    QString FileName; // "sample-Drive1-mouse.bin", "sample-Drive1-receiver-4kHz.bin", ...
    int Kind = 0;     // HIDUSB_FW_KIND_MOUSE or HIDUSB_FW_KIND_RECEIVER
    QString ModelName;
    int Mid = 0;
    QByteArray Bytes;
};

// The images for the models of the current Config.ini; kind
// HIDUSB_FW_KIND_MOUSE or HIDUSB_FW_KIND_RECEIVER keeps only those, 0 all.
QList<Image> Images(int kind = 0);
// Writes the images of kind (0: all) into folder (made when missing), each file whole
// through QSaveFile. The names written go to *written; false with *error on
// the first file that could not be written.
bool Write(const QString &folder, int kind, QStringList *written, QString *error);
// Removes the files Images() names (all kinds) from folder and nothing else; the names
// removed go to *removed. False with *error when one could not be removed.
bool Remove(const QString &folder, QStringList *removed, QString *error);

} // namespace SampleFirmware
