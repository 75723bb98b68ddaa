#pragma once
// Asks whether the mouse is to be paired again.
// m_Ok is true only after the confirm button; read it after exec().

#include "DialogSkeleton.h"

class Ui_RePair;

class RePair : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit RePair(QWidget *parent = nullptr);
    ~RePair() override;

    bool m_Ok = false;

private slots:
    void on_CloseButton_clicked();
    void on_OK_clicked();
    void on_Cancel_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_RePair *ui;
};
