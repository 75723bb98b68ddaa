#include "AddDelayTime.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

class Ui_AddDelayTime
{
public:
    QFrame *AddDelayTimeA;
    QLabel *label;
    QToolButton *CloseButton;
    QSpinBox *spinBox;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("AddDelayTime"), QSize(300, 140));
        AddDelayTimeA = SkeletonForm::Frame(dialog, QStringLiteral("AddDelayTimeA"), QRect(0, 0, 300, 140));
        AddDelayTimeA->setMinimumSize(QSize(300, 140));
        AddDelayTimeA->setMaximumSize(QSize(300, 140));
        label = SkeletonForm::Label(AddDelayTimeA, QStringLiteral("label"), QRect(30, 25, 241, 41));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignBottom);
        CloseButton = SkeletonForm::CloseButton(AddDelayTimeA, QPoint(275, 5));
        spinBox = new QSpinBox(AddDelayTimeA);
        spinBox->setObjectName(QStringLiteral("spinBox"));
        spinBox->setGeometry(QRect(30, 70, 231, 20));
        spinBox->setFont(QFont(QStringLiteral("Arial"), 14));
        spinBox->setAlignment(Qt::AlignCenter);
        spinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
        spinBox->setRange(10, 65535);
        spinBox->setValue(10);
        NewHong = SkeletonForm::AnswerButton(AddDelayTimeA, QStringLiteral("NewHong"), QRect(40, 110, 90, 24));
        NewHong_2 = SkeletonForm::AnswerButton(AddDelayTimeA, QStringLiteral("NewHong_2"), QRect(160, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("AddDelayTime", "Please enter the delay time"));
        NewHong->setText(QString::fromUtf8("确定"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }
};

AddDelayTime::AddDelayTime(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_AddDelayTime)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString buttonRgb = Skin::Rgb(QStringLiteral("ButtonColor"));
    ui->NewHong->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->NewHong_2->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->spinBox->setStyleSheet(SpinBoxSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->AddDelayTimeA->setStyleSheet(BackgroundSheet(QStringLiteral("AddDelayTimeA"), m_PicturePath));

    const int index = LanguageLoader::StoredIndex();
    ui->spinBox->setFocus(Qt::ActiveWindowFocusReason);
    SlotChangeLanguage(index);
}

AddDelayTime::~AddDelayTime()
{
    delete ui;
}

void AddDelayTime::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void AddDelayTime::on_NewHong_clicked()
{
    m_Ok = true;
    m_Delay = ui->spinBox->value();
    close();
}

void AddDelayTime::on_NewHong_2_clicked()
{
    m_Ok = false;
    close();
}

QString AddDelayTime::LanguageSection() const
{
    return QStringLiteral("AddDelayTime");
}

LanguageLoader::KeyTable AddDelayTime::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("NewHong_2"), [this](const QString &text) { ui->NewHong_2->setText(text); });
    return keys;
}
