#include "SameMacro.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_SameMacro
{
public:
    QFrame *SameMacroA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("SameMacro"), QSize(300, 140));
        SameMacroA = SkeletonForm::Frame(dialog, QStringLiteral("SameMacroA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(SameMacroA, QPoint(275, 5));
        label = SkeletonForm::Label(SameMacroA, QStringLiteral("label"), QRect(0, 30, 301, 71));
        NewHong = SkeletonForm::AnswerButton(SameMacroA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("SameMacro", "Already have a same name macro"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

SameMacro::SameMacro(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_SameMacro)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->SameMacroA->setStyleSheet(BackgroundSheet(QStringLiteral("SameMacroA"), m_PicturePath));

    LoadStoredLanguage();
}

SameMacro::~SameMacro()
{
    delete ui;
}

QString SameMacro::LanguageSection() const
{
    return QStringLiteral("SameMacro");
}

LanguageLoader::KeyTable SameMacro::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void SameMacro::on_CloseButton_clicked()
{
    close();
}

void SameMacro::on_NewHong_clicked()
{
    close();
}
