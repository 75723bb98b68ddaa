// The settings page's firmware update run: which rows offer an update, the
// step machine that runs once a second while a flash is prepared, started
// and waited for, the library's upgrade callback, and the chaining of a
// receiver update and a mouse update.
//
// The callback runs on the library's thread: it touches no widget, writes the
// update states and the registry and reaches the page and the progress
// dialog through the hub. The page learns of the end by reading the state in
// step 3.

#include "FormSetting.h"
#include "FormSettingForm.h"

#include "ConfigIni.h"
#include "DeviceDiscovery.h"
#include "DialogSkeleton.h"
#include "FirmwareImage.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "Progress.h"
#include "SettingsState.h"
#include "UpDateWarning.h"
#include "UpdateRegistry.h"
#include "UpdateTargets.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QMutex>
#include <QMutexLocker>
#include <QTimer>

namespace {

// The update run's receiver row (states as g_MouseUpdateState's), and the
// kind, receiver class and MID of the flash started last, for the failure
// record. The library's upgrade callback writes them on its own thread.
std::atomic<int> g_DongleUpdateState{0};
std::atomic<int> g_UpdateKind{0};
std::atomic<int> g_UpdateDongleClass{0};
std::atomic<int> g_UpdateMID{0};

// Where the progress dialog and the notice stand over the page.
constexpr int PopupDx = -75;
constexpr int PopupDy = -65;

// The Config.ini texts that name the model's "MouseVer" value, taken on the
// GUI thread when a flash starts; the callback writes the value with them.
QMutex s_MouseVerMutex;
QString s_MouseVerCid;
QString s_MouseVerMid;

// The device the flash started last was for, as its failure is recorded.
UpdateRegistry::FailInfo FlashedDevice()
{
    return {g_UpdateKind, g_UpdateDongleClass, g_UpdateCID, g_UpdateMID};
}

std::atomic<int> &StateOf(int kind)
{
    return kind == FirmwareImage::KindReceiver ? g_DongleUpdateState : g_MouseUpdateState;
}

} // namespace

QString FormSetting::UpdateOfferedLook() const
{
    return "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb(" + buttonColor
        + ";);background-image: url(" + m_PicturePath + "WaitUpdate.png"
        + ");}QToolButton::hover{background-image: url(" + m_PicturePath + "WaitUpdateHover.png" + ");}";
}

QString FormSetting::PlainLook() const
{
    return "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb(" + buttonColor
        + ";);border-image: url(" + m_PicturePath + "Confirm.png" + ");}";
}

// ------------------------------------------------------------ starting a run

// What differs between the two rows of a run.
struct FormSetting::UpdateRow
{
    bool *latest;
    bool *ownTimerFlag;
    bool *otherTimerFlag;
    QToolButton *button;
    QToolButton *hintIcon;
    QLabel *hintLabel;
    int *hintState;
    int otherRowClear;
    QTimer *timer;
};

FormSetting::UpdateRow FormSetting::Row(int kind)
{
    if (kind == FirmwareImage::KindReceiver)
        return {&DongleLatestVersion,   &DongleCheckTimerEnable,
                &MouseCheckTimerEnable, ui->Receive,
                ui->toolButton_2,       ui->label_12,
                &dongleHintState,       2,
                g_DongleCheckTimer};
    return {&MouseLatestVersion, &MouseCheckTimerEnable, &DongleCheckTimerEnable, ui->Mouse,
            ui->toolButton_3,    ui->label_13,           &mouseHintState,         1,
            g_MouseCheckTimer};
}

void FormSetting::StartUpdateRun(int kind)
{
    g_UpdateDongleClass = UpdateTargets::CurrentReceiverClass();
    const UpdateRow row = Row(kind);
    if (g_DongleUpdateState == 1 || g_MouseUpdateState == 1 || *row.latest || *row.otherTimerFlag) {
        if (*row.latest) {
            row.button->setText(verNewText);
            row.button->setStyleSheet(PlainLook());
        }
        return;
    }
    ui->Receive->setEnabled(false);
    ui->Mouse->setEnabled(false);
    g_UpdateBusy = true;
    updateStep = 0;
    row.hintIcon->hide();
    row.hintLabel->hide();
    *row.hintState = 0;
    SetVer(row.otherRowClear);
    g_UpgradeIdle = false;
    row.timer->start();
    *row.ownTimerFlag = true;
}

