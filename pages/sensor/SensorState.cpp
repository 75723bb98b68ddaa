#include "SensorState.h"

QString g_SensorModel;
QStringList g_SensorDefineNames;
QList<int> g_SensorDefineValues;

int g_DPIRangeCount = 0;
int g_DPIRangeMode = 0;
QList<int> g_DPIRangeMin;
QList<int> g_DPIRangeMax;
QString g_DPIRangeText[12];

namespace SensorState {

void ResetState()
{
    g_SensorModel.clear();
    g_SensorDefineNames.clear();
    g_SensorDefineValues.clear();
    g_DPIRangeCount = 0;
    g_DPIRangeMode = 0;
    g_DPIRangeMin.clear();
    g_DPIRangeMax.clear();
    for (QString &text : g_DPIRangeText)
        text.clear();
}

} // namespace SensorState
