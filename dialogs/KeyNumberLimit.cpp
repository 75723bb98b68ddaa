#include "KeyNumberLimit.h"

KeyNumberLimit::KeyNumberLimit(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("KeyNumberLimit"), QStringLiteral("LimitA"),
                                        QRect(0, 30, 301, 71), QStringLiteral("Macro Key reached the Max limit"),
                                        {MessageForm::NewHong()}),
                    QStringLiteral("Limit"), parent)
{
    FinishConstruction();
}

void KeyNumberLimit::on_CloseButton_clicked()
{
    close();
}

void KeyNumberLimit::on_NewHong_clicked()
{
    close();
}
