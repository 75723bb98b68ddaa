#pragma once
// Notice: a recorded macro reached its number of key events.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_KeyNumberLimit;

class KeyNumberLimit : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit KeyNumberLimit(QWidget *parent = nullptr);
    ~KeyNumberLimit() override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_KeyNumberLimit *ui;
};
