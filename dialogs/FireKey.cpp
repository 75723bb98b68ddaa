#include "FireKey.h"
#include "FireKeyForm.h"

#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

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
