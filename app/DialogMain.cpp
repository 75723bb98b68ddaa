#include "DialogMain.h"
#include "DialogMainForm.h"

#include "CrashHandler.h"
#include "DeviceDiscovery.h"
#include "DeviceListState.h"
#include "Dialog.h"
#include "DialogChange.h"
#include "DialogsState.h"
#include "EventWait.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "Macro.h"
#include "MacroIni.h"
#include "MacroState.h"
#include "Match.h"
#include "MouseOffLine.h"
#include "OfflineAction.h"
#include "OfflineActionWatch.h"
#include "PairingGate.h"
#include "PostMsg.h"
#include "RegistryStore.h"
#include "SettingsState.h"
#include "Skin.h"
#include "UserPaths.h"
#include "WindowSystem.h"
#include "Worker.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <cstdio>
#include <cstdlib>

int DialogMain::s_AssumedTray = -1;

void DialogMain::AssumeSystemTray(bool available)
{
    s_AssumedTray = available ? 1 : 0;
}

DialogMain::DialogMain(QWidget *parent)
    : QDialog(parent)
{
    ui = new Ui_DialogMain;
    ui->setupUi(this);

    // A crash while the main frame is still unbuilt leaves a report too.
    m_ExceptionDumper = new ExceptionDumper;
    m_ExceptionDumper->InstallExceptionFilter();

    connect(PostMsg::GetInstance(), &PostMsg::SigChangeLanguage, this, &DialogMain::SlotChangeLanguage);

    // A language index left in the registry (by an installer) is handed over
    // once; the pages read it from Macro.ini when they are built.
    const int handedOver = RegistryStore::value(RegistryStore::languageKey(), "LanguageIndex", 0).toInt();
    if (handedOver != 0) {
        MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(handedOver));
        MacroIni::GetInstance()->Sync();
    }
    RegistryStore::remove(RegistryStore::languageKey(), "LanguageIndex");

    m_PicturePath = UserPaths::pictureFolder() + "Dialog/";

    m_DeviceList = new DialogChange(this);
    ui->stackedWidgetMain->addWidget(m_DeviceList);
    ui->stackedWidgetMain->setCurrentWidget(m_DeviceList);
    // A click on a tile sends the selection to the worker, the settings page
    // and the button page through the hub before it switches to the main
    // frame. Built from a slot of one of those hub signals, the pages would
    // miss that very emission (a connection made while a signal is being
    // sent is not called for it), so the frame is built on the list's own
    // signal, which comes before any of them.
    connect(m_DeviceList, &DialogChange::TileClicked, this, &DialogMain::MainFramePage);

    setWindowFlags(Qt::WindowFlags(0x6800));
    setFixedSize(width(), height());

    connect(PostMsg::GetInstance(), &PostMsg::SigChangeMainDialog, this, &DialogMain::SlotChangeMainDialog);
    connect(PostMsg::GetInstance(), &PostMsg::SigChangeSize, this, &DialogMain::SlotChangeSize);
    m_OfflineActionWatch = new OfflineActionWatch(this);
    connect(PostMsg::GetInstance(), &PostMsg::SigMouseOffLineo, this, &DialogMain::SlotMouseOffLine);
    connect(PostMsg::GetInstance(), &PostMsg::SigUpPageLight, this, &DialogMain::SlotUpPageLight);

    Skin::ApplyToolTipLook();

    // Its picture is loaded at the first hide: most runs never use the tray.
    m_TrayIcon = new QSystemTrayIcon;
    m_TrayIcon->setToolTip(UserPaths::productName());

    SlotChangeLanguage(MacroIni::GetInstance()->GetValue("Language", "Language").toInt());
}

DialogMain::~DialogMain()
{
    delete m_DeviceList;
    delete m_MainFrame;
    delete m_TrayIcon; // made without a parent
    // The fatal-signal handler keeps no pointer to it: it stays installed.
    delete m_ExceptionDumper;
    delete ui;
}

Dialog *DialogMain::MainFramePage()
{
    if (!m_MainFrame) {
        m_MainFrame = new Dialog(this, Dialog::Build::InSteps);
        ui->stackedWidgetMain->addWidget(m_MainFrame);
    }
    // Whoever asks needs the pages now (their hub connections, the worker,
    // the settings page's texts): the steps still to come run at once.
    m_MainFrame->BuildRemainingSteps();
    return m_MainFrame;
}

void DialogMain::BuildMainFrameStep()
{
    // One part per turn of the event loop, each short enough not to hold up
    // a frame, so input and painting get through between them; then, while
    // the program is idle, what the frame's first show would do.
    if (!m_MainFrame) {
        m_MainFrame = new Dialog(this, Dialog::Build::InSteps);
        ui->stackedWidgetMain->addWidget(m_MainFrame);
    } else if (!m_MainFrame->IsComplete()) {
        m_MainFrame->BuildNextStep();
    } else if (m_MainFrame->PrepareNextStep()) {
        return;
    }
    m_BuildStepTimer->start();
}

