#include "AddDelayTime.h"

#include "EntryForm.h"
#include "Skin.h"

#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace {

MessageForm::Layout Layout()
{
    return EntryForm::Layout(QStringLiteral("AddDelayTime"), QStringLiteral("AddDelayTimeA"), QRect(30, 25, 241, 41),
                             QStringLiteral("Please enter the delay time"), 40, 160, QString::fromUtf8("确定"));
}

} // namespace

AddDelayTime::AddDelayTime(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("AddDelayTime"), parent)
{
    m_SpinBox = EntryForm::AddEntry<QSpinBox>(ui, QStringLiteral("spinBox"), QRect(30, 70, 231, 20));
    m_SpinBox->setFont(QFont(QStringLiteral("Arial"), 14));
    m_SpinBox->setAlignment(Qt::AlignCenter);
    m_SpinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_SpinBox->setRange(10, 65535);
    m_SpinBox->setValue(10);
    m_SpinBox->setStyleSheet(SpinBoxSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));

    m_SpinBox->setFocus(Qt::ActiveWindowFocusReason);
    FinishConstruction();
}

void AddDelayTime::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void AddDelayTime::on_NewHong_clicked()
{
    m_Ok = true;
    m_Delay = m_SpinBox->value();
    close();
}

void AddDelayTime::on_NewHong_2_clicked()
{
    m_Ok = false;
    close();
}
