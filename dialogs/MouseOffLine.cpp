#include "MouseOffLine.h"

#include "PostMsg.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

int g_MouseOffLineIndex = 0;

class Ui_MouseOffLine
{
public:
    QFrame *MouseOffLineA;
    QToolButton *CloseButton;
    QLabel *label;
    QToolButton *NewHong;

    void setupUi(QDialog *dialog)
    {
        SkeletonForm::SetupDialog(dialog, QStringLiteral("MouseOffLine"), QSize(300, 140));
        MouseOffLineA = SkeletonForm::Frame(dialog, QStringLiteral("MouseOffLineA"), QRect(0, 0, 300, 140));
        MouseOffLineA->setMinimumSize(QSize(300, 140));
        MouseOffLineA->setMaximumSize(QSize(300, 140));
        CloseButton = SkeletonForm::CloseButton(MouseOffLineA, QPoint(275, 3));
        label = SkeletonForm::Label(MouseOffLineA, QStringLiteral("label"), QRect(0, 20, 301, 71));
        NewHong = SkeletonForm::AnswerButton(MouseOffLineA, QStringLiteral("NewHong"), QRect(100, 100, 90, 24));
        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *)
    {
        label->setText(QCoreApplication::translate("MouseOffLine", "   The mouse is offline. Please move first"));
        NewHong->setText(QString::fromUtf8("确认"));
    }
};

MouseOffLine::MouseOffLine(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_MouseOffLine)
{
    ui->setupUi(this);
    InitSkeleton();
    connect(PostMsg::GetInstance(), SIGNAL(SigCloseOffOnline()), this, SLOT(on_CloseButton_clicked()));

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    ui->CloseButton->setStyleSheet(CloseSheet(m_PicturePath));
    ui->MouseOffLineA->setStyleSheet(BackgroundSheet(QStringLiteral("MouseOffLineA"), m_PicturePath, QStringLiteral("); }")));
    ui->NewHong->setStyleSheet(ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath,
                                            QStringLiteral("ConFirm.png"), QStringLiteral("ConFirmClick.png")));

    LoadStoredLanguage();
}

MouseOffLine::~MouseOffLine()
{
    delete ui;
}

QString MouseOffLine::LanguageSection() const
{
    return QStringLiteral("MouseOffLine");
}

LanguageLoader::KeyTable MouseOffLine::LanguageKeys()
{
    // Both texts are read at every load; the index current at that moment
    // decides which of them reaches the label.
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("label"), [this](const QString &text) {
        if (g_MouseOffLineIndex == 0)
            ui->label->setText(text);
    });
    keys.insert(QStringLiteral("Timeout"), [this](const QString &text) {
        if (g_MouseOffLineIndex == 1)
            ui->label->setText(text);
    });
    keys.insert(QStringLiteral("NewHong"), [this](const QString &text) { ui->NewHong->setText(text); });
    return keys;
}

void MouseOffLine::on_NewHong_clicked()
{
    close();
}

void MouseOffLine::on_CloseButton_clicked()
{
    close();
}
