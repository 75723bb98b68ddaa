#pragma once
// One-button notice that a configuration file could not be written (a folder
// that cannot be written, a full disk): the export leaves no file then.
//
// It is the import failure notice's twin: the same form, and its OK text is
// that notice's ("InportFail"/"NewHong"); the message itself belongs to the
// button page, which starts the export ("Buttoninterface"/"ExportFail").

#include "MessageDialog.h"

class ExportFail : public MessageDialog
{
    Q_OBJECT

public:
    explicit ExportFail(QWidget *parent = nullptr);

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();
    void SlotLoadMessage(int index);

private:
    LanguageLoader::KeyTable LanguageKeys() override;

    LanguageReaderPtr m_MessageReader;
};
