#pragma once
// Notice: a macro of that name already exists.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_SameMacro;

class SameMacro : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit SameMacro(QWidget *parent = nullptr);
    ~SameMacro() override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_SameMacro *ui;
};
