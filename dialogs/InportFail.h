#pragma once
// One-button notice that an exported configuration file could not be
// imported; the text follows the result of reading the file.

#include "MessageDialog.h"

class InportFail : public MessageDialog
{
    Q_OBJECT

public:
    explicit InportFail(QWidget *parent = nullptr);

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();

private:
    LanguageLoader::KeyTable LanguageKeys() override;
};
