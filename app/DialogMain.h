#pragma once
// The top-level window: a frameless, fixed-size dialog holding the device
// list (page 0) and the main frame (page 1). It moves the hot-plug watch with
// the pages, hides to the tray icon and comes back, closes the program, shows
// the offline notice, can be dragged, and answers Space, Return and Enter.
//
// The main frame is not on screen at start, so it is built after the window's
// first paint has reached the screen, one part per turn of the event loop,
// and then prepared for its first show while the program is idle; or
// finished at once by MainFramePage() wherever something needs its pages
// (their hub connections, the button page's worker, the settings page's
// texts) earlier: a tile's click, the Space key's pairing.

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>

#include "LanguageLoader.h"

class QAction;
class QMenu;
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QTimer;
class QPaintEvent;
class DialogChange;
class ExceptionDumper;
class OfflineActionWatch;
class Dialog;
class Ui_DialogMain;

class DialogMain : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMain(QWidget *parent = nullptr);
    ~DialogMain() override;

    // Processes events until ms milliseconds have passed.
    static void DelayMs(int ms);

    // The main frame, built now (whatever of it is still to be built) if it
    // has not been built yet. Every use of the main frame goes through here.
    Dialog *MainFramePage();
    // Every page built; MainFrameReady: prepared for its first show as well.
    bool MainFrameBuilt() const;
    bool MainFrameReady() const;
    // The frame's parts built so far, for tests (nullptr before the first).
    Dialog *MainFramePart() const { return m_MainFrame; }

    // Pages, tray and state, for tests.
    DialogChange *DeviceListPage() const { return m_DeviceList; }
    QSystemTrayIcon *TrayIcon() const { return m_TrayIcon; }
    QMenu *TrayMenu() const { return m_TrayMenu; }
    int CurrentPage() const;
    // Test runs have no system tray; this lets them take the tray path.
    static void AssumeSystemTray(bool available);

public slots:
    void SlotChangeLanguage(int index);
    void SlotChangeMainDialog(int index);
    void SlotChangeSize(int index);
    void SlotMouseOffLine(int index);
    void SlotUpPageLight();

    void on_activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason);
    void slotActionMain();
    void slotActionExitApp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void CreateTrayActions();
    void CreateTrayMenu();
    void HideToTray();
    void RestoreWindow(bool sendDriverStatus);
    void PairingShortcut();
    void RunPairing(bool useChosenDevice);
    void PlaceCentred(QWidget *dialog, int dx, int dy) const;
    void BuildMainFrameStep();

    QMenu *m_TrayMenu = nullptr;
    QSystemTrayIcon *m_TrayIcon = nullptr;
    QAction *m_ActionMain = nullptr;
    QAction *m_ActionExit = nullptr;
    Ui_DialogMain *ui = nullptr;
    QPoint m_DragOffset;
    QPoint m_PressGlobalPos;
    QPoint m_PressWindowPos;
    DialogChange *m_DeviceList = nullptr;
    QString m_PicturePath;
    Dialog *m_MainFrame = nullptr;
    OfflineActionWatch *m_OfflineActionWatch = nullptr;
    bool m_MainFrameBuildPosted = false;
    // Runs the frame's build steps. A timer, not a posted call: posted calls
    // made while posted events are handled run in the same pass, so the steps
    // would follow each other without the event loop turning in between.
    QTimer *m_BuildStepTimer = nullptr;
    ExceptionDumper *m_ExceptionDumper = nullptr;
    LanguageReaderPtr m_Reader;
    QString m_MainFormText;
    QString m_ExitText;
    // Without a system tray the window is minimised instead of hidden; its
    // return from the task bar then counts as a restore.
    bool m_MinimizedInsteadOfTray = false;
    static int s_AssumedTray; // -1: ask the desktop; 0 or 1: as told
};
