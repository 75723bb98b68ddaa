#pragma once
// Single-key capture: every key pressed or released while the dialog is in
// front is seen through the dialog's own keyboard hook, whatever widget has
// the focus; the name of the last key event is the result.
// After exec(), take m_KeyName when exec() returned QDialog::Accepted and
// m_Ok is true.

#include "DialogSkeleton.h"

class KeyboardHook;
class QKeyEvent;
class Ui_addKey;

class addKey : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit addKey(QWidget *parent = nullptr);
    ~addKey() override;

    bool m_Ok = false;
    QString m_KeyName;

public slots:
    // The hook's callback: presses, auto-repeats and releases all count.
    void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu);

protected:
    // Esc and F12 never close or act on the dialog.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();
    void on_CloseButton_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    KeyboardHook *m_Hook = nullptr;
    Ui_addKey *ui;
};
