#pragma once
// One-button notice with three texts from its language section: "label"
// (another instance of the utility runs; the default), "PleaseStop" and
// "label_2" (both used by the macro page).

#include "MessageDialog.h"

class ExeIsRun : public MessageDialog
{
    Q_OBJECT

public:
    explicit ExeIsRun(QWidget *parent = nullptr);

    // The label shows the "label_2" text of the last language load.
    void ShowSecondText();
    // The label shows the "PleaseStop" text of the last language load.
    void ShowPleaseStopText();
    // The label shows a text of the caller's own language section.
    void ShowText(const QString &text);

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();

private:
    LanguageLoader::KeyTable LanguageKeys() override;

    QString m_SecondText;
    QString m_PleaseStopText;
};
