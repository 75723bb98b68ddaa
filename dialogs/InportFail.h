#pragma once
// One-button notice that an exported configuration file could not be
// imported; the text follows the result of reading the file.

#include "MessageDialog.h"

// The result of the last configuration-file read, written by the
// apply-and-wait dialog before it builds the notice: 1 the file cannot be
// opened or is not ours ("label"), 2 it belongs to another model ("label_1").
extern int g_InportResult;

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
