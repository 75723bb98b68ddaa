#pragma once
// Value entry for a fire key: the interval (10..255, default 10) and the
// count (0..3, default 3; 0 keeps firing while the button is held).
// m_Ok is true only after the confirm button, which also copies the two
// values into m_Time and m_Count; read them after exec().

#include "DialogSkeleton.h"

class Ui_FireKey;

class FireKey : public DialogSkeleton
{
    Q_OBJECT

public:
    explicit FireKey(QWidget *parent = nullptr);
    ~FireKey() override;

    // Preset the spin boxes (each keeps the value within its range).
    void SetTime(int value);
    void SetCount(int value);

    bool m_Ok = false;
    int m_Time = 10;
    int m_Count = 3;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_2_clicked();
    void on_NewHong_clicked();

private:
    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_FireKey *ui;
};
