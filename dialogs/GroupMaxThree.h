#pragma once
// Notice: a key combination holds at most three keys.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_GroupMaxThree;

class GroupMaxThree : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit GroupMaxThree(QWidget *parent = nullptr);
    ~GroupMaxThree() override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_GroupMaxThree *ui;
};
