#include "ContainReset.h"

#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

ContainReset::ContainReset(QWidget *parent)
    : YesNoDialog(QStringLiteral("ContainReset"), QStringLiteral("ContainResetA"), QRect(10, 30, 281, 71),
                  QStringLiteral(" Is need to restore the default settings"), 170, parent)
{
    FinishConstruction();
    // Return (not the keypad's Enter) answers yes wherever the focus is; the
    // language loads keep it (MessageDialog::LanguageKeys).
    ui->Answer(QStringLiteral("OK"))->setShortcut(QKeySequence(Qt::Key_Return));
}

void ContainReset::SetText(QString text)
{
    ui->label->setText(text);
}
