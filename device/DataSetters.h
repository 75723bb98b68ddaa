#pragma once
// Field setters of the parameter record.
//
// Every setter asks the vendor library whether the current device
// (g_DevicePath) is online. Online: it stores its arguments, each cut to its
// low 8 bits, into g_FlashDataMap and hands the whole record to
// ProtocolDataUpdate, both under the record lock, and returns true.
// Offline: it writes nothing, requests the offline notice with
// SigMouseOffLineo(0) unless a page is filling its widgets
// (g_ButtonPageUpdating or g_SensorUiFilling), and returns false.
// What is left of a user's action after its offline notice closed is refused
// the same way, without a notice (OfflineAction.h).
// No setter checks its index arguments: button is 0..15, level 0..7.

#include "FlashDataMap.h"

// Only the online test and the offline notice; true when online.
bool IsDeviceOnLine();

bool SetReportRate(int code);       // byte 0
bool SetCurrentDPI(int level);      // byte 2
bool SetLOD(int code);              // byte 5
bool SetDebounceTime(int code);     // byte 6
bool SetMotionSync(int on);         // byte 7
bool SetStopCloseTime(int units);   // byte 8
bool SetStraightLine(int on);       // byte 9
bool SetRippeControl(int on);       // byte 10
bool SetRippeControlB(int on);      // byte 11
bool SetPerformance(int on);        // byte 12
bool SetPerformanceOpen(int units); // byte 13

// Bytes 15/16/17 + 6 * level.
bool SetDPILevelCode(int level, int xCode, int yCode, int flags);
// Bytes 18/19/20 + 6 * level.
bool SetDPIColor(int level, int red, int green, int blue);
// Entry A to level levelA, then entry B to level levelB, then byte 2 = current
// and byte 1 = current + 1.
bool SetDPILevels(const DPILevelEntry &entryA, const DPILevelEntry &entryB, int levelB, int levelA, int current);

// mode != 0: byte 66 = 1, byte 63 = mode; mode 0: byte 66 = 0 (63 kept).
bool SetLightEffect(int mode);
bool SetLightBrightness(int value); // byte 64
bool SetLightSpeed(int speed);      // byte 65

// mode != 0: byte 73 = 1, byte 67 = mode; mode 0: byte 73 = 0 (67 kept).
bool SetLampMode(int mode);
bool SetLampColor(int red, int green, int blue); // bytes 68..70
bool SetLampSpeed(int value);                    // byte 71
bool SetLampBrightness(int value);               // byte 72

// Bytes 74/75/76 + 3 * button.
bool SetKeyFunction(int button, int type, int param1, int param2);
// The 3 function bytes to 74 + 3 * button, the 52 bytes to 124 + 52 * button.
bool SetKeyEvents(int button, const KeyFunction &function, const KeyEventRecord &events);
// The 3 function bytes to 74 + 3 * button, the 592 bytes to 956 + 592 * button.
bool SetKeyMacro(int button, const KeyFunction &function, const MacroRecord &macro);
// The whole record (an imported configuration) in place of the current one.
bool SetWholeRecord(const FlashDataMap &record);
