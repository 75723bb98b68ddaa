#pragma once
// Value entry for a macro delay in milliseconds (10..65535, opens at 10).
// m_Ok is true only after the confirm button, which also copies the value
// into m_Delay; read them after exec().

#include "MessageDialog.h"

class QSpinBox;

class AddDelayTime : public MessageDialog
{
    Q_OBJECT

public:
    explicit AddDelayTime(QWidget *parent = nullptr);

    bool m_Ok = false;
    int m_Delay = 0;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();

private:
    QSpinBox *m_SpinBox = nullptr; // "spinBox": the delay
};
