#pragma once
// The signal hub: one process-wide QObject through which the windows, the
// device worker and the vendor-library callbacks talk to each other. Senders
// call an Emit member; receivers connect the hub's signal to a slot of their
// own in their constructor. The declaration order is the signal index.
//
// FlashDataMap, DeviceAllInfo and DongleRGB* are not registered meta types:
// a signal that carries one may only be delivered directly (both ends on the
// GUI thread) or through Qt::BlockingQueuedConnection.

#include "DeviceAllInfo.h"
#include "FlashDataMap.h"

#include <QObject>
#include <QString>

class PostMsg : public QObject
{
    Q_OBJECT
public:
    // The hub, created without parent on first use and never deleted.
    static PostMsg *GetInstance();
    void EmitChangeMainDialog(int index);
    void EmitChangeSize(int index);
    void EmitUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void EmitUpDataLightUIButton(FlashDataMap DataMap);
    void EmitUpDataLightLight(FlashDataMap DataMap);
    void EmitUpDataLightSensor(FlashDataMap DataMap);
    void EmitUpDataLightUIA(FlashDataMap DataMap);
    void EmitUpDataSensorUIB(FlashDataMap DataMap);
    void EmitUpDataButtonUIC(FlashDataMap DataMap);
    void EmitButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    void EmitSelectMouseInfo(DeviceAllInfo SelectInfo);
    void EmitMouseOffLineo(int index);
    void EmitMainPageChange();
    void EmitSecondPageChange();
    void EmitUpPageLight();
    void EmitAddMacroButton();
    void EmitDeleteMacroButton(QString MacroName);
    void EmitMacroDownLoadData(QString MacroName, int index);
    void EmitUpDataMacro(QString MacroName, int index);
    void EmitUpDataParam(int index);
    void EmitUpDataReportRate(int index);
    void EmitUpDataDPI(int index);
    void EmitUpDataDPILed(FlashDataMap DataMap);
    void EmitTimerStop();
    void EmitButtonEnable(int index);
    void EmitLabelText(int index, QString Text);
    void EmitLabelTextB(QString TextA, QString Text);
    void EmitCloseUpdate();
    void EmitProgress(int index, int value);
    void EmitBattery(bool IsCharg, int Number, bool IsText);
    void EmitAutoRepair(int index);
    void EmitAutoRepairProgress(int index);
    void EmitChangeLanguage(int index);
    void EmitLanguageSameA(int index);
    void EmitLanguageSameB(int index);
    void EmitCloseOffOnline();
    void EmitSetMacroPage();
    void EmitStartRecord(int index);
    void EmitUpDateButton(bool IsHide);
    void EmitMacroRename(QString Rename, QString Name);
    void EmitSetver(int index);
    void EmitCloseProgress();
    void EmitRGBValue(DongleRGB *Rgb);
    void EmitLongRangeMode(bool Select);
    void EmitForm();
    void EmitFormB();
    void EmitEnterKey();
    void EmitFormReset();
    void EmitHideModel(int index);
    void EmitContinue(int index);
    void EmitMouseIndex(int index);

signals:
    void SigChangeMainDialog(int index);                                     // 0
    void SigChangeSize(int index);                                           // 1
    void SigUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable); // 2
    void SigUpDataLightUIButton(FlashDataMap DataMap);                       // 3
    void SigUpDataLightLight(FlashDataMap DataMap);                          // 4
    void SigUpDataLightSensor(FlashDataMap DataMap);                         // 5
    void SigUpDataLightUIA(FlashDataMap DataMap);                            // 6
    void SigUpDataSensorUIB(FlashDataMap DataMap);                           // 7
    void SigUpDataButtonUIC(FlashDataMap DataMap);                           // 8
    void SigButtonToMacro(FlashDataMap DataMap, int KeyNumer);               // 9
    void SigSelectMouseInfo(DeviceAllInfo SelectInfo);                       // 10
    void SigMouseOffLineo(int index);                                        // 11
    void SigMainPageChange();                                                // 12
    void SigSecondPageChange();                                              // 13
    void SigUpPageLight();                                                   // 14
    void SigAddMacroButton();                                                // 15
    void SigDeleteMacroButton(QString MacroName);                            // 16
    void SigMacroDownLoadData(QString MacroName, int index);                 // 17
    void SigUpDataMacro(QString MacroName, int index);                       // 18
    void SigUpDataParam(int index);                                          // 19
    void SigUpDataReportRate(int index);                                     // 20
    void SigUpDataDPI(int index);                                            // 21
    void SigUpDataDPILed(FlashDataMap DataMap);                              // 22
    void SigTimerStop();                                                     // 23
    void SigButtonEnable(int index);                                         // 24
    void SigLabelText(int index, QString Text);                              // 25
    void SigLabelTextB(QString TextA, QString Text);                         // 26
    void SigCloseUpdate();                                                   // 27
    void SigProgress(int index, int value);                                  // 28
    void SigBattery(bool IsCharg, int Number, bool IsText);                  // 29
    void SigAutoRepair(int index);                                           // 30
    void SigAutoRepairProgress(int index);                                   // 31
    void SigChangeLanguage(int index);                                       // 32
    void SigLanguageSameA(int index);                                        // 33
    void SigLanguageSameB(int index);                                        // 34
    void SigCloseOffOnline();                                                // 35
    void SigSetMacroPage();                                                  // 36
    void SigStartRecord(int index);                                          // 37
    void SigUpDateButton(bool IsHide);                                       // 38
    void SigMacroRename(QString Rename, QString Name);                       // 39
    void SigSetver(int index);                                               // 40
    void SigCloseProgress();                                                 // 41
    void SigRGBValue(DongleRGB *Rgb);                                        // 42
    void SigLongRangeMode(bool Select);                                      // 43
    void SigForm();                                                          // 44
    void SigFormB();                                                         // 45
    void SigEnterKey();                                                      // 46
    void SigFormReset();                                                     // 47
    void SigHideModel(int index);                                            // 48
    void SigContinue(int);                                                   // 49
    void SigMouseIndex(int index);                                           // 50

private:
    PostMsg();
};

extern PostMsg *g_PostMsg;
