#include "Sensor.h"

#include "DataSetters.h"
#include "DpiCode.h"
#include "DriverSensorFile.h"
#include "GlobalState.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "SaveFile.h"
#include "SensorForm.h"
#include "SensorState.h"
#include "Skin.h"
#include "UserPaths.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTextStream>

namespace {

// Full-performance time: PerformanceOpen item to the stored units of 10 s.
const int kPerformanceTimes[6] = {3, 6, 12, 30, 60, 90};

// Rate code to rate button (125 Hz first); -1 for a code that is no rate.
int RateIndexOf(int code)
{
    switch (code) {
    case 8:
        return 0;
    case 4:
        return 1;
    case 2:
        return 2;
    case 1:
        return 3;
    case 16:
        return 4;
    case 32:
        return 5;
    default:
        return -1;
    }
}

} // namespace

Sensor::Sensor(QWidget *parent)
    : PageSkeleton(QStringLiteral("Sensor"), QStringLiteral("Sensor"), parent)
    , ui(new Ui_Sensor)
{
    ui->setupUi(this);
    sensorPageDir = UserPaths::sensorPageFolder();
    ConnectHub(&PostMsg::SigHideModel, &Sensor::SlotHideModel);

    QDir().mkpath(sensorPageDir);
    ReadLevelFile();

    // The two combos of the page draw a disabled box's text black.
    const QString comboSheet = Skin::ComboSheet(m_PicturePath, true);
    ui->ModelChoose->setStyleSheet(comboSheet);
    ui->PerformanceOpen->setStyleSheet(comboSheet);
    // Their popups' styled lists are made when first needed.
    ui->ModelChoose->SetListViewSheet(Skin::ComboListSheet());
    ui->PerformanceOpen->SetListViewSheet(Skin::ComboListSheet());
    ui->PerformanceOpen->setMaxVisibleItems(5);

    // The model lists and the DPI tables of driver_sensor.h (read once for
    // the whole program).
    const DriverSensorFile::Contents &sensorFile = DriverSensorFile::Get();
    supportSensorModeSel = sensorFile.support[DriverSensorFile::SupportSensorModeSel];
    supportLodCal = sensorFile.support[DriverSensorFile::SupportLodCal];
    supportRipple = sensorFile.support[DriverSensorFile::SupportRipple];
    supportFixLine = sensorFile.support[DriverSensorFile::SupportFixLine];
    supportMotionSync = sensorFile.support[DriverSensorFile::SupportMotionSync];
    supportMousepadCal = sensorFile.support[DriverSensorFile::SupportMousepadCal];
    g_SensorDefineNames = QStringList(sensorFile.names.begin(), sensorFile.names.end());
    g_SensorDefineValues = QList<int>(sensorFile.values.begin(), sensorFile.values.end());

    const QString label = Skin::Rgb("LabelColor");
    ui->label_5->setStyleSheet("QLabel{color: rgb(" + label + ";);}");
    ui->label_11->setStyleSheet("QLabel{color: rgb(" + label + ";);}");
    ui->Performance->setStyleSheet("QCheckBox{color: rgb(" + label + ";);}QCheckBox::indicator:checked {image: url("
                                   + m_PicturePath + "CheckBoxChecked.png"
                                   + ");}QCheckBox::indicator:unchecked {image: url(" + m_PicturePath + "CheckBox.png"
                                   + ");}");
    const QString title = "{border-image: url(" + m_PicturePath + "Title.png" + ");}";
    ui->TitleButton->setStyleSheet("#TitleButton" + title);
    ui->TitleButton_2->setStyleSheet("#TitleButton_2" + title);
    ui->TitleButton_3->setStyleSheet("#TitleButton_3" + title);
    ui->TitleButton_4->setStyleSheet("#TitleButton_4" + title);

    LoadStoredLanguage();

    ConnectHub(&PostMsg::SigUpDataLightSensor, &Sensor::SlotUpDataSenSorUISensor, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigFormReset, &Sensor::SlotFormReset, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataReportRate, &Sensor::SlotUpDataReportRate, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataDPI, &Sensor::SlotUpDataDPI, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataDPILed, &Sensor::SlotUpDataDPILed, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataSensorUIB, &Sensor::SlotUpDataSenSorUIB);

    // Until the first refresh the page shows the DPI bar, the rates and the
    // LED effect only.
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->TitleButton_4, ui->label_5, ui->label_11, ui->ModelChoose, ui->frameLOD,
                                          ui->Performance, ui->PerformanceOpen, ui->frame, ui->frame_4, ui->frame_3})
        w->hide();
    ui->frameEffect->move(80, 316);
    ui->TitleButton_3->move(40, 323);
}