void FormSetting::on_Receive_clicked()
{
    StartUpdateRun(FirmwareImage::KindReceiver);
}

void FormSetting::on_Mouse_clicked()
{
    StartUpdateRun(FirmwareImage::KindMouse);
}

void FormSetting::onDongleCheckTimer()
{
    CheckUpdate(updateStep, FirmwareImage::KindReceiver, ui->label_5->text());
}

void FormSetting::onMouseCheckTimer()
{
    CheckUpdate(updateStep, FirmwareImage::KindMouse, ui->label_7->text());
}

void FormSetting::on_toolButton_4_clicked()
{
    DialogSkeleton::MoveOver(updateProgress, this, PopupDx, PopupDy);
    updateProgress->show();
}

// ------------------------------------------------------------- step machine

void FormSetting::UpdateFinished(int kind)
{
    if (kind == FirmwareImage::KindReceiver)
        DongleUpdateFinished();
    else
        MouseUpdateFinished();
}

void FormSetting::MarkUpToDate(int kind)
{
    StateOf(kind) = 4;
    UpdateFinished(kind);
    *Row(kind).latest = true;
    updateStep = 4;
}

void FormSetting::CheckUpdate(int step, int kind, QString currentVersion)
{
    const bool receiver = kind == FirmwareImage::KindReceiver;
    const DeviceAllInfo current = g_CurrentDevice.get();
    const ModelInfo model = ModelInfo::OfIndex(current.ModelIndex);
    const UpdateRow row = Row(kind);

    switch (step) {
    case 0: {
        g_UpdateCID = ModelInfo::Cid();
        g_UpdateMID = model.Mid();
        bool found = false;
        if (!receiver) {
            found = FindFirmware(kind, currentVersion, model.MouseFirmwareName(), g_UpdateCID, g_UpdateMID);
        } else {
            donglePaths.clear();
            const int receiverClass = g_UpdateDongleClass;
            // The receiver's key by class; "D4M" and "D2M" only when named.
            auto search = [&](int keyClass) {
                const QString name = model.Text(ModelInfo::ReceiverFirmwareKeyOf(keyClass));
                if (keyClass != 1 && name.isEmpty())
                    return;
                found = FindFirmware(kind, QString(), name, g_UpdateCID, g_UpdateMID);
                if (found) {
                    int count = 5;
                    const QByteArray image = FirmwareImage::ChosenImage();
                    UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(image.constData()), &count);
                    qDebug() << "receiver images: boot devices" << count;
                }
            };
            if (current.Wired) {
                for (int keyClass : {4, 2, 1})
                    if (keyClass == receiverClass)
                        search(keyClass);
                for (const DeviceAllInfo &entry : g_DeviceList)
                    if (!entry.Wired)
                        donglePaths << entry.Path;
            } else {
                if (receiverClass == 4 || receiverClass == 1 || receiverClass == 2)
                    search(receiverClass);
                for (const DeviceAllInfo &entry : g_DeviceList)
                    if (!entry.Wired && entry.Path == current.Path)
                        donglePaths << current.Path;
            }
        }
        if (!found && g_UpdateDongleClass != 0)
            MarkUpToDate(kind);
        else
            updateStep = 1;
        break;
    }
    case 1: {
        int count = 0;
        if (receiver) {
            count = donglePaths.size();
        } else {
            for (const DeviceAllInfo &entry : g_DeviceList)
                if (entry.Wired)
                    ++count;
        }
        if (count != 1) {
            StateOf(kind) = 0;
            UpdateFinished(kind);
            const int hintState = count == 0 ? 1 : 2;
            const QString text = count == 0 ? (receiver ? noDeviceText : g_WiredModeText) : sameDeviceText;
            if (!warnAsPopup) {
                row.hintIcon->show();
                row.hintLabel->show();
                *row.hintState = hintState;
                row.hintLabel->setText(text);
            } else {
                DialogSkeleton::MoveOver(updateWarning, this, PopupDx, PopupDy);
                updateWarning->setWindowModality(Qt::ApplicationModal);
                updateWarning->SetText(text);
                updateWarning->show();
                warnAsPopup = false;
            }
            updateStep = 4;
            break;
        }

        bool found = false;
        const int receiverClass = g_UpdateDongleClass;
        if (!receiver) {
            found = FindFirmware(kind, currentVersion, model.MouseFirmwareName(), g_UpdateCID, g_UpdateMID);
        } else if (receiverClass == 4 || receiverClass == 2) {
            const QString versionText = UpdateTargets::ReceiverOwnVersion(donglePaths.first());
            found = FindFirmware(kind, versionText, model.Text(ModelInfo::ReceiverFirmwareKeyOf(receiverClass)),
                                 g_UpdateCID, g_UpdateMID);
        } else {
            found = FindFirmware(kind, currentVersion, model.Text(QStringLiteral("DM")), g_UpdateCID, g_UpdateMID);
        }
        if (!found) {
            MarkUpToDate(kind);
            break;
        }

        g_UpdateKind = kind;
        {
            QMutexLocker lock(&s_MouseVerMutex);
            s_MouseVerCid = ModelInfo::CidText();
            s_MouseVerMid = model.MidText();
        }
        DialogSkeleton::MoveOver(updateProgress, this, PopupDx, PopupDy);
        updateProgress->setWindowModality(Qt::ApplicationModal);
        PostMsg::GetInstance()->EmitProgress(0, 3);
        updateProgress->show();
        // Updating from before the start: an end report may come at once,
        // and one that found the state idle would be lost with the progress
        // dialog waiting for ever. The image is held with its version until
        // the next flash, so the success report names what was flashed.
        StateOf(kind) = 1;
        UsbUpgrade_Start(FirmwareImage::HoldForFlash(FirmwareImage::ChosenImage()), &FormSetting::UpgradeCallBack,
                         10000);
        updateStep = 2;
        break;
    }
    case 2:
        // The state became 1 before the start; the callback may already
        // have ended it.
        updateStep = 3;
        break;
    case 3:
        if (StateOf(kind) != 1)
            updateStep = 4;
        break;
    case 4:
        *row.ownTimerFlag = false;
        UpdateFinished(kind);
        warnAsPopup = false;
        g_DongleCheckTimer->stop();
        g_MouseCheckTimer->stop();
        g_UpdateBusy = false;
        break;
    default:
        break;
    }
}

