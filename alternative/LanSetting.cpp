#include "LanSetting.h"
#include "LanSettingForm.h"

#include "ConfigIni.h"
#include "DeviceDiscovery.h"
#include "EventWait.h"
#include "FirmwareImage.h"
#include "FormSetting.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "Match.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "UpdateRegistry.h"
#include "UpdateTargets.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

std::atomic<int> g_LanDongleState{0};
std::atomic<int> g_LanMouseState{0};
std::atomic<int> g_LanDongleClass{1};
std::atomic<int> g_LanUpdateCID{0};
std::atomic<int> g_LanUpdateMID{0};
std::atomic<int> g_LanUpdateKind{0};
QList<QByteArray> g_LanFirmwareImage;

namespace {

constexpr int KindMouse = FirmwareImage::KindMouse;
constexpr int KindReceiver = FirmwareImage::KindReceiver;

// The device the flash started last was for, as its failure is recorded.
UpdateRegistry::FailInfo FlashedDevice()
{
    return {g_LanUpdateKind, g_LanDongleClass, g_LanUpdateCID, g_LanUpdateMID};
}

} // namespace

LanSetting::LanSetting(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_LanSetting)
{
    ui->setupUi(this);

    // The progress bars lie over the update buttons and the warning line
    // holds a placeholder: both appear only while a check needs them.
    ui->progressBar->hide();
    ui->progressBar_2->hide();
    ui->toolButton_2->hide();
    ui->label_6->hide();

    // The close button wears the pairing dialog's 14 x 14 close pictures.
    const QString settingPictures = UserPaths::pictureFolder() + QStringLiteral("Setting/");
    ui->CloseButton->setStyleSheet(Skin::ImageButtonSheet(settingPictures, QStringLiteral("CloseSecondPage.png"),
                                                          QStringLiteral("CloseSecondPageHover.png"),
                                                          QStringLiteral("CloseSecondPageClick.png")));
    connect(ui->CloseButton, &QToolButton::clicked, this, &LanSetting::WindowClosedLan);

    const auto makeTimer = [this](const char *name, int interval, void (LanSetting::*slot)()) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, slot);
        return timer;
    };
    m_DongleCheckTimer = makeTimer("DongleCheckTimer", CheckIntervalMs, &LanSetting::onDongleCheckTimer);
    m_MouseCheckTimer = makeTimer("MouseCheckTimer", CheckIntervalMs, &LanSetting::onMouseCheckTimer);
    m_DongleTextTimer = makeTimer("DongleTextTimer", TextIntervalMs, &LanSetting::onTextTimeupDestroyA);
    m_MouseTextTimer = makeTimer("MouseTextTimer", TextIntervalMs, &LanSetting::onTextTimeupDestroyB);

    bool ok = false;
    m_Transition =
        ConfigIni::GetInstance()->GetValue(QStringLiteral("Option"), QStringLiteral("Transition")).toInt(&ok, 10);
    if (!ok)
        m_Transition = 0;

    // The texts follow the language like every window's (its own selector
    // changes it too), and a flash's new version reaches its labels as it
    // reaches the settings page's.
    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, &PostMsg::SigChangeLanguage, this, &LanSetting::SlotChangeLanguage);
    connect(hub, &PostMsg::SigLabelText, this, &LanSetting::SlotLabelText);

    // The stored language from the start: the update texts come only from
    // the language file. The selector lists two languages; for another one
    // it shows none rather than a wrong one.
    const int index = LanguageLoader::StoredIndex();
    ui->comboBox->setCurrentIndex(index < ui->comboBox->count() ? index : -1);
    SlotChangeLanguage(index);
}

LanSetting::~LanSetting()
{
    delete ui;
}

// ------------------------------------------------------------------ versions

void LanSetting::ShowVersion()
{
    const UpdateTargets::VersionTexts shown = UpdateTargets::ShownVersions();
    ui->label_2->setText(shown.Receiver);
    ui->label_5->setText(shown.Mouse);
}

void LanSetting::SlotLabelText(int index, QString text)
{
    if (index == 0) {
        ui->label_2->setText(text);
        g_CurrentDevice.update([&](DeviceAllInfo &device) { device.ReceiverVersion = text; });
    } else if (index == 1) {
        ui->label_5->setText(text);
        g_CurrentDevice.update([&](DeviceAllInfo &device) { device.MouseVersion = text; });
    }
}

