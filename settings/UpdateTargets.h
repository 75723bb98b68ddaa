#pragma once
// What a firmware update of the current device is about, as the two update
// machines (the settings page's and the older settings dialog's) see it.
// Both follow the same rules, so they live here once:
//
//  - a wireless mouse brings its own receiver; a mouse on its cable has one
//    only when the worker's list holds exactly two entries, and then it is
//    the first entry with status bytes and no cable;
//  - the receiver class of that receiver (1, 2, 4; 0 when there is none);
//  - the version texts the two rows show: offline, the receiver's text only;
//    online on a cable, the receiver beside it and the mouse's own; online
//    wireless, both of the current device;
//  - a receiver's own firmware version as it reports it, "vM.m" (M decimal,
//    m hexadecimal), empty when it does not answer.
//
// GUI thread only: the worker's list is the GUI thread's.

#include "DeviceAllInfo.h"

#include <QList>
#include <QString>

namespace UpdateTargets {

const DeviceAllInfo *ReceiverBeside(const QList<DeviceAllInfo> &list);
int CurrentReceiverClass();

struct VersionTexts
{
    QString Receiver;
    QString Mouse;
};
VersionTexts ShownVersions();

QString ReceiverOwnVersion(const QString &path);

} // namespace UpdateTargets
