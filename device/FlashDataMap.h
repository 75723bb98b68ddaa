#pragma once
// The in-memory image of the mouse's parameter memory.
//
// FlashDataMap is one packed 10428-byte record: the vendor library fills it
// from the full-read report (ProtocolDataParser) and takes the whole record
// back to program the mouse (ProtocolDataUpdate). It is plain data without a
// constructor, copied with a byte copy, and travels by value through the hub.
//
// Threading rule for the record (g_FlashDataMap): it is written by GUI-thread
// setters and by the data callback on the vendor library's thread, which copies
// a whole full read into it. Every access, reads included, goes through the
// FlashData API below, which takes the record lock, so a reader never sees a
// record half-copied and a full read is never observed half-parsed or zeroed by
// a setter that sends the record. Readers take FlashData::snapshot() (a copy) or
// FlashData::read (a few fields under the lock). This header does not declare
// the record itself; the link's own code and tests that look at the record in
// place include FlashDataRecord.h. Never emit a hub signal while holding the
// lock (FlashData::modify / send / replace release it before they return).

#include <QtGlobal>
#include <cstddef>
#include <cstring>

#pragma pack(push, 1)

// The function of one button (3 bytes). Type codes: 0 disabled, 1 mouse button,
// 2 DPI switch, 3 tilt, 4 fire key, 5 key events, 6 macro, 7 report-rate
// switch, 8 lights, 9 configuration switch, 10 DPI lock, 11 scroll.
struct KeyFunction
{
    quint8 Type;
    quint8 Param1;
    quint8 Param2;
};

// One event of a key sequence or macro (8 bytes, little-endian numbers).
// State: 0 press, 1 release. Kind: 0 modifier mask, 1 keyboard usage,
// 2 consumer-control usage, 4 mouse-button mask.
struct MacroEvent
{
    quint8 State;
    quint8 Kind;
    quint16 Code;
    quint32 Delay;
};

// Key combination / multimedia key of one button (52 bytes).
struct KeyEventRecord
{
    quint8 EventCount;
    quint8 Reserved[3];
    MacroEvent Events[6];
};

// Macro of one button's macro slot (592 bytes).
struct MacroRecord
{
    quint8 NameLength;
    char Name[30];
    quint8 EventCount;
    MacroEvent Events[70];
};

// One DPI level: X and Y resolution codes, their range flags, LED colour.
struct DPILevelEntry
{
    quint8 XCode;
    quint8 YCode;
    quint8 Flags;
    quint8 Red;
    quint8 Green;
    quint8 Blue;
};

// DPI-LED effect (bytes 63..66).
struct DPILedState
{
    quint8 Mode;       // 1 steady, 2 breathing
    quint8 Brightness; // 16, 30, 60, 90, 128, 150, 180, 210, 230, 255
    quint8 Speed;      // 1..5
    quint8 Enable;     // 0 off, 1 on
};

// Light-bar effect (bytes 67..73).
struct LightBarState
{
    quint8 Mode; // 1..5
    quint8 Red;
    quint8 Green;
    quint8 Blue;
    quint8 Speed;      // speed level - 1
    quint8 Brightness; // brightness level - 1
    quint8 Enable;     // 0 off, 1 on
};

struct FlashDataMap
{
    quint8 ReportRate;            // 0: 1=1000 Hz, 2=500, 4=250, 8=125, 16=2000, 32=4000
    quint8 DPILevelCount;         // 1: 1..8
    quint8 CurrentDPI;            // 2: 0-based active level
    quint8 Reserved3;             // 3
    quint8 Reserved4;             // 4
    quint8 LiftOff;               // 5: 1 = 1 mm, 2 = 2 mm
    quint8 Debounce;              // 6: debounce selector index
    quint8 MotionSyncOn;          // 7
    quint8 SleepTime;             // 8: units of 10 s
    quint8 AngleSnap;             // 9
    quint8 Ripple;                // 10
    quint8 LightOffMoving;        // 11
    quint8 FullPerformance;       // 12
    quint8 FullPerformanceTime;   // 13: units of 10 s
    quint8 SensorMode;            // 14
    DPILevelEntry DPILevel[8];    // 15 + 6i
    DPILedState DPILed;           // 63
    LightBarState LightBar;       // 67
    KeyFunction Keys[16];         // 74 + 3b
    quint8 Reserved122[2];        // 122
    KeyEventRecord KeyEvents[16]; // 124 + 52b
    MacroRecord Macros[16];       // 956 + 592b
};

// The receiver-lighting block: byte 0 is the mode (1, 2 or 3); bytes 1..9
// belong to the vendor library.
struct DongleRGB
{
    quint8 Mode;
    quint8 Data[9];
};

#pragma pack(pop)

