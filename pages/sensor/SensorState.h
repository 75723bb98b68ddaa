#pragma once
// State of the sensor area shared by the sensor page, its DPI bar and the DPI
// code functions. GUI thread only: the page fills it in its constructor and
// in every full refresh, and the DPI bar and SetDPIValue read it while the
// user edits. Nothing here is touched by the worker or the data callback.

#include <QList>
#include <QString>
#include <QStringList>

// Sensor model of the current device (the model group's "Sensor").
extern QString g_SensorModel;
// The value lines of driver_sensor.h, names and values in file order.
extern QStringList g_SensorDefineNames;
extern QList<int> g_SensorDefineValues;

// The model's DPI ranges ("DPIRange"): count k (only 1..4 are used), the
// range flag mode (0x11, 0x22, 0x33 or none), the bounds of ranges 1..k and
// the texts min, max, step of ranges 1..4.
extern int g_DPIRangeCount;
extern int g_DPIRangeMode;
extern QList<int> g_DPIRangeMin;
extern QList<int> g_DPIRangeMax;
extern QString g_DPIRangeText[12];

namespace SensorState {
// Back to the start state (tests).
void ResetState();
} // namespace SensorState
