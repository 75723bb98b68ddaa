#include "DataSetters.h"

#include "DeviceDiscovery.h"
#include "GlobalState.h"
#include "OfflineAction.h"
#include "PostMsg.h"

namespace {

inline quint8 low8(int value)
{
    return static_cast<quint8>(value & 0xFF);
}

// The offline notice, unless a page is filling its widgets from a record
// (then the page itself is the caller and the notice would only nag).
void requestOfflineNotice()
{
    if (!g_ButtonPageUpdating.load() && !g_SensorUiFilling.load())
        PostMsg::GetInstance()->EmitMouseOffLineo(0);
}

// Steps 1 and 3 of every setter: the online test, and the notice when offline.
// What is left of an action that already met the notice is refused quietly.
bool deviceOnline()
{
    if (OfflineAction::Voided())
        return false;
    const bool online = DeviceDiscovery::SelectedIsOnline();
    if (!online)
        requestOfflineNotice();
    return online;
}

// Writes through fn and sends the whole record, both under the record lock.
// True only when the mouse took the record: one that went away after the
// online test, or a record the library refused, is reported like an offline
// mouse. The local record keeps the change; the next full read replaces it.
template<typename Fn>
bool writeIfOnline(Fn fn)
{
    if (!deviceOnline())
        return false;
    if (FlashData::modifyAndSend(fn) != 0)
        return true;
    requestOfflineNotice();
    return false;
}

// Copies a block into the record under the record lock. The source may be a
// part of g_FlashDataMap itself (callers pass entries they read from it), so
// the copy allows overlap.
template<typename T>
inline void storeBlock(T *target, const T &source)
{
    std::memmove(target, &source, sizeof(T));
}

} // namespace

bool IsDeviceOnLine()
{
    return deviceOnline();
}

bool SetReportRate(int code)
{
    return writeIfOnline([=](FlashDataMap &m) { m.ReportRate = low8(code); });
}

bool SetCurrentDPI(int level)
{
    return writeIfOnline([=](FlashDataMap &m) { m.CurrentDPI = low8(level); });
}

bool SetLOD(int code)
{
    return writeIfOnline([=](FlashDataMap &m) { m.LiftOff = low8(code); });
}

bool SetDebounceTime(int code)
{
    return writeIfOnline([=](FlashDataMap &m) { m.Debounce = low8(code); });
}

bool SetMotionSync(int on)
{
    return writeIfOnline([=](FlashDataMap &m) { m.MotionSyncOn = low8(on); });
}

bool SetStopCloseTime(int units)
{
    return writeIfOnline([=](FlashDataMap &m) { m.SleepTime = low8(units); });
}

bool SetStraightLine(int on)
{
    return writeIfOnline([=](FlashDataMap &m) { m.AngleSnap = low8(on); });
}

bool SetRippeControl(int on)
{
    return writeIfOnline([=](FlashDataMap &m) { m.Ripple = low8(on); });
}

bool SetRippeControlB(int on)
{
    return writeIfOnline([=](FlashDataMap &m) { m.LightOffMoving = low8(on); });
}

bool SetPerformance(int on)
{
    return writeIfOnline([=](FlashDataMap &m) { m.FullPerformance = low8(on); });
}

bool SetPerformanceOpen(int units)
{
    return writeIfOnline([=](FlashDataMap &m) { m.FullPerformanceTime = low8(units); });
}

bool SetDPILevelCode(int level, int xCode, int yCode, int flags)
{
    return writeIfOnline([=](FlashDataMap &m) {
        m.DPILevel[level].XCode = low8(xCode);
        m.DPILevel[level].YCode = low8(yCode);
        m.DPILevel[level].Flags = low8(flags);
    });
}

bool SetDPIColor(int level, int red, int green, int blue)
{
    return writeIfOnline([=](FlashDataMap &m) {
        m.DPILevel[level].Red = low8(red);
        m.DPILevel[level].Green = low8(green);
        m.DPILevel[level].Blue = low8(blue);
    });
}

bool SetDPILevels(const DPILevelEntry &entryA, const DPILevelEntry &entryB, int levelB, int levelA, int current)
{
    return writeIfOnline([&](FlashDataMap &m) {
        // Entries of g_FlashDataMap itself may be passed: copy both before
        // the first one is overwritten.
        const DPILevelEntry a = entryA;
        const DPILevelEntry b = entryB;
        storeBlock(&m.DPILevel[levelA], a);
        storeBlock(&m.DPILevel[levelB], b);
        m.CurrentDPI = low8(current);
        m.DPILevelCount = low8(current + 1);
    });
}

bool SetLightEffect(int mode)
{
    return writeIfOnline([=](FlashDataMap &m) {
        if (mode != 0) {
            m.DPILed.Enable = 1;
            m.DPILed.Mode = low8(mode);
        } else {
            m.DPILed.Enable = 0;
        }
    });
}

bool SetLightBrightness(int value)
{
    return writeIfOnline([=](FlashDataMap &m) { m.DPILed.Brightness = low8(value); });
}

bool SetLightSpeed(int speed)
{
    return writeIfOnline([=](FlashDataMap &m) { m.DPILed.Speed = low8(speed); });
}

bool SetLampMode(int mode)
{
    return writeIfOnline([=](FlashDataMap &m) {
        if (mode != 0) {
            m.LightBar.Enable = 1;
            m.LightBar.Mode = low8(mode);
        } else {
            m.LightBar.Enable = 0;
        }
    });
}

bool SetLampColor(int red, int green, int blue)
{
    return writeIfOnline([=](FlashDataMap &m) {
        m.LightBar.Red = low8(red);
        m.LightBar.Green = low8(green);
        m.LightBar.Blue = low8(blue);
    });
}

bool SetLampSpeed(int value)
{
    return writeIfOnline([=](FlashDataMap &m) { m.LightBar.Speed = low8(value); });
}

bool SetLampBrightness(int value)
{
    return writeIfOnline([=](FlashDataMap &m) { m.LightBar.Brightness = low8(value); });
}

bool SetKeyFunction(int button, int type, int param1, int param2)
{
    return writeIfOnline([=](FlashDataMap &m) {
        m.Keys[button].Type = low8(type);
        m.Keys[button].Param1 = low8(param1);
        m.Keys[button].Param2 = low8(param2);
    });
}

bool SetKeyEvents(int button, const KeyFunction &function, const KeyEventRecord &events)
{
    return writeIfOnline([&](FlashDataMap &m) {
        storeBlock(&m.Keys[button], function);
        storeBlock(&m.KeyEvents[button], events);
    });
}

bool SetKeyMacro(int button, const KeyFunction &function, const MacroRecord &macro)
{
    return writeIfOnline([&](FlashDataMap &m) {
        storeBlock(&m.Keys[button], function);
        storeBlock(&m.Macros[button], macro);
    });
}

bool SetWholeRecord(const FlashDataMap &record)
{
    return writeIfOnline([&](FlashDataMap &m) { storeBlock(&m, record); });
}
