#include "ExeIsRun.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

class Ui_ExeIsRun
{
public:
    QFrame *DeleteConfirmA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("ExeIsRun"), QSize(300, 140));
        dialog->setMinimumSize(QSize(298, 140));
        dialog->setMaximumSize(QSize(300, 140));
        DeleteConfirmA = SkeletonForm::Frame(dialog, QStringLiteral("DeleteConfirmA"), QRect(0, 0, 300, 140));
        CloseButton = SkeletonForm::CloseButton(DeleteConfirmA, QPoint(275, 5));
        label = SkeletonForm::Label(DeleteConfirmA, QStringLiteral("label"), QRect(0, 30, 301, 71));
        NewHong = SkeletonForm::AnswerButton(DeleteConfirmA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("ExeIsRun", "Confirm Delete"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

ExeIsRun::ExeIsRun(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_ExeIsRun)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->DeleteConfirmA->setStyleSheet(BackgroundSheet(QStringLiteral("DeleteConfirmA"), m_PicturePath));

    LoadStoredLanguage();
}

ExeIsRun::~ExeIsRun()
{
    delete ui;
}

void ExeIsRun::ShowSecondText()
{
    ui->label->setText(m_SecondText);
}

void ExeIsRun::ShowPleaseStopText()
{
    ui->label->setText(m_PleaseStopText);
}

QString ExeIsRun::LanguageSection() const
{
    return QStringLiteral("EXEIsRun");
}

LanguageLoader::KeyTable ExeIsRun::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("label_2"), [this](const QString &text) { m_SecondText = text; });
    keys.insert(QStringLiteral("PleaseStop"), [this](const QString &text) { m_PleaseStopText = text; });
    return keys;
}

void ExeIsRun::on_NewHong_clicked()
{
    close();
}

void ExeIsRun::on_CloseButton_clicked()
{
    close();
}
