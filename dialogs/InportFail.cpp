#include "InportFail.h"
#include "DialogsState.h"

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("InportFail"), QStringLiteral("InportFailA"), QRect(0, 30, 301, 71),
                            QStringLiteral("Config does not match the device"), {MessageForm::NewHong()});
    layout.frameFixed = true;
    return layout;
}

} // namespace

InportFail::InportFail(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("InportFail"), parent)
{
    FinishConstruction();
}

LanguageLoader::KeyTable InportFail::LanguageKeys()
{
    // Both texts are read at every load; the current result decides which one
    // reaches the label.
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    AddLabelChoice(keys, QStringLiteral("label"), &g_InportResult, 1);
    AddLabelChoice(keys, QStringLiteral("label_1"), &g_InportResult, 2);
    return keys;
}

void InportFail::on_NewHong_clicked()
{
    close();
}

void InportFail::on_CloseButton_clicked()
{
    close();
}
