#include "GroupMaxThree.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_GroupMaxThree
{
public:
    QFrame *MaxThree;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("GroupMaxThree"), QSize(300, 140));
        MaxThree = SkeletonForm::Frame(dialog, QStringLiteral("MaxThree"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(MaxThree, QPoint(275, 5));
        label = SkeletonForm::Label(MaxThree, QStringLiteral("label"), QRect(0, 30, 301, 71));
        NewHong = SkeletonForm::AnswerButton(MaxThree, QStringLiteral("NewHong"), QRect(105, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("GroupMaxThree", "  Key can only have up to three buttons"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

GroupMaxThree::GroupMaxThree(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_GroupMaxThree)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->MaxThree->setStyleSheet(BackgroundSheet(QStringLiteral("MaxThree"), m_PicturePath));

    LoadStoredLanguage();
}

GroupMaxThree::~GroupMaxThree()
{
    delete ui;
}

QString GroupMaxThree::LanguageSection() const
{
    return QStringLiteral("MaxThree");
}

LanguageLoader::KeyTable GroupMaxThree::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void GroupMaxThree::on_CloseButton_clicked()
{
    close();
}

void GroupMaxThree::on_NewHong_clicked()
{
    close();
}
