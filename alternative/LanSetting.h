#pragma once
// The older settings dialog: an earlier, smaller form of the settings page
// with the language selector, the receiver and mouse firmware versions with
// an update button each, pairing, the maker line and the web link. Its only
// opener is the main frame's settings button, which the main frame hides.
//
// The opener builds it on its stack with no parent, calls ShowVersion(),
// places it and runs exec(). It is built on the dialog skeleton for the
// language walk and the placement, but keeps the window system's frame (it
// sets no window flags); its own close button and drag work as well.
//
// Its update buttons run a step machine of their own, one step a second:
//   0  search the "bin" folder for the kind's image (the receiver by class,
//      counting receivers that wait in boot mode for each class);
//   1  test that exactly one device can take it, search again, start the
//      flash (the state is "updating" before the library is asked);
//   2  the flash runs: the kind's text timer animates its bar;
//   3  wait until the library's callback ended the flash;
//   4  end of the check: the buttons work again.
// The callback runs on the library's thread; it touches no widget, writes the
// states and the registry's failure record and reports through the hub.
//
// Rules it shares with the settings page live once: the image search and
// the flashed image (FirmwareImage), the update targets and version texts
// (UpdateTargets), the failure record (UpdateRegistry), the web link
// (FormSetting::OpenWebLink) and the hand-back after pairing (Match).

#include "DialogSkeleton.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <atomic>

class QEvent;
class QMouseEvent;
class QProgressBar;
class QTimer;
class QToolButton;
class Ui_LanSetting;

// States of the receiver and the mouse update: 0 idle, 1 updating, 2 done,
// 3 failed, 4 up to date. They outlive the dialog.
extern std::atomic<int> g_LanDongleState;
extern std::atomic<int> g_LanMouseState;
// Receiver class (1, 2, 4) of the last update button press; 1 at start.
extern std::atomic<int> g_LanDongleClass;
// CID and MID of the running check and the kind of the flash started last
// (0xD2 mouse, 0xD3 receiver): the failure record's fields.
extern std::atomic<int> g_LanUpdateCID;
extern std::atomic<int> g_LanUpdateMID;
extern std::atomic<int> g_LanUpdateKind;
// The image the last LanSetting::FindFirmware chose (at most one entry).
// GUI thread only: the flash is given its own held copy.
extern QList<QByteArray> g_LanFirmwareImage;

class LanSetting : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit LanSetting(QWidget *parent = nullptr);
    ~LanSetting() override;

    void ShowVersion();

    // One step of the machine; the check timers call it once a second.
    void CheckUpdate(int step, int kind, QString currentVersion);
    // The settings page's image search, keeping its choice in
    // g_LanFirmwareImage instead of the page's.
    static bool FindFirmware(int kind, QString version, QString modelName, int cid, int mid);
    static void UpgradeCallBack(unsigned char *report);
    void DongleUpdateFinished();
    void MouseUpdateFinished();
    void DisableButtons();
    void EnableButtons();
    // Part of the class, called by nothing.
    static bool IsDongleUpdating();
    static bool IsMouseUpdating();
    static bool IsUpdating();
    static void Delay(int ms);
    void StartTextTimer(int index);

    // Period of the check timers (one step each) and of the text timers.
    static constexpr int CheckIntervalMs = 1000;
    static constexpr int TextIntervalMs = 500;

public slots:
    void WindowClosedLan();
    void SlotLabelText(int index, QString text);
    void SlotProgress(int index, int value);
    void SlotCloseUpdate();

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void onAfterUpdateTimer();
    void onDongleCheckTimer();
    void onMouseCheckTimer();
    void on_Receive_clicked();
    void on_Mouse_clicked();
    void onTextTimeupDestroyA();
    void onTextTimeupDestroyB();
    void on_comboBox_activated(int index);
    void SlotLanguageSameB(int index);
    void SlotChangeLanguage(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Escape and the window manager's close end here: refused while a check
    // runs, which must reach its end to give the worker its probing back.
    void reject() override;

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;
    void ReadNetFile();

    // What differs between the receiver and the mouse.
    struct Row
    {
        std::atomic<int> &state;
        bool &upToDate;
        bool &running;
        QToolButton *button;
        QProgressBar *bar;
        QTimer *checkTimer;
        QTimer *textTimer;
    };
    Row RowOf(int kind);
    void StartCheck(int kind);
    void Finished(int kind);
    void MarkUpToDate(int kind);
    void ShowWarning(const QString &text);
    // A search of step 0 with the model key's name, counting the receivers in
    // boot mode for that image when receiverClass is not 0.
    bool Search(int kind, const QString &version, const QString &key, int receiverClass = 0);
    QString KeyName(const QString &key) const;
    int &BootCount(int receiverClass);
    int BootTotal() const;
    void Animate(QProgressBar *bar);

    Ui_LanSetting *ui;
    QPoint m_DragOffset;
    QPoint m_PressGlobal;
    QPoint m_PressWindowPos;
    bool m_DongleUpToDate = false;
    bool m_MouseUpToDate = false;
    bool m_MouseCheckRunning = false;
    bool m_DongleCheckRunning = false;
    int m_Step = 0;
    bool m_Busy = false;
    QStringList m_DonglePaths;
    QTimer *m_DongleCheckTimer = nullptr;
    QTimer *m_MouseCheckTimer = nullptr;
    QTimer *m_DongleTextTimer = nullptr;
    QTimer *m_MouseTextTimer = nullptr;
    int m_DotCount = 0;
    // Receivers in boot mode found for the class-1, class-2 and class-4 image.
    int m_BootCounts[3] = {0, 0, 0};
    QString m_UpdateNotMove;
    QString m_WiredMode;
    QString m_NoDevice;
    QString m_SameDevice;
    QString m_VerLast;
    QString m_UpDateSuccess;
    QString m_UpDateFail;
    QString m_UpDating;
    int m_Transition = 0;
};
