#include "Progress.h"
#include "ProgressForm.h"

#include "ButtonText.h"
#include "FormSetting.h"
#include "PostMsg.h"
#include "SettingsState.h"
#include "SheetOnShow.h"
#include "Skin.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

Progress::Progress(QWidget *parent)
    : DialogSkeleton(parent)
    , ui(new Ui_Progress)
{
    ui->setupUi(this);
    InitSkeleton();
    connect(PostMsg::GetInstance(), &PostMsg::SigCloseProgress, this, &Progress::SlotCloseProgress);

    ui->label->setStyleSheet(LabelSheet(Skin::Rgb(QStringLiteral("LabelColor"))));
    // Built with the settings page at start and shown only for an update (if
    // ever): its pictures are decoded when it is first shown.
    SheetOnShow::Set(ui->NewHong, ConfirmSheet(Skin::Rgb(QStringLiteral("ButtonColor")), m_PicturePath), this);
    SheetOnShow::Set(ui->CloseButton, CloseSheet(m_PicturePath), this);
    SheetOnShow::Set(ui->AddDelayTimeA, BackgroundSheet(QStringLiteral("AddDelayTimeA"), m_PicturePath), this);

    LoadStoredLanguage();
    connect(PostMsg::GetInstance(), &PostMsg::SigProgress, this, &Progress::SlotProgress);
    ui->NewHong->hide();
    ui->label->setText(CaptionText(1));
}

Progress::~Progress()
{
    delete ui;
}

QString Progress::CaptionText(int percent) const
{
    return captionText + ": " + QString::number(percent) + "%";
}

void Progress::ResetCaption()
{
    ui->label->setText(CaptionText(0));
    ui->progressBar_2->setValue(0);
}

void Progress::SlotProgress(int schedue, int Discrib)
{
    ui->progressBar_2->setValue(schedue);
    switch (Discrib) {
    case 0:
        ui->label->setText(CaptionText(schedue));
        break;
    case 1:
        m_Failed = true;
        ui->NewHong->setShortcut(QKeySequence(Qt::Key_Return));
        ui->label->setText(failText);
        ui->NewHong->show();
        break;
    case 2:
        m_Failed = false;
        ui->NewHong->setShortcut(QKeySequence(Qt::Key_Return));
        ui->label->setText(successText);
        ui->progressBar_2->setValue(100);
        ui->NewHong->show();
        break;
    case 3:
        m_Failed = false;
        ui->NewHong->hide();
        break;
    case 4:
        m_Failed = false;
        ui->NewHong->hide();
        ResetCaption();
        break;
    default:
        break;
    }
}

// After a failure the user goes back to the device list; otherwise the
// settings page continues with the other update. The outcome is kept as a
// flag: the texts may be equal (both empty before any language file loaded).
void Progress::FinishAndLeave()
{
    if (m_Failed) {
        PostMsg::GetInstance()->EmitChangeMainDialog(0);
        close();
        return;
    }
    close();
    ResetCaption();
    PostMsg::GetInstance()->EmitContinue(0);
}

void Progress::on_CloseButton_clicked()
{
    if (g_UpdateBusy)
        return;
    FinishAndLeave();
}

void Progress::on_NewHong_clicked()
{
    FinishAndLeave();
}

void Progress::SlotCloseProgress()
{
    if (g_UpdateBusy)
        return;
    close();
    ResetCaption();
}

QString Progress::LanguageSection() const
{
    return QStringLiteral("Progress");
}

LanguageLoader::KeyTable Progress::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert(QStringLiteral("Confirm"), [this](const QString &text) { SetTextKeepShortcut(ui->NewHong, text); });
    keys.insert(QStringLiteral("UpdateNotMove"), [this](const QString &text) { captionText = text; });
    keys.insert(QStringLiteral("UpDateFail"), [this](const QString &text) { failText = text; });
    keys.insert(QStringLiteral("UpDateSuccess"), [this](const QString &text) { successText = text; });
    return keys;
}
