#include "Match.h"
#include "MatchForm.h"

#include "ButtonText.h"
#include "DeviceDiscovery.h"
#include "EventWait.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "SettingsState.h"
#include "Skin.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {
std::atomic<int> s_PairTimeoutMs{Match::DefaultPairTimeoutMs};
int g_MatchDotCount = 0;
QString g_MatchButtonColor;
QString g_MatchPictureDir;
QTimer *g_MatchPairTimer = nullptr;
QTimer *g_MatchUsbTimer = nullptr;
QTimer *g_MatchTextTimer = nullptr;
} // namespace

void MatchResumeMainPage()
{
    if (g_MatchSuspendedMainPage.exchange(false))
        g_MainPageActive = 1;
}

void Match::SetPairTimeout(int ms)
{
    s_PairTimeoutMs = ms > 0 ? ms : DefaultPairTimeoutMs;
}

int Match::PairTimeout()
{
    return s_PairTimeoutMs;
}

Match::Match(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_Match)
{
    ui->setupUi(this);
    // Language hook, picture folder of the small dialogs and window flags.
    InitSkeleton();
    g_MatchPictureDir = UserPaths::pictureFolder() + "Setting/";
    setFixedSize(width(), height());
    setAttribute(Qt::WA_TranslucentBackground, true);
    Skin::MaskRoundedCorners(this, Skin::PairingCornerRadius);

    const QString labelRgb = Skin::Rgb(QStringLiteral("LabelColor"));
    g_MatchButtonColor = Skin::Rgb(QStringLiteral("ButtonColor"));
    const QString P = g_MatchPictureDir;
    ui->textEdit->setStyleSheet("QTextEdit{border:0px;background-color: transparent;color: rgb(" + labelRgb + ");}");
    ui->label->setStyleSheet("QLabel{color: rgb(" + labelRgb + ");}");
    SetButtonLook("Pair.png", g_MatchButtonColor);
    ui->toolButton_2->setStyleSheet("QToolButton{border:0px;color: rgb(255, 255, 255);background-image: url(" + P
                                    + "Picture.png);background-position:center;background-repeat:no-repeat;}");
    ui->CloseButton->setStyleSheet(
        Skin::ImageButtonSheet(P, "CloseSecondPage.png", "CloseSecondPageHover.png", "CloseSecondPageClick.png"));
    ui->MatchA->setStyleSheet("#MatchA{border:0px;background-image: url(" + P
                              + "BackSecondPage.png);background-position:center;background-repeat:no-repeat;}");
    ui->label->hide();

    m_ConstructionPath = g_CurrentDevice.get().Path;

    g_MatchUsbTimer = new QTimer(this);
    g_MatchPairTimer = new QTimer(this);
    g_MatchTextTimer = new QTimer(this);
    connect(g_MatchUsbTimer, &QTimer::timeout, this, &Match::onUSBTimeupDestroy);
    connect(g_MatchPairTimer, &QTimer::timeout, this, &Match::onPairTimeupDestroy);
    connect(g_MatchTextTimer, &QTimer::timeout, this, &Match::onTextTimeupDestroy);
    g_MatchPairTimer->setInterval(1000);
    g_MatchUsbTimer->setInterval(100);
    g_MatchTextTimer->setInterval(500);
    m_PairTimeout = new QTimer(this);
    m_PairTimeout->setSingleShot(true);
    connect(m_PairTimeout, &QTimer::timeout, this, [this] {
        if (g_MatchStarted)
            PairingLost();
    });

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, &PostMsg::SigTimerStop, this, &Match::SlotStopTimer);
    connect(hub, &PostMsg::SigButtonEnable, this, &Match::SlotButtonenable);
    // The window went back to the device list while the dialog was up (the
    // receiver vanished and the worker's hot-plug callback gave up the
    // device): there is no read pass left to give back.
    connect(hub, &PostMsg::SigMainPageChange, this, [] { g_MatchSuspendedMainPage = false; });
    connect(ui->CloseButton, &QToolButton::clicked, this, &Match::WindowClosedSet);

    LoadStoredLanguage();
}

