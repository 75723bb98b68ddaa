#include "Sensor.h"

#include "GlobalState.h"
#include "PostMsg.h"


Sensor::Sensor(QWidget *parent)
    : PageSkeleton(QStringLiteral("Sensor"), QStringLiteral("Sensor"), parent)
    , m_LastRecord(FlashData::zeroRecord())
{
    ConnectHub(&PostMsg::SigUpDataLightSensor, &Sensor::SlotUpDataSenSorUISensor, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataSensorUIB, &Sensor::SlotUpDataSenSorUIB);
    ConnectHub(&PostMsg::SigUpDataReportRate, &Sensor::SlotUpDataReportRate, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataDPI, &Sensor::SlotUpDataDPI, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataDPILed, &Sensor::SlotUpDataDPILed, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigFormReset, &Sensor::SlotFormReset, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigHideModel, &Sensor::SlotHideModel);

    LoadStoredLanguage();
}

Sensor::~Sensor() = default;

void Sensor::FillFromRecord(const FlashDataMap &record)
{
    m_LastRecord = record;
    ++m_RefreshCount;
}

void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
{
    const FillGuard fill(g_SensorUiFilling, &g_SensorPageUpdated);
    FillFromRecord(DataMap);
}

void Sensor::SlotUpDataSenSorUIB(FlashDataMap DataMap)
{
    const FillGuard fill(g_SensorUiFilling);
    FillFromRecord(DataMap);
}

void Sensor::SlotUpDataReportRate(int index)
{
    m_LastRecord.ReportRate = quint8(index);
}

void Sensor::SlotUpDataDPI(int index)
{
    m_LastRecord.CurrentDPI = quint8(index);
}

void Sensor::SlotUpDataDPILed(FlashDataMap DataMap)
{
    m_LastRecord.DPILed = DataMap.DPILed;
}

void Sensor::SlotFormReset()
{
    const FillGuard fill(g_SensorUiFilling);
    m_LastRecord = FlashData::zeroRecord();
}

void Sensor::SlotHideModel(int)
{
}
