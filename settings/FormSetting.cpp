#include "FormSetting.h"

#include "FirmwareImage.h"
#include "PostMsg.h"

QString g_WiredModeText;
bool g_UpdateBusy = false;

FormSetting::FormSetting(QWidget *parent)
    : PageSkeleton(QStringLiteral("FormSetting"), QStringLiteral("Setting"), parent)
{
    ConnectHub(&PostMsg::SigSetver, &FormSetting::SetVer);
    ConnectHub(&PostMsg::SigLabelText, &FormSetting::SlotLabelText);
    ConnectHub(&PostMsg::SigLabelTextB, &FormSetting::SlotLabelTextB);
    ConnectHub(&PostMsg::SigForm, &FormSetting::SlotForm, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigFormB, &FormSetting::SlotFormB);
    ConnectHub(&PostMsg::SigFormReset, &FormSetting::SlotFormResetForm, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigRGBValue, &FormSetting::SlotRGBValue, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigLongRangeMode, &FormSetting::SlotLongRangeMode, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigLanguageSameB, &FormSetting::SlotLanguageSameB);
    ConnectHub(&PostMsg::SigContinue, &FormSetting::SlotContinue);

    LoadStoredLanguage();
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

LanguageLoader::KeyTable FormSetting::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    keys.insert("WiredMode", [](const QString &text) { g_WiredModeText = text; });
    return keys;
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
