#include "SameMacro.h"

SameMacro::SameMacro(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("SameMacro"), QStringLiteral("SameMacroA"),
                                        QRect(0, 30, 301, 71), QStringLiteral("Already have a same name macro"),
                                        {MessageForm::NewHong()}),
                    QStringLiteral("SameMacro"), parent)
{
    FinishConstruction();
}

void SameMacro::on_CloseButton_clicked()
{
    close();
}

void SameMacro::on_NewHong_clicked()
{
    close();
}
