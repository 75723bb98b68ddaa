#pragma once
// Notice: the left click must stay on one of the buttons.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_LeftButtonOnly;

class LeftButtonOnly : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit LeftButtonOnly(QWidget *parent = nullptr);
    ~LeftButtonOnly() override;

private slots:
    void on_CloseButton_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_LeftButtonOnly *ui;
};
