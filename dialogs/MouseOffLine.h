#pragma once
// The notice that the mouse cannot be reached: offline (index 0) or no answer
// in time (index 1). It closes itself when the hub reports the device back.

#include "MessageDialog.h"

class MouseOffLine : public MessageDialog
{
    Q_OBJECT

public:
    explicit MouseOffLine(QWidget *parent = nullptr);

private slots:
    void on_NewHong_clicked();
    // Also the receiver of the hub's SigCloseOffOnline().
    void on_CloseButton_clicked();

private:
    LanguageLoader::KeyTable LanguageKeys() override;
};
