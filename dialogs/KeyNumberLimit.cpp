#include "KeyNumberLimit.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_KeyNumberLimit
{
public:
    QFrame *LimitA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("KeyNumberLimit"), QSize(300, 140));
        LimitA = SkeletonForm::Frame(dialog, QStringLiteral("LimitA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(LimitA, QPoint(275, 5));
        label = SkeletonForm::Label(LimitA, QStringLiteral("label"), QRect(0, 30, 301, 71));
        NewHong = SkeletonForm::AnswerButton(LimitA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("KeyNumberLimit", "Macro Key reached the Max limit"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

KeyNumberLimit::KeyNumberLimit(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_KeyNumberLimit)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->LimitA->setStyleSheet(BackgroundSheet(QStringLiteral("LimitA"), m_PicturePath));

    LoadStoredLanguage();
}

KeyNumberLimit::~KeyNumberLimit()
{
    delete ui;
}

QString KeyNumberLimit::LanguageSection() const
{
    return QStringLiteral("Limit");
}

LanguageLoader::KeyTable KeyNumberLimit::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void KeyNumberLimit::on_CloseButton_clicked()
{
    close();
}

void KeyNumberLimit::on_NewHong_clicked()
{
    close();
}
