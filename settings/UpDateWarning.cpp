#include "UpDateWarning.h"
#include "UpDateWarningForm.h"

#include "ButtonText.h"
#include "SheetOnShow.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QToolButton>

UpDateWarning::UpDateWarning(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_UpDateWarning)
{
    ui->setupUi(this);
    InitSkeleton();

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    // Built with the settings page at start and shown only for an update (if
    // ever): its pictures are decoded when it is first shown.
    SheetOnShow::Set(ui->NewHong, ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath), this);
    SheetOnShow::Set(ui->CloseButton, CloseSheet(m_PicturePath), this);
    SheetOnShow::Set(ui->WarningFrame, BackgroundSheet(QStringLiteral("WarningFrame"), m_PicturePath), this);

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