void LanSetting::SlotProgress(int index, int value)
{
    QProgressBar *bar = index == 0 ? ui->progressBar_2 : ui->progressBar;
    QToolButton *button = index == 0 ? ui->Receive : ui->Mouse;
    bar->setValue(value);
    bar->repaint();
    button->hide();
    bar->show();
}

void LanSetting::SlotCloseUpdate()
{
}

// ------------------------------------------------------------ window, close

void LanSetting::WindowClosedLan()
{
    if (!m_Busy)
        close();
}

void LanSetting::reject()
{
    if (m_Busy)
        return;
    DialogSkeleton::reject();
}

void LanSetting::mousePressEvent(QMouseEvent *event)
{
    // Where the window is, from the press itself (Qt's stored position may
    // be stale under a window manager).
    m_PressGlobal = event->globalPos();
    m_PressWindowPos = event->globalPos() - event->pos();
    m_DragOffset = m_PressGlobal - m_PressWindowPos;
}

void LanSetting::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton && !isMaximized() && !m_DragOffset.isNull() && rect().contains(event->pos()))
        move(event->globalPos() - m_DragOffset);
}

void LanSetting::mouseReleaseEvent(QMouseEvent *)
{
    m_DragOffset = QPoint(0, 0);
}

void LanSetting::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange)
        return;
    const int index = ui->comboBox->currentIndex();
    ui->comboBox->blockSignals(true);
    ui->retranslateUi(this);
    ui->comboBox->setCurrentIndex(index);
    ui->comboBox->blockSignals(false);
}

// ------------------------------------------------------------ small actions

void LanSetting::on_pushButton_clicked()
{
    FormSetting::OpenWebLink(ui->pushButton->text());
}

void LanSetting::on_pushButton_2_clicked()
{
    Match match;
    match.InitMatch();
    // Centred over this dialog less (9, 1): its centre less (220, 120).
    DialogSkeleton::MoveOver(&match, this, 9, 1);
    if (!m_Busy)
        close();
    match.exec();
    Match::ReturnLinkToWorker();
}

void LanSetting::onAfterUpdateTimer()
{
}

// ------------------------------------------------------------------ language

void LanSetting::on_comboBox_activated(int index)
{
    FormSetting::PickLanguage(index);
}

void LanSetting::SlotLanguageSameB(int index)
{
    ui->comboBox->setCurrentIndex(index);
}

void LanSetting::SlotChangeLanguage(int index)
{
    if (LanguageLoader::Load(index, LanguageSection(), LanguageKeys(), m_Reader))
        ReadNetFile();
}

QString LanSetting::LanguageSection() const
{
    return QStringLiteral("Setting");
}

LanguageLoader::KeyTable LanSetting::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    const auto setText = [&keys](const char *child, auto *widget) {
        keys.insert(QString::fromLatin1(child), [widget](const QString &text) { widget->setText(text); });
    };
    setText("label", ui->label);
    setText("label_3", ui->label_3);
    setText("label_4", ui->label_4);
    setText("pushButton_2", ui->pushButton_2);
    setText("Receive", ui->Receive);
    setText("Mouse", ui->Mouse);
    const auto keep = [&keys](const char *child, QString *text) {
        keys.insert(QString::fromLatin1(child), [text](const QString &value) { *text = value; });
    };
    keep("UpdateNotMove", &m_UpdateNotMove);
    keep("WiredMode", &m_WiredMode);
    keep("NoDevice", &m_NoDevice);
    keep("SameDevice", &m_SameDevice);
    keep("VerLast", &m_VerLast);
    keep("UpDateSuccess", &m_UpDateSuccess);
    keep("UpDateFail", &m_UpDateFail);
    keep("UpDating", &m_UpDating);
    return keys;
}

void LanSetting::ReadNetFile()
{
    // The maker line and the web link of the stored language: its element
    // for English and Simplified Chinese, none for the others; "Web"
    // elements for all.
    const int index = LanguageLoader::StoredIndex();
    QStringList elements{QStringLiteral("Web")};
    if (index == 0)
        elements << QStringLiteral("English");
    else if (index == 1)
        elements << QStringLiteral("Chinese");
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("CompanyName"), [this](const QString &text) { ui->pushButton_3->setText(text); });
    keys.insert(QStringLiteral("CompanyWeb"), [this](const QString &text) { ui->pushButton->setText(text); });
    LanguageLoader::LoadFile(LanguageLoader::NetFilePath(), QStringLiteral("Profile"), elements, keys, m_Reader);
}

