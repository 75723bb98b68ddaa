#pragma once
// One found device: where it was enumerated, what it answered, how it is
// connected. A plain copyable value; every field has a defined default.

#include <QList>
#include <QString>

struct DeviceAllInfo
{
    QString Path;            // HID path from the enumeration
    QString VID = "0";       // vendor ID text it was found under
    QString PID = "0";       // product ID text it was found under
    uchar CID = 0;           // customer ID byte reported by the device
    uchar MID = 0;           // model ID byte reported by the device
    uchar ReceiverType = 0;  // 0 = 1 kHz receiver, 4 = 2 kHz, 1 = 4 kHz, other = cable
    int ModelIndex = 0;      // n - 1 for group "Drive" + n; DeviceTotal when unknown
    bool Online = false;     // the mouse answers (through its receiver or cable)
    bool Wired = false;      // ReceiverType is none of 0, 1, 4
    QString ReceiverVersion; // version text of the USB attributes
    QString MouseVersion;    // mouse firmware version text
    QList<char> StatusBytes; // bytes 7..9 of the online-with-address answer
};
