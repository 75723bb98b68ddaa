#include "MakeMacro.h"

MakeMacro::MakeMacro(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("MakeMacro"), QStringLiteral("MakeMacroA"),
                                        QRect(6, 29, 291, 71), QStringLiteral("Please create a macro first"),
                                        {MessageForm::NewHong()}),
                    QStringLiteral("MakeMacro"), parent)
{
    FinishConstruction();
}

void MakeMacro::on_CloseButton_clicked()
{
    close();
}

void MakeMacro::on_NewHong_clicked()
{
    close();
}