// ---------------------------------------------------------- text animation

void LanSetting::Animate(QProgressBar *bar)
{
    if (m_DotCount == 4)
        m_DotCount = 0;
    if (m_DotCount >= 0 && m_DotCount <= 3)
        bar->setFormat(m_UpDating + QString(m_DotCount, QLatin1Char('.')));
    ++m_DotCount;
}

void LanSetting::onTextTimeupDestroyA()
{
    Animate(ui->progressBar_2);
}

void LanSetting::onTextTimeupDestroyB()
{
    Animate(ui->progressBar);
}

void LanSetting::StartTextTimer(int index)
{
    (index == 0 ? m_DongleTextTimer : m_MouseTextTimer)->start();
}

// --------------------------------------------------------- starting a check

LanSetting::Row LanSetting::RowOf(int kind)
{
    if (kind == KindReceiver)
        return {g_LanDongleState,  m_DongleUpToDate,   m_DongleCheckRunning, ui->Receive,
                ui->progressBar_2, m_DongleCheckTimer, m_DongleTextTimer};
    return {g_LanMouseState, m_MouseUpToDate,   m_MouseCheckRunning, ui->Mouse,
            ui->progressBar, m_MouseCheckTimer, m_MouseTextTimer};
}

void LanSetting::StartCheck(int kind)
{
    m_DotCount = 0;
    if (const int receiverClass = UpdateTargets::CurrentReceiverClass())
        g_LanDongleClass = receiverClass;
    const Row row = RowOf(kind);
    const bool otherRunning = kind == KindReceiver ? m_MouseCheckRunning : m_DongleCheckRunning;
    if (g_LanDongleState == 1 || g_LanMouseState == 1 || row.upToDate || otherRunning)
        return;
    if (!m_Busy)
        DisableButtons();
    m_Step = 0;
    ui->toolButton_2->hide();
    ui->label_6->hide();
    g_UpgradeIdle = false;
    row.checkTimer->start();
    row.running = true;
}

void LanSetting::on_Receive_clicked()
{
    StartCheck(KindReceiver);
}

void LanSetting::on_Mouse_clicked()
{
    StartCheck(KindMouse);
}

void LanSetting::onDongleCheckTimer()
{
    CheckUpdate(m_Step, KindReceiver, ui->label_2->text());
}

void LanSetting::onMouseCheckTimer()
{
    CheckUpdate(m_Step, KindMouse, ui->label_5->text());
}

void LanSetting::DisableButtons()
{
    ui->pushButton_2->setEnabled(false);
    ui->pushButton->setEnabled(false);
    ui->comboBox->setEnabled(false);
    m_Busy = true;
}

void LanSetting::EnableButtons()
{
    m_DongleCheckTimer->stop();
    m_MouseCheckTimer->stop();
    m_DongleTextTimer->stop();
    m_MouseTextTimer->stop();
    m_Busy = false;
    ui->pushButton_2->setEnabled(true);
    ui->comboBox->setEnabled(true);
    ui->pushButton->setEnabled(true);
}

// -------------------------------------------------------------- the search

bool LanSetting::FindFirmware(int kind, QString version, QString modelName, int cid, int mid)
{
    g_LanFirmwareImage.clear();
    QByteArray chosen;
    const bool found = FirmwareImage::SearchImage(kind, version, modelName, cid, mid, &chosen);
    if (!chosen.isEmpty())
        g_LanFirmwareImage << chosen;
    return found;
}

QString LanSetting::KeyName(const QString &key) const
{
    const QString name = ModelInfo::OfIndex(g_CurrentDevice.get().ModelIndex).Text(key);
    // Models whose names were stored coded twice.
    return m_Transition == 1 ? ConfigIni::GetInstance()->DecodeBase64(name) : name;
}

int &LanSetting::BootCount(int receiverClass)
{
    return m_BootCounts[receiverClass == 4 ? 2 : receiverClass == 2 ? 1 : 0];
}

int LanSetting::BootTotal() const
{
    return m_BootCounts[0] + m_BootCounts[1] + m_BootCounts[2];
}

