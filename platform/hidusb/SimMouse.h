#pragma once
// The simulated hardware: a mouse (its own memory and firmware) and the
// enumeration entries it is seen through (its receiver, its cable).
//
// `SimMouse` is what belongs to the mouse itself: the four on-board
// configurations, the last record it received, its firmware version, battery
// and status bytes. Two entries that name the same `mouse` key share one.
// `SimDevice` is one enumeration entry: its path and identity, the online
// flag, boot mode, the receiver's own lighting, long-range mode, firmware
// version and pairing.
//
// Neither has a lock of its own: the bus (SimBus.h) owns every object and
// calls them only under its lock, so they are plain objects that a layer
// above can test and reason about without threads.

#include "HIDUsb.h"
#include "HIDUsbSim.h"

#include <QByteArray>

#include <chrono>
#include <memory>

namespace HIDUsbSimCore {

using Clock = std::chrono::steady_clock;

constexpr int RecordSize = HIDUSB_FLASH_RECORD_SIZE;
constexpr int FullReadSize = HIDUSB_FULL_READ_SIZE;
constexpr int ConfigCount = 4;

// Receiver types 0, 1 and 4; every other type is a mouse on its cable.
bool isReceiverType(quint8 type);

// Flash image header as the library reads it.
struct ImageHeader
{
    bool valid = false;
    quint32 length = 0;
    quint32 version = 0;
    quint8 kind = 0;
    quint8 cid = 0;
    quint8 mid = 0;
    QByteArray model; // the model name, up to its first zero byte
};
ImageHeader parseImage(const unsigned char *image);

class SimMouse
{
public:
    // The mouse as the first entry that names it describes it; `serial`
    // makes its own status bytes (those it has when no entry gives any).
    SimMouse(const HIDUsbSim::DeviceSetup &first, int serial);

    quint8 cid() const { return m_cid; }
    quint8 mid() const { return m_mid; }
    quint16 version() const { return m_version; }
    void setVersion(quint16 version) { m_version = version; }
    int battery() const { return m_battery; }
    bool charging() const { return m_charging; }
    void setBattery(int level, bool charging);
    const QByteArray &status() const { return m_status; }

    // The values a new version of the devices file gives the mouse (battery,
    // charging, firmware version, status bytes). Only what differs from the
    // file's previous version is taken: a value the mouse changed itself (a
    // flashed version, a test's battery) stays until the file changes it.
    // Returns true when the battery level or charging changed.
    bool takeFileValues(const HIDUsbSim::DeviceSetup &setup);

    // ---- configurations and records ----
    int activeConfig() const { return m_active; }
    // False (nothing changes) for an index outside 0..3.
    bool selectConfig(int index);
    const QByteArray &activeRecord() const { return m_configs[m_active]; }
    // -1: the active configuration; empty for an index beyond the last.
    QByteArray storedRecord(int config) const;
    // A test's record; false when it has the wrong size or would not fit
    // the full read (the mouse could never send it back).
    bool setStoredRecord(const QByteArray &record, int config);
    // A record from ProtocolDataUpdate, into the active configuration.
    void receiveRecord(const QByteArray &record);
    const QByteArray &lastRecord() const { return m_lastRecord; }
    int updates() const { return m_updates; }
    // The active configuration back to the model's factory record.
    void factoryReset();

    // ---- report data the mouse answers reads with ----
    QByteArray fullRead() const;
    QByteArray currentDpiData() const;
    QByteArray reportRateData() const;
    QByteArray dpiLedData() const;
    QByteArray ledBarData() const;
    QByteArray batteryData() const;
    QByteArray versionData() const;
    QByteArray configData() const;

    // ---- record coding (the library's, shared with ProtocolDataParser) ----
    static QByteArray factoryRecord(quint8 mid);
    static QByteArray configRecord(int config, quint8 mid);
    // Our coding of the parameter memory in the 6912-byte full read; false
    // when the record does not compress into the room.
    static bool encodeRecord(const QByteArray &record, QByteArray *fullRead);
    static bool decodeRecord(const unsigned char *fullRead, QByteArray *record);

private:
    QByteArray m_configs[ConfigCount];
    int m_active = 0;
    QByteArray m_lastRecord;
    int m_updates = 0;
    quint8 m_cid = 0;
    quint8 m_mid = 0;
    quint16 m_version = 0;
    int m_battery = 0;
    bool m_charging = false;
    QByteArray m_status;    // 3 bytes
    QByteArray m_ownStatus; // 3 bytes, from the serial: when no entry gives any
    // What the devices file said last (or the first entry, for a new mouse).
    int m_fileBattery = 0;
    bool m_fileCharging = false;
    quint16 m_fileVersion = 0;
    QByteArray m_fileStatus;
};

class SimDevice
{
public:
    // The entry takes its CID and MID from its mouse (the mouse's first
    // entry decides them). `fromFile`: the devices file made it, and the
    // file's description is kept to compare the next version of the file with.
    SimDevice(int id, const HIDUsbSim::DeviceSetup &setup, const QByteArray &path, std::shared_ptr<SimMouse> mouse,
              bool fromFile);