static_assert(sizeof(KeyFunction) == 3, "KeyFunction is 3 bytes");
static_assert(sizeof(MacroEvent) == 8, "MacroEvent is 8 bytes");
static_assert(sizeof(KeyEventRecord) == 52, "KeyEventRecord is 52 bytes");
static_assert(sizeof(MacroRecord) == 592, "MacroRecord is 592 bytes");
static_assert(sizeof(DPILevelEntry) == 6, "DPI level is 6 bytes");
static_assert(sizeof(DongleRGB) == 10, "DongleRGB is 10 bytes");
static_assert(sizeof(FlashDataMap) == 10428, "FlashDataMap is 10428 bytes");
static_assert(offsetof(MacroEvent, Code) == 2 && offsetof(MacroEvent, Delay) == 4, "MacroEvent layout");
static_assert(offsetof(KeyEventRecord, Events) == 4, "KeyEventRecord layout");
static_assert(offsetof(MacroRecord, Name) == 1 && offsetof(MacroRecord, EventCount) == 31
                  && offsetof(MacroRecord, Events) == 32,
              "MacroRecord layout");
static_assert(offsetof(FlashDataMap, ReportRate) == 0, "offset");
static_assert(offsetof(FlashDataMap, DPILevelCount) == 1, "offset");
static_assert(offsetof(FlashDataMap, CurrentDPI) == 2, "offset");
static_assert(offsetof(FlashDataMap, Reserved3) == 3, "offset");
static_assert(offsetof(FlashDataMap, Reserved4) == 4, "offset");
static_assert(offsetof(FlashDataMap, LiftOff) == 5, "offset");
static_assert(offsetof(FlashDataMap, Debounce) == 6, "offset");
static_assert(offsetof(FlashDataMap, MotionSyncOn) == 7, "offset");
static_assert(offsetof(FlashDataMap, SleepTime) == 8, "offset");
static_assert(offsetof(FlashDataMap, AngleSnap) == 9, "offset");
static_assert(offsetof(FlashDataMap, Ripple) == 10, "offset");
static_assert(offsetof(FlashDataMap, LightOffMoving) == 11, "offset");
static_assert(offsetof(FlashDataMap, FullPerformance) == 12, "offset");
static_assert(offsetof(FlashDataMap, FullPerformanceTime) == 13, "offset");
static_assert(offsetof(FlashDataMap, SensorMode) == 14, "offset");
static_assert(offsetof(FlashDataMap, DPILevel) == 15, "offset");
static_assert(offsetof(FlashDataMap, DPILed) == 63, "offset");
static_assert(offsetof(FlashDataMap, LightBar) == 67, "offset");
static_assert(offsetof(FlashDataMap, Keys) == 74, "offset");
static_assert(offsetof(FlashDataMap, Reserved122) == 122, "offset");
static_assert(offsetof(FlashDataMap, KeyEvents) == 124, "offset");
static_assert(offsetof(FlashDataMap, Macros) == 956, "offset");

// The one receiver-lighting block, allocated zero-filled before main, never freed.
// It is filled on the library's thread (full read, reset report) and written
// by the settings page: every access goes through DongleLighting below; the
// pointer itself only travels with SigRGBValue.
extern DongleRGB *g_DongleRGB;

namespace DongleLighting {

// A copy of the block taken under its lock.
DongleRGB snapshot();

void lock();
void unlock();

// Runs fn(*g_DongleRGB) under the lock (fn may hand the block to the
// library's get and set calls). fn must not emit hub signals.
template<typename Fn>
void modify(Fn fn)
{
    lock();
    fn(*g_DongleRGB);
    unlock();
}

} // namespace DongleLighting

namespace FlashData {

// A copy of the record taken under the record lock.
FlashDataMap snapshot();

// Replaces the whole record under the lock without sending it (the full read
// parses into a local record first and then hands it over here).
void replace(const FlashDataMap &record);

// Hands the current record to ProtocolDataUpdate under the lock.
int send();

// The record lock. Prefer modify()/modifyAndSend(); a Locker holds it for a
// scope. Never emit a hub signal or wait for another thread while holding it.
void lock();
void unlock();
class Locker
{
public:
    Locker() { lock(); }
    ~Locker() { unlock(); }
    Locker(const Locker &) = delete;
    Locker &operator=(const Locker &) = delete;
};

// The record itself, for the templates below; internal, the lock must be held.
FlashDataMap &recordLocked();

// Returns fn(record) computed under the lock: a field or a few that must
// agree, without copying the whole record, e.g.
// FlashData::read([](const FlashDataMap &m) { return m.SensorMode; }).
// fn must not emit hub signals nor call back into FlashData.
template<typename Fn>
auto read(Fn fn)
{
    Locker locker;
    return fn(static_cast<const FlashDataMap &>(recordLocked()));
}

// Runs fn(record) under the lock. fn must not emit hub signals nor
// call back into FlashData (the lock is not recursive).
template<typename Fn>
void modify(Fn fn)
{
    lock();
    fn(recordLocked());
    unlock();
}

// Runs fn(record) and ProtocolDataUpdate(&record) under one lock, so the
// device always gets a consistent record. Returns ProtocolDataUpdate's result.
int sendLocked(); // internal, the lock must be held
template<typename Fn>
int modifyAndSend(Fn fn)
{
    lock();
    fn(recordLocked());
    const int result = sendLocked();
    unlock();
    return result;
}

// Zero record helper (the cache-less start state, tests).
inline FlashDataMap zeroRecord()
{
    FlashDataMap record;
    std::memset(&record, 0, sizeof record);
    return record;
}

} // namespace FlashData
