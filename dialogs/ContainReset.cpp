#include "ContainReset.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QKeySequence>
#include <QToolButton>

class Ui_ContainReset
{
public:
    QFrame *ContainResetA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *OK;
    QToolButton *Cancel;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("ContainReset"), QSize(300, 140));
        ContainResetA = SkeletonForm::Frame(dialog, QStringLiteral("ContainResetA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(ContainResetA, QPoint(275, 5));
        label = SkeletonForm::Label(ContainResetA, QStringLiteral("label"), QRect(10, 30, 281, 71));
        OK = SkeletonForm::AnswerButton(ContainResetA, QStringLiteral("OK"), QRect(40, 110, 90, 24));
        Cancel = SkeletonForm::AnswerButton(ContainResetA, QStringLiteral("Cancel"), QRect(170, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("ContainReset", " Is need to restore the default settings"));
        OK->setText(QString::fromUtf8("确定"));
        Cancel->setText(QString::fromUtf8("取消"));
    }
};

ContainReset::ContainReset(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_ContainReset)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString confirm = ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath);
    ui->OK->setStyleSheet(confirm);
    ui->Cancel->setStyleSheet(confirm);
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->ContainResetA->setStyleSheet(BackgroundSheet(QStringLiteral("ContainResetA"), m_PicturePath));

    LoadStoredLanguage();

    // Return (not the keypad's Enter) answers yes wherever the focus is.
    ui->OK->setShortcut(QKeySequence(Qt::Key_Return));
}

ContainReset::~ContainReset()
{
    delete ui;
}

void ContainReset::SetText(QString text)
{
    ui->label->setText(text);
}

QString ContainReset::LanguageSection() const
{
    return QStringLiteral("ContainReset");
}

LanguageLoader::KeyTable ContainReset::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("OK"), [this](const QString &text) { ui->OK->setText(text); });
    keys.insert(QStringLiteral("Cancel"), [this](const QString &text) { ui->Cancel->setText(text); });
    return keys;
}

void ContainReset::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void ContainReset::on_OK_clicked()
{
    m_Ok = true;
    close();
}

void ContainReset::on_Cancel_clicked()
{
    m_Ok = false;
    close();
}
