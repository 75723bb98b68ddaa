#pragma once
// The sensor and DPI page, second page of the main frame. It never asks the
// device anything: it shows what the hub hands it and sends single changes
// through the field setters.
//
//  - Full refreshes (after a device read, from the cache file, after an
//    import or a settle wait) rebuild the DPI bar, the DPI ranges, the
//    sensor model and the option layout; they raise g_SensorUiFilling so
//    that nothing they move is sent back, and the one after a device read
//    ends by raising the acknowledgement g_SensorPageUpdated, which the
//    apply-and-wait dialog waits for.
//  - The device's reports (rate, current level, DPI LED) touch only their
//    widgets and send nothing.
//  - Which options are offered: rate buttons by the receiver type, lift-off
//    by "SUPPORT_LOD_CAL" of driver_sensor.h, the whole settings section by
//    "XIn1" (2 hides it), the hidden sensor-mode mirror ModelChoose by
//    "SUPPORT_SENSOR_MODE_SEL". A model is in a list when the list text
//    contains its name.
//
// Five hub signals arrive over blocking connections from the worker and the
// data callback, which wait for the slot: nothing here waits for them.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <QString>

class QAbstractButton;
class QListView;
class Ui_Sensor;

class Sensor : public PageSkeleton
{
    Q_OBJECT

public:
    explicit Sensor(QWidget *parent = nullptr);
    ~Sensor() override;

    void ReadLevelFile();
    // Writes Level.ini (nothing in the utility calls it); false when the
    // file could not be written.
    bool WriteLevelFile(int count);
    void SetButtonIcon(QAbstractButton *button, QString path);

    // The form (tests).
    Ui_Sensor *Form() const { return ui; }
    // The sensor-mode mirror's list (its hidden rows).
    QListView *ModelView() const;
    QString SupportLodCal() const { return supportLodCal; }
    QString SupportSensorModeSel() const { return supportSensorModeSel; }
    QString LevelFilePath() const;

public slots:
    void on_Performance_toggled(bool checked);
    void SlotUpDataSenSorUISensor(FlashDataMap DataMap);
    void SlotFormReset();
    void SlotUpDataReportRate(int index);
    void SlotUpDataDPI(int index);
    void SlotUpDataDPILed(FlashDataMap DataMap);
    void SlotUpDataSenSorUIB(FlashDataMap DataMap);
    void on_Button125HZ_clicked(bool checked);
    void on_Button250HZ_clicked(bool checked);
    void on_Button500HZ_clicked(bool checked);
    void on_Button1000HZ_clicked(bool checked);
    void on_Button2000HZ_clicked(bool checked);
    void on_Button4000HZ_clicked(bool checked);
    void on_ModelChoose_currentIndexChanged(int index);
    void on_LOD_currentIndexChanged(int index);
    void on_Performance_clicked(bool checked);
    void on_PerformanceOpen_currentIndexChanged(int index);
    void SlotHideModel(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    // Steps of the full refresh shared by both refresh slots.
    void FillFromRecord(const FlashDataMap &record);
    void ShowLedEffect(const FlashDataMap &record);
    void SendRate(bool checked, int code, int followUp);
    bool InModeSelList() const;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_Sensor *ui;
    QString sensorPageDir;
    QString sliderMinText;
    QString sliderMaxText;
    QString supportSensorModeSel;
    QString supportLodCal;
    QString supportRipple;
    QString supportFixLine;
    QString supportMotionSync;
    QString supportMousepadCal;
};
