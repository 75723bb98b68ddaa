#pragma once
// Notice: there is no macro to bind yet.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class MakeMacro : public MessageDialog
{
    Q_OBJECT

public:
    explicit MakeMacro(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
};
