#pragma once
// DPI values and the codes the mouse stores for them.
//
// A DPI level holds an X code, a Y code (always equal here) and a flag byte:
// 0x22 doubles the value the code stands for, 0x11 doubles it (again), and for
// the sensor "3395" bits 2-3 and 6-7 carry code bits 8 and 9. The factor and
// flags come from the model's DPI ranges ("DPIRange": min,max,step per range,
// the flag mode last in hexadecimal). A sensor with entries in driver_sensor.h
// ("SENSOR_" + model + "_DPI_" + value / factor) takes its codes from there;
// every other sensor follows the formula code = value / (factor * 50) - 1.
//
// Everything here runs on the GUI thread over the globals of SensorState.h.

#include <QString>
#include <QStringList>

namespace DpiCode {

// Reads a "DPIRange" list into the range globals. The slider texts (minimum:
// item 0, maximum: the last range's max) change only for 1..4 ranges, as do
// the range texts. An empty list has no mode item: mode 0, no ranges.
void ReadRanges(const QStringList &items, QString *sliderMinText, QString *sliderMaxText);

// Factor and flag byte a value takes under the current ranges and mode.
struct Scale
{
    int factor = 1;
    int flags = 0;
};
Scale ScaleOf(int dpi);

struct LevelBytes
{
    int code = 0; // X and Y code (the setter keeps the low 8 bits)
    int flags = 0;
};
// The bytes a value takes; oldFlags is the level's current flag byte (a table
// sensor without an entry for the value falls back on it).
LevelBytes Encode(int dpi, int oldFlags);

// Whether the current sensor takes the table path.
bool UsesTable();

// Range k (1-based) as numbers; 0 for texts that are no number.
int RangeMin(int k);
int RangeMax(int k);
int RangeStep(int k);
// The number of ranges the editing controls work with: 0 unless 1..4.
int UsableRangeCount();

// The slider snap: inside a range the value goes down to a multiple of the
// range's step, but never below the range's minimum (a range whose minimum is
// no multiple of its step would otherwise send a value below it); a range
// with no step leaves the value as it is. In the gap above a range the value
// goes to the next range's minimum. pageStep, when given, takes the step of
// the range the value ends in.
int Snap(int value, int *pageStep = nullptr);
// The plus and minus buttons: one step up or down along the ranges.
int StepUp(int value);
int StepDown(int value);

} // namespace DpiCode

// Converts a DPI value for a level (0..7) and sends it through
// SetDPILevelCode. Any other level (-1: none chosen) sends nothing.
void SetDPIValue(int level, int dpi);

// The DPI value a level shows for code byte c and flag byte b; 0 for a table
// sensor without an entry of that code.
int DecodeLevelDpi(int c, int b);
