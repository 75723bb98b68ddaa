#pragma once
// The settings page, fourth page of the main frame: language, firmware
// versions and update, pairing, auto-start, the desktop's mouse settings,
// the maker's web link, receiver lighting and long-range mode.
//
// Its code is split by concern:
//   FormSetting.cpp          construction, skin, the small actions (auto
//                            start, mouse settings, web link, pairing,
//                            scrolling);
//   FormSettingAdvanced.cpp  the receiver options (long range, LED mode) and
//                            the compact and tall layouts;
//   FormSettingLanguage.cpp  the language selector, the language section and
//                            the maker file Net.xml.
// The firmware image searches are static, so the device list, the worker and
// the top-level window use them without the page.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <QPoint>

#include <QString>
#include <QStringList>
#include <atomic>

class Progress;
class QButtonGroup;
class QCheckBox;
class QMouseEvent;
class QTimer;
class QXmlStreamReader;
class Ui_FormSetting;
class UpDateWarning;

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
    // Opens a maker's web link of Net.xml on the desktop: http and https
    // addresses only. False when the text is none or was not opened.
    static bool OpenWebLink(const QString &text);
    // Stores a language the user picked on a settings selector and tells
    // every window, then the device list's selector (which follows it).
    static void PickLanguage(int index);

    // The update run: one step of the step machine (once a second per
    // running row), the end of a row's run, and the library's callback.
    void CheckUpdate(int step, int kind, QString currentVersion);
    void DongleUpdateFinished();
    void MouseUpdateFinished();
    static void UpgradeCallBack(unsigned char *report);
    static void Delay(int ms);
    static void SetUpdateBusy();
    static void StopCheckTimers();
    static bool IsDongleUpdating();
    static bool IsMouseUpdating();
    static bool IsUpdating();

    // Content sizes and footer places of the two layouts.
    static constexpr int CompactHeight = 630;
    static constexpr int TallHeight = 780;

public slots:
    void SlotLanguageSameB(int index);
    void SlotRGBValue(DongleRGB *Rgb);
    void SlotLongRangeMode(bool Select);
    void onDongleCheckTimer();
    void onMouseCheckTimer();
    void SlotLabelText(int index, QString Text);
    void SlotLabelTextB(QString TextA, QString Text);
    void SlotScroolChange(int index);
    void SetVer(int index);
    void SlotForm();
    void SlotFormB();
    void SlotFormResetForm();
    void SlotContinue(int index);

private slots:
    void on_pushButton_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_2_clicked();
    void on_Receive_clicked();
    void on_Mouse_clicked();
    void on_comboBox_activated(int index);
    void on_checkBox_clicked(bool checked);
    void on_checkBox_2_toggled(bool checked);
    void on_ReUntil_toggled(bool checked);
    void on_ReUntil_2_toggled(bool checked);
    void on_ReUntil_3_toggled(bool checked);
    void on_checkBox_2_clicked(bool checked);

protected:
    // The section "FormSetting"; before it the firmware rows are placed for
    // the language, after it (when the file opened) Net.xml is read.
    LanguageLoader::KeyTable LanguageKeys() override;
    void BeforeLanguageLoad(int index) override;
    void AfterLanguageLoad(int index, bool opened) override;

    // A press on an empty part of the page stops here: the main window's
    // drag handling must not see it.
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Named like by-name slots, but no widget of the form carries the name:
    // plain members, so the by-name connection does not look for them.
    void on_toolButton_4_clicked();
    void on_pushButton_5_clicked();

    // Skin and hidden rows of the construction.
    void ApplySkin();
    // Receiver options: the "Adveanced" items of the current model (missing
    // items read "-1"), the two sections and the two layouts.
    QStringList AdvancedItems() const;
    void ShowLongRangeSection(bool show);
    void ShowLedSection(bool show);
    void ApplyLayout(bool tall);
    // What the current mouse does not offer is hidden; showLongRange also
    // shows the long-range section when it is offered (a new mouse, not an
    // applied import). A receiver and a cable keep the compact layout.
    void ShowOfferedSections(bool showLongRange);
    void SendLedMode(int mode, bool checked);
    // Sets a box without running its handler: what the receiver or a reset
    // reports is display only and must not echo back to the receiver.
    static void SetCheckedQuietly(QCheckBox *box, bool checked);
    // Language: places the firmware rows for index and reads Net.xml.
    void PlaceFirmwareRows(int index);
    void ReadNetFile();
    void ApplyHintLines();

    // The update run's rows and looks (FormSettingUpdate.cpp).
    struct UpdateRow;
    UpdateRow Row(int kind);
    void StartUpdateRun(int kind);
    void UpdateFinished(int kind);
    void RowFinished(int kind);
    void MarkUpToDate(int kind);
    QString UpdateOfferedLook() const;
    QString PlainLook() const;

    Ui_FormSetting *ui;
    QXmlStreamReader *xmlReader = nullptr;
    QString noDeviceText;
    QString sameDeviceText;
    QString verNewText;
    QString mouseButtonText;
    QString receiveButtonText;
    // Notice when no mouse-settings tool of the desktop was found.
    QString noMouseSettingsText;
    bool DongleLatestVersion = false;
    bool MouseLatestVersion = false;
    bool MouseCheckTimerEnable = false;
    bool DongleCheckTimerEnable = false;
    int updateStep = 0;
    QStringList donglePaths;
    Progress *updateProgress = nullptr;
    UpDateWarning *updateWarning = nullptr;
    QPoint versionLabelPos;
    QButtonGroup *ledModeGroup = nullptr;
    bool warnAsPopup = false;
    QString buttonColor;
    int dongleHintState = 0;
    int mouseHintState = 0;
};
