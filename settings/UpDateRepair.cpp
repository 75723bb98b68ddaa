#include "UpDateRepair.h"
#include "UpDateRepairForm.h"

#include "ButtonText.h"
#include "FirmwareImage.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "SettingsState.h"
#include "Skin.h"
#include "UpdateRegistry.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMutex>
#include <QMutexLocker>
#include <QSpinBox>
#include <QToolButton>

namespace {

QMutex s_FailInfoMutex;
QStringList s_RepairFailInfo;

} // namespace

QStringList RepairFailInfo()
{
    QMutexLocker lock(&s_FailInfoMutex);
    return s_RepairFailInfo;
}

void SetRepairFailInfo(const QStringList &fields)
{
    QMutexLocker lock(&s_FailInfoMutex);
    s_RepairFailInfo = fields;
}

UpDateRepair::UpDateRepair(QWidget *parent, Mode mode)
    : DialogSkeleton(parent)
    , ui(new Ui_UpDateRepair)
{
    ui->setupUi(this);
    InitSkeleton();
    // The repair dialog is a frameless window of its own rather than a sub-window.
    setWindowFlags(Qt::WindowFlags(0x6800));

    const QString label = Skin::Rgb(QStringLiteral("LabelColor"));
    ui->ToolText->setStyleSheet("QLabel{color: rgb(" + label + ");background-color: transparent;}");
    ui->spinBox->setStyleSheet("QSpinBox{border:0px;background-color: transparent;color: rgb(" + label + ");}");
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->AutoRepair->setStyleSheet(BackgroundSheet(QStringLiteral("AutoRepair"), m_PicturePath));

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, &PostMsg::SigAutoRepair, this, &UpDateRepair::SlotAutoRepair);
    connect(hub, &PostMsg::SigAutoRepairProgress, this, &UpDateRepair::SlotAutoRepairProgress);
    ui->NewHong->hide();
    ui->spinBox->hide();

    LoadStoredLanguage();
    // The update the user is asked about is the one that runs: a recorded
    // repair never takes its place under the update's question.
    if (mode == Mode::Repair)
        DoRepair();
    ui->NewHong->setShortcut(QKeySequence(Qt::Key_Return));
}

UpDateRepair::~UpDateRepair()
{
    delete ui;
}

bool UpDateRepair::FindFirmware(int kind, QString currentVersion, QString modelName, int cid, int mid)
{
    m_Images.clear();
    m_FoundInfo.clear();
    // The search every update offer makes: an update (the receiver's
    // version given) is only ever a newer image, the highest there is; the
    // repair of a device in boot mode (no version to compare) takes the
    // highest whole image of its kind, whatever its version.
    QByteArray image;
    if (!FirmwareImage::SearchImage(kind, currentVersion, modelName, cid, mid, &image))
        return false;
    m_Images << image;
    // Remember what this image repairs, so a failed flash is recorded as
    // the update it really was.
    int receiverClass = 0;
    const int index = ModelInfo::IndexOfMid(mid);
    if (kind == FirmwareImage::KindReceiver && index >= 0) {
        const ModelInfo model = ModelInfo::OfIndex(index);
        for (int candidate : ModelInfo::ReceiverClasses()) {
            if (model.Text(ModelInfo::ReceiverFirmwareKeyOf(candidate)) == modelName) {
                receiverClass = candidate;
                break;
            }
        }
    }
    m_FoundInfo = QStringList() << QString::number(kind) << QString::number(receiverClass) << QString::number(cid)
                                << QString::number(mid);
    return true;
}

void UpDateRepair::StartRepair(int value)
{
    Q_UNUSED(value);
    m_Automatic = true;
    DoRepair();
}

bool UpDateRepair::FindRecordedImage(const UpdateRegistry::FailInfo &record)
{
    // The model of the recorded MID; with none, no name and no MID match.
    const int index = ModelInfo::IndexOfMid(record.MID);
    QString modelName;
    int mid = 0;
    if (index >= 0) {
        const ModelInfo model = ModelInfo::OfIndex(index);
        if (record.Kind == FirmwareImage::KindReceiver) {
            const QString key = ModelInfo::ReceiverFirmwareKeyOf(record.ReceiverClass);
            if (!key.isEmpty())
                modelName = model.Text(key);
        } else {
            modelName = model.MouseFirmwareName();
        }
        mid = model.Mid();
    }
    const bool found = FindFirmware(record.Kind, QString(), modelName, record.CID, mid);
    // A failure of this run is recorded as the update it repairs.
    m_FoundInfo = record.Text().split(QLatin1Char(','));
    return found;
}

int UpDateRepair::BootDevicesForImage() const
{
    int count = 5;
    UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(m_Images.first().constData()), &count);
    return count;
}

