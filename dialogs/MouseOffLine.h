#pragma once
// The notice that the mouse cannot be reached: offline (index 0) or no answer
// in time (index 1). It closes itself when the hub reports the device back.

#include "DialogSkeleton.h"

// The index of the last offline report, written by the top-level window
// before it builds the notice: 0 selects the offline text, 1 the time-out text.
extern int g_MouseOffLineIndex;

class Ui_MouseOffLine;

class MouseOffLine : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit MouseOffLine(QWidget *parent = nullptr);
    ~MouseOffLine() override;

private slots:
    void on_NewHong_clicked();
    // Also the receiver of the hub's SigCloseOffOnline().
    void on_CloseButton_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_MouseOffLine *ui;
};
