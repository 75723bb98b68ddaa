#pragma once
// The firmware check before a mouse is paired with its receiver, used by the
// device list (a click on a mouse of no known model, or on an offline twin)
// and by the top-level window's pairing shortcut.
//
// A mouse and its receiver only pair when their firmware fits. The gate
// reads the mouse firmware version last seen for the model (registry value
// "MouseVer" + CID + MID):
//  - none seen yet: pair at once;
//  - otherwise it looks for newer images of both (the shared search: newer
//    than the device's version, the highest wins; nothing is flashed):
//      only the receiver's is newer: ask with mouseIsNewText (ContainReset)
//        and, on OK, flash that receiver through the repair dialog in its
//        update mode (a recorded failed update waits for the repair button);
//      only the mouse's is newer: tell that the mouse needs its cable
//        (UpDateWarning with the settings page's "WiredMode" text);
//      both or neither: pair, after asking with RePair when askBeforePairing.
// Every dialog is centred over opener (the repair dialog and the RePair
// question as they are, the other two moved 20 pixels left). While a flash
// runs (g_UpgradeIdle clear) the gate opens nothing.

#include "DeviceAllInfo.h"

#include <QString>

#include <functional>

class QWidget;

namespace PairingGate {

void Run(const DeviceAllInfo &device, QWidget *opener, const QString &mouseIsNewText, bool askBeforePairing,
         const std::function<void()> &pair);

} // namespace PairingGate
