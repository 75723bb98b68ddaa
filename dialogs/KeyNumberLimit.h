#pragma once
// Notice: a recorded macro reached its key limit.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class KeyNumberLimit : public MessageDialog
{
    Q_OBJECT

public:
    explicit KeyNumberLimit(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
};
