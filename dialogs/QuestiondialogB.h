#pragma once
// Notice: more than one identical device is connected.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_QuestiondialogB;

class QuestiondialogB : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit QuestiondialogB(QWidget *parent = nullptr);
    ~QuestiondialogB() override;

private slots:
    void on_CloseButton_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_QuestiondialogB *ui;
};
