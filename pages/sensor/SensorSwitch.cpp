#include "SensorSwitch.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "SensorSwitchForm.h"
#include "Skin.h"

#include <QMetaObject>

SensorSwitch::SensorSwitch(const char *frameName, const char *caption, FieldSetter setter, QWidget *parent)
    : OptionWidget(setter, parent)
    , ui(new Ui_SensorSwitch)
{
    ui->setupUi(this, frameName, caption);
    ui->button->setStyleSheet(SwitchSheet(ui->button->objectName()));
    ui->label->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
}

SensorSwitch::~SensorSwitch()
{
    delete ui;
}

void SensorSwitch::SetChecked(bool checked)
{
    ui->button->setChecked(checked);
}

void SensorSwitch::SetLabelText(QString text)
{
    ui->label->setText(text);
}

void SensorSwitch::SetLabelToolTip(QString text)
{
    ui->label->setToolTip(text);
}

QToolButton *SensorSwitch::SwitchButton() const
{
    return ui->button;
}

RippeControl::RippeControl(QWidget *parent)
    : SensorSwitch("RippeControl", "波纹控制", &SetRippeControl, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void RippeControl::on_RippeControl_2_clicked(bool checked)
{
    SendSwitch(checked);
}

StraightLine::StraightLine(QWidget *parent)
    : SensorSwitch("StraightLine", "直线修正", &SetStraightLine, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void StraightLine::on_StraightLine_2_clicked(bool checked)
{
    SendSwitch(checked);
}

MotionSync::MotionSync(QWidget *parent)
    : SensorSwitch("MotionSync", "motion sync", &SetMotionSync, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void MotionSync::on_MotionSync_2_clicked(bool checked)
{
    SendSwitch(checked);
}