Sensor::~Sensor()
{
    delete ui;
}

QListView *Sensor::ModelView() const
{
    // The styled list is made on first use.
    return qobject_cast<QListView *>(ui->ModelChoose->ListView());
}

QString Sensor::LevelFilePath() const
{
    return sensorPageDir + "/Level.ini";
}

void Sensor::ReadLevelFile()
{
    int count = 1;
    QFile file(LevelFilePath());
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        const QString line = stream.readLine();
        if (!line.isEmpty()) {
            bool ok = false;
            count = line.toInt(&ok, 10);
            if (!ok)
                count = 0;
        }
    }
    ui->frameDpi->SetLevelCount(count);
}

bool Sensor::WriteLevelFile(int count)
{
    return SaveFile::Write(LevelFilePath(), QByteArray::number(count));
}

void Sensor::SetButtonIcon(QAbstractButton *button, QString path)
{
    button->setIconSize(QSize(button->width(), button->height()));
    button->setIcon(QIcon(path));
}

LanguageLoader::KeyTable Sensor::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    Ui_Sensor *f = ui;
    keys.insert("label_2", [f](const QString &t) { f->frameDpi->SetTitleText(t); });
    keys.insert("label_3", [f](const QString &t) { f->frameRate->SetLabelText(t); });
    keys.insert("label_5", [f](const QString &t) { f->label_5->setText(t); });
    keys.insert("label_11", [f](const QString &t) { f->label_11->setText(t); });
    keys.insert("ModeSelectDes", [f](const QString &t) { f->label_11->setToolTip(t); });
    keys.insert("label_12", [f](const QString &t) { f->frameLOD->SetLabelText(t); });
    keys.insert("LODDes", [f](const QString &t) { f->frameLOD->SetLabelToolTip(t); });
    keys.insert("label_7", [f](const QString &t) { f->frame_3->SetLabelText(t); });
    keys.insert("MotionSyncDes", [f](const QString &t) { f->frame_3->SetLabelToolTip(t); });
    keys.insert("Performance", [f](const QString &t) { f->Performance->setText(t); });
    keys.insert("FullPerformanceDes", [f](const QString &t) { f->Performance->setToolTip(t); });
    keys.insert("PerformanceOpen", [f](const QString &t) { f->PerformanceOpen->setItemText(0, t); });
    for (int i = 1; i <= 5; ++i)
        keys.insert("PerformanceOpen" + QString::number(i),
                    [f, i](const QString &t) { f->PerformanceOpen->setItemText(i, t); });
    keys.insert("Model", [f](const QString &t) { f->frameEffect->SetModelItemText(0, t); });
    keys.insert("Model1", [f](const QString &t) { f->frameEffect->SetModelItemText(1, t); });
    keys.insert("Model2", [f](const QString &t) { f->frameEffect->SetModelItemText(2, t); });
    keys.insert("label", [f](const QString &t) { f->frame->SetLabelText(t); });
    keys.insert("RippleDes", [f](const QString &t) { f->frame->SetLabelToolTip(t); });
    keys.insert("label_6", [f](const QString &t) { f->frame_4->SetLabelText(t); });
    keys.insert("FixLineDes", [f](const QString &t) { f->frame_4->SetLabelToolTip(t); });
    keys.insert("label_4", [f](const QString &t) { f->frameEffect->SetTitleText(t); });
    keys.insert("label_14", [f](const QString &t) { f->frameEffect->SetSpeedLabelText(t); });
    keys.insert("label_15", [f](const QString &t) { f->frameEffect->SetBrightnessLabelText(t); });
    return keys;
}

