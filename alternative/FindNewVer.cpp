#include "FindNewVer.h"

#include "Skin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QToolButton>

namespace {

MessageForm::Layout Layout()
{
    MessageForm::Layout layout =
        MessageForm::Notice(QStringLiteral("FindNewVer"), QStringLiteral("SameMacroA"), QRect(0, 30, 301, 51),
                            QString::fromUtf8("发现新固件,请更新!"), {MessageForm::NewHong(QPoint(100, 90))});
    layout.frameFixed = true;
    return layout;
}

} // namespace

FindNewVer::FindNewVer(QWidget *parent)
    : MessageDialog(Layout(), QStringLiteral("NewVer"), parent)
{
    ui->CloseButton->setFocusPolicy(Qt::NoFocus);
    ui->Answer(QStringLiteral("NewHong"))->setFocusPolicy(Qt::NoFocus);

    m_NoApear = new QCheckBox(ui->frame);
    m_NoApear->setObjectName(QStringLiteral("NoApear"));
    m_NoApear->setGeometry(0, 120, 291, 18);
    m_NoApear->setFocusPolicy(Qt::NoFocus);
    m_NoApear->setText(QCoreApplication::translate("FindNewVer", "下次不再显示"));
    // Readable on the dark background, in the skin's label colour.
    m_NoApear->setStyleSheet(QStringLiteral("QCheckBox{color: rgb(") + Skin::Rgb(QStringLiteral("LabelColor"))
                             + QStringLiteral(";);}"));

    FinishConstruction();
}

LanguageLoader::KeyTable FindNewVer::LanguageKeys()
{
    LanguageLoader::KeyTable keys = MessageDialog::LanguageKeys();
    keys.insert(QStringLiteral("NoApear"), [this](const QString &text) { m_NoApear->setText(text); });
    return keys;
}

void FindNewVer::on_NewHong_clicked()
{
    close();
}

void FindNewVer::on_CloseButton_clicked()
{
    close();
}