void DialogMain::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_MainFrameBuildPosted)
        return;
    // Posted from the first paint, the build runs once the painted window has
    // been flushed: the device list is on screen first, and the frame is
    // ready long before a user can pick a mouse.
    m_MainFrameBuildPosted = true;
    m_BuildStepTimer = new QTimer(this);
    m_BuildStepTimer->setSingleShot(true);
    m_BuildStepTimer->setInterval(0);
    connect(m_BuildStepTimer, &QTimer::timeout, this, &DialogMain::BuildMainFrameStep);
    m_BuildStepTimer->start();
}

bool DialogMain::MainFrameBuilt() const
{
    return m_MainFrame && m_MainFrame->IsComplete();
}

bool DialogMain::MainFrameReady() const
{
    return m_MainFrame && m_MainFrame->IsPrepared();
}

int DialogMain::CurrentPage() const
{
    return ui->stackedWidgetMain->currentIndex();
}

void DialogMain::DelayMs(int ms)
{
    EventWait::For(ms);
}

void DialogMain::SlotChangeLanguage(int index)
{
    LanguageLoader::KeyTable keys;
    keys.insert("MainForm", [this](const QString &text) { m_MainFormText = text; });
    keys.insert("Exit", [this](const QString &text) { m_ExitText = text; });
    LanguageLoader::Load(index, "DialogMain", keys, m_Reader);
    // The menu is built once; it shows the texts of the latest load.
    if (m_ActionMain)
        m_ActionMain->setText(m_MainFormText);
    if (m_ActionExit)
        m_ActionExit->setText(m_ExitText);
}

void DialogMain::SlotChangeMainDialog(int index)
{
    g_UiReady = true;
    if (index == 1) {
        ui->stackedWidgetMain->setCurrentWidget(MainFramePage());
        StartUsbChanged(Worker::UsbChangedCallBack, 600);
    } else if (index == 0) {
        ui->stackedWidgetMain->setCurrentWidget(m_DeviceList);
        g_MainPageActive = 0;
        PostMsg::GetInstance()->EmitMainPageChange();
        UsbServer_Exit();
        PostMsg::GetInstance()->EmitCloseProgress();
        PostMsg::GetInstance()->EmitSecondPageChange();
        DeviceDiscovery::RestoreListWatch();
    }
}

void DialogMain::SlotChangeSize(int index)
{
    if (index == 0 || index == 1)
        UsbServer_SetPCDriverStatus(0);

    if (index == 0 || index == 2) {
        HideToTray();
    } else if (index == 1 || index == 3) {
        qDebug() << "close";
        StopUsbChanged();
        DelayMs(200);
        UsbServer_Exit();
        close();
    }
}

void DialogMain::HideToTray()
{
    const bool trayAvailable = s_AssumedTray < 0 ? QSystemTrayIcon::isSystemTrayAvailable() : s_AssumedTray == 1;
    if (!trayAvailable) {
        // Nowhere to put an icon: keep the window reachable from the task bar.
        m_MinimizedInsteadOfTray = true;
        showMinimized();
        return;
    }
    hide();
    if (!m_TrayMenu) {
        CreateTrayActions();
        CreateTrayMenu();
        m_TrayIcon->setContextMenu(m_TrayMenu);
        connect(m_TrayIcon, &QSystemTrayIcon::activated, this, &DialogMain::on_activatedSysTrayIcon);
    }
    if (m_TrayIcon->icon().isNull())
        m_TrayIcon->setIcon(QIcon(m_PicturePath + "Logo.png"));
    m_TrayIcon->setVisible(true);
}

void DialogMain::CreateTrayActions()
{
    m_ActionMain = new QAction(m_MainFormText, this);
    connect(m_ActionMain, &QAction::triggered, this, &DialogMain::slotActionMain);
    m_ActionExit = new QAction(m_ExitText, this);
    connect(m_ActionExit, &QAction::triggered, this, &DialogMain::slotActionExitApp);
}

void DialogMain::CreateTrayMenu()
{
    m_TrayMenu = new QMenu(this);
    m_TrayMenu->setStyleSheet(Skin::MenuSheet());
    m_TrayMenu->addAction(m_ActionMain);
    m_TrayMenu->addSeparator();
    m_TrayMenu->addAction(m_ActionExit);
}

void DialogMain::RestoreWindow(bool sendDriverStatus)
{
    show();
    if (sendDriverStatus && ui->stackedWidgetMain->currentIndex() == 1)
        UsbServer_SetPCDriverStatus(1);
    m_TrayIcon->hide();
}

