#pragma once
// Progress of a firmware flash started by the settings page: caption with the
// percentage, a bar, and a confirm button shown once the flash has ended.
// Driven through the hub: SigProgress reports, SigCloseProgress closes it on
// the switch to the device list. Its closing continues with the other update
// (SigContinue(0)) or, after a failure, returns to the device list
// (SigChangeMainDialog(0)).

#include "DialogSkeleton.h"

class Ui_Progress;

class Progress : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit Progress(QWidget *parent = nullptr);
    ~Progress() override;

public slots:
    void SlotCloseProgress();
    void SlotProgress(int schedue, int Discrib);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    QString CaptionText(int percent) const;
    void FinishAndLeave();
    void ResetCaption();

    Ui_Progress *ui;
    QString captionText;
    QString failText;
    QString successText;
    // The last end report was a failure.
    bool m_Failed = false;
};
