#pragma once
// Combination capture: up to three keys pressed within a capture window of
// 2000 ms (seen through the dialog's own keyboard hook) plus the modifiers
// Shift, Ctrl, Alt and Win ticked in check boxes. OK joins them with "+",
// modifiers first ("Shift+Ctrl+A"), and refuses more than three keys in all
// with the GroupMaxThree notice. Take m_KeyGroup after exec() when m_Ok is
// true (exec() returns 0 however the dialog ends).

#include "DialogSkeleton.h"

#include <QElapsedTimer>

class KeyboardHook;
class QKeyEvent;
class Ui_GroupKey;

class GroupKey : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit GroupKey(QWidget *parent = nullptr);
    ~GroupKey() override;

    static constexpr int CaptureWindowMs = 2000;

    // Moves the capture clock of every GroupKey forward, so tests can let the
    // capture window pass without waiting.
    static void AdvanceClockForTest(qint64 ms);

    bool m_Ok = false;
    QString m_KeyGroup;

public slots:
    // The hook's callback: only presses count.
    void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu);

protected:
    // Esc and F12 never close or act on the dialog.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();
    void on_CloseButton_clicked();
    void on_lineEdit_textEdited(const QString &text);

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    // Milliseconds since the capture clock was started or last restarted.
    qint64 CaptureElapsed() const;
    void RestartCapture();

    KeyboardHook *m_Hook = nullptr;
    int m_PlusCount = 0;
    int m_LastKey = -1;
    bool m_FirstKey = true;
    QElapsedTimer m_CaptureTimer;
    qint64 m_CaptureSkewAtStart = 0;
    Ui_GroupKey *ui;

    static qint64 s_ClockSkew;
};
