#include "QuestiondialogB.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_QuestiondialogB
{
public:
    QFrame *QuestionB;
    QToolButton *CloseButton;
    QLabel *label;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("QuestiondialogB"), QSize(300, 140));
        QuestionB = SkeletonForm::Frame(dialog, QStringLiteral("QuestionB"), QRect(0, 0, 300, 130));
        QuestionB->setMinimumSize(QSize(300, 130));
        QuestionB->setMaximumSize(QSize(300, 130));
        CloseButton = SkeletonForm::CloseButton(QuestionB, QPoint(275, 5));
        label = SkeletonForm::Label(QuestionB, QStringLiteral("label"), QRect(0, 30, 301, 60));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("QuestiondialogB", "  Do not insert multiple identical devices"));
    }
};

QuestiondialogB::QuestiondialogB(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_QuestiondialogB)
{
    ui->setupUi(this);
    InitSkeleton();
    setFixedSize(width(), height());

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->QuestionB->setStyleSheet(BackgroundSheet(QStringLiteral("QuestionB"), m_PicturePath));

    LoadStoredLanguage();
}

QuestiondialogB::~QuestiondialogB()
{
    delete ui;
}

QString QuestiondialogB::LanguageSection() const
{
    return QStringLiteral("QuestionB");
}

LanguageLoader::KeyTable QuestiondialogB::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    return keys;
}

void QuestiondialogB::on_CloseButton_clicked()
{
    close();
}
