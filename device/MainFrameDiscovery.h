#pragma once
// The search for mice while the main frame is shown (GUI thread): the
// hot-plug callback the main frame registers, the list it fills
// (g_DeviceList), the move to a mouse's cable when it is plugged in, and the
// receiver update offered beside a corded mouse. The device list page has a
// search of its own (DeviceDiscovery's picker functions).

#include "DeviceAllInfo.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace MainFrameDiscovery {

// The hot-plug callback: searches anew, follows the selected mouse and tells
// the pages what changed.
void UsbChangedCallBack();
// Appends the mice found for these IDs to g_DeviceList; with a mouse
// selected, only those of its model (and the unknown ones).
void FindDevices(QString vid, QVector<QString> pids, int interfaceId, int deviceId);
// 1 known model, 2 the CID matches but no model's MID does, 3 the CID does
// not match, 0 no usable answer (or no model group). Also refreshes the
// selected mouse's record when info is that mouse.
int IdentifyDevice(DeviceAllInfo &info, const QByteArray &path);
// Follows the device at info's path when it answers online, then starts a
// pass of the worker.
void SelectDevice(DeviceAllInfo info);

} // namespace MainFrameDiscovery