bool Sensor::InModeSelList() const
{
    return supportSensorModeSel.contains(g_SensorModel);
}

// ---- refreshes ------------------------------------------------------------

void Sensor::ShowLedEffect(const FlashDataMap &record)
{
    if (record.DPILed.Enable == 0)
        ui->frameEffect->SetModel(0);
    else if (record.DPILed.Mode == 1 || record.DPILed.Mode == 2)
        ui->frameEffect->SetModel(record.DPILed.Mode);
    ui->frameEffect->SetSpeed(record.DPILed.Speed);
    ui->frameEffect->SetBrightness(SensorEffect::BrightnessLevel(record.DPILed.Brightness));
}

void Sensor::FillFromRecord(const FlashDataMap &record)
{
    SensorDPI *bar = ui->frameDpi;
    const DeviceAllInfo device = g_CurrentDevice.get();
    const ModelInfo model(device);

    bar->ClearChooseItems();
    bar->BlockSliderSignals(true);
    bar->SetSliderEnabled(true);
    ui->frameEffect->SetSlidersEnabled(true);

    bar->SetLevelCount(record.DPILevelCount);
    bar->SetCurrentLevel(record.CurrentDPI);

    int rate = RateIndexOf(record.ReportRate);
    if (device.Wired && (record.ReportRate == 16 || record.ReportRate == 32))
        rate = 3;
    ui->frameRate->SetRateIndex(rate);

    g_SensorModel = model.SensorName();

    // The sensor-mode mirror: never shown, it keeps the device's mode in step.
    if (InModeSelList()) {
        const bool highRate = record.ReportRate == 16 || record.ReportRate == 32;
        if (device.Wired || ((device.ReceiverType == 1 || device.ReceiverType == 4) && highRate)) {
            ui->ModelChoose->setCurrentIndex(2);
            ui->ModelChoose->setEnabled(false);
        } else {
            ui->ModelChoose->setEnabled(true);
            ui->ModelChoose->setCurrentIndex(record.SensorMode);
            ModelView()->setRowHidden(2, true);
        }
    } else {
        ui->ModelChoose->setCurrentIndex(0);
        ui->ModelChoose->setEnabled(false);
    }

    ui->frameLOD->SetCurrentIndex(record.LiftOff - 1);

    ui->Performance->setChecked(record.FullPerformance != 0);
    ui->PerformanceOpen->setEnabled(record.FullPerformance != 0);
    for (int i = 0; i < 6; ++i)
        if (kPerformanceTimes[i] == record.FullPerformanceTime)
            ui->PerformanceOpen->setCurrentIndex(i);

    ui->frame->SetChecked(record.Ripple != 0);
    ui->frame_4->SetChecked(record.AngleSnap != 0);
    ui->frame_3->SetChecked(record.MotionSyncOn != 0);

    ShowLedEffect(record);

    // Only eight levels have widgets and entries, whatever the model claims.
    const int grades = qBound(0, model.DpiMaxGrade(), 8);
    bar->BlockChooseSignals(true);
    for (int i = 0; i < grades; ++i) {
        const DPILevelEntry &e = record.DPILevel[i];
        bar->SetLevelColor(i, QString::asprintf("#%02x%02x%02x", e.Red, e.Green, e.Blue));
        bar->InsertChooseItem(i, QString::number(i + 1));
    }
    bar->BlockChooseSignals(false);
    bar->ShowCurrentLevel(record.CurrentDPI);

    const int xIn1 = model.XIn1();

    DpiCode::ReadRanges(model.DpiRange(), &sliderMinText, &sliderMaxText);
    bar->SetSliderMaximum(sliderMaxText.toInt());
    bar->SetSliderMinimum(sliderMinText.toInt());

    for (int i = 0; i < grades; ++i) {
        const int value = DecodeLevelDpi(record.DPILevel[i].XCode, record.DPILevel[i].Flags);
        bar->SetLevelText(i, QString::number(value));
        if (i == record.CurrentDPI) {
            bar->SetSliderValue(value);
            bar->SetSpinValue(value);
        }
    }

    bar->ShowLevels(record.DPILevelCount - 1);
    bar->SetChooseIndex(record.DPILevelCount - 1);
    bar->MoveLevelIndicator(record.CurrentDPI + 1);
    bar->CheckLevelButton(record.CurrentDPI);

    switch (device.ReceiverType) {
    case 0:
    case 2:
        ui->frameRate->SetHighRateVisible(0);
        break;
    case 1:
    case 3:
        ui->frameRate->SetHighRateVisible(1);
        break;
    case 4:
        ui->frameRate->SetHighRateVisible(2);
        break;
    default:
        break;
    }

    ui->frameLOD->SetLODEnabled(supportLodCal.contains(g_SensorModel));

    const bool settings = xIn1 != 2;
    for (QWidget *w : std::initializer_list<QWidget *>{ui->TitleButton_4, ui->label_5, ui->frameLOD, ui->Performance,
                                                       ui->PerformanceOpen, ui->frame, ui->frame_4, ui->frame_3})
        w->setVisible(settings);
    ui->label_11->hide();
    ui->ModelChoose->hide();
    ui->frameEffect->move(80, settings ? 456 : 316);
    ui->TitleButton_3->move(40, settings ? 463 : 323);

    bar->BlockSliderSignals(false);
}

