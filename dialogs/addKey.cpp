#include "addKey.h"

#include "EntryForm.h"
#include "KeyVocabulary.h"
#include "Skin.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

MessageForm::Layout Layout()
{
    return EntryForm::Layout(QStringLiteral("addKey"), QStringLiteral("addKeyA"), QRect(30, 25, 241, 41),
                             QStringLiteral("Please enter a button"), 40, 160, QString::fromUtf8("确定"));
}

} // namespace

addKey::addKey(QWidget *parent)
    : KeyCaptureDialog(Layout(), QStringLiteral("AddKey"), KeyboardHook::AddKeyInstance, parent)
{
    m_LineEdit = EntryForm::AddEntry<QLineEdit>(ui, QStringLiteral("lineEdit"), QRect(30, 70, 231, 20));
    m_LineEdit->setFont(Skin::Font(12));
    m_LineEdit->setAlignment(Qt::AlignCenter);
    m_LineEdit->setMaxLength(50);
    m_LineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));

    m_LineEdit->setFocus(Qt::ActiveWindowFocusReason);
    FinishConstruction();
}

void addKey::UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu)
{
    Q_UNUSED(downOrUp)
    Q_UNUSED(aotu)
    const QString name = AddKeyVirtualKeyName(keyCode);
    m_LineEdit->setText(name);
    m_KeyName = name;
}

void addKey::on_NewHong_clicked()
{
    m_Ok = true;
    StopCapture();
    accept();
}
