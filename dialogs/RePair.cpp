#include "RePair.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_RePair
{
public:
    QFrame *RePairA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *OK;
    QToolButton *Cancel;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("RePair"), QSize(300, 140));
        RePairA = SkeletonForm::Frame(dialog, QStringLiteral("RePairA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(RePairA, QPoint(275, 5));
        label = SkeletonForm::Label(RePairA, QStringLiteral("label"), QRect(0, 30, 301, 71));
        OK = SkeletonForm::AnswerButton(RePairA, QStringLiteral("OK"), QRect(40, 110, 90, 24));
        Cancel = SkeletonForm::AnswerButton(RePairA, QStringLiteral("Cancel"), QRect(180, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("RePair", "        Do you need to pair again"));
        OK->setText(QString::fromUtf8("确定"));
        Cancel->setText(QString::fromUtf8("取消"));
    }
};

RePair::RePair(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_RePair)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString confirm = ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath);
    ui->OK->setStyleSheet(confirm);
    ui->Cancel->setStyleSheet(confirm);
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->RePairA->setStyleSheet(BackgroundSheet(QStringLiteral("RePairA"), m_PicturePath));

    LoadStoredLanguage();
}

RePair::~RePair()
{
    delete ui;
}

QString RePair::LanguageSection() const
{
    return QStringLiteral("RePair");
}

LanguageLoader::KeyTable RePair::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("OK"), [this](const QString &text) { ui->OK->setText(text); });
    keys.insert(QStringLiteral("Cancel"), [this](const QString &text) { ui->Cancel->setText(text); });
    return keys;
}

void RePair::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void RePair::on_OK_clicked()
{
    m_Ok = true;
    close();
}

void RePair::on_Cancel_clicked()
{
    m_Ok = false;
    close();
}
