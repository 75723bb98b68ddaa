#pragma once
// Finding and identifying the connected mice.
//
// The program enumerates the HID devices of the vendor and product IDs listed
// in Config.ini and identifies each by the CID and MID bytes the library reads
// from it. Two searches exist: the device list page's (its records go to
// g_PickerDeviceList) and the worker's (g_DeviceList), each with its own
// online test. Everything here runs on the GUI thread: the library calls the
// hot-plug callbacks on the thread that registered them. The lists are plain
// QLists used by that thread only.

#include "DeviceAllInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace DeviceDiscovery {

// What a search needs from Config.ini group "Option".
struct SearchIds
{
    QString Vid;
    QVector<QString> Pids; // "USB_PID", "Wireless_PID", "Wireless2_PID", "Wireless4_PID", empty items left out
    int InterfaceId = 0;
    int DeviceId = 0;
    QStringList UsbPids;
    QStringList Wireless1KPids;
    QStringList Wireless2KPids;
    QStringList Wireless4KPids;
};
SearchIds ReadSearchIds();

// Result of the worker's identification.
enum IdentifyResult {
    NoAnswer = 0,     // no usable answer, or Config.ini lists no model
    KnownModel = 1,   // CID and a model's MID match
    UnknownModel = 2, // the CID matches, no model's MID does
    ForeignCid = 3,   // the CID does not match
};

// Asks UsbFinderC_GetDeviceInfo until CID or MID is non-zero, at most 10
// times; only an answer to one of the first 9 asks counts. answer gets the 3
// bytes (CID, MID, receiver type) of the last ask. True on success.
bool AskDeviceInfo(const QByteArray &path, unsigned char answer[3]);

// Identification shared by both searches (no online test): on a known model
// stores CID, MID, ReceiverType, ModelIndex (n - 1 for "Drive" + n) and Wired;
// otherwise ModelIndex = "DeviceTotal" and Wired from the last type byte read.
// "DeviceTotal" is read anew on every call.
IdentifyResult Identify(DeviceAllInfo &info, const QByteArray &path);

// New records for every path the library returns for each PID, in order:
// Path, VID, PID and ReceiverVersion from the USB attributes.
// picker selects UsbFinderC_FindHidDevicesByDefaultDeviceId (the device list)
// instead of UsbFinderC_FindHidDevicesByDeviceId (the worker).
QList<DeviceAllInfo> Enumerate(const QString &vid, const QVector<QString> &pids, bool picker);

// ---- The device list page's twin (DialogChange's static functions wrap these)

// Identification plus online state (UsbFinderC_GetDeviceOnLine) of a known
// model. False only when "DeviceTotal" is 0 or less.
bool IdentifyForPicker(DeviceAllInfo &info);
// Appends the identified devices to g_PickerDeviceList.
void FindForPicker(const QString &vid, const QVector<QString> &pids, int interfaceId, int deviceId);
// Step 2 of the device list's hot-plug callback: reads the search IDs, empties
// g_PickerDeviceList, stores the three receiver PID lists and searches.
void SearchForPicker();
// Online refresh of entry index of g_PickerDeviceList (identify also runs the
// identification on it, as the hover refresh does). Returns true when at least
// one status byte is non-zero; false for an index outside the list.
bool RefreshPickerEntry(int index, bool identify);

// ---- The device list's hot-plug watch

// The device list's hot-plug callback changes the list's widgets, so this
// area cannot name it: the list hands it over once, and whoever took the
// notifications for a while (the pairing dialog, the top-level window on its
// way back to the list) gives them back with RestoreListWatch().
void SetListWatch(void (*callback)());
// StartUsbChanged(the list's callback, 600); nothing before a list set one.
void RestoreListWatch();

// ---- Helpers

// Firmware version text: "v" + (version >> 8) in decimal + "." +
// (version & 0xFF) in lower-case hexadecimal without leading zeros.
QString VersionText(quint32 version);
// True for a mouse on its cable: the type is none of 0, 1, 4.
bool IsWiredType(uchar receiverType);
// A mouse on its cable and the receiver it is paired with report the same
// three status bytes; true when both lists are equal.
bool SameStatusBytes(const DeviceAllInfo &a, const DeviceAllInfo &b);
// The online test: the low byte of UsbFinderC_GetDeviceOnLine's answer for
// the device at path is not zero.
bool IsOnline(const char *path);
// The online test for the selected device (g_DevicePath).
bool SelectedIsOnline();

// The other online answer, with the mouse's status bytes:
// UsbFinderC_GetDeviceOnLineWithUsbAddress into the caller's 10-byte answer
// buffer (zeroed first); online is byte 6 = 1, the status bytes are 7 to 9.
struct AddressAnswer
{
    bool online = false;
    QList<char> statusBytes;
};
AddressAnswer AskWithAddress(const QByteArray &path, unsigned char *buffer10);

} // namespace DeviceDiscovery
