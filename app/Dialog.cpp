#include "Dialog.h"
#include "DialogForm.h"

#include "BackgroundWhileShown.h"
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

Dialog::Dialog(QWidget *parent, Build build)
    : QWidget(parent)
{
    ui = new Ui_Dialog;
    ui->setupUi(this);
    ui->LightsButton->hide();
    m_PicturePath = UserPaths::pictureFolder() + "Dialog/";

    m_UpDataParam = new UpDataParam;
    qDebug() << "Start";

    const QString p = m_PicturePath;
    ui->label_2->setStyleSheet("#label_2{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    // Only one window-sized background is on screen at a time. This one is
    // decoded in a preparing step of its own (decoded here, it made the
    // frame's first step too long; at the frame's first show, the tile's
    // click) and kept; the device list's is let go while the frame is shown.
    // Followed from before its sheet is set: a frame works out its border
    // from its sheet at once, which would decode the picture here.
    BackgroundWhileShown::Attach(ui->frame_2, p + "BackGround.png", this, BackgroundWhileShown::Hidden::Keep);
    // Set before any page exists and before anything is polished, these cost
    // next to nothing here: the pictures are decoded when the frame is
    // polished (PrepareNextStep, or its first show).
    ui->frame_2->setStyleSheet("#frame_2{border-image: url(" + p + "BackGround.png" + ");}");
    ui->BatteryButtonC->setStyleSheet("#BatteryButtonC{border:0px;background-image: url(" + p + "Battery.png"
                                      + ");background-position:center;background-repeat:no-repeat;}");
    ui->label->setStyleSheet("#label{border-image: url(" + p + "Charg.png" + ");}");
    ui->ButtonMain->setStyleSheet(NavigationSheet(p, "Home.png", "HomeHover.png", "HomeChecked.png"));
    ui->CloseButton->setStyleSheet(Skin::ImageButtonSheet(p, "Close.png", "CloseHover.png", "CloseClick.png"));
    ui->LightsButton->setStyleSheet(NavigationSheet(p, "Light.png", "LightHover.png", "LightChecked.png"));
    ui->FormSetting->setStyleSheet(NavigationSheet(p, "Setting.png", "SettingHover.png", "SettingClick.png"));
    ui->MacroButton->setStyleSheet(NavigationSheet(p, "Macro.png", "MacroHover.png", "MacroChecked.png"));
    ui->MinButton->setStyleSheet(Skin::ImageButtonSheet(p, "Min.png", "MinHover.png", "MinClick.png"));
    ui->SensorButton->setStyleSheet(NavigationSheet(p, "Sensor.png", "SensorHover.png", "SensorChecked.png"));
    ui->SetButton->setStyleSheet(Skin::ImageButtonSheet(p, "Setting.png", "SettingHover.png", "SettingClick.png"));
    ui->UpArrow->setStyleSheet(
        Skin::ImageButtonSheet(p, "PageChange.png", "PageChangeHover.png", "PageChangeClick.png"));

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

    ui->label_3->hide();
    ui->label_2->hide();

    if (build == Build::Whole)
        BuildRemainingSteps();
}

bool Dialog::BuildNextStep()
{
    // The pages are made in the order their hub connections have always been
    // made (buttons, macro, sensor, settings) and stacked as buttons, sensor,
    // macro, settings. Each is made straight into the stack: moved there
    // afterwards, its whole widget tree would take the style again. The
    // button page comes in parts and goes into the stack once complete: the
    // first page of a stack is shown there, which would polish at once what
    // the parts still have to polish.
    QStackedWidget *stack = ui->stackedWidgetDialog;
    if (IsComplete())
        return true;
    if (!m_ButtonPage) {
        m_ButtonPage = new Buttoninterface(stack, Buttoninterface::Build::InSteps);
    } else if (!m_ButtonPage->IsComplete()) {
        if (m_ButtonPage->BuildNextStep())
            stack->addWidget(m_ButtonPage);
    } else if (!m_MacroPage) {
        m_MacroPage = new Macro(stack);
        stack->addWidget(m_MacroPage);
    } else if (!m_SensorPage) {
        m_SensorPage = new Sensor(stack);
        stack->insertWidget(1, m_SensorPage);
    } else {
        m_SettingPage = new FormSetting(stack);
        stack->addWidget(m_SettingPage);
        stack->setCurrentWidget(m_ButtonPage);

        // Last, as they always came after the pages' own: on a shared signal
        // the pages' slots run first.
        PostMsg *hub = PostMsg::GetInstance();
        connect(hub, &PostMsg::SigSecondPageChange, this, &Dialog::SlotSecondDialog);
        connect(hub, &PostMsg::SigUpDataParam, this, &Dialog::SlotUpDataParam);
        connect(hub, &PostMsg::SigStartRecord, this, &Dialog::SlotStartRecord);
        connect(hub, &PostMsg::SigMouseIndex, this, &Dialog::SlotMouseIndex);
        connect(hub, &PostMsg::SigBattery, this, &Dialog::SlotBattery, Qt::BlockingQueuedConnection);
        m_Complete = true;
    }
    return IsComplete();
}

void Dialog::BuildRemainingSteps()
{
    while (!BuildNextStep()) {
    }
}

bool Dialog::IsComplete() const
{
    return m_Complete;
}

bool Dialog::PrepareNextStep()
{
    // What the first show would do, done while nothing else runs: polishing
    // the frame's widgets builds their style rules and decodes the pictures
    // those rules name; the same for the wait dialog the first read opens.
    // The hidden pages wait for their first switch, as they always did. The
    // window-sized background takes a step of its own.
    if (!IsComplete())
        return false;
    switch (m_PrepareStep) {
    case 0:
        ensurePolished();
        break;
    case 1:
        SheetOnShow::ApplyNow(m_UpDataParam);
        m_UpDataParam->ensurePolished();
        break;
    case 2:
        BackgroundWhileShown::DecodeAhead(ui->frame_2);
        break;
    default:
        return true;
    }
    ++m_PrepareStep;
    return IsPrepared();
}

bool Dialog::IsPrepared() const
{
    return m_PrepareStep >= PrepareSteps;
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