void DialogMain::on_activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Context:
        // The icon opens its context menu (m_TrayMenu) itself. Running the
        // same menu modally here again would nest its event loop inside the
        // icon's mouse handler: choosing "Main window" hides the icon, which
        // deletes the very widget whose handler is still on the stack.
        break;
    case QSystemTrayIcon::DoubleClick:
        RestoreWindow(false);
        break;
    case QSystemTrayIcon::Trigger:
        RestoreWindow(true);
        break;
    default:
        break;
    }
}

void DialogMain::slotActionMain()
{
    RestoreWindow(true);
}

void DialogMain::slotActionExitApp()
{
    // Ends the process at once: no driver status, no cache file, no closing of
    // the connection. Settings already written are flushed; the other threads
    // are not wound down, so no static object is torn down under them either.
    MacroIni::GetInstance()->Sync();
    std::fflush(nullptr);
    std::_Exit(0);
}

void DialogMain::changeEvent(QEvent *event)
{
    // Activated (after the window manager has placed the window): make sure
    // Qt knows the real position, for the placements Qt makes itself.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        WindowSystem::SyncPosition(this);
    if (event->type() == QEvent::WindowStateChange && m_MinimizedInsteadOfTray
        && !(windowState() & Qt::WindowMinimized)) {
        // Back from the task bar: the same as a restore from the tray icon.
        m_MinimizedInsteadOfTray = false;
        if (ui->stackedWidgetMain->currentIndex() == 1)
            UsbServer_SetPCDriverStatus(1);
    }
    QDialog::changeEvent(event);
}

void DialogMain::PlaceCentred(QWidget *dialog, int dx, int dy) const
{
    // From where the window really is now, not from Qt's stored idea of it.
    const QPoint g = WindowSystem::RealGlobalOrigin(this);
    dialog->move(g.x() + (width() - dialog->width()) / 2 + dx, g.y() + (height() - dialog->height()) / 2 + dy);
}

void DialogMain::SlotMouseOffLine(int index)
{
    // What is left of an action that met the notice is refused quietly: one
    // notice per action.
    if (OfflineAction::Voided())
        return;
    g_MouseOffLineIndex = index;
    MouseOffLine notice;
    PlaceCentred(&notice, 0, -20);
    g_OfflinePending = true;
    g_ReReadRequest = true;
    notice.exec();
    // The mouse may be back by now (its return closes the notice): nothing
    // more of the action that met it may reach it.
    m_OfflineActionWatch->NoticeClosed();
}

void DialogMain::SlotUpPageLight()
{
}

void DialogMain::keyPressEvent(QKeyEvent *event)
{
    if (g_MacroRecording)
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F12:
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PostMsg::GetInstance()->EmitEnterKey();
        return;
    case Qt::Key_Space:
        PairingShortcut();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void DialogMain::RunPairing(bool useChosenDevice)
{
    Match match;
    g_PairChosenDevice = useChosenDevice;
    match.InitMatch();
    PlaceCentred(&match, 0, 0);
    match.exec();
    UsbServerC_Start(g_DevicePath.get().c_str(), g_DevicePath.get().c_str(), Worker::DeviceDataCallBack);
    // Closing the pairing dialog registered the device list's hot-plug
    // callback; with the main frame shown the worker's must watch again.
    if (ui->stackedWidgetMain->currentIndex() == 1)
        StartUsbChanged(Worker::UsbChangedCallBack, 600);
}

void DialogMain::PairingShortcut()
{
    // The pairing reads the settings page's texts and its data callback
    // hands records to the pages.
    MainFramePage();
    if (ui->stackedWidgetMain->currentIndex() != 0) {
        RunPairing(true);
        return;
    }

    const QList<DeviceAllInfo> devices = g_PickerDeviceList;
    if (devices.size() != 1 || devices.first().Wired)
        return;
    // The shortcut pairs without asking once the firmware fits.
    PairingGate::Run(devices.first(), this, g_MouseIsNewTipsText, false, [this] { RunPairing(false); });
}

void DialogMain::mousePressEvent(QMouseEvent *event)
{
    // The press itself tells where the window is: the pointer's global
    // position less its position in the window. Qt's stored position may
    // still be the one from before the window manager placed the window.
    m_PressGlobalPos = event->globalPos();
    m_PressWindowPos = event->globalPos() - event->pos();
    m_DragOffset = m_PressGlobalPos - m_PressWindowPos;
}

void DialogMain::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton && !isMaximized() && !m_DragOffset.isNull())
        move(event->globalPos() - m_DragOffset);
}

void DialogMain::mouseReleaseEvent(QMouseEvent *)
{
    m_DragOffset = QPoint(0, 0);
}