void FormSetting::RowFinished(int kind)
{
    const UpdateRow row = Row(kind);
    g_UpgradeIdle = true;
    switch (StateOf(kind).load()) {
    case 4:
        row.hintIcon->hide();
        row.hintLabel->hide();
        row.button->setText(verNewText);
        row.button->setStyleSheet(PlainLook());
        break;
    case 2:
        row.hintIcon->hide();
        row.hintLabel->hide();
        UpdateRegistry::RemoveFailRecord(FlashedDevice());
        row.button->setStyleSheet(PlainLook());
        (kind == FirmwareImage::KindReceiver ? g_DongleUpdatePending : g_MouseUpdatePending) = false;
        break;
    case 1:
        row.hintIcon->hide();
        row.hintLabel->hide();
        UpdateRegistry::RemoveFailRecord(FlashedDevice());
        break;
    default:
        break;
    }
    ui->Receive->setEnabled(true);
    ui->Mouse->setEnabled(true);
    updateStep = 4;
}

void FormSetting::DongleUpdateFinished()
{
    RowFinished(FirmwareImage::KindReceiver);
}

void FormSetting::MouseUpdateFinished()
{
    RowFinished(FirmwareImage::KindMouse);
}

// ------------------------------------------------------ the library's reports

void FormSetting::UpgradeCallBack(unsigned char *report)
{
    if (!report || report[0] != 7)
        return;
    PostMsg *hub = PostMsg::GetInstance();
    if (report[1] == 1) {
        if (g_DongleUpdateState == 1)
            hub->EmitProgress(report[2], 0);
        if (g_MouseUpdateState == 1)
            hub->EmitProgress(report[2], 0);
        return;
    }
    if (report[1] != 2)
        return;
    if (report[2] == 1) {
        // The version of the image this flash was given, not of a later search.
        const QString version = FirmwareImage::HeldVersionText();
        if (g_DongleUpdateState == 1) {
            g_DongleUpdateState = 2;
            hub->EmitProgress(0, 2);
            hub->EmitLabelText(0, version);
        }
        if (g_MouseUpdateState == 1) {
            g_MouseUpdateState = 2;
            QString cid;
            QString mid;
            {
                QMutexLocker lock(&s_MouseVerMutex);
                cid = s_MouseVerCid;
                mid = s_MouseVerMid;
            }
            UpdateRegistry::SetMouseVersion(cid, mid, version);
            hub->EmitProgress(0, 2);
            hub->EmitLabelText(1, version);
        }
        UpdateRegistry::RecordFlashEnd(FlashedDevice(), true);
        return;
    }
    g_MouseUpdatePending = false;
    g_DongleUpdatePending = false;
    if (g_DongleUpdateState == 1)
        g_DongleUpdateState = 3;
    if (g_MouseUpdateState == 1)
        g_MouseUpdateState = 3;
    hub->EmitProgress(0, 1);
    UpdateRegistry::RecordFlashEnd(FlashedDevice(), false);
}

