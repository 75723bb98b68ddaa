#pragma once
// Notice: more than one identical device is connected.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class QuestiondialogB : public MessageDialog
{
    Q_OBJECT

public:
    explicit QuestiondialogB(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
};
