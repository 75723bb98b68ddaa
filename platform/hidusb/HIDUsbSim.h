#pragma once
// Control of the simulated devices behind HIDUsb, for tests and for people.
//
// The library simulates mice and receivers: each simulated device is one
// enumeration entry (a receiver, or a mouse on its cable). Entries that name
// the same `mouse` key are two entries of one mouse: they share its CID and
// MID, on-board configurations, battery, firmware version and status bytes
// (the first entry of the key gives them; in a devices file each of battery,
// charging, firmware version and status bytes comes from the first entry of
// the key that gives it), so a record written through the cable reads back
// through the receiver.
//
// Every function here is thread-safe. None of them is logged in the call list.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "HIDUsb.h"

namespace HIDUsbSim {

// Identification of the sample models of Config.ini: the CID of "Option" and
// the "MID" of "Drive1" (wireless) and "Drive2" (corded). The built-in mice,
// the bench programs and the tests take them from here, so the data file and
// the simulated mice cannot drift apart. MIDs 1 and 2 are the models the
// device list tells the button page about (mouse 0 and 1), so a selected
// sample mouse shows its mouse picture there.
constexpr quint8 sampleCid = 0x1A;
constexpr quint8 sampleWirelessMid = 0x01;
constexpr quint8 sampleCordedMid = 0x02;

// The utility's own texts for a sample model: the "MID" value as Config.ini
// writes it ("1"), the name of its device cache file
// ("Device_CID1A_MID01.bin") and its firmware version key in the registry
// ("MouseVer" + CID text + MID text, "MouseVer261").
QString sampleMidText(quint8 mid = sampleWirelessMid);
QString sampleCacheFileName(quint8 mid = sampleWirelessMid);
QString sampleMouseVerKey(quint8 mid = sampleWirelessMid);
// A firmware update failure of a sample model as the registry keeps it:
// "kind,type,CID,MID" in decimal ("211,4,26,1").
QString sampleFailInfo(int kind, int type, quint8 mid = sampleWirelessMid);

// Description of one simulated enumeration entry.
struct DeviceSetup
{
    QString name;         // short key for the path; empty: "dev" + id
    QString path;         // explicit HID path; empty: built from vid, pid and name
    QString vid = "3554"; // hexadecimal texts, as enumerated
    QString pid = "F503";
    quint8 cid = sampleCid;
    quint8 mid = sampleWirelessMid;
    quint8 receiverType = 1;          // 0 1 kHz, 4 2 kHz, 1 4 kHz receiver; other (2) the mouse on cable
    bool online = true;               // the mouse answers through this entry
    QByteArray statusBytes;           // 3 bytes; empty: the mouse's own (shared by twins)
    quint16 receiverVersion = 0x0102; // USB attribute version / receiver firmware
    quint16 mouseVersion = 0x0105;    // mouse firmware (shared by twins)
    int battery = 80;                 // percent (shared by twins)
    bool charging = false;
    QString mouse;         // twin key: entries with the same key are one mouse (CID/MID from the first)
    bool bootMode = false; // waits in boot mode: not enumerated, found by UsbUpgradeC_FindBootDevices
    QByteArray dongleRgb;  // 10 bytes receiver lighting; empty: mode 1, rest 0
    bool longRange = false;
    int identifyFrom = 1; // UsbFinderC_GetDeviceInfo answers from this ask on (1 = at once)
    // The model name the device's firmware is made for: it takes only images
    // whose header names it. Empty: the sample model's (sampleFirmwareModel).
    QByteArray firmwareModel;
};

// The model name the firmware of a sample device carries, as Config.ini's
// "MM", "DM", "D2M" and "D4M" of the sample models name it: "OrvikM" + MID for
// a mouse on its cable, "OrvikR1K", "OrvikR2K" and "OrvikR4K" for the
// receivers of types 0, 4 and 1.
QByteArray sampleFirmwareModel(quint8 receiverType, quint8 mid = sampleWirelessMid);

// The sample models of Config.ini as the simulator builds them when no
// devices file is named, so tests plug the same mice the utility starts with.
// A wireless mouse of model Drive1 (sampleWirelessMid) on a 4 kHz receiver (PID
// "F503", type 1), online, firmware of the defaults.
DeviceSetup sampleReceiverMouse(const QString &name = QStringLiteral("receiver4k"),
                                const QString &mouse = QStringLiteral("wireless"));
// A corded mouse of model Drive2 (sampleCordedMid) on its 1 kHz cable (PID "F500",
// type 2). The built-in one also carries firmware 0x0110 and a full battery.
DeviceSetup sampleCordedMouse(const QString &name = QStringLiteral("corded"),
                              const QString &mouse = QStringLiteral("corded"));

// Back to no devices and no connection; the devices file is no longer
// watched; delays, fail flags, hot-plug registration and call list reset.
void reset();

// Adds an entry; returns its id (> 0). Fires a hot-plug notification unless
// the entry is in boot mode.
int plug(const DeviceSetup &setup);
// Removes an entry; fires a hot-plug notification (unless it was in boot mode).
bool unplug(int id);
// Online state of the mouse behind an entry; no hot-plug notification (as a
// real receiver: the mouse simply stops answering).
bool setOnline(int id, bool online);
bool setBattery(int id, int level, bool charging);
QList<int> devices();               // ids of all entries, boot mode included
QString path(int id);               // empty for an unknown id
DeviceSetup setup(int id);          // current description (versions after a flash)
int idForPath(const QString &path); // 0 when none

// Identification answers only from the k-th ask of UsbFinderC_GetDeviceInfo
// (counting starts again now).
bool setIdentifyFrom(int id, int k);
int identifyAsks(int id);

// Delivers a report to the current connection's callback (as the device
// would; ordered after the reports already queued). False: no connection.
bool injectReport(const QByteArray &header, const QByteArray &data);

// The next flash ends in failure (the target stays in boot mode); the next
// pairing ends with status 2.
void failNextFlash();
void failNextPairing();
// The next flash reports progress up to this percentage (in steps of 10: 0,
// 10, ... up to it), then fails; the target is left in boot mode. 100 is
// failNextFlash().
void failNextFlashAt(int percent);
// Opt-in: a connected target leaves the enumeration for its flash (hidden as
// a boot-mode device, not unplugged) and returns after a success; hot-plug
// notifications at both moments. Off after reset().
void setFlashLeavesEnumeration(bool leaves);
// Caps the time-out the caller passes to UsbUpgrade_Start (the utility's
// 10000 ms), so a test sees a time-out quickly; 0 lifts the cap.
void setFlashTimeoutCap(int ms);
// The image the last UsbUpgrade_Start was given, as the library copied it at
// the start (the header's length of bytes); empty for an invalid image.
QByteArray lastFlashedImage();
// Receivers take the pairing status request but never answer it (a receiver
// that hangs); until switched off again or reset.
void setPairingSilent(bool silent);
// The next ProtocolDataUpdate returns 0 and the mouse keeps its record: the
// library refuses it; or the connection's mouse goes offline just before it
// (as one switched off between the utility's online test and its write; it
// stays offline until setOnline).
void refuseNextUpdate();
void goOfflineAtNextUpdate();
// UsbFinderC_GetDeviceOnLine answers with these bits set above its low byte
// (bits of the low byte are ignored), online or not, until set to 0 again or
// reset: the answer of a library that uses the higher bytes for more.
void setOnlineAnswerHighBits(int bits);
// Duration of a whole flash and of a pairing (ms); delay of every report (ms).
void setFlashDuration(int ms);
void setPairDuration(int ms);
void setReportDelay(int ms);

// Records: the last record the mouse behind an entry received through
// ProtocolDataUpdate (empty when none yet), and its stored records.
QByteArray lastRecord(int id);
int updateCount(int id);                          // successful ProtocolDataUpdate calls for this mouse
QByteArray storedRecord(int id, int config = -1); // -1: the active configuration
bool setStoredRecord(int id, const QByteArray &record, int config = -1);
int activeConfig(int id);
QByteArray factoryRecord(int mid = sampleWirelessMid); // what a factory reset restores for this model
QByteArray dongleRgb(int id);
bool longRange(int id);

// The connection: path and whether one is open.
QString connectionPath();
bool connectionOpen();

// Hot-plug notifications posted so far (since reset).
int hotplugPosts();

// Call list: one line per library call, "Name(arg, arg)" (numbers in
// decimal, callbacks as "callback" or "null"). Keeps at least
// the last 20000 calls.
QStringList calls();
void clearCalls();
// Calls whose line starts with this text (e.g. "UsbServer_ReadAllFlashData").
int callCount(const QString &prefix);

// Waits until every queued report was delivered, no callback runs and no
// flash is in progress; processes events meanwhile when called on the
// application's main thread (callbacks may wait on it). False on time-out.
bool waitIdle(int timeoutMs = 5000);

// Devices file: reads it now and then watches it (mtime polled on a library
// thread); returns false when it cannot be read or parsed (the message is
// also on stderr and in lastFileError(); no devices from it then). A new
// version gives the mice the battery, charging, firmware version and status
// bytes it changed, in place (a battery change is reported to an open
// connection of that mouse as a status change); see README-sim.md.
bool watchDevicesFile(const QString &fileName);
QString lastFileError();
void setPollInterval(int ms);
// Parses devices-file JSON text into setups (for tests); false + error text
// on a fault.
bool parseDevicesJson(const QByteArray &json, QList<DeviceSetup> *out, QString *error);

// Builds a firmware image of our format (header + payloadSize bytes of
// filler). versionWord: byte 0 minor, bits 8.. major.
QByteArray makeFirmwareImage(quint8 kind, quint8 cid, quint8 mid, quint32 versionWord, const QByteArray &modelName,
                             int payloadSize = 1024);

} // namespace HIDUsbSim
