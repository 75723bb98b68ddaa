#include "ExeIsRun.h"

#include <QLabel>

namespace {

MessageForm::Layout Layout()
{
    // The frame and the default text are the delete confirmation's.
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("ExeIsRun"), QStringLiteral("DeleteConfirmA"), QRect(0, 30, 301, 71),
                            QStringLiteral("Confirm Delete"), {MessageForm::NewHong()});
    layout.dialogMinimum = QSize(298, 140);
    layout.dialogMaximum = QSize(300, 140);
    return layout;
}

} // namespace

ExeIsRun::ExeIsRun(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("EXEIsRun"), parent)
{
    FinishConstruction();
}

void ExeIsRun::ShowSecondText()
{
    ui->label->setText(m_SecondText);
}

void ExeIsRun::ShowPleaseStopText()
{
    ui->label->setText(m_PleaseStopText);
}

void ExeIsRun::ShowText(const QString &text)
{
    ui->label->setText(text);
}

LanguageLoader::KeyTable ExeIsRun::LanguageKeys()
{
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    keys.insert(QStringLiteral("label_2"), [this](const QString &text) { m_SecondText = text; });
    keys.insert(QStringLiteral("PleaseStop"), [this](const QString &text) { m_PleaseStopText = text; });
    return keys;
}

void ExeIsRun::on_NewHong_clicked()
{
    close();
}

void ExeIsRun::on_CloseButton_clicked()
{
    close();
}
