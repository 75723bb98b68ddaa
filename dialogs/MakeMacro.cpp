#include "MakeMacro.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_MakeMacro
{
public:
    QFrame *MakeMacroA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("MakeMacro"), QSize(300, 140));
        MakeMacroA = SkeletonForm::Frame(dialog, QStringLiteral("MakeMacroA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(MakeMacroA, QPoint(275, 5));
        label = SkeletonForm::Label(MakeMacroA, QStringLiteral("label"), QRect(6, 29, 291, 71));
        NewHong = SkeletonForm::AnswerButton(MakeMacroA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("MakeMacro", "Please create a macro first"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

MakeMacro::MakeMacro(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_MakeMacro)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->MakeMacroA->setStyleSheet(BackgroundSheet(QStringLiteral("MakeMacroA"), m_PicturePath));

    LoadStoredLanguage();
}

MakeMacro::~MakeMacro()
{
    delete ui;
}

QString MakeMacro::LanguageSection() const
{
    return QStringLiteral("MakeMacro");
}

LanguageLoader::KeyTable MakeMacro::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void MakeMacro::on_CloseButton_clicked()
{
    close();
}

void MakeMacro::on_NewHong_clicked()
{
    close();
}
