#include "InportFail.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

int g_InportResult = 0;

class Ui_InportFail
{
public:
    QFrame *InportFailA;
    QToolButton *CloseButton;
    QToolButton *NewHong;
    QLabel *label;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("InportFail"), QSize(300, 140));
        InportFailA = SkeletonForm::Frame(dialog, QStringLiteral("InportFailA"), QRect(0, 0, 300, 140));
        InportFailA->setMinimumSize(QSize(300, 140));
        InportFailA->setMaximumSize(QSize(300, 140));
        CloseButton = SkeletonForm::CloseButton(InportFailA, QPoint(275, 5));
        NewHong = SkeletonForm::AnswerButton(InportFailA, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        label = SkeletonForm::Label(InportFailA, QStringLiteral("label"), QRect(0, 30, 301, 71));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        NewHong->setText(QString::fromUtf8("确定"));
        label->setText(QCoreApplication::translate("InportFail", "Config does not match the device"));
    }
};

InportFail::InportFail(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_InportFail)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->InportFailA->setStyleSheet(BackgroundSheet(QStringLiteral("InportFailA"), m_PicturePath));

    LoadStoredLanguage();
}

InportFail::~InportFail()
{
    delete ui;
}

QString InportFail::LanguageSection() const
{
    return QStringLiteral("InportFail");
}

LanguageLoader::KeyTable InportFail::LanguageKeys()
{
    // Both texts are read at every load; the current result decides which one
    // reaches the label.
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) {
        if (g_InportResult == 1)
            ui->label->setText(text);
    });
    keys.insert(QStringLiteral("label_1"), [this](const QString &text) {
        if (g_InportResult == 2)
            ui->label->setText(text);
    });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void InportFail::on_NewHong_clicked()
{
    close();
}

void InportFail::on_CloseButton_clicked()
{
    close();
}
