#include "Dialog.h"
#include "DialogForm.h"

#include "Buttoninterface.h"
#include "DialogMain.h"
#include "FlashDataMap.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "LanSetting.h"
#include "Macro.h"
#include "PostMsg.h"
#include "Sensor.h"
#include "SheetOnShow.h"
#include "Skin.h"
#include "UpDataParam.h"
#include "UserPaths.h"
#include "WindowSystem.h"
#include "Worker.h"

#include <QDebug>
#include <QEvent>
#include <QKeyEvent>

namespace {

QString NavigationSheet(const QString &p, const QString &normal, const QString &hover, const QString &checked)
{
    return "QToolButton{border: 0px;background-position:center;background-repeat:no-repeat;background-image: url(" + p
        + normal + ");}QToolButton:hover{background-image:  url(" + p + hover
        + ");}QToolButton:checked{background-image: url(" + p + checked + ");}";
}

} // namespace

Dialog::Dialog(QWidget *parent)
    : QWidget(parent)
{
    ui = new Ui_Dialog;
    ui->setupUi(this);
    ui->LightsButton->hide();
    m_PicturePath = UserPaths::pictureFolder() + "Dialog/";

    m_ButtonPage = new Buttoninterface(this);
    m_MacroPage = new Macro(this);
    m_SensorPage = new Sensor(this);
    m_SettingPage = new FormSetting(this);
    ui->stackedWidgetDialog->addWidget(m_ButtonPage);
    ui->stackedWidgetDialog->addWidget(m_SensorPage);
    ui->stackedWidgetDialog->addWidget(m_MacroPage);
    ui->stackedWidgetDialog->addWidget(m_SettingPage);

    m_UpDataParam = new UpDataParam;
    qDebug() << "Start";

    const QString p = m_PicturePath;
    ui->label_2->setStyleSheet("#label_2{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    // The main frame is hidden behind the device list at start: its pictures
    // are decoded when it is first shown.
    SheetOnShow::Set(ui->frame_2, "#frame_2{border-image: url(" + p + "BackGround.png" + ");}", this);
    SheetOnShow::Set(ui->BatteryButtonC,
                     "#BatteryButtonC{border:0px;background-image: url(" + p + "Battery.png"
                         + ");background-position:center;background-repeat:no-repeat;}",
                     this);
    SheetOnShow::Set(ui->label, "#label{border-image: url(" + p + "Charg.png" + ");}", this);
    SheetOnShow::Set(ui->ButtonMain, NavigationSheet(p, "Home.png", "HomeHover.png", "HomeChecked.png"), this);
    SheetOnShow::Set(ui->CloseButton, Skin::ImageButtonSheet(p, "Close.png", "CloseHover.png", "CloseClick.png"), this);
    SheetOnShow::Set(ui->LightsButton, NavigationSheet(p, "Light.png", "LightHover.png", "LightChecked.png"), this);
    SheetOnShow::Set(ui->FormSetting, NavigationSheet(p, "Setting.png", "SettingHover.png", "SettingClick.png"), this);
    SheetOnShow::Set(ui->MacroButton, NavigationSheet(p, "Macro.png", "MacroHover.png", "MacroChecked.png"), this);
    SheetOnShow::Set(ui->MinButton, Skin::ImageButtonSheet(p, "Min.png", "MinHover.png", "MinClick.png"), this);
    SheetOnShow::Set(ui->SensorButton, NavigationSheet(p, "Sensor.png", "SensorHover.png", "SensorChecked.png"), this);
    SheetOnShow::Set(ui->SetButton, Skin::ImageButtonSheet(p, "Setting.png", "SettingHover.png", "SettingClick.png"),
                     this);
    SheetOnShow::Set(ui->UpArrow,
                     Skin::ImageButtonSheet(p, "PageChange.png", "PageChangeHover.png", "PageChangeClick.png"), this);

    // The header bar, the side bar and the page area are drawn by the
    // background picture; a styled panel would add a light edge to each.
    for (QFrame *panel : {ui->frame, ui->frame_3, ui->frame_4})
        panel->setFrameShape(QFrame::NoFrame);

    ui->label->hide();
    ui->SetButton->hide();

    m_NavGroup = new QButtonGroup(this);
    m_NavGroup->setExclusive(true);
    InitButtonGroup();

    connect(ui->MinButton, &QToolButton::clicked, this, &Dialog::WindowMin);
    ui->ButtonMain->setChecked(true);

    setWindowFlags(Qt::WindowFlags(0x6800));
    setFixedSize(width(), height());

    ui->stackedWidgetDialog->setCurrentWidget(m_ButtonPage);

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, &PostMsg::SigSecondPageChange, this, &Dialog::SlotSecondDialog);
    connect(hub, &PostMsg::SigUpDataParam, this, &Dialog::SlotUpDataParam);
    connect(hub, &PostMsg::SigStartRecord, this, &Dialog::SlotStartRecord);
    connect(hub, &PostMsg::SigMouseIndex, this, &Dialog::SlotMouseIndex);
    connect(hub, &PostMsg::SigBattery, this, &Dialog::SlotBattery, Qt::BlockingQueuedConnection);

    ui->label_3->hide();
    ui->label_2->hide();
}