bool LanSetting::Search(int kind, const QString &version, const QString &key, int receiverClass)
{
    const bool found = FindFirmware(kind, version, KeyName(key), g_LanUpdateCID, g_LanUpdateMID);
    // Receivers in boot mode are counted for an image the search kept; with
    // none there is nothing to ask about, and the count stays 0.
    if (receiverClass != 0 && !g_LanFirmwareImage.isEmpty()) {
        int &count = BootCount(receiverClass);
        UsbUpgradeC_FindBootDevices(reinterpret_cast<const unsigned char *>(g_LanFirmwareImage.first().constData()),
                                    &count);
    }
    return found;
}

// ------------------------------------------------------------- step machine

void LanSetting::ShowWarning(const QString &text)
{
    ui->toolButton_2->show();
    ui->label_6->show();
    ui->label_6->setText(text);
}

void LanSetting::MarkUpToDate(int kind)
{
    const Row row = RowOf(kind);
    row.state = 4;
    Finished(kind);
    row.upToDate = true;
    m_Step = 4;
}

void LanSetting::CheckUpdate(int step, int kind, QString currentVersion)
{
    const bool receiver = kind == KindReceiver;
    const DeviceAllInfo current = g_CurrentDevice.get();
    const Row row = RowOf(kind);

    switch (step) {
    case 0: {
        g_LanUpdateCID = ModelInfo::Cid();
        g_LanUpdateMID = ModelInfo::OfIndex(current.ModelIndex).Mid();
        m_BootCounts[0] = m_BootCounts[1] = m_BootCounts[2] = 0;
        bool found = false;
        if (!receiver) {
            found = Search(kind, currentVersion, QStringLiteral("MM"));
        } else {
            m_DonglePaths.clear();
            if (current.Wired) {
                // A mouse on its cable: every receiver class may wait in boot
                // mode; the class-1 search decides.
                for (int receiverClass : {4, 2, 1}) {
                    const QString key = ModelInfo::ReceiverFirmwareKeyOf(receiverClass);
                    if (receiverClass != 1 && KeyName(key).isEmpty())
                        continue;
                    const bool kept = Search(kind, QString(), key, receiverClass);
                    if (receiverClass == 1)
                        found = kept;
                }
                for (const DeviceAllInfo &entry : g_DeviceList)
                    if (!entry.Wired)
                        m_DonglePaths << entry.Path;
            } else {
                const int dongleClass = g_LanDongleClass;
                const int receiverClass = dongleClass == 4 ? 4 : dongleClass == 1 ? 1 : 2;
                const QString key = ModelInfo::ReceiverFirmwareKeyOf(receiverClass);
                if (receiverClass == 1 || !KeyName(key).isEmpty())
                    found = Search(kind, QString(), key, receiverClass);
                for (const DeviceAllInfo &entry : g_DeviceList)
                    if (!entry.Wired && entry.Path == current.Path)
                        m_DonglePaths << entry.Path;
            }
        }
        if (found)
            m_Step = 1;
        else
            MarkUpToDate(kind);
        break;
    }
    case 1: {
        int total = 0;
        if (!receiver) {
            int booting = 0;
            if (!g_LanFirmwareImage.isEmpty())
                UsbUpgradeC_FindBootDevices(
                    reinterpret_cast<const unsigned char *>(g_LanFirmwareImage.first().constData()), &booting);
            total = booting;
            for (const DeviceAllInfo &entry : g_DeviceList)
                if (entry.Wired)
                    ++total;
        } else {
            total = m_DonglePaths.size() + BootTotal();
        }
        if (total != 1) {
            row.state = 0;
            Finished(kind);
            ShowWarning(total == 0 ? (receiver ? m_NoDevice : m_WiredMode) : m_SameDevice);
            m_Step = 4;
            break;
        }

        bool found = false;
        if (!receiver) {
            found = Search(kind, currentVersion, QStringLiteral("MM"));
        } else {
            // The first class, in the order 1, 2, 4, with exactly one
            // receiver waiting in boot mode.
            int bootClass = 0;
            for (int receiverClass : ModelInfo::ReceiverClasses()) {
                if (BootCount(receiverClass) == 1) {
                    bootClass = receiverClass;
                    break;
                }
            }
            const int dongleClass = g_LanDongleClass;
            if (bootClass != 0) {
                found = Search(kind, QString(), ModelInfo::ReceiverFirmwareKeyOf(bootClass));
            } else if (dongleClass == 4 || dongleClass == 2) {
                // The one device is a listed receiver: compared with the
                // version it reports of itself.
                found = Search(kind, UpdateTargets::ReceiverOwnVersion(m_DonglePaths.first()),
                               ModelInfo::ReceiverFirmwareKeyOf(dongleClass));
            } else {
                found = Search(kind, currentVersion, ModelInfo::ReceiverFirmwareKeyOf(1));
            }
        }
        if (!found) {
            MarkUpToDate(kind);
            break;
        }

        g_LanUpdateKind = kind;
        // Updating from before the start: an end report may come at once, and
        // one that found the state idle would be lost, the check waiting for
        // ever. The flash gets its own copy of the image until its end.
        row.state = 1;
        UsbUpgrade_Start(FirmwareImage::HoldForFlash(g_LanFirmwareImage.first()), &LanSetting::UpgradeCallBack, 10000);
        m_Step = 2;
        ShowWarning(m_UpdateNotMove);
        break;
    }
    case 2:
        // The state became 1 before the start; the callback may already have
        // ended it. The bar over the kind's button tells that it runs.
        SlotProgress(receiver ? 0 : 1, 0);
        StartTextTimer(receiver ? 0 : 1);
        m_Step = 3;
        break;
    case 3:
        if (row.state != 1)
            m_Step = 4;
        break;
    case 4:
        row.running = false;
        Finished(kind);
        EnableButtons();
        break;
    default:
        break;
    }
}

