#include "PostMsg.h"

#include <QCoreApplication>
#include <mutex>

PostMsg *g_PostMsg = nullptr;

PostMsg::PostMsg()
    : QObject(nullptr)
{
}

PostMsg *PostMsg::GetInstance()
{
    // Normally first called on the GUI thread before any other thread exists;
    // the lock only makes an early call from elsewhere harmless.
    static std::mutex mutex;
    std::lock_guard<std::mutex> locker(mutex);
    if (!g_PostMsg) {
        g_PostMsg = new PostMsg;
        // The hub belongs to the GUI thread whoever asks first.
        if (QCoreApplication::instance())
            g_PostMsg->moveToThread(QCoreApplication::instance()->thread());
    }
    return g_PostMsg;
}

void PostMsg::EmitChangeMainDialog(int index)
{
    emit SigChangeMainDialog(index);
}

void PostMsg::EmitChangeSize(int index)
{
    emit SigChangeSize(index);
}

void PostMsg::EmitUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable)
{
    emit SigUpDataConfigUI(ToTalItem, SelectIndex, ItemEnable);
}

void PostMsg::EmitUpDataLightUIButton(FlashDataMap DataMap)
{
    emit SigUpDataLightUIButton(DataMap);
}

void PostMsg::EmitUpDataLightLight(FlashDataMap DataMap)
{
    emit SigUpDataLightLight(DataMap);
}

void PostMsg::EmitUpDataLightSensor(FlashDataMap DataMap)
{
    emit SigUpDataLightSensor(DataMap);
}

void PostMsg::EmitUpDataLightUIA(FlashDataMap DataMap)
{
    emit SigUpDataLightUIA(DataMap);
}

void PostMsg::EmitUpDataSensorUIB(FlashDataMap DataMap)
{
    emit SigUpDataSensorUIB(DataMap);
}

void PostMsg::EmitUpDataButtonUIC(FlashDataMap DataMap)
{
    emit SigUpDataButtonUIC(DataMap);
}

void PostMsg::EmitButtonToMacro(FlashDataMap DataMap, int KeyNumer)
{
    emit SigButtonToMacro(DataMap, KeyNumer);
}

void PostMsg::EmitSelectMouseInfo(DeviceAllInfo SelectInfo)
{
    emit SigSelectMouseInfo(SelectInfo);
}

void PostMsg::EmitMouseOffLineo(int index)
{
    emit SigMouseOffLineo(index);
}

void PostMsg::EmitMainPageChange()
{
    emit SigMainPageChange();
}

void PostMsg::EmitSecondPageChange()
{
    emit SigSecondPageChange();
}

void PostMsg::EmitUpPageLight()
{
    emit SigUpPageLight();
}

void PostMsg::EmitAddMacroButton()
{
    emit SigAddMacroButton();
}

void PostMsg::EmitDeleteMacroButton(QString MacroName)
{
    emit SigDeleteMacroButton(MacroName);
}

void PostMsg::EmitMacroDownLoadData(QString MacroName, int index)
{
    emit SigMacroDownLoadData(MacroName, index);
}

void PostMsg::EmitUpDataMacro(QString MacroName, int index)
{
    emit SigUpDataMacro(MacroName, index);
}

void PostMsg::EmitUpDataParam(int index)
{
    emit SigUpDataParam(index);
}

void PostMsg::EmitUpDataReportRate(int index)
{
    emit SigUpDataReportRate(index);
}

void PostMsg::EmitUpDataDPI(int index)
{
    emit SigUpDataDPI(index);
}

void PostMsg::EmitUpDataDPILed(FlashDataMap DataMap)
{
    emit SigUpDataDPILed(DataMap);
}

void PostMsg::EmitTimerStop()
{
    emit SigTimerStop();
}

void PostMsg::EmitButtonEnable(int index)
{
    emit SigButtonEnable(index);
}

void PostMsg::EmitLabelText(int index, QString Text)
{
    emit SigLabelText(index, Text);
}

void PostMsg::EmitLabelTextB(QString TextA, QString Text)
{
    emit SigLabelTextB(TextA, Text);
}

void PostMsg::EmitCloseUpdate()
{
    emit SigCloseUpdate();
}

void PostMsg::EmitProgress(int index, int value)
{
    emit SigProgress(index, value);
}

void PostMsg::EmitBattery(bool IsCharg, int Number, bool IsText)
{
    emit SigBattery(IsCharg, Number, IsText);
}

void PostMsg::EmitAutoRepair(int index)
{
    emit SigAutoRepair(index);
}

void PostMsg::EmitAutoRepairProgress(int index)
{
    emit SigAutoRepairProgress(index);
}

void PostMsg::EmitChangeLanguage(int index)
{
    emit SigChangeLanguage(index);
}

void PostMsg::EmitLanguageSameA(int index)
{
    emit SigLanguageSameA(index);
}

void PostMsg::EmitLanguageSameB(int index)
{
    emit SigLanguageSameB(index);
}

void PostMsg::EmitCloseOffOnline()
{
    emit SigCloseOffOnline();
}

void PostMsg::EmitSetMacroPage()
{
    emit SigSetMacroPage();
}

void PostMsg::EmitStartRecord(int index)
{
    emit SigStartRecord(index);
}

void PostMsg::EmitUpDateButton(bool IsHide)
{
    emit SigUpDateButton(IsHide);
}

void PostMsg::EmitMacroRename(QString Rename, QString Name)
{
    emit SigMacroRename(Rename, Name);
}

void PostMsg::EmitSetver(int index)
{
    emit SigSetver(index);
}

void PostMsg::EmitCloseProgress()
{
    emit SigCloseProgress();
}

void PostMsg::EmitRGBValue(DongleRGB *Rgb)
{
    emit SigRGBValue(Rgb);
}

void PostMsg::EmitLongRangeMode(bool Select)
{
    emit SigLongRangeMode(Select);
}

void PostMsg::EmitForm()
{
    emit SigForm();
}

void PostMsg::EmitFormB()
{
    emit SigFormB();
}

void PostMsg::EmitEnterKey()
{
    emit SigEnterKey();
}

void PostMsg::EmitFormReset()
{
    emit SigFormReset();
}

void PostMsg::EmitHideModel(int index)
{
    emit SigHideModel(index);
}

void PostMsg::EmitContinue(int index)
{
    emit SigContinue(index);
}

void PostMsg::EmitMouseIndex(int index)
{
    emit SigMouseIndex(index);
}
