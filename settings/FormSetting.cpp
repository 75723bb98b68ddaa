#include "FormSetting.h"
#include "FormSettingForm.h"

#include "Autostart.h"
#include "ConfigIni.h"
#include "DialogSkeleton.h"
#include "FirmwareImage.h"
#include "GlobalState.h"
#include "MacroIni.h"
#include "Match.h"
#include "MouseSettings.h"
#include "PostMsg.h"
#include "Progress.h"
#include "SettingsState.h"
#include "Skin.h"
#include "UpDateWarning.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace {
// The Config.ini "Option"/"Transition" value.
int g_Transition = 0;
} // namespace

FormSetting::FormSetting(QWidget *parent)
    : PageSkeleton(QStringLiteral("FormSetting"), QStringLiteral("FormSetting"), parent)
    , ui(new Ui_FormSetting)
{
    ui->setupUi(this);

    // The language follows the hub through the skeleton. The worker thread
    // and the library's callback thread wait in the four blocking ones until
    // the page has shown what they report.
    ConnectHub(&PostMsg::SigLanguageSameB, &FormSetting::SlotLanguageSameB);
    ConnectHub(&PostMsg::SigRGBValue, &FormSetting::SlotRGBValue, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigLongRangeMode, &FormSetting::SlotLongRangeMode, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigForm, &FormSetting::SlotForm, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigFormB, &FormSetting::SlotFormB);
    ConnectHub(&PostMsg::SigSetver, &FormSetting::SetVer);
    ConnectHub(&PostMsg::SigLabelText, &FormSetting::SlotLabelText);
    ConnectHub(&PostMsg::SigLabelTextB, &FormSetting::SlotLabelTextB);
    ConnectHub(&PostMsg::SigFormReset, &FormSetting::SlotFormResetForm, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigContinue, &FormSetting::SlotContinue);

    // The update run's two popups live as long as the process.
    updateProgress = new Progress;
    updateWarning = new UpDateWarning;

    ledModeGroup = new QButtonGroup(this);
    ledModeGroup->setExclusive(true);

    bool ok = false;
    g_Transition = ConfigIni::GetInstance()->GetValue("Option", "Transition").toInt(&ok, 10);
    if (!ok)
        g_Transition = 0;

    // The sheets first, then the column goes into its scroll area.
    ApplySkin();
    ui->assembleContents(this);
    connect(ui->scrollArea->verticalScrollBar(), &QAbstractSlider::valueChanged, this, &FormSetting::SlotScroolChange);

    g_DongleCheckTimer = new QTimer(this);
    g_MouseCheckTimer = new QTimer(this);
    connect(g_DongleCheckTimer, &QTimer::timeout, this, &FormSetting::onDongleCheckTimer);
    connect(g_MouseCheckTimer, &QTimer::timeout, this, &FormSetting::onMouseCheckTimer);
    g_DongleCheckTimer->setInterval(1000);
    g_MouseCheckTimer->setInterval(1000);

    const int index = LanguageLoader::StoredIndex();
    ui->comboBox->setCurrentIndex(index);
    versionLabelPos = ui->label->pos();
    LoadStoredLanguage();

    // The stored choice only: the entry itself is not looked at.
    ui->checkBox->setChecked(MacroIni::GetInstance()->GetValue("AutoStart", "Enable").toInt() == 1);

    ShowLongRangeSection(false);
    ShowLedSection(false);
    ApplyLayout(false);

    ledModeGroup->addButton(ui->ReUntil);
    ledModeGroup->addButton(ui->ReUntil_2);
    ledModeGroup->addButton(ui->ReUntil_3);

    // The update rows offer no update button and no new-firmware note.
    ui->NewLabel->hide();
    ui->Mouse->hide();
    ui->Receive->hide();
}

FormSetting::~FormSetting()
{
    delete ui;
}