void LanSetting::Finished(int kind)
{
    const Row row = RowOf(kind);
    g_UpgradeIdle = true;
    const int state = row.state;
    if (state >= 1 && state <= 4) {
        ui->toolButton_2->hide();
        ui->label_6->hide();
        row.bar->hide();
        row.button->show();
    }
    switch (state) {
    case 4:
        row.button->setText(m_VerLast);
        break;
    case 2:
        UpdateRegistry::RemoveFailRecord(FlashedDevice());
        row.button->setText(m_UpDateSuccess);
        // The worker's next pass sees a change and reads the device again.
        g_LastOnline = !g_DeviceOnline;
        break;
    case 3:
        row.button->setText(m_UpDateFail);
        break;
    case 1:
        UpdateRegistry::RemoveFailRecord(FlashedDevice());
        row.button->setText(m_UpDateSuccess);
        break;
    default:
        break;
    }
    m_Step = 4;
}

void LanSetting::DongleUpdateFinished()
{
    Finished(KindReceiver);
}

void LanSetting::MouseUpdateFinished()
{
    Finished(KindMouse);
}

// ------------------------------------------------------ the library's reports

void LanSetting::UpgradeCallBack(unsigned char *report)
{
    // Progress is not shown: only the end report counts.
    if (!report || report[0] != 7 || report[1] != 2)
        return;
    PostMsg *hub = PostMsg::GetInstance();
    if (report[2] == 1) {
        // The version of the image this flash was given.
        const QString version = FirmwareImage::HeldVersionText();
        int updating = 1;
        if (g_LanDongleState.compare_exchange_strong(updating, 2))
            hub->EmitLabelText(0, version);
        updating = 1;
        if (g_LanMouseState.compare_exchange_strong(updating, 2))
            hub->EmitLabelText(1, version);
        UpdateRegistry::RecordFlashEnd(FlashedDevice(), true);
        return;
    }
    int updating = 1;
    g_LanDongleState.compare_exchange_strong(updating, 3);
    updating = 1;
    g_LanMouseState.compare_exchange_strong(updating, 3);
    UpdateRegistry::RecordFlashEnd(FlashedDevice(), false);
    hub->EmitCloseUpdate();
}

// ------------------------------------------------------------------ helpers

bool LanSetting::IsDongleUpdating()
{
    return g_LanDongleState == 1;
}

bool LanSetting::IsMouseUpdating()
{
    return g_LanMouseState == 1;
}

bool LanSetting::IsUpdating()
{
    return IsDongleUpdating() || IsMouseUpdating();
}

void LanSetting::Delay(int ms)
{
    EventWait::For(ms);
}
