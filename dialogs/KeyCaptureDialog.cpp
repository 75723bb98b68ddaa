#include "KeyCaptureDialog.h"

#include <QKeyEvent>

KeyCaptureDialog::KeyCaptureDialog(const MessageForm::Layout &layout, const QString &section,
                                   KeyboardHook::Instance instance, QWidget *parent)
    : MessageDialog(layout, section, parent)
{
    // No key event can arrive before the constructors have run: hook events
    // are delivered only while the GUI thread processes events.
    m_Hook = new KeyboardHook(instance);
    m_Hook->InstallHook();
    m_Hook->SetCallback([this](int keyCode, bool downOrUp, bool aotu) { UpdateCapslockTip(keyCode, downOrUp, aotu); },
                        this);
}

KeyCaptureDialog::~KeyCaptureDialog()
{
    // However the dialog ended (its buttons, or a close request of the window
    // system), the hook must not report to a dialog that is gone.
    m_Hook->UnInstallHook();
    m_Hook->ClearCallback(this);
    delete m_Hook;
}

void KeyCaptureDialog::StopCapture()
{
    m_Hook->UnInstallHook();
}

void KeyCaptureDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QDialog::keyPressEvent(event);
}

void KeyCaptureDialog::on_NewHong_2_clicked()
{
    Decline();
}

void KeyCaptureDialog::on_CloseButton_clicked()
{
    Decline();
}

void KeyCaptureDialog::Decline()
{
    m_Ok = false;
    StopCapture();
    reject(); // for a shown dialog the same as close(): exec() returns 0
}
