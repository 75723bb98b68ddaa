#pragma once
// What the two key-capture dialogs share: each sees every key pressed while
// it is in front through its own instance of the keyboard hook, from its
// construction until one of its buttons ends the capture (or the dialog goes
// away), and Esc and F12 neither close it nor act on it. m_Ok is true only
// after an OK that accepts; Cancel and the close button answer no.

#include "KeyboardHook.h"
#include "MessageDialog.h"

class QKeyEvent;

class KeyCaptureDialog : public MessageDialog
{
    Q_OBJECT

public:
    ~KeyCaptureDialog() override;

    // The hook's callback: (virtual-key code, key down, auto-repeat).
    virtual void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu) = 0;

    bool m_Ok = false;

protected:
    // Builds the form and installs the dialog's hook instance, bound to
    // UpdateCapslockTip. The derived constructor ends with FinishConstruction().
    KeyCaptureDialog(const MessageForm::Layout &layout, const QString &section, KeyboardHook::Instance instance,
                     QWidget *parent);

    // Releases the hook; the dialog sees no further keys.
    void StopCapture();

    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_NewHong_2_clicked();
    void on_CloseButton_clicked();

private:
    void Decline();

    KeyboardHook *m_Hook = nullptr;
};