void UpDateRepair::DoRepair()
{
    if (!m_Automatic) {
        // Each device whose flash failed has a record; one of them is flashed
        // per run: the first, in the order of their failures, that has an
        // image and waits alone in its boot loader. The others keep their
        // records, and the device list its button, for the next run. A
        // malformed record is dropped without a word.
        const QList<UpdateRegistry::FailInfo> records = UpdateRegistry::DropMalformedRecords();
        if (records.isEmpty() || !m_MayStart)
            return;
        int refusedCount = -1;
        for (const UpdateRegistry::FailInfo &record : records) {
            if (!FindRecordedImage(record) || m_Images.isEmpty())
                continue;
            const int count = BootDevicesForImage();
            if (count == 1) {
                StartFlash();
                return;
            }
            if (refusedCount < 0)
                refusedCount = count;
        }
        // None can be flashed now: tell why for the first that has an image.
        m_Images.clear();
        if (refusedCount >= 0) {
            ui->ToolText->setText(refusedCount == 0 ? m_NoDeviceText : m_SameDeviceText);
            ui->NewHong->show();
        }
        return;
    }

    if (!m_MayStart || m_Images.isEmpty())
        return;
    // The library flashes a device that waits in its boot loader before a
    // connected one: with a device of the same model waiting for its
    // repair, the image would go to that one, not to the receiver the user
    // chose. That device is the repair button's; nothing is flashed here.
    if (BootDevicesForImage() > 0) {
        m_Images.clear();
        ui->ToolText->setText(m_SameDeviceText);
        ui->NewHong->show();
        return;
    }
    StartFlash();
}

void UpDateRepair::StartFlash()
{
    SetRepairFailInfo(m_FoundInfo);
    g_UpgradeIdle = false;
    ui->ToolText->setText(m_FlashingText);
    // Held beyond this dialog: it may be closed before the flash ends.
    UsbUpgrade_Start(FirmwareImage::HoldForFlash(m_Images.first()), &UpDateRepair::UpgradeCallBack, 10000);
    m_MayStart = false;
    ui->spinBox->setValue(0);
    ui->spinBox->show();
    ui->NewHong->hide();
}

void UpDateRepair::UpgradeCallBack(unsigned char *report)
{
    if (!report || report[0] != 7)
        return;
    PostMsg *hub = PostMsg::GetInstance();
    if (report[1] == 1) {
        g_RepairRunning = true;
        hub->EmitAutoRepairProgress(report[2]);
    } else if (report[1] == 2) {
        // The run is over before its outcome is shown: whoever reacts to the
        // outcome (the dialog closing, the worker's next pass) finds the
        // library idle.
        g_UpgradeIdle = true;
        g_RepairRunning = false;
        const bool succeeded = report[2] == 1;
        UpdateRegistry::FailInfo device;
        if (UpdateRegistry::ParseFailInfo(RepairFailInfo().join(QLatin1Char(',')), &device))
            UpdateRegistry::RecordFlashEnd(device, succeeded);
        hub->EmitAutoRepair(succeeded ? 0 : 1);
        // The button stays while any other device waits for its repair.
        hub->EmitUpDateButton(!UpdateRegistry::HasFailInfo());
    }
}

void UpDateRepair::SlotAutoRepairProgress(int index)
{
    ui->spinBox->setValue(index);
}

void UpDateRepair::SlotAutoRepair(int index)
{
    ui->ToolText->setText(index == 0 ? m_SuccessText : m_FailText);
    ui->spinBox->hide();
    ui->NewHong->setShortcut(QKeySequence(Qt::Key_Return));
    ui->NewHong->show();
}

void UpDateRepair::on_CloseButton_clicked()
{
    if (g_RepairRunning)
        return;
    close();
}

void UpDateRepair::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        on_CloseButton_clicked();
        return;
    }
    DialogSkeleton::keyPressEvent(event);
}

void UpDateRepair::on_NewHong_clicked()
{
    if (g_RepairRunning)
        return;
    close();
}

QString UpDateRepair::LanguageSection() const
{
    return QStringLiteral("AutoRepair");
}

LanguageLoader::KeyTable UpDateRepair::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("ToolText"), [this](const QString &text) { ui->ToolText->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { SetTextKeepShortcut(ui->NewHong, text); });
    keys.insert(QStringLiteral("UpdateNotMove"), [this](const QString &text) { m_FlashingText = text; });
    keys.insert(QStringLiteral("NoDevice"), [this](const QString &text) { m_NoDeviceText = text; });
    keys.insert(QStringLiteral("SameDevice"), [this](const QString &text) { m_SameDeviceText = text; });
    keys.insert(QStringLiteral("UpdateFail"), [this](const QString &text) { m_FailText = text; });
    keys.insert(QStringLiteral("UpdateSuccess"), [this](const QString &text) { m_SuccessText = text; });
    return keys;
}
