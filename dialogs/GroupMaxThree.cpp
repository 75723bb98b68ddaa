#include "GroupMaxThree.h"

GroupMaxThree::GroupMaxThree(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("GroupMaxThree"), QStringLiteral("MaxThree"),
                                        QRect(0, 30, 301, 71),
                                        QStringLiteral("  Key can only have up to three buttons"),
                                        {MessageForm::NewHong(QPoint(105, 110))}),
                    QStringLiteral("MaxThree"), parent)
{
    FinishConstruction();
}

void GroupMaxThree::on_CloseButton_clicked()
{
    close();
}

void GroupMaxThree::on_NewHong_clicked()
{
    close();
}
