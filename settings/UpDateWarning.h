#pragma once
// One-message notice of the firmware update: the opener sets the message with
// SetText (the label never takes its text from the language file), then shows
// it; the confirm button, Return and the close button close it.

#include "DialogSkeleton.h"

class Ui_UpDateWarning;

class UpDateWarning : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit UpDateWarning(QWidget *parent = nullptr);
    ~UpDateWarning() override;

    void SetText(QString text);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_UpDateWarning *ui;
};
