#include "SensorLOD.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "SensorLODForm.h"
#include "Skin.h"

SensorLOD::SensorLOD(QWidget *parent)
    : OptionWidget(&SetLOD, parent)
    , ui(new Ui_SensorLOD)
{
    ui->setupUi(this);
    ui->label->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    // A disabled selector (a sensor without lift-off setting) draws its text black.
    ui->LOD->setStyleSheet(Skin::ComboSheet(pictureDir, true));
    ui->LOD->SetListViewSheet(Skin::ComboListSheet());
}

SensorLOD::~SensorLOD()
{
    delete ui;
}

void SensorLOD::SetCurrentIndex(int index)
{
    ui->LOD->setCurrentIndex(index);
}

void SensorLOD::SetLODEnabled(bool enabled)
{
    ui->LOD->setEnabled(enabled);
}

void SensorLOD::SetLabelText(QString text)
{
    ui->label->setText(text);
}

void SensorLOD::SetLabelToolTip(QString text)
{
    ui->label->setToolTip(text);
}

MyConmboBox *SensorLOD::Combo() const
{
    return ui->LOD;
}

void SensorLOD::on_LOD_currentIndexChanged(int index)
{
    SendChange(index + 1);
}
