#include "FireKey.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace {

QSpinBox *valueBox(QWidget *parent, const QString &name, const QRect &geometry, int minimum, int maximum,
                   int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(QFont(QStringLiteral("Arial"), 12));
    box->setAlignment(Qt::AlignCenter);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

class Ui_FireKey
{
public:
    QFrame *FireKeyA;
    QToolButton *CloseButton;
    QLabel *label_2;
    QLabel *label;
    QSpinBox *Count;
    QSpinBox *Time;
    QLabel *label_3;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("FireKey"), QSize(406, 170));
        dialog->setMinimumSize(QSize(406, 170));
        dialog->setMaximumSize(QSize(406, 170));
        FireKeyA = SkeletonForm::Frame(dialog, QStringLiteral("FireKeyA"), QRect(0, 0, 406, 170));
        FireKeyA->setMinimumSize(QSize(406, 170));
        FireKeyA->setMaximumSize(QSize(406, 170));
        CloseButton = SkeletonForm::CloseButton(FireKeyA, QPoint(380, 5));
        label_2 = SkeletonForm::Label(FireKeyA, QStringLiteral("label_2"), QRect(250, 30, 121, 16));
        label_2->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        label_2->setWordWrap(false);
        label = SkeletonForm::Label(FireKeyA, QStringLiteral("label"), QRect(60, 30, 101, 16));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
        Count = valueBox(FireKeyA, QStringLiteral("Count"), QRect(60, 50, 71, 27), 0, 3, 3);
        Time = valueBox(FireKeyA, QStringLiteral("Time"), QRect(255, 50, 81, 27), 10, 255, 10);
        label_3 = SkeletonForm::Label(FireKeyA, QStringLiteral("label_3"), QRect(0, 79, 401, 61));
        label_3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        NewHong = SkeletonForm::AnswerButton(FireKeyA, QStringLiteral("NewHong"), QRect(60, 137, 81, 24));
        NewHong_2 = SkeletonForm::AnswerButton(FireKeyA, QStringLiteral("NewHong_2"), QRect(260, 137, 81, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label_2->setText(QString::fromUtf8("间隔 (10-255)"));
        label->setText(QString::fromUtf8("次数 (0-3)"));
        label_3->setText(QString::fromUtf8("次数设置为0时, 按下按键一直发, 松开按键结束"));
        NewHong->setText(QString::fromUtf8("确认"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }
};

FireKey::FireKey(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_FireKey)
{
    ui->setupUi(this);
    InitSkeleton();

    const QString labelSheet = LabelSheet(Skin::Rgb(QStringLiteral("LabelColor")));
    ui->label->setStyleSheet(labelSheet);
    ui->label_2->setStyleSheet(labelSheet);
    ui->label_3->setStyleSheet(labelSheet);
    const QString buttonRgb = Skin::Rgb(QStringLiteral("ButtonColor"));
    ui->NewHong->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->NewHong_2->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    const QString entrySheet = SpinBoxSheet(Skin::Rgb(QStringLiteral("LinEditColor")));
    ui->Count->setStyleSheet(entrySheet);
    ui->Time->setStyleSheet(entrySheet);
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    // This frame's picture is stretched over it as a border image.
    ui->FireKeyA->setStyleSheet(
        QStringLiteral("#FireKeyA{border:0px;background-position:center;background-repeat:no-repeat;border-image: url(")
        + m_PicturePath + QStringLiteral("BackGround.png") + QStringLiteral(");}"));

    LoadStoredLanguage();
}

FireKey::~FireKey()
{
    delete ui;
}

void FireKey::SetTime(int value)
{
    ui->Time->setValue(value);
}

void FireKey::SetCount(int value)
{
    ui->Count->setValue(value);
}

void FireKey::on_CloseButton_clicked()
{
    m_Ok = false;
    close();
}

void FireKey::on_NewHong_2_clicked()
{
    m_Ok = false;
    close();
}

void FireKey::on_NewHong_clicked()
{
    m_Ok = true;
    m_Time = ui->Time->value();
    m_Count = ui->Count->value();
    close();
}

QString FireKey::LanguageSection() const
{
    return QStringLiteral("FireKey");
}

LanguageLoader::KeyTable FireKey::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("label_2"), [this](const QString &text) { ui->label_2->setText(text); });
    keys.insert(QStringLiteral("label_3"), [this](const QString &text) { ui->label_3->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("NewHong_2"), [this](const QString &text) { ui->NewHong_2->setText(text); });
    return keys;
}
