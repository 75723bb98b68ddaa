#pragma once
// The button-mapping page, first page of the main frame. It shows one
// selector per mouse button (its text names the button's function), a
// two-level function menu, the on-board configuration combo and the debounce
// selector, and writes a chosen function through the field setters.
//
// It holds the device link (DeviceLink), so the program's one device worker
// (g_Worker) and its 1300 ms poll exist from start-up on.
//
// Device button index 0..5 is the index of the record's key tables; the
// selectors FireKey, RightKey, BackKey, StartPause, TopMusic, BackMusic stand
// for 0, 1, 2, 4, 3, 5 (rows 4 and 5 cross over). The function cache
// (m_KeyTypes, m_KeyParam1s, m_KeyParam2s) holds what the page believes each
// button does; it has one entry per button of the model ("KeyNumber", kept
// within 0..16) after a refresh and six after the factory state, and is
// never read or written outside its entries.
//
// At the end of a full refresh the page raises its acknowledgement
// (g_ButtonPageUpdated), which the apply-and-wait dialog waits for; while it
// fills its widgets it raises g_ButtonPageUpdating, so nothing it shows is
// written back and no setter nags about an offline device. The picture
// folder (m_PicturePath) and the language section come from PageSkeleton.

#include "DeviceLink.h"
#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class QButtonGroup;
class QToolButton;
class QVBoxLayout;
class Ui_Buttoninterface;

class Buttoninterface : public PageSkeleton
{
    Q_OBJECT

public:
    // Build::InSteps makes the widgets and sets their sheets and the stored
    // language's texts (before anything measures them) only; the page is
    // polished and its menus are put together (and so polished) by
    // BuildNextStep, a part a step, so that no step holds up a frame.
    // Build::Whole does all of it at once.
    enum class Build { Whole, InSteps };
    explicit Buttoninterface(QWidget *parent = nullptr, Build build = Build::Whole);
    // Polishes the page or puts the next part of the menus together; true
    // once the page is complete.
    bool BuildNextStep();
    void BuildRemainingSteps();
    bool IsComplete() const;
    ~Buttoninterface() override;

    // ---- labels (selector texts derived from a button's function)
    // Sets the label of device button 0..5 from the function and the record;
    // other buttons and unknown functions leave every label as it was.
    void UpDataButtonText(int button, int type, int param1, int param2, FlashDataMap map);
    // The name of one key of a combination from its event's code and kind.
    static QString KeyCodeToName(int code, int kind);
    // Unchecks every sub-menu item but the two scroll items, and every macro
    // button; the main list and the selectors keep their marks.
    void ClearFunctionCheck();

    // ---- key records
    // Writes the press of name as event k and its release as event 2n-1-k.
    static void KeyNameToCode(const QString &name, int k, int n, KeyEventRecord &record);
    // Fills record from a combination text ("Ctrl+Shift+A"): at most the
    // first three names (a record holds six events), "Num+" kept whole.
    static void KeyStringToEvents(KeyEventRecord &record, int button, const QString &text);
    // Assign a combination / the consumer key of a usage's low byte to a button.
    void SetComboKey(int button, QString text);
    void SetMediaKey(int button, int lowByte);

    // ---- DPI lock codes over the driver_sensor.h table of m_SensorModel
    int DpiToSensorCode(int dpi) const;
    int SensorCodeToDpi(int code) const;

    // ---- macro files (a name the macro folder refuses reads and writes nothing)
    // The record of a macro file: name cut to 30 bytes, at most 70 events;
    // ok is false (zero record) before the first refresh or without a file.
    MacroRecord ReadMacroFile(const QString &name, int button, bool *ok);
    // The repeat-mode text of the first line, "0" when there is none.
    QString ReadMacroMode(const QString &name);
    static void MacroKeyNameToCode(const QString &name, int button, int i, MacroRecord &record);
    // The record's name bytes of a macro name (at most 30, whole characters).
    static QByteArray NameBytes(const QString &name);
    QList<QToolButton *> MacroButtons() const { return m_MacroButtons; }

    // Stores a function in the cache; an index without an entry is ignored.
    void SaveKeyFunction(int index, int type, int param1, int param2);

