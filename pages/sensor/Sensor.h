#pragma once
// The sensor and DPI page, second page of the main frame. It takes the
// records and reports the worker and the data callback send; at the end of a
// full refresh it raises the sensor page's acknowledgement
// (g_SensorPageUpdated), which the apply-and-wait dialog waits for.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

class Sensor : public PageSkeleton
{
    Q_OBJECT

public:
    explicit Sensor(QWidget *parent = nullptr);
    ~Sensor() override;

    // The record of the last refresh (tests).
    FlashDataMap LastRecord() const { return m_LastRecord; }
    int RefreshCount() const { return m_RefreshCount; }

public slots:
    void SlotUpDataSenSorUISensor(FlashDataMap DataMap);
    void SlotUpDataSenSorUIB(FlashDataMap DataMap);
    void SlotUpDataReportRate(int index);
    void SlotUpDataDPI(int index);
    void SlotUpDataDPILed(FlashDataMap DataMap);
    void SlotFormReset();
    void SlotHideModel(int index);

private:
    void FillFromRecord(const FlashDataMap &record);

    FlashDataMap m_LastRecord;
    int m_RefreshCount = 0;
};