void FormSetting::ApplySkin()
{
    const QString L = Skin::Rgb("LabelColor");
    const QString B = Skin::Rgb("ButtonColor");
    const QString &P = m_PicturePath;
    buttonColor = B;

    for (QLabel *label : {ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_5, ui->label_6, ui->label_7,
                          ui->label_8, ui->label_9, ui->label_10, ui->label_11, ui->label_14})
        label->setStyleSheet("QLabel{color: rgb(" + L + ";);}");
    for (QToolButton *button : {ui->Receive, ui->Mouse})
        button->setStyleSheet("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                              "color: rgb("
                              + B + ";);border-image: url(" + P + "Confirm.png" + ");}");
    ui->pushButton_2->setStyleSheet("QPushButton{border:0px;background-position:center;background-repeat:no-repeat;"
                                    "color: rgb("
                                    + B + ";);background-image: url(" + P + "PariButton.png" + ");}");
    ui->pushButton->setStyleSheet("QPushButton{border:none;background:transparent;color: rgb(" + L
                                  + ";);text-align : left;padding-right:1px;}");
    for (QPushButton *button : {static_cast<QPushButton *>(ui->pushButton_3), ui->pushButton_4})
        button->setStyleSheet("QPushButton{border:none;background:transparent;color: rgb(" + L
                              + ";);text-align : right;padding-right:1px;}");
    for (QToolButton *mark : {ui->TitleButton_2, ui->TitleButton_3, ui->TitleButton_4, ui->TitleButton_5,
                              ui->TitleButton_6, ui->TitleButton_7})
        mark->setStyleSheet("#" + mark->objectName() + "{border-image: url(" + P + "Title.png" + ");}");
    ui->toolButton->setStyleSheet("#toolButton{border-image: url(" + P + "Mouse.png" + ");}");
    ui->comboBox->setStyleSheet(Skin::ComboSheet(P, true));
    for (QCheckBox *box : {ui->checkBox, ui->checkBox_2}) {
        const QString id = "#" + box->objectName();
        box->setStyleSheet(id + "{color: rgb(255, 255, 255);}" + id + "::indicator:unchecked{image: url(" + P
                           + "CheckBox.png" + ");}" + id + "::indicator:checked{image: url(" + P + "CheckBoxChecked.png"
                           + ");}");
    }
    for (QCheckBox *box : {ui->ReUntil, ui->ReUntil_2, ui->ReUntil_3})
        box->setStyleSheet("QCheckBox{color: rgb(" + L + ";);}QCheckBox:indicator::checked {image: url(" + P
                           + "CheckBoxCheck.png" + ");}QCheckBox::indicator::unchecked {image: url(" + P
                           + "CheckBox2.png" + ");}");
    for (QTextEdit *note : {ui->textEdit, ui->textEdit_2, ui->textEdit_3, ui->textEdit_4})
        note->setStyleSheet("#" + note->objectName()
                            + "{border: transparent;background-color: transparent;"
                              "color: rgb("
                            + L + ";);}");

    // The hint rows appear only during an update run.
    for (QToolButton *icon : {ui->toolButton_2, ui->toolButton_3}) {
        icon->setStyleSheet("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                            "color: rgb(255,106,0);background-image: url("
                            + P + "Picture.png" + ");}");
        icon->hide();
    }
    ui->label_12->hide();
    dongleHintState = 0;
    ui->label_13->hide();
    mouseHintState = 0;

    ui->scrollArea->setFrameShape(QFrame::NoFrame);
    ui->scrollAreaWidgetContents->setStyleSheet("background-color:transparent;border:none;");

    ui->comboBox->SetListViewSheet(Skin::ComboListSheet());
    ui->comboBox->setMaxVisibleItems(5);
}

void FormSetting::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

bool FormSetting::FindFirmware(int kind, QString version, QString modelName, int cid, int mid)
{
    return FirmwareImage::FindFirmware(kind, version, modelName, cid, mid);
}

bool FormSetting::CheckFirmware(int kind, QString version, QString modelName, int cid, int mid)
{
    return FirmwareImage::CheckFirmware(kind, version, modelName, cid, mid);
}

bool FormSetting::IsUpdateAvailable(int kind, QString version, int receiverClass)
{
    return FirmwareImage::IsUpdateAvailable(kind, version, receiverClass);
}

// ------------------------------------------------------------ small actions

void FormSetting::on_checkBox_clicked(bool checked)
{
    QString error;
    const bool written = checked ? Autostart::enable(&error) : Autostart::disable(&error);
    if (!written) {
        // The choice did not take: the box and Macro.ini keep telling what the
        // desktop will do at the next log-in.
        qWarning() << "auto-start entry" << Autostart::entryFile() << "not changed:" << error;
        ui->checkBox->setChecked(!checked);
        return;
    }
    MacroIni::GetInstance()->SetValue("AutoStart", "Enable", checked ? "1" : "0");
}

void FormSetting::on_pushButton_clicked()
{
    if (MouseSettings::open())
        return;
    UpDateWarning notice;
    notice.SetText(noMouseSettingsText);
    DialogSkeleton::MoveOver(&notice, this, 0, 0);
    notice.exec();
}

bool FormSetting::OpenWebLink(const QString &text)
{
    // The link is whatever Net.xml put on a button; only a web address is
    // handed to the desktop, never a local file or a program.
    const QUrl url(text, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https"))
        return false;
    return QDesktopServices::openUrl(url);
}

void FormSetting::on_pushButton_3_clicked()
{
    OpenWebLink(ui->pushButton_3->text());
}

void FormSetting::on_pushButton_2_clicked()
{
    Match match;
    match.InitMatch();
    DialogSkeleton::MoveOver(&match, this, -70, -30);
    match.exec();
    Match::ReturnLinkToWorker();
}

void FormSetting::on_pushButton_5_clicked()
{
}

void FormSetting::SlotScroolChange(int index)
{
    // Keeps the version label in its place on the screen.
    ui->label->move(versionLabelPos.x(), versionLabelPos.y() + index + 10);
}