Match::~Match()
{
    // However the dialog ended, the read pass it held back runs again.
    MatchResumeMainPage();
    // The timers go with the dialog; the process-wide pointers must not
    // outlive them.
    if (g_MatchPairTimer && g_MatchPairTimer->parent() == this)
        g_MatchPairTimer = nullptr;
    if (g_MatchUsbTimer && g_MatchUsbTimer->parent() == this)
        g_MatchUsbTimer = nullptr;
    if (g_MatchTextTimer && g_MatchTextTimer->parent() == this)
        g_MatchTextTimer = nullptr;
    delete ui;
}

void Match::SetButtonLook(const QString &picture, const QString &textRgb)
{
    ui->MatchButton->setStyleSheet("QPushButton{border:0px;background-image: url(" + g_MatchPictureDir + picture
                                   + ");background-position:center;background-repeat:no-repeat;color: rgb(" + textRgb
                                   + ");}");
}

void Match::InitMatch()
{
    ui->MatchButton->setShortcut(QKeySequence(0x20));
    g_MatchDotCount = 0;
    g_MatchStatus = 0;
    ui->MatchButton->setEnabled(true);
    SetButtonLook("Pair.png", g_MatchButtonColor);
    SetTextKeepShortcut(ui->MatchButton, m_ButtonText);

    DeviceAllInfo source;
    if (g_MainPageActive == 1) {
        source = g_CurrentDevice.get();
        source.Path = m_ConstructionPath;
    } else if (g_PairChosenDevice) {
        source = g_ChosenDevice;
    } else if (!g_PickerDeviceList.isEmpty()) {
        source = g_PickerDeviceList.first();
    }
    m_DevicePath = source.Path;
    m_Vid = source.VID;
    m_Pid = source.PID;
    m_Wired = source.Wired;
    m_Cid = static_cast<unsigned char>(ModelInfo::Cid() & 0xFF);

    if (g_MatchUsbTimer)
        g_MatchUsbTimer->start(100);
}

void Match::ReturnLinkToWorker()
{
    if (g_MainPageActive != 1)
        return;
    StartUsbChanged(Worker::UsbChangedCallBack, 600);
    if (!g_DevicePath.isPlaceholder()) {
        const std::string path = g_DevicePath.get();
        UsbServerC_Start(path.c_str(), path.c_str(), Worker::DeviceDataCallBack);
    }
}

void Match::on_MatchButton_clicked()
{
    if (g_MatchStatus == 2 || !m_PairAllowed)
        return;
    g_MatchStatus = 1;
    if (g_MatchTextTimer)
        g_MatchTextTimer->start();
    SetTextKeepShortcut(ui->MatchButton, m_WaitingText);
    SetButtonLook("Pair.png", g_MatchButtonColor);
    if (g_MainPageActive == 1) {
        g_MainPageActive = 0;
        g_MatchSuspendedMainPage = true;
    }
    g_MatchStarted = false;
    EnterPair();
}

void Match::RestartPair()
{
    if (g_MainPageActive == 1) {
        g_MainPageActive = 0;
        g_MatchSuspendedMainPage = true;
    }
    g_MatchStarted = false;
    EnterPair();
}

void Match::EnterPair()
{
    if (!g_MatchStarted) {
        qDebug() << "Enter";
        g_MatchStarted = true;
        if (g_MatchPairTimer)
            g_MatchPairTimer->start();
        m_PairTimeout->start(PairTimeout());
        const QByteArray path = m_DevicePath.toUtf8();
        UsbServerC_Start(path.constData(), path.constData(), &Match::PairCallBack);
    }
    UsbServer_EnterDonglePairOnlyCid(m_Cid);
}

void Match::PairCallBack(unsigned char *header, int headerLength, unsigned char *data, int dataLength)
{
    qDebug() << "in2";
    const int command = (header && headerLength > 1) ? header[1] : 0;
    qDebug() << command;
    if (command != 6 || !data || dataLength < 1)
        return;
    // Outcome: 1 still pairing, 2 failed, 3 paired.
    if (data[0] != 2 && data[0] != 3)
        return;
    const bool paired = data[0] == 3;
    PostMsg *hub = PostMsg::GetInstance();
    hub->EmitTimerStop();
    g_MatchStarted = false;
    qDebug() << (paired ? "success" : "fail");
    g_MatchStatus = paired ? 2 : 3;
    // The read pass runs again before the outcome shows: the dialog's slot
    // (queued to the GUI thread) may run before this thread goes on.
    MatchResumeMainPage();
    hub->EmitButtonEnable(paired ? 1 : 0);
}

