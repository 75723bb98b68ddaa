#pragma once
// The pairing dialog: asks the receiver to pair with a mouse of the models'
// CID, polls the pairing status once a second, watches that the receiver
// stays plugged in and shows the outcome on its one action button. A mouse on
// its cable cannot be paired.
//
// Every opener builds it on its stack, calls InitMatch(), places it and runs
// exec(). Closing it registers the device list's hot-plug callback again.
// The pairing callback runs on a library thread; it only sets the flags below
// and reaches the dialog through the hub.
//
// A pairing that started from the main frame holds the worker's read pass
// back (g_MainPageActive 0) until its outcome. Every way a pairing can end
// gives it back: the outcome report, the receiver's loss, the time-out of a
// receiver that never answers, and the dialog's end; none does once the
// window has gone back to the device list meanwhile.

#include "DialogSkeleton.h"

#include <QString>

#include <atomic>

class QEvent;
class QKeyEvent;
class QTimer;
class Ui_Match;

class Match : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit Match(QWidget *parent = nullptr);
    ~Match() override;

    void InitMatch();
    // After the dialog has ended in the main frame: its close registered the
    // device list's hot-plug callback and the pairing connection sends its
    // reports to the pairing callback; both go back to the worker. Nothing
    // happens when the window went back to the device list meanwhile (the
    // receiver vanished), which keeps its own. Every opener in the main
    // frame calls it after exec().
    static void ReturnLinkToWorker();
    void EnterPair();
    static void PairCallBack(unsigned char *header, int headerLength, unsigned char *data, int dataLength);

    // A receiver that never answers the status request would hold the dialog
    // (whose close is refused while a pairing runs) for ever: after this long
    // without an outcome the pairing ends as if the receiver had gone.
    static constexpr int DefaultPairTimeoutMs = 60000;
    static void SetPairTimeout(int ms); // tests shorten it
    static int PairTimeout();

    // Part of the class, called by nothing.
    void Delay(int ms);
    void RestartPair();

public slots:
    void WindowClosedSet();

private slots:
    void on_MatchButton_clicked();
    void onPairTimeupDestroy();
    void onUSBTimeupDestroy();
    void onTextTimeupDestroy();
    void SlotStopTimer();
    void SlotButtonenable(int index);

protected:
    void changeEvent(QEvent *event) override;
    // Escape is the close button: refused while a pairing runs, and the
    // device list's hot-plug callback is registered again.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    void SetButtonLook(const QString &picture, const QString &textRgb);
    // The receiver is gone or never answered: failure look, timers stopped,
    // the read pass given back.
    void PairingLost();

    QTimer *m_PairTimeout = nullptr;

    Ui_Match *ui;
    bool m_PairAllowed = false;
    QString m_ConstructionPath;
    unsigned char m_Cid = 0;
    QString m_DevicePath;
    QString m_Vid;
    QString m_Pid;
    bool m_Wired = false;
    QString m_ButtonText;
    QString m_WaitingText;
    QString m_FailText;
    QString m_SuccessText;
};

// Gives g_MainPageActive back when this pairing took it (any thread).
void MatchResumeMainPage();
