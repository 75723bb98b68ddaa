#include "SensorRate.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "PostMsg.h"
#include "SensorRateForm.h"
#include "Skin.h"

#include <QButtonGroup>

SensorRate::SensorRate(QWidget *parent)
    : OptionWidget(&SetReportRate, parent)
    , ui(new Ui_SensorRate)
{
    ui->setupUi(this);
    rateGroup = new QButtonGroup(this);
    rateGroup->setExclusive(true);
    for (int i = 0; i < 6; ++i)
        rateGroup->addButton(ui->Button(i));

    ui->label->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    const QString sheet = "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb("
        + Skin::Rgb("ButtonColor") + ";);padding-left:0px;background-image: url(" + pictureDir + "ReportRate.png"
        + ");}QToolButton:checked{padding-left:0px;background-image: url(" + pictureDir + "ReportRateClick.png"
        + "); }";
    for (int i = 0; i < 6; ++i)
        ui->Button(i)->setStyleSheet(sheet);
}

SensorRate::~SensorRate()
{
    delete ui;
}

void SensorRate::SetRateIndex(int index)
{
    if (QToolButton *b = ui->Button(index))
        b->setChecked(true);
}

void SensorRate::SetHighRateVisible(int mode)
{
    switch (mode) {
    case 0:
        ui->Button2000HZ->setVisible(false);
        ui->Button4000HZ->setVisible(false);
        break;
    case 1:
        ui->Button2000HZ->setVisible(true);
        ui->Button4000HZ->setVisible(true);
        break;
    case 2:
        ui->Button2000HZ->setVisible(true);
        ui->Button4000HZ->setVisible(false);
        break;
    default:
        break;
    }
}

void SensorRate::SetLabelText(QString text)
{
    ui->label->setText(text);
}

QToolButton *SensorRate::RateButton(int index) const
{
    return ui->Button(index);
}

int SensorRate::CheckedIndex() const
{
    for (int i = 0; i < 6; ++i)
        if (ui->Button(i)->isChecked())
            return i;
    return -1;
}

void SensorRate::on_Button125HZ_clicked(bool checked)
{
    SendRate(checked, 0);
}

void SensorRate::on_Button250HZ_clicked(bool checked)
{
    SendRate(checked, 1);
}

void SensorRate::on_Button500HZ_clicked(bool checked)
{
    SendRate(checked, 2);
}

void SensorRate::on_Button1000HZ_clicked(bool checked)
{
    SendRate(checked, 3);
}

void SensorRate::on_Button2000HZ_clicked(bool checked)
{
    SendRate(checked, 4);
}

void SensorRate::on_Button4000HZ_clicked(bool checked)
{
    SendRate(checked, 5);
}
