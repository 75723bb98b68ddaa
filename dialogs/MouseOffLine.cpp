#include "MouseOffLine.h"

#include "DialogsState.h"
#include "PostMsg.h"

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Button ok = MessageForm::NewHong(QPoint(100, 100));
    ok.text = QString::fromUtf8("确认");
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("MouseOffLine"), QStringLiteral("MouseOffLineA"), QRect(0, 20, 301, 71),
                            QStringLiteral("   The mouse is offline. Please move first"), {ok});
    layout.frameFixed = true;
    layout.closePosition = QPoint(275, 3);
    return layout;
}

MessageForm::Look Look()
{
    // This notice's background sheet ends with a blank, and its button
    // pictures are spelt with a capital F (both spellings are installed).
    MessageForm::Look look;
    look.backgroundEnding = QStringLiteral("); }");
    look.confirmImage = QStringLiteral("ConFirm.png");
    look.confirmPressedImage = QStringLiteral("ConFirmClick.png");
    return look;
}

} // namespace

MouseOffLine::MouseOffLine(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("MouseOffLine"), parent, Look())
{
    connect(PostMsg::GetInstance(), &PostMsg::SigCloseOffOnline, this, &MouseOffLine::on_CloseButton_clicked);
    FinishConstruction();
}

LanguageLoader::KeyTable MouseOffLine::LanguageKeys()
{
    // Both texts are read at every load; the index current at that moment
    // decides which of them reaches the label.
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    AddLabelChoice(keys, QStringLiteral("label"), &g_MouseOffLineIndex, 0);
    AddLabelChoice(keys, QStringLiteral("Timeout"), &g_MouseOffLineIndex, 1);
    return keys;
}

void MouseOffLine::on_NewHong_clicked()
{
    close();
}

void MouseOffLine::on_CloseButton_clicked()
{
    close();
}
