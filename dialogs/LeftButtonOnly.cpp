#include "LeftButtonOnly.h"

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("LeftButtonOnly"), QStringLiteral("ButtonOnly"), QRect(0, 19, 301, 91),
                            QStringLiteral("Left button must be retained"));
    layout.dialogMinimum = QSize(300, 140);
    layout.dialogMaximum = QSize(300, 140);
    return layout;
}

} // namespace

LeftButtonOnly::LeftButtonOnly(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("ButtonOnly"), parent)
{
    FinishConstruction();
}

void LeftButtonOnly::on_CloseButton_clicked()
{
    close();
}
