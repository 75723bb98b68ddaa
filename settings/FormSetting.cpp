#include "FormSetting.h"

#include "FirmwareImage.h"
#include "PostMsg.h"

#include <QCoreApplication>

QString g_WiredModeText;
bool g_UpdateBusy = false;

FormSetting::FormSetting(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("FormSetting");
    m_PicturePath = QCoreApplication::applicationDirPath() + "/Picture/Setting/";

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, SIGNAL(SigChangeLanguage(int)), this, SLOT(SlotChangeLanguage(int)));
    connect(hub, SIGNAL(SigSetver(int)), this, SLOT(SetVer(int)));
    connect(hub, SIGNAL(SigLabelText(int,QString)), this, SLOT(SlotLabelText(int,QString)));
    connect(hub, SIGNAL(SigLabelTextB(QString,QString)), this, SLOT(SlotLabelTextB(QString,QString)));
    connect(hub, SIGNAL(SigForm()), this, SLOT(SlotForm()), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigFormB()), this, SLOT(SlotFormB()));
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetForm()), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigRGBValue(DongleRGB*)), this, SLOT(SlotRGBValue(DongleRGB*)), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigLongRangeMode(bool)), this, SLOT(SlotLongRangeMode(bool)), Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigLanguageSameB(int)), this, SLOT(SlotLanguageSameB(int)));
    connect(hub, SIGNAL(SigContinue(int)), this, SLOT(SlotContinue(int)));

    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

FormSetting::~FormSetting() = default;

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

void FormSetting::SlotChangeLanguage(int index)
{
    LanguageLoader::KeyTable keys;
    keys.insert("WiredMode", [](const QString &text) { g_WiredModeText = text; });
    LanguageLoader::Load(index, "FormSetting", keys, m_Reader);
}

void FormSetting::SetVer(int)
{
}

void FormSetting::SlotLabelText(int, QString)
{
}

void FormSetting::SlotLabelTextB(QString, QString)
{
}

void FormSetting::SlotForm()
{
}

void FormSetting::SlotFormB()
{
}

void FormSetting::SlotFormResetForm()
{
}

void FormSetting::SlotRGBValue(DongleRGB *)
{
}

void FormSetting::SlotLongRangeMode(bool)
{
}

void FormSetting::SlotLanguageSameB(int)
{
}

void FormSetting::SlotContinue(int)
{
}
