#pragma once
// Notice: there is no macro to bind yet.
// A one-message notice: every button only closes it.

#include "DialogSkeleton.h"

class Ui_MakeMacro;

class MakeMacro : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit MakeMacro(QWidget *parent = nullptr);
    ~MakeMacro() override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_MakeMacro *ui;
};