// ----------------------------------------------------------- chaining, labels

void FormSetting::SlotContinue(int)
{
    if (g_MouseUpdatePending && (g_DongleUpdateState == 2 || g_DongleUpdateState == 4)) {
        warnAsPopup = true;
        on_Mouse_clicked();
    }
    if (g_DongleUpdatePending && (g_MouseUpdateState == 2 || g_MouseUpdateState == 4)) {
        warnAsPopup = true;
        on_Receive_clicked();
    }
}

void FormSetting::SetVer(int index)
{
    switch (index) {
    case 0:
    case 5: {
        if (index == 5)
            SetVer(4);
        const UpdateTargets::VersionTexts shown = UpdateTargets::ShownVersions();
        const QString &receiverText = shown.Receiver;
        const QString &mouseText = shown.Mouse;
        if (index == 0 && QDir(FirmwareImage::Folder()).exists()) {
            const int receiverClass = UpdateTargets::CurrentReceiverClass();
            g_MouseUpdatePending = IsUpdateAvailable(FirmwareImage::KindMouse, mouseText, receiverClass);
            g_DongleUpdatePending = IsUpdateAvailable(FirmwareImage::KindReceiver, receiverText, receiverClass);
            ui->Mouse->setStyleSheet(g_MouseUpdatePending ? UpdateOfferedLook() : PlainLook());
            ui->Receive->setStyleSheet(g_DongleUpdatePending ? UpdateOfferedLook() : PlainLook());
        }
        ui->label_5->setText(receiverText);
        ui->label_7->setText(mouseText);
        break;
    }
    case 1:
        ui->toolButton_2->hide();
        ui->label_12->hide();
        dongleHintState = 0;
        break;
    case 2:
        ui->toolButton_3->hide();
        ui->label_13->hide();
        mouseHintState = 0;
        break;
    case 3:
    case 4:
        ui->Receive->setText(receiveButtonText);
        ui->Mouse->setText(mouseButtonText);
        if (index == 4) {
            SetVer(1);
            SetVer(2);
            DongleLatestVersion = false;
            MouseLatestVersion = false;
            MouseCheckTimerEnable = false;
            DongleCheckTimerEnable = false;
        }
        break;
    case 6:
        ui->label_5->clear();
        ui->label_7->clear();
        break;
    default:
        break;
    }
}

void FormSetting::SlotLabelText(int index, QString Text)
{
    if (index == 0) {
        ui->label_5->setText(Text);
        g_CurrentDevice.update([&](DeviceAllInfo &device) { device.ReceiverVersion = Text; });
    } else if (index == 1) {
        ui->label_7->setText(Text);
        g_CurrentDevice.update([&](DeviceAllInfo &device) { device.MouseVersion = Text; });
    }
}

void FormSetting::SlotLabelTextB(QString TextA, QString Text)
{
    ui->label_5->setText(TextA);
    ui->Receive->setStyleSheet(Text == QLatin1String("true") ? UpdateOfferedLook() : PlainLook());
}

// ------------------------------------------------------------------ helpers

void FormSetting::Delay(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void FormSetting::SetUpdateBusy()
{
    g_UpdateBusy = true;
}

void FormSetting::StopCheckTimers()
{
    g_DongleCheckTimer->stop();
    g_MouseCheckTimer->stop();
    g_UpdateBusy = false;
}

bool FormSetting::IsDongleUpdating()
{
    return g_DongleUpdateState == 1;
}

bool FormSetting::IsMouseUpdating()
{
    return g_MouseUpdateState == 1;
}

bool FormSetting::IsUpdating()
{
    return IsDongleUpdating() || IsMouseUpdating();
}