void Match::onPairTimeupDestroy()
{
    UsbServer_ReadDonglePairStatus();
    const QByteArray vid = m_Vid.toLatin1();
    const QByteArray pid = m_Pid.toLatin1();
    int count = 5;
    char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId(vid.constData(), pid.constData(), &count);
    bool present = false;
    for (int i = 0; paths && i < count && i < 5; ++i) {
        if (paths[i] && QString::fromLatin1(paths[i]) == m_DevicePath)
            present = true;
    }
    if ((count == 0 || !present) && g_MatchStarted)
        PairingLost();
}

void Match::PairingLost()
{
    if (g_MatchPairTimer)
        g_MatchPairTimer->stop();
    if (g_MatchTextTimer)
        g_MatchTextTimer->stop();
    m_PairTimeout->stop();
    g_MatchStarted = false;
    g_MatchStatus = 3;
    SetTextKeepShortcut(ui->MatchButton, m_FailText);
    SetButtonLook("PairFail.png", g_MatchButtonColor);
    MatchResumeMainPage();
}

void Match::onUSBTimeupDestroy()
{
    if (!g_MatchStarted) {
        m_PairAllowed = !m_Wired;
        ui->label->setVisible(m_Wired);
        ui->textEdit->setVisible(!m_Wired);
    }
    ui->MatchButton->setEnabled(m_PairAllowed);
    if (!m_PairAllowed)
        SetButtonLook("Pair.png", "0,0,0");
}

void Match::onTextTimeupDestroy()
{
    static const char *const dots[] = {"", ".", "..", "..."};
    switch (g_MatchDotCount) {
    case 0:
        SetTextKeepShortcut(ui->MatchButton, m_WaitingText);
        g_MatchDotCount = 1;
        break;
    case 1:
    case 2:
    case 3:
        SetTextKeepShortcut(ui->MatchButton, m_WaitingText + dots[g_MatchDotCount]);
        ++g_MatchDotCount;
        break;
    default:
        SetTextKeepShortcut(ui->MatchButton, m_WaitingText);
        g_MatchDotCount = 1;
        break;
    }
}

void Match::SlotStopTimer()
{
    if (g_MatchPairTimer)
        g_MatchPairTimer->stop();
    if (g_MatchTextTimer)
        g_MatchTextTimer->stop();
    m_PairTimeout->stop();
}

void Match::SlotButtonenable(int index)
{
    if (index == 1) {
        SetTextKeepShortcut(ui->MatchButton, m_SuccessText);
        SetButtonLook("PairSuccess.png", g_MatchButtonColor);
        ui->MatchButton->setEnabled(false);
    } else if (index == 0) {
        SetTextKeepShortcut(ui->MatchButton, m_FailText);
        SetButtonLook("PairFail.png", g_MatchButtonColor);
    }
}

void Match::WindowClosedSet()
{
    if (g_MatchStarted)
        return;
    DeviceDiscovery::RestoreListWatch();
    if (g_MatchPairTimer)
        g_MatchPairTimer->stop();
    if (g_MatchUsbTimer)
        g_MatchUsbTimer->stop();
    if (g_MatchTextTimer)
        g_MatchTextTimer->stop();
    m_PairTimeout->stop();
    MatchResumeMainPage();
    close();
}

void Match::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        WindowClosedSet();
        return;
    }
    DialogSkeleton::keyPressEvent(event);
}

void Match::Delay(int ms)
{
    EventWait::For(ms);
}

void Match::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

QString Match::LanguageSection() const
{
    return QStringLiteral("Match");
}

LanguageLoader::KeyTable Match::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("textEdit"), [this](const QString &text) { ui->textEdit->setText(text); });
    keys.insert(QStringLiteral("MatchButton"), [this](const QString &text) {
        m_ButtonText = text;
        SetTextKeepShortcut(ui->MatchButton, text);
    });
    keys.insert(QStringLiteral("Matching"), [this](const QString &text) { m_WaitingText = text; });
    keys.insert(QStringLiteral("MatchFail"), [this](const QString &text) { m_FailText = text; });
    keys.insert(QStringLiteral("MatchSuccess"), [this](const QString &text) { m_SuccessText = text; });
    return keys;
}
