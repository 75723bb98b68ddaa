#pragma once
// Combination capture: up to three keys pressed within a capture window of
// 2000 ms (seen through the dialog's own keyboard hook) plus the modifiers
// Shift, Ctrl, Alt and Win ticked in check boxes. OK joins them with "+",
// modifiers first ("Shift+Ctrl+A"), and refuses more than three keys in all
// with the GroupMaxThree notice. Take m_KeyGroup after exec() when m_Ok is
// true (exec() returns 0 however the dialog ends).

#include "KeyCaptureDialog.h"

#include <QElapsedTimer>

class MyLineEdit;
class QCheckBox;

class GroupKey : public KeyCaptureDialog
{
    Q_OBJECT

public:
    explicit GroupKey(QWidget *parent = nullptr);

    static constexpr int CaptureWindowMs = 2000;

    // Moves the capture clock of every GroupKey forward, so tests can let the
    // capture window pass without waiting.
    static void AdvanceClockForTest(qint64 ms);

    QString m_KeyGroup;

public slots:
    // Only presses count.
    void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu) override;

private slots:
    void on_NewHong_clicked();
    void on_lineEdit_textEdited(const QString &text);

private:
    // Milliseconds since the capture clock was started or last restarted.
    qint64 CaptureElapsed() const;
    void RestartCapture();

    int m_PlusCount = 0;
    int m_LastKey = -1;
    bool m_FirstKey = true;
    QElapsedTimer m_CaptureTimer;
    qint64 m_CaptureSkewAtStart = 0;

    MyLineEdit *m_LineEdit = nullptr; // "lineEdit": the captured keys
    // The modifier boxes "Shift", "Ctrl", "Alt", "Win", in the order of the result.
    QCheckBox *m_ModifierBoxes[4] = {};

    static qint64 s_ClockSkew;
};
