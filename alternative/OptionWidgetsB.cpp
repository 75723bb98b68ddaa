#include "OptionWidgetsB.h"

#include "DataSetters.h"
#include "LightSkin.h"
#include "OptionWidgetsBForm.h"
#include "Skin.h"

#include <QButtonGroup>
#include <QMetaObject>
#include <QSignalBlocker>

namespace {

QString LabelSheet()
{
    return "QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}";
}

QString ImageButtonSheet(const QString &name, const QString &image)
{
    return "#" + name + "{background-image: url(" + image
        + ");border:0px;background-position:center;background-repeat:no-repeat;}";
}

} // namespace

SwitchB::SwitchB(const char *context, const char *buttonName, const char *caption, FieldSetter setter, QWidget *parent)
    : OptionWidget(setter, parent)
    , ui(new Ui_SwitchB)
{
    ui->setupUi(this, context, buttonName, caption);
    ui->label->setStyleSheet(LabelSheet());
    ui->button->setStyleSheet(SwitchSheet(ui->button->objectName()));
}

SwitchB::~SwitchB()
{
    delete ui;
}

void SwitchB::SetChecked(bool checked)
{
    ui->button->setChecked(checked);
}

void SwitchB::SetLabelText(QString text)
{
    ui->label->setText(text);
}

void SwitchB::SetLabelToolTip(QString text)
{
    ui->label->setToolTip(text);
}