    // Tests: the form and the cache.
    Ui_Buttoninterface *Form() const { return ui; }
    QVector<int> KeyTypes() const { return m_KeyTypes; }
    QVector<int> KeyParam1s() const { return m_KeyParam1s; }
    QVector<int> KeyParam2s() const { return m_KeyParam2s; }
    QString SensorModel() const { return m_SensorModel; }

public slots:
    void SlotMouseIndex(int index);
    void SlotUpDataButtonUIButton(FlashDataMap DataMap);
    void SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SlotUpDataButtonUIB(FlashDataMap DataMap);
    void SlotAddMacroButton();
    void SlotDeleteMacroButton(QString MacroName);
    void SlotUpDataMacro(QString MacroName, int index);
    void SlotMacroRename(QString MacroName, QString NewName);
    void SlotFormResetButton();
    void slotButtonClicked(bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

    // ---- texts of the language files' section "Buttoninterface" (ButtonTexts.cpp)
    // The function menu's font follows the language even without a file; the
    // section sets texts, the import and export tool tips (Japanese only), the
    // two prefixes and the debounce items; after it, with a readable cache
    // file of the selected device, a change relabels the selectors from the
    // current record and every load re-texts the configuration items.
    void BeforeLanguageLoad(int index) override;
    LanguageLoader::KeyTable LanguageKeys() override;
    void AfterLanguageLoad(int index, bool opened) override;

private:
    // Function cache and selector labels from a record's button functions.
    void RelabelFromRecord(const FlashDataMap &record);
    // The configuration items in the current prefix; count and current item
    // kept, no signal sent.
    void RetextConfigItems();
    bool m_FirstLanguageLoaded = false;
    bool m_SectionRead = false;

private slots:
    // Selectors and number marks.
    void on_FireKey_clicked();
    void on_RightKey_clicked();
    void on_BackKey_clicked();
    void on_StartPause_clicked();
    void on_TopMusic_clicked();
    void on_BackMusic_clicked();
    void on_Number1_clicked();
    void on_Number2_clicked();
    void on_Number3_clicked();
    void on_Number4_clicked();
    void on_Number5_clicked();
    void on_Number6_clicked();

    // Main-list entries that open a sub-menu.
    void on_DPI_11_clicked();
    void on_DPI_12_clicked();
    void on_DPI_13_clicked();
    void on_DPI_4_clicked();
    void on_DPI_4_clicked(bool checked);
    void on_DPI_7_clicked();
    void on_DPI_9_clicked();
    void on_DPI_10_clicked();
    void on_stackedWidget_currentChanged(int index);
    void on_stackedWidget_2_currentChanged(int index);

    // Items that assign a function (each hands itself to AssignItem).
    void on_LeftKey_3_clicked(bool checked);
    void on_RightKey_3_clicked(bool checked);
    void on_MidKey_clicked(bool checked);
    void on_BackKey_2_clicked(bool checked);
    void on_ForWardKey_clicked(bool checked);
    void on_DPI_2_clicked(bool checked);
    void on_DPI_3_clicked(bool checked);
    void on_DPI_5_clicked(bool checked);
    void on_VolumeUp_8_clicked(bool checked);
    void on_VolumeUp_9_clicked(bool checked);
    void on_VolumeUp_10_clicked(bool checked);
    void on_VolumeUp_2_clicked(bool checked);
    void on_VolumeDown_2_clicked(bool checked);
    void on_VolumeUp_14_clicked(bool checked);
    void on_VolumeDown_14_clicked(bool checked);
    void on_VolumeUp_4_clicked(bool checked);
    void on_VolumeUp_5_clicked(bool checked);
    void on_VolumeUp_6_clicked(bool checked);
    void on_VolumeUp_7_clicked(bool checked);
    void on_Player_clicked(bool checked);
    void on_StartPause_2_clicked(bool checked);
    void on_BackMusic_2_clicked(bool checked);
    void on_TopMusic_2_clicked(bool checked);
    void on_Mute_clicked(bool checked);
    void on_VolumeUp_clicked(bool checked);
    void on_VolumeDown_clicked(bool checked);
    void on_VolumeDown_4_clicked(bool checked);
    void on_VolumeDown_5_clicked(bool checked);
    void on_VolumeDown_6_clicked(bool checked);
    void on_VolumeDown_3_clicked(bool checked);
    void on_VolumeDown_8_clicked(bool checked);
    void on_VolumeDown_9_clicked(bool checked);
    void on_VolumeDown_7_clicked(bool checked);
    void on_VolumeDown_10_clicked(bool checked);
    void on_VolumeDown_12_clicked(bool checked);
    void on_VolumeDown_13_clicked(bool checked);
    void on_VolumeDown_11_clicked(bool checked);
    void on_VolumeUp_11_clicked(bool checked);
    void on_VolumeUp_12_clicked(bool checked);
    void on_VolumeUp_13_clicked(bool checked);
    void on_VolumeUp_16_clicked(bool checked);
    void on_VolumeUp_15_clicked(bool checked);
    void on_VolumeUp_19_clicked(bool checked);
    void on_VolumeUp_20_clicked(bool checked);
    void on_VolumeUp_22_clicked(bool checked);
    void on_VolumeUp_18_clicked(bool checked);
    void on_VolumeUp_24_clicked(bool checked);
    void on_VolumeUp_23_clicked(bool checked);
    void on_VolumeUp_21_clicked(bool checked);

    // Fire key (dialog, then the assignment) and key combination.
    void on_DPI_6_clicked(bool checked);
    void on_DPI_6_clicked();
    void on_DPI_8_clicked();

    // On-board configurations.
    void on_ProjectChoose_activated(int index);
    void on_ProjectChoose_currentIndexChanged(int index);

    // Reset, configuration import and export (ButtonProfile.cpp).
    void on_Reset_clicked();
    void on_ImportData_clicked();
    void on_OutputData_clicked();

private:
    void InitButtonGroup();
    void InitMacroButton();
    void BuildMacroList();
    // Selector labels without NUL characters and the macro prefix, in the
    // selector order, and the device indexes of those bound to a macro.
    QStringList BareLabels() const;
    QList<int> ButtonsBoundTo(const QString &name, const QStringList &bare) const;
    void SetStyleSheets1();
    void SetComboSheets();
    void SetStyleSheets2();
    void SetStyleSheets3();

    // The selector of a device index (null outside 0..5), and the device
    // index of the first checked selector (-1 when none).
    QToolButton *SelectorOf(int button) const;
    int CheckedButton() const;
    void UncheckSelectors();
    // Main list closed, selector scroll bar back, debounce page shown.
    void CloseFunctionMenu();

    void OnSelectorClicked(QToolButton *selector, int button);
    void OpenMenuAt(QToolButton *selector, int button, int type, int param1);
    void AssignItem(QToolButton *item, bool checked);
    void OnNumberClicked(QToolButton *selector);

    // The refresh shared by the two refresh slots (filling flag raised).
    void FillFromRecord(const FlashDataMap &record);

    Ui_Buttoninterface *ui;
    static constexpr int BuildSteps = 5;
    int m_Step = 0;
    QVBoxLayout *m_MacroLayout = nullptr;
    QList<QToolButton *> m_MacroButtons;
    QButtonGroup *m_SelectorGroup = nullptr;
    QButtonGroup *m_FunctionGroup = nullptr;
    QButtonGroup *m_ItemGroup = nullptr;
    QButtonGroup *m_NumberGroup = nullptr;
    QString m_MainPagePath;
    QVector<int> m_KeyTypes;
    QVector<int> m_KeyParam1s;
    QVector<int> m_KeyParam2s;
    QString m_SensorModel;
    QVector<QString> m_DefineNames;
    QVector<int> m_DefineValues;
    int m_FireTime = 10;
    int m_FireCount = 3;
    QStringList m_ButtonColorList;
    QString m_ButtonColor;
    QWidget *m_MacroContainer = nullptr;
    QString m_MacroPrefix;
    QString m_ConfigPrefix;
    std::unique_ptr<DeviceLink> m_Link;
};