Dialog::~Dialog()
{
    delete m_ButtonPage;
    delete m_SensorPage;
    delete m_MacroPage;
    delete m_SettingPage;
    delete ui;
}

void Dialog::InitButtonGroup()
{
    m_NavGroup->addButton(ui->ButtonMain);
    m_NavGroup->addButton(ui->MacroButton);
    m_NavGroup->addButton(ui->LightsButton);
    m_NavGroup->addButton(ui->SensorButton);
    m_NavGroup->addButton(ui->FormSetting);
}

void Dialog::on_ButtonMain_clicked()
{
    ui->stackedWidgetDialog->setCurrentWidget(m_ButtonPage);
    PostMsg::GetInstance()->EmitAddMacroButton();
}

void Dialog::on_SensorButton_clicked()
{
    ui->stackedWidgetDialog->setCurrentWidget(m_SensorPage);
}

void Dialog::on_MacroButton_clicked()
{
    ui->stackedWidgetDialog->setCurrentWidget(m_MacroPage);
}

void Dialog::on_FormSetting_clicked()
{
    ui->stackedWidgetDialog->setCurrentWidget(m_SettingPage);
}

void Dialog::on_LightsButton_clicked()
{
}

void Dialog::SlotSecondDialog()
{
    ui->ButtonMain->setChecked(true);
    ui->stackedWidgetDialog->setCurrentWidget(m_ButtonPage);
}

void Dialog::SlotStartRecord(int index)
{
    if (index != 0 && index != 1)
        return;
    const bool enabled = index == 1;
    ui->ButtonMain->setEnabled(enabled);
    ui->SensorButton->setEnabled(enabled);
    ui->LightsButton->setEnabled(enabled);
    ui->MacroButton->setEnabled(enabled);
    ui->FormSetting->setEnabled(enabled);
}

void Dialog::SlotMouseIndex(int)
{
}

void Dialog::SlotBattery(bool IsCharg, int Number, bool IsText)
{
    ui->label->setVisible(IsCharg);
    ui->progressBar->setValue(Number);
    ui->label_2->setText(QString::number(Number) + (IsText ? "%" : ""));
    const QString colour = Number < 16 ? "rgb(152, 43, 34)" : "rgb(0, 255, 153)";
    ui->progressBar->setStyleSheet(
        "#progressBar{border: none;background-color: transparent;}#progressBar::chunk {background-color: " + colour
        + ";}");
}

void Dialog::SlotUpDataParam(int index)
{
    m_UpDataParam->StartTimer();
    qDebug() << "q";
    // Every request says its own mode: a settle request that arrived while a
    // handler ran must not turn the next normal request into settling.
    m_UpDataParam->m_SettleMode = index == 1;
    qDebug() << "w";
    const QPoint g = WindowSystem::RealGlobalOrigin(this);
    m_UpDataParam->move(g.x() + (width() - m_UpDataParam->width()) / 2,
                        g.y() + (height() - m_UpDataParam->height()) / 2 - 20);
    qDebug() << "t1";
    // A second request while the dialog runs only restarts its timer: the
    // running dialog refuses a nested exec.
    if (!m_UpDataParam->isVisible())
        m_UpDataParam->exec();
}

void Dialog::SaveRecordToCache()
{
    Worker::WriteDeviceInfoFile(g_DeviceInfoNameRead.get(), FlashData::snapshot());
}

void Dialog::on_CloseButton_clicked()
{
    WindowClosed();
}

void Dialog::WindowClosed()
{
    SaveRecordToCache();
    PostMsg::GetInstance()->EmitChangeSize(1);
}

void Dialog::WindowMin()
{
    PostMsg::GetInstance()->EmitChangeSize(0);
}

void Dialog::on_UpArrow_clicked()
{
    UsbServer_SetPCDriverStatus(0);
    SaveRecordToCache();
    ui->ButtonMain->setChecked(true);
    DialogMain::DelayMs(100);
    UsbServer_Exit();
    PostMsg::GetInstance()->EmitChangeMainDialog(0);
    PostMsg::GetInstance()->EmitSetMacroPage();
    ui->stackedWidgetDialog->setCurrentWidget(m_ButtonPage);
}

void Dialog::on_SetButton_clicked()
{
    // The button is hidden from construction on: nothing reaches this.
    LanSetting dialog;
    dialog.ShowVersion();
    DialogSkeleton::MoveOver(&dialog, this, 0, 0);
    dialog.exec();
}

void Dialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QWidget::keyPressEvent(event);
}
