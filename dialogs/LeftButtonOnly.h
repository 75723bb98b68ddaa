#pragma once
// Notice: the left click must stay on one of the buttons.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class LeftButtonOnly : public MessageDialog
{
    Q_OBJECT

public:
    explicit LeftButtonOnly(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
};
