#pragma once
// The two values the firmware update keeps across runs, under the
// "Mouse Drive Test" key of our registry store:
//
//  - "MouseVer" + CID text + MID text (the Config.ini texts as they stand:
//    CID "3" and MID "12" name "MouseVer312"): the mouse firmware version
//    last seen for that model, e.g. "v1.5". Written on each mouse version
//    report and after a successful mouse flash; never removed.
//  - "UpdateFailInfo": the failed flashes that wait for their repair, one
//    record per device, records joined by ";" in the order they were first
//    written: "kind,class,cid,mid;kind,class,cid,mid". A record is four
//    decimal fields (digits only, 0..255) joined by ",": kind (210 mouse, 211 receiver), receiver
//    class, CID, MID, e.g. "211,4,3,12". A device waiting in its boot loader
//    is not enumerated, so its record is the only way back to it: a record
//    goes only with a successful flash of that same device (all four fields
//    equal), never with another device's success or failure. An earlier
//    build kept one record, which is the one-record case of this value. The
//    device list shows its repair button while the value exists.
//
// Every reader and writer goes through here, so the names and the format
// exist once. Safe from any thread (the upgrade callbacks write on the
// library's thread).

#include <QList>
#include <QString>

namespace UpdateRegistry {

QString MouseVersionName(const QString &cidText, const QString &midText);
// Empty when none is recorded.
QString MouseVersion(const QString &cidText, const QString &midText);
void SetMouseVersion(const QString &cidText, const QString &midText, const QString &version);

struct FailInfo
{
    int Kind = 0;
    int ReceiverClass = 0;
    int CID = 0;
    int MID = 0;
    // "kind,class,cid,mid".
    QString Text() const;
    // The same device.
    bool operator==(const FailInfo &other) const;
};

// The stored value as it stands (empty when none).
QString FailInfoText();
// True while the value exists, well-formed or not: the repair is what drops a
// malformed one.
bool HasFailInfo();
// True with *info filled when text is one record of exactly four fields,
// each a decimal number 0..255 (digits only).
bool ParseFailInfo(const QString &text, FailInfo *info);
// The well-formed records, oldest first; malformed ones are passed over.
QList<FailInfo> FailRecords();
// As FailRecords, and the malformed records are dropped from the stored
// value (the value goes when nothing well-formed is left). For the repair.
QList<FailInfo> DropMalformedRecords();
// Records a failed flash of this device: its record replaces the device's
// earlier one, else it is added after the others.
void AddFailRecord(const FailInfo &info);
// The device's record goes; the other devices' records stay.
void RemoveFailRecord(const FailInfo &info);
// The whole value goes.
void RemoveFailInfo();

// The one rule for the end of a flash of this device, for every window that
// flashes: a success removes the device's record; a failure records it,
// unless the flash was handed no image (FirmwareImage::HoldsImage): the
// library then ended it before it reached any device, so nothing waits for a
// repair. Safe from the library's thread.
void RecordFlashEnd(const FailInfo &device, bool succeeded);

} // namespace UpdateRegistry
