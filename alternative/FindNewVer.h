#pragma once
// Notice: new firmware was found, please update. A confirm and a close
// button (both only close it) and a "do not show again" box whose state
// nothing reads yet; the notice returns nothing. Language section "NewVer"
// ("label", "NewHong", "NoApear"), which the update warning shares for its
// button text.

#include "MessageDialog.h"

class QCheckBox;

class FindNewVer : public MessageDialog
{
    Q_OBJECT

public:
    explicit FindNewVer(QWidget *parent = nullptr);

protected:
    LanguageLoader::KeyTable LanguageKeys() override;

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();

private:
    QCheckBox *m_NoApear = nullptr;
};