RippeControlB::RippeControlB(QWidget *parent)
    : SwitchB("RippeControlB", "RippeControl_2", "波纹控制", &SetRippeControl, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void RippeControlB::on_RippeControl_2_clicked(bool checked)
{
    SendSwitch(checked);
}

StraightLineB::StraightLineB(QWidget *parent)
    : SwitchB("StraightLineB", "StraightLine_2", "直线修正", &SetStraightLine, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void StraightLineB::on_StraightLine_2_clicked(bool checked)
{
    SendSwitch(checked);
}

MotionSyncB::MotionSyncB(QWidget *parent)
    : SwitchB("MotionSyncB", "MotionSync_2", "motion sync", &SetMotionSync, parent)
{
    QMetaObject::connectSlotsByName(this);
}

void MotionSyncB::on_MotionSync_2_clicked(bool checked)
{
    SendSwitch(checked);
}

SensorLODB::SensorLODB(QWidget *parent)
    : OptionWidget(&SetLOD, parent)
    , ui(new Ui_SensorLODB)
{
    ui->setupUi(this);
    lodGroup = new QButtonGroup(this);
    lodGroup->setExclusive(true);
    lodGroup->addButton(ui->MM1);
    lodGroup->addButton(ui->MM2);
    ui->label->setStyleSheet(LabelSheet());
    ui->MM1->setStyleSheet(LightSkin::CheckBoxSheet(pictureDir));
    ui->MM2->setStyleSheet(LightSkin::CheckBoxSheet(pictureDir));
}

SensorLODB::~SensorLODB()
{
    delete ui;
}

void SensorLODB::SetButtonsEnabled(bool enabled)
{
    ui->MM2->setEnabled(enabled);
    ui->MM1->setEnabled(enabled);
}

void SensorLODB::SetCheckedIndex(int index)
{
    if (index == 0)
        ui->MM1->setChecked(true);
    else if (index == 1)
        ui->MM2->setChecked(true);
}

void SensorLODB::SetLabelText(QString text)
{
    ui->label->setText(text);
}

void SensorLODB::SetLabelToolTip(QString text)
{
    ui->label->setToolTip(text);
}

void SensorLODB::on_MM1_clicked(bool)
{
    SendChange(1);
}

void SensorLODB::on_MM2_clicked(bool)
{
    SendChange(2);
}

SensorRateB::SensorRateB(QWidget *parent)
    : OptionWidget(&SetReportRate, parent)
    , ui(new Ui_SensorRateB)
{
    ui->setupUi(this);
    rateGroup = new QButtonGroup(this);
    rateGroup->setExclusive(true);
    for (int i = 0; i < 6; ++i)
        rateGroup->addButton(ui->Button(i));
    ui->label->setStyleSheet(LabelSheet());
    const QString sheet = LightSkin::CheckBoxSheet(pictureDir);
    for (int i = 0; i < 6; ++i)
        ui->Button(i)->setStyleSheet(sheet);
}

SensorRateB::~SensorRateB()
{
    delete ui;
}

void SensorRateB::SetRateIndex(int index)
{
    if (QCheckBox *box = ui->Button(index))
        box->setChecked(true);
}

void SensorRateB::SetHighRateVisible(int mode)
{
    if (mode < 0 || mode > 2)
        return;
    ui->Button2000HZ->setVisible(mode != 0);
    ui->Button4000HZ->setVisible(mode == 1);
}

void SensorRateB::SetLabelText(QString text)
{
    ui->label->setText(text);
}

void SensorRateB::on_Button125HZ_clicked(bool checked)
{
    SendRate(checked, 0);
}

void SensorRateB::on_Button250HZ_clicked(bool checked)
{
    SendRate(checked, 1);
}

void SensorRateB::on_Button500HZ_clicked(bool checked)
{
    SendRate(checked, 2);
}

void SensorRateB::on_Button1000HZ_clicked(bool checked)
{
    SendRate(checked, 3);
}

void SensorRateB::on_Button2000HZ_clicked(bool checked)
{
    SendRate(checked, 4);
}

void SensorRateB::on_Button4000HZ_clicked(bool checked)
{
    SendRate(checked, 5);
}

DebouncetimeB::DebouncetimeB(QWidget *parent)
    : OptionWidget(&SetDebounceTime, parent)
    , ui(new Ui_DebouncetimeB)
{
    ui->setupUi(this);
    ui->spinBoxA->setStyleSheet(LightSkin::EntryBoxSheet(QStringLiteral("transparent")));
    ui->Debunce->setStyleSheet(LightSkin::SliderSheet(pictureDir, 6));
}

DebouncetimeB::~DebouncetimeB()
{
    delete ui;
}

void DebouncetimeB::SetValue(int value)
{
    {
        const QSignalBlocker blocker(ui->Debunce);
        ui->Debunce->setValue(value);
    }
    ui->spinBoxA->setValue(value);
}

void DebouncetimeB::SetSuffix(QString suffix)
{
    ui->spinBoxA->setSuffix(suffix);
}

void DebouncetimeB::on_Debunce_sliderMoved(int position)
{
    ui->spinBoxA->setValue(position);
}

void DebouncetimeB::on_Debunce_valueChanged(int value)
{
    ui->spinBoxA->setValue(value);
    SendClick(value);
}

DebouncetimeC::DebouncetimeC(QWidget *parent)
    : OptionWidget(&SetDebounceTime, parent)
    , ui(new Ui_DebouncetimeC)
{
    ui->setupUi(this);
    ui->spinBoxA->setStyleSheet(LightSkin::EntryBoxSheet(QStringLiteral("transparent")));
    ui->ReduceLevelA->setStyleSheet(ImageButtonSheet(QStringLiteral("ReduceLevelA"), pictureDir + "Reduce.png"));
    ui->AddLevelA->setStyleSheet(ImageButtonSheet(QStringLiteral("AddLevelA"), pictureDir + "Add.png"));
}

DebouncetimeC::~DebouncetimeC()
{
    delete ui;
}

void DebouncetimeC::SetValue(int value)
{
    ui->spinBoxA->setValue(value);
}

void DebouncetimeC::SetSuffix(QString suffix)
{
    ui->spinBoxA->setSuffix(suffix);
}

void DebouncetimeC::on_AddLevelA_clicked()
{
    if (ui->spinBoxA->value() == 20)
        return;
    ui->spinBoxA->setValue(ui->spinBoxA->value() + 1);
    SendClick(ui->spinBoxA->value());
}

void DebouncetimeC::on_ReduceLevelA_clicked()
{
    if (ui->spinBoxA->value() == 1)
        return;
    ui->spinBoxA->setValue(ui->spinBoxA->value() - 1);
    SendClick(ui->spinBoxA->value());
}
