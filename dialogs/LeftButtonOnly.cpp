#include "LeftButtonOnly.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_LeftButtonOnly
{
public:
    QFrame *ButtonOnly;
    QToolButton *CloseButton;
    QLabel *label;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("LeftButtonOnly"), QSize(300, 140));
        dialog->setMinimumSize(QSize(300, 140));
        dialog->setMaximumSize(QSize(300, 140));
        ButtonOnly = SkeletonForm::Frame(dialog, QStringLiteral("ButtonOnly"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(ButtonOnly, QPoint(275, 5));
        label = SkeletonForm::Label(ButtonOnly, QStringLiteral("label"), QRect(0, 19, 301, 91));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("LeftButtonOnly", "Left button must be retained"));
    }
};

LeftButtonOnly::LeftButtonOnly(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_LeftButtonOnly)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->ButtonOnly->setStyleSheet(BackgroundSheet(QStringLiteral("ButtonOnly"), m_PicturePath));

    LoadStoredLanguage();
}

LeftButtonOnly::~LeftButtonOnly()
{
    delete ui;
}

QString LeftButtonOnly::LanguageSection() const
{
    return QStringLiteral("ButtonOnly");
}

LanguageLoader::KeyTable LeftButtonOnly::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    return keys;
}

void LeftButtonOnly::on_CloseButton_clicked()
{
    close();
}
