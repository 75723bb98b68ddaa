#include "YesNoDialog.h"

namespace {

MessageForm::Layout Layout(const QString &className, const QString &frameName, const QRect &labelGeometry,
                           const QString &labelText, int cancelX)
{
    return MessageForm::Notice(className, frameName, labelGeometry, labelText,
                               {{QStringLiteral("OK"), QRect(40, 110, 90, 24), QString::fromUtf8("确定")},
                                {QStringLiteral("Cancel"), QRect(cancelX, 110, 90, 24), QString::fromUtf8("取消")}});
}

} // namespace

YesNoDialog::YesNoDialog(const QString &className, const QString &frameName, const QRect &labelGeometry,
                         const QString &labelText, int cancelX, QWidget *parent)
    : MessageDialog(Layout(className, frameName, labelGeometry, labelText, cancelX), className, parent)
{
}

void YesNoDialog::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void YesNoDialog::on_OK_clicked()
{
    m_Ok = true;
    close();
}

void YesNoDialog::on_Cancel_clicked()
{
    m_Ok = false;
    close();
}
