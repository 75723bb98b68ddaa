#include "DeleteConfirm.h"

DeleteConfirm::DeleteConfirm(QWidget *parent)
    : MessageDialog(MessageForm::Notice(QStringLiteral("DeleteConfirm"), QStringLiteral("DeleteConfirmA"),
                                        QRect(5, 30, 291, 71), QStringLiteral("Confirm Delete"),
                                        {MessageForm::NewHong()}),
                    QStringLiteral("DeleteConfirm"), parent)
{
    FinishConstruction();
}

void DeleteConfirm::on_NewHong_clicked()
{
    m_Ok = true;
    close();
}

void DeleteConfirm::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}
