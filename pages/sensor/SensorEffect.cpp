#include "SensorEffect.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "OptionWidget.h"
#include "SensorEffectForm.h"
#include "Skin.h"

namespace {

const int kBrightness[10] = {16, 30, 60, 90, 128, 150, 180, 210, 230, 255};

} // namespace

SensorEffect::SensorEffect(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_SensorEffect)
{
    ui->setupUi(this);
    pictureDir = OptionWidget::PictureFolder();
    const QString label = "QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}";
    ui->label->setStyleSheet(label);
    ui->label_14->setStyleSheet(label);
    ui->label_15->setStyleSheet(label);
    ui->Model->setStyleSheet(Skin::ComboSheet(pictureDir, false));
    ui->Model->SetListViewSheet(Skin::ComboListSheet());
    const QString slider =
        "QSlider:groove:horizontal{height:2px;left: 0px;right: 0px;border:0px;border-radius:6px;"
        "background:rgba(0,0,0,50);}QSlider:handle:horizontal{ width:  5px;height: 50px;  "
        "margin-top: -20px;margin-left: 0px; margin-bottom: -20px;margin-right: 0px; border-image: url("
        + pictureDir + "HuaKuai.png" + ");} QSlider:sub-page:horizontal{background-color: rgb("
        + Skin::Rgb("SliderColor") + ";);}QSlider:add-page:horizontal{background-color: rgb(255, 255, 255);}";
    ui->SpeedH->setStyleSheet(slider);
    ui->LightH->setStyleSheet(slider);
    const QString spin = NumberBoxSheet();
    ui->SpeedSpinBox->setStyleSheet(spin);
    ui->LightSpinBox->setStyleSheet(spin);
}

SensorEffect::~SensorEffect()
{
    delete ui;
}

int SensorEffect::BrightnessByte(int level)
{
    return (level >= 1 && level <= 10) ? kBrightness[level - 1] : 0;
}

int SensorEffect::BrightnessLevel(int byte)
{
    for (int i = 0; i < 10; ++i)
        if (kBrightness[i] == byte)
            return i + 1;
    return byte;
}

bool SensorEffect::MaySend()
{
    return g_UiReady.load() && !g_SensorUiFilling.load();
}

QString SensorEffect::NumberBoxSheet()
{
    return "QSpinBox{color: rgb(" + Skin::Rgb("LabelColor") + ";);background-color: transparent;border: 0px;}";
}

bool SensorEffect::IsMode(int mode)
{
    return mode >= 0 && mode <= 2;
}

void SensorEffect::ShowRows(const Rows &rows, int mode)
{
    if (!IsMode(mode))
        return;
    const bool speed = mode == 2;
    const bool light = mode == 1;
    rows.speed->setVisible(speed);
    rows.speedBox->setVisible(speed);
    rows.line->setVisible(!speed);
    rows.light->setVisible(light);
    rows.lightBox->setVisible(light);
    rows.line2->setVisible(!light);
}

void SensorEffect::ApplyVisibility(int mode)
{
    ShowRows({ui->SpeedH, ui->SpeedSpinBox, ui->line, ui->LightH, ui->LightSpinBox, ui->line_2}, mode);
}

void SensorEffect::SetModel(int mode)
{
    ui->Model->setCurrentIndex(mode);
    const bool speedBlocked = ui->SpeedH->blockSignals(true);
    const bool lightBlocked = ui->LightH->blockSignals(true);
    ApplyVisibility(mode);
    ui->SpeedH->blockSignals(speedBlocked);
    ui->LightH->blockSignals(lightBlocked);
}

void SensorEffect::SetSpeed(int speed)
{
    ui->SpeedH->setValue(speed);
}

void SensorEffect::SetBrightness(int level)
{
    ui->LightH->setValue(level);
}

void SensorEffect::SetSlidersEnabled(bool enabled)
{
    ui->SpeedH->setEnabled(enabled);
    ui->LightH->setEnabled(enabled);
}

void SensorEffect::SetModelItemText(int index, QString text)
{
    ui->Model->setItemText(index, text);
}

void SensorEffect::SetTitleText(QString text)
{
    ui->label->setText(text);
}

void SensorEffect::SetSpeedLabelText(QString text)
{
    ui->label_14->setText(text);
}

void SensorEffect::SetBrightnessLabelText(QString text)
{
    ui->label_15->setText(text);
}

void SensorEffect::on_Model_currentIndexChanged(int index)
{
    if (!IsMode(index))
        return;
    ApplyVisibility(index);
    if (MaySend())
        SetLightEffect(index);
}

void SensorEffect::on_SpeedH_valueChanged(int value)
{
    ui->SpeedSpinBox->setValue(value);
    if (MaySend())
        SetLightSpeed(value);
}

void SensorEffect::on_SpeedH_sliderMoved(int position)
{
    ui->SpeedSpinBox->setValue(position);
}

void SensorEffect::on_LightH_valueChanged(int value)
{
    ui->LightSpinBox->setValue(value);
    const int byte = BrightnessByte(value);
    if (MaySend())
        SetLightBrightness(byte);
}

void SensorEffect::on_LightH_sliderMoved(int position)
{
    ui->LightSpinBox->setValue(position);
}