void Sensor::SlotUpDataSenSorUISensor(FlashDataMap DataMap)
{
    // The acknowledgement comes last: the apply-and-wait dialog polls it from
    // the GUI thread's loop.
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
    const bool low = index == 8 || index == 4 || index == 2 || index == 1;
    const bool high = index == 16 || index == 32;
    if (!low && !high)
        return;
    ui->frameRate->SetRateIndex(RateIndexOf(index));
    if (!InModeSelList() || g_CurrentDevice.get().Wired)
        return;
    if (low) {
        ui->ModelChoose->setEnabled(true);
        ui->ModelChoose->setCurrentIndex(FlashData::read([](const FlashDataMap &m) { return m.SensorMode; }));
        ModelView()->setRowHidden(2, true);
    } else {
        ModelView()->setRowHidden(2, false);
        ui->ModelChoose->setCurrentIndex(2);
        ui->ModelChoose->setEnabled(false);
    }
}

void Sensor::SlotUpDataDPI(int index)
{
    // The bar's handlers send nothing while the report moves its buttons.
    // The gate is given back as it was: a report that comes before the
    // pages may send must not open it.
    const bool ready = g_UiReady.exchange(false);
    ui->frameDpi->MoveLevelIndicator(index + 1);
    if (index >= 0 && index <= 7) {
        ui->frameDpi->CheckLevelButton(index);
        ui->frameDpi->SetCurrentLevel(index);
    }
    g_UiReady = ready;
}

void Sensor::SlotUpDataDPILed(FlashDataMap DataMap)
{
    // The record already holds the report: showing it must not send it back
    // (and a brightness byte outside the table must not be "corrected" on
    // the mouse by the slider's clamp).
    const FillGuard fill(g_SensorUiFilling);
    ShowLedEffect(DataMap);
}

