#include "UpDateWarning.h"

#include "ButtonText.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

class Ui_UpDateWarning
{
public:
    QFrame *WarningFrame;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("UpDateWarning"), QSize(300, 140));
        WarningFrame = SkeletonForm::Frame(dialog, QStringLiteral("WarningFrame"), QRect(0, 0, 300, 140));
        WarningFrame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        CloseButton = SkeletonForm::CloseButton(WarningFrame, QPoint(275, 5));
        label = SkeletonForm::Label(WarningFrame, QStringLiteral("label"), QRect(5, 30, 291, 71));
        NewHong = SkeletonForm::AnswerButton(WarningFrame, QStringLiteral("NewHong"), QRect(100, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("UpDateWarning", "Confirm Delete"));
        NewHong->setText(QString::fromUtf8("确定"));
    }
};

UpDateWarning::UpDateWarning(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_UpDateWarning)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->WarningFrame->setStyleSheet(BackgroundSheet(QStringLiteral("WarningFrame"), m_PicturePath));

    LoadStoredLanguage();
    ui->NewHong->setShortcut(QKeySequence(Qt::Key_Return));
}

UpDateWarning::~UpDateWarning()
{
    delete ui;
}

void UpDateWarning::SetText(QString text)
{
    ui->label->setText(text);
}

QString UpDateWarning::LanguageSection() const
{
    return QStringLiteral("NewVer");
}

LanguageLoader::KeyTable UpDateWarning::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { SetTextKeepShortcut(ui->NewHong, text); });
    return keys;
}

void UpDateWarning::on_CloseButton_clicked()
{
    close();
}

void UpDateWarning::on_NewHong_clicked()
{
    close();
}
