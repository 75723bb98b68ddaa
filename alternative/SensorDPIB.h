#pragma once
// The DPI levels as eight rows instead of the sensor page's bar: per level a
// toggle (makes it the current level), a colour button, a DPI slider and its
// number box, and above them the level-count combo. It edits the same fields
// with the same rules as SensorDPI, and sends only through them:
//  - a level's DPI: snapped with the sensor page's DpiCode::Snap, sent with
//    SetDPIValue; the first slider change after construction or SelectLevel
//    only arms the frame (it is the change the owner's filling or the
//    selection causes), every later one is sent;
//  - the current level: SetCurrentDPI, from a checked toggle;
//  - a level's colour: SetDPIColor, from the non-modal colour dialog;
//  - the level count: SensorDPI's one rule (SendLevelSwap, SendLevelCount).
// g_UiReady gates the frame's own online tests, the toggles, the colours and
// the count; the slider's write is gated by the armed flag and
// g_ProfileLoading only. g_SensorUiFilling keeps the count and toggles quiet.
//
// No page places it: it has no hub connection, no language section and
// reads no record; an owner fills the rows through the operations below.

#include <QFrame>
#include <QString>

class QButtonGroup;
class QColorDialog;
class Ui_SensorDPIB;

class SensorDPIB : public QFrame
{
    Q_OBJECT

public:
    explicit SensorDPIB(QWidget *parent = nullptr);
    ~SensorDPIB() override;

    // Owner operations. Per-level ones do nothing for a level outside 0..7.
    bool BlockChooseSignals(bool block); // returns the previous state
    void ClearChooseItems();
    void InsertChooseItem(int index, QString text);
    void SetChooseIndex(int index);
    void BlockSliderSignals(bool block);
    void SetSlidersEnabled(bool on);
    void SetSliderMinimum(int value);
    void SetSliderMaximum(int value);
    void SetSliderValue(int value, int level);
    void SetSpinValue(int value, int level);
    // The text as a decimal number (0 when it is none) to slider and box.
    void SetLevelText(int level, QString text);
    // Stores "#rrggbb"; the button shows it once restyled.
    void SetLevelColor(int level, QString colour);
    void ShowLevelColorA();
    void ShowLevelColorB();
    void ShowLevelColorC();
    void ShowLevelColorD();
    void ShowLevelColorE();
    void ShowLevelColorF();
    void ShowLevelColorG();
    void ShowLevelColorH();
    void ShowAllLevelColors();
    // The eight preset colours on the buttons; the level colours stay.
    void ShowPresetColors();
    void CheckLevelButton(int level);
    // Online test, disarms, checks the level's toggle.
    void SelectLevel(int level);
    void SetCurrentLevel(int level);
    void SetLevelCount(int count);
    // Rows 0..index shown, the others hidden; other indexes: nothing.
    void ShowLevels(int index);
    void SetTitleText(QString text);

    // State for tests.
    Ui_SensorDPIB *Form() const { return ui; }
    int CurrentLevel() const { return currentLevel; }
    int LevelCount() const { return levelCount; }
    QString LevelColor(int level) const;
    bool Armed() const { return armed; }
    QColorDialog *ColorDialog() const { return colorDialog; }

private slots:
    void on_ChooseEvent_currentIndexChanged(int index);
    void on_horizontalSliderA_valueChanged(int value);
    void on_horizontalSliderB_valueChanged(int value);
    void on_horizontalSliderC_valueChanged(int value);
    void on_horizontalSliderD_valueChanged(int value);
    void on_horizontalSliderE_valueChanged(int value);
    void on_horizontalSliderF_valueChanged(int value);
    void on_horizontalSliderG_valueChanged(int value);
    void on_horizontalSliderH_valueChanged(int value);
    void on_MA_toggled(bool checked);
    void on_MB_toggled(bool checked);
    void on_MC_toggled(bool checked);
    void on_MD_toggled(bool checked);
    void on_ME_toggled(bool checked);
    void on_MF_toggled(bool checked);
    void on_MG_toggled(bool checked);
    void on_MH_toggled(bool checked);
    void on_BlueButtonA_clicked();
    void SetColor(QColor color);
    void on_BrightRedButtonA_clicked();
    void on_RedButtonA_clicked();
    void on_YellowButtonA_clicked();
    void on_GreenButtonA_clicked();
    void on_PurpleButtonA_clicked();
    void on_LightBlueButtonA_clicked();
    void on_LightYellowButtonA_clicked();

private:
    // The slots of level i.
    void SliderChanged(int i, int value);
    void LevelToggled(int i, bool checked);
    void ColorClicked(int i);
    // The level's button in the colour c ("#rrggbb").
    void ShowButtonColor(int level, const QString &c);
    // The two rows trade colour and value; index becomes current.
    void SwapRows(int old, int index);

    Ui_SensorDPIB *ui;
    QColorDialog *colorDialog = nullptr;
    QString pictureDir;
    QButtonGroup *levelGroup = nullptr;
    int currentLevel = 1;
    int levelCount = 1;
    QString levelColors[8];
    bool armed = false;
    int previousLevel = 0;
    int colorTarget = 0;
};
