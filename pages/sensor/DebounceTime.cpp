#include "DebounceTime.h"

#include "DataSetters.h"
#include "DebounceTimeForm.h"
#include "GlobalState.h"
#include "Skin.h"
#include "UserPaths.h"

DebounceTime::DebounceTime(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_DebounceTime)
{
    ui->setupUi(this);
    // The selector sits on the button page and takes that page's pictures.
    pictureDir = UserPaths::pictureFolder() + "Buttoninterface/";
    ui->Debunce->setStyleSheet(Skin::ComboSheet(pictureDir, false));
    ui->Debunce->SetListViewSheet(Skin::ComboListSheet());
    ui->Debunce->setMaxVisibleItems(5);
}

DebounceTime::~DebounceTime()
{
    delete ui;
}

void DebounceTime::SetItemText(int index, QString text)
{
    ui->Debunce->setItemText(index, QString::number(index) + text);
}

void DebounceTime::SetCurrentIndex(int index)
{
    ui->Debunce->setCurrentIndex(index);
}

MyConmboBox *DebounceTime::Combo() const
{
    return ui->Debunce;
}

void DebounceTime::on_Debunce_currentIndexChanged(int index)
{
    if (g_UiReady.load() && !g_ButtonPageUpdating.load())
        SetDebounceTime(index);
}
