#pragma once
// Notice: a macro of that name exists already.
// A one-message notice: every button only closes it.

#include "MessageDialog.h"

class SameMacro : public MessageDialog
{
    Q_OBJECT

public:
    explicit SameMacro(QWidget *parent = nullptr);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
};
