#pragma once
// Single-key capture: every key pressed or released while the dialog is in
// front is seen through the dialog's own keyboard hook, whatever widget has
// the focus; the name of the last key event is the result.
// After exec(), take m_KeyName when exec() returned QDialog::Accepted and
// m_Ok is true.

#include "KeyCaptureDialog.h"

class QLineEdit;

class addKey : public KeyCaptureDialog
{
    Q_OBJECT

public:
    explicit addKey(QWidget *parent = nullptr);

    QString m_KeyName;

public slots:
    // Presses, auto-repeats and releases all count.
    void UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu) override;

private slots:
    void on_NewHong_clicked();

private:
    QLineEdit *m_LineEdit = nullptr; // "lineEdit": shows the name of the last key
};
