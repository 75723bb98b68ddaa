#pragma once
// Notice: a key combination holds at most three keys.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class GroupMaxThree : public MessageDialog
{
    Q_OBJECT

public:
    explicit GroupMaxThree(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
};
