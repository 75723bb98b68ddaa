#include "SensorEffectB.h"

#include "DataSetters.h"
#include "LightSkin.h"
#include "OptionWidget.h"
#include "SensorEffect.h"
#include "SensorEffectBForm.h"
#include "Skin.h"

#include <QButtonGroup>
#include <QSignalBlocker>

SensorEffectB::SensorEffectB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_SensorEffectB)
{
    ui->setupUi(this);
    modeGroup = new QButtonGroup(this);
    modeGroup->setExclusive(true);
    modeGroup->addButton(ui->MM1);
    modeGroup->addButton(ui->MM2);
    modeGroup->addButton(ui->MM3);
    pictureDir = OptionWidget::PictureFolder();

    const QString label = "QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}";
    ui->label->setStyleSheet(label);
    ui->label_14->setStyleSheet(label);
    ui->label_15->setStyleSheet(label);
    const QString box = LightSkin::CheckBoxSheet(pictureDir);
    for (QCheckBox *b : {ui->MM1, ui->MM2, ui->MM3})
        b->setStyleSheet(box);
    const QString slider = LightSkin::SliderSheet(pictureDir, 6);
    ui->SpeedH->setStyleSheet(slider);
    ui->LightH->setStyleSheet(slider);
    ui->SpeedSpinBox->setStyleSheet(SensorEffect::NumberBoxSheet());
    ui->LightSpinBox->setStyleSheet(SensorEffect::NumberBoxSheet());
}

SensorEffectB::~SensorEffectB()
{
    delete ui;
}

void SensorEffectB::ShowRows(int mode)
{
    SensorEffect::ShowRows({ui->SpeedH, ui->SpeedSpinBox, ui->line, ui->LightH, ui->LightSpinBox, ui->line_2}, mode);
}

void SensorEffectB::SetModel(int mode)
{
    const QSignalBlocker speed(ui->SpeedH);
    const QSignalBlocker light(ui->LightH);
    QCheckBox *const buttons[] = {ui->MM3, ui->MM1, ui->MM2};
    if (mode < 0 || mode > 2)
        return;
    buttons[mode]->setChecked(true);
    ShowRows(mode);
}

void SensorEffectB::SetSpeed(int value)
{
    ui->SpeedH->setValue(value);
}

void SensorEffectB::SetBrightness(int value)
{
    ui->LightH->setValue(value);
}

void SensorEffectB::SetSlidersEnabled(bool on)
{
    ui->SpeedH->setEnabled(on);
    ui->LightH->setEnabled(on);
}

void SensorEffectB::SetModeText(int mode, QString text)
{
    QCheckBox *const buttons[] = {ui->MM3, ui->MM1, ui->MM2};
    if (mode >= 0 && mode <= 2)
        buttons[mode]->setText(text);
}

void SensorEffectB::SetTitleText(QString text)
{
    ui->label->setText(text);
}

void SensorEffectB::SetSpeedText(QString text)
{
    ui->label_14->setText(text);
}

void SensorEffectB::SetBrightnessText(QString text)
{
    ui->label_15->setText(text);
}

void SensorEffectB::ChangeMode(int index)
{
    if (!SensorEffect::IsMode(index))
        return;
    ShowRows(index);
    if (SensorEffect::MaySend())
        SetLightEffect(index);
}

void SensorEffectB::on_SpeedH_valueChanged(int value)
{
    ui->SpeedSpinBox->setValue(value);
    if (SensorEffect::MaySend())
        SetLightSpeed(value);
}

void SensorEffectB::on_SpeedH_sliderMoved(int position)
{
    ui->SpeedSpinBox->setValue(position);
}

void SensorEffectB::on_LightH_valueChanged(int value)
{
    ui->LightSpinBox->setValue(value);
    if (SensorEffect::MaySend())
        SetLightBrightness(SensorEffect::BrightnessByte(value));
}

void SensorEffectB::on_LightH_sliderMoved(int position)
{
    ui->LightSpinBox->setValue(position);
}

// A click on the button already checked arrives checked too and sends again.
void SensorEffectB::on_MM3_clicked(bool checked)
{
    if (checked)
        ChangeMode(0);
}

void SensorEffectB::on_MM1_clicked(bool checked)
{
    if (checked)
        ChangeMode(1);
}

void SensorEffectB::on_MM2_clicked(bool checked)
{
    if (checked)
        ChangeMode(2);
}
