#include "DeleteConfirm.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_DeleteConfirm
{
public:
    QFrame *DeleteConfirmA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("DeleteConfirm"), QSize(300, 140));
        DeleteConfirmA = SkeletonForm::Frame(dialog, QStringLiteral("DeleteConfirmA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(DeleteConfirmA, QPoint(275, 5));
        label = SkeletonForm::Label(DeleteConfirmA, QStringLiteral("label"), QRect(5, 30, 291, 71));
        NewHong = SkeletonForm::AnswerButton(DeleteConfirmA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("DeleteConfirm", "Confirm Delete"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

DeleteConfirm::DeleteConfirm(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_DeleteConfirm)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString confirm = ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath);
    ui->NewHong->setStyleSheet(confirm);
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->DeleteConfirmA->setStyleSheet(BackgroundSheet(QStringLiteral("DeleteConfirmA"), m_PicturePath));

    LoadStoredLanguage();
}

DeleteConfirm::~DeleteConfirm()
{
    delete ui;
}

QString DeleteConfirm::LanguageSection() const
{
    return QStringLiteral("DeleteConfirm");
}

LanguageLoader::KeyTable DeleteConfirm::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
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
