#include "ExportFail.h"

#include "PostMsg.h"

#include <QLabel>

ExportFail::ExportFail(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("ExportFail"), QStringLiteral("ExportFailA"),
                                        QRect(0, 30, 301, 71), QStringLiteral("The configuration was not saved"),
                                        {MessageForm::NewHong()}),
                    QStringLiteral("InportFail"), parent)
{
    connect(PostMsg::GetInstance(), &PostMsg::SigChangeLanguage, this, &ExportFail::SlotLoadMessage);
    FinishConstruction();
    SlotLoadMessage(LanguageLoader::StoredIndex());
}

LanguageLoader::KeyTable ExportFail::LanguageKeys()
{
    // Only the button of the import notice's section: its texts are about
    // reading a file.
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    keys.remove(QStringLiteral("label"));
    return keys;
}

void ExportFail::SlotLoadMessage(int index)
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("ExportFail"), [this](const QString &text) { ui->label->setText(text); });
    LanguageLoader::Load(index, QStringLiteral("Buttoninterface"), keys, m_MessageReader);
}

void ExportFail::on_NewHong_clicked()
{
    close();
}

void ExportFail::on_CloseButton_clicked()
{
    close();
}
