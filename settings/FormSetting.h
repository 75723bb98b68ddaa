#pragma once
// The settings page, fourth page of the main frame: language, firmware
// versions and update, pairing, auto-start, receiver lighting, long-range
// mode. The firmware image searches are static, so the device list, the
// worker and the top-level window use them without the page.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <QString>

// The text of the settings page's "WiredMode" language element: the notice
// that a mouse update needs the cable. Empty until the page loaded a file.
extern QString g_WiredModeText;
// An update run is in progress (the progress dialog then refuses to close).
extern bool g_UpdateBusy;

class FormSetting : public PageSkeleton
{
    Q_OBJECT

public:
    explicit FormSetting(QWidget *parent = nullptr);
    ~FormSetting() override;

    // Image searches over the application directory's "bin" folder (kind 0xD2
    // mouse, 0xD3 receiver); FindFirmware keeps the image it chose.
    static bool FindFirmware(int kind, QString version, QString modelName, int cid, int mid);
    static bool CheckFirmware(int kind, QString version, QString modelName, int cid, int mid);
    static bool IsUpdateAvailable(int kind, QString version, int receiverClass);

public slots:
    void SetVer(int index);
    void SlotLabelText(int index, QString Text);
    void SlotLabelTextB(QString TextA, QString Text);
    void SlotForm();
    void SlotFormB();
    void SlotFormResetForm();
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotLongRangeMode(bool Select);
    void SlotLanguageSameB(int index);
    void SlotContinue(int index);

protected:
    LanguageLoader::KeyTable LanguageKeys() override;
};
