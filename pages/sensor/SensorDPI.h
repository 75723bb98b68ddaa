#pragma once
// The DPI bar of the sensor page: up to eight DPI levels, each a value
// button (its DPI) with a colour marker under it, the level indicator
// label_8 under the current level (it can be dragged to another level), the
// level-count combo, and the DPI slider with its number box and step buttons.
//
// The page shows a record on the bar through the display operations; the
// user's edits go to the mouse:
//  - a level's DPI (slider, plus, minus) through SetDPIValue;
//  - the current level (value button, marker, drag) through SetCurrentDPI;
//  - a level's colour (marker click, colour dialog) through SetDPIColor;
//  - the level count: when the current level falls outside the new count, it
//    swaps with the new last level (SetDPILevels); then byte 1 is written
//    under the record lock and the record sent.
// Sending is gated by g_UiReady and g_SensorUiFilling; the slider also by
// sliderArmed (it swallows the one value change a level selection causes)
// and g_ProfileLoading.
//
// Level numbers from a device or a file are not trusted: only levels 0..7
// ever index the level table.

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QColorDialog;
class QToolButton;
class Ui_SensorDPI;

class SensorDPI : public QFrame
{
    Q_OBJECT

public:
    explicit SensorDPI(QWidget *parent = nullptr);
    ~SensorDPI() override;

    void ReadDriveConfig();
    void ShowCurrentLevel(int level);
    void RefreshMarker(int level);
    void SetLevelColor(int level, QString color);
    void ShowLevels(int index);
    void CheckLevelButton(int level);
    void SetLevelText(int level, QString text);
    void MoveLevelIndicator(int n);
    void SetCurrentLevel(int level);
    void SetLevelCount(int count);
    void SetTitleText(QString text);
    void ClearChooseItems();
    void InsertChooseItem(int index, QString text);
    void SetChooseIndex(int index);
    void BlockChooseSignals(bool block);
    void BlockSliderSignals(bool block);
    void SetSliderEnabled(bool enabled);
    void SetSliderMinimum(int value);
    void SetSliderMaximum(int value);
    void SetSliderValue(int value);
    void SetSpinValue(int value);
    void SetSpinVisible(bool visible);
    void BlockEditSignals(bool block);
    void BlockLevelSignals(bool block);
    // Completes a drag step onto the level: false (after the offline
    // notice) when the mouse does not answer, and nothing is selected.
    bool SelectDraggedLevel(int level);

    // State for the page's tests.
    Ui_SensorDPI *Form() const { return ui; }
    int CurrentLevel() const { return currentLevel; }
    int LevelCount() const { return levelCount; }
    QString LevelColor(int level) const;
    bool SliderArmed() const { return sliderArmed; }
    // The colour dialog, once a marker has opened it (nullptr before).
    QColorDialog *ColorDialog() const { return colorDialog; }
    QPoint IndicatorPosition(int level) const;

    // The greatest pointer x a release may have for the level-count index
    // (0..6); index 7 and above has none (INT_MAX).
    static int DragLimit(int index);
    // The step k a release d pixels from the resting x of the current level
    // makes; 0 when d lies in no step's window.
    static int DragStep(int d);

    // The level-count rule, shared with the row editor SensorDPIB so both send
    // the same. A combo index names a count of 1..8 only for 0..7 (an emptied
    // combo reports -1); any other index must change nothing.
    static bool IsCountIndex(int index);
    // A count that drops the current level old: the device entries of old
    // and index trade places, index becomes current and the count index + 1
    // (SetDPILevels). Only while g_UiReady is set.
    static void SendLevelSwap(int index, int old);
    // The count itself: byte 1 = index + 1, written under the record lock and
    // sent when the device answers, else the offline notice. Only while
    // g_UiReady is set.
    static void SendLevelCount(int index);
    // The editors' own online test (the setters make their own) and the
    // notice they raise when it fails.
    static bool DeviceAnswers();
    static bool OfflineNotice();

public slots:
    void SetColor(QColor color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void on_ChooseEvent_currentIndexChanged(int index);
    void on_horizontalSliderC_valueChanged(int value);
    void on_horizontalSliderC_sliderMoved(int position);
    void on_ReduceLevelA_clicked();
    void on_AddLevelA_clicked();

    void on_BlueButton_toggled(bool checked);
    void on_BlueButton_clicked();
    void on_BlueButtonA_toggled(bool checked);
    void on_BlueButtonA_clicked();
    void on_BrightRedButton_toggled(bool checked);
    void on_BrightRedButton_clicked();
    void on_BrightRedButtonA_toggled(bool checked);
    void on_BrightRedButtonA_clicked();
    void on_RedButton_toggled(bool checked);
    void on_RedButton_clicked();
    void on_RedButtonA_toggled(bool checked);
    void on_RedButtonA_clicked();
    void on_YellowButton_toggled(bool checked);
    void on_YellowButton_clicked();
    void on_YellowButtonA_toggled(bool checked);
    void on_YellowButtonA_clicked();
    void on_GreenButton_toggled(bool checked);
    void on_GreenButton_clicked();
    void on_GreenButtonA_toggled(bool checked);
    void on_GreenButtonA_clicked();
    void on_PurpleButton_toggled(bool checked);
    void on_PurpleButton_clicked();
    void on_PurpleButtonA_toggled(bool checked);
    void on_PurpleButtonA_clicked();
    void on_LightBlueButton_toggled(bool checked);
    void on_LightBlueButton_clicked();
    void on_LightBlueButtonA_toggled(bool checked);
    void on_LightBlueButtonA_clicked();
    void on_LightYellowButton_toggled(bool checked);
    void on_LightYellowButton_clicked();
    void on_LightYellowButtonA_toggled(bool checked);
    void on_LightYellowButtonA_clicked();

private:
    // The four slots of a level, for level i.
    void LevelToggled(int i, bool checked);
    void LevelClicked(int i);
    void MarkerToggled(int i, bool checked);
    void MarkerClicked(int i);

    QString MarkerSheet(int level, bool current) const;
    QString ValueButtonSheet(bool selected) const;
    // Sets the slider to a level's value; the value change that follows is
    // only shown (sliderArmed cleared) - and only when one really follows.
    void MoveSliderQuietly(int value);
    // Ends a drag: the indicator rests under a level, which may become current.
    void FinishDrag(const QPoint &pointer);

    Ui_SensorDPI *ui;
    QString pictureDir;
    QButtonGroup *levelGroup = nullptr;
    QButtonGroup *markerGroup = nullptr;
    QColorDialog *colorDialog = nullptr;
    QStringList buttonColorList;
    QString buttonColor;
    QRect levelButtonRects[8];
    QRect markerRects[8];
    QPoint indicatorPositions[8];
    QRect dragArea;
    bool dragging = false;
    QPoint dragOffset;
    int currentLevel = 1;
    int levelCount = 1;
    QString levelColors[8];
    // Clear only while a level selection moves the slider (MoveSliderQuietly):
    // the one value change that move causes is shown, not sent.
    bool sliderArmed = true;
    int savedLevel = 0;
};