void Sensor::SlotFormReset()
{
    ui->label_11->hide();
    ui->ModelChoose->hide();
    const FillGuard fill(g_SensorUiFilling);
    SensorDPI *bar = ui->frameDpi;
    // The factory view only shows values: a mouse that answers meanwhile
    // must not get the slider's value written.
    bar->BlockSliderSignals(true);
    bar->SetSliderMaximum(8000);
    bar->SetSliderMinimum(100);
    bar->ReadDriveConfig();
    bar->ClearChooseItems();
    for (int i = 0; i < 7; ++i)
        bar->InsertChooseItem(i, QString::number(i + 1));
    bar->BlockChooseSignals(false);
    bar->ShowLevels(6);
    bar->SetChooseIndex(6);
    bar->MoveLevelIndicator(3);
    bar->CheckLevelButton(2);

    ui->frameLOD->SetCurrentIndex(0);
    ui->Performance->setEnabled(true);
    ui->Performance->setChecked(true);
    ui->frame_3->SetChecked(true);
    bar->SetSliderValue(2400);
    bar->SetSpinValue(2400);

    const DeviceAllInfo device = g_CurrentDevice.get();
    const bool modeBlocked = ui->ModelChoose->blockSignals(true);
    if (device.ReceiverType == 0 || device.ReceiverType == 2) {
        ui->frameRate->SetHighRateVisible(0);
        ui->frameRate->SetRateIndex(1);
        ui->ModelChoose->setCurrentIndex(0);
    } else if (device.ReceiverType == 1 || device.ReceiverType == 3) {
        ui->frameRate->SetHighRateVisible(1);
        ui->frameRate->SetRateIndex(5);
        ui->ModelChoose->setCurrentIndex(2);
    }
    if (device.Wired)
        ui->ModelChoose->setCurrentIndex(2);
    ui->ModelChoose->blockSignals(modeBlocked);

    const bool timeBlocked = ui->PerformanceOpen->blockSignals(true);
    ui->PerformanceOpen->setCurrentIndex(1);
    ui->PerformanceOpen->blockSignals(timeBlocked);
    ui->frameLOD->SetCurrentIndex(0);
    ui->frameEffect->SetModel(2);
    ui->frameEffect->SetSpeed(3);
    ui->frameEffect->SetBrightness(5);

    ui->Performance->setChecked(false);
    ui->PerformanceOpen->setEnabled(false);
    ui->frame_3->SetChecked(true);
    ui->frame_4->SetChecked(false);
    ui->frame->SetChecked(false);
    bar->BlockSliderSignals(false);
}

void Sensor::SlotHideModel(int index)
{
    if (!InModeSelList())
        return;
    const DeviceAllInfo device = g_CurrentDevice.get();
    if (index == 0 && !device.Wired) {
        ui->ModelChoose->setEnabled(true);
        ui->ModelChoose->setCurrentIndex(FlashData::read([](const FlashDataMap &m) { return m.SensorMode; }));
        ModelView()->setRowHidden(2, true);
    } else if (index == 1 && (device.ReceiverType == 1 || device.ReceiverType == 4)) {
        ModelView()->setRowHidden(2, false);
        ui->ModelChoose->setCurrentIndex(2);
        ui->ModelChoose->setEnabled(false);
    }
}

// ---- the page's own handlers ---------------------------------------------

void Sensor::SendRate(bool checked, int code, int followUp)
{
    if (!checked || !g_UiReady.load())
        return;
    if (SetReportRate(code) && followUp >= 0)
        SlotHideModel(followUp);
}

void Sensor::on_Button125HZ_clicked(bool checked)
{
    SendRate(checked, 8, 0);
}

void Sensor::on_Button250HZ_clicked(bool checked)
{
    SendRate(checked, 4, 0);
}

void Sensor::on_Button500HZ_clicked(bool checked)
{
    SendRate(checked, 2, 0);
}

void Sensor::on_Button1000HZ_clicked(bool checked)
{
    SendRate(checked, 1, 0);
}

void Sensor::on_Button2000HZ_clicked(bool checked)
{
    SendRate(checked, 16, 1);
}

void Sensor::on_Button4000HZ_clicked(bool checked)
{
    // Only the 4 kHz receiver runs the sensor's corded mode at 4000 Hz.
    SendRate(checked, 32, g_CurrentDevice.get().ReceiverType == 1 ? 1 : -1);
}

void Sensor::on_ModelChoose_currentIndexChanged(int)
{
}

void Sensor::on_LOD_currentIndexChanged(int index)
{
    if (g_UiReady.load() && !g_SensorUiFilling.load())
        SetLOD(index + 1);
}

void Sensor::on_Performance_clicked(bool checked)
{
    if (g_UiReady.load())
        SetPerformance(checked ? 1 : 0);
}

void Sensor::on_Performance_toggled(bool checked)
{
    ui->PerformanceOpen->setEnabled(checked);
}

void Sensor::on_PerformanceOpen_currentIndexChanged(int index)
{
    if (g_UiReady.load() && !g_SensorUiFilling.load() && index >= 0 && index < 6)
        SetPerformanceOpen(kPerformanceTimes[index]);
}

void Sensor::changeEvent(QEvent *event)
{
    if (ui && ui->Performance && ui->PerformanceOpen)
        ui->PerformanceOpen->setEnabled(ui->Performance->isChecked());
    QWidget::changeEvent(event);
}