    int id() const { return m_id; }
    const QByteArray &path() const { return m_path; }
    const HIDUsbSim::DeviceSetup &setup() const { return m_setup; }
    SimMouse &mouse() { return *m_mouse; }
    const SimMouse &mouse() const { return *m_mouse; }
    // The description as the test API reports it: the mouse's shared
    // values (version, battery, charging, status) and the path filled in.
    HIDUsbSim::DeviceSetup currentSetup() const;

    bool isReceiver() const { return isReceiverType(m_setup.receiverType); }
    bool bootMode() const { return m_setup.bootMode; }
    // The mouse answers through this entry: enumerated and online.
    bool answers() const { return !m_setup.bootMode && m_setup.online; }
    void setOnline(bool online) { m_setup.online = online; }
    // VID and PID compared as numbers.
    bool hasIds(uint vid, uint pid) const;

    // ---- identification ----
    // CID, MID, type; zeros before the identifyFrom-th ask. A receiver knows
    // the mouse it is paired with even while that mouse is switched off, so
    // this does not depend on the online state.
    QByteArray identify();
    void setIdentifyFrom(int k);
    int asks() const { return m_asks; }
    QByteArray statusBytes() const;
    quint16 receiverVersion() const { return m_setup.receiverVersion; }

    // ---- receiver ----
    const QByteArray &dongleRgb() const { return m_setup.dongleRgb; }
    void setDongleRgb(const QByteArray &rgb) { m_setup.dongleRgb = rgb; }
    bool longRange() const { return m_setup.longRange; }
    void setLongRange(bool on) { m_setup.longRange = on; }

    // ---- pairing ----
    // Starts pairing for mice of this CID; it ends after `duration`, in
    // failure when requested or when this entry is no receiver. Returns
    // whether this entry is a receiver.
    bool startPairing(quint8 cid, Clock::duration duration, bool fail);
    // 0 none, 1 pairing, 2 failed, 3 paired; a pairing whose time is up ends
    // here: a paired mouse is online and takes the CID if it had none.
    quint8 pairingStatus(Clock::time_point now);

    // ---- flashing ----
    // The image is of this entry's kind, CID and MID, and names the model
    // this entry's firmware is made for: a device never takes the image of
    // another model, a 1 kHz receiver not the image of a 4 kHz one.
    bool fitsImage(const ImageHeader &h) const;
    // A connected entry that can take an image: a receiver, or a mouse on
    // cable that answers.
    bool canFlashConnected() const { return !m_setup.bootMode && (isReceiver() || m_setup.online); }
    // Restarts into the boot loader: hidden from the enumeration.
    void enterBootLoader() { m_setup.bootMode = true; }
    // The end of a flash: success takes the image's version (the mouse's or
    // the receiver's) and leaves boot mode; a failure of a valid image leaves
    // the entry waiting in boot mode. Returns true when the entry left or
    // came back to the enumeration (a hot-plug notification is due).
    bool finishFlash(const ImageHeader &h, bool ok);

    // ---- devices file ----
    bool fromFile() const { return m_fromFile; }
    // The file describes this entry as before, apart from the online flag and
    // the mouse's own values (battery, charging, firmware version, status
    // bytes), which change without unplugging anything.
    bool sameFileEntry(const HIDUsbSim::DeviceSetup &fileSetup) const;
    // The online flag changes in place, without a hot-plug notification; the
    // mouse's values are the mouse's to take (SimMouse::takeFileValues).
    void takeFileSetup(const HIDUsbSim::DeviceSetup &fileSetup);

private:
    int m_id = 0;
    HIDUsbSim::DeviceSetup m_setup;
    QByteArray m_path;
    std::shared_ptr<SimMouse> m_mouse;
    bool m_fromFile = false;
    HIDUsbSim::DeviceSetup m_fileSetup;
    int m_asks = 0;
    int m_pairState = 0;
    Clock::time_point m_pairEnd;
    bool m_pairFail = false;
    quint8 m_pairCid = 0;
};

} // namespace HIDUsbSimCore
