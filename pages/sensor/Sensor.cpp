#include "Sensor.h"

#include "GlobalState.h"
#include "PostMsg.h"

#include <QCoreApplication>

Sensor::Sensor(QWidget *parent)
    : QWidget(parent)
    , m_LastRecord(FlashData::zeroRecord())
{
    setObjectName("Sensor");
    m_PicturePath = QCoreApplication::applicationDirPath() + "/Picture/Sensor/";

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, SIGNAL(SigChangeLanguage(int)), this, SLOT(SlotChangeLanguage(int)));
    connect(hub, SIGNAL(SigUpDataLightSensor(FlashDataMap)), this, SLOT(SlotUpDataSenSorUISensor(FlashDataMap)),
            Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigUpDataSensorUIB(FlashDataMap)), this, SLOT(SlotUpDataSenSorUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigUpDataReportRate(int)), this, SLOT(SlotUpDataReportRate(int)),
            Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigUpDataDPI(int)), this, SLOT(SlotUpDataDPI(int)), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigUpDataDPILed(FlashDataMap)), this, SLOT(SlotUpDataDPILed(FlashDataMap)),
            Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormReset()), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigHideModel(int)), this, SLOT(SlotHideModel(int)));

    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

Sensor::~Sensor() = default;

void Sensor::SlotChangeLanguage(int index)
{
    LanguageLoader::Load(index, "Sensor", LanguageLoader::KeyTable(), m_Reader);
}

void Sensor::FillFromRecord(const FlashDataMap &record)
{
    m_LastRecord = record;
    ++m_RefreshCount;
}

void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
{
    g_SensorPageUpdated = 0;
    g_SensorUiFilling = 1;
    FillFromRecord(DataMap);
    g_SensorUiFilling = 0;
    g_SensorPageUpdated = 1;
}

void Sensor::SlotUpDataSenSorUIB(FlashDataMap DataMap)
{
    g_SensorUiFilling = 1;
    FillFromRecord(DataMap);
    g_SensorUiFilling = 0;
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
    g_SensorUiFilling = 1;
    m_LastRecord = FlashData::zeroRecord();
    g_SensorUiFilling = 0;
}

void Sensor::SlotHideModel(int)
{
}
