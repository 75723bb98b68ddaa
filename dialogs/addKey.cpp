#include "addKey.h"

#include "KeyVocabulary.h"
#include "KeyboardHook.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

class Ui_addKey
{
public:
    QFrame *addKeyA;
    QLabel *label;
    QToolButton *CloseButton;
    QLineEdit *lineEdit;
    QToolButton *NewHong;
    QToolButton *NewHong_2;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("addKey"), QSize(300, 140));
        addKeyA = SkeletonForm::Frame(dialog, QStringLiteral("addKeyA"), QRect(0, 0, 300, 140));
        addKeyA->setMinimumSize(QSize(300, 140));
        addKeyA->setMaximumSize(QSize(300, 140));
        label = SkeletonForm::Label(addKeyA, QStringLiteral("label"), QRect(30, 25, 241, 41));
        label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignBottom);
        CloseButton = SkeletonForm::CloseButton(addKeyA, QPoint(275, 5));
        lineEdit = new QLineEdit(addKeyA);
        lineEdit->setObjectName(QStringLiteral("lineEdit"));
        lineEdit->setGeometry(QRect(30, 70, 231, 20));
        lineEdit->setFont(Skin::Font(12));
        lineEdit->setAlignment(Qt::AlignCenter);
        lineEdit->setMaxLength(50);
        NewHong = SkeletonForm::AnswerButton(addKeyA, QStringLiteral("NewHong"), QRect(40, 110, 90, 24));
        NewHong_2 = SkeletonForm::AnswerButton(addKeyA, QStringLiteral("NewHong_2"), QRect(160, 110, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("addKey", "Please enter a button"));
        NewHong->setText(QString::fromUtf8("确定"));
        NewHong_2->setText(QString::fromUtf8("取消"));
    }
};

addKey::addKey(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_addKey)
{
    ui->setupUi(this);
    InitSkeleton();

    m_Hook = new KeyboardHook(KeyboardHook::AddKeyInstance);
    m_Hook->InstallHook();
    m_Hook->SetCallback([this](int keyCode, bool downOrUp, bool aotu) { UpdateCapslockTip(keyCode, downOrUp, aotu); },
                        this);

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    const QString buttonRgb = Skin::Rgb(QStringLiteral("ButtonColor"));
    ui->NewHong->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->NewHong_2->setStyleSheet(ConfirmSheet(buttonRgb, m_PicturePath));
    ui->lineEdit->setStyleSheet(LineEditSheet(Skin::Rgb(QStringLiteral("LinEditColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->addKeyA->setStyleSheet(BackgroundSheet(QStringLiteral("addKeyA"), m_PicturePath));

    const int index = LanguageLoader::StoredIndex();
    ui->lineEdit->setFocus(Qt::ActiveWindowFocusReason);
    SlotChangeLanguage(index);
}

addKey::~addKey()
{
    // However the dialog ended (its buttons, or a close request of the window
    // system), the hook must not report to a dialog that is gone.
    m_Hook->UnInstallHook();
    m_Hook->ClearCallback(this);
    delete m_Hook;
    delete ui;
}

void addKey::UpdateCapslockTip(int keyCode, bool downOrUp, bool aotu)
{
    Q_UNUSED(downOrUp)
    Q_UNUSED(aotu)
    const QString name = AddKeyVirtualKeyName(keyCode);
    ui->lineEdit->setText(name);
    m_KeyName = name;
}

void addKey::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QDialog::keyPressEvent(event);
}

void addKey::on_NewHong_clicked()
{
    m_Ok = true;
    m_Hook->UnInstallHook();
    accept();
}

void addKey::on_NewHong_2_clicked()
{
    m_Ok = false;
    m_Hook->UnInstallHook();
    reject();
}

void addKey::on_CloseButton_clicked()
{
    m_Ok = false;
    m_Hook->UnInstallHook();
    reject();
}

QString addKey::LanguageSection() const
{
    return QStringLiteral("AddKey");
}

LanguageLoader::KeyTable addKey::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) { ui->label->setText(text); });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    keys.insert(QStringLiteral("NewHong_2"), [this](const QString &text) { ui->NewHong_2->setText(text); });
    return keys;
}
